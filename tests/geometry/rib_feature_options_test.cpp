// The option texts of the rib features, and the rib details file that stores them.
#include "geometry/rib_feature_options.h"
#include "geometry/rib_features_file.h"
#include "platform/errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace rw;

TEST(RibFeatureOptions, ReadTheirFormsAndRefuseTheRest) {
    const SparNotch percent = parseSparNotchOption(QStringLiteral("30:3x6"));
    EXPECT_EQ(percent, (SparNotch{30, false, 3, 6, NotchSide::Top}));
    EXPECT_EQ(parseSparNotchOption(QStringLiteral(" 25.5%:3.2X4.:both ")),
              (SparNotch{25.5, false, 3.2, 4, NotchSide::Both}));
    EXPECT_EQ(parseSparNotchOption(QStringLiteral("45mm:.5x6:bottom")),
              (SparNotch{45, true, 0.5, 6, NotchSide::Bottom}));
    EXPECT_EQ(parseSkinOption(QStringLiteral("--upper-skin"), QStringLiteral("1.5")), 1.5f);
    EXPECT_EQ(parseSkinOption(QStringLiteral("--lower-skin"), QStringLiteral("0")), 0.0f);
    EXPECT_EQ(parseTrailingEdgeStockOption(QStringLiteral("5")),
              (TrailingEdgeStock{TrailingEdgeCut::Flat, 5, 0, 0}));
    EXPECT_EQ(parseTrailingEdgeStockOption(QStringLiteral("6x2.5")),
              (TrailingEdgeStock{TrailingEdgeCut::Notch, 0, 6, 2.5}));
    EXPECT_EQ(parseHolesOption(QStringLiteral("60:2")), (LighteningHoles{true, 60, 2}));

    const struct {
        const char* option;
        const char* text;
    } refused[] = {
        {"--spar-notch", "30:3,5x6"}, {"--spar-notch", "30:3x6:up"},
        {"--spar-notch", "30:3"},     {"--spar-notch", "-5:3x6"},
        {"--spar-notch", "101:3x6"},  {"--spar-notch", "30:0x6"},
        {"--spar-notch", "3e1:3x6"},  {"--upper-skin", "1,5"},
        {"--upper-skin", "-1"},       {"--te-stock", "0"},
        {"--te-stock", "6x"},         {"--holes", "100:2"},
        {"--holes", "60:0"},          {"--holes", "60"},
    };
    for (const auto& r : refused) {
        const QString text = QString::fromLatin1(r.text);
        const QString option = QString::fromLatin1(r.option);
        try {
            if (option == QLatin1String("--spar-notch"))
                parseSparNotchOption(text);
            else if (option == QLatin1String("--upper-skin"))
                parseSkinOption(option, text);
            else if (option == QLatin1String("--te-stock"))
                parseTrailingEdgeStockOption(text);
            else
                parseHolesOption(text);
            ADD_FAILURE() << r.text << " was read";
        } catch (const RibwrightError& error) {
            EXPECT_TRUE(error.text().startsWith(option + QLatin1String(" takes")))
                << error.text().toStdString();
            EXPECT_TRUE(error.text().endsWith(QStringLiteral("'%1'").arg(text)));
        }
    }
}

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
