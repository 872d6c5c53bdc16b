// Curve simulation of the models with closed-form solutions, the
// Michaelis-Menten curve and the axis ranges.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <tuple>

#include "EngineTestSupport.h"
#include "engine/HalfLife.h"
#include "engine/Simulation.h"
#include "support/TestSupport.h"

using namespace vrn;
using namespace vrn::test;

namespace {

// Every closed-form model with its defaults and with a second set of inputs
// (unequal start values, product present, reverse reaction fast), and inputs
// whose exponentials in the plain closed forms pass the range of a Double
// although the curves stay finite.
const ModelCase kClosed[] = {
    {1, {0.15, 0, 0}, {1, 0, 0, 0, 0}, 5},        {1, {0.02, 0, 0}, {0.7, 0, 0, 0.2, 0}, 20},
    {2, {0.15, 0, 0}, {1, 0, 0, 0, 0}, 100},      {2, {1.7, 0, 0}, {0.3, 0, 0, 0.1, 0}, 4},
    {3, {0.15, 0, 0}, {1, 0, 0, 0, 0}, 100},      {3, {2.5, 0, 0}, {0.4, 0, 0, 0.05, 0}, 10},
    {4, {0.15, 0, 0}, {1, 1, 0, 0, 0}, 100},      {4, {0.8, 0, 0}, {1, 0.4, 0, 0.1, 0}, 30},
    {4, {0.8, 0, 0}, {0.3, 0.9, 0, 0, 0}, 30},    {4, {15, 0, 0}, {2, 1, 0, 0, 0}, 100},
    {5, {0.15, 0, 0}, {1, 0, 0, 0.002, 0}, 100},  {5, {0.9, 0, 0}, {0.6, 0, 0, 0.1, 0.3}, 30},
    {5, {10, 0, 0}, {1, 0, 0, 0.002, 0}, 100},    {6, {0.15, 0.1, 0}, {1, 0, 0, 0, 0}, 100},
    {6, {0.05, 0.4, 0}, {1, 0, 0.3, 0.1, 0}, 80}, {8, {0.15, 0.2, 0}, {1, 0, 0, 0, 0}, 100},
    {8, {0.3, 0.05, 0}, {0.5, 0, 0, 0.4, 0}, 40}, {11, {0.15, 0.05, 0}, {1, 0, 0, 0, 0}, 100},
    {11, {0.02, 0.3, 0}, {0.8, 0, 0, 0.1, 0.2}, 20}, {12, {0.15, 0.01, 0}, {1, 0.5, 0, 0, 0}, 100},
    {12, {0.05, 0.2, 0}, {0.6, 0.9, 0, 0.3, 0}, 60},
    {12, {0.05, 0.2, 0}, {0.6, 0.9, 0, 0.3, 0}, 5000},  // k1 < 4·k2 over a long time
    {16, {0.15, 0, 0}, {1, 0, 0, 0.002, 0}, 100}, {16, {0.5, 0, 0}, {0.8, 0, 0, 0.05, 0.1}, 40},
    {16, {7.2, 0, 0}, {1, 0, 0, 0.002, 0}, 100},  {17, {0.15, 0.01, 0}, {1, 0.5, 0, 0, 0}, 100},
    {17, {0.4, 0.3, 0}, {0.2, 0.7, 0, 0.5, 0}, 30},
};

}  // namespace

