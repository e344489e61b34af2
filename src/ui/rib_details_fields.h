#pragma once

#include "geometry/rib_features.h"

#include <QChar>
#include <QString>

#include <vector>

namespace rw {

// The rib details as the dialog's fields hold them: the numbers as typed, with the user's
// decimal separator, and the switches. Fields of a feature that is switched off are kept but
// not read.
struct SparNotchFields {
    QString position;
    bool positionInMm = false;  // false: percent of the chord
    QString width;
    QString depth;
    NotchSide side = NotchSide::Top;
    friend bool operator==(const SparNotchFields&, const SparNotchFields&) = default;
};

struct RibDetailsFields {
    std::vector<SparNotchFields> notches;
    bool upperSkinOn = false;
    QString upperSkin;
    bool lowerSkinOn = false;
    QString lowerSkin;
    TrailingEdgeCut trailingEdge = TrailingEdgeCut::None;
    QString trailingEdgeDistance;  // Flat
    QString trailingEdgeLength;    // Notch
    QString trailingEdgeHeight;    // Notch
    bool holesOn = false;
    QString holeDiameter;  // percent of the local rib height
    QString holeWeb;       // mm
    QString minimumWeb;    // mm; empty for the default
    friend bool operator==(const RibDetailsFields&, const RibDetailsFields&) = default;
};

// The fields that show `features`, numbers written with `separator`.
RibDetailsFields ribDetailsFields(const RibFeatures& features, QChar separator);

// Reads the fields through the rib feature options' own parsers, so the dialog accepts exactly
// what the settings file and the command line accept. Throws RibwrightError with a Japanese text
// naming the field at the first one that does not read.
RibFeatures readRibDetailsFields(const RibDetailsFields& fields, QChar separator);

}  // namespace rw
