#include "reactors/SteadyStateSolver.h"

#include <gsl/gsl_errno.h>
#include <gsl/gsl_linalg.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/GslQuiet.h"
#include "engine/Stoichiometry.h"
#include "reactors/ReactorModels.h"
#include "reactors/RootSearch.h"

namespace vrn {

namespace {

std::size_t u(int i) { return static_cast<std::size_t>(i); }

// The net reactions of a model (one or two, engine/Stoichiometry.h) as
// columns over the species slots 0..5, and two species whose changes give
// the extents back (their rows of the columns are independent; s2 = 0 for
// one reaction).
struct Net {
    int count = 0;
    int s1 = 0, s2 = 0;
    std::array<std::array<double, 6>, 2> nu{};
};

// False for model 19 and numbers outside 1..20.
bool netOf(Integer model, Net& net) {
    if (modelSpecies(model) == 0) return false;
    const NetReactions r = netReactions(model);
    net.count = r.count;
    for (std::size_t j = 0; j < 2; ++j)
        for (std::size_t s = 0; s <= 5; ++s) net.nu[j][s] = r.nu[j][s];
    double best = 0;
    for (int a = 1; a <= 5; ++a) {
        if (net.count == 1) {
            if (net.nu[0][u(a)] != 0 && net.s1 == 0) net.s1 = a;
            continue;
        }
        for (int b = a + 1; b <= 5; ++b) {
            const double det =
                std::fabs(net.nu[0][u(a)] * net.nu[1][u(b)] - net.nu[1][u(a)] * net.nu[0][u(b)]);
            if (det > best) best = det, net.s1 = a, net.s2 = b;
        }
    }
    return net.s1 != 0;
}

using Vec2 = std::array<double, 2>;

// Roots along a line of outlets: to the last bits of the extent.
constexpr RootRule kRootRule{400, 4e-16, 0};

double maxAbs(const Vec2& v) { return std::max(std::fabs(v[0]), std::fabs(v[1])); }

// The balances of one tank. The unknowns are the concentrations themselves;
// a Newton step moves them along the model's net reactions, so the species
// keep the balances that tie them (A + B + 2C + 3P in model 7, say) while
// each concentration, however close to 0, keeps all its digits (extents
// counted from the feed would lose them in the difference to the feed).
class Tank {
public:
    Tank(Integer model, const Net& net, const Konz& c0, const Konstanten& k, double n)
        : model_(model), net_(net), c0_(c0), k_(k), n_(n) {
        used_ = modelSpecies(model);
        for (int s = 1; s <= 5; ++s)
            if (used_ & (1 << s)) scale_ = std::max(scale_, c0[u(s)]);
    }

    // c moved by the extents d.
    Konz moved(const Konz& c, const Vec2& d) const {
        Konz m = c;
        for (int s = 1; s <= 5; ++s)
            if (used_ & (1 << s)) m[u(s)] += net_.nu[0][u(s)] * d[0] + net_.nu[1][u(s)] * d[1];
        return m;
    }

    // The largest change of a concentration the extents d make.
    double moves(const Vec2& d) const {
        double m = 0;
        for (int s = 1; s <= 5; ++s)
            if (used_ & (1 << s)) m = std::max(m, std::fabs(net_.nu[0][u(s)] * d[0] + net_.nu[1][u(s)] * d[1]));
        return m;
    }

    // No concentration the model uses below 0 (rounding aside: a steady
    // state on the border, B = 0 say, may be approached from just outside).
    bool nonNegative(const Konz& c) const {
        for (int s = 1; s <= 5; ++s)
            if ((used_ & (1 << s)) && c[u(s)] < -1e-13 * scale_) return false;
        return true;
    }

    // Two balances to solve and their weights: with one net reaction the
    // balance of the solved species (and 0 = 0); with two, the pair of the
    // model's balances, each divided by its largest derivative, that is
    // furthest from dependent at the point of linearisation (where one step
    // dominates, two balances can say almost the same, and a third one
    // tells the extents apart).
    struct Rows {
        int s[2] = {0, 0};
        double w[2] = {1, 1};
    };

