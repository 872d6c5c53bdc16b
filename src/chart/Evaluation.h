// The linearised evaluation plots (kinds -3 Arrhenius, -4 Eyring, -5..-8
// linearised c-t plots, -10 and -11 conductivity): the regression points
// taken from the measured data set, the straight line through them and the
// kinetic result with its status text. Computes only; the chart's curve
// computation (zeichneKurve) commits the result to the shared state.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chart/Regress.h"
#include "base/Types.h"

namespace vrn {

constexpr double kGasR = 8.3145;           // J/(mol K)
constexpr double kBoltzmann = 1.38066e-23; // J/K
constexpr double kPlanck = 6.62618e-34;    // J s

enum class AuswertungsAusgang {
    Ok,          // line and result below
    Verweigert,  // regression refused (text: the message for " Ausführung nicht möglich ")
    Abbruch,     // a value is undefined (text: the failure text of the critical-error message)
};

struct Auswertung {
    AuswertungsAusgang ausgang = AuswertungsAusgang::Ok;
    std::string text;                // refusal or failure text
    std::vector<Single> x, y, w;     // regression points 1..n (index 0 unused)
    double a = 0, b = 0;             // intercept and slope
    Single r2 = 0;                   // coefficient of determination (0: not defined)
    std::optional<double> k1;        // new value of k(1), where the kind finds one
    double regrA = 0, regrB = 0;     // what RegrA and RegrB hold afterwards
    std::string statusText;          // the result line of the status bar
};

// Evaluates plot kind (one of -11, -10, -8..-3) on the measured data set.
// Reads ExpDaten, nExpPunkte, c0Daten(1), Lambda0, LambdaInf, iModell,
// bLambdaAuswertung, bGleicheC0; writes nothing.
//
// Rows: every row that passes the kind's row test gives one point, weight 0
// when it is excluded (aus = -1), 1 otherwise. An active row whose value is
// undefined (logarithm of a value <= 0, division by zero, overflow) ends the
// evaluation with Abbruch and a text naming the row; an excluded row with
// an undefined value is left out (it has no weight anyway).
// Fewer than two active points, or all active x equal: Verweigert.
// A result that cannot be computed (division by zero, overflow): Abbruch.
// Status texts use the locale's number format; the R^2 part is added only
// when R^2 > 0.
Auswertung werteAus(Integer kind);

// The refusal messages of the regression.
extern const char* const kZuWenigePunkte;
extern const char* const kRegressionSingulaer;

}  // namespace vrn
