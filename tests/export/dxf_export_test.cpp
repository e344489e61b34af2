#include "export/dxf_writer.h"
#include "export/number_format.h"

#include "platform/errors.h"
#include "support/full_disk.h"
#include "support/qt_print.h"
#include "support/rib_jobs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace rw;

namespace {

// Every file written here is also copied to RIBWRIGHT_DXF_SAMPLES when it is set, so that an
// outside DXF reader can open each of them.
QStringList writeDxf(const AirfoilState& airfoil, const RibParameters& params,
                     const RibSettings& panel, DxfAttributes& attributes) {
    QTemporaryDir dir;
    const QString path = dir.filePath("rib.dxf");
    test::saveOutput(OutputFormat::Dxf, path, test::ribJob(airfoil, params, panel), attributes);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {"(not written)"};
    const QByteArray bytes = f.readAll();

    const QString samples = qEnvironmentVariable("RIBWRIGHT_DXF_SAMPLES");
    if (!samples.isEmpty()) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        QString name = QString::fromLatin1(test->test_suite_name()) + '.' + test->name();
        for (int n = 2; QFile::exists(QDir(samples).filePath(name + ".dxf")); ++n) {
            name = QString::fromLatin1(test->test_suite_name()) + '.' + test->name() + '_' +
                   QString::number(n);
        }
        QFile::copy(path, QDir(samples).filePath(name + ".dxf"));
    }

    EXPECT_TRUE(bytes.endsWith("\r\n"));
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

QStringList writeDxf(const AirfoilState& airfoil, const RibParameters& params,
                     const RibSettings& panel) {
    DxfAttributes fresh;
    return writeDxf(airfoil, params, panel, fresh);
}

// A DXF entity as its group code and value lines.
struct Entity {
    QString type;
    QList<std::pair<QString, QString>> groups;
    QString value(const QString& code, int nth = 0) const {
        for (const auto& [c, v] : groups) {
            if (c == code && nth-- == 0)
                return v;
        }
        return QStringLiteral("(none)");
    }
};

// The entities between the start of the ENTITIES section and its end.
QList<Entity> entities(const QStringList& lines) {
    QList<Entity> result;
    bool inside = false;
    for (qsizetype i = 0; i + 1 < lines.size(); i += 2) {
        const QString& code = lines[i];
        const QString& value = lines[i + 1];
        if (code == "2" && value == "ENTITIES") {
            inside = true;
            result.clear();
        } else if (inside && code == "0") {
            if (value == "ENDSEC")
                break;
            result.append({value, {}});
        } else if (inside && !result.isEmpty()) {
            result.last().groups.append({code, value});
        }
    }
    return result;
}

QList<Entity> ofType(const QList<Entity>& all, const QString& type) {
    QList<Entity> result;
    for (const Entity& e : all) {
        if (e.type == type)
            result.append(e);
    }
    return result;
}

// The expected line sequences, spelled out the way the file format defines each entity.
QStringList lineEntity(const QString& layer, const QString& width, const QString& colour,
                       const QString& x1, const QString& y1, const QString& x2, const QString& y2) {
    return {"0",  "LINE", "8",  layer, "40", width, "41", width, "62", colour, "62", colour,
            "10", x1,     "20", y1,    "30", "0",   "11", x2,    "21", y2,     "31", "0.0"};
}
QStringList textEntity(const QString& layer, const QString& colour, const QString& x,
                       const QString& y, const QString& height, const QString& text) {
    return {"0",  "TEXT", "8",  layer, "62", colour, "10", x,
            "20", y,      "30", "0",   "40", height, "1",  text};
}
QStringList polylineHead(const QString& layer, const QString& width, const QString& colour) {
    return {"0",  "POLYLINE", "8",  layer, "39", "0",   "66", "1",   "10", "0.0",
            "20", "0.0",      "30", "0.0", "40", width, "41", width, "62", colour};
}
QStringList vertexEntity(const QString& layer, const QString& width, const QString& x,
                         const QString& y) {
    return {"0", "VERTEX", "8", layer, "40", width, "41", width, "10", x, "20", y, "30", "0.0"};
}
QStringList seqEnd() {
    return {"0", "SEQEND", "39", "0"};
}
QStringList circleEntity(const QString& layer, const QString& colour, const QString& x,
                         const QString& y, const QString& r) {
    return {"0", "CIRCLE", "8", layer, "62", colour, "10", x, "20", y, "30", "0", "40", r};
}

const QStringList kHeader = {"0",  "SECTION", "2", "HEADER",  "9",  "$LIMMIN", "10", "0",
                             "20", "0",       "9", "$LIMMAX", "10", "210",     "20", "300",
                             "0",  "ENDSEC",  "0", "SECTION", "2",  "ENTITIES"};

// Five points with the leading edge at the origin and x = 1, y = 0.0013 as the first.
AirfoilState exampleAirfoil() {
    AirfoilState airfoil;
    airfoil.name = QStringLiteral("FOIL 24");
    airfoil.profile.x = {1.0f, 0.5f, 0.0f, 0.5f, 1.0f};
    airfoil.profile.y = {0.0013f, 0.06f, 0.0f, -0.04f, -0.0013f};
    return airfoil;
}

// What a redraw of a panel set to root chord 150, no taper, spar 30, skin 1.00 leaves.
RibParameters singleRib() {
    return test::ribParameters(150, 100, 1);
}

RibSettings singleRibPanel(bool points) {
    RibSettings panel = test::defaultPanel();
    panel.taperOn = false;
    panel.showSheetPoints = points;
    return panel;
}

RibParameters tapered(double root, double tip, int ribs) {
    RibParameters p = test::ribParameters(root, tip, ribs);
    p.taperOn = true;
    return p;
}

}  // namespace

