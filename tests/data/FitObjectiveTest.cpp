// The fitting objective over the engine: synthetic data sets from closed
// forms are fitted back in each mode; points that do not take part; the
// analytic Jacobian; quiet failures.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "EngineTestSupport.h"
#include "EnzymeReference.h"
#include "data/FitObjective.h"
#include "data/FitTexts.h"
#include "support/TestSupport.h"

using namespace vrn;

namespace {

struct Punkt {
    double t, cA, T = 0, cP = 0;
    Integer aus = 0;
};

void setData(const std::vector<Punkt>& pts) {
    test::setDataSet(static_cast<int>(pts.size()), [&pts](Messpunkt& m, int i) {
        const Punkt& p = pts[static_cast<std::size_t>(i - 1)];
        std::tie(m.t, m.c[1], m.c[4], m.Temp, m.aus) = std::tie(p.t, p.cA, p.cP, p.T, p.aus);
    });
}

FitAuswahl species(std::initializer_list<int> s) {
    FitAuswahl a;
    for (int j : s) a.stoff[static_cast<std::size_t>(j)] = true;
    return a;
}

// Three isotherms, c(A) from the given k(T) (first or second order).
std::vector<Punkt> isotherms(const std::function<double(double)>& kOfT, int order, double c0) {
    std::vector<Punkt> pts;
    for (double T : {300.0, 310.0, 320.0})
        for (int i = 1; i <= 8; ++i) {
            const double t = 0.5 * i, k = kOfT(T);
            pts.push_back({t, order == 1 ? std::exp(-k * t) : 1 / (1 / c0 + 2 * k * t), T});
        }
    return pts;
}

}  // namespace

// Mode 1 on first-order data c = exp(-0.15 t) (closed form), mode 2 on
// c = (1 + 0.1 t)^-2 (order 1.5, k = 0.2, model 20 integrated numerically).
TEST(FitObjective, IsothermalFitsReturnTheConstantsOfTheirData) {
    struct Case {
        Integer model;
        Byte mode;
        int nPar;
        double (*c)(double t);
        double k, n, tolK, tolN;
    };
    const Case cases[] = {
        {2, 1, 1, [](double t) { return std::exp(-0.15 * t); }, 0.15, 0, 0.15e-4, 0},
        {20, 2, 2, [](double t) { return std::pow(1 + 0.1 * t, -2); }, 0.2, 1.5, 2e-4, 2e-3},
    };
    for (const Case& c : cases) {
        test::MsgRecorder rec;
        test::setUpModel(c.model, {0.1, 0, 0}, {1, 0, 0, 0, 0}, 20, "10010");
        app.bAuswertungsart = c.mode;
        std::vector<Punkt> pts;
        for (int i = 0; i <= 20; ++i) pts.push_back({double(i), c.c(i)});
        setData(pts);
        const KinFitErgebnis e = MarquardtNashFitting(c.nPar, {0, 0.1, 1.0, 0}, species({1}));
        EXPECT_FALSE(e.bMaxIter || e.abgebrochen);
        EXPECT_NEAR(e.p[1], c.k, c.tolK);
        EXPECT_NEAR(e.p[2], c.nPar == 2 ? c.n : 1.0, c.tolN);  // beyond nPar the start stays
        EXPECT_EQ(rec.count(), 0u);
    }
    // The order is taken as a Single, and an evaluation writes nothing of
    // the shared state (the window takes the result over when the fit ends).
    const Konstanten kVorher = app.k;
    const Single nVorher = app.nOrdnung;
    FitObjective o(species({1}));
    double fqs = 0, fqsSingle = 0, fqsAnders = 0;
    ASSERT_TRUE(o.calcFQS_Marquardt({0, 0.2, 1.1, 0}, fqs));
    ASSERT_TRUE(o.calcFQS_Marquardt({0, 0.2, 1.10000002384185791015625, 0}, fqsSingle));
    ASSERT_TRUE(o.calcFQS_Marquardt({0, 0.2, 1.1000001, 0}, fqsAnders));
    EXPECT_EQ(fqs, fqsSingle);
    EXPECT_NE(fqs, fqsAnders);
    EXPECT_EQ(app.k, kVorher);
    EXPECT_EQ(app.nOrdnung, nVorher);
}

