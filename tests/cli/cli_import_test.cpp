// Airfoil files as they are published: imported by default, read as pasted on request, and
// several at once with --out-dir.
#include "support/cli_process.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using rw::test::CliResult;
using rw::test::runCli;

namespace {

const QString kTwoSurface = QStringLiteral(RIBWRIGHT_TEST_DATA "/naca2412_two_surface.dat");
const QString kLoop = QStringLiteral(RIBWRIGHT_TEST_DATA "/naca0012_loop.dat");
const QString kNotes = QStringLiteral(RIBWRIGHT_TEST_DATA "/import/notes_after.dat");
const QString kNoCoordinates = QStringLiteral(RIBWRIGHT_TEST_DATA "/import/no_coordinates.dat");

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden);
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

QString copied(const QTemporaryDir& dir, const QString& from, const QString& name) {
    const QString to = dir.filePath(name);
    return QFile::copy(from, to) ? to : QString();
}

}  // namespace

TEST(CliImport, ACleanFileGivesTheSameFilesImportedOrAsPasted) {
    QTemporaryDir imported;
    QTemporaryDir pasted;
    for (const QString& file : {kTwoSurface, kLoop}) {
        const CliResult a = runCli({"--out-dir", imported.path(), "--sheet", "300x200", file});
        const CliResult b =
            runCli({"--out-dir", pasted.path(), "--sheet", "300x200", "--as-pasted", file});
        ASSERT_EQ(a.exitCode, 0) << a.err.toStdString();
        ASSERT_EQ(b.exitCode, 0) << b.err.toStdString();
        EXPECT_TRUE(a.err.isEmpty()) << a.err.toStdString();
    }
    const QStringList names = filesIn(imported.path());
    ASSERT_EQ(names.size(), 6);
    EXPECT_EQ(filesIn(pasted.path()), names);
    for (const QString& name : names) {
        EXPECT_EQ(contentsOf(imported.filePath(name)), contentsOf(pasted.filePath(name)))
            << name.toStdString();
    }
}

TEST(CliImport, NotesAreReportedAndAsPastedReadsTheFileAsItStands) {
    QTemporaryDir dir;
    const CliResult imported = runCli({"--csv", dir.filePath("i.csv"), kNotes});
    EXPECT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.err.contains(kNotes + ": 3 行の注記を除きました\n"))
        << imported.err.toStdString();

    const CliResult pasted = runCli({"--csv", dir.filePath("p.csv"), "--as-pasted", kNotes});
    // The parser reads the first note as a number, as a paste of the same text does.
    EXPECT_EQ(pasted.exitCode, 2);
    EXPECT_EQ(pasted.err, "'Thickness:' は浮動小数点数ではありません\n");
    EXPECT_EQ(filesIn(dir.path()), QStringList{"i.csv"});
}

TEST(CliImport, ABatchWritesEveryGoodFileAndNamesEachRefusal) {
    QTemporaryDir in;
    QTemporaryDir out;
    const QString a = copied(in, kTwoSurface, "a.dat");
    const QString bad = copied(in, kNoCoordinates, "bad.dat");
    const QString c = copied(in, kLoop, "c.dat");
    CliResult r = runCli({a, bad, c, "--out-dir", out.path(), "--sheet", "200x100"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(filesIn(out.path()),
              QStringList({"NACA 0012_150x100x10.csv", "NACA 0012_150x100x10.dxf",
                           "NACA 0012_150x100x10.png", "NACA 2412_150x100x10.csv",
                           "NACA 2412_150x100x10.dxf", "NACA 2412_150x100x10.png"}));
    EXPECT_EQ(r.out.split('\n', Qt::SkipEmptyParts).size(), 6);
    EXPECT_EQ(r.err, bad + ": ファイルに座標の行がありません\n");

    // A missing file is a file error, the worst status; a second file with an earlier one's
    // title would write over its files and is refused; the others are still written.
    QDir(out.path()).removeRecursively();
    const QString again = copied(in, kLoop, "again.dat");
    const QString missing = in.filePath("missing.dat");
    r = runCli({c, missing, again, "--out-dir", out.path(), "--sheet", "200x100"});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(filesIn(out.path()).size(), 3);
    EXPECT_EQ(r.out.split('\n', Qt::SkipEmptyParts).size(), 3);
    for (const QString& line : r.err.split('\n', Qt::SkipEmptyParts)) {
        EXPECT_TRUE(line.startsWith(missing + ": ") || line.startsWith(again + ": "))
            << r.err.toStdString();
    }
    EXPECT_TRUE(r.err.contains(again + ": ")) << r.err.toStdString();

    // Several files need --out-dir and nothing that names one output.
    EXPECT_EQ(runCli({a, c, "--name"}).exitCode, 1);
    EXPECT_EQ(runCli({a, c, "--out-dir", out.path(), "--csv", out.filePath("x.csv")}).exitCode, 1);
    EXPECT_EQ(runCli({a, c, "--out-dir", out.path(), "--svg", out.filePath("x.svg")}).exitCode, 1);
}
