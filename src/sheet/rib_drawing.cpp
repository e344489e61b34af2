#include "sheet/rib_drawing.h"

#include <QLineF>
#include <QRectF>

#include <algorithm>
#include <cmath>

namespace rw {

namespace {

// Whole pixel positions go through the pixel's centre, see RibDrawer.
QPointF centreOf(double x, double y) {
    return QPointF(x + 0.5, y + 0.5);
}

// Marks and texts are placed with integer pixel positions; beyond this distance from the sheet
// they cannot show, and skipping them keeps wild values out of integer conversion.
constexpr double kFarAway = 1e8;
bool nearTheSheet(double x, double y) {
    return std::fabs(x) < kFarAway && std::fabs(y) < kFarAway;
}

}  // namespace

RibDrawer::RibDrawer(QPainter& painter, QImage& sheet, const RibStyle& style,
                     const SheetFonts& fonts)
    : painter_(painter),
      sheet_(sheet),
      style_(style),
      numberAscent_(fonts.labelMetrics.ascent()),
      marker_(style.skinColour),
      skinPen_(style.skinColour, 1),
      ribPen_(style.ribColour, 1),
      textPen_(Qt::black, 1) {
    painter_.setFont(fonts.labels);
    painter_.setBrush(Qt::NoBrush);
    // The rib number hides what lies under its box.
    painter_.setBackgroundMode(Qt::OpaqueMode);
    painter_.setBackground(Qt::white);
}

RibMetrics RibDrawer::draw(const SeriesRib& rib, int originX, int originY, const RibCut* cut) {
    const RibOutline& outline = rib.outline;
    const float chord = rib.shape.ribChord;
    const double perMm = style_.pixelsPerMm;

    // Each rib is shifted right by the difference between the root rib's and its own distance
    // from leading edge to spar, so the spars of a series fall on one vertical line.
    RibMetrics m;
    m.leadingEdgeX = std::trunc((double(style_.rootChord) - double(chord)) *
                                    double(style_.sparPercent) / 100 * perMm +
                                originX);

    if (style_.showPoints) {
        const std::size_t n = outline.surfaceX.size();
        for (std::size_t i = 0; i < n; ++i) {
            const double px = std::trunc(double(outline.surfaceX[i]) * perMm + m.leadingEdgeX);
            const double py = std::trunc(originY - double(outline.surfaceY[i]) * perMm);
            if (nearTheSheet(px, py))
                marker_.stamp(sheet_, int(px), int(py));
        }
    }

    painter_.setPen(skinPen_);
    drawPolyline(outline.surfaceX, outline.surfaceY, m.leadingEdgeX, originY, &m);
    if (cut == nullptr) {
        painter_.setPen(ribPen_);
        drawPolyline(outline.ribX, outline.ribY, m.leadingEdgeX, originY, nullptr);
    }

    if (style_.showSparLine) {
        m.sparX = style_.sparAtRibStation
                      ? std::trunc(rib.sparX * perMm + m.leadingEdgeX)
                      : std::trunc(double(chord) * double(style_.sparPercent) * perMm / 100 +
                                   m.leadingEdgeX);
        drawSparAndNumber(m, rib.number, originY);
    }
    // The piece after the number, whose box would hide the edge of a hole beside the spar.
    if (cut != nullptr) {
        painter_.setPen(ribPen_);
        drawRing(cut->outer, m.leadingEdgeX, originY);
        for (const MmRing& hole : cut->holes) drawRing(hole, m.leadingEdgeX, originY);
    }
    drawChordLineAndGrid(m, chord, originX, originY);
    return m;
}

void RibDrawer::drawPolyline(const std::vector<float>& xs, const std::vector<float>& ys,
                             double left, int originY, RibMetrics* extent) {
    const double perMm = style_.pixelsPerMm;
    const std::size_t n = std::min(xs.size(), ys.size());
    points_.resize(qsizetype(n));
    QPointF* out = points_.data();
    for (std::size_t i = 0; i < n; ++i) {
        const double px = std::trunc(double(xs[i]) * perMm + left);
        const double py = std::trunc(originY - double(ys[i]) * perMm);
        out[i] = centreOf(px, py);
        if (extent) {
            extent->topY = std::min(extent->topY, py);
            extent->bottomY = std::max(extent->bottomY, py);
        }
    }
    if (n >= 2)
        painter_.drawPolyline(out, int(n));
}

void RibDrawer::drawRing(const MmRing& ring, double left, int originY) {
    const double perMm = style_.pixelsPerMm;
    points_.resize(qsizetype(ring.size()));
    for (std::size_t i = 0; i < ring.size(); ++i) {
        points_[qsizetype(i)] = centreOf(std::trunc(ring[i].x() * perMm + left),
                                         std::trunc(originY - ring[i].y() * perMm));
    }
    if (ring.size() >= 2)
        painter_.drawPolygon(points_.data(), int(ring.size()));
}

void RibDrawer::drawSparAndNumber(const RibMetrics& m, int ribNumber, int originY) {
    // The spar line spans the airfoil's full height, lowest to highest point.
    drawAxisLine(m.sparX, m.bottomY, m.sparX, m.topY, style_.ribColour);

    const double textX = m.sparX + 10;
    const double textY = double(originY) - 20;
    if (!nearTheSheet(textX, textY))
        return;
    painter_.setPen(textPen_);
    painter_.drawText(int(textX), int(textY) + numberAscent_, QString::number(ribNumber));
}

void RibDrawer::drawChordLineAndGrid(const RibMetrics& m, float chord, int originX, int originY) {
    const double perMm = style_.pixelsPerMm;
    const QColor& colour = style_.gridColour;
    // Every chord line has the root rib's length, whatever the rib's own chord.
    const double left = double(originX) - 30;
    const double right = std::trunc(double(style_.rootChord) * perMm + originX + 20);
    drawAxisLine(left, originY, right, originY, colour);
    if (!style_.showGrid)
        return;

    // Lines 5 mm and 10 mm above the chord line, none below it.
    for (int mm : {5, 10}) {
        const double y = std::trunc(originY - mm * perMm);
        drawAxisLine(left, y, right, y, colour);
    }

    // One vertical every 10 mm from originX, as many as the rib's chord needs plus one. A
    // gigantic chord asks for more lines than the sheet can show; those beyond its edge are
    // left out, which changes nothing that is visible.
    const double step = perMm * 10;
    double last = std::trunc(double(chord) / 10) + 1;
    const double width = sheet_.width();
    if (step > 0)
        last = std::min(last, std::floor((width - originX) / step) + 2);
    else if (step < 0)
        last = std::min(last, std::floor((originX + 1.0) / -step) + 2);
    else
        last = std::min(last, 0.0);
    if (!(last >= 0))
        return;  // no line, or a chord that is not a number
    if (std::fabs(step) < 1) {
        // Lines closer than a pixel (a chord of astronomical length) land on every column
        // between the first and the last, so each column is drawn once instead of each line.
        const double end = std::trunc(last * step + originX);
        const double from = std::max(std::min(double(originX), end), -1.0);
        const double to = std::min(std::max(double(originX), end), width);
        for (double x = from; x <= to; ++x) drawAxisLine(x, m.topY, x, m.bottomY, colour);
        return;
    }
    for (qint64 j = 0; j <= qint64(last); ++j) {
        const double x = std::trunc(double(j) * perMm * 10 + originX);
        drawAxisLine(x, m.topY, x, m.bottomY, colour);
    }
}

void RibDrawer::drawAxisLine(double x0, double y0, double x1, double y1, const QColor& colour) {
    const bool finite =
        std::isfinite(x0) && std::isfinite(y0) && std::isfinite(x1) && std::isfinite(y1);
    if (!finite || (x0 == x1 && y0 == y1)) {
        // The painter's own way with a line of no length or no position.
        painter_.setPen(QPen(colour, 1));
        painter_.drawLine(QLineF(centreOf(x0, y0), centreOf(x1, y1)));
        return;
    }
    // Through pixel centres, a line along a row or a column covers the pixels from one end to
    // the other at full strength, just as the antialiased stroke does, pixel for pixel; filling
    // them costs a fraction of stroking (these lines are most of the sheet's ink).
    const double left = std::max(std::min(x0, x1), -1.0);
    const double right = std::min(std::max(x0, x1), double(sheet_.width()));
    const double top = std::max(std::min(y0, y1), -1.0);
    const double bottom = std::min(std::max(y0, y1), double(sheet_.height()));
    if (left > right || top > bottom)
        return;
    painter_.fillRect(QRect(int(left), int(top), int(right - left) + 1, int(bottom - top) + 1),
                      colour);
}

}  // namespace rw
