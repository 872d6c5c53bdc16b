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
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "chart/ChartHooks.h"
#include "chart/ChartWindowTables.h"
#include "chart/CurveSlots.h"
#include "chart/Grafik.h"
#include "chart/ToolFrame.h"
#include "chart/frmGraphCalc.h"
#include "platform/ChartControl.h"
#include "platform/MenuTree.h"
#include "platform/CommonDialogs.h"
#include "platform/MsgBox.h"
#include "platform/NumberField.h"
#include "platform/Paths.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"
#include "shell/AppState.h"
#include "shell/Helpers.h"
#include "base/NumberText.h"
#include "shell/frmPhantom.h"

namespace vrn {

namespace {

// The design panels (curve and point-set design, text, coordinates, output,
// resolution) are opened from the menus once their contents are complete;
// until then the items that open them stay disabled.
constexpr bool kGestaltungsPanelsFertig = false;

constexpr const char* kOhneTextKeineLegende = " ohne Text kein Eintrag in die Legende! ";
constexpr Colour kSchwarz = RGB(0, 0, 0);
constexpr Colour kWeiss = RGB(255, 255, 255);
constexpr Colour kHellrot = RGB(255, 0, 0);  // entry 12 of the standard 16-colour palette
constexpr Colour kGitterGrau = RGB(143, 143, 143);

std::size_t u(int i) { return static_cast<std::size_t>(i); }

void setButtonColour(QPushButton* b, Colour c) {
    if (!b) return;
    b->setStyleSheet(QString("background-color: %1; border: 1px solid #606060;").arg(toQColor(c).name()));
}

QLabel* beschriftung(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    return l;
}

}  // namespace

std::function<void()>& frmGraph2D::xyEditorOeffnen() {
    static std::function<void()> f;
    return f;
}

std::function<void()>& frmGraph2D::arrheniusRechnerOeffnen() {
    static std::function<void()> f;
    return f;
}

frmGraph2D::frmGraph2D() : VrnForm(Kind::MdiChild) {
    setObjectName("frmGraph2D");
    setCaption("2D-Diagramm");
    buildWindow();
    buildMenus();
    buildCurvePanel();
    buildPointPanel();
    buildDesignPanel();
    buildSmallPanels();
    for (ToolFrame* f : {fraTabs, fraKurven, fraPunkte, fraSchrift, fraCoordInput, fraPrintIt, fraResolution})
        connectFrame(f);
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
    strip->setSpacing(6);
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
    statusLabel_ = new QLabel(StatusBar2);
    statusLabel_->setObjectName("StatusBar2Text");
    statusLabel_->setTextFormat(Qt::PlainText);
    statusLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    StatusBar2->addWidget(statusLabel_, 1);
    layout->addWidget(StatusBar2);
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

void frmGraph2D::buildCurvePanel() {
    fraKurven = new ToolFrame("Kurvengestaltung", true, this);
    fraKurven->setObjectName("fraKurven");
    auto* outer = new QVBoxLayout(fraKurven);
    tabKurven = new QTabWidget(fraKurven);
    tabKurven->setObjectName("tabKurven");
    tabKurven->setUsesScrollButtons(true);
    outer->addWidget(tabKurven);
    for (int n = 1; n <= kMaxKurven; ++n) {
        auto* page = new QWidget(tabKurven);
        auto* g = new QGridLayout(page);
        g->setContentsMargins(6, 6, 6, 6);
        g->setHorizontalSpacing(8);
        auto* combo = new QComboBox(page);
        combo->setObjectName(QString("cmbKStil_%1").arg(n));
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        cmbKStil[u(n)] = combo;
        auto* farbe = new QPushButton(page);
        farbe->setObjectName(QString("cmdKurvenFarbe_%1").arg(n));
        farbe->setFixedSize(28, 20);
        cmdKurvenFarbe[u(n)] = farbe;
        auto* breite = new UpDown(page);
        breite->setRange(1, 10);
        UpDown1_KBreite[u(n)] = breite;
        Label39[u(n)] = beschriftung("1", page);
        breite->setBuddy(Label39[u(n)]);
        txtLegendCurves[u(n)] = new QLineEdit(page);
        txtLegendCurves[u(n)]->setObjectName(QString("txtLegendCurves_%1").arg(n));
        chkLegend1[u(n - 1)] = new QCheckBox("sichtbar", page);
        txtLabel[u(n)] = new QLineEdit(page);
        txtLabel[u(n)]->setObjectName(QString("txtLabel_%1").arg(n));
        chkEinzelLabelSichtbar[u(n)] = new QCheckBox("sichtbar", page);
        scrShiftLab[u(n)] = new QScrollBar(Qt::Horizontal, page);
        scrShiftLab[u(n)]->setRange(1, 1);

        g->addWidget(beschriftung("Kurvenstil", page), 0, 0);
        g->addWidget(combo, 0, 1);
        g->addWidget(beschriftung("Farbe", page), 0, 2);
        g->addWidget(farbe, 0, 3);
        g->addWidget(beschriftung("Lin.-breite", page), 0, 4);
        auto* bw = new QHBoxLayout();
        bw->addWidget(breite);
        bw->addWidget(Label39[u(n)]);
        g->addLayout(bw, 0, 5);
        g->addWidget(beschriftung("Legendentext", page), 1, 0);
        g->addWidget(txtLegendCurves[u(n)], 1, 1, 1, 3);
        g->addWidget(chkLegend1[u(n - 1)], 1, 4, 1, 2);
        g->addWidget(beschriftung("Kurvenetikett:  Text", page), 2, 0);
        g->addWidget(txtLabel[u(n)], 2, 1, 1, 3);
        g->addWidget(chkEinzelLabelSichtbar[u(n)], 2, 4, 1, 2);
        g->addWidget(beschriftung("Position", page), 3, 0);
        g->addWidget(scrShiftLab[u(n)], 3, 1, 1, 5);
        tabKurven->addTab(page, QString());

        connect(combo, &QComboBox::activated, this, [this, n] { cmbKStil_Click(n); });
        connect(txtLegendCurves[u(n)], &QLineEdit::textChanged, this, [this, n](const QString& t) {
            // A legend text is kept only for a curve that has points.
            if (Chart2D1->pointCount(1, n) >= 1) Chart2D1->setSeriesLabel(1, n, toStd(t));
        });
        connect(txtLabel[u(n)], &QLineEdit::textChanged, this,
                [this, n](const QString& t) { Chart2D1->setLabelText(n, toStd(t)); });
        connect(scrShiftLab[u(n)], &QScrollBar::valueChanged, this, [this, n](int v) {
            if (Chart2D1->pointCount(1, n) >= 1) Chart2D1->setLabelPoint(n, v);
        });
    }

    auto* buttons = new QHBoxLayout();
    cmdDelKurv = new QPushButton("Kurve löschen", fraKurven);
    cmdDelKurv->setObjectName("cmdDelKurv");
    cmdClipboard = new QPushButton("Kurve in Clipboard", fraKurven);
    cmdClipboard->setObjectName("cmdClipboard");
    cmdClipboard->setToolTip("...für Datenexport nach Excel / Origin ");
    cmbSep = new QComboBox(fraKurven);
    cmbSep->setObjectName("cmbSep");
    cmbSep->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cmdKurven_OK = new QPushButton("Schließen", fraKurven);
    cmdKurven_OK->setObjectName("cmdKurven_OK");
    buttons->addWidget(cmdDelKurv);
    buttons->addWidget(cmdClipboard);
    buttons->addWidget(cmbSep);
    buttons->addStretch(1);
    buttons->addWidget(cmdKurven_OK);
    outer->addLayout(buttons);
    connect(cmdDelKurv, &QPushButton::clicked, this, [this] { cmdDelKurv_Click(); });
    connect(cmdClipboard, &QPushButton::clicked, this, [this] { cmdClipboard_Click(); });
    connect(cmbSep, &QComboBox::activated, this, [this] { cmbSep_Click(); });
    connect(cmdKurven_OK, &QPushButton::clicked, this, [this] { cmdKurven_OK_Click(); });
    fraKurven->adjustSize();
}

void frmGraph2D::buildPointPanel() {
    fraPunkte = new ToolFrame("Messpunkt-Gestaltung", true, this);
    fraPunkte->setObjectName("fraPunkte");
    auto* outer = new QVBoxLayout(fraPunkte);
    tabPunkte = new QTabWidget(fraPunkte);
    tabPunkte->setObjectName("tabPunkte");
    outer->addWidget(tabPunkte);
    for (int k = 1; k <= kPunktSaetze; ++k) {
        auto* page = new QWidget(tabPunkte);
        auto* g = new QGridLayout(page);
        g->setContentsMargins(6, 6, 6, 6);
        g->setHorizontalSpacing(8);
        cmbPunktStil[u(k)] = new QComboBox(page);
        cmbPunktStil[u(k)]->setObjectName(QString("cmbPunktStil_%1").arg(k));
        cmbPunktStil[u(k)]->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        cmdPunktFarbe[u(k)] = new QPushButton(page);
        cmdPunktFarbe[u(k)]->setFixedSize(28, 20);
        UpDown1_PointSize[u(k)] = new UpDown(page);
        UpDown1_PointSize[u(k)]->setRange(1, 30);
        Label56[u(k)] = beschriftung("6", page);
        UpDown1_PointSize[u(k)]->setBuddy(Label56[u(k)]);
        txtLegendPoints[u(k)] = new QLineEdit(page);
        txtLegendPoints[u(k)]->setObjectName(QString("txtLegendPoints_%1").arg(k));
        chkLegend2[u(k)] = new QCheckBox("Legende sichtbar", page);
        cmdDelPoints[u(k)] = new QPushButton("Punktsatz löschen", page);
        cmdDelPoints[u(k)]->setObjectName(QString("cmdDelPoints_%1").arg(k));

        g->addWidget(beschriftung("Stil", page), 0, 0);
        g->addWidget(cmbPunktStil[u(k)], 0, 1);
        g->addWidget(beschriftung("Farbe", page), 0, 2);
        g->addWidget(cmdPunktFarbe[u(k)], 0, 3);
        g->addWidget(beschriftung("Größe", page), 0, 4);
        auto* sw = new QHBoxLayout();
        sw->addWidget(UpDown1_PointSize[u(k)]);
        sw->addWidget(Label56[u(k)]);
        g->addLayout(sw, 0, 5);
        g->addWidget(beschriftung("Legendentext", page), 1, 0);
        g->addWidget(txtLegendPoints[u(k)], 1, 1, 1, 3);
        g->addWidget(chkLegend2[u(k)], 1, 4, 1, 2);
        if (k == kPunktSatzKT) g->addWidget(beschriftung("Geschwindigkeitskonst. vs.Temperatur", page), 2, 0, 1, 4);
        if (k == kPunktSatzManuell)
            g->addWidget(beschriftung("Punkte aus dem XY-Editor (Menü Einfügen)", page), 2, 0, 1, 4);
        g->addWidget(cmdDelPoints[u(k)], 2, 4, 1, 2);
        tabPunkte->addTab(page, QString::fromUtf8(kPunktSatzTabs[u(k)]));
        tabPunkte->setTabVisible(k - 1, false);

        connect(cmbPunktStil[u(k)], &QComboBox::activated, this, [this, k] { cmbPunktStil_Click(k); });
        connect(txtLegendPoints[u(k)], &QLineEdit::textChanged, this, [this, k](const QString& t) {
            if (Chart2D1->pointCount(2, k) >= 1) Chart2D1->setSeriesLabel(2, k, toStd(t));
        });
        connect(cmdDelPoints[u(k)], &QPushButton::clicked, this, [this, k] { cmdDelPoints_Click(k); });
    }
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    cmdPunkte_OK = new QPushButton("Schließen", fraPunkte);
    cmdPunkte_OK->setObjectName("cmdPunkte_OK");
    buttons->addWidget(cmdPunkte_OK);
    outer->addLayout(buttons);
    connect(cmdPunkte_OK, &QPushButton::clicked, this, [this] { cmdPunkte_OK_Click(); });
    fraPunkte->adjustSize();
}

void frmGraph2D::buildDesignPanel() {
    fraTabs = new ToolFrame("Diagramm-Einstellungen", true, this);
    fraTabs->setObjectName("fraTabs");
    auto* outer = new QVBoxLayout(fraTabs);
    tabDesign = new QTabWidget(fraTabs);
    tabDesign->setObjectName("tabDesign");
    tabDesign->setUsesScrollButtons(true);
    outer->addWidget(tabDesign);
    for (std::size_t i = 0; i < kDesignTabs.size(); ++i) {
        auto* page = new QWidget(tabDesign);
        auto* l = new QVBoxLayout(page);
        const QString name = QString::fromUtf8(kDesignTabs[i]);
        if (name == "Legende") {
            chkLegend = new QCheckBox("Sichtbar", page);
            chkLegend->setObjectName("chkLegend");
            l->addWidget(chkLegend);
            l->addWidget(
                beschriftung(" Legende nur sichtbar, wenn für mindestens eine Kurve Legendentext existiert ", page));
        }
        if (name == "Achs.-Ursprung") {
            auto* g = new QGridLayout();
            txtXOrigin = new QLineEdit(page);
            txtYOrigin = new QLineEdit(page);
            g->addWidget(beschriftung("bei X =", page), 0, 0);
            g->addWidget(txtXOrigin, 0, 1);
            g->addWidget(beschriftung("bei Y =", page), 1, 0);
            g->addWidget(txtYOrigin, 1, 1);
            l->addLayout(g);
        }
        l->addStretch(1);
        tabDesign->addTab(page, name);
    }
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    cmdTabs_OK = new QPushButton("Schließen", fraTabs);
    cmdTabs_OK->setObjectName("cmdTabs_OK");
    buttons->addWidget(cmdTabs_OK);
    outer->addLayout(buttons);
    connect(cmdTabs_OK, &QPushButton::clicked, this, [this] { cmdTabs_OK_Click(); });
    fraTabs->adjustSize();
}

void frmGraph2D::buildSmallPanels() {
    // Text panel: its fields come with the text design.
    fraSchrift = new ToolFrame("  Kopftext  ", true, this);
    fraSchrift->setObjectName("fraSchrift");
    auto* ls = new QVBoxLayout(fraSchrift);
    lblSchriftHinweis = beschriftung("Texte des Diagramms", fraSchrift);
    ls->addWidget(lblSchriftHinweis);
    fraSchrift->adjustSize();

    // Coordinate panel.
    fraCoordInput = new ToolFrame(" Diagramm-Koordinaten ", true, this);
    fraCoordInput->setObjectName("fraCoordInput");
    auto* gc = new QGridLayout(fraCoordInput);
    const char* namen[5] = {"", "x(min)", "x(max)", "y(min)", "y(max)"};
    for (int i = 1; i <= 4; ++i) {
        coord[u(i)] = new NumberField(fraCoordInput);
        coord[u(i)]->setObjectName(QString("coord_%1").arg(i));
        coord[u(i)]->setFixedWidth(90);
        gc->addWidget(beschriftung(namen[i], fraCoordInput), (i - 1) / 2 * 2, (i - 1) % 2);
        gc->addWidget(coord[u(i)], (i - 1) / 2 * 2 + 1, (i - 1) % 2);
    }
    cmdCoord_OK = new QPushButton("OK", fraCoordInput);
    cmdCoord_OK->setObjectName("cmdCoord_OK");
    cmdCoord_Esc = new QPushButton("Abbrechen", fraCoordInput);
    cmdCoord_Esc->setObjectName("cmdCoord_Esc");
    gc->addWidget(cmdCoord_OK, 4, 0);
    gc->addWidget(cmdCoord_Esc, 4, 1);
    connect(cmdCoord_OK, &QPushButton::clicked, this, [this] { cmdCoord_OK_Click(); });
    connect(cmdCoord_Esc, &QPushButton::clicked, this, [this] { cmdCoord_Esc_Click(); });
    fraCoordInput->adjustSize();

    // Output panel.
    fraPrintIt = new ToolFrame("Bild drucken/speichern", false, this);
    fraPrintIt->setObjectName("fraPrintIt");
    auto* gp = new QGridLayout(fraPrintIt);
    txtTop_in_cm = new QLineEdit(fraPrintIt);
    txtLeft_in_cm = new QLineEdit(fraPrintIt);
    txtHeight_in_cm = new QLineEdit(fraPrintIt);
    txtWidth_in_cm = new QLineEdit(fraPrintIt);
    const std::pair<const char*, QLineEdit*> felder[4] = {
        {"oben (cm)", txtTop_in_cm}, {"links (cm)", txtLeft_in_cm}, {"Höhe (cm)", txtHeight_in_cm}, {"Breite (cm)", txtWidth_in_cm}};
    for (int i = 0; i < 4; ++i) {
        felder[i].second->setFixedWidth(60);
        gp->addWidget(beschriftung(QString::fromUtf8(felder[i].first), fraPrintIt), i, 0);
        gp->addWidget(felder[i].second, i, 1);
    }
    cmdPrint_Esc = new QPushButton("Abbrechen", fraPrintIt);
    cmdPrint_Esc->setObjectName("cmdPrint_Esc");
    gp->addWidget(cmdPrint_Esc, 4, 1);
    connect(cmdPrint_Esc, &QPushButton::clicked, this, [this] { cmdPrint_Esc_Click(); });
    fraPrintIt->adjustSize();

    // Curve-resolution panel.
    fraResolution = new ToolFrame("Kurven-Auflösung", true, this);
    fraResolution->setObjectName("fraResolution");
    auto* gr = new QGridLayout(fraResolution);
    Slider1_PunktDichte = new QSlider(Qt::Horizontal, fraResolution);
    Slider1_PunktDichte->setObjectName("Slider1_PunktDichte");
    Slider1_PunktDichte->setMinimumWidth(180);
    Label54 = beschriftung("300", fraResolution);
    Label54->setObjectName("Label54");
    cmdResolClose = new QPushButton("Schließen", fraResolution);
    cmdResolClose->setObjectName("cmdResolClose");
    gr->addWidget(beschriftung("berechnete Punkte pro Kurve ", fraResolution), 0, 0, 1, 3);
    gr->addWidget(beschriftung("20", fraResolution), 1, 0);
    gr->addWidget(Slider1_PunktDichte, 1, 1);
    gr->addWidget(beschriftung("400", fraResolution), 1, 2);
    gr->addWidget(Label54, 2, 1, Qt::AlignHCenter);
    gr->addWidget(cmdResolClose, 3, 2);
    connect(Slider1_PunktDichte, &QSlider::valueChanged, this, [this] { Slider1_PunktDichte_Change(); });
    connect(cmdResolClose, &QPushButton::clicked, this, [this] { cmdResolClose_Click(); });
    fraResolution->adjustSize();
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
    const bool grossBild = CInt(screenWidthTwips() / twipsPerPixelX()) >= 800;
    const double axisSize = grossBild ? 11 : 10;
    const double labelSize = grossBild ? 10 : 9;
    const double markSize = grossBild ? 11 : 9;

    app.gnKurven = 0;
    KurveNr = 0;
    setEnabled("mnuDelPoints", false);
    nAufloesung = 300;

    // Geometry (twips); applied when the window is first shown.
    const double sw = screenWidthTwips(), sh = screenHeightTwips();
    targetTop_ = 500;
    targetHeight_ = static_cast<int>(std::lround(0.75 * sh));
    if (app.bAuswertungsart != 0) {
        targetWidth_ = static_cast<int>(std::lround(0.68 * sw));
        targetLeft_ = static_cast<int>(sw) - targetWidth_ - 50;
    } else {
        targetLeft_ = app.gGraphLeft;
        targetWidth_ = static_cast<int>(std::lround(0.72 * sw));
    }
    resize(twipsToPixelsX(targetWidth_), twipsToPixelsY(targetHeight_));

    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    auto place = [](QWidget* w, int left, int top) { w->move(twipsToPixelsX(left), twipsToPixelsY(top)); };
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
        setButtonColour(cmdKurvenFarbe[u(i)], app.gFarbVorwahl);
        c.setLineColour(1, i, app.gFarbVorwahl);
        c.setSymbolColour(1, i, app.gFarbVorwahl);
        c.setSymbolShape(1, i, 1);
        c.setSymbolSize(1, i, 1);
        cmbKStil[u(i)]->clear();
        for (const StilEintrag& s : kKurvenStile) cmbKStil[u(i)]->addItem(QString::fromUtf8(s.text));
        cmbKStil[u(i)]->setCurrentIndex(1);
        cmbKStil_Click(i);
        UpDown1_KBreite[u(i)]->setValue(1);
        Label39[u(i)]->setText("1");
        tabKurven->setTabText(i - 1, QString());
        tabKurven->setTabVisible(i - 1, false);
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
        txtLegendPoints[u(i)]->setToolTip(kOhneTextKeineLegende);
        ChartSeriesStyle s;
        s.linePattern = 1;
        s.symbolShape = 1;
        s.symbolSize = 6;
        s.lineColour = app.gFarbVorwahl;
        s.symbolColour = app.gFarbVorwahl;
        c.setStyle(2, i, s);
        setButtonColour(cmdPunktFarbe[u(i)], app.gFarbVorwahl);
        UpDown1_PointSize[u(i)]->setValue(6);
        Label56[u(i)]->setText("6");
        cmbPunktStil[u(i)]->clear();
        for (const StilEintrag& s2 : kPunktStile) cmbPunktStil[u(i)]->addItem(QString::fromUtf8(s2.text));
        cmbPunktStil[u(i)]->setCurrentIndex(i - 1);
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
        txtLabel[u(i)]->setText(toQ(Str(i)));
        c.setLabelTextColour(i, kSchwarz);
        c.setLabelBackColour(i, kWeiss);
        c.setLabelFont(i, ChartFont{"Arial", labelSize, false, false, false, false});
        txtLegendCurves[u(i)]->setToolTip(kOhneTextKeineLegende);
        chkEinzelLabelSichtbar[u(i)]->setChecked(true);
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

    // Output panel defaults.
    txtTop_in_cm->setText(" 3");
    txtLeft_in_cm->setText(" 3.5");
    txtHeight_in_cm->setText(" 10");
    txtWidth_in_cm->setText(" 15");

    cmdFullWhite_Click();
    c.endUpdate();

    // Curve resolution.
    {
        const QSignalBlocker still(Slider1_PunktDichte);
        Slider1_PunktDichte->setRange(20, 400);
        Slider1_PunktDichte->setPageStep(50);
        Slider1_PunktDichte->setTickInterval(50);
        Slider1_PunktDichte->setTickPosition(QSlider::TicksBelow);
        Slider1_PunktDichte->setValue(nAufloesung);
    }
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

void frmGraph2D::cmdFullWhite_Click() {
    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    c.setSheetBackColour(kWeiss);
    for (ChartTextBlock b : {ChartTextBlock::Header, ChartTextBlock::Footer}) {
        c.setTextColour(b, kSchwarz);
        c.setTextBackColour(b, kWeiss);
    }
    c.setChartAreaBackColour(kWeiss);
    c.setChartAreaTextColour(kSchwarz);
    for (ChartAxis a : {ChartAxis::X, ChartAxis::Y}) {
        c.setGridPattern(a, bytGitterStil);
        c.setGridColour(a, kGitterGrau);
    }
    c.setPlotBackColour(kWeiss);
    c.setLegendBackColour(kChartTransparent);
    c.setLegendTextColour(kSchwarz);
    c.endUpdate();
}

void frmGraph2D::applyDesignDefaults() {
    // The design choices a fresh chart starts with: a complete dotted grid,
    // no outer frame, horizontal y numbers and a vertical y title, a framed
    // plot area, an unframed header, the axes crossing at their minima with
    // the numbers there, automatic margins and an opaque legend.
    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    bytGitterArt = 3;
    c.setGridPattern(ChartAxis::X, bytGitterStil);
    c.setGridPattern(ChartAxis::Y, bytGitterStil);
    c.setBorderType(0);
    c.setAxisNumberOrientation(ChartAxis::Y, kTextHorizontal);
    c.setAxisTitleOrientation(ChartAxis::Y, kTextVertical);
    c.setPlotFrame(true);
    c.setTextBorder(ChartTextBlock::Header, 0);
    for (ChartAxis a : {ChartAxis::X, ChartAxis::Y}) {
        c.setOriginPlacement(a, kOriginAtMinimum);
        c.setNumberPlacement(a, kNumbersAtMinimum);
    }
    txtXOrigin->setText(toQ(Str(app.tDiagramm.XMin)));
    txtYOrigin->setText(toQ(Str(app.tDiagramm.YMin)));
    c.setPlotMarginsAutomatic(true);
    c.setLegendBackColour(LegBColor);
    c.endUpdate();
    tabDesign->setCurrentIndex(5);
}

void frmGraph2D::Form_Activate() {
    const int kind = app.iDiagrammTyp;
    setEnabled("mnuAddPunkte", app.nExpPunkte != 0 && kind <= 50);
    cmdSingleCalc->setVisible(kind > 0);
    if (!app.bKTDiagramm) {
        for (int i = 1; i <= 5; ++i)
            if (u(i) <= app.sSpeziesMaske.size() && app.sSpeziesMaske[u(i - 1)] == '1' && app.bKonzDaten[u(i)])
                tabPunkte->setTabVisible(i - 1, true);
    } else {
        tabPunkte->setTabVisible(kPunktSatzKT - 1, true);
    }
    cmdSingleCalc->setEnabled(!(app.iModell == 10 && app.bMMdiagramm));
    tabPunkte->setTabVisible(kPunktSatzManuell - 1, Chart2D1->pointCount(2, kPunktSatzManuell) >= 1);
    cmbSep->clear();
    for (const auto& e : kTrennzeichen) cmbSep->addItem(QString::fromUtf8(e.text));
    cmbSep->setCurrentIndex(trennzeichenIndex(app.Trennzeichen));
    cmdArrhRechner->setVisible(static_cast<bool>(arrheniusRechnerOeffnen()));
    setEnabled("mnuManuXY", static_cast<bool>(xyEditorOeffnen()));
}

void frmGraph2D::Form_Unload(bool& /*cancel*/) {
    if (uiHooks().setMousePointer) uiHooks().setMousePointer(0);
    app.gGraphLeft = CInt(twipsLeft());
}

void frmGraph2D::showEvent(QShowEvent* event) {
    VrnForm::showEvent(event);
    if (geometrySet_ || targetWidth_ <= 0) return;
    geometrySet_ = true;
    const QRect want(twipsToPixelsX(targetLeft_), twipsToPixelsY(targetTop_), twipsToPixelsX(targetWidth_),
                     twipsToPixelsY(targetHeight_));
    // The size comes from the screen; inside the main window's area the
    // window is made to fit what the area shows, so that nothing is cut off.
    frame()->setGeometry(frame() != this ? Forms::fitIntoMdiArea(want) : want);
    Form_Activate();
}

void frmGraph2D::resizeEvent(QResizeEvent* event) {
    VrnForm::resizeEvent(event);
    Form_Resize();
}

void frmGraph2D::Form_Resize() {
    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    const int w = c.width(), h = c.height();
    if (w > 10) {
        const int areaWidth = static_cast<int>(std::nearbyint(w * 0.84));
        c.setChartAreaWidth(std::max(0, std::min(areaWidth, w - c.chartAreaLeft() - 2)));
        c.setLegendLeft(c.chartAreaWidth() - 10);
    }
    if (h > 10) {
        const int areaHeight = static_cast<int>(std::nearbyint(h * 0.89));
        c.setChartAreaHeight(std::max(0, std::min(areaHeight, h - c.chartAreaTop() - 4)));
        c.setLegendTop(static_cast<int>(std::nearbyint(c.chartAreaHeight() / 2.0)));
    }
    c.endUpdate();
}

void frmGraph2D::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && cancelButton_ && cancelButton_->isVisible()) {
        cancelButton_->click();
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
    frame->show();
    frame->raise();
    cancelButton_ = cancel;
}

void frmGraph2D::mnuDesign_Click() {
    versteckeWerkzeugRahmen();
    setEnabled("mnuKurvenDesign", kGestaltungsPanelsFertig && app.gnKurven >= 1);
    bool punkte = false;
    if (app.bKTDiagramm) {
        punkte = app.bHatKTDaten;
    } else {
        for (int k = 1; k <= kPunktSaetze; ++k)
            if (Chart2D1->pointCount(2, k) >= 1) punkte = true;
    }
    setEnabled("mnuPunktDesign", kGestaltungsPanelsFertig && punkte);
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
            tabKurven->setTabEnabled(n - 1, false);
            setButtonColour(cmdKurvenFarbe[u(n)], app.gFarbVorwahl);
            continue;
        }
        if (erster < 0) erster = n;
        tabKurven->setTabVisible(n - 1, true);
        tabKurven->setTabEnabled(n - 1, true);
        setButtonColour(cmdKurvenFarbe[u(n)], c.style(1, n).lineColour);
        tabKurven->setTabText(n - 1, QString("K. %1").arg(n));
        cmbKStil[u(n)]->setCurrentIndex(kurvenStilIndex(c.style(1, n).linePattern));
        cmbKStil_Click(n);
    }
    c.endUpdate();
    if (erster > 0) tabKurven->setCurrentIndex(erster - 1);
    fraKurven->adjustSize();
    showPanel(fraKurven, cmdKurven_OK);
}

