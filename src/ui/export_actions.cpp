// The three exports of the sheet: image, spreadsheet and drawing. Each redraws the sheet first,
// so it writes the settings as they stand now, proposes a name built from the title and the
// settings, and offers to open the written file.
#include "export/csv_writer.h"
#include "export/dxf_writer.h"
#include "export/output_name.h"
#include "export/sheet_image.h"
#include "ui/main_window.h"

namespace rw {

namespace {

const QString kOpenImageQuestion = QStringLiteral("画像ソフトを起動しますか？");
const QString kOpenCsvQuestion = QStringLiteral("表計算ソフトを起動しますか？");
const QString kOpenDxfQuestion = QStringLiteral("DXFに関連付けされたソフトを起動しますか？");

}  // namespace

// Redraws (a refused setting only shows its message; an error ends the export) and returns the
// proposed file name.
QString MainWindow::prepareExport(const QString& extension) {
    drawRibSheet();
    state_.outputBaseName =
        buildOutputBaseName(state_.airfoil.name, ribPanelSnapshot(), state_.params);
    return state_.outputBaseName + extension;
}

void MainWindow::Button9Click() {
    const QString proposed = prepareExport(QStringLiteral(".png"));
    const std::optional<QString> path = desktop_.chooseFileToSave(
        {proposed, folders_.picturesDir, QStringLiteral("PNG|*.png|JPG|*.jpg")});
    if (!path)
        return;
    state_.lastFiles.image = *path;
    // Another extension writes nothing, and the question is asked all the same.
    writeSheetImage(state_.lastFiles.image, state_.sheetBitmap);
    if (desktop_.askYesNo(kOpenImageQuestion))
        desktop_.shellOpen(state_.lastFiles.image);
}

void MainWindow::Button10Click() {
    const QString proposed = prepareExport(QStringLiteral(".csv"));
    const std::optional<QString> path =
        desktop_.chooseFileToSave({proposed, folders_.spreadsheetDir, QStringLiteral("CSV|*.csv")});
    if (!path)
        return;
    state_.lastFiles.csv = *path;
    const RibPanelSnapshot panel = ribPanelSnapshot();
    exportCsv(state_.lastFiles.csv, {state_.airfoil, state_.params, panel}, state_.rib);
    if (desktop_.askYesNo(kOpenCsvQuestion))
        desktop_.shellOpen(state_.lastFiles.csv);
}

// After opening the drawing elsewhere the window goes back to the compact airfoil view.
void MainWindow::Button11Click() {
    const QString proposed = prepareExport(QStringLiteral(".dxf"));
    const std::optional<QString> path =
        desktop_.chooseFileToSave({proposed, folders_.dxfDir, QStringLiteral("DXF|*.dxf")});
    if (!path)
        return;
    state_.lastFiles.dxf = *path;
    const RibPanelSnapshot panel = ribPanelSnapshot();
    exportDxf(state_.lastFiles.dxf, {state_.airfoil, state_.params, panel}, state_.rib,
              state_.dxfAttributes);
    if (desktop_.askYesNo(kOpenDxfQuestion)) {
        desktop_.shellOpen(state_.lastFiles.dxf);
        state_.viewMode = ViewMode::Airfoil;
        applyViewMode();
    }
}

}  // namespace rw
