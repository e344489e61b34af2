#pragma once

#include "geometry/rib_series.h"
#include "sheet/rib_job.h"

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
// stock, then each hole, every one a polyline that ends where it starts). `attributes` comes in
// as the previous export left it and goes out with the layer and colour last used.
void writeDxf(QIODevice& out, const RibJob& job, const RibSeries& series,
              DxfAttributes& attributes);

// The ribs as the drawing places them stay within single precision; throws the invalid-operation
// fault otherwise, before a file is opened.
void checkDxfRange(const RibJob& job, const RibSeries& series);

}  // namespace rw
