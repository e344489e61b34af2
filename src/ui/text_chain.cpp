// Airfoil text in and out: every change of the text box is parsed, kept as the last-run file
// and confirmed by a beep; paste, the library and the last-run file all go through the box.
#include "airfoil/airfoil_file.h"
#include "airfoil/airfoil_parser.h"
#include "ui/main_window.h"
#include "ui/memo_box.h"

#include <QDir>
#include <QPushButton>

namespace rw {

void MainWindow::Memo1Change() {
    const QString text = Memo1->text();
    if (text.isEmpty())
        return;
    state_.airfoil.text = text;
    // A number that does not convert ends the chain here: nothing is saved and no beep sounds.
    if (parseAirfoilText(state_.airfoil, desktop_.decimalSeparator()) == ParseOutcome::Usable) {
        Button3->setEnabled(true);
        drawAirfoilPreview();
    } else {
        desktop_.showMessage(tooFewPointsText());
    }
    saveAirfoilText(state_.airfoil, folders_.lastDataFile);
    desktop_.beep();
}

// Setting the box runs the chain at once, but only when the text really changes.
void MainWindow::loadAirfoilText(const QString& path) {
    const std::optional<QString> text = rw::loadAirfoilText(path);
    if (!text)
        return;
    state_.airfoil.text = *text;
    Memo1->setText(*text);
}

// The clipboard is emptied after every paste, so a second paste finds nothing.
void MainWindow::pasteText(const QString& text) {
    Memo1->setText(text);
    desktop_.setClipboardText(QString());
}

void MainWindow::Button1Click() {
    pasteText(desktop_.clipboardText());
}

void MainWindow::Memo1MouseDown(Qt::MouseButton button) {
    if (button != Qt::RightButton)
        return;
    const QString text = desktop_.clipboardText();
    if (!text.isEmpty())
        pasteText(text);
}

void MainWindow::Button15Click() {
    const std::optional<QString> path =
        desktop_.chooseFileToOpen({QString(), folders_.winglistDir, QStringLiteral("DAT|*.dat")});
    if (path)
        loadAirfoilText(*path);
}

// Registers the text in the library under a name cut from its title; the beep confirms the
// press even when the text was too short to be written.
void MainWindow::Button16Click() {
    const QString name = libraryEntryName(state_.airfoil.sourceLines.value(0));
    const QString path = folders_.winglistDir + QDir::separator() + name + QStringLiteral(".dat");
    saveAirfoilText(state_.airfoil, path);
    desktop_.beep();
}

}  // namespace rw
