#pragma once

#include "geometry/rib_series.h"
#include "sheet/rib_job.h"

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

// Draws the whole sheet of `job` into `sheet`, resized to `size` (true colour, 96 dots per
// inch): the ribs of `series` (made from the job), titles and ruler, and returns where it put
// them. Call only after reading the job allowed drawing. A floating-point fault (a root chord of
// 0) throws RibwrightError and leaves `sheet` as drawn up to the failure. A sheet the memory
// cannot hold throws OutOfMemoryError before anything is drawn.
SheetLayout drawRibSheet(QImage& sheet, QSize size, const RibJob& job, const RibSeries& series);

}  // namespace rw
