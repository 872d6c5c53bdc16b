#include <gtest/gtest.h>

#include <cmath>

#include "chart/Regress.h"

using namespace vrn;

namespace {

struct Fit {
    bool ok = false;
    bool singulaer = false;
    RegrMatrix M{};
    Single s = -7, relAbw = -7, R2 = -7;  // sentinels: untouched on refusal
    double a() const { return M[1][3]; }
    double b() const { return M[2][3]; }
};

// Fits the points (x, y) with weight w (1 when left out).
Fit fit(const std::vector<std::array<double, 3>>& pts, int nKoeff = 2, int modus = 2, int ohneKonstante = 0) {
    std::vector<Single> x{0}, y{0}, w{0};
    for (const auto& p : pts) {
        x.push_back(static_cast<Single>(p[0]));
        y.push_back(static_cast<Single>(p[1]));
        w.push_back(static_cast<Single>(p[2]));
    }
    Fit f;
    f.ok = LinRegress(x, y, w, nKoeff, modus, ohneKonstante, f.M, f.s, f.relAbw, f.R2, f.singulaer);
    return f;
}

std::vector<std::array<double, 3>> points(const std::vector<double>& x, const std::vector<double>& y) {
    std::vector<std::array<double, 3>> p;
    for (std::size_t i = 0; i < x.size(); ++i) p.push_back({x[i], y[i], 1});
    return p;
}

}  // namespace

TEST(LinRegress, HandComputedLineAndStatistics) {
    // x 1..4, y 2, 3, 5, 4: slope 4/5, intercept 1.5; residuals -.3, -.1, 1.1, -.7.
    Fit f = fit(points({1, 2, 3, 4}, {2, 3, 5, 4}));
    ASSERT_TRUE(f.ok);
    EXPECT_FALSE(f.singulaer);
    EXPECT_NEAR(f.a(), 1.5, 1e-12);
    EXPECT_NEAR(f.b(), 0.8, 1e-12);
    EXPECT_NEAR(f.s, std::sqrt(1.8 / 2), 1e-6);
    const double rel = (0.3 / 2) * (0.3 / 2) + (0.1 / 3) * (0.1 / 3) + (1.1 / 5) * (1.1 / 5) + (0.7 / 4) * (0.7 / 4);
    EXPECT_NEAR(f.relAbw, std::sqrt(rel / 4), 1e-6);
    EXPECT_NEAR(f.R2, 3.2 / 5, 1e-6);
    // A point with y = 0 counts in the weights but adds nothing to relAbw.
    f = fit(points({0, 1, 2, 3}, {1, 0, 1, 2}));  // line 0.4 + 0.4 x
    EXPECT_NEAR(f.relAbw, std::sqrt((0.36 + 0.04 + 0.16 / 4) / 4), 1e-6);
}

TEST(LinRegress, AnscombeFirstSetHasItsPublishedLine) {
    Fit f = fit(points({10, 8, 13, 9, 11, 14, 6, 4, 12, 7, 5},
                       {8.04, 6.95, 7.58, 8.81, 8.33, 9.96, 7.24, 4.26, 10.84, 4.82, 5.68}));
    ASSERT_TRUE(f.ok);
    EXPECT_NEAR(f.a(), 3.00009, 1e-4);
    EXPECT_NEAR(f.b(), 0.500091, 1e-5);
    EXPECT_NEAR(f.R2, 0.666542, 1e-5);
    EXPECT_NEAR(f.s, 1.23660, 1e-4);  // residual standard error with 9 degrees of freedom
}

TEST(LinRegress, ExactLinesEqualYAndAsManyPointsAsCoefficients) {
    Fit f = fit(points({0.5, 1.0, 2.0}, {2, 1, -1}));  // collinear: y = 3 - 2x
    ASSERT_TRUE(f.ok);
    EXPECT_NEAR(f.a(), 3, 1e-12);
    EXPECT_NEAR(f.b(), -2, 1e-12);
    EXPECT_NEAR(f.s + f.relAbw, 0, 1e-6);
    EXPECT_NEAR(f.R2, 1, 1e-6);
    f = fit(points({1, 3}, {1, 5}));  // two points: exact, no statistics
    EXPECT_NEAR(f.b(), 2, 1e-12);
    EXPECT_EQ(std::tuple(f.s, f.relAbw, f.R2), std::tuple(0.0f, 0.0f, 0.0f));
    f = fit(points({1, 2, 3, 4}, {0.25, 0.25, 0.25, 0.25}));  // all y equal: R² undefined, given as 0
    ASSERT_TRUE(f.ok);
    EXPECT_NEAR(f.a(), 0.25, 1e-12);
    EXPECT_EQ(std::tuple(f.R2, std::isfinite(f.s) && std::isfinite(f.relAbw)), std::tuple(0, true));
    f = fit(points({1 / 300.0, 1 / 300.5, 1 / 301.0}, {10 - 5000 / 300.0, 10 - 5000 / 300.5, 10 - 5000 / 301.0}));
    EXPECT_NEAR(f.b(), -5000, 5);  // nearly equal but distinct x still fit
}

