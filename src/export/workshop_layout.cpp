#include "export/workshop_layout.h"

#include "export/export_texts.h"
#include "export/kerf_offset.h"
#include "export/number_format.h"
#include "export/stock_nesting.h"
#include "geometry/clipper_units.h"
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

// How far `p` lies from the box; 0 inside it.
double distanceToBox(QPointF p, const MmBox& box) {
    const double dx = std::max({box.left - p.x(), 0.0, p.x() - box.right});
    const double dy = std::max({box.bottom - p.y(), 0.0, p.y() - box.top});
    return std::hypot(dx, dy);
}

double distanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t =
        length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

double cross(QPointF a, QPointF b) {
    return a.x() * b.y() - a.y() * b.x();
}

bool segmentsCross(QPointF a, QPointF b, QPointF c, QPointF d) {
    const double d1 = cross(b - a, c - a), d2 = cross(b - a, d - a);
    const double d3 = cross(d - c, a - c), d4 = cross(d - c, b - c);
    return d1 * d2 <= 0 && d3 * d4 <= 0;
}

// Whether the segment a-b comes nearer to the box than `clearance`.
bool nearBox(QPointF a, QPointF b, const MmBox& box, double clearance) {
    if (std::max(a.x(), b.x()) < box.left - clearance ||
        std::min(a.x(), b.x()) > box.right + clearance ||
        std::max(a.y(), b.y()) < box.bottom - clearance ||
        std::min(a.y(), b.y()) > box.top + clearance)
        return false;
    if (distanceToBox(a, box) < clearance || distanceToBox(b, box) < clearance)
        return true;
    const QPointF corners[] = {
        {box.left, box.bottom}, {box.right, box.bottom}, {box.right, box.top}, {box.left, box.top}};
    for (int i = 0; i < 4; ++i) {
        if (distanceToSegment(corners[i], a, b) < clearance ||
            segmentsCross(a, b, corners[i], corners[(i + 1) % 4]))
            return true;
    }
    return false;
}

// Even-odd rule: whether `p` lies inside the closed ring.
bool insideRing(const MmRing& ring, QPointF p) {
    bool inside = false;
    for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const QPointF a = ring[i], b = ring[j];
        if ((a.y() > p.y()) != (b.y() > p.y()) &&
            p.x() < a.x() + (b.x() - a.x()) * (p.y() - a.y()) / (b.y() - a.y()))
            inside = !inside;
    }
    return inside;
}

// A ring as the boxes inside one window see it: its edges that come near the window and, where
// none does, whether the whole window lies inside it.
struct RingNearWindow {
    const MmRing* ring = nullptr;
    std::vector<std::pair<QPointF, QPointF>> edges;
    bool windowInside = false;
    bool inside(QPointF p) const { return edges.empty() ? windowInside : insideRing(*ring, p); }
};

RingNearWindow ringNearWindow(const MmRing& ring, const MmBox& window) {
    RingNearWindow near;
    near.ring = &ring;
    for (std::size_t i = 0; i < ring.size(); ++i) {
        const QPointF a = ring[i], b = ring[(i + 1) % ring.size()];
        if (nearBox(a, b, window, kRibNumberClearance))
            near.edges.emplace_back(a, b);
    }
    if (near.edges.empty()) {
        near.windowInside = insideRing(
            ring, QPointF((window.left + window.right) / 2, (window.bottom + window.top) / 2));
    }
    return near;
}

// The piece as the boxes inside one window see it. A rib metres long has rings of thousands of
// points, and only the few edges near the window can decide a place in it.
struct PieceNearWindow {
    RingNearWindow outer;
    std::vector<RingNearWindow> holes;
};

PieceNearWindow pieceNearWindow(const RibCut& cut, const MmBox& window) {
    PieceNearWindow piece{ringNearWindow(cut.outer, window), {}};
    for (const MmRing& hole : cut.holes) {
        RingNearWindow near = ringNearWindow(hole, window);
        // A hole away from the window takes no part in it.
        if (!near.edges.empty() || near.windowInside)
            piece.holes.push_back(std::move(near));
    }
    return piece;
}

// Whether a box inside the window lies on the material of the piece, the clearance from every
// cut edge: with no edge that near, the whole box lies on the side of its centre.
bool onPiece(const PieceNearWindow& piece, const MmBox& box) {
    const auto nearEdge = [&](const RingNearWindow& ring) {
        return std::any_of(ring.edges.begin(), ring.edges.end(), [&](const auto& edge) {
            return nearBox(edge.first, edge.second, box, kRibNumberClearance);
        });
    };
    if (nearEdge(piece.outer) || std::any_of(piece.holes.begin(), piece.holes.end(), nearEdge))
        return false;
    const QPointF centre((box.left + box.right) / 2, (box.bottom + box.top) / 2);
    if (!piece.outer.inside(centre))
        return false;
    return std::none_of(piece.holes.begin(), piece.holes.end(),
                        [&](const RingNearWindow& hole) { return hole.inside(centre); });
}

