// Rib features cut into the cut contour: notches where they belong on every rib of a taper, the
// material they remove, holes that keep their web, valid polygons over a family of sections, and
// refusals that say which rib and which feature.
#include "geometry/compute_rib_outline.h"
#include "geometry/interpolate_rib.h"
#include "geometry/rib_cut.h"
#include "geometry/rib_series.h"
#include "geometry/sheeted_rib_outline.h"
#include "outline_test_support.h"
#include "platform/errors.h"
#include "rib_features_test_support.h"
#include "support/rib_jobs.h"

#include <QLineF>

#include <gtest/gtest.h>

using namespace rw;
using namespace rw::test;

namespace {

RibParameters taper(double root, double tip, int ribs) {
    RibParameters p = test::ribParameters(root, tip, ribs);
    p.taperOn = true;
    return p;
}

std::vector<SeriesRib> cutRibs(const AirfoilProfile& profile, const RibParameters& params,
                               const RibFeatures& features) {
    return buildRibSeries(profile, params, features, SeriesPieces::Always).ribs;
}

// Rib k of the series as it is cut.
SeriesRib cutRib(int k, const AirfoilProfile& profile, const RibParameters& params,
                 const RibFeatures& features) {
    return cutRibs(profile, params, features).at(std::size_t(k - 1));
}

SparNotch notch(double position, double width, double depth, NotchSide side, bool inMm = false) {
    return SparNotch{position, inMm, width, depth, side};
}

// Flat from 20 % to 80 % on top, sloping straight underneath: notches there remove exactly
// width × depth.
AirfoilProfile flatTopProfile() {
    return profileOf({{1, 0}, {0.8f, 0.08f}, {0.2f, 0.08f}, {0, 0}, {0.1f, -0.06f}, {1, -0.01f}});
}

// The refusal of the series, which names the first rib that cannot be cut.
QString refusalOf(const AirfoilProfile& profile, const RibParameters& params,
                  const RibFeatures& features) {
    try {
        cutRibs(profile, params, features);
    } catch (const RibwrightError& error) {
        return error.text();
    }
    return QStringLiteral("(not refused)");
}

}  // namespace

TEST(RibFeatures, SparNotchFollowsTheTaperInPercentAndKeepsItsSizeInMm) {
    const AirfoilProfile profile = nacaProfile(0.02, 0.4, 0.12, 100);
    const RibParameters params = taper(150, 100, 10);
    RibFeatures features;
    features.sparNotches = {notch(30, 3, 6, NotchSide::Top)};
    for (int k : {1, 10}) {
        SCOPED_TRACE(k);
        const SeriesRib plain = cutRib(k, profile, params, RibFeatures{});
        const SeriesRib cut = cutRib(k, profile, params, features);
        const double centre = 0.3 * cut.shape.ribChord;  // 45 mm at the root, 30 at the tip
        EXPECT_NEAR(centre, k == 1 ? 45 : 30, 1e-4);
        const double floor = sectionAt(plain.piece.outer, centre).top - 6;
        const double left = centre - 1.5, right = centre + 1.5;
        // The floor spans exactly the width; just outside it the contour is untouched.
        for (double x : {left + 0.011, centre, right - 0.011})
            EXPECT_NEAR(sectionAt(cut.piece.outer, x).top, floor, 0.01) << x;
        for (double x : {left - 0.011, right + 0.011}) {
            EXPECT_NEAR(sectionAt(cut.piece.outer, x).top, sectionAt(plain.piece.outer, x).top,
                        0.01)
                << x;
        }
        EXPECT_NEAR(sectionAt(cut.piece.outer, centre).bottom,
                    sectionAt(plain.piece.outer, centre).bottom, 1e-6);
        // The floor's corners are corners of the contour.
        for (QPointF corner : {QPointF(left, floor), QPointF(right, floor)}) {
            const auto nearest = std::min_element(
                cut.piece.outer.begin(), cut.piece.outer.end(), [&](auto a, auto b) {
                    return QLineF(a, corner).length() < QLineF(b, corner).length();
                });
            EXPECT_LT(QLineF(*nearest, corner).length(), 0.01);
        }
    }
}