    // The balances of `rows` at c (times their weights); false when not finite.
    bool residual(const Konz& c, double tau, const Rows& rows, Vec2& f) const {
        Konz r{};
        if (!calc_dcdt(model_, r, k_, c, n_)) return false;
        for (int i = 0; i < 2; ++i) {
            const int q = rows.s[i];
            f[u(i)] = q == 0 ? 0 : rows.w[i] * (c0_[u(q)] - c[u(q)] + tau * r[u(q)]);
        }
        return std::isfinite(f[0]) && std::isfinite(f[1]);
    }

    // The derivatives of the balances by the extents at c, from the Jacobian
    // of the rate laws, and the rows chosen from them; false when not finite.
    bool linearised(const Konz& c, double tau, double J[2][2], Rows& rows) const {
        Jacobi Jr{};
        if (!calc_jacobian(model_, Jr, k_, c, n_)) return false;
        std::array<Vec2, 6> d{};
        for (int s = 1; s <= 5; ++s) {
            if (!(used_ & (1 << s))) continue;
            for (int j = 0; j < net_.count; ++j) {
                const auto& nu = net_.nu[u(j)];
                double v = -nu[u(s)];
                for (int q = 1; q <= 5; ++q) v += tau * Jr[u(s)][u(q)] * nu[u(q)];
                if (!std::isfinite(v)) return false;
                d[u(s)][u(j)] = v;
            }
        }
        rows = Rows{};
        if (net_.count == 1) {
            rows.s[0] = net_.s1;
            J[0][0] = d[u(net_.s1)][0];
            J[0][1] = J[1][0] = 0;
            J[1][1] = 1;
            return true;
        }
        double best = -1;
        for (int a = 1; a <= 5; ++a)
            for (int b = a + 1; b <= 5; ++b) {
                if (!((used_ & (1 << a)) && (used_ & (1 << b)))) continue;
                const double wa = maxAbs(d[u(a)]), wb = maxAbs(d[u(b)]);
                if (!(wa > 0 && wb > 0)) continue;
                const double det =
                    std::fabs(d[u(a)][0] * d[u(b)][1] - d[u(a)][1] * d[u(b)][0]) / (wa * wb);
                if (det > best) {
                    best = det;
                    rows.s[0] = a;
                    rows.s[1] = b;
                    rows.w[0] = 1 / wa;
                    rows.w[1] = 1 / wb;
                }
            }
        if (!(best > 0)) return false;
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j) J[i][j] = rows.w[i] * d[u(rows.s[i])][u(j)];
        return true;
    }

    // The Newton step -J^-1 f; false when J is singular or a number is not finite.
    static bool step(const double J[2][2], const Vec2& f, Vec2& d) {
        const double det = J[0][0] * J[1][1] - J[0][1] * J[1][0];
        if (!(std::isfinite(det) && det != 0)) return false;
        d = {(-f[0] * J[1][1] + f[1] * J[0][1]) / det, (-f[1] * J[0][0] + f[0] * J[1][0]) / det};
        return std::isfinite(d[0]) && std::isfinite(d[1]);
    }

    // The Newton step at c; false where it cannot be formed.
    bool newtonStep(const Konz& c, double tau, Vec2& d) const {
        double J[2][2];
        Rows rows;
        Vec2 f;
        return linearised(c, tau, J, rows) && residual(c, tau, rows, f) && step(J, f, d);
    }

