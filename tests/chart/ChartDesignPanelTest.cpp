// The curve, point-set, text and design panels of the chart window: what a
// user chooses there reaches the chart at once, and a cancelled colour box
// changes nothing.

#include <QImage>
#include <QTextBlock>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QToolButton>

#include <optional>

#include "ChartWindowSupport.h"
#include "chart/CurvePanel.h"
#include "chart/DesignColourTab.h"
#include "chart/DesignLayoutTabs.h"
#include "chart/DesignLegendTabs.h"
#include "chart/DesignPanel.h"
#include "chart/PanelWidgets.h"
#include "chart/PointPanel.h"
#include "chart/TextPanel.h"
#include "platform/ColourFont.h"
#include "platform/CommonDialogs.h"
#include "platform/UpDown.h"

using namespace vrn;

namespace {

constexpr Colour kRot = RGB(255, 0, 0);
constexpr Colour kBlau = RGB(0, 0, 255);

// Answers every colour box with a colour, or cancels it (nullopt), for its lifetime.
class Farbwahl {
public:
    explicit Farbwahl(std::optional<Colour> c)
        : alt_(setColourChooser([c](const QColor&) { return c ? std::optional(toQColor(*c)) : std::nullopt; })) {}
    ~Farbwahl() { setColourChooser(alt_); }

private:
    ColourChooser alt_;
};
// The user's step with every colour box answered so.
void mitFarbe(std::optional<Colour> c, const std::function<void()>& schritt) {
    Farbwahl f{c};
    schritt();
}

// Drawn in (antialiased) red or green.
bool roetlich(const QColor& p) { return p.red() - p.green() > 60 && p.red() - p.blue() > 60; }
bool gruenlich(const QColor& p) { return p.green() - p.red() > 40 && p.green() - p.blue() > 40; }

void waehle(QComboBox* box, int i) {
    box->setCurrentIndex(i);
    emit box->activated(i);
}

}  // namespace

TEST_F(ChartWindowTest, CurveAndPointStylesMapToTheChartCodes) {
    abfall(5, 5, 0, true);
    app.gMitMesspunkten = true;
    auto [w, c] = diagramm(2, 0.1, 0, 0.15, 0, 20);
    w.clickMenu("mnuDesign");
    ASSERT_TRUE(w.menuItem("mnuKurvenDesign")->isEnabled());
    w.menuItem("mnuKurvenDesign")->trigger();
    ASSERT_TRUE(w.fraKurven->isVisible());
    // Points without a line, or a dotted line without points (the codes are drawn by the chart).
    waehle(w.kurvenPanel->cmbKStil[2], 0);
    EXPECT_EQ(w.kurvenPanel->cmbKStil[2]->currentText(), QString("nur Einzelpunkte"));
    EXPECT_EQ(std::pair(c.style(1, 2).linePattern, c.style(1, 2).symbolShape), std::pair(1, 2));
    waehle(w.kurvenPanel->cmbKStil[2], 2);
    EXPECT_EQ(w.kurvenPanel->cmbKStil[2]->currentText(), QString("Kurve punktiert"));
    EXPECT_EQ(std::pair(c.style(1, 2).linePattern, c.style(1, 2).symbolShape), std::pair(4, 1));
    w.kurvenPanel->UpDown1_KBreite[2]->upButton()->click();
    EXPECT_EQ(std::tuple(w.kurvenPanel->Label39[2]->text(), c.style(1, 2).lineWidth), std::tuple(QString("2"), 2));

    // Point set i starts with symbol item i - 1.
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(w.punktePanel->cmbPunktStil[static_cast<std::size_t>(k)]->currentIndex(), k - 1);
    w.menuItem("mnuPunktDesign")->trigger();
    ASSERT_TRUE(w.fraPunkte->isVisible());
    waehle(w.punktePanel->cmbPunktStil[1], 10);  // "versteckt"
    EXPECT_EQ(std::tuple(c.style(2, 1).symbolShape, c.style(2, 1).linePattern), std::tuple(1, 1));
    w.punktePanel->UpDown1_PointSize[1]->downButton()->click();
    EXPECT_EQ(c.style(2, 1).symbolSize, 5);
}

