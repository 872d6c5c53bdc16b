#include "montecarlo/MonteCarloBoard.h"

#include <algorithm>
#include <cmath>

namespace vrn {

MCBrettGeometrie mcBrettGeometrie(Long N0, bool bGross, double links, double oben, double seite) {
    MCBrettGeometrie g;
    g.N0 = std::max<Long>(1, N0);
    g.FeldLinks = links;
    g.FeldOben = oben;
    g.Seite = std::max(0.0, seite);
    const double wurzel = std::sqrt(static_cast<double>(g.N0));
    g.FeldSeite = static_cast<Integer>(std::max(1.0, std::nearbyint(wurzel)));
    g.Abstand = g.Seite / wurzel;
    g.bGross = bGross;
    if (bGross) {
        g.BlitzRadius = (g.N0 > 20000 ? 3.0 : 1.5) * g.Abstand;
    } else {
        g.Radius = g.Abstand / 2.3;
        g.BlitzRadius = 1.5 * g.Radius;
    }
    return g;
}

int MCBrettGeometrie::zeile(Long i) const {
    const Long n = FeldSeite;
    return static_cast<int>(i % n == 0 ? i / n : i / n + 1);
}

int MCBrettGeometrie::spalte(Long i) const {
    const Long n = FeldSeite;
    return static_cast<int>(i % n == 0 ? n : i % n);
}

double MCBrettGeometrie::mitteX(Long i) const { return spalte(i) * Abstand + FeldLinks - Abstand / 2; }
double MCBrettGeometrie::mitteY(Long i) const { return zeile(i) * Abstand + FeldOben - Abstand / 2; }

MCRect MCBrettGeometrie::zelle(Long i, double luecke) const {
    const double x0 = spalte(i) * Abstand + FeldLinks - Abstand;
    const double y0 = zeile(i) * Abstand + FeldOben;
    const double seite = std::max(0.0, Abstand - luecke);
    return MCRect{x0, y0 - seite, seite, seite};
}

}  // namespace vrn