    // True when c lies on the line of the net reactions through the feed,
    // to 1e-9 of the scale.
    bool onReactionLine(const Konz& c) const {
        Vec2 x;
        if (net_.count == 1) {
            x = {(c[u(net_.s1)] - c0_[u(net_.s1)]) / net_.nu[0][u(net_.s1)], 0};
        } else {
            const double a = net_.nu[0][u(net_.s1)], b = net_.nu[1][u(net_.s1)];
            const double e = net_.nu[0][u(net_.s2)], f = net_.nu[1][u(net_.s2)];
            const double d1 = c[u(net_.s1)] - c0_[u(net_.s1)], d2 = c[u(net_.s2)] - c0_[u(net_.s2)];
            const double det = a * f - b * e;
            x = {(d1 * f - b * d2) / det, (a * d2 - e * d1) / det};
        }
        const Konz back = moved(c0_, x);
        for (int s = 1; s <= 5; ++s)
            if ((used_ & (1 << s)) && !(std::fabs(back[u(s)] - c[u(s)]) <= 1e-9 * scale_)) return false;
        return true;
    }

    // Damped Newton from c; on success c holds the steady state: the Newton
    // step moves no concentration by more than 1e-13 of the feed. A step is
    // halved until it keeps every concentration non-negative and the next
    // Newton step, formed with the same Jacobian, is shorter (a test that
    // does not depend on how the balances are scaled).
    bool newton(double tau, Konz& c) const {
        const double tight = 1e-13 * scale_;
        if (!nonNegative(c)) return false;
        for (int it = 0; it < 100; ++it) {
            double J[2][2];
            Rows rows;
            Vec2 f, d;
            if (!linearised(c, tau, J, rows) || !residual(c, tau, rows, f) || !step(J, f, d)) return false;
            const double size = moves(d);
            if (size <= tight) return true;
            bool taken = false;
            for (double lambda = 1; lambda > 1e-12 && !taken; lambda /= 2) {
                const Konz ct = moved(c, {lambda * d[0], lambda * d[1]});
                Vec2 ft, dt;
                if (!nonNegative(ct) || !residual(ct, tau, rows, ft) || !step(J, ft, dt)) continue;
                if (moves(dt) <= (1 - lambda / 4) * size) {
                    c = ct;
                    taken = true;
                }
            }
            // No step gets closer: converged when only rounding is left.
            if (!taken) return size <= 1e-10 * scale_;
        }
        return false;
    }

    // Newton from the feed; failing that, from the feed at a residence time
    // shortened by powers of 2 and then back up to tau.
    bool solve(double tau, Konz& c) const {
        c = c0_;
        if (newton(tau, c)) return true;
        double t = tau;
        bool started = false;
        for (int m = 0; m < 60 && !started; ++m) {
            t /= 2;
            c = c0_;
            started = newton(t, c);
        }
        if (!started) return false;
        double factor = 2;
        while (t < tau) {
            const double next = std::min(tau, t * factor);
            Konz y = c;
            if (newton(next, y)) {
                t = next;
                c = y;
            } else {
                factor = std::sqrt(factor);
                if (factor < 1.001) return false;
            }
        }
        return true;
    }

