#include "export/dxf_entities.h"

#include "export/number_format.h"

namespace rw {

void DxfEntityWriter::pair(const char* code, const QString& value) {
    file_.writeLine(QLatin1String(code));
    file_.writeLine(value);
}

void DxfEntityWriter::pair(const char* code, const char* value) {
    pair(code, QString::fromLatin1(value));
}

void DxfEntityWriter::coordinate(const char* code, double value) {
    pair(code, formatGeneralNumber(static_cast<float>(value)));
}

void DxfEntityWriter::header(double minX, double minY, double maxX, double maxY) {
    pair("0", "SECTION");
    pair("2", "HEADER");
    pair("9", "$LIMMIN");
    coordinate("10", minX);
    coordinate("20", minY);
    pair("9", "$LIMMAX");
    coordinate("10", maxX);
    coordinate("20", maxY);
    pair("0", "ENDSEC");
}

void DxfEntityWriter::entitiesStart() {
    pair("0", "SECTION");
    pair("2", "ENTITIES");
}

// The polyline head always sits at the origin with thickness 0 and the vertices-follow flag.
void DxfEntityWriter::polylineStart() {
    pair("0", "POLYLINE");
    pair("8", pen_.layer);
    pair("39", "0");
    pair("66", "1");
    pair("10", "0.0");
    pair("20", "0.0");
    pair("30", "0.0");
    pair("40", width_);
    pair("41", width_);
    pair("62", pen_.colour);
}

void DxfEntityWriter::vertex(double x, double y) {
    pair("0", "VERTEX");
    pair("8", pen_.layer);
    pair("40", width_);
    pair("41", width_);
    coordinate("10", x);
    coordinate("20", y);
    pair("30", "0.0");
}

void DxfEntityWriter::seqEnd() {
    pair("0", "SEQEND");
    pair("39", "0");
}

void DxfEntityWriter::text(double x, double y, const QString& text, const QString& height) {
    pair("0", "TEXT");
    pair("8", pen_.layer);
    pair("62", pen_.colour);
    coordinate("10", x);
    coordinate("20", y);
    pair("30", "0");
    pair("40", height);
    pair("1", text);
}

// The LINE carries the width codes 40 and 41 and the colour pair twice. Readers take the
// repeated colour once and pass over the widths; keeping them keeps a new drawing byte for byte
// like one saved before from the same settings, so the two can be compared with any tool.
void DxfEntityWriter::line(double x1, double y1, double x2, double y2) {
    pair("0", "LINE");
    pair("8", pen_.layer);
    pair("40", width_);
    pair("41", width_);
    pair("62", pen_.colour);
    pair("62", pen_.colour);
    coordinate("10", x1);
    coordinate("20", y1);
    pair("30", "0");
    coordinate("11", x2);
    coordinate("21", y2);
    pair("31", "0.0");
}

void DxfEntityWriter::circle(double x, double y, double radius) {
    pair("0", "CIRCLE");
    pair("8", pen_.layer);
    pair("62", pen_.colour);
    coordinate("10", x);
    coordinate("20", y);
    pair("30", "0");
    coordinate("40", radius);
}

void DxfEntityWriter::end() {
    pair("0", "ENDSEC");
    pair("0", "EOF");
}

}  // namespace rw
