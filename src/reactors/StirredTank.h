// Steady state of an ideal isothermal continuous stirred-tank reactor.
#pragma once

#include "engine/ModelInputs.h"
#include "reactors/ReactorStatus.h"

namespace vrn {

// Texts of the two failures (title kNichtMoeglich, critical icon).
inline constexpr const char* kZuWenigBText =
    "Die Anfangskonzentration von B ist für den gewünschten Umsatz nicht ausreichend.";
inline constexpr const char* kZuWenigBNullText = "(Die Endkonzentration von B darf nicht bis auf Null absinken.)";
inline constexpr const char* kRechenFehlerText = "Berechnungsfehler aufgetreten.";

// The outcome: ok, or one of the two failure flags with the text and title
// of the box the window shows for it.
struct RKcontiStatus : ReactorStatus {
    bool bZuWenigB = false;      // the feed of B does not suffice for the wanted conversion
    bool bRechenFehler = false;  // no steady state found
};

// The steady state of model `model` for the selection 0..4 of given quantities
// (0: U and V, 1: U and V*, 2: V and V*, 3: V and tau, 4: V* and tau; the
// other two are computed, tau = V / V*), from the feed app.c0(1..5) with
// app.k(1..3) (model 20 also app.nOrdnung). Every outlet solves the balances
// c0(i) − c(i) + tau·r(i) = 0 with the engine's rates r:
// - U given: c(A) = (1 − U)·c0(A) exactly, tau = (c0(A) − c(A)) / (−r(A))
//   at the outlet, and the other species where their balances hold at that
//   tau (SteadyStateSolver: on the line of outlets with that c(A), a
//   bracketed root; where two residence times give the conversion, model 10,
//   the shorter one); no such steady state, no result;
// - models 4 and 12 with tau given: the root of the quadratic of the extent;
// - models 7, 10, 15, 18 with tau given (A's rate depends on C): the
//   balances of A and C (model 10: E and S) solved together by a damped
//   two-dimensional Newton iteration on the extents of the two reactions;
// - every other model with tau given: Newton on c(A) (at most 500 passes),
//   then for the models with several reactions Newton on c(C) with tau fixed.
// The outlets with tau given are then finished by damped Newton on the
// balances of all species (SteadyStateSolver), and every outlet is shown only
// when it is a steady state to 1e-9 of the largest feed with no
// concentration below 0 (steadyStateHolds). Where the iterations with tau
// given fail or end far from a root, the steady state is looked for from the
// feed, from the feed of a shorter residence time up to tau, and from the
// batch result at t = tau.
// Extents count A with nu(A, 1) = −1 (2A => P: −2), model 20 included.
//
// Writes out(1..5) (cleared first), app.ksi(1) (app.ksi(1..3) cleared first)
// and, on success, the computed two of U, V, VPunkt, tau. Failures (the
// arguments keep their values, out stays 0):
// - bZuWenigB: U given, model 4, 9, 10, 12, 13 or 18, and the B left over
//   c0(B) + nu(B, 1)·ksi(1) <= 0; text kZuWenigBText, followed by CR LF and
//   kZuWenigBNullText when it is exactly 0;
// - bRechenFehler, text kRechenFehlerText: the rate of A at the wanted outlet
//   is 0 or would need tau <= 0; no non-negative steady state is found, or
//   the one found has a conversion outside 0 <= U <= 1; a wanted conversion
//   no steady state reaches; a negative or non-finite feed, rate
//   constant or given quantity; a division by zero, overflow or any
//   non-finite result.
RKcontiStatus CalcRKconti(Integer model, Integer selection, double& U, double& V, double& VPunkt, double& tau,
                          Konz& out);

// The same computation from the inputs `in` (model, feed, constants, order),
// reading and writing nothing of the shared state: the extent of reaction 1
// goes to ksi1 (on success only; it is 0 for the window after a failure).
RKcontiStatus CalcRKconti(const ModelInputs& in, Integer selection, double& U, double& V, double& VPunkt, double& tau,
                          Konz& out, double& ksi1);

}  // namespace vrn
