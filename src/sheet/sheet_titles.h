#pragma once

#include "geometry/rib_parameters.h"
#include "sheet/rib_settings.h"
#include "sheet/sheet_fonts.h"

#include <QPainter>
#include <QString>

namespace rw {

// The texts at the top of the sheet. The fields are repeated as the user typed them, not as the
// numbers they converted to.
struct SheetTitles {
    QString name;      // the airfoil name without surrounding blanks; empty draws nothing
    QString rootLine;  // "ROOT CHORD: 150 mm", with " (T=90% )" when the root is thickened
    QString tipLine;   // likewise for the tip; empty when the wing is not tapered
    QString skinLine;  // "SKIN THICKNESS : 1.00 mm"
};

// A thickness note is added only when the factor the redraw used is not exactly 1.
SheetTitles sheetTitles(const QString& airfoilName, const RibSettings& panel,
                        const RibParameters& params);

// Draws the name centred at the top in 16 points and the three notes at the left in 10 points,
// black on white boxes, with a painter that does not antialias.
void drawSheetTitles(QPainter& painter, const SheetTitles& titles, int sheetWidth,
                     const SheetFonts& fonts);

}  // namespace rw
