#include "export/building_plan.h"

#include "export/export_texts.h"
#include "export/print_drawing.h"
#include "export/print_plan.h"
#include "platform/errors.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <limits>

namespace rw {
namespace {

constexpr double kNumberClearance = 1.5;  // mm between a rib's number and the lines it sits by
constexpr double kTitleBand = 7;          // mm under the calibration bars for the title

// How far behind the root's leading edge `line` runs at span position `x`: linear between its
// points, level beyond its ends.
double behindAt(const PlanLine& line, double x) {
    if (line.empty())
        return 0;
    if (x <= line.front().x)
        return line.front().y;
    for (std::size_t i = 1; i < line.size(); ++i) {
        const PlanPoint& a = line[i - 1];
        const PlanPoint& b = line[i];
        if (x <= b.x)
            return b.x > a.x ? a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x) : b.y;
    }
    return line.back().y;
}

// The highest the leading edge runs between span positions `from` and `to`, the rib's own
// leading edge included: the number above it must clear the edge over all its width.
double foremostBetween(const PlanLine& edge, double from, double to, double ribLeadingEdge) {
    double foremost = std::min({ribLeadingEdge, behindAt(edge, from), behindAt(edge, to)});
    for (const PlanPoint& p : edge) {
        if (p.x > from && p.x < to)
            foremost = std::min(foremost, p.y);
    }
    return foremost;
}

// The rib lines with their numbers and the spar lines, in panel millimetres before they are moved
// onto the sheet.
struct PanelMarks {
    std::vector<PlanRibLine> ribs;
    std::vector<std::vector<QPointF>> spars;
};

// "3", or "3 (1.5°)" on a twisted panel.
QString ribLabel(const SeriesRib& rib, bool twisted) {
    if (!twisted)
        return QString::number(rib.number);
    return QStringLiteral("%1 (%2\u00b0)").arg(rib.number).arg(rib.twist, 0, 'f', 2);
}

PanelMarks panelMarks(const RibSeries& series) {
    PanelMarks marks;
    const bool twisted = std::any_of(series.ribs.begin(), series.ribs.end(),
                                     [](const SeriesRib& rib) { return rib.twist != 0; });
    std::size_t notchLines = 0;
    for (const SeriesRib& rib : series.ribs)
        notchLines = std::max(notchLines, rib.notchCentres.size());
    marks.spars.resize(std::max<std::size_t>(notchLines, 1));
    for (const SeriesRib& rib : series.ribs) {
        PlanRibLine line;
        line.number = rib.number;
        line.leadingEdge = QPointF(rib.station, rib.leadingEdge);
        line.trailingEdge = QPointF(rib.station, rib.leadingEdge + rib.shape.ribChord);
        line.label = ribLabel(rib, twisted);
        // The piece's engraved lines are where its jig tabs are cut off: a tab stands there.
        for (const auto& [front, back] : rib.piece.marks) {
            line.tabs.emplace_back(QPointF(rib.station, rib.leadingEdge + front.x()),
                                   QPointF(rib.station, rib.leadingEdge + back.x()));
        }
        const double left = rib.station + kNumberClearance / 2;
        const double right =
            left + print_drawing::textWidth(BuildingPlan::kNumberHeight, line.label);
        line.numberAt = QPointF(
            left, foremostBetween(series.panel.leadingEdge, rib.station, right, rib.leadingEdge) -
                      kNumberClearance);
        marks.ribs.push_back(line);
        if (notchLines == 0) {
            marks.spars[0].emplace_back(rib.station, rib.leadingEdge + rib.sparX);
            continue;
        }
        for (std::size_t i = 0; i < rib.notchCentres.size(); ++i)
            marks.spars[i].emplace_back(rib.station, rib.leadingEdge + rib.notchCentres[i]);
    }
    return marks;
}

struct Extent {
    double left = std::numeric_limits<double>::infinity();
    double top = left;
    double right = -left;
    double bottom = -left;
    void include(QPointF p) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
};

QPointF onPanel(const PlanPoint& p) {
    return QPointF(p.x, p.y);
}

}  // namespace

bool canDrawBuildingPlan(const RibSeries& series) {
    return series.panelSet && series.panel.span > 0 && std::isfinite(series.panel.span) &&
           !series.ribs.empty();
}

BuildingPlan layOutBuildingPlan(const RibSeries& series) {
    if (!canDrawBuildingPlan(series))
        throw RibwrightError(export_texts::buildingPlanNeedsSpan());
    PanelMarks marks = panelMarks(series);

    Extent extent;
    for (const PlanPoint& p : series.panel.leadingEdge) extent.include(onPanel(p));
    for (const PlanPoint& p : series.panel.trailingEdge) extent.include(onPanel(p));
    for (const PlanRibLine& rib : marks.ribs) {
        extent.include(rib.leadingEdge);
        extent.include(rib.trailingEdge);
        extent.include(rib.numberAt - QPointF(0, BuildingPlan::kNumberHeight));
        extent.include(
            rib.numberAt +
            QPointF(print_drawing::textWidth(BuildingPlan::kNumberHeight, rib.label), 0));
    }

    // The panel's top left corner goes below the calibration bars and the title, a gap in.
    const double gap = PrintPlan::kRibGap;
    const double top = gap + PrintPlan::kCalibrationHeight + kTitleBand;
    const QPointF shift(gap - extent.left, top - extent.top);
    const auto place = [&](QPointF p) { return p + shift; };

    BuildingPlan plan;
    plan.span = series.panel.span;
    plan.sheetSize =
        QSizeF(extent.right - extent.left + 2 * gap, top + extent.bottom - extent.top + gap);
    plan.titleAt = QPointF(gap, gap + PrintPlan::kCalibrationHeight + BuildingPlan::kTitleHeight);
    for (const PlanPoint& p : series.panel.leadingEdge)
        plan.leadingEdge.push_back(place(onPanel(p)));
    for (const PlanPoint& p : series.panel.trailingEdge)
        plan.trailingEdge.push_back(place(onPanel(p)));
    for (PlanRibLine& rib : marks.ribs) {
        rib.leadingEdge = place(rib.leadingEdge);
        rib.trailingEdge = place(rib.trailingEdge);
        rib.numberAt = place(rib.numberAt);
        for (auto& [front, back] : rib.tabs) {
            front = place(front);
            back = place(back);
        }
    }
    plan.ribs = std::move(marks.ribs);
    for (std::vector<QPointF>& spar : marks.spars) {
        for (QPointF& p : spar) p = place(p);
    }
    plan.spars = std::move(marks.spars);
    return plan;
}

}  // namespace rw
