#pragma once

#include "geometry/rib_series.h"
#include "sheet/rib_job.h"

#include <QIODevice>

namespace rw {

// Writes the rib coordinates of every rib: a header with the settings, then one block per rib.
// Each row pairs a data point with the rib point set in from it, so with rib features the rib
// column follows the sheeting of each surface; notches, stock and holes, which have no data
// point, are left to the drawing and the workshop files.
void writeCsv(QIODevice& out, const RibJob& job, const RibSeries& series);

}  // namespace rw
