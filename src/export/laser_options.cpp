#include "export/laser_options.h"

namespace rw {

std::optional<RibSides> ribSidesNamed(const QString& name) {
    if (name == QLatin1String("both"))
        return RibSides::Both;
    if (name == QLatin1String("left"))
        return RibSides::Left;
    if (name == QLatin1String("right"))
        return RibSides::Right;
    return std::nullopt;
}

}  // namespace rw
