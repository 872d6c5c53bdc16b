// The chart window's drawing: the drawing loop, curves and measured points
// into the chart, the axis ranges, the curve copy, the half-life marks and
// the delete and legend commands.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabWidget>

#include <algorithm>

#include "base/NumberText.h"
#include "chart/ChartWindowTables.h"
#include "chart/CurveCompute.h"
#include "chart/CurveCopy.h"
#include "chart/CurvePanel.h"
#include "chart/CurveSlots.h"
#include "chart/HalfLifeMark.h"
#include "chart/MeasuredPoints.h"
#include "chart/PointPanel.h"
#include "chart/ToolFrame.h"
#include "chart/frmGraph2D.h"
#include "platform/ChartControl.h"
#include "platform/MsgBox.h"
#include "platform/Paths.h"
#include "shell/AppState.h"
#include "shell/Helpers.h"

namespace vrn {

namespace {

std::size_t u(int i) { return static_cast<std::size_t>(i); }

// Pending curves are never more than the places; a loop that draws nothing
// new (a kind without curves) ends after this many turns at the latest.
constexpr int kMaxSchleifen = 4 * kMaxKurven + 8;

// The number of points of a point list (element 0's x), within the list.
int punktZahl(const std::vector<XYPunkt>& pts) {
    if (pts.empty()) return 0;
    const Single n0 = pts[0].x;
    if (!(n0 >= 0.5f)) return 0;
    const int n = static_cast<int>(std::nearbyint(n0));
    return std::min(n, static_cast<int>(pts.size()) - 1);
}

}  // namespace

// ---- drawing loop -------------------------------------------------------------------------------

void frmGraph2D::cmdDraw_Click() {
    versteckeWerkzeugRahmen();
    SanduhrEin();
    setEnabled("mnuDelKurv", true);
    setEnabled("mnuSubDelKurv(0)", true);

    bool bAusserhalb = true;
    bFehler = 0;
    const Integer kind = app.iDiagrammTyp;
    // Data-only kinds have no curves to compute: nothing is pending for them.
    if (kind == -1 || kind == -2 || kind == -9 || kind == 0 || app.gnKurvenOffen < 0) app.gnKurvenOffen = 0;

    ChartControl& c = *Chart2D1;
    Long m = 0;  // label point of the previous curve of this loop
    for (int runde = 0; app.gnKurvenOffen != 0 && runde < kMaxSchleifen; ++runde) {
        Integer err = 0;
        NeueKurveNr(KurveNr, err);
        if (err != 0) break;
        const int nr = KurveNr;
        setEnabled("mnuDelKurv", true);
        setEnabled("mnuSubDelKurv(0)", true);
        if (c.seriesLabelCount(1) < nr) c.addSeriesLabel(1, "");

        const KurvenErgebnis r = zeichneKurve(kind, KurveNr, nAufloesung, bAusserhalb);
        setStatusText(toQ(r.statusText));
        if (r.ausgang == KurvenAusgang::Abbruch) {
            KurveFreigeben(KurveNr);
            bFehler = -1;
            FehlerText = r.fehlerText;
            meldeKritischenFehler(FehlerText);
            break;
        }
        if (r.ausgang == KurvenAusgang::Verweigert) {
            KurveFreigeben(KurveNr);
            break;
        }
        if (r.ausgang == KurvenAusgang::Keine) {
            KurveFreigeben(KurveNr);
            continue;
        }

        if (bAusserhalb)
            MsgBox("Kurve außerhalb des aktuellen Koordinatenfensters" + app.CrLf + app.CrLf +
                       "Vergrößern Sie das Koordinatenfenster.",
                   MsgButtons::OK, MsgIcon::Exclamation, "WARNUNG");
        if (r.setzeLabel) {
            c.setLabelText(nr, r.labelText);
            kurvenPanel->txtLabel[u(nr)]->setText(toQ(r.labelText));
        }

        c.beginUpdate();
        const std::vector<XYPunkt>& pts = app.gKurvenPunkte;
        const int n = punktZahl(pts);
        c.setLineColour(1, nr, app.gFarbVorwahl);
        const Long index = labelPunktIndex(pts, app.tDiagramm.XMax, KurveNr, m);
        c.attachLabel(nr, 1, nr, std::max<Long>(1, index));
        kurvenPanel->scrShiftLab[u(nr)]->setRange(1, std::max(1, n));
        kurvenPanel->scrShiftLab[u(nr)]->setValue(c.labelPoint(nr));
        c.setSeriesLabel(1, nr, c.labelText(nr));
        kurvenPanel->txtLegendCurves[u(nr)]->setText(toQ(c.seriesLabel(1, nr)));
        zeigeKurvenPunkte(KurveNr, pts);
        if (c.labelShown(nr)) setEnabled("mnuDelLabels", true);
        c.endUpdate();

        if (r.mitMesspunkten) mnuAddPunkte_Click();
    }
    SanduhrAus();
}

void frmGraph2D::zeigeKurvenPunkte(Integer nr, const std::vector<XYPunkt>& pts) {
    if (nr < 1 || nr > kMaxKurven) return;
    const int n = punktZahl(pts);
    std::vector<double> x, y;
    x.reserve(u(n));
    y.reserve(u(n));
    for (int i = 1; i <= n; ++i) {
        x.push_back(pts[u(i)].x);
        y.push_back(pts[u(i)].y);
    }
    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    c.setLineColour(1, nr, app.gFarbVorwahl);
    c.setSymbolColour(1, nr, app.gFarbVorwahl);
    c.setDisplayState(1, nr, kSeriesShown);
    c.setPoints(1, nr, x, y);
    // The label stays on a point of the curve.
    if (c.labelPoint(nr) > n) c.setLabelPoint(nr, std::max(1, n));
    c.setLabelShown(nr, true);
    c.endUpdate();
}

// ---- measured points ------------------------------------------------------------------------------

void frmGraph2D::mnuAddPunkte_Click() {
    setEnabled("mnuDelPoints", true);
    setEnabled("mnuDelTotal", true);
    if (!app.bKTDiagramm) {
        const std::string& maske = app.sSpeziesMaske;
        bool angenommen = false;
        for (int i = 1; i <= 5; ++i)
            if (u(i) <= maske.size() && maske[u(i - 1)] == '1' && app.bKonzDaten[u(i)]) angenommen = true;
        if (app.bLambdaAuswertung && app.bHatLambdaDaten) angenommen = true;
        if (maske.size() >= 5 && maske[4] == '2') angenommen = true;
        if (!angenommen) {
            MsgBox("Für dieses Diagramm sind keine Konzentrations-Punkte geladen." + app.CrLf +
                       "Laden Sie Konzentrationsdaten oder benutzen Sie den Dateneditor für Neueingabe.",
                   MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
            return;
        }
    }
    bool drin = false;
    zeigeExperPunkte(drin);
    if (!drin)
        MsgBox("Alle experimentellen Punkte befinden sich außerhalb des Koordinatenbereichs des Diagramms" + app.CrLf +
                   "Vergrößern Sie den Koordinatenbereich.",
               MsgButtons::OK, MsgIcon::Exclamation, "Warnung");

    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    for (int i = 1; i <= kPunktSaetze; ++i) {
        const bool hatPunkte = c.pointCount(2, i) >= 1;
        punktePanel->tabPunkte->setTabVisible(i - 1, hatPunkte);
        if (hatPunkte) {
            c.setSeriesLabel(2, i, toStd(punktePanel->txtLegendPoints[u(i)]->text()));
            c.setSymbolColour(2, i, app.gFarbVorwahl);
        }
    }
    c.endUpdate();
}

void frmGraph2D::zeigeExperPunkte(bool& bImBereich) {
    bImBereich = false;
    const ExperPunktSaetze r = berechneExperPunkte();
    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    c.setAxisMax(ChartAxis::Y2, c.axisMax(ChartAxis::Y));
    c.setAxisMin(ChartAxis::Y2, c.axisMin(ChartAxis::Y));
    for (int s = 1; s <= kPunktSaetze; ++s) {
        if (!r.beschrieben[u(s)]) continue;
        c.setPointCount(2, s, r.nPunkte);
        for (const ExperPunkt& p : r.satz[u(s)]) c.setPoint(2, s, p.i, p.x, p.y);
    }
    c.endUpdate();
    bImBereich = r.bImBereich;
}

// ---- axis ranges and the curve copy -----------------------------------------------------------------

void frmGraph2D::SetAchsenMinMax() {
    const Diagramm& d = app.tDiagramm;
    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    c.setAxisDataMin(ChartAxis::X, d.XMin);
    c.setAxisDataMax(ChartAxis::X, d.XMax);
    c.setAxisDataMin(ChartAxis::Y, d.YMin);
    c.setAxisDataMax(ChartAxis::Y, d.YMax);
    c.setAxisMin(ChartAxis::X, d.XMin);
    c.setAxisMax(ChartAxis::X, d.XMax);
    c.setAxisMin(ChartAxis::Y, d.YMin);
    c.setAxisMax(ChartAxis::Y, d.YMax);
    c.setAxisMin(ChartAxis::Y2, d.YMin);
    c.setAxisMax(ChartAxis::Y2, d.YMax);
    if (c.seriesCount(1) < 27) c.setSeriesCount(1, 27);
    c.setPoints(1, 25, {d.XMin, d.XMax}, {d.YMin, d.YMax});
    c.setDisplayState(1, 25, kSeriesHidden);
    c.endUpdate();
}

void frmGraph2D::cmdClipboard_Click() {
    const int n = kurvenPanel->tabKurven->currentIndex();
    if (n < 0) return;
    const Integer k = kurvenNummerAusTitel(toStd(kurvenPanel->tabKurven->tabText(n)));
    if (k < 1) return;  // the caption names no curve: nothing to copy
    const ChartModel& m = Chart2D1->model();
    if (m.groups[0].series.size() < u(k)) return;
    const ChartSeriesData& s = m.groups[0].series[u(k - 1)];
    // A value a Single cannot hold is named, as "Kurve als XY speichern" names
    // it; the clipboard keeps what it held.
    std::string fehler;
    const std::string text = kurveAlsText(s.x, s.y, &fehler);
    if (!fehler.empty()) return showFailure("cmdClipboard", fehler + "\r\n\r\n" + kKurveNichtKopiert);
    QClipboard* cb = QApplication::clipboard();
    cb->clear();
    cb->setText(toQ(text));
}

// ---- deleting -------------------------------------------------------------------------------------------

void frmGraph2D::DeleteCurves(Integer IX) {
    if (IX < 0 || IX > kMaxKurven) return;
    ChartControl& c = *Chart2D1;
    auto leeren = [&c](int i) {
        c.setPointCount(1, i, 0);
        c.setLabelText(i, Format(i));
        // The label of a deleted curve is attached to no point of it.
        c.setLabelShown(i, false);
        c.setLabelPoint(i, 1);
    };
    if (IX != 0) {
        // A free place is no curve: nothing to delete, the count stays.
        if (!KurveFreigeben(IX)) return;
        c.beginUpdate();
        kurvenPanel->tabKurven->setTabVisible(IX - 1, false);
        if (app.gnKurven == 0) {
            fraKurven->hide();
            setEnabled("mnuDelKurv", false);
            setEnabled("mnuDelLabels", false);
        }
        leeren(IX);
        c.setDisplayState(1, IX, kSeriesHidden);
        setEnabled(QString("mnuSubDelKurv(%1)").arg(IX), false);
        c.endUpdate();
        return;
    }
    c.beginUpdate();
    app.gnKurven = 0;
    setEnabled("mnuDelKurv", false);
    setEnabled("mnuDelLabels", false);
    for (int i = 1; i <= kMaxKurven; ++i) {
        leeren(i);
        c.setDisplayState(1, i, kSeriesHiddenToo);
        app.KurvenSlot[u(i - 1)] = -1;
    }
    c.endUpdate();
}

void frmGraph2D::mnuSubDelKurv_Click(int index) { DeleteCurves(static_cast<Integer>(index)); }

void frmGraph2D::cmdDelKurv_Click() {
    const int n = kurvenPanel->tabKurven->currentIndex();
    if (n < 0) return;
    // Only a caption that names a curve deletes it; never all curves.
    const Integer k = kurvenNummerAusTitel(toStd(kurvenPanel->tabKurven->tabText(n)));
    if (k >= 1) mnuSubDelKurv_Click(k);
}

void frmGraph2D::mnuSubDelPoints_Click(int index) {
    if (index < 0 || index > kPunktSaetze) return;
    fraKurven->hide();
    fraTabs->hide();
    fraPunkte->hide();
    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    if (index == 0) {
        c.removeAllSeriesLabels(2);
        for (int i = 1; i <= kPunktSaetze; ++i) {
            c.setPointCount(2, i, 0);
            c.addSeriesLabel(2, "");
            punktePanel->tabPunkte->setTabVisible(i - 1, false);
        }
    } else {
        c.setPointCount(2, index, 0);
        c.setSeriesLabel(2, index, "");
        setEnabled(QString("mnuSubDelPoints(%1)").arg(index), false);
        punktePanel->tabPunkte->setTabVisible(index - 1, false);
    }
    c.endUpdate();
}

void frmGraph2D::cmdDelPoints_Click(int index) { mnuSubDelPoints_Click(index); }

void frmGraph2D::mnuDelTotal_Click() {
    mnuSubDelKurv_Click(0);
    mnuSubDelPoints_Click(0);
    mnuDelHalbAB_Click();
    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    for (int s = 4; s <= 27; ++s) c.setDisplayState(1, s, kSeriesHidden);
    c.endUpdate();
    for (const char* n : {"mnuDelHalbAB", "mnuDelLabels", "mnuDelLegend", "mnuDelLegendZeile"}) setEnabled(n, false);
}

void frmGraph2D::mnuDelHalbAB_Click() {
    setEnabled("mnuDelHalbAB", false);
    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    for (int i = 26; i <= 27; ++i) {
        c.setLabelShown(i, false);
        c.setPointCount(1, i, 0);
    }
    c.endUpdate();
    setStatusText(QString());
}

void frmGraph2D::mnuDelMarkLabels_Click() {
    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    c.setLabelShown(26, false);
    c.setLabelShown(27, false);
    c.endUpdate();
}

// ---- legend and labels ---------------------------------------------------------------------------------

bool frmGraph2D::keineLegendentexte() const {
    std::string alle;
    for (int i = 1; i <= kMaxKurven; ++i) alle += Chart2D1->seriesLabel(1, i);
    for (int i = 1; i <= kPunktSaetze; ++i) alle += toStd(punktePanel->txtLegendPoints[u(i)]->text());
    return alle.empty();
}

void frmGraph2D::mnuAddLegend_Click() {
    if (keineLegendentexte()) {
        MsgBox("keine Legendentexte angegeben" + app.CrLf + app.CrLf + "==> gestalten Kurve" + app.CrLf +
                   "==> gestalten Messpunkte",
               MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
        return;
    }
    Chart2D1->setLegendShown(true);
    setEnabled("mnuDelLegend", true);
    chkLegend->setChecked(true);
    for (QCheckBox* b : kurvenPanel->chkLegend1) b->setChecked(true);
    for (QCheckBox* b : punktePanel->chkLegend2)
        if (b) b->setChecked(true);
}

void frmGraph2D::mnuDelLegend_Click() {
    Chart2D1->setLegendShown(false);
    chkLegend->setChecked(false);
    for (QCheckBox* b : kurvenPanel->chkLegend1) b->setChecked(false);
    for (QCheckBox* b : punktePanel->chkLegend2)
        if (b) b->setChecked(false);
}

void frmGraph2D::mnuDelLegendZeile_Click() {
    MsgBox("Entfernen einer Legendenzeile:" + app.CrLf + "1. Menü Gestalten/Messpunkte bzw. /Kurve" + app.CrLf +
               "2. Auswahl der Nr. von Kurve bzw. Messpunktsatz" + app.CrLf + "3. Löschen des Legendentextes",
           MsgButtons::OK, MsgIcon::Information, "Hinweis");
}

void frmGraph2D::mnuAddLabels_Click() { alleKurvenetiketts(true); }
void frmGraph2D::mnuDelLabels_Click() { alleKurvenetiketts(false); }

void frmGraph2D::alleKurvenetiketts(bool zeigen) {
    setEnabled("mnuAddLabels", !zeigen);
    setEnabled("mnuDelLabels", zeigen);
    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    for (int i = 1; i <= kMaxKurven; ++i) {
        c.setLabelShown(i, zeigen);
        kurvenPanel->chkEinzelLabelSichtbar[u(i)]->setChecked(zeigen);
    }
    c.endUpdate();
}

// ---- half-life marks ---------------------------------------------------------------------------------------

void frmGraph2D::mnuHalbA_Click() { halbwertszeit(1); }
void frmGraph2D::mnuHalbB_Click() { halbwertszeit(2); }

void frmGraph2D::halbwertszeit(int stoff) {
    setEnabled("mnuDelTotal", true);
    setEnabled("mnuDelHalbAB", true);
    // The half-life of an integrated curve is computed now, by an integration.
    SanduhrEin();
    const HalbwertszeitMarke h = berechneHalbwertszeitMarke(stoff);
    SanduhrAus();
    const int serie = stoff == 2 ? 27 : 26;
    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    if (h.zeichnen) {
        c.setLineColour(1, serie, app.gFarbVorwahl);
        c.setLinePattern(1, serie, 2);
        c.setSymbolShape(1, serie, 1);
        c.setDisplayState(1, serie, kSeriesShown);
        c.setPoints(1, serie, {h.tau, h.tau, h.tau}, {kMarkeY.begin(), kMarkeY.end()});
    }
    if (h.statusSetzen) setStatusText(toQ(h.statusText));
    c.endUpdate();
}

}  // namespace vrn
