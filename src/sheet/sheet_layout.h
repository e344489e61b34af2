#pragma once

#include <QSize>
#include <QtGlobal>

namespace rw {

// Half scale for a tapered series (two columns of ribs), full scale for a single rib.
float sheetScaleFor(bool taperOn);

// Pixels per millimetre on a sheet `sheetWidth` pixels wide: the root chord, taken in single
// precision, spans 90 % of the width at full scale. Throws RibwrightError with the
// division-by-zero text for a root chord of 0 (the invalid-operation text when the width is 0
// too, 0 ÷ 0), and the invalid-operation text when the quotient leaves the single range.
float sheetPixelsPerMm(int sheetWidth, double rootChord, float sheetScale);

// Where one rib sits: the x where the root rib's leading edge lies and its chord line and grid
// are anchored, and the y of its chord line. Rows below the sheet can pass the 32-bit range for
// a huge rib count, so the y is held in 64 bits.
struct RibPlacement {
    int column = 0;  // 0 left, 1 right
    qint64 row = 0;  // from 1 in a series
    int originX = 0;
    qint64 originY = 0;
};

// Rib k (from 1) of a tapered series: ribs 1 to 8 down the left column, the rest down the right
// column, rows trunc(height ÷ 10) apart starting 80 pixels below the top.
RibPlacement placeSeriesRib(int k, QSize sheet);

// The single rib of an untapered wing: left at 5 % of the width, chord line at half height.
RibPlacement placeSingleRib(QSize sheet);

}  // namespace rw
