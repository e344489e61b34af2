#include "geometry/wing/wing_panel.h"
