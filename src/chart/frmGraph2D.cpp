#include "chart/frmGraph2D.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "base/NumberText.h"
#include "chart/ChartWindowTables.h"
#include "chart/CurvePanel.h"
#include "chart/CurveSlots.h"
#include "chart/Grafik.h"
#include "chart/PanelWidgets.h"
#include "chart/PointPanel.h"
#include "chart/ResolutionPanel.h"
#include "chart/ToolFrame.h"
#include "chart/frmGraphCalc.h"
#include "engine/ModelMasks.h"
#include "platform/ChartControl.h"
#include "platform/CommonDialogs.h"
#include "platform/MenuTree.h"
#include "platform/MsgBox.h"
#include "platform/NumberField.h"
#include "platform/Paths.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"
#include "shell/AppState.h"
#include "shell/Helpers.h"
#include "shell/Hooks.h"
#include "shell/frmPhantom.h"

namespace vrn {

namespace {

constexpr const char* kOhneTextKeineLegende = " ohne Text kein Eintrag in die Legende! ";
constexpr Colour kSchwarz = RGB(0, 0, 0);
constexpr Colour kWeiss = RGB(255, 255, 255);
constexpr Colour kHellrot = RGB(255, 0, 0);  // entry 12 of the standard 16-colour palette

std::size_t u(int i) { return static_cast<std::size_t>(i); }

// The status line with the result of an evaluation: a text wider than the
// room beside the buttons wraps at its blanks onto further lines, and the
// status bar grows by them, so that every number is read whole. Its width is
// what the bar leaves it; its height follows from the text at that width.
class StatusZeile : public QLabel {
public:
    explicit StatusZeile(QWidget* parent) : QLabel(parent) {
        setTextFormat(Qt::PlainText);
        setWordWrap(true);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    }
    void zeige(const QString& text) {
        setText(text);
        passeHoeheAn();
    }
    bool hasHeightForWidth() const override { return false; }
    QSize sizeHint() const override { return {0, hoehe_}; }
    QSize minimumSizeHint() const override { return {0, hoehe_}; }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        passeHoeheAn();
    }

private:
    void passeHoeheAn() {
        const int h = std::max(fontMetrics().height(), QLabel::heightForWidth(std::max(1, width())));
        if (h == hoehe_) return;
        hoehe_ = h;
        updateGeometry();
    }
    int hoehe_ = 0;
};

}  // namespace

frmGraph2D::frmGraph2D() : VrnForm(Kind::MdiChild) {
    setObjectName("frmGraph2D");
    setCaption("2D-Diagramm");
    buildWindow();
    buildMenus();
    buildDesignPanels();
    buildMouse();
    buildSmallPanels();
    buildManuButtons();
    StatusBar2->addPermanentWidget(cmdEscGraph);
    for (ToolFrame* f : {fraTabs, fraKurven, fraPunkte, fraSchrift, fraCoordInput, fraPrintIt, fraResolution})
        connectFrame(f);
    // The buttons above the chart as wide as their captions, so that the row
    // fits a chart that stands beside another window.
    for (QPushButton* b : buttonStrip_->findChildren<QPushButton*>())
        if (!b->text().isEmpty()) b->setFixedWidth(b->fontMetrics().horizontalAdvance(b->text()) + 14);
    // The menu titles close together, so that the menu bar fits such a chart too.
    menuBar->setStyleSheet("QMenuBar { spacing: 0px; } QMenuBar::item { padding: 3px 5px; }");
}

frmGraph2D::~frmGraph2D() = default;

// ---- building ----------------------------------------------------------------