void frmGraph2D::mnuPunktDesign_Click() {
    versteckeWerkzeugRahmen();
    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    for (int k = 1; k <= kPunktSaetze; ++k)
        setButtonColour(cmdPunktFarbe[u(k)], c.pointCount(2, k) >= 1 ? c.style(2, k).symbolColour : app.gFarbVorwahl);
    c.endUpdate();
    showPanel(fraPunkte, cmdPunkte_OK);
    Form_Activate();
}

void frmGraph2D::mnuDesignMore_Click() { showPanel(fraTabs, cmdTabs_OK); }

void frmGraph2D::mnuResolution_Click() { showPanel(fraResolution, cmdResolClose); }

void frmGraph2D::mnuManuXY_Click() {
    if (xyEditorOeffnen()) xyEditorOeffnen()();
}

void frmGraph2D::mnuHaupt_Click() {
    if (frmPhantom* p = Forms::loaded<frmPhantom>()) p->SetFocus();
}

void frmGraph2D::cmdPrint_Esc_Click() { fraPrintIt->hide(); }
void frmGraph2D::cmdResolClose_Click() { fraResolution->hide(); }
void frmGraph2D::cmdKurven_OK_Click() { fraKurven->hide(); }
void frmGraph2D::cmdPunkte_OK_Click() { fraPunkte->hide(); }
void frmGraph2D::cmdTabs_OK_Click() { fraTabs->hide(); }
void frmGraph2D::cmdCoord_Esc_Click() { fraCoordInput->hide(); }

