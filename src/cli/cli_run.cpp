#include "cli/cli_run.h"

#include "airfoil/airfoil_file.h"
#include "airfoil/airfoil_import.h"
#include "airfoil/airfoil_parser.h"
#include "airfoil/airfoil_texts.h"
#include "cli/cli_texts.h"
#include "cli/output_targets.h"
#include "cli/text_encoding_check.h"
#include "cli/workshop_outputs.h"
#include "export/csv_writer.h"
#include "export/dxf_layout.h"
#include "export/dxf_writer.h"
#include "export/output_name.h"
#include "export/sheet_image.h"
#include "geometry/featured_rib.h"
#include "geometry/rib_geometry.h"
#include "geometry/sheeted_rib_outline.h"
#include "platform/errors.h"
#include "sheet/read_rib_parameters.h"
#include "sheet/rib_sheet.h"

#include <QSet>

#include <algorithm>
#include <new>

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
    std::optional<WorkshopLayout> stock;  // the laser files' nesting
};

int refuse(CliStream& err, const QString& message) {
    err << message << '\n';
    return kInputRefused;
}

// The airfoil text: imported (tidied, with a note on stderr for each kind of change) or, with
// --as-pasted, as the window's library would read it. A file in a 16- or 32-bit encoding is
// refused by name; the window's reader would see letters between NULs.
int readAirfoil(const QString& path, bool asPasted, AirfoilState& airfoil, QChar separator,
                CliStream& err) {
    const QString wide = wideEncodingOf(readFileHead(path));
    if (!wide.isEmpty())
        return refuse(err, cli_texts::wideEncodingRefused(wide, path));
    QStringList changes;
    if (asPasted) {
        const std::optional<QString> text = loadAirfoilText(path);
        if (!text) {
            err << fileErrorText(2) << '\n' << path << '\n';
            return kFileError;
        }
        airfoil.text = *text;
    } else {
        AirfoilImport imported = importAirfoilPath(path, separator);
        airfoil.text = imported.text;
        changes = std::move(imported.changes);
    }
    if (parseAirfoilText(airfoil, separator) != ParseOutcome::Usable)
        return refuse(err, airfoil_texts::tooFewPoints());
    // The changes are told only for a text that is used; a refused file gets its refusal alone.
    const QString prefix = err.linePrefix();
    err.setLinePrefix(path + QStringLiteral(": "));
    for (const QString& change : changes) err << change << '\n';
    err.setLinePrefix(prefix);
    return kWritten;
}

// The CSV and DXF writers produce every rib of the series; produce them all once before any file
// is opened, so that a rib that cannot be written stops the run with nothing written. With rib
// features every rib is cut as well: the files of one run show the same ribs, so a feature that
// cannot be cut refuses them all.
void checkEveryRib(const PreparedRun& run, const RibFeatures& features, bool drawing) {
    const bool featured = hasRibFeatures(features, run.params.skinThickness);
    CurrentRib scratch;
    for (int k = 1; k <= run.params.ribCount; ++k) {
        produceFeaturedRib(k, run.airfoil.profile, run.params, features, scratch);
        if (drawing)
            requireDxfRibInRange(scratch, run.params.rootChord);
        if (featured)
            cutSheetedRib(scratch, run.params, features);
    }
}

// One AIRFOIL_FILE's run. `stemsTaken` holds the stems earlier files of a batch wrote under.
int runOneFile(const CliOptions& options, const QString& airfoilFile, QSet<QString>& stemsTaken,
               CliStream& out, CliStream& err) {
    PreparedRun run;
    OutputTargets targets;
    try {
        const int read = readAirfoil(airfoilFile, options.asPasted, run.airfoil,
                                     options.panel.decimalSeparator, err);
        if (read != kWritten)
            return read;
        const RibReadResult settings = readRibParameters(options.panel, run.params, run.settings);
        if (!settings.proceed)
            return refuse(err, settings.message);
        run.stem = buildOutputBaseName(run.airfoil.name, options.panel, run.params);
        if (options.printName) {
            out << run.stem << '\n';
            return kWritten;
        }
        // Two files of a batch with the same title would write over each other's files.
        if (options.airfoilFiles.size() > 1 && stemsTaken.contains(run.stem)) {
            return refuse(err, QStringLiteral("an earlier AIRFOIL_FILE already wrote the files "
                                              "named %1")
                                   .arg(run.stem));
        }
        targets = outputTargets(options, run.stem);
        if (const QString clash = sameTargetTwice(targets); !clash.isEmpty()) {
            err << QStringLiteral("ribwright-cli: two outputs would write the same file: ") << clash
                << '\n';
            return kUsage;
        }
        // Every export of the window redraws the sheet first, so a setting the drawing refuses
        // (a root chord of 0) refuses every file here too.
        SheetLayout layout;
        drawRibSheet(run.sheet, options.sheetSize, run.airfoil, run.params, run.settings,
                     options.panel, run.rib, layout);
        const RibFeatures& features = options.panel.features;
        if (!targets.csv.isEmpty() || !targets.dxf.isEmpty() ||
            hasRibFeatures(features, run.params.skinThickness))
            checkEveryRib(run, features, !targets.dxf.isEmpty());
        checkTargetsWritable(targets, options.outDir);
        run.stock = prepareWorkshopOutputs(targets, options, run.airfoil, run.params);
    } catch (const FileError& e) {
        err << e.text() << '\n';  // names the path
        return kFileError;
    } catch (const OutOfMemoryError& e) {
        err << e.text() << '\n';
        return kFileError;
    } catch (const RibwrightError& e) {
        return refuse(err, e.text());
    }

    const ExportInputs inputs{run.airfoil, run.params, options.panel};
    try {
        stemsTaken.insert(run.stem);
        makeOutputFolder(options.outDir);
        // The image first: encoding it takes the most memory, and a run that runs out of it then
        // stops before the other files are written.
        if (!targets.image.isEmpty()) {
            writeSheetImage(targets.image, run.sheet);
            out << targets.image << '\n';
        }
        if (!targets.csv.isEmpty()) {
            exportCsv(targets.csv, inputs, run.rib);
            out << targets.csv << '\n';
        }
        if (!targets.dxf.isEmpty()) {
            DxfAttributes attributes;
            exportDxf(targets.dxf, inputs, run.rib, attributes);
            out << targets.dxf << '\n';
        }
        writeWorkshopOutputs(targets, run.stock, options, run.airfoil, run.params,
                             [&out](const QString& path) { out << path << '\n'; });
    } catch (const FileError& e) {
        err << e.text() << '\n';  // names the path
        return kFileError;
    } catch (const RibwrightError& e) {
        return refuse(err, e.text());
    }
    return kWritten;
}

}  // namespace

int runCli(const CliOptions& options, CliStream& out, CliStream& err) {
    QSet<QString> stemsTaken;
    if (options.airfoilFiles.size() == 1)
        return runOneFile(options, options.airfoilFiles.front(), stemsTaken, out, err);
    // A batch goes on past a file that fails; each message names its file, and the status is
    // the worst one (the statuses are ordered by how bad they are).
    int worst = kWritten;
    for (const QString& file : options.airfoilFiles) {
        err.setLinePrefix(file + QStringLiteral(": "));
        worst = std::max(worst, runOneFile(options, file, stemsTaken, out, err));
    }
    err.setLinePrefix(QString());
    return worst;
}

}  // namespace rw::cli
