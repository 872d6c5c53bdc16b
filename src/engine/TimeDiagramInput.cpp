#include "engine/TimeDiagramInput.h"

#include <cmath>

#include "shell/AppState.h"

namespace vrn {

std::string zuGrossZeile(std::string_view thema, std::string_view symbol, bool single) {
    return "- " + std::string(thema) + " zu groß: " + std::string(symbol) + " darf höchstens " +
           (single ? "3.4E+38" : "1.7E+308") + " sein";
}

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
        if (zuGross.inp[static_cast<std::size_t>(i - 1)]) {
            add(zuGrossZeile("Anfangskonzentration", anfangsSymbol(app.iModell, i)));
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
    if (app.nOrdnung < 0 && app.iDiagrammTyp == 20) add("- nur n > 0 erlaubt");
    // A t(max) beyond the range of its Single is no time the simulation could
    // take: refused and named, whether it came as text or as an infinite value.
    if (zuGross.inp[14] || (app.tEnd > 0 && !std::isfinite(app.tEnd))) add(kZeitZuGross);
    else if (app.tEnd <= 0) add("- Zeit-Vorgabe nicht in Ordnung");
    const bool shownK[] = {true, shown.fieldK2, shown.fieldK3};
    for (int j = 1; j <= 3; ++j) {
        const std::string kj = "k" + std::to_string(j);
        if (zuGross.inp[static_cast<std::size_t>(9 + j)]) add(zuGrossZeile("Geschwindigkeitskonstante", kj));
        else if (app.k[static_cast<std::size_t>(j)] <= 0 && shownK[j - 1])
            add("- Geschwindigkeitskonstante " + kj + " muss größer Null sein");
    }
    if (zuGross.s0max && app.bMMdiagramm && !app.bMMnormiert)
        add(zuGrossZeile("Substratkonzentration", "S(0),max", true));
    return m;
}

}  // namespace vrn
