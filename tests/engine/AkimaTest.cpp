#include "engine/Akima.h"
#include "support/TestSupport.h"

using namespace vrn;
using namespace vrn::test;

namespace {

// Fills curve j of the shared spline store with the points (x, y).
void fill(int j, const std::vector<double>& x, const std::vector<double>& y) {
    resetAppState("/prog");
    dimensionSplineStore(static_cast<int>(x.size()));
    for (std::size_t i = 0; i < x.size(); ++i) {
        app.SplX[i + 1] = x[i];
        app.SplY[static_cast<std::size_t>(j)][i + 1] = y[i];
    }
}

bool build(int j, Single g = 0) {
    Integer n = static_cast<Integer>(app.SplX[0]);
    return CalcAkimaSpline(static_cast<Integer>(j), n, g, app.SplX, app.SplY, app.SplKoeffD, app.SplKoeffC,
                           app.SplKoeffB, app.SplKoeffA);
}

double value(int j, double x, Integer mode = 0) {
    const auto v = AkimaSplineWert(mode, static_cast<Integer>(j), x, static_cast<Integer>(app.SplX[0]), app.SplX,
                                   app.SplY, app.SplKoeffD, app.SplKoeffC, app.SplKoeffB, app.SplKoeffA);
    EXPECT_TRUE(v.has_value()) << x;
    return v.value_or(std::nan(""));
}

}  // namespace

TEST(Akima, CollinearPointsAreReproducedExactly) {
    // Unequal spacing, values exactly representable: y = 2x + 1.
    const std::vector<double> x{0, 0.5, 1.5, 2, 3.25, 4};
    std::vector<double> y;
    for (double v : x) y.push_back(2 * v + 1);
    fill(3, x, y);
    ASSERT_TRUE(build(3));
    for (double t = -2; t <= 6; t += 0.125) {
        EXPECT_NEAR(value(3, t), 2 * t + 1, 1e-14) << t;
        EXPECT_NEAR(value(3, t, 1), 2, 1e-14) << t;
    }
}

TEST(Akima, FlatStretchesDoNotOvershoot) {
    fill(1, {0, 1, 2, 3, 4, 5, 6, 7}, {0, 0, 0, 0, 1, 1, 1, 1});
    ASSERT_TRUE(build(1));
    for (double t = 0; t <= 3; t += 0.05) EXPECT_EQ(value(1, t), 0) << t;
    for (double t = 4; t <= 7; t += 0.05) EXPECT_EQ(value(1, t), 1) << t;
    double last = 0;
    for (double t = 3; t <= 4; t += 0.01) {  // the step itself rises monotonously
        const double v = value(1, t);
        EXPECT_GE(v, last - 1e-15);
        EXPECT_LE(v, 1 + 1e-15);
        last = v;
    }
}

TEST(Akima, CornerTakesTheMeanSlope) {
    // Two segments of slope 1, then two of slope 3: both weights are 0 at the corner.
    fill(2, {0, 1, 2, 3, 4}, {0, 1, 2, 5, 8});
    ASSERT_TRUE(build(2));
    EXPECT_EQ(std::tuple(app.SplKoeffB[2][3], app.SplKoeffB[2][1], app.SplKoeffB[2][5]), std::tuple(2, 1, 3));
    EXPECT_NEAR(value(2, 0.5), 0.5, 1e-15);  // the straight pieces stay straight
    EXPECT_NEAR(value(2, 3.5), 6.5, 1e-15);
}

TEST(Akima, BeyondTheEndsAStraightLine) {
    fill(4, {1, 2, 4, 5, 7}, {1, 4, 2, 3, 0.5});
    ASSERT_TRUE(build(4));
    const double a1 = app.SplKoeffA[4][1], b1 = app.SplKoeffB[4][1];
    const double an = app.SplKoeffA[4][5], bn = app.SplKoeffB[4][5];
    EXPECT_EQ(std::tuple(an, value(4, 7), value(4, 7, 1)), std::tuple(0.5, an, bn));  // exactly at the last point
    for (double d : {0.1, 1.0, 10.0, 1000.0}) {
        EXPECT_NEAR(value(4, 7 + d), an + d * bn, 1e-13 * (1 + d));
        EXPECT_EQ(value(4, 7 + d, 1), bn);
        EXPECT_NEAR(value(4, 1 - d), a1 - d * b1, 1e-13 * (1 + d));
        EXPECT_EQ(value(4, 1 - d, 1), b1);
    }
    // Inside, the spline passes through every point.
    for (auto [xv, yv] : {std::pair{1.0, 1.0}, {2.0, 4.0}, {4.0, 2.0}, {5.0, 3.0}}) EXPECT_EQ(value(4, xv), yv);
}

TEST(Akima, SmoothCurveIsFollowedClosely) {
    std::vector<double> x, y;
    for (int i = 0; i <= 40; ++i) {
        x.push_back(i * 0.1);
        y.push_back(std::sin(i * 0.1));
    }
    fill(1, x, y);
    ASSERT_TRUE(build(1));
    for (double t = 0.05; t < 4; t += 0.1) {
        EXPECT_NEAR(value(1, t), std::sin(t), 1e-4) << t;
        EXPECT_NEAR(value(1, t, 1), std::cos(t), 3e-3) << t;
    }
}