TEST(DxfExport, SingleRibFileLineForLine) {
    const AirfoilState airfoil = exampleAirfoil();
    const RibParameters params = singleRib();
    DxfAttributes attributes;
    const QStringList actual = writeDxf(airfoil, params, singleRibPanel(true), attributes);

    // The rib outline comes from the geometry; the file places it at x + 20, y + 268.
    const RibSeries series = test::ribSeries(test::ribJob(airfoil, params));
    const SeriesRib& rib = series.ribs.front();
    QStringList outline = polylineHead("1", "0.5", "7");
    for (int i = 0; i < 5; ++i) {
        outline += vertexEntity("1", "0.5", formatGeneralNumber(float(20.0 + rib.outline.ribX[i])),
                                formatGeneralNumber(float(268.0 + rib.outline.ribY[i])));
    }
    outline += seqEnd();

    const QString xs[5] = {"170", "95", "20", "95", "170"};
    const QString ys[5] = {"268.195007324219", "277", "268", "262", "267.804992675781"};
    const QString tickLow[5] = {"267.445007324219", "276.25", "267.25", "261.25",
                                "267.054992675781"};
    const QString tickHigh[5] = {"268.945007324219", "277.75", "268.75", "262.75",
                                 "268.554992675781"};
    QStringList expected = kHeader;
    expected += lineEntity("1", "1", "1", "15", "268", "175", "268");
    expected += lineEntity("1", "1", "1", "65", "283", "65", "260.5");
    expected += textEntity("1", "7", "15", "267", "3", "1");
    expected += textEntity("1", "7", "66", "267", "3", "1");
    expected += polylineHead("1", "0.5", "9");
    for (int i = 0; i < 5; ++i) expected += vertexEntity("1", "0.5", xs[i], ys[i]);
    expected += seqEnd();
    for (int i = 0; i < 5; ++i) expected += circleEntity("1", "9", xs[i], ys[i], "0.75");
    for (int i = 0; i < 5; ++i) {
        expected += lineEntity("1", "0.5", "9", xs[i], tickLow[i], xs[i], tickHigh[i]);
    }
    expected += outline;
    expected += textEntity("1", "7", "50", "300", "3", "FOIL 24");
    expected += textEntity("1", "7", "5", "310", "2", "ROOT CHORD: 150 mm");
    expected += textEntity("1", "7", "5", "300", "2", "SKIN THICKNESS : 1.00 mm");
    expected += QStringList{"0", "ENDSEC", "0", "EOF"};

    ASSERT_EQ(actual.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(actual[i], expected[i]) << "line " << i + 1;
    }

    // What the export leaves for the next one.
    EXPECT_EQ(attributes.layer, "1");
    EXPECT_EQ(attributes.colour, "7");
}

