#pragma once

#include <QString>

namespace rw {

// Removes every character of code 32 or less (space, TAB, CR, LF, other controls) from both ends.
QString trimControl(const QString& text);

}  // namespace rw
