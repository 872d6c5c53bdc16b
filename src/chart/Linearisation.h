// The transformations of a measured point for the linearised plots, shared
// by the measured point sets and the evaluation. Each checks its domain and
// says why a value is undefined instead of giving a non-finite number.
#pragma once

#include "base/Types.h"

namespace vrn {

// A value, or the reason why there is none (then v is 0).
struct LinWert {
    double v = 0;
    const char* fehler = nullptr;  // "Division durch Null", "Logarithmus einer Zahl <= 0", "Überlauf"
};

extern const char* const kFehlerDivisionNull;
extern const char* const kFehlerLogarithmus;
extern const char* const kFehlerUeberlauf;

LinWert linQuotient(double zaehler, double nenner);
LinWert linLogarithmus(LinWert w);

enum class Linearisierung {
    LnC,           // ln c(A)                                       (-5, -10 without conductivity)
    KehrC,         // 1 / c(A)                                      (-6)
    Wilkinson,     // t / ((c0 - c(A)) / c0), c0 = c0Daten(1)       (-7)
    LnCAzuCB,      // ln(c(A) / c(B))                               (-8)
    LambdaErste,   // Lambda0 = 0: ln(LambdaInf - lambda), else ln((LambdaInf - lambda) / (LambdaInf - Lambda0))  (-10)
    LambdaZweite,  // Lambda0 = 0: LambdaInf / (LambdaInf - lambda), else (LambdaInf - Lambda0) / (LambdaInf - lambda) / c0  (-11)
    Arrhenius,     // ln k                                          (-3)
    Eyring,        // ln(k / T)                                     (-4)
};

// y of point p (reads c0Daten(1), Lambda0, LambdaInf). The result is also
// checked to be finite in single precision.
LinWert linearisiertesY(Linearisierung art, const Messpunkt& p);

// x of point p: 1 / T for Arrhenius and Eyring, else t; as a single.
LinWert linearisiertesX(Linearisierung art, const Messpunkt& p);

}  // namespace vrn
