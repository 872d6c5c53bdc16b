#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "engine/EnzymeReference.h"
#include "engine/LinearModelSolutions.h"
#include "reactors/BatchReactor.h"
#include "reactors/ConversionSearch.h"
#include "ReactorTestSupport.h"

using namespace vrn;
using vrn::test::setReactor;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kUnset = -777;  // marks result slots that must stay untouched
const Konz kSentinel{kUnset, kUnset, kUnset, kUnset, kUnset, kUnset};

Konz batch(Integer model, double t) {
    Konz c = kSentinel;
    const ReactorStatus s = CalcBatchKessel(model, t, c);
    EXPECT_TRUE(s.ok) << "model " << model << ": " << s.text;
    return c;
}

double rel(double got, double want) { return std::abs(got - want) / std::max(1e-300, std::abs(want)); }

}  // namespace

// Each closed-form model against its textbook solution (hand values where
// they are round); slots the model does not write keep their value.
TEST(BatchReactor, ClosedFormsEqualTheirSolutions) {
    struct Case {
        Integer model;
        std::array<double, 3> k;
        std::array<double, 5> c0;
        double t;
        Konz want;  // kUnset: not written
    };
    const double U = kUnset, e1 = std::exp(-1.0), e2 = std::exp(-2.0), e3 = std::exp(-3.0);
    const double c6 = 0.2 * e1 - 2 * (e2 - e1);  // A => C => P: C0 e^{-k2 t} + k1 A0 (e^{-k1 t} − e^{-k2 t})/(k2 − k1)
    const Case cases[] = {
        {2, {0.15, 0, 0}, {1, 0, 0, 0, 0}, 5, {0, 0.4723665527, U, U, 0.5276334473, U}},
        {1, {0.015, 0, 0}, {1, 0, 0, 0.2, 0}, 20, {0, 0.7, U, U, 0.5, U}},
        {1, {0.015, 0, 0}, {1, 0, 0, 0.2, 0}, 100, {0, 0, U, U, 1.2, U}},  // A used up, never negative
        {3, {0.25, 0, 0}, {1, 0, 0, 0, 0}, 2, {0, 0.5, U, U, 0.25, U}},
        {4, {0.5, 0, 0}, {1, 1, 0, 0, 0}, 2, {0, 0.5, 0.5, U, 0.5, U}},
        {4, {1, 0, 0}, {2, 1, 0, 0, 0}, std::log(2.0), {0, 4.0 / 3, 1.0 / 3, U, 2.0 / 3, U}},
        {5, {1, 0, 0}, {1, 0, 0, 1, 0.5}, std::log(3.0) / 2, {0, 0.5, U, U, 1.5, 1.0}},  // Q written
        {16, {1, 0, 0}, {1, 0, 0, 1, 0}, std::log(3.0) / 2, {0, 0.5, U, U, 1.5, 0.5}},
        {6, {1, 0.5, 0}, {1, 0, 0.2, 0, 0}, 2, {0, e2, U, c6, 1.2 - e2 - c6, U}},
        // A <=> P with P0 tends to A = k2 (A0 + P0)/(k1 + k2) = 0.5
        {8, {0.2, 0.1, 0}, {1, 0, 0, 0.5, 0}, 500, {0, 0.5, U, U, 1.0, U}},
        {8, {0.2, 0.1, 0}, {1, 0, 0, 0.5, 0}, 10, {0, 0.5 + 0.5 * e3, U, U, 1 - 0.5 * e3, U}},
        {11, {0.3, 0.1, 0}, {1, 0, 0, 0.1, 0.2}, 5, {0, e2, U, U, 0.1 + 0.75 * (1 - e2), 0.2 + 0.25 * (1 - e2)}},
    };
    for (const Case& k : cases) {
        setReactor(k.model, k.k, k.c0);
        const Konz c = batch(k.model, k.t);
        for (int s = 1; s <= 5; ++s) EXPECT_NEAR(c[s], k.want[s], 1e-9) << "model " << k.model << " slot " << s;
    }
}

