#include "export/dxf_entities.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace rw;

namespace {

// Runs `write` on an entity writer with the given layer, width and colour, and returns the lines
// it produced.
template <typename Write>
QStringList written(const QString& layer, const QString& width, const QString& colour,
                    Write write) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TextLineWriter file(buffer);
    DxfEntityWriter dxf(file, {layer, colour});
    dxf.setWidth(width);
    write(dxf);
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

}  // namespace

TEST(DxfEntityWriter, EachEntityHasItsFixedLength) {
    EXPECT_EQ(written("3", "0.5", "9", [](auto& d) { d.header(0, 0, 210, 300); }).size(), 18);
    EXPECT_EQ(written("3", "0.5", "9", [](auto& d) { d.entitiesStart(); }).size(), 4);
    EXPECT_EQ(written("3", "0.5", "9", [](auto& d) { d.polylineStart(); }).size(), 20);
    EXPECT_EQ(written("3", "0.5", "9", [](auto& d) { d.vertex(1, 2); }).size(), 14);
    EXPECT_EQ(written("3", "0.5", "9", [](auto& d) { d.seqEnd(); }).size(), 4);
    EXPECT_EQ(written("3", "0.5", "9", [](auto& d) { d.text(1, 2, "label", "2"); }).size(), 16);
    EXPECT_EQ(written("3", "0.5", "9", [](auto& d) { d.line(1, 2, 3, 4); }).size(), 24);
    EXPECT_EQ(written("3", "0.5", "9", [](auto& d) { d.circle(1, 2, 3); }).size(), 14);
    EXPECT_EQ(written("3", "0.5", "9", [](auto& d) { d.end(); }).size(), 4);
}

TEST(DxfEntityWriter, LayerAndColourGoInAsTheyStandAtTheCall) {
    const QStringList lines = written("7", "1", "1", [&](DxfEntityWriter& d) {
        d.line(0, 0, 1, 1);
        d.setLayer("8");
        d.setColour("");
        d.text(0, 0, "FOIL, 24 (12%)", "3");
    });
    EXPECT_EQ(lines.mid(0, 12),
              (QStringList{"0", "LINE", "8", "7", "40", "1", "41", "1", "62", "1", "62", "1"}));
    EXPECT_EQ(lines.mid(24, 6), (QStringList{"0", "TEXT", "8", "8", "62", ""}));
    EXPECT_EQ(lines.last(), "FOIL, 24 (12%)");
}

TEST(DxfEntityWriter, CoordinatesAreRoundedToSinglePrecisionOnce) {
    const QStringList lines = written("1", "0.5", "9", [](auto& d) {
        d.vertex(0.1, 268.0 + 0.195000007748604);
        d.circle(-20.000000001, 1e-6, 133.7 / 200);
    });
    EXPECT_EQ(lines[9], "0.100000001490116");
    EXPECT_EQ(lines[11], "268.195007324219");
    EXPECT_EQ(lines[13], "0.0");  // the vertex's fixed z
    EXPECT_EQ(lines[14 + 7], "-20");
    EXPECT_EQ(lines[14 + 9], "9.99999997475243E-7");
    EXPECT_EQ(lines[14 + 11], "0");  // the circle's fixed z
    EXPECT_EQ(lines[14 + 13], "0.668500006198883");
}
