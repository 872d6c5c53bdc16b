// Every window that listens to the owner of the shared state, against every
// action of another window that changes what it shows: after the action the
// window shows the state in force (or the state of the curves it speaks of),
// and its next result is the closed form of that state.
//
// The rows are checked against the owner's own list of who listens to what:
// every part a window listens to has a row here or in the family table of
// SharedStateWindowsTest, so a new listener cannot go untested.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <map>
#include <set>

#include "app/MDIVRN.h"
#include "base/NumberText.h"
#include "chart/frmGraph2D.h"
#include "chart/frmGraphCalc.h"
#include "data/frmArrheniusRechner.h"
#include "data/frmCalcTangente.h"
#include "data/frmFitting.h"
#include "data/frmDatedit.h"
#include "engine/frmKinModel.h"
#include "engine/frmPrepareTimeDiagram.h"
#include "engine/frmmatrix.h"
#include "platform/DataGrid.h"
#include "platform/NumberField.h"
#include "platform/Paths.h"
#include "reactors/frmBatch.h"
#include "reactors/ReactorForm.h"
#include "shell/AppState.h"
#include "shell/StateOwner.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

namespace {

std::size_t u(int i) { return static_cast<std::size_t>(i); }

QString single(double v) { return toQ(Str(static_cast<Single>(v))); }

frmKinModel& modellFenster() {
    frmKinModel* m = Forms::loaded<frmKinModel>();
    EXPECT_TRUE(m);
    return *m;
}

// A => P drawn in seconds: c(A)(0) = .1, k1 = .15 1/s, t(max) = 20.
frmGraph2D& zeichneAzuP(MDIVRN& main) {
    main.clickMenu("mnuctGraph");
    test::clickButton(modellFenster().optZeit[0]);
    test::clickButton(modellFenster().optTyp[2]);  // model 2, A => P
    auto* t = Forms::loaded<frmPrepareTimeDiagram>();
    EXPECT_TRUE(t);
    test::typeInto(t->Inp[0], "0.1");
    test::typeInto(t->Inp[10], "0.15");
    test::typeInto(t->Inp[14], "20");
    QTest::mouseClick(t->cmdDrawctDiagram, Qt::LeftButton);
    test::processEvents();
    frmGraph2D* g = Forms::loaded<frmGraph2D>();
    EXPECT_TRUE(g);
    return *g;
}

QString berechne(frmGraphCalc& f, const char* t) {
    f.txtX->clear();
    QTest::keyClicks(f.txtX, t);
    QTest::keyClick(f.txtX, Qt::Key_Return);
    return f.lblResult[0]->text();
}

struct Zeile {
    const char* wer;  // the listener's name in the owner's list
    unsigned teile;   // the parts the row changes
    const char* aktion;
    std::function<void(MDIVRN&, const QString&)> lauf;  // the user's steps, with their assertions
};

}  // namespace

