#pragma once

#include "export/export_inputs.h"
#include "geometry/rib_outline.h"

#include <QIODevice>
#include <QString>

namespace rw {

// The layer and colour a DXF export ended with. They carry over to the next DXF export of the run:
// its title block keeps them when no rib sets them first (a rib count of 0). Empty before the
// first export.
struct DxfAttributes {
    QString layer;
    QString colour;
};

// Writes the drawing: the header, every rib on a layer of its own, the title block, the end.
// With rib features each rib's outline is the piece as it is cut (contour with notches and
// stock, then each hole, every one a polyline that ends where it starts); a feature that cannot
// be cut throws RibwrightError naming the rib. `rib` is left holding the last rib produced,
// `attributes` the layer and colour last used.
void writeDxf(QIODevice& out, const ExportInputs& inputs, CurrentRib& rib,
              DxfAttributes& attributes);

// Saves the DXF file atomically; throws FileError (its text names the path) on failure.
void exportDxf(const QString& path, const ExportInputs& inputs, CurrentRib& rib,
               DxfAttributes& attributes);

}  // namespace rw
