#include "platform/errors.h"
#include "sheet_test_support.h"

#include <gtest/gtest.h>

using namespace rw;
using namespace rw::test;

namespace {

QString faultOf(SheetRun& run, QSize size) {
    try {
        run.draw(size);
    } catch (const RibwrightError& e) {
        return e.text();
    }
    return QStringLiteral("(no fault)");
}

bool anyGridColour(const QImage& sheet, QRect area) {
    return countPixels(sheet, area, [](QRgb c) { return isColour(c, QColor(255, 0, 0)); }) > 0;
}

}  // namespace

TEST(RibSheet, IsATrueColourImageAt96DotsPerInch) {
    SheetRun run;
    run.sheet = QImage(10, 10, QImage::Format_Mono);
    run.draw(QSize(800, 600));
    EXPECT_EQ(run.sheet.size(), QSize(800, 600));
    EXPECT_EQ(run.sheet.format(), QImage::Format_RGB32);
    EXPECT_EQ(run.sheet.dotsPerMeterX(), 3780);
    EXPECT_EQ(run.sheet.dotsPerMeterY(), 3780);
    EXPECT_TRUE(isWhite(run.sheet.pixel(799, 0)));  // corners are white
    EXPECT_TRUE(isWhite(run.sheet.pixel(0, 599)));
}

TEST(RibSheet, DefaultSeriesSparsFallOnOneLine) {
    SheetRun run;
    run.airfoil.profile = section2412(40);
    run.draw(QSize(1000, 900));
    ASSERT_EQ(run.series.ribs.size(), 10u);
    EXPECT_FLOAT_EQ(run.series.ribs.back().shape.ribChord, 100.0f);
    // Each rib of the left column: one black column near x 185 just below its chord line, where
    // the number's box is blank.
    for (int k = 1; k <= 8; ++k) {
        const int y = 80 + 90 * k + 2;
        std::vector<int> spar;
        for (int x = 150; x < 225; ++x)
            if (isColour(run.sheet.pixel(x, y), QColor(0, 0, 0)))
                spar.push_back(x);
        ASSERT_EQ(spar.size(), 1u) << k;
        EXPECT_GE(spar[0], 184) << k;
        EXPECT_LE(spar[0], 185) << k;
    }
    // Ribs 9 and 10 in the right column, where the spar lies 500 pixels further right.
    for (int y : {165, 255}) {
        int black = 0;
        for (int x = 680; x <= 690; ++x) black += isColour(run.sheet.pixel(x, y), QColor(0, 0, 0));
        EXPECT_EQ(black, 1) << y;
    }
    EXPECT_FALSE(anyGridColour(run.sheet, QRect(540, 300, 460, 400)));
}

TEST(RibSheet, TaperedRibCountZeroDrawsOnlyTitlesAndRuler) {
    SheetRun run;
    run.panel.ribCountText = QStringLiteral("0");
    run.draw(QSize(1000, 900));
    EXPECT_EQ(run.layout.pixelsPerMm, 3.0f);
    EXPECT_FALSE(anyGridColour(run.sheet, run.sheet.rect()));
    EXPECT_EQ(darkPixels(run.sheet, QRect(0, 80, 1000, 837 - 80)), 0);
    EXPECT_GT(darkPixels(run.sheet, QRect(0, 0, 1000, 80)), 0);
    // The ruler at the taper scale: a tick every 3 pixels from 50.
    EXPECT_LT(qGray(run.sheet.pixel(53, 837)), 128);
    EXPECT_TRUE(isWhite(run.sheet.pixel(52, 837)));

    run.panel.ribCountText = QStringLiteral("-3");
    run.draw(QSize(1000, 900));
    EXPECT_FALSE(anyGridColour(run.sheet, run.sheet.rect()));
}

