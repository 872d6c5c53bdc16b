#include "engine/frmPrepareTimeDiagram.h"
#include "reactors/frmBatch.h"
#include "reactors/frmProtokoll.h"
#include "reactors/frmRKconti.h"
#include "reactors/frmRohrreaktor.h"
#include "reactors/ReactorWindowSupport.h"
#include "shell/ProtName.h"

using namespace vrn;

class ReactorMenu : public test::ReactorWindowTest {};

TEST_F(ReactorMenu, ItemsOpenOneReactorAndTheModelFillsIt) {
    {
        Aenderung keinModell;
        app.iModell = 0;
    }
    main->clickMenu("mnuReaktor");
    EXPECT_EQ(rec.last().text, "vorher ein kinetisches Modell wählen!");
    EXPECT_FALSE(main->menuItem("mnuKontRK")->isEnabled());
    {
        Aenderung modell;
        app.iModell = 2;
    }
    main->clickMenu("mnuReaktor");
    for (const char* item : {"mnuBatchR", "mnuRohrR", "mnuKontRK"}) EXPECT_TRUE(main->menuItem(item)->isEnabled());
    EXPECT_FALSE(main->menuItem("mnuKaskade")->isEnabled());

    main->clickMenu("mnuctGraph");
    ASSERT_TRUE(IsFormLoaded<frmPrepareTimeDiagram>());
    frmBatch& b = open<frmBatch>("mnuBatchR", 4);
    EXPECT_FALSE(IsFormLoaded<frmPrepareTimeDiagram>());
    // B and its outlet shown, C and k2 not; the shared reaction time.
    EXPECT_EQ(std::tuple(b.Inp[1]->isVisibleTo(&b), b.Inp[6]->isVisibleTo(&b), b.Inp[2]->isVisibleTo(&b),
                         b.Inp[11]->isVisibleTo(&b)),
              std::tuple(true, true, false, false));
    EXPECT_EQ(std::tuple(b.Label7->text(), b.Inp[14]->text(), b.unit1->text()),
              std::tuple("kinet. Modell:  A + B => P   (n = 2)", " 5", "/(l/(s*mol))"));

    chooseModel(10);
    EXPECT_EQ(std::tuple(b.lblStoff[1]->text(), b.lblStoff[7]->text(), b.Inp[12]->isVisibleTo(&b), b.Bz[5]->text()),
              std::tuple("S", "ES", true, "k>"));
    chooseModel(20);
    b.SetFocus();
    test::processEvents();
    EXPECT_EQ(b.Label7->text(), "kinet. Modell:  A => P, n-ter Ordnung  (n = 1.50)");

    frmRohrreaktor& r = open<frmRohrreaktor>("mnuRohrR", 2);
    EXPECT_FALSE(IsFormLoaded<frmBatch>());
    EXPECT_EQ(r.Label7->text(), "kinet. Modell:  A => P   (n = 1)");
    frmRKconti& t = open<frmRKconti>("mnuKontRK", 11);
    EXPECT_FALSE(IsFormLoaded<frmRohrreaktor>());
    EXPECT_EQ(std::tuple(t.Inp[9]->isVisibleTo(&t), t.lblVPunktInput->text()), std::tuple(true, "V* /m^3/s"));
    main->clickMenu("mnuctGraph");
    EXPECT_FALSE(IsFormLoaded<frmRKconti>());
}

TEST_F(ReactorMenu, TwoTankResultsAndOneBatchResultInTheProtocol) {
    const std::string first = SetAutoProtName();
    app.ProtDateiName = first;
    // Model 4 leaves c(B)(0) = 1 behind in the hidden field of model 2: the
    // protocol does not show it.
    chooseModel(4);
    frmRKconti& t = open<frmRKconti>("mnuKontRK", 2);
    EXPECT_EQ(t.Inp[1]->text(), " 1");
    clickButton(t.optCalcConti[2]);
    tippe(t, {{14, "1"}, {15, "0.2"}});
    clickButton(t.cmdCalc);
    clickButton(t.cmdProtocol);
    frmProtokoll* p = Forms::loaded<frmProtokoll>();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->iProtQuelle, 2);
    clickButton(p->cmdProtokoll);
    typeInto(t.Inp[15], "0.5");
    clickButton(t.cmdCalc);
    EXPECT_FALSE(t.cmdProtocol->isEnabled());  // until the protocol window closes
    clickButton(p->cmdProtokoll);
    // A refused calculation leaves nothing to add.
    typeInto(t.Inp[15], "0");
    clickButton(t.cmdCalc);
    EXPECT_FALSE(p->cmdProtokoll->isEnabled());
    p->cmdProtokoll_Click();
    EXPECT_EQ(app.nProtZeilen, 2);
    clickButton(p->cmdClose);
    test::processEvents();
    EXPECT_TRUE(t.cmdProtocol->isEnabled());

    const std::string tank = test::readFile(env.folderStd() + "/" + first);
    EXPECT_NE(tank.find("\r\nCalculation of a Continuous Stirred Tank Reactor (CSTR)\r\n"), std::string::npos);
    EXPECT_NE(tank.find("\r\n\r\nc_A(A);c_E(A);c_E(P);k1;U(A);t; V; V*; ksi(1);\r\n"
                        "1;0.5714286;0.4285714;0.15;0.4285714;5;1;0.2;0.4285714;\r\n"
                        "1;0.7692308;0.2307692;0.15;0.2307692;2;1;0.5;0.2307692;\r\n"),
              std::string::npos)
        << tank;

    frmBatch& b = open<frmBatch>("mnuBatchR", 2);
    clickButton(b.optInpSelect[0]);
    typeInto(b.Inp[14], "5");
    clickButton(b.cmdCalc);
    clickButton(b.cmdProtocol);
    p = Forms::loaded<frmProtokoll>();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->iProtQuelle, 3);
    clickButton(p->cmdProtokoll);
    clickButton(b.cmdEsc);  // closes the protocol window too
    test::processEvents();
    EXPECT_FALSE(IsFormLoaded<frmProtokoll>());
    const std::string batch = test::readFile(env.folderStd() + "/" + first.substr(0, 6) + "02.CSV");
    EXPECT_NE(batch.find("\r\nCalculation of a Batch Reactor\r\n"), std::string::npos);
    EXPECT_NE(batch.find("\r\n\r\nc_A(A);c_E(A);c_E(P);k1;U(A);t; ksi(1);\r\n"
                         "1;0.4723665;0.5276334;0.15;0.5276334;5;0.5276334;\r\n"),
              std::string::npos)
        << batch;
    EXPECT_TRUE(test::unexpectedMessages().empty());
}
