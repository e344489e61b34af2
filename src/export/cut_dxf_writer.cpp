#include "export/cut_dxf_writer.h"

#include "export/number_format.h"

#include "platform/errors.h"

namespace rw {
namespace {

// Group code and value lines, each ended by CR LF like the other DXF file.
class DxfLines {
  public:
    void pair(int code, const char* value) {
        bytes_.append(QByteArray::number(code)).append("\r\n").append(value).append("\r\n");
    }
    void pair(int code, const QString& value) { pair(code, value.toLatin1().constData()); }
    void number(int code, double value) { pair(code, formatGeneralNumber(value)); }
    void point(QPointF p, int xCode = 10) {
        number(xCode, p.x());
        number(xCode + 10, p.y());
        pair(xCode + 20, "0");
    }
    const QByteArray& bytes() const { return bytes_; }

  private:
    QByteArray bytes_;
};

void header(DxfLines& dxf, double w, double h) {
    dxf.pair(0, "SECTION");
    dxf.pair(2, "HEADER");
    dxf.pair(9, "$ACADVER");
    dxf.pair(1, "AC1009");
    dxf.pair(9, "$INSBASE");
    dxf.point(QPointF(0, 0));
    dxf.pair(9, "$EXTMIN");
    dxf.point(QPointF(0, 0));
    dxf.pair(9, "$EXTMAX");
    dxf.point(QPointF(w, h));
    dxf.pair(9, "$LIMMIN");
    dxf.number(10, 0);
    dxf.number(20, 0);
    dxf.pair(9, "$LIMMAX");
    dxf.number(10, w);
    dxf.number(20, h);
    dxf.pair(9, "$INSUNITS");  // millimetres
    dxf.pair(70, "4");
    dxf.pair(9, "$MEASUREMENT");  // metric
    dxf.pair(70, "1");
    dxf.pair(0, "ENDSEC");
}

// The tables a reader needs to resolve what the entities name: the line type of the layers,
// the two layers and the text style.
void tables(DxfLines& dxf) {
    dxf.pair(0, "SECTION");
    dxf.pair(2, "TABLES");

    dxf.pair(0, "TABLE");
    dxf.pair(2, "LTYPE");
    dxf.pair(70, "1");
    dxf.pair(0, "LTYPE");
    dxf.pair(2, "CONTINUOUS");
    dxf.pair(70, "0");
    dxf.pair(3, "Solid line");
    dxf.pair(72, "65");
    dxf.pair(73, "0");
    dxf.pair(40, "0.0");
    dxf.pair(0, "ENDTAB");

    dxf.pair(0, "TABLE");
    dxf.pair(2, "LAYER");
    dxf.pair(70, "2");
    for (const auto& [name, colour] : {std::pair{"CUT", "1"}, std::pair{"MARK", "5"}}) {
        dxf.pair(0, "LAYER");
        dxf.pair(2, name);
        dxf.pair(70, "0");
        dxf.pair(62, colour);  // red cut, blue mark, as in the SVG
        dxf.pair(6, "CONTINUOUS");
    }
    dxf.pair(0, "ENDTAB");

    dxf.pair(0, "TABLE");
    dxf.pair(2, "STYLE");
    dxf.pair(70, "1");
    dxf.pair(0, "STYLE");
    dxf.pair(2, "STANDARD");
    dxf.pair(70, "0");
    dxf.pair(40, "0.0");
    dxf.pair(41, "1.0");
    dxf.pair(50, "0.0");
    dxf.pair(71, "0");
    dxf.pair(42, "2.5");
    dxf.pair(3, "txt");
    dxf.pair(4, "");
    dxf.pair(0, "ENDTAB");

    dxf.pair(0, "ENDSEC");
}

// Sheet coordinates run down from the top; the drawing's y runs up from the bottom edge.
QPointF drawingPoint(const WorkshopRib& rib, QPointF ribPoint, double sheetHeight) {
    const QPointF p = rib.onSheet(ribPoint);
    return QPointF(p.x(), sheetHeight - p.y());
}

// One closed POLYLINE: a single entity with the closed flag is what laser programs take as a
// closed shape on import, without joining loose segments by a tolerance.
void closedPolyline(DxfLines& dxf, const WorkshopRib& rib, const MmRing& ring, double h) {
    dxf.pair(0, "POLYLINE");
    dxf.pair(8, "CUT");
    dxf.pair(66, "1");
    dxf.point(QPointF(0, 0));
    dxf.pair(70, "1");
    for (const QPointF& p : ring) {
        dxf.pair(0, "VERTEX");
        dxf.pair(8, "CUT");
        dxf.point(drawingPoint(rib, p, h));
    }
    dxf.pair(0, "SEQEND");
    dxf.pair(8, "CUT");
}

void markLine(DxfLines& dxf, const WorkshopRib& rib, QPointF from, QPointF to, double h) {
    dxf.pair(0, "LINE");
    dxf.pair(8, "MARK");
    dxf.point(drawingPoint(rib, from, h));
    dxf.point(drawingPoint(rib, to, h), 11);
}

}  // namespace

void writeCutDxf(const WorkshopLayout& layout, int sheet, QIODevice& device) {
    DxfLines dxf;
    const double h = layout.sheetSize.height();
    header(dxf, layout.sheetSize.width(), h);
    tables(dxf);
    dxf.pair(0, "SECTION");
    dxf.pair(2, "ENTITIES");
    for (const WorkshopRib& rib : layout.ribs) {
        if (rib.sheet != sheet)
            continue;
        // Holes before the outer contour: inner shapes are cut first.
        for (const MmRing& hole : rib.cut.holes) closedPolyline(dxf, rib, hole, h);
        closedPolyline(dxf, rib, rib.cut.outer, h);
        for (const MarkSegment& part : rib.chordMarks) markLine(dxf, rib, part.from, part.to, h);
        for (const MarkSegment& part : rib.sparMarks) markLine(dxf, rib, part.from, part.to, h);
        for (const auto& [from, to] : rib.cut.marks) markLine(dxf, rib, from, to, h);
        dxf.pair(0, "TEXT");
        dxf.pair(8, "MARK");
        const QPointF label = labelOnSheet(rib);
        dxf.point(QPointF(label.x(), h - label.y()));
        dxf.number(40, rib.numberHeight);
        dxf.pair(1, rib.label);
    }
    dxf.pair(0, "ENDSEC");
    dxf.pair(0, "EOF");
    if (device.write(dxf.bytes()) != dxf.bytes().size())
        throw RibwrightError(device.errorString());
}

}  // namespace rw
