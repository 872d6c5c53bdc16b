// Akima spline through one curve of the spline store, with optional
// smoothing, and its evaluation with straight continuation beyond the ends.
//
// Tables: X (x values, points from 1; X[0] holds the point count n where the
// store is filled), Y/D/C/B/A indexed [curve 0..5][point]. Every point
// dimension must reach index n + 4 (callers size them n + 6).
// Within interval i (X(i) <= x < X(i+1)) the spline is
// A + B*dx + C*dx^2 + D*dx^3 with dx = x - X(i).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "shell/Types.h"

namespace vrn {

using SplTable = std::vector<std::vector<double>>;

// The largest number of points that can be splined.
constexpr int kAkimaMaxPunkte = 397;

// Sizes the spline store of the application state for n points
// (SplX and every curve of SplY and the coefficient tables to n + 6) and
// sets SplX[0] = n. Values are zeroed.
void dimensionSplineStore(int n);

// Builds the spline of curve j through points 1..n. With Glaettung != 0 the
// y values of curve j are first replaced by weighted local means. Refuses
// (returns false, shows a message titled "Meldung von CalcAkimaSpline" and
// changes nothing) fewer than 3 points, more than kAkimaMaxPunkte, x values
// that do not strictly increase, tables too small, or non-finite values.
bool CalcAkimaSpline(Integer j, Integer& n, Single Glaettung, std::vector<double>& X, SplTable& Y,
                     SplTable& D, SplTable& C, SplTable& B, SplTable& A);

// Akima's end-point rule: moves points 1..n up by two, adds two points at
// each end and fills the segment slopes m(1..n+3).
void AkimaRandpunkte(Integer j, Integer n, std::vector<double>& X, SplTable& Y, std::array<double, 401>& m);

// Value (mode 0) or slope (mode 1) of curve j at x; straight continuation
// with the end slope beyond the ends. Empty for another mode or when the
// interval search leaves 1..n-1.
std::optional<double> AkimaSplineWert(Integer mode, Integer j, double x, Integer n, const std::vector<double>& X,
                                      const SplTable& Y, const SplTable& D, const SplTable& C, const SplTable& B,
                                      const SplTable& A);

double AkimaPolynom(Integer j, Integer i, double dx, const SplTable& D, const SplTable& C, const SplTable& B,
                    const SplTable& A);
double AkimaPolynomAbleitung(Integer j, Integer i, double dx, const SplTable& D, const SplTable& C,
                             const SplTable& B, const SplTable& A);

}  // namespace vrn
