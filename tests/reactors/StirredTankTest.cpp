#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "reactors/StirredTank.h"
#include "ReactorTestSupport.h"

using namespace vrn;
using namespace vrn::test;

namespace {

struct Given {
    double U = 0, V = 0, VPunkt = 0, tau = 0;
    auto tied() const { return std::tie(U, V, VPunkt, tau); }
};
struct Outcome {
    RKcontiStatus status;
    Given q;
    Konz c{};
};

Outcome tank(Integer model, Integer selection, Given g) {
    Outcome o{{}, g, {}};
    o.status = CalcRKconti(model, selection, o.q.U, o.q.V, o.q.VPunkt, o.q.tau, o.c);
    return o;
}

Outcome tankOk(Integer model, Integer selection, Given g) {
    Outcome o = tank(model, selection, g);
    EXPECT_TRUE(o.status.ok) << "model " << model << " selection " << selection << ": " << o.status.text;
    return o;
}

}  // namespace

TEST(StirredTank, FirstOrderForEverySelection) {
    setReactor(2, {0.15, 0, 0}, {1, 0, 0, 0, 0});
    const double cA = 1 / 1.75, U = 0.75 / 1.75;
    Outcome o = tankOk(2, 2, {0, 1, 0.2, 0});
    EXPECT_DOUBLE_EQ(o.q.tau, 5);
    EXPECT_NEAR(o.c[A], 0.5714286, 5e-8);
    EXPECT_NEAR(o.q.U, 0.4285714, 5e-8);
    for (double v : {o.c[P], o.q.U, app.ksi[1]}) EXPECT_NEAR(v, U, 1e-12);
    EXPECT_EQ(o.c[C], 0);
    EXPECT_DOUBLE_EQ(tankOk(2, 3, {0, 1, 0, 5}).q.VPunkt, 0.2);
    o = tankOk(2, 4, {0, 0, 0.2, 5});
    EXPECT_DOUBLE_EQ(o.q.V, 1);
    EXPECT_NEAR(o.c[A], cA, 1e-12);
    // U given: tau = U / (k (1 − U)).
    o = tankOk(2, 0, {0.5, 2, 0, 0});
    EXPECT_NEAR(o.q.tau, 0.5 / (0.15 * 0.5), 1e-12);
    EXPECT_NEAR(o.q.VPunkt, 2 / o.q.tau, 1e-12);
    EXPECT_DOUBLE_EQ(o.c[P], 0.5);
    EXPECT_NEAR(tankOk(2, 1, {0.8, 0, 0.3, 0}).q.V, 0.3 * 0.8 / (0.15 * 0.2), 1e-12);
}

// Outlets with hand-solved balances (tau = V / V*).
TEST(StirredTank, ClosedFormOutlets) {
    // model, k, c0, tau, the outlet, tolerance
    const double third = 1.0 / 3;
    const std::tuple<Integer, std::array<double, 3>, std::array<double, 5>, double, Konz, double> cases[] = {
        // 1 − A = A²
        {3, {0.25, 0, 0}, {1, 0, 0, 0.1, 0}, 2, {0, 0.6180339887, 0, 0, 0.1 + 0.1909830056, 0}, 1e-9},
        // 1 − A = A (1 + A)
        {4, {0.5, 0, 0}, {1, 2, 0, 0, 0}, 2, {0, 0.4142135624, 1.4142135624, 0, 0.5857864376, 0}, 1e-9},
        // equal feeds: the smaller root; 1 − A = 2 A²
        {4, {1, 0, 0}, {1, 1, 0, 0, 0}, 2, {0, 0.5, 0.5, 0, 0.5, 0}, 1e-12},
        // C = (C0 + k1 tau A) / (1 + k2 tau), to rounding since the outlets are
        // finished on all balances (the classic C iteration alone stopped 1e-6 above)
        {6, {1, 0.5, 0}, {1, 0, 0.2, 0, 0}, 2, {0, third, 0, 0.2 / 2 + third, 1.2 - third - 0.1 - third, 0}, 1e-12},
        {11, {0.3, 0.1, 0}, {1, 0, 0, 0.1, 0.2}, 5, {0, third, 0, 0, 0.1 + 0.5, 0.2 + 0.5 * third}, 1e-9},
        // x = tau (2 (1 − x)² − 0.25 (2x)²): x² − 5x + 2 = 0
        {12, {2, 0.25, 0}, {1, 1, 0, 0, 0}, 1, {0, 0.5615528128, 0.5615528128, 0, 0.8768943744, 0}, 1e-9},
        // K = 4: the quadratic degenerates to a linear equation, x = 0.4
        {12, {0.4, 0.1, 0}, {1, 1, 0, 0, 0}, 5, {0, 0.6, 0.6, 0, 0.8, 0}, 1e-12},
    };
    for (const auto& [model, ks, c0, tau, want, tol] : cases) {
        setReactor(model, ks, c0);
        const Outcome o = tankOk(model, 3, {0, 1, 0, tau});
        for (int s : {A, B, P, Q}) EXPECT_NEAR(o.c[s], want[s], tol) << "model " << model << " slot " << s;
        if (model == 6) {
            EXPECT_NEAR(o.c[C], want[C], tol);
        }
        EXPECT_NEAR(o.q.U, 1 - o.c[A], 1e-12);
    }
}

