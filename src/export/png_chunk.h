#pragma once

#include <QByteArray>

namespace rw {

// Appends one PNG chunk to `out`: the data length (big-endian), the four-letter type, the data
// and the CRC-32 over type and data.
void appendPngChunk(QByteArray& out, const char (&type)[5], const unsigned char* data,
                    qsizetype size);

}  // namespace rw
