#include "ui/output_kinds.h"

#include "export/csv_writer.h"
#include "export/dxf_writer.h"
#include "export/sheet_image.h"
#include "export/workshop_files.h"
#include "ui/ui_texts.h"

namespace rw {

namespace {

const QString kAllFiles = QStringLiteral("ALL|*.*");

// Another extension than .png or .jpg writes nothing, and the question is asked all the same.
void writeImage(const QString& path, WindowState& state, const RibSettings&) {
    writeSheetImage(path, state.sheetBitmap);
}

void writeCsv(const QString& path, WindowState& state, const RibSettings& panel) {
    exportCsv(path, {state.airfoil, state.params, panel}, state.rib);
}

void writeDxf(const QString& path, WindowState& state, const RibSettings& panel) {
    exportDxf(path, {state.airfoil, state.params, panel}, state.rib, state.dxfAttributes);
}

void writePdf(const QString& path, WindowState& state, const RibSettings& panel) {
    saveTrueScalePdf(path, state.airfoil, state.params, state.paper, panel.features);
}

// Ribs beyond the first stock sheet go into numbered files beside the chosen one.
void writeLaserSvgFiles(const QString& path, WindowState& state, const RibSettings& panel) {
    saveLaserSvg(path,
                 layoutOnStock(state.airfoil, state.params, kDefaultStockSize, panel.features));
}

void writeCutDxfFiles(const QString& path, WindowState& state, const RibSettings& panel) {
    saveCutDxf(path, layoutOnStock(state.airfoil, state.params, kDefaultStockSize, panel.features));
}

}  // namespace

const OutputKindSpec& outputKindSpec(OutputKind kind) {
    static const OutputKindSpec image{QStringLiteral(".png"),
                                      QStringLiteral("PNG|*.png|JPG|*.jpg"),
                                      QStringLiteral("ALL|*.*|PNG|*.png|JPG|*.jpg"),
                                      &DataFolders::picturesDir,
                                      &LastChosenFiles::image,
                                      ui_texts::openImageQuestion(),
                                      false,
                                      writeImage};
    static const OutputKindSpec csv{QStringLiteral(".csv"),
                                    QStringLiteral("CSV|*.csv"),
                                    kAllFiles,
                                    &DataFolders::spreadsheetDir,
                                    &LastChosenFiles::csv,
                                    ui_texts::openSpreadsheetQuestion(),
                                    false,
                                    writeCsv};
    // After opening the drawing elsewhere the window goes back to the compact airfoil view.
    static const OutputKindSpec dxf{
        QStringLiteral(".dxf"), QStringLiteral("DXF|*.dxf"), kAllFiles, &DataFolders::dxfDir,
        &LastChosenFiles::dxf,  ui_texts::openDxfQuestion(), true,      writeDxf};
    static const OutputKindSpec pdf{
        QStringLiteral(".pdf"), QStringLiteral("PDF|*.pdf"), kAllFiles, &DataFolders::pdfDir,
        &LastChosenFiles::pdf,  ui_texts::openPdfQuestion(), false,     writePdf};
    static const OutputKindSpec laserSvg{
        QStringLiteral(".svg"), QStringLiteral("SVG|*.svg"), kAllFiles, &DataFolders::svgDir,
        &LastChosenFiles::svg,  ui_texts::openSvgQuestion(), false,     writeLaserSvgFiles};
    // Beside the drawing DXF in the same folder, so it gets a name of its own.
    static const OutputKindSpec cutDxf{
        QStringLiteral("_cut.dxf"), QStringLiteral("DXF|*.dxf"), kAllFiles, &DataFolders::dxfDir,
        &LastChosenFiles::cutDxf,   ui_texts::openDxfQuestion(), false,     writeCutDxfFiles};
    switch (kind) {
        case OutputKind::Image:
            return image;
        case OutputKind::Csv:
            return csv;
        case OutputKind::Dxf:
            return dxf;
        case OutputKind::Pdf:
            return pdf;
        case OutputKind::LaserSvg:
            return laserSvg;
        case OutputKind::CutDxf:
            break;
    }
    return cutDxf;
}

}  // namespace rw
