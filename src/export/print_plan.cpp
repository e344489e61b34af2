#include "export/print_plan.h"

#include "export/export_texts.h"
#include "platform/errors.h"

#include <algorithm>
#include <cmath>
#include <limits>

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
    double pages = 0;  // columns times rows, before either is known to fit an int
};

Candidate planFor(const std::vector<WorkshopRib>& ribs, QSizeF paper, bool landscape, int columns) {
    PrintPlan plan;
    plan.paper = paper;
    plan.landscape = landscape;
    plan.columns = columns;
    const QRectF tile = plan.tileOnPage();
    RowOptions options;
    options.width = tile.width() + (columns - 1) * stepOf(tile.width());
    options.height = std::numeric_limits<double>::infinity();
    options.gap = PrintPlan::kRibGap;
    options.reservedTop = PrintPlan::kCalibrationHeight;
    options.captionHeight = PrintPlan::kCaptionHeight;
    plan.layout = placeInRows(ribs, options);
    const double rows = tilesFor(plan.layout.sheetSize.height(), tile.height());
    plan.rows = int(std::min(rows, double(PrintPlan::kMaxPages) + 1));
    return {std::move(plan), rows * columns};
}

}  // namespace

QRectF PrintPlan::tileOnPage() const {
    return QRectF(kMargin, kMargin + kLabelBand, paper.width() - 2 * kMargin,
                  paper.height() - 2 * kMargin - kLabelBand);
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

    Candidate best;
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
            if (candidate.pages < fewestPages) {
                fewestPages = candidate.pages;
                best = std::move(candidate);
            }
        }
    }
    if (fewestPages > PrintPlan::kMaxPages) {
        throw RibwrightError(export_texts::tooManyPrintedPages(QString::number(fewestPages, 'f', 0),
                                                               PrintPlan::kMaxPages));
    }
    return best.plan;
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
    return best;
}

}  // namespace rw
