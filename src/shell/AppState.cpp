#include "shell/AppState.h"

#include "shell/StateOwner.h"

#include <cmath>

#include "base/NumberText.h"

namespace vrn {

AppState app;

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder + "/" + name;
}

namespace {

void fillZeitfaktor(std::array<std::array<double, 5>, 5>& z) {
    for (int i = 0; i < 5; ++i) z[i][i] = 1;
    z[0][1] = 1.0 / 60;       z[0][2] = 1.0 / 3600;   z[0][3] = 1.0 / 86400; z[0][4] = 1.0 / 31536000;
    z[1][0] = 60;             z[1][2] = 1.0 / 60;     z[1][3] = 1.0 / 1440;  z[1][4] = 1.0 / 525600;
    z[2][0] = 3600;           z[2][1] = 60;           z[2][3] = 1.0 / 24;    z[2][4] = 1.0 / 8760;
    z[3][0] = 86400;          z[3][1] = 1440;         z[3][2] = 24;          z[3][4] = 1.0 / 365;
    z[4][0] = 31536000;       z[4][1] = 525600;       z[4][2] = 8760;        z[4][3] = 365;
}

constexpr const char* kModellNamen[21] = {
    "",
    "A => P   (n = 0)",
    "A => P   (n = 1)",
    "2A => P   (n = 2)",
    "A + B => P   (n = 2)",
    "A => P   (Autokatalyse)",
    "A => C => P",
    "A + B => C; A + C => P",
    "A <=> P",
    "A + B => C => P",
    "E + S <=> ES => P + E",
    "A => P; A => Q",
    "A + B <=> 2P",
    "A + B => C <=> P",
    "A => C <=> P",
    "A <=> C => P",
    "A => P + Q (Autokatalyse P)",
    "A + B <=> P",
    "A + B <=> C => P",
    "",
    "A => P, n-ter Ordnung ",
};

}  // namespace

void resetAppState(const std::string& programFolder) {
    app = AppState{};
    app.AppPath = programFolder;

    // Result and work arrays.
    app.tSim.assign(201, 0.0);
    for (auto* v : {&app.cSim_A, &app.cSim_B, &app.cSim_C, &app.cSim_P, &app.cSim_Q}) v->assign(201, 0.0);
    for (auto* v : {&app.rSim_A, &app.rSim_B, &app.rSim_C, &app.rSim_P, &app.rSim_Q}) v->assign(201, 0.0f);
    app.RegrBasis.assign(6, 0.0);
    app.gKurvenPunkte.assign(2001, XYPunkt{});
    app.ExpDaten.assign(2, Messpunkt{});

    app.bEnglisch = false;
    app.bDezimalKomma = numberLocale().decimal == ',';
    app.CrLf = "\r\n";

    app.ProjDateiPfad = programFolder;
    app.TabDateiPfad = programFolder;
    app.ExpDateiPfad = programFolder;
    app.OC2DateiPfad = programFolder;
    app.XYDateiPfad = programFolder;

    app.sZeiteinheit = "s";
    fillZeitfaktor(app.Zeitfaktor);
    for (int i = 0; i < 21; ++i) app.ModellName[static_cast<std::size_t>(i)] = kModellNamen[i];

    app.iModell = 2;
    app.nOrdnung = 1.5f;
    app.k[1] = 0.15;
    app.tauVerweil = 5.0;
    app.dblArrhA = 100.0;
    app.dblArrhEA = 100.0;
    app.sngGlaettung = 0;
    app.gMitMesspunkten = false;
    app.bDelDiagram = true;
    app.gFarbVorwahl = RGB(0, 0, 255);
    app.gGraphLeft = 3800;
    app.bytKTFunktion = 1;
    app.bMMnormiert = true;
    app.Farbe2 = RGB(0, 0, 255);
    app.Farbe1 = RGB(255, 0, 0);

    app.HelpFile = joinPath(programFolder, "varnolt.chm");
    app.SessionDateiName = joinPath(programFolder, "VrnLastSession.VRP");

    app.bTipsRequested = false;
    app.ExpDateiName.clear();
    app.S0max = 0.15f;
    app.Trennzeichen = ";";
    // A fresh start: nothing is shown yet that could be stale.
    zustand().stillUebernehmen();
}

double zeitfaktor(int from, int to) {
    if (from < 0 || from > 4 || to < 0 || to > 4) return 0;
    const double f = app.Zeitfaktor[static_cast<std::size_t>(from)][static_cast<std::size_t>(to)];
    return f > 0 && std::isfinite(f) ? f : 0;
}

}  // namespace vrn
