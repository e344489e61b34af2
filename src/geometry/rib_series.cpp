#include "geometry/rib_series.h"

#include "geometry/compute_rib_outline.h"
#include "geometry/features/apply_rib_features.h"
#include "geometry/features/jig_tabs.h"
#include "geometry/features/spar_notch.h"
#include "geometry/geometry_texts.h"
#include "geometry/interpolate_rib.h"
#include "geometry/sheeted_rib_outline.h"
#include "platform/errors.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace rw {
namespace {

bool allFinite(const std::vector<float>& values) {
    return std::all_of(values.begin(), values.end(), [](float v) { return std::isfinite(v); });
}

// Values in range can still make a point overflow single precision (a huge chord times a
// coordinate, a mitre far out at a nearly flat corner) or turn into not-a-number; such a rib
// would reach the sheet and the files as INF or NAN.
void requireFiniteRib(const SeriesRib& rib) {
    const RibOutline& o = rib.outline;
    if (!std::isfinite(rib.shape.ribChord) || !std::isfinite(rib.shape.thicknessFactor) ||
        std::isinf(float(rib.sparX)) || !allFinite(o.surfaceX) || !allFinite(o.surfaceY) ||
        !allFinite(o.ribX) || !allFinite(o.ribY)) {
        throwInvalidOperation();
    }
}

// The cut contour keeps nothing nearer the surface than the thinner sheeting; the thicker
// side's outline lies further in and stays the boundary there. With features a rib that leaves
// no material is refused; without, the empty piece is left to the outputs that need one.
RibCut cutPiece(const SeriesRib& rib, float upper, float lower, const RibFeatures& features,
                bool featured, QStringList& notes) {
    RibCut cut = computeCutContour(rib.outline, std::min(upper, lower), rib.number);
    if (!featured)
        return cut;
    if (cut.empty())
        refuseSheetingThickerThanRib(rib.number, upper, lower);
    return applyRibFeatures(cut, rib.shape.ribChord, rib.number, features, notes);
}

// Each note once, in the order the ribs first gave it, with every rib that gave it.
class NoteGathering {
  public:
    void add(int ribNumber, const QStringList& notes) {
        for (const QString& note : notes) {
            auto same = std::find_if(notes_.begin(), notes_.end(),
                                     [&](const auto& entry) { return entry.first == note; });
            if (same == notes_.end())
                notes_.emplace_back(note, std::vector<int>{ribNumber});
            else if (same->second.back() != ribNumber)
                same->second.push_back(ribNumber);
        }
    }
    QStringList lines() const {
        QStringList lines;
        for (const auto& [note, ribs] : notes_) lines << ribsNoteText(ribs, note);
        return lines;
    }

  private:
    std::vector<std::pair<QString, std::vector<int>>> notes_;
};

// Where one rib stands and what it is made of, before it is outlined and cut.
struct RibPlace {
    RibShape shape;
    const AirfoilProfile* section = nullptr;
    double fraction = 0;  // from root (0) to tip (1)
    double station = 0;
    double leadingEdge = 0;
    double twist = 0;
    double blend = 0;
};

// Today's series: chords stepping evenly from root to tip, one airfoil, no stations.
std::vector<RibPlace> evenRibs(const AirfoilProfile& profile, const RibParameters& params) {
    std::vector<RibPlace> places(std::size_t(std::max(params.ribCount, 0)));
    for (int k = 1; k <= params.ribCount; ++k) {
        RibPlace& place = places[std::size_t(k - 1)];
        place.shape = interpolateRib(k, params);
        place.section = &profile;
        place.fraction = params.ribCount > 1 ? double(k - 1) / double(params.ribCount - 1) : 0;
    }
    return places;
}

std::vector<RibPlace> panelRibs(const ResolvedPanel& panel, const RibParameters& params) {
    std::vector<RibPlace> places;
    places.reserve(panel.ribs.size());
    const bool series = panel.ribs.size() > 1;
    for (const PanelRib& rib : panel.ribs) {
        RibPlace& place = places.emplace_back();
        place.shape.ribChord = float(rib.chord);
        place.shape.thicknessFactor =
            series ? double(float(params.rootThicknessFactor -
                                  (params.rootThicknessFactor - params.tipThicknessFactor) *
                                      rib.fraction))
                   : params.rootThicknessFactor;
        place.section = &rib.section;
        place.fraction = rib.fraction;
        place.station = rib.station;
        place.leadingEdge = rib.leadingEdge;
        place.twist = rib.twist;
        place.blend = rib.blend;
    }
    return places;
}

// The ends of a straight spar: the panel's root and tip, or the first and last rib.
SparLineEnds sparLineEnds(const ResolvedPanel& panel, bool panelSet, const RibParameters& params) {
    if (!panelSet)
        return {0, params.rootChord, 0, params.tipChord};
    if (panel.span > 0 && !panel.leadingEdge.empty() && !panel.trailingEdge.empty()) {
        const PlanPoint& rootLe = panel.leadingEdge.front();
        const PlanPoint& tipLe = panel.leadingEdge.back();
        return {rootLe.y, panel.trailingEdge.front().y - rootLe.y, tipLe.y,
                panel.trailingEdge.back().y - tipLe.y};
    }
    const PanelRib& root = panel.ribs.front();
    const PanelRib& tip = panel.ribs.back();
    return {root.leadingEdge, root.chord, tip.leadingEdge, tip.chord};
}

bool hasStraightSpar(const RibFeatures& features) {
    return std::any_of(features.sparNotches.begin(), features.sparNotches.end(),
                       [](const SparNotch& notch) { return notch.straightLine; });
}

// Every rib stands on one flat board through its jig tabs: how low the board lies takes every rib
// as cut, so the tabs go on once all of them are. Without a panel no rib is twisted and each
// board line runs parallel to its chord.
void standOnBoard(RibSeries& series, const RibFeatures& features) {
    const JigTabs& tabs = features.jigTabs;
    for (const SeriesRib& rib : series.ribs) {
        std::vector<ChordStretch> fromBelow;
        for (std::size_t i = 0; i < features.sparNotches.size(); ++i) {
            const SparNotch& notch = features.sparNotches[i];
            if (notch.side != NotchSide::Top) {
                fromBelow.push_back(
                    {rib.notchCentres[i] - notch.width / 2, rib.notchCentres[i] + notch.width / 2});
            }
        }
        requireTabsClearOf(fromBelow, rib.shape.ribChord, rib.number, tabs);
    }
    const double pivotPercent = series.panelSet ? series.panel.pivot : kDefaultTwistPivot;
    const auto stanceOf = [&](const SeriesRib& rib) {
        return RibStance{double(rib.shape.ribChord) * pivotPercent / 100, rib.twist};
    };
    double height = -std::numeric_limits<double>::infinity();
    for (const SeriesRib& rib : series.ribs) {
        height = std::max(height, leastBoardHeight(rib.piece, rib.shape.ribChord, rib.number, tabs,
                                                   stanceOf(rib)));
    }
    for (SeriesRib& rib : series.ribs) {
        rib.piece =
            addJigTabs(rib.piece, rib.shape.ribChord, rib.number, tabs, stanceOf(rib), height);
    }
}

}  // namespace

