#include <gtest/gtest.h>

#include <cmath>

#include "data/Tangente.h"
#include "engine/Akima.h"
#include "shell/AppState.h"

using namespace vrn;

namespace {
// c(A) = 0.1 exp(-0.1 t) at t = 0, 2, ..., 40, splined into the shared store.
constexpr double kK = 0.1;
void ersteOrdnung() {
    app.ExpDaten.assign(22, Messpunkt{});
    app.nExpPunkte = 21;
    dimensionSplineStore(21);
    for (int i = 1; i <= 21; ++i) {
        const double t = 2.0 * (i - 1);
        app.ExpDaten[static_cast<std::size_t>(i)].t = t;
        app.ExpDaten[static_cast<std::size_t>(i)].c[1] = 0.1 * std::exp(-kK * t);
        app.SplX[static_cast<std::size_t>(i)] = t;
        app.SplY[1][static_cast<std::size_t>(i)] = 0.1 * std::exp(-kK * t);
    }
    Integer n = 21;
    ASSERT_TRUE(CalcAkimaSpline(1, n, 0, app.SplX, app.SplY, app.SplKoeffD, app.SplKoeffC, app.SplKoeffB,
                                app.SplKoeffA));
}
}  // namespace

TEST(Tangente, SlopeOfAnExactFirstOrderSetIsMinusKTimesC) {
    ersteOrdnung();
    for (double t : {0.0, 10.0, 11.0, 23.5, 40.0}) {
        const auto w = tangentenWert(1, t, 40.0f, 21);
        ASSERT_TRUE(w) << t;
        const double c = 0.1 * std::exp(-kK * t);
        EXPECT_NEAR(w->c, c, 5e-4 * c) << t;
        EXPECT_NEAR(w->r, -kK * c, 0.02 * kK * c) << t;
    }
    EXPECT_FALSE(tangentenWert(1, 40.0001, 40.0f, 21)) << "slightly above XMax";
    EXPECT_FALSE(tangentenWert(1, -0.5, 40.0f, 21));
    EXPECT_FALSE(tangentenWert(1, 10, 40.0f, 20)) << "the store holds another spline";
}

TEST(Tangente, TimesMustStrictlyIncrease) {
    std::vector<Messpunkt> d(5);
    const std::pair<std::array<double, 4>, bool> cases[] = {
        {{0, 1, 2, 3}, true}, {{0, 1, 1, 3}, false}, {{0, 2, 1, 3}, false}, {{-1, 0, 5, 6}, true},
    };
    for (const auto& [times, ok] : cases) {
        for (int i = 0; i < 4; ++i) d[static_cast<std::size_t>(i + 1)].t = times[static_cast<std::size_t>(i)];
        EXPECT_EQ(zeitenStrengSteigend(d, 4), ok) << times[1] << " " << times[2];
    }
    EXPECT_FALSE(zeitenStrengSteigend(d, 2)) << "a spline needs three points";
}
