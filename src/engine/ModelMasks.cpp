#include "engine/ModelMasks.h"

#include "engine/ModelFacts.h"
#include "shell/AppState.h"

namespace vrn {

namespace {

// The kinds of measured data and their evaluations (kinds von..bis).
struct DataKindMasks {
    int von, bis;
    const char* species;
    bool kT;
};

constexpr DataKindMasks kDataKinds[] = {
    {-11, -10, "10010", false}, {-9, -9, "11111", false}, {-8, -5, "00002", false},
    {-4, -2, "00000", true},    {-1, -1, "11111", false},
};

}  // namespace

DiagramMasks diagramMasks(Integer kind, int mode) {
    DiagramMasks m;
    for (const DataKindMasks& z : kDataKinds) {
        if (kind < z.von || kind > z.bis) continue;
        m.species = z.species;
        m.kTDiagram = z.kT;
    }
    if (kind >= 0 && kind <= 20) {
        const int species = modelSpecies(kind);
        for (int s = 1; s <= 5; ++s) m.species[static_cast<std::size_t>(s - 1)] = species & (1 << s) ? '1' : '0';
        for (int j = 1; j <= 3; ++j) m.constants[static_cast<std::size_t>(j - 1)] = j <= modelConstantCount(kind) ? '1' : '0';
    }
    if ((kind == 2 && mode == 6) || (kind == 3 && mode == 7)) {
        m.species = "10000";
        m.constants = "110";
    }
    if (kind == 20 && mode == 2) m.constants = "110";
    return m;
}

void SetSpeziesMaske(Integer kind) {
    const DiagramMasks m = diagramMasks(kind, app.bAuswertungsart);
    app.sSpeziesMaske = m.species;
    app.sKonstMaske = m.constants;
    app.bKTDiagramm = m.kTDiagram;
}

}  // namespace vrn