// Against an independent fine-step integration, the conservation laws of
// each scheme, and the rates of the rate laws at every point.
TEST(ClosedFormSimulation, CurvesBalancesAndRates) {
    MsgRecorder rec;
    for (const ModelCase& cc : kClosed) {
        SCOPED_TRACE(testing::Message() << "model " << cc.model << " k1 " << cc.k[0]);
        setUpModel(cc);
        ASSERT_EQ(simulate(cc.model), 0);
        const auto ref = referenceSolution(cc.model, 400);
        const auto& c0 = app.c0;
        for (int j = 0; j <= 200; ++j) {
            Konz c{0, app.cSim_A[j], app.cSim_B[j], app.cSim_C[j], app.cSim_P[j], app.cSim_Q[j]}, d;
            calc_dcdt(cc.model, d, app.k, c, static_cast<double>(app.nOrdnung));
            for (int s = 1; s <= 5; ++s) {
                if (!modelHas(cc.model, s)) continue;
                // Model 5 writes Q = Q0 + x as model 16 does, outside its rate law.
                if (!(cc.model == 5 && s == 5)) {
                    EXPECT_NEAR(c[s], ref[j][s], 1e-7) << "point " << j << " slot " << s;
                }
                EXPECT_EQ(rSimOf(s)[j], static_cast<Single>(d[s]));
            }
            const double A = c[1], B = c[2], C = c[3], P = c[4], Q = c[5];
            switch (cc.model) {
                case 3: EXPECT_NEAR(A + 2 * P, c0[1] + 2 * c0[4], 1e-14); break;
                case 4: case 17: EXPECT_NEAR(B + P, c0[2] + c0[4], 1e-14); [[fallthrough]];
                default: EXPECT_NEAR(A + P, c0[1] + c0[4], 1e-14); break;
                case 12:
                    EXPECT_NEAR(2 * A + P, 2 * c0[1] + c0[4], 1e-14);
                    EXPECT_NEAR(A - B, c0[1] - c0[2], 1e-14);
                    break;
                case 5: case 16:
                    EXPECT_NEAR(A + P, c0[1] + c0[4], 1e-14);
                    EXPECT_NEAR(Q - P, c0[5] - c0[4], 1e-14);
                    break;
                case 6: EXPECT_NEAR(A + C + P, c0[1] + c0[3] + c0[4], 1e-14); break;
                case 11: EXPECT_NEAR(A + P + Q, c0[1] + c0[4] + c0[5], 1e-14); break;
            }
            EXPECT_GE(A, -1e-15);
        }
        for (int s = 1; s <= 5; ++s)
            if (modelHas(cc.model, s)) {
                EXPECT_EQ(app.cAkt[s], cSimOf(s)[200]) << "cAkt holds the last point";
            }
    }
    EXPECT_EQ(rec.count(), 0u);
}