TEST(FitObjective, TemperatureFunctionsInModesSixAndSeven) {
    struct Case {
        const char* what;
        Byte mode, kt;
        double p1, p2, start1, start2, c0;
    };
    // 2A => P without a start concentration cannot be evaluated: the fit
    // ends at once, at the start, without a message of its own.
    const Case cases[] = {
        {"Arrhenius, first order", 6, 1, 1e10, 60000, 1e9, 55000, 1},
        {"Eyring, first order", 6, 2, 2e7, 58000, 1e7, 55000, 1},
        {"Arrhenius, 2A => P", 7, 1, 1e10, 60000, 1e9, 55000, 0.5},
        {"2A => P without c(A)(0)", 7, 1, 1e10, 60000, 1e9, 55000, 0},
    };
    for (const Case& c : cases) {
        test::MsgRecorder rec;
        test::setUpModel(c.mode == 6 ? 2 : 3, {0, 0, 0}, {c.c0, 0, 0, 0, 0}, 5, "10000");
        app.bAuswertungsart = c.mode;
        app.bytKTFunktion = c.kt;
        app.c0Daten[1] = static_cast<Single>(c.c0);
        setData(isotherms(
            [&c](double T) { return c.p1 * (c.kt == 2 ? T : 1) * std::exp(-c.p2 / (8.3145 * T)); },
            c.mode == 6 ? 1 : 2, c.c0 > 0 ? c.c0 : 0.5));
        const KinFitErgebnis e = MarquardtNashFitting(2, {0, c.start1, c.start2, 0}, FitAuswahl{});
        EXPECT_EQ(e.abgebrochen, c.c0 == 0) << c.what;
        EXPECT_FALSE(e.bMaxIter) << c.what;
        EXPECT_NEAR(e.p[1], c.c0 > 0 ? c.p1 : c.start1, 1e-4 * c.p1) << c.what;
        EXPECT_NEAR(e.p[2], c.c0 > 0 ? c.p2 : c.start2, 1e-4 * c.p2) << c.what;
        EXPECT_EQ(rec.count(), 0u);
    }
}

TEST(FitObjective, AnalyticJacobianOfArrheniusEqualsDifferences) {
    test::setUpModel(2, {0, 0, 0}, {1, 0, 0, 0, 0}, 5, "10000");
    app.bAuswertungsart = 6;
    app.bytKTFunktion = 1;
    auto pts = isotherms([](double T) { return 3e9 * std::exp(-58000 / (8.3145 * T)); }, 1, 1);
    pts.push_back({1, 0.5, 0});          // no temperature
    pts.push_back({1, 0.5, 300, 0, -1});  // excluded
    setData(pts);
    FitObjective o(FitAuswahl{});
    FitParameter p{0, 1e10, 60000, 0};
    for (int i = 1; i <= app.nExpPunkte; ++i) {
        double r = 0;
        std::array<double, 4> J{};
        ASSERT_TRUE(o.CalcAbleitungen(2, i, p, r, J));
        for (int j = 1; j <= 2; ++j) {
            const double h = 1e-6 * p[static_cast<std::size_t>(j)];
            FitParameter lo = p, hi = p;
            lo[static_cast<std::size_t>(j)] -= h;
            hi[static_cast<std::size_t>(j)] += h;
            double rl = 0, rh = 0;
            ASSERT_TRUE(o.CalcResiduals(i, lo, rl));
            ASSERT_TRUE(o.CalcResiduals(i, hi, rh));
            EXPECT_NEAR(J[static_cast<std::size_t>(j)], (rh - rl) / (2 * h), 1e-6 * std::fabs(J[static_cast<std::size_t>(j)]) + 1e-14)
                << "point " << i << ", parameter " << j;
        }
        if (i > 24) {
            EXPECT_EQ(r, 0) << "a point that does not take part has no residual";
        }
    }
}

