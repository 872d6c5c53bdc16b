#include <gtest/gtest.h>

#include <cmath>

#include "engine/RateLaws.h"
#include "shell/AppState.h"

using namespace vrn;

namespace {

struct RateCase {
    Integer model;
    std::array<double, 6> rates;  // dc/dt of slots 1..5 (element 0 unused)
};

// Rates hand-computed at A = 0.5, B = 0.25, C = 0.2, P = 0.4, Q = 0.1 with
// k1 = 2, k2 = 3, k3 = 5 (model 20: n = 1.5).
constexpr RateCase kRates[] = {
    {1, {0, -2, 0, 0, 2, 0}},
    {2, {0, -1, 0, 0, 1, 0}},
    {3, {0, -1, 0, 0, 0.5, 0}},
    {4, {0, -0.25, -0.25, 0, 0.25, 0}},
    {5, {0, -0.4, 0, 0, 0.4, 0}},
    {6, {0, -1, 0, 0.4, 0.6, 0}},
    {7, {0, -0.55, -0.25, -0.05, 0.3, 0}},
    {8, {0, 0.2, 0, 0, -0.2, 0}},
    {9, {0, -0.25, -0.25, -0.35, 0.6, 0}},
    {10, {0, 1.35, 0.35, -1.35, 1.0, 0}},
    {11, {0, -2.5, 0, 0, 1.0, 1.5}},
    {12, {0, 0.23, 0.23, 0, -0.46, 0}},
    {13, {0, -0.25, -0.25, 1.65, -1.4, 0}},
    {14, {0, -1, 0, 2.4, -1.4, 0}},
    {15, {0, -0.4, 0, -0.6, 1.0, 0}},
    {16, {0, -0.4, 0, 0, 0.4, 0.4}},
    {17, {0, 0.95, 0.95, 0, -0.95, 0}},
    {18, {0, 0.35, 0.35, -1.35, 1.0, 0}},
    {20, {0, -0.70710678118654752, 0, 0, 0.70710678118654752, 0}},
};

const Konz kC{0, 0.5, 0.25, 0.2, 0.4, 0.1};
const Konstanten kK{0, 2, 3, 5};

}  // namespace

TEST(RateLaws, EveryModelAtOnePoint) {
    resetAppState("/prog");
    app.nOrdnung = 1.5f;
    for (const RateCase& rc : kRates) {
        Konz d;
        d.fill(99);  // stale values must not survive
        EXPECT_TRUE(calc_dcdt(rc.model, d, kK, kC)) << rc.model;
        EXPECT_EQ(d[0], 99) << "element 0 is not touched";
        for (std::size_t s = 1; s <= 5; ++s) EXPECT_NEAR(d[s], rc.rates[s], 1e-12) << "model " << rc.model << " slot " << s;
    }
}

TEST(RateLaws, NoModelGivesZeroRates) {
    for (Integer model : {Integer(19), Integer(0), Integer(-3), Integer(21), Integer(100)}) {
        Konz d;
        d.fill(7);
        EXPECT_TRUE(calc_dcdt(model, d, kK, kC));
        for (std::size_t s = 1; s <= 5; ++s) EXPECT_EQ(d[s], 0) << model;
    }
}

TEST(RateLaws, OrderNModel) {
    resetAppState("/prog");
    const Konstanten k{0, 0.15, 0, 0};
    for (Single n : {0.5f, 1.0f, 1.5f, 2.0f, 3.7f}) {
        app.nOrdnung = n;
        Konz d;
        calc_dcdt(20, d, k, Konz{0, 1, 0, 0, 0, 0});
        EXPECT_DOUBLE_EQ(d[1], -0.15) << n;
        EXPECT_DOUBLE_EQ(d[4], 0.15) << n;
        for (double a : {0.0, -0.2}) {
            d.fill(5);
            calc_dcdt(20, d, k, Konz{0, a, 0, 0, 0, 0});
            for (std::size_t s = 1; s <= 5; ++s) EXPECT_EQ(d[s], 0) << "A = " << a;
        }
    }
    app.nOrdnung = 2;
    Konz d;
    calc_dcdt(20, d, k, Konz{0, 0.4, 0, 0, 0, 0});
    EXPECT_NEAR(d[1], -0.15 * 0.16, 1e-15);
}

TEST(RateLaws, ZeroOrderIgnoresTheConcentration) {
    Konz d;
    calc_dcdt(1, d, Konstanten{0, 0.3, 0, 0}, Konz{});
    EXPECT_EQ(d[1], -0.3);
    EXPECT_EQ(d[4], 0.3);
}

TEST(RateLaws, MassBalances) {
    const Konstanten k{0, 1.3, 0.7, 0.45};
    for (const Konz& c : {Konz{0, 0.9, 0.3, 0.2, 0.05, 0.4}, Konz{0, 0.01, 2, 0.6, 1.1, 0}}) {
        Konz d;
        calc_dcdt(10, d, k, c);  // E + ES and S + ES + P are conserved
        EXPECT_NEAR(d[1] + d[3], 0, 1e-14);
        EXPECT_NEAR(d[2] + d[3] + d[4], 0, 1e-14);
        calc_dcdt(12, d, k, c);  // two P per reaction
        EXPECT_NEAR(2 * d[1] + d[4], 0, 1e-14);
        for (Integer m : {4, 9, 12, 13, 17, 18}) {
            calc_dcdt(m, d, k, c);
            EXPECT_EQ(d[1], d[2]) << m;
        }
        calc_dcdt(7, d, k, c);  // A is consumed twice
        EXPECT_NEAR(d[1], d[2] - k[2] * c[1] * c[3], 1e-14);
        EXPECT_NEAR(d[1] + d[3] + 2 * d[4], 0, 1e-14);
        EXPECT_NEAR(d[2] + d[3] + d[4], 0, 1e-14);
        for (Integer m : {6, 9, 13, 14, 15, 18}) {
            calc_dcdt(m, d, k, c);
            EXPECT_NEAR(d[1] + d[3] + d[4], 0, 1e-14) << m;
        }
        calc_dcdt(11, d, k, c);
        EXPECT_NEAR(d[1] + d[4] + d[5], 0, 1e-14);
        calc_dcdt(3, d, k, c);
        EXPECT_NEAR(d[1] + 2 * d[4], 0, 1e-14);
    }
}

TEST(RateLaws, SameArrayForConcentrationsAndRates) {
    Konz c{0, 0.5, 0.25, 0.2, 0.4, 0.1};
    calc_dcdt(9, c, kK, c);
    EXPECT_NEAR(c[1], -0.25, 1e-15);
    EXPECT_NEAR(c[3], -0.35, 1e-15);
}

TEST(RateLaws, OverflowIsReported) {
    Konz d;
    EXPECT_FALSE(calc_dcdt(2, d, Konstanten{0, 1e300, 0, 0}, Konz{0, 1e300, 0, 0, 0, 0}));
    resetAppState("/prog");
    app.nOrdnung = 400;
    EXPECT_FALSE(calc_dcdt(20, d, Konstanten{0, 1, 0, 0}, Konz{0, 10, 0, 0, 0, 0}));
    EXPECT_TRUE(calc_dcdt(20, d, Konstanten{0, 1, 0, 0}, Konz{0, 0.5, 0, 0, 0, 0}));
}

TEST(RateLaws, NumericalModels) {
    for (Integer m = -1; m <= 21; ++m) {
        const bool expected = m == 7 || m == 9 || m == 10 || m == 13 || m == 14 || m == 15 || m == 18 || m == 20;
        EXPECT_EQ(isNumericalModel(m), expected) << m;
    }
}
