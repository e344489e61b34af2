// The laser shop's settings: loaded from the data folder at start, set in their dialog, saved
// when it is accepted, and laid over the options of every export.
#include "platform/errors.h"
#include "ui/main_window.h"
#include "ui/rib_panel.h"
#include "ui/workshop_dialog.h"
#include "ui/workshop_settings_file.h"
#include "ui/workshop_texts.h"

#include <QDir>

namespace rw {

// What cannot be read is left out and named once.
void MainWindow::loadWorkshopSettings() {
    const QString path = workshopSettingsFilePath(folders_);
    const WorkshopSettingsRead read = readWorkshopSettingsFile(path);
    ribPanel_->setWorkshop(read.settings);
    if (!read.problems.isEmpty())
        desktop_.showMessage(
            workshop_texts::fileProblems(QDir::toNativeSeparators(path), read.problems));
}

void MainWindow::editWorkshopSettings() {
    if (workshopDialog_) {
        workshopDialog_->raise();
        return;
    }
    auto* dialog = new WorkshopDialog(desktop_, this);
    workshopDialog_ = dialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setSettings(ribPanel_->workshop());
    connect(dialog, &QDialog::accepted, this,
            [this, dialog] { runGuarded([&] { takeWorkshopSettings(dialog->settings()); }); });
    dialog->open();
}

// The settings are in use from now on even when the file cannot be written; the user is told.
// Nothing on the sheet depends on them, so it is not redrawn.
void MainWindow::takeWorkshopSettings(const WorkshopSettings& settings) {
    ribPanel_->setWorkshop(settings);
    const QString path = workshopSettingsFilePath(folders_);
    try {
        writeWorkshopSettingsFile(path, settings, readWorkshopSettingsFile(path).unknownLines);
    } catch (const FileError& error) {
        desktop_.showMessage(error.text());
    }
}

}  // namespace rw
