#include "ChartTestSupport.h"
#include "chart/Grafik.h"
#include "engine/ModelMasks.h"

using namespace vrn;
using namespace vrn::test;

namespace {

// Time unit "min" throughout, so that the unit is seen in the titles; one
// kind of each family (the texts of every kind are the table of the code):
// kind, curves, header, x title, y title.
const std::tuple<int, int, const char*, const char*, const char*> kTitelFaelle[] = {
    {-10, 1, "lambda-Versuchsdaten-Auswertung nach 1. Ordnung: A => P", "t/ min",
     "ln ((lambda(inf)-lambda)/(lambda(inf)-lambda(0)))"},
    {-5, 1, "Versuchsdaten-Auswertung nach 1. Ordnung: A => P", "t/ min", "ln(c(A)/ (mol/l))"},
    {-3, 1, "ln(k) vs. reziproke absolute T, ARRHENIUS-Auswertung", "1/ (T/K) ", "ln(k) "},
    {4, 3, "Konzentrationsverlauf für die Reaktion 2. Ordnung A + B => P", "t/ min", "c(A), c(B), c(P)/ (mol/l)"},
    {10, 4, "Enzymreaktion n. Michaelis-Menten E + S <=> ES => P + E,  KM = (k< + k3) / k> ", "t/ min",
     "c(E), c(S), c(ES), c(P)/ (mol/l)"},
    {57, 4, "Reaktionsgeschwindigkeiten r, konkurr. Folgereaktion A + B => C;  A + C => P", "t/ min",
     "r(A), r(B), r(C), r(P) / (mol/l/min)"},
};

}  // namespace

class ChartRequest : public ChartTest {};

TEST_F(ChartRequest, TitlesAndCurveCountOfTheKinds) {
    app.sZeiteinheit = "min";
    app.Lambda0 = 0.5;
    app.iModell = 4;
    for (const auto& [kind, kurven, kopf, x, y] : kTitelFaelle) {
        app.iDiagrammTyp = static_cast<Integer>(kind);
        app.gnKurvenOffen = 0;
        zeigeDiagramm();
        EXPECT_EQ(std::tuple(app.gnKurvenOffen, app.tDiagramm.Kopftext, app.tDiagramm.XTitel, app.tDiagramm.YTitel),
                  std::tuple(kurven, kopf, x, y)) << kind;
        EXPECT_EQ(app.DiaTitel[0], kopf) << kind;
    }
}

TEST_F(ChartRequest, TitleVariantsFollowModeModelAndFlags) {
    // was, stelle, kind, kurven, kopf, x, y
    const std::tuple<const char*, std::function<void()>, int, int, const char*, const char*, const char*> faelle[] = {
        {"-11 of 2A => P without lambda(0)", [] { app.iModell = 3; app.Lambda0 = 0; }, -11, 1,
         "lambda-Versuchsdaten-Auswertung nach 2. Ordnung: 2A => P", "t/ s", "lambda(inf) / (lambda(inf)-lambda)"},
        {"-10 without lambda(0)", [] { app.Lambda0 = 0; }, -10, 1,
         "lambda-Versuchsdaten-Auswertung nach 1. Ordnung: A => P", "t/ s", "ln (lambda(inf)-lambda)"},
        {"-9 order fitting", [] { app.bAuswertungsart = 2; }, -9, 1,
         "Messpunkte Konzentration vs. Zeit, Reaktionsordnung-Fitting", "t/ s", "c/ (mol/l)"},
        {"-9 mode 6", [] { app.bAuswertungsart = 6; }, -9, 1,
         "Messpunkte Konzentration vs. Zeit, 1. Ordng, nicht-isotherm", "t/ s", "c(A)/c(A)(0)"},
        {"-9 mode 7", [] { app.bAuswertungsart = 7; }, -9, 1,
         "Messpunkte Konzentration vs. Zeit, 2. Ordng,  nicht-isotherm", "t/ s", "c(A)/ (mol/l)"},
        {"-6 equal start", [] { app.bGleicheC0 = true; }, -6, 1,
         "Versuchsdaten-Auswertung nach 2. Ordnung: A + B => P  (c(A)(0) = c(B)(0)", "t/ s", "1/(c(A)/ (mol/l))"},
        {"2 mode 6", [] { app.bAuswertungsart = 6; }, 2, 2,
         "Konzentrationsverlauf für die Reaktion 1. Ordnung A => P", "t/ s", "c(A)/c(A)(0)"},
        {"3 mode 7", [] { app.bAuswertungsart = 7; }, 3, 2,
         "Konzentrationsverlauf für die Reaktion 2. Ordnung 2A => P", "t/ s", "c(A)/ (mol/l)"},
        {"10 v-[S] normalised",
         [] {
             app.iModell = 10;
             app.bMMdiagramm = true;
             app.bMMnormiert = true;
             app.KMichaelis = 0.025f;
         },
         10, 1, "Enzymreaktion n. Michaelis-Menten; Michaelis-Konstante KM = .025", "c(S0) / KM", "r(P) / r(P), max"},
        {"60 v-[S] plain",
         [] {
             app.iModell = 10;
             app.bMMdiagramm = true;
             app.bMMnormiert = false;
             app.KMichaelis = 2.5f;
         },
         60, 1, "Enzymreaktion n. Michaelis-Menten; Michaelis-Konstante KM = 2.5", "c(S0)", "r(P) / r(P), max"},
        {"100 species C", [] { app.bytTangStoff = 3; }, 100, 1, "Konzentration c(C) vs. Zeit", "t/ s",
         "c(C)/ (mol/l)"},
    };
    for (const auto& [was, stelle, kind, kurven, kopf, x, y] : faelle) {
        resetAppState("");
        stelle();
        app.iDiagrammTyp = static_cast<Integer>(kind);
        zeigeDiagramm();
        EXPECT_EQ(std::tuple(app.gnKurvenOffen, app.tDiagramm.Kopftext, app.tDiagramm.XTitel, app.tDiagramm.YTitel),
                  std::tuple(kurven, kopf, x, y)) << was;
    }
}

