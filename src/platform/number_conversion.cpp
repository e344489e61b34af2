#include "platform/number_conversion.h"

#include "platform/errors.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace rw {
namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' '); }
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Checks the grammar and builds a plain ASCII copy with a '.' separator for strtod.
bool normaliseFloat(const QString& text, QChar separator, std::string& out)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text.at(i))) ++i;
    qsizetype end = n;
    while (end > i && isBlank(text.at(end - 1))) --end;
    if (i < end && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        out += char(text.at(i).unicode());
        ++i;
    }
    int digits = 0;
    while (i < end && isDigit(text.at(i))) {
        out += char(text.at(i).unicode());
        ++i;
        ++digits;
    }
    if (i < end && text.at(i) == separator) {
        out += '.';
        ++i;
        while (i < end && isDigit(text.at(i))) {
            out += char(text.at(i).unicode());
            ++i;
            ++digits;
        }
    }
    if (digits == 0) return false;
    if (i < end && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        out += 'e';
        ++i;
        if (i < end && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
            out += char(text.at(i).unicode());
            ++i;
        }
        int expDigits = 0;
        while (i < end && isDigit(text.at(i))) {
            out += char(text.at(i).unicode());
            ++i;
            ++expDigits;
        }
        if (expDigits == 0) return false;
    }
    return i == end;
}

}  // namespace

bool tryStrToFloat(const QString& text, QChar decimalSeparator, double& value)
{
    std::string ascii;
    if (!normaliseFloat(text, decimalSeparator, ascii)) return false;
    errno = 0;
    const double result = std::strtod(ascii.c_str(), nullptr);
    // An exponent beyond the range of the type is refused rather than read as infinity.
    if (errno == ERANGE && std::isinf(result)) return false;
    value = result;
    return true;
}

double strToFloat(const QString& text, QChar decimalSeparator)
{
    double value = 0;
    if (!tryStrToFloat(text, decimalSeparator, value)) {
        throw ConversionError(floatConversionErrorText(text));
    }
    return value;
}

int strToInt(const QString& text)
{
    qsizetype i = 0;
    qsizetype end = text.size();
    while (i < end && isBlank(text.at(i))) ++i;
    while (end > i && isBlank(text.at(end - 1))) --end;
    bool negative = false;
    if (i < end && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i == end) throw ConversionError(integerConversionErrorText(text));
    long long value = 0;
    for (; i < end; ++i) {
        if (!isDigit(text.at(i))) throw ConversionError(integerConversionErrorText(text));
        value = value * 10 + (text.at(i).unicode() - '0');
        if (value > 2147483648LL) throw ConversionError(integerConversionErrorText(text));
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int>::max()) {
        throw ConversionError(integerConversionErrorText(text));
    }
    return int(value);
}

}  // namespace rw