TEST(ClosedFormSimulation, AgreesWithAnalyticSolutions) {
    using F = std::function<void(double t, double& A, double& B, double& C, double& P)>;
    // The textbook solutions; for A => C => P also with constants near 1e-12,
    // where a fixed offset of 1e-12 on k2 would miss C by a fifth.
    const std::pair<ModelCase, F> cases[] = {
        {{1, {0.15, 0, 0}, {1, 0, 0, 0.1, 0}, 10},
         [](double t, double& A, double&, double&, double& P) { A = std::max(0.0, 1 - 0.15 * t); P = 1.1 - A; }},
        {{2, {0.15, 0, 0}, {1, 0, 0, 0, 0}, 100},
         [](double t, double& A, double&, double&, double& P) { A = std::exp(-0.15 * t); P = 1 - A; }},
        {{3, {0.15, 0, 0}, {1, 0, 0, 0, 0}, 100},
         [](double t, double& A, double&, double&, double& P) { A = 1 / (1 + 0.3 * t); P = (1 - A) / 2; }},
        {{4, {0.15, 0, 0}, {1, 1, 0, 0, 0}, 100},
         [](double t, double& A, double& B, double&, double& P) { A = B = 1 / (1 + 0.15 * t); P = 1 - A; }},
        {{6, {0.15, 0.1, 0}, {1, 0, 0, 0, 0}, 100},
         [](double t, double& A, double&, double& C, double& P) {
             A = std::exp(-0.15 * t);
             C = 0.15 / (0.1 - 0.15) * (std::exp(-0.15 * t) - std::exp(-0.1 * t));
             P = 1 - A - C;
         }},
        {{6, {3e-12, 1e-12, 0}, {1, 0, 0, 0, 0}, 1e12f},
         [](double t, double& A, double&, double& C, double& P) {
             A = std::exp(-3e-12 * t);
             C = 3e-12 / (1e-12 - 3e-12) * (std::exp(-3e-12 * t) - std::exp(-1e-12 * t));
             P = 1 - A - C;
         }},
        {{6, {0.15, 0.15, 0}, {1, 0, 0, 0, 0}, 100},  // equal constants: the limit k1·A0·t·e^(−k1·t)
         [](double t, double& A, double&, double& C, double& P) {
             A = std::exp(-0.15 * t);
             C = 0.15 * t * A;
             P = 1 - A - C;
         }},
        {{6, {1e-12, 1e-12, 0}, {1, 0, 0, 0, 0}, 1e12f},
         [](double t, double& A, double&, double& C, double& P) {
             A = std::exp(-1e-12 * t);
             C = 1e-12 * t * A;
             P = 1 - A - C;
         }},
        {{8, {0.15, 0.2, 0}, {1, 0, 0, 0.5, 0}, 100},
         [](double t, double& A, double&, double&, double& P) {
             A = (0.2 * 1.5 + (0.15 - 0.2 * 0.5) * std::exp(-0.35 * t)) / 0.35;
             P = 1.5 - A;
         }},
        {{11, {0.15, 0.05, 0}, {1, 0, 0, 0, 0}, 100},
         [](double t, double& A, double&, double&, double& P) {
             A = std::exp(-0.2 * t);
             P = 0.75 * (1 - A);
         }},
    };
    for (const auto& [mc, f] : cases) {
        setUpModel(mc);
        ASSERT_EQ(simulate(mc.model), 0);
        for (int j = 0; j <= 200; ++j) {
            double A = 0, B = 0, C = 0, P = 0;
            f(app.tSim[j], A, B, C, P);
            EXPECT_NEAR(app.cSim_A[j], A, 1e-13) << mc.model << " at " << j;
            EXPECT_NEAR(app.cSim_P[j], P, 1e-13) << mc.model << " at " << j;
            if (modelHas(mc.model, 2)) {
                EXPECT_NEAR(app.cSim_B[j], B, 1e-13);
            }
            if (modelHas(mc.model, 3)) {
                EXPECT_NEAR(app.cSim_C[j], C, 1e-13) << mc.model << " at " << j;
            }
        }
    }
}

TEST(ClosedFormSimulation, ReversibleSecondOrderAtKOneEqualFourKTwo) {
    // k1 = 4·k2 in A + B <=> 2P: the quadratic term vanishes and the extent
    // obeys dx/dt = b·x + c, x = (c/(−b))·(1 − e^(b·t)) — for ordinary
    // constants and for constants near 1e-8, where a stand-in of 1e-8 for the
    // vanishing term would miss by percents.
    for (const auto& [k1, k2, tEnd] : {std::tuple{0.4, 0.1, 100.0f}, std::tuple{4e-8, 1e-8, 1e9f}}) {
        setUpModel(12, {k1, k2, 0}, {1, 0.5, 0, 0.2, 0}, tEnd);
        ASSERT_EQ(simulate(12), 0);
        const double b = -k1 * 1.5 - 4 * k2 * 0.2, c = k1 * 0.5 - k2 * 0.04;
        for (int j = 0; j <= 200; ++j) {
            const double x = c / -b * (1 - std::exp(b * app.tSim[j]));
            EXPECT_NEAR(app.cSim_A[j], 1 - x, 1e-12) << k1;
            EXPECT_NEAR(app.cSim_P[j], 0.2 + 2 * x, 1e-12) << k1;
        }
    }
}

