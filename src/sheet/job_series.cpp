#include "sheet/job_series.h"

namespace rw {

RibSeries buildJobSeries(RibJob& job, SeriesPieces pieces) {
    RibSeries series =
        buildRibSeries(job.airfoil.profile, job.params, job.features, job.panel, pieces);
    if (series.panelSet && !series.ribs.empty()) {
        RibParameters& params = job.params;
        params.ribCount = int(series.ribs.size());
        params.taperOn = params.ribCount > 1;
        // The typed chord where the panel kept it, so the scale stays the field's to the bit.
        const auto adopt = [](double& typed, float made) {
            if (float(typed) != made)
                typed = double(made);
        };
        adopt(params.rootChord, series.ribs.front().shape.ribChord);
        adopt(params.tipChord, series.ribs.back().shape.ribChord);
    }
    return series;
}

}  // namespace rw
