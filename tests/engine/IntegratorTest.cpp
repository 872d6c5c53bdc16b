// The explicit rule and its hand-over to the implicit integrator, held
// against references written from the rate laws: enzymes that bind tightly
// (exhaustion of the substrate), an explicit step beyond the rule's
// stability limit, order n < 1 running out, and a scan over enzyme settings.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <tuple>

#include "EngineTestSupport.h"
#include "EnzymeReference.h"
#include "engine/ExplicitIntegrator.h"
#include "engine/Simulation.h"
#include "engine/StiffIntegrator.h"
#include "support/TestSupport.h"

using namespace vrn;
using namespace vrn::test;

namespace {

// The enzyme curve of the time diagram (model 10, E, S, ES, P).
Integer simulateEnzyme(const EnzymeCase& c, double tEnd) {
    setUpModel(10, {c.k1, c.k2, c.k3}, {c.E0, c.S0, 0, 0, 0}, static_cast<Single>(tEnd), "11110");
    return simulate(10);
}

// The largest deviation of the simulated enzyme curve from the reference at
// the simulated times, per slot, in units of E0 (E, ES) and S0 (S, P).
std::array<double, 5> worstDeviation(const EnzymeCase& c, double tol = 1e-10) {
    const auto ref = enzymeReferenceAt(c, std::vector<double>(app.tSim.begin(), app.tSim.begin() + 201), tol);
    std::array<double, 5> worst{};
    for (std::size_t j = 0; j <= 200; ++j)
        for (std::size_t s = 1; s <= 4; ++s) {
            const double scale = s == 1 || s == 3 ? c.E0 : c.S0;
            worst[s] = std::max(worst[s], std::fabs(cSimOf(int(s))[j] - ref[j][s]) / scale);
        }
    return worst;
}

}  // namespace

// A tightly binding enzyme (K_M = 2e-9 mol/l) with a thousand times less
// enzyme than substrate: S falls almost linearly to 0 at t = S0/(k3 E0),
// then E returns to E0. Every point agrees with the reference to 1e-6 of S0
// in S and P and 1e-6 of E0 in E and ES, no message. The run that ends where
// the substrate is exhausted keeps S >= 0 and its balances; E there changes
// by half of E0 within a second, and the reference itself is good to a few
// thousandths of E0 at that point only.
TEST(StiffEnzyme, TightBindingToExhaustionAndBeyond) {
    MsgRecorder rec;
    const std::tuple<EnzymeCase, double> cases[] = {
        {{1e-7, 1, 1e9, 1, 1}, 1.5e7},
        {{1e-5, 1, 1e9, 1, 1}, 1.5e5},
        {{1e-4, 1, 1e8, 1, 1}, 15000.002072326584},
        {{1e-4, 1, 1e8, 1, 1}, 15000.002072326582},
    };
    for (const auto& [c, tEnd] : cases) {
        SCOPED_TRACE(testing::Message() << "E0 " << c.E0 << ", t " << tEnd);
        ASSERT_EQ(simulateEnzyme(c, tEnd), 0);
        const auto worst = worstDeviation(c);
        EXPECT_LT(worst[1], 1e-6);
        EXPECT_LT(worst[3], 1e-6);
        EXPECT_LT(worst[2], 1e-6);
        EXPECT_LT(worst[4], 1e-6);
        EXPECT_NEAR(app.cSim_A[200], c.E0, 1e-9 * c.E0);  // the enzyme is free again
        EXPECT_NEAR(app.cSim_P[200], c.S0, 1e-9 * c.S0);
    }
    const EnzymeCase c{1e-7, 1, 1e9, 1, 1};
    ASSERT_EQ(simulateEnzyme(c, 1.0000000078e7), 0);
    const auto ref = enzymeReferenceAt(c, {0, app.tSim[199], app.tSim[200]});
    for (int j = 0; j <= 200; ++j) {
        EXPECT_GE(app.cSim_B[j], 0) << j;
        EXPECT_NEAR(app.cSim_A[j] + app.cSim_C[j], c.E0, 1e-9 * c.E0) << j;
        EXPECT_NEAR(app.cSim_B[j] + app.cSim_C[j] + app.cSim_P[j], c.S0, 1e-9 * c.S0) << j;
    }
    EXPECT_NEAR(app.cSim_A[199], ref[1][1], 1e-6 * c.E0);
    EXPECT_NEAR(app.cSim_A[200], ref[2][1], 1e-2 * c.E0);
    EXPECT_NEAR(app.cSim_B[200], ref[2][2], 1e-9 * c.S0);
    EXPECT_EQ(rec.count(), 0u);
}

