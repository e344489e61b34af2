// Drawing the rib sheet from the settings column.
#include "platform/errors.h"
#include "sheet/job_series.h"
#include "sheet/rib_sheet.h"
#include "ui/main_window.h"
#include "ui/rib_panel.h"

#include <QLabel>
#include <QPixmap>

namespace rw {

// Redraws the sheet from the settings as they stand. A setting the reader refuses stops with its
// message and leaves the previous sheet on show, as the exports go on from what that read left.
// A series that cannot be made (a feature refused on some rib) clears the sheet and switches the
// exports off: no rib of it is drawn, so nothing half made can be saved. A fault while drawing
// shows the sheet as far as it got before the error goes on to the caller. Returns the job read,
// for an export that goes on from it.
SheetJob MainWindow::drawRibSheet() {
    desktop_.beep();
    // This draw covers any redraw a resize left for later; it counts as refused until done.
    redrawPending_ = false;
    lastDrawRefused_ = true;
    ribPanel_->setExportsEnabled(true);
    const RibJobRead read =
        readRibJob(ribPanel_->snapshot(), state_.airfoil, state_.carried.lastRead);
    SheetJob drawn{read.job, std::nullopt};
    if (!read.proceed) {
        if (!read.message.isEmpty())
            desktop_.showMessage(read.message);
        return drawn;
    }
    try {
        drawn.series = buildJobSeries(drawn.job, SeriesPieces::WhenFeatured);
    } catch (const RibwrightError&) {
        clearSheet();
        throw;
    }
    const RibJob& job = drawn.job;
    try {
        rw::drawRibSheet(state_.sheetBitmap, sheetImage_->size(), job, *drawn.series);
    } catch (const RibwrightError&) {
        showSheet();
        throw;
    }
    showSheet();
    lastDrawRefused_ = false;
    // The features' notes (no room for holes) show once, not again at every redraw that gives
    // the same ones.
    const QStringList notes = drawn.series->notes;
    if (notes != state_.notesShown) {
        state_.notesShown = notes;
        if (!notes.isEmpty())
            desktop_.showMessage(notes.join(QLatin1Char('\n')));
    }
    return drawn;
}

void MainWindow::showSheet() {
    sheetImage_->setPixmap(QPixmap::fromImage(state_.sheetBitmap));
}

void MainWindow::clearSheet() {
    state_.sheetBitmap = QImage();
    sheetImage_->clear();
    ribPanel_->setExportsEnabled(false);
}

}  // namespace rw
