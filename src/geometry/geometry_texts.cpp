#include "geometry/geometry_texts.h"

#include "platform/errors.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace rw {
namespace {

// Millimetres to two decimals at most, without trailing zeros: 6, 5.25, 0.1.
QString mm(double value) {
    return QString::number(std::round(value * 100) / 100, 'g', 12);
}

[[noreturn]] void refuse(int ribNumber, const QString& feature, const QString& reason) {
    //: %1 is the rib number, %2 the feature's name, %3 why it cannot be cut.
    throw RibwrightError(QCoreApplication::translate("rw::geometry_texts", "リブ %1 の%2: %3")
                             .arg(ribNumber)
                             .arg(feature, reason));
}

}  // namespace

QString notchSideName(NotchSide side) {
    switch (side) {
        case NotchSide::Top:
            return QCoreApplication::translate("rw::geometry_texts", "上面");
        case NotchSide::Bottom:
            return QCoreApplication::translate("rw::geometry_texts", "下面");
        case NotchSide::Both:
            return QCoreApplication::translate("rw::geometry_texts", "上下両面");
    }
    return {};
}

QString coordinatesTooLargeText(int ribNumber) {
    return QCoreApplication::translate("rw::geometry_texts",
                                       "リブ %1 の座標が大きすぎるため、切り出す形を計算できません")
        .arg(ribNumber);
}

QString damagedFeaturesFileText(const QString& nativePath, const QString& detail) {
    //: %1 is the settings file's path, %2 what was wrong in it.
    return QCoreApplication::translate("rw::geometry_texts",
                                       "リブ詳細の設定ファイルが壊れているため、初期値 "
                                       "(すべて無し) に戻しました。\n%1\n%2")
        .arg(nativePath, detail);
}

QString wrongFirstLineText() {
    return QCoreApplication::translate("rw::geometry_texts", "1 行目が違います");
}

QString badLineText(int line, const QString& text) {
    return QCoreApplication::translate("rw::geometry_texts", "%1 行目: %2").arg(line).arg(text);
}

QString sparNotchName(int index, const SparNotch& notch) {
    //: %1 is the notch's number, %2 its position, %3 the surface it is cut into.
    return (notch.positionInMm
                ? QCoreApplication::translate("rw::geometry_texts",
                                              "桁の切り欠き %1 (前縁から %2 mm、%3)")
                : QCoreApplication::translate("rw::geometry_texts", "桁の切り欠き %1 (%2%、%3)"))
        .arg(QString::number(index), mm(notch.position), notchSideName(notch.side));
}

QString trailingEdgeName(const TrailingEdgeStock& stock) {
    return stock.cut == TrailingEdgeCut::Notch
               ? QCoreApplication::translate("rw::geometry_texts", "後縁材の切り欠き")
               : QCoreApplication::translate("rw::geometry_texts", "後縁材の切り落とし");
}

QString sheetingName() {
    return QCoreApplication::translate("rw::geometry_texts", "上面・下面のSKIN材厚さ");
}

QString lighteningHolesName() {
    return QCoreApplication::translate("rw::geometry_texts", "肉抜き穴");
}

void refuseDeeperThanRib(int ribNumber, const QString& feature, double depth, double ribHeight,
                         bool bothSides) {
    const QString reason =
        bothSides
            ? QCoreApplication::translate(
                  "rw::geometry_texts",
                  "上下の深さの合計 %1 mm がその位置のリブの高さ %2 mm 以上あり、切り欠けません")
            : QCoreApplication::translate(
                  "rw::geometry_texts",
                  "深さ %1 mm がその位置のリブの高さ %2 mm 以上あり、切り欠けません");
    refuse(ribNumber, feature, reason.arg(mm(depth), mm(ribHeight)));
}

void refuseOutsideChord(int ribNumber, const QString& feature, double from, double to, double front,
                        double back) {
    refuse(ribNumber, feature,
           QCoreApplication::translate(
               "rw::geometry_texts",
               "前縁から %1〜%2 mm の切り欠きがリブ (%3〜%4 mm) からはみ出します")
               .arg(mm(from), mm(to), mm(front), mm(back)));
}

