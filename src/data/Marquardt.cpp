#include "data/Marquardt.h"

#include <algorithm>
#include <cmath>
#include <limits>

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
    // The last Jacobian that could be gathered: J'J, J'r and the sum of
    // squares at its point, for the judgement of the end point.
    std::vector<double> jacC, jacV, jacX;
    double jacS = 0;

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
          schnitt(u(nPar)),
          jacC(a.size()),
          jacV(u(nPar)),
          jacX(u(nPar)) {}

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

// Depending columns: what is left of a column of unit length after the
// columns before it are taken out, squared, at most this.
constexpr double kAbhaengig = 1e-10;
// The trials along the Gauss-Newton step that test a doubt of the gradient:
// the step itself, or, where that would change a parameter by more than
// kProbeWeite times itself (far from the data a Jacobian is tiny and its
// step huge), the part of it that changes none by more; then halved each
// time until it no longer moves a parameter, at most kMaxProben times.
constexpr double kProbeWeite = 1e30;
constexpr double kProbeKuerzung = 2;
constexpr int kMaxProben = 200;
// Then each free parameter alone times and divided by 10, 100, ... up to
// 10 to this power, or to its bound.
constexpr int kZehnerProben = 30;

// The Gauss-Newton step over the free columns of a Jacobian given by its
// normal matrix and gradient: delta = -(J'J)^+ J'r over the columns kept (0
// for the others), the decrease G = v'(J'J)^+ v it promises, and the rank.
struct GaussNewton {
    int rang = 0;
    double G = 0;
    std::vector<double> delta;
};

GaussNewton gaussNewton(int n, const std::vector<double>& c, const std::vector<double>& v,
                        const std::vector<bool>& frei) {
    GaussNewton gn;
    gn.delta.assign(u(std::max(n, 0)), 0.0);
    if (n < 1 || c.size() < u(n * (n + 1) / 2 + 1) || v.size() < u(n) || frei.size() < u(n)) return gn;
    // The free columns scaled to unit length: N = D^-1 J'J D^-1, w = D^-1 J'r.
    std::vector<int> spalte;
    std::vector<double> d;
    for (int j = 1; j <= n; ++j) {
        const double cjj = c[u(j * (j + 1) / 2)];
        if (!frei[u(j - 1)] || !(cjj > 0) || !std::isfinite(cjj)) continue;
        spalte.push_back(j);
        d.push_back(std::sqrt(cjj));
    }
    const std::size_t q = spalte.size();
    auto elem = [&c](int j, int k) { return j >= k ? c[u(j * (j - 1) / 2 + k)] : c[u(k * (k - 1) / 2 + j)]; };
    std::vector<double> N(q * q), w(q);
    for (std::size_t a = 0; a < q; ++a) {
        w[a] = v[u(spalte[a] - 1)] / d[a];
        for (std::size_t b = 0; b < q; ++b) N[a * q + b] = elem(spalte[a], spalte[b]) / (d[a] * d[b]);
    }
    // N = R'R column by column, a column that depends on the earlier ones
    // left out; z = R'^-1 w, G = |z|^2, then R x = -z.
    std::vector<double> R(q * q, 0.0), z(q, 0.0), x(q, 0.0);
    std::vector<bool> behalten(q, false);
    for (std::size_t a = 0; a < q; ++a) {
        double diag = N[a * q + a];
        for (std::size_t k = 0; k < a; ++k)
            if (behalten[k]) diag -= R[k * q + a] * R[k * q + a];
        if (!(diag > kAbhaengig)) continue;
        const double rd = std::sqrt(diag);
        R[a * q + a] = rd;
        for (std::size_t b = a + 1; b < q; ++b) {
            double s = N[a * q + b];
            for (std::size_t k = 0; k < a; ++k)
                if (behalten[k]) s -= R[k * q + a] * R[k * q + b];
            R[a * q + b] = s / rd;
        }
        double s = w[a];
        for (std::size_t k = 0; k < a; ++k)
            if (behalten[k]) s -= R[k * q + a] * z[k];
        z[a] = s / rd;
        gn.G += z[a] * z[a];
        behalten[a] = true;
        ++gn.rang;
    }
    for (std::size_t a = q; a-- > 0;) {
        if (!behalten[a]) continue;
        double s = -z[a];
        for (std::size_t b = a + 1; b < q; ++b)
            if (behalten[b]) s -= R[a * q + b] * x[b];
        x[a] = s / R[a * q + a];
        gn.delta[u(spalte[a] - 1)] = x[a] / d[a];
    }
    return gn;
}

// The relative offset of a decrease G of the sum of squares S over rang
// parameters and m points (see kRelOffsetGrenze).
double offsetVon(double G, double S, int rang, int m) {
    if (!(S > 0) || m <= rang || rang == 0 || !(G > 0)) return 0;
    const double rest = S - G;
    if (!(rest > 0)) return std::numeric_limits<double>::infinity();
    const double ro = std::sqrt((G / rang) / (rest / (m - rang)));
    return std::isfinite(ro) ? ro : std::numeric_limits<double>::infinity();
}

