#pragma once

#include <QByteArray>
#include <QString>

namespace rw {

// Text files are 8-bit text in the system's encoding, without a byte-order mark: the locale's
// encoding on Linux (normally UTF-8), the ANSI code page on Windows.
QByteArray encodeSystemText(const QString& text);
QString decodeSystemText(const QByteArray& bytes);

}  // namespace rw
