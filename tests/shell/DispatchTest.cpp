#include <QDir>
#include <QFile>

#include <filesystem>

#include "chart/frmGraph2D.h"
#include "data/frmDatedit.h"
#include "engine/frmKinModel.h"
#include "engine/frmPrepareTimeDiagram.h"
#include "platform/HelpViewer.h"
#include "platform/Paths.h"
#include "shell/DataFile.h"
#include "shell/DataPreparation.h"
#include "shell/ProjectFile.h"
#include "shell/StateOwner.h"
#include "shell/TextFile.h"
#include "shell/frmTip.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

class Dispatch : public test::MainWindowTest {
protected:
    void SetUp() override {
        savedShow = hooks().chartWindow.showChartWindow;
        hooks().chartWindow.showChartWindow = [this] {
            ++charts;
            return realChart && savedShow ? savedShow() : true;
        };
        MDIVRN::endProgram = [this] { ++ends; };
    }
    void TearDown() override { MDIVRN::endProgram = [] {}; }
    void loadFirstOrderProject() { test::loadFirstOrderSample(*main, env.folder()); }
    test::MsgRecorder rec;
    int charts = 0;
    int ends = 0;
    std::function<bool()> savedShow;
    bool realChart = false;  // open the real chart window, not only count the requests
};

TEST_F(Dispatch, RefusalsWithoutData) {
    // item, text
    const std::pair<const char*, std::string> cases[] = {
        {"mnuctAusw(1)", "Keine oder zuwenig experimentelle c-t-Daten.\r\nGeben Sie Daten im Dateneditor ein (=> Neueingabe)."},
        {"mnuLambdaAusw(1)", "Keine oder zuwenig experimentelle lambda-Daten.\r\nGeben Sie Daten im Dateneditor ein (=> Neueingabe)."},
        {"mnukT(1)", "Erst experimentelle Punkte k-T laden oder eingeben!"},
        {"mnuCtFitting", "Keine oder zuwenig experimentelle c-t-Daten.\r\nGeben Sie Daten im Dateneditor ein (=> Neueingabe)."},
        {"mnuNonIsothermFitting(1)", "Keine oder zuwenig experimentelle t-c-T-Daten.\r\nGeben Sie Daten im Dateneditor ein (=> Neueingabe)."},
    };
    for (const auto& [item, text] : cases) {
        rec.clear();
        main->clickMenu(item);
        EXPECT_TRUE(test::isOnlyMessage(rec, text, " Ausführung nicht möglich ", MsgIcon::Critical)) << item;
    }
    EXPECT_EQ(charts, 0);
}

TEST_F(Dispatch, ConcentrationEvaluationChecks) {
    app.bHatCTDaten = true;
    test::setDataRows({{0, 0.0, 0, 0}, {1, 0.5, 0, 0}});
    {
        Aenderung vorgabe;
        app.c0Daten[1] = 0;
    }
    main->clickMenu("mnuctAusw(1)");
    EXPECT_EQ(rec.last().text, "Keine Anfangskonzentration c(A)(0) gefunden");
    main->clickMenu("mnuctAusw(3)");
    EXPECT_EQ(rec.last().text, "Es werden beide Anfangskonzentrationen c(A)(0) und c(B)(0) benötigt.");
    {
        Aenderung vorgabe;
        app.nExpPunkte = 1;
        datensatzGeschrieben();
    }
    main->clickMenu("mnuctAusw(2)");
    EXPECT_EQ(rec.last().text, "Keine (oder zuwenig) experimentelle c-t-Daten.\r\nGeben Sie Daten im Dateneditor ein (=> Neueingabe).");

    // A + B => P: equal starts give kind -6, different ones -8.
    {
        Aenderung vorgabe;
        app.nExpPunkte = 2;
        datensatzGeschrieben();
        app.c0Daten[1] = 0.1f;
        app.c0Daten[2] = 0.1f;
    }
    rec.clear();
    main->clickMenu("mnuctAusw(3)");
    EXPECT_EQ(std::tuple(rec.count(), app.iDiagrammTyp, app.iModell, app.bGleicheC0), std::tuple(0u, -6, 4, true));
    {
        Aenderung vorgabe;
        app.c0Daten[2] = 0.2f;
    }
    main->clickMenu("mnuctAusw(3)");
    EXPECT_EQ(std::tuple(app.iDiagrammTyp, app.bGleicheC0, charts), std::tuple(Integer{-8}, false, 2));
}

