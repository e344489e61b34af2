// Placement of ribs for the workshop outputs, and the sample files that
// check_workshop_files.py measures in outside readers (poppler, librsvg, ezdxf, shapely).
#include "export/cut_dxf_writer.h"
#include "export/dxf_writer.h"
#include "export/laser_svg_writer.h"
#include "export/print_plan.h"
#include "export/true_scale_pdf_writer.h"

#include "airfoil/airfoil_parser.h"
#include "geometry/rib_features.h"
#include "platform/errors.h"
#include "support/rib_jobs.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainterPath>

#include <gtest/gtest.h>

#include <cmath>

using namespace rw;

namespace {

AirfoilState airfoilFile(const QString& name) {
    AirfoilState airfoil;
    QFile f(QStringLiteral(RIBWRIGHT_TEST_DATA "/") + name);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    airfoil.text = QString::fromLatin1(f.readAll());
    parseAirfoilText(airfoil, QLatin1Char('.'));
    return airfoil;
}

AirfoilState naca2412() {
    return airfoilFile(QStringLiteral("naca2412_two_surface.dat"));
}

// The job of NACA 2412 from `root` to `tip` mm in `count` ribs, with `features`.
RibJob job(const AirfoilState& airfoil, double root, double tip, int count,
           const RibFeatures& features = {}) {
    return test::ribJob(airfoil, test::ribParameters(root, tip, count), features);
}

std::vector<WorkshopRib> workshopRibs(const RibJob& job) {
    return buildWorkshopRibs(test::ribSeries(job, SeriesPieces::Always));
}

WorkshopLayout stockLayout(const RibJob& job, QSizeF stock) {
    return layoutOnStock(job, test::ribSeries(job, SeriesPieces::Always), stock);
}

// The material of the piece as Qt's own geometry sees it: outer contour less the holes.
QPainterPath material(const RibCut& cut) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const MmRing* ring : [&] {
             std::vector<const MmRing*> rings{&cut.outer};
             for (const MmRing& hole : cut.holes) rings.push_back(&hole);
             return rings;
         }()) {
        path.addPolygon(QPolygonF(QList<QPointF>(ring->begin(), ring->end())));
        path.closeSubpath();
    }
    return path;
}

double lengthOf(const MarkSegment& part) {
    return std::hypot(part.to.x() - part.from.x(), part.to.y() - part.from.y());
}

// The length of the line from `from` to `to` that lies on the material, sampled every 0.05 mm.
double lengthOnMaterial(const QPainterPath& path, QPointF from, QPointF to) {
    const double length = std::hypot(to.x() - from.x(), to.y() - from.y());
    const int steps = int(length / 0.05);
    int inside = 0;
    for (int i = 0; i < steps; ++i) {
        if (path.contains(from + (to - from) * ((i + 0.5) / steps)))
            ++inside;
    }
    return length * inside / steps;
}

bool overlap(const QRectF& a, const QRectF& b) {
    return a.intersected(b).width() > 0 && a.intersected(b).height() > 0;
}

QRectF onSheet(const WorkshopRib& rib) {
    const QPointF topLeft = rib.onSheet(QPointF(rib.footprint.left, rib.footprint.top));
    return QRectF(topLeft, QSizeF(rib.footprint.width(), rib.footprint.height()));
}

}  // namespace

// Every rib lies on its sheet a gap from the edges and from every other rib; a smaller stock
// takes more sheets, and a rib larger than the stock is refused by its number.
TEST(WorkshopLayout, RibsKeepTheirGapOnEachStockSheet) {
    const AirfoilState airfoil = naca2412();
    for (QSizeF stock : {QSizeF(600, 300), QSizeF(330, 120)}) {
        const WorkshopLayout layout = stockLayout(job(airfoil, 150, 100, 16), stock);
        ASSERT_EQ(layout.ribs.size(), 16u);
        // 16 ribs of 20 mm or so fit the laser bed; a quarter of it takes more sheets, each used.
        EXPECT_EQ(layout.sheetCount > 1, stock.width() < 600);
        EXPECT_EQ(layout.ribs.back().sheet, layout.sheetCount - 1);
        const QRectF usable =
            QRectF(QPointF(0, 0), stock).adjusted(kStockGap, kStockGap, -kStockGap, -kStockGap);
        for (const WorkshopRib& a : layout.ribs) {
            EXPECT_TRUE(usable.contains(onSheet(a))) << "rib " << a.ribNumber;
            for (const WorkshopRib& b : layout.ribs) {
                if (a.ribNumber < b.ribNumber && a.sheet == b.sheet) {
                    EXPECT_FALSE(overlap(
                        onSheet(a).adjusted(0, 0, kStockGap - 1e-6, kStockGap - 1e-6), onSheet(b)))
                        << a.ribNumber << " and " << b.ribNumber;
                }
            }
        }
    }
    try {
        stockLayout(job(airfoil, 150, 100, 3), QSizeF(120, 300));
        FAIL() << "a 150 mm rib was placed on 120 mm stock";
    } catch (const RibwrightError& e) {
        EXPECT_TRUE(e.text().startsWith(QStringLiteral("リブ 1 (1"))) << e.what();
    }
    EXPECT_EQ(stockSheetPath(QStringLiteral("/a.b/wing.svg"), 0), QStringLiteral("/a.b/wing.svg"));
    EXPECT_EQ(stockSheetPath(QStringLiteral("/a.b/wing.svg"), 2),
              QStringLiteral("/a.b/wing-3.svg"));
    EXPECT_EQ(stockSheetPath(QStringLiteral("/a.b/wing"), 1), QStringLiteral("/a.b/wing-2"));
}

