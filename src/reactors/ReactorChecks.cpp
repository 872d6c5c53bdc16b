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

// A field too large: its line, and true (its own checks are left out).
bool zuGross(const ReactorInput& in, int field, std::string_view thema, const std::string& symbol, std::string& list) {
    const Ueberlauf u = in.zuGross[static_cast<std::size_t>(field)];
    if (u == Ueberlauf::Keiner) return false;
    list += ueberlaufZeile(thema, symbol, u) + kCrLf;
    return true;
}

// The feed and rate-constant lines the batch and the tube share; the tube
// names no number in its k2 line.
void feedAndConstantLines(const ReactorInput& in, bool tube, std::string& list) {
    auto add = [&list](const char* line) { list += std::string(line) + kCrLf; };
    for (int i = 1; i <= 5; ++i) {
        if (zuGross(in, i - 1, "Anfangskonzentration", anfangsSymbol(in.model, i), list)) continue;
        if (i == A && in.c0[A] <= 0) add("- noch keine Eingabe einer Anfangskonzentration c(A)(0)");
        if (i == B && in.c0[B] <= 0 && in.fieldB)
            add(in.model == 10 ? "- noch keine Eingabe einer Anfangskonzentration c(S)(0)"
                               : "- noch keine Eingabe einer Anfangskonzentration c(B)(0)");
        if (i == P && (in.model == 5 || in.model == 16) && in.c0[P] <= 0)
            add("- für Autokatalyse muss ein (geringes) c(P)(0) gegeben sein, sonst springt die Reaktion nicht an");
    }
    if (!zuGross(in, 10, "Geschwindigkeitskonstante", "k1", list) && in.k[1] <= 0)
        add("- Geschwindigkeitskonstante k1 muss größer Null sein");
    if (!zuGross(in, 11, "Geschwindigkeitskonstante", "k2", list) && in.k[2] <= 0 && in.fieldK2)
        add(tube ? "- Geschwindigkeitskonstante muss größer Null sein"
                 : "- Geschwindigkeitskonstante k2 muss größer Null sein");
    if (!zuGross(in, 12, "Geschwindigkeitskonstante", "k3", list) && in.k[3] <= 0 && in.fieldK3)
        add("- Geschwindigkeitskonstante k3 muss größer Null sein");
    if (in.model == 20 && in.ordnung != Ueberlauf::Keiner)
        list += ueberlaufZeile("Reaktionsordnung", "n", in.ordnung, true) + kCrLf;
}

bool sensibleConversion(double U) { return U > 0 && U < 1; }

}  // namespace

std::string batchCheckList(const ReactorInput& in) {
    std::string list;
    if (in.selection == 0 && !zuGross(in, 14, "Reaktionszeit", "t", list) && in.t <= 0)
        list += "- noch keine Eingabe der Reaktionszeit" + kCrLf;
    if (in.selection == 1 && !zuGross(in, 13, "Umsatz", "U(A)", list) && !sensibleConversion(in.U))
        list += "- noch keine sinnvolle Eingabe des Umsatzes (0 < U < 1)" + kCrLf;
    // The threshold of B needs U, c(A)(0) and c(B)(0) as typed.
    const bool lesbar =
        in.zuGross[13] == Ueberlauf::Keiner && in.zuGross[0] == Ueberlauf::Keiner && in.zuGross[1] == Ueberlauf::Keiner;
    if (in.selection == 1 && lesbar && modelIn(in.model, {4, 9, 10, 13, 18}) && in.U * in.c0[A] >= in.c0[B])
        list += "Für den gewünschten Umsatz muss die Vorgabe-Konzentration von B > " + Str(in.U * in.c0[A]) +
                " sein." + kCrLf;
    feedAndConstantLines(in, false, list);
    return list;
}

std::string tubeCheckList(const ReactorInput& in) {
    std::string list;
    if (!zuGross(in, 16, "Fließgeschwindigkeit", "v", list) && in.v <= 0)
        list += "- noch keine Eingabe der Fließgeschwindigkeit" + kCrLf;
    if (in.selection == 0 && !zuGross(in, 14, "Reaktionszeit", "t", list) && in.t <= 0)
        list += "- noch keine Eingabe der Reaktionszeit" + kCrLf;
    if (in.selection == 1 && !zuGross(in, 15, "Rohrlänge", "l", list) && in.l <= 0)
        list += "- noch keine Eingabe der Rohrlänge" + kCrLf;
    if (in.selection == 2 && !zuGross(in, 13, "Umsatz", "U(A)", list) && !sensibleConversion(in.U))
        list += "- noch keine sinnvolle Eingabe des Umsatzes (0 < U < 1)" + kCrLf;
    feedAndConstantLines(in, true, list);
    return list;
}

std::string tankCheckList(const ReactorInput& in) {
    const int s = in.selection;
    std::string list;
    // Each line is either the field's own check or, for a field too large, its zuGrossZeile.
    auto line = [&](int field, std::string_view thema, const std::string& symbol, bool failed, const char* text) {
        if (field >= 0 && zuGross(in, field, thema, symbol, list)) return;
        if (failed) list += std::string(text) + kCrLf;
    };
    const auto feed = [&in](int i) { return anfangsSymbol(in.model, i); };
    line(0, "Eingangskonzentration", feed(A), in.c0[A] <= 0, "- Eingangskonzentration für Stoff A angeben!");
    line(1, "Eingangskonzentration", feed(B), in.c0[B] <= 0 && modelIn(in.model, {4, 7, 9, 12, 13, 18}),
         "- Eingangskonzentration für Stoff B angeben!");
    line(-1, {}, {}, in.c0[B] <= 0 && in.model == 10 && in.zuGross[1] == Ueberlauf::Keiner,
         "- Eingangskonzentration für Stoff S angeben!");
    line(2, "Eingangskonzentration", feed(C), false, "");
    line(3, "Eingangskonzentration", feed(P), (in.model == 5 || in.model == 16) && in.c0[P] <= 0,
         "- für Autokatalyse muss ein (geringes) c(P)(0) gegeben sein, sonst springt die Reaktion nicht an");
    line(4, "Eingangskonzentration", feed(Q), false, "");
    line(10, "Geschwindigkeitskonstante", "k1", in.k[1] <= 0, "- Geschwindigkeitskonstante k1 muss größer Null sein");
    line(11, "Geschwindigkeitskonstante", "k2", in.fieldK2 && in.k[2] <= 0,
         "- Geschwindigkeitskonstante k2 muss größer Null sein");
    line(12, "Geschwindigkeitskonstante", "k3", in.fieldK3 && in.k[3] <= 0,
         "- Geschwindigkeitskonstante k3 muss größer Null sein");
    if (in.model == 20 && in.ordnung != Ueberlauf::Keiner)
        list += ueberlaufZeile("Reaktionsordnung", "n", in.ordnung, true) + kCrLf;
    if (s == 0 || s == 1)
        line(13, "Umsatz", "U(A)", !sensibleConversion(in.U), "- Der Umsatz muss (0 < U <= 1) sein.");
    if (s == 0 || s == 2 || s == 3)
        line(14, "Reaktionsvolumen", "V", in.V <= 0, "- Das Reaktionsvolumen muss größer Null sein.");
    if (s == 1 || s == 2 || s == 4)
        line(15, "Volumenstrom", "V*", in.VPunkt <= 0, "- Der Volumenstrom muss größer Null sein.");
    if (s == 3 || s == 4)
        line(16, "mittlere Verweilzeit", "t", in.t <= 0, "- Die Zeitangabe muss größer Null sein.");
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