TEST(StirredTank, OrderNCountsAOnceInTheExtent) {
    setReactor(20, {0.15, 0, 0}, {1, 0, 0, 0.1, 0}, 2.0f);
    const Outcome o = tankOk(20, 3, {0, 1, 0, 5});  // 1 − A = 0.75 A²
    EXPECT_NEAR(o.c[A], 2.0 / 3, 1e-9);
    EXPECT_NEAR(o.c[P], 0.1 + 1.0 / 3, 1e-9);
    EXPECT_NEAR(app.ksi[1], 1.0 / 3, 1e-9);
    const Outcome g = tankOk(20, 0, {1.0 / 3, 1, 0, 0});
    EXPECT_NEAR(g.q.tau, 5, 1e-9);
    EXPECT_NEAR(g.c[P], 0.1 + 1.0 / 3, 1e-12);
}

// Every species balance of the models whose rate of A depends on C, with
// tau given and with U given, at the models' default inputs.
TEST(StirredTank, CoupledModelsMeetEveryBalance) {
    // model, k, c0
    const std::tuple<Integer, std::array<double, 3>, std::array<double, 5>> cases[] = {
        {7, {0.15, 0.05, 0}, {1, 1, 0, 0, 0}}, {10, {0.15, 0.1, 0.005}, {1, 5, 0, 0, 0}},
        {15, {0.15, 0.1, 0.005}, {1, 0, 0, 0, 0}}, {18, {0.15, 0.1, 0.005}, {1, 1, 0, 0, 0}},
        {18, {50, 0.5, 3}, {1, 2, 0.2, 0, 0}},
    };
    for (const auto& [model, ks, c0] : cases) {
        setReactor(model, ks, c0);
        Outcome o = tankOk(model, 2, {0, 1, 0.2, 0});
        EXPECT_LE(worstBalance(model, o.c, 5), 1e-9) << model;
        for (int s = 1; s <= 5; ++s) EXPECT_GE(o.c[s], 0) << model;
        if (model == 10) continue;  // its "conversion" is the bound enzyme
        o = tankOk(model, 0, {0.5, 1, 0, 0});
        EXPECT_NEAR(o.c[A], 0.5, 1e-12) << model;
        EXPECT_GT(o.q.tau, 0);
        EXPECT_NEAR(o.q.VPunkt, 1 / o.q.tau, 1e-12);
        EXPECT_LE(worstBalance(model, o.c, o.q.tau), 1e-9) << model;
    }
    // Model 15 is linear: A = A0 (1 + tau (k2 + k3)) / ((1 + tau k1)(1 + tau (k2 + k3)) − tau² k1 k2).
    setReactor(15, {0.15, 0.1, 0.005}, {1, 0, 0, 0, 0});
    const double s = 1 + 5 * 0.105;
    EXPECT_NEAR(tankOk(15, 2, {0, 1, 0.2, 0}).c[A], s / (1.75 * s - 25 * 0.015), 1e-12);
    // The other models with several reactions start from the c(C)
    // iteration, whose fixed point lies 1e-6 above the root; their outlets
    // are finished on all the balances.
    for (Integer model : {Integer{9}, Integer{13}, Integer{14}}) {
        setReactor(model, {0.15, 0.1, 0.005}, {1, 1, 0, 0, 0});
        const Outcome o = tankOk(model, 2, {0, 1, 0.2, 0});
        EXPECT_LE(worstBalance(model, o.c, 5), 1e-12) << model;
        EXPECT_GT(o.c[C], 0);
    }
}

