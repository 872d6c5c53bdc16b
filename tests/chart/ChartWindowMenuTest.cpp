#include <QMdiArea>
#include <QScrollBar>
#include <QStatusBar>

#include "ChartWindowSupport.h"
#include "chart/CurvePanel.h"
#include "chart/CurveSlots.h"
#include "chart/Grafik.h"
#include "chart/PointPanel.h"
#include "platform/Twips.h"
#include "shell/frmPhantom.h"

using namespace vrn;

TEST_F(ChartWindowTest, MenuItemsRightAfterTheChartOpened) {
    frmGraph2D& w = simulationsDiagramm(2, 0.1, 0, 0.15, 0, 20);
    for (const char* an : {"mnuBild(1)", "mnuBild(3)", "mnuLoadOC2", "mnuCoord", "mnuHalbA", "mnuAddLegend", "mnuAddText",
                           "mnuManuXY", "mnuDelTotal", "mnuSubDelKurv(0)", "mnuDelMarkLabels", "mnuDelLabels",
                           "mnuDesignMore", "mnuTextDesign(5)", "mnuResolution", "mnuHaupt", "mnuDelKurv"})
        EXPECT_TRUE(w.menuItem(an)->isEnabled()) << an;
    for (const char* aus : {"mnuHalbB", "mnuAddPunkte", "mnuSubDelKurv(1)", "mnuSubDelKurv(24)", "mnuDelHalbAB",
                            "mnuDelLegendZeile", "mnuDelLegend", "mnuSubDelPoints(0)", "mnuSubDelPoints(7)",
                            "mnuKurvenDesign", "mnuPunktDesign", "mnuDelPoints"})
        EXPECT_FALSE(w.menuItem(aus)->isEnabled()) << aus;
    EXPECT_EQ(vrn::test::menuActionByPath(w.menuBar, QString::fromUtf8("&Löschen...::Messpunkte::Punktsatz k - T")),
              w.menuItem("mnuSubDelPoints(6)"));
}

TEST_F(ChartWindowTest, DeleteMenuFollowsTheCurvePlacesAndPointSets) {
    abfall(4, 2, 2, true);
    app.gMitMesspunkten = true;
    frmGraph2D& w = simulationsDiagramm(2, 0.1, 0, 0.15, 0, 20);
    w.DeleteCurves(1);
    w.clickMenu("mnuDelete");
    for (auto [item, an] : {std::pair{"mnuSubDelKurv(1)", false}, {"mnuSubDelKurv(2)", true},
                            {"mnuSubDelPoints(2)", false}, {"mnuSubDelPoints(4)", true}})
        EXPECT_EQ(w.menuItem(item)->isEnabled(), an) << item;

    w.menuItem("mnuSubDelPoints(4)")->trigger();
    EXPECT_EQ(std::tuple(w.Chart2D1->pointCount(2, 4), w.punktePanel->tabPunkte->isTabVisible(3),
                         w.menuItem("mnuSubDelPoints(4)")->isEnabled(), w.Chart2D1->pointCount(2, 1)),
              std::tuple(0, false, false, 4));
}

TEST_F(ChartWindowTest, CurvePanelOpensAtTheFirstCurveWithItsStyle) {
    frmGraph2D& w = simulationsDiagramm(4, 0.1, 0.15, 0.5, 0, 30);
    w.DeleteCurves(1);
    w.Chart2D1->setLinePattern(1, 3, 3);
    w.mnuKurvenDesign_Click();
    const auto* k = w.kurvenPanel;
    EXPECT_EQ(std::tuple(w.fraKurven->isVisible(), k->tabKurven->currentIndex(), k->tabKurven->isTabEnabled(0),
                         k->tabKurven->tabText(1), k->cmbKStil[3]->currentText(), k->cmbKStil[2]->currentText()),
              std::tuple(true, 1, false, "K. 2", "Kurve gestrichelt", "Kurve normal"));
    // Esc closes the panel.
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.fraKurven->isVisible());
}

// The text in both locales is checked with the curve copy; here the German one reaches the clipboard.
TEST_F(ChartWindowTest, CurveGoesToTheClipboardInTheLocalesFormat) {
    vrn::test::LocaleGuard g{QLocale(QLocale::German, QLocale::Germany)};
    frmGraph2D& w = simulationsDiagramm(2, 0.1, 0, 0.15, 0, 20);
    Integer nr = 0, err = 0;
    NeueKurveNr(nr, err);
    ASSERT_EQ(nr, 3);
    w.zeigeKurvenPunkte(nr, {{2, 0, 0}, {0, 1, 0}, {0.5f, 0.25f, 0}});
    w.mnuKurvenDesign_Click();
    w.kurvenPanel->tabKurven->setCurrentIndex(2);
    QApplication::clipboard()->clear();
    QTest::mouseClick(w.kurvenPanel->cmdClipboard, Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "0\t1\r\n0,5\t0,25\r\n");
}

