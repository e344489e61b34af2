#include "geometry/features/minimum_web.h"

#include "geometry/contour_section.h"
#include "geometry/features/feature_option_texts.h"
#include "geometry/features/option_numbers.h"
#include "geometry/features/rib_piece.h"
#include "geometry/geometry_texts.h"
#include "geometry/rib_features.h"
#include "platform/errors.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace rw {
namespace {

// The least height of the piece across the chord between `from` and `to`, sampled inside the
// span so the cut's own side walls do not count: at a notch that is what is left between its
// floor and the other side.
double leastHeight(const RibPiece& piece, double from, double to) {
    constexpr int kSamples = 16;
    const double inset = std::min(0.01, (to - from) / 4);
    double least = std::numeric_limits<double>::infinity();
    for (int i = 0; i <= kSamples; ++i) {
        const double x = from + inset + (to - from - 2 * inset) * i / kSamples;
        const ContourSection section = sectionAt(piece.cut().outer, x);
        if (section.crosses)
            least = std::min(least, section.height());
    }
    return least;
}

QString mm(double value) {
    return QString::number(std::floor(value * 100) / 100, 'f', 2);
}

void readMinimumWeb(const QString& text, RibFeatures& features) {
    features.minimumWeb = parseMinimumWebOption(text);
}

QStringList writeMinimumWeb(const RibFeatures& features) {
    if (!features.minimumWeb)
        return {};
    return {shortestOptionNumber(*features.minimumWeb)};
}

}  // namespace

double parseMinimumWebOption(const QString& text) {
    const auto match = matchWholeOption(optionNumberPattern(), text);
    const double web = match.hasMatch() ? capturedNumber(match, 1) : 0;
    if (!(web > 0) || !std::isfinite(web))
        throw RibwrightError(minimumWebOptionRefusedText(text));
    return web;
}

void requireMinimumWeb(const RibPiece& piece, const RibFeatures& features) {
    const double web = features.minimumWeb.value_or(kDefaultMinimumWeb);
    const QString least = QString::number(web, 'g', 6);
    for (std::size_t i = 0; i < features.sparNotches.size(); ++i) {
        const SparNotch& notch = features.sparNotches[i];
        const double centre = notchCentre(notch, piece.ribChord());
        const double left = leastHeight(piece, centre - notch.width / 2, centre + notch.width / 2);
        if (left < web)
            refuseThinWeb(piece.ribNumber(), sparNotchName(int(i) + 1, notch), mm(left), least);
    }
    const TrailingEdgeStock& stock = features.trailingEdge;
    if (stock.cut == TrailingEdgeCut::Notch) {
        // Each tail beside the slot keeps half of what the slot leaves of the section.
        const double front = stockFront(stock, piece.ribChord());
        const double tails = leastHeight(piece, front, std::min(front + 1, piece.span().back));
        if (std::isfinite(tails) && tails / 2 < web)
            refuseThinWeb(piece.ribNumber(), trailingEdgeName(stock), mm(tails / 2), least);
    }
}

RibFeatureUnit minimumWebUnit() {
    return {
        .key = "min-web",
        .valueName = "MM",
        .optionHelp = minimumWebOptionHelp,
        .repeatable = false,
        .stage = CutStage::Outline,
        .isSet = [](const RibFeatures& f) { return f.minimumWeb.has_value(); },
        .read = readMinimumWeb,
        .write = writeMinimumWeb,
        .apply = nullptr,
    };
}

}  // namespace rw