TEST(RibFeatures, NotchesRemoveWidthTimesDepthWhereTheSurfaceIsStraight) {
    const AirfoilProfile profile = flatTopProfile();
    RibParameters params = taper(200, 200, 1);
    const double plain = cutArea(cutRib(1, profile, params, RibFeatures{}).piece);
    struct Case {
        SparNotch notch;
        double removed;
    };
    const Case cases[] = {{notch(40, 3, 6, NotchSide::Top), 18},
                          {notch(50, 4.5, 2, NotchSide::Bottom), 9},  // sloping lower surface
                          {notch(90, 2, 1.5, NotchSide::Both, true), 6}};
    for (const Case& c : cases) {
        RibFeatures features;
        features.sparNotches = {c.notch};
        const double area = cutArea(cutRib(1, profile, params, features).piece);
        EXPECT_NEAR(plain - area, c.removed, 1e-4) << c.notch.position;
    }
    // A flat cut for the trailing-edge stock removes the tail behind it, square to the chord.
    RibFeatures flat;
    flat.trailingEdge = TrailingEdgeStock{TrailingEdgeCut::Flat, 20, 0, 0};
    const RibCut cut = cutRib(1, profile, params, flat).piece;
    EXPECT_NEAR(chordwiseSpan(cut.outer).back, 180, 1e-5);
}

TEST(RibFeatures, HolesKeepTheirWebFromContourNotchesAndEachOther) {
    int holes = 0;
    for (double thickness : {0.09, 0.15, 0.21}) {
        const AirfoilProfile profile = nacaProfile(0.04, 0.4, thickness, 80);
        for (double web : {1.5, 3.0}) {
            RibFeatures features;
            features.sparNotches = {notch(25, 3, 3, NotchSide::Both),
                                    notch(65, 2, 3, NotchSide::Top)};
            features.trailingEdge = TrailingEdgeStock{TrailingEdgeCut::Notch, 0, 25, 2};
            features.holes = LighteningHoles{true, 65, web};
            for (const SeriesRib& rib : cutRibs(profile, taper(250, 120, 4), features)) {
                SCOPED_TRACE(testing::Message()
                             << "t " << thickness << " web " << web << " rib " << rib.number);
                const auto& h = rib.piece.holes;
                for (size_t i = 0; i < h.size(); ++i) {
                    EXPECT_GE(ringDistance(h[i], rib.piece.outer), web - 1e-5);
                    EXPECT_TRUE(contourContains(rib.piece.outer, h[i].front()));
                    EXPECT_LT(ringArea(h[i]), 0);
                    for (size_t j = i + 1; j < h.size(); ++j)
                        EXPECT_GE(ringDistance(h[i], h[j]), web - 1e-5);
                }
                holes += int(h.size());
            }
        }
    }
    EXPECT_GT(holes, 20);
}

TEST(RibFeatures, EveryContourIsAValidPolygonOverANacaFamily) {
    int ribs = 0;
    for (double thickness : {0.08, 0.12, 0.18}) {
        for (double camber : {0.0, 0.04}) {
            for (int perSurface : {30, 120}) {
                const AirfoilProfile profile = nacaProfile(camber, 0.4, thickness, perSurface);
                RibFeatures features;
                features.sparNotches = {notch(12, 2, 1.5, NotchSide::Bottom),
                                        notch(30, 3, 3, NotchSide::Both),
                                        notch(60, 2, 2, NotchSide::Top)};
                features.upperSkin = 1.5f;
                features.lowerSkin = perSurface == 30 ? 0.0f : 0.8f;
                features.trailingEdge = TrailingEdgeStock{TrailingEdgeCut::Flat, 6, 0, 0};
                features.holes = LighteningHoles{true, 55, 2};
                features.minimumWeb = 0.1;  // the thin sections leave webs of half a millimetre
                for (const SeriesRib& rib : cutRibs(profile, taper(220, 110, 5), features)) {
                    SCOPED_TRACE(testing::Message()
                                 << "t " << thickness << " camber " << camber << " points "
                                 << perSurface << " rib " << rib.number);
                    EXPECT_TRUE(isSimpleRing(rib.piece.outer));
                    EXPECT_GT(ringArea(rib.piece.outer), 0);
                    for (const MmRing& hole : rib.piece.holes) {
                        EXPECT_TRUE(isSimpleRing(hole));
                        EXPECT_GT(ringDistance(hole, rib.piece.outer), 0);
                    }
                    ++ribs;
                }
            }
        }
    }
    EXPECT_EQ(ribs, 3 * 2 * 2 * 5);
}

