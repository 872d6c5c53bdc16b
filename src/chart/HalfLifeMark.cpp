#include "chart/HalfLifeMark.h"

#include <algorithm>
#include <cmath>

#include "chart/ChartWindowTables.h"
#include "chart/DrawnState.h"
#include "engine/HalfLife.h"
#include "shell/AppState.h"
#include "base/NumberText.h"
#include "base/Zahlbereich.h"

namespace vrn {

HalbwertszeitMarke berechneHalbwertszeitMarke(int stoff) {
    // The mark belongs to the drawn curves, whatever the model window holds now.
    const GezeichnetMit g = gezeichnetOderJetzt();
    const bool b = stoff == 2;
    const char* name = b ? "tau(B)" : "tau(A)";
    const int m = g.iModell;
    const bool simuliert =
        b ? std::find(kHalbwertszeitBSimuliert.begin(), kHalbwertszeitBSimuliert.end(), m) != kHalbwertszeitBSimuliert.end()
          : std::find(kHalbwertszeitASimuliert.begin(), kHalbwertszeitASimuliert.end(), m) != kHalbwertszeitASimuliert.end();
    double tau = 0;
    if (simuliert) {
        // Computed now, from what the curves were drawn with; the enzyme's
        // Michaelis-Menten diagram has no time axis.
        if (!(g.bMMdiagramm && m == 10)) tau = FuHalbwertszeitSim(eingabenAusGezeichnet(g).model, g.tEnd, stoff);
    } else {
        const bool daten = g.iDiagrammTyp < 0;
        const double cA = daten ? g.c0Daten[1] : g.c0[1];
        const double cB = daten ? g.c0Daten[2] : g.c0[2];
        const double cP = g.c0[4];
        const HalbwertszeitLage lage = lageAusGezeichnet(g);
        tau = b ? FuHalbwertszeitB(lage, cA, cB, cP, g.k[1], g.k[2]) : FuHalbwertszeitA(lage, cA, cB, cP, g.k[1], g.k[2]);
    }

    HalbwertszeitMarke r;
    if (!std::isfinite(tau) || tau < 0) return r;
    r.statusSetzen = true;
    if (tau > 0) {
        r.zeichnen = true;
        r.tau = tau;
        // Two decimals, as everywhere; a half-life they would show as 0.00 (a
        // fast species, a dip between two curve points) keeps its digits.
        const std::string zahl =
            FormatAlsSingle(tau) != "0" && tau < 0.005 ? FormatAlsSingle(tau) : FormatAlsSingle(tau, "#######0.00");
        r.statusText = std::string("Halbwertszeit ") + name + " = " + zahl + " " + g.sZeiteinheit;
    } else if (!g.bNumerisch) {
        r.statusText = std::string("Halbwertszeit ") + name + " kann unter diesen Bedingungen nicht erreicht werden";
    } else {
        r.statusText = "Halbwertszeit liegt nicht im Diagramm-Bereich";
    }
    return r;
}

}  // namespace vrn