TEST(ClosedFormSimulation, TimesCountersAndEdgeCases) {
    MsgRecorder rec;
    setUpModel(2, {0.15, 0, 0}, {1, 0, 0, 0, 0}, 7);
    app.nSimPunkte = 17;
    ASSERT_EQ(simulate(2), 0);
    EXPECT_EQ(app.nSimPunkte, 200);
    EXPECT_EQ(app.dtSim, static_cast<double>(7.0f / 200.0f));  // computed in single precision
    for (int j = 0; j <= 200; ++j) EXPECT_EQ(app.tSim[j], j * app.dtSim);
    // A closed form has no half-life on an integrated curve.
    EXPECT_EQ(FuHalbwertszeitSim(currentModelInputs(), app.tEnd, 1) + FuHalbwertszeitSim(currentModelInputs(), app.tEnd, 2), 0);

    // Zero order: A falls linearly to 0 and stays there, P stays at A0 + P0,
    // and the reaction has stopped: no rate.
    setUpModel(1, {0.15, 0, 0}, {1, 0, 0, 0.25, 0}, 10);
    ASSERT_EQ(simulate(1), 0);
    for (int j = 0; j <= 200; ++j) {
        const double t = app.tSim[j];
        const bool over = 1 - 0.15 * t < 0;
        EXPECT_NEAR(app.cSim_A[j], over ? 0.0 : 1 - 0.15 * t, 1e-15);
        if (over) {
            EXPECT_EQ(app.cSim_P[j], 1.25);
        }
        EXPECT_EQ(app.rSim_A[j], over ? 0.0f : -0.15f) << t;
        EXPECT_EQ(app.rSim_P[j], over ? 0.0f : 0.15f) << t;
    }
    // A + B => P with a rate constant of 1e30: over at once, B used up, A = A0 - B0.
    setUpModel(4, {1e30, 0, 0}, {2, 1, 0, 0, 0}, 10);
    ASSERT_EQ(simulate(4), 0);
    EXPECT_EQ(std::tuple(app.cSim_A[200], app.cSim_B[200], app.cSim_P[200]), std::tuple(1.0, 0.0, 1.0));
    // A0 = B0 exactly: the equal-concentration form, B equals A.
    setUpModel(4, {0.15, 0, 0}, {0.8, 0.8, 0, 0, 0}, 100);
    ASSERT_EQ(simulate(4), 0);
    EXPECT_EQ(app.cSim_B, app.cSim_A);
    EXPECT_EQ(rec.count(), 0u);
}

TEST(ClosedFormSimulation, SpeciesOutsideTheModelKeepTheirCurves) {
    setUpModel(2, {0.15, 0, 0}, {1, 0.3, 0.2, 0, 0.1}, 100);
    for (int s = 2; s <= 5; ++s) {
        std::fill(cSimOf(s).begin(), cSimOf(s).end(), 7.0);
        std::fill(rSimOf(s).begin(), rSimOf(s).end(), 8.0f);
    }
    app.cAkt = {0, 0, 9, 9, 0, 9};
    ASSERT_EQ(simulate(2), 0);
    for (int s : {2, 3, 5}) {
        EXPECT_EQ(cSimOf(s)[0], app.c0[s]);  // point 0 always takes c0
        EXPECT_EQ(std::count(cSimOf(s).begin(), cSimOf(s).end(), 7.0), static_cast<long>(cSimOf(s).size()) - 1);
        EXPECT_EQ(std::count(rSimOf(s).begin(), rSimOf(s).end(), 8.0f), static_cast<long>(rSimOf(s).size()));
    }
    EXPECT_EQ(app.cAkt, (Konz{0, app.cSim_A[200], 9, 9, app.cSim_P[200], 9}));
    // Model 5 writes Q as well, with the rate 0 from the rate law.
    setUpModel(5, {0.15, 0, 0}, {1, 0, 0, 0.002, 0.5}, 100);
    ASSERT_EQ(simulate(5), 0);
    EXPECT_NEAR(app.cSim_Q[200] - app.cSim_P[200], 0.498, 1e-14);
    EXPECT_EQ(app.rSim_Q[100], 0.0f);
    // Model 19 writes only point 0 and the axis ranges.
    setUpModel(19, {0.15, 0, 0}, {1, 0.5, 0.25, 0.125, 0.0625}, 100);
    std::fill(app.tSim.begin(), app.tSim.end(), 5.0);
    ASSERT_EQ(simulate(19), 0);
    EXPECT_EQ(app.tSim[0], 0);
    EXPECT_EQ(app.tSim[1], 5.0);
    EXPECT_EQ(app.cSim_Q[0], 0.0625);
    EXPECT_EQ(app.Achsenbereich[1], 100.0f);
}

