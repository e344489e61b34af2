#include "export/dxf_writer.h"

#include "export/dxf_entities.h"
#include "export/dxf_layout.h"

namespace rw {
namespace {

// A ring of the cut piece as a polyline that ends where it starts.
void writeRing(DxfEntityWriter& dxf, const MmRing& ring, double ox, double b) {
    if (ring.empty())
        return;
    dxf.polylineStart();
    for (const QPointF& p : ring) dxf.vertex(ox + p.x(), b + p.y());
    dxf.vertex(ox + ring.front().x(), b + ring.front().y());
    dxf.seqEnd();
}

// The first `count` points as one open polyline; nothing at all for no points.
void writePointLine(DxfEntityWriter& dxf, const std::vector<float>& xs,
                    const std::vector<float>& ys, int count, double ox, double b) {
    if (count <= 0)
        return;
    dxf.polylineStart();
    for (int i = 0; i < count; ++i) dxf.vertex(ox + xs[i], b + ys[i]);
    dxf.seqEnd();
}

// One rib on its own layer: chord line, spar line, the rib number twice, the surface (only when
// a skin sets the outline apart from it), the data point marks on request, and the rib outline,
// or with rib features the piece as it is cut (`cut`): its contour and each hole.
// Derived positions stay in double; the entity writer rounds each written coordinate once.
void writeRibDxf(DxfEntityWriter& dxf, const SeriesRib& rib, const RibCut* cut, int pointCount,
                 double ribOriginY, const RibJob& job) {
    const double c = rib.shape.ribChord;
    const double ox = kDxfRibOriginX;
    const double b = 300 - ribOriginY;
    const RibOutline& o = rib.outline;
    const QString number = QString::number(rib.number);

    dxf.setLayer(number);
    dxf.setWidth(QStringLiteral("1"));
    dxf.setColour(QStringLiteral("1"));
    dxf.line(15, b, c + 25, b);  // 5 mm beyond both ends of the chord

    // The spar line is part of the drawing whether or not the sheet shows it.
    // With notches, the spar stands in the first of them (see SeriesRib::sparX).
    const double s = job.features.sparNotches.empty()
                         ? ox + c * double(job.params.sparPercent) / 100
                         : ox + rib.sparX;
    dxf.line(s, b + 0.1 * c, s, b - 0.05 * c);

    dxf.setColour(QStringLiteral("7"));
    dxf.text(15, b - 1, number, QStringLiteral("3"));
    dxf.text(s + 1, b - 1, number, QStringLiteral("3"));

    dxf.setWidth(QStringLiteral("0.5"));
    dxf.setColour(QStringLiteral("9"));
    const RibFeatures& features = job.features;
    const float skin = job.params.skinThickness;
    if (upperSkinThickness(features, skin) > 0 || lowerSkinThickness(features, skin) > 0) {
        writePointLine(dxf, o.surfaceX, o.surfaceY, pointCount, ox, b);
    }

    if (job.look.showSheetPoints) {
        const double r = c / 200;
        for (int i = 0; i < pointCount; ++i) dxf.circle(ox + o.surfaceX[i], b + o.surfaceY[i], r);
        for (int i = 0; i < pointCount; ++i) {
            const double x = ox + o.surfaceX[i];
            const double y = b + o.surfaceY[i];
            dxf.line(x, y - r, x, y + r);
        }
    }

    dxf.setColour(QStringLiteral("7"));
    if (cut) {
        writeRing(dxf, cut->outer, ox, b);
        for (const MmRing& hole : cut->holes) writeRing(dxf, hole, ox, b);
        return;
    }
    writePointLine(dxf, o.ribX, o.ribY, pointCount, ox, b);
}

// The title block keeps the layer and colour the last rib left (or an earlier export left, when
// there were no ribs) and carries the sheet's title lines. Before any rib of the run set them the
// layer and colour would be empty, which no DXF reader accepts: the titles then go on the default
// layer "0" in the colour the titles always have, 7. Unlike the sheet, the drawing keeps the
// airfoil name untrimmed.
void writeTitleBlock(DxfEntityWriter& dxf, const RibJob& job) {
    if (dxf.pen().layer.isEmpty())
        dxf.setLayer(QStringLiteral("0"));
    if (dxf.pen().colour.isEmpty())
        dxf.setColour(QStringLiteral("7"));

    const SheetTitles& titles = job.titles;
    dxf.text(50, 300, job.airfoil.name, QStringLiteral("3"));
    const QString height = QStringLiteral("2");
    dxf.text(5, 310, titles.rootLine, height);
    if (!titles.tipLine.isEmpty())
        dxf.text(5, 305, titles.tipLine, height);
    dxf.text(5, 300, titles.skinLine, height);
}

}  // namespace

void writeDxf(QIODevice& out, const RibJob& job, const RibSeries& series,
              DxfAttributes& attributes) {
    TextLineWriter file(out);
    DxfEntityWriter dxf(file, attributes);
    dxf.header(0, 0, 210, 300);
    dxf.entitiesStart();
    for (const SeriesRib& rib : series.ribs) {
        requireDxfRibInRange(rib, job.params.rootChord);
        // Each rib has its own points: a rib blended towards a tip airfoil is resampled.
        writeRibDxf(dxf, rib, series.featured ? &rib.piece : nullptr,
                    int(rib.outline.surfaceX.size()),
                    dxfRibOriginY(rib.number, job.params.rootChord), job);
    }
    writeTitleBlock(dxf, job);
    dxf.end();
    attributes = dxf.pen();
}

void checkDxfRange(const RibJob& job, const RibSeries& series) {
    for (const SeriesRib& rib : series.ribs) requireDxfRibInRange(rib, job.params.rootChord);
}

}  // namespace rw
