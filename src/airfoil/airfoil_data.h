#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace rw {

// Capacity of the airfoil text: at most this many lines are kept, so at most 399 points.
constexpr int kMaxSourceLines = 400;
// In the two-surface layout, at most this many points before the separating blank line.
constexpr int kMaxUpperSurfacePoints = 200;

// The normalised airfoil in chord units, single precision, in loop order: trailing edge, upper
// surface, leading edge, lower surface, trailing edge. Point i of the formulas (from 1) is x[i-1].
struct AirfoilProfile {
    std::vector<float> x;
    std::vector<float> y;
    int pointCount() const { return int(x.size()); }
    friend bool operator==(const AirfoilProfile&, const AirfoilProfile&) = default;
};

// The airfoil the program works on: the text as last taken from the text box or a file, its raw
// lines, its title and the parsed profile.
struct AirfoilState {
    QString text;             // AirfoilText: lines separated by CR LF
    QStringList sourceLines;  // SourceLines: line k in slot k-1, untrimmed; lineCount = size()
    QString name;             // AirfoilName: line 1, untrimmed
    AirfoilProfile profile;   // AirfoilProfile
    int lineCount() const { return int(sourceLines.size()); }
};

}  // namespace rw
