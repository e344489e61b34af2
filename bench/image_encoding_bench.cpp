// Encoding the rib sheet as PNG and JPEG: our writers against Qt's own image writers on the same
// picture, in the same run. Each benchmark reports the file size as the counter "bytes".
#include "export/jpeg_writer.h"
#include "export/png_writer.h"
#include "support/airfoil_sections.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace {

// The 2412 section in millimetres for chord `chord`: upper surface from the trailing edge
// forward, then the lower surface back, y up.
QPolygonF sectionOutline(double chord, int pointsPerSurface) {
    const rw::AirfoilProfile profile =
        rw::test::nacaSection(0.02, 0.4, 0.12, pointsPerSurface + 1, pointsPerSurface);
    QPolygonF outline;
    for (size_t i = 0; i < profile.x.size(); ++i)
        outline << QPointF(profile.x[i] * chord, profile.y[i] * chord);
    return outline;
}

// The outline moved inward by `skin` millimetres, each point along its local normal.
QPolygonF insetOutline(const QPolygonF& surface, double skin) {
    QPolygonF inset;
    for (qsizetype i = 0; i < surface.size(); ++i) {
        const QPointF before = surface[std::max<qsizetype>(i - 1, 0)];
        const QPointF after = surface[std::min(i + 1, surface.size() - 1)];
        const QPointF along = after - before;
        const double length = std::hypot(along.x(), along.y());
        inset << surface[i] + QPointF(-along.y(), along.x()) * (skin / length);
    }
    return inset;
}

// Draws the sheet as the program does with its default settings: a tapered series of ten ribs
// from 150 mm to 100 mm at half scale in two columns (eight and two), 1-pixel antialiased lines
// (surface silver, rib black, grid red), spar lines with rib numbers, the titles and a
// millimetre ruler.
QImage drawSheet(int width, int height) {
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.setDotsPerMeterX(3780);
    sheet.setDotsPerMeterY(3780);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    const double rootChord = 150, tipChord = 100, sparPercent = 30;
    const double pixelsPerMm = width * 0.9 / rootChord * 0.5;
    const int ribCount = 10;

    p.setRenderHint(QPainter::Antialiasing);
    p.setBackgroundMode(Qt::OpaqueMode);
    QFont font = p.font();
    for (int k = 1; k <= ribCount; ++k) {
        const int column = k <= 8 ? 0 : 1;
        const int row = k <= 8 ? k : k - 8;
        const double chord = rootChord + (tipChord - rootChord) * (k - 1) / (ribCount - 1);
        const int originY = row * (height / 10) + 80;
        const int originX = int(width * (column / 2.0 + 0.05));
        const int leadingEdgeX =
            int((rootChord - chord) * sparPercent / 100 * pixelsPerMm + originX);
        auto toSheet = [&](QPointF mm) {
            return QPointF(int(mm.x() * pixelsPerMm + leadingEdgeX),
                           int(originY - mm.y() * pixelsPerMm));
        };
        const QPolygonF surface = sectionOutline(chord, 40);
        QPolygonF surfacePx, ribPx;
        for (const QPointF& q : surface) surfacePx << toSheet(q);
        for (const QPointF& q : insetOutline(surface, 1.5)) ribPx << toSheet(q);
        double top = 1e9, bottom = -1;
        for (const QPointF& q : surfacePx) {
            top = std::min(top, q.y());
            bottom = std::max(bottom, q.y());
        }
        p.setPen(QPen(QColor(192, 192, 192), 1));
        p.drawPolyline(surfacePx);
        p.setPen(QPen(Qt::black, 1));
        p.drawPolyline(ribPx);
        const int sparX = int(chord * sparPercent * pixelsPerMm / 100 + leadingEdgeX);
        p.drawLine(QPointF(sparX, bottom), QPointF(sparX, top));
        font.setPointSize(12);
        p.setFont(font);
        p.drawText(QPointF(sparX + 10, originY - 20 + p.fontMetrics().ascent()),
                   QString::number(k));
        p.setPen(QPen(Qt::red, 1));
        const int chordEnd = int(rootChord * pixelsPerMm + originX + 20);
        p.drawLine(originX - 30, originY, chordEnd, originY);
        for (const double mm : {5.0, 10.0}) {
            const int y = int(originY - mm * pixelsPerMm);
            p.drawLine(originX - 30, y, chordEnd, y);
        }
        for (int j = 0; j <= int(chord / 10) + 1; ++j) {
            const int x = int(j * pixelsPerMm * 10 + originX);
            p.drawLine(QPointF(x, top), QPointF(x, bottom));
        }
    }

    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::black);
    font.setPointSize(16);
    p.setFont(font);
    const QString name = QStringLiteral("NACA 2412");
    p.drawText((width - p.fontMetrics().horizontalAdvance(name)) / 2, 20 + p.fontMetrics().ascent(),
               name);
    font.setPointSize(10);
    p.setFont(font);
    const int ascent = p.fontMetrics().ascent();
    p.drawText(width / 40, 20 + ascent, QStringLiteral("ROOT CHORD: 150 mm"));
    p.drawText(width / 40, 35 + ascent, QStringLiteral("TIP CHORD : 100 mm"));
    p.drawText(width / 40, 50 + ascent, QStringLiteral("SKIN THICKNESS : 1.5 mm"));
    font.setPointSize(12);
    p.setFont(font);
    const int x0 = int(width * 0.05), y0 = int(height * 0.93);
    for (int i = 0;; ++i) {
        const int x = int(i * pixelsPerMm + x0);
        p.drawLine(x, y0, x, y0 + (i % 50 == 0 ? 10 : i % 10 == 0 ? 5 : 3));
        if (i > 0 && i % 50 == 0) {
            p.drawText(x, y0 + 15 + p.fontMetrics().ascent(), QString::number(i));
        }
        if (x >= width - 50)
            break;
    }
    return sheet;
}

