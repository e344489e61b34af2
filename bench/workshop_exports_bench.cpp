// The three workshop files written whole, from the job to the bytes: the series with its cut
// pieces, the layout and the writer. 16 ribs of a 200-point section, plain and with a spar notch
// and lightening holes. Target (medians): each file within 50 ms, so that an export of the whole
// series feels immediate.
#include "export/cut_dxf_writer.h"
#include "export/laser_svg_writer.h"
#include "export/true_scale_pdf_writer.h"
#include "geometry/rib_series.h"
#include "panel/control_table.h"
#include "sheet/rib_job.h"
#include "support/airfoil_sections.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

namespace {

rw::RibJob jobOf(bool featured) {
    rw::AirfoilState airfoil;
    airfoil.name = QStringLiteral("NACA 2412");
    airfoil.profile = rw::test::nacaSection(0.02, 0.4, 0.12, 100, 100);
    rw::RibSettings panel = rw::defaultRibSettings(QLatin1Char('.'));
    panel.ribCountText = QStringLiteral("16");
    if (featured) {
        panel.features.sparNotches.push_back({30, false, 3, 6, rw::NotchSide::Top});
        panel.features.holes = {true, 60, 2};
    }
    rw::LastReadSettings lastRead;
    return rw::readRibJob(panel, airfoil, lastRead).job;
}

enum class File { Pdf, Svg, CutDxf };

void writeWorkshopFile(benchmark::State& state, File file, bool featured) {
    const rw::RibJob job = jobOf(featured);
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        const rw::RibSeries series = rw::buildRibSeries(job.airfoil.profile, job.params,
                                                        job.features, rw::SeriesPieces::Always);
        if (file == File::Pdf) {
            rw::writeTrueScalePdf(job, series, rw::PaperSize::A4, buffer);
        } else {
            const rw::WorkshopLayout layout = rw::layoutOnStock(job, series, QSizeF(600, 300));
            for (int sheet = 0; sheet < layout.sheetCount; ++sheet) {
                if (file == File::Svg)
                    rw::writeLaserSvg(layout, sheet, buffer);
                else
                    rw::writeCutDxf(layout, sheet, buffer);
            }
        }
        benchmark::DoNotOptimize(bytes.constData());
    }
}

}  // namespace

BENCHMARK_CAPTURE(writeWorkshopFile, pdf_a4_16ribs_200points, File::Pdf, false)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(writeWorkshopFile, svg_600x300_16ribs_200points, File::Svg, false)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(writeWorkshopFile, cut_dxf_600x300_16ribs_200points, File::CutDxf, false)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(writeWorkshopFile, cut_dxf_notch_holes_16ribs_200points, File::CutDxf, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
