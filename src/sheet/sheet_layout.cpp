#include "sheet/sheet_layout.h"

#include "platform/errors.h"

#include <cmath>
#include <limits>

namespace rw {

float sheetScaleFor(bool taperOn) {
    return taperOn ? 0.5f : 1.0f;
}

float sheetPixelsPerMm(int sheetWidth, double rootChord, float sheetScale) {
    const double numerator = sheetWidth * 0.9;
    const float chord = float(rootChord);
    if (chord == 0) {
        if (numerator == 0)
            throwInvalidOperation();
        throwDivisionByZero();
    }
    const double perMm = numerator / double(chord) * double(sheetScale);
    // A chord so tiny that the scale overflows single precision would put every point at an
    // infinite pixel position; report it as the arithmetic fault it is.
    if (!std::isfinite(perMm) || std::fabs(perMm) > std::numeric_limits<float>::max())
        throwInvalidOperation();
    return float(perMm);
}

RibPlacement placeSeriesRib(int k, QSize sheet) {
    RibPlacement place;
    place.column = k <= 8 ? 0 : 1;
    place.row = place.column == 0 ? k : qint64(k) - 8;
    place.originY = place.row * qint64(sheet.height() / 10) + 80;
    place.originX = int(std::trunc(sheet.width() * (place.column / 2.0 + 0.05)));
    return place;
}

RibPlacement placeSingleRib(QSize sheet) {
    RibPlacement place;
    place.row = 1;
    place.originY = sheet.height() / 2;
    place.originX = int(std::trunc(sheet.width() * 0.05));
    return place;
}

}  // namespace rw
