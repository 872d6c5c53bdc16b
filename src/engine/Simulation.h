// Curve simulation of the kinetic models into the shared result arrays.
#pragma once

#include <string>
#include <vector>

#include "base/Types.h"
#include "base/Zahlbereich.h"
#include "engine/ModelInputs.h"
#include "shell/state/EngineState.h"

namespace vrn {

// Simulates model `model` (callers pass app.iModell) from app.c0(1..5) with
// app.k(1..3) (model 20 also app.nOrdnung) over 0..app.tEnd.
//
// Reads: k, c0, tEnd, nOrdnung, bMMdiagramm, bMMnormiert, S0max, KMichaelis,
// sSpeziesMaske (which curves get a spline), sngGlaettung (spline smoothing),
// bAuswertungsart, bRateDiagramm.
// Writes:
// - nSimPunkte = 200; tSim(0..200); point 0 of cSim_A..cSim_Q = c0(1..5).
//   The half-lives of an integrated curve are not made here: they are
//   computed when something asks for them (FuHalbwertszeitSim,
//   engine/HalfLife.h), so a curve costs no more than its points.
// - Closed forms (1-6, 8, 11, 12, 16, 17): t = j·dtSim with dtSim = tEnd/200
//   (in Single); cSim_* and rSim_* of the model's own species only (see
//   ClosedForm::writes), cAkt of those species at the last point.
// - Michaelis-Menten curve (model 10 with bMMdiagramm): dtSim = 20/200 with
//   bMMnormiert, else S0max/200; tSim(i) = i·dtSim; rSim_P(i) = x/(1 + x) with
//   x = tSim(i)/KMichaelis (KMichaelis > 0 and not normalised) or x = tSim(i).
// - Runge-Kutta (7, 9, 10, 13, 14, 15, 18, 20): exactly 201 points at times
//   accumulated in steps of tEnd/200, by the integration driver the batch
//   reactor shares (IntegrationDriver: the explicit rule, and from the first
//   interval it cannot take on the implicit integrator, interval by
//   interval); order n < 1 of model 20 leaves A exactly 0 from the time it
//   runs out, P keeping the sum;
//   the curves of slots A..P (14, 15: A, C, P; 20: A, P; cSim_Q gets a copy
//   of cSim_C, 14 and 15 leave a copy of C in cSim_B and of P in cSim_Q, 20 a
//   copy of P in cSim_B), all five rSim_* at every point, cAkt(1..5) at the
//   last point, dtSim = the last inner step; and the spline store (201
//   points, SplX(0) = 201) with
//   an Akima spline of every species whose character in sSpeziesMaske is
//   "1". Model 20 above the order kGrosseOrdnung takes its closed form at
//   the 201 times (dtSim = tEnd/200), which no integration follows there.
// - With bAuswertungsart = 0, Achsenbereich slots 0..5 (0 and tEnd; 0 and the
//   largest of c0(1) and the values of the model's species B..Q; the
//   smallest and largest rate of the model's species widened by 5 %).
// Model 19 writes only the start values and the axis slots.
//
// Rates beyond the range of a Single fail the simulation only when the rates
// are asked for (bRateDiagramm): otherwise a point whose concentrations a
// Single holds is drawn whatever its rates, which are then 0 in every slot.
// errFlag := 0 on success. On failure (a tEnd <= 0 or too small to give 200
// distinct time steps; overflow; division by zero; a square root of a
// negative number; result arrays smaller than 201 points; a stiff run the
// implicit integrator cannot finish, with its reason) it shows the failure
// text in a message titled
// "Meldung von calc_diagramfunctioncT" (critical icon), sets errFlag := -1 and
// returns at once: what was written before stays, nothing further is written,
// and no non-finite number is ever stored.
void calc_diagramfunctioncT(Integer model, Integer& errFlag);

// What the simulation reads: the model with its start concentrations,
// constants and order, the end time, the Michaelis-Menten options, the
// species that get a spline and its smoothing, the evaluation mode.
struct SimulationInputs {
    ModelInputs model;
    Single tEnd = 0;
    bool bMMdiagramm = false;
    bool bMMnormiert = false;
    Single S0max = 0;
    Single KMichaelis = 0;
    std::string sSpeziesMaske;
    Single sngGlaettung = 0;
    int bAuswertungsart = 0;
    // The rates are asked for (a rate diagram or its value table): a rate
    // beyond the range of a Single is then a failure; otherwise the
    // concentrations of such a point are kept all the same (where a Single
    // holds them) and its rates are 0.
    bool ratenGefragt = true;
};

// The inputs the shared state holds now.
SimulationInputs currentSimulationInputs();

// The same simulation of in.model.model from `in`, reading nothing of the
// shared state: the results go into the simulation fields of `out` (tSim,
// cSim_*, rSim_*, nSimPunkte, dtSim, cAkt, the spline
// store), the axis slots 0..5 into `achsen`; the form above hands in
// the shared state's inputs and takes the results into the shared state.
void calc_diagramfunctioncT(const SimulationInputs& in, EngineState& out, AchsenSpeicher& achsen, Integer& errFlag);

// The time of the last point of a curve drawn up to tEnd: tEnd/200 added up
// 200 times, as the integrated curves reach it (within rounding of tEnd).
double kurvenEndzeit(Single tEnd);

// While a QuietSimulation lives (a fit evaluates the model many times),
// calc_diagramfunctioncT shows no message on a failure: it only sets its
// error flag and keeps the failure text for the caller, who shows it once.
class QuietSimulation {
public:
    QuietSimulation();
    ~QuietSimulation();
    QuietSimulation(const QuietSimulation&) = delete;
    QuietSimulation& operator=(const QuietSimulation&) = delete;
    // The text of the last failure while quiet; empty when there was none.
    const std::string& failureText() const;
};

// Of the inputs `felder` with the values `werte` (as a window read them) that
// a computation took, the one that lies far out of the common range and so
// made it fail (ueberlaufUrsache) is named in a message (rechenUeberlaufZeile
// of base/Zahlbereich.h; title " Ausführung nicht möglich "): true then;
// false, and nothing shown, when no input lies that far out.
bool nenneUeberlaufUrsache(const std::vector<Zahlfeld>& felder, const std::vector<double>& werte);

// calc_diagramfunctioncT(model, err) for a window whose inputs are `felder`
// with the values `werte` (as it read them): a failure names the input that
// lies far out of the common range and made it (ueberlaufUrsache,
// rechenUeberlaufZeile of base/Zahlbereich.h; title " Ausführung nicht
// möglich "), else it shows the engine's own message ("Meldung von
// calc_diagramfunctioncT"). err as calc_diagramfunctioncT sets it.
void simuliereUndBenenne(Integer model, Integer& err, const std::vector<Zahlfeld>& felder,
                         const std::vector<double>& werte);

// True when the last successful simulation of a numerically integrated model
// was finished by the implicit integrator (its curves then carry that
// integrator's tolerance, kSteifRelTol, rather than the explicit rule's).
bool lastSimulationImplicit();

// The concentration curve cSim_A..cSim_Q and the rate curve rSim_A..rSim_Q
// of species slot s (1..5 = A, B, C, P, Q; any other s gives Q's).
std::vector<double>& cSimOf(int s);
std::vector<Single>& rSimOf(int s);

// y1 + (x − x1)·(y2 − y1)/(x2 − x1), as a Single. Throws RuntimeFault
// (engine/Checked.h) for x2 = x1 or a result beyond the range of a Single.
Single interpolLinear(double x, double y1, double x1, double y2, double x2);

}  // namespace vrn
