#include "chart/DesignLegendTabs.h"

#include <QGroupBox>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "chart/CurveSlots.h"
#include "chart/DesignRules.h"
#include "chart/PanelWidgets.h"
#include "platform/ChartControl.h"

namespace vrn {

namespace {
QScrollBar* balken(const QString& name, QWidget* parent) {
    auto* s = new QScrollBar(Qt::Horizontal, parent);
    s->setObjectName(name);
    s->setMinimumWidth(150);
    return s;
}
}  // namespace

LegendLabelTabs::LegendLabelTabs(ChartControl& chart, Colour& legBColor, QWidget* parent)
    : QObject(parent), chart_(chart), legBColor_(legBColor) {
    // "Legende"
    seiteLegende = new QWidget(parent);
    {
        auto* g = new QGridLayout(seiteLegende);
        g->setHorizontalSpacing(8);
        chkLegend = new QCheckBox("Sichtbar", seiteLegende);
        chkLegend->setObjectName("chkLegend");
        g->addWidget(chkLegend, 0, 0, 1, 2);
        auto* hinweis =
            beschriftung(" Legende nur sichtbar, wenn für mindestens eine Kurve Legendentext existiert ", seiteLegende);
        hinweis->setWordWrap(true);
        g->addWidget(hinweis, 1, 0, 1, 4);
        chkLegTransparent = new QCheckBox("transparent", seiteLegende);
        chkLegTransparent->setObjectName("chkLegTransparent");
        chkLegFrame = new QCheckBox("mit Rahmen", seiteLegende);
        chkLegFrame->setObjectName("chkLegFrame");
        g->addWidget(chkLegTransparent, 2, 0, 1, 2);
        g->addWidget(chkLegFrame, 3, 0, 1, 2);
        cmdLegBColor = farbKnopf("cmdLegBColor", seiteLegende);
        cmdLegFColor = farbKnopf("cmdLegFColor", seiteLegende);
        g->addWidget(cmdLegBColor, 2, 2);
        g->addWidget(beschriftung("Hintergrund", seiteLegende), 2, 3);
        g->addWidget(cmdLegFColor, 3, 2);
        g->addWidget(beschriftung("Schrift", seiteLegende), 3, 3);
        cmdLegFont = new QPushButton("Schriftart", seiteLegende);
        cmdLegFont->setObjectName("cmdLegFont");
        cmdLegFont->setAutoDefault(false);
        g->addWidget(cmdLegFont, 4, 2, 1, 2);
        auto orient = optionen<2>("Orientierung", {"horizontal", "vertikal"}, seiteLegende);
        optLegOrient = orient.opt;
        g->addWidget(orient.rahmen, 4, 0, 3, 2, Qt::AlignTop);
        scrLegH = balken("scrLegH", seiteLegende);
        scrlegV = balken("scrlegV", seiteLegende);
        g->addWidget(beschriftung("Lage links", seiteLegende), 5, 2);
        g->addWidget(scrLegH, 5, 3);
        g->addWidget(beschriftung("Lage oben", seiteLegende), 6, 2);
        g->addWidget(scrlegV, 6, 3);
        g->setRowStretch(7, 1);
        g->setColumnStretch(3, 1);

        connect(chkLegend, &QCheckBox::clicked, this, [this](bool an) { emit legendeGeklickt(an); });
        connect(chkLegTransparent, &QCheckBox::clicked, this, [this] { chkLegTransparent_Click(); });
        connect(cmdLegBColor, &QPushButton::clicked, this, [this] { cmdLegBColor_Click(); });
        connect(cmdLegFColor, &QPushButton::clicked, this, [this] { cmdLegFColor_Click(); });
        connect(cmdLegFont, &QPushButton::clicked, this, [this] { cmdLegFont_Click(); });
        connect(chkLegFrame, &QCheckBox::clicked, this, [this] { chkLegFrame_Click(); });
        for (int i = 0; i < 2; ++i)
            connect(optLegOrient[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
                    [this, i] { optLegOrient_Click(i); });
        connect(scrLegH, &QScrollBar::valueChanged, this, [this] { scrLegH_Change(); });
        connect(scrlegV, &QScrollBar::valueChanged, this, [this] { scrlegV_Change(); });
    }

    // "Kurven-Etikett"
    seiteEtikett = new QWidget(parent);
    {
        auto* g = new QGridLayout(seiteEtikett);
        g->setHorizontalSpacing(8);
        chkLabelNotVisible = new QCheckBox("alle unsichtbar", seiteEtikett);
        chkLabelNotVisible->setObjectName("chkLabelNotVisible");
        chkLabelFrame = new QCheckBox("gerahmt", seiteEtikett);
        chkLabelFrame->setObjectName("chkLabelFrame");
        g->addWidget(chkLabelNotVisible, 0, 0);
        g->addWidget(chkLabelFrame, 1, 0);
        cmdLabelFColor = farbKnopf("cmdLabelFColor", seiteEtikett);
        cmdLabelBColor = farbKnopf("cmdLabelBColor", seiteEtikett);
        g->addWidget(cmdLabelFColor, 0, 1);
        g->addWidget(beschriftung("Schriftfarbe", seiteEtikett), 0, 2);
        g->addWidget(cmdLabelBColor, 1, 1);
        g->addWidget(beschriftung("Hintergrundfarbe", seiteEtikett), 1, 2);
        cmdFontLabel = new QPushButton("Schriftart/-größe", seiteEtikett);
        cmdFontLabel->setObjectName("cmdFontLabel");
        cmdFontLabel->setAutoDefault(false);
        g->addWidget(cmdFontLabel, 2, 1, 1, 2);
        g->addWidget(beschriftung("Die Etikett-Texte werden unter \"Gestalten... / Kurven\" eingegeben.", seiteEtikett),
                     3, 0, 1, 4);
        g->setRowStretch(4, 1);
        g->setColumnStretch(3, 1);
        connect(chkLabelNotVisible, &QCheckBox::clicked, this, [this] { chkLabelNotVisible_Click(); });
        connect(chkLabelFrame, &QCheckBox::clicked, this, [this] { chkLabelFrame_Click(); });
        connect(cmdLabelFColor, &QPushButton::clicked, this, [this] { cmdLabelFColor_Click(); });
        connect(cmdLabelBColor, &QPushButton::clicked, this, [this] { cmdLabelBColor_Click(); });
        connect(cmdFontLabel, &QPushButton::clicked, this, [this] { cmdFontLabel_Click(); });
    }
}

void LegendLabelTabs::chkLegTransparent_Click() {
    chart_.setLegendBackColour(chkLegTransparent->isChecked() ? kChartTransparent : legBColor_);
}

void LegendLabelTabs::cmdLegBColor_Click() {
    const std::optional<Colour> c = waehleFarbe(legBColor_, seiteLegende);
    if (!c) return;
    chart_.setLegendBackColour(*c);
    legBColor_ = chart_.legendBackColour();
    setButtonColour(cmdLegBColor, legBColor_);
}

void LegendLabelTabs::cmdLegFColor_Click() {
    const std::optional<Colour> c = waehleFarbe(chart_.legendTextColour(), seiteLegende);
    if (!c) return;
    chart_.setLegendTextColour(*c);
    setButtonColour(cmdLegFColor, *c);
}

void LegendLabelTabs::cmdLegFont_Click() {
    const ChartFont alt = chart_.legendFont();
    const std::optional<ChartFont> f = waehleSchrift(alt, seiteLegende);
    if (!f) return;
    ChartFont neu = alt;
    neu.name = f->name;
    neu.size = f->size;
    neu.italic = f->italic;
    neu.bold = f->bold;
    chart_.setLegendFont(neu);
}

void LegendLabelTabs::chkLegFrame_Click() { chart_.setLegendBorder(rahmenCode(chkLegFrame->isChecked())); }

void LegendLabelTabs::optLegOrient_Click(int index) {
    if (const std::optional<int> code = codeFuer(kLegendenOrientierung, index)) chart_.setLegendOrientation(*code);
}

void LegendLabelTabs::scrLegH_Change() {
    setzeBalken(scrLegH, legendeLinks(chart_.chartAreaWidth()));
    chart_.setLegendLeft(scrLegH->value());
    // A legend placed by hand gives its room back to the chart area: the range follows.
    setzeBalken(scrLegH, legendeLinks(chart_.chartAreaWidth()));
}

void LegendLabelTabs::scrlegV_Change() {
    setzeBalken(scrlegV, legendeOben(chart_.chartAreaHeight(), chart_.legendHeight()));
    chart_.setLegendTop(scrlegV->value());
}

void LegendLabelTabs::balkenAusChart() {
    setzeBalken(scrLegH, legendeLinks(chart_.chartAreaWidth()));
    setzeBalken(scrlegV, legendeOben(chart_.chartAreaHeight(), chart_.legendHeight()));
    setzeStill(scrLegH, chart_.legendLeft());
    setzeStill(scrlegV, chart_.legendTop());
}

void LegendLabelTabs::chkLabelNotVisible_Click() {
    const bool unsichtbar = chkLabelNotVisible->isChecked();
    chart_.beginUpdate();
    for (int n = 1; n <= kMaxKurven; ++n) chart_.setLabelShown(n, !unsichtbar);
    chart_.endUpdate();
    emit etikettsUnsichtbar(unsichtbar);
}

void LegendLabelTabs::chkLabelFrame_Click() {
    chart_.beginUpdate();
    for (int n = 1; n <= kMaxKurven; ++n) chart_.setLabelBorder(n, rahmenCode(chkLabelFrame->isChecked()));
    chart_.endUpdate();
}

void LegendLabelTabs::cmdLabelFColor_Click() {
    const std::optional<Colour> c = waehleFarbe(chart_.labelTextColour(1), seiteEtikett);
    if (!c) return;
    chart_.beginUpdate();
    for (int n = 1; n <= kMaxKurven; ++n) chart_.setLabelTextColour(n, *c);
    chart_.endUpdate();
    setButtonColour(cmdLabelFColor, *c);
}

void LegendLabelTabs::cmdLabelBColor_Click() {
    const std::optional<Colour> c = waehleFarbe(chart_.labelBackColour(1), seiteEtikett);
    if (!c) return;
    chart_.beginUpdate();
    for (int n = 1; n <= kMaxKurven; ++n) chart_.setLabelBackColour(n, *c);
    chart_.endUpdate();
    setButtonColour(cmdLabelBColor, *c);
}

void LegendLabelTabs::cmdFontLabel_Click() {
    const std::optional<ChartFont> f = waehleSchrift(chart_.labelFont(1), seiteEtikett);
    if (!f) return;
    chart_.beginUpdate();
    for (int n = 1; n <= kMaxKurven; ++n) {
        ChartFont neu = chart_.labelFont(n);
        neu.name = f->name;
        neu.size = f->size;
        neu.italic = f->italic;
        neu.bold = f->bold;
        chart_.setLabelFont(n, neu);
    }
    chart_.endUpdate();
}

}  // namespace vrn
