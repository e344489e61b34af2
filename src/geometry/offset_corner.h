#pragma once

namespace rw {

// A point of the rib drawing in millimetres, single precision like every stored coordinate.
struct RibPoint {
    float x = 0;
    float y = 0;
    friend bool operator==(const RibPoint&, const RibPoint&) = default;
};

// The two surface segments meeting at one corner, each moved inward (to the left of the
// direction of travel) by the skin thickness.
struct CornerOffset {
    RibPoint start;   // the first point moved onto the incoming segment's moved line
    RibPoint vertex;  // where the two moved lines meet: the mitred corner
    RibPoint end;     // the last point moved onto the outgoing segment's moved line
};

// Moves the corner `previous` → `vertex` → `next` inward by `skinThickness`: to the left of the
// travel, or to the right for a negative thickness.
//
// Segments that are not vertical use the slope form y = m·x + c; their moved line is
// y = m·x + c ± t·√(1 + m²), and the start and end points are shifted vertically onto it. Where
// both slopes are exactly equal the vertex moves by the incoming shift, as does the end point.
//
// A vertical segment is moved sideways by t and the corner is intersected in point/direction
// form; where the moved lines are parallel the vertex is shifted along the normal. A segment of
// zero length has no direction: the vertex then repeats an end point and is moved onto the other
// segment's line exactly as that end point is. When both segments have zero length there is
// nothing to offset and the points come back unmoved.
CornerOffset offsetCorner(RibPoint previous, RibPoint vertex, RibPoint next, float skinThickness);

}  // namespace rw
