// The program's main road, walked as a user would: start, choose a model,
// enter values, draw its curves.

#include "chart/frmGraph2D.h"
#include "engine/frmKinModel.h"
#include "engine/frmPrepareTimeDiagram.h"
#include "shell/frmTip.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

TEST(MainRoad, StartChooseAModelAndDrawItsCurves) {
    test::GuiTest env;
    test::LocaleGuard german{QLocale(QLocale::German, QLocale::Germany)};
    MDIVRN w;
    w.resize(1200, 860);
    w.show();
    w.MDIForm_Load();
    Forms::unload<frmTip>();

    test::processEvents();
    QAction* ct = test::menuActionByPath(w.menuBar(), "Modell-&Simulation::Konzentrations-Zeit-Funktionen");
    ASSERT_NE(ct, nullptr);
    ct->trigger();
    frmKinModel* model = Forms::loaded<frmKinModel>();
    frmPrepareTimeDiagram* t = Forms::loaded<frmPrepareTimeDiagram>();
    ASSERT_NE(model, nullptr);
    ASSERT_NE(t, nullptr);

    QRadioButton* folge = model->optTyp[6];  // A => C => P
    QTest::mouseClick(folge, Qt::LeftButton, {}, QPoint(8, folge->height() / 2));
    EXPECT_EQ(std::tuple(app.iModell, t->Label7->text()), std::tuple(6, QString("kinet. Modell:  A => C => P")));

    t->Inp[10]->setText("0,3");  // a pasted comma ends the number: k1 = 0
    QApplication::setActiveWindow(t->frame());
    test::typeInto(t->Inp[10], "0,3");
    EXPECT_EQ(t->Inp[10]->text(), QString("0.3"));
    test::typeInto(t->Inp[14], "30");
    QTest::mouseClick(t->cmdDrawctDiagram, Qt::LeftButton);

    frmGraph2D* chart = Forms::loaded<frmGraph2D>();
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(app.gnKurven, 3);  // c(A), c(C), c(P)
    // A => C => P: cA = exp(-k1 t) at the last point.
    const int n = chart->Chart2D1->pointCount(1, 1);
    ASSERT_GT(n, 1);
    EXPECT_NEAR(chart->Chart2D1->y(1, 1, n), std::exp(-0.3 * 30), 1e-6);
    EXPECT_TRUE(test::unexpectedMessages().empty());
    test::processEvents();
    test::saveScreenshot(&w, "main_road");
}
