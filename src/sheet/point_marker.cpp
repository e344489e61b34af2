#include "sheet/point_marker.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

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
}

void PointMarker::stamp(QImage& sheet, int px, int py) const {
    const int left = px - kCentre;
    const int top = py - kCentre;
    const int x0 = std::max(0, -left);
    const int y0 = std::max(0, -top);
    const int x1 = std::min(kSize, sheet.width() - left);
    const int y1 = std::min(kSize, sheet.height() - top);
    if (x0 >= x1 || y0 >= y1)
        return;

    // Source-over with a premultiplied source: dst = src + dst * (255 - alpha) / 255.
    const qsizetype stride = sheet.bytesPerLine() / qsizetype(sizeof(QRgb));
    QRgb* rows = reinterpret_cast<QRgb*>(sheet.bits());
    for (int j = y0; j < y1; ++j) {
        const QRgb* src = reinterpret_cast<const QRgb*>(sprite_.constScanLine(j));
        QRgb* dst = rows + qsizetype(top + j) * stride + left;
        for (int i = x0; i < x1; ++i) {
            const QRgb s = src[i];
            const int alpha = qAlpha(s);
            if (alpha == 0)
                continue;
            if (alpha == 255) {
                dst[i] = s;
                continue;
            }
            const QRgb d = dst[i];
            const int keep = 255 - alpha;
            auto mix = [keep](int sc, int dc) { return sc + (dc * keep + 127) / 255; };
            dst[i] =
                qRgb(mix(qRed(s), qRed(d)), mix(qGreen(s), qGreen(d)), mix(qBlue(s), qBlue(d)));
        }
    }
}

}  // namespace rw
