#include "chart/Linearisation.h"

#include <cmath>

#include "shell/AppState.h"
#include "base/NumberText.h"

namespace vrn {

const char* const kFehlerDivisionNull = "Division durch Null";
const char* const kFehlerLogarithmus = "Logarithmus einer Zahl <= 0";
const char* const kFehlerUeberlauf = "Überlauf";

LinWert linQuotient(double z, double n) {
    if (n == 0) return {0, kFehlerDivisionNull};
    const double q = z / n;
    if (!std::isfinite(q)) return {0, kFehlerUeberlauf};
    return {q};
}

LinWert linLogarithmus(LinWert w) {
    if (w.fehler) return w;
    if (!(w.v > 0)) return {0, kFehlerLogarithmus};
    return {std::log(w.v)};
}

namespace {

LinWert alsSingle(LinWert w) {
    if (w.fehler) return w;
    if (!passtInSingle(w.v)) return {0, kFehlerUeberlauf};
    return w;
}

}  // namespace

LinWert linearisiertesY(Linearisierung art, const Messpunkt& p) {
    const double lam = p.lambda;
    const double linf = app.LambdaInf, l0 = app.Lambda0;
    const double c0 = app.c0Daten[1];
    const double cA = p.c[1];
    LinWert y;
    switch (art) {
    case Linearisierung::LnC:
        y = linLogarithmus({cA});
        break;
    case Linearisierung::KehrC:
        y = linQuotient(1.0, cA);
        break;
    case Linearisierung::Wilkinson:
        y = linQuotient(c0 - cA, c0);
        if (!y.fehler) y = linQuotient(p.t, y.v);
        break;
    case Linearisierung::LnCAzuCB:
        y = linLogarithmus(linQuotient(cA, p.c[2]));
        break;
    case Linearisierung::LambdaErste:
        y = l0 == 0 ? linLogarithmus({linf - lam}) : linLogarithmus(linQuotient(linf - lam, linf - l0));
        break;
    case Linearisierung::LambdaZweite:
        if (l0 == 0) {
            y = linQuotient(linf, linf - lam);
        } else {
            y = linQuotient(linf - l0, linf - lam);
            if (!y.fehler) y = linQuotient(y.v, c0);
        }
        break;
    case Linearisierung::Arrhenius:
        y = linLogarithmus({p.k});
        break;
    case Linearisierung::Eyring:
        y = linLogarithmus(linQuotient(p.k, p.Temp));
        break;
    }
    return alsSingle(y);
}

LinWert linearisiertesX(Linearisierung art, const Messpunkt& p) {
    if (art == Linearisierung::Arrhenius || art == Linearisierung::Eyring) return alsSingle(linQuotient(1.0, p.Temp));
    if (!passtInSingle(p.t)) return {0, kFehlerUeberlauf};
    return alsSingle({static_cast<double>(zuSingle(p.t))});
}

}  // namespace vrn
