#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

namespace rw {

// What one line of a published airfoil file holds.
enum class ImportLineKind {
    Blank,   // nothing but blanks
    Pair,    // exactly two numbers: a coordinate pair, or the point counts of a two-surface file
    Triple,  // exactly three numbers: x y z of a section exported from CAD, or a header note
    Other,   // anything else: a title, a note
};

struct ImportLine {
    QString text;  // as it stood in the file, without its line end
    ImportLineKind kind = ImportLineKind::Other;
    double first = 0;  // the two numbers of a Pair
    double second = 0;
    QStringList tokens;       // the two number texts of a Pair (the first two of a Triple)
    bool fromTriple = false;  // a Pair read from the first two numbers of a Triple

    // The point counts of a two-surface file: both numbers exceed 1, as the parser's header
    // test has it.
    bool isCountsPair() const { return kind == ImportLineKind::Pair && first > 1 && second > 1; }
};

// Splits a decoded file into lines at CR LF, LF or a lone CR, and tells each line's kind.
// Numbers read with '.' or the locale's separator, as the parser reads them.
std::vector<ImportLine> classifyImportLines(const QString& text, QChar decimalSeparator);

// A file whose coordinates come as x y z: when three-number lines outnumber the pairs (and there
// are enough of them to be coordinates), they become pairs of their first two numbers; otherwise
// they stay notes. Returns whether any line was turned.
bool readTriplesAsPairs(std::vector<ImportLine>& lines);

// Whether the text holds a line end that is a lone CR (neither part of CR LF nor before LF).
bool hasLoneCarriageReturn(const QString& text);

// The same two numbers written so that the parser reads them: the first widened with a fraction
// part and the two set apart so the line is long enough. Values are not changed.
QString readablePointLine(const ImportLine& line);

}  // namespace rw
