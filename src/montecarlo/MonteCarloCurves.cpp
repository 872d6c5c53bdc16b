#include "montecarlo/MonteCarloCurves.h"

#include <cmath>

namespace vrn {

MCSkalen mcSkalen(Long N0, Long nMaxZuege) {
    MCSkalen s;
    s.xProzent = static_cast<Single>(nMaxZuege) / 100.0f;
    s.yProzent = static_cast<Single>(N0) / 100.0f;
    if (!(s.xProzent > 0)) s.xProzent = 1;
    if (!(s.yProzent > 0)) s.yProzent = 1;
    return s;
}

std::vector<XYPunkt> calcMCKurve(int species, int modus, Long N0, Single K, Long nMaxZuege) {
    std::vector<XYPunkt> kurve(1);
    const bool gleichgewicht = modus != 1;
    if (N0 < 2 || nMaxZuege < 1 || (gleichgewicht && !(K > 0))) return kurve;
    const double n0 = static_cast<double>(N0);
    const double k = std::log(n0) - std::log(n0 - 1);
    const double k1 = K == 0.5f ? k / 2 : k;
    const Single NPeq = K * static_cast<Single>(N0) / (K + 1);

    const Single dt = static_cast<Single>(nMaxZuege) / 100.0f;
    const Single tEnde = static_cast<Single>(nMaxZuege);
    for (Single t = 0; t <= tEnde; t = t + dt) {
        double nA = gleichgewicht ? n0 - NPeq * (1 - std::exp(-t * n0 * k1 / NPeq)) : n0 * std::exp(-k * t);
        const double n = species == 2 ? n0 - nA : nA;
        if (std::isfinite(n)) kurve.push_back(XYPunkt{t, static_cast<Single>(n), 0});
    }
    kurve[0].x = static_cast<Single>(kurve.size() - 1);
    return kurve;
}

void mcInProzent(std::vector<XYPunkt>& kurve, const MCSkalen& s) {
    for (std::size_t i = 1; i < kurve.size(); ++i) {
        kurve[i].x = kurve[i].x / s.xProzent;
        kurve[i].y = kurve[i].y / s.yProzent;
    }
}

std::string mcFormelText(int modus) {
    return modus == 1 ? "berechnet N(A) = N0 exp(-k t)"
                      : "berechnet N(A) = N0 - N(P),eq {1 - exp[-N0 t k1/N(P),eq]}";
}

}  // namespace vrn
