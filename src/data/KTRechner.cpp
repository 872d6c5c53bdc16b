#include "data/KTRechner.h"

#include <cfloat>
#include <cmath>

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

KTErgebnis arrheniusK(double A, double EA, double T, double secondInUnit) {
    if (!gueltig(T, secondInUnit)) return {};
    const double k = A * std::exp(-EA / (kGasR * T));
    return ergebnis(k, k * secondInUnit);
}

KTErgebnis eyringK(double S, double H, double T, double secondInUnit) {
    if (!gueltig(T, secondInUnit)) return {};
    const double kSec = kBdurchH() * T * std::exp(-H / (kGasR * T)) * std::exp(S / kGasR);
    return ergebnis(kSec / secondInUnit, kSec);
}

}  // namespace vrn
