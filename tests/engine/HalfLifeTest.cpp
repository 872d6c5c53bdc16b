#include "engine/ClosedForms.h"
#include "engine/HalfLife.h"
#include "support/TestSupport.h"

using namespace vrn;
using namespace vrn::test;

namespace {

Single halfA(Integer kind, double cA0, double cB0, double cP0, double k1, double k2) {
    app.iDiagrammTyp = kind;
    return FuHalbwertszeitA(cA0, cB0, cP0, k1, k2);
}
Single halfB(Integer kind, double cA0, double cB0, double cP0, double k1, double k2) {
    app.iDiagrammTyp = kind;
    return FuHalbwertszeitB(cA0, cB0, cP0, k1, k2);
}

// Concentration of slot s of a closed-form model at t.
double closedAt(Integer model, double A0, double B0, double P0, double k1, double k2, double t, int s) {
    Konz c{};
    ClosedForm(model, Konz{0, A0, B0, 0, P0, 0}, Konstanten{0, k1, k2, 0}).at(t, c);
    return c[static_cast<std::size_t>(s)];
}

}  // namespace

TEST(HalfLife, FormulasByDiagramKind) {
    resetAppState("/prog");
    MsgRecorder rec;
    app.k[1] = 0.3;
    // kind, cA0, cB0, cP0, k1, k2, expected
    const std::tuple<Integer, double, double, double, double, double, double> cases[] = {
        {1, 1, 0, 0, 0.15, 0, 1 / 0.3},           {51, 0.6, 0, 0, 0.1, 0, 3},
        {2, 1, 0, 0, 0.15, 0, std::log(2) / 0.15}, {52, 1, 0, 0, 0.5, 0, std::log(2) / 0.5},
        {-5, 1, 0, 0, 0.15, 0, 4.620981}, {3, 0.5, 0, 0, 0.2, 0, 5},
        {53, 0.5, 0, 0, 0.2, 0, 5},                {-6, 0.25, 0, 0, 0.2, 0, 10},
        {4, 0.5, 0.5, 0, 0.2, 0, 10},              {9, 0.5, 0.5, 0, 0.2, 0, 10},
        {54, 1, 0.8, 0, 0.2, 0, std::log(0.8 / 0.6) / (0.2 * 0.2)},
        {-8, 0.4, 1, 0, 0.3, 0, std::log(1 / 1.6) / (0.3 * -0.6)},
        {5, 1, 0, 0.01, 0.15, 0, std::log(1.02 / 0.01) / (0.15 * 1.01)},
        {66, 1, 0, 0.01, 0.15, 0, std::log(1.02 / 0.01) / (0.15 * 1.01)},
        {6, 1, 0, 0, 99, 0, std::log(2) / 0.3},    // reads k(1) of the state
        {56, 1, 0, 0, 99, 0, std::log(2) / 0.3},
        {11, 1, 0, 0, 0.15, 0.05, std::log(2) / 0.2}, {61, 1, 0, 0, 0.15, 0.05, std::log(2) / 0.2},
        {7, 1, 1, 0, 0.15, 0.05, 0},               {10, 1, 5, 0, 0.15, 0.1, 0},
        {20, 1, 0, 0, 0.15, 0, 0},                 {-1, 1, 0, 0, 0.15, 0, 0},
        {100, 1, 0, 0, 0.15, 0, 0},
    };
    for (const auto& [kind, cA0, cB0, cP0, k1, k2, expected] : cases)
        EXPECT_FLOAT_EQ(halfA(kind, cA0, cB0, cP0, k1, k2), static_cast<Single>(expected)) << kind;
    EXPECT_EQ(std::tuple(rec.count(), rec.beeps()), std::tuple(0u, 0));
}

