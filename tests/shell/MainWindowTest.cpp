// The main window: start-up, menu tree, toolbar, hint panel and popups.

#include <QAction>
#include <QDate>
#include <QMenuBar>
#include <QToolBar>

#include "engine/frmKinModel.h"
#include "shell/frmPhantom.h"
#include "support/GuiTestSupport.h"
#include "shell/StateOwner.h"

using namespace vrn;

namespace {

QStringList names(const QList<QAction*>& actions, bool text = false) {
    QStringList n;
    for (QAction* a : actions) n << (a->isSeparator() ? "-" : text ? a->text() : a->objectName());
    return n;
}

}  // namespace

class MainWindow : public test::MainWindowTest {};

TEST_F(MainWindow, StartsWithCaptionAndStartValues) {
    EXPECT_EQ(std::tuple(main->windowTitle(), app.iModell, app.k[1], app.sZeiteinheit),
              std::tuple("VARNOLT-3     Varnolt homogener chemischer Reaktionen", 2, 0.15, "s"));
    // The model window is open from the start and has chosen model 2.
    ASSERT_TRUE(IsFormLoaded<frmKinModel>());
    EXPECT_EQ(
        std::tuple(Forms::loaded<frmKinModel>()->optTyp[2]->isChecked(), app.iDiagrammTyp, app.tEnd, app.sSpeziesMaske),
        std::tuple(true, 2, 100.0f, "10010"));
    // The first free protocol name of the day: yymmdd01.CSV.
    EXPECT_EQ(QString::fromStdString(app.ProtDateiName), QDate::currentDate().toString("yyMMdd") + "01.CSV");
    EXPECT_EQ(app.SessionDateiName, env.folderStd() + "/VrnLastSession.VRP");
    EXPECT_EQ(Forms::loaded<frmPhantom>()->caption(), QString("Hauptfenster"));
    EXPECT_TRUE(test::unexpectedMessages().empty());
    for (auto [locale, komma] : {std::pair{QLocale::German, true}, {QLocale::English, false}}) {
        test::LocaleGuard g{QLocale(locale)};
        MDIVRN v;
        v.MDIForm_Load();
        EXPECT_EQ(app.bDezimalKomma, komma);
    }
}

TEST_F(MainWindow, MenuBarOrderAndStartStates) {
    EXPECT_EQ(names(main->menuBar()->actions(), true),
              (QStringList{"&Daten", "kinetisches &Modell", "Versuchsauswertung", "Modell-&Simulation", "Monte-&Carlo",
                           "&Reaktoren", "&Optionen", "&Fenster", "&Hilfe"}));
    EXPECT_EQ(names(main->menu("mnuDaten")->actions()),
              (QStringList{"mnuLoadLastSession", "mnuLoadProject", "mnuSaveProject", "-", "mnuNeudat", "mnuEdit", "-",
                           "mnuEditXY", "-", "mnuExit"}));
    EXPECT_FALSE(main->mnuEdit->isEnabled() || main->menuItem("mnuctAusw(4)")->isVisible() ||
                 main->menuItem("mnuKaskade")->isEnabled());
}

TEST_F(MainWindow, ToolbarButtonsStandAtTheirPositionsBetweenSpacers) {
    // Positions 2, 4, 6, 7, 14 and 16 are buttons; 1, 3, 5, 8 to 13 and 15 spacers.
    QStringList order;
    for (QAction* a : main->Toolbar1->actions())
        if (a->objectName().startsWith("Toolbar1_"))
            order << a->objectName().mid(9) + (main->Toolbar1->widgetForAction(a) && !a->icon().isNull() ? "" : "-");
    EXPECT_EQ(order, (QStringList{"1-", "2", "3-", "4", "5-", "6", "7", "8-", "9-", "10-", "11-", "12-", "13-", "14",
                                  "15-", "16"}));
    // Six spacers lie between the save button and the calculators, one before the first button.
    const int gap = main->Toolbar1->widgetForAction(main->toolbarButton(14))->x() -
                    main->Toolbar1->widgetForAction(main->toolbarButton(7))->geometry().right();
    const int one = main->Toolbar1->widgetForAction(main->toolbarButton(16))->x() -
                    main->Toolbar1->widgetForAction(main->toolbarButton(14))->geometry().right();
    EXPECT_GT(gap, 5 * one);
    EXPECT_TRUE(main->toolbarButton(7)->isEnabled());
}

TEST_F(MainWindow, HintPanelPopupsWindowListAndInfo) {
    EXPECT_EQ(std::tuple(main->cmdErstnutzer->text(), main->Label1->text(), main->Label2[3]->text()),
              std::tuple("Tip für Erstnutzer          (ein/aus)", " Falls Sie noch nicht mit VARNOLT vertraut sind: ",
                         "  Ein einfaches Beispiel:"));
    EXPECT_FALSE(main->Picture1->isVisible());
    for (bool shown : {true, false, true}) {
        QTest::mouseClick(main->cmdErstnutzer, Qt::LeftButton);
        EXPECT_EQ(main->Picture1->isVisible(), shown);
    }
    QTest::mouseClick(main->Label2[4], Qt::LeftButton);  // a click on a line hides the panel
    EXPECT_FALSE(main->Picture1->isVisible());
    // The hint button keeps to the right end, and no hint line is wider than the window.
    for (int width : {900, 1200}) {
        main->resize(width, 700);
        QApplication::processEvents();
        EXPECT_LE(main->cmdErstnutzer->geometry().right(), width - 5);
        EXPECT_GT(main->cmdErstnutzer->geometry().right(), width - 30);
        for (QLabel* l : main->Label2) EXPECT_LE(l->width(), std::max(width - 12, 960));
    }

    QApplication::clipboard()->clear();
    {
        Aenderung vorgabe;
        app.nExpPunkte = 0;
        datensatzGeschrieben();
    }
    main->mnuEdit1_Open();
    EXPECT_EQ(names(main->mnuEdit1->actions(), true).mid(0, 3), (QStringList{"Kopieren", "Einfügen", "Löschen"}));
    for (QAction* a : {main->mnuCopy1, main->mnuPaste1, main->mnuErase1}) EXPECT_FALSE(a->isEnabled());
    QApplication::clipboard()->setText("1\t2");
    {
        Aenderung vorgabe;
        app.nExpPunkte = 3;
        datensatzGeschrieben();
    }
    main->mnuEdit1_Open();
    for (QAction* a : {main->mnuCopy1, main->mnuPaste1, main->mnuErase1}) EXPECT_TRUE(a->isEnabled());
    app.nXYPunkte = 0;
    main->mnuEdit2_Open();
    EXPECT_EQ(std::tuple(main->mnuCopy2->isEnabled(), main->mnuPaste2->isEnabled()), std::tuple(false, true));

    main->mnuFenster_Open();
    for (const QString& t : names(main->menu("mnuFenster")->actions(), true))
        EXPECT_FALSE(t.contains("Hauptfenster"));  // the zero-size window stays out
    test::MsgRecorder rec;
    main->mnuInfo_Click();
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_NE(rec.last().text.find("Version 3.3."), std::string::npos);
    EXPECT_EQ(rec.last().icon, MsgIcon::Information);
}
