#pragma once

#include "airfoil/airfoil_data.h"
#include "geometry/compute_rib_outline.h"
#include "geometry/interpolate_rib.h"
#include "geometry/rib_outline.h"
#include "geometry/rib_parameters.h"

namespace rw {

// Sets rib.ribNumber = k, interpolates and computes the outline: the one sequence every producer
// (sheet, CSV, DXF) runs for rib k. A rib with a point (or spar position) that is not finite in
// single precision throws the invalid-operation fault.
void produceRib(int k, const AirfoilProfile& profile, const RibParameters& params, CurrentRib& rib);

}  // namespace rw
