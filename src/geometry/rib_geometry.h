#pragma once

#include "airfoil/airfoil_data.h"
#include "geometry/rib_outline.h"
#include "geometry/rib_parameters.h"

namespace rw {

// Rib k (from 1) of the series: chord and thickness factor interpolated from root to tip.
RibShape interpolateRib(int k, const RibParameters& params);

// Scales the profile to the rib's chord and thickness and sets the rib outline in by the skin
// thickness with mitred corners. Fills `outline` with profile.pointCount() points.
void computeRibOutline(const AirfoilProfile& profile, float ribChord, double thicknessFactor,
                       float skinThickness, RibOutline& outline);

// Sets rib.ribNumber = k, interpolates and computes the outline: the one sequence every producer
// (sheet, CSV, DXF) runs for rib k. A rib with a point (or spar position) that is not finite in
// single precision throws the invalid-operation fault.
void produceRib(int k, const AirfoilProfile& profile, const RibParameters& params, CurrentRib& rib);

}  // namespace rw
