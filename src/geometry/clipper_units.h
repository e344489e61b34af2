#pragma once

#include "geometry/rib_cut.h"

#include <polyclipping/clipper.hpp>

namespace rw {

// Polygon work runs on whole numbers of a fixed unit, one millionth of a millimetre. The unit is
// far below what the single-precision rib points resolve (a few hundredths of a micrometre at
// 1 mm, several at a metre), so putting a point on the grid never moves it visibly; ribs up to
// about a metre stay within the library's fast 64-bit range, and anything up to thousands of
// kilometres is still exact in its wider arithmetic. The unit is the same for every rib, so a
// feature given in millimetres (a 3 mm notch) lands on the same grid whatever the chord.
constexpr double kPolygonUnitsPerMm = 1e6;

// Largest coordinate the library accepts, in millimetres.
constexpr double kLargestPolygonMm = 4.0e12;

// Throws RibwrightError naming `ribNumber` for a point that is not finite or too far out.
ClipperLib::IntPoint toPolygonUnits(QPointF mm, int ribNumber);
QPointF toMillimetres(const ClipperLib::IntPoint& point);

ClipperLib::Path toPolygonPath(const MmRing& ring, int ribNumber);
MmRing toMmRing(const ClipperLib::Path& path);

// The outer and hole rings of a cut as paths for further boolean work.
ClipperLib::Paths toPolygonPaths(const RibCut& cut, int ribNumber);

// The largest outer contour of a boolean result with the holes directly inside it. Other outer
// contours, slivers cut off from the rib, are left out. Empty when the result has no area.
RibCut largestPieceOf(const ClipperLib::PolyTree& tree);

}  // namespace rw
