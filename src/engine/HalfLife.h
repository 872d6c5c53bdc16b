// Half-lives of the reactants A and B for the model of the current diagram.
#pragma once

#include "engine/RateLaws.h"

namespace vrn {

// What the half-life functions read besides their arguments: the diagram
// kind, and for kinds 6/56 and 12/62 the model's k(1) and c0.
struct HalbwertszeitLage {
    int iDiagrammTyp = 0;
    Konz c0{};
    Konstanten k{};
};

// The kind and the model's values the shared state holds now.
HalbwertszeitLage currentHalbwertszeitLage();

// The time at which c(A) has fallen to half its start value, for the diagram
// kind lage.iDiagrammTyp (model kinds 1..20, their rate kinds 51..70 and the
// evaluation kinds -5, -6, -8), in the model's time unit.
// Arguments: start concentrations of A, B, P and the rate constants k1, k2
// (k> and k< of an equilibrium). Kinds 6/56 read lage.k(1) instead of k1;
// kinds 12/62 find the equilibrium from lage.c0(1), c0(2), c0(4). The
// extent of 12 and 17 is followed by Newton's iteration with the program's
// constants; where that does not settle (a reaction far faster than its
// difference step), the half value is found by halving a bracket.
// Result: > 0 the half-life; 0 when the kind has no formula, the reactant
// runs short first (kinds 4, 9, 54, 59, -8: a beep) or the inputs give a
// negative time; -1 after a message has been shown: the half value is not
// reachable at the equilibrium (kinds 8, 12, 17 and their rate kinds; critical
// icon, title " Ausführung nicht möglich ") or a run-time failure (division by
// zero, overflow, logarithm or root out of range, Newton iteration without
// convergence; critical icon, title "Meldung von FuHalbwertszeitA").
// Writes nothing of the shared state. The first form reads the kind, c0 and
// k from `lage`, the second from the shared state.
Single FuHalbwertszeitA(const HalbwertszeitLage& lage, double cA0, double cB0, double cP0, double k1, double k2);
Single FuHalbwertszeitA(double cA0, double cB0, double cP0, double k1, double k2);

// The same for B: kinds 4, 9, 54, 59, -8 (B runs short: a beep and 0) and the
// equilibria 12/62, 17/67; every other kind gives a beep and 0. Failures are
// titled "Meldung von FuHalbwertszeitB".
Single FuHalbwertszeitB(const HalbwertszeitLage& lage, double cA0, double cB0, double cP0, double k1, double k2);
Single FuHalbwertszeitB(double cA0, double cB0, double cP0, double k1, double k2);

}  // namespace vrn
