#pragma once

#include "geometry/features/feature_units.h"

#include <QString>

namespace rw {

class RibPiece;
struct RibFeatures;

// The least material a cut may leave: notch floors facing each other, a notch floor and the
// contour, or the tails of a trailing-edge slot closer than this make a web a builder breaks at
// the first handling. 1 mm unless set.
constexpr double kDefaultMinimumWeb = 1.0;  // mm

// MM, above 0. Throws RibwrightError naming --min-web.
double parseMinimumWebOption(const QString& text);

// Refuses the piece, naming the rib, the feature and the width left, where a notch or the slot
// leaves less material across the chord than the least web. Holes keep a web of their own.
void requireMinimumWeb(const RibPiece& piece, const RibFeatures& features);

// Key min-web, one value. A bound, not a cut: applyRibFeatures checks it after the slots.
RibFeatureUnit minimumWebUnit();

}  // namespace rw
