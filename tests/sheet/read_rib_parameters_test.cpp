#include "sheet/read_rib_parameters.h"
#include "panel/control_table.h"
#include "platform/errors.h"
#include "sheet/sheet_texts.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace rw;

namespace {

// What one reading ended with: drawing, a fixed message, or a conversion error thrown through.
struct Outcome {
    bool proceed = false;
    std::string message;
    std::string error;
};

Outcome read(const RibSettings& panel, RibParameters& params, SheetSettings& sheet) {
    Outcome out;
    try {
        const RibReadResult r = readRibParameters(panel, params, sheet);
        out.proceed = r.proceed;
        out.message = r.message.toStdString();
    } catch (const ConversionError& e) {
        out.error = e.text().toStdString();
    }
    return out;
}

// Values an earlier redraw left behind, all different from what the panels below hold, so a
// field that is wrongly kept or wrongly overwritten shows.
RibParameters earlierParams() {
    RibParameters p;
    p.rootChord = 11;
    p.tipChord = 22;
    p.taperOn = false;
    p.ribCount = 7;
    p.skinThickness = 3.5f;
    p.sparPercent = 44;
    p.rootThicknessFactor = 0.5;
    p.tipThicknessFactor = 0.6;
    return p;
}

SheetSettings earlierSheet() {
    SheetSettings s;
    s.skinColour = QColor(0, 0, 255);
    s.ribColour = QColor(255, 255, 0);
    s.gridColour = QColor(0, 255, 255);
    s.showSheetPoints = true;
    return s;
}

// A panel whose every field converts and differs from the earlier values.
RibSettings editedPanel() {
    RibSettings panel = defaultRibSettings(QLatin1Char('.'));
    panel.rootChordText = "200";
    panel.tipChordText = "80";
    panel.sparPercentText = "25";
    panel.skinThicknessText = "1.5";
    panel.ribCountText = "5";
    panel.rootThicknessOn = true;
    panel.rootThicknessText = "90";
    panel.tipThicknessOn = true;
    panel.tipThicknessText = "110";
    panel.showSheetPoints = false;
    panel.skinColour = QColor(1, 2, 3);
    panel.ribColour = QColor(4, 5, 6);
    panel.gridColour = QColor(7, 8, 9);
    return panel;
}

void expectParams(const RibParameters& actual, const RibParameters& expected) {
    EXPECT_EQ(actual.rootChord, expected.rootChord);
    EXPECT_EQ(actual.tipChord, expected.tipChord);
    EXPECT_EQ(actual.taperOn, expected.taperOn);
    EXPECT_EQ(actual.ribCount, expected.ribCount);
    EXPECT_EQ(actual.skinThickness, expected.skinThickness);
    EXPECT_EQ(actual.sparPercent, expected.sparPercent);
    EXPECT_EQ(actual.rootThicknessFactor, expected.rootThicknessFactor);
    EXPECT_EQ(actual.tipThicknessFactor, expected.tipThicknessFactor);
}

void expectSheet(const SheetSettings& actual, const SheetSettings& expected) {
    EXPECT_EQ(actual.skinColour, expected.skinColour);
    EXPECT_EQ(actual.ribColour, expected.ribColour);
    EXPECT_EQ(actual.gridColour, expected.gridColour);
    EXPECT_EQ(actual.showSheetPoints, expected.showSheetPoints);
}

}  // namespace

TEST(ReadRibParameters, DefaultPanelGivesTheInitialSettings) {
    RibParameters params;
    SheetSettings sheet;
    const Outcome out = read(defaultRibSettings(QLatin1Char('.')), params, sheet);

    EXPECT_TRUE(out.proceed);
    EXPECT_EQ(out.message, "");
    RibParameters expected;
    expected.rootChord = 150;
    expected.tipChord = 100;
    expected.taperOn = true;
    expected.ribCount = 10;
    expected.skinThickness = 1.0f;
    expected.sparPercent = 30;
    expected.rootThicknessFactor = 1.0;
    expected.tipThicknessFactor = 1.0;
    expectParams(params, expected);
    EXPECT_EQ(sheet.skinColour, QColor(192, 192, 192));
    EXPECT_EQ(sheet.ribColour, QColor(0, 0, 0));
    EXPECT_EQ(sheet.gridColour, QColor(255, 0, 0));
    EXPECT_FALSE(sheet.showSheetPoints);
}