TEST(RibFeatures, RefusalsNameTheRibAndTheFeature) {
    const AirfoilProfile profile = nacaProfile(0, 0.4, 0.12, 60);
    const RibParameters params = taper(150, 40, 10);  // the tip is under 5 mm thick
    struct Case {
        RibFeatures features;
        int rib;
        const char* names;
        const char* says;
    };
    RibFeatures deep, outside, inMm, split, flat, slot, sheeting, holes;
    deep.sparNotches = {notch(30, 3, 6, NotchSide::Top)};
    outside.sparNotches = {notch(20, 2, 1, NotchSide::Top), notch(99.5, 3, 1, NotchSide::Top)};
    inMm.sparNotches = {notch(60, 3, 1, NotchSide::Top, true)};
    split.sparNotches = {notch(30, 3, 10, NotchSide::Top), notch(31, 3, 7, NotchSide::Bottom)};
    flat.trailingEdge = TrailingEdgeStock{TrailingEdgeCut::Flat, 45, 0, 0};
    slot.trailingEdge = TrailingEdgeStock{TrailingEdgeCut::Notch, 0, 10, 5};
    sheeting.upperSkin = sheeting.lowerSkin = 3.0f;
    holes.holes = LighteningHoles{true, 0, 2};
    const Case cases[] = {
        // The series stops at the first rib that cannot be cut: rib 8 is already too thin.
        {deep, 8, "桁の切り欠き 1 (30%、上面)", "深さ 6 mm がその位置のリブの高さ"},
        {outside, 1, "桁の切り欠き 2 (99.5%、上面)", "からはみ出します"},
        {inMm, 8, "桁の切り欠き 1 (前縁から 60 mm、上面)", "からはみ出します"},
        {split, 1, "桁の切り欠き 2", "リブが二つ以上に分かれます"},
        {flat, 10, "後縁材の切り落とし", "リブが残りません"},
        {slot, 1, "後縁材の切り欠き", "深さ 5 mm"},
        {sheeting, 10, "上面・下面のSKIN材厚さ", "上面 3 mm と下面 3 mm"},
        {holes, 1, "肉抜き穴", "0 より大きく"},
    };
    for (const Case& c : cases) {
        const QString text = refusalOf(profile, params, c.features);
        EXPECT_TRUE(text.startsWith(QStringLiteral("リブ %1 の").arg(c.rib))) << text.toStdString();
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.names))) << text.toStdString();
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.says))) << text.toStdString();
    }
}

TEST(SheetedRibOutline, EachSurfaceIsSetInByItsOwnThickness) {
    const AirfoilProfile profile = nacaProfile(0.04, 0.4, 0.12, 40);
    const int n = profile.pointCount(), le = 39;
    RibOutline same, reference;
    computeSheetedRibOutline(profile, 150, 1.0, 1.25f, 1.25f, same);
    computeRibOutline(profile, 150, 1.0, 1.25f, reference);
    EXPECT_EQ(same.ribX, reference.ribX);
    EXPECT_EQ(same.ribY, reference.ribY);

    RibOutline o;
    computeSheetedRibOutline(profile, 150, 1.0, 2.0f, 0.5f, o);
    for (int i = 1; i < n - 1; ++i) {
        const double t = i < le ? 2.0 : i > le ? 0.5 : -1;
        if (t < 0)
            continue;
        EXPECT_NEAR(ribDistance(o, i, i - 1, i), t, 1e-3) << i;
        EXPECT_NEAR(ribDistance(o, i, i, i + 1), t, 1e-3) << i;
    }
    EXPECT_NEAR(ribDistance(o, le, le - 1, le), 2.0, 1e-3);
    EXPECT_NEAR(ribDistance(o, le, le, le + 1), 0.5, 1e-3);

    // Without features the series' outline is the plain one, to the bit, and its piece the cut
    // contour of that outline.
    const SeriesRib rib = cutRib(3, profile, taper(150, 100, 5), RibFeatures{});
    RibOutline reference3;
    computeRibOutline(profile, rib.shape.ribChord, rib.shape.thicknessFactor, 1.0f, reference3);
    EXPECT_EQ(rib.outline.ribX, reference3.ribX);
    EXPECT_EQ(rib.outline.ribY, reference3.ribY);
    EXPECT_EQ(rib.piece.outer, computeCutContour(reference3, 1.0f, 3).outer);
}