TEST_F(ChartRequest, KindWithoutTitlesKeepsThePreviousTextsAndAsksForOneCurve) {
    app.iDiagrammTyp = 4;
    zeigeDiagramm();
    for (int kind : {0, 19, 21, 50, 69, 71, 99, 101, -12}) {
        app.iDiagrammTyp = static_cast<Integer>(kind);
        app.gnKurvenOffen = 7;
        app.tDiagramm.Kopftext = "x";
        zeigeDiagramm();
        EXPECT_EQ(app.gnKurvenOffen, 1) << kind;
        EXPECT_EQ(app.tDiagramm.Kopftext, "Konzentrationsverlauf für die Reaktion 2. Ordnung A + B => P") << kind;
        EXPECT_EQ(app.tDiagramm.YTitel, "c(A), c(B), c(P)/ (mol/l)") << kind;
    }
}

TEST_F(ChartRequest, SpeciesMasksOfTheDataKindsAndTheFittingModes) {
    // The model kinds take their model's masks (checked with the model choice).
    const std::tuple<int, int, const char*, const char*, bool> faelle[] = {
        {0, -10, "10010", "000", false}, {0, -8, "00002", "000", false}, {0, -3, "00000", "000", true},
        {0, -1, "11111", "000", false},  {0, 51, "00000", "000", false}, {0, 10, "11110", "111", false},
        {6, 2, "10000", "110", false},   {7, 2, "10010", "100", false},  {7, 3, "10000", "110", false},
        {6, 3, "10010", "100", false},   {2, 20, "10010", "110", false}, {6, 4, "11010", "100", false},
    };
    for (const auto& [modus, kind, spezies, konst, kt] : faelle) {
        app.bAuswertungsart = static_cast<Byte>(modus);
        app.bKTDiagramm = !kt;
        app.sSpeziesMaske = "xxxxx";
        SetSpeziesMaske(static_cast<Integer>(kind));
        EXPECT_EQ(std::tuple(app.sSpeziesMaske, app.sKonstMaske, app.bKTDiagramm), std::tuple(spezies, konst, kt))
            << modus << "/" << kind;
    }
}

namespace {

Diagramm bereich(Single xMin, Single xMax, Single yMin, Single yMax) {
    return Diagramm{xMin, yMin, xMax, yMax, {}, {}, {}};
}

}  // namespace

