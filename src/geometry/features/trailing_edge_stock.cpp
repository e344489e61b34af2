#include "geometry/features/trailing_edge_stock.h"

#include "geometry/features/feature_option_texts.h"
#include "geometry/features/option_numbers.h"
#include "geometry/features/positive_sizes.h"
#include "geometry/features/rib_piece.h"
#include "geometry/geometry_texts.h"
#include "geometry/rib_features.h"
#include "platform/errors.h"

#include <cmath>
#include <limits>

namespace rw {
namespace {

void cutTrailingEdgeStock(RibPiece& piece, const RibFeatures& features) {
    const TrailingEdgeStock& stock = features.trailingEdge;
    const int ribNumber = piece.ribNumber();
    const QString name = trailingEdgeName(stock);
    const double front = stockFront(stock, piece.ribChord());
    // Thick sheeting ends a thin tail well ahead of the trailing edge; a stock behind that end
    // changes nothing, which the builder should hear rather than find out at the bench.
    if (front >= piece.span().back) {
        const double end = std::round((piece.ribChord() - piece.span().back) * 10) / 10;
        piece.addNote(stockCutsNothingNote(name, QString::number(end, 'f', 1)));
        return;
    }
    if (stock.cut == TrailingEdgeCut::Flat) {
        requirePositiveSizes({stock.distance}, ribNumber, name);
        piece.cutAway({piece.rectangle(front, piece.lowest() - kCutterOverreach,
                                       piece.span().back + kCutterOverreach,
                                       piece.highest() + kCutterOverreach)},
                      name);
        return;
    }
    requirePositiveSizes({stock.notchLength, stock.notchHeight}, ribNumber, name);
    if (front <= piece.span().front) {
        refuseOutsideChord(ribNumber, name, front, piece.ribChord(), piece.span().front,
                           piece.span().back);
    }
    const ContourSection section = sectionAt(piece.cut().outer, front);
    // A slot that starts behind the rib's tail has nothing to cut.
    if (!section.crosses)
        return;
    if (stock.notchHeight >= section.height())
        refuseDeeperThanRib(ribNumber, name, stock.notchHeight, section.height(), false);
    const double half = stock.notchHeight / 2;
    piece.cutAway({piece.rectangle(front, section.middle() - half,
                                   piece.span().back + kCutterOverreach, section.middle() + half)},
                  name);
}

void readTrailingEdgeStock(const QString& text, RibFeatures& features) {
    features.trailingEdge = parseTrailingEdgeStockOption(text);
}

QStringList writeTrailingEdgeStock(const RibFeatures& features) {
    if (features.trailingEdge.cut == TrailingEdgeCut::None)
        return {};
    return {formatTrailingEdgeStockOption(features.trailingEdge)};
}

}  // namespace

TrailingEdgeStock parseTrailingEdgeStockOption(const QString& text) {
    const QString number = optionNumberPattern();
    TrailingEdgeStock stock;
    if (const auto flat = matchWholeOption(number, text); flat.hasMatch()) {
        stock.cut = TrailingEdgeCut::Flat;
        stock.distance = capturedNumber(flat, 1);
        if (!(stock.distance > 0))
            throw RibwrightError(trailingEdgeStockOptionRefusedText(text));
        return stock;
    }
    const auto slot = matchWholeOption(number + QStringLiteral("\\s*x\\s*") + number, text);
    if (!slot.hasMatch())
        throw RibwrightError(trailingEdgeStockOptionRefusedText(text));
    stock.cut = TrailingEdgeCut::Notch;
    stock.notchLength = capturedNumber(slot, 1);
    stock.notchHeight = capturedNumber(slot, 2);
    if (!(stock.notchLength > 0 && stock.notchHeight > 0))
        throw RibwrightError(trailingEdgeStockOptionRefusedText(text));
    return stock;
}

QString formatTrailingEdgeStockOption(const TrailingEdgeStock& stock) {
    switch (stock.cut) {
        case TrailingEdgeCut::None:
            return {};
        case TrailingEdgeCut::Flat:
            return shortestOptionNumber(stock.distance);
        case TrailingEdgeCut::Notch:
            return shortestOptionNumber(stock.notchLength) + QLatin1Char('x') +
                   shortestOptionNumber(stock.notchHeight);
    }
    return {};
}

double stockFront(const TrailingEdgeStock& stock, float ribChord) {
    switch (stock.cut) {
        case TrailingEdgeCut::None:
            break;
        case TrailingEdgeCut::Flat:
            return ribChord - stock.distance;
        case TrailingEdgeCut::Notch:
            return ribChord - stock.notchLength;
    }
    return std::numeric_limits<double>::infinity();
}

RibFeatureUnit trailingEdgeStockUnit() {
    return {
        .key = "te-stock",
        .valueName = "MM",
        .optionHelp = trailingEdgeStockOptionHelp,
        .repeatable = false,
        .stage = CutStage::Ends,
        .isSet = [](const RibFeatures& f) { return f.trailingEdge.cut != TrailingEdgeCut::None; },
        .read = readTrailingEdgeStock,
        .write = writeTrailingEdgeStock,
        .apply = cutTrailingEdgeStock,
    };
}

}  // namespace rw