void frmGraph2D::buildWindow() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    menuBar = new QMenuBar(this);
    menuBar->setObjectName("menuBar");
    menuBar->setNativeMenuBar(false);
    layout->setMenuBar(menuBar);

    buttonStrip_ = new QWidget(this);
    auto* strip = new QHBoxLayout(buttonStrip_);
    strip->setContentsMargins(4, 2, 4, 2);
    strip->setSpacing(3);
    cmdDraw = new QPushButton("Zeichne Kurve", buttonStrip_);
    cmdDraw->setObjectName("cmdDraw");
    cmdDraw->setToolTip(" zeichnet die noch ausstehenden Kurven ");
    cmdSingleCalc = new QPushButton("Calc", buttonStrip_);
    cmdSingleCalc->setObjectName("cmdSingleCalc");
    cmdSingleCalc->setToolTip("... berechnet Einzelpunkte nach Zeit-Vorgabe ");
    cmdArrhRechner = new QPushButton("k-T-Rechner", buttonStrip_);
    cmdArrhRechner->setObjectName("cmdArrhRechner");
    cmdArrhRechner->setToolTip("...führt Berechnungen nach Arrhenius- bzw. Eyring-Modell durch  ");
    for (QPushButton* b : {cmdDraw, cmdSingleCalc, cmdArrhRechner}) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::TabFocus);
        strip->addWidget(b);
    }
    strip->addStretch(1);
    layout->addWidget(buttonStrip_);
    connect(cmdDraw, &QPushButton::clicked, this, [this] { cmdDraw_Click(); });
    connect(cmdSingleCalc, &QPushButton::clicked, this, [this] { cmdSingleCalc_Click(); });
    connect(cmdArrhRechner, &QPushButton::clicked, this, [this] { cmdArrhRechner_Click(); });

    Chart2D1 = new ChartControl(this);
    Chart2D1->setObjectName("Chart2D1");
    layout->addWidget(Chart2D1, 1);

    StatusBar2 = new QStatusBar(this);
    StatusBar2->setObjectName("StatusBar2");
    StatusBar2->setSizeGripEnabled(false);
    statusLabel_ = new StatusZeile(StatusBar2);
    statusLabel_->setObjectName("StatusBar2Text");
    statusLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    StatusBar2->addWidget(statusLabel_, 1);
    layout->addWidget(StatusBar2);
    // The close button stands at the right end of the status bar, where it
    // takes no room from the buttons above the chart.
    cmdEscGraph = new QPushButton("Schließen <Esc>", StatusBar2);
    cmdEscGraph->setObjectName("cmdEscGraph");
    cmdEscGraph->setAutoDefault(false);
    cmdEscGraph->setFocusPolicy(Qt::TabFocus);
    connect(cmdEscGraph, &QPushButton::clicked, this, [this] { cmdEscGraph_Click(); });
}

void frmGraph2D::buildMenus() {
    menus_ = new MenuTree(this);
    menus_->build(chartMenuRows(), menuBar);

    const std::pair<const char*, std::function<void()>> handlers[] = {
        {"mnuBildsenden", [this] { mnuBildsenden_Click(); }},
        {"mnuMark", [this] { mnuMark_Click(); }},
        {"mnuHalbA", [this] { mnuHalbA_Click(); }},
        {"mnuHalbB", [this] { mnuHalbB_Click(); }},
        {"mnuAddLegend", [this] { mnuAddLegend_Click(); }},
        {"mnuAddLabels", [this] { mnuAddLabels_Click(); }},
        {"mnuAddPunkte", [this] { mnuAddPunkte_Click(); }},
        {"mnuManuXY", [this] { mnuManuXY_Click(); }},
        {"mnuDelete", [this] { mnuDelete_Click(); }},
        {"mnuDelTotal", [this] { mnuDelTotal_Click(); }},
        {"mnuDelHalbAB", [this] { mnuDelHalbAB_Click(); }},
        {"mnuDelMarkLabels", [this] { mnuDelMarkLabels_Click(); }},
        {"mnuDelLegendZeile", [this] { mnuDelLegendZeile_Click(); }},
        {"mnuDelLegend", [this] { mnuDelLegend_Click(); }},
        {"mnuDelLabels", [this] { mnuDelLabels_Click(); }},
        {"mnuDesign", [this] { mnuDesign_Click(); }},
        {"mnuKurvenDesign", [this] { mnuKurvenDesign_Click(); }},
        {"mnuPunktDesign", [this] { mnuPunktDesign_Click(); }},
        {"mnuDesignMore", [this] { mnuDesignMore_Click(); }},
        {"mnuResolution", [this] { mnuResolution_Click(); }},
        {"mnuHaupt", [this] { mnuHaupt_Click(); }},
    };
    for (const auto& [name, handler] : handlers) menus_->setHandler(name, handler);
    for (int i = 0; i <= kMaxKurven; ++i)
        menus_->setHandler(QString("mnuSubDelKurv(%1)").arg(i), [this, i] { mnuSubDelKurv_Click(i); });
    for (int i = 0; i <= kPunktSaetze; ++i)
        menus_->setHandler(QString("mnuSubDelPoints(%1)").arg(i), [this, i] { mnuSubDelPoints_Click(i); });
}

void frmGraph2D::buildSmallPanels() {
    buildPrintPanel();
}

void frmGraph2D::connectFrame(ToolFrame* frame) {
    connect(frame, &ToolFrame::grabbed, this, [this](QPoint pos) {
        sngGriffX = static_cast<Single>(pixelsToTwipsX(pos.x()));
        sngGriffY = static_cast<Single>(pixelsToTwipsY(pos.y()));
    });
    connect(frame, &ToolFrame::dropped, this, [this, frame](QPoint globalPos) {
        // Only a drop on the chart moves the frame.
        const QPoint p = Chart2D1->mapFromGlobal(globalPos);
        if (!Chart2D1->rect().contains(p)) return;
        dropFrame(frame, pixelsToTwipsX(p.x()), pixelsToTwipsY(p.y()));
    });
}

