// The formulas of the Arrhenius and Eyring calculator.
//   Arrhenius: k = A exp(-EA / (R T)) in the set time unit,
//              k per second = k * Zeitfaktor(0, unit).
//   Eyring:    k per second = kB/h * T * exp(-H# / (R T)) * exp(S# / R),
//              k in the set unit = k per second / Zeitfaktor(0, unit).
// The rate constant is converted with the unit factor alone, whatever the
// reaction order.
#pragma once

namespace vrn {

// kB/h in 1/(K s).
double kBdurchH();

struct KTErgebnis {
    bool ok = false;   // false: T <= 0, a factor that is not positive and
                       // finite, or a result beyond the single range
    double k = 0;      // in the set time unit
    double kSec = 0;   // per second
    // For a result beyond the single range: the input whose share of the
    // result's logarithm is the largest, 0 (A or S#), 1 (EA or H#, through
    // the exponent) or 2 (T); -1 otherwise.
    int ueberlaufDurch = -1;
};

// secondInUnit: the length of one second in the set unit (Zeitfaktor(0, unit)).
KTErgebnis arrheniusK(double A, double EA, double T, double secondInUnit);
KTErgebnis eyringK(double S, double H, double T, double secondInUnit);

}  // namespace vrn
