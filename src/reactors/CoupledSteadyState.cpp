#include "reactors/CoupledSteadyState.h"

#include <algorithm>
#include <cmath>

#include "reactors/ReactorModels.h"
#include "shell/AppState.h"

namespace vrn {

namespace {

std::size_t u(int i) { return static_cast<std::size_t>(i); }

// Two net reactions of a model as columns over the species slots 0..5, and
// the two species whose balances are solved (their rows must be independent;
// in model 10 E and ES are tied, so E and S are taken).
struct NetReactions {
    Integer model;
    int s1, s2;
    std::array<std::array<double, 6>, 2> nu;
};

constexpr NetReactions kNets[] = {
    {7, A, C, {{{0, -1, -1, 1, 0, 0}, {0, -1, 0, -1, 1, 0}}}},    // A + B => C; A + C => P
    {10, A, B, {{{0, -1, -1, 1, 0, 0}, {0, 1, 0, -1, 1, 0}}}},    // E + S <=> ES; ES => P + E
    {15, A, C, {{{0, -1, 0, 1, 0, 0}, {0, 0, 0, -1, 1, 0}}}},     // A <=> C; C => P
    {18, A, C, {{{0, -1, -1, 1, 0, 0}, {0, 0, 0, -1, 1, 0}}}},    // A + B <=> C; C => P
};

const NetReactions* netsOf(Integer model) {
    for (const auto& n : kNets)
        if (n.model == model) return &n;
    return nullptr;
}

using Vec2 = std::array<double, 2>;

double maxAbs(const Vec2& v) { return std::max(std::fabs(v[0]), std::fabs(v[1])); }
double norm2(const Vec2& v) { return v[0] * v[0] + v[1] * v[1]; }

class Tank {
public:
    Tank(Integer model, const NetReactions& net, const Konz& c0) : model_(model), net_(net), c0_(c0) {
        used_ = modelSpecies(model);
        for (int s = 1; s <= 5; ++s)
            if (used_ & (1 << s)) scale_ = std::max(scale_, c0[u(s)]);
    }

    Konz conc(const Vec2& x) const {
        Konz c = c0_;
        for (int s = 1; s <= 5; ++s) c[u(s)] += net_.nu[0][u(s)] * x[0] + net_.nu[1][u(s)] * x[1];
        return c;
    }

    // No concentration the model uses below 0 (rounding aside: a steady
    // state on the border, B = 0 say, may be approached from just outside).
    bool nonNegative(const Konz& c) const {
        for (int s = 1; s <= 5; ++s)
            if ((used_ & (1 << s)) && c[u(s)] < -1e-13 * scale_) return false;
        return true;
    }

    // Balances of the two solved species at the extents x; false when not finite.
    bool residual(const Vec2& x, double tau, Vec2& f) const {
        const Konz c = conc(x);
        Konz r{};
        if (!calc_dcdt(model_, r, app.k, c, static_cast<double>(app.nOrdnung))) return false;
        f[0] = c0_[u(net_.s1)] - c[u(net_.s1)] + tau * r[u(net_.s1)];
        f[1] = c0_[u(net_.s2)] - c[u(net_.s2)] + tau * r[u(net_.s2)];
        return std::isfinite(f[0]) && std::isfinite(f[1]);
    }

    // Damped Newton from x; on success x holds the extents of the steady
    // state: the balances vanish to 1e-13 of the feed, or (where tau and the
    // rate constants are so large that rounding keeps the balances from
    // getting that small) the Newton step has shrunk to rounding size.
    bool newton(double tau, Vec2& x) const {
        const double tight = 1e-13 * scale_;
        Vec2 f;
        if (!nonNegative(conc(x)) || !residual(x, tau, f)) return false;
        for (int it = 0; it < 100; ++it) {
            if (maxAbs(f) <= tight) return true;
            // Jacobian by central differences.
            double J[2][2];
            for (int j = 0; j < 2; ++j) {
                const double h = 1e-6 * std::max(scale_, std::fabs(x[u(j)]));
                Vec2 xp = x, xm = x, fp, fm;
                xp[u(j)] += h;
                xm[u(j)] -= h;
                if (!residual(xp, tau, fp) || !residual(xm, tau, fm)) return false;
                J[0][j] = (fp[0] - fm[0]) / (2 * h);
                J[1][j] = (fp[1] - fm[1]) / (2 * h);
            }
            const double det = J[0][0] * J[1][1] - J[0][1] * J[1][0];
            if (!(std::isfinite(det) && det != 0)) return false;
            const Vec2 d{(-f[0] * J[1][1] + f[1] * J[0][1]) / det, (-f[1] * J[0][0] + f[0] * J[1][0]) / det};
            if (!(std::isfinite(d[0]) && std::isfinite(d[1]))) return false;
            if (maxAbs(d) <= 1e-14 * scale_) return true;
            // Halve the step until it keeps every concentration non-negative
            // and lowers the residual.
            bool taken = false;
            for (double lambda = 1; lambda > 1e-12 && !taken; lambda /= 2) {
                const Vec2 xt{x[0] + lambda * d[0], x[1] + lambda * d[1]};
                Vec2 ft;
                if (!nonNegative(conc(xt)) || !residual(xt, tau, ft)) continue;
                if (norm2(ft) < norm2(f) * (1 - 1e-4 * lambda) || maxAbs(ft) <= tight) {
                    x = xt;
                    f = ft;
                    taken = true;
                }
            }
            // No step lowers the residual: converged when only rounding is left.
            if (!taken) return maxAbs(d) <= 1e-10 * scale_;
        }
        return false;
    }