int frmGraph2D::chartTop() const {
    return menuBar->sizeHint().height() + buttonStrip_->sizeHint().height();
}

void frmGraph2D::dropFrame(ToolFrame* frame, double dropXTwips, double dropYTwips) {
    if (!frame || !frame->draggable()) return;
    // Documented as Y − grip + 250: 250 twips stood for the chart's place in
    // the window. Here the chart's real offset is added, in one coordinate
    // system (the window's, where the frame lives), so the frame lands under
    // the outline the user dragged.
    const QPoint chartAt = Chart2D1->mapTo(this, QPoint(0, 0));
    frame->move(twipsToPixelsX(dropXTwips - sngGriffX) + chartAt.x(), twipsToPixelsY(dropYTwips - sngGriffY) + chartAt.y());
}

// ---- life cycle ------------------------------------------------------------------------

void frmGraph2D::Form_Load() {
    SanduhrEin();
    art_ = app.iDiagrammTyp;
    const bool grossBild = CInt(screenWidthTwips() / twipsPerPixelX()) >= 800;
    const double axisSize = grossBild ? 11 : 10;
    const double labelSize = grossBild ? 10 : 9;
    const double markSize = grossBild ? 11 : 9;

    app.gnKurven = 0;
    KurveNr = 0;
    setEnabled("mnuDelPoints", false);
    nAufloesung = 300;

    // Geometry: applied when the window is first shown (see showEvent). The
    // window the user works in is the one active now; where it is a tool
    // window (the tangent window, say), it floats over the chart, and the
    // chart keeps clear of it.
    arbeitsFenster_ = Forms::workWindow();
    resize(twipsToPixelsX(static_cast<int>(std::lround(0.72 * screenWidthTwips()))),
           twipsToPixelsY(static_cast<int>(std::lround(0.75 * screenHeightTwips()))));

    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    // The panels float over the chart: their positions count from the
    // chart's top edge (312 twips below the client area's top), and none
    // lies over the menu bar or the row of buttons above the chart.
    auto place = [this](QWidget* w, int left, int top) {
        w->move(twipsToPixelsX(left), chartTop() + std::max(0, twipsToPixelsY(top - 312)));
    };
    place(fraCoordInput, 1460, 510);
    place(fraTabs, 0, 300);
    place(fraSchrift, 0, 1500);
    place(fraPrintIt, 0, 0);
    place(fraKurven, 0, 300);
    place(fraPunkte, 0, 0);
    place(fraResolution, 1460, 510);

    c.setText(ChartTextBlock::Header, app.tDiagramm.Kopftext);

    // Curve places 1..24; 25 the range series, 26 and 27 the half-life marks.
    setEnabled("mnuDelKurv", false);
    setEnabled("mnuSubDelKurv(0)", false);
    c.setSeriesCount(1, 27);
    c.removeAllSeriesLabels(1);
    for (int i = 1; i <= kMaxKurven; ++i) {
        setEnabled(QString("mnuSubDelKurv(%1)").arg(i), false);
        c.setPointCount(1, i, 0);
        c.setDisplayState(1, i, kSeriesHidden);
        c.addSeriesLabel(1, "");
        setButtonColour(kurvenPanel->cmdKurvenFarbe[u(i)], app.gFarbVorwahl);
        c.setLineColour(1, i, app.gFarbVorwahl);
        c.setSymbolColour(1, i, app.gFarbVorwahl);
        c.setSymbolShape(1, i, 1);
        c.setSymbolSize(1, i, 1);
        kurvenPanel->cmbKStil[u(i)]->clear();
        for (const StilEintrag& s : kKurvenStile) kurvenPanel->cmbKStil[u(i)]->addItem(QString::fromUtf8(s.text));
        kurvenPanel->cmbKStil[u(i)]->setCurrentIndex(1);
        cmbKStil_Click(i);
        kurvenPanel->UpDown1_KBreite[u(i)]->setValue(1);
        kurvenPanel->Label39[u(i)]->setText("1");
        kurvenPanel->tabKurven->setTabText(i - 1, QString());
        kurvenPanel->tabKurven->setTabVisible(i - 1, false);
        app.KurvenSlot[u(i - 1)] = -1;
    }
    for (int i = 26; i <= 27; ++i) {
        ChartSeriesStyle s;
        s.linePattern = 2;
        s.lineColour = app.gFarbVorwahl;
        s.lineWidth = 1;
        s.symbolShape = 1;
        s.symbolColour = app.gFarbVorwahl;
        c.setStyle(1, i, s);
        c.setDisplayState(1, i, kSeriesHidden);
    }

    // Point sets 1..7.
    c.setSeriesCount(2, kPunktSaetze);
    c.removeAllSeriesLabels(2);
    for (int i = 1; i <= kPunktSaetze; ++i) {
        setEnabled(QString("mnuSubDelPoints(%1)").arg(i), false);
        c.setPointCount(2, i, 0);
        c.addSeriesLabel(2, "");
        punktePanel->txtLegendPoints[u(i)]->setToolTip(kOhneTextKeineLegende);
        ChartSeriesStyle s;
        s.linePattern = 1;
        s.symbolShape = 1;
        s.symbolSize = 6;
        s.lineColour = app.gFarbVorwahl;
        s.symbolColour = app.gFarbVorwahl;
        c.setStyle(2, i, s);
        setButtonColour(punktePanel->cmdPunktFarbe[u(i)], app.gFarbVorwahl);
        punktePanel->UpDown1_PointSize[u(i)]->setValue(6);
        punktePanel->Label56[u(i)]->setText("6");
        punktePanel->cmbPunktStil[u(i)]->clear();
        for (const StilEintrag& s2 : kPunktStile) punktePanel->cmbPunktStil[u(i)]->addItem(QString::fromUtf8(s2.text));
        punktePanel->cmbPunktStil[u(i)]->setCurrentIndex(i - 1);
        cmbPunktStil_Click(i);
    }

    // Axes.
    c.setAxisShown(ChartAxis::Y2, false);
    c.setAxisShown(ChartAxis::X, true);
    c.setAxisShown(ChartAxis::Y, true);
    for (ChartAxis a : {ChartAxis::X, ChartAxis::Y}) {
        c.setNumberPlacement(a, kNumbersAtMinimum);
        c.setOriginPlacement(a, kOriginAtMinimum);
    }
    txtXOrigin->setText(toQ(Str(c.origin(ChartAxis::X))));
    txtYOrigin->setText(toQ(Str(c.origin(ChartAxis::Y))));
    c.setAxisTitle(ChartAxis::X, app.tDiagramm.XTitel);
    c.setAxisTitle(ChartAxis::Y, app.tDiagramm.YTitel);
    const ChartFont axisFont{"Arial", axisSize, false, false, false, false};
    for (ChartAxis a : {ChartAxis::X, ChartAxis::Y, ChartAxis::Y2}) {
        c.setAxisTitleFont(a, axisFont);
        c.setAxisNumberFont(a, axisFont);
    }
    c.setTextFont(ChartTextBlock::Header, axisFont);
    c.setTextFont(ChartTextBlock::Footer, axisFont);

    // Chart labels: 1..24 for the curves, 26 and 27 for the half-life marks.
    for (int i = 1; i <= kMaxKurven; ++i) {
        c.setLabelText(i, Str(i));
        c.attachLabel(i, 1, i, 1);
        kurvenPanel->txtLabel[u(i)]->setText(toQ(Str(i)));
        c.setLabelTextColour(i, kSchwarz);
        c.setLabelBackColour(i, kWeiss);
        c.setLabelFont(i, ChartFont{"Arial", labelSize, false, false, false, false});
        kurvenPanel->txtLegendCurves[u(i)]->setToolTip(kOhneTextKeineLegende);
        kurvenPanel->chkEinzelLabelSichtbar[u(i)]->setChecked(true);
    }
    for (int i = 26; i <= 27; ++i) {
        c.attachLabel(i, 1, i, 1);
        c.setLabelTextColour(i, kHellrot);
        c.setLabelFont(i, ChartFont{"Arial", markSize, true, true, false, false});
    }

    // Chart area and legend.
    c.setChartAreaBackColour(kWeiss);
    c.setPlotBackColour(kWeiss);
    ChartFont legendFont = c.legendFont();
    legendFont.name = "Arial";
    c.setLegendFont(legendFont);
    LegBColor = c.chartAreaBackColour();
    bytGitterStil = 4;

    printPanelDefaults();

    cmdFullWhite_Click();
    c.endUpdate();

    // Curve resolution.
    aufloesungPanel->einrichten(nAufloesung);
    Slider1_PunktDichte_Change();

    // Menus.
    for (const char* n : {"mnuDelLabels", "mnuDelHalbAB", "mnuDelLegend", "mnuDelLegendZeile", "mnuHalbA", "mnuHalbB"})
        setEnabled(n, false);
    setEnabled("mnuHalbA", halbwertszeitAAngeboten(app.iDiagrammTyp));
    setEnabled("mnuHalbB", halbwertszeitBAngeboten(app.iDiagrammTyp));

    applyDesignDefaults();

    const bool enzym = app.iModell == 10;
    menuItem("mnuHalbA")->setText(enzym ? "Halbwertszeit E" : "Halbwertszeit A");
    menuItem("mnuHalbB")->setText(enzym ? "Halbwertszeit S" : "Halbwertszeit B");

    // Axis ranges.
    SetAchsenMinMax();
    coord[1]->setText(toQ(Str(app.tDiagramm.XMin)));
    coord[2]->setText(toQ(Str(app.tDiagramm.XMax)));
    coord[3]->setText(toQ(Str(app.tDiagramm.YMin)));
    coord[4]->setText(toQ(Str(app.tDiagramm.YMax)));
    cmdCoord_OK_Click();
    optScaling_Click(0);

    SetSpeziesMaske(app.iDiagrammTyp);
    anfrageUebernehmen();
    setEnabled("mnuAddPunkte", app.nExpPunkte != 0);

    // First drawing.
    const int kind = app.iDiagrammTyp;
    const bool nurDaten = kind == -1 || kind == -2 || kind == -9;
    if (!nurDaten) {
        cmdDraw_Click();
        if (kind > 0 && app.nExpPunkte > 0 && app.gMitMesspunkten) {
            setEnabled("mnuDelPoints", true);
            bool drin = false;
            zeigeExperPunkte(drin);
            if (!drin) {
                FehlerText = "Alle experimentellen Punkte befinden sich außerhalb des Koordinatenbereichs des Diagramms" +
                             app.CrLf + "Prüfen Sie, ob die geladenen exper. Punkte zu diesem" + app.CrLf +
                             "Diagramm passen bzw. vergrößern Sie den Koordinatenbereich.";
                MsgBox(FehlerText, MsgButtons::OK, MsgIcon::Exclamation, "Warnung");
            }
        }
    } else {
        setEnabled("mnuDelPoints", true);
        bool drin = false;
        zeigeExperPunkte(drin);
        if (!drin) {
            FehlerText = "Alle experimentellen Punkte befinden sich außerhalb des Koordinatenbereichs des Diagramms" +
                         app.CrLf + "Vergrößern Sie den Koordinatenbereich.";
            MsgBox(FehlerText, MsgButtons::OK, MsgIcon::Exclamation, "Warnung");
        }
    }
    SanduhrAus();
}

