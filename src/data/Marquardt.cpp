#include "data/Marquardt.h"

#include <cmath>

namespace vrn {

namespace {

// Masks: 1 free, 0 fixed, -2 held at the lower bound, -1 held at the upper bound.
constexpr int kFrei = 1;
constexpr int kFix = 0;
constexpr int kUnten = -2;
constexpr int kOben = -1;

constexpr double kLambdaStart = 0.0001;
constexpr double kInc = 10;
constexpr double kDec = 4;
constexpr double kPhi = 1;
constexpr double kEps = 3e-16;         // machine precision as the method counts it
constexpr double kProbe = 1.7320508e-7;  // 10 * sqrt(kEps)
constexpr int kMaxAblehnungen = 60;
constexpr double kSchrittEnde = 1.5e-8;  // about the root of the machine precision

std::size_t u(int i) { return static_cast<std::size_t>(i); }

// Work data of one run. Vectors hold parameters at j - 1 (j = 1..n); the
// packed matrices hold element (j, k), k <= j, at j(j-1)/2 + k.
struct Lauf {
    int n = 0;
    std::vector<double> a, c, cAlt, v, vAlt, delta, J, X, XAlt;
    std::vector<int> mask, maskAlt;
    std::vector<int> schnitt;  // the bound (kUnten, kOben) that cut the trial step, else 0
    std::vector<double> r, Jalle;  // every row at once (MarquardtProblem::rows)

    explicit Lauf(int nPar)
        : n(nPar),
          a(u(nPar * (nPar + 1) / 2 + 1)),
          c(a.size()),
          cAlt(a.size()),
          v(u(nPar)),
          vAlt(u(nPar)),
          delta(u(nPar)),
          J(u(nPar)),
          X(u(nPar)),
          XAlt(u(nPar)),
          mask(u(nPar)),
          maskAlt(u(nPar)),
          schnitt(u(nPar)) {}

    int m(int j) const { return mask[u(j - 1)]; }

    // Cholesky factorisation of a in place; columns of parameters that are
    // not free are cleared. False when the matrix is not positive definite.
    bool cholesky() {
        for (int j = 1; j <= n; ++j) {
            const int q = j * (j + 1) / 2;
            if (j > 1) {
                for (int i = j; i <= n; ++i) {
                    const int mm = i * (i - 1) / 2 + j;
                    double s = a[u(mm)];
                    for (int k = 1; k <= j - 1; ++k) s -= a[u(mm - k)] * a[u(q - k)];
                    a[u(mm)] = s;
                }
            }
            double f = 0;
            if (m(j) > 0) {
                if (!(a[u(q)] > 0)) return false;
                f = 1 / std::sqrt(a[u(q)]);
            }
            for (int i = j; i <= n; ++i) a[u(i * (i - 1) / 2 + j)] *= f;
        }
        return true;
    }

