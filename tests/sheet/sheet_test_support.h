#pragma once

// Shared by the sheet tests: profiles, a sheet drawn from panel settings, pixel probes.
#include "airfoil/airfoil_data.h"
#include "geometry/rib_parameters.h"
#include "panel/control_table.h"
#include "sheet/rib_job.h"
#include "sheet/rib_sheet.h"
#include "support/airfoil_sections.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <stdexcept>

namespace rw::test {

// Everything one redraw reads and writes, with the panel at its defaults.
struct SheetRun {
    AirfoilState airfoil;
    RibSettings panel = defaultRibSettings(QLatin1Char('.'));
    LastReadSettings lastRead;
    RibJob job;
    RibSeries series;
    SheetLayout layout;
    QImage sheet;

    SheetRun() {
        airfoil.name = QStringLiteral("TEST FOIL");
        airfoil.profile = exampleSection();
    }

    // Reads the panel and makes the series as a redraw does, then draws.
    void draw(QSize size) {
        const RibJobRead read = readRibJob(panel, airfoil, lastRead);
        if (!read.proceed)
            throw std::runtime_error("the panel did not read");
        job = read.job;
        series = buildRibSeries(job.airfoil.profile, job.params, job.features,
                                SeriesPieces::WhenFeatured);
        layout = drawRibSheet(sheet, size, job, series);
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