TEST(MichaelisMenten, NormalisedAndOverTheSubstrateConcentration) {
    setUpModel(10, {0.15, 0.1, 0.005}, {1, 5, 0, 0, 0}, 100);
    app.bMMdiagramm = true;
    app.bMMnormiert = true;
    app.S0max = 0.15f;
    app.KMichaelis = 0.7f;
    app.cAkt = {0, 1, 2, 3, 4, 5};
    app.cSim_A[5] = 42;
    ASSERT_EQ(simulate(10), 0);
    EXPECT_DOUBLE_EQ(app.dtSim, 0.1);
    for (int i = 0; i <= 200; ++i) EXPECT_NEAR(app.tSim[i], 0.1 * i, 1e-13);
    EXPECT_FLOAT_EQ(app.rSim_P[10], 1.0f / 2.0f);
    EXPECT_EQ(app.tSim[200], 20.0);
    EXPECT_FLOAT_EQ(app.rSim_P[200], 20.0f / 21.0f);
    EXPECT_EQ(app.cSim_A[5], 42);  // no concentration curve
    EXPECT_EQ(app.cAkt[3], 3);

    app.bMMnormiert = false;
    app.KMichaelis = 0.05f;
    ASSERT_EQ(simulate(10), 0);
    EXPECT_EQ(app.dtSim, static_cast<double>(0.15f / 200.0f));
    EXPECT_NEAR(app.tSim[200], 0.15, 1e-8);
    EXPECT_NEAR(app.rSim_P[200], 3.0 / 4.0, 1e-6);  // (0.15/0.05)/(1 + 0.15/0.05)
    app.KMichaelis = 0;  // without KM the abscissa is taken as it is
    ASSERT_EQ(simulate(10), 0);
    EXPECT_NEAR(app.rSim_P[200], 0.15 / 1.15, 1e-6);
}

TEST(AxisRanges, SimulationModeStoresThemForTheModelsSpecies) {
    setUpModel(2, {0.15, 0, 0}, {1, 0, 0, 0.5, 0}, 100);
    ASSERT_EQ(simulate(2), 0);
    EXPECT_EQ(app.Achsenbereich[0], 0.0f);
    EXPECT_EQ(app.Achsenbereich[1], 100.0f);
    EXPECT_EQ(app.Achsenbereich[2], 0.0f);
    EXPECT_FLOAT_EQ(app.Achsenbereich[3], static_cast<Single>(app.cSim_P[200]));  // P ends above A0
    EXPECT_FLOAT_EQ(app.Achsenbereich[4], -0.15f * 1.05f);
    EXPECT_FLOAT_EQ(app.Achsenbereich[5], 0.15f * 1.05f);
    // A is represented by its start value; curves an enzyme run left in the
    // slots of B and C (S up to 5) do not count for A => P.
    setUpModel(10, {0.15, 0.1, 0.005}, {1, 5, 0, 0, 0}, 100);
    ASSERT_EQ(simulate(10), 0);
    ASSERT_GT(*std::max_element(app.cSim_B.begin(), app.cSim_B.end()), 4.0);
    app.c0 = {0, 2, 0, 0, 0, 0};
    app.iModell = 2;
    ASSERT_EQ(simulate(2), 0);
    EXPECT_EQ(app.Achsenbereich[3], 2.0f);
    EXPECT_FLOAT_EQ(app.Achsenbereich[4], -0.3f * 1.05f);
    EXPECT_FLOAT_EQ(app.Achsenbereich[5], 0.3f * 1.05f);
}

TEST(AxisRanges, FittingModeLeavesThem) {
    setUpModel(2, {0.15, 0, 0}, {1, 0, 0, 0, 0}, 100);
    app.bAuswertungsart = 1;
    for (int i = 0; i < 32; ++i) app.Achsenbereich[i] = static_cast<Single>(i + 0.5);
    ASSERT_EQ(simulate(2), 0);
    for (int i = 0; i < 32; ++i) EXPECT_EQ(app.Achsenbereich[i], static_cast<Single>(i + 0.5));
}
