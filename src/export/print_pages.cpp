#include "export/print_pages.h"

#include "export/print_marks.h"

#include <algorithm>

namespace rw::print_pages {
namespace {

// The plan as placing sees it: the sheet grows downwards, so every row has one below it.
PrintPlan openEnded(const PrintPlan& plan) {
    PrintPlan open = plan;
    open.rows = PrintPlan::kMaxPages + 2;
    return open;
}

// Whether a rib `size` large fits some page's cell. Rows after the first are all alike; the
// first is left out, as page 1 gives room to the bars.
bool fitsAPage(const PrintPlan& plan, QSizeF size) {
    for (int column = 0; column < plan.columns; ++column) {
        const QRectF cell = ribCell(plan, column, 1);
        if (size.width() <= cell.width() && size.height() <= cell.height())
            return true;
    }
    return false;
}

void placeAt(WorkshopRib& rib, QPointF topLeft) {
    rib.placement = QPointF(topLeft.x() - rib.footprint.left, topLeft.y() + rib.footprint.top);
}

// Fills the cells page by page, each cell in lines from left to right.
class PageFiller {
  public:
    PageFiller(const PrintPlan& plan, double reservedHeight)
        : plan_(plan), reservedHeight_(reservedHeight) {
        enterCell(0, 0);
    }

    // Where a rib of `size` goes: the next place in the current cell, or in the next cell that
    // holds it.
    QPointF placeWhole(QSizeF size) {
        for (;;) {
            if (x_ > cell_.left() && x_ + size.width() > cell_.right()) {  // next line
                x_ = cell_.left();
                y_ = lineBottom_ + PrintPlan::kRibGap;
            }
            if (size.width() <= cell_.width() && y_ + size.height() <= cell_.bottom())
                break;
            if (column_ + 1 < plan_.columns)
                enterCell(column_ + 1, row_);
            else
                enterCell(0, row_ + 1);
        }
        const QPointF at(x_, y_);
        x_ += size.width() + PrintPlan::kRibGap;
        lineBottom_ = std::max(lineBottom_, y_ + size.height());
        used_ = std::max(used_, y_ + size.height());
        return at;
    }

    // A rib no page holds goes under everything so far, at the sheet's left; when it is no
    // taller than a page, it keeps off the next horizontal seam. What follows it starts on the
    // next row of pages below it.
    QPointF placeTiled(QSizeF size) {
        double y = used_ > 0 ? used_ + PrintPlan::kRibGap : cell_.top();
        int row = 0;
        while (tiledBand(row).bottom() < y) ++row;
        const QRectF band = tiledBand(row);
        y = std::max(y, band.top());
        if (y + size.height() > band.bottom() && size.height() <= band.height())
            y = tiledBand(row + 1).top();
        used_ = y + size.height();
        int next = row;
        while (ribCell(plan_, 0, next).top() < used_ + PrintPlan::kRibGap) ++next;
        enterCell(0, next);
        return QPointF(PrintPlan::kRibGap, y);
    }

    double used() const { return used_; }

  private:
    // Where a rib across pages may lie in a row of pages: off the ends of the vertical seams,
    // which keep them for their marks.
    QRectF tiledBand(int row) const {
        const QRectF cell = ribCell(plan_, 0, row);
        const QRectF trimmed = openEnded(plan_).trimmedTile(0, row);
        return QRectF(
            QPointF(cell.left(), std::max(cell.top(), trimmed.top() + kRegistrationMarkBand)),
            QPointF(cell.right(),
                    std::min(cell.bottom(), trimmed.bottom() - kRegistrationMarkBand)));
    }

    void enterCell(int column, int row) {
        column_ = column;
        row_ = row;
        cell_ = ribCell(plan_, column, row);
        if (column == 0 && row == 0)
            cell_.setTop(cell_.top() + reservedHeight_);
        x_ = cell_.left();
        y_ = cell_.top();
        lineBottom_ = y_;
    }

    const PrintPlan& plan_;
    double reservedHeight_;
    int column_ = 0, row_ = 0;
    QRectF cell_;
    double x_ = 0, y_ = 0, lineBottom_ = 0;
    double used_ = 0;  // the lowest edge of anything placed
};

}  // namespace

QRectF ribBox(const WorkshopRib& rib) {
    const QPointF topLeft = rib.onSheet(QPointF(rib.footprint.left, rib.footprint.top));
    return QRectF(topLeft.x(), topLeft.y(), rib.footprint.width(),
                  rib.footprint.height() + PrintPlan::kCaptionHeight);
}

QRectF ribCell(const PrintPlan& plan, int column, int row) {
    const QRectF trimmed = openEnded(plan).trimmedTile(column, row);
    const double gap = PrintPlan::kRibGap, clear = PrintPlan::kSeamClearance;
    return trimmed.adjusted(column == 0 ? gap : clear, row == 0 ? gap : clear,
                            column + 1 == plan.columns ? -gap : -clear, -clear);
}

WorkshopLayout placeRibs(std::vector<WorkshopRib> ribs, const PrintPlan& plan,
                         double reservedHeight) {
    PageFiller filler(plan, reservedHeight);
    for (WorkshopRib& rib : ribs) {
        const QSizeF size(rib.footprint.width(),
                          rib.footprint.height() + PrintPlan::kCaptionHeight);
        placeAt(rib, fitsAPage(plan, size) ? filler.placeWhole(size) : filler.placeTiled(size));
    }
    WorkshopLayout layout;
    const QRectF lastColumn = plan.tileOnSheet(plan.columns - 1, 0);
    layout.sheetSize = QSizeF(lastColumn.right(), filler.used() + PrintPlan::kRibGap);
    layout.ribs = std::move(ribs);
    return layout;
}

std::vector<bool> blankTiles(const PrintPlan& plan) {
    std::vector<bool> blank(std::size_t(plan.columns) * plan.rows, true);
    blank[0] = false;
    for (int row = 0; row < plan.rows; ++row) {
        for (int column = 0; column < plan.columns; ++column) {
            const QRectF kept = plan.trimmedTile(column, row);
            for (const WorkshopRib& rib : plan.layout.ribs) {
                if (ribBox(rib).intersects(kept)) {
                    blank[std::size_t(row) * plan.columns + column] = false;
                    break;
                }
            }
        }
    }
    return blank;
}

int ribsKeptWhole(const PrintPlan& plan) {
    int whole = 0;
    for (const WorkshopRib& rib : plan.layout.ribs) {
        const QRectF box = ribBox(rib);
        bool crossed = false;
        for (int column = 0; column + 1 < plan.columns && !crossed; ++column) {
            const double x = plan.verticalSeam(column);
            crossed = box.left() < x && x < box.right();
        }
        for (int row = 0; row + 1 < plan.rows && !crossed; ++row) {
            const double y = plan.horizontalSeam(row);
            crossed = box.top() < y && y < box.bottom();
        }
        whole += crossed ? 0 : 1;
    }
    return whole;
}

}  // namespace rw::print_pages
