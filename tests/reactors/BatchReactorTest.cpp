#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "reactors/BatchReactor.h"
#include "ReactorTestSupport.h"

using namespace vrn;
using vrn::test::setReactor;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kUnset = -777;  // marks result slots that must stay untouched

Konz sentinel() { return {kUnset, kUnset, kUnset, kUnset, kUnset, kUnset}; }

Konz batch(Integer model, double t) {
    Konz c = sentinel();
    const ReactorStatus s = CalcBatchKessel(model, t, c);
    EXPECT_TRUE(s.ok) << "model " << model << ": " << s.text;
    return c;
}

void expectRel(double got, double want, double rel, const char* what) {
    EXPECT_NEAR(got, want, rel * std::max(1.0, std::abs(want))) << what;
}

}  // namespace

TEST(BatchReactor, FirstOrderOfTheExample) {
    setReactor(2, {0.15, 0, 0}, {1, 0, 0, 0, 0});
    const Konz c = batch(2, 5);
    EXPECT_NEAR(c[A], 0.4723665527, 1e-10);
    EXPECT_NEAR(c[P], 1 - 0.4723665527, 1e-10);
    EXPECT_EQ(c[B], kUnset);
    EXPECT_EQ(c[C], kUnset);
    EXPECT_EQ(c[Q], kUnset);
}

// Each closed-form model against its textbook solution; slots the model does
// not write keep their value.
TEST(BatchReactor, ClosedFormsEqualTheirSolutions) {
    struct Case {
        Integer model;
        std::array<double, 3> k;
        std::array<double, 5> c0;
        double t;
        int slots;  // bits of the slots written
        std::function<Konz()> want;
    };
    const int AP = 1 << A | 1 << P;
    const double e = std::exp(1.0);
    const Case cases[] = {
        {1, {0.015, 0, 0}, {1, 0, 0, 0.2, 0}, 20, AP, [] { return Konz{0, 0.7, 0, 0, 0.5, 0}; }},
        {1, {0.015, 0, 0}, {1, 0, 0, 0.2, 0}, 100, AP, [] { return Konz{0, 0, 0, 0, 1.2, 0}; }},  // A used up
        {3, {0.25, 0, 0}, {1, 0, 0, 0, 0}, 2, AP, [] { return Konz{0, 0.5, 0, 0, 0.25, 0}; }},       // 1/(1+2kA0t)
        {4, {0.5, 0, 0}, {1, 1, 0, 0, 0}, 2, AP | 1 << B, [] { return Konz{0, 0.5, 0.5, 0, 0.5, 0}; }},
        {4, {1, 0, 0}, {2, 1, 0, 0, 0}, std::log(2.0) / 1, AP | 1 << B,
         // B = B0 (A0 − B0) / (A0 e^{(A0−B0)kt} − B0) = 1/(4 − 1)
         [] { return Konz{0, 2 - 2.0 / 3, 1.0 / 3, 0, 2.0 / 3, 0}; }},
        {5, {1, 0, 0}, {1, 0, 0, 1, 0.5}, std::log(3.0) / 2, AP | 1 << Q,
         // x = A0 P0 (E − 1)/(E P0 + A0), E = e^{(A0+P0)kt} = 3: x = 0.5
         [] { return Konz{0, 0.5, 0, 0, 1.5, 1.0}; }},
        {16, {1, 0, 0}, {1, 0, 0, 1, 0}, std::log(3.0) / 2, AP | 1 << Q, [] { return Konz{0, 0.5, 0, 0, 1.5, 0.5}; }},
        {6, {1, 0.5, 0}, {1, 0, 0.2, 0, 0}, 2, AP | 1 << C,
         [e] {
             const double a = 1 / (e * e), cc = 0.2 / e + 1 / (0.5 - 1) * (a - 1 / e);
             return Konz{0, a, 0, cc, 1.2 - a - cc, 0};
         }},
        // A <=> P with P0 tends to A = k2 (A0 + P0)/(k1 + k2) = 0.5.
        {8, {0.2, 0.1, 0}, {1, 0, 0, 0.5, 0}, 500, AP, [] { return Konz{0, 0.5, 0, 0, 1.0, 0}; }},
        {8, {0.2, 0.1, 0}, {1, 0, 0, 0.5, 0}, 10, AP,
         [] {
             const double a = 0.5 + 0.5 * std::exp(-3.0);
             return Konz{0, a, 0, 0, 1.5 - a, 0};
         }},
        {11, {0.3, 0.1, 0}, {1, 0, 0, 0.1, 0.2}, 5, AP | 1 << Q,
         [] {
             const double a = std::exp(-2.0);
             return Konz{0, a, 0, 0, 0.1 + 0.75 * (1 - a), 0.2 + 0.25 * (1 - a)};
         }},
    };
    for (const Case& k : cases) {
        setReactor(k.model, k.k, k.c0);
        const Konz c = batch(k.model, k.t);
        const Konz w = k.want();
        for (int s = 1; s <= 5; ++s) {
            if (k.slots & 1 << s) EXPECT_NEAR(c[s], w[s], 1e-9) << "model " << k.model << " slot " << s;
            else EXPECT_EQ(c[s], kUnset) << "model " << k.model << " slot " << s;
        }
    }
}