// A curve with a value beyond the range of a Single: "Kurve in Clipboard"
// says so, as "Kurve als XY speichern" does, and the clipboard keeps its text.
TEST_F(ChartWindowTest, ACurveBeyondASingleIsNotCopiedWithoutAWord) {
    frmGraph2D& w = simulationsDiagramm(2, 0.1, 0, 0.15, 0, 20);
    Integer nr = 0, err = 0;
    NeueKurveNr(nr, err);
    ASSERT_EQ(nr, 3);
    w.zeigeKurvenPunkte(nr, {{0, 1, 0}, {1, 2, 0}});
    w.Chart2D1->setPoints(1, nr, {0, 1, 2}, {1, 1e300, 2});
    w.mnuKurvenDesign_Click();
    w.kurvenPanel->tabKurven->setCurrentIndex(2);
    QApplication::clipboard()->setText("vorher");
    vrn::test::MsgRecorder msgs;
    QTest::mouseClick(w.kurvenPanel->cmdClipboard, Qt::LeftButton);
    EXPECT_TRUE(vrn::test::isOnlyMessage(
        msgs,
        "Punkt 2, Wert 2: \"1E+300\" liegt außerhalb des zulässigen Bereichs.\r\n\r\n"
        "Die Kurve wurde nicht in die Zwischenablage kopiert.",
        "Meldung von cmdClipboard", MsgIcon::Critical));
    EXPECT_EQ(QApplication::clipboard()->text(), QString("vorher"));
}

TEST_F(ChartWindowTest, LegendNeedsALegendText) {
    frmGraph2D& w = simulationsDiagramm(2, 0.1, 0, 0.15, 0, 20);
    w.DeleteCurves(0);
    for (int i = 1; i <= 24; ++i) w.Chart2D1->setSeriesLabel(1, i, "");
    vrn::test::MsgRecorder msgs;
    w.menuItem("mnuAddLegend")->trigger();
    ASSERT_EQ(msgs.count(), 1u);
    EXPECT_EQ(std::tuple(msgs.last().text, msgs.last().title),
              std::tuple("keine Legendentexte angegeben\r\n\r\n==> gestalten Kurve\r\n==> gestalten Messpunkte",
                         " Ausführung nicht möglich "));
    EXPECT_FALSE(w.Chart2D1->legendShown());

    app.gnKurvenOffen = 2;
    QTest::mouseClick(w.cmdDraw, Qt::LeftButton);
    w.menuItem("mnuAddLegend")->trigger();
    EXPECT_EQ(std::tuple(w.Chart2D1->legendShown(), w.chkLegend->isChecked(), w.kurvenPanel->chkLegend1[0]->isChecked(),
                         w.menuItem("mnuDelLegend")->isEnabled()), std::tuple(true, true, true, true));
    w.menuItem("mnuDelLegend")->trigger();
    EXPECT_EQ(std::tuple(w.Chart2D1->legendShown(), w.chkLegend->isChecked()), std::tuple(false, false));
}

TEST_F(ChartWindowTest, MeasuredPointsOfTheModelAndTheirRefusal) {
    datensatz(6, [](Messpunkt& p, int i) {
        p.t = 3.0 * (i - 1);
        p.c[1] = 0.1 * std::exp(-0.15 * p.t);
        p.c[2] = 0.15;
        p.c[3] = 0.01;
        p.c[4] = 0.1 - p.c[1];
    });
    {
        Aenderung aus;
        app.ExpDaten[3].aus = -1;
        datensatzGeschrieben();
    }
    frmGraph2D& w = simulationsDiagramm(4, 0.1, 0.15, 0.5, 0, 30);
    EXPECT_TRUE(w.menuItem("mnuAddPunkte")->isEnabled());
    w.menuItem("mnuAddPunkte")->trigger();
    const ChartControl& c = *w.Chart2D1;
    // No C: it is not a species of model 4; the excluded point is a hole.
    EXPECT_EQ(
        std::tuple(c.pointCount(2, 1), c.pointCount(2, 3), c.y(2, 1, 3), w.punktePanel->tabPunkte->isTabVisible(0),
                   w.punktePanel->tabPunkte->isTabVisible(2), w.menuItem("mnuDelPoints")->isEnabled()),
        std::tuple(6, 0, kChartHole, true, false, true));

    // A data set without concentrations of the chart's species is refused.
    datensatz(3, [](Messpunkt& p, int i) {
        p.Temp = 300 + i;
        p.k = 0.1 * i;
    });
    vrn::test::MsgRecorder msgs;
    w.mnuAddPunkte_Click();
    ASSERT_EQ(msgs.count(), 1u);
    EXPECT_EQ(msgs.last().text, "Für dieses Diagramm sind keine Konzentrations-Punkte geladen.\r\nLaden Sie "
                                "Konzentrationsdaten oder benutzen Sie den Dateneditor für Neueingabe.");
    EXPECT_EQ(msgs.last().icon, MsgIcon::Critical);
}

