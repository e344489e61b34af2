#pragma once

#include "export/workshop_layout.h"

#include <QString>

namespace rw {

// The parts' area (cut contour less its holes) over the area of the sheets they take, 0 to 1.
double stockUse(const WorkshopLayout& layout);

// How much stock the laser files take, one line for the user: 「材料 3 枚, 使用率 62 %」. Lays the
// ribs out as the laser files do; throws RibwrightError as layoutOnStock does.
QString stockUsageLine(const RibJob& job, const RibSeries& series, const OutputOptions& options);

}  // namespace rw
