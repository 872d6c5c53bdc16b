#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

#include "platform/Forms.h"
#include "platform/HelpViewer.h"
#include "shell/AppState.h"
#include "shell/MDIVRN.h"
#include "shell/MainMenus.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

namespace {

// The menu tree as the user sees it: caption path -> help context.
struct Expected {
    const char* path;
    const char* name;
    int help;
};

const Expected kTree[] = {
    {"&Daten", "mnuDaten", 10070},
    {"&Daten::letzte Sitzung laden", "mnuLoadLastSession", 10070},
    {"&Daten::existierendes Projektfile laden", "mnuLoadProject", 10070},
    {"&Daten::aktuelles Projekt speichern unter...", "mnuSaveProject", 10070},
    {"&Daten::exper. Daten    NEU Eingabe / Laden", "mnuNeudat", 10130},
    {"&Daten::exper. Daten    Sichten / Editieren", "mnuEdit", 10100},
    {"&Daten::XY-Editor   (XY-Daten eingeben | laden)", "mnuEditXY", 10070},
    {"&Daten::Exit", "mnuExit", 10110},
    {"kinetisches &Modell", "mnuModel", 10240},
    {"Versuchsauswertung::Auswertung c-&t-Daten    (isotherm)::grafische Auswertung für Konzentrations-Zeit-Daten "
     "per Geradengleichung::... für 1. Ordnung  A => P",
     "mnuctAusw(1)", 10030},
    {"Versuchsauswertung::Auswertung c-&t-Daten    (isotherm)::grafische Auswertung für Konzentrations-Zeit-Daten "
     "per Geradengleichung::... für 2. Ordnung  2 A => P",
     "mnuctAusw(2)", 10040},
    {"Versuchsauswertung::Auswertung c-&t-Daten    (isotherm)::grafische Auswertung für Konzentrations-Zeit-Daten "
     "per Geradengleichung::... für 2. Ordnung  A + B => P ",
     "mnuctAusw(3)", 10050},
    {"Versuchsauswertung::Auswertung c-&t-Daten    (isotherm)::Fitting isotherm,  k,  entsprechend gewähltem Modell",
     "mnuCtFitting", 0},
    {"Versuchsauswertung::Auswertung c-&t-Daten    (isotherm)::Fitting isotherm,  k und Reaktionsordnung,  A => P",
     "mnuROFitting", 0},
    {"Versuchsauswertung::Auswertung c-t-T-Daten (nicht-isotherm) ::Fitting nicht-isotherm, 1. Ordnung   A => P, an  "
     "t-c(A)-T-Daten",
     "mnuNonIsothermFitting(1)", 0},
    {"Versuchsauswertung::Auswertung c-t-T-Daten (nicht-isotherm) ::Fitting nicht-isotherm, 2. Ordnung 2A => P, an  "
     "t-c(A)-T-Daten",
     "mnuNonIsothermFitting(2)", 0},
    {"Versuchsauswertung::graf. Auswertung für lambda(t)-Daten per Geradengleichung (isotherm)::... für 1. Ordnung  A "
     "=> P",
     "mnuLambdaAusw(1)", 0},
    {"Versuchsauswertung::graf. Auswertung für lambda(t)-Daten per Geradengleichung (isotherm)::... für 2. Ordnung  A + "
     "B => P ",
     "mnuLambdaAusw(3)", 0},
    {"Versuchsauswertung::Auswertung &k-T-Daten::nach ARRHENIUS-Gleichung", "mnukT(1)", 10300},
    {"Versuchsauswertung::Auswertung &k-T-Daten::nach EYRING-Gleichung", "mnukT(2)", 10310},
    {"Versuchsauswertung::grafikgestützte Berechnung von Reakt.-geschwindigkeiten aus c-t-Messpunkten::aus Messpunkten "
     "c(Q) - t",
     "mnuSubTangente(5)", 0},
    {"Modell-&Simulation::Konzentrations-Zeit-Funktionen", "mnuctGraph", 0},
    {"Modell-&Simulation::Geschwindigkeits-Zeit-Funktionen", "mnuvtGraph", 0},
    {"Monte-&Carlo::Reaktion 1. Ordnung A => P", "mnuSubMonteCarlo(0)", 0},
    {"Monte-&Carlo::Dynamisches Reaktionsgleichgewicht A <=> P", "mnuSubMonteCarlo(1)", 0},
    {"&Reaktoren::Batch-Reaktor", "mnuBatchR", 0},
    {"&Reaktoren::Rohrreaktor", "mnuRohrR", 0},
    {"&Reaktoren::kontinuierlicher Rührkessel", "mnuKontRK", 0},
    {"&Reaktoren::Rührkessel-Kaskade", "mnuKaskade", 0},
    {"&Optionen::Optionen", "mnuOption", 0},
    {"&Optionen::ARRHENIUS-Rechner", "mnuToolArrhenius", 0},
    {"&Optionen::EYRING-Rechner", "mnuToolEyring", 0},
    {"&Fenster", "mnuFenster", 0},
    {"&Hilfe::über dieses Programm", "mnuAboutVrn", 10260},
    {"&Hilfe::Hilfe", "mnuIndex", 10270},
    {"&Hilfe::Tipps zeigen", "mnuTip", 10250},
};

}  // namespace

