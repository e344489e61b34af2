// The exports of the sheet. Each redraws the sheet first, so it writes the settings as they
// stand now, proposes a name built from the title and the settings, and offers to open the
// written file.
#include "export/output_name.h"
#include "ui/main_window.h"
#include "ui/rib_panel.h"

namespace rw {

// A refused setting only shows its message and the export goes on with the earlier values; an
// error while redrawing ends the export before its dialog.
void MainWindow::exportSheet(OutputKind kind) {
    const OutputKindSpec& output = outputKindSpec(kind);
    drawRibSheet();
    const RibSettings panel = ribPanel_->snapshot();
    state_.outputBaseName = buildOutputBaseName(state_.airfoil.name, panel, state_.params);
    const std::optional<QString> path = desktop_.chooseFileToSave(
        {state_.outputBaseName + output.extension, folders_.*output.folder, output.saveFilter});
    if (!path)
        return;
    QString& file = state_.lastFiles.*output.lastFile;
    file = *path;
    state_.paper = ribPanel_->paperSize();
    output.write(file, state_, panel);
    if (!desktop_.askYesNo(output.openQuestion))
        return;
    desktop_.shellOpen(file);
    if (output.backToAirfoilView) {
        state_.viewMode = ViewMode::Airfoil;
        applyViewMode();
    }
}

}  // namespace rw
