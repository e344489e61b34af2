#pragma once

#include "geometry/rib_parameters.h"

#include <QString>

namespace rw {

// The proposed file-name stem of all three exports.
QString buildOutputBaseName(const QString& airfoilName, const RibPanelSnapshot& panel,
                            const RibParameters& params);

}  // namespace rw
