#include "export/kerf_offset.h"

#include "geometry/clipper_units.h"

namespace rw {

RibCut grownByKerf(const RibCut& cut, double kerfMm, int ribNumber) {
    if (cut.empty() || kerfMm <= 0)
        return cut;
    // A round corner stays within a micrometre of the true arc: far below what a beam resolves.
    constexpr double kArcToleranceMm = 0.001;
    ClipperLib::ClipperOffset offset(2, kArcToleranceMm * kPolygonUnitsPerMm);
    offset.AddPaths(toPolygonPaths(cut, ribNumber), ClipperLib::jtRound,
                    ClipperLib::etClosedPolygon);
    ClipperLib::PolyTree tree;
    offset.Execute(tree, kerfMm / 2 * kPolygonUnitsPerMm);
    RibCut grown = largestPieceOf(tree);
    grown.marks = cut.marks;
    return grown;
}

}  // namespace rw
