// One curve of the chart window for the current diagram kind: a simulated
// species curve, the tangent method's spline through a measured curve, or a
// linearised evaluation plot with its regression line and result. The chart
// window's drawing loop calls it once per pending curve and then writes
// gKurvenPunkte into the chart series of the reserved curve number.
#pragma once

#include <string>

#include "base/Types.h"

namespace vrn {

enum class KurvenAusgang {
    Kurve,       // gKurvenPunkte holds the curve: draw it
    Keine,       // nothing to draw (the kind draws no curve here)
    Verweigert,  // refused; the message has been shown already: stop the loop, draw nothing
    Abbruch,     // critical failure: show meldeKritischenFehler(fehlerText), stop the loop
};

// What the chart window applies after one call.
struct KurvenErgebnis {
    KurvenAusgang ausgang = KurvenAusgang::Keine;
    bool setzeLabel = false;   // labelText is the new text of chart label nr (and of txtLabel(nr))
    std::string labelText;     // otherwise the label keeps its text
    std::string statusText;    // the status bar text; empty unless an evaluation succeeded
    std::string fehlerText;    // for Abbruch
    bool mitMesspunkten = false;  // evaluation plots: add the measured points next ("Messpunkte")
};

// Computes curve nr (1..24) for diagram kind `kind`.
//
// Reads: tDiagramm (axis limits), iModell, bAuswertungsart, bRateDiagramm,
// bMMdiagramm, bLambdaAuswertung, bGleicheC0, bytTangStoff, sngGlaettung,
// gKurvenTemp, the simulation arrays tSim, cSim_*, rSim_*, nSimPunkte, and
// the measured data set. nAufloesung is the chart window's curve resolution
// (steps across the x range).
// Writes: gKurvenPunkte (element 0's x = count, points from 1);
// gnKurvenOffen (lowered by one per call, as below); for kind 100 the spline
// store; for the evaluation plots gRegrX/Y/W, RegrA, RegrB, RegrR2 and k(1)
// (kinds -11, -10, -8, -6, -5). bAusserhalb becomes false when the curve
// (species A, the spline, the regression line) enters the y range.
//
// Kinds 1..20 and 51..70: the species follows the pending count
// gnKurvenOffen (highest first), e.g. model 4: 3 -> A, 2 -> B, 1 -> P; a
// count of 0 draws nothing and stays 0; another count draws nothing and is
// lowered by one (a negative count becomes 0). In non-isothermal fitting
// (bAuswertungsart >= 6) models 1, 2, 3, 5, 8, 20 draw species A and set
// the count to 0. Label "c(A) " ... or "r(A) " ... (model 10: E, S, ES).
// Kind 100: Akima spline of species bytTangStoff through the measured
// points, sampled from x = 0 to XMax with step (XMax - XMin) / nAufloesung / 2
// (widened so that at most kMaxKurvenPunkte points are written).
// Kinds -11, -10, -8..-3: see werteAus; the line spans the x axis.
// Other kinds (-9, -2, -1, 0, 19, ...): nothing; the count is lowered by one.
//
// Failures never write a non-finite number and never lower the pending
// count: a regression refusal shows its message (critical icon,
// " Ausführung nicht möglich ") and gives Verweigert; the spline builder's
// refusal is shown by the builder and gives Verweigert; an undefined value
// gives Abbruch with fehlerText. k(1), RegrA/B/R2 and gKurvenPunkte stay
// unchanged on every failure.
KurvenErgebnis zeichneKurve(Integer kind, Integer nr, Integer nAufloesung, bool& bAusserhalb);

// The critical-error message of the drawing loop: "Es ist ein kritischer
// Fehler aufgetreten:" CR LF fehlerText, critical icon, title "ABBRUCH".
void meldeKritischenFehler(const std::string& fehlerText);

// Label text of a species curve (species 1..5) in the current state: "r(A) "
// on a rate diagram, "c(A) " on a concentration diagram.
std::string speziesLabel(int spezies, Integer nr, bool rate);

}  // namespace vrn
