#pragma once

// Shared by the sheet tests: profiles, a sheet drawn from panel settings, pixel probes.
#include "airfoil/airfoil_data.h"
#include "geometry/read_rib_parameters.h"
#include "geometry/rib_parameters.h"
#include "sheet/rib_sheet.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <cmath>
#include <stdexcept>

namespace rw::test {

// The 11-point example section: trailing edge, upper surface, leading edge, lower surface.
inline AirfoilProfile exampleSection() {
    AirfoilProfile p;
    p.x = {1.0f, 0.75f, 0.5f, 0.25f, 0.1f, 0.0f, 0.1f, 0.25f, 0.5f, 0.75f, 1.0f};
    p.y = {0.0f, 0.04f, 0.06f, 0.055f, 0.035f, 0.0f, -0.02f, -0.025f, -0.02f, -0.01f, 0.0f};
    return p;
}

// A cambered four-digit section (2412) with `perSurface` points on each surface.
inline AirfoilProfile section2412(int perSurface = 65) {
    const double camber = 0.02, camberAt = 0.4, thickness = 0.12;
    AirfoilProfile p;
    auto add = [&](double x, bool upper) {
        const double half = 5 * thickness *
                            (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x +
                             0.2843 * x * x * x - 0.1015 * x * x * x * x);
        const double mean = x < camberAt
                                ? camber / (camberAt * camberAt) * (2 * camberAt * x - x * x)
                                : camber / ((1 - camberAt) * (1 - camberAt)) *
                                      (1 - 2 * camberAt + 2 * camberAt * x - x * x);
        p.x.push_back(float(x));
        p.y.push_back(float(upper ? mean + half : mean - half));
    };
    for (int i = 0; i < perSurface; ++i)
        add(0.5 * (1 + std::cos(M_PI * i / (perSurface - 1))), true);
    for (int i = 1; i <= perSurface; ++i) add(0.5 * (1 - std::cos(M_PI * i / perSurface)), false);
    return p;
}

// Everything one redraw reads and writes, with the panel at its defaults.
struct SheetRun {
    AirfoilState airfoil;
    RibPanelSnapshot panel;
    RibParameters params;
    SheetSettings settings;
    CurrentRib rib;
    SheetLayout layout;
    QImage sheet;

    SheetRun() {
        airfoil.name = QStringLiteral("TEST FOIL");
        airfoil.profile = exampleSection();
    }

    // Reads the panel as a redraw does, then draws.
    void draw(QSize size) {
        const RibReadResult read = readRibParameters(panel, params, settings);
        if (!read.proceed)
            throw std::runtime_error("the panel did not read");
        drawRibSheet(sheet, size, airfoil, params, settings, panel, rib, layout);
    }
};

inline bool isWhite(QRgb c) {
    return (c & 0xFFFFFF) == 0xFFFFFF;
}
inline bool isGrey(QRgb c) {
    return qRed(c) == qGreen(c) && qGreen(c) == qBlue(c);
}
inline bool isColour(QRgb c, const QColor& colour) {
    return (c & 0xFFFFFF) == (colour.rgb() & 0xFFFFFF);
}

// How many pixels of `area` satisfy `test`.
template <typename Test>
int countPixels(const QImage& image, QRect area, Test test) {
    area = area.intersected(image.rect());
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixel(x, y)))
                ++n;
    return n;
}

inline int darkPixels(const QImage& image, QRect area) {
    return countPixels(image, area, [](QRgb c) { return qGray(c) < 128; });
}

}  // namespace rw::test
