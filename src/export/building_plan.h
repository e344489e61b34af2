#pragma once

#include "geometry/rib_series.h"

#include <QPointF>
#include <QSizeF>
#include <QString>

#include <utility>
#include <vector>

namespace rw {

// One rib as the building plan shows it: a line from its leading edge to its trailing edge at
// its station, its number beside it.
struct PlanRibLine {
    int number = 0;
    QPointF leadingEdge;  // sheet millimetres
    QPointF trailingEdge;
    QPointF numberAt;  // where the number's base line starts
    // The number, and the rib's twist beside it when the panel is twisted: the builder sets each
    // rib to it on the board.
    QString label;
    // Where the rib's jig tabs stand, each from its front to its back along the rib line.
    std::vector<std::pair<QPointF, QPointF>> tabs;
};

// The wing panel seen from above at 1:1, placed on a sheet of its own in millimetres: the span
// runs to the right from the root, the chord down the sheet. The top of the sheet is kept free
// for the calibration bars and the title, as on the rib pages.
struct BuildingPlan {
    QSizeF sheetSize;
    double span = 0;                   // mm
    std::vector<QPointF> leadingEdge;  // root to tip
    std::vector<QPointF> trailingEdge;
    std::vector<PlanRibLine> ribs;  // root first
    // One line per spar notch, through that notch's centre on every rib, root to tip; without
    // notches the one spar line through each rib's spar station.
    std::vector<std::vector<QPointF>> spars;
    QPointF titleAt;  // base line of the title, under the calibration bars

    static constexpr double kNumberHeight = 4;  // mm, the rib numbers
    static constexpr double kTitleHeight = 3;   // mm, as the rib captions
};

// Whether `series` holds what a building plan needs: a wing panel with a known span.
bool canDrawBuildingPlan(const RibSeries& series);

// The plan of the ribs of `series` as its wing panel places them. Throws RibwrightError, in the
// user's words, when the series has no panel or no span.
BuildingPlan layOutBuildingPlan(const RibSeries& series);

}  // namespace rw