// Lightening holes next to the spar push the engraved rib number to the spar line's other side,
// off every hole.
TEST(WorkshopLayout, RibNumbersStayOffTheHoles) {
    RibFeatures features;
    features.sparNotches = {parseSparNotchOption(QStringLiteral("30:3x4"))};
    features.holes = parseHolesOption(QStringLiteral("60:2"));
    const std::vector<WorkshopRib> ribs = workshopRibs(job(naca2412(), 150, 100, 10, features));
    int holes = 0;
    for (const WorkshopRib& rib : ribs) {
        const double digits = QString::number(rib.ribNumber).size();
        const QRectF text(rib.numberAt.x(), rib.numberAt.y(), digits * kRibNumberHeight,
                          kRibNumberHeight);
        for (const MmRing& hole : rib.cut.holes) {
            ++holes;
            for (const QPointF& p : hole) EXPECT_FALSE(text.contains(p)) << "rib " << rib.ribNumber;
        }
    }
    EXPECT_GT(holes, 10);
}

// With a notch in the bottom at the spar, where the number used to sit half in the gap, every
// number lies on its piece with half a millimetre of material round it (a smaller size on the
// thinnest ribs), and the engraved spar line runs only over material, all of the material it
// crosses.
TEST(WorkshopLayout, NumbersAndMarksStayOnTheNotchedPiece) {
    const struct {
        const char* file;
        double root, tip;
        const char* notch;
    } cases[] = {{"naca2412_two_surface.dat", 150, 60, "30:6x3:bottom"},
                 {"naca0012_loop.dat", 120, 60, "30:6x3:bottom"},
                 {"naca0012_loop.dat", 60, 45, "30:6x1:bottom"}};
    int smaller = 0;
    for (const auto& c : cases) {
        RibFeatures features;
        features.sparNotches = {parseSparNotchOption(QString::fromLatin1(c.notch))};
        features.holes = parseHolesOption(QStringLiteral("60:2"));
        const AirfoilState airfoil = airfoilFile(QString::fromLatin1(c.file));
        for (const WorkshopRib& rib : workshopRibs(job(airfoil, c.root, c.tip, 12, features))) {
            SCOPED_TRACE(std::string(c.file) + " rib " + std::to_string(rib.ribNumber));
            const QPainterPath piece = material(rib.cut);
            const MmBox box = ribNumberBox(rib);
            // The box grown by the clearance, corners rounded: what must be material.
            QPainterPath room;
            const double c = kRibNumberClearance - 0.01;
            room.addRoundedRect(
                QRectF(box.left - c, box.bottom - c, box.width() + 2 * c, box.height() + 2 * c), c,
                c);
            EXPECT_TRUE(piece.contains(room));
            EXPECT_GE(rib.numberHeight, kSmallestRibNumberHeight);
            EXPECT_LE(rib.numberHeight, kRibNumberHeight);
            smaller += rib.numberHeight < kRibNumberHeight;

            // The spar line: every part on material, all the material it crosses drawn.
            double drawn = 0;
            for (const MarkSegment& part : rib.sparMarks) {
                EXPECT_NEAR(lengthOnMaterial(piece, part.from, part.to), lengthOf(part), 0.06);
                drawn += lengthOf(part);
            }
            const QPointF low(rib.sparX, rib.sparLow), high(rib.sparX, rib.sparHigh);
            EXPECT_NEAR(drawn, lengthOnMaterial(piece, low, high), 0.1);
            EXPECT_LT(drawn, rib.sparHigh - rib.sparLow - 2);
        }
    }
    EXPECT_GT(smaller, 0);
}

