#pragma once

#include <QIODevice>

namespace rw {

// Writes one PNG chunk: the data length (big-endian), the four-letter type, the data and the
// CRC-32 over type and data. Throws RibwrightError when the device refuses the bytes.
void writePngChunk(QIODevice& out, const char (&type)[5], const unsigned char* data,
                   qsizetype size);

}  // namespace rw
