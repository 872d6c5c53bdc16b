#include <gtest/gtest.h>

#include "engine/RateLaws.h"
#include "shell/AppState.h"

using namespace vrn;

namespace {

// Rates hand-computed at A = 0.5, B = 0.25, C = 0.2, P = 0.4, Q = 0.1 with
// k1 = 2, k2 = 3, k3 = 5 (model 20: n = 1.5); models 19, 0, -3 and 21 have none.
constexpr std::pair<Integer, std::array<double, 6>> kRates[] = {
    {1, {0, -2, 0, 0, 2, 0}}, {2, {0, -1, 0, 0, 1, 0}}, {3, {0, -1, 0, 0, 0.5, 0}}, {4, {0, -0.25, -0.25, 0, 0.25, 0}},
    {5, {0, -0.4, 0, 0, 0.4, 0}}, {6, {0, -1, 0, 0.4, 0.6, 0}}, {7, {0, -0.55, -0.25, -0.05, 0.3, 0}},
    {8, {0, 0.2, 0, 0, -0.2, 0}}, {9, {0, -0.25, -0.25, -0.35, 0.6, 0}}, {10, {0, 1.35, 0.35, -1.35, 1.0, 0}},
    {11, {0, -2.5, 0, 0, 1.0, 1.5}}, {12, {0, 0.23, 0.23, 0, -0.46, 0}}, {13, {0, -0.25, -0.25, 1.65, -1.4, 0}},
    {14, {0, -1, 0, 2.4, -1.4, 0}}, {15, {0, -0.4, 0, -0.6, 1.0, 0}}, {16, {0, -0.4, 0, 0, 0.4, 0.4}},
    {17, {0, 0.95, 0.95, 0, -0.95, 0}}, {18, {0, 0.35, 0.35, -1.35, 1.0, 0}},
    {20, {0, -0.70710678118654752, 0, 0, 0.70710678118654752, 0}}, {19, {}}, {0, {}}, {-3, {}}, {21, {}},
};

const Konz kC{0, 0.5, 0.25, 0.2, 0.4, 0.1};
const Konstanten kK{0, 2, 3, 5};

Konz rates(Integer model, const Konz& c, const Konstanten& k = kK) {
    Konz d;
    d.fill(99);  // stale values must not survive
    calc_dcdt(model, d, k, c, static_cast<double>(app.nOrdnung));
    return d;
}

}  // namespace

TEST(RateLaws, EveryModelAtOnePoint) {
    resetAppState("/prog");
    app.nOrdnung = 1.5f;
    for (const auto& [model, expected] : kRates) {
        const Konz d = rates(model, kC);
        EXPECT_EQ(d[0], 99) << "element 0 is not touched";
        for (std::size_t s = 1; s <= 5; ++s) EXPECT_NEAR(d[s], expected[s], 1e-12) << "model " << model << " slot " << s;
    }
}

TEST(RateLaws, ReactionsStopWhenAIsUsedUp) {
    resetAppState("/prog");
    const Konstanten k{0, 0.15, 0, 0};
    for (Single n : {0.5f, 1.0f, 3.7f}) {
        app.nOrdnung = n;
        EXPECT_DOUBLE_EQ(rates(20, Konz{0, 1, 0, 0, 0, 0}, k)[1], -0.15) << n;  // 1^n = 1 for any n
    }
    // Zero order and order n: no rate at c(A) = 0 or below (zero order: a
    // reaction that has stopped, not one still running at -k1).
    for (Integer model : {1, 20})
        for (double a : {0.0, -0.2}) EXPECT_EQ(rates(model, Konz{0, a, 0, 0, 0, 0}, k), (Konz{99, 0, 0, 0, 0, 0})) << model;
    EXPECT_EQ(rates(1, Konz{0, 1e-9, 0, 0, 0, 0}, k)[4], 0.15);
}

TEST(RateLaws, SameArrayAndOverflow) {
    Konz c = kC;
    calc_dcdt(9, c, kK, c, 1);
    EXPECT_NEAR(c[1], -0.25, 1e-15);
    EXPECT_NEAR(c[3], -0.35, 1e-15);
    Konz d;
    EXPECT_FALSE(calc_dcdt(2, d, Konstanten{0, 1e300, 0, 0}, Konz{0, 1e300, 0, 0, 0, 0}, 1));
    EXPECT_FALSE(calc_dcdt(20, d, Konstanten{0, 1, 0, 0}, Konz{0, 10, 0, 0, 0, 0}, 400));
    EXPECT_TRUE(calc_dcdt(20, d, Konstanten{0, 1, 0, 0}, Konz{0, 0.5, 0, 0, 0, 0}, 400));
}

// The Jacobians of every model against central differences of their rates
// at the point above. Model 20 has none where A is used up.
TEST(RateLaws, JacobiansOfEveryModel) {
    resetAppState("/prog");
    app.nOrdnung = 1.5f;
    for (Integer model = 1; model <= 20; ++model) {
        Jacobi J;
        ASSERT_TRUE(calc_jacobian(model, J, kK, kC, 1.5)) << model;
        for (std::size_t j = 1; j <= 5; ++j) {
            Konz lo = kC, hi = kC;
            lo[j] -= 1e-6;
            hi[j] += 1e-6;
            const Konz dlo = rates(model, lo), dhi = rates(model, hi);
            for (std::size_t i = 1; i <= 5; ++i) {
                const double want = (dhi[i] - dlo[i]) / 2e-6;
                EXPECT_NEAR(J[i][j], want, 1e-8) << "model " << model << ", d" << i << "/d" << j;
            }
        }
    }
    Jacobi J;
    ASSERT_TRUE(calc_jacobian(20, J, kK, Konz{0, 0, 0, 0, 0.4, 0}, 1.5));
    EXPECT_EQ(J[1][1], 0);
}
