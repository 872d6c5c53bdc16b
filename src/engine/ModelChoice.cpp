#include "engine/ModelChoice.h"

#include "engine/ModelFacts.h"
#include "engine/ModelMasks.h"
#include "shell/AppState.h"

namespace vrn {

namespace {

constexpr ModelDefaults kModels[] = {
    {1, 1, "0. Ordnung A => P", true, 0.015, 0.2, 0, 1, 0, 0},
    {2, 2, "1. Ordnung A => P", true, 0.15, 0.2, 0, 1, 0, 0},
    {3, 3, "2. Ordnung 2A => P", true, 0.15, 0.2, 0, 1, 0, 0},
    {4, 4, "2. Ordnung A + B => P", true, 0.15, 0.2, 0, 1, 1, 0},
    {5, 5, "Autokatalyse A => P", true, 0.15, 0.2, 0, 1, 0, 0.002},
    {6, 6, "Folgereaktion 1. Ordnung  A => C => P", false, 0.15, 0.1, 0, 1, 0, 0},
    {7, 7, "Konkurrierende Folgereaktion  2. Ordnung", false, 0.15, 0.05, 0, 1, 1, 0},
    {8, 8, "Umkehrbare Reaktion 1.Ordnung A <=> P", true, 0.5, 0.1, 0, 1, 0, 0},
    {9, 9, "Folgereaktion 2. Ordnung  A + B => C => P", false, 0.15, 0.1, 0, 1, 1, 0},
    {10, 10, "Enzymvarnolt, MICHAELIS-MENTEN-Mechanismus", false, 0.15, 0.1, 0.005, 1, 5, 0},
    {11, 11, "Parallelreaktion  A => P; A => Q", false, 0.15, 0.05, 0, 1, 0, 0},
    {12, 12, "Umkehrbare Reaktion 2. Ordnung  A + B <=> 2P", true, 0.15, 0.01, 0, 1, 0.5, 0},
    {13, 13, "Folgereaktion 2. Ord. mit nachgelagertem Gleichgewicht", false, 0.15, 0.1, 0.005, 1, 1, 0},
    {14, 14, "Folgereaktion 1. Ordnung  mit Gleichgewicht A => C <=> P", false, 0.15, 0.1, 0.005, 1, 0, 0},
    {15, 15, "Folgereaktion 1. Ordnung  mit Gleichgewicht A <=> C => P", false, 0.15, 0.1, 0.005, 1, 0, 0},
    {16, 16, "Autokatalyse A => P + Q   (Katalysator = P)", true, 0.15, 0.2, 0, 1, 0, 0.002},
    {17, 17, "Umkehrbare Reaktion 2. Ordnung  A + B <=> P", true, 0.15, 0.01, 0, 1, 0.5, 0},
    {18, 18, "Folgereaktion 2. Ordnung mit vorgelagertem Gleichgewicht", false, 0.15, 0.1, 0.005, 1, 1, 0},
    {20, 0, "n-te Ordnung A => P ", true, 0.15, 0.2, 0, 1, 0, 0},
};

}  // namespace

std::span<const ModelDefaults> modelDefaults() { return kModels; }

const ModelDefaults* defaultsOf(int model) {
    for (const auto& m : kModels)
        if (m.model == model) return &m;
    return nullptr;
}

int modelOfOption(int index) { return index == 0 ? 20 : index; }
int optionOfModel(int model) { return model == 20 ? 0 : model; }

void chooseModel(int index, Single ordnung) {
    // Rate constants take the model's defaults only when the model changes:
    // choosing the current model again, or reopening the window after a
    // project was loaded, keeps what the user or the project set.
    const bool newModel = modelOfOption(index) != app.iModell;
    app.bMMdiagramm = false;
    app.iModell = static_cast<Integer>(modelOfOption(index));
    if (app.iModell == 20) app.nOrdnung = ordnung;

    if (app.bAuswertungsart == 0) {
        app.iDiagrammTyp = static_cast<Integer>(app.bRateDiagramm ? app.iModell + 50 : app.iModell);
        if (app.tEnd == 0) app.tEnd = app.bRateDiagramm ? 60.0f : 100.0f;
    } else if (app.iDiagrammTyp != -9) {
        app.iDiagrammTyp = app.iModell;
    }

    SetSpeziesMaske(app.iModell);
    SetStoechiometrie(app.nOrdnung);

    if (app.c0[1] == 0) app.c0[1] = 1.0;
    app.bNumerisch = false;

    const ModelDefaults* d = defaultsOf(app.iModell);
    if (!d) return;
    app.bEinfacheReaktion = d->einfach;
    app.bNumerisch = isNumericalModel(app.iModell);
    if (newModel) {
        app.k[1] = d->k1;
        app.k[2] = d->k2;
        app.k[3] = d->k3;
    }
    if (d->c0B != 0 && app.c0[2] == 0) app.c0[2] = d->c0B;
    if (d->c0P != 0 && app.c0[4] == 0) app.c0[4] = d->c0P;
    if (app.iModell == 20 && app.bAuswertungsart == 2) app.k[2] = app.nOrdnung;
}

}  // namespace vrn
