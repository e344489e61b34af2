#include "ui/output_kinds.h"

#include "export/csv_writer.h"
#include "export/dxf_writer.h"
#include "export/sheet_image.h"

namespace rw {

namespace {

const QString kAllFiles = QStringLiteral("ALL|*.*");

// Another extension than .png or .jpg writes nothing, and the question is asked all the same.
void writeImage(const QString& path, WindowState& state, const RibPanelSnapshot&) {
    writeSheetImage(path, state.sheetBitmap);
}

void writeCsv(const QString& path, WindowState& state, const RibPanelSnapshot& panel) {
    exportCsv(path, {state.airfoil, state.params, panel}, state.rib);
}

void writeDxf(const QString& path, WindowState& state, const RibPanelSnapshot& panel) {
    exportDxf(path, {state.airfoil, state.params, panel}, state.rib, state.dxfAttributes);
}

}  // namespace

const OutputKindSpec& outputKindSpec(OutputKind kind) {
    static const OutputKindSpec image{QStringLiteral(".png"),
                                      QStringLiteral("PNG|*.png|JPG|*.jpg"),
                                      QStringLiteral("ALL|*.*|PNG|*.png|JPG|*.jpg"),
                                      &DataFolders::picturesDir,
                                      &LastChosenFiles::image,
                                      QStringLiteral("画像ソフトを起動しますか？"),
                                      false,
                                      writeImage};
    static const OutputKindSpec csv{QStringLiteral(".csv"),
                                    QStringLiteral("CSV|*.csv"),
                                    kAllFiles,
                                    &DataFolders::spreadsheetDir,
                                    &LastChosenFiles::csv,
                                    QStringLiteral("表計算ソフトを起動しますか？"),
                                    false,
                                    writeCsv};
    // After opening the drawing elsewhere the window goes back to the compact airfoil view.
    static const OutputKindSpec dxf{QStringLiteral(".dxf"),
                                    QStringLiteral("DXF|*.dxf"),
                                    kAllFiles,
                                    &DataFolders::dxfDir,
                                    &LastChosenFiles::dxf,
                                    QStringLiteral("DXFに関連付けされたソフトを起動しますか？"),
                                    true,
                                    writeDxf};
    switch (kind) {
        case OutputKind::Image:
            return image;
        case OutputKind::Csv:
            return csv;
        case OutputKind::Dxf:
            break;
    }
    return dxf;
}

}  // namespace rw
