// The keyboard in the program's windows: Enter presses the push button that
// has the focus, in every window that has push buttons (and before a default
// button or a shortcut of the window); on another control it presses the
// window's default button.

#include <QMdiArea>
#include <QTimer>

#include "chart/ToolFrame.h"
#include "chart/frmGraph2D.h"
#include "chart/frmGraphCalc.h"
#include "data/frmArrheniusRechner.h"
#include "data/frmCalcTangente.h"
#include "data/frmDatedit.h"
#include "data/frmFitting.h"
#include "data/frmManuInput.h"
#include "engine/frmKinModel.h"
#include "engine/frmPrepareTimeDiagram.h"
#include "engine/frmSimTabelle.h"
#include "engine/frmmatrix.h"
#include "montecarlo/frmMonteCarlo.h"
#include "reactors/frmBatch.h"
#include "reactors/frmProtokoll.h"
#include "reactors/frmRKconti.h"
#include "reactors/frmRohrreaktor.h"
#include "shell/TextFile.h"
#include "shell/frmCmnDlg.h"
#include "shell/frmCommentInput.h"
#include "shell/frmOption.h"
#include "shell/frmTip.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

namespace {

// Puts the focus on the control as the user does (its window active) and
// presses Enter there.
void enterAuf(QWidget* control) {
    QWidget* fenster = control->window();
    fenster->activateWindow();
    QApplication::setActiveWindow(fenster);
    control->setFocus(Qt::TabFocusReason);
    test::processEvents();
    ASSERT_TRUE(control->hasFocus()) << control->objectName().toStdString();
    QTest::keyClick(control, Qt::Key_Return);
    test::processEvents();
}

template <class W>
W& geoeffnet(MDIVRN& main, const char* menu) {
    main.clickMenu(menu);
    test::processEvents();
    W* w = Forms::loaded<W>();
    if (!w) throw std::runtime_error(std::string("nicht geöffnet: ") + menu);
    return *w;
}

template <class W>
bool zu() {
    test::processEvents();
    return !IsFormLoaded<W>();
}

// The chart of the time-diagram window's draw button.
frmGraph2D& diagramm(MDIVRN& main) {
    geoeffnet<frmPrepareTimeDiagram>(main, "mnuctGraph").cmdDrawctDiagram->click();
    test::processEvents();
    return Forms::get<frmGraph2D>();
}

struct Zeile {
    const char* name;
    // Opens the window the user's way; returns the button the focus goes to.
    std::function<QPushButton*(MDIVRN&)> oeffnen;
    // What the button's action shows.
    std::function<bool(MDIVRN&)> getan;
};

}  // namespace