TEST(HalfLife, ReactantRunsShort) {
    resetAppState("/prog");
    MsgRecorder rec;
    EXPECT_EQ(halfA(4, 1, 0.5, 0, 0.15, 0), 0);  // B runs out at A = 0.5
    EXPECT_EQ(rec.beeps(), 1);
    EXPECT_EQ(halfB(4, 0.5, 1, 0, 0.15, 0), 0);  // A runs out at B = 0.5
    EXPECT_EQ(rec.beeps(), 2);
    // The half-life of B when A is in excess: B(tau) = B0/2 on the curve.
    const Single tau = halfB(54, 1, 0.8, 0, 0.2, 0);
    EXPECT_NEAR(closedAt(4, 1, 0.8, 0, 0.2, 0, tau, 2), 0.4, 1e-6);
    EXPECT_FLOAT_EQ(halfB(-8, 0.5, 0.5, 0, 0.2, 0), 10.0f);
    // Kinds without a formula for B beep and give 0.
    for (Integer kind : {2, 8, 14, 15, 20, -5}) EXPECT_EQ(halfB(kind, 1, 1, 0, 0.15, 0.1), 0);
    EXPECT_EQ(std::tuple(rec.beeps(), rec.count()), std::tuple(8, 0u));
}

TEST(HalfLife, ReversibleFirstOrder) {
    resetAppState("/prog");
    MsgRecorder rec;
    // Equilibrium beyond the half value: the time where A = A0/2 on the curve.
    const Single tau = halfA(8, 1, 0, 0.1, 0.3, 0.05);
    EXPECT_NEAR(closedAt(8, 1, 0, 0.1, 0.3, 0.05, tau, 1), 0.5, 1e-6);
    EXPECT_FLOAT_EQ(halfA(58, 1, 0, 0.1, 0.3, 0.05), tau);
    // k1 = k2 and P0 = 0: the equilibrium lies at A0/2 exactly.
    EXPECT_EQ(halfA(8, 1, 0, 0, 0.2, 0.2), -1);
    EXPECT_TRUE(isOnlyMessage(rec, "c(A)(0)/2 kann bei dieser Gleichgewichtslage nicht erreicht werden",
                              " Ausführung nicht möglich ", MsgIcon::Critical));
}

TEST(HalfLife, ReversibleSecondOrderByNewton) {
    MsgRecorder rec;
    // Model defaults, unequal start values, and k1 = 4·k2 (a = 1e-8).
    // kind, A0, B0, P0, k1, k2, reachA, reachB (the scarcer reactant alone can fall to half)
    const std::tuple<Integer, double, double, double, double, double, bool, bool> cases[] = {
        {12, 1, 0.5, 0, 0.15, 0.01, false, true}, {62, 0.8, 1, 0.1, 0.3, 0.02, true, true},
        {12, 1, 2, 0, 0.4, 0.1, true, false},     {17, 1, 0.5, 0, 0.15, 0.01, false, true},
        {67, 0.8, 1, 0.1, 0.3, 0.02, true, true}, {17, 0.5, 0.5, 0, 2, 0.05, true, true},
        {12, 1, 1, 0, 0.4, 0.1, false, false},  // K = 4, A0 = B0: the equilibrium is exactly at half
    };
    for (const auto& [kind, A0, B0, P0, k1, k2, reachA, reachB] : cases) {
        resetAppState("/prog");
        rec.clear();
        app.c0 = {0, A0, B0, 0, P0, 0};
        const Integer model = kind % 50;
        const Single tauA = halfA(kind, A0, B0, P0, k1, k2);
        const Single tauB = halfB(kind, A0, B0, P0, k1, k2);
        if (reachA) {
            ASSERT_GT(tauA, 0) << kind;
            EXPECT_NEAR(closedAt(model, A0, B0, P0, k1, k2, tauA, 1), A0 / 2, 2e-6 * A0) << kind;
        } else {
            EXPECT_EQ(tauA, -1) << kind;
        }
        if (reachB) {
            ASSERT_GT(tauB, 0) << kind;
            EXPECT_NEAR(closedAt(model, A0, B0, P0, k1, k2, tauB, 2), B0 / 2, 2e-6 * B0) << kind;
        } else {
            EXPECT_EQ(tauB, -1) << kind;
        }
        if (A0 == B0) {
            EXPECT_NEAR(tauA, tauB, 1e-5 * std::fabs(tauA));
        }
        EXPECT_EQ(rec.count(), (reachA ? 0u : 1u) + (reachB ? 0u : 1u)) << kind;
        for (const auto& m : rec.messages()) EXPECT_EQ(m.title, " Ausführung nicht möglich ");
    }
}

