// The import of the files in tests/data/import, written by make_import_corpus.py in the layouts
// airfoil files are published in.
#include "airfoil/airfoil_import.h"
#include "airfoil/airfoil_file.h"
#include "airfoil/airfoil_parser.h"
#include "airfoil/airfoil_texts.h"
#include "platform/errors.h"

#include <QFile>
#include <QStringDecoder>

#include "import_corpus.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

using namespace rw;
using rw::test::corpusBytes;
using rw::test::corpusPath;

namespace {

AirfoilState parsed(const QString& text, QChar sep = QLatin1Char('.')) {
    AirfoilState s;
    s.text = text;
    parseAirfoilText(s, sep);
    return s;
}

// The profiles every file of a family must give, from the clean files as the library loads them.
AirfoilProfile loopReference() {
    AirfoilProfile p = parsed(*loadAirfoilText(corpusPath("reversed.dat"))).profile;
    std::reverse(p.x.begin(), p.x.end());
    std::reverse(p.y.begin(), p.y.end());
    return p;
}

AirfoilProfile twoSurfaceReference() {
    return parsed(*loadAirfoilText(corpusPath("counts_blank.dat"))).profile;
}

QString importRefusal(const QByteArray& bytes, const char* fileName) {
    try {
        importAirfoilFile(bytes, fileName, QLatin1Char('.'), LegacyEncoding::Windows1252);
    } catch (const RibwrightError& e) {
        return e.text();
    }
    return QStringLiteral("(imported)");
}

struct CorpusCase {
    const char* file;
    const char* title;
    bool twoSurface;
    QString change;  // one expected note, or empty for a file left as it stands
};

const CorpusCase kCorpus[] = {
    {"notes_after.dat", "NACA 0012 with notes", false, airfoil_texts::droppedNotes(3)},
    // Numbered notes whose first word is this short are passed over by the parser: the text
    // already gives the profile, so it is left alone.
    {"numbered_notes.dat", "NACA 0012 numbered comments", false, {}},
    {"second_title.dat", "NACA 0012", false, airfoil_texts::droppedLinesBeforeCoordinates(3)},
    {"counts_blank.dat", "NACA 2412 two surfaces", true, {}},
    {"counts_no_blank_between.dat", "NACA 2412 no blank between", true,
     airfoil_texts::splitSurfacesByCounts(21)},
    {"counts_no_blank_at_all.dat", "NACA 2412 no blank at all", true,
     airfoil_texts::splitSurfacesByCounts(21)},
    {"headerless.dat", "headerless", false, airfoil_texts::titleFromFileName("headerless")},
    {"latin1_title.dat", "Profil d'été Éole 12 %", false, {}},
    {"bom_utf8.dat", "NACA 0012 été", false, {}},
    {"tab_columns.dat", "NACA 0012 TAB", false, {}},
    {"short_lines.dat", "NACA 0012 short lines", false, airfoil_texts::rewroteCoordinateLines(3)},
};

}  // namespace

TEST(AirfoilImport, EveryLayoutGivesTheRightProfileTitleAndNote) {
    const AirfoilProfile loop = loopReference();
    const AirfoilProfile twoSurface = twoSurfaceReference();
    // The references themselves: 41 points from the trailing edge over the upper surface.
    for (const AirfoilProfile* p : {&loop, &twoSurface}) {
        ASSERT_EQ(p->pointCount(), 41);
        EXPECT_EQ(p->x.front(), 1.0f);
        EXPECT_EQ(p->x[20], 0.0f);
        EXPECT_GT(p->y[5], 0.0f);
        EXPECT_EQ(p->x.back(), 1.0f);
    }
    for (const CorpusCase& c : kCorpus) {
        SCOPED_TRACE(c.file);
        const AirfoilImport imported = importAirfoilFile(
            corpusBytes(c.file), c.file, QLatin1Char('.'), LegacyEncoding::Windows1252);
        const AirfoilState s = parsed(imported.text);
        EXPECT_EQ(s.name, QString::fromUtf8(c.title));
        const AirfoilProfile& expected = c.twoSurface ? twoSurface : loop;
        EXPECT_EQ(s.profile.x, expected.x);
        EXPECT_EQ(s.profile.y, expected.y);
        if (!c.change.isEmpty())
            EXPECT_TRUE(imported.changes.contains(c.change))
                << imported.changes.join(" / ").toStdString();
        else
            EXPECT_TRUE(imported.changes.isEmpty()) << imported.changes.join(" / ").toStdString();
    }
}

