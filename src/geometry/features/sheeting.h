#pragma once

#include "geometry/features/feature_units.h"

#include <QString>

namespace rw {

// The sheeting of each surface sets the rib outline in by its own thickness (see
// sheeted_rib_outline.h); an unset surface takes the rib panel's skin thickness. It shapes the
// outline before the piece is cut, so it has no cut of its own.

// MM, 0 or more: the sheeting thickness of one surface. Throws RibwrightError naming `option`.
float parseSkinOption(const QString& option, const QString& text);
QString formatSkinOption(float thickness);

// Keys upper-skin and lower-skin, one value each.
RibFeatureUnit upperSkinUnit();
RibFeatureUnit lowerSkinUnit();

}  // namespace rw
