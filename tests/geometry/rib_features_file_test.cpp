// The rib details file: every feature written and read back, and the defaults when it is damaged.
#include "geometry/rib_features_file.h"
#include "platform/errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

}  // namespace

TEST(RibFeaturesFile, SavesAndLoadsAndFallsBackWhenDamaged) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ribdetails.txt"));
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
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    const char* damaged[] = {
        "",
        "Ribwright rib details 2\r\n",
        "Ribwright rib details 1\r\nspar-notch=30:3x6\r\nholes=sixty\r\n",
        "Ribwright rib details 1\r\nfillet=3\r\n",
        "Ribwright rib details 1\r\nupper-skin=1\r\nupper-skin=2\r\n",
        "Ribwright rib details 1\r\nte-stock 5\r\n",
    };
    for (const char* bytes : damaged) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        const RibFeaturesLoad fallback = loadRibFeatures(path);
        EXPECT_EQ(fallback.features, RibFeatures{}) << bytes;
        EXPECT_TRUE(fallback.message.contains(QDir::toNativeSeparators(path))) << bytes;
    }
    // A folder where the file should be cannot be read: the defaults again, with the reason.
    QDir(dir.path()).mkdir(QStringLiteral("blocked.txt"));
    const RibFeaturesLoad blocked = loadRibFeatures(dir.filePath(QStringLiteral("blocked.txt")));
    EXPECT_EQ(blocked.features, RibFeatures{});
    EXPECT_FALSE(blocked.message.isEmpty());
}
