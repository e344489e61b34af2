#include "geometry/features/spar_notch.h"

#include "geometry/features/feature_option_texts.h"
#include "geometry/features/option_numbers.h"
#include "geometry/features/positive_sizes.h"
#include "geometry/features/rib_piece.h"
#include "geometry/geometry_texts.h"
#include "geometry/rib_features.h"
#include "platform/errors.h"

#include <vector>

namespace rw {
namespace {

// The region notch `index` (from 1) removes: from `depth` below the contour at its centre line
// out past the piece, on its surface or both, measured on `contour` as the piece stood before any
// notch was cut. Appends one cutter per surface to `cutters`.
void appendNotchCutters(const RibPiece& piece, const MmRing& contour, const SparNotch& notch,
                        int index, ClipperLib::Paths& cutters) {
    const int ribNumber = piece.ribNumber();
    const QString name = sparNotchName(index, notch);
    requirePositiveSizes({notch.width, notch.depth}, ribNumber, name);
    const double centre = notchCentre(notch, piece.ribChord());
    const double left = centre - notch.width / 2;
    const double right = centre + notch.width / 2;
    if (!(left > piece.span().front && right < piece.span().back))
        refuseOutsideChord(ribNumber, name, left, right, piece.span().front, piece.span().back);

    const ContourSection section = sectionAt(contour, centre);
    const bool both = notch.side == NotchSide::Both;
    const double removed = both ? 2 * notch.depth : notch.depth;
    if (!section.crosses || removed >= section.height())
        refuseDeeperThanRib(ribNumber, name, removed, section.height(), both);

    if (notch.side != NotchSide::Bottom) {
        cutters.push_back(piece.rectangle(left, section.top - notch.depth, right,
                                          piece.highest() + kCutterOverreach));
    }
    if (notch.side != NotchSide::Top) {
        cutters.push_back(piece.rectangle(left, piece.lowest() - kCutterOverreach, right,
                                          section.bottom + notch.depth));
    }
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
    const std::vector<SparNotch>& notches = features.sparNotches;
    if (notches.size() > kMaxSparNotches) {
        refuseTooManySparNotches(piece.ribNumber(),
                                 sparNotchName(kMaxSparNotches + 1, notches[kMaxSparNotches]),
                                 kMaxSparNotches);
    }
    cutSparNotchRegions(piece, notches);
}

}  // namespace

SparNotch parseSparNotchOption(const QString& text) {
    const QString number = optionNumberPattern();
    const auto match = matchWholeOption(number + QStringLiteral("\\s*(%|mm)?(?:\\s*/\\s*") +
                                            number + QStringLiteral("\\s*(%|mm)?)?\\s*:\\s*") +
                                            number + QStringLiteral("\\s*x\\s*") + number +
                                            QStringLiteral("(?:\\s*:\\s*(top|bottom|both))?"),
                                        text);
    if (!match.hasMatch())
        throw RibwrightError(sparNotchOptionRefusedText(text));
    SparNotch notch;
    notch.position = capturedNumber(match, 1);
    notch.positionInMm = match.captured(2).compare(QLatin1String("mm"), Qt::CaseInsensitive) == 0;
    notch.straightLine = match.capturedLength(3) > 0;
    if (notch.straightLine) {
        notch.tipPosition = capturedNumber(match, 3);
        notch.tipPositionInMm =
            match.captured(4).compare(QLatin1String("mm"), Qt::CaseInsensitive) == 0;
    }
    notch.width = capturedNumber(match, 5);
    notch.depth = capturedNumber(match, 6);
    const QString side = match.captured(7).toLower();
    notch.side = side == QLatin1String("bottom") ? NotchSide::Bottom
                 : side == QLatin1String("both") ? NotchSide::Both
                                                 : NotchSide::Top;
    if (!(notch.width > 0 && notch.depth > 0) || (!notch.positionInMm && notch.position > 100) ||
        (notch.straightLine && !notch.tipPositionInMm && notch.tipPosition > 100))
        throw RibwrightError(sparNotchOptionRefusedText(text));
    return notch;
}

QString formatSparNotchOption(const SparNotch& notch) {
    static const char* const sides[] = {"top", "bottom", "both"};
    const auto place = [](double position, bool inMm) {
        return shortestOptionNumber(position) + (inMm ? QStringLiteral("mm") : QString());
    };
    QString position = place(notch.position, notch.positionInMm);
    if (notch.straightLine)
        position += QLatin1Char('/') + place(notch.tipPosition, notch.tipPositionInMm);
    return QStringLiteral("%1%2:%3x%4:%5")
        .arg(position, QString(), shortestOptionNumber(notch.width),
             shortestOptionNumber(notch.depth), QLatin1String(sides[int(notch.side)]));
}

double notchCentre(const SparNotch& notch, float ribChord) {
    return notch.positionInMm ? notch.position : double(ribChord) * notch.position / 100;
}

SparNotch placeSparLine(const SparNotch& notch, const SparLineEnds& ends, double fraction,
                        double ribLeadingEdge) {
    if (!notch.straightLine)
        return notch;
    const auto behindRoot = [](double position, bool inMm, double leadingEdge, double chord) {
        return leadingEdge + (inMm ? position : chord * position / 100);
    };
    const double root =
        behindRoot(notch.position, notch.positionInMm, ends.rootLeadingEdge, ends.rootChord);
    const double tip =
        behindRoot(notch.tipPosition, notch.tipPositionInMm, ends.tipLeadingEdge, ends.tipChord);
    SparNotch placed = notch;
    placed.straightLine = false;
    placed.positionInMm = true;
    placed.position = root + (tip - root) * fraction - ribLeadingEdge;
    return placed;
}

void cutSparNotchRegions(RibPiece& piece, const std::vector<SparNotch>& notches) {
    // Every notch is measured on the piece as the stock left it: a notch over another one reaches
    // its own depth below the contour, not its depth below the other's floor.
    const MmRing& contour = piece.cut().outer;
    std::vector<ClipperLib::Paths> cutters(notches.size());
    ClipperLib::Paths all;
    for (size_t i = 0; i < notches.size(); ++i) {
        appendNotchCutters(piece, contour, notches[i], int(i) + 1, cutters[i]);
        all.insert(all.end(), cutters[i].begin(), cutters[i].end());
    }
    if (all.empty())
        return;
    // One difference with every region at once: the polygon library takes the cutters as one
    // shape, so overlapping notches remove their union.
    try {
        piece.cutAway(all, sparNotchName(1, notches.front()));
    } catch (const RibwrightError&) {
        // A refused cut leaves the piece as it was. Name the notch that splits or empties the
        // rib: cut the same regions one at a time, in the order given.
        RibPiece named(piece.cut(), piece.ribChord(), piece.ribNumber());
        for (size_t i = 0; i < notches.size(); ++i)
            named.cutAway(cutters[i], sparNotchName(int(i) + 1, notches[i]));
        throw;
    }
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
