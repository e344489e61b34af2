// The cut contour over a family of generated sections: a simple, counter-clockwise polygon that
// keeps the skin thickness inside the surface, trimmed at the crossing of a thin trailing edge.
#include "geometry/clipper_units.h"
#include "geometry/compute_rib_outline.h"
#include "geometry/interpolate_rib.h"
#include "outline_test_support.h"
#include "platform/errors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace rw;
using rw::test::nacaProfile;

namespace {

using Point = ClipperLib::IntPoint;

int turn(const Point& a, const Point& b, const Point& c) {
    const __int128 cross = __int128(b.X - a.X) * (c.Y - a.Y) - __int128(b.Y - a.Y) * (c.X - a.X);
    return cross > 0 ? 1 : cross < 0 ? -1 : 0;
}

bool onSegment(const Point& a, const Point& b, const Point& p) {
    return turn(a, b, p) == 0 && std::min(a.X, b.X) <= p.X && p.X <= std::max(a.X, b.X) &&
           std::min(a.Y, b.Y) <= p.Y && p.Y <= std::max(a.Y, b.Y);
}

// Whether the segments ab and cd meet, touching included; exact on the integer grid.
bool meet(const Point& a, const Point& b, const Point& c, const Point& d) {
    const int d1 = turn(c, d, a), d2 = turn(c, d, b), d3 = turn(a, b, c), d4 = turn(a, b, d);
    if (d1 * d2 < 0 && d3 * d4 < 0)
        return true;
    return onSegment(c, d, a) || onSegment(c, d, b) || onSegment(a, b, c) || onSegment(a, b, d);
}

// A closed ring is simple when no two edges meet other than neighbours at their shared corner.
bool isSimple(const ClipperLib::Path& ring) {
    const std::size_t n = ring.size();
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            const bool neighbours = j == i + 1 || (i == 0 && j == n - 1);
            if (neighbours) {
                if (ring[i] == ring[(i + 1) % n] || ring[j] == ring[(j + 1) % n])
                    return false;  // an empty edge
                continue;
            }
            if (meet(ring[i], ring[(i + 1) % n], ring[j], ring[(j + 1) % n]))
                return false;
        }
    }
    return true;
}

double segmentDistance(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double len2 = QPointF::dotProduct(ab, ab);
    const double s = len2 == 0 ? 0 : std::clamp(QPointF::dotProduct(p - a, ab) / len2, 0.0, 1.0);
    const QPointF d = p - (a + s * ab);
    return std::hypot(d.x(), d.y());
}

// Ray to the left; a point on the closing edge at the trailing edge (x = chord) is not counted
// against it, so the trailing-edge face of a thick section counts as inside.
bool insideSurface(QPointF p, const RibOutline& o) {
    bool inside = false;
    const std::size_t n = o.surfaceX.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const double yi = o.surfaceY[i], yj = o.surfaceY[j];
        if ((yi > p.y()) == (yj > p.y()))
            continue;
        const double x =
            o.surfaceX[i] + (p.y() - yi) * (double(o.surfaceX[j]) - o.surfaceX[i]) / (yj - yi);
        if (x < p.x())
            inside = !inside;
    }
    return inside;
}

double maxThickness(const RibOutline& o) {
    const auto [low, high] = std::minmax_element(o.surfaceY.begin(), o.surfaceY.end());
    return double(*high) - *low;
}

}  // namespace

