#pragma once

#include "geometry/features/feature_units.h"
#include "geometry/rib_cut.h"

#include <QString>

#include <cstddef>
#include <vector>

namespace rw {

// Tabs standing each rib on one flat building board, so a twisted panel is built true: every
// tab's foot lies on the board, and the tabs are cut off along a marked line once the wing
// holds its shape.
constexpr double kDefaultJigTabHeight = 5;  // mm, the least tab edge

struct JigTabs {
    std::vector<double> positions;            // tab centres, % of each rib's chord
    double width = 0;                         // mm along the chord
    double minHeight = kDefaultJigTabHeight;  // mm: the lowest tab edge of the panel
    bool isSet() const { return !positions.empty(); }
    friend bool operator==(const JigTabs&, const JigTabs&) = default;
};

// The most tabs a rib takes: a rib stands on two or three; twenty leave room for long chords.
constexpr std::size_t kMaxJigTabs = 20;

// POS,POS:WIDTH[:MIN_HEIGHT]: positions in % of the chord (up to kMaxJigTabs, 0 to 100), the
// width and the least height in mm, both above 0. Examples: 15,85:8, 15,50,85:6:4.
// Throws RibwrightError naming --jig-tabs.
JigTabs parseJigTabsOption(const QString& text);
QString formatJigTabsOption(const JigTabs& tabs);

// How a rib stands in the wing: turned by `twist` degrees (leading edge down positive) about the
// point `pivot` mm behind its leading edge on its chord line.
struct RibStance {
    double pivot = 0;
    double twist = 0;
};

// A stretch of the chord, mm from the leading edge.
struct ChordStretch {
    double from = 0;
    double to = 0;
};

// Refuses a tab over a stretch cut into the rib from below (a spar notch in the lower surface):
// the tab would fill the notch the spar is meant to sit in. Names the rib and the tab.
void requireTabsClearOf(const std::vector<ChordStretch>& cutFromBelow, float ribChord,
                        int ribNumber, const JigTabs& tabs);

// The board `height` mm below the pivots' chord line, as a line in the rib's own frame (mm from
// the leading edge along the chord, y up): the y of the board under `x`.
double boardLineAt(double x, double height, const RibStance& stance);

// The least board height that leaves each tab of this rib at least tabs.minHeight high at both
// of its edges, measured from the rib's lower contour down to the board. Throws RibwrightError
// naming the rib and the tab for a tab outside the rib or of no width, and for a rib twisted too
// far to stand on a board.
double leastBoardHeight(const RibCut& piece, float ribChord, int ribNumber, const JigTabs& tabs,
                        const RibStance& stance);

// The piece with its tabs reaching down to the board `height` below the pivots, and in `marks`
// the line along the lower contour across each tab where it is cut off. Refused as
// leastBoardHeight refuses.
RibCut addJigTabs(const RibCut& piece, float ribChord, int ribNumber, const JigTabs& tabs,
                  const RibStance& stance, double height);

// Key jig-tabs. The series adds the tabs once every rib is cut, since the one board they stand on
// is set by all the ribs together; the unit itself cuts nothing.
RibFeatureUnit jigTabsUnit();

}  // namespace rw
