#pragma once

#include "export/workshop_layout.h"

#include <QIODevice>

namespace rw {

// Paper for the true-scale print.
enum class PaperSize { A4, A3, Letter };

// Writes every rib at 1:1 as a vector PDF, tiled over pages of `paper` (portrait or landscape,
// whichever takes fewer pages) with overlaps, alignment marks, page labels and a calibration bar
// on the first page. Throws RibwrightError as buildWorkshopRibs does, or when the device fails.
void writeTrueScalePdf(const AirfoilState& airfoil, const RibParameters& params, PaperSize paper,
                       QIODevice& device, const RibFeatures& features = {});

// Stock sheet `sheet` of `layout` as an SVG for laser cutters: a "cut" layer with each rib's cut
// contour and an "engrave/mark" layer with chord lines, spar lines and numbers. Each sheet is a
// file of its own (see stockSheetPath): one file is one job on the laser bed.
void writeLaserSvg(const WorkshopLayout& layout, int sheet, QIODevice& device);

// The same sheet as an R12 DXF in millimetres with the layers CUT and MARK.
void writeCutDxf(const WorkshopLayout& layout, int sheet, QIODevice& device);

}  // namespace rw
