// Surfaces with a vertical segment or a repeated point: every rib point is still set, finite and
// the skin thickness inside the surface.
#include "geometry/compute_rib_outline.h"
#include "geometry/interpolate_rib.h"
#include "geometry/offset_corner.h"
#include "outline_test_support.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace rw;
using rw::test::nacaProfile;
using rw::test::profileOf;
using rw::test::ribDistance;

namespace {

void expectPoint(RibPoint p, float x, float y) {
    EXPECT_FLOAT_EQ(p.x, x);
    EXPECT_FLOAT_EQ(p.y, y);
}

// Each interior rib point must lie t to the left of both surface segments that meet at it,
// stepping over repeated points, which have no segment of their own.
void expectSkinInside(const RibOutline& o, double t, double tolerance) {
    const int n = int(o.surfaceX.size());
    auto same = [&](int a, int b) {
        return o.surfaceX[a] == o.surfaceX[b] && o.surfaceY[a] == o.surfaceY[b];
    };
    for (int i = 0; i < n; ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(std::isfinite(o.ribX[i]) && std::isfinite(o.ribY[i]));
        int before = i - 1;
        while (before >= 0 && same(before, i)) --before;
        int after = i + 1;
        while (after < n && same(after, i)) ++after;
        if (before >= 0) {
            EXPECT_NEAR(ribDistance(o, i, before, i), t, tolerance);
        }
        if (after < n) {
            EXPECT_NEAR(ribDistance(o, i, i, after), t, tolerance);
        }
    }
}

// A 12 % section with `extra` spliced in just after point `at`.
AirfoilProfile withInserted(AirfoilProfile p, int at, std::vector<std::pair<float, float>> extra) {
    for (auto it = extra.rbegin(); it != extra.rend(); ++it) {
        p.x.insert(p.x.begin() + at + 1, it->first);
        p.y.insert(p.y.begin() + at + 1, it->second);
    }
    return p;
}

}  // namespace

TEST(OffsetCorner, VerticalSegmentsMoveSideways) {
    // Down the left side, then right along the bottom: the skin is to the right of the downward
    // travel and above the rightward one.
    CornerOffset c = offsetCorner({0, 10}, {0, 0}, {10, 0}, 1);
    expectPoint(c.start, 1, 10);
    expectPoint(c.vertex, 1, 1);
    expectPoint(c.end, 10, 1);

    // Left along the top, then down.
    c = offsetCorner({10, 0}, {0, 0}, {0, -10}, 1);
    expectPoint(c.start, 10, -1);
    expectPoint(c.vertex, 1, -1);
    expectPoint(c.end, 1, -10);

    // A slanted segment meeting a vertical one.
    c = offsetCorner({4, 3}, {0, 0}, {0, -5}, 0.5f);
    EXPECT_FLOAT_EQ(c.vertex.x, 0.5f);
    EXPECT_NEAR(rw::test::leftDistance(c.vertex.x, c.vertex.y, 4, 3, 0, 0), 0.5, 1e-6);
    EXPECT_FLOAT_EQ(c.start.x, 4);
    EXPECT_NEAR(rw::test::leftDistance(c.start.x, c.start.y, 4, 3, 0, 0), 0.5, 1e-6);
}

TEST(OffsetCorner, ParallelVerticalSegmentsShiftAlongTheNormal) {
    // Straight up in two steps: everything moves left by t.
    CornerOffset c = offsetCorner({5, 0}, {5, 1}, {5, 3}, 0.25f);
    expectPoint(c.start, 4.75f, 0);
    expectPoint(c.vertex, 4.75f, 1);
    expectPoint(c.end, 4.75f, 3);

    // Up and straight back down: the vertex follows the incoming segment, each end its own.
    c = offsetCorner({5, 0}, {5, 1}, {5, 0}, 0.25f);
    expectPoint(c.vertex, 4.75f, 1);
    expectPoint(c.end, 5.25f, 0);
}

TEST(OffsetCorner, AnEmptySegmentBorrowsItsNeighboursLine) {
    // The repeated last point leaves only the incoming segment, travelling left with slope −1/2:
    // vertex and end are both the last point moved down onto its moved line.
    CornerOffset c = offsetCorner({10, 0}, {0, 5}, {0, 5}, 1);
    const float down = float(std::sqrt(1.25));
    expectPoint(c.start, 10, -down);
    expectPoint(c.vertex, 0, 5 - down);
    expectPoint(c.end, 0, 5 - down);

    // Repeated first point: only the outgoing segment, travelling right with slope 1.
    c = offsetCorner({0, 0}, {0, 0}, {2, 2}, 1);
    const float up = float(std::sqrt(2.0));
    expectPoint(c.start, 0, up);
    expectPoint(c.vertex, 0, up);
    expectPoint(c.end, 2, 2 + up);

    // Repeated vertex after a vertical segment: moved sideways like the segment.
    c = offsetCorner({0, 0}, {0, 3}, {0, 3}, 1);
    expectPoint(c.vertex, -1, 3);
    expectPoint(c.end, -1, 3);

    // Three equal points have no direction at all and stay where they are.
    c = offsetCorner({3, 4}, {3, 4}, {3, 4}, 1);
    expectPoint(c.start, 3, 4);
    expectPoint(c.vertex, 3, 4);
    expectPoint(c.end, 3, 4);
}

