#include "ui/rib_details_fields.h"

#include "geometry/features/minimum_web.h"
#include "geometry/geometry_texts.h"
#include "geometry/rib_features.h"
#include "platform/errors.h"
#include "ui/ui_texts.h"

#include <QLocale>

namespace rw {
namespace {

QString typed(double value, QChar separator) {
    return QString::number(value, 'f', QLocale::FloatingPointShortest)
        .replace(QLatin1Char('.'), separator);
}

QString typedSkin(const std::optional<float>& thickness, QChar separator) {
    return thickness ? formatSkinOption(*thickness).replace(QLatin1Char('.'), separator)
                     : QString();
}

[[noreturn]] void refuse(const QString& text) {
    throw RibwrightError(text);
}

// One typed number as the options write it, with '.'. Only ASCII digits and the separator pass:
// a field cannot bring a ':' or an 'x' that would read as part of the next field, and a
// full-width digit, which would not convert, is refused here by name.
QString optionNumber(const QString& text, QChar separator, const QString& field) {
    QString number = text.trimmed();
    if (number.isEmpty())
        refuse(ui_texts::missingValue(field));
    number.replace(separator, QLatin1Char('.'));
    for (const QChar c : number) {
        if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9')) && c != QLatin1Char('.'))
            refuse(ui_texts::notANumber(field, text.trimmed()));
    }
    return number;
}

SparNotch readNotch(const SparNotchFields& fields, int index, QChar separator) {
    const QString name = ui_texts::sparNotchField(index);
    // Read one by one, left to right, so an empty field is named in the order of the columns
    // (the operands of one long sum may be read in any order).
    const QString position =
        optionNumber(fields.position, separator, ui_texts::notchPositionField(name));
    const QString width = optionNumber(fields.width, separator, ui_texts::notchWidthField(name));
    const QString depth = optionNumber(fields.depth, separator, ui_texts::notchDepthField(name));
    const QString option = position + (fields.positionInMm ? QStringLiteral("mm") : QString()) +
                           QLatin1Char(':') + width + QLatin1Char('x') + depth;
    SparNotch notch;
    try {
        notch = parseSparNotchOption(option);
    } catch (const RibwrightError&) {
        refuse(ui_texts::notchValuesHint(name, fields.positionInMm));
    }
    notch.side = fields.side;
    return notch;
}

std::optional<float> readSkin(bool on, const QString& text, const QString& name, QChar separator) {
    if (!on)
        return std::nullopt;
    const QString number = optionNumber(text, separator, name);
    try {
        return parseSkinOption(name, number);
    } catch (const RibwrightError&) {
        refuse(ui_texts::skinValueHint(name));
    }
}

TrailingEdgeStock readTrailingEdge(const RibDetailsFields& fields, QChar separator) {
    TrailingEdgeStock stock;
    stock.cut = fields.trailingEdge;
    const QString name = trailingEdgeName(stock);
    QString option;
    switch (fields.trailingEdge) {
        case TrailingEdgeCut::None:
            return stock;
        case TrailingEdgeCut::Flat:
            option = optionNumber(fields.trailingEdgeDistance, separator,
                                  ui_texts::stockDistanceField(name));
            break;
        case TrailingEdgeCut::Notch: {
            const QString length = optionNumber(fields.trailingEdgeLength, separator,
                                                ui_texts::stockLengthField(name));
            const QString height = optionNumber(fields.trailingEdgeHeight, separator,
                                                ui_texts::stockHeightField(name));
            option = length + QLatin1Char('x') + height;
            break;
        }
    }
    try {
        stock = parseTrailingEdgeStockOption(option);
    } catch (const RibwrightError&) {
        refuse(ui_texts::stockValuesHint(name));
    }
    return stock;
}

LighteningHoles readHoles(const RibDetailsFields& fields, QChar separator) {
    if (!fields.holesOn)
        return {};
    const QString name = lighteningHolesName();
    const QString diameter =
        optionNumber(fields.holeDiameter, separator, ui_texts::holeDiameterField(name));
    const QString web = optionNumber(fields.holeWeb, separator, ui_texts::holeWebField(name));
    const QString option = diameter + QLatin1Char(':') + web;
    try {
        return parseHolesOption(option);
    } catch (const RibwrightError&) {
        refuse(ui_texts::holeValuesHint(name));
    }
}

}  // namespace

RibDetailsFields ribDetailsFields(const RibFeatures& features, QChar separator) {
    RibDetailsFields fields;
    for (const SparNotch& notch : features.sparNotches) {
        fields.notches.push_back({typed(notch.position, separator), notch.positionInMm,
                                  typed(notch.width, separator), typed(notch.depth, separator),
                                  notch.side});
    }
    fields.upperSkinOn = features.upperSkin.has_value();
    fields.upperSkin = typedSkin(features.upperSkin, separator);
    fields.lowerSkinOn = features.lowerSkin.has_value();
    fields.lowerSkin = typedSkin(features.lowerSkin, separator);

    const TrailingEdgeStock& stock = features.trailingEdge;
    fields.trailingEdge = stock.cut;
    if (stock.cut == TrailingEdgeCut::Flat)
        fields.trailingEdgeDistance = typed(stock.distance, separator);
    if (stock.cut == TrailingEdgeCut::Notch) {
        fields.trailingEdgeLength = typed(stock.notchLength, separator);
        fields.trailingEdgeHeight = typed(stock.notchHeight, separator);
    }
    if (features.minimumWeb)
        fields.minimumWeb = typed(*features.minimumWeb, separator);
    fields.holesOn = features.holes.on;
    if (features.holes.on) {
        fields.holeDiameter = typed(features.holes.diameterPercent, separator);
        fields.holeWeb = typed(features.holes.web, separator);
    }
    return fields;
}

RibFeatures readRibDetailsFields(const RibDetailsFields& fields, QChar separator) {
    RibFeatures features;
    for (size_t i = 0; i < fields.notches.size(); ++i)
        features.sparNotches.push_back(readNotch(fields.notches[i], int(i) + 1, separator));
    features.upperSkin =
        readSkin(fields.upperSkinOn, fields.upperSkin, ui_texts::upperSkinField(), separator);
    features.lowerSkin =
        readSkin(fields.lowerSkinOn, fields.lowerSkin, ui_texts::lowerSkinField(), separator);
    features.trailingEdge = readTrailingEdge(fields, separator);
    features.holes = readHoles(fields, separator);
    if (!fields.minimumWeb.trimmed().isEmpty()) {
        const QString web = optionNumber(fields.minimumWeb, separator, ui_texts::minimumWebGroup());
        try {
            features.minimumWeb = parseMinimumWebOption(web);
        } catch (const RibwrightError&) {
            refuse(ui_texts::minimumWebHint());
        }
    }
    return features;
}

}  // namespace rw
