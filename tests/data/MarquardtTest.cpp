// The generic minimiser against certified reference results (NIST StRD),
// the Rosenbrock valley and its bounds, masks, limits and failures.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <limits>
#include <sstream>

#include "data/Marquardt.h"

using namespace vrn;

namespace {

// A NIST data set of the model y = b1 (1 - exp(-b2 x)) with its certified values.
struct Nist {
    std::vector<double> x, y;
    double b[2] = {0, 0}, sd[2] = {0, 0}, rss = 0;
};

Nist readNist(const std::string& name) {
    Nist d;
    std::ifstream in(std::string(VARNOLT_TEST_DATA) + "/" + name);
    std::string line;
    int certified = 0;
    while (std::getline(in, line)) {
        std::istringstream s(line);
        if (line.rfind("# certified b", 0) == 0 && certified < 2) {
            std::string w;
            s >> w >> w >> w >> w >> d.b[certified] >> w >> d.sd[certified];
            ++certified;
        } else if (line.rfind("# certified residual", 0) == 0) {
            d.rss = std::stod(line.substr(line.find('=') + 1));
        } else if (!line.empty() && line[0] != '#') {
            double x = 0, y = 0;
            if (s >> x >> y) {
                d.x.push_back(x);
                d.y.push_back(y);
            }
        }
    }
    return d;
}

using Residual = std::function<double(int i, const std::vector<double>& b)>;
using Derivatives = std::function<void(int i, const std::vector<double>& b, double* J)>;

// A problem of n points from its residual and derivative functions, bounds lo..hi for every parameter.
MarquardtProblem problem(int nPar, int n, Residual res, Derivatives jac, double lo, double hi) {
    MarquardtProblem pr;
    pr.nPar = nPar;
    pr.nPunkte = n;
    pr.lower.assign(static_cast<std::size_t>(nPar), lo);
    pr.upper.assign(static_cast<std::size_t>(nPar), hi);
    pr.maxFunc = pr.maxJac = 1000;
    pr.sumOfSquares = [=](const std::vector<double>& b, double& S) {
        S = 0;
        for (int i = 0; i < n; ++i) S += std::pow(res(i, b), 2);
        return true;
    };
    pr.row = [=](int i, std::vector<double>& b, double& r, double* J) {
        r = res(i, b);
        jac(i, b, J);
        return true;
    };
    return pr;
}

MarquardtProblem exponentialProblem(const Nist& d) {
    auto x = [&d](int i) { return d.x[static_cast<std::size_t>(i)]; };
    return problem(
        2, static_cast<int>(d.x.size()),
        [&d, x](int i, const std::vector<double>& b) { return b[0] * (1 - std::exp(-b[1] * x(i))) - d.y[static_cast<std::size_t>(i)]; },
        [x](int i, const std::vector<double>& b, double* J) {
            J[0] = 1 - std::exp(-b[1] * x(i));
            J[1] = b[0] * x(i) * std::exp(-b[1] * x(i));
        },
        -1e30, 1e30);
}

// Straight line through the origin, y = b x, through (1, 3.1), (2, 5.9),
// (3, 9.2), (4, 11.8): by hand b = sum(x y)/sum(x^2) = 89.7/30 = 2.99, the
// residual sum 0.097 and sd(b) = sqrt(0.097/3/30) = 0.0328295.
MarquardtProblem lineProblem(double lower, double upper) {
    static constexpr double y[] = {3.1, 5.9, 9.2, 11.8};
    return problem(
        1, 4, [](int i, const std::vector<double>& b) { return b[0] * (i + 1) - y[i]; },
        [](int i, const std::vector<double>&, double* J) { J[0] = i + 1; }, lower, upper);
}

}  // namespace

