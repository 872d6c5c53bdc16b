#include "reactors/ReactorChecks.h"

#include <algorithm>
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

// A field of a reactor window: a Double, empty counts 0.
Zahlfeld feld(std::string thema, std::string symbol, Bereich bereich, std::string eigene = {}, bool nurNull = false) {
    return zahlfeld(std::move(thema), std::move(symbol), Breite::Double, bereich, Leer::IstNull, std::move(eigene),
                    nurNull);
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
        return mitFehltZeile(f, fehlt);
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

namespace {

// The extent x at equilibrium of models 12 and 17: the root of
// a·x² + b·x + c = 0 that keeps every concentration at or above 0, in
// [lo, hi]. The discriminant comes written out by the caller, a sum of terms
// of one sign for feeds of one sign; the root near 0 is taken as c/q, the
// other as q/a (q = −(b + sign(b)·√D)/2), so that neither is the difference
// of two nearly equal numbers (with K near 4 in model 12 a is nearly 0 and
// the other root huge). a = 0 leaves the linear equation. Of two roots the
// one nearer to [lo, hi] is taken, and kept within it against rounding.
// false: no real root.
bool equilibriumExtent(double a, double b, double c, double D, double lo, double hi, double& x) {
    if (!(D >= 0) || !std::isfinite(D)) return false;
    double roots[2];
    int count = 0;
    if (a == 0) {
        if (b == 0) return false;
        roots[count++] = -c / b;
    } else {
        const double w = std::sqrt(D);
        const double q = -0.5 * (b + (b >= 0 ? w : -w));
        if (q == 0) {
            roots[count++] = 0;
        } else {
            roots[count++] = c / q;
            roots[count++] = q / a;
        }
    }
    auto outside = [lo, hi](double r) { return r < lo ? lo - r : r > hi ? r - hi : 0.0; };
    double best = roots[0];
    for (int i = 1; i < count; ++i)
        if (outside(roots[i]) < outside(best)) best = roots[i];
    if (!std::isfinite(best)) return false;
    x = lo <= hi ? std::min(std::max(best, lo), hi) : best;
    return true;
}

}  // namespace

// Model 8: Umax = (K·A0 − P0) / (K + 1) / A0. Models 12 and 17: the extent x
// at equilibrium, divided by A0:
//   12: K·(A0 − x)·(B0 − x) = (P0 + 2x)², i.e. (K − 4)·x² − (K·(A0 + B0) + 4·P0)·x + K·A0·B0 − P0² = 0,
//       discriminant K²·(A0 − B0)² + 8·K·P0·(A0 + B0) + 4·K·P0² + 16·K·A0·B0, x in [−P0/2, min(A0, B0)];
//   17: K·(A0 − x)·(B0 − x) = P0 + x, i.e. K·x² − (K·(A0 + B0) + 1)·x + K·A0·B0 − P0 = 0,
//       discriminant K²·(A0 − B0)² + 2·K·(A0 + B0) + 1 + 4·K·P0, x in [−P0, min(A0, B0)].
EquilibriumLimit equilibriumLimit(Integer model, const Konz& c0, const Konstanten& k) {
    EquilibriumLimit r;
    const double A0 = c0[A], B0 = c0[B], P0 = c0[P];
    const double K = k[1] / k[2];
    if (!std::isfinite(K) || !(A0 > 0)) return {false, 0};
    if (model == 8) {
        r.Umax = (K * A0 - P0) / (K + 1) / A0;
    } else if (model == 12 || model == 17) {
        const double d = A0 - B0, hi = std::min(A0, B0);
        double x = 0;
        const bool real =
            model == 12
                ? equilibriumExtent(K - 4, -(K * (A0 + B0) + 4 * P0), K * A0 * B0 - P0 * P0,
                                    K * K * d * d + 8 * K * P0 * (A0 + B0) + 4 * K * P0 * P0 + 16 * K * A0 * B0,
                                    -P0 / 2, hi, x)
                : equilibriumExtent(K, -(K * (A0 + B0) + 1), K * A0 * B0 - P0,
                                    K * K * d * d + 2 * K * (A0 + B0) + 1 + 4 * K * P0, -P0, hi, x);
        if (!real) return {false, 0};
        r.Umax = x / A0;
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
