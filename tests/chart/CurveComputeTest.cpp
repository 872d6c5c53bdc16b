#include "ChartTestSupport.h"
#include "chart/CurveCompute.h"
#include "chart/CurveSlots.h"

using namespace vrn;
using namespace vrn::test;

namespace {

// Closed-form curves in the simulation arrays: species s gets c = s * exp(-t / 10)
// and r = -s / 10 * exp(-t / 10), t = 0 .. 20 in 200 steps.
void simulation() {
    app.nSimPunkte = 200;
    std::vector<double>* c[6] = {nullptr, &app.cSim_A, &app.cSim_B, &app.cSim_C, &app.cSim_P, &app.cSim_Q};
    std::vector<Single>* r[6] = {nullptr, &app.rSim_A, &app.rSim_B, &app.rSim_C, &app.rSim_P, &app.rSim_Q};
    for (int i = 0; i <= 200; ++i) {
        const double t = 0.1 * i;
        app.tSim[static_cast<std::size_t>(i)] = t;
        for (int s = 1; s <= 5; ++s) {
            (*c[s])[static_cast<std::size_t>(i)] = s * std::exp(-t / 10);
            (*r[s])[static_cast<std::size_t>(i)] = static_cast<Single>(-s / 10.0 * std::exp(-t / 10));
        }
    }
}

// The species a curve shows, read back from its first point (c(0) = s, r(0) = -s/10).
int speziesVon(bool rate) {
    const Single y0 = app.gKurvenPunkte[1].y;
    return static_cast<int>(std::lround(rate ? -10 * y0 : y0));
}

}  // namespace

class SpeciesCurves : public ChartTest {
protected:
    void SetUp() override {
        ChartTest::SetUp();
        simulation();
        achsen(0, 20, 0, 10);
    }
    KurvenErgebnis zeichne(int kind, int nr = 1) {
        return zeichneKurve(static_cast<Integer>(kind), static_cast<Integer>(nr), 300, ausserhalb);
    }
    bool ausserhalb = true;
};

TEST_F(SpeciesCurves, SpeciesFollowThePendingCountPerModel) {
    // kind, the species drawn for counts n, n-1, ..., 1
    const std::pair<int, std::vector<int>> faelle[] = {{2, {A, P}}, {4, {A, B, P}}, {6, {A, C, P}}, {10, {A, B, C, P}},
                                                       {16, {A, P, Q}}, {54, {A, B, P}}, {61, {A, P, Q}}, {70, {A, P}}};
    for (const auto& [kind, spezies] : faelle) {
        app.bRateDiagramm = kind > 50;
        app.gnKurvenOffen = static_cast<Integer>(spezies.size());
        for (std::size_t j = 0; j < spezies.size(); ++j) {
            ASSERT_EQ(zeichne(kind, static_cast<int>(j + 1)).ausgang, KurvenAusgang::Kurve) << kind;
            EXPECT_EQ(speziesVon(app.bRateDiagramm), spezies[j]) << kind << " curve " << j + 1;
        }
        EXPECT_EQ(app.gnKurvenOffen, 0) << kind;
    }
}

TEST_F(SpeciesCurves, LabelsOfRatesAndOfTheEnzymeModel) {
    // model, rate, kind, labels
    const std::tuple<int, bool, int, std::vector<std::string>> faelle[] = {
        {10, true, 60, {"r(E) ", "r(S) ", "r(ES) ", "r(P) "}}, {10, false, 10, {"c(E) ", "c(S) ", "c(ES) ", "c(P) "}},
        {11, true, 61, {"r(A) ", "r(P) ", "r(Q) "}}, {16, false, 16, {"c(A) ", "c(P) ", "c(Q) "}},
    };
    for (const auto& [modell, rate, kind, labels] : faelle) {
        app.iModell = static_cast<Integer>(modell);
        app.bRateDiagramm = rate;
        app.gnKurvenOffen = static_cast<Integer>(labels.size());
        for (const auto& l : labels) EXPECT_EQ(zeichne(kind).labelText, l) << kind;
    }
}

TEST_F(SpeciesCurves, NonIsothermalFittingDrawsSpeciesAOncePerIsotherm) {
    app.bAuswertungsart = 6;
    app.nKurvenTemp = 2;
    app.gKurvenTemp = {0, 298.15f, 1310.4f};
    for (int nr : {1, 2}) {
        app.gnKurvenOffen = 2;
        const KurvenErgebnis r = zeichne(2, nr);
        ASSERT_EQ(r.ausgang, KurvenAusgang::Kurve);
        EXPECT_EQ(std::tuple(speziesVon(false), r.labelText, app.gnKurvenOffen),
                  std::tuple(A, nr == 1 ? "T/K = 298" : "T/K = 1,310", 0));
    }
    // A curve number without an isotherm keeps the species name.
    app.gnKurvenOffen = 1;
    EXPECT_EQ(zeichne(2, 3).labelText, "c(A) ");
}

TEST_F(SpeciesCurves, OnlySpeciesATestsTheYRange) {
    app.gnKurvenOffen = 2;
    achsen(0, 20, 3, 5);  // A (c <= 1) lies below, P (c from 4) enters
    for (int k = 0; k < 2; ++k) {
        zeichne(2);
        EXPECT_TRUE(ausserhalb) << k;
    }
    achsen(0, 20, 0.5f, 5);
    app.gnKurvenOffen = 2;
    zeichne(2);
    EXPECT_FALSE(ausserhalb);
}

