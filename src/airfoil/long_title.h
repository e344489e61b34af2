#pragma once

#include "airfoil/airfoil_data.h"

#include <QString>

namespace rw {

// An airfoil title longer than this is no title: the sheet draws it in one line and the proposed
// file names start with it.
constexpr qsizetype kMaxTitleLength = 200;

// Cuts the airfoil's title to kMaxTitleLength characters (a character outside the BMP kept
// whole), once, as it is read: the sheet, the labels of the workshop files, the headers of the
// CSV and DXF and the proposed file names all take it from there. Returns whether it was cut.
bool cutLongTitle(AirfoilState& airfoil);

}  // namespace rw
