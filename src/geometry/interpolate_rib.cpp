#include "geometry/interpolate_rib.h"

namespace rw {

// Straight-line taper from rib 1 (root) to rib ribCount (tip). The expression keeps its
// left-to-right order — difference times (k - 1), then divided — so the chords round the same
// way in every producer.
RibShape interpolateRib(int k, const RibParameters& params) {
    RibShape shape;
    if (params.ribCount > 1) {
        const double steps = double(params.ribCount - 1);
        const double along = double(k - 1);
        shape.ribChord =
            float(params.rootChord - (params.rootChord - params.tipChord) * along / steps);
        // A series carries its factors in single precision, while a lone rib keeps the full
        // double; only the series value is rounded.
        shape.thicknessFactor =
            float(params.rootThicknessFactor -
                  (params.rootThicknessFactor - params.tipThicknessFactor) * along / steps);
    } else {
        shape.ribChord = float(params.rootChord);
        shape.thicknessFactor = params.rootThicknessFactor;
    }
    return shape;
}

}  // namespace rw
