#include "export/dxf_layout.h"

#include <cmath>

namespace rw {

double dxfRibOriginY(int k, double rootChord) {
    double offset = k * rootChord * 0.15;
    // 0.15 is not exact in binary; a product within a few units in the last place of a whole
    // number is taken to be that number.
    const double nearest = std::round(offset);
    if (std::fabs(offset - nearest) <= 1e-12 * std::fmax(1.0, std::fabs(offset))) {
        offset = nearest;
    }
    return 10 + std::trunc(offset);
}

}  // namespace rw