TEST(MendedOutline, RepeatedPointIsMitredAsIfItWereNotThere) {
    const AirfoilProfile plain = nacaProfile(0.02, 0.4, 0.12, 30);
    for (int at : {0, 7, 28, 29, 45, plain.pointCount() - 1}) {
        SCOPED_TRACE(at);
        AirfoilProfile doubled = plain;
        doubled.x.insert(doubled.x.begin() + at, plain.x[at]);
        doubled.y.insert(doubled.y.begin() + at, plain.y[at]);

        RibOutline expected;
        RibOutline o;
        computeRibOutline(plain, 150, 1, 1.0f, expected);
        computeRibOutline(doubled, 150, 1, 1.0f, o);
        ASSERT_EQ(o.ribX.size(), expected.ribX.size() + 1);

        expectSkinInside(o, 1.0, 1e-4);
        // Both copies get exactly the rib point the plain profile has there, and every other
        // point is untouched by the repetition.
        for (int j = 0; j < int(o.ribX.size()); ++j) {
            const int i = j <= at ? j : j - 1;
            EXPECT_EQ(o.ribX[j], expected.ribX[i]) << "point " << j;
            EXPECT_EQ(o.ribY[j], expected.ribY[i]) << "point " << j;
        }
    }
}

TEST(MendedOutline, PointRepeatedSeveralTimes) {
    const AirfoilProfile plain = nacaProfile(0, 0.4, 0.09, 25);
    const AirfoilProfile tripled =
        withInserted(plain, 10, {{plain.x[10], plain.y[10]}, {plain.x[10], plain.y[10]}});
    RibOutline o;
    computeRibOutline(tripled, 90, 1.1, 0.75f, o);
    expectSkinInside(o, 0.75, 1e-4);
    EXPECT_EQ(o.ribY[10], o.ribY[12]);
}

TEST(MendedOutline, VerticalSegmentsAreOffsetLikeAnyOther) {
    // A blunt nose: the upper surface ends in a vertical drop to the lower one.
    const AirfoilProfile blunt = profileOf({{1, 0.002f},
                                            {0.6f, 0.05f},
                                            {0.2f, 0.06f},
                                            {0.05f, 0.03f},
                                            {0, 0.01f},
                                            {0, -0.01f},
                                            {0.05f, -0.025f},
                                            {0.3f, -0.04f},
                                            {1, -0.002f}});
    // A step in the upper surface with vertical faces going up and then down again.
    const AirfoilProfile stepped = profileOf({{1, 0},
                                              {0.7f, 0.04f},
                                              {0.7f, 0.05f},
                                              {0.5f, 0.07f},
                                              {0.3f, 0.07f},
                                              {0.3f, 0.06f},
                                              {0, 0},
                                              {0.5f, -0.05f},
                                              {1, 0}});
    // The first and last segments vertical, as with a squared-off trailing edge.
    const AirfoilProfile squared = profileOf({{1, 0.004f},
                                              {1, 0.01f},
                                              {0.5f, 0.06f},
                                              {0, 0},
                                              {0.5f, -0.04f},
                                              {1, -0.01f},
                                              {1, -0.004f}});

    for (const AirfoilProfile* p : {&blunt, &stepped, &squared}) {
        RibOutline o;
        computeRibOutline(*p, 120, 1, 1.5f, o);
        expectSkinInside(o, 1.5, 1e-4);
    }

    // The ends of vertical first and last segments move sideways into the section.
    RibOutline o;
    computeRibOutline(squared, 120, 1, 1.5f, o);
    EXPECT_EQ(o.ribX[0], 118.5f);
    EXPECT_EQ(o.ribY[0], o.surfaceY[0]);
    EXPECT_EQ(o.ribX[6], 118.5f);
    EXPECT_EQ(o.ribY[6], o.surfaceY[6]);
}

TEST(MendedOutline, VerticalNoseOnAGeneratedSection) {
    // Replace the sharp nose point of a generated section by a short vertical face.
    AirfoilProfile p = nacaProfile(0.04, 0.4, 0.15, 40);
    const int nose = 39;
    p.x[nose] = p.x[nose + 1];
    p.y[nose] = 0.5f * (p.y[nose - 1] + p.y[nose + 1]);
    p.x[nose - 1] = p.x[nose];
    for (float t : {0.5f, 2.0f}) {
        SCOPED_TRACE(t);
        RibOutline o;
        computeRibOutline(p, 200, 0.8999999761581421, t, o);
        expectSkinInside(o, t, 2e-4);
    }
}

TEST(MendedOutline, ZeroChordCollapsesWithoutFault) {
    RibOutline o;
    computeRibOutline(nacaProfile(0.02, 0.4, 0.12, 20), 0, 1, 1.0f, o);
    for (size_t i = 0; i < o.ribX.size(); ++i) {
        EXPECT_EQ(o.ribX[i], 0.0f);
        EXPECT_EQ(o.ribY[i], 0.0f);
    }
}
