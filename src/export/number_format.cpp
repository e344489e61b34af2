#include "export/number_format.h"

#include <QByteArray>

#include <charconv>
#include <cmath>

namespace rw {

// The text written for a number in the CSV and DXF files. Files read by spreadsheets and CAD
// programs always get a decimal point, whatever the user's locale: a comma would split the cells
// of a comma-separated file and is not a number to any DXF reader.
QString formatGeneralNumber(double value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0)
        return QStringLiteral("0");  // negative zero too

    // Rounds the exact binary value to 15 significant digits, an exact tie to even, as printf's
    // "%.14e" does, but never with the C locale's decimal mark: "d.dddddddddddddde±XX".
    char buffer[40];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific, 14);
    QByteArray digits;
    const char* p = buffer;
    for (; p != written.ptr && *p != 'e'; ++p) {
        if (*p != '.')
            digits.append(*p);
    }
    // With value = 0.d1d2… × 10^e, e is one more than the scientific exponent.
    const char* exponent = p + 1;  // "+XX" or "-XX"; from_chars takes no '+'
    if (*exponent == '+')
        ++exponent;
    int scientificExponent = 0;
    std::from_chars(exponent, written.ptr, scientificExponent);
    const int e = scientificExponent + 1;
    while (digits.size() > 1 && digits.endsWith('0')) digits.chop(1);

    QByteArray text;
    if (value < 0)
        text.append('-');
    if (e >= -3 && e <= 15) {
        if (e <= 0) {
            text.append("0.");
            text.append(QByteArray(-e, '0'));
            text.append(digits);
        } else if (digits.size() <= e) {
            text.append(digits);
            text.append(QByteArray(e - digits.size(), '0'));
        } else {
            text.append(digits.left(e));
            text.append('.');
            text.append(digits.mid(e));
        }
    } else {
        text.append(digits.at(0));
        if (digits.size() > 1) {
            text.append('.');
            text.append(digits.mid(1));
        }
        text.append('E');
        text.append(QByteArray::number(e - 1));
    }
    return QString::fromLatin1(text);
}

}  // namespace rw
