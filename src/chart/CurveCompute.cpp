#include "chart/CurveCompute.h"

#include <array>
#include <cmath>
#include <vector>

#include "chart/CurveSlots.h"
#include "chart/DiagramKinds.h"
#include "chart/Evaluation.h"
#include "engine/Akima.h"
#include "platform/MsgBox.h"
#include "shell/AppState.h"
#include "shell/StateOwner.h"
#include "shell/Helpers.h"
#include "base/NumberText.h"

namespace vrn {

namespace {

// Species drawn per pending count (index 1..4; 0 = none) for the models of a row.
struct SpeziesZeile {
    std::array<int, 5> modelle;
    std::array<int, 5> spezies;
};

constexpr SpeziesZeile kSpeziesTabelle[] = {
    {{1, 2, 3, 5, 8}, {0, P, A, 0, 0}},       // 20 as well, see speziesZeile
    {{4, 12, 17, 0, 0}, {0, P, B, A, 0}},
    {{6, 14, 15, 0, 0}, {0, P, C, A, 0}},
    {{7, 9, 10, 13, 18}, {0, P, C, B, A}},
    {{11, 16, 0, 0, 0}, {0, Q, P, A, 0}},
};

const SpeziesZeile* speziesZeile(int modell) {
    if (modell == 20) return &kSpeziesTabelle[0];
    if (modell <= 0) return nullptr;
    for (const auto& z : kSpeziesTabelle)
        for (int m : z.modelle)
            if (m == modell) return &z;
    return nullptr;
}

constexpr const char* kStoffName[6] = {"", "A", "B", "C", "P", "Q"};
constexpr const char* kEnzymName[4] = {"", "E", "S", "ES"};

void setzeKurvenPunkte(const std::vector<XYPunkt>& punkte) {
    auto& buf = app.gKurvenPunkte;
    if (buf.size() < static_cast<std::size_t>(kMaxKurvenPunkte + 1)) buf.resize(kMaxKurvenPunkte + 1);
    buf[0].x = static_cast<Single>(punkte.size());
    for (std::size_t i = 0; i < punkte.size(); ++i) buf[i + 1] = punkte[i];
}

KurvenErgebnis abbruch(std::string text) {
    KurvenErgebnis r;
    r.ausgang = KurvenAusgang::Abbruch;
    r.fehlerText = std::move(text);
    return r;
}

KurvenErgebnis keine() {
    setzeKurvenPunkte({});
    return {};
}

bool imYBereich(Single y) { return app.tDiagramm.YMin <= y && y <= app.tDiagramm.YMax; }

// ---- simulated species curves ----

KurvenErgebnis speziesKurve(Integer kind, Integer nr, bool& bAusserhalb) {
    Integer& offen = app.gnKurvenOffen;
    if (offen == 0) return keine();
    if (offen < 0) {
        offen = 0;
        return keine();
    }
    const SpeziesZeile* zeile = speziesZeile(modellDerArt(kind));
    const bool nichtIsotherm = zeile == &kSpeziesTabelle[0] && app.bAuswertungsart >= 6;
    const int s = nichtIsotherm ? A : (zeile && offen <= 4 ? zeile->spezies[static_cast<std::size_t>(offen)] : 0);
    if (s == 0) {
        --offen;
        return keine();
    }

    const bool vs = s == P && istMichaelisMentenPlot();
    // Rates belong to the rate kinds; a concentration kind draws
    // concentrations, whatever diagram was drawn before.
    const bool rate = istRatenArt(kind) || vs;
    const std::vector<double>* const cSim[6] = {nullptr, &app.cSim_A, &app.cSim_B, &app.cSim_C, &app.cSim_P, &app.cSim_Q};
    const std::vector<Single>* const rSim[6] = {nullptr, &app.rSim_A, &app.rSim_B, &app.rSim_C, &app.rSim_P, &app.rSim_Q};
    const int n = app.nSimPunkte;
    const std::size_t groesse = rate ? rSim[s]->size() : cSim[s]->size();
    if (n < 0 || n + 1 > kMaxKurvenPunkte || app.tSim.size() <= static_cast<std::size_t>(n) ||
        groesse <= static_cast<std::size_t>(n))
        return abbruch("Die Simulationsergebnisse passen nicht zur Zahl der Kurvenpunkte.");

    std::vector<XYPunkt> punkte;
    punkte.reserve(static_cast<std::size_t>(n + 1));
    bool drin = false;
    for (int i = 0; i <= n; ++i) {
        const std::size_t ui = static_cast<std::size_t>(i);
        // Each value checked against the range of a Single before it becomes one.
        const double xd = app.tSim[ui];
        const double yd = rate ? static_cast<double>((*rSim[s])[ui]) : (*cSim[s])[ui];
        if (!passtInSingle(xd) || !passtInSingle(yd))
            return abbruch("Ungültiger Wert in den Simulationsergebnissen (Punkt " + Format(i) + ")");
        const Single x = zuSingle(xd);
        const Single y = zuSingle(yd);
        if (s == A && imYBereich(y)) drin = true;
        punkte.push_back({x, y, 0});
    }

    KurvenErgebnis r;
    r.ausgang = KurvenAusgang::Kurve;
    r.setzeLabel = true;
    r.labelText = vs ? std::string() : speziesLabel(s, nr, istRatenArt(kind));
    if (drin || vs) bAusserhalb = false;
    setzeKurvenPunkte(punkte);
    if (nichtIsotherm) offen = 0;
    else --offen;
    return r;
}

// ---- tangent method: Akima spline through the measured curve ----

KurvenErgebnis tangentenKurve(Integer nAufloesung, bool& bAusserhalb) {
    const int s = app.bytTangStoff;
    if (s < 1 || s > 5) return abbruch("Für die Tangentenmethode ist kein Stoff gewählt.");
    const Diagramm& d = app.tDiagramm;
    const Single dx = nAufloesung > 0 ? (d.XMax - d.XMin) / static_cast<Single>(nAufloesung) : 0.0f;
    Single schritt = 0.5f * dx;
    if (!std::isfinite(schritt) || !(schritt > 0) || !std::isfinite(d.XMax))
        return abbruch("Der Koordinatenbereich des Diagramms ist ungültig.");

    Integer n = static_cast<Integer>(std::max(0, std::min<int>(app.nExpPunkte, static_cast<int>(app.ExpDaten.size()) - 1)));
    // Build the spline in tables of our own; the store is replaced only on success.
    const std::size_t groesse = static_cast<std::size_t>(n + 6);
    std::vector<double> X(groesse, 0.0);
    X[0] = n;
    SplTable Y(6, std::vector<double>(groesse, 0.0)), D = Y, C = Y, B = Y, Ak = Y;
    for (int i = 1; i <= n; ++i) {
        X[static_cast<std::size_t>(i)] = app.ExpDaten[static_cast<std::size_t>(i)].t;
        Y[static_cast<std::size_t>(s)][static_cast<std::size_t>(i)] =
            app.ExpDaten[static_cast<std::size_t>(i)].c[static_cast<std::size_t>(s)];
    }
    if (!CalcAkimaSpline(static_cast<Integer>(s), n, app.sngGlaettung, X, Y, D, C, B, Ak)) {
        KurvenErgebnis r;
        r.ausgang = KurvenAusgang::Verweigert;
        return r;
    }

    // x = i * step for i = 0..m, m = XMax / step; at most kMaxKurvenPunkte points.
    // (The quotient is widened by a relative 1e-6 so that the rounding of the
    // single step does not lose the point at XMax.)
    const double anzahl = static_cast<double>(d.XMax) / schritt;
    long m = d.XMax >= 0 ? static_cast<long>(std::floor(anzahl * (1 + 1e-6))) : -1;
    if (m + 1 > kMaxKurvenPunkte) {
        m = kMaxKurvenPunkte - 1;
        schritt = d.XMax / static_cast<Single>(m);
    }
    std::vector<XYPunkt> punkte;
    punkte.reserve(static_cast<std::size_t>(m + 1));
    bool drin = false;
    for (long i = 0; i <= m; ++i) {
        const Single x = zuSingle(static_cast<double>(i) * schritt);
        const auto y = AkimaSplineWert(0, static_cast<Integer>(s), x, n, X, Y, D, C, B, Ak);
        if (!y || !passtInSingle(*y)) return abbruch("Ungültiger Wert des Splines bei t = " + Format(x));
        const Single ys = zuSingle(*y);
        if (imYBereich(ys)) drin = true;
        punkte.push_back({x, ys, 0});
    }

    app.SplX = std::move(X);
    app.SplY = std::move(Y);
    app.SplKoeffD = std::move(D);
    app.SplKoeffC = std::move(C);
    app.SplKoeffB = std::move(B);
    app.SplKoeffA = std::move(Ak);
    setzeKurvenPunkte(punkte);
    if (drin) bAusserhalb = false;
    --app.gnKurvenOffen;
    KurvenErgebnis r;
    r.ausgang = KurvenAusgang::Kurve;
    return r;
}

// ---- evaluation plots ----

KurvenErgebnis auswertungsKurve(Integer kind, bool& bAusserhalb) {
    Auswertung e = werteAus(kind);
    if (e.ausgang == AuswertungsAusgang::Abbruch) return abbruch(e.text);
    if (e.ausgang == AuswertungsAusgang::Verweigert) {
        MsgBox(e.text, MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
        KurvenErgebnis r;
        r.ausgang = KurvenAusgang::Verweigert;
        return r;
    }
    std::vector<XYPunkt> linie;
    bool ausserhalb = bAusserhalb;
    if (!CalcRegressKurve(e.a, e.b, app.tDiagramm, linie, ausserhalb))
        return abbruch("Die Regressionsgerade lässt sich im Koordinatenbereich nicht berechnen.");

    app.gRegrX = std::move(e.x);
    app.gRegrY = std::move(e.y);
    app.gRegrW = std::move(e.w);
    app.RegrA = e.regrA;
    app.RegrB = e.regrB;
    app.RegrR2 = e.r2;
    if (e.k1) {
        // The windows that show k1 show the one the regression found.
        Aenderung aenderung;
        app.k[1] = *e.k1;
    }
    app.gKurvenPunkte = std::move(linie);
    bAusserhalb = ausserhalb;
    --app.gnKurvenOffen;

    KurvenErgebnis r;
    r.ausgang = KurvenAusgang::Kurve;
    r.statusText = e.statusText;
    r.mitMesspunkten = true;
    return r;
}

}  // namespace

std::string speziesLabel(int s, Integer nr, bool rate) {
    if (s < 1 || s > 5) return {};
    if (s == A && app.bAuswertungsart >= 6 && !rate && nr >= 1 &&
        nr <= app.nKurvenTemp && static_cast<std::size_t>(nr) < app.gKurvenTemp.size())
        return "T/K = " + Format(app.gKurvenTemp[static_cast<std::size_t>(nr)], "####,##");
    const char* name = (app.iModell == 10 && s <= 3) ? kEnzymName[s] : kStoffName[s];
    return std::string(rate ? "r(" : "c(") + name + ") ";
}

KurvenErgebnis zeichneKurve(Integer kind, Integer nr, Integer nAufloesung, bool& bAusserhalb) {
    if ((kind >= 1 && kind <= 20) || istRatenArt(kind)) return speziesKurve(kind, nr, bAusserhalb);
    if (kind == kDiagTangente) return tangentenKurve(nAufloesung, bAusserhalb);
    if (istAuswertungsArt(kind)) return auswertungsKurve(kind, bAusserhalb);
    if (app.gnKurvenOffen > 0) --app.gnKurvenOffen;
    else app.gnKurvenOffen = 0;
    return keine();
}

void meldeKritischenFehler(const std::string& fehlerText) {
    MsgBox("Es ist ein kritischer Fehler aufgetreten:" + std::string("\r\n") + fehlerText, MsgButtons::OK,
           MsgIcon::Critical, "ABBRUCH");
}

}  // namespace vrn
