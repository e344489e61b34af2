#include "airfoil/airfoil_parser.h"

#include "platform/errors.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace rw;

namespace {

QString crlf(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n")) + "\r\n";
}

const QStringList kLoopExample = {"EXAMPLE FOIL A",  "1.0000  0.0000",  "0.7500  0.0400",
                                  "0.5000  0.0600",  "0.2500  0.0550",  "0.1000  0.0350",
                                  "0.0000  0.0000",  "0.1000  -0.0200", "0.2500  -0.0250",
                                  "0.5000  -0.0200", "0.7500  -0.0100", "1.0000  0.0000"};

const QStringList kTwoSurfaceExample = {"EXAMPLE FOIL B",
                                        "6.  6.",
                                        "",
                                        "0.0000  0.0000",
                                        "0.1000  0.0350",
                                        "0.2500  0.0550",
                                        "0.5000  0.0600",
                                        "0.7500  0.0400",
                                        "1.0000  0.0000",
                                        "",
                                        "0.0000  0.0000",
                                        "0.1000  -0.0200",
                                        "0.2500  -0.0250",
                                        "0.5000  -0.0200",
                                        "0.7500  -0.0100",
                                        "1.0000  0.0000"};

const std::vector<std::pair<float, float>> kExamplePoints = {
    {1.f, 0.f},     {0.75f, 0.04f},   {0.5f, 0.06f},  {0.25f, 0.055f}, {0.1f, 0.035f}, {0.f, 0.f},
    {0.1f, -0.02f}, {0.25f, -0.025f}, {0.5f, -0.02f}, {0.75f, -0.01f}, {1.f, 0.f}};

std::vector<std::pair<float, float>> pointsOf(const AirfoilState& s) {
    std::vector<std::pair<float, float>> out;
    for (int i = 0; i < s.profile.pointCount(); ++i)
        out.emplace_back(s.profile.x[i], s.profile.y[i]);
    return out;
}

AirfoilState parsed(const QString& text, ParseOutcome* outcome = nullptr) {
    AirfoilState s;
    s.text = text;
    const ParseOutcome o = parseAirfoilText(s, QLatin1Char('.'));
    if (outcome)
        *outcome = o;
    return s;
}

// Ten filler data lines so a single interesting line can be judged inside a usable text.
QStringList withFlagOn(const QString& line) {
    return {"TITLE",          "0.9000  0.0100", line,
            "0.8000  0.0200", "0.7000  0.0300", "0.6000  0.0400",
            "0.5000  0.0500", "0.4000  0.0400", "0.3000  0.0300",
            "0.2000  0.0200", "0.1000  0.0100", "0.0000  0.0000"};
}

}  // namespace

TEST(AirfoilParser, BothWorkedExamplesGiveTheSameElevenPoints) {
    ParseOutcome loopOutcome{}, twoOutcome{};
    const AirfoilState loop = parsed(crlf(kLoopExample), &loopOutcome);
    const AirfoilState two = parsed(crlf(kTwoSurfaceExample), &twoOutcome);
    EXPECT_EQ(loopOutcome, ParseOutcome::Usable);
    EXPECT_EQ(twoOutcome, ParseOutcome::Usable);
    EXPECT_EQ(loop.lineCount(), 12);
    EXPECT_EQ(two.lineCount(), 16);
    EXPECT_EQ(loop.name, "EXAMPLE FOIL A");
    EXPECT_EQ(pointsOf(loop), kExamplePoints);
    EXPECT_EQ(pointsOf(two), kExamplePoints);
    EXPECT_EQ(two.sourceLines.at(2), QString());
}

