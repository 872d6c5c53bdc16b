#include "ChartWindowSupport.h"
#include "chart/frmGraphCalc.h"
#include "base/NumberText.h"

using namespace vrn;

namespace {

frmGraphCalc& oeffne(frmGraph2D& w) {
    QTest::mouseClick(w.cmdSingleCalc, Qt::LeftButton);
    frmGraphCalc* f = Forms::loaded<frmGraphCalc>();
    EXPECT_NE(f, nullptr);
    return *f;
}

void tippe(frmGraphCalc& f, const char* text) {
    f.txtX->clear();
    QTest::keyClicks(f.txtX, text);
    QTest::keyClick(f.txtX, Qt::Key_Return);
}

}  // namespace

TEST_F(ChartWindowTest, CalculatorShowsTheConcentrationsAtATypedTime) {
    frmGraph2D& w = simulationsDiagramm(2, 0.1, 0, 0.15, 0, 20);
    frmGraphCalc& f = oeffne(w);
    EXPECT_EQ(std::tuple(f.windowTitle(), f.txtX->text(), f.lblZeit->text()),
              std::tuple("  Einzelpunkt-Rechner", "0", "s"));
    EXPECT_EQ(std::tuple(f.lblResult[0]->isVisibleTo(&f), f.lblResult[1]->isVisibleTo(&f),
                         f.lblResult[3]->isVisibleTo(&f), f.lblRes[4]->isVisibleTo(&f)),
              std::tuple(true, false, true, false));

    tippe(f, "4,5");  // the comma becomes a point
    EXPECT_EQ(f.txtX->text(), QString("4.5"));
    const double cA = 0.1 * std::exp(-0.15 * 4.5);
    EXPECT_EQ(f.lblResult[0]->text().toStdString(), Str(static_cast<Single>(cA)));
    EXPECT_EQ(f.lblResult[3]->text().toStdString(), Str(static_cast<Single>(0.1 - cA)));
    vrn::test::saveScreenshot(&f, "graph_calc");

    // t = tEnd is accepted; beyond it, below 0 and beyond a Double the one line
    // says why, and the values shown stay. A negative number beyond a Double
    // lies below 0: named with the field's range, not with the Double's.
    vrn::test::MsgRecorder msgs;
    tippe(f, "20");
    EXPECT_EQ(std::tuple(msgs.beeps(), msgs.count()), std::tuple(0, 0u));
    const QString bei20 = f.lblResult[0]->text();
    const std::pair<const char*, const char*> abgelehnt[] = {
        {"20.01", "- Zeit-Vorgabe außerhalb des Bereichs: t muss zwischen 0 und 20 s liegen"},
        {"-1", "- Zeit-Vorgabe außerhalb des Bereichs: t muss zwischen 0 und 20 s liegen"},
        {"1E39", "- Zeit-Vorgabe außerhalb des Bereichs: t muss zwischen 0 und 20 s liegen"},
        {"1E400", "- Zeit-Vorgabe zu groß: t darf höchstens 1.7E+308 sein"},
        {"-1E400", "- Zeit-Vorgabe außerhalb des Bereichs: t muss zwischen 0 und 20 s liegen"},
        // neither an empty field nor a number too near 0 is taken as t = 0
        {"", "- Zeit-Vorgabe fehlt: t muss mindestens 0 sein"},
        {"1E-400", "- Zeit-Vorgabe zu nahe an Null: t muss 0 oder mindestens 4.9E-324 sein"},
    };
    for (auto [text, zeile] : abgelehnt) {
        msgs.clear();
        tippe(f, text);
        EXPECT_TRUE(vrn::test::isOnlyMessage(msgs, zeile, " Ausführung nicht möglich ", MsgIcon::Critical)) << text;
        EXPECT_EQ(f.lblResult[0]->text(), bei20) << text;
    }

    QTest::mouseClick(f.cmdCloseGraphCalc, Qt::LeftButton);
    vrn::test::processEvents();
    EXPECT_FALSE(IsFormLoaded<frmGraphCalc>());
}

TEST_F(ChartWindowTest, CalculatorShowsNoStaleNumbersWhenTheComputationFails) {
    frmGraph2D& w = simulationsDiagramm(2, 0.1, 0, 0.15, 0, 20);
    frmGraphCalc& f = oeffne(w);
    tippe(f, "4");
    ASSERT_FALSE(f.lblResult[0]->text().isEmpty());
    // A drawn model that cannot be computed: A + B <=> P with k1 = 0.
    {
        Aenderung gezeichnet;
        app.gezeichnetMit.iModell = 17;
        app.gezeichnetMit.sSpeziesMaske = "11010";
        app.gezeichnetMit.k[1] = 0;
    }
    vrn::test::MsgRecorder msgs;
    tippe(f, "5");
    for (QLabel* l : f.lblResult) EXPECT_TRUE(l->text().isEmpty());
    EXPECT_EQ(msgs.beeps(), 1);
}

TEST_F(ChartWindowTest, CalculatorNamesTheEnzymeSpecies) {
    {
        Aenderung modell;
        app.iModell = 10;
        app.sSpeziesMaske = "11110";
    }
    frmGraphCalc& f = Forms::get<frmGraphCalc>();
    EXPECT_EQ(std::tuple(f.lblRes[0]->text(), f.lblRes[1]->text(), f.lblRes[2]->text(), f.lblRes[3]->text()),
              std::tuple("c(E)", "c(S)", "c(ES)", "c(P)"));
}
