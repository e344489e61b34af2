#include "export/laser_svg_writer.h"

#include "export/number_format.h"

#include "platform/errors.h"

namespace rw {
namespace {

// Pure red and pure blue: the colours laser programs map to cut and engrave by default.
constexpr auto kCutColour = "#ff0000";
constexpr auto kMarkColour = "#0000ff";

class SvgText {
  public:
    void add(const char* text) { bytes_.append(text); }
    void add(const QString& text) { bytes_.append(text.toUtf8()); }
    void number(double mm) { bytes_.append(formatGeneralNumber(mm).toLatin1()); }
    void point(QPointF p) {
        number(p.x());
        bytes_.append(',');
        number(p.y());
    }
    const QByteArray& bytes() const { return bytes_; }

  private:
    QByteArray bytes_;
};

// A ring as one closed subpath.
void ringPath(SvgText& svg, const WorkshopRib& rib, const MmRing& ring) {
    for (std::size_t i = 0; i < ring.size(); ++i) {
        svg.add(i == 0 ? "M" : " L");
        svg.point(rib.onSheet(ring[i]));
    }
    svg.add(" Z");
}

void line(SvgText& svg, const WorkshopRib& rib, QPointF from, QPointF to) {
    svg.add("<path d=\"M");
    svg.point(rib.onSheet(from));
    svg.add(" L");
    svg.point(rib.onSheet(to));
    svg.add("\"/>\n");
}

// Unique in the file: copies of a set are told apart by their count.
QString ribId(const WorkshopRib& rib) {
    QString id = QStringLiteral("rib-") + rib.label;
    if (rib.copy > 0)
        id += QLatin1Char('-') + QString::number(rib.copy + 1);
    return id;
}

void cutLayer(SvgText& svg, const WorkshopLayout& layout, int sheet) {
    svg.add(
        "<g inkscape:groupmode=\"layer\" id=\"cut\" inkscape:label=\"cut\" fill=\"none\" "
        "stroke=\"");
    svg.add(kCutColour);
    svg.add("\" stroke-width=\"0.01\">\n");
    for (const WorkshopRib& rib : layout.ribs) {
        if (rib.sheet != sheet)
            continue;
        // Holes first: a laser that cuts in file order frees the inner parts before the rib.
        svg.add("<g id=\"" + ribId(rib) + "\"><path d=\"");
        for (const MmRing& hole : rib.cut.holes) {
            ringPath(svg, rib, hole);
            svg.add(" ");
        }
        ringPath(svg, rib, rib.cut.outer);
        svg.add("\"/></g>\n");
    }
    svg.add("</g>\n");
}

void markLayer(SvgText& svg, const WorkshopLayout& layout, int sheet) {
    svg.add(
        "<g inkscape:groupmode=\"layer\" id=\"mark\" inkscape:label=\"engrave/mark\" "
        "fill=\"none\" stroke=\"");
    svg.add(kMarkColour);
    svg.add("\" stroke-width=\"0.1\">\n");
    for (const WorkshopRib& rib : layout.ribs) {
        if (rib.sheet != sheet)
            continue;
        svg.add("<g id=\"" + ribId(rib) + "-mark\">\n");
        for (const MarkSegment& part : rib.chordMarks) line(svg, rib, part.from, part.to);
        for (const MarkSegment& part : rib.sparMarks) line(svg, rib, part.from, part.to);
        for (const auto& [from, to] : rib.cut.marks) line(svg, rib, from, to);
        svg.add("<text x=\"");
        const QPointF at = labelOnSheet(rib);
        svg.number(at.x());
        svg.add("\" y=\"");
        svg.number(at.y());
        svg.add("\" font-family=\"sans-serif\" font-size=\"");
        svg.number(rib.numberHeight);
        svg.add("\" fill=\"");
        svg.add(kMarkColour);
        svg.add("\" stroke=\"none\">" + rib.label + "</text>\n</g>\n");
    }
    svg.add("</g>\n");
}

}  // namespace

void writeLaserSvg(const WorkshopLayout& layout, int sheet, QIODevice& device) {
    SvgText svg;
    const double w = layout.sheetSize.width();
    const double h = layout.sheetSize.height();
    svg.add(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" "
        "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" version=\"1.1\" ");
    svg.add("width=\"");
    svg.number(w);
    svg.add("mm\" height=\"");
    svg.number(h);
    svg.add("mm\" viewBox=\"0 0 ");
    svg.number(w);
    svg.add(" ");
    svg.number(h);
    svg.add("\">\n");
    cutLayer(svg, layout, sheet);
    markLayer(svg, layout, sheet);
    svg.add("</svg>\n");
    if (device.write(svg.bytes()) != svg.bytes().size())
        throw RibwrightError(device.errorString());
}

}  // namespace rw
