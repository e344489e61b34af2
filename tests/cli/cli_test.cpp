#include "airfoil/airfoil_texts.h"
#include "platform/errors.h"
#include "sheet/sheet_texts.h"
#include "support/cli_process.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using rw::test::CliResult;
using rw::test::kAirfoil;
using rw::test::kStem;
using rw::test::runCli;
using namespace rw;

namespace {

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden);
}

}  // namespace

TEST(RibwrightCli, NamePrintsTheProposedStemOnly) {
    CliResult r = runCli({"--name", kAirfoil});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, kStem + "\n");

    r = runCli(
        {"--name", "--no-taper", "--root-chord", " 150.0 ", "--tip-thickness", "80", kAirfoil});
    EXPECT_EQ(r.out, "NACA 2412_150.0_100\n");
    r = runCli({"--name", "--ribs", "08", "--root-thickness", "87.5", kAirfoil});
    EXPECT_EQ(r.out, "NACA 2412_150x100x8_88x100\n");
}

TEST(RibwrightCli, OutDirWritesAllThreeFilesUnderTheStem) {
    QTemporaryDir dir;
    const CliResult r =
        runCli({"--out-dir", dir.path(), "--sheet", "800x500", "--points", kAirfoil});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList expected = {kStem + ".csv", kStem + ".dxf", kStem + ".png"};
    EXPECT_EQ(filesIn(dir.path()), expected);
    EXPECT_EQ(r.out.split('\n', Qt::SkipEmptyParts).size(), 3);
    const QImage sheet(dir.filePath(kStem + ".png"));
    EXPECT_EQ(sheet.size(), QSize(800, 500));
    QFile csv(dir.filePath(kStem + ".csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(
        csv.readAll().startsWith("NACA 2412 (generated, 35 points per surface)\r\n\r\n"
                                 "skin THICKNESS= 1mm\r\nROOT CHORD= 150mm\r\n"));

    // A JPEG by its extension; the same run prints each path written.
    const QString jpg = dir.filePath("sheet.JPG");
    const CliResult j = runCli({"--image", jpg, "--sheet", "640x400", kAirfoil});
    ASSERT_EQ(j.exitCode, 0) << j.err.toStdString();
    EXPECT_EQ(j.out, jpg + "\n");
    QFile jpeg(jpg);
    ASSERT_TRUE(jpeg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(jpeg.read(3) == QByteArray("\xFF\xD8\xFF", 3));
}

TEST(RibwrightCli, RefusedSettingsWriteNothingAndExitTwo) {
    struct Case {
        QStringList args;
        QString message;
    };
    const std::vector<Case> cases = {
        {{"--root-chord", "abc"}, sheet_texts::badRootChord()},
        {{"--spar", "x"}, sheet_texts::badSparPosition()},
        {{"--tip-chord", ""}, sheet_texts::badTipChord()},
        {{"--skin", "thick"}, floatConversionErrorText("thick")},
        {{"--ribs", "1.5"}, integerConversionErrorText("1.5")},
        {{"--root-chord", "0"}, divisionByZeroText()},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const CliResult r =
            runCli(QStringList{"--out-dir", dir.path()} + c.args + QStringList{kAirfoil});
        EXPECT_EQ(r.exitCode, 2) << c.args.join(' ').toStdString();
        EXPECT_EQ(r.err.trimmed(), c.message) << r.err.toStdString();
        EXPECT_TRUE(filesIn(dir.path()).isEmpty());
        EXPECT_TRUE(r.out.isEmpty());
    }
    // With taper off the tip fields are not read at all.
    QTemporaryDir dir;
    EXPECT_EQ(runCli({"--no-taper", "--tip-chord", "abc", "--ribs", "x", "--csv",
                      dir.filePath("a.csv"), kAirfoil})
                  .exitCode,
              0);
}

TEST(RibwrightCli, InputAndFileProblemsHaveTheirOwnStatus) {
    QTemporaryDir dir;
    // Too few points.
    const QString shortFile = dir.filePath("short.dat");
    QFile f(shortFile);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("SHORT\n1.0 0.0\n");
    f.close();
    CliResult r = runCli({"--csv", dir.filePath("x.csv"), shortFile});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err.trimmed(), airfoil_texts::tooFewPoints());

    // A missing airfoil file names the path.
    r = runCli({"--csv", dir.filePath("x.csv"), dir.filePath("missing.dat")});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(r.err.contains(dir.filePath("missing.dat")));

    // An output that cannot be written names the path.
    r = runCli({"--csv", dir.filePath("no/such/folder/x.csv"), kAirfoil});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.err.count(dir.filePath("no/such/folder/x.csv")), 1) << r.err.toStdString();

    // An output folder that is missing is made; one that cannot be made is a file error.
    r = runCli({"--out-dir", dir.filePath("new/wing"), "--sheet", "200x100", kAirfoil});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("new/wing/" + kStem + ".dxf")));
    r = runCli({"--out-dir", shortFile + "/wing", kAirfoil});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(r.err.contains(shortFile + "/wing")) << r.err.toStdString();
    QDir(dir.filePath("new")).removeRecursively();

    // Usage errors.
    EXPECT_EQ(runCli({kAirfoil}).exitCode, 1);
    EXPECT_EQ(runCli({"--image", dir.filePath("a.jpeg"), kAirfoil}).exitCode, 1);
    EXPECT_EQ(runCli({"--sheet", "wide", "--name", kAirfoil}).exitCode, 1);
    EXPECT_EQ(runCli({"--name"}).exitCode, 1);
    EXPECT_EQ(runCli({"--help"}).exitCode, 0);
    EXPECT_TRUE(filesIn(dir.path()) == QStringList{"short.dat"});
}
