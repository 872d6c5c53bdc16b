// The half-life marks of the chart window: where the vertical line of A or B
// stands and what the status bar says about it.
#pragma once

#include <array>
#include <string>

#include "base/Types.h"

namespace vrn {

struct HalbwertszeitMarke {
    bool zeichnen = false;     // draw the mark at tau
    double tau = 0;            // the half-life in the model's time unit
    bool statusSetzen = false; // statusText replaces the status bar text
    std::string statusText;
};

// The y values of a mark's line (all at x = tau): it runs over the whole
// plot height on a linear y axis and, from its second point on, on a
// logarithmic one too (which leaves out the point below 0).
inline constexpr std::array<double, 3> kMarkeY{-1e300, 1e-300, 1e300};

// The mark of species A (stoff 1) or B (stoff 2) for the shown chart, from
// the state its curves were drawn with (app.gezeichnetMit, when there is one).
// Reads iModell, iDiagrammTyp; for the numerically integrated models (A: 7,
// 9, 10, 13, 14, 15, 18, 20; B: 7, 9, 10, 13, 18) the half-life on the drawn
// curve, computed now from the model, c0, k, nOrdnung and tEnd the curves
// were drawn with (FuHalbwertszeitSim; 0 on the Michaelis-Menten diagram),
// otherwise FuHalbwertszeitA / B of c(A), c(B) (c0 for kinds >= 0, c0Daten
// for the evaluation kinds), c0(4), k(1), k(2); sZeiteinheit, bNumerisch.
// tau > 0: drawn, status "Halbwertszeit tau(A) = " & Format(tau,
// "#######0.00") & " " & sZeiteinheit (below 0.005, which that pattern
// shows as 0.00, the locale's general form: "0.0001892234"). tau = 0:
// nothing drawn; status
// "Halbwertszeit tau(A) kann unter diesen Bedingungen nicht erreicht werden"
// (closed forms) or "Halbwertszeit liegt nicht im Diagramm-Bereich"
// (simulated models). tau < 0 (the half-life function has shown its
// message) or not finite: nothing drawn, the status bar keeps its text.
// Writes nothing of the shared state.
HalbwertszeitMarke berechneHalbwertszeitMarke(int stoff);

}  // namespace vrn
