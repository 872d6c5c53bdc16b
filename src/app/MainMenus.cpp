#include "app/MainMenus.h"

namespace vrn {

namespace {

constexpr MenuRow kMain[] = {
    {0, "&Daten", "mnuDaten", 10070, kMenu},
    {1, "letzte Sitzung laden", "mnuLoadLastSession", 0, 0},
    {1, "existierendes Projektfile laden", "mnuLoadProject", 0, 0},
    {1, "aktuelles Projekt speichern unter...", "mnuSaveProject", 0, 0},
    {1, nullptr, "", 0, 0},
    {1, "exper. Daten    NEU Eingabe / Laden", "mnuNeudat", 10130, 0},
    {1, "exper. Daten    Sichten / Editieren", "mnuEdit", 10100, kDisabled},
    {1, nullptr, "", 0, 0},
    {1, "XY-Editor   (XY-Daten eingeben | laden)", "mnuEditXY", 0, 0},
    {1, nullptr, "", 0, 0},
    {1, "Exit", "mnuExit", 10110, 0},
    {0, "kinetisches &Modell", "mnuModel", 10240, 0},
    {0, "Versuchsauswertung", "mnuAuswertung", 0, kMenu},
    {1, "Auswertung c-&t-Daten    (isotherm)", "mnuExpctAuswertung", 0, kMenu},
    {2, "grafische Auswertung für Konzentrations-Zeit-Daten per Geradengleichung", "mnuSubCtGrafisch", 0, kMenu},
    {3, "... für 1. Ordnung  A => P", "mnuctAusw(1)", 10030, 0},
    {3, "... für 2. Ordnung  2 A => P", "mnuctAusw(2)", 10040, 0},
    {3, "... für 2. Ordnung  A + B => P ", "mnuctAusw(3)", 10050, 0},
    {3, "WILKINSON", "mnuctAusw(4)", 0, kHidden | kDisabled},
    {2, nullptr, "", 0, 0},
    {2, "Fitting isotherm,  k,  entsprechend gewähltem Modell", "mnuCtFitting", 0, 0},
    {2, "Fitting isotherm,  k und Reaktionsordnung,  A => P", "mnuROFitting", 0, 0},
    {1, "Auswertung c-t-T-Daten (nicht-isotherm) ", "mnuExpctT", 0, kMenu},
    {2, "Fitting nicht-isotherm, 1. Ordnung   A => P, an  t-c(A)-T-Daten", "mnuNonIsothermFitting(1)", 0, 0},
    {2, "Fitting nicht-isotherm, 2. Ordnung 2A => P, an  t-c(A)-T-Daten", "mnuNonIsothermFitting(2)", 0, 0},
    {1, "graf. Auswertung für lambda(t)-Daten per Geradengleichung (isotherm)", "mnuSubLambdatGrafisch", 0, kMenu},
    {2, "... für 1. Ordnung  A => P", "mnuLambdaAusw(1)", 0, 0},
    {2, "... für 2. Ordnung  2 A => P", "mnuLambdaAusw(2)", 0, 0},
    {2, "... für 2. Ordnung  A + B => P ", "mnuLambdaAusw(3)", 0, 0},
    {1, "Auswertung &k-T-Daten", "mnuExpkTAuswertung", 10290, kMenu},
    {2, "nach ARRHENIUS-Gleichung", "mnukT(1)", 10300, 0},
    {2, "nach EYRING-Gleichung", "mnukT(2)", 10310, 0},
    {1, "grafikgestützte Berechnung von Reakt.-geschwindigkeiten aus c-t-Messpunkten", "mnuCalcTangente", 0, kMenu},
    {2, "aus Messpunkten c(A) - t", "mnuSubTangente(1)", 0, 0},
    {2, "aus Messpunkten c(B) - t", "mnuSubTangente(2)", 0, 0},
    {2, "aus Messpunkten c(C) - t", "mnuSubTangente(3)", 0, 0},
    {2, "aus Messpunkten c(P) - t", "mnuSubTangente(4)", 0, 0},
    {2, "aus Messpunkten c(Q) - t", "mnuSubTangente(5)", 0, 0},
    {0, "Modell-&Simulation", "mnuGraph", 0, kMenu},
    {1, "Konzentrations-Zeit-Funktionen", "mnuctGraph", 0, 0},
    {1, nullptr, "", 0, 0},
    {1, "Geschwindigkeits-Zeit-Funktionen", "mnuvtGraph", 0, 0},
    {0, "Monte-&Carlo", "mnuMonteCarlo", 0, kMenu},
    {1, "Reaktion 1. Ordnung A => P", "mnuSubMonteCarlo(0)", 8000, 0},
    {1, "Dynamisches Reaktionsgleichgewicht A <=> P", "mnuSubMonteCarlo(1)", 8001, 0},
    {0, "&Reaktoren", "mnuReaktor", 0, kMenu},
    {1, "Batch-Reaktor", "mnuBatchR", 0, 0},
    {1, "Rohrreaktor", "mnuRohrR", 0, 0},
    {1, "kontinuierlicher Rührkessel", "mnuKontRK", 0, 0},
    {1, "Rührkessel-Kaskade", "mnuKaskade", 0, kDisabled},
    {0, "&Optionen", "mnuOptionenTools", 0, kMenu},
    {1, "Optionen", "mnuOption", 0, 0},
    {1, "ARRHENIUS-Rechner", "mnuToolArrhenius", 0, 0},
    {1, "EYRING-Rechner", "mnuToolEyring", 0, 0},
    {0, "&Fenster", "mnuFenster", 0, kMenu},
    {0, "&Hilfe", "mnuHelp", 10250, kMenu},
    {1, "über dieses Programm", "mnuAboutVrn", 10260, 0},
    {1, "Hilfe", "mnuIndex", 10270, 0},
    {1, "Tipps zeigen", "mnuTip", 0, 0},
    {1, nullptr, "", 0, 0},
    {1, "Info über VARNOLT ...", "mnuInfo", 10280, 0},
};

constexpr MenuRow kPopups[] = {
    {0, "Popup-menue exp-daten-grid", "mnuEdit1", 0, kMenu | kHidden},
    {1, "Kopieren", "mnuCopy1", 0, 0},
    {1, "Einfügen", "mnuPaste1", 0, 0},
    {1, "Löschen", "mnuErase1", 0, kMenu},
    {2, "markierte Zelle(n) => 0", "mnuSubDelNull1", 0, 0},
    {2, "markierte Zeile(n) entfernen", "mnuSubDelLine1", 0, 0},
    {0, "PopUpMenue XY-editor", "mnuEdit2", 0, kMenu | kHidden},
    {1, "Kopieren", "mnuCopy2", 0, 0},
    {1, "Einfügen", "mnuPaste2", 0, 0},
    {1, "Löschen", "mnuErase2", 0, kMenu},
    {2, "markierte Zelle(n) => 0", "mnuSubDelNull2", 0, 0},
    {2, "markierte Zeile(n) entfernen", "mnuSubDelLine2", 0, 0},
};

}  // namespace

std::span<const MenuRow> mainMenuRows() { return kMain; }
std::span<const MenuRow> popupMenuRows() { return kPopups; }

}  // namespace vrn
