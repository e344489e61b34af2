#pragma once

#include "airfoil/airfoil_data.h"

#include <QString>

#include <optional>
#include <vector>

namespace rw {

// How the chord and the leading edge run along the half-span.
enum class PlanformKind {
    Straight,    // root to tip chord of the rib panel, the leading edge swept by `sweep`
    Elliptical,  // chord = root · sqrt(1 − (y / span)²), never below the least tip chord
    Table,       // the sections of a table, linear between them
};

// One row of a planform table, measured from the root section.
struct PlanformSection {
    double span = 0;         // mm from the root section
    double chord = 0;        // mm
    double leadingEdge = 0;  // mm behind the root's leading edge
    double twist = 0;        // degrees, leading edge down positive
    QString airfoilFile;     // as the table names it, empty for the panel's own airfoil
    std::optional<AirfoilProfile> airfoil;  // that file, read with the table
    friend bool operator==(const PlanformSection&, const PlanformSection&) = default;
};

// The quarter chord, where a washout is usually set about.
constexpr double kDefaultTwistPivot = 25;  // % of the chord

// Where the ribs stand along the span.
enum class StationKind {
    Count,  // `count` ribs evenly from root to tip (0: the rib panel's count)
    Every,  // every `every` mm from the root, the tip rib always there
    List,   // at `positions`, mm from the root, increasing
};

struct RibStations {
    StationKind kind = StationKind::Count;
    int count = 0;
    double every = 0;
    std::vector<double> positions;
    friend bool operator==(const RibStations&, const RibStations&) = default;
};

// The wing panel the ribs are cut for. Nothing set (the default) is today's series: N ribs whose
// chords step evenly from root to tip, all of one airfoil.
struct WingPanel {
    std::optional<double> halfSpan;  // mm; a table gives its own when unset
    PlanformKind planform = PlanformKind::Straight;
    double sweep = 0;        // mm, the tip's leading edge behind the root's
    double minTipChord = 0;  // mm, the elliptical tip's least chord
    QString tablePath;       // the planform table as given, for the settings and the messages
    std::vector<PlanformSection> sections;  // read from tablePath, root first
    RibStations stations;
    QString tipAirfoilPath;                    // as given, empty for none
    std::optional<AirfoilProfile> tipAirfoil;  // read from tipAirfoilPath
    QString tipAirfoilName;                    // its title, for the rib table and the plan
    // Degrees the tip rib is twisted leading edge down (positive) beyond the table's twist; the
    // ribs between take their share by span fraction. It turns the ribs, it never reshapes them.
    double washout = 0;
    // Where each rib turns when twisted, % of its chord from the leading edge.
    double pivot = kDefaultTwistPivot;
    friend bool operator==(const WingPanel&, const WingPanel&) = default;
};

// True when anything of the panel is set: the series then takes its ribs from it. A pivot alone
// turns nothing and does not count.
bool isWingPanelSet(const WingPanel& panel);

// One rib as the panel places it.
struct PanelRib {
    int number = 0;          // from 1, the root rib first
    double station = 0;      // mm from the root
    double fraction = 0;     // station / span: 0 at the root, 1 at the tip
    double chord = 0;        // mm
    double leadingEdge = 0;  // mm behind the root's leading edge
    double twist = 0;        // degrees, leading edge down positive: the table's and the washout's
    double blend = 0;        // share of the outer airfoil in the section, 0 to 1
    AirfoilProfile section;  // the blended airfoil in chord units, in the profile's loop order
};

// A line drawn over the planform, in mm: x along the span from the root, y backwards from the
// root's leading edge.
struct PlanPoint {
    double x = 0;
    double y = 0;
};
using PlanLine = std::vector<PlanPoint>;

// The panel made concrete for one job: every rib, and the outlines the building plan draws.
struct ResolvedPanel {
    // mm; 0 when the panel has no span (no --span, no table): its ribs are then placed by
    // fraction alone, all at station 0, and the edges are left empty, there being nothing to draw.
    double span = 0;
    double pivot = kDefaultTwistPivot;  // % of each chord the ribs are twisted about
    std::vector<PanelRib> ribs;
    PlanLine leadingEdge;   // root to tip, fine enough to draw an ellipse smoothly
    PlanLine trailingEdge;  // root to tip: the leading edge plus the chord
};

// Chord, leading edge and twist of the planform at `y` mm from the root; `span` 0 reads the root.
// The rib panel's root and tip chords shape a straight planform (and the root an elliptical one);
// a table ignores them.
struct PlanformPlace {
    double chord = 0;
    double leadingEdge = 0;
    double twist = 0;
};
PlanformPlace planformAt(const WingPanel& panel, double span, double rootChord, double tipChord,
                         double y);

// The stations in mm from the root, root first, the last one the tip for Count and Every.
// `ribCount` is the rib panel's count, used by StationKind::Count with count 0. `span` 0 (unknown)
// puts counted stations all at 0 and refuses Every and List. Throws RibwrightError when they cannot
// be placed (a list that does not increase, a station outside the span, more than kMaxRibCount
// ribs).
std::vector<double> ribStations(const RibStations& stations, double span, int ribCount);

// Places the ribs of the panel for a rib panel with the given root and tip chords and rib count,
// blending `rootAirfoil` into the tip airfoil (or each table section's airfoil). Throws
// RibwrightError, in the user's words, when the panel cannot be made (no span for stations by
// spacing, a chord of zero, an airfoil that cannot be blended).
ResolvedPanel resolveWingPanel(const WingPanel& panel, const AirfoilProfile& rootAirfoil,
                               double rootChord, double tipChord, int ribCount);

}  // namespace rw