// The reversible second-order models have no simple textbook form: their
// curve must start at the feed, follow its own rate law and end in the
// equilibrium K = k1/k2.
TEST(BatchReactor, ReversibleSecondOrderFollowsItsRateLaw) {
    for (Integer model : {Integer{12}, Integer{17}}) {
        setReactor(model, {0.4, 0.05, 0}, {1, 0.6, 0, 0.1, 0});
        const double t = 1.5, h = 1e-4;
        const Konz c = batch(model, t), before = batch(model, t - h), after = batch(model, t + h);
        Konz r{};
        calc_dcdt(model, r, app.k, c);
        for (int s : {A, B, P}) EXPECT_NEAR((after[s] - before[s]) / (2 * h), r[s], 1e-7) << model;
        const Konz start = batch(model, 0);
        EXPECT_DOUBLE_EQ(start[A], 1);
        EXPECT_DOUBLE_EQ(start[P], 0.1);
        const Konz end = batch(model, 1e4);
        const double Q = model == 12 ? end[P] * end[P] / (end[A] * end[B]) : end[P] / (end[A] * end[B]);
        EXPECT_NEAR(Q, 8.0, 1e-9) << model;
        EXPECT_NEAR(end[A] - end[B], 0.4, 1e-12);
    }
}

TEST(BatchReactor, OrderNAgainstItsClosedForms) {
    const double k = 0.15, t = 5, A0 = 1;
    const std::pair<Single, double> cases[] = {
        {1.0f, A0 * std::exp(-k * t)},
        {2.0f, A0 / (1 + k * A0 * t)},
        {1.5f, std::pow(1 / std::sqrt(A0) + 0.5 * k * t, -2)},
    };
    for (const auto& [n, a] : cases) {
        setReactor(20, {k, 0, 0}, {A0, 0, 0, 0.3, 0}, n);
        const Konz c = batch(20, t);
        expectRel(c[A], a, 1e-6, "c(A)");
        expectRel(c[P], 0.3 + A0 - a, 1e-6, "c(P)");
        EXPECT_EQ(c[B], kUnset);
        EXPECT_EQ(c[C], kUnset);
    }
}

TEST(BatchReactor, LongResidenceTimeEndsAtT) {
    setReactor(20, {1e-8, 0, 0}, {1, 0, 0, 0, 0}, 1.0f);
    expectRel(batch(20, 1e8)[A], std::exp(-1.0), 1e-6, "c(A) at t = 1e8");
}

// Order 1/2 uses A up at t = 2; after that A has no rate and must not go negative.
TEST(BatchReactor, OrderNNeverDrivesANegative) {
    setReactor(20, {1, 0, 0}, {1, 0, 0, 0, 0}, 0.5f);
    for (double t : {3.0, 50.0, 1e4}) {
        const Konz c = batch(20, t);
        EXPECT_GE(c[A], 0) << t;
        EXPECT_LT(c[A], 1e-6) << t;
        EXPECT_NEAR(c[A] + c[P], 1.0, 1e-12) << t;
    }
}

