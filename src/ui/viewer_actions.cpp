// Opening saved files, the help page and the airfoil database page with the desktop's programs.
#include "ui/main_window.h"
#include "ui/ui_texts.h"

#include <QDir>
#include <QFileInfo>

namespace rw {

namespace {

const QString kDatabasePage =
    QStringLiteral("https://m-selig.ae.illinois.edu/ads/coord_database.html");

}  // namespace

// The open dialog keeps the file name of its previous use; only its folder and filter are set.
void MainWindow::viewSavedFile(OutputFormat id) {
    const OutputFormatRow& format = outputFormat(id);
    const std::optional<QString> path =
        desktop_.chooseFileToOpen({QString(), folders_.*format.folder, format.viewFilter});
    if (!path)
        return;
    state_.lastFiles[id] = *path;
    openOnDesktop(*path);
}

// A click that does nothing at all would leave the user guessing, so a missing help page says
// which file is missing.
void MainWindow::openHelpPage() {
    if (!QFileInfo::exists(folders_.helpFile)) {
        desktop_.showMessage(
            ui_texts::helpFileMissing(QDir::toNativeSeparators(folders_.helpFile)));
        return;
    }
    openOnDesktop(folders_.helpFile);
}

void MainWindow::openDatabasePage() {
    openOnDesktop(kDatabasePage);
}

// A desktop without a program to open files and pages with (a bare X server, a trimmed
// install) would otherwise leave the click without any answer.
void MainWindow::openOnDesktop(const QString& pathOrAddress) {
    if (desktop_.shellOpen(pathOrAddress))
        return;
    const bool address = pathOrAddress.contains(QStringLiteral("://"));
    desktop_.showMessage(
        ui_texts::noLauncher(address ? pathOrAddress : QDir::toNativeSeparators(pathOrAddress)));
}

}  // namespace rw
