// Drawing the rib sheet from the settings column.
#include "platform/errors.h"
#include "sheet/rib_sheet.h"
#include "ui/main_window.h"
#include "ui/rib_panel.h"

#include <QLabel>
#include <QPixmap>

namespace rw {

// Redraws the sheet from the settings as they stand. A setting the reader refuses stops with its
// message and leaves the previous sheet on show, as does a series that cannot be made; a fault
// while drawing shows the sheet as far as it got before the error goes on to the caller.
// Returns the job read, for an export that goes on from it.
SheetJob MainWindow::drawRibSheet() {
    desktop_.beep();
    ribPanel_->setExportsEnabled(true);
    const RibJobRead read =
        readRibJob(ribPanel_->snapshot(), state_.airfoil, state_.carried.lastRead);
    SheetJob drawn{read.job, std::nullopt};
    if (!read.proceed) {
        if (!read.message.isEmpty())
            desktop_.showMessage(read.message);
        return drawn;
    }
    const RibJob& job = drawn.job;
    drawn.series =
        buildRibSeries(job.airfoil.profile, job.params, job.features, SeriesPieces::WhenFeatured);
    try {
        rw::drawRibSheet(state_.sheetBitmap, sheetImage_->size(), job, *drawn.series);
    } catch (const RibwrightError&) {
        showSheet();
        throw;
    }
    showSheet();
    // The features' notes (no room for holes) show once, not again at every redraw that gives
    // the same ones; the window keeps the latest as a property of its own.
    const QStringList notes = drawn.series->notes;
    if (notes != property("ribNotesShown").toStringList()) {
        setProperty("ribNotesShown", notes);
        if (!notes.isEmpty())
            desktop_.showMessage(notes.join(QLatin1Char('\n')));
    }
    return drawn;
}

void MainWindow::showSheet() {
    sheetImage_->setPixmap(QPixmap::fromImage(state_.sheetBitmap));
}

}  // namespace rw
