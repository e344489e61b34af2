#include "export/dxf_layout.h"

#include "platform/errors.h"

#include <algorithm>
#include <cfloat>
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

void requireDxfRibInRange(const SeriesRib& rib, double rootChord) {
    const double chord = rib.shape.ribChord;
    double reachY = 0.1 * std::fabs(chord);  // the spar line's top
    for (const std::vector<float>* ys : {&rib.outline.ribY, &rib.outline.surfaceY}) {
        for (const float y : *ys) reachY = std::max(reachY, double(std::fabs(y)));
    }
    reachY += std::fabs(chord) / 200;  // a data point's mark
    const double farY = std::fabs(300 - dxfRibOriginY(rib.number, rootChord)) + reachY;
    const double farX = kDxfRibOriginX + 25 + 1.01 * std::fabs(chord);
    if (!(farY <= FLT_MAX && farX <= FLT_MAX))
        throwInvalidOperation();
}

}  // namespace rw