void frmGraph2D::Slider1_PunktDichte_Change() {
    nAufloesung = static_cast<Integer>(Slider1_PunktDichte->value());
    Label54->setText(toQ(Format(static_cast<int>(nAufloesung))));
}

void frmGraph2D::cmbSep_Click() {
    const int i = cmbSep->currentIndex();
    if (i >= 0 && u(i) < kTrennzeichen.size()) app.Trennzeichen = kTrennzeichen[u(i)].zeichen;
}

void frmGraph2D::cmbKStil_Click(int n) {
    if (n < 1 || n > kMaxKurven) return;
    const int i = cmbKStil[u(n)]->currentIndex();
    if (i < 0 || u(i) >= kKurvenStile.size()) return;
    const int code = kKurvenStile[u(i)].code;
    Chart2D1->setLinePattern(1, n, code);
    Chart2D1->setSymbolShape(1, n, symbolZumLinienstil(code));
}

void frmGraph2D::cmbPunktStil_Click(int k) {
    if (k < 1 || k > kPunktSaetze) return;
    const int i = cmbPunktStil[u(k)]->currentIndex();
    if (i < 0 || u(i) >= kPunktStile.size()) return;
    Chart2D1->setSymbolShape(2, k, kPunktStile[u(i)].code);
}

void frmGraph2D::cmdSingleCalc_Click() {
    frmGraphCalc& f = Forms::get<frmGraphCalc>();
    f.Show();
    f.SetFocus();
}