// The pages cover the whole virtual sheet with overlaps of at least 10 mm, and ribs too wide for
// a portrait A4 tile turn the paper, so that those a landscape page holds stay whole.
TEST(PrintPlan, PagesCoverTheSheetWithOverlapsAndTurnWhenThatSavesPages) {
    const AirfoilState airfoil = naca2412();
    for (const double root : {150, 250, 700}) {
        const PrintPlan plan =
            planPrint(workshopRibs(job(airfoil, root, 100, 10)), QSizeF(210, 297));
        SCOPED_TRACE(root);
        const QRectF last = plan.tileOnSheet(plan.columns - 1, plan.rows - 1);
        EXPECT_GE(last.right(), plan.layout.sheetSize.width());
        EXPECT_GE(last.bottom(), plan.layout.sheetSize.height());
        if (plan.columns > 1) {
            EXPECT_GE(plan.tileOnSheet(0, 0).right() - plan.tileOnSheet(1, 0).left(), 10);
        }
        if (plan.rows > 1) {
            EXPECT_GE(plan.tileOnSheet(0, 0).bottom() - plan.tileOnSheet(0, 1).top(), 10);
        }
        EXPECT_EQ(plan.landscape, root != 150);
    }
}

// Writes the three workshop files of a tapered NACA 2412 series, plain and with rib features,
// into RIBWRIGHT_WORKSHOP_SAMPLES for check_workshop_files.py; without that folder there is
// nothing to measure.
TEST(WorkshopFiles, WriteSamples) {
    const QString folder = qEnvironmentVariable("RIBWRIGHT_WORKSHOP_SAMPLES");
    if (folder.isEmpty())
        GTEST_SKIP() << "RIBWRIGHT_WORKSHOP_SAMPLES is not set";
    const RibJob plain = job(naca2412(), 150, 100, 10);
    const RibSeries plainSeries = test::ribSeries(plain, SeriesPieces::Always);
    auto write = [&](const QString& name, const std::function<void(QIODevice&)>& writer) {
        QFile file(QDir(folder).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        writer(file);
    };
    write("print-A4.pdf",
          [&](QIODevice& d) { writeTrueScalePdf(plain, plainSeries, PaperSize::A4, d); });
    write("print-Letter.pdf",
          [&](QIODevice& d) { writeTrueScalePdf(plain, plainSeries, PaperSize::Letter, d); });
    const WorkshopLayout stock = layoutOnStock(plain, plainSeries, QSizeF(600, 300));
    ASSERT_EQ(stock.sheetCount, 1);
    write("laser.svg", [&](QIODevice& d) { writeLaserSvg(stock, 0, d); });
    write("cut.dxf", [&](QIODevice& d) { writeCutDxf(stock, 0, d); });
    // The drawing places each rib's frame for the measurements: the cut files engrave only the
    // chord line's parts on the piece.
    const auto writeDrawing = [&](const QString& name, const RibJob& job, const RibSeries& series) {
        DxfAttributes attributes;
        write(name, [&](QIODevice& d) { writeDxf(d, job, series, attributes); });
    };
    writeDrawing("drawing.dxf", plain, plainSeries);

    // The same series with a 3 x 6 mm spar notch at 30 % in the top and lightening holes of 60 %
    // of the rib height keeping a 2 mm web.
    RibFeatures features;
    features.sparNotches.push_back({30, false, 3, 6, NotchSide::Top});
    features.holes = {true, 60, 2};
    const RibJob notchedJob = job(naca2412(), 150, 100, 10, features);
    const RibSeries notchedSeries = test::ribSeries(notchedJob);
    write("notched-A4.pdf",
          [&](QIODevice& d) { writeTrueScalePdf(notchedJob, notchedSeries, PaperSize::A4, d); });
    const WorkshopLayout notched = layoutOnStock(notchedJob, notchedSeries, QSizeF(600, 300));
    ASSERT_EQ(notched.sheetCount, 1);
    write("notched.svg", [&](QIODevice& d) { writeLaserSvg(notched, 0, d); });
    write("notched-cut.dxf", [&](QIODevice& d) { writeCutDxf(notched, 0, d); });
    writeDrawing("notched-drawing.dxf", notchedJob, notchedSeries);
}
