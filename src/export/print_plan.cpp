#include "export/print_plan.h"

#include "export/export_texts.h"
#include "export/print_drawing.h"
#include "export/print_marks.h"
#include "export/print_page_map.h"
#include "export/print_pages.h"
#include "platform/errors.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace rw {
namespace {

double stepOf(double tile) {
    return tile - PrintPlan::kOverlap;
}

// Tiles needed to cover `length` when each shows `tile` and the next starts `step` further on;
// kept in floating point, as a chord of kilometres needs more tiles than an int holds.
double tilesFor(double length, double tile) {
    if (length <= tile)
        return 1;
    return 1 + std::ceil((length - tile) / stepOf(tile) - 1e-9);
}

struct Candidate {
    PrintPlan plan;
    double pages = 0;  // pages printed; the tiles, before they are known to fit an int
    int whole = 0;     // ribs no seam crosses
};

// Where the page map fits beside the bars on page 1; empty where the page is too narrow.
QRectF pageMapBesideBars(const PrintPlan& plan) {
    const QSizeF map = print_page_map::size();
    const double left = PrintPlan::kRibGap + print_drawing::calibrationWidth() + PrintPlan::kRibGap;
    if (left + map.width() + PrintPlan::kRibGap > plan.tileOnPage().width())
        return {};
    return QRectF(QPointF(left, PrintPlan::kRibGap), map);
}

// Places the page map beside the bars, or under them on a narrow page; returns the height
// page 1 keeps free above the ribs.
double placePageMap(PrintPlan& plan) {
    plan.pageMap = pageMapBesideBars(plan);
    if (!plan.pageMap.isEmpty())
        return PrintPlan::kCalibrationHeight;
    const QSizeF map = print_page_map::size();
    plan.pageMap = QRectF(
        QPointF(PrintPlan::kRibGap, PrintPlan::kRibGap + PrintPlan::kCalibrationHeight), map);
    return PrintPlan::kCalibrationHeight + map.height() + PrintPlan::kRibGap;
}

// What page 1 shows besides the drawing: the bars and the page map. No mark goes on them.
std::vector<QRectF> firstPageFurniture(const PrintPlan& plan) {
    const QRectF bars(0, 0, 2 * PrintPlan::kRibGap + print_drawing::calibrationWidth(),
                      PrintPlan::kRibGap + PrintPlan::kCalibrationHeight);
    return {bars, plan.pageMap};
}

Candidate planFor(const std::vector<WorkshopRib>& ribs, QSizeF paper, bool landscape, int columns) {
    PrintPlan plan;
    plan.paper = paper;
    plan.landscape = landscape;
    plan.columns = columns;
    const double reserved = placePageMap(plan);
    plan.layout = print_pages::placeRibs(ribs, plan, reserved);
    const double rows = tilesFor(plan.layout.sheetSize.height(), plan.tileOnPage().height());
    plan.rows = int(std::min(rows, double(PrintPlan::kMaxPages) + 1));
    // Beyond a ream of tiles the blanks are not looked for, so that a slip in the chord costs no
    // more than the refusal; such a plan counts every tile.
    if (rows * columns > PrintPlan::kMaxPages)
        return {std::move(plan), rows * columns, 0};
    plan.blank = print_pages::blankTiles(plan);
    const int whole = print_pages::ribsKeptWhole(plan);
    const double pages = plan.pageCount();
    return {std::move(plan), pages, whole};
}

// More ribs whole first, then fewer pages; on a tie the earlier candidate stays.
bool better(const Candidate& a, const Candidate& b) {
    if (a.whole != b.whole)
        return a.whole > b.whole;
    return a.pages < b.pages;
}

}  // namespace

QRectF PrintPlan::tileOnPage() const {
    return QRectF(kMargin, kMargin + kLabelBand, paper.width() - 2 * kMargin,
                  paper.height() - 2 * kMargin - kLabelBand);
}

int PrintPlan::pageCount() const {
    return columns * rows - int(std::count(blank.begin(), blank.end(), true));
}

bool PrintPlan::isPrinted(int column, int row) const {
    const std::size_t tile = std::size_t(row) * columns + column;
    return tile >= blank.size() || !blank[tile];
}