TEST_F(ChartWindowTest, DataOnlyKindShowsPointsAndWarnsWhenAllLieOutside) {
    datensatz(4, [](Messpunkt& p, int i) {
        p.t = 1.0 * i;
        p.c[1] = 0.2 / i;
        p.c[4] = 0.2 - p.c[1];
    });
    frmGraph2D& w = datenDiagramm(-1);
    EXPECT_EQ(std::tuple(app.gnKurven, w.Chart2D1->pointCount(2, 1), w.Chart2D1->pointCount(2, 4)),
              std::tuple(0, 4, 4));
    EXPECT_TRUE(vrn::test::unexpectedMessages().empty());
    EXPECT_FALSE(w.cmdSingleCalc->isVisible());
    Forms::unload<frmGraph2D>();
    vrn::test::processEvents();

    // Ranges that miss every point: the two-line warning.
    app.Achsenbereich[0] = 100;
    app.Achsenbereich[1] = 200;
    vrn::test::MsgRecorder msgs;
    {
        Aenderung anfrage;
        app.iDiagrammTyp = -1;
        zeigeDiagramm();
    }
    ASSERT_EQ(msgs.count(), 1u);
    EXPECT_EQ(msgs.last().text, "Alle experimentellen Punkte befinden sich außerhalb des Koordinatenbereichs des "
                                "Diagramms\r\nVergrößern Sie den Koordinatenbereich.");
    EXPECT_EQ(msgs.last().title, "Warnung");
}

TEST_F(ChartWindowTest, ActivationFillsTheSeparatorListAndTheButtons) {
    app.Trennzeichen = ",";
    frmGraph2D& w = simulationsDiagramm(2, 0.1, 0, 0.15, 0, 20);
    ASSERT_EQ(w.kurvenPanel->cmbSep->count(), 3);
    EXPECT_EQ(std::tuple(w.kurvenPanel->cmbSep->itemText(0), w.kurvenPanel->cmbSep->currentText(),
                         w.cmdSingleCalc->isVisible(), w.cmdArrhRechner->isVisible()),
              std::tuple("Trennzeichen Semikolon", "Trennzeichen Komma", true, true));
    w.kurvenPanel->cmbSep->setCurrentIndex(2);
    w.cmbSep_Click();
    EXPECT_EQ(app.Trennzeichen, "\t");

    // Each activation refreshes the list from the shared separator.
    app.Trennzeichen = ";";
    Forms::get<frmPhantom>().Show();
    main->mdiArea->setActiveSubWindow(nullptr);
    w.SetFocus();
    vrn::test::processEvents();
    EXPECT_EQ(w.kurvenPanel->cmbSep->currentText(), QString("Trennzeichen Semikolon"));
}

TEST_F(ChartWindowTest, EscClosesTheOpenPanelFirstThenTheWindow) {
    frmGraph2D& w = simulationsDiagramm(2, 0.1, 0, 0.15, 0, 20);
    EXPECT_EQ(w.cmdEscGraph->text(), QString("Schließen <Esc>"));
    w.clickMenu("mnuCoord");
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.fraCoordInput->isVisible());
    ASSERT_NE(fenster(), nullptr);
    QTest::mouseClick(w.cmdZoom, Qt::LeftButton);  // an armed zoom ends first
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.Chart2D1->zoomArmed());
    ASSERT_NE(fenster(), nullptr);
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_EQ(fenster(), nullptr);
    vrn::test::processEvents();

    frmGraph2D& v = simulationsDiagramm(2, 0.1, 0, 0.15, 0, 20);
    v.frame()->move(twipsToPixelsX(900), 0);
    QTest::mouseClick(v.cmdEscGraph, Qt::LeftButton);
    EXPECT_EQ(fenster(), nullptr);
    EXPECT_NEAR(app.gGraphLeft, 900, 15);
}

