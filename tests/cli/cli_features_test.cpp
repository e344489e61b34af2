// Rib features from the command line: what each option reaches, a text that does not read is a
// usage error naming its option, and a feature that cannot be cut refuses the run by rib and
// feature with nothing written.
#include "support/cli_process.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using rw::test::CliResult;
using rw::test::fileBytes;
using rw::test::kAirfoil;
using rw::test::kStem;
using rw::test::runCli;

namespace {

TEST(RibwrightCliFeatures, NotchesStockAndHolesReachTheCutFilesAndNotTheCsv) {
    QTemporaryDir plain, featured;
    ASSERT_EQ(runCli({"--out-dir", plain.path(), "--all", kAirfoil}).exitCode, 0);
    const CliResult r =
        runCli({"--out-dir", featured.path(), "--all", "--spar-notch", "30:3x6", "--spar-notch",
                "70:2x2:bottom", "--te-stock", "5", "--holes", "60:2", kAirfoil});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.count('\n'), 6);
    // The CSV pairs every data point with its rib point; the cut shapes are in the other files.
    EXPECT_EQ(fileBytes(featured.filePath(kStem + ".csv")),
              fileBytes(plain.filePath(kStem + ".csv")));
    // Holes are contours of their own: more than one per rib in the cut DXF and the drawing.
    const QByteArray cutContour("POLYLINE\r\n8\r\nCUT\r\n");
    EXPECT_EQ(fileBytes(plain.filePath(kStem + "_cut.dxf")).count(cutContour), 10);
    EXPECT_GT(fileBytes(featured.filePath(kStem + "_cut.dxf")).count(cutContour), 10);
    EXPECT_GT(fileBytes(featured.filePath(kStem + ".dxf")).count("POLYLINE"),
              fileBytes(plain.filePath(kStem + ".dxf")).count("POLYLINE"));

    // Sheeting per surface moves the rib outline, so the CSV follows it.
    const QString sheeted = featured.filePath("sheeted.csv");
    ASSERT_EQ(
        runCli({"--csv", sheeted, "--upper-skin", "1.5", "--lower-skin", "0", kAirfoil}).exitCode,
        0);
    EXPECT_NE(fileBytes(sheeted), fileBytes(plain.filePath(kStem + ".csv")));

    // Sheeting equal to the skin thickness is no feature: every file stays as it was.
    QTemporaryDir same;
    ASSERT_EQ(runCli({"--out-dir", same.path(), "--all", "--upper-skin", "1", "--lower-skin", "1",
                      kAirfoil})
                  .exitCode,
              0);
    for (const QString& name : QDir(plain.path()).entryList(QDir::Files)) {
        if (!name.endsWith(".pdf"))  // the PDF carries its creation time
            EXPECT_EQ(fileBytes(same.filePath(name)), fileBytes(plain.filePath(name)))
                << name.toStdString();
    }
}

TEST(RibwrightCliFeatures, TextsThatDoNotReadAreUsageErrorsNamingTheOption) {
    QTemporaryDir dir;
    const QList<QStringList> usage = {
        {"--spar-notch", "30:3"},    {"--spar-notch", "30:3x6:left"},
        {"--upper-skin", "-1"},      {"--lower-skin", "1,5"},
        {"--te-stock", "0"},         {"--holes", "100:2"},
        {"--spar-notch", "130:3x6"},
    };
    for (const QStringList& args : usage) {
        const CliResult r = runCli(args + QStringList{"--out-dir", dir.path(), kAirfoil});
        EXPECT_EQ(r.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith("ribwright-cli: " + args[0] + " takes"))
            << r.err.toStdString();
        EXPECT_TRUE(QDir(dir.path()).isEmpty());
    }
}

TEST(RibwrightCliFeatures, AFeatureThatCannotBeCutRefusesEveryFileByRibAndFeature) {
    QTemporaryDir dir;
    const struct {
        QStringList args;
        const char* message;
    } refused[] = {
        // The root rib takes a notch 105 mm from its leading edge; the 100 mm tip rib does not.
        {{"--ribs", "2", "--spar-notch", "105mm:3x1"},
         "リブ 2 の桁の切り欠き 1 (前縁から 105 mm、上面): 前縁から 103.5〜106.5 mm の"},
        {{"--spar-notch", "30:3x6", "--spar-notch", "45mm:3x30:bottom"},
         "リブ 1 の桁の切り欠き 2 (前縁から 45 mm、下面): 深さ 30 mm が"},
        {{"--upper-skin", "10", "--lower-skin", "10"},
         "リブ 1 の上面・下面のSKIN材厚さ: 上面 10 mm と下面 10 mm の合計"},
        {{"--te-stock", "150"}, "リブ 1 の後縁材の切り落とし: 切り取るとリブが残りません"},
    };
    for (const auto& c : refused) {
        // Only the sheet image is asked for: the files of one run show the same ribs.
        const CliResult r =
            runCli(c.args + QStringList{"--image", dir.filePath("sheet.png"), kAirfoil});
        EXPECT_EQ(r.exitCode, 2) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith(QString::fromUtf8(c.message))) << r.err.toStdString();
        EXPECT_TRUE(QDir(dir.path()).isEmpty());
    }
    const CliResult help = runCli({"--help"});
    for (const char* option : {"--spar-notch", "--upper-skin", "--lower-skin", "--te-stock",
                               "--holes", "POS:WIDTHxDEPTH[:top|bottom|both]"})
        EXPECT_TRUE(help.out.contains(QLatin1String(option))) << option;
}

}  // namespace