TEST_F(Dispatch, ConductivityChecksAndNotes) {
    app.bHatLambdaDaten = true;
    test::setDataRows({{0, 0.1, 0, 0}, {1, 0.05, 0, 0}});
    {
        Aenderung vorgabe;
        app.c0Daten[1] = 0.1f;
        app.c0Daten[2] = 0.2f;
    }
    main->clickMenu("mnuLambdaAusw(3)");
    EXPECT_EQ(rec.last().text, "Im Augenblick wird nur die Variante c(A)(0) = c(B)(0) unterstützt.");
    EXPECT_FALSE(app.bGleicheC0);
    {
        Aenderung vorgabe;
        app.LambdaInf = 0;
    }
    main->clickMenu("mnuLambdaAusw(1)");
    EXPECT_EQ(rec.last().text, "Keinen Wert lambda(t = infin) gefunden");
    {
        Aenderung vorgabe;
        app.c0Daten[1] = 0;
    }
    main->clickMenu("mnuLambdaAusw(2)");
    EXPECT_EQ(rec.last().text.substr(0, 48), "Für eine lambda-Auswertung nach 2. Ordnung muss");

    // Without lambda(0) a note is shown and the evaluation goes on.
    {
        Aenderung vorgabe;
        app.LambdaInf = 2;
        app.Lambda0 = 0;
    }
    rec.clear();
    main->clickMenu("mnuLambdaAusw(1)");
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(std::tuple(rec.last().title, rec.last().icon, app.iDiagrammTyp, app.bLambdaAuswertung, charts),
              std::tuple("Hinweis zur Auswertung der lambda-Werte, 1. Ordnung", MsgIcon::Exclamation, -10, true, 1));
}

TEST_F(Dispatch, RateConstantTemperaturePairs) {
    app.bHatKTDaten = true;
    // Three identical pairs and one other: P = 4, D = 2, two distinct pairs.
    test::setDataRows({{0, 0, 300, 0.1}, {0, 0, 300, 0.1}, {0, 0, 300, 0.1}, {0, 0, 320, 0.4}});
    main->clickMenu("mnukT(1)");
    EXPECT_EQ(std::tuple(rec.count(), app.iDiagrammTyp, charts), std::tuple(0u, -3, 1));
    // Only one distinct pair.
    test::setDataRows({{0, 0, 300, 0.1}, {0, 0, 300, 0.1}});
    main->clickMenu("mnukT(2)");
    EXPECT_EQ(rec.last().text, "mindestens zwei unterschiedliche Paare k - T nötig!");
    // An empty data set while k-T data are flagged.
    {
        Aenderung vorgabe;
        app.nExpPunkte = 0;
        datensatzGeschrieben();
    }
    main->clickMenu("mnukT(1)");
    EXPECT_EQ(rec.last().text, "Keine Daten für k und T vorhanden.\r\nGeben Sie experimentelle Daten im Dateneditor ein (=> Neueingabe)");
}

TEST_F(Dispatch, LinearEvaluationOfTheFirstOrderProject) {
    realChart = true;
    loadFirstOrderProject();
    ASSERT_GE(rec.count(), 1u);
    EXPECT_EQ(std::pair(rec.last().title, rec.last().icon), std::pair(std::string("geladen..."), MsgIcon::Information));
    EXPECT_TRUE(rec.last().text.starts_with("...Datenfile: 1st_order.VRD"));
    EXPECT_EQ(std::tuple(app.nExpPunkte, main->mnuSaveProject->isEnabled()), std::tuple(25, true));
    // The model window shows the loaded model and rate constant.
    ASSERT_TRUE(IsFormLoaded<frmKinModel>());
    EXPECT_TRUE(Forms::loaded<frmKinModel>()->optTyp[2]->isChecked());
    EXPECT_DOUBLE_EQ(app.k[1], 0.0215);

    rec.clear();
    main->clickMenu("mnuctAusw(1)");
    EXPECT_EQ(std::tuple(rec.count(), app.iDiagrammTyp, app.iModell, charts), std::tuple(0u, -5, 2, 1));
    // The chart shows the regression result; k(1) holds the rate constant found.
    frmGraph2D* chart = Forms::loaded<frmGraph2D>();
    ASSERT_NE(chart, nullptr);
    // k and R² of ln c(A) over t of the 25 points, computed independently.
    EXPECT_EQ(chart->statusText(), QString("Berechnungsergebnis: k = 0.02147612   (R^2 = 0.99979)"));
    EXPECT_NEAR(app.k[1], 0.021476118, 1e-8);
}

