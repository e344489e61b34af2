// Faults found by trying the exporter as a careful tester would, grouped by kind.
#include "support/cli_process.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

using rw::test::CliResult;
using rw::test::runCli;
using rw::test::runCliBytes;

namespace {

const QString kLoop = QStringLiteral(RIBWRIGHT_TEST_DATA "/naca0012_loop.dat");
const QString kStem = QStringLiteral("NACA 0012_150x100x10");
const QString kInvalidOperation = QStringLiteral("不正な浮動小数点数演算命令");

QByteArray loopText() {
    QFile file(kLoop);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return file.fileName();
}

// The names in a folder as bytes; Qt leaves out the names that are not UTF-8.
QList<QByteArray> rawEntries(const QByteArray& folder) {
    QList<QByteArray> names;
    if (DIR* dir = ::opendir(folder.constData())) {
        while (const dirent* entry = ::readdir(dir)) {
            const QByteArray name(entry->d_name);
            if (name != "." && name != "..")
                names << name;
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Removes a tree by its bytes, which Qt cannot do for names that are not UTF-8.
void removeRaw(const QByteArray& path) {
    for (const QByteArray& name : rawEntries(path)) removeRaw(path + "/" + name);
    if (::rmdir(path.constData()) != 0)
        ::unlink(path.constData());
}

QStringList entriesOf(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

}  // namespace

// ---- wrong numbers: nothing that overflows single precision is written as INF or NAN

TEST(CliWrongNumber, ValuesBeyondSinglePrecisionAreRefusedWithNothingWritten) {
    QTemporaryDir dir;
    QByteArray lines = loopText();
    const auto replaced = [&](const QByteArray& from, const QByteArray& to) {
        QByteArray text = lines;
        return text.replace(from, to);
    };
    const QString hugeX = writeFile(dir, "x.dat", replaced(" 0.999416  0.000085", "1e39 0.000085"));
    const QString hugeY = writeFile(dir, "y.dat", replaced(" 0.999416  0.000085", "0.99 3.5e38"));
    const QString longField =
        writeFile(dir, "long.dat", replaced(" 0.999416  0.000085", "0.99 " + QByteArray(150, '7')));
    const std::vector<QStringList> cases = {
        {"--root-chord", "1e39"},
        {"--skin", "1e39"},
        {"--root-thickness", "1e40"},
        {"--tip-chord", "-3.5e38"},
        {"--spar", "1e39"},
        {"--tip-thickness", "4e38"},
        {"--ribs", "0", "--root-chord", "1e39"},
        // Within range, but the drawing stacks ribs 0.15 root chords apart: rib 8 lies beyond it.
        {"--root-chord", "3e38", "--tip-chord", "3e3", "--ribs", "16"},
        {hugeX},
        {hugeY},
        {longField},
    };
    for (const QStringList& c : cases) {
        const QString out = dir.filePath("out");
        QStringList args = QStringList{"--out-dir", out} + c;
        if (c.size() != 1)
            args << kLoop;
        const CliResult r = runCli(args);
        EXPECT_EQ(r.exitCode, 2) << c.join(' ').toStdString() << r.err.toStdString();
        EXPECT_EQ(r.err.trimmed(), kInvalidOperation) << c.join(' ').toStdString();
        EXPECT_FALSE(QFileInfo::exists(out)) << c.join(' ').toStdString();
    }
}

// ---- names: file names are bytes

TEST(CliNames, NamesThatAreNotUtf8AreUsedByteForByte) {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    const QByteArray airfoil = folder + "/prof\xe9.dat";
    ASSERT_TRUE(QFile::copy(kLoop, dir.filePath("plain.dat")));
    ASSERT_EQ(
        ::rename(QFile::encodeName(dir.filePath("plain.dat")).constData(), airfoil.constData()), 0);

    const QByteArray csv = folder + "/out\xff.csv";
    CliResult r = runCliBytes({"--csv", csv, airfoil});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.rawOut, csv + "\n");

    // A relative folder too, whose name the toolkit's path handling would change.
    const QByteArray outDir = folder + "/dir\xfe";
    r = runCliBytes({"--out-dir", "dir\xfe", "--sheet", "200x100", airfoil},
                    QStringLiteral("cd '%1';").arg(dir.path()));
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.rawOut.count("dir\xfe/"), 3);
    // The airfoil, the CSV and the folder under the bytes given, and nothing under another name.
    EXPECT_EQ(rawEntries(folder), QList<QByteArray>({"dir\xfe", "out\xff.csv", "prof\xe9.dat"}));
    EXPECT_EQ(rawEntries(outDir).size(), 3);
    removeRaw(folder);
}

TEST(CliNames, ANulInTheTitleStaysOutOfTheFileName) {
    QTemporaryDir dir;
    QByteArray text = loopText();
    text.replace(0, 4, QByteArray("NA\0CA", 5));
    const QString airfoil = writeFile(dir, "nul.dat", text);
    const CliResult r = runCli({"--out-dir", dir.filePath("out"), "--sheet", "100x60", airfoil});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(entriesOf(dir.filePath("out")),
              QStringList({kStem + ".csv", kStem + ".dxf", kStem + ".png"}));
}

TEST(CliNames, TwoOutputsOnOnePathAreAUsageError) {
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    EXPECT_EQ(runCli({"--csv", "a.csv", "--dxf", dir.filePath("./a.csv"), kLoop}).exitCode, 1);
    EXPECT_EQ(runCli({"--out-dir", ".", "--dxf", kStem + ".csv", kLoop}).exitCode, 1);
    QDir::setCurrent(before);
    EXPECT_TRUE(entriesOf(dir.path()).isEmpty());
}

// ---- refusals write nothing

TEST(CliRefusal, EverythingCheckableIsCheckedBeforeTheFirstFile) {
    QTemporaryDir dir;
    // The DXF cannot be written: the CSV before it is not written either.
    CliResult r =
        runCli({"--csv", dir.filePath("a.csv"), "--dxf", dir.filePath("none/a.dxf"), kLoop});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(r.err.contains(dir.filePath("none/a.dxf"))) << r.err.toStdString();
    EXPECT_TRUE(entriesOf(dir.path()).isEmpty());

#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's shadow memory does not fit a memory limit";
#endif
    // A sheet the memory cannot hold is said so, and nothing is written.
    r = runCliBytes({"--sheet", "20000x20000", "--out-dir", QFile::encodeName(dir.filePath("o")),
                     QFile::encodeName(kLoop)},
                    QStringLiteral("ulimit -v 1200000;"));
    EXPECT_EQ(r.exitCode, 3) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("20000 × 20000"))) << r.err.toStdString();
    EXPECT_TRUE(entriesOf(dir.path()).isEmpty());
    // --name does not draw the sheet at all.
    r = runCliBytes(
        {"--sheet", "20000x20000", "--root-chord", "0", "--name", QFile::encodeName(kLoop)},
        QStringLiteral("ulimit -v 1200000;"));
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "NACA 0012_0x100x10\n");
}

