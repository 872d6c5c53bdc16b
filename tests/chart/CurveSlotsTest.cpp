#include <gtest/gtest.h>

#include <cmath>

#include "ChartTestSupport.h"
#include "chart/CurveSlots.h"
#include "platform/MsgBox.h"
#include "support/TestSupport.h"

using namespace vrn;
using vrn::test::ChartTest;
using vrn::test::MsgRecorder;

class CurvePlaces : public ChartTest {};

TEST_F(CurvePlaces, LowestFreePlaceFirstAndReuseAfterDeleting) {
    Integer nr = 0, err = 0;
    for (int erwartet = 1; erwartet <= 3; ++erwartet) {
        NeueKurveNr(nr, err);
        EXPECT_EQ(err, 0);
        EXPECT_EQ(nr, erwartet);
    }
    EXPECT_EQ(app.gnKurven, 3);
    EXPECT_TRUE(KurveFreigeben(2));
    EXPECT_EQ(app.gnKurven, 2);
    NeueKurveNr(nr, err);
    EXPECT_EQ(nr, 2);
    NeueKurveNr(nr, err);
    EXPECT_EQ(nr, 4);
    EXPECT_EQ(app.gnKurven, 4);
}

TEST_F(CurvePlaces, FreeingAFreeOrUnknownPlaceChangesNothing) {
    Integer nr = 0, err = 0;
    NeueKurveNr(nr, err);
    EXPECT_FALSE(KurveFreigeben(2));
    EXPECT_FALSE(KurveFreigeben(0));
    EXPECT_FALSE(KurveFreigeben(25));
    EXPECT_EQ(app.gnKurven, 1);
    EXPECT_TRUE(KurveFreigeben(1));
    EXPECT_FALSE(KurveFreigeben(1));
    EXPECT_EQ(app.gnKurven, 0);
}

TEST_F(CurvePlaces, AllPlacesAreFreedWhenTheCountIsZero) {
    // Places marked used while no curve is counted (after "Alles" deleted the chart).
    app.KurvenSlot.fill(0);
    app.gnKurven = 0;
    Integer nr = 0, err = 0;
    NeueKurveNr(nr, err);
    EXPECT_EQ(err, 0);
    EXPECT_EQ(nr, 1);
    for (int i = 1; i < kMaxKurven; ++i) EXPECT_EQ(app.KurvenSlot[static_cast<std::size_t>(i)], -1);
}

TEST_F(CurvePlaces, TheTwentyFifthCurveIsRefused) {
    MsgRecorder rec;
    Integer nr = 0, err = 0;
    for (int i = 1; i <= 24; ++i) NeueKurveNr(nr, err);
    EXPECT_EQ(nr, 24);
    EXPECT_EQ(rec.count(), 0u);
    NeueKurveNr(nr, err);
    EXPECT_EQ(err, -1);
    EXPECT_EQ(nr, 24);
    EXPECT_EQ(app.gnKurven, 24);
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(rec.last().text, "Maximal 24 Kurven möglich\r\nLöschen Sie vorhandene Kurven");
    EXPECT_EQ(rec.last().title, "WARNUNG");
    EXPECT_EQ(rec.last().icon, MsgIcon::Exclamation);
}

TEST_F(CurvePlaces, CountBelowTheUsedPlacesNeverOverwritesACurve) {
    MsgRecorder rec;
    app.KurvenSlot.fill(0);  // all used, but the count says 5
    app.gnKurven = 5;
    Integer nr = 3, err = 0;
    NeueKurveNr(nr, err);
    EXPECT_EQ(err, -1);
    EXPECT_EQ(nr, 3);
    EXPECT_EQ(app.gnKurven, 24);
}

namespace {

std::vector<XYPunkt> kurve(int n, double dx) {
    std::vector<XYPunkt> p(static_cast<std::size_t>(n + 1));
    p[0].x = static_cast<Single>(n);
    for (int i = 1; i <= n; ++i) p[static_cast<std::size_t>(i)].x = static_cast<Single>((i - 1) * dx);
    return p;
}

}  // namespace