// The reversible second-order models: the curve starts at the feed, follows
// its rate law and ends in the equilibrium K = k1/k2.
TEST(BatchReactor, ReversibleSecondOrderFollowsItsRateLaw) {
    for (Integer model : {Integer{12}, Integer{17}}) {
        setReactor(model, {0.4, 0.05, 0}, {1, 0.6, 0, 0.1, 0});
        const double t = 1.5, h = 1e-4;
        const Konz c = batch(model, t), before = batch(model, t - h), after = batch(model, t + h);
        Konz r{};
        calc_dcdt(model, r, app.k, c, static_cast<double>(app.nOrdnung));
        for (int s : {A, B, P}) EXPECT_NEAR((after[s] - before[s]) / (2 * h), r[s], 1e-7) << model;
        EXPECT_DOUBLE_EQ(batch(model, 0)[P], 0.1);
        const Konz end = batch(model, 1e4);
        EXPECT_NEAR(model == 12 ? end[P] * end[P] / (end[A] * end[B]) : end[P] / (end[A] * end[B]), 8.0, 1e-9);
        EXPECT_NEAR(end[A] - end[B], 0.4, 1e-12);
    }
}

TEST(BatchReactor, OrderNAgainstItsClosedForms) {
    const double k = 0.15, t = 5;
    const std::pair<Single, double> cases[] = {
        {1.0f, std::exp(-k * t)}, {2.0f, 1 / (1 + k * t)}, {1.5f, std::pow(1 + 0.5 * k * t, -2)}};
    for (const auto& [n, a] : cases) {
        setReactor(20, {k, 0, 0}, {1, 0, 0, 0.3, 0}, n);
        const Konz c = batch(20, t);
        EXPECT_LT(rel(c[A], a), 1e-6) << n;
        EXPECT_LT(rel(c[P], 1.3 - a), 1e-6) << n;
        EXPECT_EQ(c[B], kUnset);
        EXPECT_EQ(c[C], kUnset);
    }
    // 150 intervals end at t also for a residence time of 1e8.
    setReactor(20, {1e-8, 0, 0}, {1, 0, 0, 0, 0}, 1.0f);
    EXPECT_LT(rel(batch(20, 1e8)[A], std::exp(-1.0)), 1e-6);
    // Order 1/2 uses A up at t = 2; afterwards A has no rate and stays at 0.
    setReactor(20, {1, 0, 0}, {1, 0, 0, 0, 0}, 0.5f);
    for (double tt : {3.0, 50.0, 1e4}) {
        const Konz c = batch(20, tt);
        EXPECT_GE(c[A], 0) << tt;
        EXPECT_LT(c[A], 1e-6) << tt;
        EXPECT_NEAR(c[A] + c[P], 1.0, 1e-12) << tt;
    }
}

// Far into the tail (k·t up to 1e6, intervals of k·t/150): a step that
// overshoots c(A) below 0 is not accurate and is refined, so A follows
// 1/(1/A0 + k t) and A0 exp(-k t) and never drops to 0 early; A + P stays.
TEST(BatchReactor, OrderNFarIntoTheTail) {
    for (Single n : {1.0f, 2.0f}) {
        for (double kt : {1.0, 10.0, 100.0, 600.0, 1e4, 1e6}) {
            setReactor(20, {0.15, 0, 0}, {1, 0, 0, 0.5, 0}, n);
            const Konz c = batch(20, kt / 0.15);
            const double want = n == 1 ? std::exp(-kt) : 1 / (1 + kt);
            EXPECT_NEAR(c[A], want, 2e-6 * want + 1e-11) << "n " << n << ", k t " << kt;
            EXPECT_GE(c[A], 0);
            EXPECT_NEAR(c[A] + c[P], 1.5, 1e-10);
        }
    }
    // The time of a conversion of 0.9999 and 0.999999: t = (1/(1 - U) - 1)/(k A0).
    for (double U : {0.9999, 0.999999}) {
        setReactor(20, {0.15, 0, 0}, {1, 0, 0, 0, 0}, 2.0f);
        double t = 0;
        ReactorStatus failure;
        ASSERT_EQ(batchResult(true, t, U, failure), CalcOutcome::Done) << U;
        const double want = (1 / (1 - U) - 1) / 0.15;
        EXPECT_NEAR(t, want, 1e-5 * want) << U;
    }
}

