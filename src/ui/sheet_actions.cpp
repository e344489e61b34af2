// Drawing the rib sheet from the settings column.
#include "platform/errors.h"
#include "sheet/read_rib_parameters.h"
#include "sheet/rib_sheet.h"
#include "ui/main_window.h"
#include "ui/rib_panel.h"

#include <QLabel>
#include <QPixmap>

namespace rw {

// Redraws the sheet from the settings as they stand. A setting the reader refuses stops with its
// message and leaves the previous sheet on show; a fault while drawing shows the sheet as far as
// it got before the error goes on to the caller.
void MainWindow::drawRibSheet() {
    desktop_.beep();
    ribPanel_->setExportsEnabled(true);
    const RibSettings panel = ribPanel_->snapshot();
    const RibReadResult read = readRibParameters(panel, state_.params, state_.sheetSettings);
    if (!read.proceed) {
        if (!read.message.isEmpty())
            desktop_.showMessage(read.message);
        return;
    }
    try {
        rw::drawRibSheet(state_.sheetBitmap, sheetImage_->size(), state_.airfoil, state_.params,
                         state_.sheetSettings, panel, state_.rib, state_.sheetLayout);
    } catch (const RibwrightError&) {
        showSheet();
        throw;
    }
    showSheet();
}

void MainWindow::showSheet() {
    sheetImage_->setPixmap(QPixmap::fromImage(state_.sheetBitmap));
}

}  // namespace rw
