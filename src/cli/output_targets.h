#pragma once

#include "cli/cli_options.h"
#include "export/output_formats.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace rw::cli {

// One output of a run: the path given (or proposed) for one row of the table, and every file
// its save will write there, further stock sheets included (see planFiles).
struct OutputTarget {
    OutputFormat format;
    QString path;
    QStringList files;
};
// In the order the table lists the outputs, which is the order they are written in.
using OutputTargets = std::vector<OutputTarget>;

// The paths given, with --out-dir filling in the ones not given under the proposed stem (the
// workshop files only with --all, the cut DXF as STEM_cut.dxf beside the drawing STEM.dxf).
OutputTargets outputTargets(const CliOptions& options, const QString& stem);

// Fills in every target's files for `source`: the stock layout decides how many sheets go
// beside a workshop file.
void planFiles(OutputTargets& targets, const OutputSource& source);

// Every file of every target, in the order they are written.
QStringList plannedFiles(const OutputTargets& targets);

// A file that two outputs (or two sheets) would write, however spelled or linked, or an empty
// string.
QString sameTargetTwice(const OutputTargets& targets);

// A planned file that is one of `inputs` (regular files only: writing over a device or a pipe
// given as the airfoil destroys nothing).
struct OutputOverInput {
    QString output;
    QString input;
};
std::optional<OutputOverInput> outputOverInput(const OutputTargets& targets,
                                               const QStringList& inputs);

}  // namespace rw::cli
