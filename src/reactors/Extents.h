// Extents of reaction of a reactor result.
#pragma once

#include "engine/RateLaws.h"

namespace vrn {

// Turns the feed app.c0(1..5) and the result app.cAkt(1..5) of model
// app.iModell into the extents of reaction per volume app.ksi(1) and
// app.ksi(2) (kmol/m^3 = mol/l):
// - ksi(2) := 0 first;
// - models 1-6, 8-10, 12-20: ksi(1) := (c0(A) − c(A)) / (−nu(A, 1)), with
//   nu(A, 1) = -2 for 2A => P and -1 otherwise (model 20 too, whatever n);
// - model 7: ksi(1) := c0(B) − c(B), ksi(2) := ksi(1) + c0(C) − c(C);
// - model 11: ksi(1) := c(P) − c0(P), ksi(2) := c(Q) − c0(Q);
// - models 6, 9, 10, 13, 14, 15, 18: ksi(2) := c(P) − c0(P).
// Model 19 and numbers outside 1..20 leave ksi(1) as it was. Never fails;
// finite inputs give finite extents.
void calcKsi();

// The same from model, feed c0 and result c, reading and writing nothing of
// the shared state: ksi1 and ksi2 as calcKsi writes ksi(1) and ksi(2) (ksi1
// keeps its value where calcKsi leaves ksi(1) as it was).
void calcKsi(Integer model, const Konz& c0, const Konz& c, double& ksi1, double& ksi2);

}  // namespace vrn
