#pragma once

#include <QString>

namespace rw {

// Removes every character of code 32 or less (space, TAB, CR, LF, other controls) from both ends.
QString trimControl(const QString& text);

// A token quoted in a message, cut to its first `limit` characters and "…" when longer, so that a
// line of ten million digits does not fill the screen.
QString shortenedToken(const QString& token, qsizetype limit = 40);

}  // namespace rw
