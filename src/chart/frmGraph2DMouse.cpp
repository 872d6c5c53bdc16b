// The chart window and the mouse: the number and coordinates of the point
// under the mouse with the curve or point pointer, the hint of the region
// under it, the right click that opens the panel of what lies there, the
// deletion of a single curve point, and reading the axis ranges back after
// a zoom.
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include <optional>
#include <vector>

#include "base/NumberText.h"
#include "chart/CurveSlots.h"
#include "chart/frmGraph2D.h"
#include "platform/ChartControl.h"
#include "platform/ChartModel.h"
#include "platform/ColourFont.h"
#include "platform/CursorFile.h"
#include "platform/MsgBox.h"
#include "platform/Paths.h"
#include "shell/AppState.h"
#include "shell/Helpers.h"
#include "shell/Hooks.h"

namespace vrn {

namespace {

constexpr int kPickAbstand = 4;  // pixels
constexpr Colour kWeiss = RGB(255, 255, 255);
constexpr Colour kHellgrau = RGB(224, 224, 224);
constexpr Colour kHellgruen = RGB(192, 255, 192);
constexpr int kDesignTabLegende = 4;

void hintergrund(QLabel* l, Colour c) {
    QPalette p = l->palette();
    p.setColor(QPalette::Window, toQColor(c));
    l->setPalette(p);
    l->setAutoFillBackground(true);
}

// The pointer of a cursor file beside the program; nothing when it cannot be read.
std::optional<QCursor> zeiger(const char* datei) { return loadCursorFile(resourceFolder() + "/" + datei); }

bool trifft(const ChartPick& p) {
    return p.series != -1 && p.point != -1 && p.distance >= 0 && p.distance <= kPickAbstand;
}

// A picked curve point: a user curve (1..24) within the pick distance.
bool kurvenPunkt(const ChartPick& p) { return trifft(p) && p.series >= 1 && p.series <= kMaxKurven; }

}  // namespace

// Puts the position labels at the right end of the button strip and the
// help button at the right end of the status bar, and connects the chart's
// mouse events.
void frmGraph2D::buildMouse() {
    cmdMsgDelPoint = new QPushButton("einzelne Kurvenpunkte löschen", StatusBar2);
    cmdMsgDelPoint->setObjectName("cmdMsgDelPoint");
    cmdMsgDelPoint->setAutoDefault(false);
    cmdMsgDelPoint->setFocusPolicy(Qt::TabFocus);
    StatusBar2->addPermanentWidget(cmdMsgDelPoint);
    connect(cmdMsgDelPoint, &QPushButton::clicked, this, [this] { cmdMsgDelPoint_Click(); });

    auto* strip = static_cast<QHBoxLayout*>(buttonStrip_->layout());
    lblMausPosNr = new QLabel(buttonStrip_);
    lblMausPosNr->setObjectName("lblMausPosNr");
    lblMausPos = new QLabel(buttonStrip_);
    lblMausPos->setObjectName("lblMausPos");
    for (QLabel* l : {lblMausPosNr, lblMausPos}) {
        l->setTextFormat(Qt::PlainText);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->hide();
        hintergrund(l, kWeiss);
        strip->addWidget(l);
    }
    lblMausPosNr->setMinimumWidth(lblMausPosNr->fontMetrics().horizontalAdvance(" #24 ") + 6);
    // A narrow window cuts the coordinates rather than the buttons.
    lblMausPos->setMinimumWidth(1);

    connect(Chart2D1, &ChartControl::mouseMoved, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, QPoint pos) { Chart2D1_MouseMove(pos); });
    connect(Chart2D1, &ChartControl::mousePressed, this,
            [this](Qt::MouseButton b, Qt::KeyboardModifiers, QPoint pos) { Chart2D1_MouseDown(b, pos); });
    connect(Chart2D1, &ChartControl::mouseReleased, this,
            [this](Qt::MouseButton b, Qt::KeyboardModifiers, QPoint pos) { Chart2D1_MouseUp(b, pos); });
}

// lblMausPos alone with a hint on the given background.
void frmGraph2D::setMausHinweis(const QString& text, int colour) {
    lblMausPos->setVisible(true);
    lblMausPosNr->setVisible(false);
    lblMausPos->setText(text);
    hintergrund(lblMausPos, colour);
}

