// A value at one chosen time, a half-life and a curve of a very high order
// are as exact as the model: each held against a reference that shares no
// code with the engine (the rate laws integrated by GSL at 1e-12, or the
// solutions written out here again in long double).
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "EngineTestSupport.h"
#include "LinearModelSolutions.h"
#include "engine/ConcentrationAtTime.h"
#include "engine/HalfLife.h"
#include "engine/Simulation.h"
#include "reactors/BatchReactor.h"
#include "reactors/ConversionSearch.h"
#include "support/KineticsReference.h"
#include "support/TestSupport.h"

using namespace vrn;
using namespace vrn::test;

namespace {

AtTimeInputs inputsOf(const KineticsCase& c) {
    AtTimeInputs in;
    in.model.model = static_cast<Integer>(c.model);
    in.model.k = {0, c.k[0], c.k[1], c.k[2]};
    in.model.c0 = c.c0;
    in.model.ordnung = c.n;
    in.sSpeziesMaske = "11111";
    return in;
}

// A => P of order n from A0, in long double: A^(1−n) = A0^(1−n) + (n − 1)·k1·t,
// with ln(1 + y) taken by log1pl so that n = 1e30 keeps its digits.
long double orderNReference(long double A0, long double k1, long double n, long double t) {
    if (n == 1) return A0 * std::exp(-k1 * t);
    const long double m = n - 1;
    const long double lnY = std::log(m) + std::log(k1 * t) + m * std::log(A0);
    const long double lnOnePlusY = lnY > 40 ? lnY + std::log1p(std::exp(-lnY)) : std::log1p(std::exp(lnY));
    return A0 * std::exp(-lnOnePlusY / m);
}

// The time at which slot s of the reference falls to half its start within
// `times` (the curve's times, rising from 0): the two times around it from
// one reference run, then bisection on runs from the earlier of them; 0 when
// it stays above.
double referenceHalfLife(const KineticsCase& c, int s, const std::vector<double>& times) {
    const auto si = static_cast<std::size_t>(s);
    const double half = c.c0[si] / 2;
    const auto all = referenceAt(c, times);
    std::size_t j = 1;
    while (j < all.size() && !(all[j][si] < half)) ++j;
    if (j >= all.size()) return 0;
    KineticsCase from = c;
    from.c0 = all[j - 1];
    const double t0 = times[j - 1];
    double lo = 0, hi = times[j] - t0;
    for (int i = 0; i < 60 && hi - lo > 1e-14 * (t0 + hi); ++i) {
        const double mid = lo + (hi - lo) / 2;
        (referenceAt(from, {0, mid}).at(1)[si] < half ? hi : lo) = mid;
    }
    return t0 + (lo + hi) / 2;
}

// A + B <=> 2P (model 12) or A + B <=> P (model 17), k1 > 4·k2 or k1 > 0:
// c(A), c(B), c(P) at t in long double. The extent solves
// dx/dt = f(x) = k1·(A0 − x)·(B0 − x) − k2·(P0 + nu·x)^nu (nu = 2, 1); the two
// roots of f are refined by Newton on f in that product form (the roots of
// the expanded quadratic lose their digits where they lie close), and
// x(t) = r1·r2·(1 − E)/(r1 − r2·E) with E = e^(−a·(r1 − r2)·t), r1 > r2.
std::array<long double, 3> reversibleReference(int model, long double k1, long double k2, long double A0,
                                               long double B0, long double P0, long double t) {
    const long double nu = model == 12 ? 2 : 1;
    const long double a = model == 12 ? k1 - 4 * k2 : k1;
    const auto f = [&](long double x) {
        return k1 * (A0 - x) * (B0 - x) - k2 * (model == 12 ? (P0 + 2 * x) * (P0 + 2 * x) : P0 + x);
    };
    const auto df = [&](long double x) {
        return -k1 * ((A0 - x) + (B0 - x)) - k2 * (model == 12 ? 4 * (P0 + 2 * x) : 1);
    };
    const long double b = -k1 * (A0 + B0) - k2 * (model == 12 ? 4 * P0 : 1);
    const long double c = k1 * A0 * B0 - k2 * (model == 12 ? P0 * P0 : P0);
    const long double w = std::sqrt(std::max(0.0L, b * b - 4 * a * c));
    long double r[2] = {(-b + w) / (2 * a), (-b - w) / (2 * a)};
    for (long double& x : r)
        for (int i = 0; i < 200; ++i) {
            const long double step = f(x) / df(x);
            if (!std::isfinite(step) || step == 0) break;
            x -= step;
        }
    const long double r1 = std::max(r[0], r[1]), r2 = std::min(r[0], r[1]);
    const long double z = -a * (r1 - r2) * t;
    const long double E = std::exp(z);
    const long double x = r1 * r2 * -std::expm1(z) / (r1 - r2 * E);
    return {A0 - x, B0 - x, P0 + nu * x};
}

}  // namespace

