// Over a family of generated sections, every rib point is the skin thickness inside the surface:
// each interior point lies t to the left of both segments meeting at it, and the two end points
// lie on their segment's moved line straight above or below the surface point.
#include "geometry/compute_rib_outline.h"
#include "geometry/interpolate_rib.h"
#include "outline_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace rw;
using rw::test::nacaProfile;
using rw::test::ribDistance;

namespace {

// Rounding the vertex x to single precision slides the point along the incoming moved line, by
// up to half a unit in the last place times √(1 + m²); rounding y adds half a unit in y. A few
// such units bound the distance error.
double tolerance(const RibOutline& o, int i) {
    const int a = std::max(i - 1, 0);
    const double dx = double(o.surfaceX[i]) - o.surfaceX[a];
    const double dy = double(o.surfaceY[i]) - o.surfaceY[a];
    const double steep = dx == 0 ? 1 : std::sqrt(1 + (dy / dx) * (dy / dx));
    const double ulpX = std::nextafter(std::fabs(o.ribX[i]), std::numeric_limits<float>::max()) -
                        std::fabs(o.ribX[i]);
    const double ulpY = std::nextafter(std::fabs(o.ribY[i]), std::numeric_limits<float>::max()) -
                        std::fabs(o.ribY[i]);
    return 4 * (ulpX * steep + ulpY) + 1e-9;
}

}  // namespace

TEST(SkinOffsetProperty, RibPointsLieTheSkinThicknessInside) {
    int sections = 0;
    for (double thickness : {0.06, 0.12, 0.18, 0.24}) {
        for (double camber : {0.0, 0.02, 0.06}) {
            for (int perSurface : {6, 21, 50, 100, 200}) {
                const AirfoilProfile profile = nacaProfile(camber, 0.4, thickness, perSurface);
                for (float chord : {150.0f, 37.5f, 433.3f}) {
                    for (float t : {0.5f, 1.0f, 3.0f}) {
                        SCOPED_TRACE(testing::Message()
                                     << "thickness " << thickness << " camber " << camber
                                     << " points " << profile.pointCount() << " chord " << chord
                                     << " skin " << t);
                        RibOutline o;
                        computeRibOutline(profile, chord, 0.8999999761581421, t, o);
                        const int n = profile.pointCount();
                        ASSERT_EQ(int(o.ribX.size()), n);
                        ++sections;

                        for (int i = 1; i < n - 1; ++i) {
                            const double tol = tolerance(o, i);
                            EXPECT_NEAR(ribDistance(o, i, i - 1, i), t, tol) << "point " << i;
                            EXPECT_NEAR(ribDistance(o, i, i, i + 1), t, tol) << "point " << i;
                        }
                        EXPECT_EQ(o.ribX[0], o.surfaceX[0]);
                        EXPECT_EQ(o.ribX[n - 1], o.surfaceX[n - 1]);
                        EXPECT_NEAR(ribDistance(o, 0, 0, 1), t, tolerance(o, 0));
                        EXPECT_NEAR(ribDistance(o, n - 1, n - 2, n - 1), t, tolerance(o, n - 1));
                    }
                }
            }
        }
    }
    EXPECT_EQ(sections, 4 * 3 * 5 * 3 * 3);
}

// The stored rib point must sit on the incoming segment's moved line as exactly as single
// precision allows once its x is fixed: y is taken from the line at the stored x, never at the
// unrounded intersection. Sheet, spreadsheet and drawing files all repeat these digits.
TEST(SkinOffsetProperty, VertexHeightIsTakenAtTheStoredX) {
    int checked = 0;
    for (double thickness : {0.09, 0.21}) {
        for (int perSurface : {40, 200}) {
            const AirfoilProfile profile = nacaProfile(0.04, 0.3, thickness, perSurface);
            const float t = 1.25f;
            RibOutline o;
            computeRibOutline(profile, 211.7f, 1.0, t, o);
            for (int i = 1; i + 1 < profile.pointCount(); ++i) {
                const double x0 = o.surfaceX[i - 1], y0 = o.surfaceY[i - 1];
                const double x1 = o.surfaceX[i], y1 = o.surfaceY[i];
                const double m = (y1 - y0) / (x1 - x0);
                const double lift = (x1 < x0 ? -1 : 1) * t * std::sqrt(m * m + 1);
                const double c = (y0 - m * x0) + lift;
                EXPECT_EQ(o.ribY[i], float(m * double(o.ribX[i]) + c)) << "point " << i;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 400);
}
