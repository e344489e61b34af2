// Work that grows with what the user asks for, measured at and past its limits. Spar notches are
// cut as one region: the fifty a rib may take, through the series as every output makes it; a
// thousand in a direct call of the cut (spread along the chord, and one notch given a thousand
// times); and a thousand through the series, which the limit refuses before any cut. The
// true-scale print of a 5000 mm root chord (260 A4 pages) draws only what lies on each page. The
// number of a huge holed rib is placed looking only at the edges near its search window.
// Targets (medians): every notch case and the huge rib's number under 1 s, the print under 10 s.
#include "export/print_plan.h"
#include "export/true_scale_pdf_writer.h"
#include "export/workshop_layout.h"
#include "geometry/features/rib_piece.h"
#include "geometry/features/spar_notch.h"
#include "geometry/rib_series.h"
#include "panel/control_table.h"
#include "platform/errors.h"
#include "sheet/rib_job.h"
#include "support/airfoil_sections.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

namespace {

rw::RibJob nacaJob(const char* rootChord, const char* ribCount) {
    rw::AirfoilState airfoil;
    airfoil.name = QStringLiteral("NACA 2412");
    airfoil.profile = rw::test::nacaSection(0.02, 0.4, 0.12, 100, 100);
    rw::RibSettings panel = rw::defaultRibSettings(QLatin1Char('.'));
    panel.rootChordText = QString::fromLatin1(rootChord);
    panel.ribCountText = QString::fromLatin1(ribCount);
    rw::LastReadSettings lastRead;
    return rw::readRibJob(panel, airfoil, lastRead).job;
}

// `count` top notches 0.1 mm wide and 0.3 mm deep, 0.15 mm apart from 10 % of the chord on,
// or `count` copies of one notch at 30 %.
std::vector<rw::SparNotch> notches(int count, bool spread, double chord) {
    std::vector<rw::SparNotch> list;
    for (int i = 0; i < count; ++i) {
        const double position = spread ? 0.1 * chord + 0.15 * i : 0.3 * chord;
        list.push_back({position, true, 0.1, 0.3, rw::NotchSide::Top});
    }
    return list;
}

void notchesThroughTheSeries(benchmark::State& state, int count) {
    rw::RibJob job = nacaJob("180", "1");
    job.features.sparNotches = notches(count, true, 180);
    for (auto _ : state) {
        try {
            const rw::RibSeries series = rw::buildRibSeries(job.airfoil.profile, job.params,
                                                            job.features, rw::SeriesPieces::Always);
            benchmark::DoNotOptimize(series.ribs.front().piece.outer.data());
        } catch (const rw::RibwrightError&) {
            state.SetLabel("refused");
        }
    }
}

void notchesInADirectCut(benchmark::State& state, int count, bool spread) {
    const rw::RibJob job = nacaJob("180", "1");
    const rw::RibSeries plain =
        rw::buildRibSeries(job.airfoil.profile, job.params, {}, rw::SeriesPieces::Always);
    const rw::SeriesRib& rib = plain.ribs.front();
    const std::vector<rw::SparNotch> list = notches(count, spread, rib.shape.ribChord);
    for (auto _ : state) {
        rw::RibPiece piece(rib.piece, rib.shape.ribChord, rib.number);
        rw::cutSparNotchRegions(piece, list);
        benchmark::DoNotOptimize(piece.cut().outer.data());
    }
}

void printFiveMetreRootChord(benchmark::State& state) {
    const rw::RibJob job = nacaJob("5000", "8");
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        const rw::RibSeries series = rw::buildRibSeries(job.airfoil.profile, job.params,
                                                        job.features, rw::SeriesPieces::Always);
        rw::writeTrueScalePdf(job, series, rw::PaperSize::A4, buffer);
        benchmark::DoNotOptimize(bytes.constData());
        state.counters["pages"] =
            rw::planPrint(rw::buildWorkshopRibs(series), QSizeF(210, 297)).pageCount();
    }
}

// A rib 150 m long with lightening holes metres across: its number's usual place lies in a hole,
// so a place is searched for, among hole edges of thousands of points.
void numberOnAHugeHoledRib(benchmark::State& state) {
    rw::RibJob job = nacaJob("150200", "1");
    job.features.holes = {true, 60, 2};
    job.features.trailingEdge.cut = rw::TrailingEdgeCut::Flat;
    job.features.trailingEdge.distance = 5;
    const rw::RibSeries series =
        rw::buildRibSeries(job.airfoil.profile, job.params, job.features, rw::SeriesPieces::Always);
    for (auto _ : state) {
        const std::vector<rw::WorkshopRib> ribs = rw::buildWorkshopRibs(series);
        benchmark::DoNotOptimize(ribs.front().numberAt);
    }
}

}  // namespace

BENCHMARK(numberOnAHugeHoledRib)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(notchesThroughTheSeries, at_the_limit_50, int(rw::kMaxSparNotches))
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(notchesThroughTheSeries, refused_1000, 1000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(notchesInADirectCut, spread_1000, 1000, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(notchesInADirectCut, repeated_1000, 1000, false)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(printFiveMetreRootChord)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