TEST(Marquardt, ReachesCertifiedNistResults) {
    struct Case {
        const char* file;
        double b1, b2;
    };
    const Case cases[] = {{"Misra1a.txt", 500, 0.0001}, {"Misra1a.txt", 250, 0.0005}, {"BoxBOD.txt", 100, 0.75}};
    for (const Case& c : cases) {
        const Nist d = readNist(c.file);
        ASSERT_GT(d.x.size(), 5u) << c.file;
        const MarquardtResult r = MarquardtNash(exponentialProblem(d), {c.b1, c.b2});
        SCOPED_TRACE(std::string(c.file) + " from " + std::to_string(c.b1));
        EXPECT_EQ(r.ende, MarquardtEnde::Konvergiert);
        for (int j = 0; j < 2; ++j) {
            EXPECT_NEAR(r.p[static_cast<std::size_t>(j)], d.b[j], 5e-7 * d.b[j]);
            EXPECT_NEAR(r.sd[static_cast<std::size_t>(j)], d.sd[j], 5e-5 * d.sd[j]);
        }
        EXPECT_NEAR(r.S, d.rss, 5e-9 * d.rss);
    }
}

// The Rosenbrock valley as two residuals, 10 (x2 - x1^2) and 1 - x1: as
// many points as parameters, so no standard deviation can be given.
TEST(Marquardt, RosenbrockFromTheClassicStart) {
    const MarquardtProblem pr = problem(
        2, 2, [](int i, const std::vector<double>& x) { return i == 0 ? 10 * (x[1] - x[0] * x[0]) : 1 - x[0]; },
        [](int i, const std::vector<double>& x, double* J) {
            J[0] = i == 0 ? -20 * x[0] : -1;
            J[1] = i == 0 ? 10 : 0;
        },
        -100, 100);
    const MarquardtResult r = MarquardtNash(pr, {-1.2, 1});
    EXPECT_EQ(r.ende, MarquardtEnde::Konvergiert);
    EXPECT_NEAR(r.p[0], 1, 1e-7);
    EXPECT_NEAR(r.p[1], 1, 1e-7);
    EXPECT_LT(r.S, 1e-20);
    EXPECT_EQ(r.sd, std::vector<double>(2, kKeineStdAbw));
}

// A parameter that is fixed or ends at a bound reports a standard deviation of 0.
TEST(Marquardt, BoundsAndFixedParameters) {
    struct Case {
        const char* what;
        double lower, upper, start;
        bool fixed;
        double p, sd;
    };
    const Case cases[] = {
        {"free, inside the box", 0, 10, 1, false, 2.99, 0.0328295},
        {"start below the lower bound, freed by the gradient", 1, 10, 0.5, false, 2.99, 0.0328295},
        {"start above the upper bound, freed by the gradient", 0, 5, 8, false, 2.99, 0.0328295},
        {"optimum beyond the upper bound", 0, 2, 1, false, 2, 0},
        {"optimum below the lower bound", 4, 10, 6, false, 4, 0},
        {"fixed", 0, 10, 1.5, true, 1.5, 0},
    };
    for (const Case& c : cases) {
        MarquardtProblem pr = lineProblem(c.lower, c.upper);
        pr.fixed = {c.fixed};
        const MarquardtResult r = MarquardtNash(pr, {c.start});
        EXPECT_EQ(r.ende, MarquardtEnde::Konvergiert) << c.what;
        EXPECT_NEAR(r.p[0], c.p, 1e-9) << c.what;
        EXPECT_NEAR(r.sd[0], c.sd, 1e-7) << c.what;
        EXPECT_EQ(r.nFunc == 1, c.fixed) << "a fixed parameter is neither stepped nor probed";
    }
}

// A fit stopped by a limit returns an accepted point and its sum, never a
// rejected trial; the Jacobian limit likewise.
TEST(Marquardt, LimitsEndAtTheLastAcceptedPoint) {
    const Nist d = readNist("Misra1a.txt");
    for (int limit : {1, 2, 3, 5, 7}) {
        for (bool jac : {false, true}) {
            MarquardtProblem pr = exponentialProblem(d);
            (jac ? pr.maxJac : pr.maxFunc) = limit;
            const auto sum = pr.sumOfSquares;
            std::vector<double> last;
            pr.sumOfSquares = [&](const std::vector<double>& b, double& S) {
                last = b;
                return sum(b, S);
            };
            const MarquardtResult r = MarquardtNash(pr, {500, 0.0001});
            EXPECT_EQ(r.ende, MarquardtEnde::Grenze) << limit;
            EXPECT_EQ(r.sd[0], kKeineStdAbw);
            double S = 0, S0 = 0;
            sum(r.p, S);
            sum({500, 0.0001}, S0);
            EXPECT_DOUBLE_EQ(r.S, S) << limit;
            EXPECT_LE(r.S, S0);  // the start is the first accepted point
            EXPECT_TRUE(jac || r.p != last) << "the counted-out trial is not returned";
        }
    }
}

