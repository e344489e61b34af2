#include "export/true_scale_pdf_writer.h"

#include "export/export_texts.h"
#include "export/number_format.h"
#include "export/print_plan.h"

#include "platform/errors.h"
#include "platform/text_trim.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace rw {
namespace {

// Device units per millimetre; the painter is scaled so that drawing happens in millimetres.
constexpr int kResolution = 1200;
constexpr double kUnitsPerMm = kResolution / 25.4;

const QColor kSurfaceColour(150, 150, 150);
const QColor kChordColour(255, 0, 0);
const QColor kMarkColour(120, 120, 120);
constexpr double kSeamWidth = 0.15;  // mm, the dashed trimming lines

QPen penMm(const QColor& colour, double widthMm, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(colour, widthMm, style, Qt::FlatCap, Qt::MiterJoin);
    pen.setCosmetic(false);
    return pen;
}

// Text `heightMm` tall (the font's em), base line starting at `at`, cut short with an ellipsis
// where it would run wider than `widthMm`. Glyphs stay outlines of the embedded font: nothing is
// rasterised.
void drawText(QPainter& painter, QPointF at, double heightMm, const QString& text,
              double widthMm = 1e6) {
    constexpr int kEm = 100;
    painter.save();
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPixelSize(kEm);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.translate(at);
    painter.scale(heightMm / kEm, heightMm / kEm);
    const double width = std::min(widthMm * kEm / heightMm, 1e7);
    painter.drawText(QPointF(0, 0), QFontMetricsF(font).elidedText(text, Qt::ElideRight, width));
    painter.restore();
}

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

QRectF sheetBox(const WorkshopRib& rib, double captionHeight) {
    const QPointF topLeft = rib.onSheet(QPointF(rib.footprint.left, rib.footprint.top));
    return QRectF(topLeft.x(), topLeft.y(), rib.footprint.width(),
                  rib.footprint.height() + captionHeight);
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
    // The chord line last, so that its ends are not hidden: it is the measure of the print.
    painter.setPen(penMm(kChordColour, 0.2));
    painter.drawLine(rib.onSheet(QPointF(0, 0)), rib.onSheet(QPointF(rib.chord, 0)));

    drawText(painter, rib.onSheet(rib.numberAt), rib.numberHeight, QString::number(rib.ribNumber));
    // The name last: where the caption is cut short, number and chord still show.
    const QString caption = export_texts::printedRibCaption(
        rib.ribNumber, formatGeneralNumber(std::round(rib.chord * 10.0) / 10), airfoilName);
    const QRectF box = sheetBox(rib, PrintPlan::kCaptionHeight);
    // The caption keeps to the rib's own width, clear of its neighbour in the row.
    drawText(painter, QPointF(box.left(), box.bottom() - 1.2), 3, caption, box.width());
}

// The bars a builder measures before cutting: 100 mm and one inch, filled, on the first page.
void drawCalibration(QPainter& painter) {
    const double x = PrintPlan::kRibGap;
    const double y = PrintPlan::kRibGap;
    drawText(painter, QPointF(x, y + 4), 4, export_texts::printAtFullScale());
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRect(QRectF(x, y + 7, 100, 2));
    painter.drawRect(QRectF(x, y + 13, 25.4, 2));
    painter.setBrush(Qt::NoBrush);
    drawText(painter, QPointF(x + 103, y + 9), 3, QStringLiteral("100 mm"));
    drawText(painter, QPointF(x + 28.4, y + 15), 3, QStringLiteral("1 inch (25.4 mm)"));
}

// A cross in a circle, drawn the same on both pages of an overlap so that they can be laid
// over each other.
void registrationMark(QPainter& painter, QPointF centre) {
    painter.setPen(penMm(Qt::black, 0.15));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 3, 3);
    painter.drawLine(centre - QPointF(5, 0), centre + QPointF(5, 0));
    painter.drawLine(centre - QPointF(0, 5), centre + QPointF(0, 5));
}

// The seams of `count` tiles that cross tile `tile`: a seam runs along the middle of the overlap
// of the two tiles beside it, and a tile steps on by far more than a mark is wide, so a page
// shows the seam before it and the seam after it and no other.
struct SeamRange {
    int first = 0;
    int last = -1;
};
SeamRange seamsOnTile(int tile, int count) {
    return {std::max(0, tile - 1), std::min(count - 2, tile)};
}