TEST_F(Dispatch, ConductivityEvaluationDrawsAlsoWhileAChartIsOpen) {
    realChart = true;
    loadFirstOrderProject();
    main->clickMenu("mnuctAusw(1)");
    ASSERT_EQ(app.iDiagrammTyp, -5);
    // lambda rises as A turns into P: lambda = 10 - 8·exp(-0.05 t), lambda(inf) = 10.
    {
        Aenderung vorgabe;
        for (int i = 1; i <= app.nExpPunkte; ++i) {
            Messpunkt& p = app.ExpDaten[static_cast<std::size_t>(i)];
            p.lambda = static_cast<Single>(10 - 8 * std::exp(-0.05 * p.t));
        }
        datensatzGeschrieben();
        app.LambdaInf = 10;
    }
    PrepareExpDaten();
    ASSERT_TRUE(app.bHatLambdaDaten);
    rec.clear();
    main->clickMenu("mnuLambdaAusw(1)");
    frmGraph2D* chart = Forms::loaded<frmGraph2D>();
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(app.iDiagrammTyp, -10);
    EXPECT_EQ(chart->Chart2D1->text(ChartTextBlock::Header), "lambda-Versuchsdaten-Auswertung nach 1. Ordnung: A => P");
    EXPECT_GT(chart->Chart2D1->pointCount(1, 1), 100);  // the regression line
    EXPECT_NEAR(app.k[1], 0.05, 1e-5);
    EXPECT_TRUE(chart->statusText().startsWith("Berechnungsergebnis: k = 0.05"));
}

TEST_F(Dispatch, RefusedDataFileOfAProjectIsNotNamedAsLoaded) {
    realChart = false;
    loadFirstOrderProject();
    ASSERT_EQ(app.nExpPunkte, 25);
    test::writeFile(env.folderStd() + "/kaputt.VRD", "k\r\ns\r\nh\r\n3\r\n1,2\r\n");
    test::writeFile(env.folderStd() + "/kaputt.VRP",
                    "d\r\nk\r\nkaputt.VRD\r\n 3 \r\n.1,0,0\r\n0\r\n0\r\n0\r\n0\r\n0,0,0,0\r\n0\r\n0\r\n0,0\r\nx\r\nx\r\n");
    test::answerOpenDialog("kaputt.VRP", env.folderStd());
    rec.clear();
    rec.answer(MsgAnswer::OK);
    rec.answer(MsgAnswer::OK);
    main->clickMenu("mnuLoadProject");
    ASSERT_EQ(rec.count(), 2u);
    EXPECT_EQ(rec.messages()[0].title, "Meldung von LoadDataFile");
    EXPECT_EQ(rec.last().title, "geladen...");
    EXPECT_EQ(rec.last().text, "...Datenfile: kaputt.VRD wurde nicht geladen.\r\n\r\n"
                               "Die bisherigen experimentellen Daten bleiben erhalten (1st_order.VRD).");
    EXPECT_EQ(std::tuple(app.iModell, app.nExpPunkte), std::tuple(3, 25));  // the project itself was read
    // The last session names the data set in memory, not the refused file.
    main->clickMenu("mnuExit");
    std::vector<std::string> lines;
    std::string error;
    ASSERT_TRUE(readTextLines(app.SessionDateiName, lines, error));
    EXPECT_EQ(lines.at(2), "1st_order.VRD");
}

