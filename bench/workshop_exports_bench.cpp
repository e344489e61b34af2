// The three workshop files written whole, from the airfoil and the settings to the bytes: the
// cut contours, the layout and the writer. 16 ribs of a 200-point section. Target (medians):
// each file within 50 ms, so that an export of the whole series feels immediate.
#include "export/workshop_exports.h"
#include "geometry/read_rib_parameters.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// A cambered four-digit-series section (2412) in loop order: 100 cosine-spaced stations on each
// surface, 200 points in all, the trailing edge closed.
rw::AirfoilProfile section2412() {
    const double camber = 0.02, camberAt = 0.4, thickness = 0.12;
    rw::AirfoilProfile profile;
    auto add = [&](double x, bool upper) {
        const double half = 5 * thickness *
                            (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x +
                             0.2843 * x * x * x - 0.1036 * x * x * x * x);
        const double mean = x < camberAt
                                ? camber / (camberAt * camberAt) * (2 * camberAt * x - x * x)
                                : camber / ((1 - camberAt) * (1 - camberAt)) *
                                      (1 - 2 * camberAt + 2 * camberAt * x - x * x);
        profile.x.push_back(float(x));
        profile.y.push_back(float(upper ? mean + half : mean - half));
    };
    for (int i = 0; i < 100; ++i) add(0.5 * (1 + std::cos(M_PI * i / 100)), true);
    for (int i = 0; i < 100; ++i) add(0.5 * (1 - std::cos(M_PI * (i + 1) / 100)), false);
    return profile;
}

struct Inputs {
    rw::AirfoilState airfoil;
    rw::RibParameters params;
    Inputs() {
        airfoil.name = QStringLiteral("NACA 2412");
        airfoil.profile = section2412();
        rw::RibPanelSnapshot panel;
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
