// Groups of diagram kinds (iDiagrammTyp) that several chart rules share.
//   1..20   concentration curves of model n     51..70  rate curves of model n - 50
//   100     tangent method                      -1      c-t data    -2  k-T data
//   -3      Arrhenius   -4  Eyring   -5..-8 linearised c-t plots    -9  fitting
//   -10, -11 conductivity (lambda) evaluations
#pragma once

#include "base/Types.h"

namespace vrn {

constexpr int kDiagTangente = 100;

// Concentration kinds: measured or simulated concentrations over time.
constexpr bool istKonzentrationsArt(int kind) {
    return kind == -9 || kind == -1 || (kind >= 1 && kind <= 18) || kind == 20 || kind == kDiagTangente;
}
constexpr bool istRatenArt(int kind) { return kind >= 51 && kind <= 70; }
// The linearised c-t and conductivity plots, whose x axis is time.
constexpr bool istLinearisierteArt(int kind) { return kind == -11 || kind == -10 || (kind >= -8 && kind <= -5); }
// The evaluation plots that end in a regression line.
constexpr bool istAuswertungsArt(int kind) { return istLinearisierteArt(kind) || kind == -4 || kind == -3; }

// The model behind a curve kind: n for 1..20, n - 50 for 51..70, else 0.
constexpr int modellDerArt(int kind) {
    if (kind >= 1 && kind <= 20) return kind;
    if (istRatenArt(kind)) return kind - 50;
    return 0;
}

// The Michaelis-Menten rate-substrate plot is in force (model 10 with the flag set).
bool istMichaelisMentenPlot();

}  // namespace vrn
