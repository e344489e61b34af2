#pragma once

#include <QString>

#include <initializer_list>

namespace rw {

// Refuses `feature` on rib `ribNumber` when any of its sizes is not a finite number above zero.
void requirePositiveSizes(std::initializer_list<double> sizes, int ribNumber,
                          const QString& feature);

}  // namespace rw
