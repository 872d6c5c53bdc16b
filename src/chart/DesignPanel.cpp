#include "chart/DesignPanel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>
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
    reihenLayout_ = new QVBoxLayout();
    reihenLayout_->setSpacing(0);
    outer->addLayout(reihenLayout_);
    outer->setSpacing(0);
    for (std::size_t r = 0; r < reihen.size(); ++r) {
        QTabBar* bar = new QTabBar(this);
        bar->setObjectName(QString("tabDesignReihe%1").arg(r + 1));
        bar->setDrawBase(false);
        bar->setExpanding(false);
        bar->setStyleSheet(
            "QTabBar::tab { background: #E2E2DE; border: 1px solid #9A9A9A; border-bottom: none;"
            " border-top-left-radius: 3px; border-top-right-radius: 3px; padding: 3px 7px; margin-right: 1px; }"
            "QTabBar[aktiv=\"true\"]::tab:selected { background: #FFFFFF; }");
        reihen[r] = bar;
        reihenLayout_->addWidget(bar);
    }
    tabDesign = new QTabWidget(this);
    tabDesign->setObjectName("tabDesign");
    tabDesign->tabBar()->hide();
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
    for (std::size_t i = 0; i < kDesignTabs.size(); ++i) {
        const QString text = QString::fromUtf8(kDesignTabs[i]);
        tabDesign->addTab(seiten[i], text);
        reihen[i < kErsteReihe ? 0 : 1]->addTab(text);
    }
    for (int r = 0; r < 2; ++r)
        connect(reihen[static_cast<std::size_t>(r)], &QTabBar::tabBarClicked, this,
                [this, r](int i) { tabDesign->setCurrentIndex(i + (r == 0 ? 0 : kErsteReihe)); });
    connect(tabDesign, &QTabWidget::currentChanged, this, [this](int i) { reihenAbgleichen(i); });
    reihenAbgleichen(tabDesign->currentIndex());

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

// The row holding the current tab shows it selected and stands next to the pages.
void DesignPanel::reihenAbgleichen(int index) {
    const int aktiv = index < kErsteReihe ? 0 : 1;
    for (int r = 0; r < 2; ++r) {
        QTabBar* bar = reihen[static_cast<std::size_t>(r)];
        const QSignalBlocker still(bar);
        bar->setProperty("aktiv", r == aktiv);
        if (r == aktiv) bar->setCurrentIndex(index - (r == 0 ? 0 : kErsteReihe));
        bar->style()->unpolish(bar);
        bar->style()->polish(bar);
        bar->update();
    }
    reihenLayout_->removeWidget(reihen[static_cast<std::size_t>(aktiv)]);
    reihenLayout_->addWidget(reihen[static_cast<std::size_t>(aktiv)]);
    if (QLayout* l = QWidget::layout()) l->activate();
}

void DesignPanel::balkenAusChart() {
    layout->balkenAusChart();
    legende->balkenAusChart();
}

}  // namespace vrn