TEST_F(Dispatch, ExitAsksForChangedDataAndWritesTheSession) {
    test::setDataRows({{0, 0.1, 0, 0}, {5, 0.05, 0, 0}});
    app.bDatenGeaendert = true;
    {
        Aenderung vorgabe;
        app.iModell = 8;
        app.k = {0, 0.5, 0.125, 0};
    }
    QFile::remove(QString::fromStdString(app.SessionDateiName));

    rec.answer(MsgAnswer::Cancel);
    main->clickMenu("mnuExit");
    EXPECT_EQ(std::tuple(ends, QFile::exists(QString::fromStdString(app.SessionDateiName)), rec.last().buttons),
              std::tuple(0, false, MsgButtons::YesNoCancel));

    rec.answer(MsgAnswer::No);
    main->clickMenu("mnuExit");
    EXPECT_EQ(ends, 1);
    ASSERT_TRUE(QFile::exists(QString::fromStdString(app.SessionDateiName)));

    // Loading the session restores model and rate constants, also in the model window.
    app.bDatenGeaendert = false;
    {
        Aenderung vorgabe;
        app.iModell = 2;
        app.k = {0, 0.15, 0, 0};
    }
    rec.answer(MsgAnswer::OK);
    main->clickMenu("mnuLoadLastSession");
    EXPECT_EQ(std::tuple(app.iModell, app.k[1], app.k[2]), std::tuple(8, 0.5, 0.125));
    EXPECT_EQ(std::pair(rec.last().title, rec.last().text),
              std::pair(std::string("geladen..."), std::string("...kein Datenfile")));
    ASSERT_TRUE(IsFormLoaded<frmKinModel>());
    EXPECT_TRUE(Forms::loaded<frmKinModel>()->optTyp[8]->isChecked());
}

TEST_F(Dispatch, LoadingAskToSaveChangedDataFirst) {
    test::setDataRows({{0, 0.1, 0, 0}, {5, 0.05, 0, 0}});
    app.bDatenGeaendert = true;
    int asked = 0;
    hooks().fileDialogs.openDialog = [&asked](OpenDialogRequest&) {
        ++asked;
        return false;
    };
    rec.answer(MsgAnswer::Cancel);
    main->clickMenu("mnuLoadProject");
    EXPECT_EQ(std::tuple(asked, app.nExpPunkte, rec.last().title), std::tuple(0, 2, "WARNUNG"));
    rec.answer(MsgAnswer::Cancel);
    main->clickMenu("mnuLoadLastSession");
    EXPECT_EQ(app.nExpPunkte, 2);
}

TEST_F(Dispatch, SimulationItemsOpenTheTimeDiagram) {
    main->clickMenu("mnuvtGraph");
    frmPrepareTimeDiagram* t = Forms::loaded<frmPrepareTimeDiagram>();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(std::tuple(app.bRateDiagramm, t->chkMitPunkten->isEnabled()), std::tuple(true, false));
    EXPECT_EQ(app.iDiagrammTyp, 52);  // model 2 as rate diagram
    main->clickMenu("mnuctGraph");
    EXPECT_EQ(std::tuple(app.bRateDiagramm, app.iDiagrammTyp), std::tuple(false, 2));
    EXPECT_EQ(t->Label7->text(), QString("kinet. Modell:  A => P   (n = 1)"));
}

TEST_F(Dispatch, ItemsAtStartWithoutData) {
    for (const char* item : {"mnuctAusw(1)", "mnukT(1)", "mnuLambdaAusw(1)", "mnuctGraph", "mnuLoadProject", "mnuExit"})
        EXPECT_TRUE(main->menuItem(item)->isEnabled()) << item;
}

