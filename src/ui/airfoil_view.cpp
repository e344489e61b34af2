// The airfoil preview on the window's surface and its title strip.
#include "airfoil/airfoil_preview.h"
#include "platform/text_trim.h"
#include "ui/main_window.h"
#include "ui/panel_widget.h"

#include <QCheckBox>

namespace rw {

namespace {

const QRect kPreviewArea(250, 64, 600, 200);

}  // namespace

void MainWindow::renderAirfoilPreview() {
    rw::drawAirfoilPreview(state_.previewBitmap, state_.airfoil.profile, CheckBox3->isChecked());
    const QString title = trimControl(state_.airfoil.name);
    if (Panel3->text() != title)
        Panel3->setText(title);
}

// Drawn now and shown at the next paint; in the sheet view the panel covers it.
void MainWindow::drawAirfoilPreview() {
    renderAirfoilPreview();
    update(kPreviewArea);
}

void MainWindow::CheckBox3Click() {
    drawAirfoilPreview();
}

}  // namespace rw