TEST_F(ChartWindowTest, WindowFitsTheAreaAndClosingRemembersTheLeftEdge) {
    // A main window lower than 3/4 of the screen: the chart window is sized
    // from the area, so that its status line stays visible.
    main->resize(1000, 500);
    vrn::test::processEvents();
    app.gGraphLeft = 300;
    frmGraph2D& w = simulationsDiagramm(2, 0.1, 0, 0.15, 0, 20);
    vrn::test::processEvents();
    const QRect area = main->mdiArea->viewport()->rect();
    ASSERT_LT(area.height(), twipsToPixelsY(screenHeightTwips()) * 3 / 4);
    EXPECT_TRUE(area.contains(w.frame()->geometry())) << w.frame()->geometry().height() << " " << area.height();
    EXPECT_TRUE(area.contains(QRect(w.StatusBar2->mapTo(main->mdiArea->viewport(), QPoint(0, 0)), w.StatusBar2->size())));
    EXPECT_NEAR(w.frame()->width(), 0.72 * area.width(), 1);
    EXPECT_NEAR(w.frame()->height(), 0.75 * area.height(), 1);
    EXPECT_NEAR(w.twipsLeft(), 300, 15);
    // Made larger by the user, the window is reached by scrolling the area.
    EXPECT_FALSE(main->mdiArea->verticalScrollBar()->isVisible());
    w.frame()->resize(w.frame()->width(), area.height() + 200);
    vrn::test::processEvents();
    EXPECT_TRUE(main->mdiArea->verticalScrollBar()->isVisible());
    w.frame()->move(twipsToPixelsX(600), 0);
    Forms::unload<frmGraph2D>();
    vrn::test::processEvents();
    EXPECT_NEAR(app.gGraphLeft, 600, 15);

    {
        Aenderung auswertung;
        app.bAuswertungsart = 1;
    }
    frmGraph2D& v = simulationsDiagramm(2, 0.1, 0, 0.15, 0, 20);
    vrn::test::processEvents();
    // An evaluation chart stands at the area's right edge.
    EXPECT_NEAR(v.frame()->width(), 0.68 * area.width(), 1);
    EXPECT_NEAR(v.frame()->geometry().right() + 1, area.width() - twipsToPixelsX(50), 1);
    EXPECT_EQ(v.caption(), QString("2D-Diagramm"));
}

TEST_F(ChartWindowTest, ToolFramesAreDroppedOnTheChartAndHiddenTogether) {
    frmGraph2D& w = simulationsDiagramm(2, 0.1, 0, 0.15, 0, 20);
    vrn::test::processEvents();
    ToolFrame* f = w.fraCoordInput;
    f->show();
    f->move(20, 40);
    // Grab 105 x 45 twips into the frame, drop at chart point 2010 x 1005
    // twips: the frame lands where its outline was, the grip point under the
    // drop point.
    const QPoint grip(twipsToPixelsX(105), twipsToPixelsY(45));
    const QPoint drop = w.Chart2D1->mapToGlobal(QPoint(twipsToPixelsX(2010), twipsToPixelsY(1005)));
    QTest::mousePress(f, Qt::RightButton, Qt::NoModifier, grip);
    QTest::mouseRelease(f, Qt::RightButton, Qt::NoModifier, f->mapFromGlobal(drop));
    EXPECT_EQ(std::tuple(f->pos(), f->mapToGlobal(grip)), std::tuple(w.mapFromGlobal(drop) - grip, drop));

    // A drop beside the chart leaves the frame where it is.
    const QPoint vorher = f->pos();
    QTest::mousePress(f, Qt::LeftButton, Qt::NoModifier, grip);
    QTest::mouseRelease(f, Qt::LeftButton, Qt::NoModifier,
                        f->mapFromGlobal(w.StatusBar2->mapToGlobal(QPoint(5, 5))));
    EXPECT_EQ(std::tuple(f->pos(), w.fraPrintIt->draggable()), std::tuple(vorher, false));

    w.fraResolution->show();
    w.fraTabs->show();
    w.versteckeWerkzeugRahmen();
    for (ToolFrame* t : {w.fraTabs, w.fraKurven, w.fraPunkte, w.fraSchrift, w.fraCoordInput, w.fraPrintIt, w.fraResolution})
        EXPECT_FALSE(t->isVisible());
    w.mnuResolution_Click();
    EXPECT_EQ(std::tuple(w.fraResolution->isVisible(), w.Label54->text()), std::tuple(true, QString("300")));
    QTest::mouseClick(w.cmdResolClose, Qt::LeftButton);
    EXPECT_FALSE(w.fraResolution->isVisible());
}

