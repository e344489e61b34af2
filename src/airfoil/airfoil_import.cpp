#include "airfoil/airfoil_import.h"

#include "airfoil/airfoil_file.h"
#include "airfoil/airfoil_parser.h"
#include "airfoil/airfoil_texts.h"
#include "airfoil/import_lines.h"
#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "platform/text_trim.h"

#include <QFileInfo>

#include <cmath>
#include <optional>

namespace rw {
namespace {

using Lines = std::vector<ImportLine>;

// A line quoted in a refusal is cut short so the message stays readable.
QString quoted(const QString& text) {
    const QString t = trimControl(text);
    return t.size() > 40 ? t.left(40) + QStringLiteral("…") : t;
}

[[noreturn]] void refuseNoCoordinates() {
    throw RibwrightError(airfoil_texts::noCoordinateLines());
}

[[noreturn]] void refuseLine(int index, const QString& text) {
    throw RibwrightError(airfoil_texts::notACoordinateLine(index + 1, quoted(text)));
}

[[noreturn]] void refuseCounts(int index, int upper, int points) {
    throw RibwrightError(airfoil_texts::countsDisagree(index + 1, upper, points));
}

// Where the parts of the file lie, as line indexes.
struct FileParts {
    int firstLine = 0;              // after leading blank lines
    std::optional<int> titleLine;   // none: the first line already holds numbers
    std::optional<int> countsLine;  // the first counts pair before the coordinates
    int dataStart = 0;              // first coordinate line
    int dataEnd = 0;                // last coordinate line
};

FileParts findParts(const Lines& lines) {
    FileParts parts;
    const int n = int(lines.size());
    while (parts.firstLine < n && lines[parts.firstLine].kind == ImportLineKind::Blank)
        ++parts.firstLine;
    if (parts.firstLine == n)
        refuseNoCoordinates();
    int i = parts.firstLine;
    if (lines[i].kind != ImportLineKind::Pair)
        parts.titleLine = i++;
    // The coordinates start at the first pair that is not a counts line.
    for (; i < n; ++i) {
        if (lines[i].kind != ImportLineKind::Pair)
            continue;
        if (!lines[i].isCountsPair())
            break;
        if (!parts.countsLine)
            parts.countsLine = i;
    }
    if (i == n)
        refuseNoCoordinates();
    parts.dataStart = i;
    parts.dataEnd = i;
    for (int j = i; j < n; ++j) {
        if (lines[j].kind == ImportLineKind::Pair)
            parts.dataEnd = j;
    }
    for (int j = parts.dataStart; j <= parts.dataEnd; ++j) {
        if (lines[j].kind == ImportLineKind::Other)
            refuseLine(j, lines[j].text);
    }
    return parts;
}

// The number of upper-surface points after which a blank line goes, when the counts line says
// the file has two surfaces but nothing separates them; none when no split is needed.
std::optional<int> missingSurfaceSplit(const Lines& lines, const FileParts& parts) {
    if (!parts.countsLine)
        return std::nullopt;
    int points = 0;
    for (int j = parts.dataStart; j <= parts.dataEnd; ++j) {
        if (lines[j].kind == ImportLineKind::Blank)
            return std::nullopt;
        ++points;
    }
    const double upper = lines[*parts.countsLine].first;
    if (upper != std::floor(upper) || upper >= points)
        refuseCounts(*parts.countsLine, int(std::min<double>(upper, 1e9)), points);
    return int(upper);
}

struct Tidied {
    QStringList lines;
    QStringList changes;
};

Tidied tidy(const Lines& lines, const FileParts& parts, const QString& fileName) {
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
        const bool keep = lines[j].kind == ImportLineKind::Blank || j == parts.countsLine;
        if (keep)
            out.lines << lines[j].text;
        else
            ++droppedBefore;
    }
    if (droppedBefore > 0)
        out.changes << airfoil_texts::droppedLinesBeforeCoordinates(droppedBefore);

    const std::optional<int> split = missingSurfaceSplit(lines, parts);
    int points = 0;
    int rewritten = 0;
    for (int j = parts.dataStart; j <= parts.dataEnd; ++j) {
        const ImportLine& line = lines[j];
        if (line.kind == ImportLineKind::Blank) {
            out.lines << line.text;
            continue;
        }
        if (parserReadsAsPoint(line.text)) {
            out.lines << line.text;
        } else {
            out.lines << readablePointLine(line);
            ++rewritten;
        }
        if (split && ++points == *split)
            out.lines << QString();
    }
    if (split)
        out.changes << airfoil_texts::splitSurfacesByCounts(*split);
    if (rewritten > 0)
        out.changes << airfoil_texts::rewroteCoordinateLines(rewritten);

    int notes = 0;
    for (int j = parts.dataEnd + 1; j < int(lines.size()); ++j) {
        if (lines[j].kind != ImportLineKind::Blank)
            ++notes;
    }
    if (notes > 0)
        out.changes << airfoil_texts::droppedNotes(notes);
    return out;
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
    const QString decoded = decodeTextFile(bytes, legacy);
    const Lines lines = classifyImportLines(decoded, decimalSeparator);
    const FileParts parts = findParts(lines);
    Tidied tidied = tidy(lines, parts, fileName);

    AirfoilImport result;
    result.text = joinWithCrLf(tidied.lines);
    AirfoilState tidiedState;
    tidiedState.text = result.text;
    // A tidied text the parser still refuses (too many lines, say) is refused with its message.
    parseAirfoilText(tidiedState, decimalSeparator);

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
    return importAirfoilFile(readWholeFile(path), QFileInfo(path).fileName(), decimalSeparator,
                             legacy);
}

}  // namespace rw