// Dashed trimming lines along the middle of the overlaps that page (column, row) shows, with
// registration marks where they cross each other and halfway along each tile. Only what lies on
// the page is drawn, so a plan of many pages costs no more per page than a plan of few.
void drawSeams(QPainter& painter, const PrintPlan& plan, int column, int row) {
    const QRectF shown = plan.tileOnSheet(column, row);
    const SeamRange vertical = seamsOnTile(column, plan.columns);
    const SeamRange horizontal = seamsOnTile(row, plan.rows);
    // Each line starts at the page's edge with its dashes where a line from the sheet's edge
    // would have them, so the dashes of two pages lie on each other in the overlap.
    QPen dashes = penMm(kMarkColour, kSeamWidth, Qt::DashLine);
    dashes.setDashOffset(shown.top() / kSeamWidth);
    painter.setPen(dashes);
    for (int c = vertical.first; c <= vertical.last; ++c) {
        const double x = plan.verticalSeam(c);
        painter.drawLine(QPointF(x, shown.top()), QPointF(x, shown.bottom()));
    }
    dashes.setDashOffset(shown.left() / kSeamWidth);
    painter.setPen(dashes);
    for (int r = horizontal.first; r <= horizontal.last; ++r) {
        const double y = plan.horizontalSeam(r);
        painter.drawLine(QPointF(shown.left(), y), QPointF(shown.right(), y));
    }
    for (int c = vertical.first; c <= vertical.last; ++c) {
        for (int r = std::max(0, row - 1); r <= row; ++r) {
            if (r == row)
                registrationMark(painter, QPointF(plan.verticalSeam(c), shown.center().y()));
            if (r + 1 < plan.rows)
                registrationMark(painter, QPointF(plan.verticalSeam(c), plan.horizontalSeam(r)));
        }
    }
    for (int r = horizontal.first; r <= horizontal.last; ++r)
        registrationMark(painter, QPointF(shown.center().x(), plan.horizontalSeam(r)));
}

void drawPage(QPainter& painter, const PrintPlan& plan, int column, int row) {
    const QRectF tile = plan.tileOnPage();
    const int page = row * plan.columns + column + 1;
    drawText(painter, QPointF(tile.left(), tile.top() - 2.5), 3.5,
             export_texts::printedPageLabel(page, plan.pageCount(), row + 1, column + 1));

    const QRectF shown = plan.tileOnSheet(column, row);
    painter.save();
    painter.setClipRect(tile);
    painter.translate(tile.topLeft() - shown.topLeft());
    if (page == 1)
        drawCalibration(painter);
    for (const WorkshopRib& rib : plan.layout.ribs) {
        if (sheetBox(rib, PrintPlan::kCaptionHeight).adjusted(-1, -1, 1, 1).intersects(shown))
            drawRib(painter, rib, plan.layout.airfoilName);
    }
    drawSeams(painter, plan, column, row);
    painter.restore();
}

QPageSize pageSizeOf(PaperSize paper) {
    switch (paper) {
        case PaperSize::A3:
            return QPageSize(QPageSize::A3);
        case PaperSize::Letter:
            return QPageSize(QPageSize::Letter);
        case PaperSize::A4:
            break;
    }
    return QPageSize(QPageSize::A4);
}

}  // namespace

void writeTrueScalePdf(const RibJob& job, const RibSeries& series, PaperSize paper,
                       QIODevice& device) {
    PrintPlan plan = planPrint(buildWorkshopRibs(series), portraitPaperSize(paper));
    plan.layout.airfoilName = trimControl(job.airfoil.name);

    QPdfWriter writer(&device);
    writer.setResolution(kResolution);
    writer.setCreator(QStringLiteral("Ribwright"));
    writer.setTitle(plan.layout.airfoilName);
    writer.setPageLayout(QPageLayout(
        pageSizeOf(paper), plan.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer))
        throw RibwrightError(device.errorString());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kUnitsPerMm, kUnitsPerMm);
    for (int row = 0; row < plan.rows; ++row) {
        for (int column = 0; column < plan.columns; ++column) {
            if (row + column > 0)
                writer.newPage();
            drawPage(painter, plan, column, row);
        }
    }
    painter.end();
}

}  // namespace rw
