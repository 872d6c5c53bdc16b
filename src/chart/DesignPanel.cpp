#include "chart/DesignPanel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "chart/ChartWindowTables.h"
#include "chart/DesignAxisTabs.h"
#include "chart/DesignColourTab.h"
#include "chart/DesignLayoutTabs.h"
#include "chart/DesignLegendTabs.h"

namespace vrn {

DesignPanel::DesignPanel(ChartControl& chart, Byte& gitterStil, Byte& gitterArt, Colour& legBColor, QWidget* parent)
    : ToolFrame("Diagramm-Einstellungen", true, parent) {
    setObjectName("fraTabs");
    auto* outer = new QVBoxLayout(this);
    tabDesign = new QTabWidget(this);
    tabDesign->setObjectName("tabDesign");
    tabDesign->setUsesScrollButtons(true);
    outer->addWidget(tabDesign);

    farben = new ColourTab(chart, gitterStil, tabDesign);
    layout = new LayoutTabs(chart, gitterStil, gitterArt, farben->cmdGitterFarbe, tabDesign);
    legende = new LegendLabelTabs(chart, legBColor, tabDesign);
    achsen = new AxisTabs(chart, tabDesign);
    QWidget* seiten[] = {layout->seiteGitter,       layout->seiteRahmen,   farben->seite,
                         layout->seiteRaender,      legende->seiteLegende, layout->seiteFlaeche,
                         achsen->seiteSkalierung,   achsen->seiteUrsprung, achsen->seiteZiffern,
                         legende->seiteEtikett,     achsen->seiteLog};
    static_assert(std::size(seiten) == kDesignTabs.size());
    for (std::size_t i = 0; i < kDesignTabs.size(); ++i) tabDesign->addTab(seiten[i], QString::fromUtf8(kDesignTabs[i]));

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    cmdTabs_OK = new QPushButton("Schließen", this);
    cmdTabs_OK->setObjectName("cmdTabs_OK");
    cmdTabs_OK->setAutoDefault(false);
    buttons->addWidget(cmdTabs_OK);
    outer->addLayout(buttons);
    connect(cmdTabs_OK, &QPushButton::clicked, this, [this] { emit schliessenGeklickt(); });
    adjustSize();
}

void DesignPanel::balkenAusChart() {
    layout->balkenAusChart();
    legende->balkenAusChart();
}

}  // namespace vrn
