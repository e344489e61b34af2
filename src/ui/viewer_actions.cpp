// Opening saved files, the help page and the airfoil database page with the desktop's programs.
#include "ui/main_window.h"

#include <QDir>
#include <QFileInfo>

namespace rw {

namespace {

const QString kDatabasePage =
    QStringLiteral("https://m-selig.ae.illinois.edu/ads/coord_database.html");
const QString kAllFiles = QStringLiteral("ALL|*.*");

}  // namespace

// The open dialog keeps the file name of its previous use; only its folder and filter are set.
void MainWindow::viewSavedFile(const QString& initialDir, const QString& filter,
                               QString& lastFile) {
    const std::optional<QString> path = desktop_.chooseFileToOpen({QString(), initialDir, filter});
    if (!path)
        return;
    lastFile = *path;
    desktop_.shellOpen(lastFile);
}

void MainWindow::Button12Click() {
    viewSavedFile(folders_.picturesDir, QStringLiteral("ALL|*.*|PNG|*.png|JPG|*.jpg"),
                  state_.lastFiles.image);
}

void MainWindow::Button13Click() {
    viewSavedFile(folders_.spreadsheetDir, kAllFiles, state_.lastFiles.csv);
}

void MainWindow::Button14Click() {
    viewSavedFile(folders_.dxfDir, kAllFiles, state_.lastFiles.dxf);
}

// A missing browser is the desktop's business, but a missing help page is ours: a click that
// does nothing at all would leave the user guessing, so say which file is missing.
void MainWindow::openHelpPage() {
    if (!QFileInfo::exists(folders_.helpFile)) {
        desktop_.showMessage(QStringLiteral("ヘルプファイルが見つかりません。\n") +
                             QDir::toNativeSeparators(folders_.helpFile));
        return;
    }
    desktop_.shellOpen(folders_.helpFile);
}

void MainWindow::Panel7Click() {
    openHelpPage();
}

void MainWindow::Panel9Click() {
    openHelpPage();
}

void MainWindow::Button2Click() {
    desktop_.shellOpen(kDatabasePage);
}

}  // namespace rw
