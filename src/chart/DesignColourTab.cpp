#include "chart/DesignColourTab.h"

#include <QGroupBox>
#include <QLabel>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "chart/PanelWidgets.h"
#include "platform/ChartControl.h"

namespace vrn {

ColourTab::ColourTab(ChartControl& chart, const Byte& gitterStil, QWidget* parent)
    : QObject(parent), chart_(chart), gitterStil_(gitterStil) {
    seite = new QWidget(parent);
    auto* g = new QGridLayout(seite);
    g->setHorizontalSpacing(8);
    cmdRandCol_out = farbKnopf("cmdRandCol_out", seite);
    cmdRandCol_in = farbKnopf("cmdRandCol_in", seite);
    cmdColor_in = farbKnopf("cmdColor_in", seite);
    const std::pair<QPushButton*, const char*> flaechen[3] = {
        {cmdRandCol_out, "Außenrand"}, {cmdRandCol_in, "Innenrand"}, {cmdColor_in, "Zeichenfläche"}};
    for (int i = 0; i < 3; ++i) {
        g->addWidget(flaechen[i].first, i, 0);
        g->addWidget(beschriftung(QString::fromUtf8(flaechen[i].second), seite), i, 1);
    }
    cmdRandColGrau = new QPushButton("Gesamtrand grau", seite);
    cmdRandColGrau->setObjectName("cmdRandColGrau");
    cmdFullWhite = new QPushButton("Gesamtblatt weiß", seite);
    cmdFullWhite->setObjectName("cmdFullWhite");
    cmdFullBlack = new QPushButton("Gesamtblatt schwarz", seite);
    cmdFullBlack->setObjectName("cmdFullBlack");
    int r = 0;
    for (QPushButton* b : {cmdRandColGrau, cmdFullWhite, cmdFullBlack}) {
        b->setAutoDefault(false);
        g->addWidget(b, r++, 3);
    }
    g->setColumnMinimumWidth(2, 24);
    g->setColumnStretch(4, 1);
    g->setRowStretch(3, 1);
    cmdGitterFarbe = farbKnopf("cmdGitterFarbe", seite);

    connect(cmdRandCol_out, &QPushButton::clicked, this, [this] { cmdRandCol_out_Click(); });
    connect(cmdRandCol_in, &QPushButton::clicked, this, [this] { cmdRandCol_in_Click(); });
    connect(cmdColor_in, &QPushButton::clicked, this, [this] { cmdColor_in_Click(); });
    connect(cmdGitterFarbe, &QPushButton::clicked, this, [this] { cmdGitterFarbe_Click(); });
    connect(cmdRandColGrau, &QPushButton::clicked, this, [this] { cmdRandColGrau_Click(); });
    connect(cmdFullWhite, &QPushButton::clicked, this, [this] { cmdFullWhite_Click(); });
    connect(cmdFullBlack, &QPushButton::clicked, this, [this] { cmdFullBlack_Click(); });
    knoepfeAusChart();
}

void ColourTab::knoepfeAusChart() {
    setButtonColour(cmdRandCol_out, chart_.sheetBackColour());
    setButtonColour(cmdRandCol_in, chart_.chartAreaBackColour());
    setButtonColour(cmdColor_in, chart_.plotBackColour());
    setButtonColour(cmdGitterFarbe, chart_.gridColour(ChartAxis::X));
}

void ColourTab::cmdRandCol_out_Click() {
    if (const std::optional<Colour> c = waehleFarbe(chart_.sheetBackColour(), seite)) chart_.setSheetBackColour(*c);
    setButtonColour(cmdRandCol_out, chart_.sheetBackColour());
}

void ColourTab::cmdRandCol_in_Click() {
    if (const std::optional<Colour> c = waehleFarbe(chart_.chartAreaBackColour(), seite))
        chart_.setChartAreaBackColour(*c);
    setButtonColour(cmdRandCol_in, chart_.chartAreaBackColour());
}

void ColourTab::cmdColor_in_Click() {
    if (const std::optional<Colour> c = waehleFarbe(chart_.plotBackColour(), seite)) chart_.setPlotBackColour(*c);
    setButtonColour(cmdColor_in, chart_.plotBackColour());
}

void ColourTab::cmdGitterFarbe_Click() {
    if (const std::optional<Colour> c = waehleFarbe(chart_.gridColour(ChartAxis::X), seite)) {
        chart_.beginUpdate();
        chart_.setGridColour(ChartAxis::X, *c);
        chart_.setGridColour(ChartAxis::Y, *c);
        chart_.endUpdate();
    }
    setButtonColour(cmdGitterFarbe, chart_.gridColour(ChartAxis::X));
}

void ColourTab::vorgabe(const FarbVorgabe& v) {
    auto gesetzt = [](Colour c) { return c != kBleibt; };
    chart_.beginUpdate();
    chart_.setSheetBackColour(v.blatt);
    for (ChartTextBlock b : {ChartTextBlock::Header, ChartTextBlock::Footer}) {
        chart_.setTextColour(b, v.textFarbe);
        chart_.setTextBackColour(b, v.textGrund);
    }
    chart_.setChartAreaBackColour(v.flaeche);
    if (gesetzt(v.flaechenText)) chart_.setChartAreaTextColour(v.flaechenText);
    for (ChartAxis a : {ChartAxis::X, ChartAxis::Y}) {
        if (v.gitterZeigen) chart_.setGridPattern(a, gitterStil_);
        if (gesetzt(v.gitter)) chart_.setGridColour(a, v.gitter);
    }
    if (gesetzt(v.zeichenflaeche)) chart_.setPlotBackColour(v.zeichenflaeche);
    chart_.setLegendBackColour(kChartTransparent);
    if (gesetzt(v.legendenText)) chart_.setLegendTextColour(v.legendenText);
    chart_.endUpdate();
    knoepfeAusChart();
}

}  // namespace vrn
