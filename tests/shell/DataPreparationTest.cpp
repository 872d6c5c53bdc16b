#include "engine/InitialConcentrations.h"
#include "shell/DataPreparation.h"
#include "support/TestSupport.h"

using namespace vrn;

namespace {

struct Pt {
    double t = 0, cA = 0, cB = 0, T = 0, k = 0;
    Single lambda = 0;
    Integer aus = 0;
};

void setPoints(const std::vector<Pt>& pts) {
    test::setDataSet(static_cast<int>(pts.size()), [&pts](Messpunkt& m, int i) {
        const Pt& p = pts[static_cast<std::size_t>(i - 1)];
        std::tie(m.t, m.c[1], m.c[2], m.Temp, m.k) = std::tie(p.t, p.cA, p.cB, p.T, p.k);
        std::tie(m.lambda, m.aus) = std::tie(p.lambda, p.aus);
    });
    getAnfangskonzAusDaten();
}

Single slot(int s) { return app.Achsenbereich[s]; }

class Preparation : public ::testing::Test {
protected:
    void SetUp() override { resetAppState(""); }
};

}  // namespace

TEST_F(Preparation, FlagsOfTheDataSet) {
    // what, pts, lambdaInf, ct, kt, ctt, lambda
    const std::tuple<const char*, std::vector<Pt>, double, bool, bool, bool, bool> cases[] = {
        {"c-t", {{0, 1}, {1, 0.5}, {2, 0.25}}, 0, true, false, false, false},
        {"one c(A)", {{0, 1}, {1, 0}}, 0, false, false, false, false},
        {"two c(A), both at t = 0", {{0, 1}, {0, 0.5}}, 0, false, false, false, false},
        {"times cancel", {{-1, 1}, {1, 0.5}}, 0, false, false, false, false},
        {"k-T", {{0, 0, 0, 300, 1e-3}, {0, 0, 0, 310, 2e-3}}, 0, false, true, false, false},
        {"one k-T pair", {{0, 0, 0, 300, 1e-3}, {0, 0, 0, 310, 0}}, 0, false, false, false, false},
        {"c-t-T", {{1, 1, 0, 300}, {2, 0.5, 0, 300}, {3, 0.2, 0, 310}}, 0, true, false, true, false},
        {"c-t-T two", {{1, 1, 0, 300}, {2, 0.5, 0, 300}, {3, 0.2, 0, 0}}, 0, true, false, false, false},
        {"lambda", {{0, 0, 0, 0, 0, 2}, {1, 0, 0, 0, 0, 3}}, 5, false, false, false, true},
        {"lambda without inf", {{0, 0, 0, 0, 0, 2}, {1, 0, 0, 0, 0, 3}}, 0, false, false, false, false},
        {"lambda all zero", {{0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0}}, 5, false, false, false, false},
        {"lambda summing to below 0", {{0, 0, 0, 0, 0, 2}, {1, 0, 0, 0, 0, -3}}, 5, false, false, false, false},
        {"empty", {}, 5, false, false, false, false},
    };
    for (const auto& [what, pts, lambdaInf, ct, kt, ctt, lambda] : cases) {
        SCOPED_TRACE(what);
        app.LambdaInf = lambdaInf;
        setPoints(pts);
        PrepareExpDaten();
        EXPECT_EQ(std::tuple(app.bHatCTDaten, app.bHatKTDaten, app.bHatCTTDaten, app.bHatLambdaDaten),
                  std::tuple(ct, kt, ctt, lambda));
    }
}

TEST_F(Preparation, LambdaZeroLargestTimeAndColumns) {
    setPoints({{0, 1, 0, 0, 0, 2.5f, -1}, {0, 0.8, 0, 0, 0, 2.0f}, {3, 0, 0.2, 0, 0, 1.0f}, {0, 0, 0, 0, 0, 1.5f},
               {7.5, 0, 0, 0, 0, 0.5f, -1}});
    app.ExpDaten[3].c[5] = 0.1;
    PrepareExpDaten();
    EXPECT_EQ(std::tuple(app.Lambda0, app.tMaxDaten), std::tuple(1.5, 7.5));  // the last active point at t = 0
    const bool expected[6] = {false, true, true, false, false, true};
    for (int j = 1; j <= 5; ++j) EXPECT_EQ(app.bKonzDaten[static_cast<std::size_t>(j)], expected[j]) << j;

    setPoints({{0, 1, 0, 0, 0, 2.5f, -1}, {1, 1, 0, 0, 0, 2.0f}});
    PrepareExpDaten();
    EXPECT_EQ(app.Lambda0, 0.0);  // the only point at t = 0 is excluded
}