void frmGraph2D::cmdArrhRechner_Click() {
    if (arrheniusRechnerOeffnen()) arrheniusRechnerOeffnen()();
}

void frmGraph2D::cmdCoord_OK_Click() {
    const Single xMin = static_cast<Single>(coord[1]->value());
    const Single xMax = static_cast<Single>(coord[2]->value());
    const Single yMin = static_cast<Single>(coord[3]->value());
    const Single yMax = static_cast<Single>(coord[4]->value());
    if (xMin < xMax && yMin < yMax) {
        app.tDiagramm.XMax = xMax;
        app.tDiagramm.XMin = xMin;
        app.tDiagramm.YMax = yMax;
        app.tDiagramm.YMin = yMin;
        fraCoordInput->hide();
        SetAchsenMinMax();
        speichereAchsenbereich(app.iDiagrammTyp, app.Achsenbereich, app.tDiagramm);
    } else {
        MsgBox("Untere Grenze muss kleiner als obere Grenze sein", MsgButtons::OK, MsgIcon::Critical, "EINGABE-FEHLER");
        coord[1]->setText(toQ(Str(app.tDiagramm.XMin)));
        coord[2]->setText(toQ(Str(app.tDiagramm.XMax)));
        coord[3]->setText(toQ(Str(app.tDiagramm.YMin)));
        coord[4]->setText(toQ(Str(app.tDiagramm.YMax)));
    }
    for (int i : {1, 0, 1, 0}) optScaling_Click(i);
}

