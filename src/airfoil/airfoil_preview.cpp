#include "airfoil/airfoil_preview.h"

#include <QColor>
#include <QLineF>
#include <QPainter>
#include <QRect>

#include <cmath>

namespace rw {

namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 200;
constexpr int kMargin = 30;       // 5 % of the width, the x of chord position 0
constexpr int kCentreY = 100;     // half the height, the y of the chord line
constexpr float kScale = 540.0f;  // 90 % of the width: pixels per chord unit
const QColor kBackground(0xE6, 0xE6, 0xE6);

// Point marks sit in a 4-pixel square around the point; a mark whose box lies wholly outside the
// picture cannot show, and skipping it keeps far-away points from reaching integer conversion.
bool markCanShow(double px, double py) {
    return px >= -3 && px <= kWidth + 2 && py >= -3 && py <= kHeight + 2;
}

}  // namespace

void drawAirfoilPreview(QImage& preview, const AirfoilProfile& profile, bool showPoints) {
    if (preview.size() != QSize(kWidth, kHeight) || preview.format() != QImage::Format_RGB32)
        preview = QImage(kWidth, kHeight, QImage::Format_RGB32);
    preview.fill(kBackground);

    QPainter painter(&preview);
    painter.setRenderHint(QPainter::Antialiasing, false);

    painter.setPen(QPen(Qt::white, 1));
    for (int i = 0; i <= 10; ++i) {
        const int x = int(std::trunc(i * double(kScale) / 10 + kMargin));
        painter.drawLine(x, 0, x, kHeight);
    }
    // Lines of the seven rows that fall outside the picture are simply clipped away.
    for (int j = 0; j <= 6; ++j) {
        const int y = int(std::trunc((j - 3) * double(kScale) / 10 + kCentreY));
        painter.drawLine(0, y, kWidth, y);
    }

    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(kBackground);
    // Pixel positions stay in doubles: a wild coordinate in the text must not overflow an int,
    // and the painter clips a line towards it at the border.
    QPointF previous;
    const int count = profile.pointCount();
    for (int k = 0; k < count; ++k) {
        const double px = std::trunc(double(profile.x[k]) * kScale + kMargin);
        const double py = std::trunc(kCentreY - double(profile.y[k]) * kScale);
        const QPointF point(px, py);
        if (k > 0)
            painter.drawLine(QLineF(previous, point));
        // The mark comes after the line that reaches the point, so the next line crosses it.
        if (showPoints && markCanShow(px, py))
            painter.drawEllipse(QRect(int(px) - 2, int(py) - 2, 4, 4));
        previous = point;
    }
}

}  // namespace rw
