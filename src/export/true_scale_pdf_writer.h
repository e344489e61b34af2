#pragma once

#include "export/paper_size.h"
#include "geometry/rib_series.h"
#include "sheet/rib_job.h"

#include <QIODevice>

namespace rw {

// Writes every rib of `series` at 1:1 as a vector PDF, tiled over pages of `paper` (portrait or
// landscape, whichever takes fewer pages) with overlaps, alignment marks, page labels and a
// calibration bar on the first page. With `withBuildingPlan` the wing panel's building plan
// follows on pages of its own (see layOutBuildingPlan). Throws RibwrightError as
// buildWorkshopRibs, planPrint and layOutBuildingPlan do, or when the device fails.
void writeTrueScalePdf(const RibJob& job, const RibSeries& series, PaperSize paper,
                       QIODevice& device, bool withBuildingPlan = false);

}  // namespace rw
