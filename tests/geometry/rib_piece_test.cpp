// A rib piece takes material on as well as off: a tab joined under the contour becomes part of
// the one piece, and a tab that stays apart is refused.
#include "geometry/features/rib_piece.h"
#include "platform/errors.h"
#include "rib_features_test_support.h"

#include <gtest/gtest.h>

using namespace rw;
using namespace rw::test;

TEST(RibPiece, AddsATabAsPartOfTheOnePiece) {
    // Flat underneath, so the part of a tab below it is a plain rectangle; one hole inside.
    RibCut rib;
    rib.outer = {{0, 0}, {120, 0}, {120, 2}, {60, 12}, {0, 4}};
    rib.holes = {{{80, 2}, {80, 5}, {90, 5}, {90, 2}}};
    RibPiece piece(rib, 120, 4);
    const double before = cutArea(piece.cut());

    // 20 mm wide, reaching 8 mm below the rib and 3 mm into it.
    piece.addOn({piece.rectangle(40, -8, 60, 3)}, QStringLiteral("tab"));
    EXPECT_NEAR(cutArea(piece.cut()) - before, 20 * 8, 1e-9);
    EXPECT_TRUE(isSimpleRing(piece.cut().outer));
    EXPECT_GT(ringArea(piece.cut().outer), 0);
    ASSERT_EQ(piece.cut().holes.size(), 1u);
    EXPECT_NEAR(ringArea(piece.cut().holes.front()), -30, 1e-9);
    EXPECT_DOUBLE_EQ(piece.lowest(), -8);

    // A tab that does not touch the rib would make a second part: refused, the piece kept.
    const RibCut joined = piece.cut();
    EXPECT_THROW(piece.addOn({piece.rectangle(40, -20, 60, -10)}, QStringLiteral("tab")),
                 RibwrightError);
    EXPECT_EQ(piece.cut().outer, joined.outer);
}
