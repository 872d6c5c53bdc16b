#include "chart/CurvePanel.h"

#include <QGroupBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "chart/ChartWindowTables.h"
#include "chart/CurveSlots.h"
#include "chart/PanelWidgets.h"
#include "platform/ChartControl.h"
#include "platform/Paths.h"
#include "platform/UpDown.h"

namespace vrn {

namespace {
std::size_t u(int i) { return static_cast<std::size_t>(i); }
bool kurve(int n) { return n >= 1 && n <= kMaxKurven; }
}  // namespace

CurvePanel::CurvePanel(ChartControl& chart, QWidget* parent)
    : ToolFrame("Kurvengestaltung", true, parent), chart_(chart) {
    setObjectName("fraKurven");
    auto* outer = new QVBoxLayout(this);
    tabKurven = new QTabWidget(this);
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
        for (const StilEintrag& s : kKurvenStile) combo->addItem(QString::fromUtf8(s.text));
        cmbKStil[u(n)] = combo;
        cmdKurvenFarbe[u(n)] = farbKnopf(QString("cmdKurvenFarbe_%1").arg(n), page);
        auto* breite = new UpDown(page);
        breite->setRange(1, 10);
        UpDown1_KBreite[u(n)] = breite;
        Label39[u(n)] = beschriftung("1", page);
        Label39[u(n)]->setMinimumWidth(16);
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
        g->addWidget(beschriftung("Farbe", page), 0, 2, Qt::AlignRight);
        g->addWidget(cmdKurvenFarbe[u(n)], 0, 3);
        g->addWidget(beschriftung("Lin.-breite", page), 0, 4, Qt::AlignRight);
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
        connect(cmdKurvenFarbe[u(n)], &QPushButton::clicked, this, [this, n] { cmdKurvenFarbe_Click(n); });
        connect(breite, &UpDown::valueChanged, this, [this, n] { UpDown1_KBreite_Change(n); });
        connect(txtLegendCurves[u(n)], &QLineEdit::textChanged, this, [this, n] { txtLegendCurves_Change(n); });
        connect(txtLabel[u(n)], &QLineEdit::textChanged, this, [this, n] { txtLabel_Change(n); });
        connect(chkEinzelLabelSichtbar[u(n)], &QCheckBox::clicked, this, [this, n] { chkEinzelLabelSichtbar_Click(n); });
        connect(scrShiftLab[u(n)], &QScrollBar::valueChanged, this, [this, n] { scrShiftLab_Change(n); });
        connect(chkLegend1[u(n - 1)], &QCheckBox::clicked, this, [this](bool an) { emit legendeGeklickt(an); });
    }

    auto* buttons = new QHBoxLayout();
    cmdDelKurv = new QPushButton("Kurve löschen", this);
    cmdDelKurv->setObjectName("cmdDelKurv");
    cmdClipboard = new QPushButton("Kurve in Clipboard", this);
    cmdClipboard->setObjectName("cmdClipboard");
    cmdClipboard->setToolTip("...für Datenexport nach Excel / Origin ");
    cmbSep = new QComboBox(this);
    cmbSep->setObjectName("cmbSep");
    cmbSep->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // Filled now so that the panel is laid out for its longest entry; each
    // activation of the window fills it again.
    for (const auto& e : kTrennzeichen) cmbSep->addItem(QString::fromUtf8(e.text));
    breitFuerEintraege(cmbSep);
    cmdSaveCurveAsXY = new QPushButton("Kurve als XY speichern", this);
    cmdSaveCurveAsXY->setObjectName("cmdSaveCurveAsXY");
    cmdKurven_OK = new QPushButton("Schließen", this);
    cmdKurven_OK->setObjectName("cmdKurven_OK");
    for (QPushButton* b : {cmdDelKurv, cmdClipboard, cmdSaveCurveAsXY, cmdKurven_OK}) b->setAutoDefault(false);
    buttons->addWidget(cmdDelKurv);
    buttons->addWidget(cmdClipboard);
    buttons->addWidget(cmbSep);
    buttons->addWidget(cmdSaveCurveAsXY);
    buttons->addStretch(1);
    buttons->addWidget(cmdKurven_OK);
    outer->addLayout(buttons);
    connect(cmdDelKurv, &QPushButton::clicked, this, [this] { emit loeschenGeklickt(); });
    connect(cmdClipboard, &QPushButton::clicked, this, [this] { emit clipboardGeklickt(); });
    connect(cmbSep, &QComboBox::activated, this, [this] { emit trennzeichenGewaehlt(); });
    connect(cmdSaveCurveAsXY, &QPushButton::clicked, this, [this] { emit speichernGeklickt(); });
    connect(cmdKurven_OK, &QPushButton::clicked, this, [this] { emit schliessenGeklickt(); });
    adjustSize();
}

void CurvePanel::cmbKStil_Click(int n) {
    if (!kurve(n)) return;
    const int i = cmbKStil[u(n)]->currentIndex();
    if (i < 0 || u(i) >= kKurvenStile.size()) return;
    const int code = kKurvenStile[u(i)].code;
    chart_.beginUpdate();
    chart_.setLinePattern(1, n, code);
    chart_.setSymbolShape(1, n, symbolZumLinienstil(code));
    chart_.endUpdate();
}

void CurvePanel::cmdKurvenFarbe_Click(int n) {
    if (!kurve(n)) return;
    const std::optional<Colour> c = waehleFarbe(chart_.style(1, n).lineColour, this);
    if (!c) return;
    setButtonColour(cmdKurvenFarbe[u(n)], *c);
    chart_.beginUpdate();
    chart_.setLineColour(1, n, *c);
    chart_.setSymbolColour(1, n, *c);
    chart_.endUpdate();
}

void CurvePanel::UpDown1_KBreite_Change(int n) {
    if (kurve(n)) chart_.setLineWidth(1, n, spinWert(toStd(Label39[u(n)]->text())));
}

void CurvePanel::txtLegendCurves_Change(int n) {
    if (kurve(n) && chart_.pointCount(1, n) >= 1) chart_.setSeriesLabel(1, n, toStd(txtLegendCurves[u(n)]->text()));
}

void CurvePanel::txtLabel_Change(int n) {
    if (kurve(n)) chart_.setLabelText(n, toStd(txtLabel[u(n)]->text()));
}

void CurvePanel::chkEinzelLabelSichtbar_Click(int n) {
    if (!kurve(n)) return;
    chart_.setLabelShown(n, chkEinzelLabelSichtbar[u(n)]->isChecked());
    if (chart_.labelShown(n)) emit menuSchalten("mnuDelLabels", true);
}

void CurvePanel::scrShiftLab_Change(int n) {
    if (!kurve(n)) return;
    const int punkte = chart_.pointCount(1, n);
    if (punkte < 1) return;
    chart_.beginUpdate();
    chart_.setLabelPoint(n, scrShiftLab[u(n)]->value());
    setzeBalken(scrShiftLab[u(n)], {1, punkte, 3});
    chart_.endUpdate();
}

}  // namespace vrn
