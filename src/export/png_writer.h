#pragma once

#include <QIODevice>
#include <QImage>

namespace rw {

// Writes the image as an RGB PNG: every row Sub-filtered, zlib level 7, IDAT chunks of at most
// 65,535 bytes. Throws RibwrightError for an image without pixels or a device that refuses bytes.
void writePng(QIODevice& out, const QImage& image);

}  // namespace rw
