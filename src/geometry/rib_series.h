#pragma once

#include "airfoil/airfoil_data.h"
#include "geometry/rib_cut.h"
#include "geometry/rib_features.h"
#include "geometry/rib_outline.h"
#include "geometry/rib_parameters.h"
#include "geometry/wing/wing_panel.h"

#include <QStringList>

#include <vector>

namespace rw {

// One rib of the job, made once and shared by the sheet and every file.
struct SeriesRib {
    int number = 0;  // from 1, the root rib first
    RibShape shape;
    RibOutline outline;  // the surface, and the rib set in from it by each surface's sheeting
    double sparX = 0;    // the spar station, mm from the leading edge (the first notch's, if any)
    RibCut piece;        // the part as it is cut, features included (see RibSeries::hasPieces)
    // Where the wing panel places it (zero without a panel: the ribs then stand nowhere).
    double station = 0;                // mm from the root
    double leadingEdge = 0;            // mm behind the root's leading edge
    double twist = 0;                  // degrees, leading edge down positive
    double blend = 0;                  // share of the outer airfoil in its section
    std::vector<double> notchCentres;  // each spar notch's centre, mm from the leading edge
};

// Every rib of the job, root to tip.
struct RibSeries {
    std::vector<SeriesRib> ribs;
    // The features change the ribs: the sheet and the drawing show each rib as its piece.
    bool featured = false;
    // Each rib's piece was cut. Without features a piece may be empty (a skin that leaves no
    // material), for the outputs that need one to refuse in their own words.
    bool hasPieces = false;
    // What the features tell about the ribs without refusing them (no room for a hole), each
    // once with the ribs it concerns: for the user to read, not to stop on.
    QStringList notes;
    // The wing panel the ribs were placed by; `panelSet` false (and `panel` empty) without one.
    bool panelSet = false;
    ResolvedPanel panel;
};

// Whether the ribs are also cut when no feature asks for it: the workshop files draw the piece.
enum class SeriesPieces { WhenFeatured, Always };

// Makes ribs 1 to params.ribCount of the job: chord and thickness from root to tip, the outline
// with the sheeting, the spar station and, when features are set or `pieces` asks, the cut
// piece. With a wing panel set, the panel decides the ribs instead: their number, stations,
// chords and blended sections; the thickness changes apply on top by span. Every rib is checked
// while it is made, so a job that cannot be made throws before any output sees a rib: a point that
// is not finite in single precision (the invalid-operation fault), a feature that cannot be cut
// (RibwrightError naming the rib and the feature).
RibSeries buildRibSeries(const AirfoilProfile& profile, const RibParameters& params,
                         const RibFeatures& features, const WingPanel& panel, SeriesPieces pieces);

// The series of ribs evenly from root to tip, with no wing panel.
inline RibSeries buildRibSeries(const AirfoilProfile& profile, const RibParameters& params,
                                const RibFeatures& features, SeriesPieces pieces) {
    return buildRibSeries(profile, params, features, WingPanel{}, pieces);
}

}  // namespace rw