void frmGraph2D::optScaling_Click(int index) {
    if (index != 0 && index != 1) return;
    ChartControl& c = *Chart2D1;
    c.beginUpdate();
    if (index == 1) {
        for (ChartSpacing s : {ChartSpacing::Grid, ChartSpacing::Tick})
            for (ChartAxis a : {ChartAxis::X, ChartAxis::Y}) c.setSpacingAutomatic(a, s, false);
    } else {
        for (ChartSpacing s : {ChartSpacing::Grid, ChartSpacing::Tick, ChartSpacing::Number})
            for (ChartAxis a : {ChartAxis::X, ChartAxis::Y}) c.setSpacingAutomatic(a, s, true);
    }
    c.endUpdate();
}

void frmGraph2D::punktTabsAnwenden(const PunktTabs& t) {
    for (int i = 1; i <= kPunktSaetze; ++i) {
        if (t.caption[u(i)]) tabPunkte->setTabText(i - 1, toQ(*t.caption[u(i)]));
        if (t.sichtbar[u(i)]) tabPunkte->setTabVisible(i - 1, *t.sichtbar[u(i)]);
        if (t.legende[u(i)]) txtLegendPoints[u(i)]->setText(toQ(*t.legende[u(i)]));
    }
    if (t.legendeSichtbar) Chart2D1->setLegendShown(*t.legendeSichtbar);
    if (t.chkLegend) chkLegend->setChecked(*t.chkLegend);
    if (t.aktuellerTab && *t.aktuellerTab >= 0 && *t.aktuellerTab < tabPunkte->count())
        tabPunkte->setCurrentIndex(*t.aktuellerTab);
}

QString frmGraph2D::statusText() const { return statusLabel_->text(); }
void frmGraph2D::setStatusText(const QString& text) { statusLabel_->setText(text); }

// ---- hooks of the chart module ----------------------------------------------------------------

void installChartWindow() {
    ChartHooks& h = chartHooks();
    h.zeigeDiagrammFenster = [] {
        frmGraph2D& f = Forms::get<frmGraph2D>();
        f.Show();
        return true;
    };
    h.punktTabsAnwenden = [](const PunktTabs& t) {
        if (frmGraph2D* f = Forms::loaded<frmGraph2D>()) f->punktTabsAnwenden(t);
    };
    h.fensterGeladen = [] { return IsFormLoaded<frmGraph2D>(); };
    h.fensterEntladen = [] { Forms::unload<frmGraph2D>(); };
    h.zeichnen = [] {
        if (frmGraph2D* f = Forms::loaded<frmGraph2D>()) f->cmdDraw_Click();
    };
}

}  // namespace vrn
