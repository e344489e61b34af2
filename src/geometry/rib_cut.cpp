#include "geometry/rib_cut.h"

#include "geometry/clipper_units.h"
#include "geometry/loop_orientation.h"

#include <algorithm>

namespace rw {
namespace {

// What may remain of the rib: the surface polygon set in by the skin thickness, less a micrometre
// so that the mitred outline, rounded to single precision, stays the boundary wherever it is
// sound. Where the outline turns inside out (a rib thinner than two skins, whose mitred leading
// edge then reaches past the trailing edge) the mask is what trims it. The trailing-edge face
// carries no skin: the two end points are carried on straight back, so the face itself is not
// set in and a thick trailing edge keeps its full length.
ClipperLib::Paths surfaceMask(const RibOutline& outline, float skinThickness, bool reversed,
                              int ribNumber) {
    const std::size_t n = outline.surfaceX.size();
    const double t = skinThickness;
    MmRing ring;
    ring.reserve(n + 2);
    for (std::size_t i = 0; i < n; ++i) ring.emplace_back(outline.surfaceX[i], outline.surfaceY[i]);
    const double stub = 4 * t + 1;
    const QPointF first = ring.front(), last = ring.back();
    ring.push_back(last + QPointF(stub, 0));
    ring.push_back(first + QPointF(stub, 0));
    ClipperLib::Path path = toPolygonPath(ring, ribNumber);
    if (reversed)
        std::reverse(path.begin(), path.end());

    ClipperLib::ClipperOffset offset(1000);
    offset.AddPath(path, ClipperLib::jtMiter, ClipperLib::etClosedPolygon);
    ClipperLib::Paths mask;
    offset.Execute(mask, -(t - 1e-3) * kPolygonUnitsPerMm);
    return mask;
}

}  // namespace

RibCut computeCutContour(const RibOutline& outline, float skinThickness, int ribNumber) {
    const std::size_t n = outline.ribX.size();
    if (n < 3)
        return {};

    ClipperLib::Path path;
    path.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const ClipperLib::IntPoint p =
            toPolygonUnits(QPointF(outline.ribX[i], outline.ribY[i]), ribNumber);
        if (path.empty() || !(path.back() == p))
            path.push_back(p);
    }

    // The material is what the surface encloses. Walked in the profile's loop order it runs
    // counter-clockwise; a profile given the other way round is turned so that the material
    // always has a winding of +1. Then the parts the outline walks backwards over (the tail past
    // the crossing at a thin trailing edge, the swallow-tails of mitred corners) wind at −1 or 0
    // and the positive fill leaves them out.
    const bool reversed = twiceSignedLoopArea(outline.surfaceX, outline.surfaceY) < 0;
    if (reversed)
        std::reverse(path.begin(), path.end());

    ClipperLib::Clipper clipper;
    clipper.StrictlySimple(true);
    clipper.AddPath(path, ClipperLib::ptSubject, true);
    ClipperLib::PolyTree tree;
    if (skinThickness > 0) {
        clipper.AddPaths(surfaceMask(outline, skinThickness, reversed, ribNumber),
                         ClipperLib::ptClip, true);
        clipper.Execute(ClipperLib::ctIntersection, tree, ClipperLib::pftPositive,
                        ClipperLib::pftPositive);
    } else {
        clipper.Execute(ClipperLib::ctUnion, tree, ClipperLib::pftPositive,
                        ClipperLib::pftPositive);
    }
    return largestPieceOf(tree);
}

}  // namespace rw