TEST(StateOwnerWindows, EveryListenerShowsAndComputesWithTheStateInForce) {
    std::map<std::string, unsigned> gesehen;  // who listened to what during the rows
    auto merkeAbos = [&] {
        for (const auto& a : zustand().abos()) gesehen[a.wer] |= a.teile;
    };

    const Zeile zeilen[] = {
        {"frmGraphCalc", kTeilZeiteinheit | kTeilGezeichnet, "Einheit s -> min im Modellfenster",
         [&](MDIVRN& main, const QString& ordner) {
             frmGraph2D& g = zeichneAzuP(main);
             QTest::mouseClick(g.cmdSingleCalc, Qt::LeftButton);
             frmGraphCalc& f = *Forms::loaded<frmGraphCalc>();
             test::clickButton(modellFenster().optZeit[1]);
             merkeAbos();
             // The calculator speaks of the drawn curve: t in s, c(A) = .1 exp(-.15 t).
             EXPECT_EQ(f.lblZeit->text(), QString("s"));
             EXPECT_EQ(berechne(f, "0.1"), single(0.1 * std::exp(-0.15 * 0.1)));  // .09851119
             // Drawn anew in min, it follows the new curve.
             auto* t = Forms::loaded<frmPrepareTimeDiagram>();
             QTest::mouseClick(t->cmdDrawctDiagram, Qt::LeftButton);
             test::processEvents();
             EXPECT_EQ(f.lblZeit->text(), QString("min"));
             EXPECT_EQ(berechne(f, "0.1"), single(0.1 * std::exp(-9.0 * 0.1)));
         }},
        {"frmGraphCalc", kTeilModell | kTeilGezeichnet, "anderes Modell im Modellfenster",
         [&](MDIVRN& main, const QString& ordner) {
             frmGraph2D& g = zeichneAzuP(main);
             QTest::mouseClick(g.cmdSingleCalc, Qt::LeftButton);
             frmGraphCalc& f = *Forms::loaded<frmGraphCalc>();
             test::clickButton(modellFenster().optTyp[3]);  // model 3, 2A => P
             EXPECT_EQ(std::tuple(f.lblRes[0]->isVisibleTo(&f), f.lblRes[3]->isVisibleTo(&f),
                                  f.lblRes[1]->isVisibleTo(&f)),
                       std::tuple(true, true, false))
                 << "the species of the drawn A => P";
             EXPECT_EQ(berechne(f, "4"), single(0.1 * std::exp(-0.15 * 4)));
         }},
        {"Halbwertszeit", kTeilZeiteinheit | kTeilModell, "Einheit und Modell nach dem Zeichnen",
         [&](MDIVRN& main, const QString& ordner) {
             frmGraph2D& g = zeichneAzuP(main);
             const QString erwartet = "Halbwertszeit tau(A) = " + toQ(Format(static_cast<Single>(std::log(2.0) / 0.15), "#######0.00")) + " s";
             test::clickButton(modellFenster().optZeit[1]);
             g.mnuHalbA_Click();
             EXPECT_EQ(g.statusText(), erwartet) << "4.62 s on the s axis, not 0.08 min";
             test::clickButton(modellFenster().optZeit[2]);
             test::clickButton(modellFenster().optTyp[3]);
             g.mnuHalbA_Click();
             EXPECT_EQ(g.statusText(), erwartet) << "the mark of the drawn A => P";
         }},
        {"frmArrheniusRechner", kTeilZeiteinheit | kTeilAuswertung, "Einheit s -> min im Modellfenster",
         [&](MDIVRN& main, const QString& ordner) {
             main.clickMenu("mnuToolArrhenius");
             frmArrheniusRechner& r = *Forms::loaded<frmArrheniusRechner>();
             test::typeInto(r.txtInpArrh[0], "2.5e10");
             test::typeInto(r.txtInpArrh[1], "75000");
             QTest::mouseClick(r.cmdCalc, Qt::LeftButton);
             const double kSek = 2.5e10 * std::exp(-75000 / (8.3145 * 298.15));
             EXPECT_EQ(r.txtkResult->text(), " .001813709");
             test::clickButton(modellFenster().optZeit[1]);
             merkeAbos();
             // A is now read per minute, as its caption says: k per minute is
             // the number, k per second a sixtieth of it.
             EXPECT_EQ(std::tuple(r.lblkEinheit->text(), r.lblUnitk0->text().contains("/min"), r.txtkResult->text()),
                       std::tuple("((mol/l)^(1-n))/min", true, " .001813709"));
             EXPECT_EQ(r.txtksecResult->text().toStdString(), Str(static_cast<Single>(kSek / 60)));
             // Activating it again keeps what the user typed.
             r.SetFocus();
             test::processEvents();
             EXPECT_EQ(std::tuple(r.txtInpArrh[0]->text(), r.txtInpArrh[1]->text()), std::tuple("2.5e10", "75000"));
             // A first-order evaluation: the units of its k, the same number.
             {
                 Aenderung auswertung;
                 app.bAuswertungsart = 6;
             }
             EXPECT_EQ(std::tuple(r.lblkEinheit->text(), r.lblkEinheitsec->text(), r.txtksecResult->text()),
                       std::tuple("1/min", "1/ s", toQ(Str(static_cast<Single>(kSek / 60)))));
         }},
        {"frmArrheniusRechner", kTeilTemperatur, "neue Parameter eines Fits",
         [&](MDIVRN& main, const QString&) {
             main.clickMenu("mnuToolArrhenius");
             frmArrheniusRechner& r = *Forms::loaded<frmArrheniusRechner>();
             test::typeInto(r.txtInpArrh[0], "1e9");
             QTest::mouseClick(r.cmdCalc, Qt::LeftButton);
             {
                 Aenderung fitEnde;
                 app.dblArrhA = 2.5e10;
                 app.dblArrhEA = 75000;
             }
             EXPECT_EQ(std::tuple(r.txtInpArrh[0]->text(), r.txtkResult->text()), std::tuple(" 2.5E+10", ""))
                 << "the fitted A replaces the typed one; no result of the former inputs";
             QTest::mouseClick(r.cmdCalc, Qt::LeftButton);
             EXPECT_EQ(r.txtkResult->text(), " .001813709");
         }},
        {"frmKinModel", kTeilOrdnung, "Auto-Fitting der Reaktionsordnung",
         [&](MDIVRN& main, const QString& ordner) {
             test::loadSample(main, ordner, "2nd_order");
             main.clickMenu("mnuROFitting");
             frmFitting& f = *Forms::loaded<frmFitting>();
             frmKinModel& m = modellFenster();
             merkeAbos();
             const long vorher = zustand().meldungen();
             QTest::mouseClick(f.cmdAutoFitting, Qt::LeftButton);
             EXPECT_EQ(zustand().meldungen() - vorher, 1) << "one message when the fit ends";
             const Single n = app.nOrdnung;
             EXPECT_NEAR(n, 2.0, 0.05) << "the sample is of second order";
             EXPECT_EQ(std::tuple(m.txtOrdnung->text(), f.Inp[11]->text()), std::tuple(single(n), single(n)));
             test::clickButton(m.optTyp[0]);  // model 20 chosen again
             EXPECT_EQ(std::tuple(app.iModell, app.nOrdnung), std::tuple(Integer{20}, n)) << "the fitted order kept";
             // Closed and opened again from its menu, the window shows the order and keeps it to its last bit.
             m.Unload();
             test::processEvents();
             main.clickMenu("mnuModel");
             EXPECT_EQ(std::tuple(modellFenster().txtOrdnung->text(), app.nOrdnung), std::tuple(single(n), n));
         }},
        {"frmKinModel", kTeilDatensatz | kTeilZeiteinheit | kTeilModellwahl, "Projekt geladen, Datensatz geleert",
         [&](MDIVRN& main, const QString& ordner) {
             frmKinModel& m = modellFenster();
             EXPECT_EQ(m.lblRecalcTime->text(), QString());
             test::clickButton(m.optTyp[4]);  // A + B => P
             test::loadFirstOrderSample(main, ordner);
             EXPECT_TRUE(m.optTyp[2]->isChecked()) << "the project's A => P, set up";
             EXPECT_EQ(std::tuple(app.iModell, app.sSpeziesMaske, app.k[1]), std::tuple(Integer{2}, std::string("10010"), 0.0215));
             EXPECT_TRUE(m.lblRecalcTime->text().startsWith("Achtung")) << "without activating it again";
             EXPECT_TRUE(m.optZeit[1]->isChecked()) << "the data's unit, min";
             main.clickMenu("mnuNeudat");  // "Neueingabe" empties the data set
             EXPECT_EQ(app.nExpPunkte, 0);
             EXPECT_EQ(m.lblRecalcTime->text(), QString());
         }},
        {"frmmatrix", kTeilModell | kTeilOrdnung, "anderes Modell",
         [&](MDIVRN&, const QString&) {
             frmKinModel& m = modellFenster();
             QTest::mouseClick(m.cmdShowMatrix, Qt::LeftButton);
             frmmatrix& x = *Forms::loaded<frmmatrix>();
             merkeAbos();
             test::clickButton(m.optTyp[3]);
             EXPECT_EQ(x.Label10->text(), toQ(app.ModellName[3]));
             EXPECT_EQ(x.rowLabels[0]->text(), frmmatrix::rowText(1)) << "2A => P: A -2";
             EXPECT_TRUE(x.rowLabels[0]->text().startsWith("-2"));
         }},
        {"CalcForm 3", kTeilModell | kTeilKonstanten | kTeilStartkonz | kTeilZeiteinheit,
         "Batch: anderes Modell und andere Einheit nach dem Berechnen",
         [&](MDIVRN& main, const QString& ordner) {
             main.clickMenu("mnuBatchR");
             frmBatch& b = *Forms::loaded<frmBatch>();
             test::clickButton(modellFenster().optTyp[2]);  // A => P
             test::typeInto(b.Inp[0], "1");
             test::typeInto(b.Inp[14], "5");
             // A refused calculation changes nothing another window shows.
             {
                 test::typeInto(b.Inp[10], "-1E400");
                 const auto kVorher = app.k;
                 const long vorher = zustand().meldungen();
                 test::MsgRecorder rec;
                 QTest::mouseClick(b.cmdCalc, Qt::LeftButton);
                 EXPECT_EQ(rec.count(), 1) << "the window's own message";
                 EXPECT_EQ(std::tuple(app.k, zustand().meldungen()), std::tuple(kVorher, vorher));
             }
             test::typeInto(b.Inp[10], "0.15");
             QTest::mouseClick(b.cmdCalc, Qt::LeftButton);
             merkeAbos();
             EXPECT_EQ(b.Inp[5]->text(), single(std::exp(-0.15 * 5)));
             EXPECT_TRUE(b.cmdProtocol->isEnabled());
             test::clickButton(modellFenster().optZeit[1]);
             EXPECT_EQ(std::tuple(b.Inp[5]->text(), b.cmdProtocol->isEnabled()), std::tuple(" 0", false))
                 << "no outlet of the former unit beside the new one";
             EXPECT_EQ(b.Inp[10]->text(), single(9)) << "k1 per minute";
             test::typeInto(b.Inp[14], "0.05");
             QTest::mouseClick(b.cmdCalc, Qt::LeftButton);
             EXPECT_EQ(b.Inp[5]->text(), single(std::exp(-9.0 * 0.05))) << "0.05 min";
             EXPECT_TRUE(b.cmdProtocol->isEnabled());
             test::clickButton(modellFenster().optTyp[3]);
             EXPECT_EQ(std::tuple(b.Inp[5]->text(), b.cmdProtocol->isEnabled()), std::tuple(" 0", false))
                 << "no row of the former model";
         }},
        {"frmCalcTangente", kTeilZeiteinheit | kTeilDatensatz, "Einheit min -> s im Modellfenster",
         [&](MDIVRN& main, const QString& ordner) {
             test::loadFirstOrderSample(main, ordner);  // k1 = .0215 1/min, c(A)(0) = .05
             main.clickMenu("mnuSubTangente(1)");
             frmCalcTangente& t = *Forms::loaded<frmCalcTangente>();
             merkeAbos();
             t.txtX->clear();
             QTest::keyClicks(t.txtX, "30");
             QTest::keyClick(t.txtX, Qt::Key_Return);
             const double cMin = Val(toStd(t.txtyResult->text())), rMin = Val(toStd(t.txtyStrichResult->text()));
             const double c30 = 0.05 * std::exp(-0.0215 * 30);
             EXPECT_NEAR(cMin, c30, 0.03 * c30) << "the measured points scatter about the curve";
             EXPECT_NEAR(rMin, -0.0215 * c30, 0.05 * 0.0215 * c30) << "mol/(l min)";
             test::clickButton(modellFenster().optZeit[0]);
             EXPECT_EQ(std::tuple(t.txtX->text(), t.lblZeit->text(), t.Label4->text()),
                       std::tuple(" 1800", "s", "mol/(l s)"));
             EXPECT_NEAR(Val(toStd(t.txtyResult->text())), cMin, 1e-6 * cMin) << "the same moment";
             EXPECT_NEAR(Val(toStd(t.txtyStrichResult->text())), rMin / 60, 1e-5 * std::abs(rMin / 60)) << "per second";
             frmGraph2D* g = Forms::loaded<frmGraph2D>();
             ASSERT_TRUE(g);
             EXPECT_EQ(g->Chart2D1->axisTitle(ChartAxis::X), "t/ s");
         }},
        {"CalcForm 5", kTeilZeiteinheit | kTeilKonstanten | kTeilDatensatz, "Fitting: Einheit im Dateneditor",
         [&](MDIVRN& main, const QString& ordner) {
             test::loadFirstOrderSample(main, ordner);
             main.clickMenu("mnuCtFitting");
             frmFitting& f = *Forms::loaded<frmFitting>();
             merkeAbos();
             main.clickMenu("mnuEdit");
             frmDatedit& d = *Forms::loaded<frmDatedit>();
             test::clickButton(d.optZeit[0]);
             EXPECT_EQ(f.Inp[10]->text(), single(0.0215 / 60)) << "k1 per second";
             frmGraph2D* g = Forms::loaded<frmGraph2D>();
             ASSERT_TRUE(g);
             EXPECT_EQ(g->Chart2D1->axisTitle(ChartAxis::X), "t/ s") << "drawn anew at once";
             // Its curve: c(A) = .05 exp(-.0215/60 t) at the chart's last point.
             const int n = g->Chart2D1->pointCount(1, 1);
             ASSERT_GT(n, 1);
             const double tEnde = g->Chart2D1->x(1, 1, n);
             EXPECT_GT(tEnde, 3600.0) << "seconds";
             EXPECT_NEAR(g->Chart2D1->y(1, 1, n), 0.05 * std::exp(-0.0215 / 60 * tEnde), 1e-6);
         }},
        {"frmDatedit", kTeilDatensatzGeladen, "Projekt geladen bei offenem Editor",
         [&](MDIVRN& main, const QString& ordner) {
             main.clickMenu("mnuNeudat");
             frmDatedit& d = *Forms::loaded<frmDatedit>();
             merkeAbos();
             test::loadFirstOrderSample(main, ordner);
             ASSERT_EQ(Forms::loaded<frmDatedit>(), &d);
             EXPECT_TRUE(d.txtComment->text().startsWith("Zerfall 1. Ordnung A => P"));
             EXPECT_EQ(std::tuple(d.Grid->rowCount(), d.lblKopf[5]->text()), std::tuple(25, "  Zeit t/min"));
         }},
        {"frmDatedit", kTeilZeiteinheit, "Einheit im Editor: ein Mal gefüllt",
         [&](MDIVRN& main, const QString& ordner) {
             test::loadFirstOrderSample(main, ordner);
             main.clickMenu("mnuEdit");
             frmDatedit& d = *Forms::loaded<frmDatedit>();
             merkeAbos();
             const double t2 = app.ExpDaten[2].t;
             const long vorher = zustand().meldungen();
             test::clickButton(d.optZeit[0]);
             EXPECT_EQ(zustand().meldungen() - vorher, 1) << "one message for the whole change";
             EXPECT_DOUBLE_EQ(app.ExpDaten[2].t, 60 * t2);
             EXPECT_TRUE(modellFenster().optZeit[0]->isChecked());
             EXPECT_EQ(d.lblKopf[5]->text(), QString("  Zeit t/s"));
         }},
    };

    for (const Zeile& z : zeilen) {
        SCOPED_TRACE(std::string(z.wer) + " × " + z.aktion);
        test::GuiTest env;
        auto main = test::startMainWindow();
        zustand().unangekuendigtZuruecksetzen();
        z.lauf(*main, env.folder());
        merkeAbos();
        main.reset();
        EXPECT_EQ(teilNamen(zustand().unangekuendigt()), "") << "every write announced by its action";
    }

    // Every part a window listens to has its row (the calculation windows'
    // constants, concentrations and data are the family table's).
    std::map<std::string, unsigned> abgedeckt;
    for (const Zeile& z : zeilen) abgedeckt[z.wer] |= z.teile;
    for (const auto& [wer, teile] : gesehen) {
        if (wer.rfind("CalcForm", 0) == 0 || wer == "test") continue;
        EXPECT_EQ(teilNamen(teile & ~abgedeckt[wer]), "") << wer << " listens to parts no row changes";
    }
    EXPECT_TRUE(gesehen.count("CalcForm 1") && gesehen.count("CalcForm 3"));
}

