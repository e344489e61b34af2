#pragma once

#include "geometry/rib_features.h"

#include <QString>

namespace rw {

// The texts of the rib feature options, shared by the command line and the rib details file.
// Numbers are written with '.' whatever the user's locale, so a command or a file means the same
// on every machine. Each parser throws RibwrightError with a message that names the option and
// shows its form.

// POS:WIDTHxDEPTH[:top|bottom|both], WIDTH and DEPTH in mm. POS is the spar's centre line: a
// plain number (or one ending in %) is a percent of each rib's chord and moves with the taper;
// a number ending in mm is millimetres from the leading edge, the same on every rib. Without a
// side the notch is cut into the top. Examples: 30:3x6, 25%:3x6:both, 45mm:3x6:bottom.
SparNotch parseSparNotchOption(const QString& text);
QString formatSparNotchOption(const SparNotch& notch);

// MM, 0 or more: the sheeting thickness of one surface (`option` is the option's name, for the
// message).
float parseSkinOption(const QString& option, const QString& text);
QString formatSkinOption(float thickness);

// MM: the rib ends that far ahead of the trailing edge, cut square to the chord, for a
// trailing-edge stock. LENGTHxHEIGHT: a slot that deep along the chord and that high instead.
TrailingEdgeStock parseTrailingEdgeStockOption(const QString& text);
QString formatTrailingEdgeStockOption(const TrailingEdgeStock& stock);  // empty for None

// PCT:WEB_MM: hole diameter as a percent (above 0, below 100) of the local rib height, and the
// web to keep in mm (above 0).
LighteningHoles parseHolesOption(const QString& text);
QString formatHolesOption(const LighteningHoles& holes);  // empty when off

}  // namespace rw