TEST(Keyboard, EnterPressesTheFocusedButtonInEveryWindow) {
    test::GuiTest env;
    const Zeile zeilen[] = {
        {"Modellfenster: Matrix zeigen",
         [](MDIVRN&) { return Forms::get<frmKinModel>().cmdShowMatrix; },
         [](MDIVRN&) { return IsFormLoaded<frmmatrix>(); }},
        {"Matrixfenster: Schließen",
         [](MDIVRN&) {
             Forms::get<frmKinModel>().cmdShowMatrix->click();
             return Forms::get<frmmatrix>().Close;
         },
         [](MDIVRN&) { return zu<frmmatrix>(); }},
        {"Zeitdiagramm: zeichnen",
         [](MDIVRN& m) { return geoeffnet<frmPrepareTimeDiagram>(m, "mnuctGraph").cmdDrawctDiagram; },
         [](MDIVRN&) { return IsFormLoaded<frmGraph2D>(); }},
        {"Zeitdiagramm: Werte-Tabelle",
         [](MDIVRN& m) { return geoeffnet<frmPrepareTimeDiagram>(m, "mnuctGraph").cmdListe; },
         [](MDIVRN&) { return IsFormLoaded<frmSimTabelle>(); }},
        {"Zeitdiagramm: Schließen",
         [](MDIVRN& m) { return geoeffnet<frmPrepareTimeDiagram>(m, "mnuctGraph").cmdClose; },
         [](MDIVRN&) { return zu<frmPrepareTimeDiagram>(); }},
        {"Wertetabelle: Schließen",
         [](MDIVRN& m) {
             geoeffnet<frmPrepareTimeDiagram>(m, "mnuctGraph").cmdListe->click();
             return Forms::get<frmSimTabelle>().cmdCloseSimTab;
         },
         [](MDIVRN&) { return zu<frmSimTabelle>(); }},
        // The output panel performs its output on Enter; on "Abbrechen" Enter cancels.
        {"Diagramm: Ausgabe abbrechen",
         [](MDIVRN& m) {
             frmGraph2D& w = diagramm(m);
             QApplication::clipboard()->setText("unberührt");
             w.clickMenu("mnuBild(1)");
             return w.cmdPrint_Esc;
         },
         [](MDIVRN&) {
             return !Forms::get<frmGraph2D>().fraPrintIt->isVisible() &&
                    QApplication::clipboard()->text() == "unberührt";
         }},
        {"Diagramm: Schließen", [](MDIVRN& m) { return diagramm(m).cmdEscGraph; },
         [](MDIVRN&) { return zu<frmGraph2D>(); }},
        {"Einzelpunkt-Rechner: Schließen",
         [](MDIVRN& m) {
             diagramm(m).cmdSingleCalc->click();
             return Forms::get<frmGraphCalc>().cmdCloseGraphCalc;
         },
         [](MDIVRN&) { return zu<frmGraphCalc>(); }},
        // "Abbrechen <Esc>" has the focus, "OK" is the default: the options stay.
        {"Optionen: Abbrechen",
         [](MDIVRN& m) {
             frmOption& o = geoeffnet<frmOption>(m, "mnuOption");
             o.chkSolidPoints->click();
             return o.cmdClose;
         },
         [](MDIVRN&) { return zu<frmOption>() && !app.bSolidPoints; }},
        {"Tipps: Nächster Tipp",
         [](MDIVRN& m) {
             frmTip& t = geoeffnet<frmTip>(m, "mnuTip");
             t.lblTipText->setText("vorher");
             return t.cmdNextTip;
         },
         [](MDIVRN&) { return Forms::get<frmTip>().lblTipText->text() != "vorher"; }},
        {"Tipps: Schließen", [](MDIVRN& m) { return geoeffnet<frmTip>(m, "mnuTip").cmdOK; },
         [](MDIVRN&) { return zu<frmTip>(); }},
        {"Daten-Editor: Abbrechen", [](MDIVRN& m) { return geoeffnet<frmDatedit>(m, "mnuNeudat").cmdEsc; },
         [](MDIVRN&) { return zu<frmDatedit>(); }},
        {"XY-Editor: Schließen", [](MDIVRN& m) { return geoeffnet<frmManuInput>(m, "mnuEditXY").cmdEsc; },
         [](MDIVRN&) { return zu<frmManuInput>(); }},
        {"Fitting: Schließen",
         [&env](MDIVRN& m) {
             test::loadFirstOrderSample(m, env.folder());
             return geoeffnet<frmFitting>(m, "mnuCtFitting").cmdClose;
         },
         [](MDIVRN&) { return zu<frmFitting>(); }},
        {"Tangente: Schließen",
         [&env](MDIVRN& m) {
             test::loadFirstOrderSample(m, env.folder());
             return geoeffnet<frmCalcTangente>(m, "mnuSubTangente(1)").cmdClose;
         },
         [](MDIVRN&) { return zu<frmCalcTangente>(); }},
        {"Batch-Reaktor: Schließen", [](MDIVRN& m) { return geoeffnet<frmBatch>(m, "mnuBatchR").cmdEsc; },
         [](MDIVRN&) { return zu<frmBatch>(); }},
        {"Rohrreaktor: Schließen", [](MDIVRN& m) { return geoeffnet<frmRohrreaktor>(m, "mnuRohrR").cmdEsc; },
         [](MDIVRN&) { return zu<frmRohrreaktor>(); }},
        {"Rührkessel: Schließen", [](MDIVRN& m) { return geoeffnet<frmRKconti>(m, "mnuKontRK").cmdEsc; },
         [](MDIVRN&) { return zu<frmRKconti>(); }},
        {"Protokoll: schließen",
         [](MDIVRN& m) {
             geoeffnet<frmRKconti>(m, "mnuKontRK");
             Forms::get<frmProtokoll>().Show();
             return Forms::get<frmProtokoll>().cmdClose;
         },
         [](MDIVRN&) { return zu<frmProtokoll>(); }},
        // "Start" is the default button; Enter on "Schließen" closes.
        {"Monte-Carlo: Schließen",
         [](MDIVRN& m) { return geoeffnet<frmMonteCarlo>(m, "mnuSubMonteCarlo(0)").cmdClose; },
         [](MDIVRN&) { return zu<frmMonteCarlo>(); }},
        {"Arrhenius-Rechner: Berechnen",
         [](MDIVRN& m) { return geoeffnet<frmArrheniusRechner>(m, "mnuToolArrhenius").cmdCalc; },
         [](MDIVRN&) { return Forms::get<frmArrheniusRechner>().txtkResult->text() == " 0"; }},
        {"Arrhenius-Rechner: Schließen",
         [](MDIVRN& m) { return geoeffnet<frmArrheniusRechner>(m, "mnuToolArrhenius").cmdClose; },
         [](MDIVRN&) { return zu<frmArrheniusRechner>(); }},
        {"Hauptfenster: Tip für Erstnutzer", [](MDIVRN& m) { return m.cmdErstnutzer; },
         [](MDIVRN& m) { return m.Picture1->isVisible(); }},
    };
    for (const Zeile& z : zeilen) {
        SCOPED_TRACE(z.name);
        test::GuiTest frisch;
        auto main = test::startMainWindow();
        test::MsgRecorder meldungen;
        QPushButton* knopf = z.oeffnen(*main);
        meldungen.clear();  // "geladen..." of a sample project
        ASSERT_NE(knopf, nullptr);
        ASSERT_TRUE(knopf->isVisible() && knopf->isEnabled());
        enterAuf(knopf);
        EXPECT_TRUE(z.getan(*main));
        EXPECT_EQ(meldungen.count(), 0u) << (meldungen.count() ? meldungen.last().text : "");
    }
}