TEST_F(Dispatch, SessionFindsItsDataSetBesideItWhenTheFolderChanged) {
    // The session names a bare data-set file in the program folder, while the
    // current folder is somewhere else (a save box chose another folder).
    QFile::copy(resourceFolder() + "/samples/1st_order.VRD", env.folder() + "/1st_order.VRD");
    {
        Aenderung vorgabe;
        app.ExpDateiName = "1st_order.VRD";
        app.iModell = 2;
    }
    ASSERT_TRUE(WriteProjectFile(app.SessionDateiName));
    QDir(env.folder()).mkpath("anderswo");
    QDir::setCurrent(env.folder() + "/anderswo");
    rec.answer(MsgAnswer::OK);
    main->clickMenu("mnuLoadLastSession");
    EXPECT_EQ(rec.last().title, "geladen...");
    EXPECT_EQ(std::tuple(app.nExpPunkte, StripPath(app.ExpDateiName)), std::tuple(25, "1st_order.VRD"));
}

// A sample project copied into a folder of its own with its data set edited,
// while the program folder (the current folder after start-up) still holds
// the sample's data set of the same name: the project takes the file beside
// it, and "Speichern unter *.VRD" opens there. Only when there is no such
// file beside the project is the name looked for in the current folder.
TEST_F(Dispatch, AProjectTakesTheDataSetBesideIt) {
    const QString prog = env.folder();
    const QString eigen = prog + "/../eigenes Projekt";
    QDir().mkpath(eigen);
    for (const QString& folder : {prog, eigen})
        for (const char* ext : {".VRP", ".VRD"})
            ASSERT_TRUE(QFile::copy(resourceFolder() + "/samples/2nd_order" + ext, folder + "/2nd_order" + ext));
    test::writeFile(toStd(eigen) + "/2nd_order.VRD",
                    "bearbeitet\r\nmin\r\nkopf\r\n2\r\n0,.02,.02,0,0,0,0,298.15,4.96,0,0,0,0\r\n"
                    "3,.01,.01,0,0,0,0,298.15,4.5,0,0,0,0\r\n");
    const auto start = std::filesystem::current_path();
    std::filesystem::current_path(toStd(prog));

    test::answerOpenDialog("2nd_order.VRP", toStd(eigen));
    rec.answer(MsgAnswer::OK);
    main->clickMenu("mnuLoadProject");
    EXPECT_EQ(rec.last().title, "geladen...");
    EXPECT_EQ(std::tuple(app.nExpPunkte, app.ExpKommentar, app.sZeiteinheit, app.ExpDaten[2].t),
              std::tuple(2, "bearbeitet", "min", 3.0));
    main->clickMenu("mnuEdit");
    ASSERT_TRUE(IsFormLoaded<frmDatedit>());
    SaveBoxRequest gefragt;
    test::answerFileBoxes("", &gefragt);  // cancelled
    test::clickButton(Forms::get<frmDatedit>().cmdSave);
    EXPECT_EQ(QDir(toQ(gefragt.initialDir)).canonicalPath(), QDir(eigen).canonicalPath());
    EXPECT_EQ(gefragt.fileName, "2nd_order.VRD");
    Forms::unload<frmDatedit>();

    // Nothing of that name beside the project: the current folder's file.
    QFile::remove(eigen + "/2nd_order.VRD");
    test::answerOpenDialog("2nd_order.VRP", toStd(eigen));
    rec.answer(MsgAnswer::OK);
    main->clickMenu("mnuLoadProject");
    EXPECT_EQ(std::tuple(app.nExpPunkte, QDir(toQ(app.ExpDateiPfad)).canonicalPath()),
              std::tuple(16, QDir(prog).canonicalPath()));
    std::filesystem::current_path(start);
}