    // One net reaction: its extent x lies between the two ends of the line
    // where a species of the model runs out, and x − tau·rate(x), the
    // balance along the line, changes sign between them. Regula falsi
    // (Illinois) on that bracket finds a root however steep the rate is
    // (order n < 1 near A = 0, say); false for two net reactions.
    bool solveSingle(double tau, Konz& c) const {
        if (net_.count != 1) return false;
        const auto& nu = net_.nu[0];
        double lo = -HUGE_VAL, hi = HUGE_VAL;
        for (int s = 1; s <= 5; ++s) {
            if (!(used_ & (1 << s)) || nu[u(s)] == 0) continue;
            if (nu[u(s)] < 0) hi = std::min(hi, c0_[u(s)] / -nu[u(s)]);
            else lo = std::max(lo, -c0_[u(s)] / nu[u(s)]);
        }
        if (!(std::isfinite(lo) && std::isfinite(hi) && lo <= hi)) return false;
        const int q = net_.s1;
        const auto h = [&](double x, double& v) {
            const Konz ct = moved(c0_, {x, 0});
            Konz r{};
            if (!calc_dcdt(model_, r, k_, ct, n_)) return false;
            v = x - tau * r[u(q)] / nu[u(q)];
            return std::isfinite(v);
        };
        RootBracket b{lo, hi, 0, 0};
        if (!h(lo, b.flo) || !h(hi, b.fhi) || b.flo > 0 || b.fhi < 0) return false;
        if (narrowRoot(h, b, kRootRule) == RootOutcome::Failed) return false;
        lo = b.lo, hi = b.hi;
        // Of the two ends, the one a Newton step moves less (at a species'
        // very end, A = 0 of order n < 1 say, the rate law has no slope).
        const Konz cLo = moved(c0_, {lo, 0}), cHi = moved(c0_, {hi, 0});
        Vec2 dLo, dHi;
        const double mLo = newtonStep(cLo, tau, dLo) ? moves(dLo) : HUGE_VAL;
        const double mHi = newtonStep(cHi, tau, dHi) ? moves(dHi) : HUGE_VAL;
        c = mLo <= mHi ? cLo : cHi;
        return true;
    }

    double scale() const { return scale_; }
    int used() const { return used_; }

    const Konstanten& k() const { return k_; }
    double n() const { return n_; }

private:
    Integer model_;
    const Net& net_;
    const Konz& c0_;
    Konstanten k_;
    double n_;
    int used_ = 0;
    double scale_ = 0;
};

// The outlet of the model's species (a concentration that rounding left
// just below 0 is 0); the slots of species the model lacks keep theirs.
void writeOutlet(Integer model, const Konz& c, Konz& out) {
    const int used = modelSpecies(model);
    for (int s = 1; s <= 5; ++s)
        if (used & (1 << s)) out[u(s)] = std::max(0.0, c[u(s)]);
}


// The outlets of a tank with c(A) = (1 − U)·c0(A): with X = c0(A) − c(A)
// the A converted, the extents follow A, nu(A, 1)·x1 + nu(A, 2)·x2 = −X, so
// the outlets are c = base + s·slope with s = x2 (one point for a single
// net reaction). On it, tau is what the balance of A asks for,
// X + tau·r(A) = 0, and for two net reactions the balance of a species q
// that only the second one changes, −nu(q, 2)·s + tau·r(q) = 0, fixes s:
// times −r(A) > 0, h(s) = X·r(q) + nu(q, 2)·s·r(A) = 0.
class ConversionLine {
public:
    struct Found {
        double tau = 0;
        Konz out{};
    };

    ConversionLine(Integer model, const Net& net, const Konz& c0, double U, const Konstanten& k, double n)
        : model_(model), tank_(model, net, c0, k, n), c0_(c0), k_(k), n_(n) {
        const auto& n1 = net.nu[0];
        const auto& n2 = net.nu[1];
        const double target = (1 - U) * c0[A];
        X_ = c0[A] - target;
        if (!(X_ > 0) || n1[A] == 0) return;
        const int used = tank_.used();
        base_ = c0;
        for (int q = 1; q <= 5; ++q) {
            if (!(used & (1 << q))) continue;
            base_[u(q)] = c0[u(q)] - n1[u(q)] * X_ / n1[A];
            slope_[u(q)] = n2[u(q)] - n1[u(q)] * n2[A] / n1[A];
        }
        base_[A] = target;
        slope_[A] = 0;
        if (net.count == 1) {
            usable_ = true;
            return;
        }
        for (int p = 1; p <= 5 && q_ == 0; ++p)
            if ((used & (1 << p)) && n1[u(p)] == 0 && n2[u(p)] != 0) q_ = p;
        if (q_ == 0) return;
        nq_ = n2[u(q_)];
        // The part of the line where no concentration is below 0.
        for (int p = 1; p <= 5; ++p) {
            if (!(used & (1 << p)) || p == A) continue;
            const double b = base_[u(p)], m = slope_[u(p)];
            if (m > 0) lo_ = std::max(lo_, -b / m);
            else if (m < 0) hi_ = std::min(hi_, b / -m);
            else if (b < 0) return;
        }
        usable_ = std::isfinite(lo_) && std::isfinite(hi_) && lo_ <= hi_;
    }

