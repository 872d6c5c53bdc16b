#include "engine/TimeUnits.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/Checked.h"
#include "platform/MsgBox.h"
#include "shell/AppState.h"
#include "shell/Helpers.h"
#include "shell/StateOwner.h"

namespace vrn {

namespace {

bool validUnit(Integer i) { return i >= 0 && i <= 4; }

std::size_t u(int i) { return static_cast<std::size_t>(i); }

}  // namespace

void setZeiteinheit(Integer neu, Integer alt) {
    const bool convert = validUnit(neu) && validUnit(alt) && neu != alt;
    std::vector<double> t;
    std::array<double, 4> k = app.k;
    if (convert) {
        const double f = zeitfaktor(alt, neu);
        const int n = std::min<int>(app.nExpPunkte, static_cast<int>(app.ExpDaten.size()) - 1);
        bool ok = f != 0;
        for (int i = 1; i <= n && ok; ++i) {
            t.push_back(f * app.ExpDaten[u(i)].t);
            ok = std::isfinite(t.back());
        }
        for (int i = 1; i <= 3 && ok; ++i) {
            k[u(i)] = app.k[u(i)] / f;
            ok = std::isfinite(k[u(i)]);
        }
        if (!ok) {
            showFailure("setZeiteinheit", kUeberlauf);
            return;
        }
    }
    // One change: the unit, the converted times and constants; every window
    // that shows one of them hears it once.
    Aenderung aenderung(kTeilZeiteinheit, convert ? zeitfaktor(alt, neu) : 1.0);
    if (validUnit(neu)) app.sZeiteinheit = kZeiteinheitText[u(neu)];
    if (convert) {
        for (std::size_t i = 0; i < t.size(); ++i) app.ExpDaten[i + 1].t = t[i];
        if (!t.empty()) zustand().datensatzUmgerechnet();
        app.k = k;
    }
}

bool konstantenInEinheit(int alt, int neu) {
    if (!validUnit(static_cast<Integer>(alt)) || !validUnit(static_cast<Integer>(neu)) || alt == neu) return false;
    const double f = zeitfaktor(alt, neu);
    if (!(f > 0)) return false;
    std::array<double, 4> k = app.k;
    for (std::size_t i = 1; i <= 3; ++i) {
        k[i] = app.k[i] / f;
        if (!std::isfinite(k[i])) return false;
    }
    Aenderung aenderung(kTeilZeiteinheit, f);
    app.k = k;
    return true;
}

}  // namespace vrn