TEST_F(ChartWindowTest, ChosenColourShowsOnCurveAndLegendAndCancelChangesNothing) {
    abfall(5, 5);
    app.gMitMesspunkten = true;
    auto [w, c] = diagramm(4, 0.1, 0.15, 0.5, 0, 30);
    w.openCurvePanelAt(2);
    EXPECT_EQ(w.kurvenPanel->tabKurven->currentIndex(), 1);
    mitFarbe(kRot, [&] { QTest::mouseClick(w.kurvenPanel->cmdKurvenFarbe[2], Qt::LeftButton); });
    EXPECT_EQ(std::tuple(c.style(1, 2).lineColour, c.style(1, 2).symbolColour,
                         buttonColour(w.kurvenPanel->cmdKurvenFarbe[2])),
              std::tuple(kRot, kRot, kRot));
    // The legend entry of curve 2 is drawn in red.
    w.menuItem("mnuAddLegend")->trigger();
    ASSERT_TRUE(c.legendShown());
    const QImage bild = c.toImage();
    const QRect legende = vrn::test::legendRect(c);
    ASSERT_GT(legende.width(), 0);
    EXPECT_GT(vrn::test::countPixels(bild.copy(legende), roetlich), 5);

    // A cancelled colour box, after red was chosen elsewhere, changes nothing anywhere.
    Farbwahl abbruch{std::nullopt};
    const ChartModel vorher = c.model();
    w.mnuPunktDesign_Click();
    DesignPanel& d = *w.designPanel;
    for (QPushButton* b : {w.kurvenPanel->cmdKurvenFarbe[3], w.punktePanel->cmdPunktFarbe[1], d.farben->cmdRandCol_out,
                           d.farben->cmdRandCol_in, d.farben->cmdColor_in, d.farben->cmdGitterFarbe,
                           d.legende->cmdLegBColor, d.legende->cmdLegFColor, d.legende->cmdLabelFColor,
                           d.legende->cmdLabelBColor, w.textPanel->cmdSchriftHFarbe, w.cmdFarbVorwahl}) {
        b->click();
        EXPECT_TRUE(c.model() == vorher) << b->objectName().toStdString();
    }
    EXPECT_EQ(std::tuple(app.gFarbVorwahl, buttonColour(w.kurvenPanel->cmdKurvenFarbe[3])), std::tuple(kBlau, kBlau));
}

TEST_F(ChartWindowTest, ColourPresetsSetTheirColoursAndMakeTheLegendTransparent) {
    auto [w, c] = diagramm(2, 0.1, 0, 0.15, 0, 20);
    ColourTab& f = *w.designPanel->farben;
    LayoutTabs& l = *w.designPanel->layout;
    EXPECT_EQ(c.legendBackColour(), RGB(255, 255, 255));  // opaque at the start
    w.openDesignTab(2);
    f.cmdFullBlack->click();
    EXPECT_EQ(std::tuple(c.sheetBackColour(), c.plotBackColour(), c.chartAreaTextColour(), c.gridColour(ChartAxis::Y),
                         c.legendBackColour(), c.legendTextColour()),
              std::tuple(0, 0, RGB(255, 255, 255), RGB(130, 130, 130), kChartTransparent, RGB(255, 255, 255)));

    c.setLegendBackColour(RGB(1, 2, 3));
    f.cmdRandColGrau->click();
    for (Colour grau : {c.sheetBackColour(), c.chartAreaBackColour(), c.textBackColour(ChartTextBlock::Footer)})
        EXPECT_EQ(grau, RGB(210, 210, 210));
    EXPECT_EQ(buttonColour(f.cmdRandCol_out), RGB(210, 210, 210));
    // The plot area and the texts stay.
    EXPECT_EQ(std::tuple(c.plotBackColour(), c.chartAreaTextColour(), c.legendBackColour()),
              std::tuple(0, RGB(255, 255, 255), kChartTransparent));

    // White shows both grids in the current pattern, even after "ohne Gitter".
    l.opt1Gitter[0]->click();
    c.setLegendBackColour(RGB(1, 2, 3));
    f.cmdFullWhite->click();
    EXPECT_EQ(std::pair(c.gridPattern(ChartAxis::X), c.gridPattern(ChartAxis::Y)), std::pair(4, 4));
    EXPECT_EQ(std::tuple(buttonColour(f.cmdGitterFarbe), c.legendBackColour(), c.textColour(ChartTextBlock::Header)),
              std::tuple(RGB(143, 143, 143), kChartTransparent, 0));
}

