#pragma once

#include "export/output_options.h"
#include "export/paper_size.h"
#include "geometry/rib_series.h"
#include "sheet/rib_job.h"

#include <QIODevice>

namespace rw {

// Writes every rib of `series` at 1:1 as a vector PDF on pages of `paper`, each rib that fits a
// page whole on one page (see planPrint), with overlaps, registration marks on every seam, page
// labels, and on the first page a calibration bar and a map of how the pages go together. With
// `withBuildingPlan` the wing panel's building plan follows on pages of its own (see
// layOutBuildingPlan). Throws RibwrightError as buildWorkshopRibs, planPrint and layOutBuildingPlan
// do, or when the device fails.
void writeTrueScalePdf(const RibJob& job, const RibSeries& series, PaperSize paper,
                       QIODevice& device, bool withBuildingPlan = false);

// The same print with the ribs of every side and copy `options` ask for, labelled as on the laser
// files (see buildWorkshopRibs), on the options' paper, with the building plan when they ask.
void writeTrueScalePdf(const RibJob& job, const RibSeries& series, const OutputOptions& options,
                       QIODevice& device);

}  // namespace rw