TEST(HalfLife, FastAndSlowReversibleReactions) {
    // The half-life scales as 1/k1 at a fixed equilibrium constant, over seven
    // decades: the iteration also finds half-lives far below its start value.
    MsgRecorder rec;
    for (Integer kind : {12, 17}) {
        double ref = 0;
        for (double k1 : {1e-4, 1e-2, 0.15, 1.5, 15.0, 150.0, 1500.0}) {
            resetAppState("/prog");
            app.c0 = {0, 1, 1, 0, 0, 0};
            const Single tau = halfA(kind, 1, 1, 0, k1, k1 / 20);
            ASSERT_GT(tau, 0) << kind << " " << k1;
            if (ref == 0) ref = tau * k1;
            EXPECT_NEAR(tau * k1, ref, 3e-6 * ref) << kind << " " << k1;
            EXPECT_NEAR(closedAt(kind, 1, 1, 0, k1, k1 / 20, tau, 1), 0.5, 1e-5);
        }
    }
    EXPECT_EQ(rec.count(), 0u);
}

TEST(HalfLife, EquilibriumRootKeepsConcentrationsPositive) {
    // A + B <=> P, A0 = B0 = 0.1, K = 10: the equilibrium extent is 0.038 (the
    // other root, 0.262, would leave negative A and B), so A never reaches 0.05.
    resetAppState("/prog");
    MsgRecorder rec;
    EXPECT_EQ(halfA(17, 0.1, 0.1, 0, 1, 0.1), -1);
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(rec.last().text, "c(A) = c(A)(0)/2 kann bei dieser Gleichgewichtslage nicht erreicht werden");
    EXPECT_EQ(halfB(67, 0.1, 0.1, 0, 1, 0.1), -1);
    EXPECT_EQ(rec.last().text, "c(B) = c(B)(0)/2 kann bei dieser Gleichgewichtslage nicht erreicht werden");
    // A + B <=> 2P: the equilibrium from c0 of the state; concentrations of
    // about 1.2 mol/l no longer confuse the choice of the root.
    app.c0 = {0, 1.2, 1.5, 0, 0, 0};
    const Single tau = halfA(12, 1.2, 1.5, 0, 0.15, 0.01);
    EXPECT_GT(tau, 0);
    EXPECT_NEAR(closedAt(12, 1.2, 1.5, 0, 0.15, 0.01, tau, 1), 0.6, 2e-6);
}

TEST(HalfLife, RuntimeFailures) {
    resetAppState("/prog");
    MsgRecorder rec;
    EXPECT_EQ(halfA(2, 1, 0, 0, 0, 0), -1);
    EXPECT_EQ(rec.last().title, "Meldung von FuHalbwertszeitA");
    EXPECT_EQ(rec.last().text, "Division durch Null");
    EXPECT_EQ(halfA(5, 1, 0, 0, 0.15, 0), -1);  // no catalyst
    EXPECT_EQ(halfA(17, 1, 0.5, 0, 0.15, 0), -1);  // k2 = 0: K = k1/0
    EXPECT_EQ(rec.last().text, "Division durch Null");
    EXPECT_EQ(halfB(12, 1, 0.5, 0, 0.15, 0), -1);
    EXPECT_EQ(std::tuple(rec.last().title, rec.count()), std::tuple("Meldung von FuHalbwertszeitB", 4u));
    // A negative time is no half-life.
    EXPECT_EQ(halfA(2, 1, 0, 0, -0.15, 0), 0);
}
