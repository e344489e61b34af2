#include "ui/wing_panel_texts.h"

#include <QCoreApplication>

namespace rw::wing_panel_texts {

QString dialogTitle() {
    return QCoreApplication::translate("rw::wing_panel_texts", "翼平面");
}

QString panelGroup() {
    return QCoreApplication::translate("rw::wing_panel_texts", "平面形とリブの位置");
}

QString halfSpanLabel() {
    return QCoreApplication::translate("rw::wing_panel_texts", "半翼幅 (mm)");
}

QString halfSpanPlaceholder() {
    //: Shown in the empty half-span field: the planform table then gives the span.
    return QCoreApplication::translate("rw::wing_panel_texts", "表による");
}

QString planformLabel() {
    return QCoreApplication::translate("rw::wing_panel_texts", "平面形");
}

QString straightChoice() {
    return QCoreApplication::translate("rw::wing_panel_texts", "直線テーパー");
}

QString ellipticalChoice() {
    return QCoreApplication::translate("rw::wing_panel_texts", "楕円");
}

QString tableChoice() {
    return QCoreApplication::translate("rw::wing_panel_texts", "表 (CSV)");
}

QString sweepLabel() {
    return QCoreApplication::translate("rw::wing_panel_texts", "後退 (mm)");
}

QString minTipChordLabel() {
    return QCoreApplication::translate("rw::wing_panel_texts", "最小翼端弦長 (mm)");
}

QString tableLabel() {
    return QCoreApplication::translate("rw::wing_panel_texts", "表ファイル");
}

QString browseButton() {
    return QCoreApplication::translate("rw::wing_panel_texts", "参照...");
}

QString stationsLabel() {
    return QCoreApplication::translate("rw::wing_panel_texts", "リブ位置");
}

QString stationsPlaceholder() {
    //: The three forms of the rib stations; the words every and the numbers are typed as shown.
    return QCoreApplication::translate("rw::wing_panel_texts",
                                       "例: 12 / every:75 / 0,120,260 (空欄は全リブ数)");
}

QString tipAirfoilLabel() {
    return QCoreApplication::translate("rw::wing_panel_texts", "翼端翼型");
}

QString tipLibraryChoice() {
    return QCoreApplication::translate("rw::wing_panel_texts", "登録リストから...");
}

QString tipAirfoilPlaceholder() {
    return QCoreApplication::translate("rw::wing_panel_texts", "なし (翼根と同じ翼型)");
}

QString sparNote() {
    return QCoreApplication::translate(
        "rw::wing_panel_texts",
        "桁の線: まっすぐな桁は「リブ詳細...」の桁の切り欠きの位置に「翼根/翼端」の形で"
        "入力します (例 50mm/30mm、25/30)。図には今の切り欠きの桁の線を示します。");
}

QString twistGroup() {
    return QCoreApplication::translate("rw::wing_panel_texts", "捩り下げと治具タブ");
}

QString washoutLabel() {
    return QCoreApplication::translate("rw::wing_panel_texts", "捩り下げ (°)");
}

QString pivotLabel() {
    return QCoreApplication::translate("rw::wing_panel_texts", "回転軸 (翼弦 %)");
}

QString jigTabsBox() {
    return QCoreApplication::translate("rw::wing_panel_texts", "治具タブを付ける");
}

QString jigTabPositionsLabel() {
    return QCoreApplication::translate("rw::wing_panel_texts", "位置 (翼弦 %)");
}

QString jigTabPositionsPlaceholder() {
    return QCoreApplication::translate("rw::wing_panel_texts", "例 15,85");
}

QString jigTabWidthLabel() {
    return QCoreApplication::translate("rw::wing_panel_texts", "幅 (mm)");
}

QString jigTabMinHeightLabel() {
    return QCoreApplication::translate("rw::wing_panel_texts", "最小高さ (mm)");
}

QString jigTabsNote() {
    return QCoreApplication::translate(
        "rw::wing_panel_texts",
        "捩り下げは翼端で前縁を下げる向きが正です。治具タブは全リブを一枚の平らな板に立てる"
        "足で、組み上げた後にけがき線で切り取ります。治具タブは「リブ詳細...」と共通の設定です");
}

QString tableFileFilter() {
    //: Pairs of a name and its patterns, all separated by |: only the names are translated.
    return QCoreApplication::translate("rw::wing_panel_texts",
                                       "翼平面の表|*.csv;*.txt|すべてのファイル|*");
}

QString noSpanNote() {
    return QCoreApplication::translate("rw::wing_panel_texts",
                                       "半翼幅を入力すると、ここに翼平面を描きます");
}

QString halfSpanField() {
    return QCoreApplication::translate("rw::wing_panel_texts", "半翼幅");
}

QString sweepField() {
    return QCoreApplication::translate("rw::wing_panel_texts", "後退");
}

QString minTipChordField() {
    return QCoreApplication::translate("rw::wing_panel_texts", "最小翼端弦長");
}

QString tableField() {
    return QCoreApplication::translate("rw::wing_panel_texts", "平面形の表ファイル");
}

QString outOfRange(const QString& field, const QString& typed) {
    //: %1 names the field, %2 is what was typed into it.
    return QCoreApplication::translate("rw::wing_panel_texts",
                                       "%1「%2」は使えない長さです。mm で入力してください")
        .arg(field, typed);
}

QString badStations(const QString& typed) {
    return QCoreApplication::translate(
               "rw::wing_panel_texts",
               "リブ位置「%1」を読めません。リブ数 (例 12)、間隔 (例 every:75)、"
               "翼根からの位置 mm の並び (例 0,120,260) のいずれかで入力してください")
        .arg(typed);
}

QString washoutField() {
    return QCoreApplication::translate("rw::wing_panel_texts", "捩り下げ");
}

QString pivotField() {
    return QCoreApplication::translate("rw::wing_panel_texts", "回転軸");
}

QString badWashout(const QString& typed) {
    return QCoreApplication::translate(
               "rw::wing_panel_texts",
               "捩り下げ「%1」は使えません。-20 から 20 までの角度 (度) で入力してください")
        .arg(typed);
}

QString badPivot(const QString& typed) {
    return QCoreApplication::translate(
               "rw::wing_panel_texts",
               "回転軸「%1」は使えません。前縁からの翼弦の 0 から 100 % で入力してください")
        .arg(typed);
}

QString jigTabPositionsField() {
    return QCoreApplication::translate("rw::wing_panel_texts", "治具タブの位置");
}

QString jigTabWidthField() {
    return QCoreApplication::translate("rw::wing_panel_texts", "治具タブの幅");
}

QString badJigTabs(const QString& typed) {
    return QCoreApplication::translate(
               "rw::wing_panel_texts",
               "治具タブ「%1」を読めません。位置は翼弦の 0 から 100 % をカンマで区切って 20 個"
               "まで (例 15,85)、幅と最小高さは 0 より大きい mm で入力してください")
        .arg(typed);
}

QString chordsByTableNote() {
    return QCoreApplication::translate("rw::wing_panel_texts", "翼平面の表による");
}

QString chordsByTableHint() {
    return QCoreApplication::translate(
        "rw::wing_panel_texts", "翼弦長は翼平面の表で決まります。「翼平面...」で変更できます");
}

QString ribCountByStationsHint() {
    return QCoreApplication::translate(
        "rw::wing_panel_texts",
        "リブ数は翼平面のリブ位置で決まります。「翼平面...」で変更できます");
}

QString fileProblems(const QString& nativePath, const QStringList& problems) {
    return QCoreApplication::translate(
               "rw::wing_panel_texts",
               "翼平面の設定ファイルに読めない内容があったため、その部分を飛ばして残りの設定を"
               "使います。\n%1\n%2")
        .arg(nativePath, problems.join(QLatin1Char('\n')));
}

}  // namespace rw::wing_panel_texts
