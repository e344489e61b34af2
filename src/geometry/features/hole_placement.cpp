#include "geometry/features/hole_placement.h"

#include "geometry/contour_section.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace rw {
namespace {

// Holes below this size only weaken the web around them and are not worth cutting.
constexpr double kSmallestHoleRadius = 0.5;  // mm
// How far a polygon side may fall inside the true circle.
constexpr double kHoleChordError = 0.005;  // mm

struct Row {
    std::vector<HoleCircle> holes;
    double end = 0;  // x of the back edge of the last hole
};

bool keepsWeb(const MmRing& outer, const HoleCircle& hole, double web) {
    return contourContains(outer, hole.centre) &&
           distanceToContour(outer, hole.centre) - hole.radius >= web;
}

// The centre of the hole whose front edge touches `front`: its radius depends on the rib height
// at its own centre, so the centre is found by damped iteration from the front edge.
bool holeTouching(const MmRing& outer, double front, double diameterPercent, HoleCircle& hole) {
    double x = front;
    ContourSection section;
    for (int i = 0; i < 40; ++i) {
        section = sectionAt(outer, x);
        if (!section.crosses)
            return false;
        x = (x + front + section.height() * diameterPercent / 200) / 2;
    }
    section = sectionAt(outer, x);
    if (!section.crosses)
        return false;
    const double radius = section.height() * diameterPercent / 200;
    // The iteration may settle short of the front edge where the height changes steeply.
    hole = HoleCircle{QPointF(x, section.middle()), std::min(radius, x - front)};
    return true;
}

// The most the rib can be high anywhere between `from` and `to`: every section there runs
// between edges that reach into that stretch.
double tallestBetween(const MmRing& outer, double from, double to) {
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (size_t i = 0, j = outer.size() - 1; i < outer.size(); j = i++) {
        const QPointF& a = outer[j];
        const QPointF& b = outer[i];
        if (std::max(a.x(), b.x()) < from || std::min(a.x(), b.x()) > to)
            continue;
        low = std::min({low, a.y(), b.y()});
        high = std::max({high, a.y(), b.y()});
    }
    return high - low;
}

Row rowInBay(const MmRing& outer, const HoleBay& bay, double diameterPercent, double web) {
    Row row;
    // A bay too low for the smallest hole anywhere is left at once rather than stepped through
    // millimetre by millimetre, so the work follows the holes cut, not the length of the chord.
    if (bay.from >= bay.to || outer.empty() ||
        tallestBetween(outer, bay.from, bay.to) * diameterPercent / 200 < kSmallestHoleRadius) {
        return row;
    }
    double front = bay.from;
    while (front < bay.to) {
        HoleCircle hole;
        if (!holeTouching(outer, front, diameterPercent, hole))
            break;
        const double back = hole.centre.x() + hole.radius;
        if (back > bay.to)
            break;
        if (hole.radius >= kSmallestHoleRadius && keepsWeb(outer, hole, web)) {
            row.holes.push_back(hole);
            row.end = back;
        }
        front = std::max(back, front + kSmallestHoleRadius) + web;
    }
    return row;
}

// Moves the row back by half the space left behind it, so it sits in the middle of the bay; the
// heights change along the way, so the centres are taken again and every web checked again.
void centreRow(const MmRing& outer, const HoleBay& bay, double web, Row& row) {
    if (row.holes.empty())
        return;
    const double shift = (bay.to - row.end) / 2;
    std::vector<HoleCircle> moved;
    for (const HoleCircle& hole : row.holes) {
        const double x = hole.centre.x() + shift;
        const ContourSection section = sectionAt(outer, x);
        const HoleCircle candidate{QPointF(x, section.middle()), hole.radius};
        if (!section.crosses || !keepsWeb(outer, candidate, web))
            return;
        moved.push_back(candidate);
    }
    row.holes = std::move(moved);
}

}  // namespace

std::vector<HoleCircle> placeLighteningHoles(const MmRing& outer, const std::vector<HoleBay>& bays,
                                             double diameterPercent, double web) {
    std::vector<HoleCircle> holes;
    for (const HoleBay& bay : bays) {
        Row row = rowInBay(outer, bay, diameterPercent, web);
        centreRow(outer, bay, web, row);
        holes.insert(holes.end(), row.holes.begin(), row.holes.end());
    }
    return holes;
}

MmRing holeRing(const HoleCircle& hole) {
    const double r = hole.radius;
    const double step = 2 * std::acos(std::max(0.0, 1 - kHoleChordError / r));
    const int sides = std::clamp(int(std::ceil(2 * std::numbers::pi / step)), 12, 720);
    MmRing ring;
    ring.reserve(size_t(sides));
    for (int i = 0; i < sides; ++i) {
        const double angle = -2 * std::numbers::pi * i / sides;
        ring.emplace_back(hole.centre.x() + r * std::cos(angle),
                          hole.centre.y() + r * std::sin(angle));
    }
    return ring;
}

}  // namespace rw
