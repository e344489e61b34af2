#include "export/image_pixels.h"

#include "export/export_texts.h"
#include "platform/errors.h"

namespace rw {

RgbPixels rgbPixels(const QImage& image) {
    switch (image.format()) {
        case QImage::Format_RGB32:
        case QImage::Format_ARGB32:
            return {image, PixelLayout::Xrgb32};
        case QImage::Format_RGB888:
            return {image, PixelLayout::Rgb24};
        default:
            return {image.convertToFormat(QImage::Format_RGB32), PixelLayout::Xrgb32};
    }
}

void requireImagePixels(const QImage& image) {
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        throw RibwrightError(export_texts::sheetNotDrawn());
}

}  // namespace rw
