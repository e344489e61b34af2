#pragma once

#include "geometry/rib_series.h"

namespace rw {

// Ribs are stacked down the 210 × 300 page, 0.15 root chords apart, at x = 20.
constexpr double kDxfRibOriginX = 20;

// 10 + (k × rootChord × 0.15) truncated toward zero. A product that is a whole number in decimal
// arithmetic counts as that number even when binary arithmetic lands just below it (200 × 0.15
// is 30, not 29.999…). Kept in double: huge chords must not overflow an integer.
double dxfRibOriginY(int k, double rootChord);

// The drawing writes its coordinates in single precision. A rib placed so far down (a root chord
// near the largest single-precision number) that one of them would overflow throws RibwrightError
// with the invalid-operation text, rather than INF reaching the file.
void requireDxfRibInRange(const SeriesRib& rib, double rootChord);

}  // namespace rw
