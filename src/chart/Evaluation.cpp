#include "chart/Evaluation.h"

#include <algorithm>

#include <cmath>

#include "chart/Linearisation.h"
#include "shell/AppState.h"
#include "shell/NumberText.h"

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
    s = static_cast<Single>(v);
    return std::isfinite(s);
}

Auswertung abbruch(Auswertung e, std::string text) {
    e.ausgang = AuswertungsAusgang::Abbruch;
    e.text = std::move(text);
    return e;
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
        e.x.push_back(static_cast<Single>(x.v));
        e.y.push_back(static_cast<Single>(y.v));
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

    std::string text, extra;
    auto kText = [&](double k) -> bool {
        Single ks = 0;
        if (!std::isfinite(k) || !alsSingle(k, ks)) return false;
        e.k1 = k;
        text = "Berechnungsergebnis: k = " + Format(ks);
        return true;
    };
    const double c0 = app.c0Daten[1];
    switch (kind) {
    case -11: {
        double k = b;
        if (app.Lambda0 == 0) {
            const LinWert q = linQuotient(b, c0 * a);
            if (q.fehler) return abbruch(std::move(e), std::string(q.fehler) + " bei der Berechnung von k");
            k = q.v;
        }
        if (app.iModell == 3) k /= 2;
        if (!kText(k)) return abbruch(std::move(e), std::string(kFehlerUeberlauf) + " bei der Berechnung von k");
        break;
    }
    case -10:
    case -5:
        if (!kText(-b)) return abbruch(std::move(e), std::string(kFehlerUeberlauf) + " bei der Berechnung von k");
        if (app.bLambdaAuswertung && app.Lambda0 == 0) {
            Single l0 = 0;
            if (!alsSingle(app.LambdaInf - std::exp(a), l0))
                return abbruch(std::move(e), std::string(kFehlerUeberlauf) + " bei der Berechnung von lambda(0)");
            extra = ", lambda(0), extrapol. = " + Format(l0);
        }
        break;
    case -8: {
        // c(A)(0) and c(B)(0): the last row at t = 0.
        Single cA0 = 0, cB0 = 0;
        for (int i = 1; i <= n; ++i) {
            const Messpunkt& p = app.ExpDaten[static_cast<std::size_t>(i)];
            if (p.t == 0) {
                cA0 = static_cast<Single>(p.c[1]);
                cB0 = static_cast<Single>(p.c[2]);
            }
        }
        const LinWert q = linQuotient(b, static_cast<double>(cA0) - static_cast<double>(cB0));
        if (q.fehler)
            return abbruch(std::move(e), std::string(q.fehler) +
                                             ": c(A) und c(B) bei t = 0 sind gleich oder fehlen im Datensatz");
        if (!kText(q.v)) return abbruch(std::move(e), std::string(kFehlerUeberlauf) + " bei der Berechnung von k");
        break;
    }
    case -7: {
        Single ordnung = 0;
        if (!alsSingle(2 * b, ordnung))
            return abbruch(std::move(e), std::string(kFehlerUeberlauf) + " bei der Berechnung von n");
        const LinWert kehr = linQuotient(1.0, a);
        const double potenz = std::pow(c0, static_cast<double>(ordnung) - 1);
        if (kehr.fehler) return abbruch(std::move(e), std::string(kehr.fehler) + " bei der Berechnung von k");
        if (!std::isfinite(potenz))
            return abbruch(std::move(e), "Ungültiges Argument bei der Berechnung von k (c(A)(0) <= 0)");
        const LinWert k = linQuotient(kehr.v, potenz);
        Single ks = 0;
        if (k.fehler || !alsSingle(k.v, ks))
            return abbruch(std::move(e), std::string(k.fehler ? k.fehler : kFehlerUeberlauf) + " bei der Berechnung von k");
        e.regrA = k.v;
        text = "Berechnungsergebnis: n = " + Format(ordnung, ".0") + ";  k = " + Format(ks);
        break;
    }
    case -6:
        if (!kText(app.bGleicheC0 ? b : b / 2))
            return abbruch(std::move(e), std::string(kFehlerUeberlauf) + " bei der Berechnung von k");
        break;
    case -3: {
        const double ea = -b * kGasR / 1000;
        Single vorfaktor = 0;
        if (!alsSingle(std::exp(a), vorfaktor))
            return abbruch(std::move(e), std::string(kFehlerUeberlauf) + " bei der Berechnung von A");
        e.regrB = ea;
        text = "Berechnungsergebnis: EA/(kJ/mol) = " + Format(ea, "####0.00") + ";  A = " + Format(vorfaktor);
        break;
    }
    case -4: {
        const double h = -b * kGasR / 1000;
        const double sAkt = (a - std::log(kBoltzmann / kPlanck)) * kGasR;
        e.regrB = h;
        e.regrA = sAkt;
        text = "Resultat: h#/(kJ/mol) = " + Format(h, "####0.00") + ";  s#/(J/mol*K) = " + Format(sAkt, "####0.0") +
               ", Achtung: s# ist nur korrekt, wenn für k gilt [t] = s";
        break;
    }
    default:
        return abbruch(std::move(e), "Keine Auswertung für diese Diagrammart");
    }
    e.statusText = text + extra;
    if (e.r2 > 0) e.statusText += "   (R^2 = " + Format(e.r2, "0.00000") + ")";
    return e;
}

}  // namespace vrn
