// An independent reference for the kinetic models: the rate equations and
// their Jacobian written out here by hand from the table of rate laws, as
// net reactions; the integrated models (7, 9, 10, 13, 14, 15, 18, 20)
// integrated by GSL's implicit Bulirsch-Stoer method (bsimp) at a relative
// tolerance of 1e-12, model 20 from its closed form. It shares no code with
// the engine.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "support/NetReactions.h"

namespace vrn::test {

using Conc = std::array<double, 6>;  // slots 1..5 (A, B, C, P, Q; E, S, ES, P)

struct KineticsCase {
    int model;
    std::array<double, 3> k;  // k1, k2, k3
    Conc c0;                  // c0[1..5]
    double n = 1;             // order of model 20
    double tEnd = 1;
};

// Rates dc/dt of every model as the table gives them, formed as sums of its
// net reactions.
Conc referenceRates(const KineticsCase& c, const Conc& x);

// The concentrations at each of `times` (ascending, from 0), or an empty
// vector when the reference itself fails.
std::vector<Conc> referenceAt(const KineticsCase& c, const std::vector<double>& times);

// The first time in (0, tMax] at which slot s (an integrated one) falls
// below half its start value, 0 when it does not (or starts at 0): the rate
// laws integrated by GSL's bsimp at 1e-12 (absolute 1e-15 of the species'
// own start) step by step, the steps no longer than tMax/500, each step's
// end compared with the half value; the step that ends below it is narrowed
// to 1e-14 of the time by runs from its start (regula falsi). Model 20 from its closed
// form, (2^(n−1) − 1)/((n − 1)·k1·A0^(n−1)), in long double. Sets *failed
// when the reference itself fails.
double referenceHalfLifeOnCurve(const KineticsCase& c, int s, double tMax, bool* failed = nullptr);

// The models with a closed-form solution that the tests hold the engine's
// closed forms against (4, 5, 6, 8, 12, 16, 17), at time t, in long double:
// the solutions of their rate laws written out here again, e^z − 1 by its
// series where z is small (so that feeds of A and B that differ in their
// last digit keep their digits). The model's slots (5 and 16 also
// Q = Q0 + P − P0); the other slots 0.
using ConcL = std::array<long double, 6>;
ConcL referenceClosedForm(const KineticsCase& c, long double t);

// Half-life of A (which = 1) or B (which = 2) in A + B => P from the
// integrated rate law, in long double (ln(1 + u) by its series where u is
// small); 0 when that reactant does not fall to half (the other one runs
// out first).
long double referenceHalfLifeAPlusB(long double A0, long double B0, long double k1, int which);

// The scale of species s for comparisons: the largest start concentration of
// the model's species (model 10: E0 + ES0 for E and ES, S0 + ES0 + P0 for S
// and P).
double referenceScale(const KineticsCase& c, int s);

// A random case of `model` from the generator state `seed`: rate constants
// log-uniform in 1e-3..1e9, start concentrations of the reactants log-uniform
// in 1e-8..10 (intermediates and products 0 or log-uniform in the same
// range), the order of model 20 in 0.3..2.5, and an end time log-uniform from
// 1e-3 to 1e8 times the slowest time scale of the case.
KineticsCase randomKineticsCase(int model, std::uint64_t& seed);

// The largest concentration change, in units of the largest feed of the
// model's species, of one Newton step on the balances c0 − c + tau·r(c) = 0
// of a stirred tank from the outlet `out`: how far `out` lies from a true
// steady state.
double tankNewtonStep(const KineticsCase& c, double tau, const Conc& out);

// A random tank of `model`: rate constants 1e-3..1e9, feeds of A and B
// 1e-8..10 (the other species 0 or in the same range), order 0.3..2.5 for
// model 20, and a residence time (in tEnd) from 1e-3 to 1e8 times the
// slowest time scale, at most 1e16 times the fastest.
KineticsCase randomTankCase(int model, std::uint64_t& seed);

// Cases users reported wrong, refused or slow (each once a fault), with the
// deviation from the reference each must keep, in units of the scale.
struct ReportedCase {
    const char* what;
    KineticsCase c;
    double tol = 1e-6;
};
const std::vector<ReportedCase>& reportedKineticsCases();

// "model 9, k = ..., c0 = ..., n = ..., t = ..." for failure messages.
std::string describe(const KineticsCase& c);

}  // namespace vrn::test
