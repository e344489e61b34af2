#pragma once

#include "airfoil/airfoil_data.h"

#include <QImage>

namespace rw {

// Draws the 600 x 200 preview of the profile: light-grey background, white grid at tenths of the
// chord, black outline, optional point marks. Resizes `preview` to 600 x 200.
void drawAirfoilPreview(QImage& preview, const AirfoilProfile& profile, bool showPoints);

}  // namespace rw