// Integrated models reduced to a closed-form one.
TEST(BatchReactor, ReducedModelsEqualTheirSimplerForms) {
    struct Case {
        Integer model;
        std::array<double, 3> k;
        Integer simple;
        std::array<double, 3> kSimple;
        std::array<double, 5> c0;
    };
    const Case cases[] = {
        {14, {0.15, 0.1, 0}, 6, {0.15, 0.1, 0}, {1, 0, 0.1, 0.05, 0}},
        {15, {0.15, 0, 0.1}, 6, {0.15, 0.1, 0}, {1, 0, 0.1, 0.05, 0}},
        {13, {0.15, 0.1, 0}, 9, {0.15, 0.1, 0}, {1, 0.8, 0.1, 0.05, 0}},
        {18, {0.15, 0, 0.1}, 9, {0.15, 0.1, 0}, {1, 0.8, 0.1, 0.05, 0}},
    };
    for (const Case& k : cases) {
        setReactor(k.simple, k.kSimple, k.c0);
        const Konz want = batch(k.simple, 12);
        setReactor(k.model, k.k, k.c0);
        const Konz got = batch(k.model, 12);
        for (int s : {A, C, P}) expectRel(got[s], want[s], 1e-6, "reduced model");
    }
}

TEST(BatchReactor, IntegratedModelsKeepTheirInvariants) {
    setReactor(10, {0.15, 0.1, 0.005}, {1, 5, 0.2, 0.1, 0});
    Konz c = batch(10, 40);
    EXPECT_NEAR(c[A] + c[C], 1.2, 1e-9);          // E + ES
    EXPECT_NEAR(c[B] + c[C] + c[P], 5.3, 1e-9);   // S + ES + P
    EXPECT_LT(c[B], 5);
    setReactor(7, {0.15, 0.05, 0}, {1, 1, 0.1, 0.2, 0});
    c = batch(7, 30);
    EXPECT_NEAR(c[A] + c[C] + 2 * c[P], 1.5, 1e-9);
    EXPECT_GT(c[P], 0.2);
    EXPECT_EQ(c[Q], kUnset);
}

TEST(BatchReactor, ZeroTimeGivesTheFeed) {
    for (Integer model : {Integer{2}, Integer{9}, Integer{15}, Integer{20}}) {
        setReactor(model, {0.15, 0.1, 0.005}, {1, 0.8, 0.3, 0.2, 0.1});
        const Konz c = batch(model, 0);
        EXPECT_DOUBLE_EQ(c[A], 1);
        EXPECT_DOUBLE_EQ(c[P], 0.2);
    }
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
        {"stiff: step limit", 15, {1e7, 1e7, 0.005}, {1, 0, 0, 0, 0}, 100},
        {"negative time", 2, {0.15, 0, 0}, {1, 0, 0, 0, 0}, -1},
        {"time not a number", 9, {0.15, 0.1, 0}, {1, 1, 0, 0, 0}, kNaN},
        {"infinite time", 2, {0.15, 0, 0}, {1, 0, 0, 0, 0}, kInf},
        {"negative feed", 2, {0.15, 0, 0}, {-1, 0, 0, 0, 0}, 5},
        {"constant not a number", 9, {0.15, kNaN, 0}, {1, 1, 0, 0, 0}, 5},
        {"negative constant", 14, {0.15, 0.1, -0.005}, {1, 0, 0, 0, 0}, 5},
        {"exponential overflow", 4, {1e300, 0, 0}, {2, 1, 0, 0, 0}, 10},
        {"integration overflow", 9, {1e300, 0.1, 0}, {1e10, 1e10, 0, 0, 0}, 1e10},
        {"k1 = 0 in model 17", 17, {0, 0.1, 0}, {1, 1, 0, 0, 0}, 5},
    };
    for (const Case& k : cases) {
        setReactor(k.model, k.k, k.c0);
        Konz c = sentinel();
        const ReactorStatus s = CalcBatchKessel(k.model, k.t, c);
        EXPECT_FALSE(s.ok) << k.what;
        EXPECT_EQ(s.errFlag(), -1) << k.what;
        EXPECT_EQ(s.text, "numerischer Fehler aufgetreten\r\nÜberprüfen Sie die die Eingabewerte") << k.what;
        EXPECT_EQ(s.title, "Meldung von CalcBatchKessel") << k.what;
        for (int i = 1; i <= 5; ++i) EXPECT_EQ(c[i], kUnset) << k.what;
    }
}

TEST(BatchReactor, NoModelComputesNothing) {
    for (Integer model : {Integer{19}, Integer{0}, Integer{21}}) {
        setReactor(model, {0.15, 0, 0}, {1, 0, 0, 0, 0});
        Konz c = sentinel();
        EXPECT_TRUE(CalcBatchKessel(model, 5, c).ok);
        EXPECT_EQ(c, sentinel());
    }
}
