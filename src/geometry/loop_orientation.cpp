#include "geometry/loop_orientation.h"

#include <algorithm>

namespace rw {

double twiceSignedLoopArea(const std::vector<float>& x, const std::vector<float>& y) {
    const std::size_t n = std::min(x.size(), y.size());
    double sum = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t next = (i + 1) % n;
        sum += double(x[i]) * double(y[next]) - double(x[next]) * double(y[i]);
    }
    return sum;
}

}  // namespace rw