// Faults injected into the second evaluation of the sum (NaN, false) or the
// second Jacobian: the step is taken back and the fit still finds b. At
// the start they end the run at once; when every trial fails the run ends.
TEST(Marquardt, FailedEvaluationsAreRejectedSteps) {
    struct Case {
        int nanSum, falseSum, falseRow;  // evaluation number that fails (0: none)
        double start;
        MarquardtEnde ende;
        double p;
    };
    const Case cases[] = {{2, 0, 0, 0.01, MarquardtEnde::Konvergiert, 2.99}, {0, 2, 0, 0.01, MarquardtEnde::Konvergiert, 2.99},
                          {0, 0, 2, 0.01, MarquardtEnde::Konvergiert, 2.99}, {0, 1, 0, 50, MarquardtEnde::Abbruch, 50},
                          {0, 0, 1, 50, MarquardtEnde::Abbruch, 50},      {0, -1, 0, 1, MarquardtEnde::Konvergiert, 1}};
    for (const Case& c : cases) {
        MarquardtProblem pr = lineProblem(0, 100);
        const auto sum = pr.sumOfSquares;
        const auto row = pr.row;
        int sums = 0, rows = 0;
        pr.sumOfSquares = [&](const std::vector<double>& b, double& S) {
            const bool ok = sum(b, S);
            if (++sums == c.nanSum) S = std::nan("");
            return ok && sums != c.falseSum && !(c.falseSum < 0 && sums > 1);
        };
        pr.row = [&](int i, std::vector<double>& b, double& r, double* J) {
            rows += i == 0 ? 1 : 0;
            return row(i, b, r, J) && rows != c.falseRow;
        };
        const MarquardtResult r = MarquardtNash(pr, {c.start});
        EXPECT_EQ(r.ende, c.ende) << sums;
        EXPECT_NEAR(r.p[0], c.p, 1e-9);
    }
}

// y = b1 + b2 x through six points that fall with x, both parameters at
// least 1e-7: the best line within the box has b2 on its bound and, by
// hand, b1 = mean(y) - 1e-7 mean(x). A step cut by the bound of b2 lands on
// it and holds it there, so b1 still goes on to its optimum; a start on the
// bound whose step points out of the box holds b2 and moves b1.
TEST(Marquardt, AStepCutByABoundLandsOnIt) {
    struct Case {
        double slope, b1, b2;
    };
    const Case cases[] = {{-0.3, 0.3, 0.2}, {-0.3, 1, 0.2}, {-0.3, 3.7, 0.2}, {-0.5, 0.3, 0.2},
                          {-0.5, 1, 0.9},   {-0.5, 3.7, 0.2}, {-0.5, 5, 1e-7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "slope " << c.slope << " from " << c.b1 << ", " << c.b2);
        auto y = [&c](int i) { return 2 + c.slope * (i + 1) + 0.01 * std::sin(3.0 * i); };
        MarquardtProblem pr = problem(
            2, 6, [y](int i, const std::vector<double>& b) { return b[0] + b[1] * (i + 1) - y(i); },
            [](int i, const std::vector<double>&, double* J) {
                J[0] = 1;
                J[1] = i + 1;
            },
            1e-7, 1e5);
        pr.maxFunc = 200;
        pr.maxJac = 125;
        double b1 = 0, S = 0;
        for (int i = 0; i < 6; ++i) b1 += (y(i) - 1e-7 * (i + 1)) / 6;
        for (int i = 0; i < 6; ++i) S += std::pow(b1 + 1e-7 * (i + 1) - y(i), 2);
        const MarquardtResult r = MarquardtNash(pr, {c.b1, c.b2});
        EXPECT_EQ(r.ende, MarquardtEnde::Konvergiert);
        EXPECT_NEAR(r.p[0], b1, 1e-7);  // S cannot tell b1 closer than that
        EXPECT_EQ(r.p[1], 1e-7);
        EXPECT_NEAR(r.S, S, 1e-12);
        EXPECT_EQ(r.sd[1], 0);  // held at the bound
    }
}


