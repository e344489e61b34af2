#include "geometry/wing/airfoil_blend.h"

#include "geometry/wing/wing_texts.h"
#include "platform/errors.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace rw {
namespace {

// Stations per surface: enough for a smooth rib, more when an input is finer than that.
constexpr int kLeastStations = 80;
constexpr int kMostStations = 400;

struct SurfacePoint {
    double x = 0;
    double y = 0;
};
// One surface from the leading edge to its trailing-edge point.
using Surface = std::vector<SurfacePoint>;

struct SplitProfile {
    Surface upper;
    Surface lower;
};

SplitProfile splitAtLeadingEdge(const AirfoilProfile& profile) {
    const int count = std::min(int(profile.x.size()), int(profile.y.size()));
    if (count < 3)
        throw RibwrightError(airfoilWithoutLeadingEdgeText());
    // The first of equal least x, so a blunt nose keeps its upper points on the upper surface.
    int leadingEdge = 0;
    for (int i = 1; i < count; ++i)
        if (profile.x[i] < profile.x[leadingEdge])
            leadingEdge = i;
    if (leadingEdge == 0 || leadingEdge == count - 1)
        throw RibwrightError(airfoilWithoutLeadingEdgeText());
    SplitProfile split;
    for (int i = leadingEdge; i >= 0; --i) split.upper.push_back({profile.x[i], profile.y[i]});
    for (int i = leadingEdge; i < count; ++i) split.lower.push_back({profile.x[i], profile.y[i]});
    return split;
}

// The height of `surface` at `x`, read along the surface from the leading edge. A surface that
// turns back in x is read on its forward-running envelope, so every x has exactly one height.
class SurfaceReader {
  public:
    explicit SurfaceReader(const Surface& surface) : surface_(surface) {
        double reach = -INFINITY;
        for (const SurfacePoint& point : surface) {
            reach = std::max(reach, point.x);
            reach_.push_back(reach);
        }
    }

    double heightAt(double x) const {
        const auto after = std::lower_bound(reach_.begin(), reach_.end(), x);
        if (after == reach_.begin())
            return surface_.front().y;
        if (after == reach_.end())
            return surface_.back().y;
        const std::size_t i = std::size_t(after - reach_.begin());
        // reach_[i - 1] < x <= reach_[i], and reach_[i] is point i's own x.
        const double from = reach_[i - 1];
        const double share = (x - from) / (surface_[i].x - from);
        return surface_[i - 1].y + (surface_[i].y - surface_[i - 1].y) * share;
    }

  private:
    const Surface& surface_;
    std::vector<double> reach_;
};

// The surface on `stations` + 1 points, cosine-spaced from its leading edge to its trailing-edge
// point, both of which are kept exactly.
Surface resample(const Surface& surface, int stations) {
    const SurfaceReader reader(surface);
    const SurfacePoint front = surface.front();
    const SurfacePoint back = surface.back();
    Surface result;
    result.reserve(std::size_t(stations) + 1);
    result.push_back(front);
    for (int j = 1; j < stations; ++j) {
        const double x = front.x + (back.x - front.x) * (1 - std::cos(M_PI * j / stations)) / 2;
        result.push_back({x, reader.heightAt(x)});
    }
    result.push_back(back);
    return result;
}

Surface mix(const Surface& inner, const Surface& outer, double share) {
    Surface result(inner.size());
    for (std::size_t j = 0; j < inner.size(); ++j) {
        result[j].x = inner[j].x + (outer[j].x - inner[j].x) * share;
        result[j].y = inner[j].y + (outer[j].y - inner[j].y) * share;
    }
    return result;
}

int stationsFor(const SplitProfile& inner, const SplitProfile& outer) {
    const std::size_t finest =
        std::max({inner.upper.size(), inner.lower.size(), outer.upper.size(), outer.lower.size()});
    return std::clamp(int(finest) - 1, kLeastStations, kMostStations);
}

}  // namespace

AirfoilProfile blendAirfoils(const AirfoilProfile& inner, const AirfoilProfile& outer,
                             double share) {
    if (!(share > 0))  // NaN too: nothing of the outer airfoil
        return inner;
    if (share >= 1)
        return outer;
    const SplitProfile innerSplit = splitAtLeadingEdge(inner);
    const SplitProfile outerSplit = splitAtLeadingEdge(outer);
    const int stations = stationsFor(innerSplit, outerSplit);
    const Surface upper =
        mix(resample(innerSplit.upper, stations), resample(outerSplit.upper, stations), share);
    const Surface lower =
        mix(resample(innerSplit.lower, stations), resample(outerSplit.lower, stations), share);

    // Back into loop order: trailing edge over the upper surface to the leading edge, then the
    // lower surface back to its trailing edge.
    AirfoilProfile blended;
    for (auto point = upper.rbegin(); point != upper.rend(); ++point) {
        blended.x.push_back(float(point->x));
        blended.y.push_back(float(point->y));
    }
    for (std::size_t j = 1; j < lower.size(); ++j) {
        blended.x.push_back(float(lower[j].x));
        blended.y.push_back(float(lower[j].y));
    }
    return blended;
}

}  // namespace rw
