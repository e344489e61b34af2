#include "export/building_plan_page.h"

#include "export/export_texts.h"
#include "export/number_format.h"
#include "export/print_drawing.h"
#include "export/print_page_map.h"
#include "export/print_texts.h"

#include <QPainterPath>

#include <cmath>

namespace rw {
namespace {

using print_drawing::penMm;

const QColor kEdgeColour(0, 0, 0);
const QColor kRibColour(255, 0, 0);  // red as the chord line of the rib pages: the same chord
const QColor kSparColour(0, 0, 200);

bool touches(const QRectF& shown, QPointF a, QPointF b) {
    return QRectF(a, b).normalized().adjusted(-1, -1, 1, 1).intersects(shown);
}

// The segments of the line that come near the page: a wing of many pages costs each page only
// what lies on it.
QPainterPath shownPart(const std::vector<QPointF>& points, const QRectF& shown) {
    QPainterPath path;
    bool drawing = false;
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (!touches(shown, points[i - 1], points[i])) {
            drawing = false;
            continue;
        }
        if (!drawing)
            path.moveTo(points[i - 1]);
        path.lineTo(points[i]);
        drawing = true;
    }
    return path;
}

void drawPlan(QPainter& painter, const BuildingPlan& plan, const QRectF& shown) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(penMm(kEdgeColour, 0.3));
    painter.drawPath(shownPart(plan.leadingEdge, shown));
    painter.drawPath(shownPart(plan.trailingEdge, shown));
    painter.setPen(penMm(kSparColour, 0.25));
    for (const std::vector<QPointF>& spar : plan.spars) painter.drawPath(shownPart(spar, shown));
    // The rib lines last, whole from edge to edge: they are what the ribs are stood on.
    painter.setPen(penMm(kRibColour, 0.2));
    for (const PlanRibLine& rib : plan.ribs) {
        if (touches(shown, rib.leadingEdge, rib.trailingEdge))
            painter.drawLine(rib.leadingEdge, rib.trailingEdge);
    }
    // The jig tabs as broad strokes on their rib lines: where the rib stands on the board.
    painter.setPen(penMm(kRibColour, 1.0));
    for (const PlanRibLine& rib : plan.ribs) {
        for (const auto& [front, back] : rib.tabs) {
            if (touches(shown, front, back))
                painter.drawLine(front, back);
        }
    }
    const double height = BuildingPlan::kNumberHeight;
    for (const PlanRibLine& rib : plan.ribs) {
        const QPointF farCorner =
            rib.numberAt + QPointF(print_drawing::textWidth(height, rib.label), -height);
        if (touches(shown, rib.numberAt, farCorner))
            print_drawing::drawText(painter, rib.numberAt, height, rib.label);
    }
}

void drawTitle(QPainter& painter, const BuildingPlan& plan) {
    const QString span = formatGeneralNumber(std::round(plan.span * 10.0) / 10);
    print_drawing::drawText(painter, plan.titleAt, BuildingPlan::kTitleHeight,
                            export_texts::printedPlanTitle(span, int(plan.ribs.size())));
}

}  // namespace

void drawBuildingPlanPage(QPainter& painter, const PrintPlan& print, const BuildingPlan& plan,
                          int column, int row) {
    const int page = print.pageNumber(column, row);
    print_drawing::drawPageLabel(
        painter, print,
        export_texts::printedPlanPageLabel(page, print.pageCount(), row + 1, column + 1));

    const QRectF tile = print.tileOnPage();
    const QRectF shown = print.tileOnSheet(column, row);
    painter.save();
    painter.setClipRect(tile);
    painter.translate(tile.topLeft() - shown.topLeft());
    if (page == 1) {
        print_drawing::drawCalibration(painter);
        drawTitle(painter, plan);
        if (!print.pageMap.isEmpty())
            print_page_map::draw(painter, print, print_texts::pageMapTitle());
    }
    drawPlan(painter, plan, shown);
    print_drawing::drawSeams(painter, print, column, row);
    painter.restore();
}

}  // namespace rw
