#include "sheet/sheet_ruler.h"

#include <QPen>
#include <QString>

#include <algorithm>
#include <cmath>

namespace rw {

namespace {

// Beyond this many millimetres a double no longer tells neighbouring ticks apart.
constexpr double kMaxRulerMm = 1e15;

qint64 lastMultipleUpTo(qint64 value, qint64 step) {
    return value / step * step;
}

// The tick left by millimetres first..last drawn on one column.
RulerTick tickFor(int x, qint64 first, qint64 last) {
    RulerTick tick;
    tick.x = x;
    if (lastMultipleUpTo(last, 50) >= first)
        tick.length = 10;
    else if (lastMultipleUpTo(last, 10) >= first)
        tick.length = 5;
    else
        tick.length = 3;
    const qint64 label = lastMultipleUpTo(last, 50);
    if (label >= first && label > 0)
        tick.label = label;
    return tick;
}

}  // namespace

int rulerTop(int sheetHeight) {
    return int(std::trunc(sheetHeight * 0.93));
}

std::vector<RulerTick> rulerTicks(int sheetWidth, float pixelsPerMm) {
    std::vector<RulerTick> ticks;
    const int stop = sheetWidth - 50;
    if (stop <= 0)
        return ticks;
    const double zero = std::trunc(sheetWidth * 0.05);
    const double step = std::fabs(double(pixelsPerMm));
    auto columnOf = [&](qint64 mm) { return std::trunc(double(mm) * step + zero); };

    if (!(step > 0) || (stop - zero + 1) / step > kMaxRulerMm) {
        ticks.push_back(tickFor(int(zero), 0, 0));
        return ticks;
    }
    // On a sheet so narrow that the zero lies beyond the stop the estimate is negative.
    const double estimate = std::clamp((stop - zero) / step, 0.0, double(stop));
    ticks.reserve(std::size_t(estimate) + 2);
    for (qint64 mm = 0;;) {
        const double x = columnOf(mm);
        if (x >= stop) {
            // The ruler ends with this tick alone, whatever would share its column.
            ticks.push_back(tickFor(int(x), mm, mm));
            return ticks;
        }
        // The last millimetre on the same column: estimated, then settled by the formula itself.
        qint64 last = mm;
        if (step < 1) {
            last = std::max(mm, qint64(std::ceil((x + 1 - zero) / step)) - 1);
            while (last > mm && columnOf(last) > x) --last;
        }
        while (columnOf(last + 1) == x) ++last;
        ticks.push_back(tickFor(int(x), mm, last));
        mm = last + 1;
    }
}

void drawRuler(QPainter& painter, QSize sheet, float pixelsPerMm, const SheetFonts& fonts) {
    const int top = rulerTop(sheet.height());
    const int labelBaseline = top + 15 + fonts.labelMetrics.ascent();
    painter.setPen(QPen(Qt::black, 1));
    painter.setFont(fonts.labels);
    for (const RulerTick& tick : rulerTicks(sheet.width(), pixelsPerMm)) {
        painter.drawLine(tick.x, top, tick.x, top + tick.length);
        if (tick.label > 0)
            painter.drawText(tick.x, labelBaseline, QString::number(tick.label));
    }
}

}  // namespace rw
