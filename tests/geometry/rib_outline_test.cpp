#include "geometry/compute_rib_outline.h"
#include "geometry/interpolate_rib.h"
#include "geometry/rib_series.h"
#include "outline_test_support.h"
#include "platform/errors.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace rw;
using rw::test::profileOf;
using rw::test::ribDistance;

namespace {

AirfoilProfile fivePoints() {
    return profileOf({{1, 0}, {0.5f, 0.06f}, {0, 0}, {0.5f, -0.04f}, {1, 0}});
}

void expectRibEqualsSurface(const RibOutline& o) {
    EXPECT_EQ(o.ribX, o.surfaceX);
    EXPECT_EQ(o.ribY, o.surfaceY);
}

}  // namespace

TEST(ComputeRibOutline, FivePointExample) {
    RibOutline o;
    computeRibOutline(fivePoints(), 100, 1.0, 1.0f, o);

    const float surface[5][2] = {{100, 0}, {50, 6}, {0, 0}, {50, -4}, {100, 0}};
    // Printed to six significant digits; each bound is half a unit of the last digit.
    const double rib[5][3] = {{100, -1.00717, 5e-6},
                              {50, 4.99283, 5e-6},
                              {10.0518, 0.199047, 5e-7},
                              {50, -2.99681, 5e-6},
                              {100, 1.00319, 5e-6}};
    ASSERT_EQ(o.ribX.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(o.surfaceX[i], surface[i][0]);
        EXPECT_EQ(o.surfaceY[i], surface[i][1]);
        EXPECT_NEAR(o.ribX[i], rib[i][0], i == 2 ? 5e-5 : 0);
        EXPECT_NEAR(o.ribY[i], rib[i][1], rib[i][2]);
    }
    // The thin trailing edge makes the moved upper and lower lines cross.
    EXPECT_LT(o.ribY[0], o.ribY[4]);
}

TEST(ComputeRibOutline, ThicknessFactorScalesOnlyTheHeight) {
    RibOutline o;
    computeRibOutline(fivePoints(), 100, 1.5, 0.0f, o);
    EXPECT_EQ(o.surfaceX[1], 50.0f);
    EXPECT_EQ(o.surfaceY[1], 9.0f);
    EXPECT_EQ(o.surfaceY[3], -6.0f);
}

TEST(ComputeRibOutline, HeightIsRoundedOnceFromTheWholeProduct) {
    // Height × chord × factor for rib 7 of the 150/100 series thinned to 90 %. Rounding the
    // height × chord product to single precision before applying the factor lands one unit
    // lower in the last place in each case (values worked out independently in double).
    const float chord = 116.66666412353516f;
    const double factor = 0.8999999761581421;
    const float heights[] = {0.06073388829827309f, -0.08168303966522217f};
    const float expected[] = {6.377058029174805f, -8.5767183303833f};
    RibOutline o;
    computeRibOutline(profileOf({{1, heights[0]}, {0, heights[1]}}), chord, factor, 0, o);
    EXPECT_EQ(o.surfaceY[0], expected[0]);
    EXPECT_EQ(o.surfaceY[1], expected[1]);
    EXPECT_EQ(o.surfaceX[0], chord);
}

TEST(ComputeRibOutline, NoSkinLeavesTheRibOnTheSurface) {
    for (float t : {0.0f, -1.0f, -0.5f}) {
        SCOPED_TRACE(t);
        RibOutline o;
        computeRibOutline(fivePoints(), 120, 0.9, t, o);
        ASSERT_EQ(o.surfaceX.size(), 5u);
        EXPECT_EQ(o.surfaceX[1], 60.0f);
        expectRibEqualsSurface(o);
    }
}

TEST(ComputeRibOutline, FewerThanThreePointsAreOnlyScaled) {
    const AirfoilProfile one = profileOf({{0.5f, 0.25f}});
    const AirfoilProfile two = profileOf({{1, 0}, {0, 0.25f}});
    RibOutline o;
    // A previous, larger rib must not leave entries behind.
    computeRibOutline(fivePoints(), 100, 1, 1, o);

    computeRibOutline(two, 200, 1, 2.0f, o);
    ASSERT_EQ(o.surfaceX.size(), 2u);
    ASSERT_EQ(o.ribY.size(), 2u);
    EXPECT_EQ(o.surfaceX[0], 200.0f);
    EXPECT_EQ(o.surfaceY[1], 50.0f);
    expectRibEqualsSurface(o);

    computeRibOutline(one, 200, 1, 2.0f, o);
    ASSERT_EQ(o.surfaceX.size(), 1u);
    EXPECT_EQ(o.surfaceX[0], 100.0f);
    expectRibEqualsSurface(o);

    computeRibOutline(AirfoilProfile{}, 200, 1, 2.0f, o);
    EXPECT_TRUE(o.surfaceX.empty());
    EXPECT_TRUE(o.ribX.empty());
}

