// The workshop files from the command line: the print, the laser SVG and the cut DXF, the paper
// and stock options, --all, and the values refused before anything is written.
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

TEST(RibwrightCliWorkshop, OptionsWriteThePrintAndTheLaserFiles) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("print.pdf");
    const QString svg = dir.filePath("laser.svg");
    const QString cut = dir.filePath("cut.dxf");
    const CliResult r = runCli({"--pdf", pdf, "--paper", "Letter", "--svg", svg, "--cut-dxf", cut,
                                "--stock", "400x250.5", kAirfoil});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, pdf + "\n" + svg + "\n" + cut + "\n");
    // Letter is 612 x 792 points, either way round.
    const QByteArray print = fileBytes(pdf);
    EXPECT_TRUE(print.contains("/MediaBox [0 0 612.000000 792.000000]") ||
                print.contains("/MediaBox [0 0 792.000000 612.000000]"));
    EXPECT_TRUE(fileBytes(svg).contains("width=\"400mm\" height=\"250.5mm\""));
    EXPECT_TRUE(fileBytes(cut).contains("$INSUNITS"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);

    // A stock sheet too small for all ribs at once: the others go into numbered files.
    const CliResult small =
        runCli({"--svg", dir.filePath("small.svg"), "--stock", "170x60", "--ribs", "4", kAirfoil});
    ASSERT_EQ(small.exitCode, 0) << small.err.toStdString();
    const QStringList written = small.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_GT(written.size(), 1);
    EXPECT_EQ(written[1], dir.filePath("small-2.svg"));
    for (const QString& path : written) EXPECT_TRUE(fileBytes(path).contains("<svg"));
}

TEST(RibwrightCliWorkshop, AllAddsTheWorkshopFilesToTheOutputFolder) {
    QTemporaryDir dir;
    const CliResult r = runCli({"--out-dir", dir.path(), "--all", kAirfoil});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QStringList expected = {kStem + ".csv", kStem + ".dxf", kStem + ".pdf",
                            kStem + ".png", kStem + ".svg", kStem + "_cut.dxf"};
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name), expected);
    EXPECT_EQ(r.out.split('\n', Qt::SkipEmptyParts).size(), 6);
    // The drawing DXF is the one the window writes, not the cut DXF.
    EXPECT_FALSE(fileBytes(dir.filePath(kStem + ".dxf")).contains("MARK"));
}

TEST(RibwrightCliWorkshop, BadValuesAreRefusedWithNothingWritten) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("p.pdf");
    const QList<QStringList> usage = {
        {"--pdf", pdf, "--paper", "B5"},    {"--svg", pdf, "--stock", "600"},
        {"--svg", pdf, "--stock", "0x300"}, {"--svg", pdf, "--stock", "600x-3"},
        {"--svg", pdf, "--stock", "a4"},    {"--all", "--pdf", pdf},
    };
    for (const QStringList& args : usage) {
        const CliResult r = runCli(args + QStringList{kAirfoil});
        EXPECT_EQ(r.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(args[args.size() - 2]) || r.err.contains("--all"))
            << r.err.toStdString();
    }
    // A stock sheet no rib fits refuses the run before the print is written.
    const CliResult tiny =
        runCli({"--pdf", pdf, "--svg", dir.filePath("s.svg"), "--stock", "50x20", kAirfoil});
    EXPECT_EQ(tiny.exitCode, 2);
    EXPECT_FALSE(tiny.err.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST(RibwrightCliWorkshop, HelpListsTheWorkshopOptions) {
    const CliResult r = runCli({"--help"});
    for (const char* option : {"--pdf", "--paper", "--svg", "--cut-dxf", "--stock", "--all"})
        EXPECT_TRUE(r.out.contains(QLatin1String(option))) << option;
}

}  // namespace
