#include "ui/ui_texts.h"

namespace rw::ui_texts {

QString alreadyRunning() {
    return QStringLiteral("既に起動しているので起動済みの画面を表示します。");
}

QString messageTitle() {
    return QStringLiteral("メッセージ");
}

QString helpFileMissing(const QString& nativePath) {
    return QStringLiteral("ヘルプファイルが見つかりません。\n") + nativePath;
}

QString openImageQuestion() {
    return QStringLiteral("画像ソフトを起動しますか？");
}

QString openSpreadsheetQuestion() {
    return QStringLiteral("表計算ソフトを起動しますか？");
}

QString openDxfQuestion() {
    return QStringLiteral("DXFに関連付けされたソフトを起動しますか？");
}

QString openPdfQuestion() {
    return QStringLiteral("PDFに関連付けされたソフトを起動しますか？");
}

QString openSvgQuestion() {
    return QStringLiteral("SVGに関連付けされたソフトを起動しますか？");
}

QString importNote(const QString& fileName, const QStringList& changes) {
    if (changes.isEmpty())
        return QStringLiteral("「%1」をそのまま読み込みました").arg(fileName);
    QString note = QStringLiteral("「%1」を整えて読み込みました").arg(fileName);
    for (const QString& change : changes) note += QStringLiteral("\n・") + change;
    return note;
}

QString airfoilFileFilter() {
    return QStringLiteral("翼型ファイル|*.dat;*.txt|すべてのファイル|*");
}

QString missingValue(const QString& field) {
    return QStringLiteral("%1を入力してください").arg(field);
}

QString notANumber(const QString& field, const QString& text) {
    return QStringLiteral("%1「%2」は数値ではありません").arg(field, text);
}

QString sparNotchField(int index) {
    return QStringLiteral("桁の切り欠き %1").arg(index);
}

QString fieldPart(const QString& field, const char* part) {
    return field + QString::fromUtf8(part);
}

QString upperSurface() {
    return QStringLiteral("上面");
}

QString lowerSurface() {
    return QStringLiteral("下面");
}

QString skinField(const QString& surface) {
    return surface + QStringLiteral("のSKIN材厚さ");
}

QString notchValuesHint(const QString& notch, bool positionInMm) {
    return notch + (positionInMm ? QStringLiteral(": 位置は前縁からの mm、幅と深さは 0 より大きい "
                                                  "mm で入力してください")
                                 : QStringLiteral(": 位置は翼弦の 0〜100 %、幅と深さは 0 より大き"
                                                  "い mm で入力してください"));
}

QString skinValueHint(const QString& skin) {
    return skin + QStringLiteral("は 0 以上の mm で入力してください");
}

QString stockValuesHint(const QString& stock) {
    return stock + QStringLiteral(": 寸法は 0 より大きい mm で入力してください");
}

QString holeValuesHint(const QString& holes) {
    return holes + QStringLiteral(
                       ": 直径はリブの高さの 0 より大きく 100 % 未満、"
                       "まわりに残す幅は 0 より大きい mm で入力してください");
}

}  // namespace rw::ui_texts
