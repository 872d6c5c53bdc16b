#include "chart/DrawnState.h"

#include "shell/StateOwner.h"

namespace vrn {

namespace {

GezeichnetMit ausDemZustand() {
    GezeichnetMit g;
    g.gueltig = true;
    g.iModell = app.iModell;
    g.iDiagrammTyp = app.iDiagrammTyp;
    g.nOrdnung = app.nOrdnung;
    g.k = app.k;
    g.c0 = app.c0;
    g.c0Daten = app.c0Daten;
    g.tEnd = app.tEnd;
    g.sZeiteinheit = app.sZeiteinheit;
    g.sSpeziesMaske = app.sSpeziesMaske;
    g.bNumerisch = app.bNumerisch;
    g.bMMdiagramm = app.bMMdiagramm;
    return g;
}

}  // namespace

void merkeGezeichnetenStand() {
    Aenderung aenderung;
    app.gezeichnetMit = ausDemZustand();
}

GezeichnetMit gezeichnetOderJetzt() { return app.gezeichnetMit.gueltig ? app.gezeichnetMit : ausDemZustand(); }

AtTimeInputs eingabenAusGezeichnet(const GezeichnetMit& g) {
    AtTimeInputs in;
    in.model.model = g.iModell;
    in.model.c0 = g.c0;
    in.model.k = g.k;
    in.model.ordnung = g.nOrdnung;
    in.sSpeziesMaske = g.sSpeziesMaske;
    in.bMMdiagramm = g.bMMdiagramm;
    return in;
}

HalbwertszeitLage lageAusGezeichnet(const GezeichnetMit& g) { return {g.iDiagrammTyp, g.c0, g.k}; }

}  // namespace vrn
