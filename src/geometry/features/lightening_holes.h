#pragma once

#include "geometry/features/feature_units.h"

#include <QString>

namespace rw {

// Round holes in the bays between spars (and between the last spar and the trailing edge; the
// whole rib when there is no spar). Each diameter is `diameterPercent` of the rib height at the
// hole's centre; a hole that would leave less than `web` of material to the contour, a notch or
// its neighbour is left out.
struct LighteningHoles {
    bool on = false;
    double diameterPercent = 0;  // of the local rib height
    double web = 0;              // mm
    friend bool operator==(const LighteningHoles&, const LighteningHoles&) = default;
};

// PCT:WEB_MM: hole diameter as a percent (above 0, below 100) of the local rib height, and the
// web to keep in mm (above 0). Throws RibwrightError naming --holes.
LighteningHoles parseHolesOption(const QString& text);
QString formatHolesOption(const LighteningHoles& holes);  // empty when off

// Key holes, one value.
RibFeatureUnit lighteningHolesUnit();

}  // namespace rw