    bool usable() const { return usable_; }

    // h at s; false when not finite.
    bool h(double s, double& v) const { return hAt(at(s), s, v, nullptr); }

    // Brackets of the roots of h: the whole line where h differs in sign
    // at its ends; where it does not, the two sides of its turning point
    // when h changes sign there (model 10, whose enzyme is bound and then
    // set free again), else none.
    std::vector<RootBracket> brackets() const {
        std::vector<RootBracket> out;
        RootBracket whole{lo_, hi_, 0, 0};
        if (!h(lo_, whole.flo) || !h(hi_, whole.fhi)) return out;
        if (whole.flo == 0 || whole.fhi == 0 || (whole.flo < 0) != (whole.fhi < 0)) {
            out.push_back(whole);
            return out;
        }
        const auto dh = [&](double s, double& v) {
            double h0;
            return hAt(at(s), s, h0, &v);
        };
        RootBracket turn{lo_, hi_, 0, 0};
        if (!dh(lo_, turn.flo) || !dh(hi_, turn.fhi)) return out;
        if (narrowRoot(dh, turn, kRootRule) == RootOutcome::Failed) return out;
        const double sm = std::fabs(turn.flo) <= std::fabs(turn.fhi) ? turn.lo : turn.hi;
        double hm;
        if (!h(sm, hm)) return out;
        if (hm == 0 || (hm < 0) != (whole.flo < 0)) {
            out.push_back({lo_, sm, whole.flo, hm});
            out.push_back({sm, hi_, hm, whole.fhi});
        }
        return out;
    }

    // The steady state near the line's point s: Newton on h along the line
    // first, the concentrations themselves moved (a species near 0 gets back
    // the digits that base + s·slope lost to the others); then tau from the
    // balance of A or of q, whichever rate has the fewer digits cancelled;
    // then Newton on both balances in s and tau together. Each Newton
    // iteration goes on while its steps get shorter. False unless the result
    // is a steady state with tau > 0 (steadyStateHolds).
    bool steady(double s, Found& f) const {
        Konz c = at(s);
        if (!tank_.nonNegative(c)) return false;
        double t = 0;
        if (q_ == 0) {
            Konz r{};
            if (!calc_dcdt(model_, r, k_, c, n_) || !(r[A] < 0)) return false;
            t = X_ / -r[A];
        } else {
            alongLine(c, s);
            if (!firstTau(c, s, t)) return false;
            double ds, dt, size;
            bool ok = newtonStep(c, s, t, ds, dt, size);
            for (int it = 0; ok && it < 50 && size > 0; ++it) {
                const Konz ct = moved(c, ds);
                const double st = s + ds, tt = t + dt;
                double ds2, dt2, size2;
                if (!(tt > 0) || !tank_.nonNegative(ct) || !newtonStep(ct, st, tt, ds2, dt2, size2) || !(size2 < size))
                    break;
                c = ct, s = st, t = tt;
                ds = ds2, dt = dt2, size = size2;
            }
        }
        if (!(t > 0 && std::isfinite(t))) return false;
        f.tau = t;
        f.out = c0_;
        writeOutlet(model_, c, f.out);
        return steadyStateHolds(model_, c0_, k_, n_, t, f.out);
    }

private:
    Konz at(double s) const {
        Konz c = base_;
        for (int p = 1; p <= 5; ++p)
            if (slope_[u(p)] != 0) c[u(p)] = base_[u(p)] + slope_[u(p)] * s;
        return c;
    }

    Konz moved(const Konz& c, double ds) const {
        Konz m = c;
        for (int p = 1; p <= 5; ++p) m[u(p)] += slope_[u(p)] * ds;
        return m;
    }

