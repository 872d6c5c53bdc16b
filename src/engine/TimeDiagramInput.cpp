#include "engine/TimeDiagramInput.h"

#include <cmath>

#include "shell/AppState.h"

namespace vrn {

std::string anfangsSymbol(int model, int i) {
    static const char* const normal[] = {"A", "B", "C", "P", "Q"};
    static const char* const enzym[] = {"E", "S", "ES", "P", "Q"};
    if (i < 1 || i > 5) return {};
    return std::string("c(") + (model == 10 ? enzym : normal)[i - 1] + ")(0)";
}

std::string checkTimeDiagramInputs(bool forList, const TimeDiagramVisibility& shown, const TimeDiagramTooLarge& zuGross) {
    std::string m;
    auto add = [&m](const std::string& line) { m += line + "\r\n"; };
    // Initial concentrations in the order of the species; each either too large or checked.
    for (int i = 1; i <= 5; ++i) {
        if (const Ueberlauf u = zuGross.inp[static_cast<std::size_t>(i - 1)]; u != Ueberlauf::Keiner) {
            add(ueberlaufZeile("Anfangskonzentration", anfangsSymbol(app.iModell, i), u));
            continue;
        }
        if (i == 1 && app.c0[1] <= 0) add("- noch keine Eingabe einer Anfangskonzentration c(A)(0)");
        if (i == 2 && app.c0[2] <= 0 && shown.fieldB)
            add(app.iModell == 10 ? "- noch keine Eingabe einer Anfangskonzentration c(S)(0)"
                                  : "- noch keine Eingabe einer Anfangskonzentration c(B)(0)");
        if (i == 4 && (app.iModell == 5 || app.iModell == 16) && app.c0[4] <= 0)
            add(forList ? "- für Autokatalyse muss eine (geringe) Anfangskonzentration für P gegeben sein"
                        : "- für Autokatalyse muss ein (geringes) c(P)(0) gegeben sein, sonst springt die Reaktion nicht an ");
    }
    if (app.iModell == 20 && zuGross.ordnung != Ueberlauf::Keiner)
        add(ueberlaufZeile("Reaktionsordnung", "n", zuGross.ordnung, true));
    else if (app.nOrdnung < 0 && app.iDiagrammTyp == 20) add("- nur n > 0 erlaubt");
    // A t(max) beyond 3.4E+38 is no time the simulation could take (its last
    // point would pass the largest Single): refused and named, whether it
    // came as text or as a value.
    if (zuGross.inp[14] == Ueberlauf::ZuKlein) add(ueberlaufZeile("Zeit-Vorgabe", "t(max)", Ueberlauf::ZuKlein, true));
    else if (zuGross.inp[14] == Ueberlauf::ZuGross || app.tEnd > kTEndGrenze) add(kZeitZuGross);
    else if (!(app.tEnd > 0)) add("- Zeit-Vorgabe nicht in Ordnung");
    const bool shownK[] = {true, shown.fieldK2, shown.fieldK3};
    for (int j = 1; j <= 3; ++j) {
        const std::string kj = "k" + std::to_string(j);
        if (const Ueberlauf u = zuGross.inp[static_cast<std::size_t>(9 + j)]; u != Ueberlauf::Keiner)
            add(ueberlaufZeile("Geschwindigkeitskonstante", kj, u));
        else if (app.k[static_cast<std::size_t>(j)] <= 0 && shownK[j - 1])
            add("- Geschwindigkeitskonstante " + kj + " muss größer Null sein");
    }
    // S(0),max, like t(max), spans the 201 points of its curve: at most 3.4E+38.
    const Ueberlauf s0 = zuGross.s0max != Ueberlauf::Keiner ? zuGross.s0max
                         : app.S0max > kTEndGrenze        ? Ueberlauf::ZuGross
                                                          : Ueberlauf::Keiner;
    if (s0 != Ueberlauf::Keiner && app.bMMdiagramm && !app.bMMnormiert)
        add(ueberlaufZeile("Substratkonzentration", "S(0),max", s0, true));
    return m;
}

}  // namespace vrn