TEST(StirredTank, TooLittleB) {
    setReactor(4, {0.15, 0, 0}, {1, 0.5, 0, 0, 0});
    Outcome o = tank(4, 0, {0.5, 1, 0, 0});
    EXPECT_TRUE(o.status.bZuWenigB && !o.status.bRechenFehler);
    EXPECT_EQ(o.status.text,
              "Die Anfangskonzentration von B ist für den gewünschten Umsatz nicht ausreichend.\r\n"
              "(Die Endkonzentration von B darf nicht bis auf Null absinken.)");
    EXPECT_EQ(o.status.title, " Ausführung nicht möglich ");
    app.c0[B] = 0.4;
    o = tank(4, 1, {0.5, 0, 1, 0});
    EXPECT_TRUE(o.status.bZuWenigB);
    EXPECT_EQ(o.status.text, "Die Anfangskonzentration von B ist für den gewünschten Umsatz nicht ausreichend.");
    // Model 7 makes C from B, which takes A again: B need not cover U alone.
    setReactor(7, {0.15, 0.05, 0}, {1, 0.5, 0, 0, 0});
    o = tankOk(7, 0, {0.5, 1, 0, 0});
    EXPECT_FALSE(o.status.bZuWenigB);
    EXPECT_GE(o.c[B], 0);
}

TEST(StirredTank, CalculationFailures) {
    // what, model, k, c0, selection, the given quantities
    const std::tuple<const char*, Integer, std::array<double, 3>, std::array<double, 5>, Integer, Given> cases[] = {
        {"zero order cannot reach a steady state", 1, {0.5, 0, 0}, {1, 0, 0, 0, 0}, 3, {0, 1, 0, 5}},
        {"no rate of A", 2, {0, 0, 0}, {1, 0, 0, 0, 0}, 0, {0.5, 1, 0, 0}},
        {"equilibrium beyond reach (tau < 0)", 17, {0.15, 0.01, 0}, {1, 0, 0, 0, 0}, 0, {0.5, 1, 0, 0}},
        {"conversion beyond reach", 7, {0.15, 0.05, 0}, {1, 0.1, 0, 0, 0}, 0, {0.9, 1, 0, 0}},
        {"infinite residence time", 2, {0.15, 0, 0}, {1, 0, 0, 0, 0}, 2, {0, 1e300, 1e-300, 0}},
        {"infinite volume flow", 2, {0.15, 0, 0}, {1, 0, 0, 0, 0}, 2, {0, 1, HUGE_VAL, 0}},
        {"no feed of A", 2, {0.15, 0, 0}, {0, 0, 0, 0, 0}, 2, {0, 1, 0.2, 0}},
        {"negative constant", 9, {0.15, -0.1, 0}, {1, 1, 0, 0, 0}, 2, {0, 1, 0.2, 0}},
        {"overflowing rates", 3, {1e300, 0, 0}, {1e10, 0, 0, 0, 0}, 3, {0, 1, 0, 1e300}},
    };
    for (const auto& [what, model, ks, c0, selection, g] : cases) {
        setReactor(model, ks, c0);
        app.ksi = {0, 9, 9, 9};
        const Outcome o = tank(model, selection, g);
        EXPECT_TRUE(o.status.bRechenFehler && !o.status.bZuWenigB) << what;
        EXPECT_EQ(o.status.text + "|" + o.status.title, "Berechnungsfehler aufgetreten.| Ausführung nicht möglich ");
        EXPECT_EQ(std::tuple(o.c, app.ksi[1] + app.ksi[2] + app.ksi[3]), std::tuple(Konz{}, 0)) << what;
        EXPECT_EQ(o.q.tied(), g.tied()) << what;  // the given and computed quantities unchanged
    }
}
