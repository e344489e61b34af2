#include "export/print_texts.h"

#include <QCoreApplication>

namespace rw::print_texts {

QString pageMapTitle() {
    //: Above the map of the printed pages on page 1: lay them out like this, then trim and tape.
    return QCoreApplication::translate("rw::print_texts", "ページの並び（貼り合わせ順）");
}

QString ribCaption(const QString& label, const QString& chordMm, const QString& airfoilName) {
    //: Under each rib of the printed templates: rib label, chord in mm, airfoil name.
    return QCoreApplication::translate("rw::print_texts", "リブ %1 / 翼弦 %2 mm / %3")
        .arg(label, chordMm, airfoilName);
}

}  // namespace rw::print_texts
