// A non-isothermal first-order data set and its least sum of squares found
// here without the minimiser: four isotherms of A => P (300, 310, 320 and
// 330 K; t = 0, 100, ..., 1000 s) made with A = 1.094e12 1/s and EA =
// 83645.6 J/mol, c(A) with 1 % scatter.
#pragma once

#include <array>
#include <cmath>
#include <vector>

namespace vrn::test {

struct ArrheniusPunkt {
    double t, T, c;
};

inline std::vector<ArrheniusPunkt> arrheniusIsotherms() {
    std::vector<ArrheniusPunkt> pts;
    int i = 0;
    for (double T : {300.0, 310.0, 320.0, 330.0}) {
        const double k = 1.094e12 * std::exp(-83645.6 / (8.3145 * T));
        for (int j = 0; j <= 10; ++j) {
            const double t = 100.0 * j;
            pts.push_back({t, T, std::exp(-k * t) * (1 + 0.01 * std::sin(++i))});
        }
    }
    return pts;
}

struct ArrheniusMinimum {
    double A = 0, EA = 0, S = 0;
};

// The sum of squares of c = exp(-A exp(-EA/(R T)) t) over the points.
inline double arrheniusSumme(const std::vector<ArrheniusPunkt>& pts, double A, double EA) {
    double S = 0;
    for (const ArrheniusPunkt& p : pts) {
        const double d = std::exp(-A * std::exp(-EA / (8.3145 * p.T)) * p.t) - p.c;
        S += d * d;
    }
    return S;
}

// The minimum in the coordinates that do not bend the valley: EA and the
// logarithm u of the rate at 315 K, A = exp(u + EA/(R 315 K)). For every EA
// the best u by golden section in [uLo, uHi], then the best EA by golden
// section in [eaLo, eaHi], each down to the rounding of its argument.
inline ArrheniusMinimum arrheniusMinimum(const std::vector<ArrheniusPunkt>& pts, double eaLo, double eaHi, double uLo,
                                         double uHi) {
    const double g = (std::sqrt(5.0) - 1) / 2;
    const auto golden = [g](double lo, double hi, auto&& f) {
        double a = hi - g * (hi - lo), b = lo + g * (hi - lo), fa = f(a), fb = f(b);
        for (int i = 0; i < 200 && hi - lo > 1e-15 * std::fabs(hi); ++i) {
            if (fa < fb) {
                hi = b, b = a, fb = fa, a = hi - g * (hi - lo), fa = f(a);
            } else {
                lo = a, a = b, fa = fb, b = lo + g * (hi - lo), fb = f(b);
            }
        }
        return fa < fb ? a : b;
    };
    const auto A = [](double u, double EA) { return std::exp(u + EA / (8.3145 * 315)); };
    const auto bestU = [&](double EA) {
        return golden(uLo, uHi, [&](double u) { return arrheniusSumme(pts, A(u, EA), EA); });
    };
    ArrheniusMinimum m;
    m.EA = golden(eaLo, eaHi, [&](double EA) { return arrheniusSumme(pts, A(bestU(EA), EA), EA); });
    m.A = A(bestU(m.EA), m.EA);
    m.S = arrheniusSumme(pts, m.A, m.EA);
    return m;
}

}  // namespace vrn::test
