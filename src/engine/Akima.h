// Akima spline through one curve of the spline store, with optional
// smoothing, and its evaluation with straight continuation beyond the ends.
//
// Tables: X (x values, points from 1; X[0] holds the point count n where the
// store is filled), Y/D/C/B/A indexed [curve 0..5][point]. Every point
// dimension must reach index n + 4 (callers size them n + 6, as
// dimensionSplineStore does). The number of points is limited only by the
// 16-bit count: the working slope table is sized by n.
// Within interval i (X(i) <= x < X(i+1)) the spline is
// A + B*dx + C*dx^2 + D*dx^3 with dx = x - X(i).
#pragma once

#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "base/Types.h"

namespace vrn {

using SplTable = std::vector<std::vector<double>>;

// Sizes the spline store of the application state for n points
// (SplX and every curve of SplY and the coefficient tables to n + 6) and
// sets SplX[0] = n. Values are zeroed.
void dimensionSplineStore(int n);

// Builds the spline of curve j through points 1..n. With Glaettung != 0 the
// y values of curve j are first replaced by weighted local means (the
// smoothed values are written back into Y). Writes D, C, B, A of curve j at
// points 1..n (C and D of point n stay as they were); X keeps its values.
// Refuses (returns false, shows a message titled "Meldung von CalcAkimaSpline"
// and changes nothing) a curve index outside 0..5, fewer than 3 points,
// x values that do not strictly increase, tables too small for n + 4 points,
// and non-finite values in the points or in the result.
bool CalcAkimaSpline(Integer j, Integer& n, Single Glaettung, std::vector<double>& X, SplTable& Y,
                     SplTable& D, SplTable& C, SplTable& B, SplTable& A);

// The same build without a message: returns nullptr on success, otherwise the
// refusal text (the tables are then unchanged). For callers that report the
// failure under their own name.
const char* buildAkimaSpline(Integer j, Integer n, Single Glaettung, std::vector<double>& X, SplTable& Y,
                             SplTable& D, SplTable& C, SplTable& B, SplTable& A);

// Akima's end-point rule: moves points 1..n of X and of curve j of Y up by
// two, adds two points at each end and fills the segment slopes m(1..n+3)
// (m is enlarged to n + 4 elements when shorter). Needs n >= 3, strictly
// increasing x values and tables reaching index n + 4; it does not check them.
void AkimaRandpunkte(Integer j, Integer n, std::vector<double>& X, SplTable& Y, std::vector<double>& m);

// Value (mode 0) or slope (mode 1) of curve j at x; beyond the ends the
// straight continuation with the end slope (value A(n) + (x - X(n))·B(n) at
// and above X(n), A(1) + (x - X(1))·B(1) below X(1); the slope is B there).
// Empty for another mode, a non-finite x, a curve outside 0..5, n < 1,
// tables smaller than n + 1 points, or when the interval search leaves 1..n-1.
// Y is not read.
std::optional<double> AkimaSplineWert(Integer mode, Integer j, double x, Integer n, const std::vector<double>& X,
                                      const SplTable& Y, const SplTable& D, const SplTable& C, const SplTable& B,
                                      const SplTable& A);

// Reads the splines of one store at many x, as a fit reads its data: the
// tables are checked once, and an x above the last one read finds its
// interval at the last one or the next (any other by halving). Each value is
// the one AkimaSplineWert gives, to the last bit. The tables must outlive
// the reader and stay unchanged while it reads.
class AkimaLeser {
public:
    // The coefficient rows of one curve; null where its tables are too small.
    struct Kurve {
        const double *d = nullptr, *c = nullptr, *b = nullptr, *a = nullptr;

        // The value at dx from knot i: the cubic of interval i inside, the
        // straight continuation with the end slope beyond the ends.
        double wert(std::size_t i, double dx, bool innen) const {
            return innen ? ((d[i] * dx + c[i]) * dx + b[i]) * dx + a[i] : a[i] + dx * b[i];
        }
    };

    // The curves j = 1..5 marked in `werte` are the ones werte() reads.
    AkimaLeser(Integer n, const std::vector<double>& X, const SplTable& D, const SplTable& C, const SplTable& B,
               const SplTable& A, const std::array<bool, 6>& werte = {});

    // Places the reader at x; false (nothing can be read there) for a
    // non-finite x, n < 1 or X smaller than n + 1 points.
    bool finde(double x) {
        // Reads at rising x stay in the interval found last most of the time.
        if (lage_ == Lage::Innen && X_[static_cast<std::size_t>(i_)] <= x && x < X_[static_cast<std::size_t>(i_ + 1)]) {
            x_ = x;
            return true;
        }
        return suche(x);
    }

    // Value (mode 0) or slope (mode 1) of curve j at the x found last; empty
    // for another mode, a curve outside 0..5 or whose tables are smaller than
    // n + 1 points, or when no x was found.
    std::optional<double> wert(Integer mode, Integer j) const {
        if ((mode != 0 && mode != 1) || j < 0 || j > 5 || lage_ == Lage::Nirgends) return std::nullopt;
        const Kurve& k = kurve_[static_cast<std::size_t>(j)];
        if (!k.a) return std::nullopt;
        const std::size_t e = knoten();
        const bool innen = lage_ == Lage::Innen;
        if (mode == 0) return k.wert(e, x_ - X_[e], innen);
        return innen ? (3 * k.d[e] * (x_ - X_[e]) + 2 * k.c[e]) * (x_ - X_[e]) + k.b[e] : k.b[e];
    }

    // The values of the curves chosen when the reader was made (see the
    // constructor) at the x found last, into c(j) in slot order, each as
    // wert(0, j) gives it. False at the first that cannot be read or is not
    // finite (the ones before it are written).
    bool werte(std::array<double, 6>& c) const {
        if (lage_ == Lage::Nirgends) return nGewaehlt_ == 0 && !abbruch_;
        const std::size_t e = knoten();
        const double dx = x_ - X_[e];
        const bool innen = lage_ == Lage::Innen;
        for (std::size_t q = 0; q < nGewaehlt_; ++q) {
            const std::size_t j = gewaehlt_[q];
            const double v = kurve_[j].wert(e, dx, innen);
            if (!std::isfinite(v)) return false;
            c[j] = v;
        }
        return !abbruch_;
    }

    // Where the x found last lies: its interval i (1..n-1), 0 below the
    // first knot, n at or above the last; -1 when none was found.
    int stelle() const {
        switch (lage_) {
            case Lage::Innen: return i_;
            case Lage::Unten: return 0;
            case Lage::Oben: return n_;
            default: return -1;
        }
    }

    // The rows of curve j (0..5).
    const Kurve& kurve(std::size_t j) const { return kurve_[j]; }

private:
    enum class Lage { Nirgends, Unten, Innen, Oben };
    bool suche(double x);
    // The knot the value at the x found last starts from: its interval
    // inside, the last knot above, the first below.
    std::size_t knoten() const {
        return lage_ == Lage::Innen ? static_cast<std::size_t>(i_) : lage_ == Lage::Oben ? static_cast<std::size_t>(n_) : 1;
    }

    Integer n_;
    const std::vector<double>& X_;
    std::array<Kurve, 6> kurve_{};
    std::array<std::size_t, 5> gewaehlt_{};  // the readable curves werte() reads, in slot order
    std::size_t nGewaehlt_ = 0;
    bool abbruch_ = false;  // a curve to read after them cannot be read
    int i_ = 1;  // the interval of the x found last, when inside
    double x_ = 0;
    Lage lage_ = Lage::Nirgends;
};

}  // namespace vrn
