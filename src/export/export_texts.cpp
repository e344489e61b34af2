#include "export/export_texts.h"

namespace rw::export_texts {

QString sheetNotDrawn() {
    return QStringLiteral("シートがまだ描かれていないため、画像を保存できません。");
}

QString jpegFailed(const QString& reason) {
    return QStringLiteral("JPEG 画像を作成できません。%1").arg(reason);
}

QString pngCompressionFailed() {
    return QStringLiteral("PNG 画像のデータを圧縮できません。");
}

QString printedRibCaption(int ribNumber, const QString& chordMm, const QString& airfoilName) {
    return QStringLiteral("リブ %1 / 翼弦 %2 mm / %3").arg(ribNumber).arg(chordMm, airfoilName);
}

QString printAtFullScale() {
    return QStringLiteral("印刷倍率 100%で印刷してください");
}

QString printedPageLabel(int page, int pageCount, int row, int column) {
    return QStringLiteral("ページ %1/%2, 行 %3 列 %4")
        .arg(page)
        .arg(pageCount)
        .arg(row)
        .arg(column);
}

QString ribTooThinToCut(int ribNumber) {
    return QStringLiteral("リブ %1 は外皮の厚さに対して薄すぎるため、切り出す形がありません")
        .arg(ribNumber);
}

QString ribDoesNotFitStock(int ribNumber, const QString& ribWidth, const QString& ribHeight,
                           const QString& stockWidth, const QString& stockHeight) {
    return QStringLiteral("リブ %1 (%2 × %3 mm) が %4 × %5 mm の材料に収まりません")
        .arg(ribNumber)
        .arg(ribWidth, ribHeight, stockWidth, stockHeight);
}

}  // namespace rw::export_texts
