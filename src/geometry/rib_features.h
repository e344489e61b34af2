#pragma once

#include <optional>
#include <vector>

namespace rw {

// Which surface of the rib a spar notch is cut into.
enum class NotchSide { Top, Bottom, Both };

// A notch for one spar, cut square to the chord line. The position is the spar's centre line,
// the same line the sheet marks as the spar; the notch is `width` wide across that line. Its floor
// lies `depth` below (or above) the rib contour where the centre line crosses it and runs parallel
// to the chord, so a straight spar of that depth sits flush with the contour at its centre.
struct SparNotch {
    double position = 30;       // percent of the rib's chord, or mm from its leading edge
    bool positionInMm = false;  // true: `position` is mm from the leading edge
    double width = 0;           // mm, along the chord
    double depth = 0;           // mm, across the chord
    NotchSide side = NotchSide::Top;
    friend bool operator==(const SparNotch&, const SparNotch&) = default;
};

// How the rib ends at the trailing-edge stock.
enum class TrailingEdgeCut {
    None,
    Flat,   // cut square to the chord `distance` ahead of the trailing edge
    Notch,  // a slot for a trailing-edge strip (see TrailingEdgeStock)
};

// The slot reaches `notchLength` forward from the trailing edge and is `notchHeight` high,
// centred on the rib's mid-height at the slot's front end, so a flat strip slides in between the
// two tails it leaves.
struct TrailingEdgeStock {
    TrailingEdgeCut cut = TrailingEdgeCut::None;
    double distance = 0;     // mm, Flat
    double notchLength = 0;  // mm along the chord, Notch
    double notchHeight = 0;  // mm across the chord, Notch
    friend bool operator==(const TrailingEdgeStock&, const TrailingEdgeStock&) = default;
};

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

// What turns a rib outline into a part that slots onto the spars. Everything is off by default;
// an unset sheeting thickness means the rib panel's skin thickness.
struct RibFeatures {
    std::vector<SparNotch> sparNotches;
    std::optional<float> upperSkin;  // mm
    std::optional<float> lowerSkin;  // mm
    TrailingEdgeStock trailingEdge;
    LighteningHoles holes;
    friend bool operator==(const RibFeatures&, const RibFeatures&) = default;
};

// True when any feature changes a rib whose panel skin is `skinThickness`: at the defaults, and
// with sheeting set to that same thickness, every output stays as it was.
bool hasRibFeatures(const RibFeatures& features, float skinThickness);

// The sheeting thickness each surface is set in by.
float upperSkinThickness(const RibFeatures& features, float skinThickness);
float lowerSkinThickness(const RibFeatures& features, float skinThickness);

}  // namespace rw
