#pragma once

#include "export/image_pixels.h"

namespace rw {

// Writes row `y` of `pixels` as a PNG scanline filtered with Sub: the filter-type byte 1, then
// for each RGB byte its difference (mod 256) from the same channel of the pixel to its left.
// `out` must hold 1 + 3 × width bytes.
void subFilterScanline(const RgbPixels& pixels, int y, unsigned char* out);

}  // namespace rw
