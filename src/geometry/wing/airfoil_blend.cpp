#include "geometry/wing/airfoil_blend.h"