void frmGraph2D::anfrageUebernehmen() {
    art_ = app.iDiagrammTyp;
    maske_ = app.sSpeziesMaske;
    ktDiagramm_ = app.bKTDiagramm;
    mmPlot_ = app.iModell == 10 && app.bMMdiagramm;
}

// Activation refreshes what the window shows for its own kind; it writes
// nothing of the shared state.
void frmGraph2D::Form_Activate() {
    const int kind = art_;
    setEnabled("mnuAddPunkte", app.nExpPunkte != 0 && kind <= 50);
    cmdSingleCalc->setVisible(kind > 0);
    if (!ktDiagramm_) {
        for (int i = 1; i <= 5; ++i)
            if (u(i) <= maske_.size() && maske_[u(i - 1)] == '1' && app.bKonzDaten[u(i)])
                punktePanel->tabPunkte->setTabVisible(i - 1, true);
    } else {
        punktePanel->tabPunkte->setTabVisible(kPunktSatzKT - 1, true);
    }
    cmdSingleCalc->setEnabled(!mmPlot_);
    punktePanel->tabPunkte->setTabVisible(kPunktSatzManuell - 1, Chart2D1->pointCount(2, kPunktSatzManuell) >= 1);
    kurvenPanel->cmbSep->clear();
    for (const auto& e : kTrennzeichen) kurvenPanel->cmbSep->addItem(QString::fromUtf8(e.text));
    kurvenPanel->cmbSep->setCurrentIndex(trennzeichenIndex(app.Trennzeichen));
    cmdArrhRechner->setVisible(static_cast<bool>(hooks().dataWindows.openArrheniusCalculator));
    setEnabled("mnuManuXY", static_cast<bool>(hooks().dataWindows.openXYEditor));
}