// Points without a temperature or excluded ones neither change the fit nor
// count as degrees of freedom.
TEST(FitObjective, OnlyPointsThatTakePartCount) {
    test::setUpModel(2, {0, 0, 0}, {1, 0, 0, 0, 0}, 5, "10000");
    app.bAuswertungsart = 6;
    app.bytKTFunktion = 1;
    auto pts = isotherms([](double T) { return 1e10 * std::exp(-60000 / (8.3145 * T)) * (T > 305 ? 1.01 : 1); }, 1, 1);
    setData(pts);
    const KinFitErgebnis clean = MarquardtNashFitting(2, {0, 1e9, 55000, 0}, FitAuswahl{});
    for (int i = 0; i < 3; ++i) pts.push_back({1.0 + i, 0.9, 0});
    pts.push_back({2, 0.1, 310, 0, -1});
    setData(pts);
    EXPECT_EQ(teilnehmendePunkte(FitAuswahl{}), 24);
    const KinFitErgebnis more = MarquardtNashFitting(2, {0, 1e9, 55000, 0}, FitAuswahl{});
    for (int j = 1; j <= 2; ++j) {
        EXPECT_DOUBLE_EQ(more.p[static_cast<std::size_t>(j)], clean.p[static_cast<std::size_t>(j)]);
        EXPECT_DOUBLE_EQ(more.StdAbw[static_cast<std::size_t>(j)], clean.StdAbw[static_cast<std::size_t>(j)]);
        EXPECT_GT(clean.StdAbw[static_cast<std::size_t>(j)], 0);
    }
    // Isothermal modes: excluded points do not count, and nothing counts
    // without a chosen species.
    app.bAuswertungsart = 1;
    EXPECT_EQ(teilnehmendePunkte(species({1})), 27);
    EXPECT_EQ(teilnehmendePunkte(FitAuswahl{}), 0);
}

// One point's residual is the sum of the absolute deviations of its species,
// squared by the minimiser; the shown sum squares each deviation.
TEST(FitObjective, ShownErrorSumAndMinimisedSum) {
    test::setUpModel(2, {0.2, 0, 0}, {1, 0, 0, 0, 0}, 10, "10010");
    app.bAuswertungsart = 1;
    const double dA[] = {0.01, -0.02, 0.03}, dP[] = {0.02, 0.01, -0.04};
    std::vector<Punkt> pts;
    for (int i = 0; i < 3; ++i) {
        const double e = std::exp(-0.2 * (i + 1));
        pts.push_back({double(i + 1), e + dA[i], 0, 1 - e + dP[i]});
    }
    setData(pts);
    // a, shown, minimised
    const std::tuple<FitAuswahl, double, double> cases[] = {
        {species({1}), 0.0014, 0.0014},
        {species({4}), 0.0021, 0.0021},
        {species({1, 4}), 0.0035, 0.03 * 0.03 + 0.03 * 0.03 + 0.07 * 0.07},
        {FitAuswahl{}, 0, 0},
    };
    for (const auto& [a, shown, minimised] : cases) {
        FitObjective o(a);
        double fqs = 0;
        ASSERT_TRUE(o.calcFQS_Marquardt({0, 0.2, 0, 0}, fqs));
        EXPECT_NEAR(fqs, minimised, 1e-12);
        EXPECT_NEAR(CalcFQS_Messwerte(a), shown, 1e-12);
    }
}

// With one species the residual is its signed deviation (same square, no
// kink); with several, the derivative counts each deviation with the sign it
// has at p, so a step that crosses 0 does not flip it. Model 2, c(A) =
// exp(-k t), c(P) = 1 - exp(-k t), at k = 0.2 where c(A) fits exactly (one
// species) or lies 1e-13 above its point while c(P) lies 0.05 below.
TEST(FitObjective, DeviationsKeepTheirSign) {
    test::setUpModel(2, {0.2, 0, 0}, {1, 0, 0, 0, 0}, 10, "10010");
    app.bAuswertungsart = 1;
    for (bool beide : {false, true}) {
        std::vector<Punkt> pts;
        for (int i = 1; i <= 3; ++i) {
            const double e = std::exp(-0.2 * i);
            pts.push_back({double(i), e - (beide ? 1e-13 : 0), 0, 1 - e + 0.05});
        }
        setData(pts);
        FitObjective o(beide ? species({1, 4}) : species({1}));
        for (int i = 1; i <= 3; ++i) {
            const double dAdk = -i * std::exp(-0.2 * i);  // dc(A)/dk; dc(P)/dk = -dc(A)/dk
            FitParameter p{0, 0.2, 0, 0};
            double r = 0;
            std::array<double, 4> J{};
            ASSERT_TRUE(o.CalcAbleitungen(1, i, p, r, J));
            EXPECT_NEAR(J[1], beide ? 2 * dAdk : dAdk, 1e-5 * std::fabs(dAdk)) << i;
            if (!beide) {
                ASSERT_TRUE(o.CalcResiduals(i, {0, 0.25, 0, 0}, r));
                EXPECT_NEAR(r, std::exp(-0.25 * i) - std::exp(-0.2 * i), 1e-15) << i;  // below its point
            }
        }
    }
}

