#pragma once

#include "geometry/rib_features.h"

#include <QString>

#include <cstddef>
#include <vector>

// Every text the geometry layer shows the user: the rib features' names and refusals, and the
// settings file of the rib details. Kept together so the wording is reviewed in one place.
namespace rw {

// A rib whose coordinates lie beyond what the polygon library can hold.
QString coordinatesTooLargeText(int ribNumber);
// The rib details' settings file could not be read: its path and what was wrong.
QString damagedFeaturesFileText(const QString& nativePath, const QString& detail);
QString wrongFirstLineText();
QString badLineText(int line, const QString& text);  // `line` counts from 1

// The names the refusals give the features, as the rib details dialog lists them.
QString notchSideName(NotchSide side);                     // the surface a notch is cut into
QString sparNotchName(int index, const SparNotch& notch);  // index from 1
QString trailingEdgeName(const TrailingEdgeStock& stock);
QString sheetingName();
QString lighteningHolesName();

// A feature that cannot be cut into rib `ribNumber`. Each throws RibwrightError with the text the
// user sees; nothing has been written when it is thrown.
// `bothSides`: `depth` is the sum of a notch cut into both surfaces.
[[noreturn]] void refuseDeeperThanRib(int ribNumber, const QString& feature, double depth,
                                      double ribHeight, bool bothSides);
[[noreturn]] void refuseOutsideChord(int ribNumber, const QString& feature, double from, double to,
                                     double front, double back);
[[noreturn]] void refuseSplitsRib(int ribNumber, const QString& feature);
// `feature` leaves only `widthMm` of material across rib `ribNumber`, under the least web.
[[noreturn]] void refuseThinWeb(int ribNumber, const QString& feature, const QString& widthMm,
                                const QString& minimumMm);
[[noreturn]] void refuseNothingLeft(int ribNumber, const QString& feature);
[[noreturn]] void refuseNonPositiveSize(int ribNumber, const QString& feature);
[[noreturn]] void refuseHoleDiameter(int ribNumber, double diameterPercent);
[[noreturn]] void refuseSheetingThickerThanRib(int ribNumber, float upperSkin, float lowerSkin);
// `feature` is the first notch beyond the `limit` a rib takes.
[[noreturn]] void refuseTooManySparNotches(int ribNumber, const QString& feature,
                                           std::size_t limit);
[[noreturn]] void refuseThinHoleWeb(int ribNumber, double web, double thinnest);

// What a rib feature tells without refusing the rib, and the line that gives a note with the
// ribs it concerns (numbers from 1, ascending; runs are written as ranges).
QString noRoomForHolesNote();
// The trailing-edge stock lies wholly behind where the rib already ends (the sheeting has cut
// the thin tail short): it cuts nothing. `endMm` is how far ahead of the trailing edge the rib
// ends.
QString stockCutsNothingNote(const QString& feature, const QString& endMm);
QString ribsNoteText(const std::vector<int>& ribs, const QString& note);

// Lines of the rib details' settings file that did not read and were left out, the rest being
// used: its path and the lines, one per line (badLineText, then moreSkippedLinesText).
QString skippedFeaturesLinesText(const QString& nativePath, const QString& lines);
QString moreSkippedLinesText(int count);  // `count` lines left out beyond those named

}  // namespace rw
