#pragma once

#include "geometry/wing/wing_panel.h"

#include <QChar>
#include <QString>

namespace rw {

// The wing panel dialog's fields as typed. Lengths use the locale's decimal separator; the
// stations keep the command line's form, whose list is separated by commas.
struct WingPanelFields {
    QString halfSpan;  // empty: the table's own span
    PlanformKind planform = PlanformKind::Straight;
    QString sweep;        // empty: none
    QString minTipChord;  // empty: none
    QString tablePath;
    QString stations;        // empty: the rib count of the settings column, evenly
    QString tipAirfoilPath;  // empty: the root's airfoil all along
    QString washout;         // degrees at the tip, leading edge down; empty: none
    QString pivot;           // % of the chord; empty: the quarter chord
    friend bool operator==(const WingPanelFields&, const WingPanelFields&) = default;
};

WingPanelFields wingPanelFields(const WingPanel& panel, QChar separator);

// The panel the fields describe, its files not yet read. Throws RibwrightError naming the first
// field that does not read, in the dialog's order.
WingPanel readWingPanelFields(const WingPanelFields& fields, QChar separator);

}  // namespace rw
