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
