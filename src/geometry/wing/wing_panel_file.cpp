#include "geometry/wing/wing_panel_file.h"
