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

}  // namespace rw::export_texts
