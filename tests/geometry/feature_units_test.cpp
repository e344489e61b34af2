// The rib features' texts: each form read as written, and the texts refused, through the list
// of units the settings file and the command line go over.
#include "geometry/features/feature_units.h"
#include "geometry/rib_features.h"
#include "platform/errors.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace rw;

namespace {

const RibFeatureUnit& unitFor(const char* key) {
    const auto& units = ribFeatureUnits();
    const auto unit = std::find_if(units.begin(), units.end(), [&](const RibFeatureUnit& u) {
        return QLatin1String(u.key) == QLatin1String(key);
    });
    if (unit == units.end())
        throw std::invalid_argument(key);
    return *unit;
}

}  // namespace

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

    // Every value read through the list lands in its own member, and notches add up.
    RibFeatures read;
    for (const auto& [key, text] : {std::pair{"spar-notch", "30:3x6"},
                                    {"spar-notch", "45mm:3x4"},
                                    {"upper-skin", "1.5"},
                                    {"lower-skin", "0"},
                                    {"te-stock", "5"},
                                    {"holes", "60:2"}}) {
        unitFor(key).read(QString::fromLatin1(text), read);
    }
    RibFeatures expected;
    expected.sparNotches = {{30, false, 3, 6, NotchSide::Top}, {45, true, 3, 4, NotchSide::Top}};
    expected.upperSkin = 1.5f;
    expected.lowerSkin = 0.0f;
    expected.trailingEdge = {TrailingEdgeCut::Flat, 5, 0, 0};
    expected.holes = {true, 60, 2};
    EXPECT_EQ(read, expected);

    const struct {
        const char* key;
        const char* text;
    } refused[] = {
        {"spar-notch", "30:3,5x6"}, {"spar-notch", "30:3x6:up"},
        {"spar-notch", "30:3"},     {"spar-notch", "-5:3x6"},
        {"spar-notch", "101:3x6"},  {"spar-notch", "30:0x6"},
        {"spar-notch", "3e1:3x6"},  {"upper-skin", "1,5"},
        {"lower-skin", "-1"},       {"te-stock", "0"},
        {"te-stock", "6x"},         {"holes", "100:2"},
        {"holes", "60:0"},          {"holes", "60"},
    };
    for (const auto& r : refused) {
        const QString text = QString::fromLatin1(r.text);
        RibFeatures features;
        try {
            unitFor(r.key).read(text, features);
            ADD_FAILURE() << r.key << ' ' << r.text << " was read";
        } catch (const RibwrightError& error) {
            EXPECT_TRUE(error.text().startsWith(QStringLiteral("--%1 takes").arg(r.key)))
                << error.text().toStdString();
            EXPECT_TRUE(error.text().endsWith(QStringLiteral("'%1'").arg(text)));
        }
        EXPECT_EQ(features, RibFeatures{}) << r.text;
    }
}
