#include "export/print_page_map.h"

#include "export/print_drawing.h"

#include <algorithm>

namespace rw::print_page_map {
namespace {

constexpr double kTitleHeight = 2.5;
constexpr double kTitleBand = kTitleHeight + 1.5;  // the title and the space under it
constexpr double kLargestNumber = 3;
constexpr double kBoxInset = 0.3;            // keeps neighbouring boxes apart
const QColor kFirstPageFill(220, 220, 220);  // "you are here"

}  // namespace

QSizeF size() {
    return {48, 24};
}

void draw(QPainter& painter, const PrintPlan& plan, const QString& title) {
    const QRectF area = plan.pageMap;
    print_drawing::drawText(painter, QPointF(area.left(), area.top() + kTitleHeight), kTitleHeight,
                            title, area.width());
    // Each page stands for the part it keeps after trimming: the step from one page to the next.
    const QRectF tile = plan.tileOnPage();
    const double stepX = tile.width() - PrintPlan::kOverlap;
    const double stepY = tile.height() - PrintPlan::kOverlap;
    const double room = area.height() - kTitleBand;
    const double scale =
        std::min(area.width() / (plan.columns * stepX), room / (plan.rows * stepY));
    const QPointF origin(area.left(), area.top() + kTitleBand);
    painter.save();
    for (int row = 0; row < plan.rows; ++row) {
        for (int column = 0; column < plan.columns; ++column) {
            if (!plan.isPrinted(column, row))  // a blank page is left out of the print
                continue;
            const QRectF box = QRectF(origin + QPointF(column * stepX, row * stepY) * scale,
                                      QSizeF(stepX, stepY) * scale)
                                   .adjusted(kBoxInset, kBoxInset, -kBoxInset, -kBoxInset);
            const bool first = row == 0 && column == 0;
            painter.setPen(print_drawing::penMm(Qt::black, 0.2));
            painter.setBrush(first ? QBrush(kFirstPageFill) : QBrush(Qt::NoBrush));
            painter.drawRect(box);
            const QString number = QString::number(plan.pageNumber(column, row));
            const double height =
                std::min({kLargestNumber, 0.6 * box.height(),
                          0.8 * box.width() / print_drawing::textWidth(1, number)});
            const double width = print_drawing::textWidth(height, number);
            print_drawing::drawText(
                painter, QPointF(box.center().x() - width / 2, box.center().y() + 0.36 * height),
                height, number);
        }
    }
    painter.restore();
}

}  // namespace rw::print_page_map