TEST_F(Preparation, Isotherms) {
    setPoints({{1, 1, 0, 310}, {1, 1, 0, 300.012}, {1, 1, 0, 300}, {1, 1, 0, 300.005}, {1, 1, 0, 0}});
    PrepareExpDaten();
    ASSERT_EQ(app.nKurvenTemp, 2);
    EXPECT_EQ(std::pair(app.gKurvenTemp[1], app.gKurvenTemp[2]), std::pair(300.0f, 310.0f));

    std::vector<Pt> thirty;
    for (int i = 0; i < 30; ++i) thirty.push_back({1, 1, 0, 280.0 + i});
    setPoints(thirty);
    PrepareExpDaten();
    EXPECT_EQ(app.nKurvenTemp, 24);
    ASSERT_GE(app.gKurvenTemp.size(), 31u);  // the list keeps all of them
    EXPECT_EQ(app.gKurvenTemp[30], 309.0f);

    setPoints({});
    PrepareExpDaten();
    EXPECT_EQ(std::tuple(app.nKurvenTemp, app.tMaxDaten), std::tuple(0, 0.0));
}

TEST_F(Preparation, RangesOfAFirstOrderSeries) {
    setPoints({{0.5, 1}, {1, 0.5}, {2, 0.25}});
    CalcDataRanges(-5, true);
    EXPECT_EQ(std::tuple(slot(0), slot(1), slot(2), slot(3)), std::tuple(0, 2.1f, 0, 1));
    const double m = std::log(4.0) / 20;
    EXPECT_NEAR(slot(16), std::log(0.25) - m, 1e-6);
    EXPECT_NEAR(slot(17), m, 1e-6);
    EXPECT_NEAR(slot(18), 1 - 3.0 / 20, 1e-6);
    EXPECT_NEAR(slot(19), 4 + 3.0 / 20, 1e-6);
}

TEST_F(Preparation, WilkinsonAndTwoSpeciesRanges) {
    // c0Daten(1) = 1: x = 1 - c(A); t/x = 2 at every point.
    setPoints({{0, 1, 2}, {1, 0.5, 1}, {2, 1.0 / 3.0, 0.5}});
    CalcDataRanges(-7, false);
    // values 2 (t=1, x=.5) and 3 (t=2, x=2/3): slot 20 (max) 3, slot 21 (min) 2, margin 1/20.
    EXPECT_NEAR(slot(20), 3 + 0.05, 1e-5);
    EXPECT_NEAR(slot(21), 2 - 0.05, 1e-5);
    // ln(c(A)/c(B)): ln 0.5, ln 0.5, ln(2/3).
    const double hi = std::log((1.0 / 3.0) / 0.5), lo = std::log(0.5);
    EXPECT_NEAR(slot(22), hi + (hi - lo) / 20, 1e-5);
    EXPECT_NEAR(slot(23), lo - (hi - lo) / 20, 1e-5);

    // All Wilkinson values equal: widened by a twentieth of the value itself.
    setPoints({{0, 1}, {1, 0.5}});
    CalcDataRanges(-7, false);
    EXPECT_NEAR(slot(20), 2 + 0.1, 1e-5);
    EXPECT_NEAR(slot(21), 2 - 0.1, 1e-5);
}

TEST_F(Preparation, EvaluationModesFixTheConcentrationMaximum) {
    setPoints({{0, 0.2}, {1, 0.1}});
    app.bAuswertungsart = 6;
    CalcDataRanges(-9, true);
    EXPECT_EQ(slot(3), 1.0f);
    app.bAuswertungsart = 7;
    CalcDataRanges(-9, true);
    EXPECT_EQ(slot(3), 0.2f);
}