TEST_F(SpeciesCurves, CountsThatDrawNothing) {
    // kind, vorher, nachher
    const std::tuple<int, int, int> faelle[] = {
        {2, 0, 0}, {2, 3, 2}, {2, -4, 0}, {4, 4, 3}, {19, 2, 1}, {69, 1, 0},
        {-9, 1, 0}, {-2, 1, 0}, {-1, 2, 1}, {0, 1, 0}, {0, 0, 0},
    };
    for (const auto& [kind, vorher, nachher] : faelle) {
        app.gnKurvenOffen = static_cast<Integer>(vorher);
        app.gKurvenPunkte[0].x = 99;
        const KurvenErgebnis r = zeichne(kind);
        EXPECT_EQ(std::tuple(r.ausgang, app.gnKurvenOffen, app.gKurvenPunkte[0].x),
                  std::tuple(KurvenAusgang::Keine, nachher, 0)) << kind << "/" << vorher;
    }
}

TEST_F(SpeciesCurves, UnusableSimulationEndsInTheCriticalPath) {
    app.gnKurvenOffen = 2;
    app.cSim_A[17] = std::nan("");
    KurvenErgebnis r = zeichne(2);
    EXPECT_EQ(std::tuple(r.ausgang, r.fehlerText, app.gnKurvenOffen),
              std::tuple(KurvenAusgang::Abbruch, "Ungültiger Wert in den Simulationsergebnissen (Punkt 17)", 2));

    app.nSimPunkte = 500;  // more points than the arrays hold
    r = zeichne(2);
    EXPECT_EQ(std::tuple(r.ausgang, app.gnKurvenOffen), std::tuple(KurvenAusgang::Abbruch, 2));
}

class TangentCurve : public ChartTest {
protected:
    void SetUp() override {
        ChartTest::SetUp();
        // A straight measured curve c(P) = 0.01 + 0.002 t, t = 0, 10, ..., 100.
        datensatz(11, [](Messpunkt& p, int i) {
            p.t = 10.0 * (i - 1);
            p.c[4] = 0.01 + 0.002 * p.t;
        });
        app.bytTangStoff = 4;
        app.gnKurvenOffen = 1;
    }
    KurvenErgebnis zeichne(Integer aufloesung = 300) { return zeichneKurve(100, 1, aufloesung, ausserhalb); }
    bool ausserhalb = true;
};

TEST_F(TangentCurve, SplineIsSampledFromZeroWithHalfTheResolutionStep) {
    achsen(0, 100, 0, 1);
    const KurvenErgebnis r = zeichne();
    ASSERT_EQ(r.ausgang, KurvenAusgang::Kurve);
    EXPECT_EQ(std::tuple(r.setzeLabel, r.statusText, ausserhalb, app.gnKurvenOffen), std::tuple(false, "", false, 0));
    ASSERT_EQ(app.gKurvenPunkte[0].x, 601);  // twice the resolution's steps, both ends included
    EXPECT_EQ(app.gKurvenPunkte[1].x, 0);
    EXPECT_NEAR(app.gKurvenPunkte[601].x, 100, 1e-3);
    for (int i = 1; i <= 601; i += 50) {
        const XYPunkt& p = app.gKurvenPunkte[static_cast<std::size_t>(i)];
        EXPECT_NEAR(p.y, 0.01 + 0.002 * p.x, 1e-6) << i;  // Akima keeps a straight line straight
    }
    // The spline store holds the spline for the tangent window.
    EXPECT_EQ(std::pair(app.SplX[0], app.SplX[11]), std::pair(11.0, 100.0));
    EXPECT_NEAR(app.SplKoeffB[4][5], 0.002, 1e-12);
}

TEST_F(TangentCurve, StartsAtZeroWhateverTheAxisMinimumAndNeverOverrunsTheBuffer) {
    achsen(90, 100, 0, 1);  // 0.5 * 10 / 300 steps up to 100 would be 6001 points
    const KurvenErgebnis r = zeichne();
    ASSERT_EQ(r.ausgang, KurvenAusgang::Kurve);
    ASSERT_EQ(app.gKurvenPunkte[0].x, kMaxKurvenPunkte);
    EXPECT_EQ(app.gKurvenPunkte[1].x, 0);
    EXPECT_NEAR(app.gKurvenPunkte[kMaxKurvenPunkte].x, 100, 1e-3);
    EXPECT_LE(app.gKurvenPunkte.size(), static_cast<std::size_t>(kMaxKurvenPunkte + 1));
}

TEST_F(TangentCurve, OutsideTheYRangeKeepsTheFlag) {
    achsen(0, 100, 5, 6);
    ASSERT_EQ(zeichne().ausgang, KurvenAusgang::Kurve);
    EXPECT_TRUE(ausserhalb);
}

TEST_F(TangentCurve, RefusedSplineLeavesTheStoreAndTheCount) {
    MsgRecorder rec;
    achsen(0, 100, 0, 1);
    app.SplX = {5, 1, 2};
    app.nExpPunkte = 2;  // too few points for a spline
    const KurvenErgebnis r = zeichne();
    EXPECT_EQ(r.ausgang, KurvenAusgang::Verweigert);
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(std::tuple(rec.last().title, app.SplX, app.gnKurvenOffen),
              std::tuple("Meldung von CalcAkimaSpline", std::vector<double>{5, 1, 2}, 1));
}

TEST_F(TangentCurve, InvalidRangeOrSpeciesEndInTheCriticalPath) {
    achsen(0, 100, 0, 1);
    EXPECT_EQ(zeichne(0).ausgang, KurvenAusgang::Abbruch);
    achsen(100, 100, 0, 1);
    EXPECT_EQ(zeichne().ausgang, KurvenAusgang::Abbruch);
    achsen(0, 100, 0, 1);
    app.bytTangStoff = 0;
    EXPECT_EQ(zeichne().ausgang, KurvenAusgang::Abbruch);
    EXPECT_EQ(app.gnKurvenOffen, 1);
}
