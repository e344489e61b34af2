#include "airfoil/airfoil_parser.h"

#include "airfoil/airfoil_texts.h"
#include "platform/errors.h"
#include "platform/number_conversion.h"
#include "platform/text_trim.h"

#include <algorithm>

namespace rw {
namespace {

// The second number is read from at most this many characters after the separator.
constexpr qsizetype kSecondFieldWidth = 150;

// Lines end at CR; the character after the CR (the LF of a CR LF pair) is dropped, whatever it is.
QStringList splitAtCarriageReturns(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (;;) {
        const qsizetype cr = text.indexOf(QLatin1Char('\r'), start);
        if (cr < 0)
            break;
        lines.push_back(text.mid(start, cr - start));
        start = cr + 2;
        if (start >= text.size())
            break;
    }
    if (start < text.size())
        lines.push_back(text.mid(start));
    return lines;
}

// Position (from 1) of the field separator: the first TAB wins over the first space; 0 for none.
qsizetype separatorPosition(const QString& t) {
    const qsizetype tab = t.indexOf(QLatin1Char('\t'));
    if (tab >= 0)
        return tab + 1;
    const qsizetype space = t.indexOf(QLatin1Char(' '));
    return space >= 0 ? space + 1 : 0;
}

// Within the data, a line is a point only when its first field has 3 characters or more and the
// line is longer than 10 characters; shorter lines are passed over in silence.
bool longEnoughForPoint(const QString& t, qsizetype s) {
    return s > 3 && t.size() > 10;
}

float convertField(const QString& field, QChar separator) {
    const QString token = trimControl(field);
    return float(airfoilStrToFloat(token, separator));
}

struct FieldPair {
    float first;
    float second;
};

FieldPair readFields(const QString& t, qsizetype s, QChar separator) {
    const float first = convertField(t.left(s - 1), separator);
    const float second = convertField(t.mid(s, kSecondFieldWidth), separator);
    return {first, second};
}

struct PointBuffer {
    std::vector<float> x;
    std::vector<float> y;
    void add(float px, float py) {
        x.push_back(px);
        y.push_back(py);
    }
    int size() const { return int(x.size()); }
};

// Turns the two runs from leading edge to trailing edge into the loop order: the upper surface
// reversed, then the lower surface without its repeated leading-edge point.
void rearrangeTwoSurfaces(PointBuffer& points, int upperCount) {
    if (upperCount > kMaxUpperSurfacePoints)
        throw RibwrightError(airfoil_texts::tooManyUpperPoints(kMaxUpperSurfacePoints));
    std::reverse(points.x.begin(), points.x.begin() + upperCount);
    std::reverse(points.y.begin(), points.y.begin() + upperCount);
    const int n = points.size();
    if (n == 0)
        return;
    // Normally the first point after the blank line goes; with nothing after the blank line the
    // last point of the reversed upper surface goes instead.
    const int drop = std::min(upperCount, n - 1);
    points.x.erase(points.x.begin() + drop);
    points.y.erase(points.y.begin() + drop);
}

}  // namespace

bool parserReadsAsPoint(const QString& line) {
    const QString t = trimControl(line);
    return longEnoughForPoint(t, separatorPosition(t));
}

ParseOutcome parseAirfoilText(AirfoilState& state, QChar decimalSeparator) {
    QStringList lines = splitAtCarriageReturns(state.text);
    if (lines.size() > kMaxSourceLines)
        throw RibwrightError(airfoil_texts::tooManyLines(kMaxSourceLines));

    state.sourceLines = lines;
    state.name = lines.isEmpty() ? QString() : lines.front();

    const int lineCount = int(lines.size());
    bool dataFlag = false;
    bool twoSurface = false;
    int upperCount = 0;
    PointBuffer points;

    for (int i = 2; i <= lineCount; ++i) {
        const QString t = trimControl(lines.at(i - 1));
        const qsizetype s = separatorPosition(t);
        if (!dataFlag) {
            if (s == 0)
                continue;
            const FieldPair header = readFields(t, s, decimalSeparator);
            // A line whose two numbers both exceed 1 (such as the point counts) is passed over.
            if (!(header.first > 1 && header.second > 1))
                dataFlag = true;
        }
        if (!dataFlag)
            continue;

        if (t.size() < 3) {
            // A blank line in the first 70 % of the text separates the two surfaces.
            if (10 * i < 7 * lineCount) {
                twoSurface = true;
                upperCount = points.size();
            }
            continue;
        }
        if (longEnoughForPoint(t, s)) {
            const FieldPair point = readFields(t, s, decimalSeparator);
            points.add(point.first, point.second);
        }
    }

    if (twoSurface)
        rearrangeTwoSurfaces(points, upperCount);

    state.profile.x = std::move(points.x);
    state.profile.y = std::move(points.y);
    return state.profile.pointCount() >= 10 ? ParseOutcome::Usable : ParseOutcome::TooFewPoints;
}

}  // namespace rw
