#include "EngineTestSupport.h"
#include "engine/ConcentrationAtTime.h"
#include "engine/Simulation.h"
#include "support/TestSupport.h"

using namespace vrn;
using namespace vrn::test;

namespace {

const Konz kSentinel{-7, -7, -7, -7, -7, -7};

Konz at(Integer model, double t, Integer& fehler) {
    Konz c = kSentinel;
    calc_functioncT_at_t(model, t, c, fehler);
    return c;
}

void simulateOk(Integer model) { ASSERT_EQ(simulate(model), 0); }

}  // namespace

TEST(ConcentrationAtTime, ClosedFormsGiveTheModelsSlotsOnly) {
    // Both evaluate the same closed forms; what matters is which slots are written.
    const std::tuple<Integer, std::array<double, 3>, std::array<double, 5>, int> cases[] = {
        {4, {0.15, 0, 0}, {1, 0.4, 0, 0, 0}, 0b10110},     {6, {0.15, 0.1, 0}, {1, 0, 0.2, 0, 0}, 0b11010},
        {11, {0.15, 0.05, 0}, {1, 0, 0, 0, 0.2}, 0b110010}, {16, {0.15, 0, 0}, {1, 0, 0, 0.002, 0}, 0b110010},
    };
    for (const auto& [model, k, c0, species] : cases) {
        setUpModel(model, k, c0, 100);
        simulateOk(model);
        Integer fehler = 5;
        const Konz c = at(model, app.tSim[70], fehler);
        EXPECT_EQ(fehler, 0);
        for (int s = 1; s <= 5; ++s)
            EXPECT_EQ(c[s], (species >> s) & 1 ? cSimOf(s)[70] : -7) << "model " << model << " slot " << s;
    }
}

TEST(ConcentrationAtTime, EdgeCases) {
    MsgRecorder rec;
    Integer fehler = 5;
    setUpModel(1, {0.15, 0, 0}, {1, 0, 0, 0.25, 0}, 100);
    Konz c = at(1, 50, fehler);
    EXPECT_EQ(std::tuple(c[1], c[4]), std::tuple(0, 1.25));
    setUpModel(2, {0.15, 0, 0}, {0.8, 0, 0, 0.1, 0}, 100);
    c = at(2, 0, fehler);
    EXPECT_EQ(std::tuple(c[1], c[4]), std::tuple(0.8, 0.1));
    setUpModel(4, {0.15, 0, 0}, {0.6, 0.6, 0, 0, 0}, 100);
    c = at(4, 12.5, fehler);
    EXPECT_EQ(c[2], c[1]);
    EXPECT_NEAR(c[1], 0.6 / (1 + 0.15 * 0.6 * 12.5), 1e-15);
    // k1 = k2 in A => C => P: the limit k1·A0·t·e^(−k1·t), no failure.
    setUpModel(6, {0.15, 0.15, 0}, {1, 0, 0, 0, 0}, 100);
    c = at(6, 10, fehler);
    EXPECT_EQ(fehler, 0);
    EXPECT_NEAR(c[3], 0.15 * 10 * std::exp(-1.5), 1e-15);
    EXPECT_EQ(rec.count(), 0u);
}

TEST(ConcentrationAtTime, ReversibleFirstOrderWithProductPresent) {
    // A <=> P with P0 > 0: the extent tends to (K·A0 − P0)/(K + 1), as the curve.
    setUpModel(8, {0.3, 0.1, 0}, {1, 0, 0, 0.4, 0}, 100);
    simulateOk(8);
    Integer fehler = 5;
    const double K = 3;
    const Konz late = at(8, 1000, fehler);
    EXPECT_NEAR(1 - late[1], (K * 1 - 0.4) / (K + 1), 1e-14);
    EXPECT_NEAR(late[4], 0.4 + (K * 1 - 0.4) / (K + 1), 1e-14);
    EXPECT_NEAR(late[4] / late[1], K, 1e-12);  // the equilibrium constant
    const Konz mid = at(8, app.tSim[40], fehler);
    EXPECT_EQ(std::tuple(mid[1], mid[4]), std::tuple(app.cSim_A[40], app.cSim_P[40]));
}

TEST(ConcentrationAtTime, NumericalModelsIntegrateToTheTime) {
    setUpModel(9, {0.15, 0.1, 0}, {1, 1, 0, 0, 0}, 100, "10110");
    simulateOk(9);
    Integer fehler = 5;
    for (int j = 0; j <= 200; j += 13) {
        const Konz c = at(9, app.tSim[j], fehler);
        EXPECT_EQ(fehler, 0);
        // The curve's points agree to the accuracy of the curve.
        for (auto [ist, soll] : {std::pair{c[1], app.cSim_A[j]}, {c[3], app.cSim_C[j]}, {c[4], app.cSim_P[j]}})
            EXPECT_NEAR(ist, soll, 1e-6);
        // A + B => C with equal feeds: A = 1/(1 + k1·t) at the time itself.
        EXPECT_NEAR(c[1], 1 / (1 + 0.15 * app.tSim[j]), 1e-10);
        EXPECT_EQ(std::pair(c[2], c[5]), std::pair(-7.0, -7.0));  // B and Q are not in the mask
    }
    // Between the points and beyond the last one: the analytic A = 1/(1 + k1·t).
    for (double t : {33.3, 110.0, 1e4}) EXPECT_NEAR(at(9, t, fehler)[1], 1 / (1 + 0.15 * t), 1e-10) << t;
}

