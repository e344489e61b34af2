// The rib sheet: drawing it from the settings column, and the controls that redraw it or mark
// the exports as out of date.
#include "geometry/read_rib_parameters.h"
#include "platform/errors.h"
#include "sheet/rib_sheet.h"
#include "ui/main_window.h"
#include "ui/panel_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

namespace rw {

RibPanelSnapshot MainWindow::ribPanelSnapshot() const {
    RibPanelSnapshot panel;
    panel.rootChordText = Edit2->text();
    panel.tipChordText = Edit3->text();
    panel.sparPercentText = Edit4->text();
    panel.skinThicknessText = ComboBox1->currentText();
    panel.ribCountText = ComboBox2->currentText();
    panel.rootThicknessText = ComboBox3->currentText();
    panel.tipThicknessText = ComboBox4->currentText();
    panel.taperOn = CheckBox1->isChecked();
    panel.showSparLine = CheckBox2->isChecked();
    panel.showSheetPoints = CheckBox4->isChecked();
    panel.showGrid = CheckBox5->isChecked();
    panel.rootThicknessOn = CheckBox6->isChecked();
    panel.tipThicknessOn = CheckBox7->isChecked();
    panel.skinColour = Panel4->colour();
    panel.ribColour = Panel5->colour();
    panel.gridColour = Panel6->colour();
    panel.decimalSeparator = desktop_.decimalSeparator();
    return panel;
}

// Redraws the sheet from the settings as they stand. A setting the reader refuses stops with its
// message and leaves the previous sheet on show; a fault while drawing shows the sheet as far as
// it got before the error goes on to the caller.
void MainWindow::drawRibSheet() {
    desktop_.beep();
    setExportButtonsEnabled(true);
    const RibPanelSnapshot panel = ribPanelSnapshot();
    const RibReadResult read = readRibParameters(panel, state_.params, state_.sheetSettings);
    if (!read.proceed) {
        if (!read.message.isEmpty())
            desktop_.showMessage(read.message);
        return;
    }
    try {
        rw::drawRibSheet(state_.sheetBitmap, Image2->size(), state_.airfoil, state_.params,
                         state_.sheetSettings, panel, state_.rib, state_.sheetLayout);
    } catch (const RibwrightError&) {
        showSheet();
        throw;
    }
    showSheet();
}

void MainWindow::showSheet() {
    Image2->setPixmap(QPixmap::fromImage(state_.sheetBitmap));
}

void MainWindow::setExportButtonsEnabled(bool enabled) {
    Button9->setEnabled(enabled);
    Button10->setEnabled(enabled);
    Button11->setEnabled(enabled);
}

void MainWindow::Button8Click() {
    drawRibSheet();
}

// The tip controls belong to the taper; the tip thickness stays usable without it.
void MainWindow::CheckBox1Click() {
    const bool taper = CheckBox1->isChecked();
    Label3->setEnabled(taper);
    Edit3->setEnabled(taper);
    Label4->setEnabled(taper);
    ComboBox2->setEnabled(taper);
    drawRibSheet();
}

void MainWindow::CheckBox2Click() {
    setExportButtonsEnabled(false);
    drawRibSheet();
}

void MainWindow::CheckBox4Click() {
    drawRibSheet();
}

void MainWindow::CheckBox5Click() {
    drawRibSheet();
}

// A changed chord, skin or rib count makes the last sheet out of date until the next redraw.
void MainWindow::Edit2Change() {
    setExportButtonsEnabled(false);
}

void MainWindow::Edit3Change() {
    setExportButtonsEnabled(false);
}

void MainWindow::ComboBox1Change() {
    setExportButtonsEnabled(false);
}

void MainWindow::ComboBox2Change() {
    setExportButtonsEnabled(false);
}

}  // namespace rw
