// Jig tabs: their text form, the one board every rib stands on, and the tabs that are refused.
#include "geometry/features/jig_tabs.h"
#include "geometry/features/jig_tab_texts.h"
#include "geometry/rib_series.h"
#include "geometry/wing/wing_panel_options.h"
#include "platform/errors.h"
#include "rib_features_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace rw;

namespace {

AirfoilProfile wedge() {
    AirfoilProfile profile;
    profile.x = {1, 0.5f, 0, 0.5f, 1};
    profile.y = {0, 0.06f, 0, -0.04f, 0};
    return profile;
}

RibParameters taperedSeries() {
    RibParameters p;
    p.rootChord = 150;
    p.tipChord = 100;
    p.taperOn = true;
    p.ribCount = 3;
    p.skinThickness = 0;
    p.sparPercent = 30;
    p.rootThicknessFactor = 1;
    p.tipThicknessFactor = 1;
    return p;
}

RibFeatures withTabs(const QString& text) {
    RibFeatures features;
    features.jigTabs = parseJigTabsOption(text);
    return features;
}

QString refusal(const RibFeatures& features) {
    try {
        buildRibSeries(wedge(), taperedSeries(), features, SeriesPieces::WhenFeatured);
    } catch (const RibwrightError& error) {
        return error.text();
    }
    return {};
}

}  // namespace

TEST(JigTabs, ReadTheirFormWriteItBackAndRefuseTheRest) {
    const JigTabs two = parseJigTabsOption(QStringLiteral("15,85:8"));
    EXPECT_EQ(two, (JigTabs{{15, 85}, 8, kDefaultJigTabHeight}));
    const JigTabs three = parseJigTabsOption(QStringLiteral(" 15 , 50.5,85 : 6 : 4 "));
    EXPECT_EQ(three, (JigTabs{{15, 50.5, 85}, 6, 4}));
    EXPECT_EQ(formatJigTabsOption(two), QStringLiteral("15,85:8"));
    EXPECT_EQ(parseJigTabsOption(formatJigTabsOption(three)), three);

    for (const char* text :
         {"15,85", "15,85:0", "101:8", "15,,85:8", "15:8:0", "-5:8", "15:8x2", ":8", "15,85:8:4:2",
          "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21:1"}) {
        try {
            parseJigTabsOption(QString::fromLatin1(text));
            ADD_FAILURE() << text << " was read";
        } catch (const RibwrightError& error) {
            EXPECT_EQ(error.text(), jigTabsOptionRefusedText(QString::fromLatin1(text)));
        }
    }
    EXPECT_EQ(parseWashoutOption(QStringLiteral("-2.5")), -2.5);
    EXPECT_EQ(parsePivotOption(QStringLiteral("100")), 100);
    for (const char* text : {"20.5", "-21", "3deg", ""})
        EXPECT_THROW(parseWashoutOption(QString::fromLatin1(text)), RibwrightError) << text;
    EXPECT_THROW(parsePivotOption(QStringLiteral("-1")), RibwrightError);
}

// Without a panel no rib is twisted: every tab reaches down to one line parallel to the chords,
// and the rib whose tab edge lies lowest keeps exactly the least height there.
TEST(JigTabs, StandEveryRibOnOneBoard) {
    const RibSeries series =
        buildRibSeries(wedge(), taperedSeries(), withTabs("15,85:8:5"), SeriesPieces::WhenFeatured);
    ASSERT_EQ(series.ribs.size(), 3u);
    double board = 0;
    double leastHeight = 1e9;
    for (const SeriesRib& rib : series.ribs) {
        const MmRing& outer = rib.piece.outer;
        EXPECT_TRUE(test::isSimpleRing(outer)) << rib.number;
        const double lowest =
            std::min_element(outer.begin(), outer.end(), [](QPointF a, QPointF b) {
                return a.y() < b.y();
            })->y();
        if (rib.number == 1)
            board = lowest;
        EXPECT_NEAR(lowest, board, 1e-6) << rib.number;
        // Both corners of each foot lie on the board.
        const auto onBoard = std::count_if(
            outer.begin(), outer.end(), [&](QPointF p) { return std::abs(p.y() - lowest) < 1e-6; });
        EXPECT_EQ(onBoard, 4) << rib.number;
        ASSERT_EQ(rib.piece.marks.size(), 2u) << rib.number;
        const double chord = rib.shape.ribChord;
        for (const auto& [from, to] : rib.piece.marks) {
            EXPECT_NEAR(to.x() - from.x(), 8, 1e-9);
            leastHeight = std::min({leastHeight, from.y() - lowest, to.y() - lowest});
        }
        EXPECT_NEAR(rib.piece.marks[0].first.x(), 0.15 * chord - 4, 1e-4);
        // The wedge's lower surface falls 0.08 of the chord per chord: the mark follows it.
        EXPECT_NEAR(rib.piece.marks[0].first.y(), -0.08 * rib.piece.marks[0].first.x(), 1e-4);
    }
    EXPECT_NEAR(leastHeight, 5, 1e-6);
}

TEST(JigTabs, RefuseATabOutsideTheRibOrOfNoWidthNamingRibAndTab) {
    // The root rib's tab reaches 4 mm past its 150 mm chord.
    EXPECT_EQ(refusal(withTabs("15,100:8")),
              jigTabOutsideRibText(1, jigTabName(2, 100), 146, 154, 0, 150));
    // A tab would fill the notch a spar under the rib sits in; one in the top surface is apart.
    RibFeatures overNotch = withTabs("15,85:8");
    overNotch.sparNotches.push_back({15, false, 3, 1, NotchSide::Top});
    overNotch.sparNotches.push_back({85, false, 3, 1, NotchSide::Bottom});
    EXPECT_EQ(refusal(overNotch), jigTabOverNotchText(1, jigTabName(2, 85), 126, 129));
    RibFeatures noWidth = withTabs("15:8");
    noWidth.jigTabs.width = 0;
    const QString text = refusal(noWidth);
    EXPECT_TRUE(text.contains(jigTabName(1, 15))) << text.toStdString();
}
