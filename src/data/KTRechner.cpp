#include "data/KTRechner.h"

#include <cfloat>
#include <cmath>
#include <initializer_list>

#include "chart/Evaluation.h"

namespace vrn {

namespace {

bool zeigbar(double v) { return std::isfinite(v) && std::fabs(v) <= static_cast<double>(FLT_MAX); }

KTErgebnis ergebnis(double k, double kSec) {
    KTErgebnis r;
    r.ok = zeigbar(k) && zeigbar(kSec);
    if (r.ok) {
        r.k = k;
        r.kSec = kSec;
    }
    return r;
}

bool gueltig(double T, double secondInUnit) {
    return T > 0 && std::isfinite(T) && secondInUnit > 0 && std::isfinite(secondInUnit);
}

}  // namespace

double kBdurchH() { return kBoltzmann / kPlanck; }

// The input with the largest share of ln k among the shares given (a NaN
// share counts as none).
static int groessterAnteil(std::initializer_list<double> anteile) {
    int i = 0, best = -1;
    double max = 0;
    for (double a : anteile) {
        if (a == a && (best < 0 || a > max)) {
            best = i;
            max = a;
        }
        ++i;
    }
    return best;
}

KTErgebnis arrheniusK(double A, double EA, double T, double secondInUnit) {
    if (!gueltig(T, secondInUnit)) return {};
    const double exponent = -EA / (kGasR * T);
    const double k = A * std::exp(exponent);
    KTErgebnis r = ergebnis(k, k * secondInUnit);
    // ln |k| = ln |A| - EA / (R T): the larger share made it.
    if (!r.ok) r.ueberlaufDurch = groessterAnteil({std::log(std::fabs(A)), exponent});
    return r;
}

KTErgebnis eyringK(double S, double H, double T, double secondInUnit) {
    if (!gueltig(T, secondInUnit)) return {};
    const double kSec = kBdurchH() * T * std::exp(-H / (kGasR * T)) * std::exp(S / kGasR);
    KTErgebnis r = ergebnis(kSec / secondInUnit, kSec);
    // ln k = S# / R - H# / (R T) + ln (kB/h T).
    if (!r.ok) r.ueberlaufDurch = groessterAnteil({S / kGasR, -H / (kGasR * T), std::log(kBdurchH() * T)});
    return r;
}

}  // namespace vrn
