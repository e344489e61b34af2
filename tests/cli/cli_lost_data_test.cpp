// Runs that lost or misled about files, and inputs without a bound, grouped by kind: every case
// once wrote over a file, left one behind or said nothing of a failure.
#include "support/cli_process.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using rw::test::CliResult;
using rw::test::fileBytes;
using rw::test::kAirfoil;
using rw::test::kStem;
using rw::test::runCli;
using rw::test::runCliBytes;

namespace {

// Stock this small puts the test airfoil's ten ribs on five sheets.
const QStringList kFiveSheets = {"--stock", "160x60"};

QStringList entriesOf(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                               QDir::NoDotAndDotDot);
}

// A copy of the test airfoil in `dir` under `name`, its title replaced by `title` when given.
QString airfoilCopy(const QTemporaryDir& dir, const QString& name,
                    const QByteArray& title = QByteArray()) {
    QByteArray text = fileBytes(kAirfoil);
    if (!title.isEmpty())
        text.replace(0, text.indexOf('\n'), title);
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return QString();
    return file.fileName();
}

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

}  // namespace

// ---- lost data: no output writes over an input or another output

TEST(CliLostData, AnOutputOnAnAirfoilFileIsAUsageErrorHoweverSpelled) {
    QTemporaryDir dir;
    const QString foil = airfoilCopy(dir, "foil.dat");
    const QByteArray original = fileBytes(foil);
    ASSERT_TRUE(QDir(dir.path()).mkdir("o"));
    ASSERT_TRUE(QFile::link(foil, dir.filePath("link.png")));
    ASSERT_TRUE(QFile::link(dir.path(), dir.filePath("here")));
    // Sheet 2 of a laser file is the input too; so is the proposed name in the output folder.
    const QString sheetTwo = airfoilCopy(dir, "w-2.svg");
    const QString proposed = airfoilCopy(dir, kStem + ".csv");
    QFile table(dir.filePath("panel.csv"));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write("span,chord,leading_edge,airfoil\n0,200,0,foil.dat\n400,120,30,foil.dat\n");
    table.close();
    const QStringList before = entriesOf(dir.path());
    const std::vector<std::pair<QStringList, QString>> cases = {
        {{"--csv", foil, foil}, foil},
        {{"--dxf", dir.filePath("o/../foil.dat"), foil}, foil},
        {{"--image", dir.filePath("link.png"), foil}, foil},
        {{"--pdf", dir.filePath("here/foil.dat"), foil}, foil},
        {kFiveSheets + QStringList{"--svg", dir.filePath("w.svg"), sheetTwo}, sheetTwo},
        {{"--out-dir", dir.path(), proposed}, proposed},
        // An airfoil a planform table names is read as much as the one given.
        {{"--span", "400", "--planform", dir.filePath("panel.csv"), "--csv", foil, proposed},
         foil},
    };
    for (const auto& [args, input] : cases) {
        const CliResult r = runCli(args);
        EXPECT_EQ(r.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith("ribwright-cli: the output ") &&
                    r.err.contains(" would write over the airfoil file " + input + "\n"))
            << r.err.toStdString();
        EXPECT_EQ(fileBytes(input), original) << args.join(' ').toStdString();
    }
    EXPECT_EQ(entriesOf(dir.path()), before);
}

TEST(CliLostData, EveryStockSheetTakesPartInTheSameFileCheck) {
    QTemporaryDir dir;
    const QString o = dir.filePath("o");
    ASSERT_TRUE(QDir().mkpath(o));
    ASSERT_TRUE(QFile::link(o, dir.filePath("alias")));
    // A link to a file not made yet: writing through it makes the file it names.
    ASSERT_TRUE(QFile::link(o + "/new.csv", o + "/dangling.dxf"));
    const std::vector<QStringList> cases = {
        kFiveSheets + QStringList{"--csv", o + "/w-2.svg", "--svg", o + "/w.svg"},
        kFiveSheets + QStringList{"--svg", o + "/a", "--cut-dxf", o + "/a-2"},
        {"--csv", o + "/new.csv", "--dxf", dir.filePath("alias/new.csv")},
        {"--csv", o + "/new.csv", "--dxf", o + "/dangling.dxf"},
    };
    for (const QStringList& args : cases) {
        const CliResult r = runCli(args + QStringList{kAirfoil});
        EXPECT_EQ(r.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith("ribwright-cli: two outputs would write the same file: "))
            << r.err.toStdString();
        EXPECT_EQ(r.out, QString());
        EXPECT_EQ(entriesOf(o), QStringList{"dangling.dxf"});
    }
}

TEST(CliLostData, EverySheetIsCheckedBeforeTheFirstFile) {
    QTemporaryDir dir;
    const QString o = dir.filePath("o");
    ASSERT_TRUE(QDir().mkpath(o + "/w-2.svg"));
    // Sheet 2 is a folder.
    CliResult r =
        runCli(kFiveSheets + QStringList{"--csv", o + "/w.csv", "--svg", o + "/w.svg", kAirfoil});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(r.err.endsWith("\n" + o + "/w-2.svg\n")) << r.err.toStdString();
    EXPECT_EQ(entriesOf(o), QStringList{"w-2.svg"});

    // Sheet 1 fits the folder's 255 bytes, sheet 2 does not.
    const QString longName = QString(250, u'n') + ".svg";
    r = runCli(kFiveSheets +
               QStringList{"--csv", o + "/w.csv", "--svg", o + "/" + longName, kAirfoil});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(r.err.endsWith(QString(250, u'n') + "-2.svg\n")) << r.err.toStdString();
    EXPECT_EQ(entriesOf(o), QStringList{"w-2.svg"});

    // Only the cut DXF's proposed name is too long: 80 three-byte letters and the settings make
    // 251 bytes, 255 with ".png" and 259 with "_cut.dxf".
    QTemporaryDir input;
    const QString titled = airfoilCopy(input, "t.dat", QByteArray(80, 'x').replace("x", "翼"));
    r = runCli({"--out-dir", dir.filePath("all"), "--all", titled});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(r.err.endsWith("_cut.dxf\n")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("all")));
}

