#include "export/png_scanline.h"

namespace rw {

void subFilterScanline(const RgbPixels& pixels, int y, unsigned char* out) {
    const int width = pixels.image.width();
    *out++ = 1;
    if (pixels.layout == PixelLayout::Xrgb32) {
        const auto* row = reinterpret_cast<const quint32*>(pixels.image.constScanLine(y));
        unsigned char r0 = 0, g0 = 0, b0 = 0;
        for (int x = 0; x < width; ++x) {
            const quint32 p = row[x];
            const auto r = static_cast<unsigned char>(p >> 16);
            const auto g = static_cast<unsigned char>(p >> 8);
            const auto b = static_cast<unsigned char>(p);
            out[0] = static_cast<unsigned char>(r - r0);
            out[1] = static_cast<unsigned char>(g - g0);
            out[2] = static_cast<unsigned char>(b - b0);
            out += 3;
            r0 = r;
            g0 = g;
            b0 = b;
        }
    } else {
        const unsigned char* row = pixels.image.constScanLine(y);
        const int bytes = 3 * width;
        for (int i = 0; i < bytes && i < 3; ++i) out[i] = row[i];
        for (int i = 3; i < bytes; ++i) out[i] = static_cast<unsigned char>(row[i] - row[i - 3]);
    }
}

}  // namespace rw
