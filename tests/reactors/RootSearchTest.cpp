#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "reactors/RootSearch.h"

using namespace vrn;

namespace {

struct Search {
    RootOutcome outcome;
    RootBracket b;
    std::vector<double> trials;  // the points f was evaluated at
};

Search search(const std::function<double(double)>& f, double lo, double hi, RootRule rule = {}) {
    Search s{RootOutcome::Failed, {lo, hi, f(lo), f(hi)}, {}};
    s.outcome = narrowRoot(
        [&](double x, double& fx) {
            s.trials.push_back(x);
            fx = f(x);
            return std::isfinite(fx);
        },
        s.b, rule);
    return s;
}

}  // namespace

// Roots with closed forms, rising and falling functions, flat and steep
// ones: the bracket narrows to the last bits around the root.
TEST(RootSearch, NarrowsToTheRoot) {
    struct Row {
        const char* what;
        std::function<double(double)> f;
        double lo, hi, root;
        double tol = 1e-15;  // how well double arithmetic knows the root, relatively
    };
    const Row rows[] = {
        {"x^2 - 2", [](double x) { return x * x - 2; }, 0, 2, std::sqrt(2.0)},
        {"falling: 5 - e^x", [](double x) { return 5 - std::exp(x); }, 0, 10, std::log(5.0)},
        {"steep: x^9 - 1e-9", [](double x) { return std::pow(x, 9) - 1e-9; }, 0, 1, 0.1},
        {"flat at the root: (x - 1)^3", [](double x) { return std::pow(x - 1, 3); }, -3, 2, 1},
        {"a tiny root: x - 1e-30", [](double x) { return x - 1e-30; }, -1, 1, 1e-30},
        // ln x is known to 600·2^-52 near the root: x to 1.3e-13 of itself.
        {"a large one: ln x - 600", [](double x) { return std::log(x) - 600; }, 1, 1e300, std::exp(600.0), 2e-13},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const Search s = search(row.f, row.lo, row.hi);
        EXPECT_NE(s.outcome, RootOutcome::StepsUsed);
        EXPECT_NE(s.outcome, RootOutcome::Failed);
        EXPECT_LE(s.b.lo, row.root * (1 + row.tol) + 1e-300);
        EXPECT_GE(s.b.hi, row.root * (1 - row.tol) - 1e-300);
        EXPECT_LE(s.b.hi - s.b.lo, 4e-16 * std::fabs(row.root) * 2);
        EXPECT_LT(s.trials.size(), 400u);
        EXPECT_EQ(s.b.flo, row.f(s.b.lo));
        EXPECT_EQ(s.b.fhi, row.f(s.b.hi));
    }
}

// The trial points of f(x) = x^3 − 1/2 on [0, 1], by hand: 1/2 and 5/7
// interpolate; at 5/7 the lower end is replaced a second time, so f(1)
// counts half: 1 − (1/14) / (3/4 − 125/343). With a bisection every third
// step (the batch and tubular conversion search), the third is 6/7.
TEST(RootSearch, IllinoisStepsAndEveryThirdABisection) {
    const auto f = [](double x) { return x * x * x - 0.5; };
    const double third = 1 - (1.0 / 14) / (0.75 - 125.0 / 343);
    Search s = search(f, 0, 1, RootRule{3, 0, 0});
    ASSERT_EQ(s.trials.size(), 3u);
    EXPECT_EQ(s.outcome, RootOutcome::StepsUsed);
    EXPECT_DOUBLE_EQ(s.trials[0], 0.5);
    EXPECT_DOUBLE_EQ(s.trials[1], 5.0 / 7);
    EXPECT_NEAR(s.trials[2], third, 1e-15);
    s = search(f, 0, 1, RootRule{3, 0, 3});
    ASSERT_EQ(s.trials.size(), 3u);
    EXPECT_DOUBLE_EQ(s.trials[2], 6.0 / 7);
    EXPECT_DOUBLE_EQ(s.b.lo, 5.0 / 7);
    EXPECT_DOUBLE_EQ(s.b.hi, 6.0 / 7);
}

// Ends that are roots, brackets that are none, a function that fails.
TEST(RootSearch, EdgesOfTheBracket) {
    const auto line = [](double x) { return x - 1; };
    Search s = search(line, 1, 3);
    EXPECT_EQ(std::tuple(s.outcome, s.b.lo, s.b.hi, s.trials.size()), std::tuple(RootOutcome::Exact, 1.0, 1.0, 0u));
    s = search(line, -2, 1);
    EXPECT_EQ(std::tuple(s.outcome, s.b.lo, s.b.hi), std::tuple(RootOutcome::Exact, 1.0, 1.0));
    // A straight line: the first interpolation hits the root exactly.
    s = search(line, 0, 4);
    EXPECT_EQ(std::tuple(s.outcome, s.b.lo, s.b.hi, s.trials.size()), std::tuple(RootOutcome::Exact, 1.0, 1.0, 1u));
    s = search(line, 2, 3);
    EXPECT_EQ(std::tuple(s.outcome, s.trials.size()), std::tuple(RootOutcome::Failed, 0u));
    // A failing evaluation (at the third trial, 0.5687) ends the search
    // with the last good bracket.
    s = search([](double x) { return x > 0.5 && x < 0.6 ? std::sqrt(-1.0) : x * x - 0.3; }, 0, 1);
    EXPECT_EQ(std::tuple(s.outcome, s.trials.size(), s.b.hi), std::tuple(RootOutcome::Failed, 3u, 1.0));
    EXPECT_NEAR(s.b.lo, 0.4615384615384615, 1e-15);  // 1 − 0.7·0.7 / 0.91
}
