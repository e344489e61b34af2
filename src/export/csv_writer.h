#pragma once

#include "export/export_inputs.h"
#include "geometry/rib_outline.h"

#include <QIODevice>
#include <QString>

namespace rw {

// Writes the rib coordinates of every rib: a header with the settings, then one block per rib.
// `rib` is left holding the last rib produced.
void writeCsv(QIODevice& out, const ExportInputs& inputs, CurrentRib& rib);

// Saves the CSV file atomically; throws FileError (its text names the path) on failure.
void exportCsv(const QString& path, const ExportInputs& inputs, CurrentRib& rib);

}  // namespace rw
