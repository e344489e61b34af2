#include "sheet/rib_job.h"

#include "sheet/read_rib_parameters.h"

namespace rw {

RibJobRead readRibJob(const RibSettings& typed, const AirfoilState& airfoil,
                      LastReadSettings& lastRead) {
    RibJobRead read;
    RibJob& job = read.job;
    const RibReadResult result = readRibParameters(typed, lastRead.params, lastRead.look);
    read.proceed = result.proceed;
    read.message = result.message;
    job.airfoil = airfoil;
    job.params = lastRead.params;
    job.look = lastRead.look;
    job.features = typed.features;
    job.panel = typed.panel;
    job.titles = sheetTitles(airfoil.name, typed, lastRead.params);
    job.rootChordText = typed.rootChordText;
    job.tipChordText = typed.tipChordText;
    return read;
}

}  // namespace rw
