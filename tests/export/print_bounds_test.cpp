// The true-scale print stays bounded: each page carries only what lies on it, so a page costs the
// same in a print of many pages as in one of few, and a print beyond a ream is refused with the
// limit before a page is drawn.
#include "export/print_plan.h"
#include "export/true_scale_pdf_writer.h"

#include "airfoil/airfoil_parser.h"
#include "platform/errors.h"
#include "support/rib_jobs.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace rw;

namespace {

RibJob nacaJob(double root, double tip, int count) {
    AirfoilState airfoil;
    QFile f(QStringLiteral(RIBWRIGHT_TEST_DATA "/naca2412_two_surface.dat"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    airfoil.text = QString::fromLatin1(f.readAll());
    parseAirfoilText(airfoil, QLatin1Char('.'));
    return test::ribJob(airfoil, test::ribParameters(root, tip, count));
}

struct WrittenPrint {
    int pages = 0;
    qsizetype bytes = 0;
};

WrittenPrint writePrint(const RibJob& job) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeTrueScalePdf(job, test::ribSeries(job, SeriesPieces::Always), PaperSize::A4, buffer);
    // The page tree's count, as a reader finds it.
    const auto count =
        QRegularExpression(QStringLiteral("/Count (\\d+)")).match(QString::fromLatin1(bytes));
    return {count.captured(1).toInt(), bytes.size()};
}

QString refusalOf(const RibJob& job) {
    try {
        planPrint(buildWorkshopRibs(test::ribSeries(job, SeriesPieces::Always)), QSizeF(210, 297));
    } catch (const RibwrightError& error) {
        return error.text();
    }
    return QStringLiteral("(not refused)");
}

}  // namespace

// The same 700 mm ribs over a dozen pages and over a hundred and fifty: a page of the long print
// takes no more bytes than a page of the short one. Drawing every seam of the plan on every page
// made the long print's pages several times larger.
TEST(PrintBounds, APageCostsNoMoreInALongPrintThanInAShortOne) {
    const WrittenPrint shortPrint = writePrint(nacaJob(700, 500, 6));
    const WrittenPrint longPrint = writePrint(nacaJob(700, 700, 100));
    ASSERT_GE(shortPrint.pages, 10);
    ASSERT_GE(longPrint.pages, 10 * shortPrint.pages);
    EXPECT_LT(double(longPrint.bytes) / longPrint.pages,
              1.2 * double(shortPrint.bytes) / shortPrint.pages);
}

TEST(PrintBounds, APrintBeyondAReamIsRefusedStatingTheLimit) {
    // A 5 m root chord over the default eight ribs still prints.
    EXPECT_EQ(refusalOf(nacaJob(5000, 120, 8)), QStringLiteral("(not refused)"));
    // Eight 5 m ribs take 703 pages; a chord of a thousand kilometres takes more pages than an
    // int counts, and is refused all the same.
    for (const double chord : {5000.0, 1e9}) {
        const QString text = refusalOf(nacaJob(chord, chord, 8));
        EXPECT_TRUE(text.contains(QStringLiteral("上限の 500 ページ"))) << qPrintable(text);
    }
}
