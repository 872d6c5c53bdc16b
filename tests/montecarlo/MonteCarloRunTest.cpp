#include <gtest/gtest.h>

#include <cmath>
#include <deque>

#include "montecarlo/MonteCarloBoard.h"
#include "montecarlo/MonteCarloRun.h"

using namespace vrn;

namespace {

// Draws particles in a given order (u = (i - 1/2) / N0 picks particle i),
// then `fallback` again and again.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(Long N0) : N0_(N0) {}
    void pick(std::initializer_list<Long> particles) { script_.insert(script_.end(), particles); }
    void reseed() override { ++reseeds; }
    double uniform() override {
        Long i = fallback;
        if (!script_.empty()) {
            i = script_.front();
            script_.pop_front();
        }
        return (static_cast<double>(i) - 0.5) / static_cast<double>(N0_);
    }
    Long fallback = 1;
    int reseeds = 0;

private:
    Long N0_;
    std::deque<Long> script_;
};

// A run on the board of 100 particles (7 draws a point, t(max) 550).
struct Spiel {
    MCLauf lauf;
    ScriptedRandom rng{100};
    explicit Spiel(int modus, Single K = 1.0f) {
        lauf.setBrett(kMCBretter[0]);
        lauf.setK(K);
        lauf.start(modus, rng);
    }
    // Draws until the run ends or `max` draws were made; returns the draws (-1: no end).
    Long bisEnde(Long max) {
        for (Long n = 1; n <= max; ++n)
            if (lauf.zug(rng).ende) return n;
        return -1;
    }
};

}  // namespace

TEST(MonteCarloDraw, PicksParticlesOneToN0) {
    // N0, u, the particle drawn
    for (auto [N0, u, expected] : {std::tuple<Long, double, Long>{100, 0.0, 1}, {100, 0.00999, 1}, {100, 0.01, 2},
                                   {100, 0.5, 51}, {100, 0.999999, 100}, {100, 1.0, 100}, {100, -0.2, 1},
                                   {100, std::nan(""), 1}, {90000, 0.99999999, 90000}, {0, 0.5, 0}})
        EXPECT_EQ(drawParticle(N0, u), expected) << N0 << " " << u;
}

TEST(MonteCarloFirstOrder, HitOnPCountsAsDrawWithoutPause) {
    Spiel s(kMCErsteOrdnung);
    EXPECT_EQ(s.rng.reseeds, 1);
    s.rng.pick({42, 42});
    MCZug z = s.lauf.zug(s.rng);
    EXPECT_TRUE(z.teilchen == 42 && z.umgewandelt && !z.istA && z.pause);
    z = s.lauf.zug(s.rng);
    EXPECT_FALSE(z.umgewandelt || z.pause);
    EXPECT_EQ(std::tuple(s.lauf.nZuege(), s.lauf.nA(), s.lauf.teilchen(42) == 0 && s.lauf.teilchen(41) == 1),
              std::tuple(2, 99, true));
}

TEST(MonteCarloFirstOrder, EndsOnlyAfterTheBlockThatTakesTheLastA) {
    Spiel s(kMCErsteOrdnung);
    for (Long i = 1; i <= 100; ++i) s.rng.pick({i});
    s.rng.fallback = 7;
    // The 100th draw takes the last A inside block 15 (draws 99..105): the
    // block is completed with hits on P before the run ends.
    for (Long n = 1; n <= 104; ++n) {
        const MCZug z = s.lauf.zug(s.rng);
        ASSERT_FALSE(z.ende) << n;
        EXPECT_EQ(z.punkt, n % 7 == 0) << n;
    }
    EXPECT_EQ(s.lauf.nA(), 0);
    const MCZug z = s.lauf.zug(s.rng);
    EXPECT_EQ(std::tuple(z.punkt, z.ende, s.lauf.nZuege(), s.lauf.iPunkt()), std::tuple(true, true, 105, 16));
    // Go with no A left does nothing.
    EXPECT_FALSE(s.lauf.fortsetzen(s.rng));
    EXPECT_EQ(s.rng.reseeds, 1);
}

TEST(MonteCarloFirstOrder, EndsAfterTheFirstBlockBeyondTenTimesTmax) {
    // Every draw hits particle 1: from the second draw on nothing changes, and
    // the run goes on to the first block end above 5500 draws: 786 x 7 = 5502.
    Spiel s(kMCErsteOrdnung);
    EXPECT_EQ(s.bisEnde(10000), 5502);
    EXPECT_EQ(std::tuple(s.lauf.iPunkt(), s.lauf.nA()), std::tuple(787, 99));
}