TEST(LinRegress, WeightZeroEqualsRemovingThePoint) {
    auto mit = points({1, 2, 3, 4, 5}, {1.1, 1.9, 3.2, 3.9, 5.2});
    const Fit b = fit(mit);
    mit.push_back({6, 100, 0});            // an excluded outlier
    mit.push_back({7, std::nan(""), 0});  // and an excluded undefined value
    const Fit a = fit(mit);
    ASSERT_TRUE(a.ok && b.ok);
    EXPECT_DOUBLE_EQ(a.a(), b.a());
    EXPECT_DOUBLE_EQ(a.b(), b.b());
    EXPECT_EQ(std::tuple(a.s, a.relAbw, a.R2), std::tuple(b.s, b.relAbw, b.R2));
}

TEST(LinRegress, ThroughTheOriginTheUncentredRSquared) {
    // Reference sets of certified values for the line y = B1·x without constant:
    // x 60..70 with y 130..140 (B1 = 2.07438016528926, R² = 0.999365492298663)
    // and x 4, 5, 6 with y 3, 4, 4 (B1 = 0.727272727272727, R² = 0.993348115299335).
    // A centred R² of these fits would be 4.31 and 1.59.
    std::vector<double> x, y;
    for (int i = 0; i <= 10; ++i) {
        x.push_back(60 + i);
        y.push_back(130 + i);
    }
    const std::tuple<std::vector<double>, std::vector<double>, double, double> sets[] = {
        {x, y, 2.07438016528926, 0.999365492298663}, {{4, 5, 6}, {3, 4, 4}, 0.727272727272727, 0.993348115299335}};
    for (const auto& [xs, ys, b1, r2] : sets) {
        const Fit f = fit(points(xs, ys), 1, 2, 1);
        ASSERT_TRUE(f.ok);
        EXPECT_NEAR(f.M[1][2], b1, 1e-6 * b1);
        EXPECT_NEAR(f.R2, r2, 1e-6);
    }
}

TEST(LinRegress, ParabolaAndBothStraightLineModes) {
    std::vector<double> x{-2, -1, 0, 1, 2, 3}, y;
    for (double v : x) y.push_back(1 + 2 * v + 3 * v * v);
    const Fit q = fit(points(x, y), 3, 3);
    ASSERT_TRUE(q.ok);
    EXPECT_NEAR(q.M[1][4], 1, 1e-9);
    EXPECT_NEAR(q.M[2][4], 2, 1e-9);
    EXPECT_NEAR(q.M[3][4], 3, 1e-9);
    const Fit m1 = fit(points(x, y), 2, 1), m2 = fit(points(x, y), 2, 2);
    EXPECT_DOUBLE_EQ(m1.b(), m2.b());
}

TEST(LinRegress, RefusalsLeaveTheStatisticsUntouched) {
    const std::pair<const char*, std::vector<std::array<double, 3>>> cases[] = {
        {"one active point", {{1, 2, 1}, {2, 3, 0}, {3, 4, 0}}},
        {"no point", {}},
        {"all x equal", {{5, 1, 1}, {5, 2, 1}, {5, 3, 1}}},
        {"x equal in single precision", {{1000, 1, 1}, {1000.0001, 2, 1}}},
        {"non-finite active value", {{1, 2, 1}, {2, std::nan(""), 1}, {3, 4, 1}}},
    };
    for (const auto& [what, pts] : cases) {
        Fit f = fit(pts);
        EXPECT_FALSE(f.ok) << what;
        EXPECT_TRUE(f.singulaer) << what;
        EXPECT_EQ(std::tuple(f.s, f.relAbw, f.R2), std::tuple(-7.0f, -7.0f, -7.0f)) << what;
    }
}
