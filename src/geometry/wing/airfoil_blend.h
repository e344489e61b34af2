#pragma once

#include "airfoil/airfoil_data.h"

namespace rw {

// The section `share` of the way from `inner` (0) to `outer` (1). Both surfaces of each airfoil
// are laid on one chordwise distribution, dense at the leading edge (cosine spacing), and the
// heights mixed point by point, so the leading edge and both trailing-edge points are kept. A
// share of exactly 0 or 1 gives that airfoil unchanged. Throws RibwrightError when an airfoil has
// no leading edge to split its surfaces at.
AirfoilProfile blendAirfoils(const AirfoilProfile& inner, const AirfoilProfile& outer,
                             double share);

}  // namespace rw
