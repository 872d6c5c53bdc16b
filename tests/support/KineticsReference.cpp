#include "support/KineticsReference.h"

#include <gsl/gsl_errno.h>
#include <gsl/gsl_odeiv2.h>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace vrn::test {

namespace {

// The integrated slots of each model, in slot order.
std::vector<int> slotsOf(int model) {
    switch (model) {
        case 14: case 15: return {1, 3, 4};
        case 20: return {1, 4};
        default: return {1, 2, 3, 4};
    }
}

using Reaction = NetReaction<double>;

std::vector<Reaction> reactionsOf(const KineticsCase& c, const Conc& x) {
    return netReactions<double>(c.model, c.k, x, c.n);
}

// Rates and Jacobian (J[i][j] = d rate(i) / d c(j), slots 1..5).
void ratesAndJacobian(const KineticsCase& c, const Conc& x, Conc& r, std::array<Conc, 6>* J) {
    r.fill(0);
    if (J)
        for (auto& row : *J) row.fill(0);
    for (const Reaction& q : reactionsOf(c, x))
        for (std::size_t i = 1; i <= 5; ++i) {
            if (q.nu[i] == 0) continue;
            r[i] += q.nu[i] * q.rate;
            if (J)
                for (std::size_t j = 1; j <= 5; ++j) (*J)[i][j] += q.nu[i] * q.grad[j];
        }
}

struct System {
    const KineticsCase* c;
    std::vector<int> slots;
    Conc full(const double y[]) const {
        Conc x = c->c0;
        for (std::size_t i = 0; i < slots.size(); ++i) x[static_cast<std::size_t>(slots[i])] = y[i];
        return x;
    }
};

int rhs(double, const double y[], double dy[], void* p) {
    const System& s = *static_cast<System*>(p);
    Conc r;
    ratesAndJacobian(*s.c, s.full(y), r, nullptr);
    for (std::size_t i = 0; i < s.slots.size(); ++i) dy[i] = r[static_cast<std::size_t>(s.slots[i])];
    return GSL_SUCCESS;
}

int jac(double, const double y[], double* dfdy, double dfdt[], void* p) {
    const System& s = *static_cast<System*>(p);
    Conc r;
    std::array<Conc, 6> J;
    ratesAndJacobian(*s.c, s.full(y), r, &J);
    const std::size_t m = s.slots.size();
    for (std::size_t i = 0; i < m; ++i) {
        dfdt[i] = 0;
        for (std::size_t j = 0; j < m; ++j)
            dfdy[i * m + j] = J[static_cast<std::size_t>(s.slots[i])][static_cast<std::size_t>(s.slots[j])];
    }
    return GSL_SUCCESS;
}

// Model 20: A^(1-n) falls linearly (n != 1), A decays exponentially (n = 1).
// Above order 1 from A = A0·(1 + Y)^(−1/(n−1)), Y = (n−1)·k·t·A0^(n−1), in
// logarithms (a huge order keeps its digits).
Conc orderN(const KineticsCase& c, double t) {
    Conc x = c.c0;
    const double A0 = c.c0[1], k = c.k[0], n = c.n;
    double A;
    if (A0 <= 0 || k * t == 0) {
        A = A0;
    } else if (n == 1) {
        A = A0 * std::exp(-k * t);
    } else if (n > 1) {
        const long double m = n - 1;
        const long double lnY = std::log(m) + std::log(static_cast<long double>(k) * t) + m * std::log(static_cast<long double>(A0));
        const long double lnOnePlusY = lnY > 40 ? lnY + std::log1p(std::exp(-lnY)) : std::log1p(std::exp(lnY));
        A = static_cast<double>(A0 * std::exp(-lnOnePlusY / m));
    } else {
        const double u = std::pow(A0, 1 - n) - (1 - n) * k * t;
        A = u > 0 ? std::pow(u, 1 / (1 - n)) : 0;
        if (n > 1 && !(u > 0)) A = 0;
    }
    x[1] = A;
    x[4] = c.c0[4] + (A0 - A);
    return x;
}

std::uint64_t splitmix(std::uint64_t& s) {
    std::uint64_t z = (s += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double uniform(std::uint64_t& s) { return static_cast<double>(splitmix(s) >> 11) * 0x1.0p-53; }
double logUniform(std::uint64_t& s, double lo, double hi) { return lo * std::pow(hi / lo, uniform(s)); }

using L = long double;

// (e^z − 1)/z, 1 at z = 0: the series where |z| < 1/2, else from expl.
L expm1OverZ(L z) {
    if (std::fabs(z) >= 0.5L) return (std::exp(z) - 1) / z;
    L sum = 0, term = 1;
    for (int n = 1; term != 0 && n < 60; ++n) {
        sum += term;
        term *= z / (n + 1);
    }
    return sum;
}

// ln(1 + u)/u, 1 at u = 0: the series where |u| < 1/2, else from logl.
L log1pOverU(L u) {
    if (std::fabs(u) >= 0.5L) return std::log(1 + u) / u;
    L sum = 0, power = 1;
    for (int n = 1; n < 200; ++n) {
        const L term = power / n;
        if (std::fabs(term) < 1e-30L * std::fabs(sum)) break;
        sum += term;
        power *= -u;
    }
    return sum;
}

// The two roots of a·x² + b·x + c = 0 without cancellation, the smaller
// first.
std::array<L, 2> roots(L a, L b, L c) {
    const L w = std::sqrt(b * b - 4 * a * c);
    const L q = -(b + (b >= 0 ? w : -w)) / 2;
    L r1 = q / a, r2 = c / q;
    if (r1 > r2) std::swap(r1, r2);
    return {r1, r2};
}

}  // namespace

ConcL referenceClosedForm(const KineticsCase& c, L t) {
    const L k1 = c.k[0], k2 = c.k[1];
    const L A0 = c.c0[1], B0 = c.c0[2], C0 = c.c0[3], P0 = c.c0[4], Q0 = c.c0[5];
    ConcL r{};
    switch (c.model) {
        case 4: {
            // dx/dt = k1·(A0 − x)·(B0 − x): with d = A0 − B0 and z = d·k1·t,
            // x = A0·B0·(e^z − 1)/(A0·e^z − B0); for a large z, from e^(−z).
            const L d = A0 - B0, z = d * k1 * t;
            L x;
            if (z > 50) {
                const L e = std::exp(-z);
                x = A0 * B0 * (1 - e) / (A0 - B0 * e);
            } else {
                const L g = k1 * t * expm1OverZ(z);  // (e^z − 1)/d
                x = A0 * B0 * g / (1 + A0 * g);
            }
            r[1] = A0 - x;
            r[2] = B0 - x;
            r[4] = P0 + x;
            break;
        }
        case 5:
        case 16: {
            // dA/dt = −k1·A·P with A + P = S: the logistic curve
            // A = A0·S/(A0 + P0·e^(S·k1·t)); without P nothing reacts.
            const L S = A0 + P0, y = S * k1 * t;
            L A = A0;
            if (P0 != 0) A = y > 11000 ? 0 : A0 * S * std::exp(-y) / (A0 * std::exp(-y) + P0);
            r[1] = A;
            r[4] = P0 + (A0 - A);
            r[5] = Q0 + (A0 - A);
            break;
        }
        case 6: {
            // A => C => P (k1 != k2).
            const L e1 = std::exp(-k1 * t), e2 = std::exp(-k2 * t);
            r[1] = A0 * e1;
            r[3] = C0 * e2 + k1 * A0 * (e1 - e2) / (k2 - k1);
            r[4] = A0 + C0 + P0 - r[1] - r[3];
            break;
        }
        case 8: {
            // A <=> P: A tends to k2·(A0 + P0)/(k1 + k2) with the rate k1 + k2.
            const L s = k1 + k2;
            r[1] = (k2 * (A0 + P0) + (k1 * A0 - k2 * P0) * std::exp(-s * t)) / s;
            r[4] = A0 + P0 - r[1];
            break;
        }
        case 12:
        case 17: {
            // dx/dt = a·x² + b·x + cc = a·(x − r1)·(x − r2) from the rate law
            // (12: k1·(A0 − x)·(B0 − x) − k2·(P0 + 2x)²; 17: k1·(A0 − x)·(B0 − x)
            // − k2·(P0 + x)), a != 0; x(0) = 0 gives
            // x = r1·r2·(1 − E)/(r2 − r1·E), E = e^(a·(r1 − r2)·t), the roots
            // named so that E falls.
            const bool m12 = c.model == 12;
            const L a = m12 ? k1 - 4 * k2 : k1;
            const L b = m12 ? -k1 * (A0 + B0) - 4 * k2 * P0 : -k1 * (A0 + B0) - k2;
            const L cc = m12 ? k1 * A0 * B0 - k2 * P0 * P0 : k1 * A0 * B0 - k2 * P0;
            auto [r1, r2] = roots(a, b, cc);
            if (a < 0) std::swap(r1, r2);
            const L E = std::exp(a * (r1 - r2) * t);
            const L x = r1 * r2 * (1 - E) / (r2 - r1 * E);
            r[1] = A0 - x;
            r[2] = B0 - x;
            r[4] = P0 + (m12 ? 2 : 1) * x;
            break;
        }
        default: break;
    }
    return r;
}

L referenceHalfLifeAPlusB(L A0, L B0, L k1, int which) {
    // A = A0/2 (or B = B0/2) on ln((B/B0)/(A/A0)) = (B0 − A0)·k1·t: with the
    // reactant's start value `own` and the other's `other`,
    // t = ln((2·other − own)/other)/((other − own)·k1) = ln(1 + u)/u/(other·k1),
    // u = (other − own)/other.
    const L own = which == 1 ? A0 : B0, other = which == 1 ? B0 : A0;
    if (2 * other - own <= 0) return 0;
    return log1pOverU((other - own) / other) / (other * k1);
}

double tankNewtonStep(const KineticsCase& c, double tau, const Conc& out) {
    // In long double: the balances' derivatives reach tau·k (up to 1e16
    // here) beside the 1 of the outflow, which the elimination must keep.
    using L = long double;
    const int used = referenceSpecies(c.model);
    std::vector<std::size_t> sl;
    L scale = 0;
    for (std::size_t q = 1; q <= 5; ++q)
        if (used & (1 << q)) {
            sl.push_back(q);
            scale = std::max<L>(scale, c.c0[q]);
        }
    const std::size_t m = sl.size();
    std::vector<L> rate(6, 0);
    std::vector<std::vector<L>> J(6, std::vector<L>(6, 0));
    for (const Reaction& q : reactionsOf(c, out))
        for (std::size_t i = 1; i <= 5; ++i) {
            rate[i] += static_cast<L>(q.nu[i]) * q.rate;
            for (std::size_t j = 1; j <= 5; ++j) J[i][j] += static_cast<L>(q.nu[i]) * q.grad[j];
        }
    std::vector<std::vector<L>> a(m, std::vector<L>(m + 1));
    for (std::size_t i = 0; i < m; ++i) {
        for (std::size_t j = 0; j < m; ++j) a[i][j] = static_cast<L>(tau) * J[sl[i]][sl[j]] - (i == j ? 1 : 0);
        a[i][m] = -(static_cast<L>(c.c0[sl[i]]) - out[sl[i]] + static_cast<L>(tau) * rate[sl[i]]);
    }
    for (std::size_t col = 0; col < m; ++col) {
        std::size_t p = col;
        for (std::size_t i = col + 1; i < m; ++i)
            if (std::fabs(a[i][col]) > std::fabs(a[p][col])) p = i;
        std::swap(a[col], a[p]);
        for (std::size_t i = col + 1; i < m; ++i) {
            const L g = a[i][col] / a[col][col];
            for (std::size_t j = col; j <= m; ++j) a[i][j] -= g * a[col][j];
        }
    }
    L worst = 0;
    std::vector<L> d(m);
    for (std::size_t i = m; i-- > 0;) {
        L v = a[i][m];
        for (std::size_t j = i + 1; j < m; ++j) v -= a[i][j] * d[j];
        d[i] = v / a[i][i];
        worst = std::max(worst, std::fabs(d[i]) / scale);
    }
    const double w = static_cast<double>(worst);
    return std::isfinite(w) ? w : HUGE_VAL;
}

KineticsCase randomTankCase(int model, std::uint64_t& seed) {
    KineticsCase c;
    c.model = model;
    for (double& k : c.k) k = logUniform(seed, 1e-3, 1e9);
    c.c0.fill(0);
    const int used = referenceSpecies(model);
    for (int q = 1; q <= 5; ++q) {
        if (!(used & (1 << q))) continue;
        const bool reactant = q == 1 || q == 2;
        if (reactant || uniform(seed) < 0.4) c.c0[static_cast<std::size_t>(q)] = logUniform(seed, 1e-8, 10);
    }
    c.n = model == 20 ? static_cast<float>(0.3 + 2.2 * uniform(seed)) : 1;
    double S = 0, slowest = 0;
    for (double x : c.c0) S = std::max(S, x);
    double fastest = 0;
    for (double k : c.k) {
        slowest = std::max(slowest, 1 / (k * std::max(1.0, S)));
        fastest = std::max(fastest, k * std::max(1.0, S));
    }
    // The residence time, at most 1e16 / (the fastest rate): beyond, the
    // balances cannot be checked in long double.
    c.tEnd = std::min(slowest * logUniform(seed, 1e-3, 1e8), 1e16 / fastest);
    return c;
}

Conc referenceRates(const KineticsCase& c, const Conc& x) {
    Conc r;
    ratesAndJacobian(c, x, r, nullptr);
    return r;
}

double referenceScale(const KineticsCase& c, int s) {
    if (c.model == 10) {
        return s == 1 || s == 3 ? c.c0[1] + c.c0[3] : c.c0[2] + c.c0[3] + c.c0[4];
    }
    double scale = 0;
    for (int q : slotsOf(c.model)) scale = std::max(scale, std::fabs(c.c0[static_cast<std::size_t>(q)]));
    return scale;
}

std::vector<Conc> referenceAt(const KineticsCase& c, const std::vector<double>& times) {
    std::vector<Conc> out;
    if (c.model == 20) {
        for (double t : times) out.push_back(orderN(c, t));
        return out;
    }
    gsl_set_error_handler_off();
    System s{&c, slotsOf(c.model)};
    const std::size_t m = s.slots.size();
    std::vector<double> y(m), scale(m);
    double smallest = 0;
    for (std::size_t i = 0; i < m; ++i) {
        y[i] = c.c0[static_cast<std::size_t>(s.slots[i])];
        if (y[i] > 0 && (smallest == 0 || y[i] < smallest)) smallest = y[i];
    }
    for (std::size_t i = 0; i < m; ++i) scale[i] = 1e-15 * std::max(y[i], smallest > 0 ? smallest : 1.0);
    gsl_odeiv2_system sys{rhs, jac, m, &s};
    const double h0 = times.empty() ? 1e-6 : std::max(1e-300, times.back() * 1e-12);
    gsl_odeiv2_driver* d =
        gsl_odeiv2_driver_alloc_scaled_new(&sys, gsl_odeiv2_step_bsimp, h0, 1.0, 1e-12, 1.0, 0.0, scale.data());
    gsl_odeiv2_driver_set_nmax(d, 50000000);
    double t = 0;
    for (double target : times) {
        if (target > t && gsl_odeiv2_driver_apply(d, &t, target, y.data()) != GSL_SUCCESS) {
            gsl_odeiv2_driver_free(d);
            return {};
        }
        out.push_back(s.full(y.data()));
    }
    gsl_odeiv2_driver_free(d);
    return out;
}

double referenceHalfLifeOnCurve(const KineticsCase& c, int s, double tMax, bool* failed) {
    if (failed) *failed = false;
    const auto si = static_cast<std::size_t>(s);
    const double half = c.c0[si] / 2;
    if (!(half > 0)) return 0;
    if (c.model == 20) {
        // A^(1−n) = A0^(1−n) + (n − 1)·k1·t: A0/2 at t = (2^m − 1)/(m·k1·A0^m), m = n − 1.
        const L m = static_cast<L>(c.n) - 1, k1 = c.k[0], A0 = c.c0[1];
        if (!(k1 > 0)) return 0;
        const L t = m == 0 ? std::log(2.0L) / k1 : std::expm1(m * std::log(2.0L)) / m / (k1 * std::pow(A0, m));
        return t <= tMax ? static_cast<double>(t) : 0;
    }
    gsl_set_error_handler_off();
    System sys{&c, slotsOf(c.model)};
    const std::size_t m = sys.slots.size();
    std::size_t mine = m;
    for (std::size_t i = 0; i < m; ++i)
        if (sys.slots[i] == s) mine = i;
    if (mine == m) return 0;
    std::vector<double> scale(m);
    double smallest = 0;
    for (std::size_t i = 0; i < m; ++i) {
        const double y = c.c0[static_cast<std::size_t>(sys.slots[i])];
        if (y > 0 && (smallest == 0 || y < smallest)) smallest = y;
    }
    for (std::size_t i = 0; i < m; ++i)
        scale[i] = 1e-15 * std::max(c.c0[static_cast<std::size_t>(sys.slots[i])], smallest > 0 ? smallest : 1.0);
    scale[mine] = 1e-15 * c.c0[si];
    gsl_odeiv2_system ode{rhs, jac, m, &sys};
    // A run from (t0, y0) to t1, landing on it.
    const auto run = [&](double t0, std::vector<double> y0, double t1, std::vector<double>& out) {
        gsl_odeiv2_driver* d = gsl_odeiv2_driver_alloc_scaled_new(&ode, gsl_odeiv2_step_bsimp,
                                                                  std::max(1e-300, (t1 - t0) * 1e-6), 1.0, 1e-12,
                                                                  1.0, 0.0, scale.data());
        gsl_odeiv2_driver_set_nmax(d, 50000000);
        double t = t0;
        const int status = t1 > t0 ? gsl_odeiv2_driver_apply(d, &t, t1, y0.data()) : GSL_SUCCESS;
        gsl_odeiv2_driver_free(d);
        out = y0;
        return status == GSL_SUCCESS;
    };
    std::vector<double> y(m);
    for (std::size_t i = 0; i < m; ++i) y[i] = c.c0[static_cast<std::size_t>(sys.slots[i])];
    gsl_odeiv2_driver* d = gsl_odeiv2_driver_alloc_scaled_new(&ode, gsl_odeiv2_step_bsimp, std::max(1e-300, tMax * 1e-12),
                                                              1.0, 1e-12, 1.0, 0.0, scale.data());
    double t = 0, h = std::max(1e-300, tMax * 1e-12);
    const double grid = tMax / 500;
    double result = 0;
    long steps = 0;
    while (t < tMax) {
        const double t0 = t;
        const std::vector<double> y0 = y;
        const double t1 = std::min(tMax, (std::floor(t / grid) + 1) * grid);
        if (gsl_odeiv2_evolve_apply(d->e, d->c, d->s, &ode, &t, t1 > t ? t1 : tMax, &h, y.data()) != GSL_SUCCESS ||
            ++steps > 50000000) {
            if (failed) *failed = true;
            break;
        }
        if (!(y[mine] < half)) continue;
        // Regula falsi (Illinois) on runs from the step's start.
        double lo = t0, hi = t, glo = y0[mine] - half, ghi = y[mine] - half;
        int side = 0;
        for (int i = 0; i < 200 && hi - lo > 1e-14 * hi; ++i) {
            double mid = hi - ghi * (hi - lo) / (ghi - glo);
            if (!(mid > lo && mid < hi)) mid = lo + (hi - lo) / 2;
            std::vector<double> at;
            if (!run(t0, y0, mid, at)) {
                if (failed) *failed = true;
                break;
            }
            const double g = at[mine] - half;
            if (g < 0) {
                hi = mid, ghi = g;
                if (side == 1) glo /= 2;
                side = 1;
            } else {
                lo = mid, glo = g;
                if (side == -1) ghi /= 2;
                side = -1;
            }
            if (g == 0) lo = hi = mid;
        }
        result = (lo + hi) / 2;
        break;
    }
    gsl_odeiv2_driver_free(d);
    return result;
}

KineticsCase randomKineticsCase(int model, std::uint64_t& seed) {
    KineticsCase c;
    c.model = model;
    for (double& k : c.k) k = logUniform(seed, 1e-3, 1e9);
    c.c0.fill(0);
    for (int s : slotsOf(model)) {
        const bool reactant = s == 1 || (s == 2 && model != 14 && model != 15);
        if (reactant || uniform(seed) < 0.4) c.c0[static_cast<std::size_t>(s)] = logUniform(seed, 1e-8, 10);
    }
    c.n = model == 20 ? 0.3 + 2.2 * uniform(seed) : 1;
    // The slowest time scale: 1/k of a first-order step, 1/(k S) of a
    // second-order one (S the largest start concentration).
    double S = 0;
    for (double x : c.c0) S = std::max(S, x);
    const bool second1 = model == 7 || model == 9 || model == 10 || model == 13 || model == 18;
    double slowest = 0;
    for (int i = 0; i < 3; ++i) {
        const bool used = model == 20 ? i == 0 : (model == 9 || model == 7) ? i < 2 : true;
        if (!used) continue;
        double rate = c.k[static_cast<std::size_t>(i)];
        if (model == 20) rate *= std::pow(c.c0[1], c.n - 1);
        else if ((i == 0 && second1) || (model == 7 && i == 1)) rate *= S;
        slowest = std::max(slowest, 1 / rate);
    }
    c.tEnd = slowest * logUniform(seed, 1e-3, 1e8);
    return c;
}

const std::vector<ReportedCase>& reportedKineticsCases() {
    // model, k1..k3, c0 (slot 0 unused), order, end time
    static const std::vector<ReportedCase> cases = {
        // Overshoots below 0 that the implicit integrator kept.
        {"9, every default k times 1e11", {9, {1.5e10, 1e10, 0}, {0, 1, 1, 0, 0, 0}, 1, 100}},
        {"9, micromolar B", {9, {2.61e4, 6.6e8, 0}, {0, 0.0424, 0.00302, 0, 0, 0}, 1, 933}},
        {"15, fast k3", {15, {0.001836, 0.1606, 9.956e5}, {0, 5.41e-5, 0, 0, 0, 0}, 1, 5.886e9}},
        {"7, fast second step", {7, {0.004064, 1.232e8, 0}, {0, 0.028, 1.51e-4, 0, 0, 0}, 1, 8.48e11}},
        {"18, fast k3", {18, {2.186, 0.0375, 3.311e8}, {0, 6.71e-6, 1.28e-6, 0, 0, 0}, 1, 4.3e9}},
        {"10, fast k2", {10, {0.0138, 2689, 1.028e8}, {0, 6.81, 0.436, 0, 0, 0}, 1, 1.613e6}},
        {"10, tight binding beyond exhaustion", {10, {1e9, 1, 1}, {0, 1e-7, 1, 0, 0, 0}, 1, 1.5e7}},
        // Refused by the batch reactor.
        {"10, diffusion-limited k1 = 4.77e8", {10, {4.77e8, 10, 100}, {0, 1e-3, 1, 0, 0, 0}, 1, 30}},
        {"10, diffusion-limited k1 = 8.84e8", {10, {8.84e8, 10, 100}, {0, 1e-3, 1, 0, 0, 0}, 1, 30}},
        {"10, k1 = 1e8 to exhaustion", {10, {1e8, 1, 1}, {0, 1e-7, 1, 0, 0, 0}, 1, 1.5e7}},
        {"15, fast k2 and k3", {15, {3.881, 7.3e4, 2.9e8}, {0, 0.118, 0, 0, 0, 0}, 1, 209}},
        {"18, fast equilibrium", {18, {1.69e6, 4450, 0.747}, {0, 0.755, 3.39, 0, 0, 0}, 1, 1242}},
        // "Division durch Null": model 15 at its defaults times 5e4, B left
        // over from an earlier model.
        {"15, defaults times 5e4", {15, {7500, 5000, 250}, {0, 1, 1, 0, 0, 0}, 1, 100}},
        // Order below 1: A is 0 one output point early.
        {"20, n = 0.9, micromolar", {20, {16.6, 0, 0}, {0, 1e-6, 0, 0, 0, 0}, 0.9, 10}},
        {"20, n = 0.9", {20, {79.1, 0, 0}, {0, 1, 0, 0, 0, 0}, 0.9, 10}},
        {"20, n = 0.5", {20, {38.19, 0, 0}, {0, 1, 0, 0, 0, 0}, 0.5, 10}},
        // A fast pre-equilibrium: the implicit integrator lost its step on the
        // way ("Die Integration kommt nicht weiter ..."; the batch:
        // "numerischer Fehler aufgetreten") where the value at one time was
        // found.
        {"18, fast pre-equilibrium to 1e8",
         {18, {22910.817464828313, 9.5e8, 0.2922919905763039}, {0, 0.004121472176652896, 0.004229181067158838, 1e-6, 0, 0}, 1, 1e8}},
        {"18, fast pre-equilibrium to 1.04e8",
         {18, {22910.817464828313, 9.5e8, 0.2922919905763039}, {0, 0.004121472176652896, 0.004229181067158838, 1e-6, 0, 0}, 1, 1.04e8}},
        // Below 0 at 199 of 201 points (C = -1.67e-8 at point 3, exact
        // +3.3e-12): B and C micromolar beside a large P0, whose scale let
        // the explicit rule's pairs agree on a wrong C.
        {"7, equal fast constants beside a large P0",
         {7, {211382.0337321498, 211382.0337321498, 0}, {0, 0.06561212888030948, 8.014920977360257e-07, 0, 3.8415429996705917, 0}, 1, 0.07270171493291855}},
        // A huge order from A0 > 1: its first rate is beyond every number
        // ("Überlauf" for the concentration curve); A falls to about 1 at once.
        {"20, order 1.616e27 from A0 > 1", {20, {36863.82, 0, 0}, {0, 1.175047069944756, 0, 0, 0, 0}, 1.616e27, 10}},
        // The cost cliff of the enzyme defaults (E0 = 1, S0 = 5): these stay
        // on the explicit rule, whose pairs agree to 1 %.
        {"10, defaults with k1 = 3", {10, {3, 0.1, 0.005}, {0, 1, 5, 0, 0, 0}, 1, 100}, 1e-4},
        {"10, defaults with k1 = 5", {10, {5, 0.1, 0.005}, {0, 1, 5, 0, 0, 0}, 1, 100}, 1e-4},
        {"10, defaults with k1 = 10", {10, {10, 0.1, 0.005}, {0, 1, 5, 0, 0, 0}, 1, 100}, 1e-4},
        {"10, defaults with k1 = 30", {10, {30, 0.1, 0.005}, {0, 1, 5, 0, 0, 0}, 1, 100}, 1e-4},
    };
    return cases;
}

std::string describe(const KineticsCase& c) {
    std::ostringstream o;
    o.precision(17);
    o << "model " << c.model << ", k = " << c.k[0] << " / " << c.k[1] << " / " << c.k[2] << ", c0 =";
    for (int s = 1; s <= 5; ++s) o << ' ' << c.c0[static_cast<std::size_t>(s)];
    if (c.model == 20) o << ", n = " << c.n;
    o << ", t = " << c.tEnd;
    return o.str();
}

}  // namespace vrn::test
