#include "engine/Akima.h"

#include <cmath>

#include "platform/MsgBox.h"
#include "shell/AppState.h"

namespace vrn {

namespace {

bool refuse(const std::string& text) {
    showFailure("CalcAkimaSpline", text);
    return false;
}

std::size_t u(int i) { return static_cast<std::size_t>(i); }

}  // namespace

void dimensionSplineStore(int n) {
    const std::size_t size = u(n + 6);
    app.SplX.assign(size, 0.0);
    app.SplX[0] = n;
    for (SplTable* t : {&app.SplY, &app.SplKoeffA, &app.SplKoeffB, &app.SplKoeffC, &app.SplKoeffD})
        t->assign(6, std::vector<double>(size, 0.0));
}

void AkimaRandpunkte(Integer j, Integer n, std::vector<double>& X, SplTable& Y, std::array<double, 401>& m) {
    auto& y = Y[u(j)];
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

bool CalcAkimaSpline(Integer j, Integer& n, Single Glaettung, std::vector<double>& X, SplTable& Y, SplTable& D,
                     SplTable& C, SplTable& B, SplTable& A) {
    if (j < 0 || j > 5) return refuse("Ungültige Kurvennummer.");
    if (n < 3) return refuse("Für einen Spline sind mindestens 3 Punkte nötig.");
    if (n > kAkimaMaxPunkte) return refuse("Höchstens 397 Punkte können gesplinet werden.");
    const std::size_t need = u(n + 5);
    if (X.size() < need) return refuse("Die Spline-Tabellen sind zu klein.");
    for (SplTable* t : {&Y, &D, &C, &B, &A})
        if (t->size() <= u(j) || (*t)[u(j)].size() < need) return refuse("Die Spline-Tabellen sind zu klein.");
    for (int i = 1; i <= n; ++i) {
        if (!std::isfinite(X[u(i)]) || !std::isfinite(Y[u(j)][u(i)]))
            return refuse("Die Punkte enthalten ungültige Zahlen.");
        if (i > 1 && !(X[u(i)] > X[u(i - 1)]))
            return refuse("Die x-Werte der Punkte müssen streng ansteigen.");
    }

    // Work on copies so that a failure leaves the caller's tables as they were.
    std::vector<double> x(X);
    std::vector<double> y(Y[u(j)]);
    SplTable yt(u(j) + 1);
    yt[u(j)] = y;
    std::array<double, 401> m{};

    if (Glaettung != 0) {
        AkimaRandpunkte(j, n, x, yt, m);
        const int N = n + 4;
        const double h = (x[u(N)] - x[1]) / (N - 1);
        std::vector<double> w(u(N + 1), 0.0);
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
                sy += g * yt[u(j)][u(l)];
            }
            w[u(i)] = sy / sg;
        }
        for (int i = 1; i <= n; ++i) {
            x[u(i)] = x[u(i + 2)];
            yt[u(j)][u(i)] = w[u(i + 2)];
        }
    }

    SplTable bt(u(j) + 1, std::vector<double>(need, 0.0));
    AkimaRandpunkte(j, n, x, yt, m);
    auto& yy = yt[u(j)];
    auto& bb = bt[u(j)];
    for (int i = 3; i <= n + 2; ++i) {
        const double w1 = std::fabs(m[u(i + 1)] - m[u(i)]);
        const double w2 = std::fabs(m[u(i - 1)] - m[u(i - 2)]);
        bb[u(i)] = (w1 + w2 == 0) ? (m[u(i - 1)] + m[u(i)]) / 2 : (w1 * m[u(i - 1)] + w2 * m[u(i)]) / (w1 + w2);
    }
    for (int i = 1; i <= n; ++i) {
        x[u(i)] = x[u(i + 2)];
        yy[u(i)] = yy[u(i + 2)];
        bb[u(i)] = bb[u(i + 2)];
    }
    std::vector<double> a(need, 0.0), c(need, 0.0), d(need, 0.0);
    for (int i = 1; i <= n - 1; ++i) {
        const double s = m[u(i + 2)];
        const double dx = x[u(i + 1)] - x[u(i)];
        a[u(i)] = yy[u(i)];
        c[u(i)] = (3 * s - 2 * bb[u(i)] - bb[u(i + 1)]) / dx;
        d[u(i)] = (bb[u(i)] + bb[u(i + 1)] - 2 * s) / (dx * dx);
    }
    a[u(n)] = yy[u(n)];
    for (int i = 1; i <= n; ++i)
        if (!std::isfinite(a[u(i)]) || !std::isfinite(bb[u(i)]) || !std::isfinite(c[u(i)]) || !std::isfinite(d[u(i)]))
            return refuse("Der Spline enthält ungültige Zahlen.");

    // Commit: x values and (smoothed) y values of points 1..n, coefficients.
    for (int i = 1; i <= n; ++i) {
        X[u(i)] = x[u(i)];
        Y[u(j)][u(i)] = yy[u(i)];
        A[u(j)][u(i)] = a[u(i)];
        B[u(j)][u(i)] = bb[u(i)];
        C[u(j)][u(i)] = c[u(i)];
        D[u(j)][u(i)] = d[u(i)];
    }
    return true;
}

double AkimaPolynom(Integer j, Integer i, double dx, const SplTable& D, const SplTable& C, const SplTable& B,
                    const SplTable& A) {
    return ((D[u(j)][u(i)] * dx + C[u(j)][u(i)]) * dx + B[u(j)][u(i)]) * dx + A[u(j)][u(i)];
}

double AkimaPolynomAbleitung(Integer j, Integer i, double dx, const SplTable& D, const SplTable& C,
                             const SplTable& B, const SplTable&) {
    return (3 * D[u(j)][u(i)] * dx + 2 * C[u(j)][u(i)]) * dx + B[u(j)][u(i)];
}

std::optional<double> AkimaSplineWert(Integer mode, Integer j, double x, Integer n, const std::vector<double>& X,
                                      const SplTable&, const SplTable& D, const SplTable& C, const SplTable& B,
                                      const SplTable& A) {
    if (n < 1 || j < 0 || j > 5 || X.size() <= u(n) || A.size() <= u(j) || A[u(j)].size() <= u(n)) return std::nullopt;
    if (mode != 0 && mode != 1) return std::nullopt;
    if (x >= X[u(n)]) return mode == 0 ? A[u(j)][u(n)] + (x - X[u(n)]) * B[u(j)][u(n)] : B[u(j)][u(n)];
    if (x < X[1]) return mode == 0 ? A[u(j)][1] + (x - X[1]) * B[u(j)][1] : B[u(j)][1];
    int i = 1;
    while (i <= n - 1 && x >= X[u(i + 1)]) ++i;
    while (i >= 1 && x < X[u(i)]) --i;
    if (i < 1 || i > n - 1) return std::nullopt;
    const double dx = x - X[u(i)];
    return mode == 0 ? AkimaPolynom(j, static_cast<Integer>(i), dx, D, C, B, A)
                     : AkimaPolynomAbleitung(j, static_cast<Integer>(i), dx, D, C, B, A);
}

}  // namespace vrn
