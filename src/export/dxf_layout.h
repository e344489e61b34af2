#pragma once

namespace rw {

// Ribs are stacked down the 210 × 300 page, 0.15 root chords apart, at x = 20.
constexpr double kDxfRibOriginX = 20;

// 10 + (k × rootChord × 0.15) truncated toward zero. A product that is a whole number in decimal
// arithmetic counts as that number even when binary arithmetic lands just below it (200 × 0.15
// is 30, not 29.999…). Kept in double: huge chords must not overflow an integer.
double dxfRibOriginY(int k, double rootChord);

}  // namespace rw
