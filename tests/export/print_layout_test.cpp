// How the true-scale print puts ribs on pages: whole where a page holds them, in order, with two
// registration marks on every seam, clear of the parts. The seams are taken here from the tiles
// themselves, the middle of each overlap, not from the plan's own seam functions.
#include "export/print_pages.h"
#include "export/print_plan.h"
#include "export/workshop_layout.h"

#include "airfoil/airfoil_parser.h"
#include "support/rib_jobs.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cmath>

using namespace rw;

namespace {

struct Case {
    double root, tip;
    int ribs;
    QSizeF paper;
};

const Case kCases[] = {{220, 140, 14, {210, 297}}, {220, 140, 14, {297, 420}},
                       {200, 200, 12, {210, 297}}, {200, 200, 12, {297, 420}},
                       {400, 400, 3, {210, 297}},  {700, 100, 10, {210, 297}}};

PrintPlan planFor(const Case& c) {
    AirfoilState airfoil;
    QFile f(QStringLiteral(RIBWRIGHT_TEST_DATA "/naca2412_two_surface.dat"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    airfoil.text = QString::fromLatin1(f.readAll());
    parseAirfoilText(airfoil, QLatin1Char('.'));
    const RibJob job =
        test::ribJob(airfoil, test::ribParameters(c.root, c.tip, c.ribs), RibFeatures{});
    return planPrint(buildWorkshopRibs(test::ribSeries(job, SeriesPieces::Always)), c.paper);
}

double verticalSeam(const PrintPlan& plan, int column) {
    return (plan.tileOnSheet(column, 0).right() + plan.tileOnSheet(column + 1, 0).left()) / 2;
}

double horizontalSeam(const PrintPlan& plan, int row) {
    return (plan.tileOnSheet(0, row).bottom() + plan.tileOnSheet(0, row + 1).top()) / 2;
}

bool crossedBySeam(const PrintPlan& plan, const QRectF& box) {
    for (int column = 0; column + 1 < plan.columns; ++column) {
        const double x = verticalSeam(plan, column);
        if (box.left() < x && x < box.right())
            return true;
    }
    for (int row = 0; row + 1 < plan.rows; ++row) {
        const double y = horizontalSeam(plan, row);
        if (box.top() < y && y < box.bottom())
            return true;
    }
    return false;
}

int pageOf(const PrintPlan& plan, QPointF point) {
    for (int row = 0; row < plan.rows; ++row) {
        for (int column = 0; column < plan.columns; ++column) {
            if (plan.trimmedTile(column, row).contains(point))
                return row * plan.columns + column;
        }
    }
    return -1;
}

QRectF markBox(QPointF centre) {
    const double reach = 5;
    return QRectF(centre - QPointF(reach, reach), centre + QPointF(reach, reach));
}

}  // namespace

// Every rib as short as the chosen page is wide lies on one page, off every seam; the pages are
// filled one after the other from the root; no two ribs overlap; every page a rib shows on is
// printed; an A4 page turns for ribs of 220 mm that a portrait page would split.
TEST(PrintLayout, RibsThatFitAPageStayWholeAndInOrder) {
    for (const Case& c : kCases) {
        const PrintPlan plan = planFor(c);
        SCOPED_TRACE(QStringLiteral("%1-%2 on %3")
                         .arg(c.root)
                         .arg(c.tip)
                         .arg(c.paper.width())
                         .toStdString());
        const double pageWidth = plan.tileOnPage().width();
        int lastPage = 0;
        for (std::size_t i = 0; i < plan.layout.ribs.size(); ++i) {
            const QRectF box = print_pages::ribBox(plan.layout.ribs[i]);
            if (box.width() + 2 * PrintPlan::kRibGap <= pageWidth) {
                EXPECT_FALSE(crossedBySeam(plan, box)) << "rib " << i + 1;
                const int page = pageOf(plan, box.topLeft());
                EXPECT_GE(page, lastPage) << "rib " << i + 1;
                lastPage = page;
            }
            EXPECT_GE(box.left(), 0);
            EXPECT_LE(box.right(), plan.tileOnSheet(plan.columns - 1, 0).right());
            EXPECT_LE(box.bottom(), plan.tileOnSheet(0, plan.rows - 1).bottom());
            // Blank pages are left out, never one with a part of a rib on it.
            for (int row = 0; row < plan.rows; ++row) {
                for (int column = 0; column < plan.columns; ++column) {
                    if (box.intersects(plan.trimmedTile(column, row)))
                        EXPECT_TRUE(plan.isPrinted(column, row)) << "rib " << i + 1;
                }
            }
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(box.intersects(print_pages::ribBox(plan.layout.ribs[j])));
        }
        if (c.root == 220)
            EXPECT_EQ(plan.landscape, c.paper.width() == 210);
    }
}

// Each seam between two neighbouring pages carries two marks, apart, shown whole on both pages,
// and clear of every rib, of the calibration bars and of the page map; the map lies on page 1.
TEST(PrintLayout, TwoMarksOnEverySeamClearOfEveryPart) {
    for (const Case& c : kCases) {
        const PrintPlan plan = planFor(c);
        SCOPED_TRACE(QStringLiteral("%1-%2 on %3")
                         .arg(c.root)
                         .arg(c.tip)
                         .arg(c.paper.width())
                         .toStdString());
        // The bars: from the instruction above them to the inch bar.
        const QRectF bars(PrintPlan::kRibGap, PrintPlan::kRibGap, 100, 17);
        std::vector<QRectF> parts{plan.pageMap, bars};
        EXPECT_TRUE(plan.trimmedTile(0, 0).contains(plan.pageMap));
        EXPECT_FALSE(plan.pageMap.intersects(bars));
        for (const WorkshopRib& rib : plan.layout.ribs) {
            parts.push_back(print_pages::ribBox(rib));
            EXPECT_FALSE(plan.pageMap.intersects(parts.back()));
        }

        std::size_t counted = 0;
        for (int row = 0; row < plan.rows; ++row) {
            for (int column = 0; column < plan.columns; ++column) {
                const QRectF here = plan.tileOnSheet(column, row);
                for (const bool right : {true, false}) {
                    if ((right && column + 1 == plan.columns) || (!right && row + 1 == plan.rows))
                        continue;
                    const QRectF there = right ? plan.tileOnSheet(column + 1, row)
                                               : plan.tileOnSheet(column, row + 1);
                    std::vector<QPointF> onSeam;
                    for (const QPointF& mark : plan.marks) {
                        const bool onLine =
                            right ? std::abs(mark.x() - verticalSeam(plan, column)) < 1e-6
                                  : std::abs(mark.y() - horizontalSeam(plan, row)) < 1e-6;
                        if (onLine && here.contains(markBox(mark)) && there.contains(markBox(mark)))
                            onSeam.push_back(mark);
                    }
                    ASSERT_EQ(onSeam.size(), 2u) << "page " << row << "," << column;
                    const QPointF apart = onSeam[1] - onSeam[0];
                    EXPECT_GE(std::max(std::abs(apart.x()), std::abs(apart.y())), 10);
                    counted += 2;
                }
            }
        }
        EXPECT_EQ(counted, plan.marks.size());
        for (const QPointF& mark : plan.marks) {
            for (const QRectF& part : parts) EXPECT_FALSE(part.intersects(markBox(mark)));
        }
    }
}