TEST(AirfoilParser, SingleLinesWithTheDataFlagOffAndOn) {
    struct Case {
        QString line;
        bool turnsFlagOn;  // when it is the first candidate line
        bool pointWhenOff;
        bool pointWhenOn;
        std::pair<float, float> point;
    };
    const std::vector<Case> cases = {
        {"35.  35.", false, false, false, {}},
        {"35.  0.5", true, false, false, {}},
        {"0.0 0.0", true, false, false, {}},
        {"0. 0.00000001", true, false, false, {}},
        {"1.0000\t 0.0013", true, true, true, {1.f, 0.0013f}},
        {"1.0000 \t0.0013", true, true, true, {1.f, 0.0013f}},
        {"1.0000,0.0013", false, false, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        // Flag off: the line comes first. The line after it is a point only if the flag is on
        // by then, since its own numbers both exceed 1.
        const AirfoilState off = parsed(crlf({"T", c.line, "35.0000  35.000"}));
        const int expectedOff = (c.pointWhenOff ? 1 : 0) + (c.turnsFlagOn ? 1 : 0);
        ASSERT_EQ(off.profile.pointCount(), expectedOff);
        if (c.pointWhenOff) {
            EXPECT_EQ(pointsOf(off).front(), c.point);
        }
        // Flag on: the line sits between data lines.
        const AirfoilState on = parsed(crlf(withFlagOn(c.line)));
        ASSERT_EQ(on.profile.pointCount(), 10 + (c.pointWhenOn ? 1 : 0));
        if (c.pointWhenOn) {
            EXPECT_EQ(pointsOf(on).at(1), c.point);
        }
    }
}

TEST(AirfoilParser, TextLinesRaiseTheConversionErrorForTheirToken) {
    for (const QStringList& lines : {QStringList{"T", "End of data"}, withFlagOn("End of data")}) {
        try {
            parsed(crlf(lines));
            FAIL() << "no error";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.text(), QStringLiteral("'End' は浮動小数点数ではありません"));
        }
    }
}

TEST(AirfoilParser, BlankLinesAndTheSeventyPercentMark) {
    // A blank line at or after the mark is ignored: 12 lines + 1 blank stay in loop order.
    QStringList trailing = kLoopExample;
    trailing << "";
    EXPECT_EQ(pointsOf(parsed(crlf(trailing))), kExamplePoints);

    // Several blank lines between the surfaces act as one.
    QStringList several = kTwoSurfaceExample;
    several.insert(9, "");
    several.insert(9, "");
    EXPECT_EQ(pointsOf(parsed(crlf(several))), kExamplePoints);

    // Enough blank lines after a loop text put one before the mark: two-surface with an empty
    // lower surface, so the points come out reversed and the first point read is dropped.
    QStringList padded = kLoopExample;
    for (int i = 0; i < 30; ++i) padded << "";
    std::vector<std::pair<float, float>> expected(kExamplePoints.rbegin(), kExamplePoints.rend());
    expected.pop_back();
    EXPECT_EQ(pointsOf(parsed(crlf(padded))), expected);

    // A blank line right after the mark turns the flag on, before any point: the first point of
    // the lower surface (here all points) is dropped.
    const AirfoilState early = parsed(crlf({"T", "0.0 0.0", "", "1.0000  0.0000", "0.5000  0.0600",
                                            "0.0000  0.0000", "0.5000  -0.040"}));
    EXPECT_EQ(early.profile.pointCount(), 3);
}

TEST(AirfoilParser, SecondNumberIsReadFromAtMost150Characters) {
    const QString pad(149, QLatin1Char(' '));
    // The number starts inside the window and its tail beyond it is cut off.
    const AirfoilState cut = parsed(crlf(withFlagOn("0.5000 " + pad + "0.0123")));
    EXPECT_EQ(cut.profile.y.at(1), 0.f);
    const AirfoilState inside = parsed(crlf(withFlagOn("0.5000 " + QString(140, ' ') + "0.0123")));
    EXPECT_EQ(inside.profile.y.at(1), 0.0123f);
}

TEST(AirfoilParser, LineEndsOtherThanCrLf) {
    ParseOutcome outcome{};
    // LF only: one single line, no points.
    const AirfoilState lf = parsed(kLoopExample.join("\n") + "\n", &outcome);
    EXPECT_EQ(lf.lineCount(), 1);
    EXPECT_EQ(lf.profile.pointCount(), 0);
    EXPECT_EQ(outcome, ParseOutcome::TooFewPoints);
    // CR only: the first character of every later line is lost.
    const AirfoilState cr = parsed(kLoopExample.join("\r") + "\r");
    ASSERT_EQ(cr.lineCount(), 12);
    EXPECT_EQ(cr.sourceLines.at(1), ".0000  0.0000");
    EXPECT_EQ(cr.name, "EXAMPLE FOIL A");
    // No title line: the first point becomes the name.
    const AirfoilState untitled = parsed(crlf(kLoopExample.mid(1)));
    EXPECT_EQ(untitled.name, "1.0000  0.0000");
    EXPECT_EQ(untitled.profile.pointCount(), 10);
}

