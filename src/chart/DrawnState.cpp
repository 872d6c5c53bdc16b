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
    g.tHalbA_sim = app.tHalbA_sim;
    g.tHalbB_sim = app.tHalbB_sim;
    g.bNumerisch = app.bNumerisch;
    return g;
}

void inDenZustand(const GezeichnetMit& g) {
    app.iModell = g.iModell;
    app.iDiagrammTyp = g.iDiagrammTyp;
    app.nOrdnung = g.nOrdnung;
    app.k = g.k;
    app.c0 = g.c0;
    app.c0Daten = g.c0Daten;
    app.tEnd = g.tEnd;
    app.sZeiteinheit = g.sZeiteinheit;
    app.sSpeziesMaske = g.sSpeziesMaske;
    app.tHalbA_sim = g.tHalbA_sim;
    app.tHalbB_sim = g.tHalbB_sim;
    app.bNumerisch = g.bNumerisch;
}

}  // namespace

void merkeGezeichnetenStand() {
    Aenderung aenderung;
    app.gezeichnetMit = ausDemZustand();
}

ImGezeichnetenStand::ImGezeichnetenStand() : vorher_(ausDemZustand()) {
    if (app.gezeichnetMit.gueltig) inDenZustand(app.gezeichnetMit);
}

ImGezeichnetenStand::~ImGezeichnetenStand() { inDenZustand(vorher_); }

}  // namespace vrn
