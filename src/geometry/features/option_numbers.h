#pragma once

#include <QRegularExpressionMatch>
#include <QString>

#include <charconv>

namespace rw {

// The numbers of the rib feature options are read and written with '.' whatever the user's
// locale, so a command or a settings file means the same on every machine.

// An unsigned decimal with '.', at most six digits before it: no sign, no exponent, no comma.
// One capture group.
QString optionNumberPattern();

// `pattern` matched against the whole of `text`, blanks around it allowed, letters in any case.
QRegularExpressionMatch matchWholeOption(const QString& pattern, const QString& text);

double capturedNumber(const QRegularExpressionMatch& match, int group);

// The shortest text that reads back to the same value.
template <typename T>
QString shortestOptionNumber(T value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

}  // namespace rw
