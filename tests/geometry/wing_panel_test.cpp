#include "geometry/wing/wing_panel.h"
#include "geometry/interpolate_rib.h"
#include "geometry/wing/airfoil_blend.h"
#include "geometry/wing/planform_table.h"
#include "geometry/wing/wing_panel_options.h"
#include "platform/errors.h"
#include "support/airfoil_sections.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace rw;

namespace {

const QString kWingData = QStringLiteral(RIBWRIGHT_TEST_DATA "/wing/");

WingPanel panelWith(PlanformKind planform, std::optional<double> span, const QString& stations) {
    WingPanel panel;
    panel.planform = planform;
    panel.halfSpan = span;
    panel.stations = parseStationsOption(stations);
    return panel;
}

}  // namespace

TEST(WingPanel, StraightCountedRibsAreTheSeriesChordForChord) {
    RibParameters series;
    series.rootChord = 150.3;
    series.tipChord = 100.7;
    series.ribCount = 13;
    series.taperOn = true;
    WingPanel panel = panelWith(PlanformKind::Straight, std::nullopt, QString());
    panel.sweep = 24;
    const AirfoilProfile root = test::section2412();
    const ResolvedPanel resolved = resolveWingPanel(panel, root, 150.3, 100.7, 13);
    ASSERT_EQ(resolved.ribs.size(), 13u);
    EXPECT_EQ(resolved.span, 0);  // unknown: the ribs stand by fraction alone
    for (const PanelRib& rib : resolved.ribs) {
        SCOPED_TRACE(rib.number);
        EXPECT_EQ(rib.chord, double(interpolateRib(rib.number, series).ribChord));
        EXPECT_DOUBLE_EQ(rib.leadingEdge, 24.0 * (rib.number - 1) / 12);
        EXPECT_EQ(rib.section, root);  // no tip airfoil: the root's, untouched
        EXPECT_EQ(rib.blend, 0);
    }
}

TEST(WingPanel, StationsByEveryEndAtTheTipWithoutASliverBay) {
    EXPECT_EQ(ribStations(parseStationsOption(QStringLiteral("every:75")), 600, 0),
              (std::vector<double>{0, 75, 150, 225, 300, 375, 450, 525, 600}));
    // 600 lies 0.3 mm short of the tip: it goes, the tip stays.
    EXPECT_EQ(ribStations(parseStationsOption(QStringLiteral("every:100")), 600.3, 0),
              (std::vector<double>{0, 100, 200, 300, 400, 500, 600.3}));
    EXPECT_EQ(ribStations(parseStationsOption(QStringLiteral("5")), 400, 0),
              (std::vector<double>{0, 100, 200, 300, 400}));
}

// The chords themselves are measured from outside on the cut DXF; here what the files do not
// show: where the leading edge goes, and the least tip.
TEST(WingPanel, EllipticalPanelKeepsItsQuarterChordLineStraight) {
    WingPanel panel = panelWith(PlanformKind::Elliptical, 500, QStringLiteral("every:50"));
    panel.minTipChord = 30;
    panel.sweep = 10;
    const ResolvedPanel resolved = resolveWingPanel(panel, test::section2412(), 200, 0, 0);
    for (const PanelRib& rib : resolved.ribs)
        EXPECT_NEAR(rib.leadingEdge + rib.chord / 4, 50 + 10 * rib.station / 500, 1e-9);
    EXPECT_EQ(resolved.ribs.back().chord, 30);
    EXPECT_GE(resolved.leadingEdge.size(), 90u);

    panel.minTipChord = 0;  // the tip rib would have no chord
    EXPECT_THROW(resolveWingPanel(panel, test::section2412(), 200, 0, 0), RibwrightError);
}

