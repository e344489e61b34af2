// The three colour swatches of the sheet: surface, rib outline and grid.
#include "ui/main_window.h"
#include "ui/panel_widget.h"

namespace rw {

// The picker opens with whatever colour was last chosen in it, not the swatch's own colour.
void MainWindow::chooseSwatchColour(PanelWidget* swatch, QColor& sheetColour) {
    const std::optional<QColor> chosen = desktop_.chooseColour();
    if (!chosen)
        return;
    swatch->setColour(*chosen);
    sheetColour = *chosen;
    drawRibSheet();
}

void MainWindow::Panel4Click() {
    chooseSwatchColour(Panel4, state_.sheetSettings.skinColour);
}

void MainWindow::Panel5Click() {
    chooseSwatchColour(Panel5, state_.sheetSettings.ribColour);
}

void MainWindow::Panel6Click() {
    chooseSwatchColour(Panel6, state_.sheetSettings.gridColour);
}

}  // namespace rw
