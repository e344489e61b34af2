#include "geometry/offset_corner.h"

#include <cmath>

namespace rw {
namespace {

// Travel from one point to the next, exact in double because both ends are floats.
struct Travel {
    double dx = 0;
    double dy = 0;
    bool none() const { return dx == 0 && dy == 0; }
};

Travel travel(RibPoint from, RibPoint to) {
    return Travel{double(to.x) - double(from.x), double(to.y) - double(from.y)};
}

// The vertical distance between a line of slope m and the same line moved t to the left of the
// travel: t·√(1 + m²), negative for travel towards smaller x.
double verticalShift(double slope, double t, bool towardsSmallerX) {
    const double d = t * std::sqrt(slope * slope + 1);
    return towardsSmallerX ? -d : d;
}

// Both segments have a slope and they differ or coincide exactly.
CornerOffset slopeForm(RibPoint p0, RibPoint p1, RibPoint p2, double t) {
    const double x0 = p0.x, y0 = p0.y, x1 = p1.x, y1 = p1.y, x2 = p2.x, y2 = p2.y;

    const double m1 = (y1 - y0) / (x1 - x0);
    const double b1 = y0 - m1 * x0;
    const double d1 = verticalShift(m1, t, x1 < x0);
    const double c1 = b1 + d1;

    const double m2 = (y2 - y1) / (x2 - x1);
    const double b2 = y1 - m2 * x1;
    const double d2 = verticalShift(m2, t, x2 < x1);
    const double c2 = b2 + d2;

    CornerOffset out;
    out.start = {p0.x, float(y0 + d1)};
    out.end = {p2.x, float(y2 + d2)};
    if (m1 == m2) {
        out.vertex = {p1.x, float(y1 + d1)};
        out.end = {p2.x, float(y2 + d1)};
        return out;
    }
    // The vertex x is rounded before the y is taken from the incoming line, so y belongs to the
    // stored x.
    const float vx = float((c2 - c1) / (m1 - m2));
    out.vertex = {vx, float(m1 * double(vx) + c1)};
    return out;
}

// The offset t to the left of the travel, as a vector.
struct Shift {
    double x = 0;
    double y = 0;
};

Shift leftShift(Travel u, double t) {
    const double length = std::hypot(u.dx, u.dy);
    return Shift{-u.dy / length * t, u.dx / length * t};
}

// Moves an end point onto the moved line of its segment the same way the slope form does:
// vertically, unless the segment is vertical, in which case sideways.
RibPoint ontoMovedLine(RibPoint p, Travel u, double t) {
    if (u.dx != 0)
        return {p.x, float(p.y + verticalShift(u.dy / u.dx, t, u.dx < 0))};
    return {float(p.x + leftShift(u, t).x), p.y};
}

// A corner with a vertical or empty segment, where no slope exists.
CornerOffset pointDirectionForm(RibPoint p0, RibPoint p1, RibPoint p2, double t) {
    const Travel in = travel(p0, p1);
    const Travel out = travel(p1, p2);
    if (in.none() && out.none())
        return CornerOffset{p0, p1, p2};

    CornerOffset result;
    // A vertex that repeats an end point is that end point over again, so both get the same
    // rib point and the outline does not step back along the moved line.
    if (in.none()) {
        result.start = result.vertex = ontoMovedLine(p0, out, t);
        result.end = ontoMovedLine(p2, out, t);
        return result;
    }
    if (out.none()) {
        result.start = ontoMovedLine(p0, in, t);
        result.vertex = result.end = ontoMovedLine(p2, in, t);
        return result;
    }
    result.start = ontoMovedLine(p0, in, t);
    result.end = ontoMovedLine(p2, out, t);

    const Shift s1 = leftShift(in, t);
    const Shift s2 = leftShift(out, t);
    const double cross = in.dx * out.dy - in.dy * out.dx;
    if (cross == 0) {
        result.vertex = {float(p1.x + s1.x), float(p1.y + s1.y)};
        return result;
    }
    // Both moved lines pass the vertex shifted by their own normal; walk along the incoming one
    // to where it meets the outgoing one.
    const double wx = s2.x - s1.x;
    const double wy = s2.y - s1.y;
    const double along = (wx * out.dy - wy * out.dx) / cross;
    result.vertex = {float(p1.x + s1.x + along * in.dx), float(p1.y + s1.y + along * in.dy)};
    return result;
}

}  // namespace

CornerOffset offsetCorner(RibPoint previous, RibPoint vertex, RibPoint next, float skinThickness) {
    const double t = skinThickness;
    if (vertex.x == previous.x || next.x == vertex.x) {
        return pointDirectionForm(previous, vertex, next, t);
    }
    return slopeForm(previous, vertex, next, t);
}

}  // namespace rw
