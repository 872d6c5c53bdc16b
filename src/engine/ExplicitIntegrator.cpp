#include "engine/ExplicitIntegrator.h"

#include <gsl/gsl_eigen.h>
#include <gsl/gsl_matrix.h>
#include <gsl/gsl_vector_complex.h>

#include <algorithm>
#include <cmath>
#include <complex>

#include "engine/Dual.h"
#include "engine/GslQuiet.h"
#include "engine/RateLawOf.h"

namespace vrn {

namespace {

std::size_t u(int i) { return static_cast<std::size_t>(i); }

using Teiljacobi = ExplicitIntegrator::Teiljacobi;

// Order n < 1: the intervals this close (in interval widths) to the time A
// runs out belong to the implicit integrator.
constexpr double kErschoepfungNah = 4;

// Radius of the largest half-disc of the left half-plane inside the
// stability region of the classical Runge-Kutta rule (2.6156, reached at
// an angle of about 123 degrees; on the real axis the region reaches 2.785).
constexpr double kStabilHalbkreis = 2.6;

// The amplification factor of one classical Runge-Kutta step.
std::complex<double> amplification(std::complex<double> z) {
    return 1.0 + z * (1.0 + z * (0.5 + z * (1.0 / 6 + z / 24.0)));
}

}  // namespace

struct ExplicitIntegrator::Rule {
    Konstanten k;
    double n;
    double tiny;   // |coarse| + |fine| below this: converged
    bool cut;      // order n < 1: A runs out in a finite time
    double bound;  // bound of the Jacobian's row-sum norm over every reachable state
};

namespace {

// The row-sum norm of J, an upper bound of its spectral radius; infinity
// when an entry is not finite.
double rowSumNorm(const Teiljacobi& J, int n) {
    double norm = 0;
    for (int i = 0; i < n; ++i) {
        double row = 0;
        for (int j = 0; j < n; ++j) row += std::fabs(J[u(i)][u(j)]);
        norm = std::max(norm, row);
    }
    return std::isfinite(norm) ? norm : HUGE_VAL;
}

bool stableFor(const Teiljacobi& J, double norm, int n, double h) {
    if (h * norm <= kStabilHalbkreis) return true;
    if (!std::isfinite(norm)) return false;
    gslQuiet();
    const auto m = static_cast<std::size_t>(n);
    gsl_matrix* a = gsl_matrix_alloc(m, m);
    gsl_vector_complex* lambda = gsl_vector_complex_alloc(m);
    gsl_eigen_nonsymm_workspace* w = gsl_eigen_nonsymm_alloc(m);
    bool stable = a && lambda && w;
    if (stable) {
        for (std::size_t i = 0; i < m; ++i)
            for (std::size_t j = 0; j < m; ++j) gsl_matrix_set(a, i, j, J[i][j]);
        stable = gsl_eigen_nonsymm(a, lambda, w) == GSL_SUCCESS;
        for (std::size_t i = 0; i < m && stable; ++i) {
            const gsl_complex l = gsl_vector_complex_get(lambda, i);
            const std::complex<double> z(h * GSL_REAL(l), h * GSL_IMAG(l));
            // A growing mode grows in the solution too; only decaying modes
            // must not be amplified.
            if (z.real() < 0) stable = std::abs(amplification(z)) <= 1;
        }
    }
    if (w) gsl_eigen_nonsymm_free(w);
    if (lambda) gsl_vector_complex_free(lambda);
    if (a) gsl_matrix_free(a);
    return stable;
}

// The Jacobian of the integrated components of model M at c, differentiated
// from its rate law, and its row-sum norm (infinity when an entry is not
// finite).
template <int M>
double teiljacobi(const Konz& c, const Konstanten& k, double n, Teiljacobi& J) {
    constexpr IntegratedSlots s = integratedSlots(M);
    std::array<Dual<s.n>, 6> x, r;
    for (std::size_t q = 1; q <= 5; ++q) x[q] = Dual<s.n>(c[q]);
    for (int i = 0; i < s.n; ++i) x[u(s.slot[u(i)])].d[u(i)] = 1;
    rateLawOf<M>(x, r, k, n);
    for (int i = 0; i < s.n; ++i)
        for (int j = 0; j < s.n; ++j) J[u(i)][u(j)] = r[u(s.slot[u(i)])].d[u(j)];
    return rowSumNorm(J, s.n);
}


// A bound of the magnitude of a number and of its derivatives: sums and
// differences add the bounds, products follow the product rule on them. The
// rate laws evaluated on it bound every entry of the Jacobian over a box of
// concentrations.
template <int N>
struct Schranke {
    double v = 0;
    std::array<double, N> d{};

