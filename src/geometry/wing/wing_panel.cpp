#include "geometry/wing/wing_panel.h"

#include "geometry/rib_parameters.h"
#include "geometry/wing/airfoil_blend.h"
#include "geometry/wing/wing_panel_options.h"
#include "geometry/wing/wing_texts.h"
#include "platform/errors.h"

#include <QDir>

#include <algorithm>
#include <cmath>

namespace rw {
namespace {

// A regular station closer than this to the tip is dropped: the bay it would leave is a sliver.
constexpr double kLeastTipBay = 0.5;
// An elliptical rib narrower than this cannot be cut; the least tip chord keeps the tip wider.
constexpr double kLeastEllipticalChord = 1.0;
// Points along an elliptical edge: enough for the drawn curve to look smooth at any scale.
constexpr int kEllipseEdgeSteps = 120;

// Where `y` lies between two sections of a table: the inner one and the share of the way to the
// next.
struct TableBay {
    std::size_t inner = 0;
    double share = 0;
};

TableBay bayAt(const std::vector<PlanformSection>& sections, double y) {
    const auto after = std::upper_bound(
        sections.begin(), sections.end(), y,
        [](double at, const PlanformSection& section) { return at < section.span; });
    const std::size_t last = sections.size() - 1;
    const std::size_t inner =
        std::min(std::size_t(std::max<std::ptrdiff_t>(after - sections.begin() - 1, 0)), last - 1);
    const double width = sections[inner + 1].span - sections[inner].span;
    const double share = width > 0 ? (y - sections[inner].span) / width : 0;
    return {inner, std::clamp(share, 0.0, 1.0)};
}

double lerp(double from, double to, double share) {
    return from + (to - from) * share;
}

PlanformPlace tableAt(const std::vector<PlanformSection>& sections, double y) {
    if (sections.empty())
        return {};
    if (sections.size() == 1)
        return {sections.front().chord, sections.front().leadingEdge, sections.front().twist};
    const TableBay bay = bayAt(sections, y);
    const PlanformSection& inner = sections[bay.inner];
    const PlanformSection& outer = sections[bay.inner + 1];
    return {lerp(inner.chord, outer.chord, bay.share),
            lerp(inner.leadingEdge, outer.leadingEdge, bay.share),
            lerp(inner.twist, outer.twist, bay.share)};
}

// The planform at `y` mm, `fraction` of the way to the tip. Both are given because a panel
// without a span places its ribs by fraction alone.
PlanformPlace placeAt(const WingPanel& panel, double rootChord, double tipChord, double y,
                      double fraction) {
    switch (panel.planform) {
        case PlanformKind::Straight:
            return {rootChord - (rootChord - tipChord) * fraction, panel.sweep * fraction, 0};
        case PlanformKind::Elliptical: {
            const double chord = std::max(
                rootChord * std::sqrt(std::max(0.0, 1 - fraction * fraction)), panel.minTipChord);
            // The quarter-chord line stays straight, swept by the panel's sweep.
            return {chord, panel.sweep * fraction + (rootChord - chord) / 4, 0};
        }
        case PlanformKind::Table:
            return tableAt(panel.sections, y);
    }
    return {};
}

// The span the ribs are placed on, 0 when the panel does not know it.
double panelSpan(const WingPanel& panel) {
    if (panel.planform != PlanformKind::Table)
        return panel.halfSpan.value_or(0);
    if (panel.sections.size() < 2)
        throw RibwrightError(planformTableRefusedText(QDir::toNativeSeparators(panel.tablePath),
                                                      tableTooFewSectionsText()));
    const double tableSpan = panel.sections.back().span;
    if (panel.halfSpan && *panel.halfSpan > tableSpan)
        throw RibwrightError(spanBeyondTableText(*panel.halfSpan, tableSpan));
    return panel.halfSpan.value_or(tableSpan);
}

void checkChord(const WingPanel& panel, int ribNumber, double chord) {
    if (panel.planform == PlanformKind::Elliptical && !(chord >= kLeastEllipticalChord))
        throw RibwrightError(ellipticalChordTooSmallText(ribNumber, chord));
    if (!(chord > 0) || !std::isfinite(chord))
        throw RibwrightError(chordTooSmallText(ribNumber, chord));
}

// The airfoil of each rib: the root airfoil blended into the tip airfoil, or into the airfoils a
// table names section by section.
class SectionAirfoils {
  public:
    SectionAirfoils(const WingPanel& panel, const AirfoilProfile& rootAirfoil)
        : panel_(panel), root_(rootAirfoil) {
        if (panel.planform == PlanformKind::Table)
            bySection_ =
                std::any_of(panel.sections.begin(), panel.sections.end(),
                            [](const PlanformSection& s) { return s.airfoil.has_value(); });
    }

    void place(PanelRib& rib) const {
        if (bySection_) {
            const TableBay bay = bayAt(panel_.sections, rib.station);
            rib.blend = bay.share;
            rib.section = blendAirfoils(airfoilOf(bay.inner), airfoilOf(bay.inner + 1), bay.share);
        } else if (panel_.tipAirfoil) {
            rib.blend = rib.fraction;
            rib.section = blendAirfoils(root_, *panel_.tipAirfoil, rib.fraction);
        } else {
            rib.blend = 0;
            rib.section = root_;
        }
    }

  private:
    const AirfoilProfile& airfoilOf(std::size_t section) const {
        const auto& own = panel_.sections[section].airfoil;
        return own ? *own : root_;
    }