TEST(DxfExport, RibsStackDownThePageWholeProductsCountAsWhole) {
    struct Case {
        double root;
        int ribs;
        QStringList baseLines;  // b of each rib, from rib 1
    };
    const Case cases[] = {
        // 200 × 0.15 is 30: rib 1 sits at 260, not 261.
        {200, 10, {"260", "230", "200", "170", "140", "110", "80", "50", "20", "-10"}},
        // Beyond the page the coordinates simply go negative.
        {150,
         16,
         {"268", "245", "223", "200", "178", "155", "133", "110", "88", "65", "43", "20", "-2",
          "-25", "-47", "-70"}},
    };
    for (const Case& c : cases) {
        const QList<Entity> all = entities(
            writeDxf(exampleAirfoil(), tapered(c.root, c.root / 2, c.ribs), singleRibPanel(false)));
        const QList<Entity> lines = ofType(all, "LINE");
        ASSERT_EQ(lines.size(), 2 * c.ribs);
        for (int k = 0; k < c.ribs; ++k) {
            const Entity& chord = lines[2 * k];
            EXPECT_EQ(chord.value("8"), QString::number(k + 1));
            EXPECT_EQ(chord.value("20"), c.baseLines[k]) << "rib " << k + 1;
            EXPECT_EQ(chord.value("21"), c.baseLines[k]) << "rib " << k + 1;
        }
    }

    // 25 × 18.4 × 0.15 is 69 in decimals but a hair less in binary: rib 25 still lies at
    // 300 − (10 + 69) = 221.
    const QList<Entity> lines =
        ofType(entities(writeDxf(exampleAirfoil(), tapered(18.4, 18.4, 25), singleRibPanel(false))),
               "LINE");
    ASSERT_EQ(lines.size(), 50);
    EXPECT_EQ(lines[46].value("20"), "224");  // rib 24: trunc(66.24)
    EXPECT_EQ(lines[48].value("20"), "221");
    // The rib numbers sit 1 below the chord line, negative too.
    const QList<Entity> texts = ofType(
        entities(writeDxf(exampleAirfoil(), tapered(150, 80, 16), singleRibPanel(false))), "TEXT");
    EXPECT_EQ(texts[30].value("1"), "16");
    EXPECT_EQ(texts[30].value("20"), "-71");
    EXPECT_EQ(texts[31].value("20"), "-71");
}

TEST(DxfExport, SingleRoundingShowsInDerivedCoordinates) {
    RibParameters p = singleRib();
    p.rootChord = 133.7;
    p.sparPercent = 25;
    const QList<Entity> all = entities(writeDxf(exampleAirfoil(), p, singleRibPanel(true)));
    const QList<Entity> lines = ofType(all, "LINE");
    EXPECT_EQ(lines[0].value("11"), "158.699996948242");  // chord end, c + 25
    EXPECT_EQ(lines[0].value("20"), "270");
    EXPECT_EQ(lines[1].value("10"), "53.4249992370605");  // spar, s in double
    EXPECT_EQ(lines[1].value("11"), "53.4249992370605");
    EXPECT_EQ(lines[1].value("20"), "283.369995117188");
    EXPECT_EQ(lines[1].value("21"), "263.315002441406");
    const QList<Entity> texts = ofType(all, "TEXT");
    EXPECT_EQ(texts[1].value("10"), "54.4249992370605");  // single(s + 1), not single(s) + 1
    const QList<Entity> circles = ofType(all, "CIRCLE");
    ASSERT_EQ(circles.size(), 5);
    for (const Entity& circle : circles) EXPECT_EQ(circle.value("40"), "0.668500006198883");

    // Chord 196, spar 22: rounding s, a point's y or the radius before the sum would each move
    // the written value by one unit in the last place.
    AirfoilState airfoil = exampleAirfoil();
    airfoil.profile.y[1] = 0.0321f;
    p.rootChord = 196;
    p.sparPercent = 22;
    const QList<Entity> other = entities(writeDxf(airfoil, p, singleRibPanel(true)));
    EXPECT_EQ(ofType(other, "TEXT")[1].value("10"), "64.120002746582");
    const Entity tick = ofType(other, "LINE")[3];
    EXPECT_EQ(tick.value("20"), "266.311614990234");  // 261 + y - 0.98, rounded once
    EXPECT_EQ(ofType(other, "CIRCLE")[1].value("20"), "267.291595458984");
}