int PrintPlan::pageNumber(int column, int row) const {
    const std::size_t tile = std::size_t(row) * columns + column;
    const std::size_t before = std::min(tile, blank.size());
    return int(tile - std::count(blank.begin(), blank.begin() + before, true)) + 1;
}

QRectF PrintPlan::trimmedTile(int column, int row) const {
    const QRectF tile = tileOnSheet(column, row);
    return QRectF(QPointF(column == 0 ? tile.left() : verticalSeam(column - 1),
                          row == 0 ? tile.top() : horizontalSeam(row - 1)),
                  QPointF(column + 1 == columns ? tile.right() : verticalSeam(column),
                          row + 1 == rows ? tile.bottom() : horizontalSeam(row)));
}

QRectF PrintPlan::tileOnSheet(int column, int row) const {
    const QRectF tile = tileOnPage();
    return QRectF(column * stepOf(tile.width()), row * stepOf(tile.height()), tile.width(),
                  tile.height());
}

double PrintPlan::verticalSeam(int column) const {
    return (column + 1) * stepOf(tileOnPage().width()) + kOverlap / 2;
}

double PrintPlan::horizontalSeam(int row) const {
    return (row + 1) * stepOf(tileOnPage().height()) + kOverlap / 2;
}

PrintPlan planPrint(const std::vector<WorkshopRib>& ribs, QSizeF portraitPaper) {
    double widest = 0;
    for (const WorkshopRib& rib : ribs) widest = std::max(widest, rib.footprint.width());

    std::optional<Candidate> best;
    double fewestPages = std::numeric_limits<double>::infinity();
    for (bool landscape : {false, true}) {
        const QSizeF paper = landscape ? portraitPaper.transposed() : portraitPaper;
        const double tile = paper.width() - 2 * PrintPlan::kMargin;
        const double fewest = tilesFor(widest + 2 * PrintPlan::kRibGap, tile);
        if (fewest > PrintPlan::kMaxPages) {  // one row of pages is already too many
            fewestPages = std::min(fewestPages, fewest);
            continue;
        }
        for (int columns = int(fewest); columns < int(fewest) + 3; ++columns) {
            Candidate candidate = planFor(ribs, paper, landscape, columns);
            fewestPages = std::min(fewestPages, candidate.pages);
            if (candidate.pages <= PrintPlan::kMaxPages && (!best || better(candidate, *best)))
                best = std::move(candidate);
        }
    }
    if (!best) {
        throw RibwrightError(export_texts::tooManyPrintedPages(QString::number(fewestPages, 'f', 0),
                                                               PrintPlan::kMaxPages));
    }
    PrintPlan plan = std::move(best->plan);
    std::vector<QRectF> keepClear = firstPageFurniture(plan);
    for (const WorkshopRib& rib : plan.layout.ribs) keepClear.push_back(print_pages::ribBox(rib));
    plan.marks = placeRegistrationMarks(plan, keepClear);
    return plan;
}

PrintPlan planSheetPrint(QSizeF sheet, QSizeF portraitPaper) {
    PrintPlan best;
    double fewestPages = std::numeric_limits<double>::infinity();
    for (bool landscape : {false, true}) {
        PrintPlan plan;
        plan.paper = landscape ? portraitPaper.transposed() : portraitPaper;
        plan.landscape = landscape;
        const QRectF tile = plan.tileOnPage();
        const double columns = tilesFor(sheet.width(), tile.width());
        const double rows = tilesFor(sheet.height(), tile.height());
        if (columns * rows < fewestPages) {
            fewestPages = columns * rows;
            plan.columns = int(std::min(columns, double(PrintPlan::kMaxPages) + 1));
            plan.rows = int(std::min(rows, double(PrintPlan::kMaxPages) + 1));
            best = plan;
        }
    }
    if (fewestPages > PrintPlan::kMaxPages) {
        throw RibwrightError(export_texts::tooManyBuildingPlanPages(
            QString::number(fewestPages, 'f', 0), PrintPlan::kMaxPages));
    }
    // The plan keeps the top of its sheet for the bars and its title only: the map goes where
    // it fits beside the bars, or is left out.
    best.pageMap = pageMapBesideBars(best);
    best.marks = placeRegistrationMarks(best, firstPageFurniture(best));
    return best;
}

}  // namespace rw
