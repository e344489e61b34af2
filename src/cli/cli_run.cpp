#include "cli/cli_run.h"

#include "sheet/job_series.h"

#include "airfoil/airfoil_file.h"
#include "airfoil/airfoil_import.h"
#include "airfoil/airfoil_parser.h"
#include "airfoil/airfoil_read.h"
#include "airfoil/airfoil_texts.h"
#include "airfoil/long_title.h"
#include "cli/batch_files.h"
#include "cli/cli_texts.h"
#include "cli/file_identity.h"
#include "cli/output_targets.h"
#include "cli/text_encoding_check.h"
#include "cli/writable_targets.h"
#include "export/output_formats.h"
#include "export/output_name.h"
#include "export/stock_usage.h"
#include "geometry/rib_series.h"
#include "geometry/wing/planform_table.h"
#include "geometry/wing/wing_panel_options.h"
#include "platform/errors.h"
#include "sheet/rib_job.h"
#include "sheet/rib_sheet.h"

#include <QFileInfo>

#include <algorithm>
#include <new>

namespace rw::cli {
namespace {

// Everything the run has read, made and drawn, before anything is written.
struct PreparedRun {
    AirfoilState airfoil;
    RibJob job;
    RibSeries series;
    QImage sheet;
    QString stem;
};

std::vector<OutputFormat> formatsOf(const OutputTargets& targets) {
    std::vector<OutputFormat> formats;
    for (const OutputTarget& target : targets) formats.push_back(target.format);
    return formats;
}

int refuse(CliStream& err, const QString& message) {
    err << message << '\n';
    return kInputRefused;
}

// The airfoil text: imported (tidied, with a note on stderr for each kind of change) or, with
// --as-pasted, as the window's library would read it. A file in a 16- or 32-bit encoding is
// refused by name; the window's reader would see letters between NULs.
int readAirfoil(const QString& path, bool asPasted, AirfoilState& airfoil, QChar separator,
                CliStream& err) {
    // Read once: a pipe or a FIFO has nothing left for a second look.
    const QByteArray bytes = readAirfoilBytes(path);
    const QString wide = wideEncodingOf(bytes.left(1024));
    if (!wide.isEmpty())
        return refuse(err, cli_texts::wideEncodingRefused(wide, path));
    QStringList changes;
    if (asPasted) {
        airfoil.text = airfoilTextFromBytes(bytes);
    } else {
        AirfoilImport imported = importAirfoilFile(bytes, QFileInfo(path).fileName(), separator);
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

// One AIRFOIL_FILE's run.
int runOneFile(const CliOptions& options, const QString& airfoilFile, BatchFiles& batch,
               CliStream& out, CliStream& err) {
    PreparedRun run;
    OutputTargets targets;
    DxfAttributes attributes;  // a run starts with no earlier drawing
    try {
        const int read = readAirfoil(airfoilFile, options.asPasted, run.airfoil,
                                     options.panel.decimalSeparator, err);
        if (read != kWritten)
            return read;
        if (cutLongTitle(run.airfoil))
            err << cli_texts::titleCut(int(kMaxTitleLength)) << '\n';
        LastReadSettings fresh;
        const RibJobRead settings = readRibJob(options.panel, run.airfoil, fresh);
        if (!settings.proceed)
            return refuse(err, settings.message);
        run.job = settings.job;
        run.stem = buildOutputBaseName(run.job);
        if (options.printName) {
            out << run.stem << '\n';
            return kWritten;
        }
        // Two files of a batch with the same title would write over each other's files.
        if (options.airfoilFiles.size() > 1 && batch.stemsTaken.contains(run.stem))
            return refuse(err, cli_texts::earlierFileWrote(run.stem));
        targets = outputTargets(options, run.stem);
        // Every rib is made (and cut, where an output or a feature needs it) once, here: a rib
        // that cannot be made refuses the whole run before anything is written.
        run.series = buildJobSeries(run.job, anyNeedsPieces(formatsOf(targets))
                                                 ? SeriesPieces::Always
                                                 : SeriesPieces::WhenFeatured);
        const RibJob& job = run.job;
        for (const QString& note : run.series.notes) err << note << '\n';
        // Every export of the window redraws the sheet first, so a setting the drawing refuses
        // (a root chord of 0) refuses every file here too.
        drawRibSheet(run.sheet, options.sheetSize, job, run.series);
        const OutputSource source{job, run.series, options.outputs, run.sheet, attributes};
        for (const OutputTarget& target : targets) outputFormat(target.format).check(source);
        // Every file of every output, further stock sheets included, is known and checked
        // before the first is written.
        planFiles(targets, source);
        if (const int apart = checkFilesApart(targets, batch, err); apart != kWritten)
            return apart;
        checkFilesWritable(plannedFiles(targets), options.outDir);
        // What the nesting made of the stock, before the files it is told for.
        if (options.outputs.nest && std::any_of(targets.begin(), targets.end(), [](const auto& t) {
                return outputFormat(t.format).stockSheets;
            }))
            err << stockUsageLine(run.job, run.series, options.outputs) << '\n';
    } catch (const FileError& e) {
        err << e.text() << '\n';  // names the path
        return kFileError;
    } catch (const OutOfMemoryError& e) {
        err << e.text() << '\n';
        return kFileError;
    } catch (const RibwrightError& e) {
        return refuse(err, e.text());
    }

    const OutputSource source{run.job, run.series, options.outputs, run.sheet, attributes};
    QStringList written;
    OutputTargets done;
    int status = kWritten;
    try {
        batch.stemsTaken.insert(run.stem);
        makeOutputFolder(options.outDir);
        // Each path is told as soon as its file is complete, so a later failure leaves a true
        // list of what was written.
        for (const OutputTarget& target : targets) {
            for (const QString& path : outputFormat(target.format).save(target.path, source)) {
                out << path << '\n';
                written << path;
                batch.written.push_back(fileIdentity(path));
            }
            done.push_back(target);
        }
    } catch (const FileError& e) {
        err << e.text() << '\n';  // names the path
        tellWrittenBeforeFailure(written, err);
        status = kFileError;
    } catch (const RibwrightError& e) {
        status = refuse(err, e.text());
        tellWrittenBeforeFailure(written, err);
    }
    return std::max(status, removeStaleSheets(done, targets, batch, err));
}

}  // namespace

int runCli(const CliOptions& given, CliStream& out, CliStream& err) {
    // The panel's table and tip airfoil are read once for every airfoil of the batch.
    CliOptions options = given;
    try {
        loadWingPanelFiles(options.panel.panel);
    } catch (const FileError& e) {
        err << e.text() << '\n';
        return kFileError;
    } catch (const RibwrightError& e) {
        return refuse(err, e.text());
    }
    BatchFiles batch;
    batch.inputs = options.airfoilFiles;
    // The files the panel read are inputs too: no output may write over them.
    const WingPanel& panel = options.panel.panel;
    for (const QString& path : QStringList{panel.tablePath, panel.tipAirfoilPath} +
                                   sectionAirfoilPaths(panel.tablePath, panel.sections)) {
        if (!path.isEmpty())
            batch.inputs << path;
    }
    if (options.airfoilFiles.size() == 1)
        return runOneFile(options, options.airfoilFiles.front(), batch, out, err);
    // A batch goes on past a file that fails; each message names its file, and the status is
    // the worst one (the statuses are ordered by how bad they are).
    int worst = kWritten;
    for (const QString& file : options.airfoilFiles) {
        err.setLinePrefix(file + QStringLiteral(": "));
        worst = std::max(worst, runOneFile(options, file, batch, out, err));
    }
    err.setLinePrefix(QString());
    return worst;
}

}  // namespace rw::cli
