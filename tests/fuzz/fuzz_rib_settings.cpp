// Feeds arbitrary rib settings, as a user could type them into the rib panel, the rib details,
// the wing panel and the workshop settings, through the reader, the rib series with its features
// and panel, the sheet and the CSV, DXF, cut DXF and rib table writers: nothing may crash, read
// or write out of bounds, or write a number that is not finite.
#include "export/laser_options.h"
#include "export/output_formats.h"
#include "geometry/features/feature_units.h"
#include "geometry/rib_features.h"
#include "geometry/wing/wing_panel_options.h"
#include "panel/control_table.h"
#include "platform/errors.h"
#include "sheet/job_series.h"
#include "sheet/rib_job.h"
#include "sheet/rib_sheet.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

// Each run stays small: a longer series only repeats the same rib arithmetic.
constexpr int kMaxRibs = 24;

// Never destroyed: the toolkit does not survive being torn down by the exit handlers.
QGuiApplication* application = nullptr;
std::unique_ptr<QTemporaryDir> folder;

// A cambered section of 20 points a surface, its leading edge repeated: a segment of zero length,
// which the corner offset treats apart.
rw::AirfoilState fuzzAirfoil() {
    rw::AirfoilState airfoil;
    airfoil.name = QStringLiteral("FUZZ 2412");
    for (int i = 0; i <= 20; ++i) {
        const double x = 0.5 * (1 + std::cos(M_PI * i / 20));
        airfoil.profile.x.push_back(float(x));
        airfoil.profile.y.push_back(float(0.06 * std::sqrt(x) * (1 - x) + 0.02 * x * (1 - x)));
    }
    airfoil.profile.x.push_back(0.0f);
    airfoil.profile.y.push_back(0.0f);
    for (int i = 1; i <= 20; ++i) {
        const double x = 0.5 * (1 - std::cos(M_PI * i / 20));
        airfoil.profile.x.push_back(float(x));
        airfoil.profile.y.push_back(float(-0.05 * std::sqrt(x) * (1 - x)));
    }
    return airfoil;
}

// Lines after the seven fields are rib details, "key=value" as the settings file holds them; a
// value a feature does not take is left out, as the dialog would refuse it.
void readFeatureLines(const QStringList& lines, rw::RibFeatures& features) {
    for (const QString& line : lines) {
        const QString key = line.section(QLatin1Char('='), 0, 0);
        for (const rw::RibFeatureUnit& unit : rw::ribFeatureUnits()) {
            if (key != QLatin1String(unit.key))
                continue;
            try {
                unit.read(line.section(QLatin1Char('='), 1), features);
            } catch (const rw::RibwrightError&) {
            }
        }
    }
}

// Wing panel and workshop lines, "key=value" with the command line's option names; files are
// left out (a planform table or a tip airfoil would be read from disk).
void readPanelLine(const QString& key, const QString& value, rw::WingPanel& panel,
                   rw::OutputOptions& options) {
    if (key == QLatin1String("span"))
        panel.halfSpan = rw::parsePanelLength(value, "--span", 1);
    else if (key == QLatin1String("planform")) {
        const rw::PlanformKind kind = rw::parsePlanformOption(value).kind;
        if (kind != rw::PlanformKind::Table)
            panel.planform = kind;
    } else if (key == QLatin1String("sweep"))
        panel.sweep = rw::parsePanelLength(value, "--sweep", -1e5);
    else if (key == QLatin1String("min-tip-chord"))
        panel.minTipChord = rw::parsePanelLength(value, "--min-tip-chord", 0);
    else if (key == QLatin1String("stations"))
        panel.stations = rw::parseStationsOption(value);
    else if (key == QLatin1String("washout"))
        panel.washout = rw::parseWashoutOption(value);
    else if (key == QLatin1String("pivot"))
        panel.pivot = rw::parsePivotOption(value);
    else if (key == QLatin1String("kerf"))
        options.kerf = std::clamp(value.toDouble(), 0.0, rw::kMaxKerf);
    else if (key == QLatin1String("gap"))
        options.gap = std::clamp(value.toDouble(), options.kerf, rw::kMaxPartGap);
    else if (key == QLatin1String("sides"))
        options.sides = rw::ribSidesNamed(value).value_or(rw::RibSides::One);
    else if (key == QLatin1String("nest"))
        options.nest = true;
}

