#pragma once

#include "geometry/wing/wing_panel.h"

#include <QString>

namespace rw {

// The text forms the command line and the settings file share. Each parser throws
// RibwrightError naming its option (--stations, --planform, ...) when the text does not read.

// "12" (evenly, root to tip), "every:75" (every 75 mm, the tip always), "0,120,260,400" (mm).
// A blank text is the default (the rib panel's count) and formats back to blank.
RibStations parseStationsOption(const QString& text);
QString formatStationsOption(const RibStations& stations);

// "straight" or "elliptical"; any other text is a table file, returned in `tablePath`.
struct PlanformChoice {
    PlanformKind kind = PlanformKind::Straight;
    QString tablePath;
};
PlanformChoice parsePlanformOption(const QString& text);
QString formatPlanformOption(PlanformKind kind, const QString& tablePath);

// A length in mm for --span, --sweep, --min-tip-chord: '.' decimals, within the sizes a wing
// panel has (span from 1 mm, sweep of either sign, least tip chord from 0). `option` names it;
// values below `least` are refused. At most six digits before the '.', a '-' sign allowed.
double parsePanelLength(const QString& text, const char* option, double least);

// The washout in degrees at the tip, leading edge down positive, from -20 to 20 ("3", "-1.5").
double parseWashoutOption(const QString& text);
// The twist's pivot in % of each chord from the leading edge, 0 to 100 ("25").
double parsePivotOption(const QString& text);
// Either value as both parsers read it back.
QString formatTwistOption(double value);

// Reads the table and the tip airfoil the panel names, so that a panel read from text is ready
// for resolveWingPanel. Throws FileError, RibwrightError naming the file.
void loadWingPanelFiles(WingPanel& panel);

}  // namespace rw
