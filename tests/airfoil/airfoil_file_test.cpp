#include "airfoil/airfoil_file.h"
#include "airfoil/airfoil_parser.h"

#include "platform/errors.h"
#include "support/full_disk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace rw;

namespace {

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A parsed state whose text has exactly `length` characters: a title padded to size, one line.
AirfoilState stateOfLength(int length) {
    AirfoilState s;
    s.text = QString(length - 2, QLatin1Char('A')) + "\r\n";
    parseAirfoilText(s, QLatin1Char('.'));
    return s;
}

}  // namespace

TEST(AirfoilFile, OnlyTextsLongerThanOneHundredCharactersAreWritten) {
    QTemporaryDir dir;
    const QString path = dir.filePath("lastdata.txt");
    EXPECT_FALSE(saveAirfoilText(stateOfLength(100), path));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(saveAirfoilText(stateOfLength(101), path));
    EXPECT_EQ(readBytes(path), QByteArray(99, 'A') + "\r\n");
}

TEST(AirfoilFile, EveryLineEndsWithCrLfAndLfOnlyFilesLoad) {
    QTemporaryDir dir;
    const QString path = dir.filePath("foil.dat");
    AirfoilState s;
    // The text does not end with a line end; the file still does.
    s.text =
        "TITLE LINE THAT IS LONG ENOUGH TO BE SAVED........................................"
        "\r\n1.0 0.0\r\n0.5  0.05";
    parseAirfoilText(s, QLatin1Char('.'));
    ASSERT_TRUE(saveAirfoilText(s, path));
    EXPECT_TRUE(readBytes(path).endsWith("0.5  0.05\r\n"));
    EXPECT_EQ(readBytes(path).count("\r\n"), 3);

    writeBytes(path, "T\n1.0000  0.0000\r\n0.5000  0.0600\n");
    EXPECT_EQ(loadAirfoilText(path), QString("T\r\n1.0000  0.0000\r\n0.5000  0.0600\r\n"));
    writeBytes(path, "no line end");
    EXPECT_EQ(loadAirfoilText(path), QString("no line end\r\n"));
    writeBytes(path, "");
    EXPECT_EQ(loadAirfoilText(path), QString());
    EXPECT_EQ(loadAirfoilText(dir.filePath("missing.dat")), std::nullopt);
    EXPECT_EQ(loadAirfoilText(dir.path()), std::nullopt);

    // A generated LF-only airfoil file loads and parses normally.
    QByteArray lfOnly = readBytes(RIBWRIGHT_TEST_DATA "/naca2412_two_surface.dat");
    lfOnly.replace("\r\n", "\n");
    writeBytes(path, lfOnly);
    AirfoilState loaded;
    loaded.text = *loadAirfoilText(path);
    EXPECT_EQ(parseAirfoilText(loaded, QLatin1Char('.')), ParseOutcome::Usable);
}

TEST(AirfoilFile, LibraryNamesAreCutFromTheTitle) {
    EXPECT_EQ(libraryEntryName("SAMPLE 12.5% (TEST) / X"), "SAMPLE 12");
    EXPECT_EQ(libraryEntryName("FOIL-7 10% THICK"), "FOIL-7 10");
    EXPECT_EQ(libraryEntryName("AB/CD 2"), "AB");
    EXPECT_EQ(libraryEntryName("(X)"), "");
    EXPECT_EQ(libraryEntryName("  PLAIN NAME \t"), "PLAIN NAME");
}

TEST(AirfoilFile, SavingReplacesWholeFilesAndFailuresLeaveOlderFilesIntact) {
    QTemporaryDir dir;
    const QString path = dir.filePath("SAMPLE.dat");
    AirfoilState first = stateOfLength(120);
    ASSERT_TRUE(saveAirfoilText(first, path));
    AirfoilState second = stateOfLength(110);
    ASSERT_TRUE(saveAirfoilText(second, path));
    EXPECT_EQ(readBytes(path), QByteArray(108, 'A') + "\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    try {
        saveAirfoilText(first, dir.filePath("missing/SAMPLE.dat"));
        FAIL() << "saved into a missing folder";
    } catch (const FileError& e) {
        EXPECT_EQ(e.text(), QStringLiteral("指定されたファイルが見つかりません\n") +
                                dir.filePath("missing/SAMPLE.dat"));
    }

    // A full disk: the device is written in place and reports the disk-full text.
    if (QFile::exists(test::kFullDisk))
        test::fullDiskError([&](const QString& path) { saveAirfoilText(first, path); });
    EXPECT_EQ(readBytes(path), QByteArray(108, 'A') + "\r\n");
}
