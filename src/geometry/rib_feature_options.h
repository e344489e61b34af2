#pragma once

// The text form of every rib feature (parse*Option, format*Option), for code that reads or writes
// them all. Each feature's form is declared with the feature in geometry/features/; the list of
// features with their keys is geometry/features/feature_units.h.
#include "geometry/rib_features.h"
