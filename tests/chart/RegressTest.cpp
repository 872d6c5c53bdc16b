#include <gtest/gtest.h>

#include <cmath>

#include "chart/Regress.h"

using namespace vrn;

namespace {

struct Punkte {
    std::vector<Single> x{0}, y{0}, w{0};
    void add(double xi, double yi, double wi = 1) {
        x.push_back(static_cast<Single>(xi));
        y.push_back(static_cast<Single>(yi));
        w.push_back(static_cast<Single>(wi));
    }
};

struct Fit {
    bool ok = false;
    bool singulaer = false;
    RegrMatrix M{};
    Single s = -7, relAbw = -7, R2 = -7;  // sentinels: untouched on refusal
    double a(int k = 1) const { return M[static_cast<std::size_t>(k)][3]; }
    double b() const { return M[2][3]; }
};

Fit gerade(const Punkte& p, int nKoeff = 2, int modus = 2, int ohneKonstante = 0) {
    Fit f;
    f.ok = LinRegress(p.x, p.y, p.w, nKoeff, modus, ohneKonstante, f.M, f.s, f.relAbw, f.R2, f.singulaer);
    return f;
}

}  // namespace

TEST(LinRegress, HandComputedLineAndStatistics) {
    // x 1..4, y 2, 3, 5, 4: slope 4/5, intercept 1.5; residuals -.3, -.1, 1.1, -.7.
    Punkte p;
    p.add(1, 2);
    p.add(2, 3);
    p.add(3, 5);
    p.add(4, 4);
    Fit f = gerade(p);
    ASSERT_TRUE(f.ok);
    EXPECT_FALSE(f.singulaer);
    EXPECT_NEAR(f.a(), 1.5, 1e-12);
    EXPECT_NEAR(f.b(), 0.8, 1e-12);
    EXPECT_NEAR(f.s, std::sqrt(1.8 / 2), 1e-6);
    const double rel = (0.3 / 2) * (0.3 / 2) + (0.1 / 3) * (0.1 / 3) + (1.1 / 5) * (1.1 / 5) + (0.7 / 4) * (0.7 / 4);
    EXPECT_NEAR(f.relAbw, std::sqrt(rel / 4), 1e-6);
    EXPECT_NEAR(f.R2, 3.2 / 5, 1e-6);
}

TEST(LinRegress, AnscombeFirstSetHasItsPublishedLine) {
    const double x[] = {10, 8, 13, 9, 11, 14, 6, 4, 12, 7, 5};
    const double y[] = {8.04, 6.95, 7.58, 8.81, 8.33, 9.96, 7.24, 4.26, 10.84, 4.82, 5.68};
    Punkte p;
    for (int i = 0; i < 11; ++i) p.add(x[i], y[i]);
    Fit f = gerade(p);
    ASSERT_TRUE(f.ok);
    EXPECT_NEAR(f.a(), 3.00009, 1e-4);
    EXPECT_NEAR(f.b(), 0.500091, 1e-5);
    EXPECT_NEAR(f.R2, 0.666542, 1e-5);
    EXPECT_NEAR(f.s, 1.23660, 1e-4);  // residual standard error with 9 degrees of freedom
}

TEST(LinRegress, CollinearPointsGiveAnExactLine) {
    Punkte p;
    for (double x : {0.5, 1.0, 2.0}) p.add(x, 3 - 2 * x);
    Fit f = gerade(p);
    ASSERT_TRUE(f.ok);
    EXPECT_NEAR(f.a(), 3, 1e-12);
    EXPECT_NEAR(f.b(), -2, 1e-12);
    EXPECT_NEAR(f.s, 0, 1e-6);
    EXPECT_NEAR(f.relAbw, 0, 1e-6);
    EXPECT_NEAR(f.R2, 1, 1e-6);
}

TEST(LinRegress, WeightZeroEqualsRemovingThePoint) {
    Punkte mit, ohne;
    const double x[] = {1, 2, 3, 4, 5}, y[] = {1.1, 1.9, 3.2, 3.9, 5.2};
    for (int i = 0; i < 5; ++i) {
        mit.add(x[i], y[i]);
        ohne.add(x[i], y[i]);
    }
    mit.add(6, 100, 0);  // an excluded outlier
    Fit a = gerade(mit), b = gerade(ohne);
    ASSERT_TRUE(a.ok && b.ok);
    EXPECT_DOUBLE_EQ(a.a(), b.a());
    EXPECT_DOUBLE_EQ(a.b(), b.b());
    EXPECT_FLOAT_EQ(a.s, b.s);
    EXPECT_FLOAT_EQ(a.relAbw, b.relAbw);
    EXPECT_FLOAT_EQ(a.R2, b.R2);
}

TEST(LinRegress, ThroughTheOriginFitsOnlyTheSlope) {
    Punkte p;
    p.add(1, 2);
    p.add(2, 4.1);
    p.add(3, 5.9);
    Fit f = gerade(p, 1, 2, 1);
    ASSERT_TRUE(f.ok);
    EXPECT_NEAR(f.M[1][2], 27.9 / 14, 1e-6);  // sum xy / sum x^2
}

