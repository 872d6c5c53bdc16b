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
    double tiny;  // |coarse| + |fine| below this: converged
    bool cut;     // order n < 1: A ends at 0 inside the trials
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
// the finite numbers.
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
        rateLawOf<M>(z, r2, k, n);
        for (int i = 0; i < s.n; ++i) z[u(s.slot[u(i)])] = w[u(s.slot[u(i)])] + h * r2[u(s.slot[u(i)])] / 2;
        rateLawOf<M>(z, r3, k, n);
        for (int i = 0; i < s.n; ++i) z[u(s.slot[u(i)])] = w[u(s.slot[u(i)])] + h * r3[u(s.slot[u(i)])];
        rateLawOf<M>(z, r4, k, n);
        for (int i = 0; i < s.n; ++i) {
            const auto q = u(s.slot[u(i)]);
            w[q] += h * (r1[q] + 2 * r2[q] + 2 * r3[q] + r4[q]) / 6;
        }
        if (cut && w[A] < 0) {
            w[P] += w[A];
            w[A] = 0;
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
    Konz coarse, fine;
    bool coarseOk = rungeKutta<M>(y, delta, m, p, coarse);
    for (;;) {
        if (2 * m > kSteifeSchritte) return false;
        m *= 2;
        const bool fineOk = rungeKutta<M>(y, delta, m, p, fine);
        if (coarseOk && fineOk && agree<M>(coarse, fine, p.tiny)) {
            if (M == 20 && fine[A] < 0) {
                fine[P] += fine[A];
                fine[A] = 0;
            }
            if (!self.stable<M>(y, fine, delta / m)) return false;
            y = fine;
            self.lastStep_ = delta / m;
            m = std::max(1, m / 4);
            return true;
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
    withModel(model, [this]<int M>() {
        if constexpr (isNumericalModel(M)) advance_ = &ExplicitIntegrator::advanceModel<M>;
    });
}

ExplicitIntegrator::~ExplicitIntegrator() = default;

bool ExplicitIntegrator::advance(Konz& y, double delta) { return advance_ && advance_(*this, y, delta); }

}  // namespace vrn
