#include "platform/number_conversion.h"

#include "platform/errors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace rw {
namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ');
}
bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Checks the grammar and builds a plain ASCII copy with a '.' separator. Either of the two
// separators may mark the fraction; they are the same character where only one is accepted.
bool normaliseFloat(const QString& text, QChar separator, QChar otherSeparator, std::string& out) {
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
    if (i < end && (text.at(i) == separator || text.at(i) == otherSeparator)) {
        out += '.';
        ++i;
        while (i < end && isDigit(text.at(i))) {
            out += char(text.at(i).unicode());
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
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
        if (expDigits == 0)
            return false;
    }
    return i == end;
}

// Whether an out-of-range number is out of range because it is tiny: its decimal exponent,
// counted from its first significant digit, is negative.
bool readsAsTiny(const std::string& ascii) {
    long exponent = 0;
    const std::size_t e = ascii.find('e');
    if (e != std::string::npos)
        exponent = std::clamp(std::strtol(ascii.c_str() + e + 1, nullptr, 10), -100000L, 100000L);
    const std::string mantissa = ascii.substr(0, e);
    const std::size_t point = mantissa.find('.');
    const std::size_t firstSignificant = mantissa.find_first_of("123456789");
    if (firstSignificant == std::string::npos)
        return true;
    const std::size_t intEnd = point == std::string::npos ? mantissa.size() : point;
    const long position = firstSignificant < intEnd ? long(intEnd - firstSignificant) - 1
                                                    : -long(firstSignificant - intEnd);
    return exponent + position < 0;
}

}  // namespace

bool tryStrToFloat(const QString& text, QChar decimalSeparator, double& value) {
    return tryStrToFloatEither(text, decimalSeparator, decimalSeparator, value);
}

bool tryStrToFloatEither(const QString& text, QChar decimalSeparator, QChar otherSeparator,
                         double& value) {
    std::string ascii;
    if (!normaliseFloat(text, decimalSeparator, otherSeparator, ascii))
        return false;
    // from_chars reads '.' whatever the C locale says (the application sets it from the
    // environment), and takes no leading '+'.
    const char* first = ascii.c_str();
    const char* last = first + ascii.size();
    if (*first == '+')
        ++first;
    double result = 0;
    const auto [ptr, ec] = std::from_chars(first, last, result);
    if (ec == std::errc::result_out_of_range) {
        // Too small to hold reads as zero; too large to hold is refused rather than read as
        // infinity.
        if (!readsAsTiny(ascii))
            return false;
        result = *first == '-' ? -0.0 : 0.0;
    } else if (ec != std::errc() || ptr != last) {
        return false;
    }
    value = result;
    return true;
}

double strToFloat(const QString& text, QChar decimalSeparator) {
    double value = 0;
    if (!tryStrToFloat(text, decimalSeparator, value)) {
        throw ConversionError(floatConversionErrorText(text));
    }
    return value;
}

double airfoilStrToFloat(const QString& text, QChar decimalSeparator) {
    double value = 0;
    if (!tryStrToFloatEither(text, decimalSeparator, QLatin1Char('.'), value)) {
        throw ConversionError(floatConversionErrorText(text));
    }
    return value;
}

int strToInt(const QString& text) {
    qsizetype i = 0;
    qsizetype end = text.size();
    while (i < end && isBlank(text.at(i))) ++i;
    while (end > i && isBlank(text.at(end - 1))) --end;
    bool negative = false;
    if (i < end && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i == end)
        throw ConversionError(integerConversionErrorText(text));
    long long value = 0;
    for (; i < end; ++i) {
        if (!isDigit(text.at(i)))
            throw ConversionError(integerConversionErrorText(text));
        value = value * 10 + (text.at(i).unicode() - '0');
        if (value > 2147483648LL)
            throw ConversionError(integerConversionErrorText(text));
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max()) {
        throw ConversionError(integerConversionErrorText(text));
    }
    return int(value);
}

}  // namespace rw
