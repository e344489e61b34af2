#include "export/png_chunk.h"

#include "platform/errors.h"

#include <zlib.h>

namespace rw {
namespace {

void appendBigEndian(QByteArray& out, quint32 value) {
    const char bytes[4] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    out.append(bytes, 4);
}

}  // namespace

void writePngChunk(QIODevice& out, const char (&type)[5], const unsigned char* data,
                   qsizetype size) {
    QByteArray chunk;
    chunk.reserve(12 + size);
    appendBigEndian(chunk, quint32(size));
    chunk.append(type, 4);
    if (size > 0)
        chunk.append(reinterpret_cast<const char*>(data), size);
    uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(type), 4);
    if (size > 0)
        crc = crc32(crc, data, uInt(size));
    appendBigEndian(chunk, quint32(crc));
    if (out.write(chunk) != chunk.size())
        throw RibwrightError(out.errorString());
}

}  // namespace rw
