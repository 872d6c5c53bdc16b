#include "ChartWindowSupport.h"
#include "chart/CurvePanel.h"
#include "chart/Grafik.h"
#include "chart/PointPanel.h"
#include "engine/Simulation.h"

using namespace vrn;

// Model 4 drawn as concentrations and as rates: three labelled curves whose
// points are the simulated arrays (as singles).
TEST_F(ChartWindowTest, ModelFourDrawsThreeLabelledCurvesEqualToTheSimulation) {
    for (bool rate : {false, true}) {
        SCOPED_TRACE(rate);
        auto [w, c] = diagramm(4, 0.1, 0.15, 0.5, 0, 30, rate);
        EXPECT_EQ(std::tuple(app.gnKurven, app.gnKurvenOffen), std::tuple(3, 0));
        const char* namen[3] = {"c(A) ", "c(B) ", "c(P) "};
        const std::vector<double>* cs[3] = {&app.cSim_A, &app.cSim_B, &app.cSim_P};
        const std::vector<Single>* rs[3] = {&app.rSim_A, &app.rSim_B, &app.rSim_P};
        for (int i = 1; i <= 3; ++i) {
            const std::string name = (rate ? "r" : "c") + std::string(namen[i - 1]).substr(1);
            EXPECT_EQ(std::tuple(c.labelText(i), c.labelShown(i), c.seriesLabel(1, i)), std::tuple(name, true, name));
            EXPECT_EQ(w.kurvenPanel->txtLegendCurves[static_cast<std::size_t>(i)]->text().toStdString(), name);
            const ChartSeriesData& s = c.model().groups[0].series[static_cast<std::size_t>(i - 1)];
            ASSERT_EQ(s.x.size(), 201u);
            for (std::size_t j = 0; j <= 200; ++j) {
                EXPECT_EQ(s.x[j], static_cast<double>(static_cast<Single>(app.tSim[j]))) << "point " << j;
                EXPECT_EQ(s.y[j], rate ? static_cast<double>((*rs[i - 1])[j])
                                       : static_cast<double>(static_cast<Single>((*cs[i - 1])[j]))) << "point " << j;
            }
        }
        EXPECT_EQ(c.pointCount(1, 4), 0);
        EXPECT_EQ(c.text(ChartTextBlock::Header),
                  rate ? "Reaktionsgeschwindigkeiten r, Reaktion 2. Ordnung A + B => P"
                       : "Konzentrationsverlauf für die Reaktion 2. Ordnung A + B => P");
        EXPECT_EQ(c.axisTitle(ChartAxis::X), "t/ s");
        Forms::unload<frmGraph2D>();
        vrn::test::processEvents();
    }
    // The first chart of the program (model 2 with its defaults): the c(P)
    // label's point (t = 47, c(P) = 0.9991) lies at the top of the y range 0..1.
    frmGraph2D& v = simulationsDiagramm(2, 1, 0, 0.15, 0, 100);
    EXPECT_GT(v.Chart2D1->y(1, 2, v.Chart2D1->labelPoint(2)), 0.999);
    EXPECT_FALSE(v.Chart2D1->labelRect(2).isNull());
    EXPECT_TRUE(vrn::test::unexpectedMessages().empty());
}

TEST_F(ChartWindowTest, FirstOrderDataAsKindMinusFiveGivesLineResultAndK1) {
    vrn::test::LocaleGuard de{QLocale(QLocale::German, QLocale::Germany)};
    app.sZeiteinheit = "s";
    datensatz(13, [](Messpunkt& p, int i) {
        p.t = 5.0 * (i - 1);
        p.c[1] = 0.08 * std::exp(-0.035 * p.t);
    });
    app.k[1] = 0.15;
    frmGraph2D& w = datenDiagramm(-5);

    // The transformed points and the line; their values are the evaluation's, the comma the window's.
    EXPECT_EQ(w.Chart2D1->pointCount(2, 1), 13);
    EXPECT_EQ(w.punktePanel->tabPunkte->tabText(0), QString("Fu(c)"));
    EXPECT_GE(w.Chart2D1->pointCount(1, 1), 121);
    EXPECT_TRUE(w.statusText().startsWith("Berechnungsergebnis: k = 0,035")) << w.statusText().toStdString();
    EXPECT_TRUE(w.statusText().endsWith("   (R^2 = 1,00000)")) << w.statusText().toStdString();
    EXPECT_TRUE(vrn::test::unexpectedMessages().empty());
}

TEST_F(ChartWindowTest, TwentyFifthCurveIsRefusedAndNothingIsDrawn) {
    frmGraph2D& w = simulationsDiagramm(4, 0.1, 0.15, 0.5, 0, 30);
    for (int i = 0; i < 7; ++i) {
        app.gnKurvenOffen = 3;
        QTest::mouseClick(w.cmdDraw, Qt::LeftButton);
    }
    ASSERT_EQ(app.gnKurven, 24);
    const ChartModel vorher = w.Chart2D1->model();
    vrn::test::MsgRecorder msgs;
    app.gnKurvenOffen = 3;
    QTest::mouseClick(w.cmdDraw, Qt::LeftButton);
    // The message's text is checked with the curve places.
    EXPECT_EQ(std::tuple(msgs.count(), app.gnKurven, app.gnKurvenOffen), std::tuple(1u, 24, 3));
    EXPECT_TRUE(w.Chart2D1->model() == vorher);
}

