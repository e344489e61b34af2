#include "sheet/sheet_ruler.h"
#include "sheet_test_support.h"

#include <gtest/gtest.h>

#include <map>

using namespace rw;
using namespace rw::test;

namespace {

// The ruler by its definition, one millimetre at a time, collapsed onto pixel columns: the
// longest tick and the last label of each column. Usable only where the loop is short.
std::vector<RulerTick> rulerByDefinition(int width, float perMm) {
    std::vector<RulerTick> ticks;
    const int stop = width - 50;
    if (stop <= 0)
        return ticks;
    const double zero = std::trunc(width * 0.05);
    for (qint64 mm = 0;; ++mm) {
        const int x = int(std::trunc(double(mm) * std::fabs(double(perMm)) + zero));
        const int length = mm % 50 == 0 ? 10 : mm % 10 == 0 ? 5 : 3;
        if (ticks.empty() || ticks.back().x != x)
            ticks.push_back(RulerTick{x, 0, 0});
        ticks.back().length = std::max(ticks.back().length, length);
        if (mm > 0 && mm % 50 == 0)
            ticks.back().label = mm;
        if (x >= stop)
            return ticks;
    }
}

void expectSameTicks(const std::vector<RulerTick>& actual, const std::vector<RulerTick>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].x, expected[i].x) << i;
        EXPECT_EQ(actual[i].length, expected[i].length) << i;
        EXPECT_EQ(actual[i].label, expected[i].label) << i;
    }
}

}  // namespace

TEST(RulerTicks, SingleRibExampleOneTickPerMillimetre) {
    const std::vector<RulerTick> ticks = rulerTicks(1000, 6.0f);
    ASSERT_EQ(ticks.size(), 151u);
    for (int i = 0; i <= 150; ++i) {
        EXPECT_EQ(ticks[i].x, 50 + 6 * i);
        EXPECT_EQ(ticks[i].length, i % 50 == 0 ? 10 : i % 10 == 0 ? 5 : 3) << i;
        EXPECT_EQ(ticks[i].label, i > 0 && i % 50 == 0 ? i : 0) << i;
    }
}

TEST(RulerTicks, EndsWithTheFirstTickAtOrBeyondFiftyPixelsFromTheEdge) {
    // 1000 wide at 7 px/mm: x = 50 + 7i reaches 950 first at i = 129 (953).
    const std::vector<RulerTick> ticks = rulerTicks(1000, 7.0f);
    ASSERT_EQ(ticks.size(), 130u);
    EXPECT_EQ(ticks.back().x, 953);
    EXPECT_EQ(ticks[128].x, 946);

    EXPECT_TRUE(rulerTicks(50, 1.0f).empty());
    EXPECT_TRUE(rulerTicks(0, 1.0f).empty());
    EXPECT_TRUE(rulerTicks(-20, 1.0f).empty());
    // 51 wide: the zero tick at 2 already lies beyond column 1 and ends the ruler.
    const std::vector<RulerTick> tiny = rulerTicks(51, 1.0f);
    ASSERT_EQ(tiny.size(), 1u);
    EXPECT_EQ(tiny[0].x, 2);
    EXPECT_EQ(tiny[0].length, 10);
    // The same at the default series' scale, where a millimetre is narrower than a pixel.
    for (int width = 51; width <= 60; ++width)
        expectSameTicks(rulerTicks(width, 0.153f), rulerByDefinition(width, 0.153f));
}

TEST(RulerTicks, ANegativeScaleGivesTheMirroredRuler) {
    expectSameTicks(rulerTicks(1000, -6.0f), rulerTicks(1000, 6.0f));
    expectSameTicks(rulerTicks(1600, -0.37f), rulerTicks(1600, 0.37f));
}

TEST(RulerTicks, MillimetresNarrowerThanAPixelShareColumns) {
    for (float perMm : {0.5f, 0.37f, 0.013f, 0.0041f})
        expectSameTicks(rulerTicks(1200, perMm), rulerByDefinition(1200, perMm));
}

TEST(RulerTicks, AnEnormousRootChordStaysBoundedByTheWidth) {
    // 1000 km of root chord on a 1000-pixel sheet: about a million millimetres per pixel.
    const std::vector<RulerTick> ticks = rulerTicks(1000, float(900.0 / 1e9));
    ASSERT_EQ(ticks.size(), 901u);
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        EXPECT_EQ(ticks[i].x, 50 + int(i));
        // Every column holds a multiple of 50, except the last, which counts only its first.
        if (i + 1 < ticks.size()) {
            EXPECT_EQ(ticks[i].length, 10);
        }
    }
    // Column 51 holds over a million millimetres; its label is the last multiple of 50 of them.
    const double perMm = float(900.0 / 1e9);
    const qint64 label = ticks[1].label;
    EXPECT_EQ(label % 50, 0);
    EXPECT_EQ(std::trunc(label * perMm + 50), 51);
    EXPECT_EQ(std::trunc((label + 50) * perMm + 50), 52);

    // A scale of 0 never leaves the first column: only the zero tick.
    const std::vector<RulerTick> none = rulerTicks(1000, 0.0f);
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].x, 50);
    EXPECT_EQ(none[0].label, 0);
}

TEST(RulerOnTheSheet, SingleRibExampleTicksAndLabels) {
    SheetRun run;
    run.panel.taperOn = false;
    run.draw(QSize(1000, 900));
    const QImage& s = run.sheet;
    const int top = 837;  // trunc(900 * 0.93)
    ASSERT_EQ(rulerTop(900), top);

    // The first row of the band is black exactly at the ticks.
    for (int x = 0; x < 1000; ++x) {
        const bool tick = x >= 50 && x <= 950 && (x - 50) % 6 == 0;
        EXPECT_EQ(qGray(s.pixel(x, top)) < 128, tick) << x;
    }
    // 10, 5 or 3 pixels long.
    for (int i = 0; i <= 150; ++i) {
        const int x = 50 + 6 * i;
        const int length = i % 50 == 0 ? 10 : i % 10 == 0 ? 5 : 3;
        EXPECT_LT(qGray(s.pixel(x, top + length - 1)), 128) << x;
        EXPECT_TRUE(isWhite(s.pixel(x, top + length + 1))) << x;
    }
    // Labels 50, 100 and 150 under the long ticks at 350, 650 and 950; none at 0 or between.
    const int labelTop = top + 15;
    for (int x : {350, 650, 950}) EXPECT_GT(darkPixels(s, QRect(x, labelTop, 40, 30)), 0) << x;
    for (int x : {50, 200, 500, 800}) EXPECT_EQ(darkPixels(s, QRect(x, labelTop, 40, 30)), 0) << x;
}

TEST(RulerOnTheSheet, NegativeRootChordDrawsTheSameRulerAndEnds) {
    SheetRun positive, negative;
    positive.panel.taperOn = negative.panel.taperOn = false;
    negative.panel.rootChordText = QStringLiteral("-150");
    positive.draw(QSize(1000, 900));
    negative.draw(QSize(1000, 900));
    const QRect band(0, 837, 1000, 900 - 837);
    EXPECT_EQ(positive.sheet.copy(band), negative.sheet.copy(band));
    EXPECT_GT(darkPixels(negative.sheet, band), 150);

    positive.panel.taperOn = negative.panel.taperOn = true;
    positive.draw(QSize(1000, 900));
    negative.draw(QSize(1000, 900));
    EXPECT_EQ(positive.sheet.copy(band), negative.sheet.copy(band));
}
