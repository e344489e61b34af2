#pragma once

#include "cli/cli_options.h"

#include <QString>
#include <QStringList>

namespace rw::cli {

// The files one run writes; an empty path is not written.
struct OutputTargets {
    QString csv;
    QString dxf;
    QString image;
    QString pdf;
    QString svg;     // the first stock sheet's file
    QString cutDxf;  // the first stock sheet's file

    QStringList all() const { return {csv, dxf, image, pdf, svg, cutDxf}; }
};

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