// The step control takes its scale from the species the model integrates: a
// feed of 1 mol/l of B beside a nanomolar A0 does not loosen it.
TEST(BatchReactor, UnusedFeedDoesNotLoosenTheStepControl) {
    for (Integer model : {Integer{14}, Integer{15}, Integer{20}}) {
        const double A0 = model == 20 ? 1e-7 : 1e-9, k1 = 10, k2 = 5, k3 = 1;
        setReactor(model, {k1, k2, k3}, {A0, 1, 0, 0, 0}, 1.0f);
        for (double t : {1.0, 10.0, 100.0}) {
            const Konz c = batch(model, t);
            const test::ACP want = model == 14   ? test::consecutiveWithEquilibrium(t, A0, 0, 0, k1, k2, k3)
                                   : model == 15 ? test::preEquilibrium(t, A0, 0, 0, k1, k2, k3)
                                                 : test::ACP{A0 * std::exp(-k1 * t), 0, A0 * (1 - std::exp(-k1 * t))};
            EXPECT_NEAR(c[A], want[0], 1e-6 * A0) << model << " at " << t;
            if (model != 20) {
                EXPECT_NEAR(c[C], want[1], 1e-6 * A0) << model << " at " << t;
            }
            EXPECT_NEAR(c[P], want[2], 1e-6 * A0) << model << " at " << t;
        }
    }
}

// Stiff runs are finished by the implicit integrator: the enzyme model at
// k1 = 1e3 and 1e5 and with the constants of a real enzyme against the
// reference written from its rate law, within 1e-6 of the larger start
// concentration, and model 15 with k1 = k2 = 1e7 against its closed form.
TEST(BatchReactor, StiffRunsFinishImplicitly) {
    const test::EnzymeCase cases[] = {{1, 5, 1e3, 0.1, 0.005}, {1, 5, 1e5, 0.1, 0.005}, {1e-3, 1, 1e6, 1e3, 1e2}};
    for (const test::EnzymeCase& e : cases) {
        setReactor(10, {e.k1, e.k2, e.k3}, {e.E0, e.S0, 0, 0, 0});
        const auto ref = test::enzymeReference(e, 100);
        for (std::size_t j : {1, 2, 20, 100, 200}) {
            const Konz c = batch(10, 0.5 * static_cast<double>(j));
            for (std::size_t s = 1; s <= 4; ++s)
                EXPECT_NEAR(c[s], ref[j][s], 1e-6 * std::max(e.E0, e.S0)) << e.k1 << " at " << j << ", slot " << s;
        }
    }
    setReactor(15, {1e7, 1e7, 0.005}, {1, 0, 0, 0, 0});
    for (double t : {1.0, 10.0, 100.0}) {
        const Konz c = batch(15, t);
        const test::ACP want = test::preEquilibrium(t, 1, 0, 0, 1e7, 1e7, 0.005);
        EXPECT_NEAR(c[A], want[0], 1e-6) << t;
        EXPECT_NEAR(c[C], want[1], 1e-6) << t;
        EXPECT_NEAR(c[P], want[2], 1e-6) << t;
    }
}

// Integrated models reduced to a simpler one; 6 is a closed form.
TEST(BatchReactor, ReducedModelsEqualTheirSimplerForms) {
    // model, its k2 and k3, the simpler model (with k1 = 0.15, k2 = 0.1)
    const std::tuple<Integer, double, double, Integer> cases[] = {
        {14, 0.1, 0, 6}, {15, 0, 0.1, 6}, {13, 0.1, 0, 9}, {18, 0, 0.1, 9}};
    for (const auto& [model, k2, k3, simple] : cases) {
        setReactor(simple, {0.15, 0.1, 0}, {1, 0.8, 0.1, 0.05, 0});
        const Konz want = batch(simple, 12);
        setReactor(model, {0.15, k2, k3}, {1, 0.8, 0.1, 0.05, 0});
        const Konz got = batch(model, 12);
        for (int s : {A, C, P}) EXPECT_LT(rel(got[s], want[s]), 1e-6) << model << " slot " << s;
    }
}

TEST(BatchReactor, IntegratedModelsKeepTheirInvariantsAndStartAtTheFeed) {
    setReactor(10, {0.15, 0.1, 0.005}, {1, 5, 0.2, 0.1, 0});
    Konz c = batch(10, 40);
    EXPECT_NEAR(c[A] + c[C], 1.2, 1e-9);         // E + ES
    EXPECT_NEAR(c[B] + c[C] + c[P], 5.3, 1e-9);  // S + ES + P
    EXPECT_LT(c[B], 5);
    setReactor(7, {0.15, 0.05, 0}, {1, 1, 0.1, 0.2, 0});
    c = batch(7, 30);
    EXPECT_NEAR(c[A] + c[C] + 2 * c[P], 1.5, 1e-9);
    EXPECT_GT(c[P], 0.2);
    EXPECT_EQ(c[Q], kUnset);
    c = batch(7, 0);
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(c[s], app.c0[s]);
}

