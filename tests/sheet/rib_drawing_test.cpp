#include "sheet/rib_drawing.h"
#include "geometry/compute_rib_outline.h"
#include "geometry/interpolate_rib.h"
#include "sheet/point_marker.h"
#include "sheet/sheet_fonts.h"
#include "sheet_test_support.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace rw;
using namespace rw::test;

namespace {

const QColor kSkin(192, 192, 192);
const QColor kRib(0, 0, 0);
const QColor kGrid(255, 0, 0);

// A root and a tip rib with round numbers: root chord 150, tip 100, spar at 30 %, 3 pixels per
// millimetre, column at 50.
struct RibExample {
    QImage sheet{1000, 900, QImage::Format_RGB32};
    RibParameters params;
    RibStyle style;
    AirfoilProfile profile = exampleSection();

    RibExample() {
        sheet.setDotsPerMeterX(3780);
        sheet.setDotsPerMeterY(3780);
        sheet.fill(Qt::white);
        params.rootChord = 150;
        params.tipChord = 100;
        params.taperOn = true;
        params.ribCount = 2;  // rib 1 has the root chord, rib 2 the tip chord
        params.skinThickness = 1;
        params.sparPercent = 30;
        params.rootThicknessFactor = params.tipThicknessFactor = 1;
        style.pixelsPerMm = 3;
        style.rootChord = 150;
        style.sparPercent = 30;
        style.skinColour = kSkin;
        style.ribColour = kRib;
        style.gridColour = kGrid;
    }

    SeriesRib rib(int k) const {
        return buildRibSeries(profile, params, {}, SeriesPieces::WhenFeatured).ribs.at(k - 1);
    }

    RibMetrics draw(int k, int originY) {
        const SeriesRib rib = this->rib(k);
        QPainter painter(&sheet);
        painter.setRenderHint(QPainter::Antialiasing, true);
        const SheetFonts fonts(&sheet);
        RibDrawer drawer(painter, sheet, style, fonts);
        return drawer.draw(rib, 50, originY);
    }

    bool grid(int x, int y) const { return isColour(sheet.pixel(x, y), kGrid); }
    bool black(int x, int y) const { return isColour(sheet.pixel(x, y), kRib); }
};

int blackish(const QImage& image, QRect area) {
    return countPixels(image, area,
                       [](QRgb c) { return qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100; });
}

}  // namespace

TEST(RibDrawing, RootRibOfTheExample) {
    RibExample ex;
    const RibMetrics m = ex.draw(1, 170);
    EXPECT_EQ(m.leadingEdgeX, 50);
    EXPECT_EQ(m.sparX, 185);
    // 0.06 and -0.025 of 150 mm at 3 px/mm above and below row 170.
    EXPECT_EQ(m.topY, 143);
    EXPECT_EQ(m.bottomY, 181);

    // The spar line: one column, full strength, over the airfoil's whole height (crossed by the
    // chord line and a grid line, drawn after it).
    for (int y = 143; y <= 181; ++y)
        EXPECT_TRUE(y == 155 || y == 170 ? ex.grid(185, y) : ex.black(185, y)) << y;
    EXPECT_TRUE(isWhite(ex.sheet.pixel(184, 160)));
    EXPECT_TRUE(isWhite(ex.sheet.pixel(186, 160)));
    // Its number at (sparX + 10, originY - 20).
    EXPECT_GT(blackish(ex.sheet, QRect(195, 150, 15, 25)), 0);

    // The chord line from x 20 to 520, and the grid lines 15 and 30 pixels above it.
    for (int y : {170, 155, 140}) {
        for (int x = 20; x <= 520; x += 50) EXPECT_TRUE(ex.grid(x, y)) << x << "," << y;
        EXPECT_TRUE(ex.grid(520, y));
        EXPECT_FALSE(ex.grid(19, y));
        EXPECT_FALSE(ex.grid(521, y));
    }
    EXPECT_FALSE(ex.grid(300, 185));  // nothing below the chord line

    // 17 vertical lines, x 50 to 530 every 30, from the top to the bottom of the airfoil.
    for (int j = 0; j <= 16; ++j) {
        const int x = 50 + 30 * j;
        for (int y = 143; y <= 181; ++y) EXPECT_TRUE(ex.grid(x, y)) << x << "," << y;
        EXPECT_FALSE(ex.grid(x, 142));
        EXPECT_FALSE(ex.grid(x, 182));
    }
    EXPECT_FALSE(ex.grid(560, 160));
}

TEST(RibDrawing, TipRibOfTheExampleKeepsTheSparInLine) {
    RibExample ex;
    const RibMetrics m = ex.draw(2, 400);
    EXPECT_EQ(m.leadingEdgeX, 95);
    EXPECT_EQ(m.sparX, 185);
    // The chord line keeps the root rib's length.
    EXPECT_TRUE(ex.grid(20, 400));
    EXPECT_TRUE(ex.grid(520, 400));
    EXPECT_FALSE(ex.grid(521, 400));
    // 12 vertical lines, x 50 to 380: the grid ends 5 mm before the trailing edge at 395.
    const int y = 395;
    for (int j = 0; j <= 11; ++j) EXPECT_TRUE(ex.grid(50 + 30 * j, y)) << j;
    EXPECT_FALSE(ex.grid(410, y));
    // The outline starts at the leading edge 95, not at the column's origin: the leftmost ink
    // beside the chord line and the grid columns.
    int leftmost = 1000;
    for (int row = 396; row <= 404; ++row) {
        if (row == 400)
            continue;
        for (int x = 55; x < 140; ++x) {
            if ((x - 50) % 30 == 0)
                continue;
            if (!isWhite(ex.sheet.pixel(x, row)))
                leftmost = std::min(leftmost, x);
        }
    }
    EXPECT_GE(leftmost, 94);
    EXPECT_LE(leftmost, 96);
}

