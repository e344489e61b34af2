#include "platform/language_texts.h"

#include <QCoreApplication>

namespace rw::language_texts {

QString englishName() {
    //: A language's name as its own speakers write it, on the button that chooses it.
    return QCoreApplication::translate("rw::language_texts", "English");
}

QString japaneseName() {
    //: A language's name as its own speakers write it, on the button that chooses it.
    return QCoreApplication::translate("rw::language_texts", "日本語");
}

QString switchToolTip() {
    return QCoreApplication::translate("rw::language_texts",
                                       "表示言語を切り替えます (次回の起動から)");
}

QString nextStartInEnglish() {
    return QCoreApplication::translate("rw::language_texts", "次回の起動から英語で表示します。");
}

QString nextStartInJapanese() {
    return QCoreApplication::translate("rw::language_texts", "次回の起動から日本語で表示します。");
}

QString unknownLanguageOption(const QString& given) {
    return QCoreApplication::translate("rw::language_texts", "--lang takes en or ja: %1")
        .arg(given);
}

}  // namespace rw::language_texts
