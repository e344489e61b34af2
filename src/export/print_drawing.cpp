#include "export/print_drawing.h"

#include "export/export_texts.h"
#include "export/print_marks.h"

#include <QFont>
#include <QFontMetricsF>

#include <algorithm>

namespace rw::print_drawing {
namespace {

const QColor kMarkColour(120, 120, 120);
// Coloured, so that a mark reads apart from the black lines of the parts it keeps clear of and
// from the red chords and blue spars.
const QColor kRegistrationColour(170, 0, 170);
constexpr double kSeamWidth = 0.15;  // mm, the dashed trimming lines
constexpr int kEm = 100;             // text is set at this pixel size and scaled to millimetres

QFont printFont() {
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPixelSize(kEm);
    // Shaped, the font's digits and Latin letters become alternate glyphs that its character map
    // does not name, and a PDF reader copying or searching the text finds nothing. Unshaped they
    // are the plain glyphs, as wide.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// A cross in a circle, drawn the same on both pages of an overlap so that they can be laid
// over each other.
void registrationMark(QPainter& painter, QPointF centre) {
    const double reach = kRegistrationMarkReach;
    painter.setPen(penMm(kRegistrationColour, 0.15));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 0.6 * reach, 0.6 * reach);
    painter.drawLine(centre - QPointF(reach, 0), centre + QPointF(reach, 0));
    painter.drawLine(centre - QPointF(0, reach), centre + QPointF(0, reach));
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

}  // namespace

QPen penMm(const QColor& colour, double widthMm, Qt::PenStyle style) {
    QPen pen(colour, widthMm, style, Qt::FlatCap, Qt::MiterJoin);
    pen.setCosmetic(false);
    return pen;
}

void drawText(QPainter& painter, QPointF at, double heightMm, const QString& text, double widthMm) {
    painter.save();
    const QFont font = printFont();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.translate(at);
    painter.scale(heightMm / kEm, heightMm / kEm);
    const double width = std::min(widthMm * kEm / heightMm, 1e7);
    painter.drawText(QPointF(0, 0), QFontMetricsF(font).elidedText(text, Qt::ElideRight, width));
    painter.restore();
}

double textWidth(double heightMm, const QString& text) {
    return QFontMetricsF(printFont()).horizontalAdvance(text) * heightMm / kEm;
}

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

double calibrationWidth() {
    return std::max({textWidth(4, export_texts::printAtFullScale()),
                     103 + textWidth(3, QStringLiteral("100 mm")),
                     28.4 + textWidth(3, QStringLiteral("1 inch (25.4 mm)"))});
}

// Only what lies on the page is drawn, so a plan of many pages costs no more per page than a
// plan of few.
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
    const double reach = kRegistrationMarkReach;
    const QRectF near = shown.adjusted(-reach, -reach, reach, reach);
    for (const QPointF& mark : plan.marks) {
        if (near.contains(mark))
            registrationMark(painter, mark);
    }
}

void drawPageLabel(QPainter& painter, const PrintPlan& plan, const QString& label) {
    const QRectF tile = plan.tileOnPage();
    drawText(painter, QPointF(tile.left(), tile.top() - 2.5), 3.5, label);
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

}  // namespace rw::print_drawing
