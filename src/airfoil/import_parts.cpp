#include "airfoil/import_parts.h"

#include "airfoil/airfoil_texts.h"
#include "platform/errors.h"
#include "platform/text_trim.h"

#include <algorithm>
#include <cmath>

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

bool isWholeNumber(double v) {
    return v >= 0 && v < 1e9 && v == std::floor(v);
}

int nextPair(const Lines& lines, int from) {
    for (int j = from; j < int(lines.size()); ++j) {
        if (lines[j].kind == ImportLineKind::Pair)
            return j;
    }
    return -1;
}

// A counts line: two whole numbers both above 1, or the count of a single surface ("84. 0.")
// over coordinates in chord units, which no coordinate pair of that file could be. Coordinates
// moved away from the origin are above 1 too, but seldom whole numbers.
bool isCountsLine(const Lines& lines, int i) {
    const ImportLine& line = lines[i];
    if (!isWholeNumber(line.first) || !isWholeNumber(line.second))
        return false;
    if (line.isCountsPair())
        return true;
    if (line.first < 3)
        return false;
    const int next = nextPair(lines, i + 1);
    return next >= 0 && std::abs(lines[next].first) <= 1.5;
}

// Two surfaces go from the leading edge to the trailing edge; one written the other way round
// would make the outline jump across the airfoil, so it is turned, with a note.
void turnSurfacesToRunFromLeadingEdge(const Lines& lines, const std::vector<std::vector<int>>& runs,
                                      SurfaceLayout& layout) {
    ShapeRun all;
    std::vector<ShapeRun> surfaces;
    for (const std::vector<int>& run : runs) {
        surfaces.push_back(pointsOf(lines, run));
        all.insert(all.end(), surfaces.back().begin(), surfaces.back().end());
    }
    const auto [lo, hi] = std::minmax_element(all.begin(), all.end(),
                                              [](ShapePoint a, ShapePoint b) { return a.x < b.x; });
    for (int r = 0; r < int(surfaces.size()); ++r) {
        if (runsFromTrailingEdge(surfaces[r], lo->x, hi->x))
            layout.reversedRuns.push_back(r);
    }
    if (!layout.reversedRuns.empty())
        layout.changes << airfoil_texts::surfacesTurnedToRunFromLeadingEdge();
}

// Whether the coordinates up to here are a single surface from the leading edge to the trailing
// edge: a line of text after it, past a blank line, names the other surface.
bool isOneSurfaceSoFar(const Lines& lines, const FileParts& parts) {
    if (!parts.surfaceLabels.empty())
        return false;
    std::vector<int> run;
    for (int j = parts.dataStart; j <= parts.dataEnd; ++j) {
        if (lines[j].kind == ImportLineKind::Pair)
            run.push_back(j);
    }
    const ShapeRun points = pointsOf(lines, run);
    return points.size() >= 3 && runsFromLeadingEdge(points);
}

}  // namespace

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
        if (!isCountsLine(lines, i))
            break;
        if (!parts.countsLine)
            parts.countsLine = i;
    }
    if (i == n)
        refuseNoCoordinates();
    parts.dataStart = i;
    parts.dataEnd = i;
    int lastPair = i;
    for (int j = i; j < n; ++j) {
        if (lines[j].kind == ImportLineKind::Pair)
            lastPair = j;
    }
    // The first airfoil ends at its last pair: before notes with no pair after them, or before a
    // line of text that follows a blank line, the title of a further airfoil in the same file.
    int restStart = n;
    for (int j = parts.dataStart; j < n; ++j) {
        const ImportLine& line = lines[j];
        if (line.kind == ImportLineKind::Pair) {
            parts.dataEnd = j;
        } else if (line.kind == ImportLineKind::Other) {
            if (j > lastPair) {
                restStart = j;
                break;
            }
            if (lines[j - 1].kind != ImportLineKind::Blank)
                refuseLine(j, line.text);
            if (isOneSurfaceSoFar(lines, parts)) {
                parts.surfaceLabels.push_back(j);
                continue;
            }
            parts.secondAirfoilLine = j;
            restStart = j;
            break;
        }
    }
    if (!parts.secondAirfoilLine) {
        for (int j = restStart; j < n; ++j)
            parts.notesAfter += lines[j].kind != ImportLineKind::Blank;
    }
    return parts;
}

std::vector<std::vector<int>> dataRuns(const Lines& lines, const FileParts& parts) {
    std::vector<std::vector<int>> runs(1);
    for (int j = parts.dataStart; j <= parts.dataEnd; ++j) {
        if (lines[j].kind == ImportLineKind::Pair)
            runs.back().push_back(j);
        else if (!runs.back().empty())
            runs.emplace_back();
    }
    return runs;
}

ShapeRun pointsOf(const Lines& lines, const std::vector<int>& run) {
    ShapeRun points;
    for (const int j : run) points.push_back({lines[j].first, lines[j].second});
    return points;
}

SurfaceLayout surfaceLayout(const Lines& lines, const FileParts& parts,
                            const std::vector<std::vector<int>>& runs) {
    SurfaceLayout layout;
    int total = 0;
    for (const std::vector<int>& run : runs) total += int(run.size());
    const ShapeRun points = runs.size() == 1 ? pointsOf(lines, runs.front()) : ShapeRun();

    if (!parts.countsLine) {
        if (runs.size() == 2)
            turnSurfacesToRunFromLeadingEdge(lines, runs, layout);
        // Two surfaces with nothing between them: x starts again at the leading edge.
        if (runs.size() == 1)
            layout.splitAfter = restartOfSecondSurface(points);
        if (layout.splitAfter)
            layout.changes << airfoil_texts::splitSurfacesByShape(*layout.splitAfter);
        return layout;
    }

    const int countsLine = *parts.countsLine;
    const double upper = lines[countsLine].first;
    const double lower = lines[countsLine].second;
    const bool whole = isWholeNumber(upper) && isWholeNumber(lower);
    const auto ignoreCounts = [&] {
        layout.dropCountsLine = true;
        layout.changes << airfoil_texts::countsLineIgnored(
            countsLine + 1, int(std::min(upper, 1e9)), int(std::min(lower, 1e9)), total);
    };
    if (runs.size() == 2) {
        if (!whole || int(upper) != int(runs[0].size()) || int(lower) != int(runs[1].size()))
            ignoreCounts();
        turnSurfacesToRunFromLeadingEdge(lines, runs, layout);
        return layout;
    }
    if (runs.size() != 1)
        return layout;
    if (whole && upper + lower == total && splitsIntoTwoSurfaces(points, int(upper))) {
        layout.splitAfter = int(upper);
        layout.changes << airfoil_texts::splitSurfacesByCounts(int(upper));
        return layout;
    }
    // The counts do not fit the body: the body's own shape decides, where it tells.
    if (const std::optional<int> restart = restartOfSecondSurface(points)) {
        ignoreCounts();
        layout.splitAfter = restart;
        layout.changes << airfoil_texts::splitSurfacesByShape(*restart);
        return layout;
    }
    if (runsOnceRound(points) || lower < 2) {
        ignoreCounts();
        return layout;
    }
    throw RibwrightError(
        airfoil_texts::countsDisagree(countsLine + 1, int(std::min(upper, 1e9)), total));
}

}  // namespace rw
