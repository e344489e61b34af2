#include "geometry/features/rib_piece.h"

#include "geometry/geometry_texts.h"

#include <algorithm>
#include <cmath>

namespace rw {
namespace {

// Pieces smaller than this are the library's rounding crumbs where a cut passes a corner, not
// parts of the rib (a hundredth of a square millimetre).
constexpr double kCrumbArea = 0.01 * kPolygonUnitsPerMm * kPolygonUnitsPerMm;

}  // namespace

RibPiece::RibPiece(RibCut cut, float ribChord, int ribNumber)
    : cut_(std::move(cut)), ribChord_(ribChord), ribNumber_(ribNumber) {
    measure();
}

ClipperLib::Path RibPiece::rectangle(double left, double bottom, double right, double top) const {
    return toPolygonPath(
        {QPointF(left, bottom), QPointF(right, bottom), QPointF(right, top), QPointF(left, top)},
        ribNumber_);
}

void RibPiece::cutAway(const ClipperLib::Paths& cutters, const QString& feature) {
    combine(ClipperLib::ctDifference, cutters, feature);
}

void RibPiece::addOn(const ClipperLib::Paths& additions, const QString& feature) {
    combine(ClipperLib::ctUnion, additions, feature);
}

void RibPiece::openHole(const MmRing& ring) {
    cut_.holes.push_back(toMmRing(toPolygonPath(ring, ribNumber_)));
}

// The piece's own rings are read even-odd, so its holes stay holes; the shapes non-zero, so
// shapes that overlap each other act as one.
void RibPiece::combine(ClipperLib::ClipType operation, const ClipperLib::Paths& shapes,
                       const QString& feature) {
    ClipperLib::Clipper clipper;
    clipper.StrictlySimple(true);
    clipper.AddPaths(toPolygonPaths(cut_, ribNumber_), ClipperLib::ptSubject, true);
    clipper.AddPaths(shapes, ClipperLib::ptClip, true);
    ClipperLib::PolyTree tree;
    clipper.Execute(operation, tree, ClipperLib::pftEvenOdd, ClipperLib::pftNonZero);
    int pieces = 0;
    for (const ClipperLib::PolyNode* node : tree.Childs) {
        if (std::fabs(ClipperLib::Area(node->Contour)) >= kCrumbArea)
            ++pieces;
    }
    if (pieces == 0)
        refuseNothingLeft(ribNumber_, feature);
    if (pieces > 1)
        refuseSplitsRib(ribNumber_, feature);
    cut_ = largestPieceOf(tree);
    measure();
}

void RibPiece::measure() {
    span_ = chordwiseSpan(cut_.outer);
    lowest_ = highest_ = 0;
    if (!cut_.outer.empty())
        lowest_ = highest_ = cut_.outer.front().y();
    for (const QPointF& p : cut_.outer) {
        lowest_ = std::min(lowest_, p.y());
        highest_ = std::max(highest_, p.y());
    }
}

}  // namespace rw
