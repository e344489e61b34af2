#pragma once

#include "geometry/features/feature_units.h"

#include <QString>

namespace rw {

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

// MM: the rib ends that far ahead of the trailing edge, cut square to the chord, for a
// trailing-edge stock. LENGTHxHEIGHT: a slot that deep along the chord and that high instead.
// Throws RibwrightError naming --te-stock.
TrailingEdgeStock parseTrailingEdgeStockOption(const QString& text);
QString formatTrailingEdgeStockOption(const TrailingEdgeStock& stock);  // empty for None

// Where the stock begins on a rib of chord `ribChord`, in mm from the leading edge: the flat cut
// or the slot's front end; infinity without a stock.
double stockFront(const TrailingEdgeStock& stock, float ribChord);

// Key te-stock, one value.
RibFeatureUnit trailingEdgeStockUnit();

}  // namespace rw
