// The three workshop files written whole, from the airfoil and the settings to the bytes: the
// cut contours, the layout and the writer. 16 ribs of a 200-point section. Target (medians):
// each file within 50 ms, so that an export of the whole series feels immediate.
#include "export/workshop_exports.h"
#include "panel/control_table.h"
#include "sheet/read_rib_parameters.h"
#include "support/airfoil_sections.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

struct Inputs {
    rw::AirfoilState airfoil;
    rw::RibParameters params;
    Inputs() {
        airfoil.name = QStringLiteral("NACA 2412");
        airfoil.profile = rw::test::nacaSection(0.02, 0.4, 0.12, 100, 100);
        rw::RibSettings panel = rw::defaultRibSettings(QLatin1Char('.'));
        panel.ribCountText = QStringLiteral("16");
        rw::SheetSettings settings;
        rw::readRibParameters(panel, params, settings);
    }
};

enum class File { Pdf, Svg, CutDxf };

void writeWorkshopFile(benchmark::State& state, File file) {
    const Inputs in;
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (file == File::Pdf) {
            rw::writeTrueScalePdf(in.airfoil, in.params, rw::PaperSize::A4, buffer);
        } else {
            const rw::WorkshopLayout layout =
                rw::layoutOnStock(in.airfoil, in.params, QSizeF(600, 300));
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

BENCHMARK_CAPTURE(writeWorkshopFile, pdf_a4_16ribs_200points, File::Pdf)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(writeWorkshopFile, svg_600x300_16ribs_200points, File::Svg)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(writeWorkshopFile, cut_dxf_600x300_16ribs_200points, File::CutDxf)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
