#include "airfoil/import_lines.h"

#include "platform/number_conversion.h"
#include "platform/text_trim.h"

#include <algorithm>

namespace rw {
namespace {

bool isBlankOrControl(QChar c) {
    return c.unicode() <= 32;
}

QStringList splitAtBlanks(const QString& t) {
    QStringList tokens;
    qsizetype i = 0;
    while (i < t.size()) {
        while (i < t.size() && isBlankOrControl(t.at(i))) ++i;
        const qsizetype start = i;
        while (i < t.size() && !isBlankOrControl(t.at(i))) ++i;
        if (i > start)
            tokens.push_back(t.mid(start, i - start));
    }
    return tokens;
}

ImportLine classify(const QString& text, QChar decimalSeparator) {
    ImportLine line;
    line.text = text;
    const QString t = trimControl(text);
    if (t.isEmpty()) {
        line.kind = ImportLineKind::Blank;
        return line;
    }
    const QStringList tokens = splitAtBlanks(t);
    if (tokens.size() < 2 || tokens.size() > 3)
        return line;
    double third = 0;
    if (!tryStrToFloatEither(tokens[0], decimalSeparator, QLatin1Char('.'), line.first) ||
        !tryStrToFloatEither(tokens[1], decimalSeparator, QLatin1Char('.'), line.second) ||
        (tokens.size() == 3 &&
         !tryStrToFloatEither(tokens[2], decimalSeparator, QLatin1Char('.'), third)))
        return line;
    line.kind = tokens.size() == 2 ? ImportLineKind::Pair : ImportLineKind::Triple;
    line.tokens = tokens.mid(0, 2);
    return line;
}

}  // namespace

std::vector<ImportLine> classifyImportLines(const QString& text, QChar decimalSeparator) {
    std::vector<ImportLine> lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && text.at(end) != QLatin1Char('\r') && text.at(end) != QLatin1Char('\n'))
            ++end;
        lines.push_back(classify(text.mid(start, end - start), decimalSeparator));
        if (end < n && text.at(end) == QLatin1Char('\r') && end + 1 < n &&
            text.at(end + 1) == QLatin1Char('\n'))
            ++end;
        start = end + 1;
    }
    return lines;
}

bool readTriplesAsPairs(std::vector<ImportLine>& lines) {
    // Fewer than this many cannot outline an airfoil anyway.
    constexpr int kFewestCoordinates = 10;
    int pairs = 0;
    int triples = 0;
    for (const ImportLine& line : lines) {
        pairs += line.kind == ImportLineKind::Pair;
        triples += line.kind == ImportLineKind::Triple;
    }
    const bool coordinates = triples >= kFewestCoordinates && triples > pairs;
    for (ImportLine& line : lines) {
        if (line.kind != ImportLineKind::Triple)
            continue;
        line.kind = coordinates ? ImportLineKind::Pair : ImportLineKind::Other;
        line.fromTriple = coordinates;
    }
    return coordinates;
}

bool hasLoneCarriageReturn(const QString& text) {
    for (qsizetype i = text.indexOf(QLatin1Char('\r')); i >= 0;
         i = text.indexOf(QLatin1Char('\r'), i + 1)) {
        if (i + 1 >= text.size() || text.at(i + 1) != QLatin1Char('\n'))
            return true;
    }
    return false;
}

QString readablePointLine(const ImportLine& line) {
    QString first = line.tokens.value(0);
    const QString second = line.tokens.value(1);
    const bool hasExponent = first.contains(QLatin1Char('e'), Qt::CaseInsensitive);
    const bool hasFraction = first.contains(QLatin1Char('.')) || first.contains(QLatin1Char(','));
    // "1" becomes "1.0", ".5" becomes ".50": the same value, three characters or more.
    if (!hasFraction && !hasExponent)
        first += QStringLiteral(".0");
    while (first.size() < 3 && !hasExponent) first += QLatin1Char('0');
    const qsizetype gap = std::max<qsizetype>(1, 11 - first.size() - second.size());
    return first + QString(gap, QLatin1Char(' ')) + second;
}

}  // namespace rw
