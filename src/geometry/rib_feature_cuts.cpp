#include "geometry/clipper_units.h"
#include "geometry/contour_section.h"
#include "geometry/geometry_texts.h"
#include "geometry/featured_rib.h"
#include "geometry/lightening_holes.h"

#include <algorithm>
#include <cmath>

namespace rw {
namespace {

// Pieces smaller than this are the library's rounding crumbs where a cut passes a corner, not
// parts of the rib (a hundredth of a square millimetre).
constexpr double kCrumbArea = 0.01 * kPolygonUnitsPerMm * kPolygonUnitsPerMm;
// How far a cutter reaches past the rib so its far edge never touches the contour.
constexpr double kOverreach = 1.0;  // mm

ClipperLib::Path rectangle(int ribNumber, double left, double bottom, double right, double top) {
    return toPolygonPath(
        {QPointF(left, bottom), QPointF(right, bottom), QPointF(right, top), QPointF(left, top)},
        ribNumber);
}

// The rib being cut, with the extent of its outer contour.
struct Piece {
    RibCut cut;
    ContourSpan span;
    double lowest = 0;
    double highest = 0;
};

Piece pieceOf(RibCut cut) {
    Piece piece{std::move(cut), {}, 0, 0};
    piece.span = chordwiseSpan(piece.cut.outer);
    if (!piece.cut.outer.empty())
        piece.lowest = piece.highest = piece.cut.outer.front().y();
    for (const QPointF& p : piece.cut.outer) {
        piece.lowest = std::min(piece.lowest, p.y());
        piece.highest = std::max(piece.highest, p.y());
    }
    return piece;
}

// Cuts `cutters` out of the piece. A rib that falls apart, or of which nothing is left, is
// refused in the name of the feature that did it.
void cutAway(Piece& piece, const ClipperLib::Paths& cutters, int ribNumber,
             const QString& feature) {
    ClipperLib::Clipper clipper;
    clipper.StrictlySimple(true);
    clipper.AddPaths(toPolygonPaths(piece.cut, ribNumber), ClipperLib::ptSubject, true);
    clipper.AddPaths(cutters, ClipperLib::ptClip, true);
    ClipperLib::PolyTree tree;
    clipper.Execute(ClipperLib::ctDifference, tree, ClipperLib::pftEvenOdd, ClipperLib::pftNonZero);
    int pieces = 0;
    for (const ClipperLib::PolyNode* node : tree.Childs) {
        if (std::fabs(ClipperLib::Area(node->Contour)) >= kCrumbArea)
            ++pieces;
    }
    if (pieces == 0)
        refuseNothingLeft(ribNumber, feature);
    if (pieces > 1)
        refuseSplitsRib(ribNumber, feature);
    piece = pieceOf(largestPieceOf(tree));
}

void checkPositive(std::initializer_list<double> sizes, int ribNumber, const QString& feature) {
    for (double size : sizes) {
        if (!(size > 0) || !std::isfinite(size))
            refuseNonPositiveSize(ribNumber, feature);
    }
}

void cutTrailingEdge(Piece& piece, const TrailingEdgeStock& stock, float ribChord, int ribNumber) {
    const QString name = trailingEdgeName(stock);
    if (stock.cut == TrailingEdgeCut::Flat) {
        checkPositive({stock.distance}, ribNumber, name);
        const double at = ribChord - stock.distance;
        cutAway(piece,
                {rectangle(ribNumber, at, piece.lowest - kOverreach, piece.span.back + kOverreach,
                           piece.highest + kOverreach)},
                ribNumber, name);
        return;
    }
    checkPositive({stock.notchLength, stock.notchHeight}, ribNumber, name);
    const double front = ribChord - stock.notchLength;
    if (front <= piece.span.front) {
        refuseOutsideChord(ribNumber, name, front, ribChord, piece.span.front, piece.span.back);
    }
    const ContourSection section = sectionAt(piece.cut.outer, front);
    // A slot that starts behind the rib's tail has nothing to cut.
    if (!section.crosses)
        return;
    if (stock.notchHeight >= section.height())
        refuseDeeperThanRib(ribNumber, name, stock.notchHeight, section.height(), false);
    const double half = stock.notchHeight / 2;
    cutAway(piece,
            {rectangle(ribNumber, front, section.middle() - half, piece.span.back + kOverreach,
                       section.middle() + half)},
            ribNumber, name);
}

double notchCentre(const SparNotch& notch, float ribChord) {
    return notch.positionInMm ? notch.position : double(ribChord) * notch.position / 100;
}

void cutSparNotch(Piece& piece, const SparNotch& notch, int index, float ribChord, int ribNumber) {
    const QString name = sparNotchName(index, notch);
    checkPositive({notch.width, notch.depth}, ribNumber, name);
    const double centre = notchCentre(notch, ribChord);
    const double left = centre - notch.width / 2;
    const double right = centre + notch.width / 2;
    if (!(left > piece.span.front && right < piece.span.back))
        refuseOutsideChord(ribNumber, name, left, right, piece.span.front, piece.span.back);

    const ContourSection section = sectionAt(piece.cut.outer, centre);
    const bool both = notch.side == NotchSide::Both;
    const double removed = both ? 2 * notch.depth : notch.depth;
    if (!section.crosses || removed >= section.height())
        refuseDeeperThanRib(ribNumber, name, removed, section.height(), both);

    ClipperLib::Paths cutters;
    if (notch.side != NotchSide::Bottom) {
        cutters.push_back(rectangle(ribNumber, left, section.top - notch.depth, right,
                                    piece.highest + kOverreach));
    }
    if (notch.side != NotchSide::Top) {
        cutters.push_back(rectangle(ribNumber, left, piece.lowest - kOverreach, right,
                                    section.bottom + notch.depth));
    }
    cutAway(piece, cutters, ribNumber, name);
}

// Bays run between neighbouring spars and from the last spar to the trailing-edge stock (or the
// tail); the nose ahead of the first spar stays solid unless there is no spar at all. Every bay
// keeps the web from the notches and the stock.
std::vector<HoleBay> holeBays(const std::vector<SparNotch>& notches, const Piece& piece,
                              const TrailingEdgeStock& stock, float ribChord, double web) {
    std::vector<std::pair<double, double>> spars;
    for (const SparNotch& notch : notches) {
        const double centre = notchCentre(notch, ribChord);
        spars.emplace_back(centre - notch.width / 2, centre + notch.width / 2);
    }
    std::sort(spars.begin(), spars.end());
    double tail = piece.span.back;
    if (stock.cut == TrailingEdgeCut::Flat)
        tail = std::min(tail, ribChord - stock.distance);
    if (stock.cut == TrailingEdgeCut::Notch)
        tail = std::min(tail, ribChord - stock.notchLength);

    std::vector<HoleBay> bays;
    double from = spars.empty() ? piece.span.front : spars.front().second + web;
    for (size_t i = 1; i < spars.size(); ++i) {
        bays.push_back({from, spars[i].first - web});
        from = std::max(from, spars[i].second + web);
    }
    bays.push_back({from, tail - web});
    return bays;
}

void cutHoles(Piece& piece, const RibFeatures& features, float ribChord, int ribNumber) {
    const LighteningHoles& holes = features.holes;
    const QString name = lighteningHolesName();
    checkPositive({holes.diameterPercent, holes.web}, ribNumber, name);
    if (holes.diameterPercent >= 100)
        refuseHoleDiameter(ribNumber, holes.diameterPercent);
    const std::vector<HoleBay> bays =
        holeBays(features.sparNotches, piece, features.trailingEdge, ribChord, holes.web);
    for (const HoleCircle& hole :
         placeLighteningHoles(piece.cut.outer, bays, holes.diameterPercent, holes.web)) {
        // On the polygon grid, like every other ring of the cut.
        piece.cut.holes.push_back(toMmRing(toPolygonPath(holeRing(hole), ribNumber)));
    }
}

}  // namespace

RibCut applyRibFeatures(const RibCut& contour, float ribChord, int ribNumber,
                        const RibFeatures& features) {
    if (contour.empty())
        return contour;
    Piece piece = pieceOf(contour);
    if (features.trailingEdge.cut != TrailingEdgeCut::None)
        cutTrailingEdge(piece, features.trailingEdge, ribChord, ribNumber);
    for (size_t i = 0; i < features.sparNotches.size(); ++i)
        cutSparNotch(piece, features.sparNotches[i], int(i) + 1, ribChord, ribNumber);
    if (features.holes.on)
        cutHoles(piece, features, ribChord, ribNumber);
    return piece.cut;
}

}  // namespace rw
