#pragma once

#include "airfoil/airfoil_data.h"
#include "geometry/rib_parameters.h"
#include "sheet/rib_settings.h"

namespace rw {

// What every export reads: the airfoil, the parameters the last redraw left, the settings as
// typed now.
struct ExportInputs {
    const AirfoilState& airfoil;
    const RibParameters& params;
    const RibSettings& settings;
};

}  // namespace rw