TEST_F(ChartRequest, StoredRangesUseTheSlotsOfTheirKind) {
    // kind and the slots of XMin, XMax, YMin, YMax (-1: a kind without a range)
    const std::array<int, 5> faelle[] = {
        {-11, 0, 1, 26, 27}, {-10, 0, 1, 24, 25}, {-8, 0, 1, 23, 22}, {-7, 0, 1, 21, 20}, {-6, 0, 1, 18, 19},
        {-5, 0, 1, 16, 17},  {-4, 10, 11, 14, 15}, {-3, 10, 11, 12, 13}, {-2, 6, 7, 8, 9},  {-1, 0, 1, 2, 3},
        {-9, 0, 1, 2, 3},    {1, 0, 1, 2, 3},     {18, 0, 1, 2, 3},     {20, 0, 1, 2, 3},   {100, 0, 1, 2, 3},
        {51, 0, 1, 4, 5},    {70, 0, 1, 4, 5},    {0, -1}, {19, -1}, {71, -1}, {101, -1}, {-12, -1},
    };
    for (const auto& f : faelle) {
        AchsenSpeicher s;
        speichereAchsenbereich(static_cast<Integer>(f[0]), s, bereich(1, 2, 3, 4));
        int gesetzt = 0;
        for (int i = 0; i < 32; ++i) gesetzt += s[i] != 0;
        EXPECT_EQ(gesetzt, f[1] < 0 ? 0 : 4) << f[0];
        if (f[1] < 0) {
            for (int i = 0; i < 32; ++i) s[i] = 5;
            Diagramm d = bereich(9, 10, 11, 12);
            holeAchsenbereich(static_cast<Integer>(f[0]), s, d);
            EXPECT_EQ(std::tuple(d.XMin, d.XMax, d.YMin, d.YMax), std::tuple(9, 10, 11, 12)) << f[0];
            continue;
        }
        for (int k = 1; k <= 4; ++k) EXPECT_EQ(s[f[static_cast<std::size_t>(k)]], k) << f[0];
        Diagramm d = bereich(9, 9, 9, 9);
        holeAchsenbereich(static_cast<Integer>(f[0]), s, d);
        const Single breiter = f[0] == -4 ? 1.0f : 0.0f;  // Eyring widens by one
        EXPECT_EQ(std::tuple(d.XMin, d.XMax, d.YMin, d.YMax), std::tuple(1, 2, 3 - breiter, 4 + breiter)) << f[0];
    }
}

TEST_F(ChartRequest, WilkinsonLimitsComeBackUnchangedAtTheNextOpening) {
    app.iDiagrammTyp = -7;
    speichereAchsenbereich(-7, app.Achsenbereich, bereich(0, 50, 10, 80));
    EXPECT_EQ(std::tuple(app.Achsenbereich[20], app.Achsenbereich[21]), std::tuple(80, 10));  // maximum first
    app.tDiagramm = Diagramm{};
    zeigeDiagramm();
    EXPECT_EQ(std::tuple(app.tDiagramm.YMin, app.tDiagramm.YMax, app.tDiagramm.XMax), std::tuple(10, 80, 50));
}

TEST_F(ChartRequest, EyringRangeWidensByOneAtEachOpeningAndConfirming) {
    app.iDiagrammTyp = -4;
    speichereAchsenbereich(-4, app.Achsenbereich, bereich(0.003f, 0.0035f, -10, -5));
    zeigeDiagramm();
    EXPECT_EQ(std::pair(app.tDiagramm.YMin, app.tDiagramm.YMax), std::pair(-11.0f, -4.0f));
    speichereAchsenbereich(-4, app.Achsenbereich, app.tDiagramm);  // confirmed as shown
    zeigeDiagramm();
    EXPECT_EQ(std::pair(app.tDiagramm.YMin, app.tDiagramm.YMax), std::pair(-12.0f, -3.0f));
    EXPECT_FLOAT_EQ(app.tDiagramm.XMin, 0.003f);
}

TEST_F(ChartRequest, MichaelisMentenPlotHasFixedRanges) {
    app.iModell = 10;
    app.bMMdiagramm = true;
    app.S0max = 0.15f;
    for (int i = 0; i < 32; ++i) app.Achsenbereich[i] = 7;
    for (int kind : {10, 60}) {
        app.bMMnormiert = true;
        Diagramm d;
        holeAchsenbereich(static_cast<Integer>(kind), app.Achsenbereich, d);
        EXPECT_EQ(std::tuple(d.XMin, d.XMax, d.YMin, d.YMax), std::tuple(0, 20, 0, 1));
        app.bMMnormiert = false;
        holeAchsenbereich(static_cast<Integer>(kind), app.Achsenbereich, d);
        EXPECT_FLOAT_EQ(d.XMax, 0.15f);
    }
    // The store keeps the typed limits in the plot's own slots ...
    speichereAchsenbereich(10, app.Achsenbereich, bereich(1, 2, 3, 4));
    const auto& a = app.Achsenbereich;
    EXPECT_EQ(std::tuple(a[30], a[31], a[28], a[29], a[0]), std::tuple(1, 2, 3, 4, 7));
    // ... and the fetch still shows the fixed ranges.
    app.bMMnormiert = true;
    Diagramm d;
    holeAchsenbereich(10, app.Achsenbereich, d);
    EXPECT_EQ(d.XMax, 20);
    // Without model 10 the flag does not count.
    app.iModell = 4;
    holeAchsenbereich(4, app.Achsenbereich, d);
    EXPECT_EQ(d.XMax, 7);
}