TEST(ConcentrationAtTime, NothingToReadOrNoModel) {
    Integer fehler = 5;
    setUpModel(19, {0.15, 0, 0}, {1, 0, 0, 0, 0}, 100);
    Konz c = at(19, 3, fehler);
    EXPECT_EQ(std::tuple(fehler, c), std::tuple(0, kSentinel));
    // Numerical model while the Michaelis-Menten diagram is shown.
    setUpModel(10, {0.15, 0.1, 0.005}, {1, 5, 0, 0, 0}, 100);
    app.bMMdiagramm = true;
    c = at(10, 3, fehler);
    EXPECT_EQ(std::tuple(fehler, c), std::tuple(0, kSentinel));
    // Without a simulation (no spline store): computed at the time all the same.
    setUpModel(9, {0.15, 0.1, 0}, {1, 1, 0, 0, 0}, 100, "10110");
    app.SplX.clear();
    c = at(9, 3, fehler);
    EXPECT_EQ(fehler, 0);
    EXPECT_NEAR(c[1], 1 / (1 + 0.45), 1e-10);
    // A time before the start or not a number.
    for (double t : {-5.0, double(NAN)}) {
        c = at(9, t, fehler);
        EXPECT_EQ(std::tuple(fehler, c), std::tuple(-1, kSentinel));
    }
}

TEST(ConcentrationAtTime, FailuresAreQuiet) {
    MsgRecorder rec;
    Integer fehler = 0;
    setUpModel(12, {0.15, -0.1, 0}, {1, 0.5, 0, 0, 0}, 100);  // negative root argument
    EXPECT_EQ(at(12, 5, fehler), kSentinel);
    EXPECT_EQ(fehler, -1);
    setUpModel(17, {0, 0.1, 0}, {1, 0.5, 0, 0, 0}, 100);  // k1 = 0
    at(17, 5, fehler);
    EXPECT_EQ(fehler, -1);
    setUpModel(2, {-10, 0, 0}, {1, 0, 0, 0, 0}, 100);  // overflow
    at(2, 100, fehler);
    EXPECT_EQ(fehler, -1);
    at(2, 1, fehler);
    EXPECT_EQ(std::tuple(fehler, rec.count()), std::tuple(0, 0u));
}

// The concentrations at a fixed list of times (a fit's measured times) are
// those calc_functioncT_at_t gives: to the last bit for a closed form, to
// the integration's tolerance for an integrated model (one pass that stops
// at every time against one integration per time); times in any order, a
// species without a curve (0), and anew for other inputs.
TEST(ConcentrationAtTime, ManyTimesAsOneByOne) {
    const std::vector<double> times{50, 3.25, 0, 99.999, 100, 130, 3.25, 61.7};
    const std::vector<std::size_t> species{1, 3, 4, 5};
    ConcentrationsAtTimes many(times, species);
    const auto check = [&](Integer model, double tol) {
        std::vector<double> got(times.size() * 4, -1);
        std::vector<std::size_t> order;
        ASSERT_TRUE(many.read(currentAtTimeInputs(), [&](std::size_t q, const double* v) {
            std::copy(v, v + 4, got.begin() + static_cast<std::ptrdiff_t>(q * 4));
            order.push_back(q);
            return true;
        }));
        ASSERT_EQ(order.size(), times.size());
        for (std::size_t i = 1; i < order.size(); ++i) EXPECT_LE(times[order[i - 1]], times[order[i]]);
        for (std::size_t q = 0; q < times.size(); ++q) {
            Integer fehler = 0;
            Konz c{};
            calc_functioncT_at_t(model, times[q], c, fehler);
            ASSERT_EQ(fehler, 0);
            for (std::size_t s = 0; s < 4; ++s) {
                if (tol == 0) EXPECT_EQ(got[q * 4 + s], c[species[s]]) << "t " << times[q] << ", slot " << species[s];
                else EXPECT_NEAR(got[q * 4 + s], c[species[s]], tol) << "t " << times[q] << ", slot " << species[s];
            }
        }
    };
    setUpModel(13, {0.15, 0.1, 0.005}, {1, 1, 0, 0, 0}, 100, "11110");
    check(13, 1e-9);
    app.k = {0, 0.3, 0.05, 0.01};
    check(13, 1e-9);
    setUpModel(2, {0.15, 0, 0}, {1, 0, 0, 0, 0}, 100, "10010");
    check(2, 0);
    // A time before the start, or one that is not a number, ends the read.
    setUpModel(9, {0.15, 0.1, 0}, {1, 1, 0, 0, 0}, 100, "11110");
    for (double t : {-5.0, double(NAN)}) {
        ConcentrationsAtTimes bad({1, t}, {1});
        EXPECT_FALSE(bad.read(currentAtTimeInputs(), [](std::size_t, const double*) { return true; }));
    }
}