    const WingPanel& panel_;
    const AirfoilProfile& root_;
    bool bySection_ = false;
};

PlanLine edgeStations(const WingPanel& panel, double span) {
    PlanLine stations;
    switch (panel.planform) {
        case PlanformKind::Straight:
            return {{0, 0}, {span, 0}};
        case PlanformKind::Elliptical:
            // Closer together towards the tip, where the ellipse turns fastest.
            for (int i = 0; i <= kEllipseEdgeSteps; ++i)
                stations.push_back({span * std::sin(M_PI / 2 * i / kEllipseEdgeSteps), 0});
            stations.back().x = span;
            return stations;
        case PlanformKind::Table:
            for (const PlanformSection& section : panel.sections)
                if (section.span < span)
                    stations.push_back({section.span, 0});
            stations.push_back({span, 0});
            return stations;
    }
    return stations;
}

void drawEdges(ResolvedPanel& resolved, const WingPanel& panel, double rootChord, double tipChord) {
    // A panel placed by fraction alone has no length to draw.
    if (!(resolved.span > 0))
        return;
    for (const PlanPoint& station : edgeStations(panel, resolved.span)) {
        const PlanformPlace place =
            placeAt(panel, rootChord, tipChord, station.x, station.x / resolved.span);
        resolved.leadingEdge.push_back({station.x, place.leadingEdge});
        resolved.trailingEdge.push_back({station.x, place.leadingEdge + place.chord});
    }
}

std::vector<double> everyStations(double every, double span) {
    if (!(span > 0))
        throw RibwrightError(spanNeededText());
    if (!(span / every < kMaxRibCount))
        throw RibwrightError(tooManyRibsText(kMaxRibCount));
    std::vector<double> stations{0};
    for (int i = 1;; ++i) {
        const double y = i * every;
        if (!(span - y >= kLeastTipBay))
            break;
        stations.push_back(y);
    }
    stations.push_back(span);
    return stations;
}

std::vector<double> listedStations(const RibStations& given, double span) {
    if (!(span > 0))
        throw RibwrightError(spanNeededText());
    if (given.positions.size() > std::size_t(kMaxRibCount))
        throw RibwrightError(tooManyRibsText(kMaxRibCount));
    for (std::size_t i = 0; i < given.positions.size(); ++i) {
        const double y = given.positions[i];
        if (i > 0 && !(y > given.positions[i - 1]))
            throw RibwrightError(stationsListRefusedText(formatStationsOption(given)));
        if (!(y >= 0 && y <= span))
            throw RibwrightError(stationOutsideSpanText(y, span));
    }
    return given.positions;
}

}  // namespace

bool isWingPanelSet(const WingPanel& panel) {
    WingPanel turning = panel;
    turning.pivot = kDefaultTwistPivot;
    return !(turning == WingPanel{});
}

PlanformPlace planformAt(const WingPanel& panel, double span, double rootChord, double tipChord,
                         double y) {
    return placeAt(panel, rootChord, tipChord, y, span > 0 ? y / span : 0);
}

std::vector<double> ribStations(const RibStations& stations, double span, int ribCount) {
    switch (stations.kind) {
        case StationKind::Count: {
            const int count = std::max(stations.count > 0 ? stations.count : ribCount, 1);
            if (count > kMaxRibCount)
                throw RibwrightError(tooManyRibsText(kMaxRibCount));
            std::vector<double> placed;
            for (int k = 1; k <= count; ++k)
                placed.push_back(count > 1 ? span * (k - 1) / (count - 1) : 0.0);
            placed.back() = count > 1 ? span : 0.0;
            return placed;
        }
        case StationKind::Every:
            return everyStations(stations.every, span);
        case StationKind::List:
            return listedStations(stations, span);
    }
    return {};
}

ResolvedPanel resolveWingPanel(const WingPanel& panel, const AirfoilProfile& rootAirfoil,
                               double rootChord, double tipChord, int ribCount) {
    ResolvedPanel resolved;
    resolved.span = panelSpan(panel);
    resolved.pivot = panel.pivot;
    const std::vector<double> stations = ribStations(panel.stations, resolved.span, ribCount);
    const bool byCount = panel.stations.kind == StationKind::Count;
    const int count = int(stations.size());
    const SectionAirfoils airfoils(panel, rootAirfoil);
    for (int k = 1; k <= count; ++k) {
        PanelRib rib;
        rib.number = k;
        rib.station = stations[std::size_t(k - 1)];
        if (byCount)
            rib.fraction = count > 1 ? double(k - 1) / double(count - 1) : 0.0;
        else
            rib.fraction = rib.station / resolved.span;
        const PlanformPlace place = placeAt(panel, rootChord, tipChord, rib.station, rib.fraction);
        rib.chord = place.chord;
        // Ribs counted on a straight taper are the series of old, chord for chord: the same
        // expression in the same order rounds the same way.
        if (byCount && panel.planform == PlanformKind::Straight)
            rib.chord =
                count > 1
                    ? float(rootChord - (rootChord - tipChord) * double(k - 1) / double(count - 1))
                    : float(rootChord);
        checkChord(panel, k, rib.chord);
        rib.leadingEdge = place.leadingEdge;
        rib.twist = place.twist + panel.washout * rib.fraction;
        airfoils.place(rib);
        resolved.ribs.push_back(std::move(rib));
    }
    drawEdges(resolved, panel, rootChord, tipChord);
    return resolved;
}

}  // namespace rw
