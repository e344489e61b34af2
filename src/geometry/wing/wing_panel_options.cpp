#include "geometry/wing/wing_panel_options.h"
