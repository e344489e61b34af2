#pragma once

#include <QString>

namespace rw {

// 15 significant digits of the exact value, trailing zeros dropped, always a decimal point.
QString formatGeneralNumber(double value);

}  // namespace rw