// The cases reported: a fast change between two curve points that the
// spline through the curve missed by orders of magnitude.
TEST(ExactAtOneTime, ReportedTimes) {
    struct Row {
        KineticsCase c;
        double t;
        double issued;  // the exact value as reported, 6 digits
        long double reference;
    };
    const double k15[3] = {20290.303207539386, 2010.777946147149, 352108646.0953797};
    const double A15 = 1.1945881053555475e-09, t15 = 0.0003736738892679124;
    const double A20 = 0.011303659777953537, k20 = 1.423401169194098, t20 = 20.516839110630478;
    const Row rows[] = {
        {{15, {k15[0], k15[1], k15[2]}, {0, A15, 0, 0, 0, 0}, 1, 0.668893575668335}, t15, 6.08745e-13,
         preEquilibrium(t15, A15, 0, 0, k15[0], k15[1], k15[2])[0]},
        {{20, {k20, 0, 0}, {0, A20, 0, 0, 0, 0}, 1, 8000.33203125}, t20, 2.3e-15,
         orderNReference(A20, k20, 1, t20)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(describe(r.c));
        Konz c{};
        Integer fehler = 5;
        calc_functioncT_at_t(inputsOf(r.c), r.t, c, fehler);
        EXPECT_EQ(fehler, 0);
        EXPECT_NEAR(c[1], static_cast<double>(r.reference), 1e-9 * r.c.c0[1]);
        EXPECT_NEAR(c[1], r.issued, 0.02 * r.issued);
    }
}

// Random settings of every integrated model, each at six random times up to
// beyond the end time: one integration per time and one pass through all of
// them, both within 1e-6 of the scale of the reference (the accuracy the
// implicit integrator keeps over a stiff run; the explicit pair keeps 1e-9).
TEST(ExactAtOneTime, RandomTimesOfEveryIntegratedModel) {
    std::uint64_t draw = 77;
    const auto uniform = [&draw] {
        draw = draw * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(draw >> 11) / 9007199254740992.0;
    };
    for (int model : {7, 9, 10, 13, 14, 15, 18, 20}) {
        std::uint64_t seed = 5100 + static_cast<std::uint64_t>(model);
        for (int i = 0; i < 8; ++i) {
            const KineticsCase c = randomKineticsCase(model, seed);
            SCOPED_TRACE(describe(c));
            std::vector<double> times{0};
            for (int q = 0; q < 6; ++q) times.push_back(1.2 * c.tEnd * uniform() * uniform());
            std::sort(times.begin(), times.end());
            const auto ref = referenceAt(c, times);
            ASSERT_EQ(ref.size(), times.size()) << "the reference failed";
            const std::vector<std::size_t> slots{1, 2, 3, 4, 5};
            std::vector<std::array<double, 5>> pass(times.size());
            ConcentrationsAtTimes many(times, slots);
            ASSERT_TRUE(many.read(inputsOf(c), [&](std::size_t q, const double* v) {
                std::copy(v, v + 5, pass[q].begin());
                return true;
            }));
            for (std::size_t q = 0; q < times.size(); ++q) {
                Konz one{};
                Integer fehler = 5;
                calc_functioncT_at_t(inputsOf(c), times[q], one, fehler);
                ASSERT_EQ(fehler, 0) << "t = " << times[q];
                for (int s = 1; s <= 5; ++s) {
                    if (!modelHas(static_cast<Integer>(model), s)) continue;
                    const double scale = referenceScale(c, s), want = ref[q][static_cast<std::size_t>(s)];
                    EXPECT_NEAR(one[static_cast<std::size_t>(s)], want, 1e-6 * scale) << "t = " << times[q] << ", slot " << s;
                    EXPECT_NEAR(pass[q][static_cast<std::size_t>(s - 1)], want, 1e-6 * scale)
                        << "t = " << times[q] << ", slot " << s;
                }
            }
        }
    }
}

// The half-life of an integrated curve is the time at which the curve itself
// halves, not where a straight line between two of its points does: the
// reported case (shorter than one output step) and random settings of every
// integrated model, within 1e-6 of the reference's time.
TEST(ExactAtOneTime, HalfLivesOnTheCurveItself) {
    MsgRecorder rec;
    setUpModel(20, {847532291.9914933, 0, 0}, {0.0004792421759271211, 0, 0, 0, 0}, 0.0010990273440256715f, "10010");
    app.nOrdnung = 1;
    ASSERT_EQ(simulate(20), 0);
    EXPECT_NEAR(FuHalbwertszeitSim(currentModelInputs(), app.tEnd, 1), std::numbers::ln2 / 847532291.9914933,
                1e-6 * 8.178416174930859e-10);
    for (int model : {7, 9, 10, 13, 14, 15, 18, 20}) {
        std::uint64_t seed = 5300 + static_cast<std::uint64_t>(model);
        for (int i = 0; i < 3; ++i) {
            KineticsCase c = randomKineticsCase(model, seed);
            c.tEnd = static_cast<Single>(c.tEnd);
            c.n = static_cast<Single>(c.n);
            SCOPED_TRACE(describe(c));
            setUpModel(static_cast<Integer>(model), c.k, {c.c0[1], c.c0[2], c.c0[3], c.c0[4], c.c0[5]},
                       static_cast<Single>(c.tEnd));
            app.nOrdnung = static_cast<Single>(c.n);
            ASSERT_EQ(simulate(static_cast<Integer>(model)), 0);
            const std::vector<double> times(app.tSim.begin(), app.tSim.begin() + 201);
            const double want = referenceHalfLife(c, 1, times);
            EXPECT_NEAR(FuHalbwertszeitSim(currentModelInputs(), app.tEnd, 1), want, 1e-6 * want);
            if (model == 7 || model == 9 || model == 13 || model == 18) {
                const double wantB = referenceHalfLife(c, 2, times);
                EXPECT_NEAR(FuHalbwertszeitSim(currentModelInputs(), app.tEnd, 2), wantB, 1e-6 * wantB);
            }
        }
    }
    EXPECT_EQ(rec.count(), 0u);
}

// Model 20 of a huge order: the curve, the batch reactor, the value at one
// time and the conversion search all follow the closed form, never a
// number the integration made up (1e30 once fell to 0 at t = 6.7).
TEST(ExactAtOneTime, HugeOrdersOfModelTwenty) {
    struct Row {
        double n;
        double batchAt10;  // reported exact value, 0 where not reported
    };
    const Row rows[] = {{60, 0}, {1e3, 0}, {1e13, 0}, {1e15, 0.999999999999965}, {1e30, 0}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.n);
        MsgRecorder rec;
        setUpModel(20, {0.15, 0, 0}, {1, 0, 0, 0, 0}, 30, "10010");
        app.nOrdnung = static_cast<Single>(r.n);
        const long double n = static_cast<Single>(r.n);
        Konz b{};
        ASSERT_TRUE(CalcBatchKessel(20, 10, b).ok);
        EXPECT_NEAR(b[1], static_cast<double>(orderNReference(1, 0.15, n, 10)), 4e-16);
        EXPECT_NEAR(b[4], static_cast<double>(1 - orderNReference(1, 0.15, n, 10)), 4e-16);
        if (r.batchAt10 != 0) {
            EXPECT_NEAR(b[1], r.batchAt10, 1e-15);
        }
        ASSERT_EQ(simulate(20), 0);
        for (int j = 0; j <= 200; j += 20)
            EXPECT_NEAR(app.cSim_A[j], static_cast<double>(orderNReference(1, 0.15, n, app.tSim[j])), 4e-16) << j;
        Konz c{};
        Integer fehler = 5;
        calc_functioncT_at_t(20, 7.5, c, fehler);
        EXPECT_NEAR(c[1], static_cast<double>(orderNReference(1, 0.15, n, 7.5)), 4e-16);
        // Half of A is never used up in any time a Double holds.
        double t = 0;
        ReactorStatus failure;
        EXPECT_EQ(batchResult(true, t, 0.5, failure), r.n < 1e3 ? CalcOutcome::Done : CalcOutcome::NotReached);
        EXPECT_EQ(rec.count(), 0u);
    }
}