TEST(Akima, SmoothingReplacesTheValues) {
    // Without smoothing the data stay as they are.
    fill(5, {0, 1, 2, 3, 4, 5}, {3, 1, 4, 1, 5, 9});
    const auto before = app.SplY;
    ASSERT_TRUE(build(5, 0));
    EXPECT_EQ(app.SplY, before);
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(app.SplKoeffA[5][i], app.SplY[5][i]);
    // A zigzag is flattened; building again with the same exponent flattens more.
    std::vector<double> x, y;
    for (int i = 0; i < 30; ++i) {
        x.push_back(i);
        y.push_back(i % 2 ? 1.0 : -1.0);
    }
    fill(1, x, y);
    auto spread = [] {
        double s = 0;
        for (int i = 8; i <= 22; ++i) s = std::max(s, std::fabs(app.SplY[1][i]));
        return s;
    };
    ASSERT_TRUE(build(1, 0.5f));
    const double first = spread();
    EXPECT_LT(first, 0.5);
    for (int i = 1; i <= 30; ++i) EXPECT_EQ(app.SplKoeffA[1][i], app.SplY[1][i]);
    ASSERT_TRUE(build(1, 0.5f));
    EXPECT_LT(spread(), first);
    EXPECT_EQ(app.SplX[5], 4);  // x values stay
    // Equally spaced points on a line stay on it: the weights are symmetric.
    std::vector<double> line;
    for (double v : x) line.push_back(0.5 * v - 2);
    fill(2, x, line);
    ASSERT_TRUE(build(2, 1.3f));
    for (int i = 1; i <= 30; ++i) EXPECT_NEAR(app.SplY[2][i], line[static_cast<std::size_t>(i - 1)], 1e-13);
}

TEST(Akima, RefusalsChangeNothing) {
    MsgRecorder rec;
    // x and y of the points
    const std::pair<std::vector<double>, std::vector<double>> bad[] = {
        {{0, 1}, {1, 2}},                         // fewer than 3 points
        {{0, 1, 1, 2}, {1, 2, 3, 4}},             // equal x
        {{0, 2, 1, 3}, {1, 2, 3, 4}},             // falling x
        {{0, 1, 2, 3}, {1, std::nan(""), 3, 4}},  // not a number
        {{0, 1, std::numeric_limits<double>::infinity(), 3}, {1, 2, 3, 4}},
    };
    for (const auto& [xs, ys] : bad) {
        fill(1, xs, ys);
        app.SplKoeffB[1].assign(app.SplKoeffB[1].size(), 7.0);
        const auto x = app.SplX;
        const auto y = app.SplY;
        EXPECT_FALSE(build(1, 0.3f));
        EXPECT_EQ(std::tuple(app.SplKoeffB[1][1], app.SplX), std::tuple(7.0, x));
        for (std::size_t i = 0; i < x.size(); ++i) EXPECT_TRUE(std::isnan(y[1][i]) || app.SplY[1][i] == y[1][i]) << i;
        ASSERT_FALSE(rec.messages().empty());
        EXPECT_EQ(std::tuple(rec.last().title, rec.last().icon),
                  std::tuple("Meldung von CalcAkimaSpline", MsgIcon::Critical));
    }
    EXPECT_EQ(std::tuple(rec.count(), rec.messages()[0].text, rec.messages()[1].text),
              std::tuple(5u, "Für einen Spline sind mindestens 3 Punkte nötig.",
                         "Die x-Werte der Punkte müssen streng ansteigen."));
    // Tables too small for the extension by two points at each end.
    fill(1, {0, 1, 2, 3}, {0, 1, 0, 1});
    app.SplKoeffC[1].resize(7);
    EXPECT_FALSE(build(1));
    EXPECT_EQ(rec.last().text, "Die Spline-Tabellen sind zu klein.");
    // A curve index outside 0..5.
    fill(1, {0, 1, 2, 3}, {0, 1, 0, 1});
    EXPECT_FALSE(build(6));
}

TEST(Akima, TablesSizedByThePointCount) {
    // As many points as a data file holds, unevenly spaced; far more than a
    // fixed slope table of 400 would take.
    std::vector<double> x, y;
    for (int i = 0; i < 32767; ++i) {
        x.push_back(i * 0.01 + 0.004 * std::sin(i));
        y.push_back(std::exp(-x.back() / 30));
    }
    fill(1, x, y);
    ASSERT_TRUE(build(1));
    EXPECT_NEAR(value(1, 12.345), std::exp(-12.345 / 30), 1e-9);
    EXPECT_NEAR(value(1, x.back()), y.back(), 1e-22);
    // At each knot the interval that starts there is taken: the value is the
    // point itself, to the last bit.
    int falsch = 0;
    for (std::size_t i = 0; i + 1 < x.size(); ++i) falsch += value(1, x[i]) != y[i];
    EXPECT_EQ(falsch, 0);
}

TEST(Akima, EvaluationOutsideItsDomain) {
    fill(1, {0, 1, 2, 3}, {0, 1, 4, 9});
    ASSERT_TRUE(build(1));
    auto wert = [&](Integer mode, double x, Integer n = 4) {
        return AkimaSplineWert(mode, 1, x, n, app.SplX, app.SplY, app.SplKoeffD, app.SplKoeffC, app.SplKoeffB,
                               app.SplKoeffA);
    };
    for (auto [mode, x, n] : {std::tuple{2, 1.5, 4}, {-1, 1.5, 4}, {0, NAN, 4}, {0, 1.5, 0}, {0, 1.5, 500}})
        EXPECT_FALSE(wert(static_cast<Integer>(mode), x, static_cast<Integer>(n)).has_value()) << mode << " " << n;
    EXPECT_TRUE(wert(0, 1.5).has_value());
}
