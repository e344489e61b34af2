#pragma once

#include "geometry/features/jig_tabs.h"
#include "geometry/features/lightening_holes.h"
#include "geometry/features/sheeting.h"
#include "geometry/features/spar_notch.h"
#include "geometry/features/trailing_edge_stock.h"

#include <optional>
#include <vector>

namespace rw {

// What turns a rib outline into a part that slots onto the spars: one member per feature (each
// feature's value, text form and cut are in geometry/features/). Everything is off by default;
// an unset sheeting thickness means the rib panel's skin thickness.
struct RibFeatures {
    std::vector<SparNotch> sparNotches;
    std::optional<float> upperSkin;  // mm
    std::optional<float> lowerSkin;  // mm
    TrailingEdgeStock trailingEdge;
    LighteningHoles holes;
    std::optional<double> minimumWeb;  // mm, kDefaultMinimumWeb unless set
    JigTabs jigTabs;
    friend bool operator==(const RibFeatures&, const RibFeatures&) = default;
};

// True when any feature changes a rib whose panel skin is `skinThickness`: at the defaults, and
// with sheeting set to that same thickness, every output stays as it was.
bool hasRibFeatures(const RibFeatures& features, float skinThickness);

// The sheeting thickness each surface is set in by.
float upperSkinThickness(const RibFeatures& features, float skinThickness);
float lowerSkinThickness(const RibFeatures& features, float skinThickness);

}  // namespace rw
