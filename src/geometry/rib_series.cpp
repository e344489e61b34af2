#include "geometry/rib_series.h"

#include "geometry/compute_rib_outline.h"
#include "geometry/features/apply_rib_features.h"
#include "geometry/features/spar_notch.h"
#include "geometry/geometry_texts.h"
#include "geometry/interpolate_rib.h"
#include "geometry/sheeted_rib_outline.h"
#include "platform/errors.h"

#include <algorithm>
#include <cmath>
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

}  // namespace

RibSeries buildRibSeries(const AirfoilProfile& profile, const RibParameters& params,
                         const RibFeatures& features, SeriesPieces pieces) {
    RibSeries series;
    series.featured = hasRibFeatures(features, params.skinThickness);
    series.hasPieces = series.featured || pieces == SeriesPieces::Always;
    const float upper = upperSkinThickness(features, params.skinThickness);
    const float lower = lowerSkinThickness(features, params.skinThickness);
    if (params.ribCount > 0)
        series.ribs.reserve(std::size_t(params.ribCount));
    NoteGathering notes;
    for (int k = 1; k <= params.ribCount; ++k) {
        SeriesRib& rib = series.ribs.emplace_back();
        rib.number = k;
        rib.shape = interpolateRib(k, params);
        // Equal sheeting on both surfaces is the plain outline, to the bit.
        computeSheetedRibOutline(profile, rib.shape.ribChord, rib.shape.thicknessFactor, upper,
                                 lower, rib.outline);
        // With spar notches the spar stands in the first of them, wherever the panel's spar
        // position says: a line elsewhere would run through a hole and mislead the builder.
        rib.sparX = features.sparNotches.empty()
                        ? double(rib.shape.ribChord) * double(params.sparPercent) / 100
                        : notchCentre(features.sparNotches.front(), rib.shape.ribChord);
        requireFiniteRib(rib);
        if (series.hasPieces) {
            QStringList ribNotes;
            rib.piece = cutPiece(rib, upper, lower, features, series.featured, ribNotes);
            notes.add(rib.number, ribNotes);
        }
    }
    series.notes = notes.lines();
    return series;
}

}  // namespace rw