TEST(CliLostData, AWriteThatFailsLaterSaysWhatWasWritten) {
    QTemporaryDir dir;
    const QString csv = dir.filePath("w.csv");
    const CliResult r = runCli({"--csv", csv, "--pdf", "/dev/full", kAirfoil});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.err, "ディスクがいっぱいです\n/dev/full\nエラーの前に書き込まれたファイル:\n" +
                         csv + "\n");
    EXPECT_EQ(r.out, csv + "\n");
}

TEST(CliLostData, FurtherSheetsOfAnEarlierRunAreRemovedAndToldOneALine) {
    QTemporaryDir dir;
    const QString o = dir.path();
    ASSERT_EQ(runCli(kFiveSheets + QStringList{"--svg", o + "/w.svg", kAirfoil}).exitCode, 0);
    // Names that only look like further sheets, a link and a folder stay.
    const QStringList decoys = {"w-07.svg", "w-2x.svg", "w-2.svg.bak", "w-1.svg", "xw-3.svg"};
    for (const QString& name : decoys) {
        QFile file(o + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QFile::link(o + "/w.svg", o + "/w-8.svg"));
    ASSERT_TRUE(QDir(o).mkdir("w-9.svg"));

    // One sheet now; sheet 3's name is this run's CSV, which stays.
    const CliResult r = runCli({"--svg", o + "/w.svg", "--csv", o + "/w-3.svg", kAirfoil});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QString told;
    for (const QString& n : {"2", "4", "5"})
        told += "今回の出力にない古いシートのファイルを削除しました: " + o + "/w-" + n + ".svg\n";
    EXPECT_EQ(r.err, told);
    QStringList left = decoys + QStringList{"w-8.svg", "w-9.svg", "w.svg", "w-3.svg"};
    left.sort();
    EXPECT_EQ(entriesOf(o), left);
}

TEST(CliLostData, AFailedWriteOfStandardOutputIsAnError) {
    QTemporaryDir dir;
    const QString full = QStringLiteral("exec >/dev/full;");
    CliResult r = runCliBytes({"--name", encoded(kAirfoil)}, full);
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.err, "ディスクがいっぱいです\n標準出力 (stdout)\n");
    r = runCliBytes({"--csv", encoded(dir.filePath("w.csv")), encoded(kAirfoil)}, full);
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.err, "ディスクがいっぱいです\n標準出力 (stdout)\n");
}

// ---- bounds: what the input decides stays within what a sheet and stderr can hold

TEST(CliBounds, ALongTitleIsCutToTwoHundredCharactersWithANote) {
    QTemporaryDir dir;
    // A character beyond the BMP across the cut goes whole.
    const QByteArray title = QByteArray(199, 'T') + "\xF0\x9F\x98\x80" + QByteArray(1000, 'U');
    const CliResult r = runCli({"--name", airfoilCopy(dir, "t.dat", title)});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QString(199, u'T') + "_150x100x10\n");
    EXPECT_EQ(r.err, "翼型名が長すぎるため、シートとファイル名には先頭の 200 文字を使います\n");
}

TEST(CliBounds, TheToolkitsOwnMessagesStayOffStderr) {
    QTemporaryDir dir;
    // Every category of the toolkit asked to talk: a run that draws and writes says nothing.
    const CliResult r = runCliBytes(
        {"--sheet", "200x100", "--image", encoded(dir.filePath("s.png")), encoded(kAirfoil)},
        QStringLiteral("QT_LOGGING_RULES='*.debug=true'; export QT_LOGGING_RULES;"));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, QString());
}

TEST(CliBounds, ARibFarTooLongForTheStockIsRefusedWhenNestedToo) {
    QTemporaryDir dir;
    // A chord typed with digits to spare once asked nesting for memory beyond any machine.
    const CliResult r = runCli({"--root-chord", "120120201200", "--ribs", "1", "--nest", "--svg",
                                dir.filePath("r.svg"), kAirfoil});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("の材料に収まりません")) << r.err.toStdString();
    EXPECT_EQ(entriesOf(dir.path()), QStringList());
}

// ---- messages: each says its one thing in the language of the others

TEST(CliMessages, AUsageErrorIsOneLineAndWhereToLook) {
    const CliResult r = runCli({"--paper", "A5", "--name", kAirfoil});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err,
              "ribwright-cli: --paper takes A4, A3 or Letter: A5\n"
              "See ribwright-cli --help for the options.\n");
}

TEST(CliMessages, ABatchRefusesAFileWhoseNamesAreTakenInJapanese) {
    QTemporaryDir dir;
    const QString first = airfoilCopy(dir, "a.dat");
    const QString second = airfoilCopy(dir, "b.dat");
    const CliResult r =
        runCli({"--out-dir", dir.filePath("o"), "--sheet", "200x100", first, second});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err,
              second + ": 前の翼型ファイルが同じ名前のファイルを書き出しています: " + kStem + "\n");
}
