// Steady states of an ideal stirred tank, c0(i) − c(i) + tau·r(i) = 0 for
// every species, solved on the extents of the model's net reactions (one or
// two) by a damped Newton iteration, and checked on the balances
// themselves. Part of CalcRKconti: the models whose rate of A depends on C
// (7, 10, 15, 18) are solved here from the start; every other model's
// outlet from the classic iterations is finished here, or found here where
// those iterations do not get near a root.
#pragma once

#include <functional>

#include "engine/RateLaws.h"

namespace vrn {

// True for the models whose outlet is solved here from the start.
bool isCoupledTankModel(Integer model);

// The outlet out(1..5) of a tank with residence time tau > 0 and feed c0
// (rate constants app.k, order app.nOrdnung): Newton from `start` when
// given (an outlet close to the root, its extents read off its solved
// species), else from the feed, then from the feed of a much shorter
// residence time up to tau, then from the outlet `fallback` gives (the
// batch result at t = tau, say) when it gives one. The result holds
// steadyStateHolds. False (out untouched) when no such steady state is found.
bool tankOutlet(Integer model, const Konz& c0, double tau, const Konz* start,
                const std::function<bool(double tau, Konz& outlet)>& fallback, Konz& out);

// The residence time at which the outlet's c(A) is (1 − U)·c0(A), 0 < U < 1,
// and that outlet (models 7, 10, 15, 18). The residence time is bracketed
// by doubling from a first guess and then found by regula falsi. False (tau
// and out untouched) when the conversion is not reached below a residence
// time of 1e300 or no steady state is found on the way.
bool coupledResidenceTime(Integer model, const Konz& c0, double U, double& tau, Konz& out);

// True when c is a steady state of the tank to 1e-9 of the scale (the
// largest feed concentration of the model's species): every concentration
// of the model is >= 0, c lies on the line of the model's reactions through
// the feed (its extents give it back), and one Newton step on the balances
// of all its species, with the exact Jacobian of the rate laws, moves none
// of them by more than that. (On that line the step is the step of the
// balances of the solved species in the extents; formed there, it is not
// lost in the rounding of large rates that cancel.)
bool steadyStateHolds(Integer model, const Konz& c0, double tau, const Konz& c);

}  // namespace vrn
