#pragma once

#include <QByteArray>
#include <QString>

namespace rw::cli {

// The name of a 16- or 32-bit Unicode encoding that the start of a file is written in ("UTF-16
// LE", "UTF-32 BE", …), or an empty string for 8-bit text. Such a file reaches the parser as
// letters between NUL characters, so it is refused by name instead.
QString wideEncodingOf(const QByteArray& head);

}  // namespace rw::cli