// Every reactor window: a calculation its checks refuse (k1 below the range
// of a Double, named as a k1 that must be above 0) leaves the feed and the
// constants in force as they were, and
// no other window hears anything, though the window's feed field holds a
// new number.
TEST(StateOwnerWindows, EveryReactorRefusingItsInputChangesNothingOtherWindowsShow) {
    for (const char* menu : {"mnuBatchR", "mnuRohrR", "mnuKontRK"}) {
        SCOPED_TRACE(menu);
        test::GuiTest env;
        auto main = test::startMainWindow();
        main->clickMenu(menu);
        test::clickButton(modellFenster().optTyp[2]);  // A => P
        ReactorForm* r = nullptr;
        for (VrnForm* f : Forms::all())
            if (auto* c = qobject_cast<ReactorForm*>(f)) r = c;
        ASSERT_TRUE(r);
        test::typeInto(r->Inp[0], "0.7");
        test::typeInto(r->Inp[10], "-1E400");
        const auto c0 = app.c0;
        const auto k = app.k;
        const long vorher = zustand().meldungen();
        test::MsgRecorder rec;
        QTest::mouseClick(r->cmdCalc, Qt::LeftButton);
        ASSERT_EQ(rec.count(), 1u);
        EXPECT_NE(rec.last().text.find("k1 muss größer Null sein"), std::string::npos) << rec.last().text;
        EXPECT_EQ(std::tuple(app.c0, app.k, zustand().meldungen()), std::tuple(c0, k, vorher));
        main.reset();
    }
}

