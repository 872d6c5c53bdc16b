// Half-lives of the reactants A and B for the model of the current diagram.
#pragma once

#include "engine/ModelInputs.h"
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
// constants, and the time it finds to 1e-6 of itself is then narrowed by
// halving to the last bit of a Single; where the iteration does not settle
// (a reaction far faster than its difference step), the half value is
// found by halving a bracket from the start.
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

// The half-life of A (stoff 1) or of B (stoff 2; S of the enzyme model) on
// the curve of an integrated model (A: 7, 9, 10, 13, 14, 15, 18, 20; B: 7, 9,
// 10, 13, 18) from the inputs `in`, drawn up to tEnd: the first time at which
// the species falls below half its start value, within the curve's times (up
// to its last point, kurvenEndzeit(tEnd)), 1e-6 relative or better. It is
// computed when it is asked for, in one integration from the start that
// locates the crossing as it goes (TimeStopIntegrator::firstBelow), the
// species kept to its own digits however far below the others it starts;
// a dip that rises again between two points of the curve is found too.
// Model 20 from its closed form.
// Result: > 0 the half-life; 0 when the species does not fall to half
// within the curve (or starts at 0, or has no half-life here); -1 when the
// integration fails: its reason has been shown (critical icon, title
// "Meldung von FuHalbwertszeitA", for B "...B"). Reads nothing of the shared
// state.
Single FuHalbwertszeitSim(const ModelInputs& in, Single tEnd, int stoff);

// Model 20 of order n from A0 with k1: the time A takes to fall to A0/2,
// (2^(n−1) − 1)/((n − 1)·k1·A0^(n−1)) (ln 2/k1 at n = 1), in logarithms where
// it leaves the range of a Double (then infinity); infinity for A0 <= 0 or
// k1 <= 0.
double halbwertszeitOrdnungN(double A0, double k1, double n);

}  // namespace vrn