    // Newton from the feed; failing that, from the feed at a residence time
    // shortened by powers of 2 and then back up to tau.
    bool solve(double tau, Vec2& x) const {
        x = {0, 0};
        if (newton(tau, x)) return true;
        double t = tau;
        bool started = false;
        for (int m = 0; m < 60 && !started; ++m) {
            t /= 2;
            x = {0, 0};
            started = newton(t, x);
        }
        if (!started) return false;
        double factor = 2;
        while (t < tau) {
            const double next = std::min(tau, t * factor);
            Vec2 y = x;
            if (newton(next, y)) {
                t = next;
                x = y;
            } else {
                factor = std::sqrt(factor);
                if (factor < 1.001) return false;
            }
        }
        return true;
    }

    // Warm start from x, else solve afresh.
    bool solveFrom(double tau, Vec2& x) const {
        Vec2 y = x;
        if (newton(tau, y)) {
            x = y;
            return true;
        }
        return solve(tau, x);
    }

    double cA(const Vec2& x) const { return conc(x)[A]; }
    double scale() const { return scale_; }

private:
    Integer model_;
    const NetReactions& net_;
    const Konz& c0_;
    int used_ = 0;
    double scale_ = 0;
};

// The outlet; a concentration that rounding left just below 0 is 0.
void writeOutlet(const Tank& tank, const Vec2& x, Konz& out) {
    const Konz c = tank.conc(x);
    for (int s = 1; s <= 5; ++s) out[u(s)] = std::max(0.0, c[u(s)]);
}

}  // namespace

bool isCoupledTankModel(Integer model) { return netsOf(model) != nullptr; }

bool coupledOutlet(Integer model, const Konz& c0, double tau, Konz& out) {
    const NetReactions* net = netsOf(model);
    if (!net || !(tau > 0 && std::isfinite(tau))) return false;
    const Tank tank(model, *net, c0);
    if (!(tank.scale() > 0)) return false;
    Vec2 x;
    if (!tank.solve(tau, x)) return false;
    writeOutlet(tank, x, out);
    return true;
}

bool coupledResidenceTime(Integer model, const Konz& c0, double U, double& tau, Konz& out) {
    const NetReactions* net = netsOf(model);
    if (!net || !(U > 0 && U < 1) || !(c0[A] > 0)) return false;
    const Tank tank(model, *net, c0);
    const double target = (1 - U) * c0[A];

    // First guess: the residence time the feed's rate of A would need.
    Konz r{};
    calc_dcdt(model, r, app.k, c0, static_cast<double>(app.nOrdnung));
    double hi = (r[A] < 0 && std::isfinite(r[A])) ? U * c0[A] / -r[A] : 1.0;
    if (!(hi > 0 && std::isfinite(hi))) hi = 1.0;

    // Bracket: c(A) falls from c0(A) at tau = 0.
    double lo = 0, cLo = c0[A];
    Vec2 xLo{0, 0}, xHi{0, 0};
    double cHi = cLo;
    for (;;) {
        xHi = xLo;
        if (!tank.solveFrom(hi, xHi)) return false;
        cHi = tank.cA(xHi);
        if (cHi <= target) break;
        lo = hi;
        cLo = cHi;
        xLo = xHi;
        hi *= 2;
        if (!(hi < 1e300)) return false;
    }

    // Regula falsi (Illinois) on c(A)(tau) − target.
    int side = 0;
    double fLo = cLo - target, fHi = cHi - target;
    for (int it = 0; it < 300; ++it) {
        if (std::fabs(fHi) <= 1e-15 * c0[A] || hi - lo <= 1e-15 * hi) break;
        double t = hi - fHi * (hi - lo) / (fHi - fLo);
        if (!(t > lo && t < hi)) t = (lo + hi) / 2;
        Vec2 x = xLo;
        if (!tank.solveFrom(t, x)) return false;
        const double f = tank.cA(x) - target;
        if (f > 0) {
            lo = t, fLo = f, xLo = x;
            if (side == -1) fHi /= 2;
            side = -1;
        } else {
            hi = t, fHi = f, xHi = x;
            if (side == 1) fLo /= 2;
            side = 1;
        }
    }
    tau = hi;
    writeOutlet(tank, xHi, out);
    return true;
}

}  // namespace vrn