TEST_F(ChartWindowTest, DeletedPlaceIsTakenByTheNextCurve) {
    auto [w, c] = diagramm(4, 0.1, 0.15, 0.5, 0, 30);
    w.clickMenu("mnuDelete");
    EXPECT_TRUE(w.menuItem("mnuSubDelKurv(2)")->isEnabled());
    EXPECT_FALSE(w.menuItem("mnuSubDelKurv(4)")->isEnabled());
    w.menuItem("mnuSubDelKurv(2)")->trigger();
    EXPECT_EQ(std::tuple(app.gnKurven, c.pointCount(1, 2)), std::tuple(2, 0));
    EXPECT_NE(c.displayState(1, 2), 1);
    // No label is left on a curve that is gone.
    EXPECT_EQ(std::tuple(c.labelShown(2), c.labelText(2), w.menuItem("mnuSubDelKurv(2)")->isEnabled()),
              std::tuple(false, "2", false));

    // Deleting the free place again, or a number that is no curve, changes nothing.
    w.DeleteCurves(2);
    w.DeleteCurves(30);
    EXPECT_EQ(app.gnKurven, 2);

    app.gnKurvenOffen = 1;  // model 4, one pending: species P
    QTest::mouseClick(w.cmdDraw, Qt::LeftButton);
    EXPECT_EQ(std::tuple(app.gnKurven, app.KurvenSlot[1], c.labelText(2), c.labelShown(2)),
              std::tuple(3, 0, "c(P) ", true));
    ASSERT_EQ(c.pointCount(1, 2), 201);
    EXPECT_EQ(c.y(1, 2, 201), static_cast<double>(static_cast<Single>(app.cSim_P[200])));
    EXPECT_GE(c.labelPoint(2), 1);
    EXPECT_LE(c.labelPoint(2), 201);
}

TEST_F(ChartWindowTest, AllesEmptiesTheChart) {
    abfall(5, 5);
    app.gMitMesspunkten = true;
    auto [w, c] = diagramm(2, 0.1, 0, 0.15, 0, 20);
    ASSERT_EQ(c.pointCount(2, 1), 5);
    w.menuItem("mnuHalbA")->trigger();
    ASSERT_EQ(c.pointCount(1, 26), 3);
    w.menuItem("mnuAddLegend")->trigger();
    ASSERT_TRUE(c.legendShown());

    w.menuItem("mnuDelTotal")->trigger();
    EXPECT_EQ(app.gnKurven, 0);
    for (int s = 1; s <= 27; ++s) EXPECT_EQ(c.pointCount(1, s), s == 25 ? 2 : 0) << "series " << s;  // 25 stays
    for (int s = 1; s <= 7; ++s) EXPECT_EQ(c.pointCount(2, s), 0);
    for (const char* n : {"mnuDelHalbAB", "mnuDelLabels", "mnuDelLegend", "mnuDelLegendZeile", "mnuDelKurv"})
        EXPECT_FALSE(w.menuItem(n)->isEnabled()) << n;
    EXPECT_TRUE(w.statusText().isEmpty());
    for (int s = 1; s <= 7; ++s) EXPECT_FALSE(w.punktePanel->tabPunkte->isTabVisible(s - 1));

    // Drawing again starts at curve 1.
    app.gnKurvenOffen = 2;
    QTest::mouseClick(w.cmdDraw, Qt::LeftButton);
    EXPECT_EQ(std::tuple(app.gnKurven, c.pointCount(1, 1), c.labelText(1)), std::tuple(2, 201, "c(A) "));
}

// The mark's numbers in both locales are checked with the half-life tables.
TEST_F(ChartWindowTest, HalfLifeMarkOfModelTwoComesAndGoesWithItsMenuItems) {
    app.sZeiteinheit = "s";
    frmGraph2D& w = simulationsDiagramm(2, 0.1, 0, 0.15, 0, 20);
    w.menuItem("mnuHalbA")->trigger();
    const ChartControl& c = *w.Chart2D1;
    ASSERT_EQ(c.pointCount(1, 26), 3);
    EXPECT_EQ(w.statusText(), QString("Halbwertszeit tau(A) = 4.62 s"));
    EXPECT_TRUE(w.menuItem("mnuDelHalbAB")->isEnabled());
    w.menuItem("mnuDelHalbAB")->trigger();
    EXPECT_EQ(std::tuple(c.pointCount(1, 26), w.statusText().isEmpty()), std::tuple(0, true));
}