void frmGraph2D::Form_Unload(bool& /*cancel*/) {
    if (const auto& zeiger = hooks().screen.setMousePointer) zeiger(0);
    app.gGraphLeft = CInt(twipsLeft());
}

// Size and place from the area the window lives in (the main window's MDI
// area; the screen when there is none), in the proportions of the chart
// window: 0.75 of the height, 500 twips from the top; in an evaluation 0.68
// of the width at the right edge, else 0.72 of the width at the remembered
// left position. That size it always keeps, whole inside the area: it may
// cover the windows behind it (the model, time-diagram, data-set and reactor
// windows). It moves only to leave free the controls of the windows that stay
// in use beside it (the fitting window's, say, while a tangent or a linear
// evaluation is drawn) and a tool window the user works in, which floats over
// it, where the area has room for that at the chart's size; else it leaves
// at least their push buttons free, else it stands where it covers the least of
// their controls.
QRect frmGraph2D::wunschGeometrie() {
    QSize area = Forms::mdiAreaSize();
    const bool imBereich = !area.isEmpty() && frame() != this;
    if (!imBereich) area = QSize(twipsToPixelsX(screenWidthTwips()), twipsToPixelsY(screenHeightTwips()));
    const int top = twipsToPixelsY(500);
    const int height = static_cast<int>(std::lround(0.75 * area.height()));
    int width = 0, left = 0;
    if (app.bAuswertungsart != 0) {
        width = static_cast<int>(std::lround(0.68 * area.width()));
        left = area.width() - width - twipsToPixelsX(50);
    } else {
        width = static_cast<int>(std::lround(0.72 * area.width()));
        left = twipsToPixelsX(app.gGraphLeft);
    }
    QRect want(left, top, width, height);
    if (!imBereich) return want;
    want = Forms::fitIntoMdiArea(want);
    std::vector<QRect> controls, knoepfe;
    QWidget* view = Forms::mdiArea() ? Forms::mdiArea()->viewport() : nullptr;
    for (VrnForm* f : Forms::all()) {
        if (f == this || f->kind() != Kind::MdiChild || f->mayBeCovered() || !f->frame()->isVisible()) continue;
        for (const QRect& c : Forms::controlsInMdiArea(f)) controls.push_back(c);
        for (QPushButton* b : f->findChildren<QPushButton*>())
            if (view && b->isVisibleTo(f)) knoepfe.emplace_back(view->mapFromGlobal(b->mapToGlobal(QPoint(0, 0))), b->size());
    }
    const auto frei = [](const QRect& r, const std::vector<QRect>& keep) {
        return std::none_of(keep.begin(), keep.end(), [&r](const QRect& k) { return r.intersects(k); });
    };
    // No window to stand beside: the chart never gives up any of its size.
    // First all of those controls and the tool window free, then all the
    // controls, then at least their push buttons; else where it covers the least.
    std::vector<std::vector<QRect>> stufen;
    if (arbeitsFenster_ && arbeitsFenster_ != this && arbeitsFenster_->kind() == Kind::Tool)
        if (const QRect tool = Forms::frameInMdiArea(arbeitsFenster_); !tool.isNull()) {
            stufen.push_back(controls);
            stufen.back().push_back(tool);
        }
    stufen.push_back(controls);
    stufen.push_back(knoepfe);
    for (const std::vector<QRect>& keep : stufen)
        if (const QRect r = Forms::keepControlsFree(want, keep); frei(r, keep)) return r;
    return Forms::keepControlsFree(want, controls);
}

