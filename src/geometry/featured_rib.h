#pragma once

#include "airfoil/airfoil_data.h"
#include "geometry/features/apply_rib_features.h"
#include "geometry/rib_cut.h"
#include "geometry/rib_features.h"
#include "geometry/rib_outline.h"
#include "geometry/rib_parameters.h"

#include <vector>

namespace rw {

// One rib of the series as it is cut: its number, chord and thickness, and its piece.
struct FeaturedRib {
    int ribNumber = 0;
    RibShape shape;
    RibCut cut;
};

// The cut piece of `sheeted`, a rib produced by produceSheetedRib with the same features: its
// cut contour with the features cut in. Without features it is the plain cut contour (empty when
// the skin leaves no material); with features an empty contour is refused.
RibCut cutSheetedRib(const CurrentRib& sheeted, const RibParameters& params,
                     const RibFeatures& features);

// Rib k (from 1): the outline with the sheeting, its cut contour and the features. Without
// features it is the cut contour of the outline every other output draws.
FeaturedRib cutFeaturedRib(int k, const AirfoilProfile& profile, const RibParameters& params,
                           const RibFeatures& features);

// Every rib of the series, ribs 1 to ribCount. All are computed before any is returned, so a
// writer that calls this first writes nothing when one rib is refused.
std::vector<FeaturedRib> cutFeaturedRibs(const AirfoilProfile& profile, const RibParameters& params,
                                         const RibFeatures& features);

}  // namespace rw
