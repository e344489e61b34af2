#pragma once

#include "export/output_options.h"
#include "geometry/rib_series.h"
#include "sheet/rib_job.h"

#include <QPointF>
#include <QSizeF>
#include <QString>

#include <vector>

namespace rw {

// An axis-aligned box in millimetres.
struct MmBox {
    double left = 0, bottom = 0, right = 0, top = 0;
    double width() const { return right - left; }
    double height() const { return top - bottom; }
};

// Height of the rib numbers on every output, millimetres, and the least a number shrinks to where
// its piece has no room for the full height.
constexpr double kRibNumberHeight = 3;
constexpr double kSmallestRibNumberHeight = 1.5;
// Engraved too near a cut, a number burns the edge or falls half into the scrap.
constexpr double kRibNumberClearance = 0.5;
// Space between ribs and from the stock edge, millimetres: room for the kerf and for holding.
constexpr double kStockGap = 5;

// A straight engraved line in the rib's frame.
struct MarkSegment {
    QPointF from, to;
};

// One rib as the workshop outputs show it: everything in the rib's own frame (millimetres from
// the leading edge, y up), and where that frame lies on its sheet.
struct WorkshopRib {
    int ribNumber = 0;
    float chord = 0;
    RibCut cut;
    MmRing surface;    // the airfoil surface as an open line, in the profile's order
    double sparX = 0;  // the spar station
    double sparLow = 0, sparHigh = 0;  // where the surface crosses the spar station
    // The chord and spar lines as engraved: only their parts on the piece, each from the leading
    // edge or the lower surface on; a line burnt across scrap or a notch gap marks nothing.
    std::vector<MarkSegment> chordMarks;
    std::vector<MarkSegment> sparMarks;
    // What is engraved where the number goes: the number itself, or with the side of the wing
    // in front ("R3", "L3").
    QString label;
    int copy = 0;      // which copy of its set, from 0
    QPointF numberAt;  // left end of the label's base line
    double numberHeight = kRibNumberHeight;
    MmBox footprint;  // what is drawn for the rib, before any caption

    int sheet = 0;      // which stock sheet (0 for the print's single virtual sheet)
    QPointF placement;  // where the rib frame's origin lies on the sheet (mm, sheet y down)
    // Turned by half a turn on the sheet: the chord, and so the grain, keeps its direction.
    bool turned = false;
    QPointF onSheet(QPointF ribPoint) const {
        if (turned)
            return {placement.x() - ribPoint.x(), placement.y() + ribPoint.y()};
        return {placement.x() + ribPoint.x(), placement.y() - ribPoint.y()};
    }
};

// Ribs placed in rows on one or more sheets; sheet coordinates run from the top left corner in
// millimetres, y down.
struct WorkshopLayout {
    QString airfoilName;  // trimmed
    QSizeF sheetSize;     // for the print, the virtual sheet the pages tile
    int sheetCount = 1;
    std::vector<WorkshopRib> ribs;
};

// The box the label of `rib` is kept to: a generous one, each character as wide as it is high.
MmBox ribNumberBox(const WorkshopRib& rib);

// Where the label's base line starts on the sheet. The text stays upright on a turned rib, so it
// starts at the other corner of its box.
QPointF labelOnSheet(const WorkshopRib& rib);

// Every rib of `series`, which holds the cut pieces, in its own frame. Throws RibwrightError
// naming the rib when a skin leaves no material to cut.
std::vector<WorkshopRib> buildWorkshopRibs(const RibSeries& series);

// The ribs of `series` once per side and copy the options ask for, in that order (both sides:
// the right set, then the left), each labelled with its side; the label keeps to its piece.
std::vector<WorkshopRib> buildWorkshopRibs(const RibSeries& series, const OutputOptions& options);

// How rows are filled: left to right while a rib fits the width, then a new row; a row that
// does not fit the height starts the next sheet.
struct RowOptions {
    double width = 0;
    double height = 0;         // infinite for a sheet that grows downwards
    double gap = kStockGap;    // between ribs, and from the sheet edges
    double reservedTop = 0;    // kept free at the top of the first sheet
    double captionHeight = 0;  // kept free under each rib
};

// Places `ribs` in rows; sheetSize is the options' size, or the height used when it grows.
// Throws RibwrightError when a rib is larger than the sheet.
WorkshopLayout placeInRows(std::vector<WorkshopRib> ribs, const RowOptions& options);

// All ribs nested on stock sheets of `stock` millimetres; ribs that do not fit one sheet go on
// the next.
WorkshopLayout layoutOnStock(const RibJob& job, const RibSeries& series, QSizeF stock);

// The ribs of every side and copy on the options' stock, in rows or nested, each cut contour
// grown by half the kerf. Throws RibwrightError for a gap narrower than the kerf and as the rows
// and the nesting do.
WorkshopLayout layoutOnStock(const RibJob& job, const RibSeries& series,
                             const OutputOptions& options);

// The file of stock sheet `sheet` (from 0): the path itself for the first, the stem with "-2",
// "-3", … before the extension for the others.
QString stockSheetPath(const QString& path, int sheet);

}  // namespace rw
