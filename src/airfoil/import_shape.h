#pragma once

#include "airfoil/airfoil_data.h"

#include <optional>
#include <vector>

namespace rw {

// The shape of a published file's coordinates, read before the parser sees them: where two
// surfaces part, whether the numbers are in chord units, which points may go when the file is
// longer than the text box holds, and whether the result is an airfoil at all.

struct ShapePoint {
    double x = 0;
    double y = 0;
};
using ShapeRun = std::vector<ShapePoint>;

// Two surfaces written from the leading edge to the trailing edge one after the other with
// nothing between them: the index where x falls back from the trailing edge to the leading edge,
// which is the number of points of the first surface. None for any other shape.
std::optional<int> restartOfSecondSurface(const ShapeRun& points);

// Whether the points run from the trailing edge to the leading edge, the wrong way for one of
// two surfaces.
bool runsFromTrailingEdge(const ShapeRun& points, double minX, double maxX);

// Whether the points run from the leading edge to the trailing edge, as one surface.
bool runsFromLeadingEdge(const ShapeRun& points);

// Whether the points go once round the airfoil: from the trailing edge round the leading edge
// and back to the trailing edge.
bool runsOnceRound(const ShapeRun& points);

// Whether splitting after `upperCount` points leaves two surfaces from the leading edge to the
// trailing edge.
bool splitsIntoTwoSurfaces(const ShapeRun& points, int upperCount);

// Moves, turns and scales coordinates so the leading edge lies at 0 and the trailing edge at 1
// on a level chord line.
struct ChordNormalisation {
    bool percent = false;  // only a division by 100
    double originX = 0;
    double originY = 0;
    double cosine = 1;  // of the turn, already divided by the chord
    double sine = 0;
    double turnDegrees = 0;
    ShapePoint apply(ShapePoint p) const;
};

// None when the coordinates are already in chord units from the leading edge.
std::optional<ChordNormalisation> chordNormalisation(const ShapeRun& points);

// Which points stay when the runs are thinned to at most `budget` points in all and at most
// `firstRunBudget` in the first run (which is thinned to that first), leaving out first the points
// whose absence moves the outline least and never one that moves it by more than `tolerance`.
// Each run keeps its ends.
struct Thinning {
    std::vector<std::vector<bool>> keep;  // per run, per point
    int kept = 0;
    double largestDeviation = 0;
};
std::optional<Thinning> thinRuns(const std::vector<ShapeRun>& runs, int budget, int firstRunBudget,
                                 double tolerance);

// Throws RibwrightError when the outline the parser made is no airfoil: an outline of no area (a
// surface repeated as the other), an open curve (a single surface) or one that crosses itself.
void refuseNonAirfoilOutline(const AirfoilProfile& profile);

}  // namespace rw
