#pragma once

#include "airfoil/airfoil_data.h"

#include <vector>

namespace rw {

// One rib in millimetres, y up, indexed like AirfoilProfile: the airfoil scaled to the rib's
// chord and thickness (surface) and the surface moved inward by the skin thickness (rib).
struct RibOutline {
    std::vector<float> surfaceX;
    std::vector<float> surfaceY;
    std::vector<float> ribX;
    std::vector<float> ribY;
};

// Chord and vertical scale of one rib of a series.
struct RibShape {
    float ribChord = 0;          // mm, single precision
    double thicknessFactor = 1;  // single-rounded for series of more than one rib
};

}  // namespace rw
