#pragma once

#include "geometry/rib_parameters.h"
#include "sheet/rib_settings.h"

#include <QString>

namespace rw {

// The proposed file-name stem of all three exports.
QString buildOutputBaseName(const QString& airfoilName, const RibSettings& panel,
                            const RibParameters& params);

}  // namespace rw
