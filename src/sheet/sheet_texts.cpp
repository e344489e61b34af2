#include "sheet/sheet_texts.h"

namespace rw::sheet_texts {

QString badRootChord() {
    return QStringLiteral("翼弦長のデータが不正です");
}

QString badSparPosition() {
    return QStringLiteral("桁の位置データが不正です");
}

QString badTipChord() {
    return QStringLiteral("翼端の翼弦長のデータが不正です");
}

QString noMemoryForSheet(QSize size) {
    return QStringLiteral("シートの画像 (%1 × %2 ピクセル) に使うメモリを確保できません")
        .arg(size.width())
        .arg(size.height());
}

}  // namespace rw::sheet_texts
