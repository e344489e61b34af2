#pragma once

#include <QChar>
#include <QString>

namespace rw {

// Converts a decimal number the way a desktop conversion routine does: blanks around it, an
// optional sign, digits with an optional decimal separator and fraction (digits on one side of
// the separator suffice) and an optional exponent. Anything else raises ConversionError with
// "'%s' は浮動小数点数ではありません". The separator is passed in: the window gives the locale's.
double strToFloat(const QString& text, QChar decimalSeparator);

// Non-throwing form for callers that swallow a failure.
bool tryStrToFloat(const QString& text, QChar decimalSeparator, double& value);

// Numbers in airfoil text: published coordinate files use '.' whatever the desktop's locale, so
// '.' always marks the fraction, and the locale's separator does too (texts typed with it keep
// reading as before). Same grammar and error text as strToFloat.
double airfoilStrToFloat(const QString& text, QChar decimalSeparator);
// Non-throwing form that accepts either of two separators.
bool tryStrToFloatEither(const QString& text, QChar decimalSeparator, QChar otherSeparator,
                         double& value);

// Decimal digits with an optional sign, blanks around them, 32-bit range, leading zeros allowed.
// Anything else raises ConversionError with "''%s'' は整数ではありません".
int strToInt(const QString& text);

}  // namespace rw
