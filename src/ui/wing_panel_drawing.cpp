#include "ui/wing_panel_drawing.h"

#include "platform/errors.h"
#include "ui/wing_panel_texts.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace rw {
namespace {

constexpr int kMargin = 14;
constexpr int kNumberRoom = 14;  // under the trailing edge, for the rib numbers

// The planform's mm on the widget: the span across, the chord downwards, one scale for both so
// the shape is true.
struct PlanScale {
    double factor = 1;
    QPointF origin;
    QPointF at(const PlanPoint& point) const {
        return origin + QPointF(point.x * factor, point.y * factor);
    }
};

PlanScale fitted(const ResolvedPanel& panel, const QRectF& room) {
    double top = 0, bottom = 0;
    for (const PlanLine* line : {&panel.leadingEdge, &panel.trailingEdge}) {
        for (const PlanPoint& point : *line) {
            top = std::min(top, point.y);
            bottom = std::max(bottom, point.y);
        }
    }
    const double width = std::max(panel.span, 1.0);
    const double height = std::max(bottom - top, 1.0);
    PlanScale scale;
    scale.factor = std::min(room.width() / width, room.height() / height);
    scale.origin = QPointF(room.left(), room.top() - top * scale.factor);
    return scale;
}

QPolygonF polygon(const PlanLine& line, const PlanScale& scale) {
    QPolygonF points;
    for (const PlanPoint& point : line) points << scale.at(point);
    return points;
}

}  // namespace

std::vector<PlanLine> sparLines(const ResolvedPanel& panel, const std::vector<SparNotch>& notches) {
    std::vector<PlanLine> lines;
    if (panel.ribs.empty())
        return lines;
    const PanelRib& root = panel.ribs.front();
    const PanelRib& tip = panel.ribs.back();
    const SparLineEnds ends{root.leadingEdge, root.chord, tip.leadingEdge, tip.chord};
    for (const SparNotch& notch : notches) {
        PlanLine line;
        for (const PanelRib& rib : panel.ribs) {
            const SparNotch placed = placeSparLine(notch, ends, rib.fraction, rib.leadingEdge);
            line.push_back({rib.station, rib.leadingEdge + notchCentre(placed, float(rib.chord))});
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

WingPanelDrawing::WingPanelDrawing(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("WingPanelDrawing"));
    setMinimumSize(sizeHint());
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void WingPanelDrawing::showPanel(const WingPanel& panel) {
    try {
        resolved_ = resolveWingPanel(panel, basis_.rootAirfoil, basis_.rootChord, basis_.tipChord,
                                     basis_.ribCount);
        spars_ = sparLines(*resolved_, basis_.notches);
        message_.clear();
    } catch (const RibwrightError& error) {
        showMessage(error.text());
        return;
    }
    update();
}

void WingPanelDrawing::showMessage(const QString& message) {
    resolved_.reset();
    spars_.clear();
    message_ = message;
    update();
}

void WingPanelDrawing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font());
    const QRectF room = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin - kNumberRoom);
    if (!resolved_) {
        painter.setPen(Qt::darkRed);
        painter.drawText(room, Qt::AlignCenter | Qt::TextWordWrap, message_);
        return;
    }
    // Without a span every rib stands at the root: there is no planform to show.
    if (!(resolved_->span > 0)) {
        painter.setPen(Qt::darkGray);
        painter.drawText(room, Qt::AlignCenter | Qt::TextWordWrap, wing_panel_texts::noSpanNote());
        return;
    }
    const ResolvedPanel& panel = *resolved_;
    const PlanScale scale = fitted(panel, room);

    // The outline: leading edge out to the tip and the trailing edge back, closed by the root.
    QPolygonF outline = polygon(panel.leadingEdge, scale);
    QPolygonF trailing = polygon(panel.trailingEdge, scale);
    std::reverse(trailing.begin(), trailing.end());
    outline << trailing;
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(QColor(250, 246, 230));
    painter.drawPolygon(outline);

    painter.setPen(QPen(QColor(40, 80, 160), 1));
    painter.setBrush(Qt::NoBrush);
    const QFontMetrics metrics(font());
    // Numbers that would crowd each other are left out, the tip's always shown.
    const QString tipNumber = QString::number(panel.ribs.back().number);
    const double tipNumberLeft =
        scale.at({panel.ribs.back().station, 0}).x() - metrics.horizontalAdvance(tipNumber) / 2.0;
    double lastNumberRight = -1e9;
    for (std::size_t i = 0; i < panel.ribs.size(); ++i) {
        const PanelRib& rib = panel.ribs[i];
        const QPointF front = scale.at({rib.station, rib.leadingEdge});
        const QPointF back = scale.at({rib.station, rib.leadingEdge + rib.chord});
        painter.drawLine(front, back);
        const QString number = QString::number(rib.number);
        const double width = metrics.horizontalAdvance(number);
        const bool last = i + 1 == panel.ribs.size();
        const bool room = front.x() - width / 2 > lastNumberRight + 2 &&
                          front.x() + width / 2 < tipNumberLeft - 2;
        if (room || last) {
            painter.drawText(QPointF(front.x() - width / 2, back.y() + metrics.ascent() + 2),
                             number);
            lastNumberRight = front.x() + width / 2;
        }
    }

    painter.setPen(QPen(QColor(200, 0, 0), 1, Qt::DashLine));
    for (const PlanLine& spar : spars_) painter.drawPolyline(polygon(spar, scale));
}

}  // namespace rw
