#include "engine/TimeDiagramInput.h"

#include <cmath>

#include "shell/AppState.h"

namespace vrn {

std::string checkTimeDiagramInputs(bool forList, const TimeDiagramVisibility& shown) {
    std::string m;
    auto add = [&m](const char* line) { m += std::string(line) + "\r\n"; };
    if (app.c0[1] <= 0) add("- noch keine Eingabe einer Anfangskonzentration c(A)(0)");
    if (app.c0[2] <= 0 && shown.fieldB)
        add(app.iModell == 10 ? "- noch keine Eingabe einer Anfangskonzentration c(S)(0)"
                              : "- noch keine Eingabe einer Anfangskonzentration c(B)(0)");
    if ((app.iModell == 5 || app.iModell == 16) && app.c0[4] <= 0)
        add(forList ? "- für Autokatalyse muss eine (geringe) Anfangskonzentration für P gegeben sein"
                    : "- für Autokatalyse muss ein (geringes) c(P)(0) gegeben sein, sonst springt die Reaktion nicht an ");
    if (app.nOrdnung < 0 && app.iDiagrammTyp == 20) add("- nur n > 0 erlaubt");
    if (app.tEnd <= 0) add("- Zeit-Vorgabe nicht in Ordnung");
    // A t(max) beyond the range of its Single becomes infinite on the way in;
    // it is no time the simulation could take, so it is refused here and named.
    if (app.tEnd > 0 && !std::isfinite(app.tEnd)) add(kZeitZuGross);
    if (app.k[1] <= 0) add("- Geschwindigkeitskonstante k1 muss größer Null sein");
    if (app.k[2] <= 0 && shown.fieldK2) add("- Geschwindigkeitskonstante k2 muss größer Null sein");
    if (app.k[3] <= 0 && shown.fieldK3) add("- Geschwindigkeitskonstante k3 muss größer Null sein");
    return m;
}

}  // namespace vrn
