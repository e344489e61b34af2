#include "airfoil/long_title.h"

namespace rw {

bool cutLongTitle(AirfoilState& airfoil) {
    QString& title = airfoil.name;
    if (title.size() <= kMaxTitleLength)
        return false;
    qsizetype length = kMaxTitleLength;
    if (title.at(length - 1).isHighSurrogate())
        --length;
    title.truncate(length);
    return true;
}

}  // namespace rw
