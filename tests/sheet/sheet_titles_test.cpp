#include "sheet/sheet_titles.h"
#include "panel/control_table.h"
#include "sheet/read_rib_parameters.h"
#include "sheet/sheet_fonts.h"
#include "sheet_test_support.h"

#include <gtest/gtest.h>

using namespace rw;
using namespace rw::test;

namespace {

RibParameters readPanel(const RibSettings& panel) {
    RibParameters params;
    SheetSettings settings;
    readRibParameters(panel, params, settings);
    return params;
}

}  // namespace

TEST(SheetTitleTexts, DefaultsRepeatTheFieldsAsTyped) {
    RibSettings panel = defaultRibSettings(QLatin1Char('.'));
    panel.rootChordText = QStringLiteral("150.0");
    const SheetTitles t = sheetTitles(QStringLiteral(" \tNACA 2412 \r\n"), panel, readPanel(panel));
    EXPECT_EQ(t.name, QStringLiteral("NACA 2412"));
    EXPECT_EQ(t.rootLine, QStringLiteral("ROOT CHORD: 150.0 mm"));
    EXPECT_EQ(t.tipLine, QStringLiteral("TIP CHORD : 100 mm"));
    EXPECT_EQ(t.skinLine, QStringLiteral("SKIN THICKNESS : 1.00 mm"));
}

TEST(SheetTitleTexts, ThicknessNoteOnlyWhenTheFactorIsNotOne) {
    RibSettings panel = defaultRibSettings(QLatin1Char('.'));
    panel.rootThicknessOn = true;
    panel.rootThicknessText = QStringLiteral("90");
    EXPECT_EQ(sheetTitles({}, panel, readPanel(panel)).rootLine,
              QStringLiteral("ROOT CHORD: 150 mm (T=90% )"));

    // 100 is exactly 1: no note, ticked or not.
    panel.rootThicknessText = QStringLiteral("100");
    EXPECT_EQ(sheetTitles({}, panel, readPanel(panel)).rootLine,
              QStringLiteral("ROOT CHORD: 150 mm"));
    panel.rootThicknessText = QStringLiteral("90");
    panel.rootThicknessOn = false;
    EXPECT_EQ(sheetTitles({}, panel, readPanel(panel)).rootLine,
              QStringLiteral("ROOT CHORD: 150 mm"));

    // Text that does not convert leaves the factor at 1: no note either.
    panel.tipThicknessOn = true;
    panel.tipThicknessText = QStringLiteral("abc");
    EXPECT_EQ(sheetTitles({}, panel, readPanel(panel)).tipLine,
              QStringLiteral("TIP CHORD : 100 mm"));
    panel.tipThicknessText = QStringLiteral("110.0");
    EXPECT_EQ(sheetTitles({}, panel, readPanel(panel)).tipLine,
              QStringLiteral("TIP CHORD : 100 mm (T=110.0% )"));
}

TEST(SheetTitleTexts, NoTipLineWithoutTaper) {
    RibSettings panel = defaultRibSettings(QLatin1Char('.'));
    panel.taperOn = false;
    panel.tipThicknessOn = true;
    panel.tipThicknessText = QStringLiteral("80");
    const SheetTitles t = sheetTitles(QStringLiteral("X"), panel, readPanel(panel));
    EXPECT_TRUE(t.tipLine.isEmpty());
    EXPECT_EQ(t.skinLine, QStringLiteral("SKIN THICKNESS : 1.00 mm"));
}

TEST(SheetTitleTexts, SheetingOfItsOwnGivesBothSurfaces) {
    RibSettings panel = defaultRibSettings(QLatin1Char('.'));
    panel.features.upperSkin = 1.0f;  // the panel's own thickness: the line stays as typed
    EXPECT_EQ(sheetTitles({}, panel, readPanel(panel)).skinLine,
              QStringLiteral("SKIN THICKNESS : 1.00 mm"));
    panel.features.lowerSkin = 0.0f;
    EXPECT_EQ(sheetTitles({}, panel, readPanel(panel)).skinLine,
              QStringLiteral("SKIN THICKNESS : UPPER 1 mm / LOWER 0 mm"));
}

