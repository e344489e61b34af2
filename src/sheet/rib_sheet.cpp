#include "sheet/rib_sheet.h"

#include "platform/errors.h"
#include "sheet/rib_drawing.h"
#include "sheet/sheet_fonts.h"
#include "sheet/sheet_layout.h"
#include "sheet/sheet_ruler.h"
#include "sheet/sheet_texts.h"
#include "sheet/sheet_titles.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace rw {

namespace {

// 96 dots per inch, so that point sizes turn into the same pixel sizes on every platform.
constexpr int kDotsPerMeter = 3780;  // round(96 / 0.0254)

// A series with more ribs than this is absurd; the cap only matters when a rib is so tall that
// rows thousands of sheets below could still reach it (see seriesReach).
constexpr int kMaxDrawnRibs = 16 + 4096;

// A sheet the memory cannot hold is an error of its own, not an empty sheet that some later
// step would misreport. The memory is tried first so that the toolkit does not warn on its own.
void allocateSheet(QImage& sheet, QSize size) {
    sheet = QImage();
    const std::size_t bytes = std::size_t(size.width()) * std::size_t(size.height()) * 4;
    void* probe = std::malloc(bytes);
    if (probe != nullptr) {
        std::free(probe);
        sheet = QImage(size, QImage::Format_RGB32);
    }
    if (sheet.isNull()) {
        throw OutOfMemoryError(sheet_texts::noMemoryForSheet(size));
    }
}

void prepareSheet(QImage& sheet, QSize size) {
    if (size.isEmpty()) {
        sheet = QImage();
        return;
    }
    if (sheet.size() != size || sheet.format() != QImage::Format_RGB32)
        allocateSheet(sheet, size);
    sheet.setDotsPerMeterX(kDotsPerMeter);
    sheet.setDotsPerMeterY(kDotsPerMeter);
    sheet.fill(Qt::white);
}

// How far above its chord line any rib of the series can draw, in pixels, bounded from the
// profile's height, the largest chord and thickness factor of the series (every rib lies between
// root and tip), a generous allowance for the skin offset and the grid, and the rib number.
// Ribs from 17 on go down the right column; a row further below the sheet than this cannot show.
double seriesReach(const AirfoilProfile& profile, const RibParameters& params, float perMm,
                   const SheetFonts& fonts) {
    double height = 0;
    for (float y : profile.y) height = std::max(height, std::fabs(double(y)));
    const double chord = std::max(std::fabs(double(float(params.rootChord))),
                                  std::fabs(double(float(params.tipChord))));
    const double factor =
        std::max(std::fabs(params.rootThicknessFactor), std::fabs(params.tipThicknessFactor));
    const double scale = std::fabs(double(perMm));
    return (height * chord * factor + 16 * std::fabs(double(params.skinThickness)) + 10) * scale +
           fonts.labelMetrics.height() + 20 + 8;
}

// The same bound for the ribs of a wing panel, whose sections and chords need not lie between
// the root's and the tip's: measured on the ribs themselves.
double panelReach(const RibSeries& series, float skin, float perMm, const SheetFonts& fonts) {
    double height = 0;
    for (const SeriesRib& rib : series.ribs) {
        for (float y : rib.outline.surfaceY) height = std::max(height, std::fabs(double(y)));
    }
    return (height + 16 * std::fabs(double(skin)) + 10) * std::fabs(double(perMm)) +
           fonts.labelMetrics.height() + 20 + 8;
}

// The longest chord of a panel's ribs: the ribs are drawn with their trailing edges lined up
// under the longest.
float longestChord(const RibSeries& series, float rootChord) {
    float longest = rootChord;
    for (const SeriesRib& rib : series.ribs) longest = std::max(longest, rib.shape.ribChord);
    return longest;
}

// Ribs in the antialiased pass. Returns normally or throws the floating-point fault of the
// scale, before any rib is drawn.
void drawRibs(QImage& sheet, QSize size, const RibJob& job, const RibSeries& series,
              const SheetFonts& fonts, SheetLayout& layout) {
    const RibParameters& params = job.params;
    const int count =
        params.taperOn ? int(series.ribs.size()) : std::min<int>(1, series.ribs.size());
    if (count < 1)
        return;
    const float scaleChord =
        series.panelSet ? longestChord(series, float(params.rootChord)) : float(params.rootChord);
    layout.pixelsPerMm = sheetPixelsPerMm(
        size.width(), series.panelSet ? double(scaleChord) : params.rootChord, layout.sheetScale);

    RibStyle style;
    style.pixelsPerMm = layout.pixelsPerMm;
    style.rootChord = scaleChord;
    style.sparPercent = params.sparPercent;
    style.skinColour = job.look.skinColour;
    style.ribColour = job.look.ribColour;
    style.gridColour = job.look.gridColour;
    style.showPoints = job.look.showSheetPoints;
    style.showSparLine = job.look.showSparLine;
    style.showGrid = job.look.showGrid;
    style.sparAtRibStation = !job.features.sparNotches.empty();

    std::optional<QPainter> painter;
    std::optional<RibDrawer> drawer;
    if (!sheet.isNull()) {
        painter.emplace(&sheet);
        painter->setRenderHint(QPainter::Antialiasing, true);
        drawer.emplace(*painter, sheet, style, fonts);
    }

    const double reach = series.panelSet
                             ? panelReach(series, params.skinThickness, layout.pixelsPerMm, fonts)
                             : seriesReach(job.airfoil.profile, params, layout.pixelsPerMm, fonts);
    for (int k = 1; k <= count && k <= kMaxDrawnRibs; ++k) {
        const RibPlacement place = params.taperOn ? placeSeriesRib(k, size) : placeSingleRib(size);
        // Rows only go further down from here on.
        if (place.column == 1 && double(place.originY) - reach > size.height())
            break;
        layout.ribOriginX = place.originX;
        layout.ribOriginY = int(place.originY);
        if (!drawer)
            continue;
        const SeriesRib& rib = series.ribs[std::size_t(k - 1)];
        drawer->draw(rib, place.originX, layout.ribOriginY, series.featured ? &rib.piece : nullptr);
    }
}

}  // namespace

SheetLayout drawRibSheet(QImage& sheet, QSize size, const RibJob& job, const RibSeries& series) {
    prepareSheet(sheet, size);
    SheetLayout layout;
    layout.sheetWidth = size.width();
    layout.sheetHeight = size.height();
    layout.sheetScale = sheetScaleFor(job.params.taperOn);

    const SheetFonts fonts(&sheet);
    drawRibs(sheet, size, job, series, fonts, layout);

    // Titles and ruler come after the ribs and hide what lies under their boxes.
    std::optional<QPainter> painter;
    if (!sheet.isNull()) {
        painter.emplace(&sheet);
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setBackgroundMode(Qt::OpaqueMode);
        painter->setBackground(Qt::white);
        drawSheetTitles(*painter, job.titles, size.width(), fonts);
    }
    // Without a rib the scale is first worked out here, and a root chord of 0 fails here.
    const RibParameters& params = job.params;
    const bool hadRibs = (params.taperOn ? params.ribCount : 1) >= 1;
    if (!hadRibs)
        layout.pixelsPerMm = sheetPixelsPerMm(size.width(), params.rootChord, layout.sheetScale);
    if (painter)
        drawRuler(*painter, size, layout.pixelsPerMm, fonts);
    return layout;
}

}  // namespace rw
