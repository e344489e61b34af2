#include "geometry/interpolate_rib.h"
#include "geometry/compute_rib_outline.h"

#include <gtest/gtest.h>

using namespace rw;

namespace {

RibParameters series(double root, double tip, int count, double rootFactor, double tipFactor) {
    RibParameters p;
    p.rootChord = root;
    p.tipChord = tip;
    p.taperOn = true;
    p.ribCount = count;
    p.rootThicknessFactor = rootFactor;
    p.tipThicknessFactor = tipFactor;
    return p;
}

}  // namespace

TEST(InterpolateRib, TenRibsFromRootToTip) {
    const RibParameters params = series(150, 100, 10, 1.0, 0.9);
    const double printed[] = {150,       144.44444, 138.88889, 133.33333, 127.77778,
                              122.22222, 116.66666, 111.11111, 105.55556, 100};
    for (int k = 1; k <= 10; ++k) {
        SCOPED_TRACE(k);
        const RibShape shape = interpolateRib(k, params);
        // The chord is (1350 − 50·(k − 1)) / 9 rounded to single precision.
        EXPECT_EQ(shape.ribChord, float((1350.0 - 50.0 * (k - 1)) / 9.0));
        EXPECT_NEAR(shape.ribChord, printed[k - 1], 6e-6);
        // A factor of a series is a single-precision value held in a double.
        EXPECT_EQ(shape.thicknessFactor, double(float(shape.thicknessFactor)));
        EXPECT_NEAR(shape.thicknessFactor, 1.0 - 0.1 * (k - 1) / 9, 1e-7);
    }
    EXPECT_EQ(interpolateRib(10, params).thicknessFactor, 0.8999999761581421);
    EXPECT_EQ(interpolateRib(1, params).thicknessFactor, 1.0);
}

TEST(InterpolateRib, ASingleRibTakesTheRootValuesUnrounded) {
    for (int count : {1, 0, -3}) {
        SCOPED_TRACE(count);
        const RibParameters params = series(150.3, 100, count, 0.9, 1.2);
        const RibShape shape = interpolateRib(1, params);
        EXPECT_EQ(shape.ribChord, 150.3f);
        // Not reduced to single precision: the double nearest 0.9 itself.
        EXPECT_EQ(shape.thicknessFactor, 0.9);
    }
}

TEST(InterpolateRib, TwoRibsAreRootAndTipInSinglePrecision) {
    const RibParameters params = series(150.3, 100.7, 2, 0.9, 1.1);
    const RibShape root = interpolateRib(1, params);
    const RibShape tip = interpolateRib(2, params);
    EXPECT_EQ(root.ribChord, 150.3f);
    EXPECT_EQ(root.thicknessFactor, 0.8999999761581421);
    EXPECT_EQ(tip.ribChord, 100.7f);
    EXPECT_EQ(tip.thicknessFactor, double(1.1f));
    EXPECT_NE(tip.thicknessFactor, 1.1);
}
