#pragma once

#include "airfoil/airfoil_data.h"
#include "geometry/rib_features.h"
#include "geometry/rib_outline.h"
#include "geometry/rib_parameters.h"

namespace rw {

// The rib outline with the upper surface set in by `upperSkin` and the lower by `lowerSkin`.
// Every corner on one surface is the corner computeRibOutline gives for that surface's thickness;
// only the leading-edge corner, where the two meet, joins the two moved lines. With equal
// thicknesses this is computeRibOutline itself, to the bit.
void computeSheetedRibOutline(const AirfoilProfile& profile, float ribChord, double thicknessFactor,
                              float upperSkin, float lowerSkin, RibOutline& outline);

// produceRib with the sheeting of `features`: the sequence for rib k when features are set.
void produceSheetedRib(int k, const AirfoilProfile& profile, const RibParameters& params,
                       const RibFeatures& features, CurrentRib& rib);

// Rib k as every output produces it: produceRib itself at the defaults, so nothing changes
// there, and produceSheetedRib when features are set; either way a rib whose numbers are not
// finite is refused as produceRib refuses it.
void produceFeaturedRib(int k, const AirfoilProfile& profile, const RibParameters& params,
                        const RibFeatures& features, CurrentRib& rib);

}  // namespace rw
