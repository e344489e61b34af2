// Published files whose layout or numbers the import reads by their shape: surfaces without a
// blank line, further copies, long files, coordinates not in chord units, x y z columns, counts
// that do not fit, and outlines that are no airfoil. The files are in tests/data/import, written
// by make_import_corpus.py.
#include "airfoil/airfoil_file.h"
#include "airfoil/airfoil_import.h"
#include "airfoil/airfoil_parser.h"
#include "airfoil/airfoil_read.h"
#include "airfoil/airfoil_texts.h"
#include "platform/errors.h"

#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include "import_corpus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <thread>

#include <sys/stat.h>

using namespace rw;
using rw::test::corpusBytes;
using rw::test::corpusPath;

namespace {

AirfoilState parsed(const QString& text) {
    AirfoilState s;
    s.text = text;
    parseAirfoilText(s, QLatin1Char('.'));
    return s;
}

AirfoilImport imported(const char* file, LegacyEncoding legacy = LegacyEncoding::Windows1252) {
    return importAirfoilFile(corpusBytes(file), file, QLatin1Char('.'), legacy);
}

QString refusal(const QByteArray& bytes) {
    try {
        importAirfoilFile(bytes, "refused.dat", QLatin1Char('.'), LegacyEncoding::Windows1252);
    } catch (const RibwrightError& e) {
        return e.text();
    }
    return QStringLiteral("(imported)");
}

QString refusal(const char* file) {
    return refusal(corpusBytes(file));
}

// The profile of a family, from a file whose import the corpus test already holds to it.
AirfoilProfile reference(const char* file) {
    return parsed(imported(file).text).profile;
}

double largestDifference(const AirfoilProfile& a, const AirfoilProfile& b) {
    if (a.pointCount() != b.pointCount())
        return INFINITY;
    double worst = 0;
    for (int i = 0; i < a.pointCount(); ++i)
        worst =
            std::max({worst, double(std::abs(a.x[i] - b.x[i])), double(std::abs(a.y[i] - b.y[i]))});
    return worst;
}

double distanceToPolyline(double px, double py, const AirfoilProfile& p) {
    double best = INFINITY;
    for (int i = 0; i + 1 < p.pointCount(); ++i) {
        const double ax = p.x[i], ay = p.y[i], dx = p.x[i + 1] - ax, dy = p.y[i + 1] - ay;
        const double len2 = dx * dx + dy * dy;
        const double t =
            len2 > 0 ? std::clamp(((px - ax) * dx + (py - ay) * dy) / len2, 0.0, 1.0) : 0;
        best = std::min(best, std::hypot(px - ax - t * dx, py - ay - t * dy));
    }
    return best;
}

struct ShapeCase {
    const char* file;
    const char* title;
    const char* family;  // the clean file whose profile it must give
    QString change;      // one expected note, or empty for a file left as it stands
};

}  // namespace

// Each layout gives the profile of its clean family, with the note that says what was done.
TEST(AirfoilImportShapes, EveryLayoutGivesItsFamilysProfile) {
    const ShapeCase cases[] = {
        {"two_surfaces_no_blank.dat", "two_surfaces_no_blank", "counts_blank.dat",
         airfoil_texts::splitSurfacesByShape(21)},
        {"second_copy.dat", "NACA 0012 first copy", "notes_after.dat",
         airfoil_texts::droppedSecondAirfoil(45)},
        {"percent.dat", "NACA 0012 percent", "notes_after.dat", airfoil_texts::dividedByHundred()},
        {"xyz.dat", "NACA 0012 x y z", "notes_after.dat", airfoil_texts::droppedThirdColumn()},
        // The parser passes the wrong counts over; the import no longer splits by them.
        {"counts_wrong_loop.dat", "NACA 0012 counts wrong", "notes_after.dat", {}},
        {"labelled_surfaces.dat", "NACA 2412 labelled, blank between", "counts_blank.dat",
         airfoil_texts::droppedSurfaceLabel(25)},
        {"reversed_lower.dat", "NACA 2412 lower backwards", "counts_blank.dat",
         airfoil_texts::surfacesTurnedToRunFromLeadingEdge()},
    };
    for (const ShapeCase& c : cases) {
        SCOPED_TRACE(c.file);
        const AirfoilImport result = imported(c.file);
        const AirfoilState s = parsed(result.text);
        EXPECT_EQ(s.name, QString::fromUtf8(c.title));
        const AirfoilProfile expected = reference(c.family);
        EXPECT_EQ(s.profile.x, expected.x);
        EXPECT_EQ(s.profile.y, expected.y);
        if (c.change.isEmpty())
            EXPECT_TRUE(result.changes.isEmpty()) << result.changes.join(" / ").toStdString();
        else
            EXPECT_TRUE(result.changes.contains(c.change))
                << result.changes.join(" / ").toStdString();
    }
}

// A section moved away from the origin, scaled, or also turned, comes back in chord units.
TEST(AirfoilImportShapes, MovedAndTurnedSectionsAreBroughtToChordUnits) {
    const AirfoilProfile loop = reference("notes_after.dat");
    const AirfoilImport moved = imported("offset.dat");
    EXPECT_LT(largestDifference(parsed(moved.text).profile, loop), 2e-6);
    EXPECT_EQ(moved.changes, QStringList{airfoil_texts::normalisedToChord()});

    const AirfoilImport turned = imported("turned.dat");
    EXPECT_LT(largestDifference(parsed(turned.text).profile, loop), 2e-4);
    ASSERT_EQ(turned.changes.size(), 2) << turned.changes.join(" / ").toStdString();
    EXPECT_TRUE(turned.changes[1].startsWith(QStringLiteral("翼弦線を 6.")));
}