TEST(SheetTitlesOnTheSheet, NameCentredNotesAtTheLeft) {
    SheetRun run;
    run.airfoil.name = QStringLiteral("  NACA 2412  ");
    run.draw(QSize(1000, 900));
    const SheetFonts fonts(&run.sheet);
    const int width = fonts.nameMetrics.horizontalAdvance(QStringLiteral("NACA 2412"));
    const int left = (1000 - width) / 2;
    const int height = fonts.nameMetrics.height();
    EXPECT_GT(darkPixels(run.sheet, QRect(left, 20, width / 4, height)), 0);
    EXPECT_GT(darkPixels(run.sheet, QRect(left + width - width / 4, 20, width / 4, height)), 0);
    EXPECT_EQ(darkPixels(run.sheet, QRect(left - 40, 20, 38, height)), 0);
    EXPECT_EQ(darkPixels(run.sheet, QRect(left + width + 2, 20, 40, height)), 0);

    // The three notes start at 1/40 of the width, at 20, 35 and 50.
    const int ascent = fonts.notesMetrics.ascent();
    const int cap = fonts.notesMetrics.capHeight();
    for (int top : {20, 35, 50}) {
        const QRect capitals(25, top + ascent - cap, 60, cap);
        EXPECT_GT(darkPixels(run.sheet, capitals), 0) << top;
        EXPECT_EQ(darkPixels(run.sheet, QRect(0, top + ascent - cap, 24, cap)), 0) << top;
    }
}

TEST(SheetTitlesOnTheSheet, WithoutTaperTheTipLineIsMissingAndSkinStaysAtFifty) {
    SheetRun run;
    run.panel.taperOn = false;
    run.draw(QSize(1000, 900));
    const SheetFonts fonts(&run.sheet);
    const int ascent = fonts.notesMetrics.ascent();
    const int cap = fonts.notesMetrics.capHeight();
    // The lower part of the capitals of a tip line would be here.
    EXPECT_EQ(darkPixels(run.sheet, QRect(25, 35 + ascent - cap / 2, 200, cap / 2)), 0);
    EXPECT_GT(darkPixels(run.sheet, QRect(25, 50 + ascent - cap, 200, cap)), 0);
}

TEST(SheetTitlesOnTheSheet, AnEmptyNameDrawsNoTitle) {
    SheetRun run;
    run.airfoil.name = QStringLiteral(" \r\n");
    run.draw(QSize(1000, 900));
    EXPECT_EQ(darkPixels(run.sheet, QRect(300, 15, 400, 40)), 0);
    EXPECT_GT(darkPixels(run.sheet, QRect(25, 20, 200, 50)), 0);
}

TEST(SheetTitlesOnTheSheet, TextsAreBlackOnAWhiteBoxOverTheRibs) {
    // A very tall rib: thickness 20 times reaches up through the title area, and the notes'
    // boxes hide it.
    SheetRun run;
    run.panel.taperOn = false;
    run.panel.rootThicknessOn = true;
    run.panel.rootThicknessText = QStringLiteral("2000");
    run.draw(QSize(1000, 900));
    const SheetFonts fonts(&run.sheet);
    const QString line = QStringLiteral("ROOT CHORD: 150 mm (T=2000% )");
    const QRect box(25, 20, fonts.notesMetrics.horizontalAdvance(line), 15);
    EXPECT_EQ(countPixels(run.sheet, box, [](QRgb c) { return !isGrey(c); }), 0);
    // Just right of the box the red grid does show.
    EXPECT_GT(countPixels(run.sheet, QRect(box.right() + 1, 20, 200, 15),
                          [](QRgb c) { return !isGrey(c); }),
              0);
}
