// The generic minimiser against certified reference results (NIST StRD),
// the Rosenbrock valley and its bounds, masks, limits and failures.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
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
        if (line.rfind("# certified b", 0) == 0) {
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

MarquardtProblem exponentialProblem(const Nist& d) {
    MarquardtProblem pr;
    pr.nPar = 2;
    pr.nPunkte = static_cast<int>(d.x.size());
    pr.lower = {-1e30, -1e30};
    pr.upper = {1e30, 1e30};
    pr.maxFunc = 1000;
    pr.maxJac = 1000;
    auto res = [&d](int i, const std::vector<double>& b) {
        return b[0] * (1 - std::exp(-b[1] * d.x[static_cast<std::size_t>(i)])) - d.y[static_cast<std::size_t>(i)];
    };
    pr.sumOfSquares = [&d, res](const std::vector<double>& b, double& S) {
        S = 0;
        for (std::size_t i = 0; i < d.x.size(); ++i) S += std::pow(res(static_cast<int>(i), b), 2);
        return true;
    };
    pr.row = [&d, res](int i, std::vector<double>& b, double& r, double* J) {
        const double e = std::exp(-b[1] * d.x[static_cast<std::size_t>(i)]);
        r = res(i, b);
        J[0] = 1 - e;
        J[1] = b[0] * d.x[static_cast<std::size_t>(i)] * e;
        return true;
    };
    return pr;
}

// Straight line through the origin, y = b x, on x = 1..4 with b = 3.
MarquardtProblem lineProblem(double lower, double upper) {
    MarquardtProblem pr;
    pr.nPar = 1;
    pr.nPunkte = 4;
    pr.lower = {lower};
    pr.upper = {upper};
    pr.maxFunc = 100;
    pr.maxJac = 125;
    pr.sumOfSquares = [](const std::vector<double>& b, double& S) {
        S = 0;
        for (int x = 1; x <= 4; ++x) S += std::pow(b[0] * x - 3.0 * x, 2);
        return true;
    };
    pr.row = [](int i, std::vector<double>& b, double& r, double* J) {
        r = b[0] * (i + 1) - 3.0 * (i + 1);
        J[0] = i + 1;
        return true;
    };
    return pr;
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
    MarquardtProblem pr;
    pr.nPar = 2;
    pr.nPunkte = 2;
    pr.lower = {-100, -100};
    pr.upper = {100, 100};
    pr.maxFunc = 200;
    pr.maxJac = 250;
    auto res = [](int i, const std::vector<double>& x) { return i == 0 ? 10 * (x[1] - x[0] * x[0]) : 1 - x[0]; };
    pr.sumOfSquares = [res](const std::vector<double>& x, double& S) {
        S = std::pow(res(0, x), 2) + std::pow(res(1, x), 2);
        return true;
    };
    pr.row = [res](int i, std::vector<double>& x, double& r, double* J) {
        r = res(i, x);
        J[0] = i == 0 ? -20 * x[0] : -1;
        J[1] = i == 0 ? 10 : 0;
        return true;
    };
    const MarquardtResult r = MarquardtNash(pr, {-1.2, 1});
    EXPECT_EQ(r.ende, MarquardtEnde::Konvergiert);
    EXPECT_NEAR(r.p[0], 1, 1e-7);
    EXPECT_NEAR(r.p[1], 1, 1e-7);
    EXPECT_LT(r.S, 1e-20);
    EXPECT_EQ(r.sd[0], kKeineStdAbw);
    EXPECT_EQ(r.sd[1], kKeineStdAbw);
}

TEST(Marquardt, BoundsAndFixedParameters) {
    struct Case {
        const char* what;
        double lower, upper, start;
        bool fixed;
        double p, sd;
        int nFunc;  // 0: not checked
    };
    // Residual standard deviation of b for the exact line is 0; a parameter
    // that is fixed or ends at a bound reports 0 as well.
    const Case cases[] = {
        {"free, inside the box", 0, 10, 1, false, 3, 0, 0},
        {"start below the lower bound, freed by the gradient", 1, 10, 0.5, false, 3, 0, 0},
        {"start above the upper bound, freed by the gradient", 0, 5, 8, false, 3, 0, 0},
        {"optimum beyond the upper bound", 0, 2, 1, false, 2, 0, 0},
        {"optimum below the lower bound", 4, 10, 6, false, 4, 0, 0},
        {"fixed: only the start is evaluated", 0, 10, 1.5, true, 1.5, 0, 1},
    };
    for (const Case& c : cases) {
        MarquardtProblem pr = lineProblem(c.lower, c.upper);
        pr.fixed = {c.fixed};
        const MarquardtResult r = MarquardtNash(pr, {c.start});
        EXPECT_EQ(r.ende, MarquardtEnde::Konvergiert) << c.what;
        EXPECT_NEAR(r.p[0], c.p, 1e-9) << c.what;
        EXPECT_EQ(r.sd[0], c.sd) << c.what;
        if (c.nFunc) {
            EXPECT_EQ(r.nFunc, c.nFunc) << c.what;
        }
    }
}

// A fit stopped by a limit returns an accepted point and its sum, never a
// rejected trial; the Jacobian limit likewise.
TEST(Marquardt, LimitsEndAtTheLastAcceptedPoint) {
    const Nist d = readNist("Misra1a.txt");
    for (int limit : {1, 2, 3, 5, 8}) {
        for (bool jac : {false, true}) {
            MarquardtProblem pr = exponentialProblem(d);
            (jac ? pr.maxJac : pr.maxFunc) = limit;
            std::vector<std::vector<double>> evaluated;
            const auto sum = pr.sumOfSquares;
            pr.sumOfSquares = [&](const std::vector<double>& b, double& S) {
                evaluated.push_back(b);
                return sum(b, S);
            };
            const MarquardtResult r = MarquardtNash(pr, {500, 0.0001});
            EXPECT_EQ(r.ende, MarquardtEnde::Grenze) << limit;
            EXPECT_EQ(r.sd[0], kKeineStdAbw);
            double S = 0;
            sum(r.p, S);
            EXPECT_DOUBLE_EQ(r.S, S) << limit;
            // The start is the first accepted point; every later one lowers the sum.
            double S0 = 0;
            sum({500, 0.0001}, S0);
            EXPECT_LE(r.S, S0);
            if (!jac) {
                EXPECT_NE(r.p, evaluated.back()) << "the rejected or counted-out trial is not returned";
            }
        }
    }
}

TEST(Marquardt, FailedEvaluationsAreRejectedSteps) {
    // The first trial cannot be evaluated (a NaN sum, a false answer), or the
    // Jacobian at the first accepted point cannot: the step is taken back and
    // the fit still finds b = 3.
    for (int kind = 0; kind < 3; ++kind) {
        MarquardtProblem pr = lineProblem(0, 100);
        const auto sum = pr.sumOfSquares;
        const auto row = pr.row;
        int sums = 0, jacobians = 0;
        pr.sumOfSquares = [&](const std::vector<double>& b, double& S) {
            const bool ok = sum(b, S);
            if (++sums == 2 && kind == 0) S = std::nan("");
            return ok && !(sums == 2 && kind == 1);
        };
        pr.row = [&](int i, std::vector<double>& b, double& r, double* J) {
            if (i == 0) ++jacobians;
            return row(i, b, r, J) && !(jacobians == 2 && kind == 2);
        };
        const MarquardtResult r = MarquardtNash(pr, {0.01});
        EXPECT_EQ(r.ende, MarquardtEnde::Konvergiert) << kind;
        EXPECT_NEAR(r.p[0], 3, 1e-9) << kind;
        EXPECT_GE(sums, 3) << kind;
    }
    // A start (or its Jacobian) that cannot be evaluated ends the run at once.
    for (bool sumFails : {true, false}) {
        MarquardtProblem pr = lineProblem(0, 100);
        if (sumFails) {
            pr.sumOfSquares = [](const std::vector<double>&, double&) { return false; };
        } else {
            pr.row = [](int, std::vector<double>&, double&, double*) { return false; };
        }
        const MarquardtResult r = MarquardtNash(pr, {50});
        EXPECT_EQ(r.ende, MarquardtEnde::Abbruch);
        EXPECT_EQ(r.p[0], 50);
        EXPECT_EQ(r.sd[0], kKeineStdAbw);
    }
    // Every trial fails: the run ends (at the start) instead of looping.
    MarquardtProblem pr = lineProblem(0, 100);
    const auto sum = pr.sumOfSquares;
    pr.sumOfSquares = [&](const std::vector<double>& b, double& S) { return b[0] == 1 && sum(b, S); };
    const MarquardtResult r = MarquardtNash(pr, {1});
    EXPECT_EQ(r.ende, MarquardtEnde::Konvergiert);
    EXPECT_EQ(r.p[0], 1);
}
