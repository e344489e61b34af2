#pragma once

#include "platform/data_folders.h"
#include "ui/window_state.h"

#include <QString>

namespace rw {

// The kinds of file the window writes from the sheet and opens again with the desktop's
// programs. A new output format is one more kind here and one more row in outputKindSpec.
enum class OutputKind { Image, Csv, Dxf, Pdf, LaserSvg, CutDxf };

// Everything an export and the matching viewer need to know about one kind of file.
struct OutputKindSpec {
    QString extension;   // ends the proposed name
    QString saveFilter;  // the save dialog's "DESC|PATTERN" pairs
    QString viewFilter;  // the viewer's open dialog
    QString DataFolders::*folder;
    QString LastChosenFiles::*lastFile;  // shared by the export and the viewer of the kind
    QString openQuestion;                // asked after writing: open the file with its program?
    bool backToAirfoilView = false;      // after opening the written file
    // Writes the file; the sheet has just been redrawn from `panel`.
    void (*write)(const QString& path, WindowState& state, const RibSettings& panel);
};

const OutputKindSpec& outputKindSpec(OutputKind kind);

}  // namespace rw
