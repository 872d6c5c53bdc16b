#include "engine/ExplicitIntegrator.h"

#include <algorithm>
#include <cmath>
#include <complex>

#include "engine/Dual.h"
#include "engine/RateLawOf.h"
#include "engine/Stoichiometry.h"

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

// What is known of a state for the stability test: the Jacobian of its
// integrated slots, a bound of its spectral radius and, once that bound could
// not decide, the modes of its reactions.
struct Known {
    ExplicitIntegrator::Teiljacobi J{};
    double bound = 0;
    bool haveModes = false;
    int count = 0;
    std::array<std::complex<double>, 5> modes{};
};

}  // namespace

struct ExplicitIntegrator::Rule {
    Konstanten k;
    double n;
    double tiny;   // |coarse| + |fine| below this: converged
    bool cut;      // order n < 1: A runs out in a finite time
    double bound;  // bound of the Jacobian's row-sum norm over every reachable state
    Known atStart;  // of the next interval's start (the last accepted end)
};

namespace {

// The smaller of the row-sum and the column-sum norm of J, both upper
// bounds of its spectral radius; infinity when an entry is not finite.
double spectralBound(const Teiljacobi& J, int n) {
    double rows = 0, cols = 0;
    for (int i = 0; i < n; ++i) {
        double row = 0, col = 0;
        for (int j = 0; j < n; ++j) {
            row += std::fabs(J[u(i)][u(j)]);
            col += std::fabs(J[u(j)][u(i)]);
        }
        rows = std::max(rows, row);
        cols = std::max(cols, col);
    }
    const double norm = std::min(rows, cols);
    return std::isfinite(norm) ? norm : HUGE_VAL;
}

// True when every decaying mode among the n eigenvalues lambda has
// |R(h lambda)| <= 1 (a growing mode grows in the solution too; only
// decaying modes must not be amplified).
bool stableModes(const std::array<std::complex<double>, 5>& lambda, int n, double h) {
    for (int i = 0; i < n; ++i) {
        const std::complex<double> z = h * lambda[u(i)];
        if (z.real() < 0 && std::abs(amplification(z)) > 1) return false;
    }
    return true;
}

// What is known of state c of model M to begin with: the Jacobian of its
// integrated slots, differentiated from its rate law, and its bound.
template <int M>
Known knownAt(const Konz& c, const Konstanten& k, double n) {
    constexpr IntegratedSlots s = integratedSlots(M);
    std::array<Dual<s.n>, 6> x, r;
    for (std::size_t q = 1; q <= 5; ++q) x[q] = Dual<s.n>(c[q]);
    for (int i = 0; i < s.n; ++i) x[u(s.slot[u(i)])].d[u(i)] = 1;
    rateLawOf<M>(x, r, k, n);
    Known known;
    for (int i = 0; i < s.n; ++i)
        for (int j = 0; j < s.n; ++j) known.J[u(i)][u(j)] = r[u(s.slot[u(i)])].d[u(j)];
    known.bound = spectralBound(known.J, s.n);
    return known;
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


// The directions in which the reactions of model M move its integrated
// slots (netReactions, at most two) and their pseudo-inverse. The rates are r = N rho(c), so the Jacobian is
// J = N G with G = d rho / dc: its eigenvalues other than 0 are those of
// the k x k matrix G N = N+ J N.
struct Directions {
    int k = 0;
    std::array<std::array<double, 5>, 2> N{};      // N[j][i]: column j, integrated slot i
    std::array<std::array<double, 5>, 2> Nplus{};  // (N^T N)^-1 N^T, row j
};

template <int M>
const Directions& directionsOf() {
    static const Directions d = [] {
        constexpr IntegratedSlots s = integratedSlots(M);
        constexpr NetReactions net = netReactions(M);
        Directions r;
        r.k = net.count;
        for (int j = 0; j < r.k; ++j)
            for (int i = 0; i < s.n; ++i) r.N[u(j)][u(i)] = net.nu[u(j)][u(s.slot[u(i)])];
        // (N^T N)^-1 N^T
        double g[2][2] = {{0, 0}, {0, 0}};
        for (int a = 0; a < r.k; ++a)
            for (int b = 0; b < r.k; ++b)
                for (int i = 0; i < s.n; ++i) g[a][b] += r.N[u(a)][u(i)] * r.N[u(b)][u(i)];
        double inv[2][2];
        if (r.k == 1) {
            inv[0][0] = 1 / g[0][0];
        } else {
            const double det = g[0][0] * g[1][1] - g[0][1] * g[1][0];
            inv[0][0] = g[1][1] / det, inv[0][1] = -g[0][1] / det;
            inv[1][0] = -g[1][0] / det, inv[1][1] = g[0][0] / det;
        }
        for (int a = 0; a < r.k; ++a)
            for (int i = 0; i < s.n; ++i)
                for (int b = 0; b < r.k; ++b) r.Nplus[u(a)][u(i)] += inv[a][b] * r.N[u(b)][u(i)];
        return r;
    }();
    return d;
}

// The eigenvalues of J (the Jacobian of model M's integrated slots) other
// than its zeros, into modes; their number.
template <int M>
int reactionModes(const Teiljacobi& J, std::array<std::complex<double>, 5>& modes) {
    constexpr int n = integratedSlots(M).n;
    const Directions& d = directionsOf<M>();
    double r[2][2] = {{0, 0}, {0, 0}};
    for (int b = 0; b < d.k; ++b)
        for (int i = 0; i < n; ++i) {
            double jn = 0;  // (J N)[i][b]
            for (int j = 0; j < n; ++j) jn += J[u(i)][u(j)] * d.N[u(b)][u(j)];
            for (int a = 0; a < d.k; ++a) r[a][b] += d.Nplus[u(a)][u(i)] * jn;
        }
    if (d.k == 1) {
        modes[0] = r[0][0];
        return 1;
    }
    // The two roots of l^2 - t l + q; the larger one directly, the smaller
    // from their product, so that a small one keeps its digits.
    const double t = r[0][0] + r[1][1], q = r[0][0] * r[1][1] - r[0][1] * r[1][0];
    const double disc = t * t / 4 - q;
    if (disc >= 0) {
        const double big = t / 2 + std::copysign(std::sqrt(disc), t);
        modes[0] = big;
        modes[1] = big != 0 ? q / big : 0.0;
    } else {
        modes[0] = {t / 2, std::sqrt(-disc)};
        modes[1] = {t / 2, -std::sqrt(-disc)};
    }
    return 2;
}

// True when a substep of width h is stable at the state of `known`: below
// the half-disc by its bound, else by the modes of its reactions (found once
// and kept in `known`).
template <int M>
bool stableAt(Known& known, double h) {
    if (h * known.bound <= kStabilHalbkreis) return true;
    if (!std::isfinite(known.bound)) return false;
    if (!known.haveModes) {
        known.count = reactionModes<M>(known.J, known.modes);
        known.haveModes = true;
    }
    return stableModes(known.modes, known.count, h);
}

}  // namespace

bool rungeKuttaStable(Integer model, const Jacobi& J, double h) {
    bool stable = false;
    withModel(model, [&]<int M>() {
        if constexpr (isNumericalModel(M)) {
            constexpr IntegratedSlots s = integratedSlots(M);
            Known known;
            for (int i = 0; i < s.n; ++i)
                for (int j = 0; j < s.n; ++j) known.J[u(i)][u(j)] = J[u(s.slot[u(i)])][u(s.slot[u(j)])];
            known.bound = spectralBound(known.J, s.n);
            stable = stableAt<M>(known, h);
        }
    });
    return stable;
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
            runOutA(w[A], w[P]);
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

// True when an integrated component that is at least 0 at the start of the
// interval ends it below 0.
template <int M>
bool overshot(const Konz& start, const Konz& end) {
    constexpr IntegratedSlots s = integratedSlots(M);
    for (int i = 0; i < s.n; ++i) {
        const auto q = u(s.slot[u(i)]);
        if (start[q] >= 0 && end[q] < 0) return true;
    }
    return false;
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
    Rule& r = *rule_;
    // Far from the limit everywhere the run can go: no Jacobian needed.
    if (h * r.bound <= kStabilHalbkreis) return true;
    // The end of one interval is the start of the next: what was found
    // there is kept.
    if (!(haveStart_ && start == lastEnd_)) r.atStart = knownAt<M>(start, r.k, r.n);
    if (!stableAt<M>(r.atStart, h)) return false;
    Known atEnd = knownAt<M>(end, r.k, r.n);
    if (!stableAt<M>(atEnd, h)) return false;
    r.atStart = atEnd;
    lastEnd_ = end;
    haveStart_ = true;
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
            runOutA(y[A], y[P]);
            return true;
        }
        // Close to running out, A falls by orders of magnitude within an
        // interval, faster than trials that agree to 1 % can follow.
        if (left <= kErschoepfungNah * delta) return false;
    }
    Konz coarse, fine;
    bool coarseOk = rungeKutta<M>(y, delta, m, p, coarse);
    bool unstable = false;
    for (;;) {
        if (2 * m > kSteifeSchritte) return false;
        m *= 2;
        const bool fineOk = rungeKutta<M>(y, delta, m, p, fine);
        // Two trials that agree are taken when the finer one's substep is
        // stable too; an unstable pair halves the substep as a disagreeing one does.
        if (coarseOk && fineOk && agree<M>(coarse, fine, p.tiny)) {
            if (M == 20 && fine[A] < 0) runOutA(fine[A], fine[P]);
            // A concentration the pair takes below 0 has been overshot (the
            // rate laws never take one there): such a pair is refined as a
            // disagreeing one is, also where it lies below the scale of
            // the agreement test.
            if (overshot<M>(y, fine)) {
                coarse = fine;
                coarseOk = fineOk;
                continue;
            }
            if (self.stable<M>(y, fine, delta / m)) {
                y = fine;
                self.lastStep_ = delta / m;
                // The next interval starts with a quarter of the substeps;
                // where stability, not agreement, set their number, its
                // first pair is taken at the same number again.
                m = std::max(1, unstable ? m / 2 : m / 4);
                return true;
            }
            unstable = true;
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
