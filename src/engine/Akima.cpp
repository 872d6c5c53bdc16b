#include "engine/Akima.h"

#include <algorithm>
#include <cmath>

#include "platform/MsgBox.h"
#include "shell/AppState.h"

namespace vrn {

namespace {

std::size_t u(int i) { return static_cast<std::size_t>(i); }

// End-point rule on one curve (see AkimaRandpunkte).
void randpunkte(int n, std::vector<double>& X, std::vector<double>& y, std::vector<double>& m) {
    if (m.size() < u(n + 4)) m.resize(u(n + 4));
    for (int i = n; i >= 1; --i) {
        X[u(i + 2)] = X[u(i)];
        y[u(i + 2)] = y[u(i)];
    }
    X[2] = X[3] + X[4] - X[5];
    X[1] = X[2] + X[3] - X[4];
    X[u(n + 3)] = X[u(n + 2)] + X[u(n + 1)] - X[u(n)];
    X[u(n + 4)] = X[u(n + 3)] + X[u(n + 2)] - X[u(n + 1)];
    for (int k = 3; k <= n + 1; ++k) m[u(k)] = (y[u(k + 1)] - y[u(k)]) / (X[u(k + 1)] - X[u(k)]);
    m[2] = 2 * m[3] - m[4];
    y[2] = y[3] - m[2] * (X[3] - X[2]);
    m[1] = 2 * m[2] - m[3];
    y[1] = y[2] - m[1] * (X[2] - X[1]);
    m[u(n + 2)] = 2 * m[u(n + 1)] - m[u(n)];
    y[u(n + 3)] = y[u(n + 2)] + m[u(n + 2)] * (X[u(n + 3)] - X[u(n + 2)]);
    m[u(n + 3)] = 2 * m[u(n + 2)] - m[u(n + 1)];
    y[u(n + 4)] = y[u(n + 3)] + m[u(n + 3)] * (X[u(n + 4)] - X[u(n + 3)]);
}

// Working tables, kept between builds so that a build allocates nothing once
// they have grown (one GUI thread; thread_local keeps tests independent).
struct Scratch {
    std::vector<double> x, y, w, m, a, b, c, d;
};
Scratch& scratch() {
    thread_local Scratch s;
    return s;
}

bool tooSmall(const SplTable& t, int j, std::size_t need) { return t.size() <= u(j) || t[u(j)].size() < need; }

}  // namespace

void dimensionSplineStore(int n) {
    const std::size_t size = u(n + 6);
    app.SplX.assign(size, 0.0);
    app.SplX[0] = n;
    for (SplTable* t : {&app.SplY, &app.SplKoeffA, &app.SplKoeffB, &app.SplKoeffC, &app.SplKoeffD}) {
        t->resize(6);
        for (auto& row : *t) row.assign(size, 0.0);
    }
}

void AkimaRandpunkte(Integer j, Integer n, std::vector<double>& X, SplTable& Y, std::vector<double>& m) {
    randpunkte(n, X, Y[u(j)], m);
}

const char* buildAkimaSpline(Integer j, Integer n, Single Glaettung, std::vector<double>& X, SplTable& Y,
                             SplTable& D, SplTable& C, SplTable& B, SplTable& A) {
    if (j < 0 || j > 5) return "Ungültige Kurvennummer.";
    if (n < 3) return "Für einen Spline sind mindestens 3 Punkte nötig.";
    const std::size_t need = u(n + 5);
    if (X.size() < need) return "Die Spline-Tabellen sind zu klein.";
    for (const SplTable* t : {&Y, &D, &C, &B, &A})
        if (tooSmall(*t, j, need)) return "Die Spline-Tabellen sind zu klein.";
    const std::vector<double>& Yj = Y[u(j)];
    for (int i = 1; i <= n; ++i) {
        if (!std::isfinite(X[u(i)]) || !std::isfinite(Yj[u(i)])) return "Die Punkte enthalten ungültige Zahlen.";
        if (i > 1 && !(X[u(i)] > X[u(i - 1)])) return "Die x-Werte der Punkte müssen streng ansteigen.";
    }

    // Work on copies so that a failure leaves the caller's tables as they were.
    Scratch& s = scratch();
    s.x.assign(X.begin(), X.begin() + static_cast<std::ptrdiff_t>(need));
    s.y.assign(Yj.begin(), Yj.begin() + static_cast<std::ptrdiff_t>(need));
    auto& x = s.x;
    auto& y = s.y;
    auto& m = s.m;

    if (Glaettung != 0) {
        randpunkte(n, x, y, m);
        const int N = n + 4;
        const double h = (x[u(N)] - x[1]) / (N - 1);
        s.w.assign(u(N + 1), 0.0);
        for (int i = 1; i <= N; ++i) {
            int hw = 3;
            while (hw > 0 && !(i - hw >= 1 && i + hw <= N)) --hw;
            double sg = 0, sy = 0;
            for (int l = i - hw; l <= i + hw; ++l) {
                double g = 1;
                if (l != i) {
                    g = 1 - std::pow(std::fabs(x[u(i)] - x[u(l)]) / h / 3, static_cast<double>(Glaettung));
                    if (!(g > 0)) g = 0;
                }
                sg += g;
                sy += g * y[u(l)];
            }
            s.w[u(i)] = sy / sg;
        }
        for (int i = 1; i <= n; ++i) {
            x[u(i)] = x[u(i + 2)];
            y[u(i)] = s.w[u(i + 2)];
        }
    }

    randpunkte(n, x, y, m);
    auto& bb = s.b;
    bb.assign(need, 0.0);
    for (int i = 3; i <= n + 2; ++i) {
        const double w1 = std::fabs(m[u(i + 1)] - m[u(i)]);
        const double w2 = std::fabs(m[u(i - 1)] - m[u(i - 2)]);
        bb[u(i)] = (w1 + w2 == 0) ? (m[u(i - 1)] + m[u(i)]) / 2 : (w1 * m[u(i - 1)] + w2 * m[u(i)]) / (w1 + w2);
    }
    for (int i = 1; i <= n; ++i) {
        x[u(i)] = x[u(i + 2)];
        y[u(i)] = y[u(i + 2)];
        bb[u(i)] = bb[u(i + 2)];
    }
    auto& a = s.a;
    auto& c = s.c;
    auto& d = s.d;
    a.assign(need, 0.0);
    c.assign(need, 0.0);
    d.assign(need, 0.0);
    for (int i = 1; i <= n - 1; ++i) {
        const double sl = m[u(i + 2)];
        const double dx = x[u(i + 1)] - x[u(i)];
        a[u(i)] = y[u(i)];
        c[u(i)] = (3 * sl - 2 * bb[u(i)] - bb[u(i + 1)]) / dx;
        d[u(i)] = (bb[u(i)] + bb[u(i + 1)] - 2 * sl) / (dx * dx);
    }
    a[u(n)] = y[u(n)];
    for (int i = 1; i <= n; ++i)
        if (!std::isfinite(y[u(i)]) || !std::isfinite(bb[u(i)]) || !std::isfinite(c[u(i)]) ||
            !std::isfinite(d[u(i)]))
            return "Der Spline enthält ungültige Zahlen.";

    // Commit: (smoothed) y values of points 1..n and the coefficients.
    for (int i = 1; i <= n; ++i) {
        Y[u(j)][u(i)] = y[u(i)];
        A[u(j)][u(i)] = a[u(i)];
        B[u(j)][u(i)] = bb[u(i)];
    }
    for (int i = 1; i <= n - 1; ++i) {
        C[u(j)][u(i)] = c[u(i)];
        D[u(j)][u(i)] = d[u(i)];
    }
    return nullptr;
}

bool CalcAkimaSpline(Integer j, Integer& n, Single Glaettung, std::vector<double>& X, SplTable& Y, SplTable& D,
                     SplTable& C, SplTable& B, SplTable& A) {
    if (const char* text = buildAkimaSpline(j, n, Glaettung, X, Y, D, C, B, A)) {
        showFailure("CalcAkimaSpline", text);
        return false;
    }
    return true;
}

AkimaLeser::AkimaLeser(Integer n, const std::vector<double>& X, const SplTable& D, const SplTable& C,
                       const SplTable& B, const SplTable& A, const std::array<bool, 6>& werte)
    : n_(n), X_(X) {
    for (int j = 0; j <= 5; ++j) {
        bool ok = n >= 1;
        for (const SplTable* t : {&D, &C, &B, &A}) ok = ok && !tooSmall(*t, j, u(n + 1));
        if (ok) kurve_[u(j)] = {D[u(j)].data(), C[u(j)].data(), B[u(j)].data(), A[u(j)].data()};
    }
    for (std::size_t j = 1; j <= 5 && !abbruch_; ++j) {
        if (!werte[j]) continue;
        if (kurve_[j].a)
            gewaehlt_[nGewaehlt_++] = j;
        else
            abbruch_ = true;
    }
}

bool AkimaLeser::suche(double x) {
    lage_ = Lage::Nirgends;
    if (!std::isfinite(x) || n_ < 1 || X_.size() <= u(n_)) return false;
    x_ = x;
    if (x >= X_[u(n_)]) {
        lage_ = Lage::Oben;
        return true;
    }
    if (x < X_[1]) {
        lage_ = Lage::Unten;
        return true;
    }
    // The interval: the last knot at or below x (the knots increase strictly,
    // so it is the one a walk from the first knot finds).
    const int n = n_;
    const auto drin = [&](int k) { return k >= 1 && k <= n - 1 && X_[u(k)] <= x && x < X_[u(k + 1)]; };
    int i = i_;
    if (!drin(i)) {
        ++i;
        if (!drin(i)) {
            const auto knots = X_.begin() + 1;
            i = static_cast<int>(std::upper_bound(knots, knots + n, x) - X_.begin()) - 1;
        }
    }
    if (i < 1 || i > n - 1) return false;
    i_ = i;
    lage_ = Lage::Innen;
    return true;
}

std::optional<double> AkimaSplineWert(Integer mode, Integer j, double x, Integer n, const std::vector<double>& X,
                                      const SplTable&, const SplTable& D, const SplTable& C, const SplTable& B,
                                      const SplTable& A) {
    AkimaLeser leser(n, X, D, C, B, A);
    if (!leser.finde(x)) return std::nullopt;
    return leser.wert(mode, j);
}

}  // namespace vrn
