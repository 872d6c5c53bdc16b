#include <gtest/gtest.h>

#include "montecarlo/MonteCarloBoards.h"
#include "montecarlo/MonteCarloCurves.h"

using namespace vrn;

namespace {
std::vector<XYPunkt> kurveInProzent(int species, int modus, const MCBrett& b, Single K) {
    std::vector<XYPunkt> k = calcMCKurve(species, modus, b.N0, K, b.nMaxZuege);
    mcInProzent(k, mcSkalen(b.N0, b.nMaxZuege));
    return k;
}
}  // namespace

TEST(MonteCarloCurves, OneHundredAndOnePointsExceptFor529) {
    // The time steps are single precision: for t(max) = 2910 the sum passes
    // 2910 just before the 101st point.
    const int expected[] = {101, 100, 101, 101, 101, 101};
    for (std::size_t b = 0; b < kMCBretter.size(); ++b)
        for (int modus : {1, 2}) {
            const auto k = calcMCKurve(1, modus, kMCBretter[b].N0, 1.0f, kMCBretter[b].nMaxZuege);
            EXPECT_EQ(k.size(), static_cast<std::size_t>(expected[b]) + 1) << kMCBretter[b].N0;
            EXPECT_EQ(k[0].x, static_cast<Single>(expected[b]));
        }
    const auto k529 = kurveInProzent(1, 1, kMCBretter[1], 1.0f);
    EXPECT_NEAR(k529.back().x, 99.0f, 0.01f);  // 2880.9 draws
}

TEST(MonteCarloCurves, DecayOf100EndsNearFourTenthsOfAPerCent) {
    // 100 x 0.99^550 = 0.3975 particles at t(max) = 550 draws.
    const auto a = kurveInProzent(1, 1, kMCBretter[0], 0.5f);
    EXPECT_TRUE(a[1].x == 0 && a[1].y == 100 && a.back().x == 100);
    EXPECT_NEAR(a.back().y, 0.3975f, 0.0005f);
    // Point 13 stands at t = 12 x 5.5 = 66 draws: 100 x 0.99^66 = 51.514 %.
    EXPECT_FLOAT_EQ(a[13].x, 12.0f);
    EXPECT_NEAR(a[13].y, 51.514f, 0.001f);
}

TEST(MonteCarloCurves, EquilibriumTendsToOneOverKPlusOneAndPMirrorsA) {
    // K, per cent of A at t(max)
    for (auto [K, endA] : {std::pair{0.5f, 66.67}, {1.0f, 50.0}, {2.0f, 33.33}})
        for (const MCBrett& b : kMCBretter) {
            const auto a = kurveInProzent(1, 2, b, K);
            const auto p = kurveInProzent(2, 2, b, K);
            ASSERT_EQ(a.size(), p.size());
            EXPECT_FLOAT_EQ(a[1].y, 100.0f);
            EXPECT_FLOAT_EQ(p[1].y, 0.0f);
            EXPECT_NEAR(a.back().y, endA, 0.05) << "K " << K << " N0 " << b.N0;
            for (std::size_t i = 1; i < a.size(); ++i) {
                EXPECT_NEAR(a[i].y + p[i].y, 100.0f, 0.01f);
                if (i > 1) {
                    EXPECT_LE(a[i].y, a[i - 1].y);
                }
            }
        }
}

TEST(MonteCarloCurves, NoCurveWithoutParticlesOrSteps) {
    EXPECT_EQ(calcMCKurve(1, 1, 1, 1.0f, 550).size(), 1u);
    EXPECT_EQ(calcMCKurve(1, 1, 100, 1.0f, 0).size(), 1u);
    EXPECT_EQ(calcMCKurve(1, 2, 100, 0.0f, 550).size(), 1u);
    EXPECT_EQ(calcMCKurve(1, 2, 100, 0.0f, 550)[0].x, 0.0f);
}