TEST_F(ChartWindowTest, GridFrameLegendAndMarginOptionsPassTheirCodes) {
    auto [w, c] = diagramm(2, 0.1, 0, 0.15, 0, 20);
    LayoutTabs& l = *w.designPanel->layout;
    LegendLabelTabs& g = *w.designPanel->legende;
    EXPECT_EQ(c.gridPattern(ChartAxis::X), 4);  // a complete dotted grid at the start
    // stil, art, x, y
    const std::tuple<int, int, int, int> gitter[] = {
        {1, 0, 1, 1}, {1, 3, 2, 2}, {0, 3, 4, 4}, {0, 1, 1, 4}, {1, 2, 2, 1}};
    for (const auto& [stil, art, x, y] : gitter) {
        l.opt2Gitter[static_cast<std::size_t>(stil)]->click();
        l.opt1Gitter[static_cast<std::size_t>(art)]->click();
        EXPECT_EQ(std::pair(c.gridPattern(ChartAxis::X), c.gridPattern(ChartAxis::Y)), std::pair(x, y)) << art;
    }
    const int rahmen[] = {0, 1, 4, 9};
    for (int i : {2, 1, 3, 0}) {
        l.optFrameType[static_cast<std::size_t>(i)]->click();
        EXPECT_EQ(std::tuple(c.borderType(), l.UpDownRBreite->isEnabled()), std::tuple(rahmen[i], i != 0));
    }
    l.optFrameType[2]->click();
    l.UpDownRBreite->upButton()->click();
    EXPECT_EQ(c.borderWidth(), 2);
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{l.chkDiaFrame, g.optLegOrient[0], g.chkLegFrame,
                                                                      g.chkLabelFrame})
        b->click();
    EXPECT_EQ(std::tuple(c.plotFrame(), c.legendOrientation(), c.legendBorder(), c.labelBorder(24)),
              std::tuple(false, 2, 0, 4));

    // Margins: by hand only while "Ränder automatisch" is off.
    w.openDesignTab(3);
    EXPECT_FALSE(l.scrHL->isEnabled());
    const int links = c.plotMargin(ChartSide::Left);
    l.chkAutoRand->click();
    EXPECT_EQ(std::tuple(l.scrHL->isEnabled(), c.plotMargin(ChartSide::Left)), std::tuple(true, links));
    l.scrHU->setValue(90);
    EXPECT_EQ(c.plotMargin(ChartSide::Bottom), 90);
    EXPECT_FALSE(c.plotMarginAutomatic(ChartSide::Bottom));
    l.chkAutoRand->click();
    EXPECT_TRUE(c.plotMarginAutomatic(ChartSide::Bottom));
}

TEST_F(ChartWindowTest, ChartAreaKeepsItsFarEdgesAndTheLegendFollowsItsWidth) {
    auto [w, c] = diagramm(2, 0.1, 0, 0.15, 0, 20);
    LayoutTabs& l = *w.designPanel->layout;
    w.openDesignTab(5);
    l.scrHLChartArea->setValue(20);
    const int rechts = c.chartAreaLeft() + c.chartAreaWidth();
    l.scrHLChartArea->setValue(50);
    EXPECT_EQ(std::tuple(c.chartAreaLeft(), c.chartAreaLeft() + c.chartAreaWidth()), std::tuple(50, rechts));
    l.scrVOChartArea->setValue(10);
    const int unten = c.chartAreaTop() + c.chartAreaHeight();
    l.scrVOChartArea->setValue(40);
    EXPECT_EQ(c.chartAreaTop() + c.chartAreaHeight(), unten);
    l.scrHChartArea->setValue(1000);
    EXPECT_EQ(c.legendLeft(), 990);
}

