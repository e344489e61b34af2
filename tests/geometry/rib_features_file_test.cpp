// The rib details file: every feature written and read back; what a damaged, hand-edited, newer
// or hostile file gives.
#include "geometry/rib_features_file.h"
#include "platform/errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace rw;

namespace {

RibFeatures everyFeature() {
    RibFeatures f;
    f.sparNotches = {{30, false, 3, 6, NotchSide::Top}, {62.5, true, 0.1, 2.25, NotchSide::Both}};
    f.upperSkin = 1.1f;  // not exact in binary: must read back to the same float
    f.lowerSkin = 0.0f;
    f.trailingEdge = {TrailingEdgeCut::Notch, 0, 6, 1.5};
    f.holes = {true, 57.5, 1.8};
    return f;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

class RibFeaturesFile : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ribdetails.txt"));

    RibFeaturesLoad loadText(const QByteArray& bytes) {
        writeFile(path, bytes);
        return loadRibFeatures(path);
    }
};

}  // namespace

TEST_F(RibFeaturesFile, SavesAndLoadsEveryFeature) {
    EXPECT_EQ(loadRibFeatures(path).features, RibFeatures{});  // first run: no file, no message
    EXPECT_TRUE(loadRibFeatures(path).message.isEmpty());

    // Each value on its own line, notches in their order: the form files already written have.
    EXPECT_EQ(ribFeaturesFileText(everyFeature()), QByteArray("Ribwright rib details 1\r\n"
                                                              "spar-notch=30:3x6:top\r\n"
                                                              "spar-notch=62.5mm:0.1x2.25:both\r\n"
                                                              "upper-skin=1.1\r\n"
                                                              "lower-skin=0\r\n"
                                                              "te-stock=6x1.5\r\n"
                                                              "holes=57.5:1.8\r\n"));
    saveRibFeatures(path, everyFeature());
    const RibFeaturesLoad loaded = loadRibFeatures(path);
    EXPECT_EQ(loaded.features, everyFeature());
    EXPECT_TRUE(loaded.message.isEmpty());
    EXPECT_FALSE(loaded.newerVersion);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

// As an editor may save it: a byte-order mark, old Mac line ends, a comma for the point.
TEST_F(RibFeaturesFile, ReadsAFileAsEditorsSaveIt) {
    RibFeatures expected;
    expected.upperSkin = 1.5f;
    expected.holes = {true, 57.5, 1.8};
    for (const QByteArray& bytes :
         {QByteArray("\xEF\xBB\xBFRibwright rib details 1\r\nupper-skin=1.5\r\nholes=57.5:1.8\r\n"),
          QByteArray("Ribwright rib details 1\rupper-skin=1.5\rholes=57.5:1.8\r"),
          QByteArray("Ribwright rib details 1\nupper-skin=1,5\nholes=57,5:1,8")}) {
        const RibFeaturesLoad loaded = loadText(bytes);
        EXPECT_EQ(loaded.features, expected) << bytes.toStdString();
        EXPECT_TRUE(loaded.message.isEmpty()) << loaded.message.toStdString();
    }
}

// One bad line costs that line only; the message names it, quoting no more than a short piece.
TEST_F(RibFeaturesFile, ABadLineIsSkippedAndTheRestIsRead) {
    const QByteArray longLine = "holes=" + QByteArray(60000, '7') + "x";
    const RibFeaturesLoad loaded = loadText(
        "Ribwright rib details 1\r\n"
        "spar-notch=30:3x6\r\n"
        "spar-notch=30:3x\r\n"
        "upper-skin=1\r\n"
        "upper-skin=2\r\n"
        "te-stock 5\r\n" +
        longLine + "\r\nlower-skin=0.5\r\n");
    RibFeatures expected;
    expected.sparNotches = {{30, false, 3, 6, NotchSide::Top}};
    expected.upperSkin = 1.0f;
    expected.lowerSkin = 0.5f;
    EXPECT_EQ(loaded.features, expected);
    for (const char* line : {"3 行目: spar-notch=30:3x", "5 行目: upper-skin=2",
                             "6 行目: te-stock 5", "7 行目: holes=777"})
        EXPECT_TRUE(loaded.message.contains(QString::fromUtf8(line))) << line;
    EXPECT_TRUE(loaded.message.contains(QDir::toNativeSeparators(path)));
    EXPECT_LT(loaded.message.size(), 600) << "the long line is quoted in full";

    // Many bad lines: the first few are named, the rest counted.
    QByteArray many = "Ribwright rib details 1\n";
    for (int i = 0; i < 200; ++i) many += "holes=x\n";
    const RibFeaturesLoad crowded = loadText(many);
    EXPECT_TRUE(crowded.message.contains(QStringLiteral("ほか 195 行")));
    EXPECT_LT(crowded.message.size(), 600);
}

// Keys of a later version are kept through a save; a newer file is read as far as it goes and
// flagged, so the window asks before replacing it.
TEST_F(RibFeaturesFile, KeepsUnknownKeysAndFlagsANewerVersion) {
    RibFeaturesLoad loaded = loadText(
        "Ribwright rib details 2\r\n"
        "fillet=3\r\n"
        "upper-skin=1.5\r\n"
        "Spar-Color = red;\r\n");
    EXPECT_TRUE(loaded.newerVersion);
    EXPECT_TRUE(ribFeaturesFileIsNewer(path));
    EXPECT_EQ(loaded.features.upperSkin, 1.5f);
    EXPECT_TRUE(loaded.message.isEmpty()) << loaded.message.toStdString();

    RibFeatures changed;
    changed.lowerSkin = 0.0f;
    saveRibFeatures(path, changed);
    EXPECT_EQ(readFile(path),
              "Ribwright rib details 1\r\nlower-skin=0\r\nfillet=3\r\n"
              "Spar-Color = red;\r\n");
    EXPECT_FALSE(ribFeaturesFileIsNewer(path));
    EXPECT_FALSE(loadText("Ribwright rib details 1\r\n").newerVersion);
}

// What cannot be a rib details file gives the defaults and a short message with the path, at
// once: the window shows it at every start.
TEST_F(RibFeaturesFile, WhatIsNoDetailsFileGivesTheDefaults) {
    for (const QByteArray& bytes :
         {QByteArray(), QByteArray("Ribwright rib details\r\nupper-skin=1\r\n"),
          QByteArray("upper-skin=1\r\n"),
          "Ribwright rib details 1\r\nholes=" + QByteArray(10 * 1024 * 1024, '9') + "\r\n"}) {
        const RibFeaturesLoad fallback = loadText(bytes);
        EXPECT_EQ(fallback.features, RibFeatures{}) << bytes.left(40).toStdString();
        EXPECT_TRUE(fallback.message.contains(QDir::toNativeSeparators(path)));
        EXPECT_LT(fallback.message.size(), 400);
    }
    EXPECT_TRUE(loadRibFeatures(path).message.contains(QStringLiteral("64 KB")));

    // Reading a FIFO or a device in the file's place is shown by the window's start-up test;
    // saving onto a FIFO is refused rather than left waiting for a reader.
    const QString fifo = dir.filePath(QStringLiteral("fifo.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    RibFeatures any;
    any.upperSkin = 1.0f;
    EXPECT_THROW(saveRibFeatures(fifo, any), FileError);
}
