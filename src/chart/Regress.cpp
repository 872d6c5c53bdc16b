#include "chart/Regress.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/NumberText.h"

namespace vrn {

namespace {

using Basis = std::array<double, kRegrMaxKoeff + 1>;  // 1..5

void fillBasis(Basis& b, double x, int Modus, int ohneKonstante) {
    int terms = 0;
    if (Modus == 1 || Modus == 2) terms = 2;
    else if (Modus >= 3 && Modus <= 5) terms = Modus;
    b.fill(0.0);
    double p = 1.0;
    for (int j = 1; j <= terms; ++j) {
        b[static_cast<std::size_t>(j)] = p;
        p *= x;
    }
    if (ohneKonstante == 1)
        for (int j = 1; j <= kRegrMaxKoeff - 1; ++j) b[static_cast<std::size_t>(j)] = b[static_cast<std::size_t>(j + 1)];
}

// A pivot smaller than this fraction of its column's diagonal counts as 0:
// the rest is rounding noise of a system whose columns are dependent.
constexpr double kPivotTol = 1e-12;

}  // namespace

bool LinRegress(const std::vector<Single>& X, const std::vector<Single>& Y, const std::vector<Single>& W, int nKoeff,
                int Modus, int ohneKonstante, RegrMatrix& M, Single& s, Single& relAbw, Single& R2, bool& singulaer) {
    const int K = nKoeff;
    if (K < 1 || K > kRegrMaxKoeff) {
        singulaer = true;
        return false;
    }
    const std::size_t sizes = std::min({X.size(), Y.size(), W.size()});
    const int n = sizes == 0 ? 0 : static_cast<int>(sizes) - 1;
    auto at = [](const std::vector<Single>& v, int i) { return static_cast<double>(v[static_cast<std::size_t>(i)]); };

    for (int k = 1; k <= K; ++k)
        for (int l = 1; l <= K + 1; ++l) M[static_cast<std::size_t>(k)][static_cast<std::size_t>(l)] = 0;

    int active = 0;
    Basis b{};
    for (int i = 1; i <= n; ++i) {
        const double w = at(W, i);
        if (w == 0) continue;
        const double x = at(X, i), y = at(Y, i);
        if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(w)) {
            singulaer = true;
            return false;
        }
        ++active;
        fillBasis(b, x, Modus, ohneKonstante);
        for (int k = 1; k <= K; ++k) {
            auto& row = M[static_cast<std::size_t>(k)];
            for (int l = 1; l <= k; ++l) {
                row[static_cast<std::size_t>(l)] += b[static_cast<std::size_t>(k)] * b[static_cast<std::size_t>(l)] * w;
                M[static_cast<std::size_t>(l)][static_cast<std::size_t>(k)] = row[static_cast<std::size_t>(l)];
            }
            row[static_cast<std::size_t>(K + 1)] += y * b[static_cast<std::size_t>(k)] * w;
        }
    }
    if (active < K) {
        singulaer = true;
        return false;
    }

    // Gauss-Jordan elimination on the augmented matrix.
    std::array<double, kRegrMaxKoeff + 1> diag{};
    for (int k = 1; k <= K; ++k) diag[static_cast<std::size_t>(k)] = std::fabs(M[static_cast<std::size_t>(k)][static_cast<std::size_t>(k)]);
    for (int k = 1; k <= K; ++k) {
        const std::size_t kk = static_cast<std::size_t>(k);
        const double tol = kPivotTol * diag[kk];
        int pivot = 0;
        for (int r = k; r <= K; ++r)
            if (std::fabs(M[static_cast<std::size_t>(r)][kk]) > tol) {
                pivot = r;
                break;
            }
        if (pivot == 0) {
            singulaer = true;
            return false;
        }
        if (pivot != k) std::swap(M[kk], M[static_cast<std::size_t>(pivot)]);
        const double f = 1.0 / M[kk][kk];
        for (int l = k; l <= K + 1; ++l) M[kk][static_cast<std::size_t>(l)] *= f;
        for (int r = 1; r <= K; ++r) {
            if (r == k) continue;
            auto& row = M[static_cast<std::size_t>(r)];
            const double m = row[kk];
            if (m == 0) continue;
            for (int l = k; l <= K + 1; ++l) row[static_cast<std::size_t>(l)] -= m * M[kk][static_cast<std::size_t>(l)];
        }
    }
    std::array<double, kRegrMaxKoeff + 1> a{};
    for (int k = 1; k <= K; ++k) {
        a[static_cast<std::size_t>(k)] = M[static_cast<std::size_t>(k)][static_cast<std::size_t>(K + 1)];
        if (!std::isfinite(a[static_cast<std::size_t>(k)])) {
            singulaer = true;
            return false;
        }
    }

    double sw = 0, swy = 0;
    for (int i = 1; i <= n; ++i) {
        const double w = at(W, i);
        if (w == 0) continue;
        sw += w;
        swy += w * at(Y, i);
    }
    if (!(sw > 0)) {
        singulaer = true;
        return false;
    }
    // Through the origin (no constant term) the centred R² compares the fit
    // with a mean the model cannot reach and may exceed 1, as the documented
    // formula does; that fit is measured against 0 instead (uncentred R²).
    const double ym = ohneKonstante == 1 ? 0.0 : swy / sw;
    double ssReg = 0, ssTot = 0, ssRes = 0, ssRel = 0;
    for (int i = 1; i <= n; ++i) {
        const double w = at(W, i);
        if (w == 0) continue;
        const double y = at(Y, i);
        fillBasis(b, at(X, i), Modus, ohneKonstante);
        double yf = 0;
        for (int k = 1; k <= K; ++k) yf += b[static_cast<std::size_t>(k)] * a[static_cast<std::size_t>(k)];
        ssReg += w * (yf - ym) * (yf - ym);
        ssTot += w * (y - ym) * (y - ym);
        ssRes += w * (y - yf) * (y - yf);
        if (y != 0) ssRel += w * ((y - yf) / y) * ((y - yf) / y);
    }
    if (sw > K) {
        // Beyond the range of a Single (or not a number) counts as not finite.
        const auto single = [](double v) { return passtInSingle(v) ? zuSingle(v) : std::numeric_limits<Single>::infinity(); };
        s = single(std::sqrt(ssRes / (sw - K)));
        relAbw = single(std::sqrt(ssRel / sw));
        R2 = ssTot > 0 ? single(ssReg / ssTot) : 0.0f;
        if (!std::isfinite(s)) s = 0;
        if (!std::isfinite(relAbw)) relAbw = 0;
        if (!std::isfinite(R2)) R2 = 0;
    } else {
        s = 0;
        relAbw = 0;
        R2 = 0;
    }
    return true;
}

}  // namespace vrn
