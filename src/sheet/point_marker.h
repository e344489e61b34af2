#pragma once

#include <QColor>
#include <QImage>

#include <vector>

namespace rw {

// The mark of one data point on the sheet: a white disc of radius 2.5 pixels ringed in the skin
// colour, crossed by a vertical stroke from 3 pixels above the point to 3 below, antialiased.
// It is rendered once per redraw into a small transparent image and blended at every point,
// which looks the same as drawing it each time and costs a fraction.
class PointMarker {
  public:
    explicit PointMarker(const QColor& colour);

    // Blends the mark centred on pixel (px, py) into `sheet` (Format_RGB32), clipped to it.
    void stamp(QImage& sheet, int px, int py) const;

    // The rendered mark; pixel (kCentre, kCentre) is the marked point.
    const QImage& sprite() const { return sprite_; }
    static constexpr int kCentre = 4;
    static constexpr int kSize = 2 * kCentre + 1;

  private:
    // A pixel of the mark that is not fully transparent, relative to the marked point.
    struct Ink {
        int dx;
        int dy;
        QRgb colour;  // premultiplied
        int keep;     // 255 - alpha: how much of the sheet shows through
    };

    QImage sprite_;  // Format_ARGB32_Premultiplied
    std::vector<Ink> inks_;
};

}  // namespace rw
