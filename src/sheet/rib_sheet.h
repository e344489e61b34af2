#pragma once

#include "airfoil/airfoil_data.h"
#include "geometry/rib_outline.h"
#include "geometry/rib_parameters.h"
#include "sheet/rib_settings.h"

#include <QImage>
#include <QSize>

namespace rw {

// Layout values of the last redraw.
struct SheetLayout {
    int sheetWidth = 0;
    int sheetHeight = 0;
    float sheetScale = 0;
    float pixelsPerMm = 0;
    int ribOriginX = 0;
    int ribOriginY = 0;
};

// Draws the whole sheet into `sheet`, resized to `size` (true colour, 96 dots per inch): ribs,
// titles and ruler. Call only after readRibParameters allowed drawing. A floating-point fault
// (a root chord of 0) throws RibwrightError and leaves `sheet` as drawn up to the failure. A sheet
// the memory cannot hold throws OutOfMemoryError before anything is drawn.
void drawRibSheet(QImage& sheet, QSize size, const AirfoilState& airfoil,
                  const RibParameters& params, const SheetSettings& settings,
                  const RibSettings& panel, CurrentRib& rib, SheetLayout& layout);

}  // namespace rw
