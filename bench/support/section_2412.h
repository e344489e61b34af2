#pragma once

#include "airfoil/airfoil_data.h"

#include <cmath>

namespace rw::bench {

// A cambered four-digit-series section (2412) in loop order: `upperPoints` cosine-spaced stations
// from the trailing edge over the upper surface to the leading edge, then `lowerPoints` back
// along the lower surface to the trailing edge.
inline AirfoilProfile section2412(int upperPoints, int lowerPoints) {
    const double camber = 0.02, camberAt = 0.4, thickness = 0.12;
    AirfoilProfile profile;
    auto add = [&](double x, bool upper) {
        const double half = 5 * thickness *
                            (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x +
                             0.2843 * x * x * x - 0.1015 * x * x * x * x);
        const double mean = x < camberAt
                                ? camber / (camberAt * camberAt) * (2 * camberAt * x - x * x)
                                : camber / ((1 - camberAt) * (1 - camberAt)) *
                                      (1 - 2 * camberAt + 2 * camberAt * x - x * x);
        profile.x.push_back(float(x));
        profile.y.push_back(float(upper ? mean + half : mean - half));
    };
    for (int i = 0; i < upperPoints; ++i)
        add(0.5 * (1 + std::cos(M_PI * i / (upperPoints - 1))), true);
    for (int i = 1; i <= lowerPoints; ++i) add(0.5 * (1 - std::cos(M_PI * i / lowerPoints)), false);
    return profile;
}

}  // namespace rw::bench
