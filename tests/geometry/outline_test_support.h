#pragma once

#include "airfoil/airfoil_data.h"
#include "geometry/rib_outline.h"

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

// A NACA four-digit style airfoil in the program's loop order: trailing edge, upper surface,
// leading edge, lower surface, trailing edge, with `perSurface` cosine-spaced stations on each
// surface (the leading edge shared). Thickness is applied vertically about the camber line.
inline AirfoilProfile nacaProfile(double camber, double camberAt, double thickness,
                                  int perSurface) {
    const double pi = std::acos(-1.0);
    auto station = [&](int j) { return 0.5 * (1 - std::cos(pi * j / (perSurface - 1))); };
    auto halfThickness = [&](double x) {
        return 5 * thickness *
               (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x + 0.2843 * x * x * x -
                0.1015 * x * x * x * x);
    };
    auto camberLine = [&](double x) {
        if (camber == 0)
            return 0.0;
        if (x < camberAt)
            return camber / (camberAt * camberAt) * (2 * camberAt * x - x * x);
        return camber / ((1 - camberAt) * (1 - camberAt)) *
               ((1 - 2 * camberAt) + 2 * camberAt * x - x * x);
    };
    std::vector<std::pair<float, float>> points;
    for (int j = perSurface - 1; j >= 0; --j) {
        const double x = station(j);
        points.emplace_back(float(x), float(camberLine(x) + halfThickness(x)));
    }
    for (int j = 1; j < perSurface; ++j) {
        const double x = station(j);
        points.emplace_back(float(x), float(camberLine(x) - halfThickness(x)));
    }
    return profileOf(points);
}

}  // namespace rw::test