TEST_F(ChartWindowTest, LegendTextsNeedPointsAndAllLegendBoxesShowOneState) {
    abfall(5, 5);
    app.gMitMesspunkten = true;
    auto [w, c] = diagramm(2, 0.1, 0, 0.15, 0, 20);
    ASSERT_EQ(c.pointCount(1, 5), 0);
    w.kurvenPanel->txtLegendCurves[5]->setText("leer");
    w.punktePanel->txtLegendPoints[3]->setText("leer");
    EXPECT_EQ(std::tuple(c.seriesLabel(1, 5), c.seriesLabel(2, 3)), std::tuple("", ""));
    w.kurvenPanel->txtLegendCurves[1]->setText("A-Kurve");
    w.punktePanel->txtLegendPoints[1]->setText("A gemessen");
    EXPECT_EQ(std::tuple(c.seriesLabel(1, 1), c.seriesLabel(2, 1)), std::tuple("A-Kurve", "A gemessen"));

    w.openCurvePanelAt(1);
    w.kurvenPanel->chkLegend1[0]->click();
    EXPECT_EQ(std::tuple(c.legendShown(), w.chkLegend->isChecked(), w.punktePanel->chkLegend2[4]->isChecked(),
                         w.menuItem("mnuAddLegend")->isEnabled(), w.menuItem("mnuDelLegendZeile")->isEnabled()),
              std::tuple(true, true, true, false, true));
    w.openPointPanelAt(1);
    EXPECT_EQ(w.punktePanel->tabPunkte->currentIndex(), 0);
    w.punktePanel->chkLegend2[1]->click();
    EXPECT_EQ(std::tuple(c.legendShown(), w.kurvenPanel->chkLegend1[23]->isChecked(),
                         w.menuItem("mnuAddLegend")->isEnabled()),
              std::tuple(false, false, true));

    // "alle unsichtbar" hides every label and unticks the curve boxes.
    w.openDesignTab(9);
    w.designPanel->legende->chkLabelNotVisible->click();
    EXPECT_EQ(std::tuple(c.labelShown(1), w.kurvenPanel->chkEinzelLabelSichtbar[1]->isChecked(),
                         w.menuItem("mnuDelLabels")->isEnabled()), std::tuple(false, false, false));
}

