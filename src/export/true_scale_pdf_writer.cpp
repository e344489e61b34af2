#include "export/true_scale_pdf_writer.h"

#include "export/building_plan.h"
#include "export/building_plan_page.h"
#include "export/export_texts.h"
#include "export/number_format.h"
#include "export/print_drawing.h"
#include "export/print_page_map.h"
#include "export/print_pages.h"
#include "export/print_plan.h"
#include "export/print_texts.h"

#include "platform/errors.h"
#include "platform/text_trim.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace rw {
namespace {

using print_drawing::drawText;
using print_drawing::penMm;

const QColor kSurfaceColour(150, 150, 150);
const QColor kChordColour(255, 0, 0);

QPainterPath ringPath(const WorkshopRib& rib, const MmRing& ring, bool closed) {
    QPainterPath path;
    for (std::size_t i = 0; i < ring.size(); ++i) {
        const QPointF p = rib.onSheet(ring[i]);
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    if (closed)
        path.closeSubpath();
    return path;
}

void drawRib(QPainter& painter, const WorkshopRib& rib, const QString& airfoilName) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(penMm(kSurfaceColour, 0.2));
    painter.drawPath(ringPath(rib, rib.surface, false));
    painter.setPen(penMm(Qt::black, 0.3));
    QPainterPath cut = ringPath(rib, rib.cut.outer, true);
    for (const MmRing& hole : rib.cut.holes) cut.addPath(ringPath(rib, hole, true));
    painter.drawPath(cut);
    painter.setPen(penMm(Qt::black, 0.2));
    painter.drawLine(rib.onSheet(QPointF(rib.sparX, rib.sparLow)),
                     rib.onSheet(QPointF(rib.sparX, rib.sparHigh)));
    // What the features ask to be engraved, drawn as the spar line: lines to cut or mark along.
    for (const auto& [from, to] : rib.cut.marks)
        painter.drawLine(rib.onSheet(from), rib.onSheet(to));
    // The chord line last, so that its ends are not hidden: it is the measure of the print.
    painter.setPen(penMm(kChordColour, 0.2));
    painter.drawLine(rib.onSheet(QPointF(0, 0)), rib.onSheet(QPointF(rib.chord, 0)));

    drawText(painter, labelOnSheet(rib), rib.numberHeight, rib.label);
    // The name last: where the caption is cut short, label and chord still show.
    const QString caption = print_texts::ribCaption(
        rib.label, formatGeneralNumber(std::round(rib.chord * 10.0) / 10), airfoilName);
    const QRectF box = print_pages::ribBox(rib);
    // The caption keeps to the rib's own width, clear of its neighbour in the row.
    drawText(painter, QPointF(box.left(), box.bottom() - 1.2), 3, caption, box.width());
}

void drawPage(QPainter& painter, const PrintPlan& plan, int column, int row) {
    const QRectF tile = plan.tileOnPage();
    const int page = plan.pageNumber(column, row);
    print_drawing::drawPageLabel(
        painter, plan, export_texts::printedPageLabel(page, plan.pageCount(), row + 1, column + 1));

    const QRectF shown = plan.tileOnSheet(column, row);
    painter.save();
    painter.setClipRect(tile);
    painter.translate(tile.topLeft() - shown.topLeft());
    if (page == 1) {
        print_drawing::drawCalibration(painter);
        print_page_map::draw(painter, plan, print_texts::pageMapTitle());
    }
    for (const WorkshopRib& rib : plan.layout.ribs) {
        if (print_pages::ribBox(rib).adjusted(-1, -1, 1, 1).intersects(shown))
            drawRib(painter, rib, plan.layout.airfoilName);
    }
    print_drawing::drawSeams(painter, plan, column, row);
    painter.restore();
}

QPageLayout pageLayoutOf(PaperSize paper, bool landscape) {
    return QPageLayout(print_drawing::pageSizeOf(paper),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void writePrint(const RibJob& job, const RibSeries& series, const std::vector<WorkshopRib>& ribs,
                PaperSize paper, QIODevice& device, bool withBuildingPlan) {
    PrintPlan plan = planPrint(ribs, portraitPaperSize(paper));
    plan.layout.airfoilName = trimControl(job.airfoil.name);
    // Laid out before the first page, so that a plan that cannot be printed writes nothing.
    BuildingPlan buildingPlan;
    PrintPlan buildingPrint;
    if (withBuildingPlan) {
        buildingPlan = layOutBuildingPlan(series);
        buildingPrint = planSheetPrint(buildingPlan.sheetSize, portraitPaperSize(paper));
    }

    QPdfWriter writer(&device);
    writer.setResolution(print_drawing::kResolution);
    writer.setCreator(QStringLiteral("Ribwright"));
    writer.setTitle(plan.layout.airfoilName);
    writer.setPageLayout(pageLayoutOf(paper, plan.landscape));
    QPainter painter;
    if (!painter.begin(&writer))
        throw RibwrightError(device.errorString());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(print_drawing::kUnitsPerMm, print_drawing::kUnitsPerMm);
    for (int row = 0; row < plan.rows; ++row) {
        for (int column = 0; column < plan.columns; ++column) {
            if (!plan.isPrinted(column, row))
                continue;
            if (row + column > 0)
                writer.newPage();
            drawPage(painter, plan, column, row);
        }
    }
    if (withBuildingPlan) {
        // The plan takes its own orientation: a long span lies best across a landscape page.
        writer.setPageLayout(pageLayoutOf(paper, buildingPrint.landscape));
        for (int row = 0; row < buildingPrint.rows; ++row) {
            for (int column = 0; column < buildingPrint.columns; ++column) {
                writer.newPage();
                drawBuildingPlanPage(painter, buildingPrint, buildingPlan, column, row);
            }
        }
    }
    painter.end();
}

}  // namespace

void writeTrueScalePdf(const RibJob& job, const RibSeries& series, PaperSize paper,
                       QIODevice& device, bool withBuildingPlan) {
    writePrint(job, series, buildWorkshopRibs(series), paper, device, withBuildingPlan);
}

void writeTrueScalePdf(const RibJob& job, const RibSeries& series, const OutputOptions& options,
                       QIODevice& device) {
    writePrint(job, series, buildWorkshopRibs(series, options), options.paper, device,
               options.plan);
}

}  // namespace rw
