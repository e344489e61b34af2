// The building plan after the rib pages: the print refuses it, before any file, for ribs no wing
// panel placed; and the sample prints that check_building_plan.py measures in poppler.
#include "export/export_texts.h"
#include "export/output_formats.h"
#include "export/true_scale_pdf_writer.h"

#include "airfoil/airfoil_parser.h"
#include "platform/errors.h"
#include "support/rib_jobs.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace rw;

namespace {

RibJob naca2412Job(double root, double tip, int count) {
    AirfoilState airfoil;
    QFile f(QStringLiteral(RIBWRIGHT_TEST_DATA "/naca2412_two_surface.dat"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    airfoil.text = QString::fromLatin1(f.readAll());
    parseAirfoilText(airfoil, QLatin1Char('.'));
    return test::ribJob(airfoil, test::ribParameters(root, tip, count));
}

// The ribs of `job` stood every 75 mm from the root, the leading edge swept back `sweep` mm over
// the span, two spar notches at 25 % and 60 % of each chord: straight edges through the ribs'
// ends, as the wing panel would place them.
RibSeries placedEvery75mm(const RibJob& job, double sweep) {
    RibSeries series = test::ribSeries(job, SeriesPieces::Always);
    const double span = 75.0 * double(series.ribs.size() - 1);
    for (SeriesRib& rib : series.ribs) {
        rib.station = 75.0 * (rib.number - 1);
        rib.leadingEdge = sweep * rib.station / span;
        const double chord = rib.shape.ribChord;
        rib.notchCentres = {0.25 * chord, 0.6 * chord};
    }
    const SeriesRib& root = series.ribs.front();
    const SeriesRib& tip = series.ribs.back();
    series.panelSet = true;
    series.panel.span = span;
    series.panel.leadingEdge = {{0, 0}, {span, sweep}};
    series.panel.trailingEdge = {{0, root.shape.ribChord},
                                 {span, tip.leadingEdge + tip.shape.ribChord}};
    return series;
}

QString printRefusal(const RibJob& job, const RibSeries& series, bool plan) {
    OutputOptions options;
    options.plan = plan;
    DxfAttributes attributes;
    const QImage sheet;
    try {
        outputFormat(OutputFormat::Pdf).check({job, series, options, sheet, attributes});
    } catch (const RibwrightError& error) {
        return error.text();
    }
    return QString();
}

}  // namespace

// A plan needs the span: without a panel, or with one of no span, the print's check refuses in
// the user's words; without the plan, or with a span, it passes.
TEST(BuildingPlan, PrintIsRefusedWithoutASpan) {
    const RibJob job = naca2412Job(150, 100, 4);
    const RibSeries unplaced = test::ribSeries(job, SeriesPieces::Always);
    EXPECT_EQ(printRefusal(job, unplaced, true), export_texts::buildingPlanNeedsSpan());
    EXPECT_EQ(printRefusal(job, unplaced, false), QString());

    RibSeries noSpan = placedEvery75mm(job, 20);
    noSpan.panel.span = 0;
    EXPECT_EQ(printRefusal(job, noSpan, true), export_texts::buildingPlanNeedsSpan());
    EXPECT_EQ(printRefusal(job, placedEvery75mm(job, 20), true), QString());
}

// Writes into RIBWRIGHT_PLAN_SAMPLES the prints check_building_plan.py measures: four ribs of
// NACA 2412 from 150 to 100 mm every 75 mm with and without the plan on A3 (one plan page), and
// seven ribs over 450 mm on A4 (a plan of several pages).
TEST(BuildingPlan, WriteSamples) {
    const QString folder = qEnvironmentVariable("RIBWRIGHT_PLAN_SAMPLES");
    if (folder.isEmpty())
        GTEST_SKIP() << "RIBWRIGHT_PLAN_SAMPLES is not set";
    const auto write = [&](const QString& name, const RibJob& job, const RibSeries& series,
                           PaperSize paper, bool plan) {
        QFile file(QDir(folder).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        writeTrueScalePdf(job, series, paper, file, plan);
    };
    const RibJob four = naca2412Job(150, 100, 4);
    const RibSeries fourPlaced = placedEvery75mm(four, 20);
    write("ribs-A3.pdf", four, fourPlaced, PaperSize::A3, false);
    write("plan-A3.pdf", four, fourPlaced, PaperSize::A3, true);
    const RibJob seven = naca2412Job(150, 90, 7);
    const RibSeries sevenPlaced = placedEvery75mm(seven, 40);
    write("ribs-A4.pdf", seven, sevenPlaced, PaperSize::A4, false);
    write("plan-A4.pdf", seven, sevenPlaced, PaperSize::A4, true);
}
