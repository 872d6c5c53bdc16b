#include "chart/DesignLayoutTabs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "chart/DesignRules.h"
#include "chart/PanelWidgets.h"
#include "platform/ChartControl.h"
#include "platform/Paths.h"
#include "platform/UpDown.h"

namespace vrn {

namespace {

std::size_t u(int i) { return static_cast<std::size_t>(i); }

constexpr std::array<ChartSide, 4> kSeiten{ChartSide::Left, ChartSide::Right, ChartSide::Top, ChartSide::Bottom};
constexpr std::array<Balken, 4> kRandBalken{kRandLinks, kRandRechts, kRandOben, kRandUnten};

QScrollBar* balken(const QString& name, QWidget* parent) {
    auto* s = new QScrollBar(Qt::Horizontal, parent);
    s->setObjectName(name);
    s->setMinimumWidth(150);
    return s;
}

}  // namespace

LayoutTabs::LayoutTabs(ChartControl& chart, Byte& gitterStil, Byte& gitterArt, QPushButton* cmdGitterFarbe,
                       QWidget* parent)
    : QObject(parent), chart_(chart), gitterStil_(gitterStil), gitterArt_(gitterArt) {
    // "Gitter"
    seiteGitter = new QWidget(parent);
    {
        auto* h = new QHBoxLayout(seiteGitter);
        auto art = optionen<4>("Gitter", {"ohne Gitter", "nur y-Gitter", "nur x-Gitter", "Gitter komplett"}, seiteGitter);
        auto stil = optionen<2>("Linienart", {"punktiert", "volle Linie"}, seiteGitter);
        opt1Gitter = art.opt;
        opt2Gitter = stil.opt;
        h->addWidget(art.rahmen, 0, Qt::AlignTop);
        auto* rechts = new QVBoxLayout();
        rechts->addWidget(stil.rahmen);
        auto* farbe = new QHBoxLayout();
        farbe->addWidget(cmdGitterFarbe);
        farbe->addWidget(beschriftung("Gitterfarbe", seiteGitter));
        farbe->addStretch(1);
        rechts->addLayout(farbe);
        rechts->addStretch(1);
        h->addLayout(rechts);
        h->addStretch(1);
        for (int i = 0; i < 4; ++i)
            connect(opt1Gitter[u(i)], &QRadioButton::clicked, this, [this, i] { opt1Gitter_Click(i); });
        for (int i = 0; i < 2; ++i)
            connect(opt2Gitter[u(i)], &QRadioButton::clicked, this, [this, i] { opt2Gitter_Click(i); });
    }

    // "Rahmen"
    seiteRahmen = new QWidget(parent);
    {
        auto* h = new QHBoxLayout(seiteRahmen);
        auto typ = optionen<4>("Außenrahmen", {"ohne", "3D", "normal", "Doppelleiste"}, seiteRahmen);
        optFrameType = typ.opt;
        h->addWidget(typ.rahmen, 0, Qt::AlignTop);
        auto* rechts = new QVBoxLayout();
        auto* breite = new QHBoxLayout();
        UpDownRBreite = new UpDown(seiteRahmen);
        UpDownRBreite->setObjectName("UpDownRBreite");
        UpDownRBreite->setRange(1, 20);
        labRBreite = beschriftung("1", seiteRahmen);
        labRBreite->setObjectName("labRBreite");
        labRBreite->setMinimumWidth(16);
        UpDownRBreite->setBuddy(labRBreite);
        breite->addWidget(UpDownRBreite);
        breite->addWidget(labRBreite);
        breite->addWidget(beschriftung("Rahmenbreite", seiteRahmen));
        breite->addStretch(1);
        rechts->addLayout(breite);
        chkDiaFrame = new QCheckBox("Diagramm gerahmt", seiteRahmen);
        chkDiaFrame->setObjectName("chkDiaFrame");
        rechts->addWidget(chkDiaFrame);
        rechts->addStretch(1);
        h->addLayout(rechts);
        h->addStretch(1);
        for (int i = 0; i < 4; ++i)
            connect(optFrameType[u(i)], &QRadioButton::clicked, this, [this, i] { optFrameType_Click(i); });
        connect(UpDownRBreite, &UpDown::valueChanged, this, [this] { UpDownRBreite_Change(); });
        connect(chkDiaFrame, &QCheckBox::clicked, this, [this] { chkDiaFrame_Click(); });
    }

    // "Ränder"
    seiteRaender = new QWidget(parent);
    {
        auto* l = new QVBoxLayout(seiteRaender);
        chkAutoRand = new QCheckBox("Ränder automatisch", seiteRaender);
        chkAutoRand->setObjectName("chkAutoRand");
        l->addWidget(chkAutoRand);
        frRandBreite = new QGroupBox("Breite ändern", seiteRaender);
        auto* g = new QGridLayout(frRandBreite);
        const char* texte[5] = {"Randbreite links", "Randbreite rechts", "Randbreite oben", "Randbreite unten",
                                " -   +"};
        for (int i = 0; i < 5; ++i) lb[u(i)] = beschriftung(texte[i], frRandBreite);
        scrHL = balken("scrHL", frRandBreite);
        scrHR = balken("scrHR", frRandBreite);
        scrHO = balken("scrHO", frRandBreite);
        scrHU = balken("scrHU", frRandBreite);
        g->addWidget(lb[4], 0, 1, Qt::AlignHCenter);
        const std::array<QScrollBar*, 4> bars{scrHL, scrHR, scrHO, scrHU};
        for (int i = 0; i < 4; ++i) {
            g->addWidget(lb[u(i)], i + 1, 0);
            g->addWidget(bars[u(i)], i + 1, 1);
            setzeBalken(bars[u(i)], kRandBalken[u(i)]);
            connect(bars[u(i)], &QScrollBar::valueChanged, this, [this, i] { randBalken_Change(i); });
        }
        l->addWidget(frRandBreite);
        l->addStretch(1);
        connect(chkAutoRand, &QCheckBox::clicked, this, [this] { chkAutoRand_Click(); });
    }

    // "Zeichenfläche"
    seiteFlaeche = new QWidget(parent);
    {
        auto* g = new QGridLayout(seiteFlaeche);
        scrHLChartArea = balken("scrHLChartArea", seiteFlaeche);
        scrVOChartArea = balken("scrVOChartArea", seiteFlaeche);
        scrVChartArea = balken("scrVChartArea", seiteFlaeche);
        scrHChartArea = balken("scrHChartArea", seiteFlaeche);
        const std::pair<QScrollBar*, const char*> zeilen[4] = {{scrHLChartArea, "linker Rand"},
                                                               {scrVOChartArea, "oberer Rand"},
                                                               {scrHChartArea, "Breite"},
                                                               {scrVChartArea, "Höhe"}};
        for (int i = 0; i < 4; ++i) {
            g->addWidget(beschriftung(QString::fromUtf8(zeilen[i].second), seiteFlaeche), i, 0);
            g->addWidget(zeilen[i].first, i, 1);
        }
        g->setRowStretch(4, 1);
        setzeBalken(scrHLChartArea, kFlaecheLinks);
        setzeBalken(scrVOChartArea, kFlaecheOben);
        setzeBalken(scrVChartArea, kFlaecheHoehe);
        setzeBalken(scrHChartArea, kFlaecheBreite);
        connect(scrHLChartArea, &QScrollBar::valueChanged, this, [this] { scrHLChartArea_Change(); });
        connect(scrVOChartArea, &QScrollBar::valueChanged, this, [this] { scrVOChartArea_Change(); });
        connect(scrVChartArea, &QScrollBar::valueChanged, this, [this] { scrVChartArea_Change(); });
        connect(scrHChartArea, &QScrollBar::valueChanged, this, [this] { scrHChartArea_Change(); });
    }
}

void LayoutTabs::opt1Gitter_Click(int index) {
    const std::optional<std::pair<int, int>> m = gitterMuster(index, gitterStil_);
    if (!m) return;
    gitterArt_ = static_cast<Byte>(index);
    chart_.beginUpdate();
    chart_.setGridPattern(ChartAxis::X, m->first);
    chart_.setGridPattern(ChartAxis::Y, m->second);
    chart_.endUpdate();
}

void LayoutTabs::opt2Gitter_Click(int index) {
    const std::optional<int> stil = codeFuer(kGitterStile, index);
    if (!stil) return;
    gitterStil_ = static_cast<Byte>(*stil);
    opt1Gitter_Click(gitterArt_);
}

void LayoutTabs::optFrameType_Click(int index) {
    if (const std::optional<int> code = codeFuer(kRahmenTypen, index)) chart_.setBorderType(*code);
    const bool mitBreite = chart_.borderType() != 0;
    UpDownRBreite->setEnabled(mitBreite);
    labRBreite->setEnabled(UpDownRBreite->isEnabled());
}

void LayoutTabs::UpDownRBreite_Change() { chart_.setBorderWidth(spinWert(toStd(labRBreite->text()))); }

void LayoutTabs::chkDiaFrame_Click() { chart_.setPlotFrame(chkDiaFrame->isChecked()); }

void LayoutTabs::chkAutoRand_Click() {
    const bool e = !chkAutoRand->isChecked();
    for (QLabel* l : lb) l->setEnabled(e);
    for (QScrollBar* s : {scrHL, scrHR, scrHO, scrHU}) s->setEnabled(e);
    frRandBreite->setEnabled(e);
    if (!e) chart_.setPlotMarginsAutomatic(true);
}

void LayoutTabs::randBalken_Change(int seite) {
    if (seite < 0 || seite > 3) return;
    QScrollBar* s = std::array<QScrollBar*, 4>{scrHL, scrHR, scrHO, scrHU}[u(seite)];
    setzeBalken(s, kRandBalken[u(seite)]);
    chart_.setPlotMargin(kSeiten[u(seite)], s->value());
}

void LayoutTabs::scrHLChartArea_Change() {
    setzeBalken(scrHLChartArea, kFlaecheLinks);
    chart_.beginUpdate();
    const int links = chart_.chartAreaLeft(), breite = chart_.chartAreaWidth();
    chart_.setChartAreaLeft(scrHLChartArea->value());
    chart_.setChartAreaWidth(festeGegenkante(links, breite, chart_.chartAreaLeft()));
    chart_.endUpdate();
}

void LayoutTabs::scrVOChartArea_Change() {
    setzeBalken(scrVOChartArea, kFlaecheOben);
    chart_.beginUpdate();
    const int oben = chart_.chartAreaTop(), hoehe = chart_.chartAreaHeight();
    chart_.setChartAreaTop(scrVOChartArea->value());
    chart_.setChartAreaHeight(festeGegenkante(oben, hoehe, chart_.chartAreaTop()));
    chart_.endUpdate();
}

void LayoutTabs::scrVChartArea_Change() {
    setzeBalken(scrVChartArea, kFlaecheHoehe);
    chart_.setChartAreaHeight(scrVChartArea->value());
}

void LayoutTabs::scrHChartArea_Change() {
    setzeBalken(scrHChartArea, kFlaecheBreite);
    chart_.beginUpdate();
    chart_.setChartAreaWidth(scrHChartArea->value());
    chart_.setLegendLeft(chart_.chartAreaWidth() - 10);
    chart_.endUpdate();
}

void LayoutTabs::balkenAusChart() {
    const std::array<QScrollBar*, 4> bars{scrHL, scrHR, scrHO, scrHU};
    for (int i = 0; i < 4; ++i) setzeStill(bars[u(i)], chart_.plotMargin(kSeiten[u(i)]));
    setzeStill(scrHLChartArea, chart_.chartAreaLeft());
    setzeStill(scrVOChartArea, chart_.chartAreaTop());
    setzeStill(scrVChartArea, chart_.chartAreaHeight());
    setzeStill(scrHChartArea, chart_.chartAreaWidth());
}

}  // namespace vrn
