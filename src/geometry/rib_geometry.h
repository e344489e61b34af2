#pragma once

// One rib of the series: its chord and thickness, and its outline set in by the skin.
#include "geometry/compute_rib_outline.h"
#include "geometry/interpolate_rib.h"
