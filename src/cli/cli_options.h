#pragma once

#include "export/workshop_files.h"
#include "geometry/rib_parameters.h"
#include "sheet/rib_settings.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace rw::cli {

// What the command line asked for: the rib panel as the user would have typed it, and the files.
struct CliOptions {
    QStringList airfoilFiles;  // more than one only with --out-dir
    bool asPasted = false;     // read the files as the window's paste would, without tidying
    RibSettings panel;
    QSize sheetSize{1600, 1000};
    QString csvPath;
    QString dxfPath;
    QString imagePath;
    QString outDir;
    bool printName = false;
    // The workshop files: true-scale print, laser SVG and cut DXF.
    QString pdfPath;
    QString svgPath;
    QString cutDxfPath;
    PaperSize paper = PaperSize::A4;
    QSizeF stockSize = kDefaultStockSize;  // millimetres
    bool allWithOutDir = false;            // --out-dir writes the workshop files too
};

struct CliParseResult {
    std::optional<CliOptions> options;  // empty: stop with `exitCode` after printing `output`
    int exitCode = 0;
    QString output;  // help or version text (stdout) or a usage error (stderr)
    bool isError = false;
};

// `decimalSeparator` is the user's locale's: typed numbers use it, and the default skin thickness
// is written with it, as the window's list is.
CliParseResult parseCliArguments(const QStringList& arguments, QChar decimalSeparator);

}  // namespace rw::cli
