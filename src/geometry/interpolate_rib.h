#pragma once

#include "geometry/rib_outline.h"
#include "geometry/rib_parameters.h"

namespace rw {

// Rib k (from 1) of the series: chord and thickness factor interpolated from root to tip.
RibShape interpolateRib(int k, const RibParameters& params);

}  // namespace rw
