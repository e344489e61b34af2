#include "geometry/features/jig_tabs.h"

#include "geometry/clipper_units.h"
#include "geometry/contour_section.h"
#include "geometry/features/jig_tab_texts.h"
#include "geometry/features/option_numbers.h"
#include "geometry/features/positive_sizes.h"
#include "geometry/features/rib_piece.h"
#include "geometry/rib_features.h"
#include "platform/errors.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace rw {
namespace {

// A tab reaches this far into the rib above its lower contour, so that it joins the rib as one
// piece yet stays clear of a lightening hole, which keeps at least half a millimetre of web.
constexpr double kTabOverlap = 0.25;  // mm
// Turned further, a rib's board line runs so steeply that its tabs grow longer than the rib is
// deep; no wing is twisted anywhere near this.
constexpr double kMostStandingTwist = 45;  // degrees

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

// The stretch of the chord one tab covers on one rib, and its name for the refusals.
struct TabEdges {
    QString name;
    double left = 0;
    double right = 0;
};

TabEdges tabEdges(float ribChord, int ribNumber, const JigTabs& tabs, std::size_t index) {
    const double position = tabs.positions[index];
    TabEdges edges{jigTabName(int(index) + 1, position), 0, 0};
    requirePositiveSizes({tabs.width}, ribNumber, edges.name);
    const double centre = double(ribChord) * position / 100;
    edges.left = centre - tabs.width / 2;
    edges.right = centre + tabs.width / 2;
    return edges;
}

TabEdges tabEdges(const RibCut& piece, float ribChord, int ribNumber, const JigTabs& tabs,
                  std::size_t index) {
    const TabEdges edges = tabEdges(ribChord, ribNumber, tabs, index);
    const ContourSpan span = chordwiseSpan(piece.outer);
    if (!(edges.left > span.front && edges.right < span.back)) {
        throw RibwrightError(jigTabOutsideRibText(ribNumber, edges.name, edges.left, edges.right,
                                                  span.front, span.back));
    }
    return edges;
}

void requireStandingTwist(int ribNumber, const RibStance& stance) {
    if (!(std::fabs(stance.twist) <= kMostStandingTwist))
        throw RibwrightError(jigTabTwistTooSteepText(ribNumber, stance.twist, kMostStandingTwist));
}

// The lower contour of the piece at `x`: where a tab meets the rib.
double lowerContourAt(const RibCut& piece, double x) {
    return sectionAt(piece.outer, x).bottom;
}

// The tab as a ring: its top follows the lower contour a little inside the rib, from every
// corner of the contour over the tab, its foot is the board line.
MmRing tabRing(const RibCut& piece, const TabEdges& edges, double height, const RibStance& stance) {
    std::vector<double> xs{edges.left, edges.right};
    for (const QPointF& p : piece.outer) {
        if (p.x() > edges.left && p.x() < edges.right)
            xs.push_back(p.x());
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    MmRing ring;
    for (double x : xs) {
        // Over a rib dipping below the board the top stays above the foot: the ring never crosses
        // itself.
        const double top =
            std::max(lowerContourAt(piece, x), boardLineAt(x, height, stance)) + kTabOverlap;
        ring.push_back(QPointF(x, top));
    }
    ring.push_back(QPointF(edges.right, boardLineAt(edges.right, height, stance)));
    ring.push_back(QPointF(edges.left, boardLineAt(edges.left, height, stance)));
    return ring;
}

void readJigTabs(const QString& text, RibFeatures& features) {
    features.jigTabs = parseJigTabsOption(text);
}

QStringList writeJigTabs(const RibFeatures& features) {
    if (!features.jigTabs.isSet())
        return {};
    return {formatJigTabsOption(features.jigTabs)};
}

}  // namespace

JigTabs parseJigTabsOption(const QString& text) {
    const QString number = optionNumberPattern();
    const auto match =
        matchWholeOption(QStringLiteral("([0-9.,\\s]+)\\s*:\\s*") + number +
                             QStringLiteral("(?:\\s*:\\s*") + number + QStringLiteral(")?"),
                         text);
    if (!match.hasMatch())
        throw RibwrightError(jigTabsOptionRefusedText(text));
    JigTabs tabs;
    for (const QString& part : match.captured(1).split(QLatin1Char(','))) {
        const auto position = matchWholeOption(number, part);
        if (!position.hasMatch() || !(capturedNumber(position, 1) <= 100))
            throw RibwrightError(jigTabsOptionRefusedText(text));
        tabs.positions.push_back(capturedNumber(position, 1));
    }
    if (tabs.positions.size() > kMaxJigTabs)
        throw RibwrightError(jigTabsOptionRefusedText(text));
    tabs.width = capturedNumber(match, 2);
    if (match.capturedLength(3) > 0)
        tabs.minHeight = capturedNumber(match, 3);
    if (!(tabs.width > 0 && tabs.minHeight > 0))
        throw RibwrightError(jigTabsOptionRefusedText(text));
    return tabs;
}

QString formatJigTabsOption(const JigTabs& tabs) {
    QStringList positions;
    for (double position : tabs.positions) positions << shortestOptionNumber(position);
    QString text =
        positions.join(QLatin1Char(',')) + QLatin1Char(':') + shortestOptionNumber(tabs.width);
    if (tabs.minHeight != kDefaultJigTabHeight)
        text += QLatin1Char(':') + shortestOptionNumber(tabs.minHeight);
    return text;
}

void requireTabsClearOf(const std::vector<ChordStretch>& cutFromBelow, float ribChord,
                        int ribNumber, const JigTabs& tabs) {
    for (std::size_t i = 0; i < tabs.positions.size(); ++i) {
        const TabEdges edges = tabEdges(ribChord, ribNumber, tabs, i);
        for (const ChordStretch& cut : cutFromBelow) {
            if (cut.from < edges.right && cut.to > edges.left)
                throw RibwrightError(jigTabOverNotchText(ribNumber, edges.name, cut.from, cut.to));
        }
    }
}

double boardLineAt(double x, double height, const RibStance& stance) {
    // The board is the plane the pivots' chord line stands `height` above; a point of the rib
    // turned about its pivot lies on it where (x - pivot)·sin θ + y·cos θ = -height.
    const double theta = radians(stance.twist);
    return (-height - (x - stance.pivot) * std::sin(theta)) / std::cos(theta);
}

double leastBoardHeight(const RibCut& piece, float ribChord, int ribNumber, const JigTabs& tabs,
                        const RibStance& stance) {
    requireStandingTwist(ribNumber, stance);
    const double theta = radians(stance.twist);
    double least = -std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < tabs.positions.size(); ++i) {
        const TabEdges edges = tabEdges(piece, ribChord, ribNumber, tabs, i);
        for (double x : {edges.left, edges.right}) {
            // The rib's lower contour stands (x - pivot)·sin θ + y·cos θ above the pivots' line;
            // the board lies the least height lower, measured across the chord.
            const double y = lowerContourAt(piece, x) - tabs.minHeight;
            least = std::max(least, -((x - stance.pivot) * std::sin(theta) + y * std::cos(theta)));
        }
    }
    return least;
}

