#include "geometry/rib_series.h"

#include "platform/errors.h"
#include "support/rib_jobs.h"

#include <gtest/gtest.h>

using namespace rw;

namespace {

AirfoilProfile wedge() {
    AirfoilProfile profile;
    profile.x = {1, 0.5f, 0, 0.5f, 1};
    profile.y = {0, 0.06f, 0, -0.04f, 0};
    return profile;
}

}  // namespace

// Every rib is numbered, scaled and set in once; the spar station follows each chord; pieces are
// cut only when an output or a feature needs them.
TEST(RibSeries, MakesEveryRibWithItsOutlineSparAndPieceWhenAsked) {
    RibParameters params = test::ribParameters(150, 100, 3);
    params.tipThicknessFactor = 0.5;
    const RibSeries plain = buildRibSeries(wedge(), params, {}, SeriesPieces::WhenFeatured);
    ASSERT_EQ(plain.ribs.size(), 3u);
    EXPECT_FALSE(plain.featured);
    EXPECT_FALSE(plain.hasPieces);
    const SeriesRib& tip = plain.ribs[2];
    EXPECT_EQ(tip.number, 3);
    EXPECT_EQ(tip.shape.ribChord, 100.0f);
    EXPECT_EQ(tip.shape.thicknessFactor, 0.5);
    EXPECT_EQ(tip.outline.surfaceX[1], 50.0f);
    EXPECT_EQ(tip.outline.surfaceY[1], 3.0f);                 // 0.06 × 100 × 0.5
    EXPECT_LT(tip.outline.ribY[1], tip.outline.surfaceY[1]);  // set in by the skin
    EXPECT_EQ(tip.sparX, 30.0);
    EXPECT_TRUE(tip.piece.empty());

    const RibSeries cut = buildRibSeries(wedge(), params, {}, SeriesPieces::Always);
    EXPECT_TRUE(cut.hasPieces);
    for (const SeriesRib& rib : cut.ribs) EXPECT_FALSE(rib.piece.empty()) << rib.number;

    // A feature cuts every rib even when no output asked for pieces.
    RibFeatures notched;
    notched.sparNotches.push_back({30, false, 3, 0.5, NotchSide::Top});
    // The tip rib is 1 mm thick under the notch: asked for, a thinner web than 1 mm is cut.
    notched.minimumWeb = 0.1;
    const RibSeries featured = buildRibSeries(wedge(), params, notched, SeriesPieces::WhenFeatured);
    EXPECT_TRUE(featured.featured);
    EXPECT_TRUE(featured.hasPieces);
    EXPECT_GT(featured.ribs[0].piece.outer.size(), cut.ribs[0].piece.outer.size());
    // The spar stands in the first notch, for every output that draws it.
    EXPECT_EQ(featured.ribs[0].sparX, 45.0);
    notched.sparNotches.front().position = 40;
    EXPECT_EQ(buildRibSeries(wedge(), params, notched, SeriesPieces::WhenFeatured).ribs[2].sparX,
              40.0);
}

// A job that cannot be made is refused while the series is made, naming the rib that fails.
TEST(RibSeries, RefusesTheWholeSeriesAtTheFirstRibThatCannotBeCut) {
    // A notch that leaves less than the least web (1 mm unless set) names the rib, the notch and
    // the width left.
    RibFeatures thin;
    thin.sparNotches.push_back({30, false, 3, 0.5, NotchSide::Top});
    RibParameters thinTip = test::ribParameters(150, 100, 3);
    thinTip.tipThicknessFactor = 0.5;
    try {
        buildRibSeries(wedge(), thinTip, thin, SeriesPieces::WhenFeatured);
        FAIL() << "a notch leaving 0.4 mm of rib was cut";
    } catch (const RibwrightError& e) {
        EXPECT_TRUE(e.text().startsWith(
            QStringLiteral("リブ 3 の桁の切り欠き 1 (30%、上面): 残る材料の幅が 0.4")))
            << e.what();
    }
    RibFeatures deep;
    deep.sparNotches.push_back({30, false, 3, 50, NotchSide::Top});
    try {
        buildRibSeries(wedge(), test::ribParameters(150, 100, 3), deep, SeriesPieces::WhenFeatured);
        FAIL() << "a notch deeper than the rib was cut";
    } catch (const RibwrightError& e) {
        EXPECT_TRUE(e.text().startsWith(QStringLiteral("リブ 1 "))) << e.what();
    }
    // A chord beyond single precision is the invalid-operation fault, not INF in a file.
    try {
        buildRibSeries(wedge(), test::ribParameters(1e39, 100, 3), {}, SeriesPieces::WhenFeatured);
        FAIL() << "an infinite chord was made";
    } catch (const RibwrightError& e) {
        EXPECT_EQ(e.text(), invalidOperationText());
    }
}

// A trailing-edge stock behind where thick sheeting already ends the rib cuts nothing: the series
// says so, with the distance at which the rib ends, instead of exiting as if it had cut.
TEST(RibSeries, AStockThatCutsNothingIsNoted) {
    AirfoilProfile profile = wedge();
    RibFeatures features;
    features.upperSkin = features.lowerSkin = 1.5f;
    features.trailingEdge = TrailingEdgeStock{TrailingEdgeCut::Flat, 2, 0, 0};
    const RibSeries series =
        buildRibSeries(profile, test::ribParameters(150, 100, 3), features, SeriesPieces::Always);
    ASSERT_EQ(series.notes.size(), 1);
    EXPECT_TRUE(series.notes[0].startsWith(QStringLiteral("リブ 1〜3")))
        << series.notes[0].toStdString();
    EXPECT_TRUE(series.notes[0].contains(QStringLiteral("後縁材の切り落とし")))
        << series.notes[0].toStdString();
    // A stock that does reach the rib cuts and says nothing.
    features.trailingEdge.distance = 60;
    EXPECT_TRUE(
        buildRibSeries(profile, test::ribParameters(150, 100, 3), features, SeriesPieces::Always)
            .notes.isEmpty());
}
