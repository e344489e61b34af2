#pragma once

#include <QIODevice>
#include <QImage>

namespace rw {

// Writes the image as a baseline JFIF JPEG at quality 90. Throws RibwrightError for an image
// without pixels, one the library cannot encode, or a device that refuses bytes.
void writeJpeg(QIODevice& out, const QImage& image);

}  // namespace rw
