#include "export/csv_writer.h"
#include "export/number_format.h"

#include "platform/errors.h"
#include "support/full_disk.h"
#include "support/qt_print.h"
#include "support/rib_jobs.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace rw;

namespace {

// Six points, from x = 1, y = 0.0013 over the leading edge at the origin and back.
AirfoilState exampleAirfoil(const QString& name = QStringLiteral("FOIL 24")) {
    AirfoilState airfoil;
    airfoil.name = name;
    airfoil.profile.x = {1.0f, 0.95f, 0.5f, 0.0f, 0.5f, 1.0f};
    airfoil.profile.y = {0.0013f, 0.00807f, 0.06f, 0.0f, -0.04f, -0.0013f};
    return airfoil;
}

// A single rib, root chord 150, no skin, no thickness change.
RibParameters singleRib() {
    return test::ribParameters(150, 100, 1, 0);
}

QByteArray exportToBytes(const AirfoilState& airfoil, const RibParameters& params) {
    QTemporaryDir dir;
    const QString path = dir.filePath("FOIL 24_150.csv");
    test::saveOutput(OutputFormat::Csv, path, test::ribJob(airfoil, params));
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "(not written)";
    return f.readAll();
}

QList<QByteArray> lines(const QByteArray& bytes) {
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    QList<QByteArray> result = bytes.split('\n');
    result.removeLast();  // after the final line end
    for (QByteArray& line : result) {
        EXPECT_TRUE(line.endsWith('\r')) << line.constData();
        line.chop(1);
    }
    return result;
}

}  // namespace

TEST(CsvExport, SingleRibFileByteForByte) {
    const QByteArray expected =
        "FOIL 24\r\n"
        "\r\n"
        "skin THICKNESS= 0mm\r\n"
        "ROOT CHORD= 150mm\r\n"
        "\r\n"
        "RIB # 1,Surface,,,Rib Outline\r\n"
        ",X,Y,,X,Y\r\n"
        ",150,0.195000007748604, ,150,0.195000007748604\r\n"
        ",142.5,1.21050012111664, ,142.5,1.21050012111664\r\n"
        ",75,9, ,75,9\r\n"
        ",0,0, ,0,0\r\n"
        ",75,-6, ,75,-6\r\n"
        ",150,-0.195000007748604, ,150,-0.195000007748604\r\n"
        "\r\n"
        "\r\n";
    EXPECT_EQ(exportToBytes(exampleAirfoil(), singleRib()), expected);
}

TEST(CsvExport, TaperedHeaderWithThicknessRemarksAndOneBlockPerRib) {
    RibParameters p = singleRib();
    p.rootChord = 200;
    p.tipChord = 120;
    p.taperOn = true;
    p.ribCount = 10;
    p.rootThicknessFactor = 0.9;
    p.tipThicknessFactor = 0.8;
    const QList<QByteArray> l = lines(exportToBytes(exampleAirfoil(), p));
    ASSERT_EQ(l.size(), 7 + 10 * (2 + 6 + 2));
    EXPECT_EQ(l[3], "ROOT CHORD= 200mm,,(Thickness % = 90% )");
    EXPECT_EQ(l[4], "TIP CHORD= 120mm,,(Thickness %= 80% )");
    EXPECT_EQ(l[5], "Number of Rib =10");
    EXPECT_EQ(l[6], "");
    for (int k = 1; k <= 10; ++k) {
        const int head = 7 + (k - 1) * 10;
        EXPECT_EQ(l[head], "RIB # " + QByteArray::number(k) + ",Surface,,,Rib Outline");
        EXPECT_EQ(l[head + 1], ",X,Y,,X,Y");
        EXPECT_EQ(l[head + 8], "");
        EXPECT_EQ(l[head + 9], "");
    }
    // The tip rib: chord 120 and the tip factor held in single precision.
    EXPECT_EQ(l[99], ",120,0.124800004065037, ,120,0.124800004065037");
    EXPECT_EQ(l[103], ",60,-3.83999991416931, ,60,-3.83999991416931");
}

