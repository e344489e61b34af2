// The exports of the sheet. Each redraws the sheet first, so it writes the settings as they
// stand now, proposes a name built from the title and the settings, and offers to open the
// written file.
#include "export/output_name.h"
#include "export/paper_size.h"
#include "export/stale_sheets.h"
#include "export/stock_usage.h"
#include "platform/errors.h"
#include "sheet/job_series.h"
#include "ui/main_window.h"
#include "ui/rib_panel.h"
#include "ui/ui_texts.h"

#include <QDir>
#include <QFile>

namespace rw {

namespace {

// The workshop files are the program's own additions and ask before replacing a file; the
// image, coordinates and drawing keep their long-standing quiet replace.
bool asksBeforeReplacing(OutputFormat id) {
    return id == OutputFormat::Pdf || id == OutputFormat::LaserSvg || id == OutputFormat::CutDxf;
}

// The print's name carries its paper, so an A3 print does not replace the A4 one.
QString proposedName(const RibJob& job, const OutputFormatRow& format,
                     const OutputOptions& options) {
    QString name = buildOutputBaseName(job);
    if (format.id == OutputFormat::Pdf)
        name += QLatin1Char('_') + paperSizeName(options.paper);
    return name + format.extension;
}

// How much stock the laser files just written take, said with the question that follows them.
// The files are written: a layout that cannot be told again leaves the question alone.
QString stockUseLine(const OutputSource& source) {
    try {
        return stockUsageLine(source.job, source.series, source.options);
    } catch (const RibwrightError&) {
        return QString();
    }
}

}  // namespace

// Further stock sheets an earlier export left beside the file, beyond the ones just written,
// hold ribs that are not in this series: a laser operator would cut them. They are removed,
// and the user told which.
void MainWindow::removeStaleSheets(const QString& path, int sheetCount) {
    QStringList removed;
    for (const QString& sheet : staleSheets(path, sheetCount)) {
        if (QFile::remove(sheet))
            removed << QDir::toNativeSeparators(sheet);
    }
    if (!removed.isEmpty())
        desktop_.showMessage(ui_texts::staleSheetsRemoved(removed));
}

// A refused setting only shows its message and the export goes on with the earlier values; an
// error while redrawing ends the export before its dialog. The series the sheet was drawn from
// is used again unless this output needs the cut pieces the sheet did not.
void MainWindow::exportSheet(OutputFormat id) {
    const OutputFormatRow& format = outputFormat(id);
    SheetJob drawn = drawRibSheet();
    const OutputOptions options = ribPanel_->outputOptions();
    const std::optional<QString> path = desktop_.chooseFileToSave(
        {proposedName(drawn.job, format, options), folders_.*format.folder, format.saveFilter,
         asksBeforeReplacing(id)});
    if (!path)
        return;
    state_.lastFiles[id] = *path;
    const RibJob& job = drawn.job;
    if (!drawn.series || (format.needsPieces && !drawn.series->hasPieces)) {
        drawn.series = buildJobSeries(
            drawn.job, format.needsPieces ? SeriesPieces::Always : SeriesPieces::WhenFeatured);
    }
    const OutputSource source{job, *drawn.series, options, state_.sheetBitmap,
                              state_.carried.dxfAttributes};
    // Nothing written (an image name of another kind), nothing to open.
    const QStringList written = format.save(*path, source);
    if (written.isEmpty())
        return;
    QString question = format.openQuestion();
    if (format.stockSheets) {
        removeStaleSheets(*path, int(written.size()));
        if (const QString used = stockUseLine(source); !used.isEmpty())
            question = used + QLatin1Char('\n') + question;
    }
    if (!desktop_.askYesNo(question))
        return;
    openOnDesktop(*path);
    if (format.backToAirfoilView) {
        state_.viewMode = ViewMode::Airfoil;
        applyViewMode();
    }
}

}  // namespace rw
