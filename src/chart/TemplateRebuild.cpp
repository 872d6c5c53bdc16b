#include "chart/TemplateRebuild.h"

#include <cstddef>

namespace vrn {

VorlagenAufbau vorlagenAufbau(const std::vector<int>& kurvenPunkte, const std::vector<int>& punktSaetze,
                              Integer altPunktSatzNr) {
    VorlagenAufbau a;
    a.PunktSatzNr = altPunktSatzNr;
    for (std::size_t i = 0; i < a.KurvenSlot.size(); ++i) {
        const bool belegt = i < kurvenPunkte.size() && kurvenPunkte[i] >= 1;
        a.KurvenSlot[i] = belegt ? 0 : -1;
        if (belegt) ++a.gnKurven;
    }
    for (std::size_t j = 1; j < a.punktSatz.size(); ++j) {
        a.punktSatz[j] = j - 1 < punktSaetze.size() && punktSaetze[j - 1] >= 1;
        if (a.punktSatz[j]) a.PunktSatzNr = static_cast<Integer>(j);
    }
    return a;
}

}  // namespace vrn
