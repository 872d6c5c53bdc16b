// Weighted least-squares regression over a polynomial basis of up to five
// terms. The chart's linearised evaluation plots use it as a straight line
// with intercept (nKoeff 2, Modus 2, ohneKonstante 0).
#pragma once

#include <array>
#include <vector>

#include "base/Types.h"

namespace vrn {

constexpr int kRegrMaxKoeff = 5;

// Normal equations, rows 1..K and columns 1..K + 1 (index 0 unused).
// After a successful LinRegress, M[k][K + 1] is coefficient k: for the
// straight line M[1][3] is the intercept and M[2][3] the slope.
using RegrMatrix = std::array<std::array<double, kRegrMaxKoeff + 2>, kRegrMaxKoeff + 1>;

// Fits y = sum of a_k * b_k(x) to the points 1..n of X, Y, W (index 0 unused;
// n is the smallest upper bound of the three tables). W is the weight of a
// point; a weight of 0 removes the point from every sum.
//
// Basis by Modus: 1 or 2 -> (1, x); 3 -> (1, x, x^2); 4 -> up to x^3;
// 5 -> up to x^4; any other value gives a zero basis (and so a singular
// system). ohneKonstante = 1 drops the constant term (the basis moves down
// one place), e.g. Modus 2 with nKoeff 1 fits y = a * x.
//
// Statistics, when the sum of weights exceeds K (else all three are 0):
//   s      = sqrt(SSres / (sum w - K)), the standard deviation of the fit;
//   relAbw = sqrt(sum over y != 0 of w * ((y - yfit) / y)^2 / sum w);
//   R2     = SSreg / SStot; 0 when all weighted y are equal (SStot = 0),
//            so that no division by zero takes place. Sums of squares about
//            the weighted mean of y; with ohneKonstante = 1 about 0 (the
//            uncentred R² = sum w*yfit^2 / sum w*y^2 of a fit through the
//            origin, never above 1).
//
// Returns true when the coefficients are in M. Returns false and sets
// singulaer to true, leaving s, relAbw and R2 untouched (M then holds no
// usable coefficients), when nKoeff is outside 1..5, fewer than nKoeff
// points have a non-zero weight, an active point has a non-finite x or y,
// the normal equations are singular (a pivot vanishes against its diagonal,
// e.g. all active x equal), or a coefficient comes out non-finite.
// singulaer is left as it was on success.
bool LinRegress(const std::vector<Single>& X, const std::vector<Single>& Y, const std::vector<Single>& W, int nKoeff,
                int Modus, int ohneKonstante, RegrMatrix& M, Single& s, Single& relAbw, Single& R2, bool& singulaer);

}  // namespace vrn
