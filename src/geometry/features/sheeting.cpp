#include "geometry/features/sheeting.h"

#include "geometry/features/feature_option_texts.h"
#include "geometry/features/option_numbers.h"
#include "geometry/rib_features.h"
#include "platform/errors.h"

namespace rw {
namespace {

QStringList valuesOf(const std::optional<float>& thickness) {
    if (!thickness)
        return {};
    return {formatSkinOption(*thickness)};
}

void readUpperSkin(const QString& text, RibFeatures& features) {
    features.upperSkin = parseSkinOption(QStringLiteral("--upper-skin"), text);
}

void readLowerSkin(const QString& text, RibFeatures& features) {
    features.lowerSkin = parseSkinOption(QStringLiteral("--lower-skin"), text);
}

}  // namespace

float parseSkinOption(const QString& option, const QString& text) {
    const auto match = matchWholeOption(optionNumberPattern(), text);
    if (!match.hasMatch())
        throw RibwrightError(skinOptionRefusedText(option, text));
    return float(capturedNumber(match, 1));
}

QString formatSkinOption(float thickness) {
    return shortestOptionNumber(thickness);
}

RibFeatureUnit upperSkinUnit() {
    return {
        .key = "upper-skin",
        .valueName = "MM",
        .optionHelp = upperSkinOptionHelp,
        .repeatable = false,
        .stage = CutStage::Outline,
        .isSet = [](const RibFeatures& f) { return f.upperSkin.has_value(); },
        .read = readUpperSkin,
        .write = [](const RibFeatures& f) { return valuesOf(f.upperSkin); },
        .apply = nullptr,
    };
}

RibFeatureUnit lowerSkinUnit() {
    return {
        .key = "lower-skin",
        .valueName = "MM",
        .optionHelp = lowerSkinOptionHelp,
        .repeatable = false,
        .stage = CutStage::Outline,
        .isSet = [](const RibFeatures& f) { return f.lowerSkin.has_value(); },
        .read = readLowerSkin,
        .write = [](const RibFeatures& f) { return valuesOf(f.lowerSkin); },
        .apply = nullptr,
    };
}

}  // namespace rw