// A header longer and of more lines than the box shows opens at its
// beginning: the first characters of its first line are in view; typing
// goes on at its end.
TEST_F(ChartWindowTest, TextPanelOpensALongTextAtItsBeginning) {
    auto [w, c] = diagramm(2, 0.1, 0, 0.15, 0, 20);
    TextPanel& t = *w.textPanel;
    c.setText(ChartTextBlock::Header, "Anfang " + std::string(150, 'x') +
                                          " Ende\r\nZeile 2\r\nZeile 3\r\nZeile 4\r\nZeile 5\r\nletzte Zeile");
    w.clickMenu("mnuTextDesign(1)");
    test::processEvents();
    test::saveScreenshot(&w, "text_panel_long_header");
    ASSERT_GT(t.schrift->horizontalScrollBar()->maximum(), 0);
    ASSERT_GT(t.schrift->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(std::tuple(t.schrift->horizontalScrollBar()->value(), t.schrift->verticalScrollBar()->value()),
              std::tuple(0, 0));
    const QTextCursor links = t.schrift->cursorForPosition(QPoint(4, 4));
    EXPECT_EQ(std::tuple(links.block().text().left(6), links.positionInBlock()), std::tuple(QString("Anfang"), 0));
    QTest::keyClicks(t.schrift, "!");
    EXPECT_EQ(c.text(ChartTextBlock::Header).substr(c.text(ChartTextBlock::Header).size() - 13), "letzte Zeile!");
}

TEST_F(ChartWindowTest, TextPanelWritesHeaderFooterAndAxisTitles) {
    auto [w, c] = diagramm(2, 0.1, 0, 0.15, 0, 20);
    TextPanel& t = *w.textPanel;
    c.setText(ChartTextBlock::Header, "Kopf  ");
    w.clickMenu("mnuTextDesign(1)");
    ASSERT_TRUE(w.fraSchrift->isVisible());
    EXPECT_EQ(w.fraSchrift->title(), QString("Kopftext gestalten"));
    EXPECT_EQ(t.schrift->toPlainText(), QString("Kopf"));
    EXPECT_EQ(c.text(ChartTextBlock::Header), "Kopf  ");  // opening changes nothing
    QTest::keyClick(t.schrift, Qt::Key_Return);           // Enter alone starts no line
    QTest::keyClick(t.schrift, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(t.schrift, "Zeile 2");
    EXPECT_EQ(c.text(ChartTextBlock::Header), "Kopf\r\nZeile 2");
    t.chkTextFrame->click();
    EXPECT_EQ(c.textBorder(ChartTextBlock::Header), 4);
    t.HScroll1->setValue(30);
    EXPECT_EQ(c.textLeft(ChartTextBlock::Header), 30);

    // The additional text: the insert item is offered exactly while it is empty.
    EXPECT_TRUE(w.menuItem("mnuAddText")->isEnabled());
    w.menuItem("mnuAddText")->trigger();
    EXPECT_EQ(w.fraSchrift->title(), QString("Zusatztext gestalten"));
    QTest::keyClicks(t.schrift, "x");
    EXPECT_EQ(c.text(ChartTextBlock::Footer), "x");
    EXPECT_FALSE(w.menuItem("mnuAddText")->isEnabled());
    // "gerahmt" now frames the additional text and leaves the header as it is.
    EXPECT_FALSE(t.chkTextFrame->isChecked());
    t.chkTextFrame->click();
    EXPECT_EQ(c.textBorder(ChartTextBlock::Footer), 4);
    t.chkTextFrame->click();
    EXPECT_EQ(c.textBorder(ChartTextBlock::Footer), 0);
    EXPECT_EQ(c.textBorder(ChartTextBlock::Header), 4);
    QTest::keyClick(t.schrift, Qt::Key_Backspace);
    EXPECT_TRUE(w.menuItem("mnuAddText")->isEnabled());

    w.clickMenu("mnuTextDesign(3)");
    EXPECT_FALSE(t.HScroll1->isEnabled());
    EXPECT_FALSE(t.chkTextFrame->isEnabled());
    EXPECT_FALSE(t.fraYText->isEnabled());
    t.schrift->setPlainText("Zeit");
    EXPECT_EQ(c.axisTitle(ChartAxis::X), "Zeit");
    c.setAxisTitle(ChartAxis::Y, "c  ");
    w.clickMenu("mnuTextDesign(4)");
    EXPECT_EQ(t.schrift->toPlainText(), QString("c  "));  // a y title keeps its blanks
    EXPECT_TRUE(t.fraYText->isEnabled());
    t.optOrientYAxText[0]->click();
    t.optOrientYAxZiff[1]->click();
    EXPECT_EQ(c.axisTitleOrientation(ChartAxis::Y), 1);
    EXPECT_EQ(c.axisNumberOrientation(ChartAxis::Y), 2);
    w.clickMenu("mnuTextDesign(5)");
    EXPECT_FALSE(w.fraSchrift->isVisible());
    EXPECT_TRUE(w.fraKurven->isVisible());
}

TEST_F(ChartWindowTest, HalfLifeMarkStaysVisibleOnALogarithmicAxis) {
    auto [w, c] = diagramm(2, 0.1, 0, 0.15, 0, 20);
    const Colour gruen = RGB(0, 200, 0);
    app.gFarbVorwahl = gruen;
    w.clickMenu("mnuCoord");
    w.coord[3]->setText(".001");
    QTest::mouseClick(w.cmdCoord_OK, Qt::LeftButton);
    w.designPanel->findChild<QPushButton*>("cmdYLog")->click();
    ASSERT_TRUE(c.axisLogarithmic(ChartAxis::Y));
    w.menuItem("mnuHalbA")->trigger();
    const double tau = std::log(2.0) / 0.15;
    // The green line runs through the plot from top to bottom at tau.
    const QImage bild = c.toImage();
    const QRect plot = c.plotRect();
    const int x = static_cast<int>(std::lround(c.toPixel(tau, 0.01).x()));
    for (int y = plot.top() + 3; y < plot.bottom() - 3; y += 20)
        EXPECT_GT(vrn::test::countPixels(bild.copy(x - 1, y, 3, 1), gruenlich), 0) << "y = " << y;
}

TEST_F(ChartWindowTest, ResolutionSliderAndLabelPositionBar) {
    frmGraph2D& w = simulationsDiagramm(2, 0.1, 0, 0.15, 0, 20);
    w.clickMenu("mnuResolution");
    ASSERT_TRUE(w.fraResolution->isVisible());
    EXPECT_EQ(w.Label54->text(), QString("300"));
    w.Slider1_PunktDichte->setValue(120);
    EXPECT_EQ(std::tuple(w.nAufloesung, w.Label54->text()), std::tuple(120, QString("120")));

    // The label bar of a curve runs over the curve's points.
    ASSERT_EQ(w.Chart2D1->pointCount(1, 1), 201);
    w.openCurvePanelAt(1);
    QScrollBar* s = w.kurvenPanel->scrShiftLab[1];
    s->setValue(40);
    EXPECT_EQ(std::tuple(w.Chart2D1->labelPoint(1), s->minimum(), s->maximum(), s->singleStep()),
              std::tuple(40, 1, 201, 3));
}

TEST_F(ChartWindowTest, FontsColoursAndLegendPlaceReachTheChartAndCancelKeepsThem) {
    auto [w, c] = diagramm(4, 0.1, 0.15, 0.5, 0, 30);
    LegendLabelTabs& g = *w.designPanel->legende;
    std::optional<QFont> schrift;
    const FontChooser altSchrift = setFontChooser([&schrift](const QFont&) { return schrift; });
    const QFont serif("Liberation Serif", 14, QFont::Bold, true);

    // Cancelled font boxes change nothing; a chosen font goes to the legend and to all 24 labels.
    const ChartModel vorher = c.model();
    for (QPushButton* b : {g.cmdLegFont, g.cmdFontLabel}) b->click();
    EXPECT_TRUE(c.model() == vorher);
    schrift = serif;
    g.cmdLegFont->click();
    g.cmdFontLabel->click();
    for (const ChartFont& f : {c.legendFont(), c.labelFont(1), c.labelFont(24)}) {
        EXPECT_EQ(std::tuple(f.name, f.size, f.bold, f.italic), std::tuple("Liberation Serif", 14, true, true));
    }

    // x-axis title: the numbers take the font, the title its name and size and the colour.
    w.clickMenu("mnuTextDesign(3)");
    const bool titelFett = c.axisTitleFont(ChartAxis::X).bold;
    mitFarbe(kRot, [&] { w.textPanel->cmdFont->click(); });
    const ChartFont zahlen = c.axisNumberFont(ChartAxis::X), titel = c.axisTitleFont(ChartAxis::X);
    EXPECT_EQ(std::tuple(zahlen.name, zahlen.italic, titel.size, titel.bold, c.axisTitleColour(ChartAxis::X)),
              std::tuple("Liberation Serif", true, 14, titelFett, kRot));
    // The header: font chosen, colour box cancelled; then its background.
    w.clickMenu("mnuTextDesign(1)");
    const Colour kopfFarbe = c.textColour(ChartTextBlock::Header);
    mitFarbe(std::nullopt, [&] { w.textPanel->cmdFont->click(); });
    EXPECT_EQ(c.textFont(ChartTextBlock::Header).name, "Liberation Serif");
    EXPECT_EQ(c.textColour(ChartTextBlock::Header), kopfFarbe);
    mitFarbe(RGB(255, 255, 192), [&] { w.textPanel->cmdSchriftHFarbe->click(); });
    EXPECT_EQ(c.textBackColour(ChartTextBlock::Header), RGB(255, 255, 192));
    w.textPanel->VScroll1->setValue(60);
    EXPECT_EQ(c.textTop(ChartTextBlock::Header), 60);
    setFontChooser(altSchrift);

    // "transparent" off restores the legend colour chosen last.
    mitFarbe(RGB(1, 2, 3), [&] { g.cmdLegBColor->click(); g.cmdLabelFColor->click(); });
    EXPECT_EQ(std::tuple(c.legendBackColour(), c.labelTextColour(17)), std::tuple(RGB(1, 2, 3), RGB(1, 2, 3)));
    g.chkLegTransparent->click();
    EXPECT_EQ(c.legendBackColour(), kChartTransparent);
    g.chkLegTransparent->click();
    EXPECT_EQ(c.legendBackColour(), RGB(1, 2, 3));

    // The legend bars place the legend.
    c.setSeriesLabel(1, 1, "A");
    w.legendeSchalten(true);
    w.openDesignTab(4);
    g.scrLegH->setValue(100);
    g.scrlegV->setValue(50);
    EXPECT_EQ(std::tuple(c.legendLeft(), c.legendTop(), g.scrLegH->maximum()),
              std::tuple(100, 50, c.chartAreaWidth() + 100));
}

TEST_F(ChartWindowTest, PresetColourGoesToTheNextCurveAndTabsOfBothRowsOpenTheirPage) {
    auto [w, c] = diagramm(2, 0.1, 0, 0.15, 0, 20);
    mitFarbe(RGB(0, 160, 0), [&] { QTest::mouseClick(w.cmdFarbVorwahl, Qt::LeftButton); });
    EXPECT_EQ(app.gFarbVorwahl, RGB(0, 160, 0));
    EXPECT_EQ(c.style(1, 1).lineColour, kBlau);  // what is drawn stays
    app.gnKurvenOffen = 1;
    QTest::mouseClick(w.cmdDraw, Qt::LeftButton);
    EXPECT_EQ(c.style(1, app.gnKurven).lineColour, RGB(0, 160, 0));

    // Each of the eleven captions opens its page; the row holding it stands next to the pages.
    w.mnuDesignMore_Click();
    DesignPanel& d = *w.designPanel;
    for (int t = 0; t < 11; ++t) {
        QTabBar* reihe = d.reihen[t < DesignPanel::kErsteReihe ? 0 : 1];
        const int i = t < DesignPanel::kErsteReihe ? t : t - DesignPanel::kErsteReihe;
        QTest::mouseClick(reihe, Qt::LeftButton, {}, reihe->tabRect(i).center());
        EXPECT_EQ(w.tabDesign->currentIndex(), t);
        EXPECT_GT(reihe->y(), d.reihen[t < DesignPanel::kErsteReihe ? 1 : 0]->y()) << t;
    }
    EXPECT_EQ(w.tabDesign->tabText(6), QString("Skalierung"));

    // A click on the label " Farb-Vorwahl" chooses the preset as the button does.
    mitFarbe(RGB(200, 0, 0), [&] { QTest::mouseClick(w.Label49, Qt::LeftButton); });
    EXPECT_EQ(app.gFarbVorwahl, RGB(200, 0, 0));
    EXPECT_EQ(buttonColour(w.cmdFarbVorwahl), RGB(200, 0, 0));

    // A label made visible offers "alle Kurvenetiketts" under "Löschen...".
    w.menuItem("mnuDelLabels")->trigger();
    EXPECT_FALSE(w.menuItem("mnuDelLabels")->isEnabled());
    w.openCurvePanelAt(1);
    w.kurvenPanel->chkEinzelLabelSichtbar[1]->click();
    EXPECT_TRUE(c.labelShown(1));
    EXPECT_TRUE(w.menuItem("mnuDelLabels")->isEnabled());
}