TEST(CsvExport, TaperOffWritesOneRootRibWithItsThicknessChange) {
    RibParameters p = singleRib();
    p.rootThicknessFactor = 0.9;
    p.tipThicknessFactor = 0.8;  // has no say with a single rib
    p.tipChord = 120;
    const QList<QByteArray> l = lines(exportToBytes(exampleAirfoil(), p));
    ASSERT_EQ(l.size(), 5 + 2 + 6 + 2);
    EXPECT_EQ(l[3], "ROOT CHORD= 150mm,,(Thickness % = 90% )");
    EXPECT_EQ(l[4], "");
    EXPECT_EQ(l[5], "RIB # 1,Surface,,,Rib Outline");
    EXPECT_EQ(l[8], ",142.5,1.08945000171661, ,142.5,1.08945000171661");

    // The tip lines follow the rib count: taper on with one rib has none either.
    p.taperOn = true;
    const QList<QByteArray> one = lines(exportToBytes(exampleAirfoil(), p));
    EXPECT_EQ(one.size(), l.size());
    EXPECT_FALSE(one.join('\n').contains("TIP CHORD"));
}

TEST(CsvExport, NoRibsLeavesTheHeaderEndingInItsEmptyLine) {
    RibParameters p = singleRib();
    p.taperOn = true;
    for (int count : {0, -3}) {
        p.ribCount = count;
        EXPECT_EQ(exportToBytes(exampleAirfoil(), p),
                  "FOIL 24\r\n\r\nskin THICKNESS= 0mm\r\nROOT CHORD= 150mm\r\n\r\n")
            << count;
    }
}

TEST(CsvExport, SkinThicknessValuesAsHeldInSinglePrecision) {
    RibParameters p = singleRib();
    p.ribCount = 0;
    const std::pair<float, QByteArray> cases[] = {
        {0.8f, "skin THICKNESS= 0.800000011920929mm"},
        {0.5f, "skin THICKNESS= 0.5mm"},
        {1.0f, "skin THICKNESS= 1mm"},
        {5.0f, "skin THICKNESS= 5mm"},
        {1.5f, "skin THICKNESS= 1.5mm"},
    };
    for (const auto& [skin, line] : cases) {
        p.skinThickness = skin;
        EXPECT_EQ(lines(exportToBytes(exampleAirfoil(), p))[2], line);
    }
}

TEST(CsvExport, SkinSetsTheOutlineColumnsInsideTheSurface) {
    // Five points whose offset outline at chord 100 and skin 1 is known.
    AirfoilState airfoil;
    airfoil.name = "FIVE";
    airfoil.profile.x = {1.0f, 0.5f, 0.0f, 0.5f, 1.0f};
    airfoil.profile.y = {0.0f, 0.06f, 0.0f, -0.04f, 0.0f};
    RibParameters p = singleRib();
    p.rootChord = 100;
    p.skinThickness = 1;
    const QList<QByteArray> l = lines(exportToBytes(airfoil, p));
    ASSERT_EQ(l.size(), 5 + 2 + 5 + 2);
    const double outline[5][2] = {
        {100, -1.00717}, {50, 4.99283}, {10.0518, 0.199047}, {50, -2.99681}, {100, 1.00319}};
    const char* surface[5] = {",100,0, ,", ",50,6, ,", ",0,0, ,", ",50,-4, ,", ",100,0, ,"};
    for (int i = 0; i < 5; ++i) {
        const QByteArray& line = l[7 + i];
        ASSERT_TRUE(line.startsWith(surface[i])) << line.constData();
        const QList<QByteArray> cells = line.split(',');
        ASSERT_EQ(cells.size(), 6);
        EXPECT_EQ(cells[3], " ");
        EXPECT_NEAR(cells[4].toDouble(), outline[i][0], 1e-4) << line.constData();
        EXPECT_NEAR(cells[5].toDouble(), outline[i][1], 1e-5) << line.constData();
    }
}

TEST(CsvExport, TitleIsWrittenAsHeldCommasAndAllUnquoted) {
    const QString title = QStringLiteral("  FOIL 24, mod \"B\", 12%  ");
    const QList<QByteArray> l = lines(exportToBytes(exampleAirfoil(title), singleRib()));
    EXPECT_EQ(l[0], "  FOIL 24, mod \"B\", 12%  ");
}

TEST(CsvExport, AFailedWriteReportsTheFileErrorAndWritesNothingElse) {
    const RibJob job = test::ribJob(exampleAirfoil(), singleRib());
    test::fullDiskError(
        [&](const QString& path) { test::saveOutput(OutputFormat::Csv, path, job); });

    QTemporaryDir dir;
    const QString plainFile = dir.filePath("plain.csv");
    {
        QFile f(plainFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("older");
    }
    try {
        test::saveOutput(OutputFormat::Csv, plainFile + "/x.csv", job);
        FAIL() << "no error for a path through a file";
    } catch (const FileError& e) {
        EXPECT_EQ(e.text(), QStringLiteral("不正なファイル名 - %s\n") + plainFile + "/x.csv");
    }
    QFile f(plainFile);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "older");
}