RibSeries buildRibSeries(const AirfoilProfile& profile, const RibParameters& params,
                         const RibFeatures& features, const WingPanel& panel, SeriesPieces pieces) {
    RibSeries series;
    series.panelSet = isWingPanelSet(panel);
    if (series.panelSet) {
        series.panel = resolveWingPanel(panel, profile, params.rootChord, params.tipChord,
                                        params.taperOn ? params.ribCount : 1);
    }
    const std::vector<RibPlace> places =
        series.panelSet ? panelRibs(series.panel, params) : evenRibs(profile, params);
    const bool straightSpar = hasStraightSpar(features) && !places.empty();
    const SparLineEnds ends =
        straightSpar ? sparLineEnds(series.panel, series.panelSet, params) : SparLineEnds{};
    series.featured = hasRibFeatures(features, params.skinThickness);
    series.hasPieces = series.featured || pieces == SeriesPieces::Always;
    const float upper = upperSkinThickness(features, params.skinThickness);
    const float lower = lowerSkinThickness(features, params.skinThickness);
    series.ribs.reserve(places.size());
    NoteGathering notes;
    RibFeatures placedFeatures = features;
    for (const RibPlace& place : places) {
        SeriesRib& rib = series.ribs.emplace_back();
        rib.number = int(series.ribs.size());
        rib.shape = place.shape;
        rib.station = place.station;
        rib.leadingEdge = place.leadingEdge;
        rib.twist = place.twist;
        rib.blend = place.blend;
        // Equal sheeting on both surfaces is the plain outline, to the bit.
        computeSheetedRibOutline(*place.section, rib.shape.ribChord, rib.shape.thicknessFactor,
                                 upper, lower, rib.outline);
        // A straight spar crosses each rib at its own place: the notches of this rib stand there.
        if (straightSpar) {
            for (std::size_t i = 0; i < features.sparNotches.size(); ++i) {
                placedFeatures.sparNotches[i] =
                    placeSparLine(features.sparNotches[i], ends, place.fraction, place.leadingEdge);
            }
        }
        for (const SparNotch& notch : placedFeatures.sparNotches)
            rib.notchCentres.push_back(notchCentre(notch, rib.shape.ribChord));
        // With spar notches the spar stands in the first of them, wherever the panel's spar
        // position says: a line elsewhere would run through a hole and mislead the builder.
        rib.sparX = rib.notchCentres.empty()
                        ? double(rib.shape.ribChord) * double(params.sparPercent) / 100
                        : rib.notchCentres.front();
        requireFiniteRib(rib);
        if (series.hasPieces) {
            QStringList ribNotes;
            rib.piece = cutPiece(rib, upper, lower, placedFeatures, series.featured, ribNotes);
            notes.add(rib.number, ribNotes);
        }
    }
    if (series.hasPieces && features.jigTabs.isSet())
        standOnBoard(series, features);
    series.notes = notes.lines();
    return series;
}

}  // namespace rw
