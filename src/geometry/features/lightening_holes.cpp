#include "geometry/features/lightening_holes.h"

#include "geometry/features/feature_option_texts.h"
#include "geometry/features/hole_placement.h"
#include "geometry/features/option_numbers.h"
#include "geometry/features/positive_sizes.h"
#include "geometry/features/rib_piece.h"
#include "geometry/geometry_texts.h"
#include "geometry/rib_features.h"
#include "platform/errors.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace rw {
namespace {

// Bays run between neighbouring spars and from the last spar to the trailing-edge stock (or the
// tail); the nose ahead of the first spar stays solid unless there is no spar at all. Every bay
// keeps the web from the notches and the stock.
std::vector<HoleBay> holeBays(const RibPiece& piece, const RibFeatures& features, double web) {
    std::vector<std::pair<double, double>> spars;
    for (const SparNotch& notch : features.sparNotches) {
        const double centre = notchCentre(notch, piece.ribChord());
        spars.emplace_back(centre - notch.width / 2, centre + notch.width / 2);
    }
    std::sort(spars.begin(), spars.end());
    const double tail =
        std::min(piece.span().back, stockFront(features.trailingEdge, piece.ribChord()));

    std::vector<HoleBay> bays;
    double from = spars.empty() ? piece.span().front : spars.front().second + web;
    for (size_t i = 1; i < spars.size(); ++i) {
        bays.push_back({from, spars[i].first - web});
        from = std::max(from, spars[i].second + web);
    }
    bays.push_back({from, tail - web});
    return bays;
}

void cutLighteningHoles(RibPiece& piece, const RibFeatures& features) {
    const LighteningHoles& holes = features.holes;
    const QString name = lighteningHolesName();
    requirePositiveSizes({holes.diameterPercent, holes.web}, piece.ribNumber(), name);
    if (holes.diameterPercent >= 100)
        refuseHoleDiameter(piece.ribNumber(), holes.diameterPercent);
    if (holes.web < kThinnestHoleWeb)
        refuseThinHoleWeb(piece.ribNumber(), holes.web, kThinnestHoleWeb);
    const std::vector<HoleBay> bays = holeBays(piece, features, holes.web);
    const std::vector<HoleCircle> placed =
        placeLighteningHoles(piece.cut().outer, bays, holes.diameterPercent, holes.web);
    if (placed.empty())
        piece.addNote(noRoomForHolesNote());
    for (const HoleCircle& hole : placed) piece.openHole(holeRing(hole));
}

void readLighteningHoles(const QString& text, RibFeatures& features) {
    features.holes = parseHolesOption(text);
}

QStringList writeLighteningHoles(const RibFeatures& features) {
    if (!features.holes.on)
        return {};
    return {formatHolesOption(features.holes)};
}

}  // namespace

LighteningHoles parseHolesOption(const QString& text) {
    const QString number = optionNumberPattern();
    const auto match = matchWholeOption(number + QStringLiteral("\\s*%?\\s*:\\s*") + number, text);
    if (!match.hasMatch())
        throw RibwrightError(holesOptionRefusedText(text));
    LighteningHoles holes{true, capturedNumber(match, 1), capturedNumber(match, 2)};
    if (!(holes.diameterPercent > 0 && holes.diameterPercent < 100 && holes.web > 0))
        throw RibwrightError(holesOptionRefusedText(text));
    if (holes.web < kThinnestHoleWeb)
        throw RibwrightError(holesWebTooThinText(text, shortestOptionNumber(kThinnestHoleWeb)));
    return holes;
}

QString formatHolesOption(const LighteningHoles& holes) {
    if (!holes.on)
        return {};
    return shortestOptionNumber(holes.diameterPercent) + QLatin1Char(':') +
           shortestOptionNumber(holes.web);
}

RibFeatureUnit lighteningHolesUnit() {
    return {
        .key = "holes",
        .valueName = "PCT:WEB_MM",
        .optionHelp = holesOptionHelp,
        .repeatable = false,
        .stage = CutStage::Openings,
        .isSet = [](const RibFeatures& f) { return f.holes.on; },
        .read = readLighteningHoles,
        .write = writeLighteningHoles,
        .apply = cutLighteningHoles,
    };
}

}  // namespace rw