bool onPiece(const RibCut& cut, const MmBox& box) {
    return onPiece(pieceNearWindow(cut, box), box);
}

MmBox numberBox(QPointF at, double digits, double height) {
    return {at.x(), at.y(), at.x() + digits * height, at.y() + height};
}

bool crossesMarks(const WorkshopRib& rib, const MmBox& box) {
    constexpr double kLineClearance = 0.25;
    if (std::any_of(rib.cut.marks.begin(), rib.cut.marks.end(), [&](const auto& mark) {
            return nearBox(mark.first, mark.second, box, kLineClearance);
        }))
        return true;
    const auto nearPart = [&](const MarkSegment& part) {
        return nearBox(part.from, part.to, box, kLineClearance);
    };
    return std::any_of(rib.chordMarks.begin(), rib.chordMarks.end(), nearPart) ||
           std::any_of(rib.sparMarks.begin(), rib.sparMarks.end(), nearPart);
}

struct NumberPlace {
    QPointF at;
    double height = kRibNumberHeight;
};

// The usual place when it lies on the piece. Otherwise the place nearest to it, searched over the
// piece on a fine grid, at the full height or, where none holds it, a smaller one; where not even
// the smallest fits, the usual place.
NumberPlace placeRibNumber(const WorkshopRib& rib, double digits) {
    const QPointF usual = ribNumberPlace(rib, digits * kRibNumberHeight);
    if (onPiece(rib.cut, numberBox(usual, digits, kRibNumberHeight)))
        return {usual, kRibNumberHeight};
    MmBox piece{rib.cut.outer.front().x(), rib.cut.outer.front().y(), rib.cut.outer.front().x(),
                rib.cut.outer.front().y()};
    for (const QPointF& p : rib.cut.outer) include(piece, p);
    constexpr double kStep = 0.25;
    // Only a window around the usual place is searched: a number far from its spar helps nobody,
    // and the grid of a rib metres long would not fit in memory.
    constexpr double kReach = 30;  // mm
    const MmBox window{
        std::max(piece.left, usual.x() - kReach), std::max(piece.bottom, usual.y() - kReach),
        std::min(piece.right, usual.x() + kReach), std::min(piece.top, usual.y() + kReach)};
    const PieceNearWindow near = pieceNearWindow(rib.cut, window);
    for (double height = kRibNumberHeight; height >= kSmallestRibNumberHeight - 1e-9;
         height -= 0.5) {
        std::vector<QPointF> places;
        // On whole steps of the rib's frame, so that the placed number stays a short decimal.
        for (double x = std::ceil(window.left / kStep) * kStep; x + digits * height <= window.right;
             x += kStep) {
            for (double y = std::ceil(window.bottom / kStep) * kStep; y + height <= window.top;
                 y += kStep)
                places.emplace_back(x, y);
        }
        const auto distance = [&](QPointF p) {
            const QPointF d = p - usual;
            return QPointF::dotProduct(d, d);
        };
        std::stable_sort(places.begin(), places.end(),
                         [&](QPointF a, QPointF b) { return distance(a) < distance(b); });
        // Clear of the engraved lines if the piece allows, across one rather than smaller.
        for (const bool clearOfLines : {true, false}) {
            for (const QPointF& at : places) {
                const MmBox box = numberBox(at, digits, height);
                if ((!clearOfLines || !crossesMarks(rib, box)) && onPiece(near, box))
                    return {at, height};
            }
        }
    }
    return {usual, kRibNumberHeight};
}

// The parts of the line from `from` to `to` on the material of the piece, each running the way
// the line runs.
std::vector<MarkSegment> clippedToPiece(const RibCut& cut, QPointF from, QPointF to,
                                        int ribNumber) {
    ClipperLib::Clipper clipper;
    clipper.AddPath({toPolygonUnits(from, ribNumber), toPolygonUnits(to, ribNumber)},
                    ClipperLib::ptSubject, false);
    clipper.AddPaths(toPolygonPaths(cut, ribNumber), ClipperLib::ptClip, true);
    ClipperLib::PolyTree tree;
    clipper.Execute(ClipperLib::ctIntersection, tree, ClipperLib::pftEvenOdd,
                    ClipperLib::pftEvenOdd);
    ClipperLib::Paths open;
    ClipperLib::OpenPathsFromPolyTree(tree, open);
    const QPointF direction = to - from;
    const auto along = [&](QPointF p) { return QPointF::dotProduct(p - from, direction); };
    std::vector<MarkSegment> parts;
    for (const ClipperLib::Path& path : open) {
        if (path.size() < 2)
            continue;
        MarkSegment part{toMillimetres(path.front()), toMillimetres(path.back())};
        if (along(part.to) < along(part.from))
            std::swap(part.from, part.to);
        parts.push_back(part);
    }
    std::sort(parts.begin(), parts.end(), [&](const MarkSegment& a, const MarkSegment& b) {
        return along(a.from) < along(b.from);
    });
    return parts;
}

