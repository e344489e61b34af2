#pragma once

#include "geometry/rib_cut.h"

namespace rw {

// The contour the laser follows for `cut` when its beam burns `kerfMm` wide: the material grown
// by half the kerf all round (the outer contour outwards, holes and notches inwards), with round
// corners, so that the finished part comes out at its drawn size. The engraved marks stay as
// they are. Throws RibwrightError naming `ribNumber` as the polygon units do.
RibCut grownByKerf(const RibCut& cut, double kerfMm, int ribNumber);

}  // namespace rw
