// Features given more than once or past what a builder needs: a notch given again cuts as once,
// overlapping notches remove the union of their regions, counts and webs beyond the limits are
// refused with the limit in the message, and a rib with no room for a hole gets a note.
#include "geometry/contour_section.h"
#include "geometry/features/lightening_holes.h"
#include "geometry/features/spar_notch.h"
#include "geometry/geometry_texts.h"
#include "geometry/rib_series.h"
#include "outline_test_support.h"
#include "platform/errors.h"
#include "support/rib_jobs.h"

#include <gtest/gtest.h>

using namespace rw;
using namespace rw::test;

namespace {

RibSeries cutSeries(const RibFeatures& features) {
    const AirfoilProfile profile = nacaProfile(0.02, 0.4, 0.12, 100);
    return buildRibSeries(profile, ribParameters(180, 120, 3), features, SeriesPieces::Always);
}

QString refusalOf(const RibFeatures& features) {
    try {
        cutSeries(features);
    } catch (const RibwrightError& error) {
        return error.text();
    }
    return QStringLiteral("(not refused)");
}

// Exactly the same points, not merely close ones: the cut files are written from them.
bool sameRing(const MmRing& a, const MmRing& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].x() != b[i].x() || a[i].y() != b[i].y())
            return false;
    }
    return true;
}

SparNotch topNotch(double percent, double width, double depth) {
    return SparNotch{percent, false, width, depth, NotchSide::Top};
}

}  // namespace

TEST(RepeatedFeatures, ANotchGivenAgainCutsAsOnceAndOverlappingNotchesRemoveTheirUnion) {
    RibFeatures once;
    once.sparNotches = {topNotch(30, 3, 6), SparNotch{60, false, 2, 2, NotchSide::Both}};
    RibFeatures repeated;
    repeated.sparNotches = {once.sparNotches[0], once.sparNotches[1], once.sparNotches[0],
                            once.sparNotches[1], once.sparNotches[0]};
    const RibSeries a = cutSeries(once);
    const RibSeries b = cutSeries(repeated);
    for (size_t k = 0; k < a.ribs.size(); ++k) {
        SCOPED_TRACE(k + 1);
        EXPECT_TRUE(sameRing(a.ribs[k].piece.outer, b.ribs[k].piece.outer));
    }

    // 30:10x3 and 33:10x3 overlap from 54.4 to 59 mm on the 180 mm root rib. Each floor lies 3 mm
    // below the contour at its own centre line; where both reach, the lower floor is the cut.
    RibFeatures overlapping;
    overlapping.sparNotches = {topNotch(30, 10, 3), topNotch(33, 10, 3)};
    const MmRing plain = cutSeries(RibFeatures{}).ribs[0].piece.outer;
    const MmRing cut = cutSeries(overlapping).ribs[0].piece.outer;
    const double first = sectionAt(plain, 54).top - 3;
    const double second = sectionAt(plain, 59.4).top - 3;
    for (double x : {49.5, 52.0, 54.0}) EXPECT_NEAR(sectionAt(cut, x).top, first, 1e-3) << x;
    for (double x : {54.8, 56.0, 58.6})
        EXPECT_NEAR(sectionAt(cut, x).top, std::min(first, second), 1e-3) << x;
    for (double x : {59.4, 62.0, 64.0}) EXPECT_NEAR(sectionAt(cut, x).top, second, 1e-3) << x;
}

TEST(RepeatedFeatures, CountsAndWebsNoBuilderNeedsAreRefusedStatingTheLimit) {
    // Fifty narrow notches side by side still cut; the fifty-first is refused by its number.
    RibFeatures notches;
    for (size_t i = 0; i < kMaxSparNotches; ++i)
        notches.sparNotches.push_back(topNotch(10 + 1.5 * double(i), 0.5, 0.5));
    EXPECT_EQ(refusalOf(notches), QStringLiteral("(not refused)"));
    notches.sparNotches.push_back(topNotch(90, 0.5, 0.5));
    const QString tooMany = refusalOf(notches);
    EXPECT_TRUE(tooMany.startsWith(QStringLiteral("リブ 1 の桁の切り欠き 51 ")))
        << qPrintable(tooMany);
    EXPECT_TRUE(tooMany.contains(QStringLiteral("50 個まで"))) << qPrintable(tooMany);

    // A web under half a millimetre: refused as the option is read and, set directly, as the
    // rib is cut.
    EXPECT_EQ(parseHolesOption(QStringLiteral("60:0.5")).web, 0.5);
    for (const char* thin : {"60:0.4", "99:0.001"}) {
        try {
            parseHolesOption(QString::fromLatin1(thin));
            ADD_FAILURE() << thin << " was read";
        } catch (const RibwrightError& error) {
            EXPECT_TRUE(error.text().contains(QStringLiteral("under 0.5 mm"))) << thin;
        }
    }
    RibFeatures thinWeb;
    thinWeb.holes = LighteningHoles{true, 60, 0.001};
    const QString web = refusalOf(thinWeb);
    EXPECT_TRUE(web.startsWith(QStringLiteral("リブ 1 の肉抜き穴"))) << qPrintable(web);
    EXPECT_TRUE(web.contains(QStringLiteral("0.5 mm 以上"))) << qPrintable(web);
}

TEST(RepeatedFeatures, ARibWithNoRoomForAHoleGetsOneNoteNamingTheRibs) {
    RibFeatures fits;
    fits.holes = LighteningHoles{true, 60, 2};
    const RibSeries holed = cutSeries(fits);
    EXPECT_TRUE(holed.notes.isEmpty());
    EXPECT_FALSE(holed.ribs[2].piece.holes.empty());

    for (const LighteningHoles& none :
         {LighteningHoles{true, 99.9999, 0.5}, LighteningHoles{true, 50, 500}}) {
        RibFeatures features;
        features.holes = none;
        const RibSeries series = cutSeries(features);
        for (const SeriesRib& rib : series.ribs) EXPECT_TRUE(rib.piece.holes.empty());
        ASSERT_EQ(series.notes.size(), 1);
        EXPECT_EQ(series.notes[0], ribsNoteText({1, 2, 3}, noRoomForHolesNote()));
        EXPECT_TRUE(series.notes[0].startsWith(QStringLiteral("リブ 1〜3: 肉抜き穴")));
    }
    // Ribs in runs, as the command line and the window show them.
    EXPECT_EQ(ribsNoteText({1, 2, 3, 5, 7, 8}, QStringLiteral("x")),
              QStringLiteral("リブ 1〜3、5、7〜8: x"));
}
