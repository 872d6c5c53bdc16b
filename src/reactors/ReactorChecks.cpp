#include "reactors/ReactorChecks.h"

#include <cmath>

#include "base/NumberText.h"
#include "engine/TimeDiagramInput.h"

namespace vrn {

namespace {

const std::string kCrLf = "\r\n";

bool modelIn(Integer model, std::initializer_list<int> models) {
    for (int m : models)
        if (m == model) return true;
    return false;
}

// A field either as the reading refused it or checked in its range.
void pruefe(const ReactorInput& in, ReaktorFenster w, int field, double wert, std::string& list) {
    const std::string& gelesen = in.gelesen[static_cast<std::size_t>(field)];
    const std::string line = !gelesen.empty() ? gelesen : pruefeBereich(wert, reaktorFeld(w, field, in.model, in.fieldB));
    if (!line.empty()) list += line + kCrLf;
}

// The feed and rate-constant lines the batch and the tube share; the tube
// names no number in its k2 line.
void feedAndConstantLines(const ReactorInput& in, ReaktorFenster w, std::string& list) {
    for (int i = 1; i <= 5; ++i)
        if (i != B || in.fieldB) pruefe(in, w, i - 1, in.c0[static_cast<std::size_t>(i)], list);
    const bool shownK[] = {true, in.fieldK2, in.fieldK3};
    for (int j = 1; j <= 3; ++j)
        if (shownK[j - 1]) pruefe(in, w, 9 + j, in.k[static_cast<std::size_t>(j)], list);
    if (in.model == 20 && !in.ordnung.empty()) list += in.ordnung + kCrLf;
}

Zahlfeld feld(std::string thema, std::string symbol, Bereich bereich, std::string eigene = {}, bool nurNull = false) {
    Zahlfeld f;
    f.thema = std::move(thema);
    f.symbol = std::move(symbol);
    f.bereich = bereich;
    f.leer = Leer::IstNull;
    f.eigeneZeile = std::move(eigene);
    f.eigeneZeileNurFuerNull = nurNull;
    return f;
}

}  // namespace

Zahlfeld reaktorFeld(ReaktorFenster w, int index, Integer model, bool fieldB) {
    const bool kessel = w == ReaktorFenster::Kessel;
    if (index >= 0 && index <= 4) {
        const int i = index + 1;
        Zahlfeld f = feld(kessel ? "Eingangskonzentration" : "Anfangskonzentration", anfangsSymbol(model, i),
                          Bereich::NichtNegativ);
        const char* fehlt = nullptr;
        if (i == A) fehlt = kessel ? "- Eingangskonzentration für Stoff A angeben!"
                                   : "- noch keine Eingabe einer Anfangskonzentration c(A)(0)";
        if (i == B && kessel && modelIn(model, {4, 7, 9, 12, 13, 18}))
            fehlt = "- Eingangskonzentration für Stoff B angeben!";
        if (i == B && kessel && model == 10) fehlt = "- Eingangskonzentration für Stoff S angeben!";
        if (i == B && !kessel && fieldB)
            fehlt = model == 10 ? "- noch keine Eingabe einer Anfangskonzentration c(S)(0)"
                                : "- noch keine Eingabe einer Anfangskonzentration c(B)(0)";
        if (i == P && (model == 5 || model == 16))
            fehlt = "- für Autokatalyse muss ein (geringes) c(P)(0) gegeben sein, sonst springt die Reaktion nicht an";
        if (fehlt) {
            f.bereich = Bereich::Positiv;
            f.eigeneZeile = fehlt;
            f.eigeneZeileNurFuerNull = true;
        }
        return f;
    }
    if (index >= 10 && index <= 12) {
        const std::string kj = "k" + std::to_string(index - 9);
        return feld("Geschwindigkeitskonstante", kj, Bereich::Positiv,
                    index == 11 && w == ReaktorFenster::Rohr ? "- Geschwindigkeitskonstante muss größer Null sein"
                                                              : "- Geschwindigkeitskonstante " + kj + " muss größer Null sein");
    }
    if (index == 13)
        return feld("Umsatz", "U(A)", Bereich::NullBisEins,
                    kessel ? "- Der Umsatz muss (0 < U <= 1) sein."
                           : "- noch keine sinnvolle Eingabe des Umsatzes (0 < U < 1)");
    if (kessel) {
        if (index == 14) return feld("Reaktionsvolumen", "V", Bereich::Positiv, "- Das Reaktionsvolumen muss größer Null sein.");
        if (index == 15) return feld("Volumenstrom", "V*", Bereich::Positiv, "- Der Volumenstrom muss größer Null sein.");
        return feld("mittlere Verweilzeit", "t", Bereich::Positiv, "- Die Zeitangabe muss größer Null sein.");
    }
    if (index == 14) return feld("Reaktionszeit", "t", Bereich::Positiv, "- noch keine Eingabe der Reaktionszeit", true);
    if (index == 15) return feld("Rohrlänge", "l", Bereich::Positiv, "- noch keine Eingabe der Rohrlänge", true);
    return feld("Fließgeschwindigkeit", "v", Bereich::Positiv, "- noch keine Eingabe der Fließgeschwindigkeit", true);
}

std::string batchCheckList(const ReactorInput& in) {
    constexpr ReaktorFenster w = ReaktorFenster::Batch;
    std::string list;
    if (in.selection == 0) pruefe(in, w, 14, in.t, list);
    if (in.selection == 1) pruefe(in, w, 13, in.U, list);
    // The threshold of B needs U, c(A)(0) and c(B)(0) as typed.
    const bool lesbar = in.gelesen[13].empty() && in.gelesen[0].empty() && in.gelesen[1].empty();
    if (in.selection == 1 && lesbar && modelIn(in.model, {4, 9, 10, 13, 18}) && in.U * in.c0[A] >= in.c0[B])
        list += "Für den gewünschten Umsatz muss die Vorgabe-Konzentration von B > " + Str(in.U * in.c0[A]) +
                " sein." + kCrLf;
    feedAndConstantLines(in, w, list);
    return list;
}

std::string tubeCheckList(const ReactorInput& in) {
    constexpr ReaktorFenster w = ReaktorFenster::Rohr;
    std::string list;
    pruefe(in, w, 16, in.v, list);
    if (in.selection == 0) pruefe(in, w, 14, in.t, list);
    if (in.selection == 1) pruefe(in, w, 15, in.l, list);
    if (in.selection == 2) pruefe(in, w, 13, in.U, list);
    feedAndConstantLines(in, w, list);
    return list;
}

std::string tankCheckList(const ReactorInput& in) {
    constexpr ReaktorFenster w = ReaktorFenster::Kessel;
    const int s = in.selection;
    std::string list;
    // The feeds in the order of the species; c(B)(0) by the model, not by its field.
    for (int i = 1; i <= 5; ++i) pruefe(in, w, i - 1, in.c0[static_cast<std::size_t>(i)], list);
    const bool shownK[] = {true, in.fieldK2, in.fieldK3};
    for (int j = 1; j <= 3; ++j)
        if (shownK[j - 1]) pruefe(in, w, 9 + j, in.k[static_cast<std::size_t>(j)], list);
    if (in.model == 20 && !in.ordnung.empty()) list += in.ordnung + kCrLf;
    if (s == 0 || s == 1) pruefe(in, w, 13, in.U, list);
    if (s == 0 || s == 2 || s == 3) pruefe(in, w, 14, in.V, list);
    if (s == 1 || s == 2 || s == 4) pruefe(in, w, 15, in.VPunkt, list);
    if (s == 3 || s == 4) pruefe(in, w, 16, in.t, list);
    return list;
}

bool hasEquilibriumLimit(Integer model) { return model == 8 || model == 12 || model == 17; }

// Model 8: Umax = (K·A0 − P0) / (K + 1) / A0. Models 12 and 17: the extent x
// at equilibrium solves x² + p·x + q = 0; the larger root is taken when it
// gives a conversion in 0..1, else the smaller. Model 12 with K = 4 has the
// linear equation (4·P0 + 4·(A0 + B0))·x = 4·A0·B0 − P0² instead.
EquilibriumLimit equilibriumLimit(Integer model, const Konz& c0, const Konstanten& k) {
    EquilibriumLimit r;
    const double A0 = c0[A], B0 = c0[B], P0 = c0[P];
    const double K = k[1] / k[2];
    if (!std::isfinite(K) || !(A0 > 0)) return {false, 0};
    if (model == 8) {
        r.Umax = (K * A0 - P0) / (K + 1) / A0;
    } else if (model == 12 && K == 4) {
        r.Umax = (K * A0 * B0 - P0 * P0) / (4 * P0 + K * (A0 + B0)) / A0;
    } else if (model == 12 || model == 17) {
        double p, q;
        if (model == 12) {
            p = (K * A0 + 4 * P0 + K * B0) / (4 - K);
            q = (P0 * P0 - K * A0 * B0) / (4 - K);
        } else {
            p = -A0 - B0 - 1 / K;
            q = B0 * A0 - P0 / K;
        }
        const double D = p * p / 4 - q;
        if (!(D >= 0)) return {false, 0};
        const double x1 = -p / 2 + std::sqrt(D), x2 = -p / 2 - std::sqrt(D);
        const double Ua = x1 / A0, Ub = x2 / A0;
        r.Umax = Ua >= 0 && Ua <= 1 ? Ua : Ub;
    }
    if (!std::isfinite(r.Umax)) return {false, 0};
    return r;
}

std::string unreachableConversionText(double Umax) {
    return "- der Vorgabe-Umsatz U(A) kann bei dieser Gleichgewichtsreaktion" + kCrLf +
           "  mit den gegebenen Anfangskonzentrationen nicht erreicht werden." + kCrLf + kCrLf +
           "  (U(A)(max) = " + Format(Umax, "0.000#") + ")";
}

}  // namespace vrn
