#include <gtest/gtest.h>

#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

#include <QDate>
#include <QRadioButton>

#include "engine/frmKinModel.h"
#include "platform/Forms.h"
#include "platform/Paths.h"
#include "platform/Twips.h"
#include "shell/AppState.h"
#include "shell/MDIVRN.h"
#include "shell/frmPhantom.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

class MainWindow : public ::testing::Test {
protected:
    test::GuiTest env;
};

TEST_F(MainWindow, StartsWithCaptionAndStartValues) {
    MDIVRN w;
    w.show();
    w.MDIForm_Load();
    EXPECT_EQ(w.windowTitle(), QString("VARNOLT-3     Varnolt homogener chemischer Reaktionen"));
    EXPECT_EQ(app.iModell, 2);
    EXPECT_EQ(app.k[1], 0.15);
    EXPECT_EQ(app.sZeiteinheit, "s");
    EXPECT_EQ(app.nExpPunkte, 0);
    // The model window is open from the start and has chosen model 2.
    ASSERT_TRUE(IsFormLoaded<frmKinModel>());
    EXPECT_TRUE(Forms::loaded<frmKinModel>()->optTyp[2]->isChecked());
    EXPECT_EQ(app.iDiagrammTyp, 2);
    EXPECT_EQ(app.tEnd, 100.0f);
    EXPECT_EQ(app.sSpeziesMaske, "10010");
    // The first free protocol name of the day: yymmdd01.CSV.
    const QString today = QDate::currentDate().toString("yyMMdd");
    EXPECT_EQ(QString::fromStdString(app.ProtDateiName), today + "01.CSV");
    EXPECT_EQ(app.AppPath, env.folderStd());
    EXPECT_EQ(app.SessionDateiName, env.folderStd() + "/VrnLastSession.VRP");
    EXPECT_TRUE(IsFormLoaded<frmPhantom>());
    EXPECT_EQ(Forms::loaded<frmPhantom>()->caption(), QString("Hauptfenster"));
    EXPECT_FALSE(w.Picture1->isVisible());
    EXPECT_TRUE(test::unexpectedMessages().empty());
}

TEST_F(MainWindow, HintLinesCarryTheirTexts) {
    MDIVRN w;
    w.MDIForm_Load();
    EXPECT_EQ(w.Label1->text(), QString(" Falls Sie noch nicht mit VARNOLT vertraut sind: "));
    EXPECT_EQ(w.Label2[3]->text(), QString("  Ein einfaches Beispiel:"));
    EXPECT_TRUE(w.Label2[4]->text().startsWith("   (1) Laden Sie das Projektfile \"1st_order.VRP\"."));
    EXPECT_TRUE(w.Label2[8]->text().startsWith("  - Für \"Monte-Carlo-Simulation\""));
    EXPECT_EQ(w.cmdErstnutzer->text(), QString("Tip für Erstnutzer          (ein/aus)"));
}

TEST_F(MainWindow, ResizeKeepsTheHintButtonAtTheRightEnd) {
    MDIVRN w;
    w.MDIForm_Load();
    w.show();
    std::array<int, 3> kept{};
    for (int i = 6; i <= 8; ++i) kept[static_cast<std::size_t>(i - 6)] = w.Label2[static_cast<std::size_t>(i)]->width();
    for (int width : {900, 1200}) {
        w.resize(width, 700);
        QApplication::processEvents();
        w.MDIForm_Resize();
        const int gap = pixelsToTwipsX(w.width()) - pixelsToTwipsX(w.cmdErstnutzer->x()) -
                        pixelsToTwipsX(w.cmdErstnutzer->width());
        EXPECT_NEAR(gap, 200, 30) << width;
        const int screenPx = twipsToPixelsX(screenWidthTwips());
        for (int i = 0; i <= 5; ++i)
            EXPECT_EQ(w.Label2[static_cast<std::size_t>(i)]->width(), std::min(screenPx, w.width() - 12));
        for (int i = 6; i <= 8; ++i)
            EXPECT_EQ(w.Label2[static_cast<std::size_t>(i)]->width(), kept[static_cast<std::size_t>(i - 6)]);
    }
}

TEST_F(MainWindow, DecimalCommaFromTheLocale) {
    {
        test::LocaleGuard g{QLocale(QLocale::German, QLocale::Germany)};
        MDIVRN w;
        w.MDIForm_Load();
        EXPECT_TRUE(app.bDezimalKomma);
    }
    {
        test::LocaleGuard g{QLocale(QLocale::English, QLocale::UnitedStates)};
        MDIVRN w;
        w.MDIForm_Load();
        EXPECT_FALSE(app.bDezimalKomma);
    }
}

TEST_F(MainWindow, Screenshot) {
    MDIVRN w;
    w.resize(1000, 720);
    w.show();
    w.MDIForm_Load();
    QApplication::processEvents();
    const QString path = test::saveScreenshot(&w, "main_window_start");
    QImage img(path);
    EXPECT_FALSE(img.isNull());
}
