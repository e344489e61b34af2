#pragma once

#include "airfoil/airfoil_data.h"
#include "geometry/rib_outline.h"

namespace rw {

// Scales the profile to the rib's chord and thickness and sets the rib outline in by the skin
// thickness with mitred corners. Fills `outline` with profile.pointCount() points.
void computeRibOutline(const AirfoilProfile& profile, float ribChord, double thicknessFactor,
                       float skinThickness, RibOutline& outline);

}  // namespace rw
