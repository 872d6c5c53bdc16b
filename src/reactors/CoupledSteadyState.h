// Stirred-tank steady state of the models whose rate of A depends on C
// (7, 10, 15, 18): the balances of two species solved together on the
// extents of the model's two net reactions. Part of CalcRKconti.
#pragma once

#include "engine/RateLaws.h"

namespace vrn {

// True for the models solved here.
bool isCoupledTankModel(Integer model);

// The outlet out(1..5) of a tank with residence time tau > 0 and feed c0
// (rate constants app.k): every species balance c0(i) − c(i) + tau·r(i) holds
// to about 1e-13 of the largest feed concentration, and no concentration the
// model uses is negative. Tries Newton from the feed, then from the feed of a
// much shorter residence time up to tau. False (out untouched) when no such
// steady state is found.
bool coupledOutlet(Integer model, const Konz& c0, double tau, Konz& out);

// The residence time at which the outlet's c(A) is (1 − U)·c0(A), 0 < U < 1,
// and that outlet. The residence time is bracketed by doubling from a first
// guess and then found by regula falsi. False (tau and out untouched) when
// the conversion is not reached below a residence time of 1e300 or no steady
// state is found on the way.
bool coupledResidenceTime(Integer model, const Konz& c0, double U, double& tau, Konz& out);

}  // namespace vrn