// Mode 2 keeps the order n as a Single; its derivative is divided by the
// change n really took. The standard deviations of k1 and n against a
// reference in double precision from the closed form of order n,
// c(A) = (1 + (n - 1) k t)^(1/(1 - n)), at the fitted k1 and n.
TEST(FitObjective, StandardDeviationOfTheOrder) {
    test::MsgRecorder rec;
    for (double n0 : {1.5, 2.2}) {
        test::setUpModel(20, {0.1, 0, 0}, {1, 0, 0, 0, 0}, 20, "10010");
        app.bAuswertungsart = 2;
        auto cA = [](double t, double k, double n) { return std::pow(1 + (n - 1) * k * t, 1 / (1 - n)); };
        std::vector<Punkt> pts;
        for (int i = 1; i <= 20; ++i) pts.push_back({double(i), cA(i, 0.2, n0) * (1 + 0.01 * std::sin(3.0 * i))});
        setData(pts);
        const KinFitErgebnis e = MarquardtNashFitting(2, {0, 0.1, 1.2, 0}, species({1}));
        ASSERT_FALSE(e.bMaxIter || e.abgebrochen);
        const double k = e.p[1], n = static_cast<Single>(e.p[2]);
        // J'J and the sum of squares by central differences of the closed form.
        double a11 = 0, a12 = 0, a22 = 0, S = 0;
        for (const Punkt& q : pts) {
            const double hk = 1e-6 * k, hn = 1e-6 * n;
            const double jk = (cA(q.t, k + hk, n) - cA(q.t, k - hk, n)) / (2 * hk);
            const double jn = (cA(q.t, k, n + hn) - cA(q.t, k, n - hn)) / (2 * hn);
            a11 += jk * jk;
            a12 += jk * jn;
            a22 += jn * jn;
            S += std::pow(cA(q.t, k, n) - q.cA, 2);
        }
        const double s2 = S / (20 - 2), det = a11 * a22 - a12 * a12;
        SCOPED_TRACE(n0);
        EXPECT_NEAR(e.StdAbw[1], std::sqrt(s2 * a22 / det), 0.01 * std::sqrt(s2 * a22 / det));
        EXPECT_NEAR(e.StdAbw[2], std::sqrt(s2 * a11 / det), 0.01 * std::sqrt(s2 * a11 / det));
    }
    EXPECT_EQ(rec.count(), 0u);
}