TEST(MonteCarloFirstOrder, GoContinuesPointNumberAndDrawCountWithAFreshBlock) {
    Spiel s(kMCErsteOrdnung);
    s.rng.pick({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    for (int n = 0; n < 10; ++n) s.lauf.zug(s.rng);  // stopped after 10 draws: point 2 at draw 7
    EXPECT_EQ(s.lauf.iPunkt(), 2);
    ASSERT_TRUE(s.lauf.fortsetzen(s.rng));
    EXPECT_EQ(s.rng.reseeds, 2);
    s.rng.pick({11});
    s.lauf.zug(s.rng);
    EXPECT_EQ(std::tuple(s.lauf.nZuege(), s.lauf.nA()), std::tuple(11, 89));
    for (int n = 0; n < 5; ++n) EXPECT_FALSE(s.lauf.zug(s.rng).punkt);
    EXPECT_TRUE(s.lauf.zug(s.rng).punkt);  // the 7th draw after Go closes the block
    EXPECT_EQ(std::tuple(s.lauf.nZuege(), s.lauf.iPunkt()), std::tuple(17, 3));
    // Start begins again from all A.
    s.lauf.start(kMCErsteOrdnung, s.rng);
    EXPECT_TRUE(s.lauf.nA() == 100 && s.lauf.nZuege() == 0 && s.lauf.iPunkt() == 1 && s.lauf.teilchen(5) == 1);
    EXPECT_FALSE(s.lauf.start(3, s.rng));  // no other mode
}

// Each row: K, the particles drawn, after each draw whether it changed, and the A left.
TEST(MonteCarloEquilibrium, RulesOfK) {
    const std::tuple<Single, std::vector<Long>, std::vector<bool>, Long> cases[] = {
        // K = 0.5: hits on A convert the 1st, 3rd, 5th ...; a hit on P always
        // converts back and does not touch the counter.
        {0.5f, {1, 2, 3, 1, 4, 5, 6}, {true, false, true, true, false, true, false}, 98},
        // K = 1: every hit flips.
        {1.0f, {1, 1, 1, 2}, {true, true, true, true}, 98},
        // K = 2: hits on A always convert; hits on P convert the 1st, 3rd, 5th ...
        {2.0f, {1, 2, 3, 1, 2, 3, 2}, {true, true, true, true, false, true, false}, 99},
        // Any other K changes nothing.
        {1.5f, {1, 2}, {false, false}, 100},
    };
    for (const auto& [K, draws, changed, nA] : cases) {
        Spiel s(kMCGleichgewicht, K);
        for (std::size_t n = 0; n < draws.size(); ++n) {
            s.rng.pick({draws[n]});
            const MCZug z = s.lauf.zug(s.rng);
            EXPECT_EQ(z.umgewandelt, changed[n]) << "K " << K << " draw " << n + 1;
            EXPECT_TRUE(z.pause);  // the equilibrium pauses after every draw
            EXPECT_EQ(z.istA, s.lauf.teilchen(draws[n]) == 1);
        }
        EXPECT_EQ(s.lauf.nA(), nA) << "K " << K;
    }
}

TEST(MonteCarloEquilibrium, CounterStartsAfreshOnGoAndRunNeverEndsByItself) {
    Spiel s(kMCGleichgewicht, 0.5f);
    s.rng.pick({1});
    s.lauf.zug(s.rng);  // counter 1: converts
    ASSERT_TRUE(s.lauf.fortsetzen(s.rng));
    s.rng.pick({2});
    EXPECT_TRUE(s.lauf.zug(s.rng).umgewandelt);  // counter back at 0: the next A hit converts again
    s.rng.fallback = 50;
    EXPECT_EQ(s.bisEnde(20000), -1);
}

TEST(MonteCarloEquilibrium, DrawCountNeverPassesItsLimit) {
    Spiel s(kMCGleichgewicht);
    s.lauf.setZugGrenze(100);
    EXPECT_EQ(s.bisEnde(1000), 98);  // blocks of 7: after draw 98 a further block would pass 100
    ASSERT_TRUE(s.lauf.fortsetzen(s.rng));
    EXPECT_EQ(s.bisEnde(1000), 3);  // draws 99, 100, then no more
    EXPECT_EQ(s.lauf.nZuege(), 100);
}

// Each particle survives t draws with probability p = (1 - 1/N0)^t, so N(A)
// averages N0 p with a variance below the binomial N0 p (1 - p) (the
// survivals are negatively correlated).
TEST(MonteCarloStatistics, DecayMeanFollowsTheClosedForm) {
    const std::vector<Long> zeiten = {510, 1020, 2040, 3060, 4080};  // block ends, 102 draws a block
    std::vector<double> summe(zeiten.size(), 0.0);
    const int laeufe = 200;
    SeededRandom rng(20240519);
    for (int l = 0; l < laeufe; ++l) {
        MCLauf lauf;
        lauf.setBrett(kMCBretter[2]);
        lauf.start(kMCErsteOrdnung, rng);
        for (std::size_t k = 0; k < zeiten.size();)
            if (lauf.zug(rng).punkt && lauf.nZuege() == zeiten[k]) summe[k++] += lauf.nA();
    }
    for (std::size_t k = 0; k < zeiten.size(); ++k) {
        const double p = std::pow(1.0 - 1.0 / 1024, zeiten[k]);
        EXPECT_NEAR(summe[k] / laeufe, 1024 * p, 5 * std::sqrt(1024 * p * (1 - p) / laeufe)) << zeiten[k];
    }
}

TEST(MonteCarloStatistics, EquilibriumShareOfAIsOneOverKPlusOne) {
    for (const auto& [K, anteil] : {std::pair{0.5f, 66.67}, std::pair{1.0f, 50.0}, std::pair{2.0f, 33.33}}) {
        MCLauf lauf;
        lauf.setBrett(kMCBretter[2]);
        lauf.setK(K);
        SeededRandom rng(7);
        lauf.start(kMCGleichgewicht, rng);
        // 20 N0 draws to settle, then the mean over 200 N0 draws.
        double summe = 0;
        int punkte = 0;
        while (lauf.nZuege() < 220 * 1024)
            if (lauf.zug(rng).punkt && lauf.nZuege() > 20 * 1024) {
                summe += lauf.nA();
                ++punkte;
            }
        EXPECT_NEAR(100.0 * summe / punkte / 1024, anteil, 1.0) << "K " << K;
    }
}

TEST(MonteCarloBoard, ParticlesFillRowsFromTheTopLeft) {
    // 100 particles on a square of side 100 at (20, 30): 10 per row, 10 apart.
    const MCBrettGeometrie g = mcBrettGeometrie(100, false, 20, 30, 100);
    EXPECT_EQ(g.FeldSeite, 10);
    EXPECT_DOUBLE_EQ(g.Radius, 10 / 2.3);
    EXPECT_DOUBLE_EQ(g.BlitzRadius, 1.5 * 10 / 2.3);
    // particle, row, column, centre
    for (auto [i, zeile, spalte, x, y] : {std::tuple<Long, int, int, double, double>{1, 1, 1, 25, 35},
                                          {9, 1, 9, 105, 35}, {10, 1, 10, 115, 35}, {11, 2, 1, 25, 45},
                                          {55, 6, 5, 65, 85}, {100, 10, 10, 115, 125}})
        EXPECT_EQ(std::tuple(g.zeile(i), g.spalte(i), g.mitteX(i), g.mitteY(i)), std::tuple(zeile, spalte, x, y)) << i;
    // Large mode, 90000 particles on a side of 600: cells of 2 less the gap at
    // the right and top; the flash covers three cells (1.5 for fewer particles).
    const MCBrettGeometrie gross = mcBrettGeometrie(90000, true, 0, 0, 600);
    EXPECT_DOUBLE_EQ(gross.BlitzRadius, 6);
    const MCRect c = gross.zelle(301, 0.5);  // row 2, column 1
    EXPECT_TRUE(c.left == 0 && c.top == 2.5 && c.width == 1.5 && c.height == 1.5);
    const MCRect last = gross.zelle(90000, 0.5);
    EXPECT_TRUE(last.left + last.width == 599.5 && last.top + last.height == 600);
    EXPECT_DOUBLE_EQ(mcBrettGeometrie(9025, true, 0, 0, 950).BlitzRadius, 15);
}
