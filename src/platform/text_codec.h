#pragma once

#include <QByteArray>
#include <QString>

namespace rw {

// Text files are written as 8-bit text in the system's encoding, without a byte-order mark:
// UTF-8 on Linux, the ANSI code page on Windows.
QByteArray encodeSystemText(const QString& text);

// The encoding an airfoil file that is not UTF-8 most likely has: a Japanese builder's files are
// in CP932 (Shift_JIS), the accented titles of the public databases in Windows-1252.
enum class LegacyEncoding { Windows1252, Cp932 };

// CP932 when the desktop's language is Japanese, Windows-1252 otherwise.
LegacyEncoding desktopLegacyEncoding();

// Decodes a text file without losing a character: as UTF-8 when the bytes are valid UTF-8 (a
// byte-order mark dropped); otherwise as CP932 when `legacy` asks for it and the bytes decode
// cleanly as CP932; otherwise as Windows-1252, which has a character for every byte. Never
// produces U+FFFD for a byte it could not read.
QString decodeTextFile(const QByteArray& bytes, LegacyEncoding legacy);

}  // namespace rw