TEST(ReadRibParameters, EachBadFieldLeavesExactlyTheFieldsReadBeforeIt) {
    // The sheet settings and both factors are new in every row.
    SheetSettings newSheet;
    newSheet.skinColour = QColor(1, 2, 3);
    newSheet.ribColour = QColor(4, 5, 6);
    newSheet.gridColour = QColor(7, 8, 9);
    newSheet.showSheetPoints = false;

    auto withFactors = [](RibParameters p) {
        p.rootThicknessFactor = 0.9;
        p.tipThicknessFactor = 1.1;
        return p;
    };

    struct Row {
        const char* field;
        std::function<void(RibSettings&)> spoil;
        Outcome outcome;
        RibParameters state;
    };

    RibParameters afterRoot = withFactors(earlierParams());
    RibParameters afterSpar = afterRoot;
    afterSpar.rootChord = 200;
    afterSpar.sparPercent = 30;
    RibParameters afterSkin = afterSpar;
    afterSkin.sparPercent = 25;
    RibParameters afterTip = afterSkin;
    afterTip.skinThickness = 1.5f;
    afterTip.taperOn = true;
    afterTip.ribCount = 1;
    RibParameters afterCount = afterTip;
    afterCount.tipChord = 80;

    const Row rows[] = {
        {"Edit2",
         [](RibSettings& p) { p.rootChordText = ""; },
         {false, "翼弦長のデータが不正です", ""},
         afterRoot},
        {"Edit4",
         [](RibSettings& p) { p.sparPercentText = "x"; },
         {false, "桁の位置データが不正です", ""},
         afterSpar},
        {"ComboBox1",
         [](RibSettings& p) { p.skinThicknessText = "abc"; },
         {false, "", "'abc' は浮動小数点数ではありません"},
         afterSkin},
        {"Edit3",
         [](RibSettings& p) { p.tipChordText = ""; },
         {false, "翼端の翼弦長のデータが不正です", ""},
         afterTip},
        {"ComboBox2",
         [](RibSettings& p) { p.ribCountText = "x"; },
         {false, "", "''x'' は整数ではありません"},
         afterCount},
    };

    for (const Row& row : rows) {
        SCOPED_TRACE(row.field);
        RibSettings panel = editedPanel();
        row.spoil(panel);
        RibParameters params = earlierParams();
        SheetSettings sheet = earlierSheet();

        const Outcome out = read(panel, params, sheet);

        EXPECT_EQ(out.proceed, row.outcome.proceed);
        EXPECT_EQ(out.message, row.outcome.message);
        EXPECT_EQ(out.error, row.outcome.error);
        expectParams(params, row.state);
        expectSheet(sheet, newSheet);
    }
}

TEST(ReadRibParameters, ThicknessBoxesChangeTheFactorOnlyWhenTickedWithANumber) {
    struct Case {
        bool ticked;
        const char* text;
        double factor;
    };
    const Case cases[] = {
        {true, "90", 0.9},   {true, "abc", 1.0}, {false, "90", 1.0},
        {false, "abc", 1.0}, {true, "100", 1.0}, {true, "120", 1.2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.ticked ? "ticked " : "unticked ") + c.text);
        RibSettings panel = defaultRibSettings(QLatin1Char('.'));
        panel.rootThicknessOn = c.ticked;
        panel.rootThicknessText = c.text;
        panel.tipThicknessOn = c.ticked;
        panel.tipThicknessText = c.text;
        RibParameters params = earlierParams();
        SheetSettings sheet;

        const Outcome out = read(panel, params, sheet);

        // A bad factor text is swallowed: no message and the redraw goes on.
        EXPECT_TRUE(out.proceed);
        EXPECT_EQ(out.message, "");
        EXPECT_EQ(params.rootThicknessFactor, c.factor);
        EXPECT_EQ(params.tipThicknessFactor, c.factor);
    }
}

