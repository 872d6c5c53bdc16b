// An independent solution of the enzyme mechanism E + S <=> ES => P + E,
// written here from its rate law for checking stiff runs: implicit Euler
// (stable however fast the binding is) on the two free unknowns S and ES,
// with E = E0 + ES0 - ES and P from the balance of S. Each step solves for
// the one root S >= 0 of the step equation (eliminating ES), so a step
// across the exhaustion of the substrate can never land on the spurious
// negative branch. The step width adapts: one, two and four steps over h,
// extrapolated to third order (Richardson), accepted when the second- and
// third-order results agree to a small fraction of E0 in ES and of S0 in S.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace vrn::test {

struct EnzymeCase {
    double E0, S0, k1, k2, k3;
};

namespace detail {

// (S, ES) after one implicit Euler step of width h from (S, z): with ES
// eliminated, the root s >= 0 of g(s) = s - S + h k1 (E0 - ES(s)) s - h k2 ES(s),
// ES(s) = (z + h k1 E0 s) / (1 + h (k1 s + k2 + k3)); g(0) <= 0 and g grows
// without bound, so a bracket exists. Newton, kept inside the bracket.
inline std::array<double, 2> enzymeEulerStep(const EnzymeCase& c, double S, double z, double h) {
    const double a = h * c.k1 * c.E0, K = h * (c.k2 + c.k3);
    const auto zOf = [&](double s) { return (z + a * s) / (1 + K + h * c.k1 * s); };
    const auto g = [&](double s) {
        const double zz = zOf(s);
        return s - S + h * c.k1 * (c.E0 - zz) * s - h * c.k2 * zz;
    };
    const auto dg = [&](double s) {
        const double den = 1 + K + h * c.k1 * s;
        const double dz = (a * (1 + K) - z * h * c.k1) / (den * den);
        return 1 + h * c.k1 * (c.E0 - zOf(s)) - h * c.k1 * s * dz - h * c.k2 * dz;
    };
    if (g(0) >= 0) return {0, zOf(0)};
    double lo = 0, hi = S + z + c.E0;
    while (g(hi) < 0) hi *= 2;
    double s = std::min(S, hi);
    for (int it = 0; it < 500; ++it) {
        const double gs = g(s);
        (gs < 0 ? lo : hi) = s;
        double next = s - gs / dg(s);
        if (!(next > lo && next < hi)) next = lo > 0 && hi / lo > 4 ? std::sqrt(lo * hi) : lo == 0 ? hi / 1024 : 0.5 * (lo + hi);
        if (std::fabs(next - s) <= 1e-15 * s || !(next > lo && next < hi)) {
            s = next > lo && next < hi ? next : s;
            break;
        }
        s = next;
    }
    return {s, zOf(s)};
}

}  // namespace detail

// E, S, ES, P (slots 1..4 of Konz order, element 0 unused) at the given times
// (rising, from 0; ES0 = P0 = 0). tol is the error allowed per step, as a
// fraction of E0 in ES and of S0 in S; a smaller one gains nothing (the
// error estimate then meets the rounding of the sums), a larger one is
// faster for checks of 1e-3 E0.
inline std::vector<std::array<double, 5>> enzymeReferenceAt(const EnzymeCase& c, const std::vector<double>& times,
                                                            double tol = 1e-10) {
    using State = std::array<double, 2>;
    // n implicit Euler steps of width h/n from y.
    const auto euler = [&c](State y, double h, int n) {
        for (int i = 0; i < n; ++i) y = detail::enzymeEulerStep(c, y[0], y[1], h / n);
        return y;
    };
    std::vector<std::array<double, 5>> ref;
    State y{c.S0, 0};
    double t = 0;
    double h = 1e-3 / (c.k1 * (c.E0 + c.S0) + c.k2 + c.k3);
    for (double tOut : times) {
        while (t < tOut) {
            const double step = std::min(h, tOut - t);
            // 1, 2 and 4 steps, extrapolated to third order (the error of
            // implicit Euler has every power of h); the difference of the
            // last two columns estimates the error.
            const State a = euler(y, step, 1), b = euler(y, step, 2), d = euler(y, step, 4);
            State x2, x3;
            double err = 0;
            for (std::size_t q = 0; q < 2; ++q) {
                const double ab = 2 * b[q] - a[q], bd = 2 * d[q] - b[q];
                x3[q] = (4 * bd - ab) / 3;
                x2[q] = bd;
                err = std::max(err, std::fabs(x3[q] - x2[q]) / (q == 0 ? c.S0 : c.E0));
            }
            if (err <= tol || step < 1e-14 * std::max(t, 1e-300)) {
                y = {std::max(0.0, x3[0]), std::clamp(x3[1], 0.0, c.E0)};
                t = step == tOut - t ? tOut : t + step;
            }
            const double grow = err > 0 ? 0.9 * std::cbrt(tol / err) : 4;
            h = step * std::clamp(grow, 0.2, 4.0);
        }
        ref.push_back({0, c.E0 - y[1], y[0], y[1], c.S0 - y[0] - y[1]});
    }
    return ref;
}

// The same at t = j·tEnd/200, j = 0..200.
inline std::vector<std::array<double, 5>> enzymeReference(const EnzymeCase& c, double tEnd, double tol = 1e-10) {
    std::vector<double> times;
    for (int j = 0; j <= 200; ++j) times.push_back(tEnd * j / 200);
    return enzymeReferenceAt(c, times, tol);
}

}  // namespace vrn::test
