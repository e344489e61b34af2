#pragma once

#include "airfoil/airfoil_data.h"
#include "export/dxf_writer.h"
#include "export/workshop_exports.h"
#include "geometry/rib_outline.h"
#include "geometry/rib_parameters.h"
#include "sheet/rib_settings.h"
#include "sheet/rib_sheet.h"

#include <QImage>
#include <QString>

namespace rw {

enum class ViewMode {
    Airfoil = 1,   // compact window: text box, preview, file buttons
    RibSheet = 2,  // maximised: the rib sheet with its settings column
};

// The file chosen in the latest dialog of each kind; an export and the viewer of the same kind
// share one, and each sets it from its own dialog before using it.
struct LastChosenFiles {
    QString image;
    QString csv;
    QString dxf;
    QString pdf;
    QString svg;
    QString cutDxf;
};

// Everything the window's actions compute and leave behind for the next one. It lives as long as
// the window; each action overwrites what it computes.
struct WindowState {
    ViewMode viewMode = ViewMode::Airfoil;
    AirfoilState airfoil;
    RibParameters params;
    SheetSettings sheetSettings;
    CurrentRib rib;
    SheetLayout sheetLayout;
    DxfAttributes dxfAttributes;  // carried from one DXF export to the next
    LastChosenFiles lastFiles;
    QString outputBaseName;
    PaperSize paper = PaperSize::A4;  // of the true-scale print, as the list showed at export
    QImage previewBitmap;
    QImage sheetBitmap;
};

}  // namespace rw