// Rows gathered all at once give the run the row-by-row gathering gives, to
// the last bit: the NIST problem, and a non-finite row that is a rejected
// step either way.
TEST(Marquardt, RowsAtOnceAsRowByRow) {
    const Nist d = readNist("Misra1a.txt");
    for (bool kaputt : {false, true}) {
        MarquardtProblem einzeln = exponentialProblem(d);
        if (kaputt) {
            const auto row = einzeln.row;
            einzeln.row = [row](int i, std::vector<double>& b, double& r, double* J) {
                const bool ok = row(i, b, r, J);
                if (b[0] > 400 && i == 3) J[1] = NAN;  // no Jacobian near the start
                return ok;
            };
        }
        MarquardtProblem alle = einzeln;
        alle.rows = [&einzeln](std::vector<double>& b, std::vector<double>& r, std::vector<double>& J) {
            r.assign(static_cast<std::size_t>(einzeln.nPunkte), 0);
            J.assign(r.size() * 2, 0);
            for (int i = 0; i < einzeln.nPunkte; ++i)
                if (!einzeln.row(i, b, r[static_cast<std::size_t>(i)], J.data() + 2 * i)) return false;
            return true;
        };
        const MarquardtResult a = MarquardtNash(einzeln, {500, 0.0001}), b = MarquardtNash(alle, {500, 0.0001});
        EXPECT_EQ(std::tie(a.p, a.sd, a.S, a.ende, a.nFunc, a.nJac), std::tie(b.p, b.sd, b.S, b.ende, b.nFunc, b.nJac))
            << kaputt;
    }
}

// The relative offset of Jacobians worked by hand: J'J, J'r, the sum of
// squares and the points that take part give the decrease G = v'(J'J)^+ v a
// Gauss-Newton step promises and sqrt((G/q) / ((S - G)/(m - q))).
TEST(Marquardt, RelativeOffsetOfHandWorkedJacobians) {
    struct Case {
        const char* what;
        std::vector<double> c, v;  // packed J'J (element 0 unused), J'r
        std::vector<bool> frei;
        double S;
        int m, rang;
        double ro;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        // J = (1, 1, 1), r = (1, 2, 3): G = 36/3 = 12, S = 14.
        {"one column", {0, 3}, {6}, {true}, 14, 3, 1, std::sqrt(12.0)},
        // J = ((1, 0, 0), (0, 1, 0)), r = (1, 2, 3): G = 1 + 4, S - G = 9.
        {"two columns", {0, 1, 0, 1}, {1, 2}, {true, true}, 14, 3, 2, std::sqrt(2.5 / 9)},
        {"the second held", {0, 1, 0, 1}, {1, 2}, {true, false}, 14, 3, 1, std::sqrt(2.0 / 13)},
        // J = ((1, 1, 1), (2, 2, 2)): the second column adds nothing.
        {"a dependent column", {0, 3, 6, 12}, {6, 12}, {true, true}, 14, 3, 1, std::sqrt(12.0)},
        {"a zero column", {0, 0}, {0}, {true}, 14, 3, 0, 0},
        // r = (2, 2, 2) lies in the span of J = (1, 1, 1).
        {"residuals in the span", {0, 3}, {6}, {true}, 12, 3, 1, inf},
        {"no degree of freedom", {0, 3}, {6}, {true}, 14, 1, 1, 0},
        {"a sum of 0", {0, 3}, {0}, {true}, 0, 3, 1, 0},
    };
    for (const Case& k : cases) {
        int rang = -1;
        const double ro = relativeOffset(static_cast<int>(k.v.size()), k.c, k.v, k.S, k.m, k.frei, rang);
        EXPECT_EQ(rang, k.rang) << k.what;
        if (std::isinf(k.ro))
            EXPECT_TRUE(std::isinf(ro)) << k.what;
        else
            EXPECT_NEAR(ro, k.ro, 1e-12 * k.ro) << k.what;
    }
}

