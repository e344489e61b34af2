#pragma once

#include "geometry/rib_features.h"
#include "geometry/wing/wing_panel.h"

#include <QChar>
#include <QColor>
#include <QString>

namespace rw {

// The rib and sheet settings as the user gave them: field texts exactly as typed (the sheet's
// titles and the file names repeat them), switches and colours. The window fills it from its
// controls, the command line from its arguments. It holds no defaults of its own: both start
// from the control table's (panel/control_table.h), so there is one place to change them.
struct RibSettings {
    QString rootChordText;
    QString tipChordText;
    QString sparPercentText;
    QString skinThicknessText;
    QString ribCountText;
    QString rootThicknessText;
    QString tipThicknessText;
    bool taperOn = false;
    bool showSparLine = false;
    bool showSheetPoints = false;
    bool showGrid = false;
    bool rootThicknessOn = false;
    bool tipThicknessOn = false;
    QColor skinColour;
    QColor ribColour;
    QColor gridColour;
    QChar decimalSeparator = QLatin1Char('.');  // the user's locale's, for the typed numbers
    RibFeatures features;  // notches, sheeting, stock and holes; all off unless the user sets them
    WingPanel panel;       // planform, stations, tip airfoil; unset: ribs evenly root to tip
};

// How the sheet and the drawing look, read in the same pass as the rib parameters.
struct SheetSettings {
    QColor skinColour;
    QColor ribColour;
    QColor gridColour;
    bool showSheetPoints = false;
    bool showSparLine = true;
    bool showGrid = true;
};

// What reading the settings decided: go on drawing, or stop with one of the fixed messages.
struct RibReadResult {
    bool proceed = true;
    QString message;  // empty when proceeding
};

}  // namespace rw
