#include "geometry/clipper_units.h"

#include "geometry/geometry_texts.h"
#include "platform/errors.h"

#include <cmath>

namespace rw {

ClipperLib::IntPoint toPolygonUnits(QPointF mm, int ribNumber) {
    const double x = mm.x();
    const double y = mm.y();
    if (!(std::fabs(x) <= kLargestPolygonMm) || !(std::fabs(y) <= kLargestPolygonMm)) {
        throw RibwrightError(coordinatesTooLargeText(ribNumber));
    }
    return ClipperLib::IntPoint(ClipperLib::cInt(std::llround(x * kPolygonUnitsPerMm)),
                                ClipperLib::cInt(std::llround(y * kPolygonUnitsPerMm)));
}

QPointF toMillimetres(const ClipperLib::IntPoint& point) {
    return QPointF(double(point.X) / kPolygonUnitsPerMm, double(point.Y) / kPolygonUnitsPerMm);
}

ClipperLib::Path toPolygonPath(const MmRing& ring, int ribNumber) {
    ClipperLib::Path path;
    path.reserve(ring.size());
    for (const QPointF& p : ring) path.push_back(toPolygonUnits(p, ribNumber));
    return path;
}

MmRing toMmRing(const ClipperLib::Path& path) {
    MmRing ring;
    ring.reserve(path.size());
    for (const ClipperLib::IntPoint& p : path) ring.push_back(toMillimetres(p));
    return ring;
}

ClipperLib::Paths toPolygonPaths(const RibCut& cut, int ribNumber) {
    ClipperLib::Paths paths;
    if (cut.empty())
        return paths;
    paths.push_back(toPolygonPath(cut.outer, ribNumber));
    for (const MmRing& hole : cut.holes) paths.push_back(toPolygonPath(hole, ribNumber));
    return paths;
}

RibCut largestPieceOf(const ClipperLib::PolyTree& tree) {
    const ClipperLib::PolyNode* largest = nullptr;
    double largestArea = 0;
    for (const ClipperLib::PolyNode* node : tree.Childs) {
        const double area = std::fabs(ClipperLib::Area(node->Contour));
        if (area > largestArea) {
            largest = node;
            largestArea = area;
        }
    }
    RibCut cut;
    if (!largest)
        return cut;
    cut.outer = toMmRing(largest->Contour);
    for (const ClipperLib::PolyNode* hole : largest->Childs)
        cut.holes.push_back(toMmRing(hole->Contour));
    return cut;
}

}  // namespace rw