void frmGraph2D::showEvent(QShowEvent* event) {
    VrnForm::showEvent(event);
    if (geometrySet_) return;
    geometrySet_ = true;
    // First inside the area where the area put it, so that the area shows no
    // scroll bars for it and its whole size counts.
    frame()->setGeometry(Forms::fitIntoMdiArea(frame()->geometry()));
    frame()->setGeometry(wunschGeometrie());
    Form_Activate();
}

void frmGraph2D::resizeEvent(QResizeEvent* event) {
    VrnForm::resizeEvent(event);
    menueEinpassen();
    Form_Resize();
}

// Every menu title stays in the menu bar: where the bar, as wide as the
// window, is narrower than the titles need in the menu font, they are
// written smaller, down to 7 points, so that none goes behind the overflow
// button.
void frmGraph2D::menueEinpassen() {
    const QFont basis = QApplication::font(menuBar);
    QFont f = basis;
    for (double pt = basis.pointSizeF(); pt > 0; pt -= 0.5) {
        f.setPointSizeF(std::max(7.0, pt));
        menuBar->setFont(f);
        if (pt <= 7 || menuBar->sizeHint().width() <= width()) break;
    }
}

void frmGraph2D::Form_Resize() {
    // The chart fills the window between the button row and the status bar.
    // Its chart area is laid out for the chart's size: it fills the chart and
    // leaves room for the header, the additional text and the legend, which
    // stands right of it, in the middle of its height. So these take their
    // room from the plot and never cover its frame, titles or numbers, also
    // when they change later (a second header line, the fitting result).
    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    c.setChartAreaAutomatic();
    c.setLegendAutoPosition();
    c.endUpdate();
}

void frmGraph2D::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        // Esc ends an armed zoom, else closes the open panel; with none open it closes the window.
        if (Chart2D1->zoomArmed()) {
            Chart2D1->setZoomArmed(false);
            if (const auto& zeiger = hooks().screen.setMousePointer) zeiger(0);
        } else if (cancelButton_ && cancelButton_->isVisible()) {
            cancelButton_->click();
        } else {
            cmdEscGraph->click();
        }
        return;
    }
    VrnForm::keyPressEvent(event);
}

