#include "export/rib_exports.h"

#include "export/dxf_entities.h"
#include "export/dxf_layout.h"
#include "export/export_file.h"
#include "geometry/rib_geometry.h"

namespace rw {
namespace {

// One rib on its own layer: chord line, spar line, the rib number twice, the surface (only when
// a skin sets the outline apart from it), the data point marks on request, and the rib outline.
// Derived positions stay in double; the entity writer rounds each written coordinate once.
void writeRibDxf(DxfEntityWriter& dxf, DxfAttributes& attributes, const CurrentRib& rib,
                 int pointCount, double ribOriginY, const ExportInputs& inputs) {
    const double c = rib.shape.ribChord;
    const double ox = kDxfRibOriginX;
    const double b = 300 - ribOriginY;
    const RibOutline& o = rib.outline;

    attributes.layer = QString::number(rib.ribNumber);
    attributes.width = QStringLiteral("1");
    attributes.colour = QStringLiteral("1");
    dxf.line(15, b, c + 25, b);  // 5 mm beyond both ends of the chord

    // The spar line is part of the drawing whether or not the sheet shows it.
    const double s = ox + c * double(inputs.params.sparPercent) / 100;
    dxf.line(s, b + 0.1 * c, s, b - 0.05 * c);

    attributes.colour = QStringLiteral("7");
    attributes.text = QString::number(rib.ribNumber);
    attributes.textHeight = QStringLiteral("3");
    dxf.text(15, b - 1);
    dxf.text(s + 1, b - 1);

    attributes.width = QStringLiteral("0.5");
    attributes.colour = QStringLiteral("9");
    if (inputs.params.skinThickness > 0) {
        for (int i = 0; i < pointCount; ++i) {
            if (i == 0)
                dxf.polylineStart();
            dxf.vertex(ox + o.surfaceX[i], b + o.surfaceY[i]);
        }
        if (pointCount > 0)
            dxf.seqEnd();
    }

    if (inputs.panel.showSheetPoints) {
        const double r = c / 200;
        for (int i = 0; i < pointCount; ++i) dxf.circle(ox + o.surfaceX[i], b + o.surfaceY[i], r);
        for (int i = 0; i < pointCount; ++i) {
            const double x = ox + o.surfaceX[i];
            const double y = b + o.surfaceY[i];
            dxf.line(x, y - r, x, y + r);
        }
    }

    attributes.width = QStringLiteral("0.5");
    attributes.colour = QStringLiteral("7");
    for (int i = 0; i < pointCount; ++i) {
        if (i == 0)
            dxf.polylineStart();
        dxf.vertex(ox + o.ribX[i], b + o.ribY[i]);
    }
    if (pointCount > 0)
        dxf.seqEnd();
}

// The title block keeps the layer and colour the last rib left (or an earlier export left, when
// there were no ribs) and repeats the fields as the user typed them. Before any rib of the run
// set them they would be empty, which no DXF reader accepts: the titles then go on the default
// layer "0" in the colour the titles always have, 7.
void writeTitleBlock(DxfEntityWriter& dxf, DxfAttributes& attributes, const ExportInputs& inputs) {
    const RibPanelSnapshot& panel = inputs.panel;
    const RibParameters& params = inputs.params;
    if (attributes.layer.isEmpty())
        attributes.layer = QStringLiteral("0");
    if (attributes.colour.isEmpty())
        attributes.colour = QStringLiteral("7");

    attributes.text = inputs.airfoil.name;
    attributes.textHeight = QStringLiteral("3");
    dxf.text(50, 300);

    attributes.textHeight = QStringLiteral("2");
    attributes.text = QStringLiteral("ROOT CHORD: ") + panel.rootChordText + QStringLiteral(" mm");
    if (params.rootThicknessFactor != 1) {
        attributes.text += QStringLiteral(" (T=") + panel.rootThicknessText + QStringLiteral("% )");
    }
    dxf.text(5, 310);

    if (params.taperOn) {
        attributes.text =
            QStringLiteral("TIP CHORD : ") + panel.tipChordText + QStringLiteral(" mm");
        if (params.tipThicknessFactor != 1) {
            attributes.text +=
                QStringLiteral(" (T=") + panel.tipThicknessText + QStringLiteral("% )");
        }
        dxf.text(5, 305);
    }

    attributes.text =
        QStringLiteral("SKIN THICKNESS : ") + panel.skinThicknessText + QStringLiteral(" mm");
    dxf.text(5, 300);
}

}  // namespace

void exportDxf(const QString& path, const ExportInputs& inputs, CurrentRib& rib,
               DxfAttributes& attributes) {
    ExportFile file(path);
    DxfEntityWriter dxf(file, attributes);
    dxf.header(0, 0, 210, 300);
    dxf.entitiesStart();
    const AirfoilProfile& profile = inputs.airfoil.profile;
    for (int k = 1; k <= inputs.params.ribCount; ++k) {
        produceRib(k, profile, inputs.params, rib);
        writeRibDxf(dxf, attributes, rib, profile.pointCount(),
                    dxfRibOriginY(k, inputs.params.rootChord), inputs);
    }
    writeTitleBlock(dxf, attributes, inputs);
    dxf.end();
    file.close();
}

}  // namespace rw
