#pragma once

#include "geometry/rib_cut.h"

#include <QPointF>

namespace rw {

// Where a line square to the chord crosses a closed contour: its lowest and highest crossing.
struct ContourSection {
    bool crosses = false;
    double bottom = 0;  // mm
    double top = 0;     // mm
    double height() const { return top - bottom; }
    double middle() const { return (top + bottom) / 2; }
};

// The section of the closed polygon `contour` (mm, first point not repeated) at `x`.
ContourSection sectionAt(const MmRing& contour, double x);

// The shortest distance from `point` to the edges of the closed polygon `contour`.
double distanceToContour(const MmRing& contour, QPointF point);

// The smallest and largest x of the contour's points.
struct ContourSpan {
    double front = 0;
    double back = 0;
};
ContourSpan chordwiseSpan(const MmRing& contour);

// Whether `point` lies inside the closed polygon `contour` (even-odd rule).
bool contourContains(const MmRing& contour, QPointF point);

}  // namespace rw