RibCut addJigTabs(const RibCut& piece, float ribChord, int ribNumber, const JigTabs& tabs,
                  const RibStance& stance, double height) {
    requireStandingTwist(ribNumber, stance);
    // A tab reaches no further into the rib than its overlap, which no hole comes near: only the
    // outer contour takes part in the union, and a rib full of round holes is not put through the
    // polygon library again for nothing.
    RibPiece tabbed(RibCut{piece.outer, {}, {}}, ribChord, ribNumber);
    std::vector<std::pair<QPointF, QPointF>> marks = piece.marks;
    for (std::size_t i = 0; i < tabs.positions.size(); ++i) {
        const TabEdges edges = tabEdges(piece, ribChord, ribNumber, tabs, i);
        tabbed.addOn({toPolygonPath(tabRing(piece, edges, height, stance), ribNumber)}, edges.name);
        marks.emplace_back(QPointF(edges.left, lowerContourAt(piece, edges.left)),
                           QPointF(edges.right, lowerContourAt(piece, edges.right)));
    }
    RibCut result = tabbed.cut();
    result.holes = piece.holes;
    result.marks = std::move(marks);
    return result;
}

RibFeatureUnit jigTabsUnit() {
    return {
        .key = "jig-tabs",
        .valueName = "TABS",
        .optionHelp = jigTabsOptionHelp,
        .repeatable = false,
        // Added by the series after every cut: the board needs all ribs, and a tab added before
        // the holes would move them.
        .stage = CutStage::Outline,
        .isSet = [](const RibFeatures& f) { return f.jigTabs.isSet(); },
        .read = readJigTabs,
        .write = writeJigTabs,
        .apply = nullptr,
    };
}

}  // namespace rw
