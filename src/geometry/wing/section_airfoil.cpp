#include "geometry/wing/section_airfoil.h"

#include "airfoil/airfoil_import.h"
#include "airfoil/airfoil_parser.h"
#include "airfoil/airfoil_texts.h"
#include "platform/errors.h"

namespace rw {

SectionAirfoil readSectionAirfoil(const QString& path) {
    // Files on the disk are read the same on every desktop: '.' decimals, as published.
    const QChar decimalSeparator = QLatin1Char('.');
    AirfoilState state;
    state.text = importAirfoilPath(path, decimalSeparator).text;
    if (parseAirfoilText(state, decimalSeparator) != ParseOutcome::Usable)
        throw RibwrightError(airfoil_texts::tooFewPoints());
    return {state.profile, state.name.trimmed()};
}

}  // namespace rw