// Puts the label where it fits on the piece and sizes the footprint around everything drawn.
void placeLabel(WorkshopRib& rib, const QString& label) {
    rib.label = label;
    // A generous box for the characters: each narrower than the text height.
    const double characters = label.size();
    const NumberPlace number = placeRibNumber(rib, characters);
    rib.numberAt = number.at;
    rib.numberHeight = number.height;

    // The rib takes the room of its whole airfoil and chord line (the print draws both), however
    // little of them the piece keeps.
    MmBox box{0, 0, double(rib.chord), 0};
    for (const QPointF& p : rib.surface) include(box, p);
    for (const QPointF& p : rib.cut.outer) include(box, p);
    for (const auto& [from, to] : rib.cut.marks) {
        include(box, from);
        include(box, to);
    }
    include(box, rib.numberAt + QPointF(characters * rib.numberHeight, rib.numberHeight));
    rib.footprint = box;
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
    rib.chordMarks = clippedToPiece(rib.cut, QPointF(0, 0), QPointF(rib.chord, 0), rib.ribNumber);
    rib.sparMarks = clippedToPiece(rib.cut, QPointF(rib.sparX, rib.sparLow),
                                   QPointF(rib.sparX, rib.sparHigh), rib.ribNumber);
    placeLabel(rib, QString::number(rib.ribNumber));
    return rib;
}

// The label of a rib of one side's set.
QString sideLabel(RibSides side, int ribNumber) {
    const QString number = QString::number(ribNumber);
    switch (side) {
        case RibSides::Left:
            return QLatin1Char('L') + number;
        case RibSides::Right:
            return QLatin1Char('R') + number;
        default:
            return number;
    }
}

// The gap keeps the grown contours of neighbours apart only while it is at least the kerf.
void checkGapAndKerf(const OutputOptions& options) {
    if (options.gap < options.kerf) {
        throw RibwrightError(export_texts::gapNarrowerThanKerf(formatGeneralNumber(options.gap),
                                                               formatGeneralNumber(options.kerf)));
    }
}

QString sizeText(double mm) {
    return QString::number(std::round(mm * 10) / 10, 'f', 1);
}

}  // namespace

MmBox ribNumberBox(const WorkshopRib& rib) {
    return numberBox(rib.numberAt, rib.label.size(), rib.numberHeight);
}

QPointF labelOnSheet(const WorkshopRib& rib) {
    if (!rib.turned)
        return rib.onSheet(rib.numberAt);
    const MmBox box = ribNumberBox(rib);
    return rib.onSheet(QPointF(box.right, box.top));
}

std::vector<WorkshopRib> buildWorkshopRibs(const RibSeries& series) {
    std::vector<WorkshopRib> ribs;
    ribs.reserve(series.ribs.size());
    for (const SeriesRib& rib : series.ribs) ribs.push_back(workshopRib(rib));
    return ribs;
}

std::vector<WorkshopRib> buildWorkshopRibs(const RibSeries& series, const OutputOptions& options) {
    std::vector<WorkshopRib> once = buildWorkshopRibs(series);
    std::vector<RibSides> sides{options.sides};
    if (options.sides == RibSides::Both)
        sides = {RibSides::Right, RibSides::Left};
    std::vector<WorkshopRib> ribs;
    ribs.reserve(once.size() * sides.size() * std::max(options.copies, 1));
    for (const RibSides side : sides) {
        std::vector<WorkshopRib> set = once;
        if (side != RibSides::One) {
            for (WorkshopRib& rib : set) placeLabel(rib, sideLabel(side, rib.ribNumber));
        }
        for (int copy = 0; copy < std::max(options.copies, 1); ++copy) {
            for (WorkshopRib& rib : set) rib.copy = copy;
            ribs.insert(ribs.end(), set.begin(), set.end());
        }
    }
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

WorkshopLayout layoutOnStock(const RibJob& job, const RibSeries& series,
                             const OutputOptions& options) {
    checkGapAndKerf(options);
    std::vector<WorkshopRib> ribs = buildWorkshopRibs(series, options);
    // The label was placed on the nominal piece: the engraving stays where the drawing has it.
    if (options.kerf > 0) {
        for (WorkshopRib& rib : ribs) {
            rib.cut = grownByKerf(rib.cut, options.kerf, rib.ribNumber);
            const double half = options.kerf / 2;
            rib.footprint = {rib.footprint.left - half, rib.footprint.bottom - half,
                             rib.footprint.right + half, rib.footprint.top + half};
        }
    }
    WorkshopLayout layout;
    if (options.nest) {
        layout = nestOnStock(std::move(ribs), options.stock, options.gap);
    } else {
        RowOptions rows;
        rows.width = options.stock.width();
        rows.height = options.stock.height();
        rows.gap = options.gap;
        layout = placeInRows(std::move(ribs), rows);
    }
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
