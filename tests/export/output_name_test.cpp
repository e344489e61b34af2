#include "export/output_name.h"
#include "panel/control_table.h"
#include "platform/number_conversion.h"
#include "support/qt_print.h"

#include <gtest/gtest.h>

using namespace rw;

namespace {

struct NameCase {
    QString airfoilName;
    QString rootChordText = QStringLiteral("150");
    bool taperOn = false;
    QString tipChordText = QStringLiteral("120");
    int ribCount = 1;
    double rootFactor = 1;
    double tipFactor = 1;
};

QString stem(const NameCase& c) {
    RibJob job;
    job.airfoil.name = c.airfoilName;
    job.rootChordText = c.rootChordText;
    job.tipChordText = c.tipChordText;
    RibParameters& params = job.params;
    params.taperOn = c.taperOn;
    params.ribCount = c.ribCount;
    params.rootThicknessFactor = c.rootFactor;
    params.tipThicknessFactor = c.tipFactor;
    // The parsed chords must not leak into the name: only the texts count.
    params.rootChord = 999;
    params.tipChord = 999;
    return buildOutputBaseName(job);
}

}  // namespace

TEST(OutputBaseName, TypicalStems) {
    EXPECT_EQ(stem({.airfoilName = "FOIL 24"}), "FOIL 24_150");
    EXPECT_EQ(stem({.airfoilName = "FOIL 44 (12%)",
                    .rootChordText = "200",
                    .taperOn = true,
                    .ribCount = 10}),
              "FOIL 44_200x120x10");
    EXPECT_EQ(stem({.airfoilName = "FOIL 44 (12%)",
                    .rootChordText = "200",
                    .taperOn = true,
                    .ribCount = 10,
                    .rootFactor = 0.9,
                    .tipFactor = 0.8}),
              "FOIL 44_200x120x10_90x80");
    EXPECT_EQ(stem({.airfoilName = "FOIL 44 (12%)",
                    .rootChordText = "200",
                    .taperOn = true,
                    .ribCount = 10,
                    .tipFactor = 0.8}),
              "FOIL 44_200x120x10_100x80");
    EXPECT_EQ(stem({.airfoilName = "FOIL 24", .tipFactor = 0.8}), "FOIL 24_150_100");
    EXPECT_EQ(stem({.airfoilName = "FOIL 12 / modified"}), "FOIL 12 _150");
    EXPECT_EQ(stem({.airfoilName = "  FOIL 64 (9%) / x", .rootChordText = " 150.0 "}),
              "FOIL 64_150.0");
}

TEST(OutputBaseName, NamePieceIsCutAtTheBracketTrimmedThenCutAtTheSlash) {
    EXPECT_EQ(stem({.airfoilName = "(12%) FOIL"}), "_150");
    EXPECT_EQ(stem({.airfoilName = "\t FOIL 24 \r\n"}), "FOIL 24_150");
    // A slash inside the bracket is gone before the slash is looked for.
    EXPECT_EQ(stem({.airfoilName = "FOIL 44 (a/b)"}), "FOIL 44_150");
    EXPECT_EQ(stem({.airfoilName = "FOIL/44 (a/b)"}), "FOIL_150");
    // Blanks after the slash cut are not trimmed away; blanks inside stay.
    EXPECT_EQ(stem({.airfoilName = "  A  B /C"}), "A  B _150");
    EXPECT_EQ(stem({.airfoilName = "/FOIL"}), "_150");
    EXPECT_EQ(stem({.airfoilName = ""}), "_150");
    // Characters a file system refuses are passed on unchanged.
    EXPECT_EQ(stem({.airfoilName = "A:B\\C"}), "A:B\\C_150");
}

TEST(OutputBaseName, ChordsRepeatTheTypingRibCountIsReformatted) {
    EXPECT_EQ(stem({.airfoilName = "F", .rootChordText = "150.0"}), "F_150.0");
    EXPECT_EQ(stem({.airfoilName = "F",
                    .rootChordText = "\t150 ",
                    .taperOn = true,
                    .tipChordText = " 100.00\t",
                    .ribCount = strToInt("08")}),
              "F_150x100.00x8");
    EXPECT_EQ(stem({.airfoilName = "F", .taperOn = true, .ribCount = -3}), "F_150x120x-3");
    // Without taper the tip text and rib count do not appear, whatever they hold.
    EXPECT_EQ(stem({.airfoilName = "F", .tipChordText = "abc", .ribCount = 1}), "F_150");
}

TEST(OutputBaseName, PercentagesAreRoundedHalfToEven) {
    EXPECT_EQ(stem({.airfoilName = "F", .rootFactor = 0.996}), "F_150_100");
    EXPECT_EQ(stem({.airfoilName = "F", .rootFactor = 0.875}), "F_150_88");
    EXPECT_EQ(stem({.airfoilName = "F", .rootFactor = 0.625}), "F_150_62");
    EXPECT_EQ(stem({.airfoilName = "F",
                    .taperOn = true,
                    .ribCount = 2,
                    .rootFactor = 1.125,
                    .tipFactor = 0.805}),
              "F_150x120x2_112x80");
    EXPECT_EQ(stem({.airfoilName = "F", .rootFactor = 0.994}), "F_150_99");
    EXPECT_EQ(stem({.airfoilName = "F", .rootFactor = -0.004}), "F_150_0");
    EXPECT_EQ(stem({.airfoilName = "F", .rootFactor = -0.875}), "F_150_-88");
    // A factor of exactly 1 on both ends adds nothing, even with taper.
    EXPECT_EQ(stem({.airfoilName = "F", .taperOn = true, .ribCount = 2}), "F_150x120x2");
}