TEST_F(Preparation, NoPointsTurnThePairsInsideOutAndKindsAboveZeroChangeNothing) {
    setPoints({});
    CalcDataRanges(-1, true);
    EXPECT_GT(slot(16), slot(17));
    EXPECT_GT(slot(18), slot(19));
    for (int s = 0; s < 32; ++s) EXPECT_TRUE(std::isfinite(slot(s))) << s;

    for (int s = 0; s < 32; ++s) app.Achsenbereich[s] = static_cast<Single>(s);
    setPoints({{0, 1}, {1, 0.5}});
    CalcDataRanges(0, true);
    CalcDataRanges(5, true);
    for (int s = 0; s < 32; ++s) EXPECT_EQ(slot(s), static_cast<Single>(s));
}

TEST_F(Preparation, HugeValuesStayFinite) {
    const double big = 1e300;
    setPoints({{big, big, 1e-300, big, big}, {-big, 2e-8, big, 1e-7, 1e-7}, {1e-7, 1e-7, 0, 0, 0}});
    CalcDataRanges(-1, true);
    CalcDataRanges(-3, true);
    CalcDataRanges(-4, true);
    for (int s = 0; s < 32; ++s) EXPECT_TRUE(std::isfinite(slot(s))) << s;
    PrepareExpDaten();
    EXPECT_TRUE(std::isfinite(app.gKurvenTemp[1]));
}

TEST_F(Preparation, TangentRange) {
    setPoints({{0, 1, 0.2}, {4, 0.5, 0.6}});
    CalcTangenteRange(2);
    EXPECT_EQ(std::tuple(slot(0), slot(1), slot(2), slot(3)), std::tuple(0, 4.2f, 0, 0.63f));
    app.Achsenbereich[1] = 99;
    CalcTangenteRange(0);
    CalcTangenteRange(6);
    EXPECT_EQ(slot(1), 99.0f);
}

TEST_F(Preparation, LambdaRangesLeaveOutUndefinedPoints) {
    app.LambdaInf = 10;
    setPoints({{0, 0, 0, 0, 0, 2}, {1, 0, 0, 0, 0, 6}, {2, 0, 0, 0, 0, 10}, {3, 0, 0, 0, 0, 12}});
    // First order without lambda(0): ln(10 - lambda) for 8 and 4; 0 and -2 are left out.
    app.Lambda0 = 0;
    CalcLambdaRange1();
    const double hi = std::log(8.0), lo = std::log(4.0), m = (hi - lo) / 5;
    EXPECT_NEAR(slot(25), hi + m, 1e-5);
    EXPECT_NEAR(slot(24), lo - 0.3 * m, 1e-5);
    EXPECT_FLOAT_EQ(slot(1), 3.15f);
    // With lambda(0) = lambda(inf) nothing can be computed: the start values and their margins.
    app.Lambda0 = 10;
    CalcLambdaRange1();
    EXPECT_TRUE(std::isfinite(slot(24)) && std::isfinite(slot(25)));

    // Second order without lambda(0): 10/(10 - lambda) for 2, 6, 12 (10 left out).
    app.Lambda0 = 0;
    CalcLambdaRange2();
    const double h2 = 10.0 / 4, l2 = 10.0 / -2, m2 = (h2 - l2) / 5;
    EXPECT_NEAR(slot(27), h2 + m2, 1e-5);
    EXPECT_NEAR(slot(26), l2 - 0.3 * m2, 1e-5);
    // With lambda(0) and c0 = 0 every value is 0.
    app.Lambda0 = 2;
    app.c0Daten[1] = 0;
    CalcLambdaRange2();
    EXPECT_FLOAT_EQ(slot(27), 0);
    EXPECT_FLOAT_EQ(slot(26), 0);
    app.c0Daten[1] = 0.5f;
    CalcLambdaRange2();
    // ((10 - 2)/(10 - lambda))/0.5 for 2, 6, 12: 2, 4, -8.
    EXPECT_NEAR(slot(27), 4 + 12.0 / 5, 1e-5);
    EXPECT_NEAR(slot(26), -8 - 0.3 * 12.0 / 5, 1e-5);
}