TEST(RibDrawing, CheckBoxesOffLeaveOnlyTheChordLineBesideTheOutlines) {
    RibExample ex;
    ex.style.showSparLine = false;
    ex.style.showGrid = false;
    ex.draw(1, 170);
    // No spar line, no number.
    EXPECT_TRUE(isWhite(ex.sheet.pixel(185, 160)));
    EXPECT_EQ(blackish(ex.sheet, QRect(195, 150, 15, 25)), 0);
    // The chord line only: no grid colour on any other row.
    for (int y = 0; y < 900; ++y) {
        const int red =
            countPixels(ex.sheet, QRect(0, y, 1000, 1), [](QRgb c) { return isColour(c, kGrid); });
        EXPECT_EQ(red, y == 170 ? 501 : 0) << y;
    }
}

TEST(RibDrawing, PointMarksOnlyWhenAskedAndOnlyAroundSurfacePoints) {
    RibExample plain, marked;
    marked.style.showPoints = true;
    plain.draw(1, 170);
    marked.draw(1, 170);

    const SeriesRib rib = plain.rib(1);
    std::vector<QPoint> points;
    for (std::size_t i = 0; i < rib.outline.surfaceX.size(); ++i)
        points.emplace_back(int(std::trunc(rib.outline.surfaceX[i] * 3.0 + 50)),
                            int(std::trunc(170 - rib.outline.surfaceY[i] * 3.0)));

    int differing = 0;
    for (int y = 0; y < 900; ++y) {
        for (int x = 0; x < 1000; ++x) {
            if (plain.sheet.pixel(x, y) == marked.sheet.pixel(x, y))
                continue;
            ++differing;
            bool nearPoint = false;
            for (const QPoint& p : points)
                nearPoint |= std::abs(p.x() - x) <= 3 && std::abs(p.y() - y) <= 3;
            EXPECT_TRUE(nearPoint) << x << "," << y;
        }
    }
    EXPECT_GT(differing, int(points.size()) * 4);
    // The mark's stroke runs up to 3 pixels above the point, where no line passes at the top.
    const QPoint top = points[2];  // (0.5, 0.06): the highest point
    EXPECT_FALSE(isWhite(marked.sheet.pixel(top.x(), top.y() - 2)));
    EXPECT_TRUE(isWhite(plain.sheet.pixel(top.x(), top.y() - 2)));
}

TEST(RibDrawing, AnEmptyProfileSpansTheSparAndGridLinesAcrossTheSheet) {
    RibExample ex;
    ex.profile = AirfoilProfile{};
    const RibMetrics m = ex.draw(1, 450);
    EXPECT_EQ(m.topY, 100000);
    EXPECT_EQ(m.bottomY, -1);
    for (int y = 0; y < 900; y += 7) {
        EXPECT_TRUE(ex.black(185, y) || ex.grid(185, y)) << y;
        EXPECT_TRUE(ex.grid(50, y)) << y;
        EXPECT_TRUE(ex.grid(530, y)) << y;
    }
    EXPECT_FALSE(ex.grid(560, 300));
    // No outline, no marks: only the two line colours, the number's black and white.
    EXPECT_EQ(countPixels(ex.sheet, ex.sheet.rect(), [](QRgb c) { return isColour(c, kSkin); }), 0);
}

TEST(RibDrawing, GiganticChordDrawsOnlyTheGridLinesThatCanShow) {
    RibExample ex;
    ex.params.tipChord = 1e30;
    const RibMetrics m = ex.draw(2, 450);
    // The airfoil spans far beyond the sheet, so every grid line crosses it from top to bottom;
    // the lines up to the right edge are there.
    EXPECT_LT(m.topY, 0);
    EXPECT_GT(m.bottomY, 900);
    for (int x = 50; x < 1000; x += 30) EXPECT_TRUE(ex.grid(x, 600)) << x;
}

TEST(PointMarker, StampLooksLikeTheMarkDrawnInPlace) {
    const QColor colour(30, 120, 200);
    const PointMarker marker(colour);
    QImage stamped(40, 40, QImage::Format_RGB32);
    stamped.fill(QColor(250, 240, 10));
    QImage drawn = stamped.copy();
    marker.stamp(stamped, 20, 17);
    {
        QPainter p(&drawn);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(colour, 1));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(20.5, 17.5), 2.5, 2.5);
        p.drawLine(QPointF(20.5, 14.5), QPointF(20.5, 20.5));
    }
    int worst = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const QRgb a = stamped.pixel(x, y), b = drawn.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    }
    EXPECT_LE(worst, 2);
    // The stroke through the centre, the white inside, untouched corners.
    EXPECT_TRUE(isColour(stamped.pixel(20, 14), colour));
    EXPECT_TRUE(isWhite(stamped.pixel(19, 17)));
    EXPECT_EQ(stamped.pixel(16, 13), QColor(250, 240, 10).rgb());
}

TEST(PointMarker, StampIsClippedAtTheSheetsEdges) {
    const PointMarker marker(Qt::black);
    QImage sheet(10, 10, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    for (QPoint p : {QPoint(0, 0), QPoint(9, 9), QPoint(-3, 5), QPoint(12, 5), QPoint(5, -100)})
        marker.stamp(sheet, p.x(), p.y());
    EXPECT_FALSE(isWhite(sheet.pixel(0, 2)));  // the stroke below (0, 0)
    EXPECT_FALSE(isWhite(sheet.pixel(9, 7)));  // the stroke above (9, 9)
    EXPECT_FALSE(isWhite(sheet.pixel(0, 5)));  // the rim of (-3, 5)
    EXPECT_TRUE(isWhite(sheet.pixel(5, 0)));   // (5, -100) is far away
}
