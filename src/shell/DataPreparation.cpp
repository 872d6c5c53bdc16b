#include "shell/DataPreparation.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "shell/AppState.h"

namespace vrn {

namespace {

// Double to single precision; beyond the single range the largest single
// (a plain conversion would be undefined there). NaN stays NaN and so never
// wins a comparison.
Single S(double x) {
    constexpr double big = std::numeric_limits<Single>::max();
    if (x > big) return std::numeric_limits<Single>::max();
    if (x < -big) return -std::numeric_limits<Single>::max();
    return static_cast<Single>(x);
}

// The points in use: 1..n, never beyond the array.
int pointCount() {
    return std::clamp<int>(app.nExpPunkte, 0, static_cast<int>(app.ExpDaten.size()) - 1);
}

const Messpunkt& point(int i) { return app.ExpDaten[static_cast<std::size_t>(i)]; }

// Widens a (minimum, maximum) pair: lo -= m, hi += m, in double, stored as singles.
void widen(AchsenSpeicher& a, int lo, int hi, double m) {
    a[lo] = S(a[lo] - m);
    a[hi] = S(a[hi] + m);
}

void takeMax(AchsenSpeicher& a, int slot, Single v) {
    if (v > a[slot]) a[slot] = v;
}
void takeMin(AchsenSpeicher& a, int slot, Single v) {
    if (v < a[slot]) a[slot] = v;
}
// A value of a quantity whose range lies in (lo = minimum, hi = maximum).
void include(AchsenSpeicher& a, int lo, int hi, double v) {
    const Single s = S(v);
    takeMax(a, hi, s);
    takeMin(a, lo, s);
}

// The lambda plots: slots 0, 1 and the pair (lo, hi) from y(point); a point
// whose y is not finite is left out.
template <class YOf>
void lambdaRange(int lo, int hi, bool logarithm, YOf yOf) {
    AchsenSpeicher& a = app.Achsenbereich;
    a[0] = 0;
    a[1] = 0;
    a[hi] = -10000;
    a[lo] = 10000;
    const int n = pointCount();
    for (int i = 1; i <= n; ++i) {
        const Messpunkt& p = point(i);
        takeMax(a, 1, S(p.t));
        double y = 0;
        if (!yOf(p, y)) continue;
        if (logarithm) {
            if (!(y > 0)) continue;
            y = std::log(y);
        }
        if (!std::isfinite(y)) continue;
        include(a, lo, hi, y);
    }
    a[1] = S(static_cast<double>(a[1]) + a[1] / 20.0);
    const double m = (static_cast<double>(a[hi]) - a[lo]) / 5.0;
    a[hi] = S(a[hi] + m);
    a[lo] = S(a[lo] - 0.3 * m);
}

}  // namespace

void PrepareExpDaten(bool& hatCT, bool& hatKT, bool& hatCTT, Integer& nTemp, double& tMax, bool& hatLambda) {
    const int n = pointCount();
    tMax = 0;
    app.Lambda0 = 0;
    int nKT = 0, nCT = 0, nCTT = 0;
    Single sumT = 0;
    double sumLambda = 0;
    app.gKurvenTemp.resize(2);

    for (int i = 1; i <= n; ++i) {
        const Messpunkt& p = point(i);
        sumT = S(static_cast<double>(sumT) + p.t);
        sumLambda += p.lambda;
        if (p.aus == 0 && p.t == 0) app.Lambda0 = p.lambda;
        if (p.Temp > 0 && p.k > 0) ++nKT;
        if (p.c[1] > 0) {
            ++nCT;
            if (p.Temp > 0) ++nCTT;
        }
        if (p.t > tMax) tMax = p.t;
    }
    hatKT = nKT >= 2;
    hatCT = nCT >= 2 && sumT != 0;
    hatCTT = nCTT >= 3 && sumT != 0;
    hatLambda = app.LambdaInf > 0 && sumLambda > 0;

    for (int j = 1; j <= 5; ++j) {
        bool has = false;
        for (int i = 1; i <= n && !has; ++i) has = point(i).c[static_cast<std::size_t>(j)] > 0;
        app.bKonzDaten[static_cast<std::size_t>(j)] = has;
    }

    // Isotherms: neighbours of the sorted temperatures more than 0.01 K apart.
    std::vector<double> T(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double t = point(i + 1).Temp;
        T[static_cast<std::size_t>(i)] = std::isfinite(t) ? t : 0.0;
    }
    std::sort(T.begin(), T.end());
    int count = 0;
    if (n >= 1 && T[0] > 0) {
        count = 1;
        app.gKurvenTemp[1] = S(T[0]);
    }
    for (std::size_t i = 1; i < T.size(); ++i) {
        if (T[i] > 0 && T[i] > T[i - 1] + 0.01) {
            ++count;
            app.gKurvenTemp.resize(static_cast<std::size_t>(count) + 1);
            app.gKurvenTemp[static_cast<std::size_t>(count)] = S(T[i]);
        }
    }
    nTemp = static_cast<Integer>(std::min(count, 24));
}

void PrepareExpDaten() {
    PrepareExpDaten(app.bHatCTDaten, app.bHatKTDaten, app.bHatCTTDaten, app.nKurvenTemp, app.tMaxDaten,
                    app.bHatLambdaDaten);
}

void CalcDataRanges(Integer kind, bool /*withPoints*/) {
    if (kind >= 0) return;
    AchsenSpeicher& a = app.Achsenbereich;
    for (int s : {0, 1, 2, 3, 7, 8, 9, 11, 19, 20}) a[s] = 0;
    a[6] = 10000;
    for (int s : {10, 12, 16, 18, 21, 23}) a[s] = 100000;
    for (int s : {13, 17, 22}) a[s] = -100000;
    a[14] = 1000000;
    a[15] = -1000000;

    const double c0 = app.c0Daten[1];
    const int n = pointCount();
    for (int i = 1; i <= n; ++i) {
        const Messpunkt& p = point(i);
        const Single t = S(p.t), T = S(p.Temp), k = S(p.k), cA = S(p.c[1]), cB = S(p.c[2]);
        takeMax(a, 1, t);
        for (int j = 1; j <= 5; ++j) takeMax(a, 3, S(p.c[static_cast<std::size_t>(j)]));
        takeMax(a, 7, T);
        if (T > 0 && T < a[6]) a[6] = T;
        if (app.bAuswertungsart == 6) a[3] = 1.0f;
        else if (app.bAuswertungsart == 7) a[3] = app.c0Daten[1];
        takeMax(a, 9, k);
        if (T > 1e-8f) {
            include(a, 10, 11, 1.0 / T);
        }
        if (k > 1e-8f) {
            include(a, 12, 13, std::log(static_cast<double>(k)));
            if (T > 1e-8f) include(a, 14, 15, std::log(static_cast<double>(k) / T));
        }
        if (cA > 1e-8f) {
            include(a, 16, 17, std::log(static_cast<double>(cA)));
            include(a, 18, 19, 1.0 / cA);
            if (c0 > 0 && t > 1e-8f) {
                const double x = (c0 - cA) / c0;
                if (x != 0) include(a, 21, 20, t / x);  // the Wilkinson pair keeps its maximum first
            }
        }
        if (cA > 1e-8f && cB > 1e-8f) {
            include(a, 23, 22, std::log(static_cast<double>(cA) / cB));
        }
    }

    // Margins, each a twentieth of its range (computed in double).
    auto d = [&](int s) { return static_cast<double>(a[s]); };
    a[1] = S(d(1) + (d(1) - d(0)) / 20);
    widen(a, 16, 17, (d(17) - d(16)) / 20);
    widen(a, 18, 19, (d(19) - d(18)) / 20);
    double m = (d(11) - d(10)) / 20;
    a[10] = S(d(10) - m);
    if (a[10] < 0) a[10] = 0;
    a[11] = S(d(11) + m);
    // Only -3 and -4 show these pairs; for other kinds the last margin is reused,
    // and the pairs are recomputed before any chart that shows them.
    if (kind == -3) m = (d(13) - d(12)) / 20;
    else if (kind == -4) m = (d(15) - d(14)) / 20;
    widen(a, 12, 13, m);
    widen(a, 14, 15, m);
    m = (d(20) - d(21)) / 20;
    if (m == 0) m = d(20) / 20;
    widen(a, 21, 20, m);
    widen(a, 23, 22, (d(22) - d(23)) / 20);
    widen(a, 6, 7, (d(7) - d(6)) / 20);
    widen(a, 8, 9, (d(9) - d(8)) / 20);
}

void CalcTangenteRange(Integer j) {
    if (j < 1 || j > 5) return;
    AchsenSpeicher& a = app.Achsenbereich;
    for (int s = 0; s <= 3; ++s) a[s] = 0;
    const int n = pointCount();
    for (int i = 1; i <= n; ++i) {
        takeMax(a, 1, S(point(i).t));
        takeMax(a, 3, S(point(i).c[static_cast<std::size_t>(j)]));
    }
    a[1] = S(a[1] + a[1] / 20.0);
    a[3] = S(a[3] + a[3] / 20.0);
}

void CalcLambdaRange1() {
    const double lInf = app.LambdaInf, l0 = app.Lambda0;
    lambdaRange(24, 25, true, [&](const Messpunkt& p, double& y) {
        if (l0 == 0) {
            y = lInf - p.lambda;
            return true;
        }
        const double den = lInf - l0;
        if (den == 0) return false;
        y = (lInf - p.lambda) / den;
        return true;
    });
}

void CalcLambdaRange2() {
    const double lInf = app.LambdaInf, l0 = app.Lambda0;
    const double c0 = app.c0Daten[1];
    lambdaRange(26, 27, false, [&](const Messpunkt& p, double& y) {
        const double den = lInf - p.lambda;
        if (l0 == 0) {
            if (den == 0) return false;
            y = lInf / den;
        } else if (c0 > 0) {
            if (den == 0) return false;
            y = ((lInf - l0) / den) / c0;
        } else {
            y = 0;
        }
        return true;
    });
}

}  // namespace vrn
