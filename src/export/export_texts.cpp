#include "export/export_texts.h"

#include <QCoreApplication>

namespace rw::export_texts {

QString sheetNotDrawn() {
    return QCoreApplication::translate("rw::export_texts",
                                       "シートがまだ描かれていないため、画像を保存できません。");
}

QString jpegFailed(const QString& reason) {
    return QCoreApplication::translate("rw::export_texts", "JPEG 画像を作成できません。%1")
        .arg(reason);
}

QString pngCompressionFailed() {
    return QCoreApplication::translate("rw::export_texts", "PNG 画像のデータを圧縮できません。");
}

QString printedRibCaption(int ribNumber, const QString& chordMm, const QString& airfoilName) {
    //: Under each rib of the printed templates: rib number, chord in mm, airfoil name.
    return QCoreApplication::translate("rw::export_texts", "リブ %1 / 翼弦 %2 mm / %3")
        .arg(ribNumber)
        .arg(chordMm, airfoilName);
}

QString printAtFullScale() {
    return QCoreApplication::translate("rw::export_texts", "印刷倍率 100%で印刷してください");
}

QString printedPageLabel(int page, int pageCount, int row, int column) {
    //: On each printed page: page of pages, and the page's row and column in the tiling.
    return QCoreApplication::translate("rw::export_texts", "ページ %1/%2, 行 %3 列 %4")
        .arg(page)
        .arg(pageCount)
        .arg(row)
        .arg(column);
}

QString ribTooThinToCut(int ribNumber) {
    return QCoreApplication::translate(
               "rw::export_texts",
               "リブ %1 は外皮の厚さに対して薄すぎるため、切り出す形がありません")
        .arg(ribNumber);
}

QString ribDoesNotFitStock(int ribNumber, const QString& ribWidth, const QString& ribHeight,
                           const QString& stockWidth, const QString& stockHeight) {
    return QCoreApplication::translate("rw::export_texts",
                                       "リブ %1 (%2 × %3 mm) が %4 × %5 mm の材料に収まりません")
        .arg(ribNumber)
        .arg(ribWidth, ribHeight, stockWidth, stockHeight);
}

QString gapNarrowerThanKerf(const QString& gapMm, const QString& kerfMm) {
    return QCoreApplication::translate(
               "rw::export_texts",
               "部品の間隔 %1 mm がカーフ幅 %2 mm より狭いため、隣の部品と切り口がつながります")
        .arg(gapMm, kerfMm);
}

QString stockUsed(int sheets, int percent) {
    //: After nesting: number of stock sheets used, and parts' area over the sheets' area.
    return QCoreApplication::translate("rw::export_texts", "材料 %1 枚, 使用率 %2 %")
        .arg(sheets)
        .arg(percent);
}

QString imageOptionHelp() {
    return QCoreApplication::translate("rw::export_texts", "Write the sheet image (.png or .jpg).");
}

QString csvOptionHelp() {
    return QCoreApplication::translate("rw::export_texts", "Write the CSV file.");
}

QString ribTableOptionHelp() {
    return QCoreApplication::translate(
        "rw::export_texts",
        "Write the rib table: one CSV row per rib with its station, chord, leading-edge offset, "
        "blend, twist and spar notch places (not part of --all).");
}

QString dxfOptionHelp() {
    return QCoreApplication::translate("rw::export_texts", "Write the DXF file.");
}

QString pdfOptionHelp() {
    return QCoreApplication::translate("rw::export_texts",
                                       "Write the true-scale PDF to print at 100 %.");
}

QString svgOptionHelp() {
    return QCoreApplication::translate(
        "rw::export_texts",
        "Write the laser SVG; ribs beyond one stock sheet go to PATH-2, PATH-3, ...");
}

QString cutDxfOptionHelp() {
    return QCoreApplication::translate("rw::export_texts",
                                       "Write the cut DXF (mm, layers CUT and MARK).");
}

QString openImageQuestion() {
    return QCoreApplication::translate("rw::export_texts", "画像ソフトを起動しますか？");
}

QString openSpreadsheetQuestion() {
    return QCoreApplication::translate("rw::export_texts", "表計算ソフトを起動しますか？");
}

QString openDxfQuestion() {
    return QCoreApplication::translate("rw::export_texts",
                                       "DXFに関連付けされたソフトを起動しますか？");
}

QString openPdfQuestion() {
    return QCoreApplication::translate("rw::export_texts",
                                       "PDFに関連付けされたソフトを起動しますか？");
}

QString openSvgQuestion() {
    return QCoreApplication::translate("rw::export_texts",
                                       "SVGに関連付けされたソフトを起動しますか？");
}

QString tooManyPrintedPages(const QString& pages, int limit) {
    return QCoreApplication::translate(
               "rw::export_texts",
               "原寸 PDF が %1 ページになり、上限の %2 ページを超えます。翼弦かリブの数を減らすか、"
               "大きな用紙にしてください")
        .arg(pages)
        .arg(limit);
}

QString printedPlanPageLabel(int page, int pageCount, int row, int column) {
    //: On each page of the building plan: page of the plan's pages, row and column in the tiling.
    return QCoreApplication::translate("rw::export_texts", "組立図 ページ %1/%2, 行 %3 列 %4")
        .arg(page)
        .arg(pageCount)
        .arg(row)
        .arg(column);
}

QString printedPlanTitle(const QString& spanMm, int ribCount) {
    //: Under the calibration bars of the building plan: the half span in mm and the rib count.
    return QCoreApplication::translate("rw::export_texts",
                                       "組立図 (上から見た原寸) / 半翼幅 %1 mm / リブ %2 枚")
        .arg(spanMm)
        .arg(ribCount);
}

QString buildingPlanNeedsSpan() {
    return QCoreApplication::translate("rw::export_texts", "組立図には半翼幅が必要です (--span)");
}

QString tooManyBuildingPlanPages(const QString& pages, int limit) {
    return QCoreApplication::translate(
               "rw::export_texts",
               "組立図が %1 ページになり、上限の %2 ページを超えます。半翼幅を見直すか、"
               "大きな用紙にしてください")
        .arg(pages)
        .arg(limit);
}

}  // namespace rw::export_texts