// A + B <=> 2P with a fast forward step: the half-life of A exists and is
// found (it was refused for want of convergence), for the reported case and
// for nearly equal feeds over six decades of k1; against the extent
// written out in long double, within 1e-6.
TEST(ExactAtOneTime, ReversibleHalfLifeOfAFastForwardStep) {
    const auto cA = [](const KineticsCase& c, long double t) {
        return reversibleReference(12, c.k[0], c.k[1], c.c0[1], c.c0[2], c.c0[4], t)[0];
    };
    const auto referenceTime = [&cA](const KineticsCase& c) {
        long double lo = 0, hi = 1;
        const long double half = c.c0[1] / 2.0L;
        while (cA(c, hi) > half) hi *= 2;
        for (int i = 0; i < 200 && hi - lo > 1e-15L * hi; ++i) {
            const long double mid = (lo + hi) / 2;
            (cA(c, mid) > half ? lo : hi) = mid;
        }
        return static_cast<double>((lo + hi) / 2);
    };
    std::vector<KineticsCase> cases{{12, {6579642198.723904, 0.06517803768409017, 0},
                                     {0, 0.0030708091655195498, 0.0030708091707641856, 0, 4.482377115658118e-06, 0}}};
    for (double k1 : {1e4, 1e6, 1e8, 1e10})
        for (double d : {1e-12, 1e-8, 1e-4})
            cases.push_back({12, {k1, 0.05, 0}, {0, 0.003, 0.003 * (1 + d), 0, 4e-6, 0}});
    for (const KineticsCase& c : cases) {
        SCOPED_TRACE(describe(c));
        MsgRecorder rec;
        setUpModel(12, c.k, {c.c0[1], c.c0[2], c.c0[3], c.c0[4], c.c0[5]}, 1);
        app.iDiagrammTyp = 12;
        const Single t = FuHalbwertszeitA(c.c0[1], c.c0[2], c.c0[4], c.k[0], c.k[1]);
        const double want = referenceTime(c);
        EXPECT_NEAR(t, want, 1e-6 * want);
        EXPECT_EQ(rec.count(), 0u);
    }
    EXPECT_NEAR(FuHalbwertszeitA(0.0030708091655195498, 0.0030708091707641856, 4.482377115658118e-06,
                                 6579642198.723904, 0.06517803768409017),
                4.949312697616204e-08, 1e-6 * 4.949312697616204e-08);
}

