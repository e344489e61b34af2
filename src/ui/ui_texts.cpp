#include "ui/ui_texts.h"

#include <QCoreApplication>

namespace rw::ui_texts {

QString alreadyRunning() {
    return QCoreApplication::translate("rw::ui_texts",
                                       "既に起動しているので起動済みの画面を表示します。");
}

QString messageTitle() {
    return QCoreApplication::translate("rw::ui_texts", "メッセージ");
}

QString helpFileMissing(const QString& nativePath) {
    return QCoreApplication::translate("rw::ui_texts", "ヘルプファイルが見つかりません。\n%1")
        .arg(nativePath);
}

QString importNote(const QString& fileName, const QStringList& changes) {
    if (changes.isEmpty())
        return QCoreApplication::translate("rw::ui_texts", "「%1」をそのまま読み込みました")
            .arg(fileName);
    QString note =
        QCoreApplication::translate("rw::ui_texts", "「%1」を整えて読み込みました").arg(fileName);
    //: One change an import made, as an item of a list.
    for (const QString& change : changes)
        note += QLatin1Char('\n') + QCoreApplication::translate("rw::ui_texts", "・%1").arg(change);
    return note;
}

QString airfoilFileFilter() {
    //: Pairs of a name and its patterns, all separated by |: only the names are translated.
    return QCoreApplication::translate("rw::ui_texts",
                                       "翼型ファイル|*.dat;*.txt|すべてのファイル|*");
}

QString missingValue(const QString& field) {
    return QCoreApplication::translate("rw::ui_texts", "%1を入力してください").arg(field);
}

QString notANumber(const QString& field, const QString& text) {
    //: %1 names the field, %2 is what was typed into it.
    return QCoreApplication::translate("rw::ui_texts", "%1「%2」は数値ではありません")
        .arg(field, text);
}

QString sparNotchField(int index) {
    return QCoreApplication::translate("rw::ui_texts", "桁の切り欠き %1").arg(index);
}

QString notchPositionField(const QString& notch) {
    return QCoreApplication::translate("rw::ui_texts", "%1 の位置").arg(notch);
}

QString notchWidthField(const QString& notch) {
    return QCoreApplication::translate("rw::ui_texts", "%1 の幅").arg(notch);
}

QString notchDepthField(const QString& notch) {
    return QCoreApplication::translate("rw::ui_texts", "%1 の深さ").arg(notch);
}

QString upperSkinField() {
    return QCoreApplication::translate("rw::ui_texts", "上面のSKIN材厚さ");
}

QString lowerSkinField() {
    return QCoreApplication::translate("rw::ui_texts", "下面のSKIN材厚さ");
}

QString stockDistanceField(const QString& stock) {
    return QCoreApplication::translate("rw::ui_texts", "%1の距離").arg(stock);
}

QString stockLengthField(const QString& stock) {
    return QCoreApplication::translate("rw::ui_texts", "%1の長さ").arg(stock);
}

QString stockHeightField(const QString& stock) {
    return QCoreApplication::translate("rw::ui_texts", "%1の高さ").arg(stock);
}

QString holeDiameterField(const QString& holes) {
    return QCoreApplication::translate("rw::ui_texts", "%1の直径").arg(holes);
}

QString holeWebField(const QString& holes) {
    return QCoreApplication::translate("rw::ui_texts", "%1のまわりに残す幅").arg(holes);
}

QString notchValuesHint(const QString& notch, bool positionInMm) {
    return (positionInMm
                ? QCoreApplication::translate(
                      "rw::ui_texts",
                      "%1: 位置は前縁からの mm、幅と深さは 0 より大きい mm で入力してください")
                : QCoreApplication::translate(
                      "rw::ui_texts",
                      "%1: 位置は翼弦の 0〜100 %、幅と深さは 0 より大きい mm で入力してください"))
        .arg(notch);
}

QString skinValueHint(const QString& skin) {
    return QCoreApplication::translate("rw::ui_texts", "%1は 0 以上の mm で入力してください")
        .arg(skin);
}

QString stockValuesHint(const QString& stock) {
    return QCoreApplication::translate("rw::ui_texts",
                                       "%1: 寸法は 0 より大きい mm で入力してください")
        .arg(stock);
}

QString holeValuesHint(const QString& holes) {
    return QCoreApplication::translate("rw::ui_texts",
                                       "%1: 直径はリブの高さの 0 より大きく 100 % 未満、"
                                       "まわりに残す幅は 0.5 mm 以上で入力してください")
        .arg(holes);
}

QString badStockSize(const QString& typed) {
    return QCoreApplication::translate(
               "rw::ui_texts",
               "材料の大きさ「%1」が読めません。幅x高さを mm で、1〜10000 の数で入力してください "
               "(例: 600x300)")
        .arg(typed);
}

QString ribDetailsTitle() {
    return QCoreApplication::translate("rw::ui_texts", "リブ詳細");
}

QString notchGroup() {
    return QCoreApplication::translate("rw::ui_texts", "桁の切り欠き");
}

QString sheetingGroup() {
    return QCoreApplication::translate("rw::ui_texts", "SKIN材厚さ (上面・下面)");
}

QString upperSkinSwitch() {
    return QCoreApplication::translate("rw::ui_texts", "上面を指定 (mm)");
}

QString lowerSkinSwitch() {
    return QCoreApplication::translate("rw::ui_texts", "下面を指定 (mm)");
}

QString sheetingNote() {
    return QCoreApplication::translate("rw::ui_texts", "指定しない面は設定欄の「SKIN材厚さ」です");
}

QString trailingEdgeGroup() {
    return QCoreApplication::translate("rw::ui_texts", "後縁材");
}

QString noStockChoice() {
    return QCoreApplication::translate("rw::ui_texts", "なし");
}

QString flatStockChoice() {
    return QCoreApplication::translate("rw::ui_texts", "切り落とし");
}

QString notchStockChoice() {
    return QCoreApplication::translate("rw::ui_texts", "切り欠き");
}

QString stockDistanceLabel() {
    return QCoreApplication::translate("rw::ui_texts", "後縁からの距離 (mm)");
}

QString stockLengthLabel() {
    return QCoreApplication::translate("rw::ui_texts", "後縁からの長さ (mm)");
}

QString stockHeightLabel() {
    return QCoreApplication::translate("rw::ui_texts", "高さ (mm)");
}

QString holesSwitch() {
    return QCoreApplication::translate("rw::ui_texts", "桁の間に肉抜き穴をあける");
}

QString holeDiameterLabel() {
    return QCoreApplication::translate("rw::ui_texts", "直径 (リブの高さの %)");
}

QString holeWebLabel() {
    return QCoreApplication::translate("rw::ui_texts", "穴のまわりに残す幅 (mm)");
}

QString minimumWebGroup() {
    return QCoreApplication::translate("rw::ui_texts", "最小の残り幅");
}

QString minimumWebLabel() {
    return QCoreApplication::translate("rw::ui_texts",
                                       "切り欠きが残す材料の最小の幅 (mm、空欄は 1 mm)");
}

QString minimumWebHint() {
    return QCoreApplication::translate("rw::ui_texts",
                                       "最小の残り幅は 0 より大きい mm で入力してください");
}

QString resetButton() {
    return QCoreApplication::translate("rw::ui_texts", "すべて無しに戻す");
}

QString okButton() {
    return QCoreApplication::translate("rw::ui_texts", "OK");
}

QString cancelButton() {
    return QCoreApplication::translate("rw::ui_texts", "キャンセル");
}

QString notchPositionColumn() {
    return QCoreApplication::translate("rw::ui_texts", "位置");
}

QString notchUnitColumn() {
    return QCoreApplication::translate("rw::ui_texts", "位置の単位");
}

QString notchWidthColumn() {
    return QCoreApplication::translate("rw::ui_texts", "幅 (mm)");
}

QString notchDepthColumn() {
    return QCoreApplication::translate("rw::ui_texts", "深さ (mm)");
}

QString notchSideColumn() {
    return QCoreApplication::translate("rw::ui_texts", "切り欠く面");
}

QStringList notchPositionUnits() {
    return {QCoreApplication::translate("rw::ui_texts", "% (翼弦)"),
            QCoreApplication::translate("rw::ui_texts", "mm (前縁から)")};
}

QString noNotchesNote() {
    return QCoreApplication::translate("rw::ui_texts", "切り欠きはありません");
}

QString addNotchButton() {
    return QCoreApplication::translate("rw::ui_texts", "切り欠きを追加");
}

QString removeNotchButton() {
    return QCoreApplication::translate("rw::ui_texts", "削除");
}

QString noLauncher(const QString& pathOrAddress) {
    return QCoreApplication::translate(
               "rw::ui_texts", "開くためのプログラムが見つかりません。次を手で開いてください:\n%1")
        .arg(pathOrAddress);
}

QString replaceNewerRibDetailsQuestion(const QString& nativePath) {
    return QCoreApplication::translate(
               "rw::ui_texts",
               "リブ詳細の設定ファイルは新しい版の Ribwright で書かれています。\n%1\n"
               "この版の形式で上書きしますか？ (「いいえ」でもこの設定は今回使います)")
        .arg(nativePath);
}

QString staleSheetsRemoved(const QStringList& paths) {
    return QCoreApplication::translate(
               "rw::ui_texts",
               "前回の出力の残りのシートを削除しました (今回のリブは入っていません):\n%1")
        .arg(paths.join(QLatin1Char('\n')));
}

}  // namespace rw::ui_texts
