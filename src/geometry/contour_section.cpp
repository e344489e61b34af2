#include "geometry/contour_section.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace rw {

ContourSection sectionAt(const MmRing& contour, double x) {
    ContourSection section;
    const size_t n = contour.size();
    for (size_t i = 0; i < n; ++i) {
        const QPointF a = contour[i];
        const QPointF b = contour[(i + 1) % n];
        // Half-open on x so a vertex on the line counts once for the edges either side of it.
        const bool spans = (a.x() <= x && x < b.x()) || (b.x() <= x && x < a.x());
        if (!spans)
            continue;
        const double y = a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x());
        if (!section.crosses) {
            section = ContourSection{true, y, y};
        } else {
            section.bottom = std::min(section.bottom, y);
            section.top = std::max(section.top, y);
        }
    }
    return section;
}

double distanceToContour(const MmRing& contour, QPointF p) {
    double best = std::numeric_limits<double>::infinity();
    const size_t n = contour.size();
    for (size_t i = 0; i < n; ++i) {
        const QPointF a = contour[i];
        const QPointF b = contour[(i + 1) % n];
        const double dx = b.x() - a.x(), dy = b.y() - a.y();
        const double lengthSquared = dx * dx + dy * dy;
        double t = 0;
        if (lengthSquared > 0)
            t = std::clamp(((p.x() - a.x()) * dx + (p.y() - a.y()) * dy) / lengthSquared, 0.0, 1.0);
        best = std::min(best, std::hypot(a.x() + t * dx - p.x(), a.y() + t * dy - p.y()));
    }
    return best;
}

ContourSpan chordwiseSpan(const MmRing& contour) {
    ContourSpan span{std::numeric_limits<double>::infinity(),
                     -std::numeric_limits<double>::infinity()};
    for (const QPointF& p : contour) {
        span.front = std::min(span.front, p.x());
        span.back = std::max(span.back, p.x());
    }
    return span;
}

bool contourContains(const MmRing& contour, QPointF p) {
    bool inside = false;
    const size_t n = contour.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const QPointF a = contour[i];
        const QPointF b = contour[j];
        if ((a.y() > p.y()) != (b.y() > p.y()) &&
            p.x() < (b.x() - a.x()) * (p.y() - a.y()) / (b.y() - a.y()) + a.x())
            inside = !inside;
    }
    return inside;
}

}  // namespace rw
