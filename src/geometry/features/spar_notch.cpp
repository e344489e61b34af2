#include "geometry/features/spar_notch.h"

#include "geometry/features/feature_option_texts.h"
#include "geometry/features/option_numbers.h"
#include "geometry/features/positive_sizes.h"
#include "geometry/features/rib_piece.h"
#include "geometry/geometry_texts.h"
#include "geometry/rib_features.h"
#include "platform/errors.h"

namespace rw {
namespace {

void cutSparNotch(RibPiece& piece, const SparNotch& notch, int index) {
    const int ribNumber = piece.ribNumber();
    const QString name = sparNotchName(index, notch);
    requirePositiveSizes({notch.width, notch.depth}, ribNumber, name);
    const double centre = notchCentre(notch, piece.ribChord());
    const double left = centre - notch.width / 2;
    const double right = centre + notch.width / 2;
    if (!(left > piece.span().front && right < piece.span().back))
        refuseOutsideChord(ribNumber, name, left, right, piece.span().front, piece.span().back);

    const ContourSection section = sectionAt(piece.cut().outer, centre);
    const bool both = notch.side == NotchSide::Both;
    const double removed = both ? 2 * notch.depth : notch.depth;
    if (!section.crosses || removed >= section.height())
        refuseDeeperThanRib(ribNumber, name, removed, section.height(), both);

    ClipperLib::Paths cutters;
    if (notch.side != NotchSide::Bottom) {
        cutters.push_back(piece.rectangle(left, section.top - notch.depth, right,
                                          piece.highest() + kCutterOverreach));
    }
    if (notch.side != NotchSide::Top) {
        cutters.push_back(piece.rectangle(left, piece.lowest() - kCutterOverreach, right,
                                          section.bottom + notch.depth));
    }
    piece.cutAway(cutters, name);
}

void readSparNotch(const QString& text, RibFeatures& features) {
    features.sparNotches.push_back(parseSparNotchOption(text));
}

QStringList writeSparNotches(const RibFeatures& features) {
    QStringList values;
    for (const SparNotch& notch : features.sparNotches) values << formatSparNotchOption(notch);
    return values;
}

void cutSparNotches(RibPiece& piece, const RibFeatures& features) {
    for (size_t i = 0; i < features.sparNotches.size(); ++i)
        cutSparNotch(piece, features.sparNotches[i], int(i) + 1);
}

}  // namespace

SparNotch parseSparNotchOption(const QString& text) {
    const QString number = optionNumberPattern();
    const auto match = matchWholeOption(number + QStringLiteral("\\s*(%|mm)?\\s*:\\s*") + number +
                                            QStringLiteral("\\s*x\\s*") + number +
                                            QStringLiteral("(?:\\s*:\\s*(top|bottom|both))?"),
                                        text);
    if (!match.hasMatch())
        throw RibwrightError(sparNotchOptionRefusedText(text));
    SparNotch notch;
    notch.position = capturedNumber(match, 1);
    notch.positionInMm = match.captured(2).compare(QLatin1String("mm"), Qt::CaseInsensitive) == 0;
    notch.width = capturedNumber(match, 3);
    notch.depth = capturedNumber(match, 4);
    const QString side = match.captured(5).toLower();
    notch.side = side == QLatin1String("bottom") ? NotchSide::Bottom
                 : side == QLatin1String("both") ? NotchSide::Both
                                                 : NotchSide::Top;
    if (!(notch.width > 0 && notch.depth > 0) || (!notch.positionInMm && notch.position > 100))
        throw RibwrightError(sparNotchOptionRefusedText(text));
    return notch;
}

QString formatSparNotchOption(const SparNotch& notch) {
    static const char* const sides[] = {"top", "bottom", "both"};
    return QStringLiteral("%1%2:%3x%4:%5")
        .arg(shortestOptionNumber(notch.position),
             notch.positionInMm ? QStringLiteral("mm") : QString(),
             shortestOptionNumber(notch.width), shortestOptionNumber(notch.depth),
             QLatin1String(sides[int(notch.side)]));
}

double notchCentre(const SparNotch& notch, float ribChord) {
    return notch.positionInMm ? notch.position : double(ribChord) * notch.position / 100;
}

RibFeatureUnit sparNotchUnit() {
    return {
        .key = "spar-notch",
        .valueName = "NOTCH",
        .optionHelp = sparNotchOptionHelp,
        .repeatable = true,
        .stage = CutStage::Slots,
        .isSet = [](const RibFeatures& f) { return !f.sparNotches.empty(); },
        .read = readSparNotch,
        .write = writeSparNotches,
        .apply = cutSparNotches,
    };
}

}  // namespace rw