// The closed forms of models 12 and 17 with nearly equal feeds and a fast
// forward step: the reported values and a family around them, against the
// solutions in long double, within 1e-15 of the scale.
TEST(ExactAtOneTime, NearlyEqualFeedsWithAFastForwardStep) {
    struct Row {
        KineticsCase c;
        double t;
        double issued;  // reported exact c(A), 0 where not reported
    };
    std::vector<Row> rows{
        {{12, {6579642198.723904, 0.06517803768409017, 0},
          {0, 0.0030708091655195498, 0.0030708091707641856, 0, 4.482377115658118e-06, 0}},
         0.020443344077793718, 1.955514090924579e-08},
        {{17, {9970518811.159616, 0.4233750162241983, 0},
          {0, 0.41410342476267814, 0.41410342476267453, 0, 8.233441055455136e-06, 0}},
         0.0001874097955301112, 4.193343122155235e-06},
    };
    for (int model : {12, 17})
        for (double k1 : {1e3, 1e6, 1e9, 1e11})
            for (double d : {0.0, 1e-15, 1e-10, 1e-6})
                for (double t : {1e-9, 1e-5, 1e-2, 10.0})
                    rows.push_back({{model, {k1, 0.3, 0}, {0, 0.2, 0.2 * (1 + d), 0, 1e-5, 0}}, t, 0});
    for (const Row& r : rows) {
        SCOPED_TRACE(describe(r.c));
        SCOPED_TRACE(r.t);
        Konz c{};
        Integer fehler = 5;
        calc_functioncT_at_t(inputsOf(r.c), r.t, c, fehler);
        ASSERT_EQ(fehler, 0);
        const auto want = reversibleReference(r.c.model, r.c.k[0], r.c.k[1], r.c.c0[1], r.c.c0[2], r.c.c0[4], r.t);
        const double scale = std::max({r.c.c0[1], r.c.c0[2], r.c.c0[4]});
        const int slots[3] = {1, 2, 4};
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_NEAR(c[static_cast<std::size_t>(slots[i])], static_cast<double>(want[i]), 1e-15 * scale) << "slot " << slots[i];
        if (r.issued != 0) {
            EXPECT_NEAR(c[1], r.issued, 1e-15 * scale);
        }
    }
}

