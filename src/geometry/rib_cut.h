#pragma once

#include "geometry/rib_outline.h"

#include <QPointF>

#include <utility>
#include <vector>

namespace rw {

// A closed ring of points in millimetres, y up; the last point is not repeated.
using MmRing = std::vector<QPointF>;

// The piece a rib is cut to, in the rib's own frame (millimetres from the leading edge, y up):
// one outer contour, counter-clockwise, and the holes inside it, clockwise. No ring crosses
// itself or another. Every coordinate is a whole number of polygon units (see clipper_units.h),
// so a ring goes back to the polygon library without moving.
struct RibCut {
    MmRing outer;
    std::vector<MmRing> holes;
    // Lines the features ask to be engraved on the piece (where a jig tab is cut off after
    // building), each from its first point to its second, in the same frame.
    std::vector<std::pair<QPointF, QPointF>> marks;
    bool empty() const { return outer.empty(); }
};

// The rib outline made into one piece a cutter can follow: the ends joined, the part beyond the
// point where the upper and lower outlines cross near a thin trailing edge dropped (the piece
// closes at the crossing), and the small loops that mitred corners of close points make at the
// leading edge removed, and nothing closer to the surface than `skinThickness` (less a
// micrometre) kept. Empty when the skin leaves no material (a rib thinner than two skins).
// Throws RibwrightError naming `ribNumber` when a coordinate is not a finite number or lies
// beyond what the polygon units can hold.
RibCut computeCutContour(const RibOutline& outline, float skinThickness, int ribNumber);

}  // namespace rw
