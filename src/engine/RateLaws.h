// The rate equations of the kinetic models.
//
// Models: 1..18 and 20 (there is no model 19). Species slots 1..5 = A, B, C,
// P, Q (model 10: E, S, ES, P); rate constants k(1..3) (k> and k< of an
// equilibrium are k1 and k2; in models 13 and 14 the equilibrium is the second
// step, k2 forward and k3 back). The laws themselves stand once, in
// RateLawOf.h; these are their run-time entries. Both are pure: they read
// nothing of the shared state.
#pragma once

#include <array>

#include "base/Types.h"
#include "engine/ModelFacts.h"

namespace vrn {

// Concentration vector c(0..5), rate vector dc/dt(0..5), rate constants k(0..3);
// element 0 is never used.
using Konz = std::array<double, 6>;
using Konstanten = std::array<double, 4>;

// The rates dc(i)/dt, i = 1..5, of model `model` at the concentrations c(1..5)
// with the rate constants k(1..3); `ordnung` is the reaction order of model
// 20 (callers pass app.nOrdnung), the other models do not read it.
// dcdt(1..5) are all written; model 19 and numbers outside 1..20 leave them 0,
// and so do model 20 when c(A) <= 0 (no power of a non-positive number) and
// model 1 when c(A) <= 0 (A is used up: the reaction has stopped).
// Slots a model does not use are 0. c and dcdt may be the same array.
// Returns false when a rate is not finite (overflow); the rates are written
// all the same and the caller takes its failure path.
bool calc_dcdt(Integer model, Konz& dcdt, const Konstanten& k, const Konz& c, double ordnung);

// The Jacobian of the rates: J[i][j] = d(dc(i)/dt)/dc(j), i, j = 1..5
// (row and column 0 unused).
using Jacobi = std::array<Konz, 6>;

// The Jacobian of the rate laws of model `model` (model 20 with its order
// `ordnung`; none at c(A) <= 0 for models 1 and 20, where their rates stop)
// at the concentrations c(1..5) with k(1..3), differentiated from the same
// laws calc_dcdt evaluates. Model 19 and numbers outside 1..20 leave J all
// 0. Returns false when an entry is not finite.
bool calc_jacobian(Integer model, Jacobi& J, const Konstanten& k, const Konz& c, double ordnung);

// Model 20 below order 1 uses A up in a finite time: from c(A) = a the time
// a^(1 − n) / ((1 − n)·k1) (A^(1 − n) falls linearly). 0 when a <= 0,
// infinite when k1 <= 0 or n >= 1.
double exhaustionTime(double a, double k1, double ordnung);

// A of model 20 has run out (at its exhaustion time, or an integration step
// took it below 0, where its law has no rate): P takes what A holds, A is 0.
inline void runOutA(double& a, double& p) {
    p += a;
    a = 0;
}

}  // namespace vrn
