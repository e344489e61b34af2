// The wing panel: loaded from the data folder at start, set in its dialog, saved when it is
// accepted, and handed to the engine with the rest of the settings column.
#include "geometry/rib_features.h"
#include "geometry/wing/wing_panel_file.h"
#include "geometry/wing/wing_panel_options.h"
#include "panel/control_table.h"
#include "platform/errors.h"
#include "sheet/rib_job.h"
#include "ui/main_window.h"
#include "ui/rib_panel.h"
#include "ui/wing_panel_dialog.h"
#include "ui/wing_panel_texts.h"

#include <QDir>

namespace rw {

// What cannot be read is left out and named once; a table or an airfoil that cannot be read
// leaves the panel naming it, so the sheet says so until the dialog sets it right.
void MainWindow::loadWingPanel() {
    const QString path = wingPanelFilePath(folders_);
    WingPanelFileRead read = readWingPanelFile(path);
    try {
        loadWingPanelFiles(read.panel);
    } catch (const RibwrightError& error) {
        read.problems << error.text();
    }
    ribPanel_->setWingPanel(read.panel);
    if (!read.problems.isEmpty())
        desktop_.showMessage(
            wing_panel_texts::fileProblems(QDir::toNativeSeparators(path), read.problems));
}

// The chords and the rib count as the settings column reads now; while it cannot be read the
// drawing stands on the column's first values.
WingPanelBasis MainWindow::wingPanelBasis() const {
    WingPanelBasis basis;
    basis.rootAirfoil = state_.airfoil.profile;
    basis.notches = ribPanel_->features().sparNotches;
    basis.libraryFolder = folders_.winglistDir;
    RibSettings typed = ribPanel_->snapshot();
    typed.panel = WingPanel{};
    for (const RibSettings& settings : {typed, defaultRibSettings(typed.decimalSeparator)}) {
        LastReadSettings lastRead = state_.carried.lastRead;
        try {
            const RibJobRead read = readRibJob(settings, state_.airfoil, lastRead);
            if (!read.proceed)
                continue;
            basis.rootChord = read.job.params.rootChord;
            basis.tipChord =
                read.job.params.taperOn ? read.job.params.tipChord : read.job.params.rootChord;
            basis.ribCount = read.job.params.ribCount;
            break;
        } catch (const RibwrightError&) {
        }
    }
    return basis;
}

void MainWindow::editWingPanel() {
    if (wingPanelDialog_) {
        wingPanelDialog_->raise();
        return;
    }
    auto* dialog = new WingPanelDialog(desktop_, wingPanelBasis(), this);
    wingPanelDialog_ = dialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setPanel(ribPanel_->wingPanel());
    dialog->setJigTabs(ribPanel_->features().jigTabs);
    dialog->setCheck([this](const WingPanel& panel, const JigTabs& tabs) {
        RibFeatures features = ribPanel_->features();
        features.jigTabs = tabs;
        checkRibDetails(features, &panel);
    });
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        runGuarded([&] { takeWingPanel(dialog->panel(), dialog->jigTabs()); });
    });
    dialog->open();
}

// The panel is in use from now on even when the file cannot be written; the user is told. The
// jig tabs go to the rib details, whose file keeps them.
void MainWindow::takeWingPanel(const WingPanel& panel, const JigTabs& tabs) {
    if (!(tabs == ribPanel_->features().jigTabs)) {
        RibFeatures features = ribPanel_->features();
        features.jigTabs = tabs;
        keepRibDetails(features);
    }
    ribPanel_->setWingPanel(panel);
    const QString path = wingPanelFilePath(folders_);
    try {
        writeWingPanelFile(path, panel, readWingPanelFile(path).unknownLines);
    } catch (const FileError& error) {
        desktop_.showMessage(error.text());
    }
    if (state_.viewMode == ViewMode::RibSheet)
        drawRibSheet();
}

}  // namespace rw