// The fit's one pass through its measured times reaches what each time alone
// reaches: model 7 with fast equal constants read first at 3.9e-14 s was
// refused ("Die Integration ergibt eine Konzentration unter Null.": C, used
// up, overshot below 0 by 2e-12 of its start on the implicit integrator).
// Each value within 1e-8 of the scale of the reference, in one pass and
// alone, with the times in any order.
TEST(ExactAtOneTime, TinyFirstTimesInOnePass) {
    const KineticsCase c{7, {173989951.030897, 173989951.030897, 0},
                         {0, 0.005110330452767101, 8.368177601279746e-07, 0.0001060729656641182, 0, 0}};
    const std::vector<double> times{3.904512674464618e-14, 1.461317725098715e-07, 5.339055326527219e-07,
                                    0.00015556687471775772};
    std::vector<double> withZero{0};
    withZero.insert(withZero.end(), times.begin(), times.end());
    const auto ref = referenceAt(c, withZero);
    ASSERT_EQ(ref.size(), 5u);
    for (const std::vector<double>& order : {times, std::vector<double>(times.rbegin(), times.rend())}) {
        std::vector<std::array<double, 4>> pass(order.size());
        ConcentrationsAtTimes many(order, {1, 2, 3, 4});
        ASSERT_TRUE(many.read(inputsOf(c), [&](std::size_t q, const double* v) {
            std::copy(v, v + 4, pass[q].begin());
            return true;
        })) << many.failureText();
        for (std::size_t q = 0; q < order.size(); ++q) {
            const std::size_t r = static_cast<std::size_t>(std::find(times.begin(), times.end(), order[q]) - times.begin()) + 1;
            Konz one{};
            Integer fehler = 5;
            calc_functioncT_at_t(inputsOf(c), order[q], one, fehler);
            ASSERT_EQ(fehler, 0);
            for (int s = 1; s <= 4; ++s) {
                const double scale = referenceScale(c, s), want = ref[r][static_cast<std::size_t>(s)];
                EXPECT_NEAR(pass[q][static_cast<std::size_t>(s - 1)], want, 1e-8 * scale) << "t = " << order[q] << ", slot " << s;
                EXPECT_NEAR(one[static_cast<std::size_t>(s)], want, 1e-8 * scale) << "t = " << order[q] << ", slot " << s;
            }
        }
    }
}

// The same over random settings of every integrated model: one pass that
// begins at a time 1e-14 of the end time and ends at the end, with the
// times between, reads every value within 1e-6 of the scale of the
// reference.
TEST(ExactAtOneTime, TinyFirstTimesOfEveryIntegratedModel) {
    for (int model : {7, 9, 10, 13, 14, 15, 18, 20}) {
        std::uint64_t seed = 5700 + static_cast<std::uint64_t>(model);
        for (int i = 0; i < 8; ++i) {
            const KineticsCase c = randomKineticsCase(model, seed);
            SCOPED_TRACE(describe(c));
            const std::vector<double> times{1e-14 * c.tEnd, 1e-10 * c.tEnd, 1e-6 * c.tEnd, 1e-3 * c.tEnd, 0.1 * c.tEnd,
                                            c.tEnd};
            std::vector<double> withZero{0};
            withZero.insert(withZero.end(), times.begin(), times.end());
            const auto ref = referenceAt(c, withZero);
            ASSERT_EQ(ref.size(), withZero.size()) << "the reference failed";
            std::vector<std::array<double, 5>> pass(times.size());
            ConcentrationsAtTimes many(times, {1, 2, 3, 4, 5});
            ASSERT_TRUE(many.read(inputsOf(c), [&](std::size_t q, const double* v) {
                std::copy(v, v + 5, pass[q].begin());
                return true;
            })) << many.failureText();
            for (std::size_t q = 0; q < times.size(); ++q)
                for (int s = 1; s <= 5; ++s) {
                    if (!modelHas(static_cast<Integer>(model), s)) continue;
                    EXPECT_NEAR(pass[q][static_cast<std::size_t>(s - 1)], ref[q + 1][static_cast<std::size_t>(s)],
                                1e-6 * referenceScale(c, s))
                        << "t = " << times[q] << ", slot " << s;
                }
        }
    }
}