TEST(WingPanel, BothTableFormsReadToTheSameSectionsInterpolatedAlongTheSpan) {
    const auto designer = readPlanformTablePath(kWingData + "four_sections_designer.csv");
    const auto own = readPlanformTablePath(kWingData + "four_sections_own.csv");
    EXPECT_EQ(designer, own);
    ASSERT_EQ(own.size(), 4u);
    EXPECT_EQ(own[2].span, 600);
    EXPECT_EQ(own[2].chord, 150);
    EXPECT_EQ(own[2].leadingEdge, 25);  // the designer's y axis points forwards
    EXPECT_FALSE(own[2].airfoil);
    ASSERT_TRUE(own[3].airfoil);
    EXPECT_GT(own[3].airfoil->pointCount(), 100);

    WingPanel panel = panelWith(PlanformKind::Table, std::nullopt, QStringLiteral("every:100"));
    panel.sections = own;
    const PlanformPlace midBay = planformAt(panel, 800, 0, 0, 450);
    EXPECT_DOUBLE_EQ(midBay.chord, 165);
    EXPECT_DOUBLE_EQ(midBay.leadingEdge, 17.5);

    const AirfoilProfile root = test::section2412();
    const ResolvedPanel resolved = resolveWingPanel(panel, root, 1, 1, 0);
    ASSERT_EQ(resolved.ribs.size(), 9u);
    EXPECT_EQ(resolved.span, 800);
    // Root airfoil up to the third section, then blended into the tip section's own.
    EXPECT_EQ(resolved.ribs[6].section, root);
    EXPECT_DOUBLE_EQ(resolved.ribs[7].blend, 0.5);
    EXPECT_EQ(resolved.ribs[7].section, blendAirfoils(root, *own[3].airfoil, 0.5));
    EXPECT_EQ(resolved.ribs[8].section, *own[3].airfoil);
    EXPECT_DOUBLE_EQ(resolved.ribs[7].chord, 125);

    panel.halfSpan = 900;  // beyond the table
    EXPECT_THROW(resolveWingPanel(panel, root, 1, 1, 0), RibwrightError);
}

// The mean camber and thickness halfway are measured from outside on the cut DXF.
TEST(AirfoilBlend, KeepsTheLoopOrderAndBothEnds) {
    const AirfoilProfile cambered = test::section2412();
    const AirfoilProfile symmetric = test::nacaProfile(0, 0, 0.12, 50);
    const AirfoilProfile half = blendAirfoils(cambered, symmetric, 0.5);
    // Loop order kept: trailing edge, upper surface, leading edge at 0, lower surface.
    EXPECT_EQ(half.x.front(), 1.0f);
    EXPECT_EQ(half.x.back(), 1.0f);
    EXPECT_GT(half.y[half.pointCount() / 4], half.y[3 * half.pointCount() / 4]);
    EXPECT_EQ(*std::min_element(half.x.begin(), half.x.end()), 0.0f);

    EXPECT_EQ(blendAirfoils(cambered, symmetric, 0), cambered);
    EXPECT_EQ(blendAirfoils(cambered, symmetric, 1), symmetric);
}

TEST(AirfoilBlend, OddProfilesBlendToFinitePointsOrAreRefused) {
    // An upper surface that runs back on itself near the nose.
    AirfoilProfile hooked = test::exampleSection();
    hooked.x[4] = 0.3f;
    const AirfoilProfile blended = blendAirfoils(hooked, test::section2412(), 0.3);
    for (int i = 0; i < blended.pointCount(); ++i)
        ASSERT_TRUE(std::isfinite(blended.x[i]) && std::isfinite(blended.y[i])) << i;
    // The least x at the first point leaves no upper surface.
    AirfoilProfile noNose = test::exampleSection();
    noNose.x.front() = -1;
    EXPECT_THROW(blendAirfoils(noNose, test::section2412(), 0.5), RibwrightError);
}

