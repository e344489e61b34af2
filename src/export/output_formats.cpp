#include "export/output_formats.h"

#include "export/building_plan.h"
#include "export/csv_writer.h"
#include "export/cut_dxf_writer.h"
#include "export/export_texts.h"
#include "export/image_format.h"
#include "export/laser_svg_writer.h"
#include "export/print_plan.h"
#include "export/rib_table_writer.h"
#include "export/sheet_image.h"
#include "export/true_scale_pdf_writer.h"
#include "export/workshop_layout.h"
#include "platform/atomic_file.h"

#include <algorithm>

namespace rw {
namespace {

void checkNothing(const OutputSource&) {}

void checkDrawing(const OutputSource& source) {
    checkDxfRange(source.job, source.series);
}

// The print refuses what the workshop ribs refuse (a rib with no material left to cut) and a
// plan of more pages than a print may take; with the building plan, a series without a wing
// panel's span and a plan of too many pages.
void checkPrint(const OutputSource& source) {
    const QSizeF paper = portraitPaperSize(source.options.paper);
    planPrint(buildWorkshopRibs(source.series, source.options), paper);
    if (source.options.plan)
        planSheetPrint(layOutBuildingPlan(source.series).sheetSize, paper);
}

// The stock layout refuses a rib larger than the stock and a gap narrower than the kerf.
void checkStock(const OutputSource& source) {
    layoutOnStock(source.job, source.series, source.options);
}

QStringList onePath(const QString& path, const OutputSource&) {
    return {path};
}

// Only a .png or .jpg name is written; any other name writes nothing.
QStringList imagePaths(const QString& path, const OutputSource&) {
    if (imageFormatForPath(path) == ImageFormat::None)
        return {};
    return {path};
}

QStringList saveImage(const QString& path, const OutputSource& source) {
    if (!writeSheetImage(path, source.sheet))
        return {};
    return {path};
}

QStringList saveCsv(const QString& path, const OutputSource& source) {
    writeFileAtomically(path, [&](QIODevice& out) { writeCsv(out, source.job, source.series); });
    return {path};
}

QStringList saveDrawing(const QString& path, const OutputSource& source) {
    writeFileAtomically(path, [&](QIODevice& out) {
        writeDxf(out, source.job, source.series, source.dxfAttributes);
    });
    return {path};
}

QStringList savePrint(const QString& path, const OutputSource& source) {
    writeFileAtomically(path, [&](QIODevice& out) {
        writeTrueScalePdf(source.job, source.series, source.options, out);
    });
    return {path};
}

QStringList saveRibTable(const QString& path, const OutputSource& source) {
    writeFileAtomically(path, [&](QIODevice& out) { writeRibTable(out, source.series); });
    return {path};
}

QStringList sheetPaths(const QString& path, int sheetCount) {
    QStringList paths;
    for (int sheet = 0; sheet < sheetCount; ++sheet) paths << stockSheetPath(path, sheet);
    return paths;
}

QStringList stockSheetPaths(const QString& path, const OutputSource& source) {
    const WorkshopLayout layout = layoutOnStock(source.job, source.series, source.options);
    return sheetPaths(path, layout.sheetCount);
}

// One file per stock sheet: one file is one job on the laser bed.
using StockSheetWriter = void (*)(const WorkshopLayout&, int, QIODevice&);
QStringList saveStockSheets(const QString& path, const OutputSource& source,
                            StockSheetWriter writeSheet) {
    const WorkshopLayout layout = layoutOnStock(source.job, source.series, source.options);
    const QStringList paths = sheetPaths(path, layout.sheetCount);
    QStringList written;
    for (int sheet = 0; sheet < layout.sheetCount; ++sheet) {
        writeFileAtomically(paths[sheet], [&](QIODevice& out) { writeSheet(layout, sheet, out); });
        written << paths[sheet];
    }
    return written;
}

QStringList saveLaserSvg(const QString& path, const OutputSource& source) {
    return saveStockSheets(path, source, writeLaserSvg);
}

QStringList saveCutDxf(const QString& path, const OutputSource& source) {
    return saveStockSheets(path, source, writeCutDxf);
}

const QString kAllFiles = QStringLiteral("ALL|*.*");

std::vector<OutputFormatRow> makeRows() {
    using F = OutputFormat;
    using namespace export_texts;
    return {
        {F::Image, "image", imageOptionHelp, QStringLiteral(".png"), true, false, "Button9",
         "Button12", QStringLiteral("PNG|*.png|JPG|*.jpg"),
         QStringLiteral("ALL|*.*|PNG|*.png|JPG|*.jpg"), &DataFolders::picturesDir,
         openImageQuestion, false, checkNothing, imagePaths, saveImage, false},
        {F::Csv, "csv", csvOptionHelp, QStringLiteral(".csv"), true, false, "Button10", "Button13",
         QStringLiteral("CSV|*.csv"), kAllFiles, &DataFolders::spreadsheetDir,
         openSpreadsheetQuestion, false, checkNothing, onePath, saveCsv, false},
        // After opening the drawing elsewhere the window goes back to the compact airfoil view.
        {F::Dxf, "dxf", dxfOptionHelp, QStringLiteral(".dxf"), true, false, "Button11", "Button14",
         QStringLiteral("DXF|*.dxf"), kAllFiles, &DataFolders::dxfDir, openDxfQuestion, true,
         checkDrawing, onePath, saveDrawing, false},
        {F::Pdf, "pdf", pdfOptionHelp, QStringLiteral(".pdf"), false, true, "PdfButton", nullptr,
         QStringLiteral("PDF|*.pdf"), kAllFiles, &DataFolders::pdfDir, openPdfQuestion, false,
         checkPrint, onePath, savePrint, false},
        {F::LaserSvg, "svg", svgOptionHelp, QStringLiteral(".svg"), false, true, "SvgButton",
         nullptr, QStringLiteral("SVG|*.svg"), kAllFiles, &DataFolders::svgDir, openSvgQuestion,
         false, checkStock, stockSheetPaths, saveLaserSvg, true},
        // Beside the drawing DXF in the same folder, so it gets a name of its own.
        {F::CutDxf, "cut-dxf", cutDxfOptionHelp, QStringLiteral("_cut.dxf"), false, true,
         "CutDxfButton", nullptr, QStringLiteral("DXF|*.dxf"), kAllFiles, &DataFolders::dxfDir,
         openDxfQuestion, false, checkStock, stockSheetPaths, saveCutDxf, true},
        // The builder's notes on the panel: asked for by name, never part of a whole folder.
        {F::RibTable, "rib-table", ribTableOptionHelp, QStringLiteral("_ribs.csv"), false, false,
         "RibTableButton", nullptr, QStringLiteral("CSV|*.csv"), kAllFiles,
         &DataFolders::spreadsheetDir, openSpreadsheetQuestion, false, checkNothing, onePath,
         saveRibTable, false, false},
    };
}

}  // namespace

const std::vector<OutputFormatRow>& outputFormats() {
    static const std::vector<OutputFormatRow> rows = makeRows();
    return rows;
}

const OutputFormatRow& outputFormat(OutputFormat id) {
    const auto& rows = outputFormats();
    return *std::find_if(rows.begin(), rows.end(),
                         [id](const OutputFormatRow& row) { return row.id == id; });
}

bool anyNeedsPieces(const std::vector<OutputFormat>& formats) {
    return std::any_of(formats.begin(), formats.end(),
                       [](OutputFormat id) { return outputFormat(id).needsPieces; });
}

}  // namespace rw
