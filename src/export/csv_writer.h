#pragma once

#include "export/export_inputs.h"
#include "geometry/rib_outline.h"

#include <QIODevice>
#include <QString>

namespace rw {

// Writes the rib coordinates of every rib: a header with the settings, then one block per rib.
// Each row pairs a data point with the rib point set in from it, so with rib features the rib
// column follows the sheeting of each surface; notches, stock and holes, which have no data
// point, are left to the drawing and the workshop files. `rib` is left holding the last rib
// produced.
void writeCsv(QIODevice& out, const ExportInputs& inputs, CurrentRib& rib);

// Saves the CSV file atomically; throws FileError (its text names the path) on failure.
void exportCsv(const QString& path, const ExportInputs& inputs, CurrentRib& rib);

}  // namespace rw