void frmGraph2D::Chart2D1_MouseMove(QPoint pos) {
    ChartControl& c = *Chart2D1;
    hintergrund(lblMausPosNr, kWeiss);
    switch (c.region(pos)) {
        case ChartRegion::PlotArea: {
            lblMausPos->setVisible(true);
            lblMausPosNr->setVisible(true);
            int gruppe = 1;
            ChartPick p = c.pick(1, pos);
            if (!kurvenPunkt(p) || c.y(1, p.series, p.point) == kChartHole) {
                gruppe = 2;
                p = c.pick(2, pos);
                if (!trifft(p) || c.y(2, p.series, p.point) == kChartHole) {
                    setMausHinweis(" Klick rechts: Gestaltung", kHellgrau);
                    c.unsetCursor();
                    return;
                }
            }
            lblMausPosNr->setText(" #" + QString::number(p.series));
            const double x = c.x(gruppe, p.series, p.point);
            const auto y = static_cast<Single>(c.y(gruppe, p.series, p.point));
            lblMausPos->setText(toQ("  X = " + Format(x, "###0.000") + ";      Y = " + Format(y)));
            hintergrund(lblMausPos, kWeiss);
            if (const auto z = zeiger(gruppe == 1 ? "CsrCurv.cur" : "CsrPoint.cur")) c.setCursor(*z);
            return;
        }
        case ChartRegion::Header:
        case ChartRegion::Footer:
            c.setCursor(Qt::SizeVerCursor);
            setMausHinweis(" Klick rechts: Text editieren, verschieben", kHellgruen);
            return;
        case ChartRegion::Legend:
            c.setCursor(Qt::SizeVerCursor);
            setMausHinweis(" Klick rechts: Legende editieren, verschieben", kHellgruen);
            return;
        default:
            lblMausPos->setVisible(false);
            lblMausPosNr->setVisible(false);
            c.unsetCursor();
            return;
    }
}

void frmGraph2D::Chart2D1_MouseDown(Qt::MouseButton button, QPoint pos) {
    ChartControl& c = *Chart2D1;
    if (button == Qt::RightButton) {
        switch (c.region(pos)) {
            case ChartRegion::PlotArea: {
                const ChartPick k = c.pick(1, pos);
                if (kurvenPunkt(k)) {
                    openCurvePanelAt(k.series);
                    return;
                }
                const ChartPick p = c.pick(2, pos);
                if (trifft(p))
                    openPointPanelAt(p.series);
                else
                    mnuDesignMore_Click();
                return;
            }
            case ChartRegion::Legend: openDesignTab(kDesignTabLegende); return;
            case ChartRegion::Header: mnuTextDesign_Click(1); return;
            case ChartRegion::Footer: mnuTextDesign_Click(2); return;
            default: return;
        }
    }
    if (button == Qt::LeftButton && !c.zoomArmed()) {
        // Any series of group 1 qualifies, the half-life marks included.
        const ChartPick k = c.pick(1, pos);
        if (trifft(k)) loescheKurvenPunkt(k.series, k.point);
    }
}

void frmGraph2D::loescheKurvenPunkt(int series, int point) {
    ChartControl& c = *Chart2D1;
    const int n = c.pointCount(1, series);
    if (point < 1 || point > n) return;
    const auto x = static_cast<Single>(c.x(1, series, point));
    const auto y = static_cast<Single>(c.y(1, series, point));
    const std::string& nl = app.CrLf;
    const std::string frage = "(Hinweis: Rechts-Klick auf eine Kurve" + nl + "öffnet Kurven-Bearbeitungsfenster)" + nl +
                              nl + nl + "Punkt x =" + Str(x) + ",  y =" + Str(y) + nl + "wirklich löschen?" + nl + nl;
    if (MsgBox(frage, MsgButtons::YesNo, MsgIcon::Question, "Löschen eines Kurvenpunktes") != MsgAnswer::Yes) return;

    if (series < 1 || series > kMaxKurven) {
        // A half-life mark keeps its style and its values (they lie beyond single precision).
        std::vector<double> xs, ys;
        for (int i = 1; i <= n; ++i) {
            if (i == point) continue;
            xs.push_back(c.x(1, series, i));
            ys.push_back(c.y(1, series, i));
        }
        c.setPoints(1, series, xs, ys);
        return;
    }
    // The remaining points in single precision, element 0's x = their count.
    std::vector<XYPunkt> pts(1);
    pts[0].x = static_cast<Single>(n - 1);
    for (int i = 1; i <= n; ++i)
        if (i != point)
            pts.push_back(XYPunkt{static_cast<Single>(c.x(1, series, i)), static_cast<Single>(c.y(1, series, i)), 0});
    zeigeKurvenPunkte(static_cast<Integer>(series), pts);
}

void frmGraph2D::Chart2D1_MouseUp(Qt::MouseButton button, QPoint) {
    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    if (button == Qt::LeftButton) {
        Diagramm& d = app.tDiagramm;
        d.XMin = static_cast<Single>(c.axisMin(ChartAxis::X));
        d.XMax = static_cast<Single>(c.axisMax(ChartAxis::X));
        d.YMin = static_cast<Single>(c.axisMin(ChartAxis::Y));
        d.YMax = static_cast<Single>(c.axisMax(ChartAxis::Y));
        c.setZoomArmed(false);
    }
    c.endUpdate();
    if (const auto& zeiger = hooks().screen.setMousePointer) zeiger(0);
}

void frmGraph2D::cmdMsgDelPoint_Click() {
    const std::string& nl = app.CrLf;
    MsgBox("1) Schalten Sie den Kurvenstil der betreffenden Kurve" + nl +
               "    von \"Kurve normal\" auf \"nur Einzelpunkte\" um." + nl + nl +
               "2) Klicken Sie dann mit der LINKEN Maustaste" + nl + "    auf den zu löschenden Kurvenpunkt.",
           MsgButtons::OK, MsgIcon::Information, "So wird ein einzelner Kurvenpunkt gelöscht");
}

}  // namespace vrn
