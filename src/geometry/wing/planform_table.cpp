#include "geometry/wing/planform_table.h"

#include "airfoil/airfoil_read.h"
#include "geometry/wing/section_airfoil.h"
#include "geometry/wing/wing_texts.h"
#include "platform/errors.h"
#include "platform/text_codec.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <cmath>
#include <map>

namespace rw {
namespace {

// A planform has tens of sections; far more is no planform table.
constexpr int kMostSections = 1000;
// A line quoted in a refusal is cut to this many characters.
constexpr int kQuotedLineLength = 60;

struct TableLine {
    int number = 0;  // from 1
    QString text;
};

// A row as the table writes it, before it is measured from the root row.
struct TableRow {
    int line = 0;
    double span = 0;
    double chord = 0;
    double leadingEdge = 0;
    double trailingEdge = 0;  // the designer form's te_y; only its root row's is used
    double twist = 0;
    QString airfoilFile;
};

[[noreturn]] void refuseLine(const TableLine& line) {
    QString shown = line.text;
    if (shown.size() > kQuotedLineLength)
        shown = shown.left(kQuotedLineLength) + QChar(0x2026);
    throw RibwrightError(tableLineRefusedText(line.number, shown));
}

double numberIn(const QString& field, const TableLine& line) {
    bool ok = false;
    const double value = field.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        refuseLine(line);
    return value;
}

// The lines with something on them; `comment` starts a comment running to the line's end.
std::vector<TableLine> linesOf(const QString& text, QChar comment) {
    std::vector<TableLine> lines;
    const QStringList raw = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < raw.size(); ++i) {
        QString line = raw[i];
        if (!comment.isNull())
            line = line.left(line.indexOf(comment));  // left(-1) is the whole line
        line = line.trimmed();
        if (!line.isEmpty())
            lines.push_back({int(i + 1), line});
        if (int(lines.size()) > kMostSections + 1)
            throw RibwrightError(tableTooManySectionsText(kMostSections));
    }
    return lines;
}

// The sailplane designers' export: a header row names the columns, found by name.
std::vector<TableRow> readDesignerRows(const std::vector<TableLine>& lines) {
    QStringList header;
    for (const QString& name : lines.front().text.split(QLatin1Char(';')))
        header.append(name.trimmed().toLower());
    auto column = [&](const char* name, bool needed) {
        const qsizetype at = header.indexOf(QLatin1String(name));
        if (at < 0 && needed)
            throw RibwrightError(tableColumnMissingText(QLatin1String(name)));
        return at;
    };
    const qsizetype span = column("x", true);
    const qsizetype chord = column("c", true);
    const qsizetype leadingEdge = column("le_y", true);
    const qsizetype trailingEdge = column("te_y", false);
    const qsizetype airfoil = column("airfoil_file", false);
    const qsizetype needed = std::max({span, chord, leadingEdge, trailingEdge});

    std::vector<TableRow> rows;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines[i].text.split(QLatin1Char(';'));
        if (fields.size() <= needed)
            refuseLine(lines[i]);
        TableRow row;
        row.line = lines[i].number;
        row.span = numberIn(fields[span], lines[i]);
        row.chord = numberIn(fields[chord], lines[i]);
        row.leadingEdge = numberIn(fields[leadingEdge], lines[i]);
        row.trailingEdge =
            trailingEdge >= 0 ? numberIn(fields[trailingEdge], lines[i]) : row.leadingEdge + 1;
        if (airfoil >= 0 && airfoil < fields.size())
            row.airfoilFile = fields[airfoil].trimmed();
        rows.push_back(row);
    }
    if (rows.empty())
        return rows;
    // The designers' y axis may point forwards: then the leading edge has the greater y, and the
    // offsets are turned so that they run backwards as ours do.
    const TableRow root = rows.front();
    const double backwards = root.trailingEdge - root.leadingEdge < 0 ? -1 : 1;
    for (TableRow& row : rows) row.leadingEdge = backwards * (row.leadingEdge - root.leadingEdge);
    return rows;
}

bool startsWithNumber(const QString& text) {
    bool ok = false;
    text.section(QLatin1Char(','), 0, 0).trimmed().toDouble(&ok);
    return ok;
}