TEST(BatchReactor, FailuresLeaveTheResultAndNameTheirText) {
    struct Case {
        const char* what;
        Integer model;
        std::array<double, 3> k;
        std::array<double, 5> c0;
        double t;
    };
    const Case cases[] = {
        {"negative time", 2, {0.15, 0, 0}, {1, 0, 0, 0, 0}, -1},
        {"time not a number", 9, {0.15, 0.1, 0}, {1, 1, 0, 0, 0}, kNaN},
        {"negative feed", 2, {0.15, 0, 0}, {-1, 0, 0, 0, 0}, 5},
        {"constant not a number", 9, {0.15, kNaN, 0}, {1, 1, 0, 0, 0}, 5},
        {"negative constant", 14, {0.15, 0.1, -0.005}, {1, 0, 0, 0, 0}, 5},
        {"integration overflow", 9, {1e300, 0.1, 0}, {1e10, 1e10, 0, 0, 0}, 1e10},
        {"k1 = 0 in model 17", 17, {0, 0.1, 0}, {1, 1, 0, 0, 0}, 5},
    };
    for (const Case& k : cases) {
        setReactor(k.model, k.k, k.c0);
        Konz c = kSentinel;
        const ReactorStatus s = CalcBatchKessel(k.model, k.t, c);
        EXPECT_EQ(s.errFlag(), -1) << k.what;
        EXPECT_EQ(s.text, "numerischer Fehler aufgetreten\r\nÜberprüfen Sie die Eingabewerte") << k.what;
        EXPECT_EQ(s.title, "Meldung von CalcBatchKessel") << k.what;
        EXPECT_EQ(c, kSentinel) << k.what;
    }
    for (Integer model : {Integer{19}, Integer{0}, Integer{21}}) {  // no model: nothing to do
        Konz c = kSentinel;
        EXPECT_TRUE(CalcBatchKessel(model, 5, c).ok);
        EXPECT_EQ(c, kSentinel);
    }
}

// Tightly binding enzymes (K_M = 2e-9 mol/l) at and beyond the time their
// substrate lasts, against the reference written from the rate law: every
// species within 1e-6 of S0, E and ES within 1e-6 of E0; the end time does
// not decide on success down to its last bit.
TEST(BatchReactor, TightBindingEnzyme) {
    const std::tuple<test::EnzymeCase, double> cases[] = {
        {{1e-5, 1, 1e9, 1, 1}, 1.5e5},
        {{1e-4, 1, 1e8, 1, 1}, 15000.002072326584},
        {{1e-4, 1, 1e8, 1, 1}, 15000.002072326582},
        {{1e-7, 1, 1e9, 1, 1}, 5e6},
    };
    for (const auto& [e, t] : cases) {
        SCOPED_TRACE(testing::Message() << "E0 " << e.E0 << ", t " << t);
        setReactor(10, {e.k1, e.k2, e.k3}, {e.E0, e.S0, 0, 0, 0});
        const Konz c = batch(10, t);
        const auto ref = test::enzymeReferenceAt(e, {0, t});
        for (std::size_t s = 1; s <= 4; ++s) EXPECT_NEAR(c[s], ref[1][s], 1e-6 * (s == 1 || s == 3 ? e.E0 : e.S0)) << s;
        EXPECT_GE(c[B], 0);
    }
}

// Order 0.55 uses A up at t = 1/0.45: from there A is exactly 0 and P holds
// all of it; before, A = (1 - 0.45 t)^(1/0.45).
TEST(BatchReactor, OrderBelowOneEndsAtZero) {
    for (double t : {1.0, 2.222, 2.3, 5.0}) {
        setReactor(20, {1, 0, 0}, {1, 0, 0, 0, 0}, 0.55f);
        const Konz c = batch(20, t);
        EXPECT_NEAR(c[A], std::pow(std::max(0.0, 1 - 0.45 * t), 1 / 0.45), 1e-6) << t;
        EXPECT_GE(c[A], 0) << t;
        EXPECT_NEAR(c[A] + c[P], 1, 1e-13) << t;
        if (t > 2.23) {
            EXPECT_EQ(c[A], 0) << t;
        }
    }
}