    // Newton on h along the line from (c, s), while its steps get shorter.
    void alongLine(Konz& c, double& s) const {
        double v, d;
        if (!hAt(c, s, v, &d)) return;
        double last = HUGE_VAL;
        for (int it = 0; it < 50 && v != 0; ++it) {
            const double step = -v / d;
            if (!(std::fabs(step) < last)) break;
            const Konz ct = moved(c, step);
            double vt, dt;
            if (!tank_.nonNegative(ct) || !hAt(ct, s + step, vt, &dt)) break;
            c = ct, s += step, v = vt, d = dt;
            last = std::fabs(step);
        }
    }

    // tau at (c, s) from the balance of A, X + tau·r(A) = 0, or of q,
    // −nu(q, 2)·s + tau·r(q) = 0: the one whose rate is the sum of terms
    // that cancel the least (measured by sum |dr/dc(p)·c(p)| / |r|).
    bool firstTau(const Konz& c, double s, double& t) const {
        Konz r{};
        Jacobi J{};
        if (!calc_dcdt(model_, r, k_, c, n_) || !calc_jacobian(model_, J, k_, c, n_)) return false;
        const auto cancelled = [&](std::size_t i) {
            double sum = 0;
            for (int p = 1; p <= 5; ++p) sum += std::fabs(J[i][u(p)] * c[u(p)]);
            return sum / std::fabs(r[i]);
        };
        const double tA = X_ / -r[A], tq = nq_ * s / r[u(q_)];
        const bool okA = tA > 0 && std::isfinite(tA), okq = tq > 0 && std::isfinite(tq);
        if (okA && okq) t = cancelled(A) <= cancelled(u(q_)) ? tA : tq;
        else if (okA || okq) t = okA ? tA : tq;
        else return false;
        return true;
    }

    // h at the outlet c of the line's point s, and (dv) its derivative by s.
    bool hAt(const Konz& c, double s, double& v, double* dv) const {
        Konz r{};
        if (!calc_dcdt(model_, r, k_, c, n_)) return false;
        v = X_ * r[u(q_)] + nq_ * s * r[A];
        if (dv) {
            double dA, dq;
            if (!rateSlopes(c, dA, dq)) return false;
            *dv = X_ * dq + nq_ * r[A] + nq_ * s * dA;
        }
        return std::isfinite(v) && (!dv || std::isfinite(*dv));
    }

    // The derivatives of r(A) and r(q) along the line at c.
    bool rateSlopes(const Konz& c, double& dA, double& dq) const {
        Jacobi J{};
        if (!calc_jacobian(model_, J, k_, c, n_)) return false;
        dA = dq = 0;
        for (int p = 1; p <= 5; ++p) {
            dA += J[A][u(p)] * slope_[u(p)];
            dq += J[u(q_)][u(p)] * slope_[u(p)];
        }
        return true;
    }

    // The Newton step (ds, dt) of the balances of A and q in s and tau at
    // (c, s, t), and its size: the largest concentration change in units of
    // the scale or the change of tau in units of tau, whichever is larger.
    bool newtonStep(const Konz& c, double s, double t, double& ds, double& dt, double& size) const {
        Konz r{};
        double dA, dq;
        if (!calc_dcdt(model_, r, k_, c, n_) || !rateSlopes(c, dA, dq)) return false;
        const double fA = X_ + t * r[A], fq = -nq_ * s + t * r[u(q_)];
        const double a = t * dA, b = r[A], e = -nq_ + t * dq, g = r[u(q_)];
        const double det = a * g - b * e;
        ds = (-fA * g + fq * b) / det;
        dt = (-fq * a + fA * e) / det;
        double m = 0;
        for (int p = 1; p <= 5; ++p) m = std::max(m, std::fabs(slope_[u(p)] * ds));
        size = std::max(m / tank_.scale(), std::fabs(dt) / t);
        return std::isfinite(ds) && std::isfinite(dt) && std::isfinite(size);
    }