TEST(WingPanelOptions, TextsReadBackAndBadOnesAreRefused) {
    for (const char* text : {"12", "every:75", "every:0.5", "0,120,260.5,400"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(formatStationsOption(parseStationsOption(QString::fromLatin1(text))),
                  QString::fromLatin1(text));
    }
    EXPECT_EQ(parseStationsOption(QStringLiteral("0, 120 ,260")).positions,
              (std::vector<double>{0, 120, 260}));
    for (const char* text : {"0", "1001", "every:x", "every:0", "every:-5", "-1,20", "0,120,120",
                             "120,60", "0,", "12.5", "abc"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(parseStationsOption(QString::fromLatin1(text)), RibwrightError);
    }
    EXPECT_EQ(parsePlanformOption(QStringLiteral("Elliptical")).kind, PlanformKind::Elliptical);
    EXPECT_EQ(parsePlanformOption(QStringLiteral("wing.csv")).tablePath,
              QStringLiteral("wing.csv"));
    EXPECT_THROW(parsePlanformOption(QStringLiteral(" ")), RibwrightError);
    EXPECT_EQ(parsePanelLength(QStringLiteral("-12.5"), "--sweep", -1e6), -12.5);
    EXPECT_THROW(parsePanelLength(QStringLiteral("0.5"), "--span", 1), RibwrightError);
    EXPECT_THROW(parsePanelLength(QStringLiteral("1,5"), "--span", 1), RibwrightError);
    try {
        parseStationsOption(QStringLiteral("every:x"));
        ADD_FAILURE() << "every:x was read";
    } catch (const RibwrightError& error) {
        EXPECT_TRUE(error.text().contains(QStringLiteral("--stations"))) << error.what();
    }
}

TEST(WingPanel, StationsThatCannotBePlacedAreRefused) {
    const AirfoilProfile root = test::section2412();
    // By spacing, without a span.
    EXPECT_THROW(resolveWingPanel(
                     panelWith(PlanformKind::Straight, std::nullopt, QStringLiteral("every:50")),
                     root, 200, 100, 0),
                 RibwrightError);
    // Beyond the tip.
    EXPECT_THROW(
        resolveWingPanel(panelWith(PlanformKind::Straight, 300, QStringLiteral("0,200,400")), root,
                         200, 100, 0),
        RibwrightError);
    // More ribs than a series takes.
    EXPECT_THROW(
        resolveWingPanel(panelWith(PlanformKind::Straight, 3000, QStringLiteral("every:1")), root,
                         200, 100, 0),
        RibwrightError);
}

TEST(WingPanel, TheTipAirfoilIsReadWithItsTitleAndReachedAtTheTip) {
    WingPanel panel = panelWith(PlanformKind::Straight, 400, QStringLiteral("5"));
    panel.tipAirfoilPath = QStringLiteral(RIBWRIGHT_TEST_DATA "/naca0012_loop.dat");
    loadWingPanelFiles(panel);
    ASSERT_TRUE(panel.tipAirfoil);
    EXPECT_EQ(panel.tipAirfoilName, QStringLiteral("NACA 0012 (generated, 66 points per surface)"));
    const ResolvedPanel resolved = resolveWingPanel(panel, test::section2412(), 200, 100, 0);
    EXPECT_EQ(resolved.ribs.back().section, *panel.tipAirfoil);
    EXPECT_DOUBLE_EQ(resolved.ribs[1].blend, 0.25);
    EXPECT_DOUBLE_EQ(resolved.ribs[1].station, 100);
}

TEST(PlanformTable, ARowThatDoesNotReadIsNamedByItsLine) {
    auto refusal = [](const char* table) {
        try {
            readPlanformTable(QByteArray(table), QString());
        } catch (const RibwrightError& error) {
            return error.text();
        }
        return QStringLiteral("(read)");
    };
    EXPECT_TRUE(refusal("# span,chord,le\n0,200,0\n\n300,abc,10\n").contains(QStringLiteral("4")));
    EXPECT_TRUE(refusal("0,200,0\n300,180,10\n300,150,20\n").contains(QStringLiteral("3")));
    EXPECT_TRUE(refusal("x;c;te_y\n0;200;-200\n").contains(QStringLiteral("le_y")));
    EXPECT_TRUE(refusal("0,200,0\n100,0,0\n").contains(QStringLiteral("2")));
    EXPECT_NE(refusal("0,200,0\n"), QStringLiteral("(read)"));  // one section is no planform
}
