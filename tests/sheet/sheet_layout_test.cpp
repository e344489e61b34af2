#include "sheet/sheet_layout.h"
#include "platform/errors.h"
#include "sheet_test_support.h"

#include <gtest/gtest.h>

using namespace rw;
using namespace rw::test;

namespace {

QString faultOf(int width, double rootChord) {
    try {
        sheetPixelsPerMm(width, rootChord, 1.0f);
    } catch (const RibwrightError& e) {
        return e.text();
    }
    return QStringLiteral("(no fault)");
}

}  // namespace

TEST(SheetScale, RootChordSpansNinetyPercentOfTheWidthOrHalfThatInTaperMode) {
    EXPECT_EQ(sheetPixelsPerMm(1000, 150, sheetScaleFor(true)), 3.0f);
    EXPECT_EQ(sheetPixelsPerMm(1000, 150, sheetScaleFor(false)), 6.0f);
    EXPECT_EQ(sheetPixelsPerMm(1000, -150, sheetScaleFor(false)), -6.0f);
    // The chord is taken in single precision before dividing.
    EXPECT_EQ(sheetPixelsPerMm(1000, 0.1, 1.0f), float(900.0 / double(0.1f)));
}

TEST(SheetScale, ARootChordOfZeroIsADivisionByZero) {
    EXPECT_EQ(faultOf(1000, 0), divisionByZeroText());
    // Below the single-precision range the chord is 0 as well.
    EXPECT_EQ(faultOf(1000, 1e-300), divisionByZeroText());
    // 0 / 0 on a sheet without width.
    EXPECT_EQ(faultOf(0, 0), invalidOperationText());
    // A scale beyond the single range would put every point at infinity.
    EXPECT_EQ(faultOf(1000, 1e-40), invalidOperationText());
}

TEST(SheetPlacement, LayoutExampleOfATaperedSheet) {
    const QSize sheet(1000, 900);
    const RibPlacement first = placeSeriesRib(1, sheet);
    EXPECT_EQ(first.originX, 50);
    EXPECT_EQ(first.originY, 170);
    const RibPlacement eighth = placeSeriesRib(8, sheet);
    EXPECT_EQ(eighth.originX, 50);
    EXPECT_EQ(eighth.originY, 800);
    const RibPlacement ninth = placeSeriesRib(9, sheet);
    EXPECT_EQ(ninth.column, 1);
    EXPECT_EQ(ninth.originX, 550);
    EXPECT_EQ(ninth.originY, 170);
    // Beyond 16 the right column simply goes on down, past the bottom edge.
    EXPECT_EQ(placeSeriesRib(17, sheet).originY, 890);
    EXPECT_EQ(placeSeriesRib(18, sheet).originY, 980);
    // Far rows do not wrap around.
    EXPECT_GT(placeSeriesRib(2000000000, sheet).originY, 0);

    const RibPlacement single = placeSingleRib(sheet);
    EXPECT_EQ(single.originX, 50);
    EXPECT_EQ(single.originY, 450);
}

TEST(SheetPlacement, RowsAreATenthOfTheHeightTruncated) {
    const QSize sheet(1601, 1009);
    EXPECT_EQ(placeSeriesRib(1, sheet).originY, 100 + 80);
    EXPECT_EQ(placeSeriesRib(3, sheet).originY, 300 + 80);
    EXPECT_EQ(placeSeriesRib(9, sheet).originX, 880);  // trunc(1601 * 0.55)
    EXPECT_EQ(placeSingleRib(sheet).originX, 80);      // trunc(1601 * 0.05)
    EXPECT_EQ(placeSingleRib(sheet).originY, 504);
}

TEST(SheetLayoutAfterRedraw, HoldsTheScaleAndTheLastRibsPlace) {
    SheetRun run;
    run.panel.ribCountText = QStringLiteral("8");
    run.draw(QSize(1000, 900));
    EXPECT_EQ(run.layout.sheetWidth, 1000);
    EXPECT_EQ(run.layout.sheetHeight, 900);
    EXPECT_EQ(run.layout.sheetScale, 0.5f);
    EXPECT_EQ(run.layout.pixelsPerMm, 3.0f);
    EXPECT_EQ(run.layout.ribOriginX, 50);
    EXPECT_EQ(run.layout.ribOriginY, 800);

    run.panel.ribCountText = QStringLiteral("9");
    run.draw(QSize(1000, 900));
    EXPECT_EQ(run.layout.ribOriginX, 550);
    EXPECT_EQ(run.layout.ribOriginY, 170);

    run.panel.taperOn = false;
    run.draw(QSize(1000, 900));
    EXPECT_EQ(run.layout.sheetScale, 1.0f);
    EXPECT_EQ(run.layout.pixelsPerMm, 6.0f);
    EXPECT_EQ(run.layout.ribOriginX, 50);
    EXPECT_EQ(run.layout.ribOriginY, 450);
}

TEST(SheetLayoutAfterRedraw, ChordLinesLieAtTheRibOrigins) {
    SheetRun run;
    run.draw(QSize(1000, 900));
    const QColor red = run.job.look.gridColour;
    // Each chord line starts 30 pixels left of its column's origin.
    for (int row : {170, 260, 800}) {
        EXPECT_TRUE(isColour(run.sheet.pixel(20, row), red)) << row;
        EXPECT_TRUE(isColour(run.sheet.pixel(300, row), red)) << row;
        EXPECT_TRUE(isWhite(run.sheet.pixel(19, row))) << row;
    }
    // Rib 9 starts the right column at the top: its first grid line stands at x 550.
    EXPECT_TRUE(isColour(run.sheet.pixel(550, 165), red));
    EXPECT_TRUE(isWhite(run.sheet.pixel(549, 165)));
    // Rib 10 sits one row lower; no rib reaches the third row of the right column.
    EXPECT_TRUE(isColour(run.sheet.pixel(700, 260), red));
    EXPECT_TRUE(isWhite(run.sheet.pixel(700, 350)));
}
