// Feeds arbitrary rib settings, as a user could type them into the rib panel, through the reader,
// the rib geometry, the sheet and the CSV and DXF writers: nothing may crash, read or write out of
// bounds, or write a number that is not finite.
#include "export/csv_writer.h"
#include "export/dxf_writer.h"
#include "panel/control_table.h"
#include "platform/errors.h"
#include "sheet/read_rib_parameters.h"
#include "sheet/rib_sheet.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

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

// Flags from the first byte, then the seven field texts separated by line feeds.
rw::RibSettings panelFrom(const uint8_t* data, size_t size, QSize& sheetSize) {
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
    const rw::RibSettings panel = panelFrom(data, size, sheetSize);
    const rw::AirfoilState airfoil = fuzzAirfoil();
    rw::RibParameters params;
    rw::SheetSettings settings;
    rw::CurrentRib rib;
    try {
        const rw::RibReadResult read = rw::readRibParameters(panel, params, settings);
        if (!read.proceed || params.ribCount > kMaxRibs)
            return 0;
        QImage sheet;
        rw::SheetLayout layout;
        rw::drawRibSheet(sheet, sheetSize, airfoil, params, settings, panel, rib, layout);
        const rw::ExportInputs inputs{airfoil, params, panel};
        const QString csv = folder->filePath(QStringLiteral("rib.csv"));
        const QString dxf = folder->filePath(QStringLiteral("rib.dxf"));
        rw::exportCsv(csv, inputs, rib);
        requireFiniteNumbers(csv);
        rw::DxfAttributes attributes;
        rw::exportDxf(dxf, inputs, rib, attributes);
        requireFiniteNumbers(dxf);
    } catch (const rw::RibwrightError&) {
    }
    return 0;
}