// ---- menus and panels ----------------------------------------------------------------------

QAction* frmGraph2D::menuItem(const QString& name) const { return menus_->item(name); }

QMenu* frmGraph2D::menu(const QString& name) const { return menus_->menu(name); }

void frmGraph2D::clickMenu(const QString& name) { menus_->click(name); }

void frmGraph2D::setEnabled(const QString& name, bool on) {
    if (QAction* a = menuItem(name)) a->setEnabled(on);
}

void frmGraph2D::versteckeWerkzeugRahmen() {
    for (ToolFrame* f : {fraTabs, fraKurven, fraPunkte, fraSchrift, fraCoordInput, fraPrintIt, fraResolution})
        f->setVisible(false);
}

void frmGraph2D::showPanel(ToolFrame* frame, QPushButton* cancel) {
    panelEinpassen(frame);
    frame->show();
    frame->raise();
    cancelButton_ = cancel;
}

// A panel lies whole inside the window, below its menu bar and buttons. A
// window too small for it (one that stands beside a narrow working window,
// say) grows inside the main window's area until the panel fits.
void frmGraph2D::panelEinpassen(ToolFrame* panel) {
    const QSize noetig = panel->size();
    const int oben = chartTop();
    const int fehltBreite = noetig.width() - width(), fehltHoehe = noetig.height() - (height() - oben);
    if (fehltBreite > 0 || fehltHoehe > 0) {
        QRect g = frame()->geometry();
        g.setWidth(g.width() + std::max(0, fehltBreite));
        g.setHeight(g.height() + std::max(0, fehltHoehe));
        frame()->setGeometry(frame() != this ? Forms::fitIntoMdiArea(g) : g);
    }
    panel->move(std::clamp(panel->x(), 0, std::max(0, width() - noetig.width())),
                std::clamp(panel->y(), oben, std::max(oben, height() - noetig.height())));
}

void frmGraph2D::mnuDesign_Click() {
    versteckeWerkzeugRahmen();
    setEnabled("mnuKurvenDesign", app.gnKurven >= 1);
    bool punkte = false;
    if (app.bKTDiagramm) {
        punkte = app.bHatKTDaten;
    } else {
        for (int k = 1; k <= kPunktSaetze; ++k)
            if (Chart2D1->pointCount(2, k) >= 1) punkte = true;
    }
    setEnabled("mnuPunktDesign", punkte);
}

void frmGraph2D::mnuDelete_Click() {
    versteckeWerkzeugRahmen();
    for (int n = 1; n <= kMaxKurven; ++n) {
        const bool belegt = app.KurvenSlot[u(n - 1)] == 0;
        setEnabled(QString("mnuSubDelKurv(%1)").arg(n), belegt);
        if (belegt) setEnabled("mnuSubDelKurv(0)", true);
    }
    for (int k = 1; k <= kPunktSaetze; ++k) {
        const bool hatPunkte = Chart2D1->pointCount(2, k) >= 1;
        setEnabled(QString("mnuSubDelPoints(%1)").arg(k), hatPunkte);
        if (hatPunkte) setEnabled("mnuSubDelPoints(0)", true);
    }
}

void frmGraph2D::mnuBildsenden_Click() { versteckeWerkzeugRahmen(); }
void frmGraph2D::mnuMark_Click() { versteckeWerkzeugRahmen(); }

void frmGraph2D::mnuKurvenDesign_Click() {
    versteckeWerkzeugRahmen();
    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    int erster = -1;
    for (int n = 1; n <= kMaxKurven; ++n) {
        if (app.KurvenSlot[u(n - 1)] != 0) {
            kurvenPanel->tabKurven->setTabEnabled(n - 1, false);
            setButtonColour(kurvenPanel->cmdKurvenFarbe[u(n)], app.gFarbVorwahl);
            continue;
        }
        if (erster < 0) erster = n;
        kurvenPanel->tabKurven->setTabVisible(n - 1, true);
        kurvenPanel->tabKurven->setTabEnabled(n - 1, true);
        setButtonColour(kurvenPanel->cmdKurvenFarbe[u(n)], c.style(1, n).lineColour);
        kurvenPanel->tabKurven->setTabText(n - 1, QString("K. %1").arg(n));
        kurvenPanel->cmbKStil[u(n)]->setCurrentIndex(kurvenStilIndex(c.style(1, n).linePattern));
        cmbKStil_Click(n);
    }
    c.endUpdate();
    if (erster > 0) kurvenPanel->tabKurven->setCurrentIndex(erster - 1);
    fraKurven->adjustSize();
    showPanel(fraKurven, kurvenPanel->cmdKurven_OK);
}

