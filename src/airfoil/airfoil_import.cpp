#include "airfoil/airfoil_import.h"

#include "airfoil/airfoil_file.h"
#include "airfoil/airfoil_parser.h"
#include "airfoil/airfoil_read.h"
#include "airfoil/airfoil_texts.h"
#include "airfoil/import_lines.h"
#include "airfoil/import_parts.h"
#include "airfoil/import_shape.h"
#include "platform/errors.h"

#include <QFileInfo>

#include <climits>
#include <optional>

namespace rw {
namespace {

using Lines = std::vector<ImportLine>;

// The outline may move by at most this fraction of the chord when a long file is thinned.
constexpr double kThinningTolerance = 1e-4;

// Everything decided about the coordinates before the text is written.
struct Plan {
    SurfaceLayout layout;
    std::optional<ChordNormalisation> normalisation;
    std::vector<bool> dropLine;  // per line: a point left out by thinning
    std::vector<int> lineAt;     // per line: the line written in its place (a surface turned)
};

struct Tidied {
    QStringList lines;
    QStringList changes;
};

QString normalisedPointLine(const ImportLine& line, const ChordNormalisation& n) {
    const ShapePoint p = n.apply({line.first, line.second});
    return QStringLiteral("%1 %2").arg(p.x, 9, 'f', 6).arg(p.y, 9, 'f', 6);
}

Tidied tidy(const Lines& lines, const FileParts& parts, const Plan& plan, const QString& fileName) {
    Tidied out;
    if (parts.firstLine > 0)
        out.changes << airfoil_texts::droppedLeadingBlankLines();
    if (parts.titleLine) {
        out.lines << lines[*parts.titleLine].text;
    } else {
        const QString title = QFileInfo(fileName).completeBaseName();
        out.lines << title;
        out.changes << airfoil_texts::titleFromFileName(title);
    }

    int droppedBefore = 0;
    const int headerFrom = parts.titleLine ? *parts.titleLine + 1 : parts.firstLine;
    for (int j = headerFrom; j < parts.dataStart; ++j) {
        const bool counts = j == parts.countsLine && !plan.layout.dropCountsLine;
        if (lines[j].kind == ImportLineKind::Blank || counts)
            out.lines << lines[j].text;
        else if (j != parts.countsLine)
            ++droppedBefore;
    }
    if (droppedBefore > 0)
        out.changes << airfoil_texts::droppedLinesBeforeCoordinates(droppedBefore);
    out.changes << plan.layout.changes;

    const std::optional<int> split = plan.layout.splitAfter;
    int points = 0;
    int rewritten = 0;
    for (int j = parts.dataStart; j <= parts.dataEnd; ++j) {
        const int from = plan.lineAt[j];
        const ImportLine& line = lines[from];
        if (line.kind == ImportLineKind::Blank) {
            out.lines << line.text;
            continue;
        }
        if (line.kind == ImportLineKind::Other)
            continue;  // the name of the second surface
        if (plan.dropLine[from]) {
            // thinned out
        } else if (plan.normalisation) {
            out.lines << normalisedPointLine(line, *plan.normalisation);
        } else if (!line.fromTriple && parserReadsAsPoint(line.text)) {
            out.lines << line.text;
        } else {
            out.lines << readablePointLine(line);
            rewritten += !line.fromTriple;
        }
        if (split && ++points == *split)
            out.lines << QString();
    }
    if (rewritten > 0)
        out.changes << airfoil_texts::rewroteCoordinateLines(rewritten);
    for (const int label : parts.surfaceLabels)
        out.changes << airfoil_texts::droppedSurfaceLabel(label + 1);
    if (parts.secondAirfoilLine)
        out.changes << airfoil_texts::droppedSecondAirfoil(*parts.secondAirfoilLine + 1);
    if (parts.notesAfter > 0)
        out.changes << airfoil_texts::droppedNotes(parts.notesAfter);
    return out;
}

std::optional<ChordNormalisation> normalisationFor(const Lines& lines,
                                                   const std::vector<std::vector<int>>& runs,
                                                   QStringList& changes) {
    ShapeRun all;
    for (const std::vector<int>& run : runs) {
        const ShapeRun points = pointsOf(lines, run);
        all.insert(all.end(), points.begin(), points.end());
    }
    std::optional<ChordNormalisation> n = chordNormalisation(all);
    if (!n)
        return n;
    if (n->percent) {
        changes << airfoil_texts::dividedByHundred();
        return n;
    }
    changes << airfoil_texts::normalisedToChord();
    if (n->turnDegrees != 0)
        changes << airfoil_texts::turnedChordLevel(n->turnDegrees);
    return n;
}

// The runs of points as the parser will see them: split where a blank line is put in, and in
// chord units.
std::vector<ShapeRun> runsAsWritten(const Lines& lines, const std::vector<std::vector<int>>& runs,
                                    const Plan& plan, std::vector<std::vector<int>>& indexes) {
    indexes = runs;
    if (plan.layout.splitAfter) {
        const std::vector<int> only = runs.front();
        const auto at = only.begin() + *plan.layout.splitAfter;
        indexes = {std::vector<int>(only.begin(), at), std::vector<int>(at, only.end())};
    }
    std::vector<ShapeRun> shapes;
    for (const std::vector<int>& run : indexes) {
        ShapeRun points = pointsOf(lines, run);
        if (plan.normalisation) {
            for (ShapePoint& p : points) p = plan.normalisation->apply(p);
        }
        shapes.push_back(std::move(points));
    }
    return shapes;
}

// A file longer than the text box holds is thinned to fit, when that keeps the outline within
// kThinningTolerance of the chord; otherwise it is left for the parser to refuse.
void thinToFit(const Lines& lines, const std::vector<std::vector<int>>& runs, Plan& plan,
               int lineCount, QStringList& changes) {
    std::vector<std::vector<int>> indexes;
    const std::vector<ShapeRun> shapes = runsAsWritten(lines, runs, plan, indexes);
    int points = 0;
    double minX = shapes.front().front().x;
    double maxX = minX;
    for (const ShapeRun& run : shapes) {
        points += int(run.size());
        for (const ShapePoint& p : run) {
            minX = std::min(minX, p.x);
            maxX = std::max(maxX, p.x);
        }
    }
    const bool twoSurfaces = shapes.size() >= 2;
    const int firstRunBudget = twoSurfaces ? kMaxUpperSurfacePoints : INT_MAX;
    if (lineCount <= kMaxSourceLines && int(shapes.front().size()) <= firstRunBudget)
        return;
    const int budget = kMaxSourceLines - (lineCount - points);
    const double chord = maxX - minX;
    const std::optional<Thinning> thinned =
        thinRuns(shapes, budget, firstRunBudget, kThinningTolerance * chord);
    if (!thinned || chord <= 0)
        return;
    for (std::size_t r = 0; r < indexes.size(); ++r) {
        for (std::size_t k = 0; k < indexes[r].size(); ++k)
            plan.dropLine[indexes[r][k]] = !thinned->keep[r][k];
    }
    changes << airfoil_texts::thinnedPoints(points, thinned->kept,
                                            100 * thinned->largestDeviation / chord);
}

QString joinWithCrLf(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return text;
}

// Whether the text as it stands parses, in the locale's reading, to exactly this title and
// profile.
bool parsesTo(const QString& text, const AirfoilState& wanted, QChar decimalSeparator) {
    AirfoilState state;
    state.text = text;
    try {
        parseAirfoilText(state, decimalSeparator);
    } catch (const RibwrightError&) {
        return false;
    }
    return state.name == wanted.name && state.profile.x == wanted.profile.x &&
           state.profile.y == wanted.profile.y;
}

}  // namespace

AirfoilImport importAirfoilFile(const QByteArray& bytes, const QString& fileName,
                                QChar decimalSeparator, LegacyEncoding legacy) {
    const QString decoded = decodeAirfoilBytes(bytes, legacy);
    Lines lines = classifyImportLines(decoded, decimalSeparator);
    const bool thirdColumn = readTriplesAsPairs(lines);
    const FileParts parts = findParts(lines);
    const std::vector<std::vector<int>> runs = dataRuns(lines, parts);

    Plan plan;
    plan.layout = surfaceLayout(lines, parts, runs);
    QStringList shapeChanges;
    if (thirdColumn)
        shapeChanges << airfoil_texts::droppedThirdColumn();
    plan.normalisation = normalisationFor(lines, runs, shapeChanges);
    plan.dropLine.assign(lines.size(), false);
    for (int j = 0; j < int(lines.size()); ++j) plan.lineAt.push_back(j);
    for (const int r : plan.layout.reversedRuns) {
        const std::vector<int>& run = runs[r];
        for (std::size_t k = 0; k < run.size(); ++k) plan.lineAt[run[k]] = run[run.size() - 1 - k];
    }
    thinToFit(lines, runs, plan, int(tidy(lines, parts, plan, fileName).lines.size()),
              shapeChanges);
    Tidied tidied = tidy(lines, parts, plan, fileName);
    tidied.changes << shapeChanges;

    AirfoilImport result;
    result.text = joinWithCrLf(tidied.lines);
    AirfoilState tidiedState;
    tidiedState.text = result.text;
    // A tidied text the parser still refuses (too many lines, too few points) is refused with
    // its message, before anything of the window or the last-run file changes.
    if (parseAirfoilText(tidiedState, decimalSeparator) != ParseOutcome::Usable)
        throw RibwrightError(airfoil_texts::tooFewPoints());
    refuseNonAirfoilOutline(tidiedState.profile);

    // A file that already reads as it should is left exactly as the library would load it. Lone
    // CR line ends are never left: the parser reads them only by the luck of leading blanks.
    const bool loneCarriageReturns = hasLoneCarriageReturn(decoded);
    const QString asItStands = withCrLfLineEnds(decoded);
    if (!loneCarriageReturns && parsesTo(asItStands, tidiedState, decimalSeparator)) {
        result.text = asItStands;
        return result;
    }
    result.changes = std::move(tidied.changes);
    if (loneCarriageReturns)
        result.changes << airfoil_texts::lineEndsMadeCrLf();
    if (result.changes.isEmpty())
        result.changes << airfoil_texts::droppedBlankLinesAfterCoordinates();
    return result;
}

AirfoilImport importAirfoilPath(const QString& path, QChar decimalSeparator,
                                LegacyEncoding legacy) {
    return importAirfoilFile(readAirfoilBytes(path), QFileInfo(path).fileName(), decimalSeparator,
                             legacy);
}

}  // namespace rw