// Model 13 (A + B => C <=> P, k = 0.3, 0.2, 0.1) on 50 and 1000 points with
// 1 % scatter, all four species, from (0.01, 0.02, 0.005): the first steps
// run k3 into its lower bound, the sum of absolute deviations has kinks, and
// the fit still ends at the constants of its data, before any limit.
TEST(FitObjective, FitThroughABoundAndOverKinks) {
    test::MsgRecorder rec;
    // The rate law integrated by fixed Runge-Kutta steps of 1e-3.
    auto rates = [](const std::array<double, 4>& c) {
        const double r1 = 0.3 * c[0] * c[1], r2 = 0.2 * c[2] - 0.1 * c[3];
        return std::array<double, 4>{-r1, -r1, r1 - r2, r2};
    };
    std::vector<std::array<double, 4>> ref{{1, 1, 0, 0}};
    for (int s = 1; s <= 20000; ++s) {
        const auto& c = ref.back();
        auto step = [&c](const std::array<double, 4>& d, double f) {
            std::array<double, 4> z{};
            for (std::size_t i = 0; i < 4; ++i) z[i] = c[i] + f * d[i];
            return z;
        };
        const auto k1 = rates(c), k2 = rates(step(k1, 5e-4)), k3 = rates(step(k2, 5e-4)), k4 = rates(step(k3, 1e-3));
        std::array<double, 4> n{};
        for (std::size_t i = 0; i < 4; ++i) n[i] = c[i] + 1e-3 * (k1[i] + 2 * k2[i] + 2 * k3[i] + k4[i]) / 6;
        ref.push_back(n);
    }
    for (int n : {50, 1000}) {
        test::setUpModel(13, {0.1, 0.1, 0.1}, {1, 1, 0, 0, 0}, 20, "11110");
        app.bAuswertungsart = 1;
        test::setDataSet(n, [n, &ref](Messpunkt& m, int i) {
            m.t = 20.0 * i / n;
            for (int j = 1; j <= 4; ++j)
                m.c[j] = ref[static_cast<std::size_t>(20000 * i / n)][static_cast<std::size_t>(j - 1)] * (1 + 0.01 * std::sin(3.0 * i + j));
        });
        const KinFitErgebnis e = MarquardtNashFitting(3, {0, 0.01, 0.02, 0.005}, species({1, 2, 3, 4}));
        EXPECT_FALSE(e.bMaxIter || e.abgebrochen) << n;
        EXPECT_NEAR(e.p[1], 0.3, 0.003) << n;
        EXPECT_NEAR(e.p[2], 0.2, 0.004) << n;
        EXPECT_NEAR(e.p[3], 0.1, 0.002) << n;
    }
    EXPECT_EQ(rec.count(), 0u);
}

// The enzyme model with a fast binding equilibrium (k1 = k2 = 1e5, k3 =
// 0.05, E0 = 1, S0 = 5), which the explicit rule refuses, is simulated
// implicitly at every trial of the fit: fitted to 50 points of ES from the
// reference written from its rate law (1 % scatter), it finds what the
// curve determines, the binding constant k1/k2 = 1 and k3 = 0.05.
TEST(FitObjective, StiffEnzymeFit) {
    test::MsgRecorder rec;
    const test::EnzymeCase e{1, 5, 1e5, 1e5, 0.05};
    const auto ref = test::enzymeReference(e, 100);
    test::setUpModel(10, {1e5, 1e5, 0.05}, {1, 5, 0, 0, 0}, 100, "11110");
    app.bAuswertungsart = 1;
    test::setDataSet(50, [&ref](Messpunkt& m, int i) {
        m.t = 2.0 * i;
        for (std::size_t j = 1; j <= 4; ++j) m.c[j] = ref[static_cast<std::size_t>(4 * i)][j] * (1 + 0.01 * std::sin(3.0 * i + j));
    });
    const KinFitErgebnis f = MarquardtNashFitting(3, {0, 5e4, 2e4, 0.02}, species({3}));
    EXPECT_FALSE(f.bMaxIter || f.abgebrochen);
    EXPECT_NEAR(f.p[1] / f.p[2], 1, 0.01);
    EXPECT_NEAR(f.p[3], 0.05, 5e-4);
    EXPECT_EQ(rec.count(), 0u);
}

