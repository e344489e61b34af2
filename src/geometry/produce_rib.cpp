#include "geometry/rib_geometry.h"

#include "geometry/sheeted_rib_outline.h"
#include "platform/errors.h"

#include <cmath>

namespace rw {
namespace {

bool allFinite(const std::vector<float>& values) {
    for (const float v : values) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

// Values in range can still make a point overflow single precision (a huge chord times a
// coordinate, a mitre far out at a nearly flat corner) or turn into not-a-number; such a rib
// would reach the sheet and the files as INF or NAN. Every producer goes through here, so this
// is where the rib is refused.
void requireFiniteRib(const CurrentRib& rib, float sparPercent) {
    const RibOutline& o = rib.outline;
    const double sparX = double(rib.shape.ribChord) * double(sparPercent) / 100;
    if (!std::isfinite(rib.shape.ribChord) || !std::isfinite(rib.shape.thicknessFactor) ||
        std::isinf(float(sparX)) || !allFinite(o.surfaceX) || !allFinite(o.surfaceY) ||
        !allFinite(o.ribX) || !allFinite(o.ribY)) {
        throwInvalidOperation();
    }
}

}  // namespace

void produceRib(int k, const AirfoilProfile& profile, const RibParameters& params,
                CurrentRib& rib) {
    rib.ribNumber = k;
    rib.shape = interpolateRib(k, params);
    computeRibOutline(profile, rib.shape.ribChord, rib.shape.thicknessFactor, params.skinThickness,
                      rib.outline);
    requireFiniteRib(rib, params.sparPercent);
}

void produceFeaturedRib(int k, const AirfoilProfile& profile, const RibParameters& params,
                        const RibFeatures& features, CurrentRib& rib) {
    if (!hasRibFeatures(features, params.skinThickness)) {
        produceRib(k, profile, params, rib);
        return;
    }
    produceSheetedRib(k, profile, params, features, rib);
    requireFiniteRib(rib, params.sparPercent);
}

}  // namespace rw
