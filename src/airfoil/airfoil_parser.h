#pragma once

#include "airfoil/airfoil_data.h"

#include <QChar>

namespace rw {

enum class ParseOutcome {
    Usable,        // ten or more points: the rib button is enabled and the preview drawn
    TooFewPoints,  // fewer than ten points: airfoil_texts::tooFewPoints()
};

// Parses state.text into state.sourceLines, state.name and state.profile. The lines and the name
// are replaced before any number is converted; the profile only at the end, so a ConversionError
// (or the RibwrightError for a text beyond the capacity) leaves the previous profile in place.
// Numbers read with '.' and with the locale's `decimalSeparator` alike.
ParseOutcome parseAirfoilText(AirfoilState& state, QChar decimalSeparator);

// Whether a line within the coordinates is read as a point: a line of 10 characters or fewer, or
// one whose first field is shorter than 3 characters, is passed over.
bool parserReadsAsPoint(const QString& line);

}  // namespace rw
