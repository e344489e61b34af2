#include "export/workshop_layout.h"

#include "export/export_texts.h"
#include "platform/errors.h"
#include "platform/text_trim.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <limits>

namespace rw {
namespace {

// Where the open surface line crosses the vertical line at x: the lowest and highest crossing.
// Without a crossing, the surface's own height range.
std::pair<double, double> surfaceRangeAt(const MmRing& surface, double x) {
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (std::size_t i = 1; i < surface.size(); ++i) {
        const QPointF a = surface[i - 1];
        const QPointF b = surface[i];
        if ((a.x() - x) * (b.x() - x) > 0 || a.x() == b.x())
            continue;
        const double y = a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x());
        low = std::min(low, y);
        high = std::max(high, y);
    }
    if (low > high) {
        for (const QPointF& p : surface) {
            low = std::min(low, p.y());
            high = std::max(high, p.y());
        }
    }
    return {low, high};
}

void include(MmBox& box, QPointF p) {
    box.left = std::min(box.left, p.x());
    box.right = std::max(box.right, p.x());
    box.bottom = std::min(box.bottom, p.y());
    box.top = std::max(box.top, p.y());
}

// Sheet positions are kept on a thousandth of a millimetre, so that every placed coordinate
// stays a short decimal in the files; rounded up, so that no gap gets narrower.
constexpr double kGridSlack = 0.002;  // what rounding up can add to a rib's far edges
double upOnGrid(double mm) {
    return std::ceil(mm * 1000 - 1e-6) / 1000;
}

bool overlapsAHole(const std::vector<MmRing>& holes, const MmBox& text) {
    for (const MmRing& hole : holes) {
        if (hole.empty())
            continue;
        MmBox box{hole.front().x(), hole.front().y(), hole.front().x(), hole.front().y()};
        for (const QPointF& p : hole) include(box, p);
        if (box.left < text.right && text.left < box.right && box.bottom < text.top &&
            text.bottom < box.top)
            return true;
    }
    return false;
}

// The rib number goes right of the spar line, or left of it where a lightening hole lies on the
// right: engraved across a hole's edge, half of it would fall out with the hole.
QPointF ribNumberPlace(const WorkshopRib& rib, double width) {
    const QPointF right(rib.sparX + 1, 1);
    const QPointF left(rib.sparX - 1 - width, 1);
    for (const QPointF at : {right, left}) {
        const MmBox text{at.x(), at.y(), at.x() + width, at.y() + kRibNumberHeight};
        if (!overlapsAHole(rib.cut.holes, text))
            return at;
    }
    return right;
}

WorkshopRib workshopRib(const SeriesRib& current) {
    WorkshopRib rib;
    rib.ribNumber = current.number;
    rib.chord = current.shape.ribChord;
    rib.cut = current.piece;
    if (rib.cut.empty()) {
        throw RibwrightError(export_texts::ribTooThinToCut(current.number));
    }
    const RibOutline& o = current.outline;
    rib.surface.reserve(o.surfaceX.size());
    for (std::size_t i = 0; i < o.surfaceX.size(); ++i)
        rib.surface.emplace_back(o.surfaceX[i], o.surfaceY[i]);

    rib.sparX = current.sparX;
    std::tie(rib.sparLow, rib.sparHigh) = surfaceRangeAt(rib.surface, rib.sparX);
    // A generous box for the digits: each narrower than the text height.
    const double digits = QString::number(rib.ribNumber).size();
    rib.numberAt = ribNumberPlace(rib, digits * kRibNumberHeight);

    // The chord line runs from the leading edge to the trailing edge at y = 0.
    MmBox box{0, 0, double(rib.chord), 0};
    for (const QPointF& p : rib.surface) include(box, p);
    for (const QPointF& p : rib.cut.outer) include(box, p);
    include(box, rib.numberAt + QPointF(digits * kRibNumberHeight, kRibNumberHeight));
    rib.footprint = box;
    return rib;
}

QString sizeText(double mm) {
    return QString::number(std::round(mm * 10) / 10, 'f', 1);
}

}  // namespace

std::vector<WorkshopRib> buildWorkshopRibs(const RibSeries& series) {
    std::vector<WorkshopRib> ribs;
    ribs.reserve(series.ribs.size());
    for (const SeriesRib& rib : series.ribs) ribs.push_back(workshopRib(rib));
    return ribs;
}

WorkshopLayout placeInRows(std::vector<WorkshopRib> ribs, const RowOptions& options) {
    WorkshopLayout layout;
    const double g = options.gap;
    const bool grows = !std::isfinite(options.height);
    double x = g;
    double y = g + options.reservedTop;
    double rowBottom = y;  // lowest edge of the current row
    int sheet = 0;
    for (WorkshopRib& rib : ribs) {
        const double w = rib.footprint.width();
        const double h = rib.footprint.height() + options.captionHeight;
        if (w + 2 * g > options.width || (!grows && h + 2 * g > options.height)) {
            throw RibwrightError(export_texts::ribDoesNotFitStock(
                rib.ribNumber, sizeText(w), sizeText(h), sizeText(options.width),
                grows ? QStringLiteral("∞") : sizeText(options.height)));
        }
        if (x > g && x + w + g + kGridSlack > options.width) {  // next row
            x = g;
            y = rowBottom + g;
        }
        if (!grows && y + h + g + kGridSlack > options.height) {  // next sheet
            ++sheet;
            x = g;
            y = g;
        }
        if (x == g)
            rowBottom = y;
        rib.sheet = sheet;
        rib.placement = QPointF(upOnGrid(x - rib.footprint.left), upOnGrid(y + rib.footprint.top));
        const QPointF topLeft = rib.onSheet(QPointF(rib.footprint.left, rib.footprint.top));
        x = topLeft.x() + w + g;
        rowBottom = std::max(rowBottom, topLeft.y() + h);
    }
    layout.sheetCount = sheet + 1;
    layout.sheetSize = QSizeF(options.width, grows ? rowBottom + g : options.height);
    layout.ribs = std::move(ribs);
    return layout;
}

WorkshopLayout layoutOnStock(const RibJob& job, const RibSeries& series, QSizeF stock) {
    RowOptions options;
    options.width = stock.width();
    options.height = stock.height();
    WorkshopLayout layout = placeInRows(buildWorkshopRibs(series), options);
    layout.airfoilName = trimControl(job.airfoil.name);
    return layout;
}

QString stockSheetPath(const QString& path, int sheet) {
    if (sheet == 0)
        return path;
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    const QString stem = suffix.isEmpty() ? path : path.left(path.size() - suffix.size() - 1);
    const QString numbered = stem + QLatin1Char('-') + QString::number(sheet + 1);
    return suffix.isEmpty() ? numbered : numbered + QLatin1Char('.') + suffix;
}

}  // namespace rw