    Schranke() = default;
    explicit Schranke(double x) : v(std::fabs(x)) {}
};

template <int N>
double valueOf(const Schranke<N>& x) {
    return x.v;
}
template <int N>
Schranke<N> operator-(const Schranke<N>& a) {
    return a;
}
template <int N>
Schranke<N> operator+(Schranke<N> a, const Schranke<N>& b) {
    a.v += b.v;
    for (int i = 0; i < N; ++i) a.d[u(i)] += b.d[u(i)];
    return a;
}
template <int N>
Schranke<N> operator-(const Schranke<N>& a, const Schranke<N>& b) {
    return a + b;
}
template <int N>
Schranke<N> operator*(double s, Schranke<N> a) {
    a.v *= std::fabs(s);
    for (double& x : a.d) x *= std::fabs(s);
    return a;
}
template <int N>
Schranke<N> operator*(const Schranke<N>& a, const Schranke<N>& b) {
    Schranke<N> r;
    r.v = a.v * b.v;
    for (int i = 0; i < N; ++i) r.d[u(i)] = a.d[u(i)] * b.v + a.v * b.d[u(i)];
    return r;
}
// Order n >= 1 only: below 1 the slope of A^n grows without bound as A runs out.
template <int N>
Schranke<N> pow(const Schranke<N>& a, double n) {
    Schranke<N> r;
    r.v = std::pow(a.v, n);
    const double slope = n >= 1 ? n * std::pow(a.v, n - 1) : HUGE_VAL;
    for (int i = 0; i < N; ++i) r.d[u(i)] = a.d[u(i)] == 0 ? 0 : slope * a.d[u(i)];
    return r;
}

// A bound of the row-sum norm of the Jacobian of model M over every state
// the run can reach. Each integrated model keeps a weighted sum of its
// species with weights 1 to 3 (A + B + 2C + 3P in model 7; E + S + 2ES + P
// in the enzyme model; ...), so no concentration exceeds three times the sum
// of the start concentrations.
template <int M>
double normBound(const Konz& start, const Konstanten& k, double n) {
    constexpr IntegratedSlots s = integratedSlots(M);
    double sum = 0;
    for (int i = 0; i < s.n; ++i) sum += std::fabs(start[u(s.slot[u(i)])]);
    std::array<Schranke<s.n>, 6> x, r;
    for (std::size_t q = 1; q <= 5; ++q) x[q] = Schranke<s.n>(3 * sum);
    for (int i = 0; i < s.n; ++i) x[u(s.slot[u(i)])].d[u(i)] = 1;
    rateLawOf<M>(x, r, k, n);
    double norm = 0;
    for (int i = 0; i < s.n; ++i) {
        double row = 0;
        for (int j = 0; j < s.n; ++j) row += r[u(s.slot[u(i)])].d[u(j)];
        norm = std::max(norm, row);
    }
    return std::isfinite(norm) ? norm : HUGE_VAL;
}

}  // namespace

bool rungeKuttaStable(const Jacobi& J, const IntegratedSlots& s, double h) {
    Teiljacobi sub{};
    for (int i = 0; i < s.n; ++i)
        for (int j = 0; j < s.n; ++j) sub[u(i)][u(j)] = J[u(s.slot[u(i)])][u(s.slot[u(j)])];
    return stableFor(sub, rowSumNorm(sub, s.n), s.n, h);
}

namespace {

// m classical Runge-Kutta steps of width H/m from y0 into y (the slots the
// model does not integrate keep their values). False when the state leaves
// the finite numbers, or (order n < 1, which runs A out only in a later
// interval) when a substep or one of its stages takes A to 0 or below: such
// a trial has overshot (the law has no rate there), and two of them would
// agree on the same wrong value.
template <int M>
bool rungeKutta(const Konz& y0, double H, int m, const ExplicitIntegrator::Rule& p, Konz& y) {
    constexpr IntegratedSlots s = integratedSlots(M);
    // Locals throughout, so that nothing the steps write can alias the
    // constants they read.
    const Konstanten k = p.k;
    const double n = p.n;
    const bool cut = p.cut;
    const double h = H / m;
    Konz r1, r2, r3, r4;
    Konz w = y0;
    Konz z = y0;
    bool ok = true;
    for (int step = 0; step < m; ++step) {
        rateLawOf<M>(w, r1, k, n);
        for (int i = 0; i < s.n; ++i) z[u(s.slot[u(i)])] = w[u(s.slot[u(i)])] + h * r1[u(s.slot[u(i)])] / 2;
        if (cut && !(z[A] > 0)) ok = false;
        rateLawOf<M>(z, r2, k, n);
        for (int i = 0; i < s.n; ++i) z[u(s.slot[u(i)])] = w[u(s.slot[u(i)])] + h * r2[u(s.slot[u(i)])] / 2;
        if (cut && !(z[A] > 0)) ok = false;
        rateLawOf<M>(z, r3, k, n);
        for (int i = 0; i < s.n; ++i) z[u(s.slot[u(i)])] = w[u(s.slot[u(i)])] + h * r3[u(s.slot[u(i)])];
        if (cut && !(z[A] > 0)) ok = false;
        rateLawOf<M>(z, r4, k, n);
        for (int i = 0; i < s.n; ++i) {
            const auto q = u(s.slot[u(i)]);
            w[q] += h * (r1[q] + 2 * r2[q] + 2 * r3[q] + r4[q]) / 6;
        }
        if (cut && w[A] < 0) {
            w[P] += w[A];
            w[A] = 0;
            ok = false;
        }
        double sum = 0;
        for (int i = 0; i < s.n; ++i) sum += w[u(s.slot[u(i)])];
        if (!std::isfinite(sum)) {
            ok = false;
            break;
        }
    }
    y = w;
    return ok;
}

template <int M>
bool agree(const Konz& coarse, const Konz& fine, double tiny) {
    constexpr IntegratedSlots s = integratedSlots(M);
    for (int i = 0; i < s.n; ++i) {
        const auto q = u(s.slot[u(i)]);
        const double sum = std::fabs(coarse[q]) + std::fabs(fine[q]);
        if (!(sum < tiny || std::fabs(coarse[q] - fine[q]) / sum <= 0.01)) return false;
    }
    return true;
}

}  // namespace

template <int M>
bool ExplicitIntegrator::stable(const Konz& start, const Konz& end, double h) {
    const Rule& r = *rule_;
    // Far from the limit everywhere the run can go: no Jacobian needed.
    if (h * r.bound <= kStabilHalbkreis) return true;
    constexpr int n = integratedSlots(M).n;
    Teiljacobi J;
    // The end of one interval is the start of the next: its norm is kept,
    // and its Jacobian formed again only where the norm cannot decide.
    if (!(haveStartNorm_ && start == lastEnd_)) startNorm_ = teiljacobi<M>(start, r.k, r.n, J);
    if (h * startNorm_ > kStabilHalbkreis) {
        teiljacobi<M>(start, r.k, r.n, J);
        if (!stableFor(J, startNorm_, n, h)) return false;
    }
    const double endNorm = teiljacobi<M>(end, r.k, r.n, J);
    if (h * endNorm > kStabilHalbkreis && !stableFor(J, endNorm, n, h)) return false;
    startNorm_ = endNorm;
    lastEnd_ = end;
    haveStartNorm_ = true;
    return true;
}

template <int M>
bool ExplicitIntegrator::advanceModel(ExplicitIntegrator& self, Konz& y, double delta) {
    const Rule& p = *self.rule_;
    int& m = self.m_;
    if (M == 20 && p.cut) {
        const double left = exhaustionTime(y[A], p.k[1], p.n);
        if (left <= delta) {
            // A runs out inside this interval: it ends at 0, P keeping the sum.
            y[P] += y[A];
            y[A] = 0;
            return true;
        }
        // Close to running out, A falls by orders of magnitude within an
        // interval, faster than trials that agree to 1 % can follow.
        if (left <= kErschoepfungNah * delta) return false;
    }
    Konz coarse, fine;
    bool coarseOk = rungeKutta<M>(y, delta, m, p, coarse);
    for (;;) {
        if (2 * m > kSteifeSchritte) return false;
        m *= 2;
        const bool fineOk = rungeKutta<M>(y, delta, m, p, fine);
        // Two trials that agree are taken when the finer one's substep is
        // stable too; an unstable pair halves the substep as a disagreeing one does.
        if (coarseOk && fineOk && agree<M>(coarse, fine, p.tiny)) {
            if (M == 20 && fine[A] < 0) {
                fine[P] += fine[A];
                fine[A] = 0;
            }
            if (self.stable<M>(y, fine, delta / m)) {
                y = fine;
                self.lastStep_ = delta / m;
                m = std::max(1, m / 4);
                return true;
            }
        }
        coarse = fine;
        coarseOk = fineOk;
    }
}

ExplicitIntegrator::ExplicitIntegrator(Integer model, const Konstanten& k, double ordnung, const Konz& start)
    : rule_(std::make_unique<Rule>()) {
    Rule& r = *rule_;
    r.k = k;
    r.n = ordnung;
    r.cut = model == 20 && ordnung < 1;
    const IntegratedSlots slots = integratedSlots(model);
    double scale = 0;
    for (int i = 0; i < slots.n; ++i) scale = std::max(scale, std::fabs(start[u(slots.slot[u(i)])]));
    r.tiny = 1e-6 * (scale > 0 ? scale : 1.0);
    withModel(model, [this, &start]<int M>() {
        if constexpr (isNumericalModel(M)) {
            advance_ = &ExplicitIntegrator::advanceModel<M>;
            rule_->bound = normBound<M>(start, rule_->k, rule_->n);
        }
    });
}

ExplicitIntegrator::~ExplicitIntegrator() = default;

bool ExplicitIntegrator::advance(Konz& y, double delta) { return advance_ && advance_(*this, y, delta); }

}  // namespace vrn
