// The rib outline lies inside the surface whichever way round the loop runs.
#include "airfoil/airfoil_import.h"
#include "airfoil/airfoil_parser.h"
#include "geometry/compute_rib_outline.h"
#include "geometry/interpolate_rib.h"
#include "geometry/loop_orientation.h"
#include "outline_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace rw;
using rw::test::nacaProfile;
using rw::test::ribDistance;

namespace {

AirfoilProfile reversedProfile(AirfoilProfile p) {
    std::reverse(p.x.begin(), p.x.end());
    std::reverse(p.y.begin(), p.y.end());
    return p;
}

// The same points started at the leading edge and run clockwise: leading edge, upper surface,
// trailing edge, lower surface, back to the leading edge.
AirfoilProfile fromLeadingEdge(const AirfoilProfile& p) {
    const int le = int(std::min_element(p.x.begin(), p.x.end()) - p.x.begin());
    AirfoilProfile out;
    for (int i = le; i < p.pointCount(); ++i) {
        out.x.push_back(p.x[i]);
        out.y.push_back(p.y[i]);
    }
    for (int i = 0; i <= le; ++i) {
        out.x.push_back(p.x[i]);
        out.y.push_back(p.y[i]);
    }
    return reversedProfile(out);
}

// Whether (px, py) lies inside the closed surface loop (even-odd rule).
bool insideSurface(const RibOutline& o, double px, double py) {
    bool inside = false;
    const std::size_t n = o.surfaceX.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const double xi = o.surfaceX[i], yi = o.surfaceY[i];
        const double xj = o.surfaceX[j], yj = o.surfaceY[j];
        if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi)
            inside = !inside;
    }
    return inside;
}

// Every interior rib point lies t on the inside of both segments meeting at it, and every rib
// point away from the thin trailing edge (where the moved surfaces cross) lies inside the loop.
void expectOutlineInside(const AirfoilProfile& profile, float chord, float t) {
    RibOutline o;
    computeRibOutline(profile, chord, 1.0, t, o);
    const double side = twiceSignedLoopArea(o.surfaceX, o.surfaceY) > 0 ? 1 : -1;
    const int n = profile.pointCount();
    for (int i = 1; i < n - 1; ++i) {
        EXPECT_NEAR(side * ribDistance(o, i, i - 1, i), t, 1e-3) << "point " << i;
        EXPECT_NEAR(side * ribDistance(o, i, i, i + 1), t, 1e-3) << "point " << i;
    }
    for (int i = 0; i < n; ++i) {
        if (o.ribX[i] > 0.05 * chord && o.ribX[i] < 0.9 * chord) {
            EXPECT_TRUE(insideSurface(o, o.ribX[i], o.ribY[i])) << "point " << i;
        }
    }
}

}  // namespace

TEST(ReversedLoop, OutlineLiesInsideForEveryOrientation) {
    for (double camber : {0.0, 0.04}) {
        const AirfoilProfile usual = nacaProfile(camber, 0.4, 0.12, 40);
        for (const AirfoilProfile& p : {usual, reversedProfile(usual), fromLeadingEdge(usual)}) {
            SCOPED_TRACE(testing::Message() << "camber " << camber << " first y " << p.y[3]);
            expectOutlineInside(p, 150.0f, 1.5f);
        }
    }
}

// Every importable file of the corpus, in either orientation, gives a rib inside its surface.
TEST(ReversedLoop, ImportedCorpusRibsLieInside) {
    int files = 0;
    for (const char* file :
         {"notes_after.dat", "numbered_notes.dat", "second_title.dat", "counts_blank.dat",
          "counts_no_blank_between.dat", "counts_no_blank_at_all.dat", "headerless.dat",
          "reversed.dat", "latin1_title.dat", "cp932_title.dat", "bom_utf8.dat", "tab_columns.dat",
          "short_lines.dat"}) {
        SCOPED_TRACE(file);
        AirfoilState s;
        s.text = importAirfoilPath(QStringLiteral(RIBWRIGHT_TEST_DATA "/import/") + file,
                                   QLatin1Char('.'))
                     .text;
        ASSERT_EQ(parseAirfoilText(s, QLatin1Char('.')), ParseOutcome::Usable);
        expectOutlineInside(s.profile, 150.0f, 1.0f);
        expectOutlineInside(reversedProfile(s.profile), 150.0f, 1.0f);
        ++files;
    }
    EXPECT_EQ(files, 13);
}
