#include "data/Tangente.h"

#include <cmath>

#include "base/NumberText.h"
#include "engine/Akima.h"
#include "shell/AppState.h"

namespace vrn {

bool zeitenStrengSteigend(const std::vector<Messpunkt>& d, int n) {
    if (n < 3 || static_cast<int>(d.size()) <= n) return false;
    for (int i = 2; i <= n; ++i)
        if (!(d[static_cast<std::size_t>(i)].t > d[static_cast<std::size_t>(i - 1)].t)) return false;
    return true;
}

std::optional<TangentenWert> tangentenWert(int j, double t, Single xMax, int n) {
    if (!passtInSingle(t)) return std::nullopt;
    const Single ts = zuSingle(t);
    if (!(ts >= 0 && ts <= xMax) || j < 1 || j > 5 || n < 1) return std::nullopt;
    if (app.SplX.empty() || app.SplX[0] != n) return std::nullopt;
    const Integer nn = static_cast<Integer>(n);
    const auto c = AkimaSplineWert(0, static_cast<Integer>(j), t, nn, app.SplX, app.SplY, app.SplKoeffD,
                                   app.SplKoeffC, app.SplKoeffB, app.SplKoeffA);
    const auto r = AkimaSplineWert(1, static_cast<Integer>(j), t, nn, app.SplX, app.SplY, app.SplKoeffD,
                                   app.SplKoeffC, app.SplKoeffB, app.SplKoeffA);
    if (!c || !r || !std::isfinite(*c) || !std::isfinite(*r)) return std::nullopt;
    return TangentenWert{*c, *r};
}

}  // namespace vrn