// The doubt about the end point of a converged run (MarquardtResult::zweifel).
// A gradient that the last Jacobian shows too large is a doubt only when a
// step along the Gauss-Newton direction really lowers the sum of squares so
// far: derivatives taken by differences of a computed model, or at a kink
// of the sum, can show a slope the sum itself does not have. The trials
// count as no evaluation of the run.
void beurteileEnde(const Lauf& L, const MarquardtProblem& pr, int nTeil, double Sende, MarquardtResult& res) {
    const int n = L.n;
    res.anGrenze.assign(u(n), false);
    std::vector<bool> frei(u(n), false);
    bool gebunden = false, beweglich = false;
    for (int j = 0; j < n; ++j) {
        res.anGrenze[u(j)] = L.mask[u(j)] == kUnten || L.mask[u(j)] == kOben;
        frei[u(j)] = L.mask[u(j)] == kFrei;
        gebunden = gebunden || res.anGrenze[u(j)];
        beweglich = beweglich || frei[u(j)];
    }
    const GaussNewton gn = gaussNewton(n, L.jacC, L.jacV, frei);
    const double S = std::min(L.jacS, Sende);
    res.relOffset = offsetVon(gn.G, L.jacS, gn.rang, nTeil);
    // No parameter that is not fixed, free or held, changes a residual.
    bool still = beweglich || gebunden;
    for (int j = 1; j <= n && still; ++j)
        still = L.mask[u(j - 1)] == kFix || L.jacC[u(j * (j + 1) / 2)] == 0;
    if (still && S > pr.sNull) {
        res.zweifel = MarquardtZweifel::Stillstand;
        return;
    }
    if (gebunden) {
        res.zweifel = MarquardtZweifel::Grenze;
        return;
    }
    if (!(S > pr.sNull) || res.relOffset <= kRelOffsetGrenze) return;

    // A trial point (kept in the box) that lowers the sum by more than the
    // relative offset allows confirms the doubt; a point already tried is
    // not tried again.
    std::vector<double> p = L.jacX, vorige;
    auto senkt = [&]() {
        if (p == vorige || p == L.jacX) return false;
        vorige = p;
        double Sp = 0;
        if (!pr.sumOfSquares(p, Sp) || !std::isfinite(Sp)) return false;
        const double abnahme = S - Sp;
        return abnahme > pr.sNull && offsetVon(abnahme, S, gn.rang, nTeil) > kRelOffsetGrenze;
    };
    auto inDieBox = [&pr](std::size_t k, double x) { return std::min(std::max(x, pr.lower[k]), pr.upper[k]); };

    // Along the Gauss-Newton step: from the whole step down to steps below
    // the rounding of the parameters.
    double weite = 0;
    for (int j = 0; j < n; ++j)
        weite = std::max(weite, std::fabs(gn.delta[u(j)]) / (std::fabs(L.jacX[u(j)]) + 1e-7));
    double t = weite > kProbeWeite ? kProbeWeite / weite : 1;
    for (int i = 0; i < kMaxProben; ++i, t /= kProbeKuerzung) {
        bool bewegt = false;
        for (int j = 0; j < n; ++j) {
            const std::size_t k = u(j);
            if (gn.delta[k] == 0) continue;
            p[k] = inDieBox(k, L.jacX[k] + t * gn.delta[k]);
            bewegt = bewegt || p[k] != L.jacX[k];
        }
        if (!bewegt) break;
        if (senkt()) {
            res.zweifel = MarquardtZweifel::Gefaelle;
            return;
        }
    }
    // Far from the data the step of a tiny Jacobian can miss every better
    // point: each free parameter alone, times and divided by 10, 100, ...
    // until it reaches its bound.
    std::vector<double> zuletzt(u(2 * n), std::numeric_limits<double>::quiet_NaN());
    for (int s = 1; s <= kZehnerProben; ++s) {
        for (int j = 0; j < n; ++j) {
            if (!frei[u(j)]) continue;
            for (int richtung = 0; richtung < 2; ++richtung) {
                const double x = inDieBox(u(j), L.jacX[u(j)] * std::pow(10.0, richtung == 0 ? s : -s));
                double& vorher = zuletzt[u(2 * j + richtung)];
                if (x == vorher) continue;
                vorher = x;
                p = L.jacX;
                p[u(j)] = x;
                if (senkt()) {
                    res.zweifel = MarquardtZweifel::Gefaelle;
                    return;
                }
            }
        }
    }
}

}  // namespace

double relativeOffset(int n, const std::vector<double>& c, const std::vector<double>& v, double S, int m,
                      const std::vector<bool>& frei, int& rang) {
    const GaussNewton gn = gaussNewton(n, c, v, frei);
    rang = gn.rang;
    return offsetVon(gn.G, S, gn.rang, m);
}

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
            L.jacC = L.c;
            L.jacV = L.v;
            L.jacX = p;
            L.jacS = Fmin;
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
    beurteileEnde(L, pr, nTeil, Sfinal, res);
    return finish(MarquardtEnde::Konvergiert, L.X, Sfinal);
}

}  // namespace vrn
