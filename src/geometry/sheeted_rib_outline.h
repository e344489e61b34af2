#pragma once

#include "airfoil/airfoil_data.h"
#include "geometry/rib_features.h"
#include "geometry/rib_outline.h"

namespace rw {

// The rib outline with the upper surface set in by `upperSkin` and the lower by `lowerSkin`.
// Every corner on one surface is the corner computeRibOutline gives for that surface's thickness;
// only the leading-edge corner, where the two meet, joins the two moved lines. With equal
// thicknesses this is computeRibOutline itself, to the bit.
void computeSheetedRibOutline(const AirfoilProfile& profile, float ribChord, double thicknessFactor,
                              float upperSkin, float lowerSkin, RibOutline& outline);

}  // namespace rw
