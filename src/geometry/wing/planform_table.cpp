#include "geometry/wing/planform_table.h"
