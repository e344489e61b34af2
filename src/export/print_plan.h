#pragma once

#include "export/workshop_layout.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <vector>

namespace rw {

// How the virtual sheet of the true-scale print is cut into pages. Each page shows one tile of
// the sheet inside its margins, below a band for the page label; neighbouring tiles share an
// overlap so that the pages can be trimmed and taped together.
struct PrintPlan {
    QSizeF paper;  // millimetres, in the chosen orientation
    bool landscape = false;
    int columns = 1;
    int rows = 1;
    WorkshopLayout layout;
    // Centres of the registration marks, sheet millimetres: two on every seam between two
    // neighbouring pages, clear of every part.
    std::vector<QPointF> marks;
    // Where page 1 shows the map of the pages, sheet millimetres; empty for none.
    QRectF pageMap;
    // Row by row, the tiles left out of the print because nothing lies on them; empty when every
    // tile is printed.
    std::vector<bool> blank;

    static constexpr double kMargin = 10;             // every office printer reaches this far
    static constexpr double kOverlap = 12;            // at least 10 mm to tape over
    static constexpr double kLabelBand = 7;           // page label above the tile
    static constexpr double kCalibrationHeight = 26;  // bars and instruction on page 1
    static constexpr double kCaptionHeight = 5;       // airfoil name under each rib
    static constexpr double kRibGap = 8;
    // A rib kept whole stays this far from a seam: off the overlap its neighbouring page shows,
    // and with room for a mark between them.
    static constexpr double kSeamClearance = 7;
    // The most pages one print may take: a ream. The largest templates a builder prints, ribs of
    // a metre or two for a full-size glider, take tens of pages; beyond a ream the chord or the
    // number of ribs is a slip, and the print would only fill the printer's tray.
    static constexpr int kMaxPages = 500;

    // Pages printed: the tiles less the blank ones.
    int pageCount() const;
    bool isPrinted(int column, int row) const;
    // The number page (column, row) is printed as, from 1, counting printed pages row by row.
    int pageNumber(int column, int row) const;
    // Where a tile lies on its page.
    QRectF tileOnPage() const;
    // The part of the virtual sheet that page (column, row) shows.
    QRectF tileOnSheet(int column, int row) const;
    // The part of the sheet that page (column, row) keeps after trimming along its seams.
    QRectF trimmedTile(int column, int row) const;
    // Centre lines of the overlaps between tiles, in sheet millimetres.
    double verticalSeam(int column) const;  // between column and column + 1
    double horizontalSeam(int row) const;   // between row and row + 1
};

// The plan for these ribs on `paper` (given portrait) that keeps the most ribs whole, off every
// seam, and of those the one with the fewest pages: portrait or landscape, and a virtual sheet as
// many tiles wide as the longest rib needs, or one or two more. The ribs fill the pages one after
// the other, root to tip; a rib longer than any page is tiled across pages. Ties go to portrait
// and to the narrower sheet. Throws RibwrightError stating the limit when every plan takes more
// than PrintPlan::kMaxPages pages; call it before any file is written to refuse such a print
// early.
PrintPlan planPrint(const std::vector<WorkshopRib>& ribs, QSizeF portraitPaper);

// The tiling of a drawing already laid out on a sheet of `sheet` millimetres (the building plan,
// whose layout stays empty): the orientation of `paper` that takes the fewer pages, portrait on a
// tie, with its marks and, where page 1 has room beside the bars, its page map. Throws
// RibwrightError stating the limit when it takes more than PrintPlan::kMaxPages.
PrintPlan planSheetPrint(QSizeF sheet, QSizeF portraitPaper);

}  // namespace rw