// A file that already parses to its profile comes back exactly as the library loads it: for a
// CR LF file in UTF-8 that is the file itself, byte for byte. The reversed loop is one of them:
// its order is the file's, and the rib outline copes with it.
TEST(AirfoilImport, CleanFilesAreLeftAsTheyStand) {
    for (const char* file :
         {"counts_blank.dat", "reversed.dat", "tab_columns.dat", "latin1_title.dat", "bom_utf8.dat",
          "../naca0012_loop.dat", "../naca2412_two_surface.dat"}) {
        SCOPED_TRACE(file);
        const AirfoilImport imported =
            importAirfoilPath(corpusPath(file), QLatin1Char('.'), LegacyEncoding::Windows1252);
        EXPECT_EQ(imported.text, *loadAirfoilText(corpusPath(file), LegacyEncoding::Windows1252));
        EXPECT_TRUE(imported.changes.isEmpty());
    }
    for (const char* file : {"counts_blank.dat", "reversed.dat", "../naca0012_loop.dat"}) {
        EXPECT_EQ(importAirfoilPath(corpusPath(file), QLatin1Char('.')).text.toUtf8(),
                  corpusBytes(file));
    }
    const AirfoilState reversed = parsed(*loadAirfoilText(corpusPath("reversed.dat")));
    EXPECT_LT(reversed.profile.y[5], 0.0f);  // lower surface first, as written
}

TEST(AirfoilImport, TitlesFromLegacyEncodingsAreReadWithoutLoss) {
    if (!QStringDecoder("windows-31j").isValid())
        GTEST_SKIP() << "this Qt has no CP932 decoder";
    const auto title = [](LegacyEncoding legacy) {
        return parsed(
                   importAirfoilPath(corpusPath("cp932_title.dat"), QLatin1Char('.'), legacy).text)
            .name;
    };
    EXPECT_EQ(title(LegacyEncoding::Cp932), QStringLiteral("翼型テスト 12%"));
    // Elsewhere the same bytes read as Windows-1252: other letters, but none replaced.
    EXPECT_FALSE(title(LegacyEncoding::Windows1252).contains(QChar(0xFFFD)));
    EXPECT_EQ(parsed(*loadAirfoilText(corpusPath("cp932_title.dat"), LegacyEncoding::Cp932)).name,
              QStringLiteral("翼型テスト 12%"));
}

TEST(AirfoilImport, RefusalsNameTheLine) {
    EXPECT_EQ(importRefusal(corpusBytes("text_between_surfaces.dat"), "text_between_surfaces.dat"),
              QStringLiteral("24 行目「Lower surface」は座標の行ではありません"));
    EXPECT_EQ(importRefusal(corpusBytes("no_coordinates.dat"), "no_coordinates.dat"),
              QStringLiteral("ファイルに座標の行がありません"));
    EXPECT_EQ(importRefusal(QByteArray(), "empty.dat"),
              QStringLiteral("ファイルに座標の行がありません"));
}

// Counts that do not fit the points cannot say where the surfaces part: the points' own shape
// does, and the note says the counts were passed over.
TEST(AirfoilImport, CountsThatDoNotFitGiveWayToTheShape) {
    QByteArray badCounts = corpusBytes("counts_no_blank_at_all.dat");
    badCounts.replace("21 21", "50 50");
    const AirfoilImport imported =
        importAirfoilFile(badCounts, "bad.dat", QLatin1Char('.'), LegacyEncoding::Windows1252);
    EXPECT_EQ(parsed(imported.text).profile.x, twoSurfaceReference().x);
    EXPECT_EQ(imported.changes,
              (QStringList{QStringLiteral("2 行目の点数 50 + 50 がデータの 42 "
                                          "点と合わないため、点数の行を除き形から読みました"),
                           airfoil_texts::splitSurfacesByShape(21)}));
}

// Lone CR line ends and blank lines that would make a loop look like two surfaces are tidied.
TEST(AirfoilImport, LineEndsAndTrailingBlankLinesAreTidied) {
    QByteArray loopFile = corpusBytes("reversed.dat");
    QByteArray oldMac = loopFile;
    oldMac.replace("\r\n", "\r");
    const AirfoilImport fromCr = importAirfoilFile(oldMac, "m.dat", QLatin1Char('.'));
    EXPECT_EQ(fromCr.text, QString::fromLatin1(loopFile));
    EXPECT_TRUE(fromCr.changes.contains(airfoil_texts::lineEndsMadeCrLf()));

    const AirfoilImport padded =
        importAirfoilFile(loopFile + QByteArray(60, '\n'), "p.dat", QLatin1Char('.'));
    EXPECT_EQ(padded.text, QString::fromLatin1(loopFile));
    EXPECT_FALSE(padded.changes.isEmpty());
}

// Under a comma locale the published '.' files import as under any other.
TEST(AirfoilImport, PointFilesImportUnderACommaLocale) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 missing: run scripts/install-deps.sh";
    const QChar comma = QLatin1Char(',');
    const AirfoilImport imported =
        importAirfoilPath(corpusPath("notes_after.dat"), comma, LegacyEncoding::Windows1252);
    const AirfoilState s = parsed(imported.text, comma);
    EXPECT_EQ(s.profile.x, loopReference().x);
    EXPECT_EQ(s.profile.y, loopReference().y);
    EXPECT_TRUE(imported.changes.contains(airfoil_texts::droppedNotes(3)));
    std::setlocale(LC_NUMERIC, previous.c_str());
}