const QImage& sheetOfSize(int width, int height) {
    static std::map<std::pair<int, int>, QImage> sheets;
    QImage& sheet = sheets[{width, height}];
    if (sheet.isNull())
        sheet = drawSheet(width, height);
    return sheet;
}

QByteArray qtEncode(const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(image))
        bytes.clear();
    return bytes;
}

// Qt maps a PNG "quality" q onto zlib level (100 − q) × 9 / 91, so 25 is level 7, as ours.
constexpr int kQtPngQualityForLevel7 = 25;

template <typename Encode>
void runEncoder(benchmark::State& state, Encode encode) {
    const QImage& sheet = sheetOfSize(int(state.range(0)), int(state.range(1)));
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray file = encode(sheet);
        bytes = file.size();
        benchmark::DoNotOptimize(file.constData());
    }
    if (bytes == 0)
        state.SkipWithError("the encoder wrote nothing");
    state.counters["bytes"] = double(bytes);
}

// One of our writers into memory, as the Qt writers are measured.
template <typename Writer>
QByteArray ourEncode(Writer write, const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    write(buffer, image);
    return bytes;
}

void ourPng(benchmark::State& state) {
    runEncoder(state, [](const QImage& image) { return ourEncode(rw::writePng, image); });
}
void qtPng(benchmark::State& state) {
    runEncoder(state,
               [](const QImage& image) { return qtEncode(image, "png", kQtPngQualityForLevel7); });
}
void ourJpeg(benchmark::State& state) {
    runEncoder(state, [](const QImage& image) { return ourEncode(rw::writeJpeg, image); });
}
void qtJpeg(benchmark::State& state) {
    runEncoder(state, [](const QImage& image) { return qtEncode(image, "jpeg", 90); });
}

void sheetSizes(benchmark::internal::Benchmark* b) {
    b->Args({1600, 1000})->Args({3840, 2160})->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(ourPng)->Apply(sheetSizes);
BENCHMARK(qtPng)->Apply(sheetSizes);
BENCHMARK(ourJpeg)->Apply(sheetSizes);
BENCHMARK(qtJpeg)->Apply(sheetSizes);
