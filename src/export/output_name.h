#pragma once

#include "sheet/rib_job.h"

#include <QString>

namespace rw {

// The proposed file-name stem of all three exports.
QString buildOutputBaseName(const RibJob& job);

}  // namespace rw