TEST(ReadRibParameters, TaperOffNeverLooksAtTheTipFields) {
    RibSettings panel = defaultRibSettings(QLatin1Char('.'));
    panel.taperOn = false;
    panel.tipChordText = "abc";
    panel.ribCountText = "x";
    // The tip thickness is read all the same.
    panel.tipThicknessOn = true;
    panel.tipThicknessText = "85";
    RibParameters params = earlierParams();
    params.taperOn = true;
    SheetSettings sheet;

    const Outcome out = read(panel, params, sheet);

    EXPECT_TRUE(out.proceed);
    EXPECT_EQ(out.message, "");
    EXPECT_EQ(out.error, "");
    EXPECT_FALSE(params.taperOn);
    EXPECT_EQ(params.ribCount, 1);
    EXPECT_EQ(params.tipChord, 22);  // left from the earlier redraw
    EXPECT_EQ(params.tipThicknessFactor, 0.85);
}

TEST(ReadRibParameters, NoValueIsRangeChecked) {
    const char* texts[][2] = {{"0", "1"}, {"-150", "0"}, {"150", "-3"}, {"150", " 16 "}};
    for (const auto& [chord, count] : texts) {
        SCOPED_TRACE(std::string(chord) + " / " + count);
        RibSettings panel = defaultRibSettings(QLatin1Char('.'));
        panel.rootChordText = chord;
        panel.ribCountText = count;
        RibParameters params;
        SheetSettings sheet;
        EXPECT_TRUE(read(panel, params, sheet).proceed);
        EXPECT_EQ(params.rootChord, QString(chord).toDouble());
        EXPECT_EQ(params.ribCount, QString(count).trimmed().toInt());
    }
}

TEST(ReadRibParameters, SparAndSkinAreHeldInSinglePrecision) {
    RibSettings panel = defaultRibSettings(QLatin1Char('.'));
    panel.sparPercentText = "33.3";
    panel.skinThicknessText = "0.1";
    RibParameters params;
    SheetSettings sheet;
    read(panel, params, sheet);
    EXPECT_EQ(params.sparPercent, 33.3f);
    EXPECT_EQ(params.skinThickness, 0.1f);
    EXPECT_NE(double(params.skinThickness), 0.1);
}

TEST(ReadRibParameters, CommaLocaleReadsCommaDecimals) {
    RibSettings panel = defaultRibSettings(QLatin1Char('.'));
    panel.decimalSeparator = QLatin1Char(',');
    panel.rootChordText = "150,5";
    panel.tipChordText = "99,25";
    panel.skinThicknessText = "1,50";
    panel.rootThicknessOn = true;
    panel.rootThicknessText = "92,5";
    RibParameters params;
    SheetSettings sheet;
    EXPECT_TRUE(read(panel, params, sheet).proceed);
    EXPECT_EQ(params.rootChord, 150.5);
    EXPECT_EQ(params.tipChord, 99.25);
    EXPECT_EQ(params.skinThickness, 1.5f);
    EXPECT_EQ(params.rootThicknessFactor, 0.925);

    // The dot is an ordinary character under this locale, not a separator.
    panel.rootChordText = "150.5";
    const Outcome dotted = read(panel, params, sheet);
    EXPECT_FALSE(dotted.proceed);
    EXPECT_EQ(dotted.message, sheet_texts::badRootChord().toStdString());
    EXPECT_EQ(params.rootChord, 150.5);
}
