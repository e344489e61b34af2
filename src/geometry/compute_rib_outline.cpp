#include "geometry/compute_rib_outline.h"

#include "geometry/loop_orientation.h"
#include "geometry/offset_corner.h"

namespace rw {
namespace {

RibPoint surfacePoint(const RibOutline& outline, int i) {
    return {outline.surfaceX[i], outline.surfaceY[i]};
}

// The neighbours of corner i, stepping over points that repeat it: a repeated point adds a
// segment of zero length, which has no direction of its own, so the corner is mitred between
// the segments on either side of the repetition. Without such a neighbour the first or last
// point stands in, and the corner offset copes with the empty segment.
int previousDistinct(const RibOutline& outline, int i) {
    const RibPoint here = surfacePoint(outline, i);
    for (int j = i - 1; j > 0; --j) {
        if (!(surfacePoint(outline, j) == here))
            return j;
    }
    return 0;
}

int nextDistinct(const RibOutline& outline, int i, int last) {
    const RibPoint here = surfacePoint(outline, i);
    for (int j = i + 1; j < last; ++j) {
        if (!(surfacePoint(outline, j) == here))
            return j;
    }
    return last;
}

}  // namespace

void computeRibOutline(const AirfoilProfile& profile, float ribChord, double thicknessFactor,
                       float skinThickness, RibOutline& outline) {
    const int n = profile.pointCount();
    outline.surfaceX.resize(n);
    outline.surfaceY.resize(n);
    outline.ribX.resize(n);
    outline.ribY.resize(n);

    // The thickness factor scales the surface itself: what is drawn and exported is the
    // thickened or thinned airfoil. Each product is rounded once, when stored.
    const double c = ribChord;
    for (int i = 0; i < n; ++i) {
        outline.surfaceX[i] = float(double(profile.x[i]) * c);
        outline.surfaceY[i] = float(double(profile.y[i]) * c * thicknessFactor);
    }
    outline.ribX = outline.surfaceX;
    outline.ribY = outline.surfaceY;

    // No skin, or too few points for a corner: the rib is the surface.
    if (!(skinThickness > 0) || n < 3)
        return;

    // Corners move to the left of the travel, which is the inside of a loop that runs
    // anticlockwise (trailing edge, upper surface, leading edge, lower surface). A loop written
    // the other way round has its inside on the right: a negative thickness moves it there.
    const bool clockwise = twiceSignedLoopArea(outline.surfaceX, outline.surfaceY) < 0;
    const float inward = clockwise ? -skinThickness : skinThickness;

    // Every corner is taken from the surface, never from rib points already moved.
    for (int i = 1; i <= n - 2; ++i) {
        const CornerOffset corner = offsetCorner(
            surfacePoint(outline, previousDistinct(outline, i)), surfacePoint(outline, i),
            surfacePoint(outline, nextDistinct(outline, i, n - 1)), inward);
        outline.ribX[i] = corner.vertex.x;
        outline.ribY[i] = corner.vertex.y;
        if (i == 1) {
            outline.ribX[0] = corner.start.x;
            outline.ribY[0] = corner.start.y;
        }
        if (i == n - 2) {
            outline.ribX[n - 1] = corner.end.x;
            outline.ribY[n - 1] = corner.end.y;
        }
    }
}

}  // namespace rw
