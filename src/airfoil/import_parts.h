#pragma once

#include "airfoil/import_lines.h"
#include "airfoil/import_shape.h"

#include <QString>

#include <optional>
#include <vector>

namespace rw {

// Where the parts of a published airfoil file lie, as line indexes, and how its coordinate lines
// make surfaces. Refusals throw RibwrightError naming the line.

struct FileParts {
    int firstLine = 0;                     // after leading blank lines
    std::optional<int> titleLine;          // none: the first line already holds numbers
    std::optional<int> countsLine;         // the first counts line before the coordinates
    int dataStart = 0;                     // first coordinate line
    int dataEnd = 0;                       // last coordinate line of the first airfoil
    std::vector<int> surfaceLabels;        // a line naming the second surface, left out
    std::optional<int> secondAirfoilLine;  // the title of a further airfoil, left out
    int notesAfter = 0;                    // lines of notes after the coordinates, left out
};

FileParts findParts(const std::vector<ImportLine>& lines);

// The coordinate lines between blank lines, each as its line indexes.
std::vector<std::vector<int>> dataRuns(const std::vector<ImportLine>& lines,
                                       const FileParts& parts);

ShapeRun pointsOf(const std::vector<ImportLine>& lines, const std::vector<int>& run);

// How the coordinates make surfaces, checked against the counts line where there is one.
struct SurfaceLayout {
    std::optional<int> splitAfter;  // a blank line goes after this many points of the only run
    bool dropCountsLine = false;    // the counts contradict the coordinates (or say one surface)
    std::vector<int> reversedRuns;  // surfaces written from the trailing edge, to be turned round
    QStringList changes;
};

SurfaceLayout surfaceLayout(const std::vector<ImportLine>& lines, const FileParts& parts,
                            const std::vector<std::vector<int>>& runs);

}  // namespace rw