// k1 and k3 of the enzyme model (k2 = 50 fixed; E0 = 1e-3, S0 = 1; true k1 =
// 1e3, k3 = 10) fitted to 30 points of P with a scatter of 0.005. The runs
// go to the implicit integrator; the standard deviations agree within 1 %
// with those of the reference: (J'J)^-1 S/(n - 2), J from central
// differences of the reference written from the rate law, at the fitted
// constants.
TEST(FitObjective, StandardDeviationsOfAStiffFit) {
    test::MsgRecorder rec;
    const auto P = [](double k1, double k3) {
        std::vector<double> t{0};
        for (int i = 1; i <= 30; ++i) t.push_back(5.0 * i);
        const auto ref = test::enzymeReferenceAt({1e-3, 1, k1, 50, k3}, t);
        std::vector<double> p;
        for (const auto& r : ref) p.push_back(r[4]);
        return p;
    };
    const std::vector<double> truth = P(1e3, 10);
    test::setUpModel(10, {1e3, 50, 10}, {1e-3, 1, 0, 0, 0}, 150, "11110");
    app.bAuswertungsart = 1;
    test::setDataSet(30, [&truth](Messpunkt& m, int i) {
        m.t = 5.0 * i;
        m.c[4] = truth[static_cast<std::size_t>(i)] + 0.005 * std::sqrt(2.0) * std::sin(2.3 * i + 0.4);
    });
    FitAuswahl a = species({4});
    a.bFixiert[2] = true;
    const KinFitErgebnis f = MarquardtNashFitting(3, {0, 800, 50, 8}, a);
    ASSERT_FALSE(f.bMaxIter || f.abgebrochen);

    // Derivatives of P(t_i) by k1 and k3 at the fit, central, 1e-3 of each.
    const double k1 = f.p[1], k3 = f.p[3], h1 = 1e-3 * k1, h3 = 1e-3 * k3;
    const auto p1 = P(k1 + h1, k3), m1 = P(k1 - h1, k3), p3 = P(k1, k3 + h3), m3 = P(k1, k3 - h3);
    double a11 = 0, a12 = 0, a22 = 0;
    for (std::size_t i = 1; i <= 30; ++i) {
        const double j1 = (p1[i] - m1[i]) / (2 * h1), j3 = (p3[i] - m3[i]) / (2 * h3);
        a11 += j1 * j1;
        a12 += j1 * j3;
        a22 += j3 * j3;
    }
    const double det = a11 * a22 - a12 * a12, sigma2 = f.FQS / (30 - 2);
    EXPECT_NEAR(f.StdAbw[1] / std::sqrt(sigma2 * a22 / det), 1, 0.01);
    EXPECT_NEAR(f.StdAbw[3] / std::sqrt(sigma2 * a11 / det), 1, 0.01);
    EXPECT_EQ(f.StdAbw[2], 0);  // fixed
    EXPECT_NEAR(k1, 1e3, 3 * f.StdAbw[1]);
    EXPECT_NEAR(k3, 10, 3 * f.StdAbw[3]);
    EXPECT_EQ(rec.count(), 0u);
}

// The line of a parameter typed too large, from the caption of its frame in
// each mode: the caption's last word is the symbol.
TEST(FitTexts, ParameterTooLargeIsNamedByItsFrame) {
    // mode, temperature function, parameter, line
    const std::tuple<int, int, int, std::string> rows[] = {
        {2, 0, 2, "- Reaktionsordnung zu groß: n darf höchstens 3.4E+38 sein"},
        {6, 1, 1, "- Arrhenius-Präexponentialfaktor zu groß: A darf höchstens 1.7E+308 sein"},
        {6, 1, 2, "- mol. Aktivierungsenergie zu groß: EA darf höchstens 1.7E+308 sein"},
        {7, 1, 2, "- Aktivierungsenergie zu groß: EA darf höchstens 1.7E+308 sein"},
        {6, 2, 1, "- mol. Aktivierungs-Entropie zu groß: s# darf höchstens 1.7E+308 sein"},
        {7, 2, 2, "- mol. Aktivierungs-Enthalpie zu groß: h# darf höchstens 1.7E+308 sein"},
    };
    for (const auto& [modus, kt, j, line] : rows) {
        const FitBeschriftung& b = fitBeschriftung(modus, kt);
        EXPECT_EQ(liesZahl("1E39", fitParameterFeld(j == 1 ? b.frak1 : b.frak2, modus == 2 && j == 2)).zeile,
                  modus == 2 && j == 2 ? line : std::string())
            << modus << " " << kt;
        EXPECT_EQ(liesZahl("1E400", fitParameterFeld(j == 1 ? b.frak1 : b.frak2, modus == 2 && j == 2)).zeile, line)
            << modus << " " << kt;
    }
    // The design caption of mode 1, and a caption of one word.
    EXPECT_EQ(liesZahl("1E400", fitParameterFeld("Geschwindigkeitskonstante k3 ", false)).zeile,
              "- Geschwindigkeitskonstante zu groß: k3 darf höchstens 1.7E+308 sein");
    EXPECT_EQ(liesZahl("1E400", fitParameterFeld("k", false)).zeile, "- k zu groß: k darf höchstens 1.7E+308 sein");
}
