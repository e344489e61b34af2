#pragma once

#include <QString>

// The texts of choosing the interface's language.
namespace rw::language_texts {

QString englishName();
QString japaneseName();
QString switchToolTip();
QString nextStartInEnglish();
QString nextStartInJapanese();
QString unknownLanguageOption(const QString& given);

}  // namespace rw::language_texts