// A file longer than the text box holds is thinned within 0.01 % of the chord, a two-surface file
// to the points the parser keeps before its blank line; the paste keeps its limit.
TEST(AirfoilImportShapes, LongFilesAreThinnedCloseToTheirOutline) {
    for (const auto& [file, points] :
         {std::pair{"long_file.dat", 499}, {"long_two_surfaces.dat", 500}}) {
        SCOPED_TRACE(file);
        const QByteArray bytes = corpusBytes(file);
        AirfoilState original;
        original.text = withCrLfLineEnds(QString::fromLatin1(bytes));
        EXPECT_THROW(parseAirfoilText(original, QLatin1Char('.')), RibwrightError);

        const AirfoilImport result = imported(file);
        const AirfoilState thinned = parsed(result.text);
        EXPECT_LE(thinned.lineCount(), kMaxSourceLines);
        ASSERT_EQ(result.changes.size(), 1);
        // The parser drops the repeated leading-edge point of a two-surface file.
        const int kept = thinned.profile.pointCount() + (points == 500 ? 1 : 0);
        EXPECT_TRUE(
            result.changes[0].startsWith(QStringLiteral("%1 点を %2 点に").arg(points).arg(kept)))
            << result.changes[0].toStdString();
        // Every point of the file lies within 0.01 % of the chord of the thinned outline.
        int measured = 0;
        for (const QString& line :
             QString::fromLatin1(bytes).split(QStringLiteral("\r\n")).mid(1)) {
            const QStringList xy = line.split(' ', Qt::SkipEmptyParts);
            if (xy.size() != 2 || xy[0].toDouble() > 1.5)
                continue;  // the title, blank lines, the counts
            EXPECT_LE(distanceToPolyline(xy[0].toDouble(), xy[1].toDouble(), thinned.profile),
                      1.0001e-4)
                << line.toStdString();
            ++measured;
        }
        EXPECT_EQ(measured, points);
    }
}

// Outlines that are no airfoil, and files with too few points, are refused with what is wrong.
TEST(AirfoilImportShapes, OutlinesThatAreNoAirfoilAreRefused) {
    EXPECT_EQ(refusal("zero_area.dat"), airfoil_texts::outlineHasNoArea());
    EXPECT_EQ(refusal("open_curve.dat"), airfoil_texts::outlineIsOpen(100));
    EXPECT_EQ(refusal("crossing.dat"), airfoil_texts::outlineCrossesItself(11));
    EXPECT_EQ(refusal("few_points.dat"), airfoil_texts::tooFewPoints());
    // Counts that fit neither the body nor any shape it has still refuse, naming the line.
    QByteArray upperOnly = corpusBytes("open_curve.dat");
    upperOnly.replace("21.  0.", "50   50");
    EXPECT_EQ(refusal(upperOnly), airfoil_texts::countsDisagree(2, 50, 21));
}

// A Latin-1 title reads the same on a Japanese desktop as anywhere; real CP932 stays CP932; a TAB
// in a title never reaches a library file name.
TEST(AirfoilImportShapes, TitlesReadAlikeOnEveryDesktop) {
    if (!QStringDecoder("windows-31j").isValid())
        GTEST_SKIP() << "this Qt has no CP932 decoder";
    const QString latin = QStringLiteral("NACA 0012 © Straße");
    EXPECT_EQ(parsed(imported("latin1_lone_kana.dat", LegacyEncoding::Cp932).text).name, latin);
    EXPECT_EQ(
        parsed(*loadAirfoilText(corpusPath("latin1_lone_kana.dat"), LegacyEncoding::Cp932)).name,
        latin);
    EXPECT_EQ(parsed(imported("cp932_title.dat", LegacyEncoding::Cp932).text).name,
              QStringLiteral("翼型テスト 12%"));
    // A single common kanji after a Latin letter is Japanese all the same.
    QByteArray modified = corpusBytes("notes_after.dat");
    modified.replace("with notes",
                     QByteArray(QStringEncoder("windows-31j").encode(QStringLiteral("Y改"))));
    EXPECT_EQ(
        parsed(importAirfoilFile(modified, "m.dat", QLatin1Char('.'), LegacyEncoding::Cp932).text)
            .name,
        QStringLiteral("NACA 0012 Y改"));
    EXPECT_EQ(libraryEntryName(parsed(imported("title_control.dat").text).name),
              QStringLiteral("HN 380 F3B control"));
}

// Every input is read once, to its end, a FIFO as a file; a device without end is refused
// at the bound.
TEST(AirfoilImportShapes, InputsAreReadOnceAndBounded) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("foil.fifo");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const QByteArray bytes = corpusBytes("notes_after.dat");
    std::thread writer([&] {
        QFile out(fifo);
        if (out.open(QIODevice::WriteOnly))
            out.write(bytes);
    });
    const QByteArray read = readAirfoilBytes(fifo);
    writer.join();
    EXPECT_EQ(read, bytes);

    try {
        readAirfoilBytes(QStringLiteral("/dev/zero"));
        ADD_FAILURE() << "an endless device was read";
    } catch (const RibwrightError& e) {
        EXPECT_EQ(e.text(), airfoil_texts::fileTooLarge(4));
    }
    EXPECT_THROW(readAirfoilBytes(dir.filePath("missing.dat")), FileError);
}
