#pragma once

#include "geometry/rib_cut.h"
#include "geometry/rib_series.h"
#include "sheet/point_marker.h"
#include "sheet/sheet_fonts.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QVector>

namespace rw {

// What every rib of one redraw shares.
struct RibStyle {
    float pixelsPerMm = 0;
    float rootChord = 0;  // mm, single precision
    float sparPercent = 0;
    QColor skinColour;
    QColor ribColour;
    QColor gridColour;
    bool showPoints = false;        // marks at the surface points
    bool showSparLine = true;       // spar line and rib number
    bool showGrid = true;           // the millimetre grid beside the chord line
    bool sparAtRibStation = false;  // the spar line at each rib's own station (its first notch)
};

// Pixel values worked out for one rib. They are whole numbers; they are held as doubles because
// an absurd chord or thickness can put them beyond the 32-bit range, where they only matter as
// "off the sheet".
struct RibMetrics {
    double leadingEdgeX = 0;
    double sparX = 0;
    double topY = 100000;  // smallest y of the surface points
    double bottomY = -1;   // largest y of the surface points
};

// Draws ribs on the sheet with an antialiasing painter. Pixel (x, y) of the sheet is the square
// [x, x + 1) x [y, y + 1), so a line between whole pixel positions is drawn through the pixel
// centres: a vertical or horizontal line then covers exactly one column or row of pixels.
class RibDrawer {
  public:
    // `painter` must be active on `sheet` with antialiasing on.
    RibDrawer(QPainter& painter, QImage& sheet, const RibStyle& style, const SheetFonts& fonts);

    // Draws one rib computed for a chord line at originY and a column anchored at originX, in
    // this order: point marks, surface, rib outline, spar line and rib number, chord line, grid.
    // With `cut` (a rib with features) the rib is drawn as that piece, notches and holes
    // included, instead of as its outline, after the spar line and number.
    RibMetrics draw(const SeriesRib& rib, int originX, int originY, const RibCut* cut = nullptr);

  private:
    void drawPolyline(const std::vector<float>& xs, const std::vector<float>& ys, double left,
                      int originY, RibMetrics* extent);
    void drawRing(const MmRing& ring, double left, int originY);
    void drawSparAndNumber(const RibMetrics& m, int ribNumber, int originY);
    void drawChordLineAndGrid(const RibMetrics& m, float chord, int originX, int originY);
    void drawAxisLine(double x0, double y0, double x1, double y1, const QColor& colour);

    QPainter& painter_;
    QImage& sheet_;
    RibStyle style_;
    int numberAscent_;
    PointMarker marker_;
    QPen skinPen_;
    QPen ribPen_;
    QPen textPen_;
    QVector<QPointF> points_;  // reused for every polyline
};

}  // namespace rw