void frmGraph2D::mnuPunktDesign_Click() {
    versteckeWerkzeugRahmen();
    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    for (int k = 1; k <= kPunktSaetze; ++k)
        setButtonColour(punktePanel->cmdPunktFarbe[u(k)],
                        c.pointCount(2, k) >= 1 ? c.style(2, k).symbolColour : app.gFarbVorwahl);
    c.endUpdate();
    showPanel(fraPunkte, punktePanel->cmdPunkte_OK);
    Form_Activate();
}

void frmGraph2D::mnuResolution_Click() { showPanel(fraResolution, cmdResolClose); }

void frmGraph2D::mnuManuXY_Click() {
    if (const auto& oeffnen = hooks().dataWindows.openXYEditor) oeffnen();
}

void frmGraph2D::mnuHaupt_Click() {
    if (frmPhantom* p = Forms::loaded<frmPhantom>()) p->SetFocus();
}

void frmGraph2D::cmdPrint_Esc_Click() { fraPrintIt->hide(); }
void frmGraph2D::cmdEscGraph_Click() { Unload(); }
void frmGraph2D::cmdResolClose_Click() { fraResolution->hide(); }
void frmGraph2D::cmdKurven_OK_Click() { fraKurven->hide(); }
void frmGraph2D::cmdPunkte_OK_Click() { fraPunkte->hide(); }
void frmGraph2D::cmdTabs_OK_Click() { fraTabs->hide(); }

void frmGraph2D::Slider1_PunktDichte_Change() {
    nAufloesung = static_cast<Integer>(Slider1_PunktDichte->value());
    Label54->setText(toQ(Format(static_cast<int>(nAufloesung))));
}

void frmGraph2D::cmbSep_Click() {
    const int i = kurvenPanel->cmbSep->currentIndex();
    if (i >= 0 && u(i) < kTrennzeichen.size()) app.Trennzeichen = kTrennzeichen[u(i)].zeichen;
}

void frmGraph2D::cmdSingleCalc_Click() {
    frmGraphCalc& f = Forms::get<frmGraphCalc>();
    f.Show();
    // Beside the chart, so that its menus, title and numbers stay in sight.
    Forms::placeToolBeside(&f, this);
    f.SetFocus();
}

void frmGraph2D::cmdArrhRechner_Click() {
    if (const auto& oeffnen = hooks().dataWindows.openArrheniusCalculator) oeffnen();
}

void frmGraph2D::punktTabsAnwenden(const PunktTabs& t) {
    for (int i = 1; i <= kPunktSaetze; ++i) {
        if (t.caption[u(i)]) punktePanel->tabPunkte->setTabText(i - 1, toQ(*t.caption[u(i)]));
        if (t.sichtbar[u(i)]) punktePanel->tabPunkte->setTabVisible(i - 1, *t.sichtbar[u(i)]);
        if (t.legende[u(i)]) punktePanel->txtLegendPoints[u(i)]->setText(toQ(*t.legende[u(i)]));
    }
    if (t.legendeSichtbar) Chart2D1->setLegendShown(*t.legendeSichtbar);
    if (t.chkLegend) chkLegend->setChecked(*t.chkLegend);
    if (t.aktuellerTab && *t.aktuellerTab >= 0 && *t.aktuellerTab < punktePanel->tabPunkte->count())
        punktePanel->tabPunkte->setCurrentIndex(*t.aktuellerTab);
}

QString frmGraph2D::statusText() const { return statusLabel_->text(); }
void frmGraph2D::setStatusText(const QString& text) { static_cast<StatusZeile*>(statusLabel_)->zeige(text); }

// ---- hooks of the chart module ----------------------------------------------------------------

void installChartWindow() {
    ChartWindowHooks& h = hooks().chartWindow;
    h.zeigeDiagramm = [] { zeigeDiagramm(); };
    h.showChartWindow = [] {
        frmGraph2D& f = Forms::get<frmGraph2D>();
        f.Show();
        // A window shown again by a later request takes that request's kind.
        f.anfrageUebernehmen();
        return true;
    };
    h.punktTabsAnwenden = [](const PunktTabs& t) {
        if (frmGraph2D* f = Forms::loaded<frmGraph2D>()) f->punktTabsAnwenden(t);
    };
    h.chartWindowLoaded = [] { return IsFormLoaded<frmGraph2D>(); };
    h.unloadChartWindow = [] { Forms::unload<frmGraph2D>(); };
    h.pressChartDraw = [] {
        if (frmGraph2D* f = Forms::loaded<frmGraph2D>()) f->cmdDraw_Click();
    };
}

}  // namespace vrn
