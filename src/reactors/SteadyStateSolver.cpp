#include "reactors/SteadyStateSolver.h"

#include <algorithm>
#include <cmath>

#include "engine/Stoichiometry.h"
#include "reactors/ReactorModels.h"
#include "shell/AppState.h"

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

double maxAbs(const Vec2& v) { return std::max(std::fabs(v[0]), std::fabs(v[1])); }

// The balances of one tank. The unknowns are the concentrations themselves;
// a Newton step moves them along the model's net reactions, so the species
// keep the balances that tie them (A + B + 2C + 3P in model 7, say) while
// each concentration, however close to 0, keeps all its digits (extents
// counted from the feed would lose them in the difference to the feed).
class Tank {
public:
    Tank(Integer model, const Net& net, const Konz& c0) : model_(model), net_(net), c0_(c0) {
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
        if (!calc_dcdt(model_, r, app.k, c, static_cast<double>(app.nOrdnung))) return false;
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
        if (!calc_jacobian(model_, Jr, app.k, c, static_cast<double>(app.nOrdnung))) return false;
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
            if (!calc_dcdt(model_, r, app.k, ct, static_cast<double>(app.nOrdnung))) return false;
            v = x - tau * r[u(q)] / nu[u(q)];
            return std::isfinite(v);
        };
        double hLo, hHi;
        if (!h(lo, hLo) || !h(hi, hHi) || hLo > 0 || hHi < 0) return false;
        int side = 0;
        for (int it = 0; it < 400 && hi - lo > 4e-16 * std::max(std::fabs(lo), std::fabs(hi)); ++it) {
            double x = hHi - hLo > 0 ? hi - hHi * (hi - lo) / (hHi - hLo) : (lo + hi) / 2;
            if (!(x > lo && x < hi)) x = (lo + hi) / 2;
            double v;
            if (!h(x, v)) return false;
            if (v == 0) {
                lo = hi = x;
                break;
            }
            if (v < 0) {
                lo = x, hLo = v;
                if (side == -1) hHi /= 2;
                side = -1;
            } else {
                hi = x, hHi = v;
                if (side == 1) hLo /= 2;
                side = 1;
            }
        }
        // Of the two ends, the one a Newton step moves less (at a species'
        // very end, A = 0 of order n < 1 say, the rate law has no slope).
        const Konz cLo = moved(c0_, {lo, 0}), cHi = moved(c0_, {hi, 0});
        Vec2 dLo, dHi;
        const double mLo = newtonStep(cLo, tau, dLo) ? moves(dLo) : HUGE_VAL;
        const double mHi = newtonStep(cHi, tau, dHi) ? moves(dHi) : HUGE_VAL;
        c = mLo <= mHi ? cLo : cHi;
        return true;
    }

    // Warm start from c, else solve afresh.
    bool solveFrom(double tau, Konz& c) const {
        Konz y = c;
        if (newton(tau, y)) {
            c = y;
            return true;
        }
        return solve(tau, c);
    }

    double scale() const { return scale_; }
    int used() const { return used_; }

private:
    Integer model_;
    const Net& net_;
    const Konz& c0_;
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

}  // namespace

bool isCoupledTankModel(Integer model) { return model == 7 || model == 10 || model == 15 || model == 18; }

bool tankOutlet(Integer model, const Konz& c0, double tau, const Konz* start,
                const std::function<bool(double tau, Konz& outlet)>& fallback, Konz& out) {
    Net net;
    if (!netOf(model, net) || !(tau > 0 && std::isfinite(tau))) return false;
    const Tank tank(model, net, c0);
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
        if (!steadyStateHolds(model, c0, tau, o)) return false;
        out = o;
        return true;
    };
    Konz c;
    if (start && settled(*start)) return true;
    if (tank.solve(tau, c) && settled(c)) return true;
    if (tank.solveSingle(tau, c) && settled(c, false)) return true;
    return fallback && fallback(tau, c) && settled(c);
}

bool steadyStateHolds(Integer model, const Konz& c0, double tau, const Konz& c) {
    Net net;
    if (!netOf(model, net)) return false;
    const Tank tank(model, net, c0);
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
    // once, by Gaussian elimination with partial pivoting, is then exact.
    const int used = tank.used();
    Konz r{};
    Jacobi J{};
    const double n = static_cast<double>(app.nOrdnung);
    if (!calc_dcdt(model, r, app.k, c, n) || !calc_jacobian(model, J, app.k, c, n)) return false;
    int slot[5], m = 0;
    for (int q = 1; q <= 5; ++q)
        if (used & (1 << q)) slot[m++] = q;
    double a[5][6];
    for (int i = 0; i < m; ++i) {
        for (int j = 0; j < m; ++j) a[i][j] = tau * J[u(slot[i])][u(slot[j])] - (i == j ? 1 : 0);
        a[i][m] = -(c0[u(slot[i])] - c[u(slot[i])] + tau * r[u(slot[i])]);
    }
    for (int col = 0; col < m; ++col) {
        int pivot = col;
        for (int i = col + 1; i < m; ++i)
            if (std::fabs(a[i][col]) > std::fabs(a[pivot][col])) pivot = i;
        if (!(std::fabs(a[pivot][col]) > 0)) return false;
        for (int j = 0; j <= m; ++j) std::swap(a[col][j], a[pivot][j]);
        for (int i = col + 1; i < m; ++i) {
            const double f = a[i][col] / a[col][col];
            for (int j = col; j <= m; ++j) a[i][j] -= f * a[col][j];
        }
    }
    for (int i = m - 1; i >= 0; --i) {
        double v = a[i][m];
        for (int j = i + 1; j < m; ++j) v -= a[i][j] * a[j][m];
        a[i][m] = v / a[i][i];
        if (!(std::fabs(a[i][m]) <= within)) return false;
    }
    return true;
}

bool coupledResidenceTime(Integer model, const Konz& c0, double U, double& tau, Konz& out) {
    Net net;
    if (!isCoupledTankModel(model) || !netOf(model, net) || !(U > 0 && U < 1) || !(c0[A] > 0)) return false;
    const Tank tank(model, net, c0);
    const double target = (1 - U) * c0[A];

    // First guess: the residence time the feed's rate of A would need.
    Konz r{};
    calc_dcdt(model, r, app.k, c0, static_cast<double>(app.nOrdnung));
    double hi = (r[A] < 0 && std::isfinite(r[A])) ? U * c0[A] / -r[A] : 1.0;
    if (!(hi > 0 && std::isfinite(hi))) hi = 1.0;

    // Bracket: c(A) falls from c0(A) at tau = 0.
    double lo = 0, cLo = c0[A];
    Konz xLo = c0, xHi = c0;
    double cHi = cLo;
    for (;;) {
        xHi = xLo;
        if (!tank.solveFrom(hi, xHi)) return false;
        cHi = xHi[A];
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
        Konz x = xLo;
        if (!tank.solveFrom(t, x)) return false;
        const double f = x[A] - target;
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
    out = c0;
    writeOutlet(model, xHi, out);
    return true;
}

}  // namespace vrn
