#pragma once

#include "airfoil/airfoil_data.h"
#include "geometry/rib_features.h"
#include "geometry/rib_parameters.h"
#include "sheet/rib_settings.h"
#include "sheet/sheet_titles.h"

#include <QString>

namespace rw {

// One job as the sheet and every file take it: the settings as typed, read once. The numbers,
// features, colours and switches are what the outputs draw; the titles and the two chord texts
// repeat the user's typing, as the sheet's notes and the proposed file names do.
struct RibJob {
    AirfoilState airfoil;
    RibParameters params;
    RibFeatures features;
    WingPanel panel;
    SheetSettings look;  // colours, data points, spar line, grid
    SheetTitles titles;
    QString rootChordText;
    QString tipChordText;
};

// What one read of the settings leaves for the next: a read refused part way keeps the fields it
// did not reach as an earlier read left them, and the window's exports go on with those.
struct LastReadSettings {
    RibParameters params;
    SheetSettings look;
};

// What reading the settings decided. `job` is filled either way: a window whose redraw was
// refused still exports with the values that reading left (see readRibJob).
struct RibJobRead {
    RibJob job;
    bool proceed = true;
    QString message;  // the refusal, empty when proceeding
};

// Reads `typed` for `airfoil` through `lastRead`, which holds what the previous read left.
// Throws what readRibParameters throws.
RibJobRead readRibJob(const RibSettings& typed, const AirfoilState& airfoil,
                      LastReadSettings& lastRead);

}  // namespace rw
