#include "geometry/features/positive_sizes.h"

#include "geometry/geometry_texts.h"

#include <cmath>

namespace rw {

void requirePositiveSizes(std::initializer_list<double> sizes, int ribNumber,
                          const QString& feature) {
    for (double size : sizes) {
        if (!(size > 0) || !std::isfinite(size))
            refuseNonPositiveSize(ribNumber, feature);
    }
}

}  // namespace rw
