#pragma once

#include "geometry/rib_series.h"
#include "sheet/rib_job.h"

namespace rw {

// Makes the job's ribs. With a wing panel the panel decides how many ribs there are and their
// root and tip chords; those go into the job's numbers, so the sheet's layout and the files'
// notes tell the ribs that were made rather than the fields the panel overrules.
RibSeries buildJobSeries(RibJob& job, SeriesPieces pieces);

}  // namespace rw