namespace {

// y = exp(-b x) at x = 1..10 from b = 0.3 with 1 % scatter.
MarquardtProblem decayProblem() {
    auto y = [](int i) { return std::exp(-0.3 * (i + 1)) * (1 + 0.01 * std::sin(2.0 * i)); };
    MarquardtProblem pr = problem(
        1, 10, [y](int i, const std::vector<double>& b) { return std::exp(-b[0] * (i + 1)) - y(i); },
        [](int i, const std::vector<double>& b, double* J) { J[0] = -(i + 1) * std::exp(-b[0] * (i + 1)); }, 1e-7, 1e5);
    pr.maxFunc = 100;
    pr.maxJac = 125;
    return pr;
}

}  // namespace

// Where a converged run stopped: at a minimum, or held at a bound, or where
// the sum still falls, or where the residuals do not change with the
// parameters at all. A slope that only the derivatives show (a kink of the
// sum at its minimum) is no doubt, and a sum at the rounding of an exact
// fit is none either. The trials that test a doubt are no evaluations of
// the run and change neither its parameters nor its sum.
TEST(Marquardt, JudgesWhereItStopped) {
    const Nist misra = readNist("Misra1a.txt");
    struct Case {
        const char* what;
        std::function<MarquardtProblem()> make;
        std::vector<double> start;
        MarquardtZweifel zweifel;
        bool anGrenze;
        bool geprueft = false;  // the derivatives show a slope the trials test
    };
    const Case cases[] = {
        {"a line inside the box", [] { return lineProblem(0, 10); }, {1}, MarquardtZweifel::Keiner, false},
        {"a line whose optimum lies beyond the upper bound", [] { return lineProblem(0, 2); }, {1},
         MarquardtZweifel::Grenze, true},
        {"NIST Misra1a from its first start", [&misra] { return exponentialProblem(misra); }, {500, 1e-4},
         MarquardtZweifel::Keiner, false},
        {"a decay from near its constant", decayProblem, {1}, MarquardtZweifel::Keiner, false},
        // exp(-1000 x) is 0 in double: no residual moves with b.
        {"a decay from b = 1000", decayProblem, {1000}, MarquardtZweifel::Stillstand, false},
        // exp(-30 x) is at most 1e-13: every damped step is below the rounding of b.
        {"a decay from b = 30", decayProblem, {30}, MarquardtZweifel::Gefaelle, false, true},
        // r = |b| + 1 at three points: the minimum at b = 0 is a kink,
        // where the derivative from one side is 3 and the sum rises both ways.
        {"a kink at the minimum",
         [] {
             return problem(
                 1, 3, [](int, const std::vector<double>& b) { return std::fabs(b[0]) + 1; },
                 [](int, const std::vector<double>& b, double* J) { J[0] = b[0] >= 0 ? 1 : -1; }, -10, 10);
         },
         {2}, MarquardtZweifel::Keiner, false, true},
        // y = 2.5 x exactly: the residuals are rounding, their slope too.
        {"an exact line",
         [] {
             MarquardtProblem pr = problem(
                 1, 4, [](int i, const std::vector<double>& b) { return b[0] * (i + 1) * 0.1 - 0.25 * (i + 1); },
                 [](int i, const std::vector<double>&, double* J) { J[0] = (i + 1) * 0.1; }, 0, 10);
             pr.sNull = 4 * 1e-24;
             return pr;
         },
         {1}, MarquardtZweifel::Keiner, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        MarquardtProblem pr = k.make();
        const auto sum = pr.sumOfSquares;
        int calls = 0;
        pr.sumOfSquares = [&](const std::vector<double>& b, double& S) {
            ++calls;
            return sum(b, S);
        };
        const MarquardtResult r = MarquardtNash(pr, k.start);
        ASSERT_EQ(r.ende, MarquardtEnde::Konvergiert);
        EXPECT_EQ(r.zweifel, k.zweifel) << "relative offset " << r.relOffset;
        ASSERT_EQ(r.anGrenze.size(), 1u + (k.start.size() > 1 ? 1u : 0u));
        EXPECT_EQ(r.anGrenze[0], k.anGrenze);
        double S = 0;
        sum(r.p, S);
        EXPECT_EQ(r.S, S) << "the sum belongs to the parameters returned";
        // Trials of a doubt are called but not counted.
        EXPECT_EQ(calls > r.nFunc, k.geprueft) << calls << " calls, " << r.nFunc;
    }
}