TEST(RibSheet, TaperedRibCountOneIsTheRootRibAtHalfScale) {
    SheetRun run;
    run.panel.ribCountText = QStringLiteral("1");
    run.panel.rootThicknessOn = true;
    run.panel.rootThicknessText = QStringLiteral("90");
    run.draw(QSize(1000, 900));
    ASSERT_EQ(run.series.ribs.size(), 1u);
    EXPECT_EQ(run.series.ribs[0].shape.ribChord, 150.0f);
    EXPECT_EQ(run.series.ribs[0].shape.thicknessFactor, 0.9);
    EXPECT_EQ(run.layout.ribOriginX, 50);
    EXPECT_EQ(run.layout.ribOriginY, 170);
    // Spar at 185 over the thinned airfoil: 0.06 * 0.9 of 150 mm at 3 px/mm above row 170.
    EXPECT_TRUE(isColour(run.sheet.pixel(185, 146), QColor(0, 0, 0)));
    EXPECT_FALSE(isColour(run.sheet.pixel(185, 144), QColor(0, 0, 0)));
    EXPECT_FALSE(anyGridColour(run.sheet, QRect(0, 200, 1000, 600)));
}

TEST(RibSheet, RibsBeyondSixteenGoOnDownTheRightColumnUnderTheRuler) {
    SheetRun run;
    run.panel.ribCountText = QStringLiteral("20");
    run.draw(QSize(1000, 900));
    // Rib 17 at row 9 (y 890), under the ruler's labels; 18 to 20 are below the edge.
    EXPECT_TRUE(anyGridColour(run.sheet, QRect(600, 890, 300, 1)));
    // The label 200 at x 650 is drawn over rib 17: only black and white in its box.
    const QRect label(650, 852, 27, 20);
    EXPECT_GT(darkPixels(run.sheet, label), 0);
    EXPECT_EQ(countPixels(run.sheet, label, [](QRgb c) { return !isGrey(c); }), 0);
    EXPECT_TRUE(anyGridColour(run.sheet, QRect(640, 866, 40, 30)));
}

TEST(RibSheet, TheLargestRibCountDrawsWhatShows) {
    SheetRun few, many;
    few.panel.ribCountText = QStringLiteral("17");
    many.panel.ribCountText = QString::number(kMaxRibCount);
    few.draw(QSize(1000, 900));
    many.draw(QSize(1000, 900));
    EXPECT_EQ(many.series.ribs.size(), std::size_t(kMaxRibCount));
    // The right column is filled to the bottom like the 17-rib one; the ribs beyond the sheet
    // are made for the files but not drawn.
    EXPECT_TRUE(anyGridColour(many.sheet, QRect(600, 890, 300, 1)));
    EXPECT_TRUE(anyGridColour(few.sheet, QRect(600, 890, 300, 1)));
    // One more is refused by the read, with the limit in its message.
    many.panel.ribCountText = QString::number(kMaxRibCount + 1);
    EXPECT_THROW(many.draw(QSize(1000, 900)), std::runtime_error);
}

TEST(RibSheet, EmptyProfileLinesCrossTheWholeSheet) {
    SheetRun run;
    run.airfoil.profile = AirfoilProfile{};
    run.panel.taperOn = false;
    run.panel.skinColour = QColor(0, 200, 0);  // a colour no text or line has
    run.draw(QSize(1000, 900));
    // Spar at trunc(150 * 30 * 6 / 100 + 50) = 320, black from top to bottom outside the texts.
    for (int y = 80; y < 900; ++y) EXPECT_LT(qGray(run.sheet.pixel(320, y)), 128) << y;
    // Grid lines every 60 pixels from 50, to x 950 on the sheet.
    for (int x = 50; x <= 950; x += 60) {
        EXPECT_TRUE(isColour(run.sheet.pixel(x, 100), QColor(255, 0, 0))) << x;
        EXPECT_TRUE(isColour(run.sheet.pixel(x, 800), QColor(255, 0, 0))) << x;
    }
    EXPECT_EQ(countPixels(run.sheet, run.sheet.rect(),
                          [](QRgb c) { return isColour(c, QColor(0, 200, 0)); }),
              0);
}

TEST(RibSheet, RootChordZeroIsADivisionByZeroOnAWhiteSheet) {
    SheetRun run;
    run.draw(QSize(1000, 900));  // a drawn sheet before
    run.panel.rootChordText = QStringLiteral("0");
    EXPECT_EQ(faultOf(run, QSize(1000, 900)), divisionByZeroText());
    EXPECT_EQ(run.sheet.size(), QSize(1000, 900));
    EXPECT_EQ(countPixels(run.sheet, run.sheet.rect(), [](QRgb c) { return !isWhite(c); }), 0);

    // Without a rib the titles come first and the ruler's scale fails.
    run.panel.ribCountText = QStringLiteral("0");
    EXPECT_EQ(faultOf(run, QSize(1000, 900)), divisionByZeroText());
    EXPECT_GT(darkPixels(run.sheet, QRect(0, 0, 1000, 80)), 0);
    EXPECT_EQ(darkPixels(run.sheet, QRect(0, 80, 1000, 820)), 0);
}

