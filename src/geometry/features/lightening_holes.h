#pragma once

#include "geometry/features/feature_units.h"

#include <QString>

namespace rw {

// Round holes in the bays between spars (and between the last spar and the trailing edge; the
// whole rib when there is no spar). Each diameter is `diameterPercent` of the rib height at the
// hole's centre; a hole that would leave less than `web` of material to the contour, a notch or
// its neighbour is left out, and a rib with room for none gets a note saying so. Their number
// needs no limit of its own: every hole is at least 1 mm across and keeps the web (0.5 mm or
// more) to the next, so a rib holds at most two for every 3 mm of its chord.
struct LighteningHoles {
    bool on = false;
    double diameterPercent = 0;  // of the local rib height
    double web = 0;              // mm
    friend bool operator==(const LighteningHoles&, const LighteningHoles&) = default;
};

// The thinnest web a hole may leave. Balsa and light ply break out under half a millimetre as
// the part is cut and handled, and a laser's kerf alone is a fifth of it: a thinner web is no web.
constexpr double kThinnestHoleWeb = 0.5;  // mm

// PCT:WEB_MM: hole diameter as a percent (above 0, below 100) of the local rib height, and the
// web to keep in mm (kThinnestHoleWeb or more). Throws RibwrightError naming --holes.
LighteningHoles parseHolesOption(const QString& text);
QString formatHolesOption(const LighteningHoles& holes);  // empty when off

// Key holes, one value.
RibFeatureUnit lighteningHolesUnit();

}  // namespace rw