TEST(ComputeRibOutline, ThreePointsMoveAllThreeFromOneCorner) {
    // Leftward along the top to the nose, then rightward underneath.
    RibOutline o;
    computeRibOutline(profileOf({{1, 0.1f}, {0, 0}, {1, -0.1f}}), 10, 1, 0.5f, o);

    // The ends keep their x and move vertically onto their segment's moved line.
    EXPECT_EQ(o.ribX[0], 10.0f);
    EXPECT_EQ(o.ribX[2], 10.0f);
    const double shift = 0.5 * std::sqrt(1.01);  // t·√(1 + m²) with m = ±0.1
    EXPECT_NEAR(o.ribY[0], 1 - shift, 1e-6);
    EXPECT_NEAR(o.ribY[2], -1 + shift, 1e-6);
    // The vertex lies on the chord line, behind the nose, t from both segments.
    EXPECT_NEAR(o.ribY[1], 0, 1e-6);
    EXPECT_NEAR(o.ribX[1], shift / 0.1, 1e-5);
    EXPECT_NEAR(ribDistance(o, 1, 0, 1), 0.5, 1e-6);
    EXPECT_NEAR(ribDistance(o, 1, 1, 2), 0.5, 1e-6);
}

TEST(ComputeRibOutline, CollinearPointsMoveByThePerpendicularDistance) {
    // Slope −1 at both corners, travelling left: everything moves down by t·√2.
    RibOutline o;
    computeRibOutline(profileOf({{1, 0}, {0.5f, 0.5f}, {0, 1}}), 100, 1, 2.0f, o);
    const double drop = 2.0 * std::sqrt(2.0);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(o.ribX[i], o.surfaceX[i]);
        EXPECT_EQ(o.ribY[i], float(o.surfaceY[i] - drop));
        EXPECT_NEAR(ribDistance(o, i, 0, 2), 2.0, 1e-5);
    }

    // A spike that doubles back along itself has equal slopes too: the end point follows the
    // incoming segment's shift, so it lands on the far side of the returning segment.
    computeRibOutline(profileOf({{0, 0}, {1, 1}, {0, 0}}), 10, 1, 1.0f, o);
    const float up = float(std::sqrt(2.0));
    EXPECT_EQ(o.ribY[0], up);
    EXPECT_EQ(o.ribY[1], 10 + up);
    EXPECT_EQ(o.ribY[2], up);
    EXPECT_EQ(o.ribX[2], 0.0f);

    // Horizontal and travelling right: straight up by t.
    computeRibOutline(profileOf({{0, 0}, {0.25f, 0}, {0.5f, 0}, {1, 0}}), 100, 1, 1.5f, o);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(o.ribY[i], 1.5f);
}

TEST(ComputeRibOutline, CornersUseTheSurfaceNotMovedPoints) {
    // Rib point 3 of a longer profile depends only on surface points 2, 3 and 4, so it equals
    // the vertex of that corner computed on its own.
    const AirfoilProfile full =
        profileOf({{1, 0.01f}, {0.6f, 0.07f}, {0.2f, 0.05f}, {0, 0}, {0.3f, -0.03f}, {1, 0}});
    RibOutline o;
    computeRibOutline(full, 80, 1, 1, o);
    RibOutline alone;
    computeRibOutline(profileOf({{0.6f, 0.07f}, {0.2f, 0.05f}, {0, 0}}), 80, 1, 1, alone);
    EXPECT_EQ(o.ribX[2], alone.ribX[1]);
    EXPECT_EQ(o.ribY[2], alone.ribY[1]);
}

// Settings in range can still give a point beyond single precision, or not a number: the series
// stops at that rib with the invalid-operation fault.
TEST(RibSeries, ARibThatIsNotFiniteIsAnInvalidOperation) {
    AirfoilProfile profile;
    profile.x = {1.5f, 0.5f, 0.0f, 0.5f, 1.5f};  // a trailing edge beyond the chord
    profile.y = {0.0f, 0.06f, 0.0f, -0.04f, 0.0f};
    RibParameters params;
    params.rootChord = 150;
    params.tipChord = 3e38;  // the surface of the tip rib overflows, the root rib is fine
    params.ribCount = 3;
    params.taperOn = true;
    params.skinThickness = 1;
    params.sparPercent = 30;
    params.rootThicknessFactor = params.tipThicknessFactor = 1;
    const auto faultOf = [&]() {
        try {
            buildRibSeries(profile, params, {}, SeriesPieces::WhenFeatured);
        } catch (const RibwrightError& e) {
            return e.text();
        }
        return QString();
    };
    params.ribCount = 1;
    EXPECT_EQ(faultOf(), QString());
    params.ribCount = 3;
    EXPECT_EQ(faultOf(), invalidOperationText());
    // The spar of a chord near the top of the range.
    params.tipChord = 3e38, params.sparPercent = 200, params.ribCount = 1, params.rootChord = 3e38;
    profile.x = {0.1f, 0.05f, 0.0f, 0.05f, 0.1f};
    EXPECT_EQ(faultOf(), invalidOperationText());
}