// With spar notches the spar line stands in the first notch, not at the panel's spar position,
// so it never runs through a hole beside the notch.
TEST(DxfExport, SparLineFollowsTheFirstNotch) {
    RibSettings panel = singleRibPanel(false);
    panel.features.sparNotches = {{25, false, 3, 1, NotchSide::Top},
                                  {60, false, 3, 1, NotchSide::Top}};
    const QList<Entity> lines =
        ofType(entities(writeDxf(exampleAirfoil(), singleRib(), panel)), "LINE");
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[1].value("10"), "57.5");  // 20 + 25 % of 150, not 20 + 30 %
}

TEST(DxfExport, SkinAndDataPointSwitches) {
    // Skin 0: only the rib outline polyline, in colour 7; the marks stay on the surface points.
    RibParameters p = singleRib();
    p.skinThickness = 0;
    QList<Entity> all = entities(writeDxf(exampleAirfoil(), p, singleRibPanel(true)));
    QList<Entity> polylines = ofType(all, "POLYLINE");
    ASSERT_EQ(polylines.size(), 1);
    EXPECT_EQ(polylines[0].value("62"), "7");
    EXPECT_EQ(ofType(all, "VERTEX").size(), 5);
    EXPECT_EQ(ofType(all, "SEQEND").size(), 1);
    const QList<Entity> circles = ofType(all, "CIRCLE");
    ASSERT_EQ(circles.size(), 5);
    EXPECT_EQ(circles[0].value("20"), "268.195007324219");
    EXPECT_EQ(circles[2].value("10"), "20");

    // A negative skin counts as none.
    p.skinThickness = -1;
    EXPECT_EQ(
        ofType(entities(writeDxf(exampleAirfoil(), p, singleRibPanel(false))), "POLYLINE").size(),
        1);

    // No data points: no circles and no ticks, only chord and spar lines; both polylines.
    p.skinThickness = 1;
    all = entities(writeDxf(exampleAirfoil(), p, singleRibPanel(false)));
    EXPECT_EQ(ofType(all, "CIRCLE").size(), 0);
    EXPECT_EQ(ofType(all, "LINE").size(), 2);
    polylines = ofType(all, "POLYLINE");
    ASSERT_EQ(polylines.size(), 2);
    EXPECT_EQ(polylines[0].value("62"), "9");
    EXPECT_EQ(polylines[1].value("62"), "7");

    // The spar line is written whatever the sheet's spar switch says.
    RibSettings noSpar = singleRibPanel(false);
    noSpar.showSparLine = false;
    EXPECT_EQ(ofType(entities(writeDxf(exampleAirfoil(), p, noSpar)), "LINE").size(), 2);
}

TEST(DxfExport, EveryEntityOfARibLiesOnItsOwnLayer) {
    const QList<Entity> all =
        entities(writeDxf(exampleAirfoil(), tapered(150, 100, 3), singleRibPanel(true)));
    // Per rib: 2 lines, 2 texts, 2 polylines of 5 vertices with their ends, 5 circles, 5 ticks.
    const int perRib = 2 + 2 + 2 * (1 + 5 + 1) + 5 + 5;
    ASSERT_EQ(all.size(), 3 * perRib + 4);  // four title texts with taper
    for (int i = 0; i < 3 * perRib; ++i) {
        if (all[i].type == "SEQEND")
            continue;  // the end marker carries no layer
        EXPECT_EQ(all[i].value("8"), QString::number(i / perRib + 1)) << "entity " << i;
    }
    // The middle rib is tapered: chord 125, ticks and circles 125 / 200 in size.
    EXPECT_EQ(all[perRib].value("11"), "150");
    EXPECT_EQ(ofType(all, "CIRCLE")[5].value("40"), "0.625");
}

