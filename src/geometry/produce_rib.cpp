#include "geometry/rib_geometry.h"

namespace rw {

void produceRib(int k, const AirfoilProfile& profile, const RibParameters& params,
                CurrentRib& rib) {
    rib.ribNumber = k;
    rib.shape = interpolateRib(k, params);
    computeRibOutline(profile, rib.shape.ribChord, rib.shape.thicknessFactor, params.skinThickness,
                      rib.outline);
}

}  // namespace rw
