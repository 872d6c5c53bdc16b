// Every window that listens to the owner of the shared state, against every
// action of another window that changes what it shows: after the action the
// window shows the state in force (or the state of the curves it speaks of),
// and its next result is the closed form of that state.
//
// The rows are checked against the owner's own list of who listens to what:
// every part a window listens to has a row here or in the family table of
// SharedStateWindowsTest, so a new listener cannot go untested.

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "app/MDIVRN.h"
#include "base/NumberText.h"
#include "base/Zahlbereich.h"
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
#include "reactors/Protocol.h"
#include "reactors/frmBatch.h"
#include "reactors/frmProtokoll.h"
#include "reactors/frmRKconti.h"
#include "reactors/frmRohrreaktor.h"
#include "reactors/ReactorForm.h"
#include "shell/AppState.h"
#include "shell/TextFile.h"
#include "shell/StateOwner.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

namespace {


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
        {"frmArrheniusRechner", kTeilTemperatur, "OK des Dateneditors, dann ein Fit der Temperaturfunktion",
         [&](MDIVRN& main, const QString&) {
             // Three isotherms of A => P, k = 1e10 exp(-60000/(R T)) 1/s, typed into the editor.
             test::setDataSet(27, [](Messpunkt& p, int i) {
                 p.Temp = 300 + 10 * ((i - 1) / 9);
                 p.t = 0.5 * ((i - 1) % 9);
                 p.c[1] = std::exp(-1e10 * std::exp(-60000 / (8.3145 * p.Temp)) * p.t);
             });
             test::clickButton(modellFenster().optZeit[0]);
             main.clickMenu("mnuToolArrhenius");
             frmArrheniusRechner& r = *Forms::loaded<frmArrheniusRechner>();
             test::typeInto(r.txtInpArrh[0], "1E13");
             test::typeInto(r.txtInpArrh[1], "100000");
             QTest::mouseClick(r.cmdCalc, Qt::LeftButton);
             EXPECT_EQ(r.txtkResult->text(), " 3.025776E-05");
             merkeAbos();
             // The editor's OK sets the start values of a non-isothermal fit
             // (A = EA = 100): the calculator keeps what the user typed, and its result.
             test::MsgRecorder rec;
             rec.answer(MsgAnswer::No);  // the note on the times of non-isothermal data: go on
             main.clickMenu("mnuEdit");
             test::clickButton(Forms::get<frmDatedit>().OK);
             EXPECT_EQ(app.dblArrhA, 100.0);
             EXPECT_EQ(std::tuple(r.txtInpArrh[0]->text(), r.txtInpArrh[1]->text(), r.txtkResult->text()),
                       std::tuple("1E13", "100000", " 3.025776E-05"));
             // A fit of the temperature function shows its parameters in the open calculator.
             main.clickMenu("mnuNonIsothermFitting(1)");
             frmFitting& f = *Forms::loaded<frmFitting>();
             test::typeInto(f.Inp[10], "1");
             test::typeInto(f.Inp[11], "1");
             QTest::mouseClick(f.cmdAutoFitting, Qt::LeftButton);
             EXPECT_NEAR(app.dblArrhEA, 60000, 6);
             EXPECT_EQ(std::tuple(r.txtInpArrh[0]->text(), r.txtInpArrh[1]->text(), r.txtkResult->text()),
                       std::tuple(toQ(StrAlsSingle(app.dblArrhA)), toQ(StrAlsSingle(app.dblArrhEA)), ""))
                 << "the fitted A and EA; no result of the former inputs";
             QTest::mouseClick(r.cmdCalc, Qt::LeftButton);
             const double k = zuSingle(app.dblArrhA) * std::exp(-zuSingle(app.dblArrhEA) / (8.3145 * 298.15));
             EXPECT_NEAR(Val(toStd(r.txtkResult->text())), k, 1e-6 * k);
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
             EXPECT_EQ(g->Chart2D1->axisTitle(ChartAxis::X), "t/ min") << "its chart stays as it was drawn";
             // "Berechnen" draws its chart anew from the data in force: the same values.
             QTest::keyClick(t.txtX, Qt::Key_Return);
             g = Forms::loaded<frmGraph2D>();
             ASSERT_TRUE(g);
             EXPECT_EQ(g->Chart2D1->axisTitle(ChartAxis::X), "t/ s");
             EXPECT_NEAR(Val(toStd(t.txtyResult->text())), cMin, 1e-6 * cMin);
             EXPECT_NEAR(Val(toStd(t.txtyStrichResult->text())), rMin / 60, 1e-5 * std::abs(rMin / 60));
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
             EXPECT_EQ(g->Chart2D1->axisTitle(ChartAxis::X), "t/ min") << "its chart stays as it was drawn";
             // Drawn again by the user, the chart shows the data and the curve in seconds.
             QTest::mouseClick(f.cmdDrawNewCurve, Qt::LeftButton);
             g = Forms::loaded<frmGraph2D>();
             ASSERT_TRUE(g);
             EXPECT_EQ(g->Chart2D1->axisTitle(ChartAxis::X), "t/ s");
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
        {"CalcForm 3", kTeilZeiteinheit, "Protokoll: Einheit min zwischen zwei Zeilen",
         [&](MDIVRN& main, const QString&) {
             main.clickMenu("mnuBatchR");
             frmBatch& b = *Forms::loaded<frmBatch>();
             test::clickButton(modellFenster().optZeit[0]);
             test::clickButton(modellFenster().optTyp[2]);  // A => P
             test::typeInto(b.Inp[0], "1");
             test::typeInto(b.Inp[10], "0.0005");
             test::typeInto(b.Inp[14], "1000");
             QTest::mouseClick(b.cmdCalc, Qt::LeftButton);
             QTest::mouseClick(b.cmdProtocol, Qt::LeftButton);
             frmProtokoll& p = *Forms::loaded<frmProtokoll>();
             QTest::mouseClick(p.cmdProtokoll, Qt::LeftButton);
             test::clickButton(modellFenster().optZeit[1]);
             merkeAbos();
             EXPECT_EQ(b.Inp[10]->text(), " .03") << "k1 per minute";
             EXPECT_FALSE(p.cmdProtokoll->isEnabled()) << "no row of the former unit under the new one";
             test::typeInto(b.Inp[14], "10");
             QTest::mouseClick(b.cmdCalc, Qt::LeftButton);
             QTest::mouseClick(p.cmdProtokoll, Qt::LeftButton);
             const std::string datei = protocolPath(app.ProtDateiName);
             QTest::mouseClick(p.cmdOpenNew, Qt::LeftButton);
             std::vector<std::string> zeilen;
             std::string fehler;
             ASSERT_TRUE(readTextLines(datei, zeilen, fehler)) << fehler;
             auto wo = [&](const std::string& anfang) {
                 return std::find_if(zeilen.begin(), zeilen.end(),
                                     [&](const std::string& z) { return z.rfind(anfang, 0) == 0; }) - zeilen.begin();
             };
             // 1000 s: c(A) = exp(-.5); 10 min at .03 1/min: c(A) = exp(-.3).
             const auto sekunden = wo("units: [c(i)] = mol/L   [k_1] = 1/s "), minuten = wo("units: [c(i)] = mol/L   [k_1] = 1/min ");
             const auto zeile1 = wo("1;0.6065307;"), zeile2 = wo("1;0.7408182;");
             EXPECT_TRUE(sekunden < zeile1 && zeile1 < minuten && minuten < zeile2)
                 << sekunden << " " << zeile1 << " " << minuten << " " << zeile2;
             EXPECT_EQ(static_cast<std::size_t>(zeile2), zeilen.size() - 1);
         }},
        {"frmKinModel", kTeilZeiteinheit | kTeilDatensatz, "Datensatz in s im Editor geladen, Modell in min",
         [&](MDIVRN& main, const QString& ordner) {
             main.clickMenu("mnuctGraph");
             frmPrepareTimeDiagram& t = *Forms::loaded<frmPrepareTimeDiagram>();
             frmKinModel& m = modellFenster();
             test::clickButton(m.optZeit[0]);
             test::clickButton(m.optTyp[13]);  // A + B => C <=> P: .15, .1, .005 per s
             test::clickButton(m.optZeit[1]);
             EXPECT_EQ(std::tuple(t.Inp[10]->text(), t.Inp[11]->text(), t.Inp[12]->text()),
                       std::tuple(" 9", " 6", " .3"));
             for (const char* ext : {".VRP", ".VRD"})
                 QFile::copy(resourceFolder() + "/samples/2nd_order" + ext, ordner + "/2nd_order" + ext);
             main.clickMenu("mnuNeudat");
             test::answerOpenDialog("2nd_order.VRD", toStd(ordner));
             merkeAbos();
             test::clickButton(Forms::get<frmDatedit>().cmdLoadFile);
             // The data are in s: the constants per s, as the unit options give them.
             EXPECT_EQ(app.sZeiteinheit, "s");
             EXPECT_NEAR(app.k[1], 0.15, 1e-15);
             EXPECT_NEAR(app.k[2], 0.1, 1e-15);
             EXPECT_NEAR(app.k[3], 0.005, 1e-17);
             EXPECT_EQ(std::tuple(t.Inp[10]->text(), t.Inp[11]->text(), t.Inp[12]->text(), t.unit1->text()),
                       std::tuple(" .15", " .1", " .005", "/(l/(s*mol))"));
             EXPECT_TRUE(m.optZeit[0]->isChecked());
             EXPECT_TRUE(m.lblRecalcTime->text().endsWith(
                 "Die geladenen Daten haben die Zeiteinheit s: die Geschwindigkeitskonstanten wurden von min in s "
                 "umgerechnet."))
                 << m.lblRecalcTime->text().toStdString();
             test::processEvents();
             EXPECT_TRUE(test::showsWhole(m.lblRecalcTime));
             EXPECT_TRUE(test::fitsItsWindow(&m));
             test::saveScreenshot(&m, "kinmodel_konstanten_umgerechnet");
             // Chosen by the user in the model window, the unit needs the note no more.
             test::clickButton(m.optZeit[1]);
             EXPECT_FALSE(m.lblRecalcTime->text().contains("umgerechnet"));
         }},
        {"CalcForm 5", kTeilKonstanten, "Auto-Fitting, dann k1 getippt",
         [&](MDIVRN& main, const QString& ordner) {
             test::loadFirstOrderSample(main, ordner);
             main.clickMenu("mnuCtFitting");
             frmFitting& f = *Forms::loaded<frmFitting>();
             merkeAbos();
             QTest::mouseClick(f.cmdAutoFitting, Qt::LeftButton);
             EXPECT_TRUE(f.lblPlusMinus[1]->isVisible() && f.lblStdDev[1]->isVisible());
             test::typeInto(f.Inp[10], "0.03");
             EXPECT_EQ(app.k[1], 0.03);
             EXPECT_FALSE(f.lblPlusMinus[1]->isVisible() || f.lblStdDev[1]->isVisible())
                 << "no ± of the fit beside the value the user typed";
         }},
        {"frmKinModel", kTeilModellwahl, "Projekt geladen: alle Fenster zeigen es vor seiner Meldung",
         [&](MDIVRN& main, const QString& ordner) {
             main.clickMenu("mnuctGraph");
             frmKinModel& m = modellFenster();
             test::clickButton(m.optTyp[4]);  // A + B => P, in s
             frmPrepareTimeDiagram& t = *Forms::loaded<frmPrepareTimeDiagram>();
             merkeAbos();
             QStringList beiDerMeldung;
             const MsgHandler vorher = setMsgHandler([&](const MsgRequest& r) {
                 if (r.title == "geladen...")
                     beiDerMeldung << QString::number(m.optTyp[2]->isChecked()) << QString::number(m.optZeit[1]->isChecked())
                                   << t.Label7->text() << t.Inp[10]->text() << t.unit1->text();
                 return firstAnswer(r.buttons);
             });
             test::loadFirstOrderSample(main, ordner);
             setMsgHandler(vorher);
             EXPECT_EQ(beiDerMeldung, (QStringList{"1", "1", "kinet. Modell:  A => P   (n = 1)", " .0215", "/(1/min)"}))
                 << "the project's A => P in min when \"geladen...\" stands";
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

namespace {

// What the user typed into a listening window and has not used yet, and what
// the field shows after an action: unchanged, or after a unit change of the
// times from min to s (factor 60) or to h (1/60): a time follows the data's
// times, a rate constant the constants, a concentration stays.
struct Getippt {
    QLineEdit* feld;
    QString text;
    QString inSekunden;
    QString inStunden;
};

// A window that listens to the owner, as the user opens it.
struct Hoerer {
    const char* wer;
    std::function<void(MDIVRN&)> oeffne;
    std::function<VrnForm*()> fenster;
    std::function<std::vector<Getippt>(VrnForm&)> tippe;  // types what the window does not use yet
};

enum class Einheit { Gleich, Sekunden, Stunden };

// An action of the user in another window.
struct Handlung {
    const char* name;
    std::function<void(MDIVRN&, const QString& ordner)> tue;
    std::function<VrnForm*()> wo;  // the window acted in, where the focus stays; none for a menu
    Einheit einheit;
    std::set<std::string> schliesst;  // windows the user's own choice closes (a menu's rule)
    const char* eigenes = "";          // the listener the action is made in (no other window's action for it)
};

void kopiere(const char* name, const QString& ordner) {
    for (const char* ext : {".VRP", ".VRD"})
        QFile::copy(resourceFolder() + "/samples/" + name + ext, ordner + "/" + name + ext);
}

// Types as the user does, leaving the focus in the field.
Getippt tippe(QLineEdit* f, const QString& text, const QString& s, const QString& h) {
    test::typeInto(f, text);
    return {f, text, s, h};
}
Getippt tippe(QLineEdit* f, const QString& text) { return tippe(f, text, text, text); }

frmDatedit& editor(MDIVRN& m) {
    if (!Forms::loaded<frmDatedit>()) m.clickMenu("mnuEdit");
    frmDatedit* d = Forms::loaded<frmDatedit>();
    EXPECT_TRUE(d);
    return *d;
}

template <class W>
std::function<VrnForm*()> geladen() {
    return [] { return static_cast<VrnForm*>(Forms::loaded<W>()); };
}

std::vector<Getippt> tippeReaktor(VrnForm& w) {
    auto& r = static_cast<CalcForm&>(w);
    return {tippe(r.Inp[0], "0.7"), tippe(r.Inp[10], "0.3", " .005", " 18")};
}

const Hoerer kHoerer[] = {
    {"CalcForm 1", [](MDIVRN& m) { m.clickMenu("mnuctGraph"); }, geladen<frmPrepareTimeDiagram>(),
     [](VrnForm& w) {
         auto& t = static_cast<frmPrepareTimeDiagram&>(w);
         return std::vector<Getippt>{tippe(t.Inp[0], ".07"), tippe(t.Inp[10], "0.3", " .005", " 18"),
                                     tippe(t.Inp[14], "200")};
     }},
    {"CalcForm 3", [](MDIVRN& m) { m.clickMenu("mnuBatchR"); }, geladen<frmBatch>(),
     [](VrnForm& w) {
         auto v = tippeReaktor(w);
         v.push_back(tippe(static_cast<CalcForm&>(w).Inp[14], "10"));
         return v;
     }},
    {"CalcForm 2", [](MDIVRN& m) { m.clickMenu("mnuKontRK"); }, geladen<frmRKconti>(), tippeReaktor},
    {"CalcForm 4", [](MDIVRN& m) { m.clickMenu("mnuRohrR"); }, geladen<frmRohrreaktor>(), tippeReaktor},
    {"frmDatedit", [](MDIVRN& m) { editor(m); }, geladen<frmDatedit>(),
     [](VrnForm& w) {
         auto& d = static_cast<frmDatedit&>(w);
         return std::vector<Getippt>{tippe(d.y[1], ".06"), tippe(d.y[3], ".011"),
                                     tippe(d.y[0], "30", " 1800", " .5")};
     }},
    // A time the box cannot take stays as typed through a unit change, to be
    // named when the row is taken over (never converted as 0).
    {"frmDatedit", [](MDIVRN& m) { editor(m); }, geladen<frmDatedit>(),
     [](VrnForm& w) { return std::vector<Getippt>{tippe(static_cast<frmDatedit&>(w).y[0], "1E400")}; }},
    {"frmCalcTangente", [](MDIVRN& m) { m.clickMenu("mnuSubTangente(1)"); }, geladen<frmCalcTangente>(),
     [](VrnForm& w) {
         return std::vector<Getippt>{tippe(static_cast<frmCalcTangente&>(w).txtX, "30", " 1800", " .5")};
     }},
    {"frmArrheniusRechner", [](MDIVRN& m) { m.clickMenu("mnuToolArrhenius"); }, geladen<frmArrheniusRechner>(),
     [](VrnForm& w) {
         auto& r = static_cast<frmArrheniusRechner&>(w);
         return std::vector<Getippt>{tippe(r.txtInpArrh[0], "1E13"), tippe(r.txtInpArrh[1], "100000")};
     }},
    {"frmKinModel", [](MDIVRN&) {}, geladen<frmKinModel>(), [](VrnForm&) { return std::vector<Getippt>{}; }},
    {"frmmatrix", [](MDIVRN&) { QTest::mouseClick(modellFenster().cmdShowMatrix, Qt::LeftButton); },
     geladen<frmmatrix>(), [](VrnForm&) { return std::vector<Getippt>{}; }},
    // Its parameters are in force as they are typed: nothing waits to be used.
    {"CalcForm 5", [](MDIVRN& m) { m.clickMenu("mnuCtFitting"); }, geladen<frmFitting>(),
     [](VrnForm&) { return std::vector<Getippt>{}; }},
    {"frmGraphCalc",
     [](MDIVRN& m) {
         m.clickMenu("mnuctGraph");
         QTest::mouseClick(Forms::get<frmPrepareTimeDiagram>().cmdDrawctDiagram, Qt::LeftButton);
         QTest::mouseClick(Forms::loaded<frmGraph2D>()->cmdSingleCalc, Qt::LeftButton);
     },
     geladen<frmGraphCalc>(),
     [](VrnForm& w) { return std::vector<Getippt>{tippe(static_cast<frmGraphCalc&>(w).txtX, "5")}; }},
};

const Handlung kHandlungen[] = {
    {"Einheit s im Modellfenster",
     [](MDIVRN&, const QString&) {
         frmKinModel& m = modellFenster();
         m.SetFocus();
         test::clickButton(m.optZeit[0]);
     },
     geladen<frmKinModel>(), Einheit::Sekunden, {}},
    {"Einheit h im Dateneditor",
     [](MDIVRN& main, const QString&) {
         frmDatedit& d = editor(main);
         d.SetFocus();
         test::clickButton(d.optZeit[2]);
     },
     geladen<frmDatedit>(), Einheit::Stunden, {}, "frmDatedit"},
    {"Modell 3 im Modellfenster",
     [](MDIVRN&, const QString&) {
         frmKinModel& m = modellFenster();
         m.SetFocus();
         test::clickButton(m.optTyp[3]);
     },
     geladen<frmKinModel>(), Einheit::Gleich, {}},
    {"Datensatz 2nd_order (s) im Editor geladen, OK",
     [](MDIVRN& main, const QString& ordner) {
         kopiere("2nd_order", ordner);
         frmDatedit& d = editor(main);
         test::answerOpenDialog("2nd_order.VRD", toStd(ordner));
         test::clickButton(d.cmdLoadFile);
         test::clickButton(d.OK);
     },
     nullptr, Einheit::Sekunden, {}, "frmDatedit"},
    {"Projekt 2nd_order geladen",
     [](MDIVRN& main, const QString& ordner) {
         kopiere("2nd_order", ordner);
         test::answerOpenDialog("2nd_order.VRP", toStd(ordner));
         main.clickMenu("mnuLoadProject");
     },
     nullptr, Einheit::Gleich, {"CalcForm 5"}},
    {"Auto-Fitting",
     [](MDIVRN& main, const QString&) {
         main.clickMenu("mnuCtFitting");
         QTest::mouseClick(Forms::get<frmFitting>().cmdAutoFitting, Qt::LeftButton);
     },
     nullptr, Einheit::Gleich, {"CalcForm 1", "CalcForm 2", "CalcForm 3", "CalcForm 4", "frmGraphCalc"}, "CalcForm 5"},
    {"c-t-Diagramm gezeichnet",
     [](MDIVRN& main, const QString&) {
         main.clickMenu("mnuctGraph");
         QTest::mouseClick(Forms::get<frmPrepareTimeDiagram>().cmdDrawctDiagram, Qt::LeftButton);
     },
     nullptr, Einheit::Gleich, {"CalcForm 2", "CalcForm 3", "CalcForm 4", "CalcForm 5", "frmGraphCalc"}, "CalcForm 1"},
};

}  // namespace

// Every listening window with text the user typed and has not used yet,
// against every action of the user in another window (the owner's alarm on):
// the window stays open, the typed text stays (a unit change converts a
// typed time and a typed rate constant), and where the user acted in a
// window, that window keeps the focus and stays the active one.
TEST(StateOwnerWindows, EveryListenerKeepsTypedTextAndTheFocusThroughEveryAction) {
    for (const Hoerer& h : kHoerer) {
        for (const Handlung& a : kHandlungen) {
            if (std::string(h.wer) == a.eigenes) continue;  // the window's own action
            SCOPED_TRACE(std::string(h.wer) + " × " + a.name);
            test::GuiTest env;
            auto main = test::startMainWindow();
            test::MsgRecorder rec;
            test::loadFirstOrderSample(*main, env.folder());  // min, A => P, k1 = .0215
            h.oeffne(*main);
            test::processEvents();
            VrnForm* w = h.fenster();
            ASSERT_TRUE(w);
            w->SetFocus();
            const std::vector<Getippt> getippt = h.tippe(*w);
            a.tue(*main, env.folder());
            test::processEvents();
            if (a.schliesst.count(h.wer)) {
                main.reset();
                continue;
            }
            ASSERT_EQ(h.fenster(), w) << "the window stays open";
            for (const Getippt& g : getippt) {
                const QString soll = a.einheit == Einheit::Sekunden ? g.inSekunden
                                     : a.einheit == Einheit::Stunden ? g.inStunden
                                                                     : g.text;
                EXPECT_EQ(g.feld->text(), soll) << g.feld->objectName().toStdString() << " typed " << g.text.toStdString();
            }
            if (VrnForm* wo = a.wo ? a.wo() : nullptr) {
                EXPECT_TRUE(wo->isAncestorOf(QApplication::focusWidget())) << "the focus stays where the user acted";
                if (QMdiArea* area = Forms::mdiArea()) {
                    EXPECT_EQ(area->activeSubWindow(), wo->frame()) << "and that window stays the active one";
                }
            }
            main.reset();
        }
    }
}

// A chart the user drew, with its half-life mark, beside every window that
// listens: no action in another window closes, replaces or redraws it, and
// the next drawing shows the measured points only when its box asks for them.
TEST(StateOwnerWindows, TheUsersChartStaysWithItsMarks) {
    const struct {
        const char* wer;
        std::function<void(MDIVRN&)> oeffne;
    } daneben[] = {
        {"frmKinModel", [](MDIVRN&) {}},
        {"frmDatedit", [](MDIVRN& m) { editor(m); }},
        {"frmCalcTangente",  // with a result shown
         [](MDIVRN& m) {
             m.clickMenu("mnuSubTangente(1)");
             frmCalcTangente& t = Forms::get<frmCalcTangente>();
             test::typeInto(t.txtX, "30");
             QTest::keyClick(t.txtX, Qt::Key_Return);
             EXPECT_NE(t.txtyResult->text(), " 0");
         }},
        {"frmArrheniusRechner", [](MDIVRN& m) { m.clickMenu("mnuToolArrhenius"); }},
        {"frmmatrix", [](MDIVRN&) { QTest::mouseClick(modellFenster().cmdShowMatrix, Qt::LeftButton); }},
    };
    const char* handlungen[] = {"Einheit s im Modellfenster", "Einheit h im Dateneditor", "Modell 3 im Modellfenster",
                                "Datensatz 2nd_order (s) im Editor geladen, OK", "Projekt 2nd_order geladen"};
    for (const auto& d : daneben) {
        for (const char* name : handlungen) {
            const Handlung& a = *std::find_if(std::begin(kHandlungen), std::end(kHandlungen),
                                              [&](const Handlung& x) { return std::string(x.name) == name; });
            SCOPED_TRACE(std::string(d.wer) + " × " + a.name);
            test::GuiTest env;
            auto main = test::startMainWindow();
            test::MsgRecorder rec;
            test::loadFirstOrderSample(*main, env.folder());
            d.oeffne(*main);
            test::processEvents();
            // The user's c-t chart of A => P, without measured points, and its half-life mark.
            main->clickMenu("mnuctGraph");
            auto& ct = Forms::get<frmPrepareTimeDiagram>();
            if (ct.chkMitPunkten->isChecked()) test::clickButton(ct.chkMitPunkten);
            QTest::mouseClick(ct.cmdDrawctDiagram, Qt::LeftButton);
            test::processEvents();
            frmGraph2D* g = Forms::loaded<frmGraph2D>();
            ASSERT_TRUE(g);
            g->mnuHalbA_Click();
            const double marke = g->Chart2D1->x(1, 26, 1);
            const std::string achse = g->Chart2D1->axisTitle(ChartAxis::X);
            const QRect ort = g->frame()->geometry();
            const int kurve = g->Chart2D1->pointCount(1, 1);
            ASSERT_GT(kurve, 1);
            a.tue(*main, env.folder());
            test::processEvents();
            ASSERT_EQ(Forms::loaded<frmGraph2D>(), g) << "the same chart window";
            EXPECT_EQ(std::tuple(g->Chart2D1->x(1, 26, 1), g->Chart2D1->axisTitle(ChartAxis::X),
                                 g->Chart2D1->pointCount(1, 1), g->Chart2D1->pointCount(2, 1), g->frame()->geometry()),
                      std::tuple(marke, achse, kurve, 0, ort))
                << "its curve, its mark, its axis, no measured points, its place";
            // Drawn again from the c-t window (its box still unticked): no measured points.
            main->clickMenu("mnuctGraph");
            QTest::mouseClick(Forms::get<frmPrepareTimeDiagram>().cmdDrawctDiagram, Qt::LeftButton);
            test::processEvents();
            ASSERT_TRUE(Forms::loaded<frmGraph2D>());
            for (int p = 1; p <= 5; ++p) EXPECT_EQ(Forms::loaded<frmGraph2D>()->Chart2D1->pointCount(2, p), 0) << p;
            main.reset();
        }
    }
}

// The single-point calculator of the first chart drawn after a chart of
// another kind has the species of that chart's model, and computes.
TEST(StateOwnerWindows, TheCalculatorHasTheChartsSpecies) {
    const struct {
        const char* name;
        const char* beispiel;
        std::function<void(MDIVRN&)> vorher;  // a chart of another kind
        std::function<void(MDIVRN&)> dann;    // the chart asked about
        std::array<bool, 5> zeilen;           // the species rows shown
    } faelle[] = {
        {"Tangente c(A), dann c-t im offenen Fenster", "1st_order",
         [](MDIVRN& m) {
             m.clickMenu("mnuSubTangente(1)");
             m.clickMenu("mnuctGraph");
             QTest::mouseClick(Forms::get<frmPrepareTimeDiagram>().cmdDrawctDiagram, Qt::LeftButton);
             // "Berechnen" in the tangent window draws its spline chart again.
             frmCalcTangente& t = Forms::get<frmCalcTangente>();
             test::typeInto(t.txtX, "30");
             QTest::keyClick(t.txtX, Qt::Key_Return);
         },
         [](MDIVRN&) {
             QTest::mouseClick(Forms::get<frmPrepareTimeDiagram>().cmdDrawctDiagram, Qt::LeftButton);
         },
         {true, false, false, true, false}},
        {"1. Ordnung A => P, dann c-t im offenen Fenster", "1st_order",
         [](MDIVRN& m) {
             m.clickMenu("mnuctGraph");
             m.clickMenu("mnuctAusw(1)");
         },
         [](MDIVRN&) {
             QTest::mouseClick(Forms::get<frmPrepareTimeDiagram>().cmdDrawctDiagram, Qt::LeftButton);
         },
         {true, false, false, true, false}},
        {"A + B => P ausgewertet, dann r-t im offenen Fenster", "2nd_order",
         [](MDIVRN& m) {
             m.clickMenu("mnuvtGraph");
             m.clickMenu("mnuctAusw(3)");
         },
         [](MDIVRN&) {
             QTest::mouseClick(Forms::get<frmPrepareTimeDiagram>().cmdDrawctDiagram, Qt::LeftButton);
         },
         {true, true, false, true, false}},
        {"r-t, dann c-t", "1st_order",
         [](MDIVRN& m) {
             m.clickMenu("mnuvtGraph");
             QTest::mouseClick(Forms::get<frmPrepareTimeDiagram>().cmdDrawctDiagram, Qt::LeftButton);
         },
         [](MDIVRN& m) {
             m.clickMenu("mnuctGraph");
             QTest::mouseClick(Forms::get<frmPrepareTimeDiagram>().cmdDrawctDiagram, Qt::LeftButton);
         },
         {true, false, false, true, false}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        test::GuiTest env;
        auto main = test::startMainWindow();
        test::MsgRecorder rec;
        test::loadSample(*main, env.folder(), f.beispiel);
        f.vorher(*main);
        test::processEvents();
        f.dann(*main);
        test::processEvents();
        frmGraph2D* g = Forms::loaded<frmGraph2D>();
        ASSERT_TRUE(g);
        QTest::mouseClick(g->cmdSingleCalc, Qt::LeftButton);
        frmGraphCalc* c = Forms::loaded<frmGraphCalc>();
        ASSERT_TRUE(c);
        std::array<bool, 5> zeilen{};
        for (std::size_t i = 0; i < 5; ++i) zeilen[i] = c->lblRes[i]->isVisibleTo(c);
        EXPECT_EQ(zeilen, f.zeilen);
        // c(A) at t = 0 is the start of the drawn curve.
        const double cA0 = app.gezeichnetMit.c0[1];
        EXPECT_EQ(berechne(*c, "0"), single(cA0));
        main.reset();
    }
}
