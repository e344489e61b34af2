#include "airfoil/airfoil_preview.h"
#include "support/airfoil_sections.h"

#include <QImage>
#include <QPoint>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace rw;
using rw::test::exampleSection;

namespace {

constexpr QRgb kBackground = 0xFFE6E6E6;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

// The 11 points of the example section and where they land on the preview.
const QPoint kExamplePixels[] = {{570, 100}, {435, 78},  {300, 67}, {165, 70},
                                 {84, 81},   {30, 100},  {84, 110}, {165, 113},
                                 {300, 110}, {435, 105}, {570, 100}};

QImage preview(const AirfoilProfile& profile, bool points) {
    QImage image;
    drawAirfoilPreview(image, profile, points);
    return image;
}

bool onGridLine(int x, int y) {
    return (x >= 30 && (x - 30) % 54 == 0) || y == 46 || y == 100 || y == 154;
}

}  // namespace

TEST(AirfoilPreview, EmptyProfileShowsBackgroundAndGridOnly) {
    const QImage image = preview(AirfoilProfile{}, true);
    ASSERT_EQ(image.size(), QSize(600, 200));
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 600; ++x)
            ASSERT_EQ(image.pixel(x, y), onGridLine(x, y) ? kWhite : kBackground) << x << "," << y;
}

TEST(AirfoilPreview, ExamplePointsLieOnTheBlackOutline) {
    const QImage image = preview(exampleSection(), false);
    for (const QPoint& p : kExamplePixels)
        EXPECT_EQ(image.pixel(p), kBlack) << p.x() << "," << p.y();
    // Truncation, not rounding: y 0.06 gives 67.6, drawn on row 67 with nothing on row 68 at x 300.
    EXPECT_NE(image.pixel(300, 68), kBlack);
    // Grid lines away from the outline keep their white, the rest the light grey.
    for (int x = 30; x <= 570; x += 54) EXPECT_EQ(image.pixel(x, 20), kWhite) << x;
    for (int y : {46, 154}) EXPECT_EQ(image.pixel(10, y), kWhite) << y;
    EXPECT_EQ(image.pixel(10, 100), kWhite);
    EXPECT_EQ(image.pixel(31, 20), kBackground);
    EXPECT_EQ(image.pixel(10, 101), kBackground);
    // Black only along the outline: nothing far above or below it.
    for (int x = 0; x < 600; ++x) {
        EXPECT_NE(image.pixel(x, 60), kBlack) << x;
        EXPECT_NE(image.pixel(x, 120), kBlack) << x;
    }
}

TEST(AirfoilPreview, MarksOnlyWhenAsked) {
    const QImage plain = preview(exampleSection(), false);
    const QImage marked = preview(exampleSection(), true);
    int differing = 0;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 600; ++x) {
            if (plain.pixel(x, y) == marked.pixel(x, y))
                continue;
            ++differing;
            bool nearPoint = false;
            for (const QPoint& p : kExamplePixels)
                nearPoint |= std::abs(p.x() - x) <= 2 && std::abs(p.y() - y) <= 2;
            EXPECT_TRUE(nearPoint) << x << "," << y;
        }
    }
    EXPECT_GT(differing, 30);
    // A black rim two pixels above a point, where the line does not pass.
    EXPECT_EQ(marked.pixel(435, 76), kBlack);
    EXPECT_EQ(plain.pixel(435, 76), kBackground);
    // Inside the rim the disc is light grey.
    EXPECT_EQ(marked.pixel(436, 77), kBackground);
    // Each mark comes after the line reaching its point and before the line leaving it: the
    // last point's mark covers the end of the outline with its grey fill.
    EXPECT_EQ(marked.pixel(570, 100), kBackground);
    EXPECT_EQ(marked.pixel(435, 78), kBlack);
}

TEST(AirfoilPreview, PointsOffThePictureAreClippedNotWrapped) {
    AirfoilProfile p = exampleSection();
    p.y[2] = 1e30f;  // far above
    p.y[8] = -0.4f;  // below the bottom edge
    p.x[3] = std::numeric_limits<float>::max();
    const QImage image = preview(p, true);
    ASSERT_EQ(image.size(), QSize(600, 200));
    // The line towards the point at -0.4 leaves through the bottom edge.
    int bottomBlack = 0;
    for (int x = 0; x < 600; ++x) bottomBlack += image.pixel(x, 199) == kBlack;
    EXPECT_GT(bottomBlack, 0);
    EXPECT_EQ(image.pixel(30, 100), kBlack);
    EXPECT_EQ(image.pixel(84, 81), kBlack);
}

TEST(AirfoilPreview, RedrawReplacesAPictureOfAnotherSize) {
    QImage image(17, 3, QImage::Format_Mono);
    drawAirfoilPreview(image, exampleSection(), false);
    EXPECT_EQ(image.size(), QSize(600, 200));
    EXPECT_EQ(image.pixel(570, 100), kBlack);
}