TEST_F(CurvePlaces, LabelPointMovesTowardsTheStartForLaterCurves) {
    // 201 points on 0..200; XMax 100: the highest point below it is i = 100.
    const auto p = kurve(201, 1.0);
    struct Fall {
        int nr;
        long erwartet;
    };
    // m / 1.2 - 0.18 m r with m = 100: 65.33, 47.33, 29.33, 11.33.
    const Fall faelle[] = {{1, 65}, {2, 47}, {3, 29}, {4, 11}, {5, 65}, {8, 11}, {9, 65}};
    for (const auto& f : faelle) {
        Long m = 0;
        EXPECT_EQ(labelPunktIndex(p, 100.0f, static_cast<Integer>(f.nr), m), f.erwartet) << f.nr;
        EXPECT_EQ(m, 100);
    }
}

TEST_F(CurvePlaces, LabelPointRoundsHalfToEvenAndKeepsMWhenNoPointQualifies) {
    // m = 15, r = 1: 15 / 1.2 - 2.7 = 9.8 -> 10.  m = 6, r = 2: 5 - 2.16 = 2.84 -> 3.
    auto p = kurve(30, 1.0);
    Long m = 0;
    EXPECT_EQ(labelPunktIndex(p, 15.0f, 1, m), 10);  // x = 14 at i = 15
    EXPECT_EQ(m, 15);
    auto weit = kurve(10, 1.0);
    for (std::size_t i = 1; i < weit.size(); ++i) weit[i].x += 500;  // all beyond XMax
    EXPECT_EQ(labelPunktIndex(weit, 15.0f, 1, m), 10);  // m kept from the previous curve, within 1..count
    EXPECT_EQ(m, 15);
    Long m0 = 0;
    EXPECT_EQ(labelPunktIndex(weit, 15.0f, 1, m0), 1);  // nothing qualifies, nothing carried: first point
    std::vector<XYPunkt> leer(1);
    EXPECT_EQ(labelPunktIndex(leer, 15.0f, 1, m0), 0);
}

TEST_F(CurvePlaces, RegressionLineSpansTheXAxis) {
    struct Fall {
        Single xMin, xMax;
        int punkte;
        double letztesX;
    };
    const Fall faelle[] = {
        {0, 60, 122, 60.5},
        {0, 1, 121, 120 * static_cast<double>(1.0f / 120.0f)},
    };
    for (const auto& f : faelle) {
        Diagramm d;
        d.XMin = f.xMin;
        d.XMax = f.xMax;
        d.YMin = -100;
        d.YMax = 100;
        std::vector<XYPunkt> pts;
        bool aus = true;
        ASSERT_TRUE(CalcRegressKurve(1.0, 2.0, d, pts, aus));
        EXPECT_FALSE(aus);
        ASSERT_EQ(static_cast<int>(pts[0].x), f.punkte) << f.xMax;
        const XYPunkt& letzter = pts[static_cast<std::size_t>(f.punkte)];
        EXPECT_NEAR(letzter.x, f.letztesX, 1e-5) << f.xMax;
        EXPECT_NEAR(letzter.y, 1.0 + 2.0 * letzter.x, 1e-4);
        EXPECT_EQ(pts[1].x, f.xMin);
        EXPECT_EQ(pts[1].y, 1.0f);
    }
}

TEST_F(CurvePlaces, RegressionLineOutsideTheYRangeKeepsTheFlag) {
    Diagramm d;
    d.XMax = 10;
    d.YMin = 0;
    d.YMax = 1;
    std::vector<XYPunkt> pts;
    bool aus = true;
    ASSERT_TRUE(CalcRegressKurve(5.0, 0.0, d, pts, aus));
    EXPECT_TRUE(aus);
    // A line that touches YMax only is not inside (strict bounds).
    ASSERT_TRUE(CalcRegressKurve(1.0, 0.0, d, pts, aus));
    EXPECT_TRUE(aus);
}

TEST_F(CurvePlaces, RegressionLineRefusesAnEmptyOrUndefinedRange) {
    std::vector<XYPunkt> pts(3);
    bool aus = true;
    Diagramm d;
    d.XMin = 5;
    d.XMax = 5;
    EXPECT_FALSE(CalcRegressKurve(1, 1, d, pts, aus));
    d.XMax = 4;
    EXPECT_FALSE(CalcRegressKurve(1, 1, d, pts, aus));
    d.XMax = 10;
    EXPECT_FALSE(CalcRegressKurve(1, 1e300, d, pts, aus));  // overflows a single
    EXPECT_EQ(pts.size(), 3u);
    EXPECT_TRUE(aus);
}