// The program's own open dialog: Enter on "Abbrechen <Esc>" cancels.
TEST(Keyboard, EnterOnCancelOfTheOpenDialogCancels) {
    test::GuiTest env;
    auto main = test::startMainWindow();
    test::MsgRecorder meldungen;
    bool gedrueckt = false;
    QTimer::singleShot(0, [&] {
        frmCmnDlg* d = Forms::loaded<frmCmnDlg>();
        ASSERT_NE(d, nullptr);
        enterAuf(d->cmdOpenCancel);
        gedrueckt = true;
        if (IsFormLoaded<frmCmnDlg>()) d->cmdOpenCancel->click();
    });
    main->clickMenu("mnuLoadProject");
    EXPECT_TRUE(gedrueckt);
    EXPECT_EQ(meldungen.count(), 0u);  // nothing loaded, no "geladen..."
    EXPECT_TRUE(zu<frmCmnDlg>());
}

// Enter on a control that is no push button presses the window's default
// button, which shows itself as the default one.
TEST(Keyboard, EnterElsewhereGoesToTheDefaultButton) {
    test::GuiTest env;
    struct Standard {
        const char* name;
        // Opens the window; returns its default button and the control Enter is pressed on.
        std::function<std::pair<QPushButton*, QWidget*>(MDIVRN&)> oeffnen;
        std::function<bool(MDIVRN&)> getan;
    };
    const Standard zeilen[] = {
        {"Zeitdiagramm: c-t-Diagramm zeichnen",
         [&env](MDIVRN& m) {
             test::loadFirstOrderSample(m, env.folder());  // "mit exper. Punkten" needs points
             auto& w = geoeffnet<frmPrepareTimeDiagram>(m, "mnuctGraph");
             return std::pair<QPushButton*, QWidget*>{w.cmdDrawctDiagram, w.chkMitPunkten};
         },
         [](MDIVRN&) { return IsFormLoaded<frmGraph2D>(); }},
        {"Optionen: OK",
         [](MDIVRN& m) {
             frmOption& o = geoeffnet<frmOption>(m, "mnuOption");
             o.chkSolidPoints->click();
             return std::pair<QPushButton*, QWidget*>{o.cmdOK, o.chkSolidPoints};
         },
         [](MDIVRN&) { return zu<frmOption>() && app.bSolidPoints; }},
        {"Tipps: Schließen",
         [](MDIVRN& m) {
             frmTip& t = geoeffnet<frmTip>(m, "mnuTip");
             return std::pair<QPushButton*, QWidget*>{t.cmdOK, t.chkLoadTipsAtStartup};
         },
         [](MDIVRN&) { return zu<frmTip>(); }},
    };
    for (const Standard& z : zeilen) {
        SCOPED_TRACE(z.name);
        test::GuiTest frisch;
        auto main = test::startMainWindow();
        test::MsgRecorder meldungen;
        const auto [standard, control] = z.oeffnen(*main);
        meldungen.clear();
        EXPECT_TRUE(standard->isDefault());
        enterAuf(control);
        EXPECT_TRUE(z.getan(*main));
        EXPECT_EQ(meldungen.count(), 0u);
    }
}

