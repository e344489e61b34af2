#pragma once

#include "export/workshop_layout.h"

#include <QIODevice>

namespace rw {

// Stock sheet `sheet` of `layout` as an SVG for laser cutters: a "cut" layer with each rib's cut
// contour and an "engrave/mark" layer with chord lines, spar lines and numbers. Each sheet is a
// file of its own (see stockSheetPath): one file is one job on the laser bed.
void writeLaserSvg(const WorkshopLayout& layout, int sheet, QIODevice& device);

}  // namespace rw