    Integer model_;
    Tank tank_;
    const Konz& c0_;
    Konstanten k_;
    double n_;
    double X_ = 0;  // the A converted
    Konz base_{}, slope_{};
    int q_ = 0;
    double nq_ = 0;
    double lo_ = -HUGE_VAL, hi_ = HUGE_VAL;
    bool usable_ = false;
};

// Models 15 and 18, A (+ B) <=> C => P: the balance of C gives C for every
// A, C = (c0(C) + tau·k1·A·B)/(1 + tau·(k2 + k3)) (B = 1 for model 15, else
// B = c0(B) − c0(A) + A), and the sum of the balances of A and C leaves one
// equation in A, g(A) = c0(A) − A + c0(C) − (1 + tau·k3)·C(A) = 0, which
// falls with A between the two ends of the feasible A. No difference of
// nearly equal extents is formed: a C that a fast back reaction keeps far
// below A and B (k2·tau beyond 1e18, say) keeps its own digits.
bool solveByIntermediate(Integer model, const Konz& c0, const Konstanten& k, double tau, Konz& c) {
    if (model != 15 && model != 18) return false;
    const double k1 = k[1], k2 = k[2], k3 = k[3];
    const double nenner = 1 + tau * (k2 + k3);
    const auto BvonA = [&](double a) { return model == 18 ? c0[B] - c0[A] + a : 1.0; };
    const auto CvonA = [&](double a) { return (c0[C] + tau * k1 * a * BvonA(a)) / nenner; };
    const auto g = [&](double a, double& v) {
        v = c0[A] - a + c0[C] - (1 + tau * k3) * CvonA(a);
        return std::isfinite(v);
    };
    RootBracket b{model == 18 ? std::max(0.0, c0[A] - c0[B]) : 0.0, c0[A], 0, 0};
    if (!(std::isfinite(nenner) && nenner > 0 && b.lo <= b.hi)) return false;
    if (!g(b.lo, b.flo) || !g(b.hi, b.fhi)) return false;
    if (b.flo < 0 || b.fhi > 0) return false;
    if (narrowRoot(g, b, kRootRule) == RootOutcome::Failed) return false;
    const double a = std::fabs(b.flo) <= std::fabs(b.fhi) ? b.lo : b.hi;
    const double cc = CvonA(a);
    c = c0;
    c[A] = a;
    if (model == 18) c[B] = BvonA(a);
    c[C] = cc;
    c[P] = c0[P] + (c0[A] - a) + (c0[C] - cc);
    return std::isfinite(c[P]) && std::isfinite(cc);
}

}  // namespace

bool isCoupledTankModel(Integer model) { return model == 7 || model == 10 || model == 15 || model == 18; }

bool tankOutlet(Integer model, const Konz& c0, const Konstanten& k, double n, double tau, const Konz* start,
                const std::function<bool(double tau, Konz& outlet)>& fallback, Konz& out) {
    Net net;
    if (!netOf(model, net) || !(tau > 0 && std::isfinite(tau))) return false;
    const Tank tank(model, net, c0, k, n);
    if (!(tank.scale() > 0)) return false;
    // An outlet finished by Newton where Newton gets on, else as it is;
    // either way shown only when it holds.
    const auto settled = [&](Konz c, bool polish = true) {
        if (!tank.onReactionLine(c)) return false;
        if (polish) {
            Konz p = c;
            if (tank.newton(tau, p)) c = p;
        }
        Konz o = c0;
        writeOutlet(model, c, o);
        if (!steadyStateHolds(model, c0, k, n, tau, o)) return false;
        out = o;
        return true;
    };
    Konz c;
    if (start && settled(*start)) return true;
    if (tank.solve(tau, c) && settled(c)) return true;
    if (tank.solveSingle(tau, c) && settled(c, false)) return true;
    if (fallback && fallback(tau, c) && settled(c)) return true;
    return solveByIntermediate(model, c0, k, tau, c) && settled(c, false);
}