    // Solves (L L') x = delta in place with the factor in a.
    void substitute() {
        auto div = [this](int i, double d) { delta[u(i - 1)] = m(i) > 0 ? delta[u(i - 1)] / d : 0; };
        div(1, a[1]);
        int q = 1;
        for (int i = 2; i <= n; ++i) {
            for (int j = 1; j <= i - 1; ++j) {
                ++q;
                delta[u(i - 1)] -= a[u(q)] * delta[u(j - 1)];
            }
            ++q;
            div(i, a[u(q)]);
        }
        div(n, a[u(n * (n + 1) / 2)]);
        for (int i = n; i >= 2; --i) {
            q = i * (i - 1) / 2;
            for (int j = 1; j <= i - 1; ++j) delta[u(j - 1)] -= delta[u(i - 1)] * a[u(q + j)];
            div(i - 1, a[u(q)]);
        }
    }
};

// The rows r[i], J[i·n .. i·n + n - 1] of a Jacobian of n <= 3 parameters
// into the gradient v and the packed normal matrix a (both 0 before), the
// sums in row order as the row-by-row gathering forms them, in registers.
// False at the first row that is not finite.
bool sammleKlein(int n, int nPunkte, const double* r, const double* J, std::vector<double>& v, std::vector<double>& a) {
    double sv[3] = {0, 0, 0}, sa[7] = {0, 0, 0, 0, 0, 0, 0};
    bool ok = true;
    for (int i = 0; i < nPunkte && ok; ++i, J += n) {
        ok = std::isfinite(r[i]);
        for (int j = 0; j < n; ++j) ok = ok && std::isfinite(J[j]);
        if (!ok) break;
        for (int j = 1; j <= n; ++j) {
            sv[j - 1] += J[j - 1] * r[i];
            const int q = j * (j - 1) / 2;
            for (int k = 1; k <= j; ++k) sa[q + k] += J[j - 1] * J[k - 1];
        }
    }
    for (int j = 0; j < n; ++j) v[u(j)] = sv[j];
    for (int q = 1; q <= n * (n + 1) / 2; ++q) a[u(q)] = sa[q];
    return ok;
}

bool finite(const std::vector<double>& v) {
    for (double x : v)
        if (!std::isfinite(x)) return false;
    return true;
}

}  // namespace

MarquardtResult MarquardtNash(const MarquardtProblem& pr, std::vector<double> p) {
    MarquardtResult res;
    const int n = pr.nPar;
    res.p = p;
    if (n < 1 || n > 25 || pr.nPunkte < 0 || p.size() != u(n) || pr.lower.size() != u(n) ||
        pr.upper.size() != u(n) || !(pr.fixed.empty() || pr.fixed.size() == u(n)) || !pr.sumOfSquares || !pr.row)
        return res;
    res.sd.assign(u(n), kKeineStdAbw);

    Lauf L(n);
    const std::vector<double>& lo = pr.lower;
    const std::vector<double>& hi = pr.upper;
    int nMasked = 0;
    for (int j = 0; j < n; ++j) {
        const std::size_t k = u(j);
        L.mask[k] = !pr.fixed.empty() && pr.fixed[k] ? kFix : kFrei;
        if (L.mask[k] == kFix) {
            ++nMasked;
            continue;
        }
        if (p[k] < lo[k]) {
            p[k] = lo[k];
            L.mask[k] = kUnten;
        }
        if (p[k] > hi[k]) {
            if (L.mask[k] > kUnten) {
                p[k] = hi[k];
                L.mask[k] = kOben;
            } else {
                L.mask[k] = kFix;
                ++nMasked;
            }
        }
    }
    L.X = p;

    double lambda = kLambdaStart;
    double S = 0;
    auto evaluate = [&](const std::vector<double>& at, double& s) {
        ++res.nFunc;
        return pr.sumOfSquares(at, s) && std::isfinite(s);
    };
    // The run ends at the last accepted point.
    auto finish = [&](MarquardtEnde ende, const std::vector<double>& at, double s) {
        res.p = at;
        res.S = s;
        res.ende = ende;
        return res;
    };

    const bool startOk = evaluate(p, S);
    if (res.nFunc > pr.maxFunc) return finish(MarquardtEnde::Grenze, L.X, startOk ? S : 0);
    if (!startOk) return finish(MarquardtEnde::Abbruch, L.X, 0);

    double Fmin = S, FminAlt = S;
    bool hatAlt = false;
    bool konvergiert = false;
    for (;;) {
        // Jacobian at the accepted point p.
        lambda = lambda * kDec / kInc;
        Fmin = S;
        std::fill(L.a.begin(), L.a.end(), 0.0);
        std::fill(L.v.begin(), L.v.end(), 0.0);
        bool jacOk = true;
        // Row i of the Jacobian into the gradient v and the normal matrix a.
        const auto sammle = [&L, n](double r, const double* J) {
            if (!std::isfinite(r)) return false;
            for (int j = 0; j < n; ++j)
                if (!std::isfinite(J[j])) return false;
            for (int j = 1; j <= n; ++j) {
                L.v[u(j - 1)] += J[j - 1] * r;
                const int q = j * (j - 1) / 2;
                for (int k = 1; k <= j; ++k) L.a[u(q + k)] += J[j - 1] * J[k - 1];
            }
            return true;
        };
        if (pr.rows) {
            jacOk = pr.rows(p, L.r, L.Jalle) && L.r.size() >= u(pr.nPunkte) &&
                    L.Jalle.size() >= u(pr.nPunkte) * u(n);
            if (jacOk && n <= 3)
                jacOk = sammleKlein(n, pr.nPunkte, L.r.data(), L.Jalle.data(), L.v, L.a);
            else
                for (int i = 0; i < pr.nPunkte && jacOk; ++i) jacOk = sammle(L.r[u(i)], L.Jalle.data() + u(i) * u(n));
        } else {
            for (int i = 0; i < pr.nPunkte && jacOk; ++i) {
                double r = 0;
                jacOk = pr.row(i, p, r, L.J.data()) && sammle(r, L.J.data());
            }
        }
        jacOk = jacOk && finite(L.a) && finite(L.v);
        ++res.nJac;
        if (res.nJac > pr.maxJac) return finish(MarquardtEnde::Grenze, p, Fmin);
        if (jacOk) {
            L.c = L.a;
            L.X = p;
            // Release from the bounds when the descent direction points into the box.
            for (int j = 0; j < n; ++j) {
                const int mj = L.mask[u(j)];
                if (mj >= 0) continue;
                if ((mj + 1.5) * L.v[u(j)] > 0)
                    L.mask[u(j)] = kFrei;
                else
                    L.v[u(j)] = 0;
            }
            L.cAlt = L.c;
            L.vAlt = L.v;
            L.XAlt = L.X;
            L.maskAlt = L.mask;
            FminAlt = Fmin;
            hatAlt = true;
        } else if (!hatAlt) {
            return finish(MarquardtEnde::Abbruch, L.X, Fmin);
        } else {
            // The accepted step led where no Jacobian exists: take it back.
            L.c = L.cAlt;
            L.v = L.vAlt;
            L.X = L.XAlt;
            L.mask = L.maskAlt;
            Fmin = FminAlt;
            lambda *= kInc;
        }

        // Trial steps with the same Jacobian until one is accepted.
        int ablehnungen = 0;
        bool angenommen = false;
        while (!angenommen) {
            bool ablehnen = false;
            for (int j = 1; j <= n; ++j) {
                const int q = j * (j + 1) / 2;
                L.a[u(q)] = L.c[u(q)] * (1 + lambda) + kPhi * lambda;
                L.delta[u(j - 1)] = -L.v[u(j - 1)];
                for (int i = 1; i <= j - 1; ++i) L.a[u(q - i)] = L.c[u(q - i)];
            }
            if (!L.cholesky()) {
                ablehnen = true;
            } else {
                L.substitute();
                double gtp = 0;
                for (int j = 0; j < n; ++j) {
                    if (L.mask[u(j)] != kFrei) L.delta[u(j)] = 0;
                    gtp += L.v[u(j)] * L.delta[u(j)];
                }
                ablehnen = !(gtp <= 0) || !finite(L.delta);
            }
            if (!ablehnen) {
                // A free parameter that sits on a bound while its step points
                // out of the box is held there and the step is solved again
                // without it; otherwise it would cut every step to nothing.
                bool gehalten = false;
                for (int j = 0; j < n; ++j) {
                    const double d = L.delta[u(j)];
                    if (L.mask[u(j)] != kFrei || d == 0) continue;
                    if (d < 0 ? L.X[u(j)] <= lo[u(j)] : L.X[u(j)] >= hi[u(j)]) {
                        L.mask[u(j)] = d < 0 ? kUnten : kOben;
                        L.v[u(j)] = 0;
                        gehalten = true;
                    }
                }
                if (gehalten) continue;
                double t = 1;
                for (int j = 0; j < n; ++j) {
                    const double d = L.delta[u(j)];
                    if (d == 0) continue;
                    const double tj = d <= 0 ? (lo[u(j)] - L.X[u(j)]) / d : (hi[u(j)] - L.X[u(j)]) / d;
                    if (tj <= t) t = tj;
                }
                int count = 0;
                for (int j = 0; j < n; ++j) {
                    L.schnitt[u(j)] = 0;
                    if (L.mask[u(j)] == kFix) continue;
                    const double d = L.delta[u(j)];
                    const double grenze = d <= 0 ? lo[u(j)] : hi[u(j)];
                    // The parameter whose bound cut the step lands exactly on it.
                    if (d != 0 && (grenze - L.X[u(j)]) / d == t) {
                        p[u(j)] = grenze;
                        L.schnitt[u(j)] = d < 0 ? kUnten : kOben;
                    } else {
                        p[u(j)] = L.X[u(j)] + t * d;
                    }
                    if (p[u(j)] + 10 == L.X[u(j)] + 10) {
                        p[u(j)] = L.X[u(j)];
                        ++count;
                    }
                }
                if (count == n - nMasked) {
                    konvergiert = true;
                    break;
                }
                double St = 0;
                const bool ok = evaluate(p, St);
                if (res.nFunc > pr.maxFunc) return finish(MarquardtEnde::Grenze, L.X, Fmin);
                if (ok && St < Fmin) {
                    for (int j = 0; j < n; ++j) {
                        if (L.mask[u(j)] <= 0) continue;
                        if (p[u(j)] - lo[u(j)] <= (std::fabs(lo[u(j)]) + kEps) * kEps) L.mask[u(j)] = kUnten;
                        if (hi[u(j)] - p[u(j)] <= (std::fabs(hi[u(j)]) + kEps) * kEps) L.mask[u(j)] = kOben;
                        if (L.schnitt[u(j)] != 0) L.mask[u(j)] = L.schnitt[u(j)];
                    }
                    S = St;
                    angenommen = true;
                    // A step that had to be damped to half the Gauss-Newton
                    // step or less and still moves no parameter by more than
                    // kSchrittEnde of itself ends the run: it creeps along a
                    // kink of the sum of squares (the sum of absolute
                    // deviations of several species has them), and every
                    // further step only shrinks, far below the precision a
                    // parameter is shown with.
                    bool kriecht = lambda >= 1;
                    for (int j = 0; j < n && kriecht; ++j)
                        kriecht = std::fabs(p[u(j)] - L.X[u(j)]) <= kSchrittEnde * (std::fabs(L.X[u(j)]) + 1e-7);
                    if (kriecht) {
                        L.X = p;
                        Fmin = S;
                        konvergiert = true;
                        break;
                    }
                    continue;
                }
            }
            lambda *= kInc;
            if (lambda <= 0) lambda = kEps;
            if (++ablehnungen > kMaxAblehnungen) {
                p = L.X;
                konvergiert = true;
                break;
            }
        }
        if (konvergiert) break;
    }

    // Closing analysis: standard deviations from the undamped J'J.
    L.a = L.c;
    const int nFrei = n - nMasked;
    const int nTeil = pr.nTeilnehmend >= 0 ? pr.nTeilnehmend : pr.nPunkte;
    if (nTeil > nFrei && L.cholesky()) {
        const double sigma2 = Fmin / (nTeil - nFrei);
        for (int j = 0; j < n; ++j) {
            std::fill(L.delta.begin(), L.delta.end(), 0.0);
            L.delta[u(j)] = 1;
            L.substitute();
            const double d = L.delta[u(j)];
            const double sd = std::sqrt(std::fabs(sigma2) * d);
            res.sd[u(j)] = d >= 0 && std::isfinite(sd) ? sd : kKeineStdAbw;
        }
    }

    // Probes a little to each side of every parameter that is not fixed.
    double Sfinal = Fmin;
    p = L.X;
    for (int j = 0; j < n; ++j) {
        if (L.mask[u(j)] == kFix) continue;
        const double h = (std::fabs(L.X[u(j)]) + kProbe) * kProbe;
        for (double seite : {-1.0, 1.0}) {
            p[u(j)] = L.X[u(j)] + seite * h;
            if (seite < 0 ? p[u(j)] >= lo[u(j)] : p[u(j)] <= hi[u(j)]) {
                double Sp = 0;
                const bool ok = evaluate(p, Sp);
                if (res.nFunc > pr.maxFunc) return finish(MarquardtEnde::Grenze, L.X, Sfinal);
                if (ok && Sp < Fmin) {
                    L.X[u(j)] = p[u(j)];
                    Sfinal = Sp;
                }
            }
        }
        p[u(j)] = L.X[u(j)];
    }
    return finish(MarquardtEnde::Konvergiert, L.X, Sfinal);
}

}  // namespace vrn
