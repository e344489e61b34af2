#pragma once

#include "sheet/sheet_fonts.h"

#include <QPainter>
#include <QSize>
#include <QtGlobal>

#include <vector>

namespace rw {

// One tick of the millimetre ruler: hanging down `length` pixels from the ruler's top at pixel
// column x, with the millimetre count written under it when `label` is positive.
struct RulerTick {
    int x = 0;
    int length = 0;  // 10 every 50 mm, 5 every 10 mm, else 3
    qint64 label = 0;
};

// The ticks of a ruler whose zero lies at 5 % of the sheet's width, one per millimetre at
// `pixelsPerMm`, ending with the first tick at or beyond 50 pixels before the right edge (none
// when that point is at or before 0).
//
// A negative scale (from a negative root chord) draws the rib mirrored back onto the sheet, so
// the ruler is mirrored too: it runs to the right as for the positive scale of the same size
// and measures the rib as drawn. When a millimetre is narrower than a pixel several ticks share
// one column: the column gets one tick, the longest of them, and the last label that falls on
// it, which is what drawing them all one over another would leave (the sheet's figures are all
// of one width, so a later label's box covers an earlier one). The work is thus bounded by the
// sheet's width, not by the root chord. A scale of 0 leaves only the zero tick.
std::vector<RulerTick> rulerTicks(int sheetWidth, float pixelsPerMm);

// Top of the ruler's ticks: 93 % of the sheet's height.
int rulerTop(int sheetHeight);

// Draws the ticks in black and the labels black on white, 15 pixels below the ruler's top, with
// a painter that does not antialias.
void drawRuler(QPainter& painter, QSize sheet, float pixelsPerMm, const SheetFonts& fonts);

}  // namespace rw
