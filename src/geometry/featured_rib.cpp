#include "geometry/featured_rib.h"

#include "geometry/geometry_texts.h"
#include "geometry/rib_geometry.h"
#include "geometry/sheeted_rib_outline.h"

#include <algorithm>

namespace rw {

RibCut cutSheetedRib(const CurrentRib& rib, const RibParameters& params,
                     const RibFeatures& features) {
    const int k = rib.ribNumber;
    const float upper = upperSkinThickness(features, params.skinThickness);
    const float lower = lowerSkinThickness(features, params.skinThickness);
    // The contour keeps nothing nearer the surface than the thinner sheeting; the thicker side's
    // outline lies further in and stays the boundary there.
    RibCut cut = computeCutContour(rib.outline, std::min(upper, lower), k);
    if (!hasRibFeatures(features, params.skinThickness))
        return cut;
    if (cut.empty())
        refuseSheetingThickerThanRib(k, upper, lower);
    return applyRibFeatures(cut, rib.shape.ribChord, k, features);
}

FeaturedRib cutFeaturedRib(int k, const AirfoilProfile& profile, const RibParameters& params,
                           const RibFeatures& features) {
    CurrentRib rib;
    produceSheetedRib(k, profile, params, features, rib);
    return {k, rib.shape, cutSheetedRib(rib, params, features)};
}

std::vector<FeaturedRib> cutFeaturedRibs(const AirfoilProfile& profile, const RibParameters& params,
                                         const RibFeatures& features) {
    std::vector<FeaturedRib> ribs;
    for (int k = 1; k <= params.ribCount; ++k)
        ribs.push_back(cutFeaturedRib(k, profile, params, features));
    return ribs;
}

}  // namespace rw