// "Projekt speichern": the comment typed into the comment window and Enter
// close the window, and the project holds the comment.
TEST(Keyboard, CommentWindowTakesTheCommentOnEnter) {
    test::GuiTest env;
    auto main = test::startMainWindow();
    const std::string projekt = env.folderStd() + "/mit_kommentar.VRP";
    test::answerFileBoxes(projekt);
    bool offen = false;
    QTimer::singleShot(0, [&] {
        frmCommentInput* f = Forms::loaded<frmCommentInput>();
        ASSERT_NE(f, nullptr);
        offen = f->isVisible();
        EXPECT_TRUE(f->cmdOK->isDefault());
        test::typeInto(f->txtDatComm, "Zerfall bei 25 °C");
        QTest::keyClick(f->txtDatComm, Qt::Key_Return);
        if (IsFormLoaded<frmCommentInput>()) {
            ADD_FAILURE() << "Enter left the comment window open";
            f->cmdAbort->click();
        }
    });
    main->clickMenu("mnuSaveProject");
    EXPECT_TRUE(offen);
    std::vector<std::string> zeilen;
    std::string fehler;
    ASSERT_TRUE(readTextLines(projekt, zeilen, fehler)) << fehler;
    EXPECT_EQ(zeilen.at(1), "Zerfall bei 25 °C");
}

// The calculator as the user works it: A typed with a decimal comma, Enter,
// EA, Enter, Enter (over T to "Berechnen"), Enter.
TEST(Keyboard, ArrheniusCalculatorComputesOnEnterAtBerechnen) {
    for (const char* locale : {"de_DE", "en_US"}) {
        SCOPED_TRACE(locale);
        test::GuiTest env;
        test::LocaleGuard guard{QLocale(locale)};
        auto main = test::startMainWindow();
        auto& r = geoeffnet<frmArrheniusRechner>(*main, "mnuToolArrhenius");
        test::typeInto(r.txtInpArrh[0], "2,5e10");
        QTest::keyClick(r.txtInpArrh[0], Qt::Key_Return);
        ASSERT_TRUE(r.txtInpArrh[1]->hasFocus());
        QTest::keyClicks(r.txtInpArrh[1], "75000");
        QTest::keyClick(r.txtInpArrh[1], Qt::Key_Return);
        ASSERT_TRUE(r.txtInpArrh[2]->hasFocus());
        QTest::keyClick(r.txtInpArrh[2], Qt::Key_Return);
        ASSERT_TRUE(r.cmdCalc->hasFocus());
        EXPECT_EQ(r.txtkResult->text(), QString());
        QTest::keyClick(r.cmdCalc, Qt::Key_Return);
        // k = 2.5e10 exp(-75000 / (8.3145 * 298.15)) = 1.8137088e-3 per second, the unit set.
        EXPECT_EQ(std::tuple(r.txtInpArrh[0]->text(), r.txtkResult->text(), r.txtksecResult->text()),
                  std::tuple(QString("2.5e10"), QString(" .001813709"), QString(" .001813709")));
        EXPECT_TRUE(IsFormLoaded<frmArrheniusRechner>());
    }
}
