#include "reactors/ReactorChecks.h"

#include <cmath>

#include "base/NumberText.h"

namespace vrn {

namespace {

const std::string kCrLf = "\r\n";

bool modelIn(Integer model, std::initializer_list<int> models) {
    for (int m : models)
        if (m == model) return true;
    return false;
}

// The feed and rate-constant lines the batch and the tube share; the tube
// names no number in its k2 line.
void feedAndConstantLines(const ReactorInput& in, bool tube, std::string& list) {
    auto add = [&list](const char* line) { list += std::string(line) + kCrLf; };
    if (in.c0[A] <= 0) add("- noch keine Eingabe einer Anfangskonzentration c(A)(0)");
    if (in.c0[B] <= 0 && in.fieldB)
        add(in.model == 10 ? "- noch keine Eingabe einer Anfangskonzentration c(S)(0)"
                           : "- noch keine Eingabe einer Anfangskonzentration c(B)(0)");
    if ((in.model == 5 || in.model == 16) && in.c0[P] <= 0)
        add("- für Autokatalyse muss ein (geringes) c(P)(0) gegeben sein, sonst springt die Reaktion nicht an");
    if (in.k[1] <= 0) add("- Geschwindigkeitskonstante k1 muss größer Null sein");
    if (in.k[2] <= 0 && in.fieldK2)
        add(tube ? "- Geschwindigkeitskonstante muss größer Null sein"
                 : "- Geschwindigkeitskonstante k2 muss größer Null sein");
    if (in.k[3] <= 0 && in.fieldK3) add("- Geschwindigkeitskonstante k3 muss größer Null sein");
}

bool sensibleConversion(double U) { return U > 0 && U < 1; }

}  // namespace

std::string batchCheckList(const ReactorInput& in) {
    std::string list;
    if (in.selection == 0 && in.t <= 0) list += "- noch keine Eingabe der Reaktionszeit" + kCrLf;
    if (in.selection == 1 && !sensibleConversion(in.U))
        list += "- noch keine sinnvolle Eingabe des Umsatzes (0 < U < 1)" + kCrLf;
    if (in.selection == 1 && modelIn(in.model, {4, 9, 10, 13, 18}) && in.U * in.c0[A] >= in.c0[B])
        list += "Für den gewünschten Umsatz muss die Vorgabe-Konzentration von B > " + Str(in.U * in.c0[A]) +
                " sein." + kCrLf;
    feedAndConstantLines(in, false, list);
    return list;
}

std::string tubeCheckList(const ReactorInput& in) {
    std::string list;
    if (in.v <= 0) list += "- noch keine Eingabe der Fließgeschwindigkeit" + kCrLf;
    if (in.selection == 0 && in.t <= 0) list += "- noch keine Eingabe der Reaktionszeit" + kCrLf;
    if (in.selection == 1 && in.l <= 0) list += "- noch keine Eingabe der Rohrlänge" + kCrLf;
    if (in.selection == 2 && !sensibleConversion(in.U))
        list += "- noch keine sinnvolle Eingabe des Umsatzes (0 < U < 1)" + kCrLf;
    feedAndConstantLines(in, true, list);
    return list;
}

std::string tankCheckList(const ReactorInput& in) {
    struct Line {
        bool failed;
        const char* text;
    };
    const int s = in.selection;
    const Line lines[] = {
        {in.c0[A] <= 0, "- Eingangskonzentration für Stoff A angeben!"},
        {in.c0[B] <= 0 && modelIn(in.model, {4, 7, 9, 12, 13, 18}), "- Eingangskonzentration für Stoff B angeben!"},
        {in.c0[B] <= 0 && in.model == 10, "- Eingangskonzentration für Stoff S angeben!"},
        {(in.model == 5 || in.model == 16) && in.c0[P] <= 0,
         "- für Autokatalyse muss ein (geringes) c(P)(0) gegeben sein, sonst springt die Reaktion nicht an"},
        {in.k[1] <= 0, "- Geschwindigkeitskonstante k1 muss größer Null sein"},
        {in.fieldK2 && in.k[2] <= 0, "- Geschwindigkeitskonstante k2 muss größer Null sein"},
        {in.fieldK3 && in.k[3] <= 0, "- Geschwindigkeitskonstante k3 muss größer Null sein"},
        {(s == 0 || s == 1) && !sensibleConversion(in.U), "- Der Umsatz muss (0 < U <= 1) sein."},
        {(s == 0 || s == 2 || s == 3) && in.V <= 0, "- Das Reaktionsvolumen muss größer Null sein."},
        {(s == 1 || s == 2 || s == 4) && in.VPunkt <= 0, "- Der Volumenstrom muss größer Null sein."},
        {(s == 3 || s == 4) && in.t <= 0, "- Die Zeitangabe muss größer Null sein."},
    };
    std::string list;
    for (const Line& l : lines)
        if (l.failed) list += std::string(l.text) + kCrLf;
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