TEST(LinRegress, ParabolaAndBothStraightLineModes) {
    Punkte p;
    for (double x : {-2.0, -1.0, 0.0, 1.0, 2.0, 3.0}) p.add(x, 1 + 2 * x + 3 * x * x);
    Fit q = gerade(p, 3, 3);
    ASSERT_TRUE(q.ok);
    EXPECT_NEAR(q.M[1][4], 1, 1e-9);
    EXPECT_NEAR(q.M[2][4], 2, 1e-9);
    EXPECT_NEAR(q.M[3][4], 3, 1e-9);

    Fit m1 = gerade(p, 2, 1), m2 = gerade(p, 2, 2);
    ASSERT_TRUE(m1.ok && m2.ok);
    EXPECT_DOUBLE_EQ(m1.a(), m2.a());
    EXPECT_DOUBLE_EQ(m1.b(), m2.b());
}

TEST(LinRegress, PointWithYZeroCountsInTheWeightsButNotInTheRelativeDeviation) {
    // Line through (0,1), (1,0), (2,1), (3,2) ... fit, then check relAbw by hand.
    Punkte p;
    const double x[] = {0, 1, 2, 3}, y[] = {1, 0, 1, 2};
    for (int i = 0; i < 4; ++i) p.add(x[i], y[i]);
    Fit f = gerade(p);
    ASSERT_TRUE(f.ok);
    double rel = 0;
    for (int i = 0; i < 4; ++i) {
        if (y[i] == 0) continue;
        const double r = (y[i] - (f.a() + f.b() * x[i])) / y[i];
        rel += r * r;
    }
    EXPECT_NEAR(f.relAbw, std::sqrt(rel / 4), 1e-6);
}

TEST(LinRegress, ExactlyAsManyPointsAsCoefficientsReportNoStatistics) {
    Punkte p;
    p.add(1, 1);
    p.add(3, 5);
    Fit f = gerade(p);
    ASSERT_TRUE(f.ok);
    EXPECT_NEAR(f.a(), -1, 1e-12);
    EXPECT_NEAR(f.b(), 2, 1e-12);
    EXPECT_EQ(f.s, 0);
    EXPECT_EQ(f.relAbw, 0);
    EXPECT_EQ(f.R2, 0);
}

TEST(LinRegress, EqualYValuesLeaveRSquaredUndefinedAsZero) {
    Punkte p;
    for (double x : {1.0, 2.0, 3.0, 4.0}) p.add(x, 0.25);
    Fit f = gerade(p);
    ASSERT_TRUE(f.ok);
    EXPECT_NEAR(f.a(), 0.25, 1e-12);
    EXPECT_NEAR(f.b(), 0, 1e-12);
    EXPECT_EQ(f.R2, 0);
    EXPECT_TRUE(std::isfinite(f.s));
    EXPECT_TRUE(std::isfinite(f.relAbw));
}

TEST(LinRegress, RefusalsLeaveTheStatisticsUntouched) {
    struct Case {
        const char* what;
        Punkte p;
    };
    std::vector<Case> cases;
    {
        Punkte p;
        p.add(1, 2);
        p.add(2, 3, 0);
        p.add(3, 4, 0);
        cases.push_back({"one active point", p});
    }
    {
        Punkte p;
        cases.push_back({"no point", p});
    }
    {
        Punkte p;
        for (double y : {1.0, 2.0, 3.0}) p.add(5, y);
        cases.push_back({"all x equal", p});
    }
    {
        Punkte p;
        p.add(1000, 1);
        p.add(1000.0001, 2);  // the same single
        cases.push_back({"x equal in single precision", p});
    }
    {
        Punkte p;
        p.add(1, 2);
        p.add(2, std::nan(""));
        p.add(3, 4);
        cases.push_back({"non-finite active value", p});
    }
    for (const auto& c : cases) {
        Fit f = gerade(c.p);
        EXPECT_FALSE(f.ok) << c.what;
        EXPECT_TRUE(f.singulaer) << c.what;
        EXPECT_EQ(f.s, -7) << c.what;
        EXPECT_EQ(f.relAbw, -7) << c.what;
        EXPECT_EQ(f.R2, -7) << c.what;
    }
}

TEST(LinRegress, NonFiniteValueOfAnExcludedPointIsIgnored) {
    Punkte p;
    p.add(1, 2);
    p.add(2, std::nan(""), 0);
    p.add(3, 4);
    Fit f = gerade(p);
    ASSERT_TRUE(f.ok);
    EXPECT_NEAR(f.b(), 1, 1e-12);
}

TEST(LinRegress, NearlyEqualButDistinctXValuesStillFit) {
    // 1/T of 300 K and 301 K: small spread, well-posed.
    Punkte p;
    for (double T : {300.0, 300.5, 301.0}) p.add(1 / T, 10 - 5000 / T);
    Fit f = gerade(p);
    ASSERT_TRUE(f.ok);
    EXPECT_NEAR(f.b(), -5000, 5);
}