// ---- messages and options

TEST(CliMessages, LongTokensAreCutInMessages) {
    const QString digits(100000, QLatin1Char('9'));
    CliResult r = runCli({"--name", "--skin", digits + "x", kLoop});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err.trimmed(),
              "'" + digits.left(40) + QChar(0x2026) + "' は浮動小数点数ではありません");
    r = runCli({"--name", "--ribs", digits, kLoop});
    EXPECT_EQ(r.err.trimmed(), "''" + digits.left(40) + QChar(0x2026) + "'' は整数ではありません");
    r = runCli({"--" + digits, kLoop});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_LT(r.err.size(), 4000);
}

TEST(CliMessages, AUtf16FileIsRefusedByItsEncoding) {
    QTemporaryDir dir;
    const QString text = QString::fromUtf8(loopText());
    QByteArray utf16("\xFF\xFE", 2);
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    const QString withMark = writeFile(dir, "bom.dat", utf16);
    const QString withoutMark = writeFile(dir, "plain.dat", utf16.mid(2));
    for (const QString& file : {withMark, withoutMark}) {
        const CliResult r = runCli({"--csv", dir.filePath("a.csv"), file});
        EXPECT_EQ(r.exitCode, 2) << file.toStdString();
        EXPECT_TRUE(r.err.contains("UTF-16 LE")) << r.err.toStdString();
        EXPECT_FALSE(r.err.contains(QChar(0)));
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("a.csv")));
}

TEST(CliMessages, OptionsSayWhatTheyTake) {
    CliResult r = runCli({"--sheet", "20001x10", "--name", kLoop});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("from 1 to 20000")) << r.err.toStdString();

    r = runCli({"--help"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_FALSE(r.out.contains("help-all"));
    EXPECT_EQ(runCli({"--help-all"}).exitCode, 1);

    // Qt's own display option is refused, not handed to a display that is not there.
    r = runCliBytes({"-platform", "xcb", "--name", QFile::encodeName(kLoop)},
                    QStringLiteral("unset DISPLAY WAYLAND_DISPLAY;"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith("ribwright-cli: -platform is a Qt option")) << r.err.toStdString();
}

// Also the sheet 51 pixels wide that once crashed the ruler.
TEST(CliMessages, NoRuntimeFolderIsNeededOrMade) {
    QTemporaryDir dir;
    const QByteArray tmp = QFile::encodeName(dir.path());
    const CliResult r =
        runCliBytes({"--out-dir", tmp + "/out", "--sheet", "51x10", QFile::encodeName(kLoop)},
                    QStringLiteral("TMPDIR=%1; export TMPDIR;").arg(dir.path()));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, QString());
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"out"});
    EXPECT_EQ(entriesOf(dir.filePath("out")).size(), 3);
}