TEST(AirfoilParser, FailuresKeepTheEarlierProfileButTakeTheNewLines) {
    AirfoilState s;
    s.text = crlf(kLoopExample);
    parseAirfoilText(s, QLatin1Char('.'));
    s.text = crlf({"  NEW TITLE ", "1.0000  0.0000", "Second title line here"});
    EXPECT_THROW(parseAirfoilText(s, QLatin1Char('.')), ConversionError);
    EXPECT_EQ(s.name, "  NEW TITLE ");
    EXPECT_EQ(s.lineCount(), 3);
    EXPECT_EQ(pointsOf(s), kExamplePoints);

    // Fewer than ten points replace the profile with the short list.
    s.text = crlf(kLoopExample.mid(0, 6));
    EXPECT_EQ(parseAirfoilText(s, QLatin1Char('.')), ParseOutcome::TooFewPoints);
    EXPECT_EQ(s.profile.pointCount(), 5);
}

TEST(AirfoilParser, CommaSeparatorLocale) {
    AirfoilState s;
    QStringList lines = kLoopExample;
    for (int i = 1; i < lines.size(); ++i) lines[i].replace('.', ',');
    s.text = crlf(lines);
    EXPECT_EQ(parseAirfoilText(s, QLatin1Char(',')), ParseOutcome::Usable);
    EXPECT_EQ(pointsOf(s), kExamplePoints);

    // Published files use '.' whatever the locale: they read the same under a comma locale.
    AirfoilState dotted;
    dotted.text = crlf(kLoopExample);
    EXPECT_EQ(parseAirfoilText(dotted, QLatin1Char(',')), ParseOutcome::Usable);
    EXPECT_EQ(pointsOf(dotted), kExamplePoints);
}

TEST(AirfoilParser, TextsBeyondTheCapacityAreRefusedWithoutTouchingTheProfile) {
    AirfoilState s;
    s.text = crlf(kLoopExample);
    parseAirfoilText(s, QLatin1Char('.'));

    QStringList tooLong = {"LONG"};
    for (int i = 0; i < 400; ++i) tooLong << "0.5000  0.0100";
    s.text = crlf(tooLong);
    try {
        parseAirfoilText(s, QLatin1Char('.'));
        FAIL() << "accepted 401 lines";
    } catch (const RibwrightError& e) {
        EXPECT_TRUE(e.text().contains("400")) << e.text().toStdString();
    }
    EXPECT_EQ(s.name, "EXAMPLE FOIL A");
    EXPECT_EQ(pointsOf(s), kExamplePoints);

    // 400 lines exactly are fine: 399 points.
    tooLong.removeLast();
    s.text = crlf(tooLong);
    EXPECT_EQ(parseAirfoilText(s, QLatin1Char('.')), ParseOutcome::Usable);
    EXPECT_EQ(s.profile.pointCount(), 399);

    QStringList wideUpper = {"WIDE", "201.  10."};
    for (int i = 0; i < 201; ++i) wideUpper << "0.5000  0.0100";
    wideUpper << "";
    for (int i = 0; i < 100; ++i) wideUpper << "0.5000  -0.0100";
    s.text = crlf(wideUpper);
    try {
        parseAirfoilText(s, QLatin1Char('.'));
        FAIL() << "accepted 201 upper points";
    } catch (const RibwrightError& e) {
        EXPECT_TRUE(e.text().contains("200")) << e.text().toStdString();
    }
    EXPECT_EQ(s.profile.pointCount(), 399);
}

TEST(AirfoilParser, GeneratedAirfoilFilesParseInBothLayouts) {
    for (const char* name : {"naca2412_two_surface.dat", "naca0012_loop.dat"}) {
        QFile f(QStringLiteral(RIBWRIGHT_TEST_DATA "/") + name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
        const AirfoilState s = parsed(QString::fromLatin1(f.readAll()));
        EXPECT_GE(s.profile.pointCount(), 60) << name;
        // Loop order: trailing edge first and last, leading edge (x = 0) in between.
        EXPECT_EQ(s.profile.x.front(), 1.f) << name;
        EXPECT_EQ(s.profile.x.back(), 1.f) << name;
        const int le = s.profile.pointCount() / 2;
        EXPECT_EQ(s.profile.x.at(le), 0.f) << name;
        EXPECT_GT(s.profile.y.at(le / 2), 0.f) << "upper surface first: " << name;
    }
}
