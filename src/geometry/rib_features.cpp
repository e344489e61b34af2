#include "geometry/rib_features.h"

namespace rw {

bool hasRibFeatures(const RibFeatures& features, float skinThickness) {
    RibFeatures others = features;
    if (others.upperSkin == skinThickness)
        others.upperSkin.reset();
    if (others.lowerSkin == skinThickness)
        others.lowerSkin.reset();
    // A bound on what the cuts leave cuts nothing itself.
    others.minimumWeb.reset();
    return !(others == RibFeatures{});
}

float upperSkinThickness(const RibFeatures& features, float skinThickness) {
    return features.upperSkin.value_or(skinThickness);
}

float lowerSkinThickness(const RibFeatures& features, float skinThickness) {
    return features.lowerSkin.value_or(skinThickness);
}

}  // namespace rw
