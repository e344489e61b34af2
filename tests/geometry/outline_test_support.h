#pragma once

#include "airfoil/airfoil_data.h"
#include "geometry/rib_outline.h"
#include "support/airfoil_sections.h"

#include <cmath>
#include <utility>
#include <vector>

namespace rw::test {

inline AirfoilProfile profileOf(const std::vector<std::pair<float, float>>& points) {
    AirfoilProfile profile;
    for (const auto& [x, y] : points) {
        profile.x.push_back(x);
        profile.y.push_back(y);
    }
    return profile;
}

// Signed distance of (px, py) from the line through a and b: positive to the left of the
// travel from a to b. Worked in double from the stored single values.
inline double leftDistance(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax;
    const double dy = by - ay;
    return (dx * (py - ay) - dy * (px - ax)) / std::hypot(dx, dy);
}

// Distance of rib point i from the surface line through surface points a and b.
inline double ribDistance(const RibOutline& o, int i, int a, int b) {
    return leftDistance(o.ribX[i], o.ribY[i], o.surfaceX[a], o.surfaceY[a], o.surfaceX[b],
                        o.surfaceY[b]);
}

}  // namespace rw::test
