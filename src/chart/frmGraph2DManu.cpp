// The chart window's side of the x-y editor: its active points as point set
// 7 "manuell" or as a new curve, and a curve of the chart saved as an x-y file.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <algorithm>
#include <cmath>

#include "chart/CurveCopy.h"
#include "chart/CurvePanel.h"
#include "chart/CurveSlots.h"
#include "chart/PanelWidgets.h"
#include "chart/PointPanel.h"
#include "chart/frmGraph2D.h"
#include "platform/ChartControl.h"
#include "platform/MsgBox.h"
#include "platform/Paths.h"
#include "shell/AppState.h"
#include "shell/Hooks.h"

namespace vrn {

namespace {

constexpr int kManu = kPunktSatzManuell;
constexpr const char* kManuell = "manuell";

// The points of ManuXY (element 0's x = count, within the list).
void manuPunkte(std::vector<double>& x, std::vector<double>& y) {
    const std::vector<XYPunkt>& m = app.ManuXY;
    const double n0 = m.empty() ? 0 : m[0].x;
    const std::size_t n = n0 >= 1 ? std::min(m.size() - 1, static_cast<std::size_t>(std::lround(n0))) : 0;
    for (std::size_t i = 1; i <= n; ++i) {
        x.push_back(m[i].x);
        y.push_back(m[i].y);
    }
}

}  // namespace

void frmGraph2D::buildManuButtons() {
    // Pressed from the x-y editor only; the user never sees them.
    cmdManuPoints = new QPushButton(this);
    cmdManuPoints->setObjectName("cmdManuPoints");
    cmdManuKurve = new QPushButton(this);
    cmdManuKurve->setObjectName("cmdManuKurve");
    for (QPushButton* b : {cmdManuPoints, cmdManuKurve}) b->hide();
    connect(cmdManuPoints, &QPushButton::clicked, this, [this] { cmdManuPoints_Click(); });
    connect(cmdManuKurve, &QPushButton::clicked, this, [this] { cmdManuKurve_Click(); });
}

void frmGraph2D::cmdManuPoints_Click() {
    ChartControl& c = *Chart2D1;
    c.setAxisMax(ChartAxis::Y2, c.axisMax(ChartAxis::Y));
    c.setAxisMin(ChartAxis::Y2, c.axisMin(ChartAxis::Y));
    PunktSatzNr = kManu;
    if (c.pointCount(2, kManu) >= 1) {
        const MsgAnswer a = MsgBox("Soll der bereits geladene manuelle Datensatz überschrieben werden?" + app.CrLf,
                                   MsgButtons::YesNo, MsgIcon::Exclamation, "Warnung");
        if (a == MsgAnswer::No) {
            if (const auto& schliessen = hooks().dataWindows.closeXYEditor) schliessen();
            return;
        }
    } else {
        setEnabled("mnuDelTotal", true);
        punktePanel->tabPunkte->setTabVisible(kManu - 1, true);
        punktePanel->tabPunkte->setCurrentIndex(kManu - 1);
        c.setSeriesLabel(2, kManu, kManuell);
        punktePanel->txtLegendPoints[kManu]->setText(kManuell);
    }
    setButtonColour(punktePanel->cmdPunktFarbe[kManu], app.gFarbVorwahl);
    std::vector<double> x, y;
    manuPunkte(x, y);
    c.beginUpdate();
    c.setSymbolColour(2, kManu, app.gFarbVorwahl);
    c.setPoints(2, kManu, x, y);
    c.endUpdate();
    setEnabled("mnuDelPoints", true);
    setEnabled(QString("mnuSubDelPoints(%1)").arg(kManu), true);
}

void frmGraph2D::cmdManuKurve_Click() {
    Integer nr = 0, err = 0;
    NeueKurveNr(nr, err);
    if (err != 0) return;
    KurveNr = nr;
    setEnabled("mnuDelKurv", true);
    setEnabled("mnuSubDelKurv(0)", true);
    if (Chart2D1->seriesLabelCount(1) < nr) Chart2D1->addSeriesLabel(1, "");
    zeigeKurvenPunkte(nr, app.ManuXY);
}

void frmGraph2D::cmdSaveCurveAsXY_Click() {
    const int tab = kurvenPanel->tabKurven->currentIndex();
    const Integer k = tab < 0 ? Integer{0} : kurvenNummerAusTitel(toStd(kurvenPanel->tabKurven->tabText(tab)));
    const auto& serien = Chart2D1->model().groups[0].series;
    if (k < 1 || app.KurvenSlot[static_cast<std::size_t>(k - 1)] != 0 || serien.size() < static_cast<std::size_t>(k)) {
        Beep();
        return;
    }
    const ChartSeriesData& s = serien[static_cast<std::size_t>(k - 1)];
    if (const auto& speichere = hooks().dataWindows.speichereKurveAlsXY) speichere(s.x, s.y);
}

}  // namespace vrn
