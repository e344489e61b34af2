#pragma once

#include "export/jpeg_writer.h"
#include "export/png_writer.h"

#include <QBuffer>

// The bytes an image writer produces, gathered in memory.
template <typename Writer>
QByteArray writtenBytes(Writer write, const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    write(buffer, image);
    return bytes;
}

inline QByteArray pngBytes(const QImage& image) {
    return writtenBytes(rw::writePng, image);
}
inline QByteArray jpegBytes(const QImage& image) {
    return writtenBytes(rw::writeJpeg, image);
}
