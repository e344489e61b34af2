#include "cli/cli_run.h"

#include "airfoil/airfoil_file.h"
#include "airfoil/airfoil_parser.h"
#include "export/csv_writer.h"
#include "export/dxf_writer.h"
#include "export/output_name.h"
#include "export/sheet_image.h"
#include "geometry/read_rib_parameters.h"
#include "platform/errors.h"
#include "sheet/rib_sheet.h"

#include <QDir>

namespace rw::cli {
namespace {

// Everything the run has read, drawn and decided, before anything is written.
struct PreparedRun {
    AirfoilState airfoil;
    RibParameters params;
    SheetSettings settings;
    CurrentRib rib;
    QImage sheet;
    QString stem;
};

int refuse(QTextStream& err, const QString& message) {
    err << message << '\n';
    return kInputRefused;
}

}  // namespace

int runCli(const CliOptions& options, QTextStream& out, QTextStream& err) {
    PreparedRun run;
    try {
        const std::optional<QString> text = loadAirfoilText(options.airfoilFile);
        if (!text) {
            err << fileErrorText(2) << '\n' << options.airfoilFile << '\n';
            return kFileError;
        }
        run.airfoil.text = *text;
        if (parseAirfoilText(run.airfoil, options.panel.decimalSeparator) != ParseOutcome::Usable) {
            return refuse(err, tooFewPointsText());
        }
        const RibReadResult read = readRibParameters(options.panel, run.params, run.settings);
        if (!read.proceed)
            return refuse(err, read.message);
        // Every export of the window redraws the sheet first, so a setting the drawing refuses
        // (a root chord of 0) refuses every file here too.
        SheetLayout layout;
        drawRibSheet(run.sheet, options.sheetSize, run.airfoil, run.params, run.settings,
                     options.panel, run.rib, layout);
        run.stem = buildOutputBaseName(run.airfoil.name, options.panel, run.params);
    } catch (const FileError& e) {
        err << e.text() << '\n';  // names the path
        return kFileError;
    } catch (const RibwrightError& e) {
        return refuse(err, e.text());
    }

    if (options.printName) {
        out << run.stem << '\n';
        return kWritten;
    }

    QString csvPath = options.csvPath;
    QString dxfPath = options.dxfPath;
    QString imagePath = options.imagePath;
    if (!options.outDir.isEmpty()) {
        const QDir dir(options.outDir);
        // A batch names a fresh folder per wing more often than not: make it, as mkdir -p would.
        if (!QDir().mkpath(options.outDir)) {
            err << QStringLiteral("出力フォルダを作成できません: ") << options.outDir << '\n';
            return kFileError;
        }
        if (csvPath.isEmpty())
            csvPath = dir.filePath(run.stem + QStringLiteral(".csv"));
        if (dxfPath.isEmpty())
            dxfPath = dir.filePath(run.stem + QStringLiteral(".dxf"));
        if (imagePath.isEmpty())
            imagePath = dir.filePath(run.stem + QStringLiteral(".png"));
    }

    const ExportInputs inputs{run.airfoil, run.params, options.panel};
    try {
        if (!csvPath.isEmpty()) {
            exportCsv(csvPath, inputs, run.rib);
            out << csvPath << '\n';
        }
        if (!dxfPath.isEmpty()) {
            DxfAttributes attributes;
            exportDxf(dxfPath, inputs, run.rib, attributes);
            out << dxfPath << '\n';
        }
        if (!imagePath.isEmpty()) {
            writeSheetImage(imagePath, run.sheet);
            out << imagePath << '\n';
        }
    } catch (const FileError& e) {
        err << e.text() << '\n';  // names the path
        return kFileError;
    } catch (const RibwrightError& e) {
        return refuse(err, e.text());
    }
    return kWritten;
}

}  // namespace rw::cli