// 2nd_order.VRP (lambda(inf) 1.82), then a project whose data set has none:
// the data-set editor shows none, taking a point keeps none, and saving
// writes none into the other data set's file.
TEST_F(Dispatch, ADataSetsLambdaInfinityIsTheOneItsFileHolds) {
    for (const char* name : {"2nd_order", "1st_order"})
        for (const char* ext : {".VRP", ".VRD"})
            ASSERT_TRUE(QFile::copy(resourceFolder() + "/samples/" + name + ext, env.folder() + "/" + name + ext));
    test::answerOpenDialog("2nd_order.VRP", env.folderStd());
    rec.answer(MsgAnswer::OK);
    main->clickMenu("mnuLoadProject");
    main->clickMenu("mnuEdit");
    ASSERT_TRUE(IsFormLoaded<frmDatedit>());
    EXPECT_EQ(Forms::get<frmDatedit>().lambda_infin->text(), QString(" 1.82"));

    test::answerOpenDialog("1st_order.VRP", env.folderStd());
    rec.answer(MsgAnswer::OK);
    main->clickMenu("mnuLoadProject");
    frmDatedit& d = Forms::get<frmDatedit>();
    EXPECT_EQ(std::tuple(app.nExpPunkte, app.LambdaInf, d.lambda_infin->text()), std::tuple(25, 0.0, QString(" 0")));
    // A point taken from the input row, then "Speichern unter *.VRD" over the file.
    d.optInputMode[0]->click();
    test::typeInto(d.y[0], "130");
    test::typeInto(d.y[1], "0,003");
    test::clickButton(d.OKinput);
    EXPECT_EQ(std::tuple(app.nExpPunkte, app.LambdaInf), std::tuple(26, 0.0));
    const std::string datei = env.folderStd() + "/1st_order.VRD";
    test::answerFileBoxes(datei);
    test::clickButton(d.cmdSave);
    bool ok = false;
    {
        Aenderung laden;
        app.LambdaInf = 5;
        LoadDataFile(datei, false, ok);
    }
    ASSERT_TRUE(ok);
    EXPECT_EQ(std::tuple(app.nExpPunkte, app.ExpDaten[26].t, app.LambdaInf), std::tuple(26, 130.0, 0.0));

    // "Neu-Laden *VRD": every file brings its own, or none.
    const std::tuple<const char*, double, const char*> dateien[] = {
        {"2nd_order.VRD", 1.82, " 1.82"}, {"1st_order.VRD", 0.0, " 0"}};
    for (const auto& [name, wert, box] : dateien) {
        test::answerOpenDialog(name, env.folderStd());
        test::clickButton(d.cmdLoadFile);
        EXPECT_EQ(std::tuple(app.LambdaInf, d.lambda_infin->text()), std::tuple(wert, QString(box))) << name;
    }
}

TEST_F(Dispatch, ExitClosesTheHelpAndTheCloseBoxSavesNothing) {
    HtmlHelp(10260);
    ASSERT_NE(helpBrowser(), nullptr);
    main->clickMenu("mnuExit");
    test::processEvents();
    EXPECT_EQ(std::tuple(helpBrowser(), ends), std::tuple(nullptr, 1));

    QFile::remove(QString::fromStdString(app.SessionDateiName));
    main->show();
    EXPECT_TRUE(main->close());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(app.SessionDateiName)));
    EXPECT_FALSE(IsFormLoaded<frmKinModel>());  // the windows were closed with it
}

TEST_F(Dispatch, NewDataSetAsksToSaveChangedDataFirst) {
    test::setDataRows({{0, 0.1, 0, 0}, {5, 0.05, 0, 0}});
    app.bDatenGeaendert = true;
    {
        Aenderung vorgabe;
        app.LambdaInf = 3;
    }
    rec.answer(MsgAnswer::Cancel);
    main->clickMenu("mnuNeudat");
    EXPECT_EQ(app.nExpPunkte, 2);
    rec.answer(MsgAnswer::No);
    main->clickMenu("mnuNeudat");
    EXPECT_EQ(std::tuple(app.nExpPunkte, app.LambdaInf, app.ExpDateiName), std::tuple(0, 0.0, ""));
}

TEST_F(Dispatch, ToolbarPositionsRunTheirItems) {
    std::string title;
    hooks().fileDialogs.askSaveFileName = [&title](const SaveBoxRequest& r, std::string&) {
        title = r.title;
        return false;
    };
    main->toolbarButton(7)->trigger();
    // A toolbar click closes the tips.
    EXPECT_EQ(std::tuple(title, IsFormLoaded<frmTip>()), std::tuple("aktuelles Projekt speichern unter ...", false));
    {
        Aenderung vorgabe;
        app.iModell = 8;
        app.k = {0, 0.5, 0.1, 0};
    }
    ASSERT_TRUE(WriteProjectFile(app.SessionDateiName));
    {
        Aenderung vorgabe;
        app.iModell = 2;
    }
    rec.answer(MsgAnswer::OK);
    main->toolbarButton(4)->trigger();
    EXPECT_EQ(app.iModell, 8);
}

