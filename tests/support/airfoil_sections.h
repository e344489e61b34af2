#pragma once

// Airfoil sections for tests and benchmarks that want one without a data file: a small hand-made
// section, and four-digit-series sections of any size from the published thickness and camber
// formulas.
#include "airfoil/airfoil_data.h"

#include <cmath>

namespace rw::test {

// The 11-point example section: trailing edge, upper surface, leading edge, lower surface.
inline AirfoilProfile exampleSection() {
    AirfoilProfile p;
    p.x = {1.0f, 0.75f, 0.5f, 0.25f, 0.1f, 0.0f, 0.1f, 0.25f, 0.5f, 0.75f, 1.0f};
    p.y = {0.0f, 0.04f, 0.06f, 0.055f, 0.035f, 0.0f, -0.02f, -0.025f, -0.02f, -0.01f, 0.0f};
    return p;
}

// A section in the program's loop order: `upperPoints` cosine-spaced stations from the trailing
// edge over the upper surface to the leading edge, then `lowerPoints` stations back along the
// lower surface to the trailing edge. Thickness is applied vertically about the camber line.
inline AirfoilProfile nacaSection(double camber, double camberAt, double thickness, int upperPoints,
                                  int lowerPoints) {
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
               (1 - 2 * camberAt + 2 * camberAt * x - x * x);
    };
    AirfoilProfile profile;
    auto add = [&](double x, double side) {
        profile.x.push_back(float(x));
        profile.y.push_back(float(camberLine(x) + side * halfThickness(x)));
    };
    for (int i = 0; i < upperPoints; ++i)
        add(0.5 * (1 + std::cos(M_PI * i / (upperPoints - 1))), 1);
    for (int i = 1; i <= lowerPoints; ++i) add(0.5 * (1 - std::cos(M_PI * i / lowerPoints)), -1);
    return profile;
}

// `perSurface` stations on each surface, the leading edge shared.
inline AirfoilProfile nacaProfile(double camber, double camberAt, double thickness,
                                  int perSurface) {
    return nacaSection(camber, camberAt, thickness, perSurface, perSurface - 1);
}

// The cambered 2412 with `perSurface` stations on each surface besides the leading edge.
inline AirfoilProfile section2412(int perSurface = 65) {
    return nacaSection(0.02, 0.4, 0.12, perSurface, perSurface);
}

}  // namespace rw::test