TEST_F(ChartWindowTest, ArrheniusPlotShowsTheActivationEnergy) {
    // k = 1e7 exp(-50 kJ/mol / RT) at 300..350 K.
    datensatz(6, [](Messpunkt& p, int i) {
        p.Temp = 290 + 10.0 * i;
        p.k = 1e7 * std::exp(-50000.0 / (8.3145 * p.Temp));
    });
    const double k1 = app.k[1];
    frmGraph2D& w = datenDiagramm(-3);
    EXPECT_EQ(w.Chart2D1->pointCount(2, 6), 6);
    EXPECT_TRUE(w.statusText().startsWith("Berechnungsergebnis: EA/(kJ/mol) = 50.00;  A = ")) << w.statusText().toStdString();
    // The Arrhenius plot leaves k1 alone.
    EXPECT_EQ(std::tuple(app.k[1], vrn::test::unexpectedMessages().empty()), std::tuple(k1, true));
}

TEST_F(ChartWindowTest, CriticalFailureStopsTheLoopAndFreesThePlace) {
    // Kind -8 divides by c(A)(0) - c(B)(0): equal start values cannot be evaluated.
    datensatz(5, [](Messpunkt& p, int i) {
        p.t = 2.0 * (i - 1);
        p.c[1] = 0.05 / (1 + 0.1 * p.t);
        p.c[2] = 0.05 / (1 + 0.2 * p.t);  // equal at t = 0 only
    });
    vrn::test::MsgRecorder msgs;
    frmGraph2D& w = datenDiagramm(-8);
    ASSERT_GE(msgs.count(), 1u);
    EXPECT_EQ(msgs.messages()[0].title, "ABBRUCH");
    EXPECT_TRUE(msgs.messages()[0].text.rfind("Es ist ein kritischer Fehler aufgetreten:\r\n", 0) == 0);
    EXPECT_EQ(std::tuple(w.bFehler, app.gnKurven, app.KurvenSlot[0], w.Chart2D1->pointCount(1, 1)),
              std::tuple(-1, 0, -1, 0));
}

TEST_F(ChartWindowTest, RefusedEvaluationDrawsNothing) {
    datensatz(2, [](Messpunkt& p, int i) {
        p.t = 2.0 * (i - 1);
        p.c[1] = 0.05 * std::exp(-0.1 * p.t);
    });
    {
        Aenderung aus;
        app.ExpDaten[2].aus = -1;  // one active point only
        datensatzGeschrieben();
    }
    vrn::test::MsgRecorder msgs;
    frmGraph2D& w = datenDiagramm(-5);
    ASSERT_EQ(msgs.count(), 1u);
    EXPECT_EQ(std::tuple(msgs.last().title, app.gnKurven, app.gnKurvenOffen, w.Chart2D1->pointCount(1, 1)),
              std::tuple(" Ausführung nicht möglich ", 0, 1, 0));
}

TEST_F(ChartWindowTest, CurveOutsideTheRangeIsWarnedAboutAndStillDrawn) {
    app.Achsenbereich[2] = 1;  // y from 1 to 2, above every concentration
    app.Achsenbereich[3] = 2;
    vrn::test::MsgRecorder msgs;
    {
        // A window that draws model 2: one change.
        Aenderung anfrage;
        app.iModell = 2;
        app.c0 = {};
        app.c0[1] = 0.1;
        app.k[1] = 0.15;
        app.tEnd = 20;
        app.bAuswertungsart = 1;  // keeps the simulation from recomputing the ranges
        Integer err = 0;
        calc_diagramfunctioncT(2, err);
        app.bAuswertungsart = 0;
        app.iDiagrammTyp = 2;
        app.Achsenbereich[0] = 0;
        app.Achsenbereich[1] = 20;
        zeigeDiagramm();
    }
    frmGraph2D* w = fenster();
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(msgs.count(), 2u);  // c(A) outside, and c(P) since nothing entered the range
    EXPECT_EQ(
        std::tuple(msgs.last().text, msgs.last().title, w->Chart2D1->pointCount(1, 1), w->Chart2D1->pointCount(1, 2)),
        std::tuple("Kurve außerhalb des aktuellen Koordinatenfensters\r\n\r\nVergrößern Sie das Koordinatenfenster.",
                   "WARNUNG", 201, 201));
}

TEST_F(ChartWindowTest, MeasuredPointsOutsideASimulationChartGiveTheThreeLineWarning) {
    datensatz(3, [](Messpunkt& p, int i) {
        p.t = 100.0 + i;
        p.c[1] = 0.05;
    });
    app.gMitMesspunkten = true;
    vrn::test::MsgRecorder msgs;
    simulationsDiagramm(2, 0.1, 0, 0.15, 0, 20);
    ASSERT_EQ(msgs.count(), 1u);
    EXPECT_EQ(msgs.last().text,
              "Alle experimentellen Punkte befinden sich außerhalb des Koordinatenbereichs des Diagramms\r\nPrüfen Sie, "
              "ob die geladenen exper. Punkte zu diesem\r\nDiagramm passen bzw. vergrößern Sie den Koordinatenbereich.");
    EXPECT_EQ(std::tuple(msgs.last().title, fenster()->Chart2D1->pointCount(2, 1)), std::tuple("Warnung", 3));
}
