#include "airfoil/import_shape.h"

#include "airfoil/airfoil_texts.h"
#include "platform/errors.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace rw {
namespace {

// How far from the leading or trailing edge, in chords, a point still counts as lying at it.
constexpr double kEdgeTolerance = 0.05;
// A file whose x range misses 0 … 1 by more than this is not in chord units.
constexpr double kChordUnitTolerance = 0.05;
// A moved section is turned level only when its chord line leans by more than this.
constexpr double kLevelTurnDegrees = 1.0;
// A trailing-edge gap wider than this, in chords, leaves the outline open.
constexpr double kOpenGap = 0.1;
// An outline enclosing less than this, in square chords, has no area.
constexpr double kNoArea = 1e-5;
// Crossings this close to the trailing edge, in chords, are the usual untidiness of a sharp
// trailing edge written to a few digits, not an outline that goes the wrong way.
constexpr double kTrailingEdgeZone = 0.02;
// Thinning compares every point with every span; beyond this many points it is not tried.
constexpr int kMostPointsToThin = 4000;

struct Range {
    double minX = 0;
    double maxX = 0;
    double chord() const { return maxX - minX; }
};

Range xRange(const ShapeRun& points) {
    Range r{points.front().x, points.front().x};
    for (const ShapePoint& p : points) {
        r.minX = std::min(r.minX, p.x);
        r.maxX = std::max(r.maxX, p.x);
    }
    return r;
}

bool atLeadingEdge(double x, const Range& r) {
    return x <= r.minX + kEdgeTolerance * r.chord();
}

bool atTrailingEdge(double x, const Range& r) {
    return x >= r.maxX - kEdgeTolerance * r.chord();
}

double distance(ShapePoint a, ShapePoint b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

double distanceToSegment(ShapePoint p, ShapePoint a, ShapePoint b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    if (length2 == 0)
        return distance(p, a);
    const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0);
    return distance(p, {a.x + t * dx, a.y + t * dy});
}

ShapePoint farthestFrom(const ShapeRun& points, ShapePoint from) {
    ShapePoint best = points.front();
    for (const ShapePoint& p : points) {
        if (distance(p, from) > distance(best, from))
            best = p;
    }
    return best;
}

// The middle of the trailing edge: the mean of the points next to the one farthest from the
// front, so an open trailing edge does not lean the chord line towards one of its corners.
ShapePoint trailingEdgeSeenFrom(const ShapeRun& points, ShapePoint front) {
    constexpr double kTrailingEdgeReach = 0.005;  // in chords
    const ShapePoint far = farthestFrom(points, front);
    const double reach = kTrailingEdgeReach * distance(far, front);
    ShapePoint sum;
    int count = 0;
    for (const ShapePoint& p : points) {
        if (distance(p, far) <= reach) {
            sum.x += p.x;
            sum.y += p.y;
            ++count;
        }
    }
    return {sum.x / count, sum.y / count};
}

double cross(ShapePoint o, ShapePoint a, ShapePoint b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Where segments ab and cd cross each other properly (not merely touch), if they do.
std::optional<ShapePoint> properCrossing(ShapePoint a, ShapePoint b, ShapePoint c, ShapePoint d) {
    const double d1 = cross(c, d, a);
    const double d2 = cross(c, d, b);
    const double d3 = cross(a, b, c);
    const double d4 = cross(a, b, d);
    if (!((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) || !((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
        return std::nullopt;
    const double t = d1 / (d1 - d2);
    return ShapePoint{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

}  // namespace

std::optional<int> restartOfSecondSurface(const ShapeRun& points) {
    if (points.size() < 6)
        return std::nullopt;
    const Range r = xRange(points);
    std::optional<int> restart;
    for (int k = 1; k < int(points.size()); ++k) {
        if (points[k - 1].x - points[k].x <= 0.5 * r.chord())
            continue;
        if (restart)
            return std::nullopt;  // more than one jump back: not two surfaces
        restart = k;
    }
    if (!restart || !splitsIntoTwoSurfaces(points, *restart))
        return std::nullopt;
    return restart;
}

bool splitsIntoTwoSurfaces(const ShapeRun& points, int upperCount) {
    const int n = int(points.size());
    if (upperCount < 3 || n - upperCount < 3)
        return false;
    const Range r = xRange(points);
    return atLeadingEdge(points.front().x, r) && atTrailingEdge(points[upperCount - 1].x, r) &&
           atLeadingEdge(points[upperCount].x, r) && atTrailingEdge(points.back().x, r);
}

bool runsFromTrailingEdge(const ShapeRun& points, double minX, double maxX) {
    const Range r{minX, maxX};
    return points.size() >= 2 && atTrailingEdge(points.front().x, r) &&
           atLeadingEdge(points.back().x, r);
}

bool runsFromLeadingEdge(const ShapeRun& points) {
    const Range r = xRange(points);
    return points.size() >= 2 && r.chord() > 0 && atLeadingEdge(points.front().x, r) &&
           atTrailingEdge(points.back().x, r);
}

bool runsOnceRound(const ShapeRun& points) {
    if (points.size() < 6)
        return false;
    const Range r = xRange(points);
    const auto front = std::min_element(points.begin(), points.end(),
                                        [](ShapePoint a, ShapePoint b) { return a.x < b.x; });
    const bool leadingEdgeInside = front != points.begin() && front != points.end() - 1;
    return leadingEdgeInside && atTrailingEdge(points.front().x, r) &&
           atTrailingEdge(points.back().x, r);
}

ShapePoint ChordNormalisation::apply(ShapePoint p) const {
    const double dx = p.x - originX;
    const double dy = p.y - originY;
    return {dx * cosine + dy * sine, dy * cosine - dx * sine};
}

std::optional<ChordNormalisation> chordNormalisation(const ShapeRun& points) {
    if (points.size() < 3)
        return std::nullopt;
    // Numbers beyond single precision are no section in other units: the parser refuses them.
    for (const ShapePoint& p : points) {
        if (!(std::abs(p.x) <= std::numeric_limits<float>::max()) ||
            !(std::abs(p.y) <= std::numeric_limits<float>::max()))
            return std::nullopt;
    }
    const Range r = xRange(points);
    if (r.chord() <= 0)
        return std::nullopt;
    const bool inChordUnits =
        std::abs(r.minX) <= kChordUnitTolerance && std::abs(r.chord() - 1) <= kChordUnitTolerance;
    if (inChordUnits)
        return std::nullopt;
    ChordNormalisation n;
    // Tables in percent of the chord, as many published ones are, only need the division.
    if (std::abs(r.minX) <= 100 * kChordUnitTolerance &&
        std::abs(r.chord() - 100) <= 100 * kChordUnitTolerance) {
        n.percent = true;
        n.cosine = 0.01;
        return n;
    }
    const ShapePoint frontmost = *std::min_element(
        points.begin(), points.end(), [](ShapePoint a, ShapePoint b) { return a.x < b.x; });
    const ShapePoint trailing = trailingEdgeSeenFrom(points, frontmost);
    const ShapePoint leading = farthestFrom(points, trailing);
    double angle = std::atan2(trailing.y - leading.y, trailing.x - leading.x);
    double chord = distance(leading, trailing);
    n.turnDegrees = angle * 180 / std::numbers::pi;
    n.originX = leading.x;
    n.originY = leading.y;
    if (std::abs(n.turnDegrees) <= kLevelTurnDegrees) {
        angle = 0;
        n.turnDegrees = 0;
        n.originX = frontmost.x;
        n.originY = frontmost.y;
        chord = r.chord();
    }
    n.cosine = std::cos(angle) / chord;
    n.sine = std::sin(angle) / chord;
    return n;
}

std::optional<Thinning> thinRuns(const std::vector<ShapeRun>& runs, int budget, int firstRunBudget,
                                 double tolerance) {
    Thinning t;
    int total = 0;
    for (const ShapeRun& run : runs) total += int(run.size());
    if (total > kMostPointsToThin || runs.empty())
        return std::nullopt;
    struct Slot {
        int prev, next;
        double cost;
        bool kept = true;
    };
    std::vector<std::vector<Slot>> links(runs.size());
    auto costOf = [&](std::size_t r, int k) {
        const ShapeRun& run = runs[r];
        const Slot& s = links[r][k];
        double worst = 0;
        for (int i = s.prev + 1; i < s.next; ++i)
            worst = std::max(worst, distanceToSegment(run[i], run[s.prev], run[s.next]));
        return worst;
    };
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const int n = int(runs[r].size());
        links[r].resize(n);
        for (int k = 0; k < n; ++k) links[r][k] = {k - 1, k + 1, 0, true};
        for (int k = 1; k + 1 < n; ++k) links[r][k].cost = costOf(r, k);
    }
    int firstRun = int(runs.front().size());
    while (total > budget || firstRun > firstRunBudget) {
        const bool onlyFirst = firstRun > firstRunBudget;
        std::size_t bestRun = 0;
        int best = -1;
        for (std::size_t r = 0; r < (onlyFirst ? 1 : runs.size()); ++r) {
            for (int k = 1; k + 1 < int(runs[r].size()); ++k) {
                const Slot& s = links[r][k];
                if (s.kept && (best < 0 || s.cost < links[bestRun][best].cost)) {
                    bestRun = r;
                    best = k;
                }
            }
        }
        if (best < 0 || links[bestRun][best].cost > tolerance)
            return std::nullopt;
        std::vector<Slot>& run = links[bestRun];
        Slot& gone = run[best];
        t.largestDeviation = std::max(t.largestDeviation, gone.cost);
        gone.kept = false;
        run[gone.prev].next = gone.next;
        run[gone.next].prev = gone.prev;
        for (const int neighbour : {gone.prev, gone.next}) {
            if (neighbour > 0 && neighbour + 1 < int(run.size()))
                run[neighbour].cost = costOf(bestRun, neighbour);
        }
        --total;
        firstRun -= bestRun == 0;
    }
    for (const std::vector<Slot>& run : links) {
        std::vector<bool> keep;
        for (const Slot& s : run) keep.push_back(s.kept);
        t.keep.push_back(std::move(keep));
    }
    t.kept = total;
    return t;
}

void refuseNonAirfoilOutline(const AirfoilProfile& profile) {
    const int n = profile.pointCount();
    if (n < 3)
        return;
    ShapeRun points;
    for (int i = 0; i < n; ++i) points.push_back({profile.x[i], profile.y[i]});
    const double chord = xRange(points).chord();
    if (chord <= 0)
        throw RibwrightError(airfoil_texts::outlineHasNoArea());
    const double gap = distance(points.front(), points.back());
    if (gap > kOpenGap * chord)
        throw RibwrightError(airfoil_texts::outlineIsOpen(100 * gap / chord));
    double twiceArea = 0;
    for (int i = 0; i < n; ++i) {
        const ShapePoint a = points[i];
        const ShapePoint b = points[(i + 1) % n];
        twiceArea += a.x * b.y - b.x * a.y;
    }
    if (std::abs(twiceArea) / 2 < kNoArea * chord * chord)
        throw RibwrightError(airfoil_texts::outlineHasNoArea());
    const double zone = kTrailingEdgeZone * chord;
    for (int i = 0; i + 1 < n; ++i) {
        for (int j = i + 2; j + 1 < n; ++j) {
            const std::optional<ShapePoint> at =
                properCrossing(points[i], points[i + 1], points[j], points[j + 1]);
            if (at && distance(*at, points.front()) > zone && distance(*at, points.back()) > zone)
                throw RibwrightError(airfoil_texts::outlineCrossesItself(i + 1));
        }
    }
}

}  // namespace rw
