// The tangent method's evaluation: the value and the slope of the Akima
// spline that the chart drew through one measured concentration-time curve.
#pragma once

#include <optional>
#include <vector>

#include "base/Types.h"

namespace vrn {

// True when points 1..n have strictly increasing times and n >= 3: only then
// is the spline through them defined.
bool zeitenStrengSteigend(const std::vector<Messpunkt>& d, int n);

struct TangentenWert {
    double c = 0;  // spline value
    double r = 0;  // first derivative dc/dt
};

// The spline of species j (1..5) at time t from the shared spline store
// (SplX, SplKoeffA..D), built over n points. Empty when t, taken in single
// precision, lies outside 0..xMax (both ends included), when the store does
// not hold a spline of n points, or when a value is not finite.
std::optional<TangentenWert> tangentenWert(int j, double t, Single xMax, int n);

}  // namespace vrn
