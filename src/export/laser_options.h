#pragma once

#include "export/output_options.h"

#include <QString>

#include <optional>

namespace rw {

// What the laser shop's options take: a kerf beyond 2 mm is no laser's, and fifty sets of ribs
// are more than one wing ever needs.
constexpr double kMaxKerf = 2;
constexpr int kMaxCopies = 50;
constexpr double kMaxPartGap = 100;

// The sides as the command line names them: "both", "left", "right".
std::optional<RibSides> ribSidesNamed(const QString& name);

}  // namespace rw
