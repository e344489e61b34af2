#pragma once

#include "airfoil/airfoil_data.h"
#include "geometry/rib_parameters.h"

namespace rw {

// What every export reads: the airfoil, the parameters the last redraw left, the panel as typed.
struct ExportInputs {
    const AirfoilState& airfoil;
    const RibParameters& params;
    const RibPanelSnapshot& panel;
};

}  // namespace rw