// Our own form: span,chord,leading_edge[,airfoil[,twist]], an optional header row.
std::vector<TableRow> readOwnRows(const std::vector<TableLine>& lines) {
    std::vector<TableRow> rows;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == 0 && !startsWithNumber(lines[i].text))
            continue;
        const QStringList fields = lines[i].text.split(QLatin1Char(','));
        if (fields.size() < 3 || fields.size() > 5)
            refuseLine(lines[i]);
        TableRow row;
        row.line = lines[i].number;
        row.span = numberIn(fields[0], lines[i]);
        row.chord = numberIn(fields[1], lines[i]);
        row.leadingEdge = numberIn(fields[2], lines[i]);
        if (fields.size() > 3)
            row.airfoilFile = fields[3].trimmed();
        if (fields.size() > 4 && !fields[4].trimmed().isEmpty())
            row.twist = numberIn(fields[4], lines[i]);
        rows.push_back(row);
    }
    if (!rows.empty()) {
        const TableRow root = rows.front();
        for (TableRow& row : rows) row.leadingEdge -= root.leadingEdge;
    }
    return rows;
}

// Each file is read once, however many sections name it.
class AirfoilFiles {
  public:
    explicit AirfoilFiles(const QString& folder) : folder_(folder) {}

    const AirfoilProfile& profileFor(const TableRow& row) {
        const QString path = QDir(folder_).filePath(row.airfoilFile);
        auto found = read_.find(path);
        if (found != read_.end())
            return found->second;
        try {
            return read_.emplace(path, readSectionAirfoil(path).profile).first->second;
        } catch (const RibwrightError& error) {
            throw RibwrightError(tableAirfoilRefusedText(row.line, row.airfoilFile, error.text()));
        }
    }

  private:
    QString folder_;
    std::map<QString, AirfoilProfile> read_;
};

std::vector<PlanformSection> sectionsOf(const std::vector<TableRow>& rows, const QString& folder) {
    if (rows.size() < 2)
        throw RibwrightError(tableTooFewSectionsText());
    if (rows.size() > std::size_t(kMostSections))
        throw RibwrightError(tableTooManySectionsText(kMostSections));
    AirfoilFiles airfoils(folder);
    std::vector<PlanformSection> sections;
    for (const TableRow& row : rows) {
        if (!(row.chord > 0))
            throw RibwrightError(tableChordRefusedText(row.line));
        PlanformSection section;
        section.span = row.span - rows.front().span;
        if (!sections.empty() && !(section.span > sections.back().span))
            throw RibwrightError(tableSpanNotIncreasingText(row.line));
        section.chord = row.chord;
        section.leadingEdge = row.leadingEdge;
        section.twist = row.twist;
        section.airfoilFile = row.airfoilFile;
        if (!row.airfoilFile.isEmpty())
            section.airfoil = airfoils.profileFor(row);
        sections.push_back(std::move(section));
    }
    return sections;
}

}  // namespace

std::vector<PlanformSection> readPlanformTable(const QByteArray& bytes, const QString& folder) {
    const QString text = decodeAirfoilBytes(bytes, desktopLegacyEncoding());
    // The form shows in the first line: the designers' header is ';'-separated, ours never is.
    const std::vector<TableLine> plain = linesOf(text, QChar());
    const bool designerForm = !plain.empty() && !plain.front().text.startsWith(QLatin1Char('#')) &&
                              plain.front().text.contains(QLatin1Char(';'));
    const std::vector<TableLine> lines = designerForm ? plain : linesOf(text, QLatin1Char('#'));
    if (lines.empty())
        throw RibwrightError(tableTooFewSectionsText());
    return sectionsOf(designerForm ? readDesignerRows(lines) : readOwnRows(lines), folder);
}

QStringList sectionAirfoilPaths(const QString& tablePath,
                                const std::vector<PlanformSection>& sections) {
    const QDir folder(QFileInfo(tablePath).absolutePath());
    QStringList paths;
    for (const PlanformSection& section : sections) {
        if (!section.airfoilFile.isEmpty())
            paths << folder.filePath(section.airfoilFile);
    }
    paths.removeDuplicates();
    return paths;
}

std::vector<PlanformSection> readPlanformTablePath(const QString& path) {
    try {
        return readPlanformTable(readAirfoilBytes(path), QFileInfo(path).absolutePath());
    } catch (const FileError&) {
        throw;  // its text names the file already
    } catch (const RibwrightError& error) {
        throw RibwrightError(
            planformTableRefusedText(QDir::toNativeSeparators(path), error.text()));
    }
}

}  // namespace rw