TEST(DxfExport, TitleTextsRepeatTheFieldsAsTyped) {
    RibParameters p = tapered(200, 120, 2);
    p.rootThicknessFactor = 0.9;
    p.tipThicknessFactor = 0.8;
    RibSettings panel = test::defaultPanel();
    panel.rootChordText = " 200.0";
    panel.tipChordText = "120";
    panel.rootThicknessText = "90";
    panel.tipThicknessText = "80";
    panel.skinThicknessText = "1.50";
    QList<Entity> titles = ofType(entities(writeDxf(exampleAirfoil(), p, panel)), "TEXT").mid(4);
    ASSERT_EQ(titles.size(), 4);
    EXPECT_EQ(titles[1].value("1"), "ROOT CHORD:  200.0 mm (T=90% )");
    EXPECT_EQ(titles[2].value("1"), "TIP CHORD : 120 mm (T=80% )");
    EXPECT_EQ(titles[2].value("10"), "5");
    EXPECT_EQ(titles[2].value("20"), "305");
    EXPECT_EQ(titles[3].value("1"), "SKIN THICKNESS : 1.50 mm");
    for (const Entity& t : titles) {
        EXPECT_EQ(t.value("8"), "2");
        EXPECT_EQ(t.value("62"), "7");
    }

    // Only the changed end gets its remark; taper off drops the tip line entirely.
    p.rootThicknessFactor = 1;
    titles = ofType(entities(writeDxf(exampleAirfoil(), p, panel)), "TEXT").mid(4);
    EXPECT_EQ(titles[1].value("1"), "ROOT CHORD:  200.0 mm");
    EXPECT_EQ(titles[2].value("1"), "TIP CHORD : 120 mm (T=80% )");
    p.taperOn = false;
    p.ribCount = 1;
    titles = ofType(entities(writeDxf(exampleAirfoil(), p, panel)), "TEXT").mid(2);
    ASSERT_EQ(titles.size(), 3);
    EXPECT_EQ(titles[2].value("1"), "SKIN THICKNESS : 1.50 mm");
}

TEST(DxfExport, WithoutRibsTheTitlesCarryWhatAnEarlierExportLeft) {
    RibParameters none = tapered(150, 100, 0);
    RibSettings panel = test::defaultPanel();
    panel.taperOn = true;

    // First export of the run: no rib has set a layer or colour, so the titles take the
    // default layer and their usual colour rather than empty values.
    DxfAttributes attributes;
    QStringList file = writeDxf(exampleAirfoil(), none, panel, attributes);
    QList<Entity> all = entities(file);
    ASSERT_EQ(all.size(), 4);  // name, root, tip (taper decides, not the count), skin
    EXPECT_EQ(all[2].value("1"), "TIP CHORD : 100 mm");
    for (const Entity& t : all) {
        EXPECT_EQ(t.value("8"), "0");
        EXPECT_EQ(t.value("62"), "7");
    }
    EXPECT_EQ(file.mid(kHeader.size(), 16), textEntity("0", "7", "50", "300", "3", "FOIL 24"));

    // After a ten-rib export the attributes of its last rib stay in force.
    writeDxf(exampleAirfoil(), tapered(150, 100, 10), panel, attributes);
    none.ribCount = -2;
    all = entities(writeDxf(exampleAirfoil(), none, panel, attributes));
    ASSERT_EQ(all.size(), 4);
    for (const Entity& t : all) {
        EXPECT_EQ(t.value("8"), "10");
        EXPECT_EQ(t.value("62"), "7");
    }
}

TEST(DxfExport, AFailedWriteReportsTheFileError) {
    const RibJob job = test::ribJob(exampleAirfoil(), singleRib(), singleRibPanel(true));
    test::fullDiskError(
        [&](const QString& path) { test::saveOutput(OutputFormat::Dxf, path, job); });
}
