// A whole wing panel from the job to every file: 40 ribs along a swept 900 mm half-span, each
// blended from a cambered root airfoil into a symmetric tip one, a straight spar notched into
// every rib, then the sheet, the coordinates, the drawing, the print with its building plan, the
// laser files and the rib table. Target (CPU time): within 0.3 s.
#include "export/output_formats.h"
#include "panel/control_table.h"
#include "sheet/job_series.h"
#include "sheet/rib_job.h"
#include "sheet/rib_sheet.h"
#include "support/airfoil_sections.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

rw::RibJob panelJob() {
    rw::AirfoilState airfoil;
    airfoil.name = QStringLiteral("NACA 2412");
    airfoil.profile = rw::test::nacaSection(0.02, 0.4, 0.12, 100, 100);
    rw::RibSettings settings = rw::defaultRibSettings(QLatin1Char('.'));
    settings.rootChordText = QStringLiteral("220");
    settings.tipChordText = QStringLiteral("140");
    rw::SparNotch spar;
    spar.position = 50;
    spar.positionInMm = true;
    spar.straightLine = true;
    spar.tipPosition = 30;
    spar.tipPositionInMm = true;
    spar.width = 3;
    spar.depth = 6;
    settings.features.sparNotches.push_back(spar);
    rw::WingPanel& panel = settings.panel;
    panel.halfSpan = 900;
    panel.sweep = 60;
    panel.stations.count = 40;
    panel.tipAirfoil = rw::test::nacaSection(0, 0.4, 0.12, 90, 90);
    rw::LastReadSettings lastRead;
    return rw::readRibJob(settings, airfoil, lastRead).job;
}

void writeWholePanel(benchmark::State& state, bool laserShop) {
    const rw::RibJob typed = panelJob();
    QTemporaryDir folder;
    rw::OutputOptions options;
    options.plan = true;
    if (laserShop) {
        options.nest = true;
        options.kerf = 0.2;
        options.sides = rw::RibSides::Both;
    }
    for (auto _ : state) {
        rw::RibJob job = typed;
        const rw::RibSeries series = rw::buildJobSeries(job, rw::SeriesPieces::Always);
        QImage sheet;
        rw::drawRibSheet(sheet, QSize(1600, 1000), job, series);
        rw::DxfAttributes attributes;
        const rw::OutputSource source{job, series, options, sheet, attributes};
        for (const rw::OutputFormatRow& format : rw::outputFormats()) {
            format.check(source);
            format.save(QDir(folder.path()).filePath(QStringLiteral("panel") + format.extension),
                        source);
        }
    }
}

}  // namespace

BENCHMARK_CAPTURE(writeWholePanel, plain, false)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
// Both sides nested on the stock with the kerf: 80 parts. Target: within 1 s.
BENCHMARK_CAPTURE(writeWholePanel, nested_both_sides_kerf, true)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
