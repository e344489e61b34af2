// Airfoil text in and out: every change of the text box is parsed, kept as the last-run file
// and confirmed by a beep; paste, the library, imported files and the last-run file all go
// through the box.
#include "airfoil/airfoil_file.h"
#include "airfoil/airfoil_import.h"
#include "airfoil/airfoil_parser.h"
#include "airfoil/airfoil_texts.h"
#include "airfoil/long_title.h"
#include "ui/airfoil_view.h"
#include "ui/main_window.h"
#include "ui/ui_texts.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace rw {

void MainWindow::airfoilTextChanged() {
    const QString text = airfoilView_->text();
    // A note about an import no longer describes a text that changed since.
    airfoilView_->setImportNote(QString());
    if (text.isEmpty())
        return;
    state_.airfoil.text = text;
    // A number that does not convert ends the chain here: nothing is saved and no beep sounds.
    const ParseOutcome outcome = parseAirfoilText(state_.airfoil, desktop_.decimalSeparator());
    // A title of thousands of characters is no title: the sheet, the files and their names take
    // it cut, as the command line does; the text box and the saved text keep every line.
    cutLongTitle(state_.airfoil);
    // The preview shows the points just read, few or many; otherwise the window would keep
    // the previous outline under the new title.
    airfoilView_->redrawPreview();
    if (outcome == ParseOutcome::Usable)
        airfoilView_->enableRibButton();
    else
        desktop_.showMessage(airfoil_texts::tooFewPoints());
    saveAirfoilText(state_.airfoil, folders_.lastDataFile);
    desktop_.beep();
}

// Setting the box runs the chain at once, but only when the text really changes.
void MainWindow::loadAirfoilText(const QString& path) {
    const std::optional<QString> text = rw::loadAirfoilText(path);
    if (!text)
        return;
    state_.airfoil.text = *text;
    airfoilView_->setText(*text);
}

// The clipboard is emptied after every paste, so a second paste finds nothing.
void MainWindow::pasteText(const QString& text) {
    airfoilView_->setText(text);
    desktop_.setClipboardText(QString());
}

void MainWindow::pasteFromClipboard() {
    pasteText(desktop_.clipboardText());
}

void MainWindow::pasteOnRightButton(Qt::MouseButton button) {
    if (button != Qt::RightButton)
        return;
    const QString text = desktop_.clipboardText();
    if (!text.isEmpty())
        pasteText(text);
}

// A refused file raises before anything changes: the text, the airfoil and the note stay.
void MainWindow::importAirfoilFromFile(const QString& path) {
    const AirfoilImport imported = importAirfoilPath(path, desktop_.decimalSeparator());
    const QFileInfo file(path);
    importDir_ = file.absolutePath();
    state_.airfoil.text = imported.text;
    airfoilView_->setText(imported.text);
    airfoilView_->setImportNote(ui_texts::importNote(file.fileName(), imported.changes));
}

// The library keeps its own button; this one starts where published files usually land.
void MainWindow::openAirfoilFile() {
    QString startDir = importDir_;
    if (startDir.isEmpty())
        startDir = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (!QDir(startDir).exists())
        startDir = QDir::homePath();
    const std::optional<QString> path =
        desktop_.chooseFileToOpen({QString(), startDir, ui_texts::airfoilFileFilter()});
    if (path)
        importAirfoilFromFile(*path);
}

void MainWindow::openFromLibrary() {
    const std::optional<QString> path =
        desktop_.chooseFileToOpen({QString(), folders_.winglistDir, QStringLiteral("DAT|*.dat")});
    if (path)
        loadAirfoilText(*path);
}

// Registers the text in the library under a name cut from its title; the beep confirms the
// press even when the text was too short to be written.
void MainWindow::registerInLibrary() {
    const QString name = libraryEntryName(state_.airfoil.sourceLines.value(0));
    const QString path = folders_.winglistDir + QDir::separator() + name + QStringLiteral(".dat");
    saveAirfoilText(state_.airfoil, path);
    desktop_.beep();
}

}  // namespace rw
