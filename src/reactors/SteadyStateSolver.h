// Steady states of an ideal stirred tank, c0(i) − c(i) + tau·r(i) = 0 for
// every species, solved on the extents of the model's net reactions (one or
// two) by a damped Newton iteration, and checked on the balances
// themselves. Part of CalcRKconti: with the residence time given, the
// models whose rate of A depends on C (7, 10, 15, 18) are solved here from
// the start, and every other model's outlet from the classic iterations is
// finished here, or found here where those iterations do not get near a
// root; with the conversion given, every model's steady state is found here.
#pragma once

#include <functional>

#include "engine/RateLaws.h"

namespace vrn {

// True for the models whose outlet at a given residence time is solved here
// from the start.
bool isCoupledTankModel(Integer model);

// The outlet out(1..5) of a tank with residence time tau > 0 and feed c0
// (rate constants k, order n of model 20): Newton from `start` when
// given (an outlet close to the root, its extents read off its solved
// species), else from the feed, then from the feed of a much shorter
// residence time up to tau, then from the outlet `fallback` gives (the
// batch result at t = tau, say) when it gives one, and for models 15 and 18
// (A (+ B) <=> C => P) last by a bracketed root of the one equation in c(A)
// that the balance of C leaves (C kept apart from the extents, whose
// difference would lose it where a fast back reaction holds it far below A).
// The result holds steadyStateHolds. False (out untouched) when no such
// steady state is found.
bool tankOutlet(Integer model, const Konz& c0, const Konstanten& k, double n, double tau, const Konz* start,
                const std::function<bool(double tau, Konz& outlet)>& fallback, Konz& out);

// The steady state whose outlet holds c(A) = (1 − U)·c0(A), 0 < U < 1, and
// its residence time, for every model (rate constants k, order n of model
// 20). On the outlets with that c(A) (one for a single net
// reaction, a line for two), tau is what the balance of A asks for,
// c0(A) − c(A) + tau·r(A) = 0, and the other balances fix the point on the
// line: a bracketed root of one of them (two of them, on either side of a
// turning point, for model 10, whose enzyme is bound and set free again;
// the one of the shorter residence time is taken), then Newton on both
// balances in the point and tau. c(A) is exactly (1 − U)·c0(A) as rounded,
// and tau belongs to that c(A) (to c0(A) − c(A) converted, not c0(A)·U).
// The outlet holds steadyStateHolds. False (tau and out untouched) when no
// such steady state with tau > 0 exists: the conversion is beyond reach, A
// would be formed, the rate of A is 0, or a number is not finite.
bool conversionSteadyState(Integer model, const Konz& c0, const Konstanten& k, double n, double U, double& tau,
                           Konz& out);

// True when c is a steady state of the tank (rate constants k, order n) to
// 1e-9 of the scale (the
// largest feed concentration of the model's species): every concentration
// of the model is >= 0, c lies on the line of the model's reactions through
// the feed (its extents give it back), and one Newton step on the balances
// of all its species, with the exact Jacobian of the rate laws, moves none
// of them by more than that. (On that line the step is the step of the
// balances of the solved species in the extents; formed there, it is not
// lost in the rounding of large rates that cancel.)
bool steadyStateHolds(Integer model, const Konz& c0, const Konstanten& k, double n, double tau, const Konz& c);

}  // namespace vrn
