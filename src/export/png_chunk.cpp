#include "export/png_chunk.h"

#include <zlib.h>

namespace rw {
namespace {

void appendBigEndian(QByteArray& out, quint32 value) {
    const char bytes[4] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    out.append(bytes, 4);
}

}  // namespace

void appendPngChunk(QByteArray& out, const char (&type)[5], const unsigned char* data,
                    qsizetype size) {
    appendBigEndian(out, quint32(size));
    out.append(type, 4);
    if (size > 0)
        out.append(reinterpret_cast<const char*>(data), size);
    uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(type), 4);
    if (size > 0)
        crc = crc32(crc, data, uInt(size));
    appendBigEndian(out, quint32(crc));
}

}  // namespace rw
