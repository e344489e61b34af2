#pragma once

#include "airfoil/airfoil_data.h"

#include <QString>

namespace rw {

// An airfoil a wing panel names by file: the tip airfoil, or a section's in a planform table.
struct SectionAirfoil {
    AirfoilProfile profile;
    QString title;  // the file's first line, trimmed
};

// Reads the file as a published airfoil file is opened (tidied by the import, then parsed with
// '.' decimals). Throws FileError when it cannot be read, RibwrightError when it holds no usable
// airfoil.
SectionAirfoil readSectionAirfoil(const QString& path);

}  // namespace rw
