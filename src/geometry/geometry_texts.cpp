#include "geometry/geometry_texts.h"

#include "platform/errors.h"

#include <cmath>

namespace rw {
namespace {

// Millimetres to two decimals at most, without trailing zeros: 6, 5.25, 0.1.
QString mm(double value) {
    return QString::number(std::round(value * 100) / 100, 'g', 12);
}

QString sideName(NotchSide side) {
    switch (side) {
        case NotchSide::Top:
            return QStringLiteral("上面");
        case NotchSide::Bottom:
            return QStringLiteral("下面");
        case NotchSide::Both:
            return QStringLiteral("上下両面");
    }
    return {};
}

[[noreturn]] void refuse(int ribNumber, const QString& feature, const QString& reason) {
    throw RibwrightError(QStringLiteral("リブ %1 の%2: %3").arg(ribNumber).arg(feature, reason));
}

}  // namespace

QString coordinatesTooLargeText(int ribNumber) {
    return QStringLiteral("リブ %1 の座標が大きすぎるため、切り出す形を計算できません")
        .arg(ribNumber);
}

QString damagedFeaturesFileText(const QString& nativePath, const QString& detail) {
    return QStringLiteral(
               "リブ詳細の設定ファイルが壊れているため、初期値 (すべて無し) に戻しました。\n%1\n%2")
        .arg(nativePath, detail);
}

QString wrongFirstLineText() {
    return QStringLiteral("1 行目が違います");
}

QString badLineText(int line, const QString& text) {
    return QStringLiteral("%1 行目: %2").arg(line).arg(text);
}

QString sparNotchName(int index, const SparNotch& notch) {
    const QString position = notch.positionInMm
                                 ? QStringLiteral("前縁から %1 mm").arg(mm(notch.position))
                                 : QStringLiteral("%1%").arg(mm(notch.position));
    return QStringLiteral("桁の切り欠き %1 (%2、%3)")
        .arg(index)
        .arg(position, sideName(notch.side));
}

QString trailingEdgeName(const TrailingEdgeStock& stock) {
    return stock.cut == TrailingEdgeCut::Notch ? QStringLiteral("後縁材の切り欠き")
                                               : QStringLiteral("後縁材の切り落とし");
}

QString sheetingName() {
    return QStringLiteral("上面・下面のSKIN材厚さ");
}

QString lighteningHolesName() {
    return QStringLiteral("肉抜き穴");
}

void refuseDeeperThanRib(int ribNumber, const QString& feature, double depth, double ribHeight,
                         bool bothSides) {
    const QString what = bothSides ? QStringLiteral("上下の深さの合計") : QStringLiteral("深さ");
    refuse(ribNumber, feature,
           QStringLiteral("%1 %2 mm がその位置のリブの高さ %3 mm 以上あり、切り欠けません")
               .arg(what, mm(depth), mm(ribHeight)));
}

void refuseOutsideChord(int ribNumber, const QString& feature, double from, double to, double front,
                        double back) {
    refuse(ribNumber, feature,
           QStringLiteral("前縁から %1〜%2 mm の切り欠きがリブ (%3〜%4 mm) からはみ出します")
               .arg(mm(from), mm(to), mm(front), mm(back)));
}

void refuseSplitsRib(int ribNumber, const QString& feature) {
    refuse(ribNumber, feature, QStringLiteral("切り欠くとリブが二つ以上に分かれます"));
}

void refuseNothingLeft(int ribNumber, const QString& feature) {
    refuse(ribNumber, feature, QStringLiteral("切り取るとリブが残りません"));
}

void refuseNonPositiveSize(int ribNumber, const QString& feature) {
    refuse(ribNumber, feature, QStringLiteral("寸法は 0 より大きくしてください"));
}

void refuseHoleDiameter(int ribNumber, double diameterPercent) {
    refuse(
        ribNumber, lighteningHolesName(),
        QStringLiteral("直径 %1% はリブの高さの 100% 未満にしてください").arg(mm(diameterPercent)));
}

void refuseSheetingThickerThanRib(int ribNumber, float upperSkin, float lowerSkin) {
    refuse(ribNumber, sheetingName(),
           QStringLiteral("上面 %1 mm と下面 %2 mm の合計がリブの厚さを超え、リブが残りません")
               .arg(mm(upperSkin), mm(lowerSkin)));
}

}  // namespace rw
