#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>

namespace rw {

// The font of every text on the sheet at a given point size. The families are named explicitly
// (a Japanese face first, then two Latin ones) so that the sheet shows the same pixels whatever
// the platform's default font is.
QFont sheetFont(int pointSize);

// The three sizes the sheet uses, with their metrics for the sheet image, made once per redraw.
struct SheetFonts {
    explicit SheetFonts(QPaintDevice* sheet);

    QFont name;    // 16 pt: the airfoil name
    QFont notes;   // 10 pt: root chord, tip chord, skin thickness
    QFont labels;  // 12 pt: rib numbers and ruler labels
    QFontMetrics nameMetrics;
    QFontMetrics notesMetrics;
    QFontMetrics labelMetrics;
};

}  // namespace rw
