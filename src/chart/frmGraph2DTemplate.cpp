// Chart templates (*.oc2) of the chart window: saving the whole chart with
// its points, and loading a template into the open window, after which the
// window takes over the template's curve places, point sets and axis ranges.
#include <QAction>
#include <QScrollBar>
#include <QTabWidget>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "chart/CurvePanel.h"
#include "chart/CurveSlots.h"
#include "chart/PanelWidgets.h"
#include "chart/PointPanel.h"
#include "chart/TemplateRebuild.h"
#include "chart/frmGraph2D.h"
#include "platform/ChartControl.h"
#include "platform/MsgBox.h"
#include "platform/Paths.h"
#include "shell/AppState.h"
#include "shell/FileDialogs.h"
#include "shell/Hooks.h"
#include "shell/state/PointSetTabs.h"

namespace vrn {

namespace {

constexpr int kKurvenSerien = 27;  // curves 1..24, range series 25, half-life marks 26 and 27

std::size_t u(int i) { return static_cast<std::size_t>(i); }

SaveBoxRequest vorlagenBox(const char* titel) {
    SaveBoxRequest r;
    r.title = titel;
    r.initialDir = app.OC2DateiPfad;
    r.defaultExt = "oc2";
    r.filter = "Diagramm-File (*.oc2 *.OC2)";
    return r;
}

// The component's message ("... kann nicht ... werden." CR LF reason) with
// the file named after its first line.
std::string mitDateiname(const std::string& meldung, const std::string& datei) {
    const std::size_t zeile = meldung.find("\r\n");
    const std::string kopf = meldung.substr(0, zeile);
    std::string text = kopf + app.CrLf + "Datei: " + datei;
    if (zeile != std::string::npos) text += app.CrLf + meldung.substr(zeile + 2);
    return text;
}

}  // namespace

void frmGraph2D::mnuSaveOC2_Click() {
    ChartControl& c = *Chart2D1;
    c.setStoreDataWithTemplate(1, true);
    c.setStoreDataWithTemplate(2, true);
    std::string datei;
    auto& box = hooks().fileDialogs.askSaveFileName;
    if (!box || !box(vorlagenBox("Speichern dieser Diagrammgestaltung"), datei) || datei.empty()) return;
    app.OC2DateiPfad = folderWithSeparator(datei);
    const ChartTemplateResult r = c.saveTemplate(toQ(datei));
    if (!r.ok)
        showFailure("mnuSaveOC2_Click",
                    mitDateiname(r.message, datei) + app.CrLf + toStd(writeFailureReason(toQ(datei))));
}

void frmGraph2D::mnuLoadOC2_Click() {
    std::string datei;
    auto& box = hooks().fileDialogs.askOpenFileName;
    if (!box || !box(vorlagenBox("Laden einer abgespeicherten Diagrammvorlage"), datei) || datei.empty()) return;
    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    const ChartTemplateResult r = c.loadTemplate(toQ(datei));
    if (!r.ok) {
        c.endUpdate();
        showFailure("mnuLoadOC2_Click", mitDateiname(r.message, datei));
        return;
    }
    app.OC2DateiPfad = folderWithSeparator(datei);
    vorlageUebernehmen();
    // The template was laid out for the window it was saved in: lay it out for this one.
    Form_Resize();
    c.endUpdate();
}

// Takes over the loaded chart: the curve places and count, the tabs and
// delete items of the point sets, and the axis ranges, which are confirmed
// through the coordinate panel and remembered for the open diagram kind.
void frmGraph2D::vorlageUebernehmen() {
    ChartControl& c = *Chart2D1;
    // The window relies on its 27 curve series and 7 point sets.
    if (c.seriesCount(1) < kKurvenSerien) c.setSeriesCount(1, kKurvenSerien);
    if (c.seriesCount(2) < kPunktSaetze) c.setSeriesCount(2, kPunktSaetze);

    std::vector<int> kurven, punkte;
    for (int i = 1; i <= kMaxKurven; ++i) kurven.push_back(c.pointCount(1, i));
    for (int j = 1; j <= kPunktSaetze; ++j) punkte.push_back(c.pointCount(2, j));
    const VorlagenAufbau a = vorlagenAufbau(kurven, punkte, PunktSatzNr);

    app.KurvenSlot = a.KurvenSlot;
    app.gnKurven = a.gnKurven;
    if (a.gnKurven >= 1) {
        setEnabled("mnuDelKurv", true);
        setEnabled("mnuSubDelKurv(0)", true);
    }
    for (int i = 1; i <= kMaxKurven; ++i) {
        setEnabled(QString("mnuSubDelKurv(%1)").arg(i), a.KurvenSlot[u(i - 1)] == 0);
        // The label's "Position" bar runs over the points of the loaded curve.
        setzeBalken(kurvenPanel->scrShiftLab[u(i)], {1, std::max(1, c.pointCount(1, i)), 3});
        setzeStill(kurvenPanel->scrShiftLab[u(i)], c.labelPoint(i));
    }

    PunktSatzNr = a.PunktSatzNr;
    for (int j = 1; j <= kPunktSaetze; ++j) {
        punktePanel->tabPunkte->setTabVisible(j - 1, a.punktSatz[u(j)]);
        setEnabled(QString("mnuSubDelPoints(%1)").arg(j), a.punktSatz[u(j)]);
        if (a.punktSatz[u(j)]) {
            for (const char* n : {"mnuDelTotal", "mnuDelPoints", "mnuSubDelPoints(0)"}) setEnabled(n, true);
        }
    }
    if (PunktSatzNr >= 1 && a.punktSatz[u(PunktSatzNr)]) punktePanel->tabPunkte->setCurrentIndex(PunktSatzNr - 1);

    // Ranges beyond single precision, or too narrow for it, are not taken
    // over: the request's range then stays.
    const std::array<Single, 4> b{
        static_cast<Single>(c.axisMin(ChartAxis::X)), static_cast<Single>(c.axisMax(ChartAxis::X)),
        static_cast<Single>(c.axisMin(ChartAxis::Y)), static_cast<Single>(c.axisMax(ChartAxis::Y))};
    if (std::all_of(b.begin(), b.end(), [](Single v) { return std::isfinite(v); }) && b[0] < b[1] && b[2] < b[3]) {
        Diagramm& d = app.tDiagramm;
        d.XMin = b[0];
        d.XMax = b[1];
        d.YMin = b[2];
        d.YMax = b[3];
    }
    mnuCoord_Click();
    cmdCoord_OK_Click();
    for (int i : {1, 0, 1, 0}) optScaling_Click(i);
}

}  // namespace vrn
