#pragma once

#include <QImage>

namespace rw {

// The two pixel layouts the image writers read row by row without converting.
enum class PixelLayout {
    Xrgb32,  // one 32-bit 0xAARRGGBB word a pixel (Qt's RGB32 and ARGB32); alpha is ignored
    Rgb24,   // three bytes a pixel, red first (Qt's RGB888)
};

struct RgbPixels {
    QImage image;
    PixelLayout layout;
};

// The image's colour channels in a layout the writers read directly. The sheet is already 32-bit
// RGB, so this normally shares the image's data; only other formats are converted, once.
RgbPixels rgbPixels(const QImage& image);

// Throws RibwrightError when the image has no pixels (a sheet that was never drawn): neither file
// format can hold an empty image.
void requireImagePixels(const QImage& image);

}  // namespace rw
