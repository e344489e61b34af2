#pragma once

#include "cli/cli_options.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace rw::cli {

// One file a run writes: the path given (or proposed) for one output of the table. Stock
// sheets beyond the first go beside it.
struct OutputTarget {
    OutputFormat format;
    QString path;
};
// In the order the table lists the outputs, which is the order they are written in.
using OutputTargets = std::vector<OutputTarget>;

// The paths given, with --out-dir filling in the ones not given under the proposed stem (the
// workshop files only with --all, the cut DXF as STEM_cut.dxf beside the drawing STEM.dxf).
OutputTargets outputTargets(const CliOptions& options, const QString& stem);

// A path that two outputs share (after making both absolute and clean), or an empty string.
QString sameTargetTwice(const OutputTargets& targets);

// Checks, before anything is written, what the system can tell without writing: every target's
// folder exists (or, for the output folder, can be made) and may be written in, and no target is
// a folder or a file that may not be written. Throws FileError naming the path, worded as the
// writers word the same failure.
void checkTargetsWritable(const OutputTargets& targets, const QString& outDir);

// Makes the output folder and any missing folders above it, as mkdir -p would. Throws FileError.
void makeOutputFolder(const QString& outDir);

}  // namespace rw::cli
