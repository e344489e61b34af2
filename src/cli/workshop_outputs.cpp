#include "cli/workshop_outputs.h"

namespace rw::cli {

std::optional<WorkshopLayout> prepareWorkshopOutputs(const OutputTargets& targets,
                                                     const CliOptions& options,
                                                     const AirfoilState& airfoil,
                                                     const RibParameters& params) {
    if (!targets.svg.isEmpty() || !targets.cutDxf.isEmpty())
        return layoutOnStock(airfoil, params, options.stockSize, options.panel.features);
    if (!targets.pdf.isEmpty()) {
        // The print refuses what this refuses.
        buildWorkshopRibs(airfoil.profile, params, options.panel.features);
    }
    return std::nullopt;
}

void writeWorkshopOutputs(const OutputTargets& targets, const std::optional<WorkshopLayout>& stock,
                          const CliOptions& options, const AirfoilState& airfoil,
                          const RibParameters& params,
                          const std::function<void(const QString&)>& written) {
    if (!targets.pdf.isEmpty()) {
        saveTrueScalePdf(targets.pdf, airfoil, params, options.paper, options.panel.features);
        written(targets.pdf);
    }
    if (!targets.svg.isEmpty()) {
        for (const QString& path : saveLaserSvg(targets.svg, *stock)) written(path);
    }
    if (!targets.cutDxf.isEmpty()) {
        for (const QString& path : saveCutDxf(targets.cutDxf, *stock)) written(path);
    }
}

}  // namespace rw::cli
