#include "chart/MeasuredPoints.h"

#include <algorithm>
#include <optional>

#include "chart/DiagramKinds.h"
#include "chart/Linearisation.h"
#include "engine/ModelMasks.h"
#include "shell/AppState.h"
#include "base/NumberText.h"

namespace vrn {

namespace {

// Condition and transformation of a linearised kind (set 1, or 6 for k-T).
struct PunktRegel {
    bool genommen;
    Linearisierung art;
    int satz;
};

std::optional<PunktRegel> linearRegel(int kind, const Messpunkt& p) {
    const bool k1 = app.bKonzDaten[1], k2 = app.bKonzDaten[2];
    const double cA = p.c[1], cB = p.c[2];
    switch (kind) {
    case -3:
        return PunktRegel{p.Temp > 0 && p.k > 0, Linearisierung::Arrhenius, kPunktSatzKT};
    case -4:
        return PunktRegel{p.Temp > 0 && p.k > 0, Linearisierung::Eyring, kPunktSatzKT};
    case -5:
        return PunktRegel{cA > 0 && k1, Linearisierung::LnC, 1};
    case -6:
        return PunktRegel{cA > 0 && k1, Linearisierung::KehrC, 1};
    case -7:
        return PunktRegel{app.c0Daten[1] > 0 && p.t > 1e-8 && k1, Linearisierung::Wilkinson, 1};
    case -8:
        return PunktRegel{k1 && k2 && cA > 0 && cB > 0, Linearisierung::LnCAzuCB, 1};
    case -10:
        return PunktRegel{p.lambda > 0, Linearisierung::LambdaErste, 1};
    case -11:
        return PunktRegel{p.lambda > 0, Linearisierung::LambdaZweite, 1};
    default:
        return std::nullopt;
    }
}

bool imBereich(Single x, Single y) {
    const Diagramm& d = app.tDiagramm;
    return d.XMin <= x && x <= d.XMax && d.YMin <= y && y <= d.YMax;
}

}  // namespace

ExperPunktSaetze berechneExperPunkte() {
    ExperPunktSaetze r;
    const int kind = app.iDiagrammTyp;
    const int n = std::max(0, std::min<int>(app.nExpPunkte, static_cast<int>(app.ExpDaten.size()) - 1));
    r.nPunkte = static_cast<Integer>(n);
    bool maskeGesetzt = false;

    auto schreibe = [&r](int satz, int i, double x, double y) {
        const auto us = static_cast<std::size_t>(satz);
        r.satz[us].push_back({static_cast<Integer>(i), x, y});
        r.beschrieben[us] = true;
        if (imBereich(zuSingle(x), zuSingle(y))) r.bImBereich = true;
    };
    auto konz = [](int s) { return app.bKonzDaten[static_cast<std::size_t>(s)]; };

    for (int i = 1; i <= n; ++i) {
        const Messpunkt& p = app.ExpDaten[static_cast<std::size_t>(i)];
        if (p.aus == -1) continue;
        const double x = zuSingle(p.t);
        if (kind == -9 && !maskeGesetzt) {
            SetSpeziesMaske(app.iModell);
            maskeGesetzt = true;
        }
        if (kind == kDiagTangente) {
            const int s = app.bytTangStoff;
            if (s >= 1 && s <= 5 && konz(s)) schreibe(s, i, x, p.c[static_cast<std::size_t>(s)]);
        } else if ((kind >= 1 && kind <= 20) || kind == -9 || kind == -1) {
            const std::string& maske = app.sSpeziesMaske;
            for (int s = 1; s <= 5; ++s) {
                const bool gewaehlt = kind == -1 || (static_cast<std::size_t>(s) <= maske.size() && maske[static_cast<std::size_t>(s - 1)] == '1');
                if (gewaehlt && konz(s)) schreibe(s, i, x, p.c[static_cast<std::size_t>(s)]);
            }
        } else if (kind == -2) {
            if (p.Temp > 0) schreibe(kPunktSatzKT, i, p.Temp, p.k);
        } else if (const auto regel = linearRegel(kind, p)) {
            if (!regel->genommen) continue;
            const LinWert lx = linearisiertesX(regel->art, p), ly = linearisiertesY(regel->art, p);
            if (lx.fehler || ly.fehler) continue;
            schreibe(regel->satz, i, zuSingle(lx.v), zuSingle(ly.v));
        }
    }
    return r;
}

}  // namespace vrn
