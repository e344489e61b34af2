#pragma once

#include "airfoil/airfoil_data.h"
#include "export/dxf_writer.h"
#include "export/output_formats.h"
#include "sheet/rib_job.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>

namespace rw {

enum class ViewMode {
    Airfoil = 1,   // compact window: text box, preview, file buttons
    RibSheet = 2,  // maximised: the rib sheet with its settings column
};

// What one action leaves for a later one, where the window's behaviour depends on it: a redraw
// refused part way leaves the settings it did not reach as the read before set them, and the
// exports go on with those; the drawing's layer and colour carry to the next DXF export.
struct CarriedSettings {
    LastReadSettings lastRead;
    DxfAttributes dxfAttributes;
};

// The job the sheet was last drawn from, and its ribs when the drawing got that far (a refused
// read draws nothing, but the exports still go on from the job).
struct SheetJob {
    RibJob job;
    std::optional<RibSeries> series;
};

// Everything the window's actions compute and keep. It lives as long as the window.
struct WindowState {
    ViewMode viewMode = ViewMode::Airfoil;
    AirfoilState airfoil;
    CarriedSettings carried;
    // The file chosen in the latest dialog of each format; its export and its viewer share it.
    std::map<OutputFormat, QString> lastFiles;
    QImage previewBitmap;
    QImage sheetBitmap;
    QStringList notesShown;  // the series' notes last shown, so a redraw does not repeat them
};

}  // namespace rw
