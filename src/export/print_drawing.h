#pragma once

#include "export/paper_size.h"
#include "export/print_plan.h"

#include <QColor>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QString>

// How every page of the true-scale print is drawn: pens and text in millimetres, the calibration
// bars, the seams between tiles and the page label. The rib pages and the building plan share
// them, so that both pages read and trim alike.
namespace rw::print_drawing {

// Device units per millimetre; the painter is scaled so that drawing happens in millimetres.
constexpr int kResolution = 1200;
constexpr double kUnitsPerMm = kResolution / 25.4;

QPen penMm(const QColor& colour, double widthMm, Qt::PenStyle style = Qt::SolidLine);

// Text `heightMm` tall (the font's em), base line starting at `at`, cut short with an ellipsis
// where it would run wider than `widthMm`. Glyphs stay outlines of the embedded font: nothing is
// rasterised.
void drawText(QPainter& painter, QPointF at, double heightMm, const QString& text,
              double widthMm = 1e6);

// How wide `text` runs at `heightMm`, in millimetres.
double textWidth(double heightMm, const QString& text);

// The bars a builder measures before cutting: 100 mm and one inch, filled, with the instruction
// to print at 100 %, in the top left of the sheet (PrintPlan::kCalibrationHeight tall).
void drawCalibration(QPainter& painter);
// How wide the bars and their texts run, millimetres.
double calibrationWidth();

// Dashed trimming lines along the middle of the overlaps that page (column, row) shows, with the
// plan's registration marks on them; in sheet millimetres.
void drawSeams(QPainter& painter, const PrintPlan& plan, int column, int row);

// The label above the tile of the page.
void drawPageLabel(QPainter& painter, const PrintPlan& plan, const QString& label);

QPageSize pageSizeOf(PaperSize paper);

}  // namespace rw::print_drawing
