#pragma once

#include "geometry/rib_cut.h"

#include <vector>

namespace rw {

// A stretch of the chord between two spars (or a spar and the trailing edge) where holes may go:
// no hole reaches ahead of `from` or behind `to` (mm from the leading edge).
struct HoleBay {
    double from = 0;
    double to = 0;
};

struct HoleCircle {
    QPointF centre;  // mm
    double radius = 0;
};

// Holes in a row along each bay, front to back, each centred on the rib's mid-height with a
// diameter of `diameterPercent` of the rib height there, `web` apart and at least `web` from
// the contour `outer`. A hole that cannot keep the web is left out; the row is then centred in
// its bay when that keeps every web.
std::vector<HoleCircle> placeLighteningHoles(const MmRing& outer, const std::vector<HoleBay>& bays,
                                             double diameterPercent, double web);

// The circle as a clockwise ring whose sides stray at most a few micrometres inside the circle.
MmRing holeRing(const HoleCircle& hole);

}  // namespace rw
