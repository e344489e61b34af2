#pragma once

#include "geometry/contour_section.h"
#include "geometry/rib_cut.h"

#include <QPointF>

#include <algorithm>
#include <cmath>

namespace rw::test {

// Twice the signed area, positive counter-clockwise (y up).
inline double ringArea(const MmRing& ring) {
    double sum = 0;
    for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++)
        sum += ring[j].x() * ring[i].y() - ring[i].x() * ring[j].y();
    return sum / 2;
}

inline double cutArea(const RibCut& cut) {
    double area = ringArea(cut.outer);
    for (const MmRing& hole : cut.holes) area += ringArea(hole);  // clockwise, so negative
    return area;
}

// Whether segments ab and cd meet, touching included.
inline bool segmentsMeet(QPointF a, QPointF b, QPointF c, QPointF d) {
    auto turn = [](QPointF p, QPointF q, QPointF r) {
        const double cross = (q.x() - p.x()) * (r.y() - p.y()) - (q.y() - p.y()) * (r.x() - p.x());
        return cross > 0 ? 1 : cross < 0 ? -1 : 0;
    };
    auto within = [](QPointF p, QPointF q, QPointF r) {
        return std::min(p.x(), q.x()) <= r.x() && r.x() <= std::max(p.x(), q.x()) &&
               std::min(p.y(), q.y()) <= r.y() && r.y() <= std::max(p.y(), q.y());
    };
    const int d1 = turn(c, d, a), d2 = turn(c, d, b), d3 = turn(a, b, c), d4 = turn(a, b, d);
    if (d1 * d2 < 0 && d3 * d4 < 0)
        return true;
    return (d1 == 0 && within(c, d, a)) || (d2 == 0 && within(c, d, b)) ||
           (d3 == 0 && within(a, b, c)) || (d4 == 0 && within(a, b, d));
}

// No two edges of the ring meet except neighbours at their shared corner.
inline bool isSimpleRing(const MmRing& ring) {
    const size_t n = ring.size();
    if (n < 3)
        return false;
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = i + 1; j < n; ++j) {
            if (j == i + 1 || (i == 0 && j == n - 1))
                continue;
            if (segmentsMeet(ring[i], ring[(i + 1) % n], ring[j], ring[(j + 1) % n]))
                return false;
        }
    }
    return true;
}

// The shortest distance between the edges of two rings that do not cross.
inline double ringDistance(const MmRing& a, const MmRing& b) {
    double best = INFINITY;
    for (const QPointF& p : a) best = std::min(best, distanceToContour(b, p));
    for (const QPointF& p : b) best = std::min(best, distanceToContour(a, p));
    return best;
}

}  // namespace rw::test
