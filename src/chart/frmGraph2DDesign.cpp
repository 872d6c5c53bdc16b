// The chart window's design panels: building them and wiring them to the
// window, the coordinate check, zoom and reset, the text menu, the colour
// preset for the next curve, the legend switches that all panels share, and
// the design a fresh chart starts with.
#include <QGroupBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "chart/ChartWindowTables.h"
#include "chart/CoordPanel.h"
#include "chart/CurvePanel.h"
#include "chart/CurveSlots.h"
#include "chart/DesignAxisTabs.h"
#include "chart/DesignColourTab.h"
#include "chart/DesignLayoutTabs.h"
#include "chart/DesignLegendTabs.h"
#include "chart/DesignPanel.h"
#include "chart/DesignRules.h"
#include "chart/Grafik.h"
#include "chart/PanelWidgets.h"
#include "chart/PointPanel.h"
#include "chart/ResolutionPanel.h"
#include "chart/TextPanel.h"
#include "chart/frmGraph2D.h"
#include "platform/ChartControl.h"
#include "platform/MenuTree.h"
#include "platform/MsgBox.h"
#include "platform/NumberField.h"
#include "shell/AppState.h"
#include "shell/Helpers.h"
#include "shell/Hooks.h"

namespace vrn {

namespace {

std::size_t u(int i) { return static_cast<std::size_t>(i); }

constexpr int kDesignTabZeichenflaeche = 5;

void bildschirmZeiger(int p) {
    if (const auto& zeiger = hooks().screen.setMousePointer) zeiger(p);
}

}  // namespace

// ---- building -------------------------------------------------------------------------

void frmGraph2D::buildDesignPanels() {
    ChartControl& c = *Chart2D1;

    kurvenPanel = new CurvePanel(c, this);
    fraKurven = kurvenPanel;
    connect(kurvenPanel, &CurvePanel::legendeGeklickt, this, [this](bool an) { legendeSchalten(an); });
    connect(kurvenPanel, &CurvePanel::menuSchalten, this, [this](const QString& n, bool an) { setEnabled(n, an); });
    connect(kurvenPanel, &CurvePanel::loeschenGeklickt, this, [this] { cmdDelKurv_Click(); });
    connect(kurvenPanel, &CurvePanel::clipboardGeklickt, this, [this] { cmdClipboard_Click(); });
    connect(kurvenPanel, &CurvePanel::trennzeichenGewaehlt, this, [this] { cmbSep_Click(); });
    connect(kurvenPanel, &CurvePanel::speichernGeklickt, this, [this] { cmdSaveCurveAsXY_Click(); });
    connect(kurvenPanel, &CurvePanel::schliessenGeklickt, this, [this] { cmdKurven_OK_Click(); });

    punktePanel = new PointPanel(c, this);
    fraPunkte = punktePanel;
    connect(punktePanel, &PointPanel::legendeGeklickt, this, [this](bool an) { legendeSchalten(an); });
    connect(punktePanel, &PointPanel::loeschenGeklickt, this, [this](int k) { cmdDelPoints_Click(k); });
    connect(punktePanel, &PointPanel::schliessenGeklickt, this, [this] { cmdPunkte_OK_Click(); });

    designPanel = new DesignPanel(c, bytGitterStil, bytGitterArt, LegBColor, this);
    fraTabs = designPanel;
    tabDesign = designPanel->tabDesign;
    chkLegend = designPanel->legende->chkLegend;
    txtXOrigin = designPanel->achsen->txtXOrigin;
    txtYOrigin = designPanel->achsen->txtYOrigin;
    cmdTabs_OK = designPanel->cmdTabs_OK;
    connect(designPanel->legende, &LegendLabelTabs::legendeGeklickt, this, [this](bool an) { legendeSchalten(an); });
    connect(designPanel->legende, &LegendLabelTabs::etikettsUnsichtbar, this, [this](bool unsichtbar) {
        if (unsichtbar)
            for (int n = 1; n <= kMaxKurven; ++n) {
                kurvenPanel->chkEinzelLabelSichtbar[u(n)]->setChecked(false);
                kurvenPanel->chkEinzelLabelSichtbar_Click(n);
            }
        setEnabled("mnuDelLabels", !unsichtbar);
    });
    connect(designPanel, &DesignPanel::schliessenGeklickt, this, [this] { cmdTabs_OK_Click(); });

    textPanel = new TextPanel(c, this);
    fraSchrift = textPanel;
    connect(textPanel, &TextPanel::zusatztextLeer, this, [this](bool leer) { setEnabled("mnuAddText", leer); });
    connect(textPanel, &TextPanel::schliessenGeklickt, this, [this] { cmdSchriftFertig_Click(); });

    coordPanel = new CoordPanel(this);
    fraCoordInput = coordPanel;
    coord = coordPanel->coord;
    cmdCoord_OK = coordPanel->cmdCoord_OK;
    cmdCoord_Esc = coordPanel->cmdCoord_Esc;
    connect(coordPanel, &CoordPanel::okGeklickt, this, [this] { cmdCoord_OK_Click(); });
    connect(coordPanel, &CoordPanel::abbrechenGeklickt, this, [this] { cmdCoord_Esc_Click(); });

    aufloesungPanel = new ResolutionPanel(this);
    fraResolution = aufloesungPanel;
    Slider1_PunktDichte = aufloesungPanel->Slider1_PunktDichte;
    Label54 = aufloesungPanel->Label54;
    cmdResolClose = aufloesungPanel->cmdResolClose;
    connect(aufloesungPanel, &ResolutionPanel::wertGeaendert, this, [this] { Slider1_PunktDichte_Change(); });
    connect(aufloesungPanel, &ResolutionPanel::schliessenGeklickt, this, [this] { cmdResolClose_Click(); });

    // Zoom, reset and the colour preset beside the draw button.
    auto* strip = static_cast<QHBoxLayout*>(buttonStrip_->layout());
    cmdZoom = new QPushButton("Zoom", buttonStrip_);
    cmdZoom->setObjectName("cmdZoom");
    cmdZoomReset = new QPushButton("Reset", buttonStrip_);
    cmdZoomReset->setObjectName("cmdZoomReset");
    cmdFarbVorwahl = farbKnopf("cmdFarbVorwahl", buttonStrip_);
    Label49 = beschriftung(" Farb-Vorwahl", buttonStrip_);
    Label49->setObjectName("Label49");
    beiKlick(Label49, [this] { Label49_Click(); });
    int at = strip->count() - 1;  // before the stretch
    for (QWidget* w : std::initializer_list<QWidget*>{cmdZoom, cmdZoomReset, cmdFarbVorwahl, static_cast<QWidget*>(Label49)}) {
        if (auto* b = qobject_cast<QPushButton*>(w)) {
            b->setAutoDefault(false);
            b->setFocusPolicy(Qt::TabFocus);
        }
        strip->insertWidget(at++, w);
    }
    strip->insertSpacing(strip->indexOf(cmdFarbVorwahl), 8);
    connect(cmdZoom, &QPushButton::clicked, this, [this] { cmdZoom_Click(); });
    connect(cmdZoomReset, &QPushButton::clicked, this, [this] { cmdZoomReset_Click(); });
    connect(cmdFarbVorwahl, &QPushButton::clicked, this, [this] { cmdFarbVorwahl_Click(); });
    // The release that ends a zoom drag ends the zoom mode: every zoom needs its own "Zoom".
    connect(Chart2D1, &ChartControl::mouseReleased, this, [this](Qt::MouseButton b) {
        if (b != Qt::LeftButton || !Chart2D1->zoomArmed()) return;
        Chart2D1->setZoomArmed(false);
        bildschirmZeiger(0);
    });

    menus_->setHandler("mnuCoord", [this] { mnuCoord_Click(); });
    menus_->setHandler("mnuAddText", [this] { mnuAddText_Click(); });
    for (int i = 1; i <= 5; ++i)
        menus_->setHandler(QString("mnuTextDesign(%1)").arg(i), [this, i] { mnuTextDesign_Click(i); });
}

// ---- opening the panels ----------------------------------------------------------------

void frmGraph2D::mnuDesignMore_Click() {
    versteckeWerkzeugRahmen();
    designPanel->balkenAusChart();
    showPanel(fraTabs, cmdTabs_OK);
}

void frmGraph2D::openCurvePanelAt(int n) {
    mnuKurvenDesign_Click();
    if (n >= 1 && n <= kMaxKurven && kurvenPanel->tabKurven->isTabEnabled(n - 1))
        kurvenPanel->tabKurven->setCurrentIndex(n - 1);
}

void frmGraph2D::openPointPanelAt(int k) {
    if (k >= 1 && k <= kPunktSaetze) punktePanel->tabPunkte->setCurrentIndex(k - 1);
    mnuPunktDesign_Click();
}

void frmGraph2D::openDesignTab(int t) {
    mnuDesignMore_Click();
    if (t >= 0 && t < tabDesign->count()) tabDesign->setCurrentIndex(t);
}

void frmGraph2D::mnuTextDesign_Click(int index) {
    if (index == 5) {
        mnuKurvenDesign_Click();
        return;
    }
    if (index < 1 || index > 4) return;
    versteckeWerkzeugRahmen();
    bytTextArt = static_cast<Byte>(index);
    textPanel->oeffnen(index);
    showPanel(fraSchrift, textPanel->cmdSchriftFertig);
    textPanel->schrift->setFocus();
}

void frmGraph2D::mnuAddText_Click() { mnuTextDesign_Click(2); }
void frmGraph2D::cmdSchriftFertig_Click() { fraSchrift->hide(); }

// ---- coordinates, scaling and zoom ---------------------------------------------------------

void frmGraph2D::mnuCoord_Click() {
    versteckeWerkzeugRahmen();
    coordPanel->zeigeBereich(app.tDiagramm);
    showPanel(fraCoordInput, cmdCoord_Esc);
    coord[1]->setFocus();
    coord[1]->selectAll();
}

void frmGraph2D::cmdCoord_Esc_Click() { fraCoordInput->hide(); }

void frmGraph2D::cmdCoord_OK_Click() {
    koordinatenUebernehmen();
    for (int i : {1, 0, 1, 0}) optScaling_Click(i);
}

// Reads the coordinate boxes. Valid bounds go into tDiagramm, the axes and
// the range remembered for the kind, and the panel closes; otherwise the
// refusal is shown, the boxes show tDiagramm again and nothing changes.
bool frmGraph2D::koordinatenUebernehmen() {
    const KoordPruefung p = pruefeKoordinaten(coordPanel->texte(), Chart2D1->axisLogarithmic(ChartAxis::X),
                                              Chart2D1->axisLogarithmic(ChartAxis::Y));
    if (p.fehler != KoordFehler::Keiner) {
        MsgBox(koordMeldung(p), MsgButtons::OK, MsgIcon::Critical, kEingabeFehler);
        coordPanel->zeigeBereich(app.tDiagramm);
        return false;
    }
    app.tDiagramm.XMax = p.xMax;
    app.tDiagramm.XMin = p.xMin;
    app.tDiagramm.YMax = p.yMax;
    app.tDiagramm.YMin = p.yMin;
    fraCoordInput->hide();
    SetAchsenMinMax();
    // The ranges are remembered for the window's own kind.
    speichereAchsenbereich(art(), app.Achsenbereich, app.tDiagramm);
    return true;
}

void frmGraph2D::optScaling_Click(int index) { designPanel->achsen->optScaling_Click(index); }

void frmGraph2D::cmdZoom_Click() {
    versteckeWerkzeugRahmen();
    bildschirmZeiger(kCrossPointer);
    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    c.setOriginPlacement(ChartAxis::X, kOriginAtMinimum);
    c.setOriginPlacement(ChartAxis::Y, kOriginAtMinimum);
    c.setZoomArmed(true);
    c.endUpdate();
}

void frmGraph2D::cmdZoomReset_Click() {
    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    c.resetZoom();
    c.setZoomArmed(false);
    bildschirmZeiger(0);
    // The range of the coordinate boxes, not the one before the first zoom;
    // when the boxes are refused, the chart shows the request's range.
    if (!koordinatenUebernehmen()) SetAchsenMinMax();
    for (int i : {1, 0, 1, 0, 1, 0}) optScaling_Click(i);
    c.endUpdate();
}

// ---- colours and legend -------------------------------------------------------------------

void frmGraph2D::cmdFarbVorwahl_Click() {
    if (const std::optional<Colour> c = waehleFarbe(app.gFarbVorwahl, this)) app.gFarbVorwahl = *c;
    setButtonColour(cmdFarbVorwahl, app.gFarbVorwahl);
}

void frmGraph2D::Label49_Click() { cmdFarbVorwahl_Click(); }

void frmGraph2D::cmdFullWhite_Click() { designPanel->farben->cmdFullWhite_Click(); }

void frmGraph2D::cmbKStil_Click(int n) { kurvenPanel->cmbKStil_Click(n); }
void frmGraph2D::cmbPunktStil_Click(int k) { punktePanel->cmbPunktStil_Click(k); }

void frmGraph2D::legendeSchalten(bool sichtbar) {
    Chart2D1->setLegendShown(sichtbar);
    setEnabled("mnuDelLegend", sichtbar);
    setEnabled("mnuDelLegendZeile", sichtbar);
    setEnabled("mnuAddLegend", !sichtbar);
    chkLegend->setChecked(sichtbar);
    for (QCheckBox* b : kurvenPanel->chkLegend1) b->setChecked(sichtbar);
    for (int k = 1; k <= kPunktSaetze; ++k) punktePanel->chkLegend2[u(k)]->setChecked(sichtbar);
}

// ---- the design a fresh chart starts with -----------------------------------------------------

void frmGraph2D::applyDesignDefaults() {
    // A complete dotted grid, no outer frame, horizontal y numbers and a
    // vertical y title, a framed plot area, the axes crossing at their minima
    // with the numbers there, automatic margins and spacing, an opaque legend.
    LayoutTabs& l = *designPanel->layout;
    AxisTabs& a = *designPanel->achsen;
    LegendLabelTabs& g = *designPanel->legende;
    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    auto waehle = [](QAbstractButton* b) { setzeStill(b, true); };
    waehle(l.opt1Gitter[3]);
    l.opt1Gitter_Click(3);
    waehle(l.optFrameType[0]);
    l.optFrameType_Click(0);
    waehle(textPanel->optOrientYAxZiff[0]);
    textPanel->optOrientYAxZiff_Click(0);
    waehle(textPanel->optOrientYAxText[1]);
    textPanel->optOrientYAxText_Click(1);
    waehle(l.chkDiaFrame);
    l.chkDiaFrame_Click();
    setzeStill(textPanel->chkTextFrame, false);
    c.setTextBorder(ChartTextBlock::Header, 0);
    waehle(l.opt2Gitter[0]);
    l.opt2Gitter_Click(0);
    waehle(a.optStandardOrigin[0]);
    a.optStandardOrigin_Click(0);
    waehle(a.optXZiffern[0]);
    a.optXZiffern_Click(0);
    waehle(a.optYZiffern[0]);
    a.optYZiffern_Click(0);
    waehle(a.optScaling[0]);
    setButtonColour(cmdFarbVorwahl, app.gFarbVorwahl);
    setButtonColour(g.cmdLabelFColor, RGB(0, 0, 0));
    setButtonColour(g.cmdLabelBColor, RGB(240, 240, 240));
    waehle(l.chkAutoRand);
    l.chkAutoRand_Click();
    setzeStill(g.chkLabelNotVisible, false);
    setzeStill(g.chkLabelFrame, false);
    setzeStill(g.chkLegTransparent, false);
    g.chkLegTransparent_Click();
    setButtonColour(g.cmdLegBColor, LegBColor);
    setButtonColour(g.cmdLegFColor, c.legendTextColour());
    setzeStill(g.chkLegFrame, c.legendBorder() == rahmenCode(true));
    waehle(g.optLegOrient[c.legendOrientation() == kLegendenOrientierung[0] ? 0 : 1]);
    c.endUpdate();
    setEnabled("mnuAddText", c.text(ChartTextBlock::Footer).empty());
    tabDesign->setCurrentIndex(kDesignTabZeichenflaeche);
}

}  // namespace vrn