bool steadyStateHolds(Integer model, const Konz& c0, const Konstanten& k, double n, double tau, const Konz& c) {
    Net net;
    if (!netOf(model, net)) return false;
    const Tank tank(model, net, c0, k, n);
    for (int s = 1; s <= 5; ++s)
        if ((tank.used() & (1 << s)) && !(std::isfinite(c[u(s)]) && c[u(s)] >= 0)) return false;
    // On the line of the reactions through the feed, the Newton step of all
    // the balances is the step of the solved ones in the extents (the others
    // follow from them).
    if (!tank.onReactionLine(c)) return false;
    const double within = 1e-9 * tank.scale();
    Vec2 d;
    if (tank.newtonStep(c, tau, d) && tank.moves(d) <= within) return true;
    // Where one species takes part in both reactions with a slope that
    // dwarfs the rest (tau·k far beyond 1e12), the two balances chosen above
    // say almost the same in the rounding; the step of all the balances at
    // once, by an LU decomposition with partial pivoting, is then exact.
    const int used = tank.used();
    Konz r{};
    Jacobi J{};
    if (!calc_dcdt(model, r, k, c, n) || !calc_jacobian(model, J, k, c, n)) return false;
    int slot[5];
    std::size_t m = 0;
    for (int q = 1; q <= 5; ++q)
        if (used & (1 << q)) slot[m++] = q;
    double a[25], rhs[5], step[5];
    for (std::size_t i = 0; i < m; ++i) {
        const std::size_t si = u(slot[i]);
        for (std::size_t j = 0; j < m; ++j) a[i * m + j] = tau * J[si][u(slot[j])] - (i == j ? 1 : 0);
        rhs[i] = -(c0[si] - c[si] + tau * r[si]);
    }
    gslQuiet();
    gsl_matrix_view M = gsl_matrix_view_array(a, m, m);
    gsl_vector_view b = gsl_vector_view_array(rhs, m);
    gsl_vector_view x = gsl_vector_view_array(step, m);
    std::size_t order[5];
    gsl_permutation perm{m, order};
    int signum = 0;
    if (gsl_linalg_LU_decomp(&M.matrix, &perm, &signum) != GSL_SUCCESS) return false;
    for (std::size_t i = 0; i < m; ++i)
        if (!(std::fabs(a[i * m + i]) > 0)) return false;
    if (gsl_linalg_LU_solve(&M.matrix, &perm, &b.vector, &x.vector) != GSL_SUCCESS) return false;
    for (std::size_t i = 0; i < m; ++i)
        if (!(std::fabs(step[i]) <= within)) return false;
    return true;
}

bool conversionSteadyState(Integer model, const Konz& c0, const Konstanten& k, double n, double U, double& tau,
                           Konz& out) {
    Net net;
    if (!netOf(model, net) || !(U > 0 && U < 1) || !(c0[A] > 0)) return false;
    const ConversionLine line(model, net, c0, U, k, n);
    if (!line.usable()) return false;
    ConversionLine::Found best{};
    if (net.count == 1) {
        // One net reaction: the outlet is fixed by c(A).
        if (!line.steady(0, best)) return false;
    } else {
        bool any = false;
        for (RootBracket b : line.brackets()) {
            if (narrowRoot([&](double s, double& v) { return line.h(s, v); }, b, kRootRule) == RootOutcome::Failed)
                continue;
            ConversionLine::Found f;
            if (!line.steady(std::fabs(b.flo) <= std::fabs(b.fhi) ? b.lo : b.hi, f)) continue;
            if (!any || f.tau < best.tau) best = f;
            any = true;
        }
        if (!any) return false;
    }
    tau = best.tau;
    out = best.out;
    return true;
}

}  // namespace vrn
