#include "geometry/rib_feature_options.h"

#include "platform/errors.h"

#include <QRegularExpression>

#include <charconv>
#include <cmath>

namespace rw {
namespace {

// An unsigned decimal with '.', at most six digits before it: no sign, no exponent, no comma.
const QString kNumber = QStringLiteral("(\\d{1,6}(?:\\.\\d*)?|\\.\\d+)");

QRegularExpressionMatch matchWhole(const QString& pattern, const QString& text) {
    const QRegularExpression re(QStringLiteral("^\\s*") + pattern + QStringLiteral("\\s*$"),
                                QRegularExpression::CaseInsensitiveOption);
    return re.match(text);
}

double number(const QRegularExpressionMatch& match, int group) {
    return match.captured(group).toDouble();
}

[[noreturn]] void badOption(const char* option, const char* form, const QString& text) {
    throw RibwrightError(QStringLiteral("%1 takes %2; not '%3'")
                             .arg(QLatin1String(option), QLatin1String(form), text));
}

// The shortest text that reads back to the same value.
template <typename T>
QString shortest(T value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

const char* const kSparNotchForm =
    "POS:WIDTHxDEPTH[:top|bottom|both] in mm, POS in % of the chord or in mm from the leading "
    "edge with an mm suffix, such as 30:3x6:top or 45mm:3x6";
const char* const kTrailingEdgeForm =
    "a distance in mm from the trailing edge, or LENGTHxHEIGHT in mm for a slot, such as 5 or "
    "6x3";
const char* const kHolesForm =
    "PCT:WEB_MM, the hole diameter in % of the rib height (below 100) and the web in mm, such as "
    "60:2";

}  // namespace

SparNotch parseSparNotchOption(const QString& text) {
    const auto match = matchWhole(kNumber + QStringLiteral("\\s*(%|mm)?\\s*:\\s*") + kNumber +
                                      QStringLiteral("\\s*x\\s*") + kNumber +
                                      QStringLiteral("(?:\\s*:\\s*(top|bottom|both))?"),
                                  text);
    if (!match.hasMatch())
        badOption("--spar-notch", kSparNotchForm, text);
    SparNotch notch;
    notch.position = number(match, 1);
    notch.positionInMm = match.captured(2).compare(QLatin1String("mm"), Qt::CaseInsensitive) == 0;
    notch.width = number(match, 3);
    notch.depth = number(match, 4);
    const QString side = match.captured(5).toLower();
    notch.side = side == QLatin1String("bottom") ? NotchSide::Bottom
                 : side == QLatin1String("both") ? NotchSide::Both
                                                 : NotchSide::Top;
    if (!(notch.width > 0 && notch.depth > 0) || (!notch.positionInMm && notch.position > 100))
        badOption("--spar-notch", kSparNotchForm, text);
    return notch;
}

QString formatSparNotchOption(const SparNotch& notch) {
    static const char* const sides[] = {"top", "bottom", "both"};
    return QStringLiteral("%1%2:%3x%4:%5")
        .arg(shortest(notch.position), notch.positionInMm ? QStringLiteral("mm") : QString(),
             shortest(notch.width), shortest(notch.depth), QLatin1String(sides[int(notch.side)]));
}

float parseSkinOption(const QString& option, const QString& text) {
    const auto match = matchWhole(kNumber, text);
    if (!match.hasMatch()) {
        throw RibwrightError(
            QStringLiteral("%1 takes a thickness in mm, 0 or more, such as 1.5; not '%2'")
                .arg(option, text));
    }
    return float(number(match, 1));
}

QString formatSkinOption(float thickness) {
    return shortest(thickness);
}

TrailingEdgeStock parseTrailingEdgeStockOption(const QString& text) {
    TrailingEdgeStock stock;
    if (const auto flat = matchWhole(kNumber, text); flat.hasMatch()) {
        stock.cut = TrailingEdgeCut::Flat;
        stock.distance = number(flat, 1);
        if (!(stock.distance > 0))
            badOption("--te-stock", kTrailingEdgeForm, text);
        return stock;
    }
    const auto slot = matchWhole(kNumber + QStringLiteral("\\s*x\\s*") + kNumber, text);
    if (!slot.hasMatch())
        badOption("--te-stock", kTrailingEdgeForm, text);
    stock.cut = TrailingEdgeCut::Notch;
    stock.notchLength = number(slot, 1);
    stock.notchHeight = number(slot, 2);
    if (!(stock.notchLength > 0 && stock.notchHeight > 0))
        badOption("--te-stock", kTrailingEdgeForm, text);
    return stock;
}

QString formatTrailingEdgeStockOption(const TrailingEdgeStock& stock) {
    switch (stock.cut) {
        case TrailingEdgeCut::None:
            return {};
        case TrailingEdgeCut::Flat:
            return shortest(stock.distance);
        case TrailingEdgeCut::Notch:
            return shortest(stock.notchLength) + QLatin1Char('x') + shortest(stock.notchHeight);
    }
    return {};
}

LighteningHoles parseHolesOption(const QString& text) {
    const auto match = matchWhole(kNumber + QStringLiteral("\\s*%?\\s*:\\s*") + kNumber, text);
    if (!match.hasMatch())
        badOption("--holes", kHolesForm, text);
    LighteningHoles holes{true, number(match, 1), number(match, 2)};
    if (!(holes.diameterPercent > 0 && holes.diameterPercent < 100 && holes.web > 0))
        badOption("--holes", kHolesForm, text);
    return holes;
}

QString formatHolesOption(const LighteningHoles& holes) {
    if (!holes.on)
        return {};
    return shortest(holes.diameterPercent) + QLatin1Char(':') + shortest(holes.web);
}

}  // namespace rw
