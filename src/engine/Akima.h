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

// ((D·dx + C)·dx + B)·dx + A of interval i of curve j.
double AkimaPolynom(Integer j, Integer i, double dx, const SplTable& D, const SplTable& C, const SplTable& B,
                    const SplTable& A);
// (3·D·dx + 2·C)·dx + B of interval i of curve j (A is not read).
double AkimaPolynomAbleitung(Integer j, Integer i, double dx, const SplTable& D, const SplTable& C,
                             const SplTable& B, const SplTable& A);

}  // namespace vrn