// k1 = 1e6, K_M = 1.1e-5 mol/l, E0 = 1e-7, S0 = 1e-5: the explicit rule's
// one- and two-substep trials of the interval before point 15 both lie
// beyond its stability limit (h lambda = -11 and -5.6) and agree within 1 %;
// accepted, they made E = 5.3 E0 and ES = -4.3 E0 there. Such a pair halves
// its substep as a disagreeing one does, and the run stays on the explicit
// rule, as close to the reference as its 1 % trials allow. The right values
// at point 15 (t = 9.6733 s): E = 6.475e-8, ES = 3.525e-8, P = 3.997e-6.
TEST(StiffEnzyme, UnstableExplicitStepsAreHalved) {
    MsgRecorder rec;
    const EnzymeCase c{1e-7, 1e-5, 1e6, 1, 10};
    ASSERT_EQ(simulateEnzyme(c, 128.97796), 0);
    EXPECT_NEAR(app.cSim_A[15], 6.475e-8, 5e-12);
    EXPECT_NEAR(app.cSim_C[15], 3.525e-8, 5e-12);
    EXPECT_NEAR(app.cSim_P[15], 3.997e-6, 5e-10);
    const auto worst = worstDeviation(c);
    EXPECT_LT(worst[1], 3e-5);
    EXPECT_LT(worst[3], 3e-5);
    EXPECT_LT(worst[2], 3e-5);
    EXPECT_FALSE(lastSimulationImplicit());
    EXPECT_EQ(rec.count(), 0u);
}

// The stability test of the explicit rule: on the negative real axis the
// classical Runge-Kutta step is stable up to h lambda = -2.7853, on the
// imaginary axis up to 2 sqrt(2); a growing mode is no instability of the
// rule; a Jacobian whose norm is large but whose modes are small is judged
// by its modes. The Jacobians are those of model 15 (A <=> C => P) whose
// reactions' modes are the eigenvalues of the 2 x 2 matrix R: J = N R N+,
// with N the two directions (A -1, C +1) and (C -1, P +1), written out here.
TEST(ExplicitRule, StabilityLimit) {
    const auto jacobian = [](double a, double b, double c, double d) {
        const double N[3][2] = {{-1, 0}, {1, -1}, {0, 1}};
        const double Nplus[2][3] = {{-2.0 / 3, 1.0 / 3, 1.0 / 3}, {-1.0 / 3, -1.0 / 3, 2.0 / 3}};
        const double R[2][2] = {{a, b}, {c, d}};
        const int slot[3] = {A, C, P};
        Jacobi J{};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                for (int p = 0; p < 2; ++p)
                    for (int q = 0; q < 2; ++q)
                        J[std::size_t(slot[i])][std::size_t(slot[j])] += N[i][p] * R[p][q] * Nplus[q][j];
        return J;
    };
    const std::tuple<Jacobi, double, bool> cases[] = {
        {jacobian(-1, 0, 0, -0.5), 2.78, true},
        {jacobian(-1, 0, 0, -0.5), 2.79, false},
        {jacobian(-1e-9, 1, -1, -1e-9), 2.82, true},   // modes -1e-9 +- i
        {jacobian(-1e-9, 1, -1, -1e-9), 2.84, false},
        {jacobian(3, 0, 0, -0.1), 10, true},           // growth at rate 3
        {jacobian(-1, 1000, 0, -1), 1, true},          // modes -1, -1
        {jacobian(-1, 1000, 0, -1), 2.9, false},
    };
    for (const auto& [J, h, stable] : cases) EXPECT_EQ(rungeKuttaStable(15, J, h), stable) << h;
    // Model 20 has one mode, -k1 n A^(n-1): k1 = 1, n = 1.
    Jacobi J20{};
    J20[1][1] = -1;
    J20[4][1] = 1;
    EXPECT_TRUE(rungeKuttaStable(20, J20, 2.78));
    EXPECT_FALSE(rungeKuttaStable(20, J20, 2.79));
}