void refuseSplitsRib(int ribNumber, const QString& feature) {
    refuse(
        ribNumber, feature,
        QCoreApplication::translate("rw::geometry_texts", "切り欠くとリブが二つ以上に分かれます"));
}

void refuseThinWeb(int ribNumber, const QString& feature, const QString& widthMm,
                   const QString& minimumMm) {
    refuse(ribNumber, feature,
           QCoreApplication::translate(
               "rw::geometry_texts",
               "残る材料の幅が %1 mm しかありません (最小 %2 mm、--min-web で変えられます)")
               .arg(widthMm, minimumMm));
}

void refuseNothingLeft(int ribNumber, const QString& feature) {
    refuse(ribNumber, feature,
           QCoreApplication::translate("rw::geometry_texts", "切り取るとリブが残りません"));
}

void refuseNonPositiveSize(int ribNumber, const QString& feature) {
    refuse(ribNumber, feature,
           QCoreApplication::translate("rw::geometry_texts", "寸法は 0 より大きくしてください"));
}

void refuseHoleDiameter(int ribNumber, double diameterPercent) {
    refuse(ribNumber, lighteningHolesName(),
           QCoreApplication::translate("rw::geometry_texts",
                                       "直径 %1% はリブの高さの 100% 未満にしてください")
               .arg(mm(diameterPercent)));
}

void refuseSheetingThickerThanRib(int ribNumber, float upperSkin, float lowerSkin) {
    refuse(ribNumber, sheetingName(),
           QCoreApplication::translate(
               "rw::geometry_texts",
               "上面 %1 mm と下面 %2 mm の合計がリブの厚さを超え、リブが残りません")
               .arg(mm(upperSkin), mm(lowerSkin)));
}

QString skippedFeaturesLinesText(const QString& nativePath, const QString& lines) {
    //: %1 is the settings file's path, %2 the lines left out, one per line.
    return QCoreApplication::translate("rw::geometry_texts",
                                       "リブ詳細の設定ファイルに読めない行があったため、その行を"
                                       "飛ばして残りの設定を使います。\n%1\n%2")
        .arg(nativePath, lines);
}

QString moreSkippedLinesText(int count) {
    return QCoreApplication::translate("rw::geometry_texts", "ほか %1 行").arg(count);
}

void refuseTooManySparNotches(int ribNumber, const QString& feature, std::size_t limit) {
    refuse(ribNumber, feature,
           QCoreApplication::translate("rw::geometry_texts",
                                       "1 枚のリブに切り欠けるのは %1 個までです")
               .arg(limit));
}

void refuseThinHoleWeb(int ribNumber, double web, double thinnest) {
    refuse(ribNumber, lighteningHolesName(),
           QCoreApplication::translate(
               "rw::geometry_texts",
               "まわりに残す幅 %1 mm は細すぎて切り出すと折れます。%2 mm 以上にしてください")
               .arg(mm(web), mm(thinnest)));
}

QString noRoomForHolesNote() {
    return QCoreApplication::translate(
        "rw::geometry_texts",
        "肉抜き穴の入る場所がありません。直径かまわりに残す幅を小さくしてください");
}

QString stockCutsNothingNote(const QString& feature, const QString& endMm) {
    return QCoreApplication::translate(
               "rw::geometry_texts",
               "%1: リブは後縁から %2 mm 手前ですでに終わっているため、何も切りません")
        .arg(feature, endMm);
}

QString ribsNoteText(const std::vector<int>& ribs, const QString& note) {
    QStringList runs;
    for (std::size_t i = 0; i < ribs.size();) {
        std::size_t last = i;
        while (last + 1 < ribs.size() && ribs[last + 1] == ribs[last] + 1) ++last;
        runs << (last == i ? QString::number(ribs[i])
                           //: A run of rib numbers: %1 the first, %2 the last.
                           : QCoreApplication::translate("rw::geometry_texts", "%1〜%2")
                                 .arg(ribs[i])
                                 .arg(ribs[last]));
        i = last + 1;
    }
    //: %1 lists the ribs, %2 is what the rib details tell about them.
    return QCoreApplication::translate("rw::geometry_texts", "リブ %1: %2")
        .arg(runs.join(QCoreApplication::translate("rw::geometry_texts", "、")), note);
}

}  // namespace rw
