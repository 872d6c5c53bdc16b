#include "chart/PointPanel.h"

#include <QGroupBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "chart/ChartWindowTables.h"
#include "chart/PanelWidgets.h"
#include "platform/ChartControl.h"
#include "platform/Paths.h"
#include "platform/UpDown.h"
#include "shell/state/PointSetTabs.h"

namespace vrn {

namespace {
std::size_t u(int i) { return static_cast<std::size_t>(i); }
bool satz(int k) { return k >= 1 && k <= kPunktSaetze; }
}  // namespace

PointPanel::PointPanel(ChartControl& chart, QWidget* parent)
    : ToolFrame("Messpunkt-Gestaltung", true, parent), chart_(chart) {
    setObjectName("fraPunkte");
    auto* outer = new QVBoxLayout(this);
    tabPunkte = new QTabWidget(this);
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
        for (const StilEintrag& s : kPunktStile) cmbPunktStil[u(k)]->addItem(QString::fromUtf8(s.text));
        cmdPunktFarbe[u(k)] = farbKnopf(QString("cmdPunktFarbe_%1").arg(k), page);
        UpDown1_PointSize[u(k)] = new UpDown(page);
        UpDown1_PointSize[u(k)]->setRange(1, 30);
        Label56[u(k)] = beschriftung("6", page);
        Label56[u(k)]->setMinimumWidth(16);
        UpDown1_PointSize[u(k)]->setBuddy(Label56[u(k)]);
        txtLegendPoints[u(k)] = new QLineEdit(page);
        txtLegendPoints[u(k)]->setObjectName(QString("txtLegendPoints_%1").arg(k));
        chkLegend2[u(k)] = new QCheckBox("Legende sichtbar", page);
        cmdDelPoints[u(k)] = new QPushButton("Punktsatz löschen", page);
        cmdDelPoints[u(k)]->setObjectName(QString("cmdDelPoints_%1").arg(k));
        cmdDelPoints[u(k)]->setAutoDefault(false);

        g->addWidget(beschriftung("Stil", page), 0, 0);
        g->addWidget(cmbPunktStil[u(k)], 0, 1);
        g->addWidget(beschriftung("Farbe", page), 0, 2, Qt::AlignRight);
        g->addWidget(cmdPunktFarbe[u(k)], 0, 3);
        g->addWidget(beschriftung("Größe", page), 0, 4, Qt::AlignRight);
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
        connect(cmdPunktFarbe[u(k)], &QPushButton::clicked, this, [this, k] { cmdPunktFarbe_Click(k); });
        connect(UpDown1_PointSize[u(k)], &UpDown::valueChanged, this, [this, k] { UpDown1_PointSize_Change(k); });
        connect(txtLegendPoints[u(k)], &QLineEdit::textChanged, this, [this, k] { txtLegendPoints_Change(k); });
        connect(chkLegend2[u(k)], &QCheckBox::clicked, this, [this](bool an) { emit legendeGeklickt(an); });
        connect(cmdDelPoints[u(k)], &QPushButton::clicked, this, [this, k] { emit loeschenGeklickt(k); });
    }
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    cmdPunkte_OK = new QPushButton("Schließen", this);
    cmdPunkte_OK->setObjectName("cmdPunkte_OK");
    cmdPunkte_OK->setAutoDefault(false);
    buttons->addWidget(cmdPunkte_OK);
    outer->addLayout(buttons);
    connect(cmdPunkte_OK, &QPushButton::clicked, this, [this] { emit schliessenGeklickt(); });
    adjustSize();
}

void PointPanel::cmbPunktStil_Click(int k) {
    if (!satz(k)) return;
    const int i = cmbPunktStil[u(k)]->currentIndex();
    if (i < 0 || u(i) >= kPunktStile.size()) return;
    chart_.setSymbolShape(2, k, kPunktStile[u(i)].code);
}

void PointPanel::cmdPunktFarbe_Click(int k) {
    if (!satz(k)) return;
    const std::optional<Colour> c = waehleFarbe(chart_.style(2, k).symbolColour, this);
    if (!c) return;
    setButtonColour(cmdPunktFarbe[u(k)], *c);
    chart_.setSymbolColour(2, k, *c);
}

void PointPanel::UpDown1_PointSize_Change(int k) {
    if (satz(k)) chart_.setSymbolSize(2, k, spinWert(toStd(Label56[u(k)]->text())));
}

void PointPanel::txtLegendPoints_Change(int k) {
    if (satz(k) && chart_.pointCount(2, k) >= 1) chart_.setSeriesLabel(2, k, toStd(txtLegendPoints[u(k)]->text()));
}

}  // namespace vrn
