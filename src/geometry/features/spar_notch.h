#pragma once

#include "geometry/features/feature_units.h"

#include <QString>

#include <cstddef>
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
    // A straight spar through the wing panel: `position` holds on the root rib, `tipPosition` on
    // the tip rib (each % of that rib's chord or mm from its leading edge), and every rib between
    // takes its notch where the straight line from one to the other crosses it.
    bool straightLine = false;
    double tipPosition = 0;
    bool tipPositionInMm = false;
    friend bool operator==(const SparNotch&, const SparNotch&) = default;
};

// POS:WIDTHxDEPTH[:top|bottom|both], WIDTH and DEPTH in mm. POS is the spar's centre line: a
// plain number (or one ending in %) is a percent of each rib's chord and moves with the taper;
// a number ending in mm is millimetres from the leading edge, the same on every rib. Without a
// side the notch is cut into the top. Examples: 30:3x6, 25%:3x6:both, 45mm:3x6:bottom.
// ROOT/TIP as POS is a straight spar, ROOT on the root rib and TIP on the tip rib, each a % of
// that rib's chord or mm from its leading edge: 50mm/30mm:3x6, 25/30:3x6.
// Throws RibwrightError naming --spar-notch.
SparNotch parseSparNotchOption(const QString& text);
QString formatSparNotchOption(const SparNotch& notch);

// The notch's centre line on a rib of chord `ribChord`, in mm from its leading edge. A straight
// spar is placed on each rib by placeSparLine first; here it stands at its root position.
double notchCentre(const SparNotch& notch, float ribChord);

// Where a straight spar runs in the planform: the root and tip ribs' leading edges (mm behind
// the root's) and chords.
struct SparLineEnds {
    double rootLeadingEdge = 0;
    double rootChord = 0;
    double tipLeadingEdge = 0;
    double tipChord = 0;
};

// The notch as it stands on one rib: a straight spar becomes the mm from that rib's leading edge
// where the line crosses it, `fraction` of the way from root (0) to tip (1); any other notch is
// returned as it is.
SparNotch placeSparLine(const SparNotch& notch, const SparLineEnds& ends, double fraction,
                        double ribLeadingEdge);

// The most notches one rib takes. A rib slots onto a handful of spars and stringers; fifty leaves
// room for a geodetic structure and keeps the cut of a rib well under a second.
constexpr std::size_t kMaxSparNotches = 50;

// Removes the union of the notches' regions from the piece in one cut, whatever their number
// (the unit refuses more than kMaxSparNotches before it gets here). Each region is measured on
// the piece as it is before the cut, so a notch given twice cuts as once. Throws RibwrightError
// naming the notch that cannot be cut, or the first notch that splits or empties the rib.
void cutSparNotchRegions(RibPiece& piece, const std::vector<SparNotch>& notches);

// Key spar-notch, repeatable: each value is one more notch; more than kMaxSparNotches on a rib
// are refused when it is cut.
RibFeatureUnit sparNotchUnit();

}  // namespace rw