TEST(RibSheet, NegativeRootChordDrawsTheRibAndEnds) {
    SheetRun negative, positive;
    negative.panel.taperOn = positive.panel.taperOn = false;
    negative.panel.rootChordText = QStringLiteral("-150");
    negative.draw(QSize(1000, 900));
    positive.draw(QSize(1000, 900));
    EXPECT_EQ(negative.layout.pixelsPerMm, -6.0f);
    // Chord and scale are both negative, so the rib lands where the positive one does; the
    // grid lines 5 and 10 mm off the chord line fall below it, and the vertical ones, counted
    // from a negative chord, are missing.
    EXPECT_TRUE(isColour(negative.sheet.pixel(300, 480), QColor(255, 0, 0)));
    EXPECT_TRUE(isColour(positive.sheet.pixel(300, 420), QColor(255, 0, 0)));
    EXPECT_TRUE(isColour(positive.sheet.pixel(110, 440), QColor(255, 0, 0)));
    EXPECT_FALSE(isColour(negative.sheet.pixel(110, 440), QColor(255, 0, 0)));

    negative.panel.showGrid = positive.panel.showGrid = false;
    negative.draw(QSize(1000, 900));
    positive.draw(QSize(1000, 900));
    const QRect rib(0, 350, 1000, 200);
    EXPECT_EQ(negative.sheet.copy(rib), positive.sheet.copy(rib));
}

TEST(RibSheet, ZeroSizedSheetStillComputesTheRibs) {
    SheetRun run;
    run.draw(QSize(0, 0));
    EXPECT_TRUE(run.sheet.isNull());
    EXPECT_EQ(run.series.ribs.size(), 10u);
    // 0 / 0 for the scale when the root chord is 0 too.
    run.panel.rootChordText = QStringLiteral("0");
    EXPECT_EQ(faultOf(run, QSize(0, 0)), invalidOperationText());
}

// Narrow sheets once crashed the ruler: its zero can lie beyond its stop, for both scales.
TEST(RibSheet, EveryWidthFromOneUpDrawsWithinTheSheet) {
    for (const bool taper : {true, false}) {
        for (const int height : {1, 7, 60}) {
            for (int width = 1; width <= 200; ++width) {
                SheetRun run;
                run.panel.taperOn = taper;
                run.panel.showSheetPoints = true;
                run.draw(QSize(width, height));
                ASSERT_EQ(run.sheet.size(), QSize(width, height)) << width << "x" << height;
            }
        }
    }
}

// With rib features the rib is drawn as the piece it is cut to: a 3 mm deep notch at half the
// chord moves the rib's top line in that column down by 3 mm, in the rib colour.
TEST(RibSheet, ANotchIsDrawnInTheRibColourAtItsDepth) {
    SheetRun run;
    run.panel.taperOn = false;
    run.panel.showGrid = false;      // its lines lie 5 and 10 mm above the chord
    run.panel.showSparLine = false;  // with a notch it stands in the notch
    const auto topRibPixel = [&run] {
        const int x = run.layout.ribOriginX + int(75 * run.layout.pixelsPerMm);
        for (int y = 0; y < run.layout.ribOriginY; ++y)
            if (qGray(run.sheet.pixel(x, y)) < 128)
                return y;
        return -1;
    };
    run.draw(QSize(1000, 600));
    const int plain = topRibPixel();
    run.panel.features.sparNotches.push_back({50, false, 4, 3, NotchSide::Top});
    run.draw(QSize(1000, 600));
    ASSERT_GT(plain, 0);
    EXPECT_NEAR(topRibPixel() - plain, 3 * run.layout.pixelsPerMm, 1.5);
    EXPECT_TRUE(isColour(
        run.sheet.pixel(run.layout.ribOriginX + int(75 * run.layout.pixelsPerMm), topRibPixel()),
        run.panel.ribColour));
}