void readPanelLines(const QStringList& lines, rw::WingPanel& panel, rw::OutputOptions& options) {
    for (const QString& line : lines) {
        try {
            readPanelLine(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1),
                          panel, options);
        } catch (const rw::RibwrightError&) {
        }
    }
}

// Flags from the first byte, then the seven field texts separated by line feeds, then rib
// details.
rw::RibSettings panelFrom(const uint8_t* data, size_t size, QSize& sheetSize,
                          rw::OutputOptions& options) {
    rw::RibSettings panel = rw::defaultRibSettings(QLatin1Char('.'));
    const uint8_t flags = size > 0 ? data[0] : 0;
    panel.taperOn = flags & 1;
    panel.rootThicknessOn = flags & 2;
    panel.tipThicknessOn = flags & 4;
    panel.showSheetPoints = flags & 8;
    panel.showSparLine = flags & 16;
    panel.showGrid = flags & 32;
    panel.decimalSeparator = flags & 64 ? QLatin1Char(',') : QLatin1Char('.');
    sheetSize = QSize(1 + (size > 1 ? data[1] : 0), 1 + (size > 2 ? data[2] : 0));
    const QString text =
        size > 3 ? QString::fromUtf8(reinterpret_cast<const char*>(data) + 3, qsizetype(size - 3))
                 : QString();
    const QStringList fields = text.split(QLatin1Char('\n'));
    QString* targets[] = {&panel.rootChordText,     &panel.tipChordText, &panel.sparPercentText,
                          &panel.skinThicknessText, &panel.ribCountText, &panel.rootThicknessText,
                          &panel.tipThicknessText};
    for (qsizetype i = 0; i < fields.size() && i < 7; ++i) *targets[i] = fields[i];
    readFeatureLines(fields.mid(7), panel.features);
    readPanelLines(fields.mid(7), panel.panel, options);
    return panel;
}

void requireFiniteNumbers(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    const QByteArray bytes = file.readAll();
    if (bytes.contains("INF") || bytes.contains("NAN"))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int toolkitArgc = 1;
    static char* toolkitArgv[] = {(*argv)[0], nullptr};
    (void)argc;
    application = new QGuiApplication(toolkitArgc, toolkitArgv);
    // Memory-backed where there is such a folder: the writers sync every file they write.
    folder = QDir(QStringLiteral("/dev/shm")).exists()
                 ? std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/ribwright-fuzz-XXXXXX"))
                 : std::make_unique<QTemporaryDir>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QSize sheetSize;
    rw::OutputOptions options;
    const rw::RibSettings panel = panelFrom(data, size, sheetSize, options);
    const rw::AirfoilState airfoil = fuzzAirfoil();
    try {
        rw::LastReadSettings lastRead;
        const rw::RibJobRead read = rw::readRibJob(panel, airfoil, lastRead);
        if (!read.proceed || read.job.params.ribCount > kMaxRibs)
            return 0;
        rw::RibJob job = read.job;
        // A panel's stations may ask for more ribs than the fuzzer spends time on.
        if (rw::isWingPanelSet(job.panel)) {
            const double span = job.panel.halfSpan.value_or(0);
            if (rw::ribStations(job.panel.stations, span, job.params.ribCount).size() >
                std::size_t(kMaxRibs))
                return 0;
        }
        const rw::RibSeries series = rw::buildJobSeries(job, rw::SeriesPieces::Always);
        QImage sheet;
        rw::drawRibSheet(sheet, sheetSize, job, series);
        rw::DxfAttributes attributes;
        const rw::OutputSource source{job, series, options, sheet, attributes};
        const std::pair<rw::OutputFormat, const char*> outputs[] = {
            {rw::OutputFormat::Csv, "rib.csv"},
            {rw::OutputFormat::Dxf, "rib.dxf"},
            {rw::OutputFormat::CutDxf, "cut.dxf"},
            {rw::OutputFormat::RibTable, "ribs.csv"}};
        for (const auto& [format, name] : outputs) {
            const rw::OutputFormatRow& row = rw::outputFormat(format);
            row.check(source);
            for (const QString& path : row.save(folder->filePath(QLatin1String(name)), source))
                requireFiniteNumbers(path);
        }
    } catch (const rw::RibwrightError&) {
    }
    return 0;
}
