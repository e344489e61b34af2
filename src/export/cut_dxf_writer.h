#pragma once

#include "export/workshop_layout.h"

#include <QIODevice>

namespace rw {

// Stock sheet `sheet` of `layout` as an R12 DXF in millimetres with the layers CUT (closed
// contours) and MARK (chord lines, spar lines, numbers), one file per sheet like the SVG.
void writeCutDxf(const WorkshopLayout& layout, int sheet, QIODevice& device);

}  // namespace rw
