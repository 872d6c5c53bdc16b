#include "chart/Grafik.h"

#include "chart/DrawnState.h"

#include <array>
#include <string_view>

#include "chart/DiagramKinds.h"
#include "platform/MsgBox.h"
#include "shell/AppState.h"
#include "shell/Hooks.h"
#include "base/NumberText.h"

namespace vrn {

const char* const kGrafikModulFehlt =
    "Das 2D-Graphikmodul ...\\olch2x8.ocx wurde bei der Installation nicht ordnungsgemäß registriert.\r\n"
    "Bitte versuchen Sie eine manuelle Registrierung (s. unsere Website).";

bool istMichaelisMentenPlot() { return app.bMMdiagramm && app.iModell == 10; }

namespace {

// ---- titles ----

// "{u}" stands for the time unit, "{X}" for the tangent species letter.
struct TitelZeile {
    Integer kind;
    Integer kurven;
    const char* kopf;
    const char* x;
    const char* y;
};

constexpr TitelZeile kTitel[] = {
    {-11, 1, "lambda-Versuchsdaten-Auswertung nach 2. Ordnung: A + B => P", "t/ {u}",
     "(lambda(inf)-lambda(0))/(lambda(inf)-lambda)/c(A)(0)"},
    {-10, 1, "lambda-Versuchsdaten-Auswertung nach 1. Ordnung: A => P", "t/ {u}",
     "ln ((lambda(inf)-lambda)/(lambda(inf)-lambda(0)))"},
    {-9, 1, "Messpunkte Konzentration vs. Zeit, k-Fitting", "t/ {u}", "c/ (mol/l)"},
    {-8, 1, "Versuchsdaten-Auswertung nach 2. Ordnung: A  + B => P  (c(A)(0) <> c(B)(0)", "t/ {u}", "ln(c(A)/c(B))"},
    {-7, 1, "Versuchsdaten-Auswertung nach Wilkinson", "t/ {u}", "t/[(c(A)(0) - c(A))/c(A)(0)]"},
    {-6, 1, "Versuchsdaten-Auswertung nach 2. Ordnung: 2 A => P", "t/ {u}", "1/(c(A)/ (mol/l))"},
    {-5, 1, "Versuchsdaten-Auswertung nach 1. Ordnung: A => P", "t/ {u}", "ln(c(A)/ (mol/l))"},
    {-4, 1, "ln(k/T) vs. reziproke absolute T, EYRING-Auswertung", "1/ (T/K) ", "ln(k/T) "},
    {-3, 1, "ln(k) vs. reziproke absolute T, ARRHENIUS-Auswertung", "1/ (T/K) ", "ln(k) "},
    {-2, 1, "Messpunkte Geschw.-konstante k vs. Temperatur", "T/ K ", "k "},
    {-1, 1, "Messpunkte Konzentration vs. Zeit", "t/ {u}", "c/ (mol/l)"},
    {1, 2, "Konzentrationsverlauf für die Reaktion 0. Ordnung A => P", "t/ {u}", "c(A), c(P)/ (mol/l)"},
    {2, 2, "Konzentrationsverlauf für die Reaktion 1. Ordnung A => P", "t/ {u}", "c(A), c(P)/ (mol/l)"},
    {3, 2, "Konzentrationsverlauf für die Reaktion 2. Ordnung 2A => P", "t/ {u}", "c(A), c(P)/ (mol/l)"},
    {4, 3, "Konzentrationsverlauf für die Reaktion 2. Ordnung A + B => P", "t/ {u}", "c(A), c(B), c(P)/ (mol/l)"},
    {5, 2, "Konzentrationsverlauf für eine autokatalytische Reaktion A => P", "t/ {u}", "c(A), c(P)/ (mol/l)"},
    {6, 3, "Konzentrationsverlauf für die Folgereaktion 1. Ordng A => C => P", "t/ {u}", "c(A), c(C), c(P)/ (mol/l)"},
    {7, 4, "Konz.-verlauf für die konkurrierende Folgereaktion A + B => C;  A + C => P", "t/ {u}",
     "c(A), c(B), c(C), c(P)/ (mol/l)"},
    {8, 2, "Konz.-verlauf für die umkehrbare Rkt. 1. Ordng A <=> P,  K = k>/k< ", "t/ {u}", "c(A), c(P)/ (mol/l)"},
    {9, 4, "Konz.-verlauf für die Folgereaktion 2. Ordnung A + B => C => P", "t/ {u}", "c(A), c(B), c(C), c(P)/ (mol/l)"},
    {10, 4, "Enzymreaktion n. Michaelis-Menten E + S <=> ES => P + E,  KM = (k< + k3) / k> ", "t/ {u}",
     "c(E), c(S), c(ES), c(P)/ (mol/l)"},
    {11, 3, "Konz.-verlauf für die Parallelreaktion 1. Ordnung  A => P;  A => Q", "t/ {u}", "c(A), c(P), c(Q)/ (mol/l)"},
    {12, 3, "Konz.-verlauf für eine umkehrbare Reakt. 2. Ordnung A + B <=> 2P,  K = k>/k< ", "t/ {u}",
     "c(A), c(B), c(P)/ (mol/l)"},
    {13, 4, "Folgereakt. 2. Ordng mit nachgelag. Gleichgewicht A + B => C <=> P,  K = k>/k< ", "t/ {u}",
     "c(A), c(B), c(C), c(P)/ (mol/l)"},
    {14, 3, "Folgereakt. 1. Ordng mit nachgelag. Gleichgewicht A => C <=> P,  K = k>/k< ", "t/ {u}",
     "c(A), c(C), c(P) / (mol/l)"},
    {15, 3, "Folgereakt. 1. Ordng mit vorgelag. Gleichgewicht A <=> C => P,  K = k>/k< ", "t/ {u}",
     "c(A), c(C), c(P) / (mol/l)"},
    {16, 3, "Autokatalytische Reaktion A => P + Q  (Katalysator P)", "t/ {u}", "c(A), c(P), c(Q)/ (mol/l)"},
    {17, 3, "Konz.-verlauf für eine umkehrbare Reakt. 2. Ordnung A + B <=> P,  K = k>/k< ", "t/ {u}",
     "c(A), c(B), c(P)/ (mol/l)"},
    {18, 4, "Folgereaktion mit vorgelagertem Gleichgewicht A + B <=> C => P,  K = k>/k< ", "t/ {u}",
     "c(A), c(B), c(C), c(P)/ (mol/l)"},
    {20, 2, "Konzentrationsverlauf für die Reaktion n-ter Ordnung A => P", "t/ {u}", "c(A), c(P) / (mol/l)"},
    {51, 2, "Reaktionsgeschwindigkeiten r, Reaktion 0. Ordnung A => P", "t/ {u}", "r(A), r(P) / (mol/l/{u})"},
    {52, 2, "Reaktionsgeschwindigkeiten r, Reaktion 1. Ordnung A => P", "t/ {u}", "r(A), r(P) / (mol/l/{u})"},
    {53, 2, "Reaktionsgeschwindigkeiten r, Reaktion 2. Ordnung 2A => P", "t/ {u}", "r(A), r(P) / (mol/l/{u})"},
    {54, 3, "Reaktionsgeschwindigkeiten r, Reaktion 2. Ordnung A + B => P", "t/ {u}", "r(A), r(B), r(P) / (mol/l/{u})"},
    {55, 2, "Reaktionsgeschwindigkeiten r, autokatalytische Reaktion A => P", "t/ {u}", "r(A), r(P) / (mol/l/{u})"},
    {56, 3, "Reaktionsgeschwindigkeiten r, Folgereaktion 1. Ordng A => C => P", "t/ {u}",
     "r(A), r(C), r(P) / (mol/l/{u})"},
    {57, 4, "Reaktionsgeschwindigkeiten r, konkurr. Folgereaktion A + B => C;  A + C => P", "t/ {u}",
     "r(A), r(B), r(C), r(P) / (mol/l/{u})"},
    {58, 2, "Reaktionsgeschwindigkeiten r, umkehrbare Rkt. 1. Ordng A <=> P,  K = k>/k< ", "t/ {u}",
     "r(A), r(P) / (mol/l/{u})"},
    {59, 4, "Reaktionsgeschwindigkeiten r, Folgereaktion 2. Ordnung A + B => C => P", "t/ {u}",
     "r(A), r(B), r(C), r(P) / (mol/l/{u})"},
    {60, 4, "Enzymreaktion E + S <=> ES => P + E,  KM = (k< + k3) / k>", "t/ {u}",
     "r(E), r(S), r(ES), r(P) / (mol/l/{u})"},
    {61, 3, "Reaktionsgeschwindigkeiten r, Parallelreaktion 1. Ordnung  A => P;  A => Q", "t/ {u}",
     "r(A), r(P), r(Q) / (mol/l/{u})"},
    {62, 3, "Reaktionsgeschwindigkeiten r, umkehrbare Reakt. 2. Ordnung A + B <=> 2P,  K = k>/k< ", "t/ {u}",
     "r(A), r(B), r(P) / (mol/l/{u})"},
    {63, 4, "Folgereakt. 2. Ordng mit nachgelag. Gleichgewicht A + B => C <=> P,  K = k>/k<", "t/ {u}",
     "r(A), r(B), r(C), r(P) / (mol/l/{u})"},
    {64, 3, "Folgereakt. 1. Ordng mit nachgelag. Gleichgewicht A => C <=> P,  K = k>/k<", "t/ {u}",
     "r(A), r(C), r(P) / (mol/l/{u})"},
    {65, 3, "Folgereakt. 1. Ordng mit vorgelag. Gleichgewicht A <=> C => P,  K = k>/k<", "t/ {u}",
     "r(A), r(C), r(P) / (mol/l/{u})"},
    {66, 3, "Autokatalytische Reaktion A => P + Q  (Katalysator P)", "t/ {u}", "r(A), r(P), r(Q) / (mol/l/{u})"},
    {67, 3, "Reaktionsgeschwindigkeiten r, umkehrbare Reakt. 2. Ordnung A + B <=> P,  K = k>/k< ", "t/ {u}",
     "r(A), r(B), r(P) / (mol/l/{u})"},
    {68, 4, "Folgereaktion mit vorgelagertem Gleichgewicht A + B <=> C => P,  K = k>/k< ", "t/ {u}",
     "r(A), r(B), r(C), r(P) / (mol/l/{u})"},
    {70, 2, "Reaktionsgeschwindigkeiten r, Reaktion n-ter Ordnung A => P", "t/ {u}", "r(A), r(P) / (mol/l/{u})"},
    {kDiagTangente, 1, "Konzentration c({X}) vs. Zeit", "t/ {u}", "c({X})/ (mol/l)"},
};

constexpr const char* kSpeziesBuchstabe[6] = {"", "A", "B", "C", "P", "Q"};

std::string ersetze(std::string_view muster, const std::string& einheit, const std::string& stoff) {
    std::string out;
    for (std::size_t i = 0; i < muster.size(); ++i) {
        if (muster.substr(i, 3) == "{u}") {
            out += einheit;
            i += 2;
        } else if (muster.substr(i, 3) == "{X}") {
            out += stoff;
            i += 2;
        } else {
            out += muster[i];
        }
    }
    return out;
}

std::string tangentenStoff() {
    const int s = app.bytTangStoff;
    return (s >= 1 && s <= 5) ? kSpeziesBuchstabe[s] : "";
}

// ---- axis ranges ----

// y slots (first, second) of the linearised kinds -11..-5; -7 and -8 hold max, min.
struct YPaar {
    int kind, slot;
    bool umgekehrt;
};
constexpr YPaar kYPaare[] = {{-11, 26, false}, {-10, 24, false}, {-8, 22, true},
                             {-7, 20, true},   {-6, 18, false},  {-5, 16, false}};

const YPaar* yPaar(int kind) {
    for (const auto& p : kYPaare)
        if (p.kind == kind) return &p;
    return nullptr;
}

}  // namespace

DiagrammTitel titelFuerArt(Integer kind) {
    DiagrammTitel t;
    const TitelZeile* zeile = nullptr;
    for (const auto& z : kTitel)
        if (z.kind == kind) zeile = &z;
    if (!zeile) return t;
    const std::string& u = app.sZeiteinheit;
    const std::string stoff = tangentenStoff();
    t.kurven = zeile->kurven;
    t.kopf = ersetze(zeile->kopf, u, stoff);
    t.x = ersetze(zeile->x, u, stoff);
    t.y = ersetze(zeile->y, u, stoff);
    t.legende = kind == -9 || kind == -1 || kind == 1;

    const int modus = app.bAuswertungsart;
    switch (kind) {
    case -11:
        if (app.iModell == 3) t.kopf = "lambda-Versuchsdaten-Auswertung nach 2. Ordnung: 2A => P";
        if (app.Lambda0 == 0) t.y = "lambda(inf) / (lambda(inf)-lambda)";
        break;
    case -10:
        if (app.Lambda0 == 0) t.y = "ln (lambda(inf)-lambda)";
        break;
    case -9:
        if (modus == 2) t.kopf = "Messpunkte Konzentration vs. Zeit, Reaktionsordnung-Fitting";
        if (modus == 6) {
            t.kopf = "Messpunkte Konzentration vs. Zeit, 1. Ordng, nicht-isotherm";
            t.y = "c(A)/c(A)(0)";
        }
        if (modus == 7) {
            t.kopf = "Messpunkte Konzentration vs. Zeit, 2. Ordng,  nicht-isotherm";
            t.y = "c(A)/ (mol/l)";
        }
        break;
    case -6:
        if (app.bGleicheC0) t.kopf = "Versuchsdaten-Auswertung nach 2. Ordnung: A + B => P  (c(A)(0) = c(B)(0)";
        break;
    case 2:
        if (modus == 6) t.y = "c(A)/c(A)(0)";
        break;
    case 3:
        if (modus == 7) t.y = "c(A)/ (mol/l)";
        break;
    case 10:
    case 60:
        if (app.bMMdiagramm) {
            t.kurven = 1;
            t.kopf = "Enzymreaktion n. Michaelis-Menten; Michaelis-Konstante KM =" + Str(app.KMichaelis);
            t.x = app.bMMnormiert ? "c(S0) / KM" : "c(S0)";
            t.y = "r(P) / r(P), max";
        }
        break;
    default:
        break;
    }
    return t;
}

void holeAchsenbereich(Integer kind, const AchsenSpeicher& store, Diagramm& d) {
    if (const YPaar* p = yPaar(kind)) {
        d.XMin = store[0];
        d.XMax = store[1];
        d.YMin = store[p->umgekehrt ? p->slot + 1 : p->slot];
        d.YMax = store[p->umgekehrt ? p->slot : p->slot + 1];
    } else if (kind == -4) {
        d.XMin = store[10];
        d.XMax = store[11];
        d.YMin = store[14] - 1.0f;
        d.YMax = store[15] + 1.0f;
    } else if (kind == -3) {
        d.XMin = store[10];
        d.XMax = store[11];
        d.YMin = store[12];
        d.YMax = store[13];
    } else if (kind == -2) {
        d.XMin = store[6];
        d.XMax = store[7];
        d.YMin = store[8];
        d.YMax = store[9];
    } else if (istKonzentrationsArt(kind) || istRatenArt(kind)) {
        if (istMichaelisMentenPlot()) {
            d.XMin = 0;
            d.XMax = app.bMMnormiert ? 20.0f : app.S0max;
            d.YMin = 0;
            d.YMax = 1.0f;
        } else {
            const int y = istRatenArt(kind) ? 4 : 2;
            d.XMin = store[0];
            d.XMax = store[1];
            d.YMin = store[y];
            d.YMax = store[y + 1];
        }
    }
}

void speichereAchsenbereich(Integer kind, AchsenSpeicher& store, const Diagramm& d) {
    if (const YPaar* p = yPaar(kind)) {
        store[0] = d.XMin;
        store[1] = d.XMax;
        store[p->umgekehrt ? p->slot + 1 : p->slot] = d.YMin;
        store[p->umgekehrt ? p->slot : p->slot + 1] = d.YMax;
    } else if (kind == -4 || kind == -3) {
        const int y = kind == -4 ? 14 : 12;
        store[10] = d.XMin;
        store[11] = d.XMax;
        store[y] = d.YMin;
        store[y + 1] = d.YMax;
    } else if (kind == -2) {
        store[6] = d.XMin;
        store[7] = d.XMax;
        store[8] = d.YMin;
        store[9] = d.YMax;
    } else if (istKonzentrationsArt(kind)) {
        const bool mm = istMichaelisMentenPlot();
        store[mm ? 30 : 0] = d.XMin;
        store[mm ? 31 : 1] = d.XMax;
        store[mm ? 28 : 2] = d.YMin;
        store[mm ? 29 : 3] = d.YMax;
        if (app.bAuswertungsart == 6) store[3] = 1.0f;
        if (app.bAuswertungsart == 7) store[3] = app.c0Daten[1];
    } else if (istRatenArt(kind)) {
        store[0] = d.XMin;
        store[1] = d.XMax;
        store[4] = d.YMin;
        store[5] = d.YMax;
    }
}

PunktTabs berechnePunktTabs(Integer kind, bool legende) {
    static constexpr const char* kLabel[7] = {"", "c(A)", "c(B)", "c(C)", "c(P)", "c(Q)", "k-T"};
    static constexpr const char* kLabelEnzym[4] = {"", "c(E)", "c(S)", "c(ES)"};
    auto label = [](int i) -> std::string { return (app.iModell == 10 && i <= 3) ? kLabelEnzym[i] : kLabel[i]; };
    auto konz = [](int i) { return app.bKonzDaten[static_cast<std::size_t>(i)]; };
    const std::string& maske = app.sSpeziesMaske;
    const bool linearisiert = konz(1) && Val(maske) == 2;

    PunktTabs t;
    for (int i = 1; i <= 6; ++i) {
        const std::size_t ui = static_cast<std::size_t>(i);
        if (kind == kDiagTangente && i == app.bytTangStoff) {
            for (std::size_t j = 1; j <= 5; ++j) {
                t.sichtbar[j] = false;
                t.caption[j] = "";
            }
            t.legendeSichtbar = false;
            t.sichtbar[ui] = true;
            t.caption[ui] = label(i);
            t.legende[ui] = "c(" + tangentenStoff() + ")";
            t.aktuellerTab = i - 1;
            return t;
        }
        if (i <= 5) {
            if (ui <= maske.size() && maske[ui - 1] == '1' && konz(i)) {
                t.sichtbar[ui] = true;
                t.caption[ui] = label(i);
                t.legende[ui] = label(i);
                t.legendeSichtbar = legende;
                t.chkLegend = legende;
            } else {
                t.sichtbar[ui] = false;
            }
        }
        if (linearisiert) {
            t.legendeSichtbar = false;
            if (i == 1) {
                t.sichtbar[1] = true;
                t.caption[1] = "Fu(c)";
                t.legende[1] = "Fu(c)";
            } else {
                t.sichtbar[ui] = false;
                t.caption[ui] = "";
            }
        }
        if (i == kPunktSatzKT) {
            if (!app.bKTDiagramm || !app.bHatKTDaten) {
                t.sichtbar[ui] = false;
                t.caption[ui] = "";
            } else {
                t.legendeSichtbar = false;
                t.sichtbar[ui] = true;
                t.caption[ui] = "k-T";
                t.legende[ui] = "k-T";
            }
        }
    }
    return t;
}

void zeigeDiagramm(Integer& kind, Diagramm& request, Integer& curvesToDraw, AchsenSpeicher& axisStore,
                   Integer& /*pointCount*/, bool& /*withPoints*/) {
    holeAchsenbereich(kind, axisStore, request);
    const DiagrammTitel t = titelFuerArt(kind);
    curvesToDraw = t.kurven;
    if (t.kopf) app.DiaTitel[0] = *t.kopf;
    if (t.x) app.DiaTitel[1] = *t.x;
    if (t.y) app.DiaTitel[2] = *t.y;
    request.Kopftext = app.DiaTitel[0];
    request.XTitel = app.DiaTitel[1];
    request.YTitel = app.DiaTitel[2];

    bool gezeigt = true;
    if (const auto& zeigeFenster = hooks().chartWindow.showChartWindow) {
        try {
            gezeigt = zeigeFenster();
        } catch (...) {
            gezeigt = false;
        }
    }
    // The half-life marks and the single-point calculator speak of what is
    // drawn now, once the chart is set up for its kind (its masks).
    merkeGezeichnetenStand(kind);
    if (!gezeigt) {
        MsgBox(kGrafikModulFehlt, MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
        return;
    }
    app.gPunktTabs = berechnePunktTabs(kind, t.legende);
    if (const auto& anwenden = hooks().chartWindow.punktTabsAnwenden) anwenden(app.gPunktTabs);
}

void zeigeDiagramm() {
    zeigeDiagramm(app.iDiagrammTyp, app.tDiagramm, app.gnKurvenOffen, app.Achsenbereich, app.nSimPunkte,
                  app.gMitMesspunkten);
}

}  // namespace vrn
