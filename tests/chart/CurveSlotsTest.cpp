#include "ChartTestSupport.h"
#include "chart/CurveSlots.h"

using namespace vrn;
using namespace vrn::test;

class CurvePlaces : public ChartTest {};

TEST_F(CurvePlaces, LowestFreePlaceFirstAndReuseAfterDeleting) {
    Integer nr = 0, err = 0;
    for (int erwartet = 1; erwartet <= 3; ++erwartet) {
        NeueKurveNr(nr, err);
        EXPECT_EQ(std::pair(err, nr), std::pair(Integer{0}, static_cast<Integer>(erwartet)));
    }
    EXPECT_TRUE(KurveFreigeben(2));
    EXPECT_EQ(app.gnKurven, 2);
    for (Integer erwartet : {2, 4}) {
        NeueKurveNr(nr, err);
        EXPECT_EQ(nr, erwartet);
    }
    EXPECT_EQ(app.gnKurven, 4);
    // Freeing a free or unknown place changes nothing.
    for (Integer frei : {5, 0, 25}) EXPECT_FALSE(KurveFreigeben(frei)) << frei;
    EXPECT_EQ(app.gnKurven, 4);
    // Places marked used while no curve is counted (after "Alles" deleted the chart) are all freed.
    app.KurvenSlot.fill(0);
    app.gnKurven = 0;
    NeueKurveNr(nr, err);
    EXPECT_EQ(std::pair(err, nr), std::pair(Integer{0}, Integer{1}));
    for (int i = 1; i < kMaxKurven; ++i) EXPECT_EQ(app.KurvenSlot[static_cast<std::size_t>(i)], -1);
}

TEST_F(CurvePlaces, TheTwentyFifthCurveIsRefused) {
    MsgRecorder rec;
    Integer nr = 0, err = 0;
    for (int i = 1; i <= 24; ++i) NeueKurveNr(nr, err);
    EXPECT_EQ(std::tuple(nr, rec.count()), std::tuple(24, 0u));
    NeueKurveNr(nr, err);
    EXPECT_EQ(std::tuple(err, nr, app.gnKurven), std::tuple(Integer{-1}, Integer{24}, Integer{24}));
    EXPECT_TRUE(vrn::test::isOnlyMessage(rec, "Maximal 24 Kurven möglich\r\nLöschen Sie vorhandene Kurven", "WARNUNG",
                                         MsgIcon::Exclamation));
    // A count below the places in use never overwrites a curve.
    app.KurvenSlot.fill(0);
    app.gnKurven = 5;
    nr = 3;
    NeueKurveNr(nr, err);
    EXPECT_EQ(std::tuple(err, nr, app.gnKurven), std::tuple(Integer{-1}, Integer{3}, Integer{24}));
}

TEST_F(CurvePlaces, LabelPointStaysOnTheCurve) {
    std::vector<XYPunkt> p(202);
    p[0].x = 201;
    for (int i = 1; i <= 201; ++i) p[static_cast<std::size_t>(i)].x = static_cast<Single>(i - 1);
    for (Integer nr = 1; nr <= 8; ++nr) {
        Long m = 0;
        const Long i = labelPunktIndex(p, 100.0f, nr, m);
        EXPECT_EQ(m, 100) << "the last point below XMax";
        EXPECT_GE(i, 1);
        EXPECT_LT(i, 100);
    }
    Long m0 = 0;
    std::vector<XYPunkt> leer(1);
    EXPECT_EQ(labelPunktIndex(leer, 15.0f, 1, m0), 0);
}

TEST_F(CurvePlaces, RegressionLineSpansTheXAxis) {
    const std::tuple<Single, Single, int, double> faelle[] = {
        {0, 60, 122, 60.5}, {0, 1, 121, 120 * static_cast<double>(1.0f / 120.0f)},
    };
    for (const auto& [xMin, xMax, punkte, letztesX] : faelle) {
        const Diagramm d{xMin, -100, xMax, 100, {}, {}, {}};
        std::vector<XYPunkt> pts;
        bool aus = true;
        ASSERT_TRUE(CalcRegressKurve(1.0, 2.0, d, pts, aus));
        EXPECT_FALSE(aus);
        ASSERT_EQ(static_cast<int>(pts[0].x), punkte) << xMax;
        const XYPunkt& letzter = pts[static_cast<std::size_t>(punkte)];
        EXPECT_NEAR(letzter.x, letztesX, 1e-5) << xMax;
        EXPECT_NEAR(letzter.y, 1.0 + 2.0 * letzter.x, 1e-4);
        EXPECT_EQ(std::pair(pts[1].x, pts[1].y), std::pair(xMin, 1.0f));
    }
    // Outside the y range, or touching YMax only (strict bounds): the flag stays.
    Diagramm d{0, 0, 10, 1, {}, {}, {}};
    std::vector<XYPunkt> pts(3);
    for (double a : {5.0, 1.0}) {
        bool aus = true;
        ASSERT_TRUE(CalcRegressKurve(a, 0.0, d, pts, aus));
        EXPECT_TRUE(aus) << a;
    }
    // An empty or undefined range, or a line beyond a single, is refused.
    pts.assign(3, XYPunkt{});
    for (auto [xMin, xMax, b] : {std::tuple{5.0f, 5.0f, 1.0}, {5.0f, 4.0f, 1.0}, {5.0f, 10.0f, 1e300}}) {
        d.XMin = xMin;
        d.XMax = xMax;
        bool aus = true;
        EXPECT_FALSE(CalcRegressKurve(1, b, d, pts, aus)) << xMax;
        EXPECT_TRUE(aus);
    }
    EXPECT_EQ(pts.size(), 3u);
}