// For the drawn curves of every kind of model (closed forms, integrated,
// n-th order): a unit change in the model window moves neither the half-life
// mark nor what the single-point calculator answers; both speak of the curve
// on the screen in the unit of its axis.
TEST(StateOwnerWindows, MarksAndCalculatorOfEveryModelKeepToTheDrawnCurve) {
    for (int option : {1, 2, 3, 4, 6, 7, 12, 0}) {  // option 0 is model 20
        SCOPED_TRACE(option);
        test::GuiTest env;
        auto main = test::startMainWindow();
        test::MsgRecorder rec;  // equilibria name an unreachable half value in a box
        main->clickMenu("mnuctGraph");
        test::clickButton(modellFenster().optZeit[0]);
        test::clickButton(modellFenster().optTyp[static_cast<std::size_t>(option)]);
        auto* t = Forms::loaded<frmPrepareTimeDiagram>();
        ASSERT_TRUE(t);
        QTest::mouseClick(t->cmdDrawctDiagram, Qt::LeftButton);
        test::processEvents();
        frmGraph2D* g = Forms::loaded<frmGraph2D>();
        ASSERT_TRUE(g);
        QTest::mouseClick(g->cmdSingleCalc, Qt::LeftButton);
        frmGraphCalc& f = *Forms::loaded<frmGraphCalc>();
        const std::string mitte = Str(app.tEnd / 2);
        auto sicht = [&] {
            g->mnuHalbA_Click();
            QStringList s{g->statusText(), f.lblZeit->text(), berechne(f, mitte.c_str())};
            for (QLabel* l : f.lblResult) s << l->text();
            return s;
        };
        const QStringList vorher = sicht();
        EXPECT_FALSE(vorher[2].isEmpty()) << "the calculator answers for the drawn curve";
        test::clickButton(modellFenster().optZeit[1]);  // s -> min converts the constants
        EXPECT_EQ(sicht(), vorher);
        test::clickButton(modellFenster().optTyp[option == 2 ? 3 : 2]);  // another model
        EXPECT_EQ(sicht(), vorher);
        main.reset();
    }
}