TEST_F(ChartRequest, FittingModesOverrideTheStoredConcentrationMaximum) {
    app.bAuswertungsart = 6;
    speichereAchsenbereich(2, app.Achsenbereich, bereich(0, 10, 0, 0.5f));
    EXPECT_EQ(app.Achsenbereich[3], 1.0f);
    app.bAuswertungsart = 7;
    app.c0Daten[1] = 0.04f;
    speichereAchsenbereich(-9, app.Achsenbereich, bereich(0, 10, 0, 0.5f));
    EXPECT_FLOAT_EQ(app.Achsenbereich[3], 0.04f);
    speichereAchsenbereich(52, app.Achsenbereich, bereich(0, 10, -1, 2));  // rate kinds are not touched
    EXPECT_FLOAT_EQ(app.Achsenbereich[3], 0.04f);
    EXPECT_EQ(app.Achsenbereich[5], 2);
}

// ---- point-set tabs ----

namespace {

// The window's load handler sets the masks of the kind.
void ladeFenster() {
    hooks().chartWindow.showChartWindow = [] {
        SetSpeziesMaske(app.iDiagrammTyp);
        return true;
    };
}

// The point-set tabs as the request leaves them, tab by tab: its caption when
// shown ("/legend" when the legend text differs), "-caption" when hidden, "~"
// when hidden with its caption untouched, "?" when not touched at all; then
// the chart legend (L shown, l hidden) and the tab made current (@index).
std::string reiter() {
    const PunktTabs& t = app.gPunktTabs;
    std::string s;
    for (std::size_t i = 1; i <= 7; ++i) {
        if (!t.sichtbar[i]) s += "?";
        else if (!*t.sichtbar[i]) s += t.caption[i] ? "-" + *t.caption[i] : "~";
        else s += t.caption[i].value_or("?") + (t.legende[i] != t.caption[i] ? "/" + t.legende[i].value_or("?") : "");
        s += i < 7 ? "," : "";
    }
    if (t.legendeSichtbar) s += *t.legendeSichtbar ? " L" : " l";
    if (t.chkLegend && t.chkLegend != t.legendeSichtbar) s += " !";  // the check box must mirror the legend
    if (t.aktuellerTab) s += " @" + std::to_string(*t.aktuellerTab);
    return s;
}

}  // namespace

TEST_F(ChartRequest, PointSetTabsFollowKindMaskDataColumnsAndKTData) {
    // was, stelle, kind, the tabs
    const std::tuple<const char*, std::function<void()>, int, const char*> faelle[] = {
        {"model kind 1 shows the legend", [] { app.bKonzDaten[1] = true; }, 1, "c(A),~,~,~,~,-,? L"},
        {"kind 2 hides it", [] { app.bKonzDaten[1] = true; }, 2, "c(A),~,~,~,~,-,? l"},
        {"enzyme names, no column C, Q not in the mask",
         [] {
             app.iModell = 10;
             app.bKonzDaten = {false, true, true, false, true, true};
         },
         10, "c(E),c(S),~,c(P),~,-,? l"},
        {"linearised plots show the function tab only", [] { app.bKonzDaten[1] = app.bKonzDaten[2] = true; }, -5,
         "Fu(c),-,-,-,-,-,? l"},
        {"-8", [] { app.bKonzDaten[1] = app.bKonzDaten[2] = true; }, -8, "Fu(c),-,-,-,-,-,? l"},
        {"k-T tab with k-T data", [] { app.bHatKTDaten = true; }, -3, "~,~,~,~,~,k-T,? l"},
        {"no k-T tab without", [] {}, -3, "~,~,~,~,~,-,?"},
        {"the tangent's species only, made current; the request ends before the k-T tab",
         [] {
             app.bytTangStoff = 4;
             app.bKonzDaten[4] = app.bHatKTDaten = true;
         },
         100, "-,-,-,c(P),-,?,? l @3"},
    };
    for (const auto& [was, stelle, kind, tabs] : faelle) {
        resetAppState("");
        ladeFenster();
        stelle();
        app.iDiagrammTyp = static_cast<Integer>(kind);
        zeigeDiagramm();
        EXPECT_EQ(reiter(), tabs) << was;
    }
}

TEST_F(ChartRequest, WindowThatCannotBeShownEndsTheRequestWithItsMessage) {
    MsgRecorder rec;
    bool tabs = false;
    hooks().chartWindow.showChartWindow = [] { return false; };
    hooks().chartWindow.punktTabsAnwenden = [&](const PunktTabs&) { tabs = true; };
    app.Achsenbereich[0] = 2;
    app.iDiagrammTyp = 4;
    app.gPunktTabs.caption[1] = "alt";
    zeigeDiagramm();
    EXPECT_TRUE(
        vrn::test::isOnlyMessage(rec, std::string(kGrafikModulFehlt), " Ausführung nicht möglich ", MsgIcon::Critical));
    EXPECT_FALSE(tabs);
    EXPECT_EQ(app.gPunktTabs.caption[1], "alt");
    // What was written before the window stays.
    EXPECT_EQ(std::tuple(app.gnKurvenOffen, app.tDiagramm.XMin, app.tDiagramm.XTitel), std::tuple(3, 2, "t/ s"));
}