class Menus : public ::testing::Test {
protected:
    void SetUp() override {
        w = std::make_unique<MDIVRN>();
        w->MDIForm_Load();
        w->show();
    }
    test::GuiTest env;
    std::unique_ptr<MDIVRN> w;
};

TEST_F(Menus, EveryCaptionAndHelpContextOfTheTree) {
    for (const Expected& e : kTree) {
        QAction* a = vrn::test::menuActionByPath(w->menuBar(), QString::fromUtf8(e.path));
        ASSERT_NE(a, nullptr) << e.path;
        EXPECT_EQ(a->objectName(), QString(e.name)) << e.path;
        EXPECT_EQ(w->helpContext(e.name), e.help) << e.name;
    }
    // Top-level order of the menu bar.
    QStringList top;
    for (QAction* a : w->menuBar()->actions()) top << a->text();
    EXPECT_EQ(top, (QStringList{"&Daten", "kinetisches &Modell", "Versuchsauswertung", "Modell-&Simulation",
                                "Monte-&Carlo", "&Reaktoren", "&Optionen", "&Fenster", "&Hilfe"}));
    // Separators stand where they belong in "&Daten".
    QStringList daten;
    for (QAction* a : w->menu("mnuDaten")->actions()) daten << (a->isSeparator() ? "-" : a->objectName());
    EXPECT_EQ(daten, (QStringList{"mnuLoadLastSession", "mnuLoadProject", "mnuSaveProject", "-", "mnuNeudat", "mnuEdit",
                                  "-", "mnuEditXY", "-", "mnuExit"}));
}

TEST_F(Menus, StartStates) {
    EXPECT_FALSE(w->mnuEdit->isEnabled());
    EXPECT_FALSE(w->menuItem("mnuctAusw(4)")->isVisible());
    EXPECT_FALSE(w->menuItem("mnuctAusw(4)")->isEnabled());
    EXPECT_FALSE(w->menuItem("mnuKaskade")->isEnabled());
    EXPECT_TRUE(w->toolbarButton(7)->isEnabled());
    EXPECT_EQ(w->toolbarButton(2)->toolTip(), QString(" Neues Projekt  Versuchsauswertung "));
    EXPECT_EQ(w->toolbarButton(4)->toolTip(), QString(" Letzte Sitzung laden "));
    EXPECT_EQ(w->toolbarButton(6)->toolTip(), QString(" Existierendes Projekt laden "));
    EXPECT_EQ(w->toolbarButton(7)->toolTip(), QString(" Aktuelles Projekt speichern "));
    EXPECT_EQ(w->toolbarButton(14)->toolTip(), QString("ARRHENIUS-Rechner"));
    EXPECT_EQ(w->toolbarButton(16)->toolTip(), QString("EYRING-Rechner"));
    for (int spacer : {1, 3, 5, 8, 9, 10, 11, 12, 13, 15}) EXPECT_EQ(w->toolbarButton(spacer), nullptr) << spacer;
}

