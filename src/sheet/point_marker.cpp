#include "sheet/point_marker.h"

#include <QPainter>
#include <QPen>

namespace rw {

PointMarker::PointMarker(const QColor& colour)
    : sprite_(kSize, kSize, QImage::Format_ARGB32_Premultiplied) {
    sprite_.fill(Qt::transparent);
    QPainter painter(&sprite_);
    painter.setRenderHint(QPainter::Antialiasing, true);
    // Pixel (i, j) covers [i, i + 1) x [j, j + 1): its centre is at i + 0.5.
    const double c = kCentre + 0.5;
    painter.setPen(QPen(colour, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(c, c), 2.5, 2.5);
    painter.drawLine(QPointF(c, c - 3), QPointF(c, c + 3));
    painter.end();

    for (int y = 0; y < kSize; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(sprite_.constScanLine(y));
        for (int x = 0; x < kSize; ++x) {
            if (qAlpha(row[x]) != 0)
                inks_.push_back({x - kCentre, y - kCentre, row[x], 255 - qAlpha(row[x])});
        }
    }
}

void PointMarker::stamp(QImage& sheet, int px, int py) const {
    const int width = sheet.width();
    const int height = sheet.height();
    if (px < -kCentre || py < -kCentre || px >= width + kCentre || py >= height + kCentre)
        return;
    const bool inside =
        px >= kCentre && py >= kCentre && px < width - kCentre && py < height - kCentre;
    const qsizetype stride = sheet.bytesPerLine() / qsizetype(sizeof(QRgb));
    QRgb* pixels = reinterpret_cast<QRgb*>(sheet.bits());
    for (const Ink& ink : inks_) {
        const int x = px + ink.dx, y = py + ink.dy;
        if (!inside && (x < 0 || y < 0 || x >= width || y >= height))
            continue;
        QRgb& dst = pixels[qsizetype(y) * stride + x];
        if (ink.keep == 0) {
            dst = ink.colour;
            continue;
        }
        // Source-over with a premultiplied source: src + dst * (255 - alpha) / 255.
        auto mix = [keep = ink.keep](int s, int d) {
            const int t = d * keep + 128;
            return s + ((t + (t >> 8)) >> 8);
        };
        dst = qRgb(mix(qRed(ink.colour), qRed(dst)), mix(qGreen(ink.colour), qGreen(dst)),
                   mix(qBlue(ink.colour), qBlue(dst)));
    }
}

}  // namespace rw
