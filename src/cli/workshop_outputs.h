#pragma once

#include "cli/cli_options.h"
#include "cli/output_targets.h"
#include "export/workshop_layout.h"

#include <functional>
#include <optional>

namespace rw::cli {

// The ribs nested on the stock when a laser file is asked for, worked out before any file is
// written. Throws RibwrightError as the layout does (a rib larger than the stock, a skin that
// leaves no material), so such a run is refused with nothing written; the print is checked the
// same way.
std::optional<WorkshopLayout> prepareWorkshopOutputs(const OutputTargets& targets,
                                                     const CliOptions& options,
                                                     const AirfoilState& airfoil,
                                                     const RibParameters& params);

// Writes the print and the laser files, telling `written` each path as soon as its file is
// complete (stock sheets beyond the first included), so a later failure leaves a true list.
void writeWorkshopOutputs(const OutputTargets& targets, const std::optional<WorkshopLayout>& stock,
                          const CliOptions& options, const AirfoilState& airfoil,
                          const RibParameters& params,
                          const std::function<void(const QString&)>& written);

}  // namespace rw::cli
