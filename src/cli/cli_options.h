#pragma once

#include "export/output_formats.h"
#include "export/output_options.h"
#include "sheet/rib_settings.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>

namespace rw::cli {

// What the command line asked for: the rib panel as the user would have typed it, the output
// options and the files.
struct CliOptions {
    QStringList airfoilFiles;  // more than one only with --out-dir
    bool asPasted = false;     // read the files as the window's paste would, without tidying
    RibSettings panel;
    QSize sheetSize{1600, 1000};
    OutputOptions outputs;                        // paper, stock
    std::map<OutputFormat, QString> outputPaths;  // each output given with its own option
    QString outDir;
    bool allWithOutDir = false;  // --out-dir writes every output, not only the sheet's three
    bool printName = false;
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
