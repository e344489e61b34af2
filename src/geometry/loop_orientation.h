#pragma once

#include <vector>

namespace rw {

// Twice the signed area enclosed by the loop of points (x[i], y[i]), closed from the last point
// back to the first: positive when the loop runs anticlockwise (x to the right, y up), negative
// when it runs clockwise, zero for a loop that encloses nothing. Worked in double.
double twiceSignedLoopArea(const std::vector<float>& x, const std::vector<float>& y);

}  // namespace rw
