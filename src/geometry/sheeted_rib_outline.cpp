#include "geometry/sheeted_rib_outline.h"

#include "geometry/compute_rib_outline.h"
#include "geometry/interpolate_rib.h"
#include "geometry/offset_corner.h"

#include <cmath>
#include <utility>

namespace rw {
namespace {

RibPoint surfacePoint(const RibOutline& o, int i) {
    return {o.surfaceX[i], o.surfaceY[i]};
}

// The leading edge is where the loop turns from the upper surface to the lower: its foremost
// point, with any repetitions of it that follow.
struct LeadingEdgeRun {
    int first = 0;
    int last = 0;
};

LeadingEdgeRun leadingEdgeRun(const RibOutline& o) {
    const int n = int(o.surfaceX.size());
    LeadingEdgeRun run;
    for (int i = 1; i < n; ++i) {
        if (o.surfaceX[i] < o.surfaceX[run.first])
            run.first = i;
    }
    run.last = run.first;
    while (run.last + 1 < n && surfacePoint(o, run.last + 1) == surfacePoint(o, run.first))
        ++run.last;
    return run;
}

// The corner where the upper segment, moved in by `upperSkin`, meets the lower one, moved in by
// `lowerSkin`: the mitre of two lines moved by different distances.
RibPoint mixedCorner(RibPoint previous, RibPoint vertex, RibPoint next, double upperSkin,
                     double lowerSkin) {
    const double ux = double(vertex.x) - previous.x, uy = double(vertex.y) - previous.y;
    const double vx = double(next.x) - vertex.x, vy = double(next.y) - vertex.y;
    const double ul = std::hypot(ux, uy), vl = std::hypot(vx, vy);
    if (ul == 0 || vl == 0)
        return vertex;
    // Points on the two moved lines, each to the left of its travel.
    const double ax = vertex.x - uy / ul * upperSkin, ay = vertex.y + ux / ul * upperSkin;
    const double bx = vertex.x - vy / vl * lowerSkin, by = vertex.y + vx / vl * lowerSkin;
    const double cross = ux * vy - uy * vx;
    if (std::fabs(cross) < 1e-12 * ul * vl)
        return {float((ax + bx) / 2), float((ay + by) / 2)};
    const double along = ((bx - ax) * vy - (by - ay) * vx) / cross;
    return {float(ax + along * ux), float(ay + along * uy)};
}

// Twice the signed area of the surface: positive when the loop runs counter-clockwise (y up),
// from the trailing edge over the upper surface first.
double surfaceArea(const RibOutline& o) {
    double sum = 0;
    const size_t n = o.surfaceX.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++)
        sum += double(o.surfaceX[j]) * o.surfaceY[i] - double(o.surfaceX[i]) * o.surfaceY[j];
    return sum;
}

}  // namespace

void computeSheetedRibOutline(const AirfoilProfile& profile, float ribChord, double thicknessFactor,
                              float upperSkin, float lowerSkin, RibOutline& outline) {
    computeRibOutline(profile, ribChord, thicknessFactor, upperSkin, outline);
    if (upperSkin == lowerSkin)
        return;
    RibOutline lower;
    computeRibOutline(profile, ribChord, thicknessFactor, lowerSkin, lower);
    const int n = int(outline.surfaceX.size());
    if (n < 3)
        return;
    // A loop given the other way round meets the lower surface first.
    if (surfaceArea(outline) < 0) {
        std::swap(outline, lower);
        std::swap(upperSkin, lowerSkin);
    }

    const LeadingEdgeRun le = leadingEdgeRun(outline);
    for (int i = le.last + 1; i < n; ++i) {
        outline.ribX[i] = lower.ribX[i];
        outline.ribY[i] = lower.ribY[i];
    }
    // A loop that starts or ends at its foremost point has no corner joining the two surfaces.
    if (le.first == 0 || le.last == n - 1)
        return;
    const auto clamp = [](float t) { return t > 0 ? double(t) : 0.0; };
    const RibPoint corner =
        mixedCorner(surfacePoint(outline, le.first - 1), surfacePoint(outline, le.first),
                    surfacePoint(outline, le.last + 1), clamp(upperSkin), clamp(lowerSkin));
    for (int i = le.first; i <= le.last; ++i) {
        outline.ribX[i] = corner.x;
        outline.ribY[i] = corner.y;
    }
}

}  // namespace rw
