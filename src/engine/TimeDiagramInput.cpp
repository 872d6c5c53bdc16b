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

Zahlfeld timeDiagramFeld(int index, bool forList) {
    const int m = app.iModell;
    if (index >= 0 && index <= 4) {
        const int i = index + 1;
        Zahlfeld f = zahlfeld("Anfangskonzentration", anfangsSymbol(m, i), Breite::Double, Bereich::NichtNegativ,
                          Leer::IstNull);
        const char* fehlt = nullptr;
        if (i == 1) fehlt = "- noch keine Eingabe einer Anfangskonzentration c(A)(0)";
        if (i == 2)
            fehlt = m == 10 ? "- noch keine Eingabe einer Anfangskonzentration c(S)(0)"
                            : "- noch keine Eingabe einer Anfangskonzentration c(B)(0)";
        if (i == 4 && (m == 5 || m == 16))
            fehlt = forList ? "- für Autokatalyse muss eine (geringe) Anfangskonzentration für P gegeben sein"
                            : "- für Autokatalyse muss ein (geringes) c(P)(0) gegeben sein, sonst springt die "
                              "Reaktion nicht an ";
        return mitFehltZeile(f, fehlt);
    }
    if (index >= 10 && index <= 12) {
        const std::string kj = "k" + std::to_string(index - 9);
        return zahlfeld("Geschwindigkeitskonstante", kj, Breite::Double, Bereich::Positiv, Leer::IstNull,
                    "- Geschwindigkeitskonstante " + kj + " muss größer Null sein");
    }
    return zahlfeld("Zeit-Vorgabe", "t(max)", Breite::Single, Bereich::Positiv, Leer::IstNull,
                "- Zeit-Vorgabe nicht in Ordnung");
}

Zahlfeld s0maxFeld() { return zahlfeld("Substratkonzentration", "S(0),max", Breite::Single, Bereich::Positiv, Leer::Fehlt); }

Zahlfeld ordnungsFeld(Bereich bereich) {
    return zahlfeld("Reaktionsordnung", "n", Breite::Single, bereich, Leer::Fehlt, "- nur n > 0 erlaubt");
}

std::string checkTimeDiagramInputs(bool forList, const TimeDiagramVisibility& shown, const TimeDiagramLesungen& l) {
    std::string m;
    auto add = [&m](const std::string& line) {
        if (!line.empty()) m += line + "\r\n";
    };
    // Each field either as the reading refused it or checked in its range.
    auto pruefe = [&](int index, double wert) {
        const std::string& gelesen = l.inp[static_cast<std::size_t>(index)];
        add(!gelesen.empty() ? gelesen : pruefeBereich(wert, timeDiagramFeld(index, forList)));
    };
    // Initial concentrations in the order of the species; a hidden B is never checked.
    for (int i = 1; i <= 5; ++i)
        if (i != 2 || shown.fieldB) pruefe(i - 1, app.c0[static_cast<std::size_t>(i)]);
    // n < 0 is refused for the concentration diagram of model 20 only.
    if (app.iModell == 20 && !l.ordnung.empty()) add(l.ordnung);
    else if (app.nOrdnung < 0 && app.iDiagrammTyp == 20) add("- nur n > 0 erlaubt");
    // A t(max) beyond 3.4E+38 is no time the simulation could take (its last
    // point would pass the largest Single): refused and named, whether it
    // came as text or as a value.
    if (l.inp[14].empty() && app.tEnd > kTEndGrenze) add(kZeitZuGross);
    else pruefe(14, app.tEnd);
    const bool shownK[] = {true, shown.fieldK2, shown.fieldK3};
    for (int j = 1; j <= 3; ++j)
        if (shownK[j - 1]) pruefe(9 + j, app.k[static_cast<std::size_t>(j)]);
    // S(0),max spans the 201 points of its curve, like t(max).
    if (app.bMMdiagramm && !app.bMMnormiert) {
        if (!l.s0max.empty()) add(l.s0max);
        else if (app.S0max > kTEndGrenze)
            add("- Substratkonzentration zu groß: S(0),max darf höchstens 3.4E+38 sein");
        else add(pruefeBereich(app.S0max, s0maxFeld()));
    }
    return m;
}

}  // namespace vrn
