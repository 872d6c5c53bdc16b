#include "chart/Evaluation.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "chart/Linearisation.h"
#include "shell/AppState.h"
#include "base/NumberText.h"

namespace vrn {

const char* const kZuWenigePunkte = "Für die Regressionsgerade werden mindestens zwei aktive Messpunkte benötigt.";
const char* const kRegressionSingulaer =
    "Die Regressionsgerade ist nicht bestimmbar: alle aktiven Messpunkte haben denselben x-Wert.";

namespace {

// The row test and the transformation of a plot kind.
struct Zeilenregel {
    bool genommen = false;
    Linearisierung art = Linearisierung::LnC;
};

Zeilenregel regelFuer(int kind, const Messpunkt& p) {
    const double lam = p.lambda, cA = p.c[1], cB = p.c[2];
    switch (kind) {
    case -11:
        return {lam > 0, Linearisierung::LambdaZweite};
    case -10:
    case -5:
        if (app.bLambdaAuswertung) return {lam > 0, Linearisierung::LambdaErste};
        return {cA > 0, Linearisierung::LnC};
    case -8:
        return {cA > 0 && cB > 0, Linearisierung::LnCAzuCB};
    case -7:
        return {p.t > 1e-8, Linearisierung::Wilkinson};
    case -6:
        return {cA > 0, Linearisierung::KehrC};
    case -3:
        return {p.Temp > 0, Linearisierung::Arrhenius};
    case -4:
        return {p.Temp > 0, Linearisierung::Eyring};
    default:
        return {};
    }
}

std::string zeilenFehler(const char* was, int i) { return std::string(was) + " (Messpunkt " + Format(i) + ")"; }

// A finite single, or false.
bool alsSingle(double v, Single& s) {
    if (!passtInSingle(v)) return false;
    s = zuSingle(v);
    return true;
}

Auswertung abbruch(Auswertung e, std::string text) {
    e.ausgang = AuswertungsAusgang::Abbruch;
    e.text = std::move(text);
    e.k1.reset();
    e.statusText.clear();
    return e;
}

// "<reason> bei der Berechnung von <quantity>"
std::string berechnungsFehler(const char* grund, const char* groesse) {
    return std::string(grund) + " bei der Berechnung von " + groesse;
}

// c(A)(0) and c(B)(0) as singles: those of the last row at t = 0 (0 when there is none).
std::pair<Single, Single> startKonzentrationen(int n) {
    Single cA0 = 0, cB0 = 0;
    for (int i = 1; i <= n; ++i) {
        const Messpunkt& p = app.ExpDaten[static_cast<std::size_t>(i)];
        if (p.t == 0) {
            cA0 = zuSingle(p.c[1]);
            cB0 = zuSingle(p.c[2]);
        }
    }
    return {cA0, cB0};
}

// The kind's result from the intercept e.a and the slope e.b: k1, regrA,
// regrB and the status text without the R^2 part. Returns the failure text
// when a result is undefined.
std::optional<std::string> ergebnis(int kind, int n, Auswertung& e) {
    const double a = e.a, b = e.b;
    const double c0 = app.c0Daten[1];
    auto mitK = [&](LinWert k) -> std::optional<std::string> {
        Single ks = 0;
        if (k.fehler) return berechnungsFehler(k.fehler, "k");
        if (!alsSingle(k.v, ks)) return berechnungsFehler(kFehlerUeberlauf, "k");
        e.k1 = k.v;
        e.statusText = "Berechnungsergebnis: k = " + Format(ks);
        return std::nullopt;
    };
    switch (kind) {
    case -11: {
        LinWert k{b};
        if (app.Lambda0 == 0) k = linQuotient(b, c0 * a);
        if (app.iModell == 3) k.v /= 2;
        return mitK(k);
    }
    case -10:
    case -5: {
        if (auto f = mitK({-b})) return f;
        if (app.bLambdaAuswertung && app.Lambda0 == 0) {
            Single l0 = 0;
            if (!alsSingle(app.LambdaInf - std::exp(a), l0)) return berechnungsFehler(kFehlerUeberlauf, "lambda(0)");
            e.statusText += ", lambda(0), extrapol. = " + Format(l0);
        }
        return std::nullopt;
    }
    case -8: {
        const auto [cA0, cB0] = startKonzentrationen(n);
        const LinWert k = linQuotient(b, static_cast<double>(cA0) - static_cast<double>(cB0));
        if (k.fehler) return std::string(k.fehler) + ": c(A) und c(B) bei t = 0 sind gleich oder fehlen im Datensatz";
        return mitK(k);
    }
    case -7: {
        Single ordnung = 0, ks = 0;
        if (!alsSingle(2 * b, ordnung)) return berechnungsFehler(kFehlerUeberlauf, "n");
        const LinWert kehr = linQuotient(1.0, a);
        if (kehr.fehler) return berechnungsFehler(kehr.fehler, "k");
        const double potenz = std::pow(c0, static_cast<double>(ordnung) - 1);
        if (!std::isfinite(potenz)) return "Ungültiges Argument bei der Berechnung von k (c(A)(0) <= 0)";
        const LinWert k = linQuotient(kehr.v, potenz);
        if (k.fehler) return berechnungsFehler(k.fehler, "k");
        if (!alsSingle(k.v, ks)) return berechnungsFehler(kFehlerUeberlauf, "k");
        e.regrA = k.v;
        e.statusText = "Berechnungsergebnis: n = " + Format(ordnung, ".0") + ";  k = " + Format(ks);
        return std::nullopt;
    }
    case -6:
        return mitK({app.bGleicheC0 ? b : b / 2});
    case -3: {
        const double ea = -b * kGasR / 1000;
        Single vorfaktor = 0;
        if (!alsSingle(std::exp(a), vorfaktor)) return berechnungsFehler(kFehlerUeberlauf, "A");
        e.regrB = ea;
        e.statusText = "Berechnungsergebnis: EA/(kJ/mol) = " + Format(ea, "####0.00") + ";  A = " + Format(vorfaktor);
        return std::nullopt;
    }
    case -4: {
        const double h = -b * kGasR / 1000;
        const double sAkt = (a - std::log(kBoltzmann / kPlanck)) * kGasR;
        e.regrB = h;
        e.regrA = sAkt;
        e.statusText = "Resultat: h#/(kJ/mol) = " + Format(h, "####0.00") + ";  s#/(J/mol*K) = " +
                       Format(sAkt, "####0.0") + ", Achtung: s# ist nur korrekt, wenn für k gilt [t] = s";
        return std::nullopt;
    }
    default:
        return std::string("Keine Auswertung für diese Diagrammart");
    }
}

}  // namespace

Auswertung werteAus(Integer kind) {
    Auswertung e;
    e.x.assign(1, 0);
    e.y.assign(1, 0);
    e.w.assign(1, 0);
    const int n = std::min<int>(app.nExpPunkte, static_cast<int>(app.ExpDaten.size()) - 1);
    int aktiv = 0;
    for (int i = 1; i <= n; ++i) {
        const Messpunkt& p = app.ExpDaten[static_cast<std::size_t>(i)];
        const Zeilenregel regel = regelFuer(kind, p);
        if (!regel.genommen) continue;
        const bool ausgeschlossen = p.aus == -1;
        const LinWert x = linearisiertesX(regel.art, p), y = linearisiertesY(regel.art, p);
        const char* fehler = x.fehler ? x.fehler : y.fehler;
        if (fehler) {
            if (ausgeschlossen) continue;
            return abbruch(std::move(e), zeilenFehler(fehler, i));
        }
        e.x.push_back(zuSingle(x.v));
        e.y.push_back(zuSingle(y.v));
        e.w.push_back(ausgeschlossen ? 0.0f : 1.0f);
        if (!ausgeschlossen) ++aktiv;
    }
    if (aktiv < 2) {
        e.ausgang = AuswertungsAusgang::Verweigert;
        e.text = kZuWenigePunkte;
        return e;
    }

    RegrMatrix M{};
    Single s = 0, relAbw = 0;
    bool singulaer = false;
    if (!LinRegress(e.x, e.y, e.w, 2, 2, 0, M, s, relAbw, e.r2, singulaer)) {
        e.ausgang = AuswertungsAusgang::Verweigert;
        e.text = kRegressionSingulaer;
        return e;
    }
    const double a = M[1][3], b = M[2][3];
    e.a = a;
    e.b = b;
    e.regrA = a;
    e.regrB = b;

    if (auto fehler = ergebnis(kind, n, e)) return abbruch(std::move(e), std::move(*fehler));
    if (e.r2 > 0) e.statusText += "   (R^2 = " + Format(e.r2, "0.00000") + ")";
    return e;
}

}  // namespace vrn