TEST(CutContour, SimpleCounterClockwiseAndTheSkinInsideTheSurfaceOverNacaFamily) {
    int cuts = 0, empties = 0, rawLoops = 0, trimmed = 0;
    for (double thickness : {0.06, 0.12, 0.21}) {
        for (double camber : {0.0, 0.04}) {
            for (int perSurface : {21, 100, 200}) {
                for (bool sharpTrailingEdge : {false, true}) {
                    AirfoilProfile profile = nacaProfile(camber, 0.4, thickness, perSurface);
                    if (sharpTrailingEdge)
                        profile.y.front() = profile.y.back() = 0;
                    for (float chord : {37.5f, 150.0f}) {
                        for (float t : {0.5f, 1.0f, 3.0f}) {
                            SCOPED_TRACE(testing::Message()
                                         << "thickness " << thickness << " camber " << camber
                                         << " points " << profile.pointCount() << " sharp "
                                         << sharpTrailingEdge << " chord " << chord << " skin "
                                         << t);
                            RibOutline o;
                            computeRibOutline(profile, chord, 1.0, t, o);
                            MmRing raw;
                            for (std::size_t i = 0; i < o.ribX.size(); ++i)
                                raw.emplace_back(o.ribX[i], o.ribY[i]);
                            rawLoops += !isSimple(toPolygonPath(raw, 1));

                            const RibCut cut = computeCutContour(o, t, 1);
                            if (cut.empty()) {
                                EXPECT_LT(maxThickness(o), 2 * t);
                                ++empties;
                                continue;
                            }
                            ++cuts;
                            EXPECT_TRUE(cut.holes.empty());
                            const ClipperLib::Path ring = toPolygonPath(cut.outer, 1);
                            ASSERT_GE(ring.size(), 3u);
                            EXPECT_TRUE(isSimple(ring));
                            EXPECT_GT(ClipperLib::Area(ring), 0);
                            double right = 0;
                            for (const QPointF& p : cut.outer) {
                                right = std::max(right, p.x());
                                EXPECT_TRUE(insideSurface(p, o)) << p.x() << ", " << p.y();
                                double nearest = 1e9;
                                for (std::size_t i = 1; i < o.surfaceX.size(); ++i) {
                                    nearest = std::min(
                                        nearest,
                                        segmentDistance(p, {o.surfaceX[i - 1], o.surfaceY[i - 1]},
                                                        {o.surfaceX[i], o.surfaceY[i]}));
                                }
                                ASSERT_GT(nearest, t - 2e-4) << p.x() << ", " << p.y();
                            }
                            // A sharp trailing edge ends where the two moved surfaces cross.
                            if (sharpTrailingEdge) {
                                EXPECT_LT(right, chord - t);
                                ++trimmed;
                            }
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(cuts, 150);
    EXPECT_GT(empties, 0);    // the thinnest small ribs under a 3 mm skin
    EXPECT_GT(rawLoops, 50);  // the outlines the cut had to mend
    EXPECT_GT(trimmed, 50);
}

// The worked five-point rib: its branches cross before the trailing edge, so the piece closes
// where the two moved lines meet, and keeps the mitred leading-edge point.
TEST(CutContour, ClosesAtTheCrossingAndNamesTheRibOfAnUnusableCoordinate) {
    const AirfoilProfile profile =
        rw::test::profileOf({{1, 0}, {0.5f, 0.06f}, {0, 0}, {0.5f, -0.04f}, {1, 0}});
    RibOutline o;
    computeRibOutline(profile, 100, 1.0, 1.0f, o);
    const RibCut cut = computeCutContour(o, 1.0f, 1);
    ASSERT_EQ(cut.outer.size(), 4u);
    // Upper moved line y = 4.99283 − 0.12 (x − 50), lower y = −2.99681 + 0.08 (x − 50).
    const double upper0 = 4.99283 + 0.12 * 50, lower0 = -2.99681 - 0.08 * 50;
    const double crossing = (upper0 - lower0) / (0.12 + 0.08);
    const auto rightmost = std::max_element(cut.outer.begin(), cut.outer.end(),
                                            [](QPointF a, QPointF b) { return a.x() < b.x(); });
    EXPECT_NEAR(rightmost->x(), crossing, 1e-3);
    EXPECT_NEAR(rightmost->y(), upper0 - 0.12 * crossing, 1e-3);

    o.ribY[2] = std::numeric_limits<float>::infinity();
    try {
        computeCutContour(o, 1.0f, 7);
        FAIL() << "an infinite coordinate was accepted";
    } catch (const RibwrightError& e) {
        EXPECT_TRUE(e.text().startsWith(QStringLiteral("リブ 7 "))) << e.what();
    }
}
