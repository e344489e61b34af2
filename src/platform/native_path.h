#pragma once

#include <QByteArray>
#include <QString>

namespace rw {

// File names on Unix are bytes, and not every byte string is UTF-8. A name that is not keeps
// each byte that does not decode as a lone low surrogate (U+DC80 to U+DCFF), and turns back into
// exactly the same bytes; a UTF-8 name decodes as usual. Qt's own file-name conversion would put
// U+FFFD in their place and so name another file. Elsewhere the conversion is Qt's.
QString decodeNativePath(const QByteArray& bytes);
QByteArray encodeNativePath(const QString& path);

// Whether `path` names a regular file (after following links).
bool isRegularFile(const QString& path);

}  // namespace rw
