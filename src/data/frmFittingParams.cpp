// The parameters of the fitting window: typing, sliders, where each
// parameter goes in the shared state, and the auto-fit.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include <cmath>

#include "base/NumberText.h"
#include "data/FitTexts.h"
#include "data/frmFitting.h"
#include "shell/StateOwner.h"

#include "platform/MsgBox.h"
#include "platform/NumberField.h"
#include "platform/Paths.h"
#include "shell/AppState.h"
#include "shell/Helpers.h"
#include "base/Zahlbereich.h"

namespace vrn {

namespace {

std::size_t u(int i) { return static_cast<std::size_t>(i); }

// Where p(1..3) go: the same rule in typing, sliders and after an auto-fit.
enum class Ziel { K1, K2, K3, Ordnung, ArrhA, ArrhEA, EyrPar1, EyrH, Nichts };

struct Weiterleitung {
    int modus;
    int kt;  // 0: any
    Ziel p[3];
};

constexpr Weiterleitung kWeiterleitung[] = {
    {1, 0, {Ziel::K1, Ziel::K2, Ziel::K3}},
    {2, 0, {Ziel::K1, Ziel::Ordnung, Ziel::K3}},
    {6, 2, {Ziel::EyrPar1, Ziel::EyrH, Ziel::Nichts}},
    {7, 2, {Ziel::EyrPar1, Ziel::EyrH, Ziel::Nichts}},
    {6, 0, {Ziel::ArrhA, Ziel::ArrhEA, Ziel::Nichts}},
    {7, 0, {Ziel::ArrhA, Ziel::ArrhEA, Ziel::Nichts}},
};

Ziel zielVon(int modus, int kt, int j) {
    for (const Weiterleitung& w : kWeiterleitung)
        if (w.modus == modus && (w.kt == 0 || w.kt == kt)) return w.p[j - 1];
    return Ziel::Nichts;
}

void schreibe(Ziel z, double v) {
    switch (z) {
        case Ziel::K1: app.k[1] = v; break;
        case Ziel::K2: app.k[2] = v; break;
        case Ziel::K3: app.k[3] = v; break;
        case Ziel::Ordnung: app.nOrdnung = zuSingle(v); break;
        case Ziel::ArrhA: app.dblArrhA = v; break;
        case Ziel::ArrhEA: app.dblArrhEA = v; break;
        case Ziel::EyrPar1: app.dblEyrPar1 = v; break;
        case Ziel::EyrH: app.dblEyrH = v; break;
        case Ziel::Nichts: break;
    }
}

}  // namespace

// RefWert(j) into its place in the shared state; the Eyring factor also sets S#.
void frmFitting::leiteWeiter(int j) {
    if (j < 1 || j > 3) return;
    const Ziel z = zielVon(modus_, ktFunktion_, j);
    schreibe(z, app.RefWert[u(j)]);
    if (z == Ziel::EyrPar1) setzeEntropie("###.0");
}

bool frmFitting::proZeit(int j) const {
    const Ziel z = zielVon(modus_, ktFunktion_, j);
    return z == Ziel::K1 || z == Ziel::K2 || z == Ziel::K3 || z == Ziel::ArrhA || z == Ziel::EyrPar1;
}

bool frmFitting::istOrdnung(int j) const { return zielVon(modus_, ktFunktion_, j) == Ziel::Ordnung; }

Zahllesung frmFitting::parameterLesung(int j) const {
    // The parameter as its frame names it.
    Zahllesung l = Inp[u(9 + j)]->lies(fitParameterFeld(toStd(frak(j)->title()), istOrdnung(j)));
    // A negative number beyond the width where the parameter must be above 0
    // is named with that range, as the redraw names a negative one.
    if (l.fehler == Zahlfehler::ZuKlein) {
        switch (zielVon(modus_, ktFunktion_, j)) {
            case Ziel::K1:
            case Ziel::K2:
            case Ziel::K3: l.zeile = "- Geschwindigkeitskonstante k" + std::to_string(j) + " muss größer Null sein"; break;
            case Ziel::Ordnung: l.zeile = "- nur n > 0 erlaubt"; break;
            case Ziel::ArrhA:
            case Ziel::EyrPar1: {
                // The factor of k1 in the temperature function: above 0, named as its frame names it.
                Zahlfeld f = Inp[10]->zahlfeld();
                f.bereich = Bereich::Positiv;
                l.zeile = bereichsZeile(f);
                break;
            }
            default: break;
        }
    }
    return l;
}

std::string frmFitting::parameterZeilen() const {
    std::string m;
    for (int j = 1; j <= 3; ++j) {
        const NumberField* f = Inp[u(9 + j)];
        if (!f || !f->isVisibleTo(this)) continue;
        if (const Zahllesung l = parameterLesung(j); !l.ok()) m += l.zeile + "\r\n";
    }
    return m;
}

// dblEyrS and its label from dblEyrPar1; nothing changes when S# cannot be formed.
void frmFitting::setzeEntropie(const char* muster) {
    double S = 0;
    if (!eyringEntropie(app.dblEyrPar1, leiteZeitEinheitIdxAb(), S)) return;
    app.dblEyrS = S;
    lblAktEntropie->setText(toQ(" " + FormatAlsSingle(S, muster) + " J/(mol K)"));
}

void frmFitting::Inp_Change(int Index) {
    if (Index < 10 || Index > 12) return;
    // A parameter typed is in force at once: the windows that show it hear it.
    Aenderung aenderung;
    const int j = Index - 9;
    // A text the field refuses leaves the parameter in force; the redraw,
    // the auto-fit and the sliders name it.
    const Zahllesung l = parameterLesung(j);
    if (!l.ok()) return;
    double v = istOrdnung(j) ? static_cast<double>(l.single) : l.wert;
    // 0 typed stands for 1e-8: the sliders move a parameter by a share of itself.
    if (v == 0) v = 1e-8;
    // A value typed in place of a fitted one: its ± went with it.
    if (v != app.RefWert[u(j)]) zeigeStdAbw(false);
    app.RefWert[u(j)] = v;
    leiteWeiter(j);
    if (j == 1 && zielVon(modus_, ktFunktion_, 1) == Ziel::EyrPar1) app.dblEyrH = app.RefWert[2];
    // In force as typed: no text of the user's that waits to be used.
    Inp[u(Index)]->setModified(false);
}

void frmFitting::Inp_Verlassen(int Index) {
    if (Index < 10 || Index > 12) return;
    const int j = Index - 9;
    if (parameterLesung(j).ok()) return;
    // The parameter in force before this text comes back; none of the
    // numbers typed on the way stays. The text stays as typed: the redraw,
    // the auto-fit and the sliders name it.
    Aenderung aenderung;
    app.RefWert[u(j)] = refWertBeimFokus_[u(j)];
    leiteWeiter(j);
}

void frmFitting::SliderGrob_Change(int j) { sliderBewegt(j, true); }
void frmFitting::SliderFein_Change(int j) { sliderBewegt(j, false); }

// A jog move: p(j) changes by value per cent (coarse) or per mille (fine) of
// itself, the curve is redrawn and the slider returns to 0 (that reset is
// not a move).
void frmFitting::sliderBewegt(int j, bool grobRegler) {
    if (j < 1 || j > 3) return;
    QSlider* s = grobRegler ? grob(j) : fein(j);
    const int v = s->value();
    if (v == 0) return;
    // A parameter typed that its field refuses is not moved from the one in force.
    if (const Zahllesung l = parameterLesung(j); !l.ok()) {
        const QSignalBlocker still(s);
        s->setValue(0);
        MsgBox(l.zeile, MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
        return;
    }
    Aenderung aenderung;
    gemeinsameWerteSetzen(true);
    double& p = app.RefWert[u(j)];
    const double neu = p + v * p / (grobRegler ? 100.0 : 1000.0);
    if (std::isfinite(neu)) p = neu;
    schreibeFeld(9 + j, p);
    leiteWeiter(j);
    if (zielVon(modus_, ktFunktion_, j) == Ziel::EyrPar1) {
        setzeEntropie(grobRegler ? "###." : "###.0");
        if (grobRegler) app.dblEyrH = app.RefWert[2];
    }
    // Before the window's first curve (the chart shows the measured points only) a move does not draw.
    if (gezeichnet_) cmdDrawNewCurve_Click();
    if (!(j == 1 && !grobRegler)) zeigeStdAbw(false);
    const QSignalBlocker still(s);
    s->setValue(0);
}

// Refuses too few points that take part (and 2A => P without c(A)(0)); runs
// the minimiser; a start that cannot be evaluated ends with one message and
// the shown parameters; a limit is reported and its last accepted values are
// taken over like a result.
void frmFitting::cmdAutoFitting_Click() {
    // The fit is one change: the windows hear its result when it ends.
    Aenderung aenderung;
    SanduhrEin();
    cmdAutoFitting->setText("warte...");
    auto ende = [this] {
        cmdAutoFitting->setText("Auto-   Fitting");
        SanduhrAus();
    };
    // A parameter typed that its field refuses: named, nothing is fitted.
    if (const std::string m = parameterZeilen(); !m.empty()) {
        MsgBox(m, MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
        return ende();
    }
    gemeinsameWerteSetzen(true);
    const std::string km = masken().constants;
    int nPar = 0;
    for (char c : km.substr(0, 3)) nPar += c == '1' ? 1 : 0;
    nPar = std::max(nPar, 1);
    const FitAuswahl a = auswahl();
    const FitDaten daten = currentFitDaten();
    if (teilnehmendePunkte(daten, a) <= nPar) {
        MsgBox("Die Zahl der Messpunkte muss größer als die Zahl der Parameter sein!\r\n"
               "Ergänzen Sie die Daten im Dateneditor.",
               MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
        return ende();
    }
    if (modus_ == 7 && !(app.c0Daten[1] > 0)) {
        MsgBox("Für diesen Fall muss die Anfangskonzentration c(A)(0) gegeben sein.", MsgButtons::OK,
               MsgIcon::Critical, kNichtMoeglich);
        return ende();
    }

    const KinFitErgebnis e = MarquardtNashFitting(nPar, app.RefWert, a, daten);
    if (e.abgebrochen) {
        // The evaluations changed the model constants: they go back to the shown parameters.
        for (int j = 1; j <= 3; ++j) leiteWeiter(j);
        MsgBox("Das Fitting ist mit diesen Startwerten nicht möglich:\r\n" + e.fehlerText +
                   "\r\nVerbessern Sie die Startwerte durch Annäherung der Kurve(n) an die Messwerte.",
               MsgButtons::OK, MsgIcon::Exclamation, "Parameter-Fitting");
        return ende();
    }
    if (e.bMaxIter)
        MsgBox("Maximale Iterationszahl erreicht.\r\nWiederholen Sie das Fitting und/oder verbessern Sie die\r\n"
               "Startwerte durch Annäherung der Kurve(n) an die Messwerte.",
               MsgButtons::OK, MsgIcon::Exclamation, "Parameter-Fitting");

    for (int j = 1; j <= nPar; ++j) app.RefWert[u(j)] = e.p[u(j)];
    for (int j = 1; j <= 3; ++j) {
        if (modus_ == 2 && j == 3) continue;
        leiteWeiter(j);
    }
    for (int j = 1; j <= 3; ++j) {
        if (j > 1 && !(static_cast<int>(km.size()) >= j && km[u(j - 1)] == '1')) continue;
        schreibeFeld(9 + j, app.RefWert[u(j)]);
        lblPlusMinus[u(j)]->setVisible(true);
        lblStdDev[u(j)]->setVisible(true);
        stdAbw_[u(j)] = e.StdAbw[u(j)];
        lblStdDev[u(j)]->setText(toQ(stdAbwText(stdAbw_[u(j)])));
    }
    zeichne(true);
    // A run that converged where the sum of squares is not at a minimum says so.
    if (!e.bMaxIter && e.zweifel != MarquardtZweifel::Keiner) {
        int gehalten = 1;
        while (gehalten < nPar && !e.anGrenze[u(gehalten)]) ++gehalten;
        QGroupBox* const rahmen[] = {frak1, frak2, frak3};
        MsgBox(zweifelText(e.zweifel, toStd(rahmen[gehalten - 1]->title())), MsgButtons::OK, MsgIcon::Exclamation,
               "Parameter-Fitting");
    }
    ende();
}

}  // namespace vrn
