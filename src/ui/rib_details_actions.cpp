// The rib details: loaded from the data folder at start, set in their dialog, saved when it is
// accepted, and handed to the engine with the rest of the settings column.
#include "geometry/rib_features_file.h"
#include "geometry/wing/wing_panel.h"
#include "platform/errors.h"
#include "sheet/job_series.h"
#include "sheet/rib_job.h"
#include "ui/main_window.h"
#include "ui/rib_details_dialog.h"
#include "ui/rib_panel.h"
#include "ui/ui_texts.h"

#include <QDir>

namespace rw {

// A file that cannot be read gives the defaults; its message says so, and the file stays as it
// is until the dialog is next accepted.
void MainWindow::loadRibDetails() {
    const RibFeaturesLoad load = loadRibFeatures(ribFeaturesFilePath(folders_));
    ribPanel_->setFeatures(load.features);
    if (!load.message.isEmpty())
        desktop_.showMessage(load.message);
}

// The dialog is window-modal but does not block: the window takes its features when it reports
// that OK was accepted.
void MainWindow::editRibDetails() {
    if (ribDetailsDialog_) {
        ribDetailsDialog_->raise();
        return;
    }
    auto* dialog = new RibDetailsDialog(desktop_, this);
    ribDetailsDialog_ = dialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFeatures(ribPanel_->features());
    dialog->setCheck([this](const RibFeatures& features) { checkRibDetails(features); });
    connect(dialog, &QDialog::accepted, this,
            [this, dialog] { runGuarded([&] { takeRibDetails(dialog->features()); }); });
    dialog->open();
}

// The features are cut into every rib of the series as the settings column stands (with
// `panel`, the wing panel about to be taken, when given), so a notch deeper than a rib or a spar
// beyond a chord is refused in the dialog with the message the outputs would give. Settings the
// column cannot read yet leave that to the next redraw.
void MainWindow::checkRibDetails(const RibFeatures& features, const WingPanel* panel) const {
    if (features == RibFeatures{} || state_.airfoil.profile.pointCount() == 0)
        return;
    LastReadSettings lastRead = state_.carried.lastRead;
    RibSettings settings = ribPanel_->snapshot();
    if (panel)
        settings.panel = *panel;
    RibJobRead read;
    try {
        read = readRibJob(settings, state_.airfoil, lastRead);
    } catch (const RibwrightError&) {
        return;
    }
    if (!read.proceed)
        return;
    read.job.features = features;
    buildJobSeries(read.job, SeriesPieces::WhenFeatured);
}

// The sheet is drawn with the features taken.
void MainWindow::takeRibDetails(const RibFeatures& features) {
    keepRibDetails(features);
    if (state_.viewMode == ViewMode::RibSheet)
        drawRibSheet();
}

// The features are in use from now on even when the file cannot be written; the user is told.
// A file a later version wrote may hold settings this one cannot write back: it is replaced only
// when the user agrees.
void MainWindow::keepRibDetails(const RibFeatures& features) {
    ribPanel_->setFeatures(features);
    const QString path = ribFeaturesFilePath(folders_);
    if (!ribFeaturesFileIsNewer(path) || desktop_.askYesNo(ui_texts::replaceNewerRibDetailsQuestion(
                                             QDir::toNativeSeparators(path)))) {
        try {
            saveRibFeatures(path, features);
        } catch (const FileError& error) {
            desktop_.showMessage(error.text());
        }
    }
}

}  // namespace rw