// Points typed after "NEU Eingabe", then "aktuelles Projekt speichern unter...":
// first the question about the unsaved data set. Yes saves the data set and
// the project names it (loading the project brings the points back); No
// writes the project without a data file, as the user chose; Cancel, or a
// cancelled data save box, writes nothing.
TEST_F(Dispatch, ProjectSaveAsksAboutTheUnsavedDataSetFirst) {
    struct Fall {
        const char* name;
        MsgAnswer antwort;
        bool datenBox;  // the data save box is answered (else cancelled)
        std::vector<std::string> boxen;
        std::string datenZeile;  // line 3 of the project; "-" no project written
    };
    const Fall faelle[] = {
        {"Ja", MsgAnswer::Yes, true, {"Datenfile speichern unter ...", "aktuelles Projekt speichern unter ..."}, "n2o5.VRD"},
        {"Ja, Speichern abgebrochen", MsgAnswer::Yes, false, {"Datenfile speichern unter ..."}, "-"},
        {"Nein", MsgAnswer::No, true, {"aktuelles Projekt speichern unter ..."}, ""},
        {"Abbrechen", MsgAnswer::Cancel, true, {}, "-"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const std::string projekt = env.folderStd() + "/n2o5.VRP", daten = env.folderStd() + "/n2o5.VRD";
        QFile::remove(QString::fromStdString(projekt));
        QFile::remove(QString::fromStdString(daten));
        main->clickMenu("mnuNeudat");
        frmDatedit* d = Forms::loaded<frmDatedit>();
        ASSERT_NE(d, nullptr);
        for (auto [t, c] : {std::pair{"0", "2,33+"}, {"184", "2,08+"}}) {
            test::typeInto(d->y[0], t);
            test::typeInto(d->y[1], c);
        }
        ASSERT_EQ(std::tuple(app.nExpPunkte, app.bDatenGeaendert), std::tuple(2, true));

        std::vector<std::string> boxen;
        hooks().fileDialogs.askSaveFileName = [&](const SaveBoxRequest& r, std::string& chosen) {
            boxen.push_back(r.title);
            const bool datenBox = r.title.rfind("Datenfile", 0) == 0;
            chosen = datenBox ? daten : projekt;
            return !datenBox || fall.datenBox;
        };
        hooks().fileDialogs.askProjectComment = [] { app.ProjKommentar = "N2O5 bei 45 °C"; };
        rec.clear();
        rec.answer(fall.antwort);
        main->clickMenu("mnuSaveProject");
        ASSERT_GE(rec.count(), 1u);
        EXPECT_EQ(std::tuple(rec.messages()[0].title, rec.messages()[0].text, rec.messages()[0].buttons),
                  std::tuple("WARNUNG", "Die experimentellen Daten wurden geändert.\r\nJetzt speichern?",
                             MsgButtons::YesNoCancel));
        EXPECT_EQ(boxen, fall.boxen);
        std::vector<std::string> zeilen;
        std::string fehler;
        if (fall.datenZeile == "-") {
            EXPECT_FALSE(QFile::exists(QString::fromStdString(projekt)));
        } else {
            ASSERT_TRUE(readTextLines(projekt, zeilen, fehler));
            EXPECT_EQ(zeilen.at(2), fall.datenZeile);
        }
        if (fall.datenZeile == "n2o5.VRD") {
            // The project brings its points back.
            app.bDatenGeaendert = false;
            test::setDataRows({});
            rec.clear();
            rec.answer(MsgAnswer::OK);
            test::answerOpenDialog("n2o5.VRP", env.folderStd());
            main->clickMenu("mnuLoadProject");
            EXPECT_EQ(std::tuple(app.nExpPunkte, app.ExpDaten[2].t, app.ExpDaten[2].c[1]), std::tuple(2, 184.0, 2.08));
        }
        app.bDatenGeaendert = false;
        Forms::destroyAll();
        test::processEvents();
    }
}