// Order 0.55 uses A up at t = 1/(0.45 k) = 2.2222: A = (1 - 0.45 k t)^(1/0.45)
// until then, and exactly 0 after, with A + P kept, in the curve and on the
// implicit path (the batch reactor has its own test).
TEST(ExplicitRule, OrderBelowOneEndsAtZeroEverywhere) {
    MsgRecorder rec;
    const auto exact = [](double t) { return std::pow(std::max(0.0, 1 - 0.45 * t), 1 / 0.45); };
    for (Single tEnd : {2.222f, 4.0f}) {
        setUpModel(20, {1, 0, 0}, {1, 0, 0, 0, 0}, tEnd, "10010");
        app.nOrdnung = 0.55f;
        ASSERT_EQ(simulate(20), 0);
        for (int j = 0; j <= 200; ++j) {
            const double t = app.tSim[j];
            EXPECT_GE(app.cSim_A[j], 0) << j;
            EXPECT_NEAR(app.cSim_A[j], exact(t), 2e-6) << t;
            EXPECT_NEAR(app.cSim_A[j] + app.cSim_P[j], 1, 1e-13) << j;
            if (t > 2.23) {
                EXPECT_EQ(app.cSim_A[j], 0) << t;
            }
        }
    }
    Konz c{0, 1, 0, 0, 0, 0};
    StiffIntegrator implicit(20, Konstanten{0, 1, 0, 0}, static_cast<double>(0.55f), c, 0);
    for (double t : {1.0, 2.0, 2.222, 3.0, 10.0}) {
        ASSERT_TRUE(implicit.advanceTo(t, c));
        EXPECT_NEAR(c[A], exact(t), 1e-6) << t;
        EXPECT_GE(c[A], 0) << t;
        EXPECT_NEAR(c[A] + c[P], 1, 1e-9) << t;
    }
    EXPECT_EQ(c[A], 0);
    EXPECT_EQ(rec.count(), 0u);
}

// Enzyme settings from fast to very tight binding (k1 1e4..1e9, K_M/S0 from 1
// down to 1e-9, E0 1e-3..1e-7, S0 1 and 1e-2, end times 1.5 and 3 times the
// time the substrate needs): every curve is computed without a message, and
// no point of E or ES lies further than 1e-3 E0 from the reference.
TEST(StiffEnzyme, ScanOverEnzymeSettings) {
    MsgRecorder rec;
    int cases = 0;
    for (double k1 : {1e4, 1e6, 1e8, 1e9})
        for (double kmRel : {1.0, 1e-3, 1e-6, 1e-9})
            for (double E0 : {1e-3, 1e-5, 1e-7})
                for (double S0 : {1.0, 1e-2})
                    for (double factor : {1.5, 3.0}) {
                        const double KM = kmRel * S0, kcat = KM * k1 / 2;
                        const EnzymeCase c{E0, S0, k1, kcat, kcat};
                        const double tEx = (S0 + KM * std::log(1000.0)) / (kcat * E0);
                        SCOPED_TRACE(testing::Message() << "k1 " << k1 << ", KM/S0 " << kmRel << ", E0 " << E0
                                                        << ", S0 " << S0 << ", t " << factor << " tEx");
                        ASSERT_EQ(simulateEnzyme(c, factor * tEx), 0);
                        const auto worst = worstDeviation(c, 1e-9);
                        EXPECT_LT(worst[1], 1e-3);
                        EXPECT_LT(worst[3], 1e-3);
                        ++cases;
                    }
    EXPECT_EQ(cases, 192);
    EXPECT_EQ(rec.count(), 0u);
}
