#include "chart/DrawnState.h"

#include "engine/ModelMasks.h"
#include "shell/StateOwner.h"

namespace vrn {

namespace {

// The species the curves of a chart of the kind show: for the concentration
// (1..20) and rate (51..70) curves of a model, that model's (in the
// evaluation mode in force); for every other kind the masks the chart window
// set for it.
std::string speziesDerArt(Integer kind) {
    if (kind >= 1 && kind <= 20) return diagramMasks(kind, app.bAuswertungsart).species;
    if (kind >= 51 && kind <= 70) return diagramMasks(static_cast<Integer>(kind - 50), app.bAuswertungsart).species;
    return app.sSpeziesMaske;
}

GezeichnetMit ausDemZustand(const std::string& maske) {
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
    g.sSpeziesMaske = maske;
    g.bNumerisch = app.bNumerisch;
    g.bMMdiagramm = app.bMMdiagramm;
    return g;
}

}  // namespace

void merkeGezeichnetenStand(Integer kind) {
    Aenderung aenderung;
    app.gezeichnetMit = ausDemZustand(speziesDerArt(kind));
}

GezeichnetMit gezeichnetOderJetzt() {
    return app.gezeichnetMit.gueltig ? app.gezeichnetMit : ausDemZustand(app.sSpeziesMaske);
}

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
