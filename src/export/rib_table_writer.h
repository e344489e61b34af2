#pragma once

#include "geometry/rib_series.h"

#include <QIODevice>

namespace rw {

// One row per rib for the builder's notes: number, station along the span, chord, how far its
// leading edge lies behind the root's, the share of the outer airfoil in its section, its twist,
// and each spar notch's centre from its leading edge. A header row names the columns; numbers
// are millimetres and degrees with '.' decimals, whatever the language. Without a known span the
// stations are left empty.
void writeRibTable(QIODevice& out, const RibSeries& series);

}  // namespace rw