TEST_F(Menus, F1OpensTheHelpOfTheHighlightedItem) {
    QMenu* hilfe = w->menu("mnuHelp");
    hilfe->popup(QPoint(10, 10));
    QApplication::processEvents();
    hilfe->setActiveAction(w->menuItem("mnuAboutVrn"));
    QTest::keyClick(hilfe, Qt::Key_F1);
    ASSERT_NE(helpBrowser(), nullptr);
    EXPECT_TRUE(helpBrowser()->toPlainText().contains("10260") ||
                helpBrowser()->source().toString().endsWith("10260.html"));
    hilfe->hide();
    HtmlHelpCloseAll();
}

TEST_F(Menus, HintPanelTogglesAndHidesOnClick) {
    EXPECT_FALSE(w->Picture1->isVisible());
    QTest::mouseClick(w->cmdErstnutzer, Qt::LeftButton);
    EXPECT_TRUE(w->Picture1->isVisible());
    QTest::mouseClick(w->cmdErstnutzer, Qt::LeftButton);
    EXPECT_FALSE(w->Picture1->isVisible());
    QTest::mouseClick(w->cmdErstnutzer, Qt::LeftButton);
    QTest::mouseClick(w->Label2[4], Qt::LeftButton);
    EXPECT_FALSE(w->Picture1->isVisible());
}

TEST_F(Menus, PopupsEnableByCountAndClipboard) {
    QApplication::clipboard()->clear();
    app.nExpPunkte = 0;
    w->mnuEdit1_Open();
    EXPECT_FALSE(w->mnuCopy1->isEnabled());
    EXPECT_FALSE(w->mnuPaste1->isEnabled());
    EXPECT_FALSE(w->mnuErase1->isEnabled());
    EXPECT_EQ(w->mnuCopy1->text(), QString("Kopieren"));
    EXPECT_EQ(w->mnuPaste1->text(), QString("Einfügen"));
    EXPECT_EQ(w->mnuErase1->text(), QString("Löschen"));
    QApplication::clipboard()->setText("1\t2");
    app.nExpPunkte = 3;
    w->mnuEdit1_Open();
    EXPECT_TRUE(w->mnuCopy1->isEnabled());
    EXPECT_TRUE(w->mnuPaste1->isEnabled());
    EXPECT_TRUE(w->mnuErase1->isEnabled());
    app.nXYPunkte = 0;
    w->mnuEdit2_Open();
    EXPECT_FALSE(w->mnuCopy2->isEnabled());
    EXPECT_TRUE(w->mnuPaste2->isEnabled());
}

TEST_F(Menus, WindowListShowsTheOpenChildren) {
    w->mnuFenster_Open();
    QStringList items;
    for (QAction* a : w->menu("mnuFenster")->actions()) items << a->text();
    for (const QString& t : items) EXPECT_FALSE(t.contains("Hauptfenster"));  // the zero-size window stays out
}

TEST_F(Menus, InfoStatesTheVersion) {
    test::MsgRecorder rec;
    w->mnuInfo_Click();
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_NE(rec.last().text.find("Version 3.3."), std::string::npos);
    EXPECT_EQ(rec.last().icon, MsgIcon::Information);
}

TEST_F(Menus, ScreenshotWithMenusToolbarAndHints) {
    w->Picture1->show();
    w->resize(1024, 700);
    QApplication::processEvents();
    test::saveScreenshot(w.get(), "main_window_hints");
}
