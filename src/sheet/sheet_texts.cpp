#include "sheet/sheet_texts.h"

#include <QCoreApplication>

namespace rw::sheet_texts {

QString badRootChord() {
    return QCoreApplication::translate("rw::sheet_texts", "翼弦長のデータが不正です");
}

QString badSparPosition() {
    return QCoreApplication::translate("rw::sheet_texts", "桁の位置データが不正です");
}

QString badTipChord() {
    return QCoreApplication::translate("rw::sheet_texts", "翼端の翼弦長のデータが不正です");
}

QString noMemoryForSheet(QSize size) {
    return QCoreApplication::translate(
               "rw::sheet_texts", "シートの画像 (%1 × %2 ピクセル) に使うメモリを確保できません")
        .arg(size.width())
        .arg(size.height());
}

QString tooManyRibs(int limit) {
    return QCoreApplication::translate("rw::sheet_texts", "リブの数は %1 までにしてください")
        .arg(limit);
}

}  // namespace rw::sheet_texts
