#include <QElapsedTimer>
#include <QGroupBox>
#include <QMimeData>

#include "engine/frmKinModel.h"
#include "montecarlo/MCTeilchenfeld.h"
#include "montecarlo/frmMonteCarlo.h"
#include "platform/ColourFont.h"
#include "platform/CommonDialogs.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

namespace {

// Lets the event loop run until the condition holds or the time is up.
bool warteBis(const std::function<bool()>& bedingung, int ms = 20000) {
    QElapsedTimer t;
    t.start();
    while (!bedingung()) {
        if (t.elapsed() > ms) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

bool fett(const QWidget* x) { return x->font().bold(); }

QColor farbeVon(const frmMonteCarlo& mc, Long i) {
    const MCBrettGeometrie& g = mc.Teilchenfeld->geometrie();
    return mc.Teilchenfeld->bild().pixelColor(static_cast<int>(g.mitteX(i)), static_cast<int>(g.mitteY(i)));
}

// Every particle of the board shows the colour of its state.
void pruefeBrett(const frmMonteCarlo& mc) {
    int falsch = 0;
    for (Long i = 1; i <= mc.lauf().N0(); ++i)
        if (farbeVon(mc, i) != toQColor(mc.lauf().teilchen(i) == 1 ? app.Farbe1 : app.Farbe2)) ++falsch;
    EXPECT_EQ(falsch, 0);
}

void pruefeZustand(const frmMonteCarlo& mc, bool laufend, bool goAn) {
    EXPECT_EQ(mc.laeuft(), laufend);
    for (QWidget* b : std::initializer_list<QWidget*>{mc.cmdClose, mc.cmdStart, mc.cmdHelp, mc.cmdRefresh, mc.Frame1})
        EXPECT_EQ(b->isEnabled(), !laufend) << b->objectName().toStdString();
    EXPECT_EQ(std::tuple(mc.cmdStop->isEnabled(), mc.cmdContinue->isEnabled(), mc.cmdClipboard->isVisible()),
              std::tuple(laufend, goAn, !laufend));
}

}  // namespace

class MonteCarloWindow : public test::MainWindowTest {
protected:
    void SetUp() override { frmMonteCarlo::pauseScale = 0.02; }
    void TearDown() override { frmMonteCarlo::pauseScale = 1.0; }

    frmMonteCarlo& oeffne(int modus) {
        main->clickMenu(modus == 1 ? "mnuSubMonteCarlo(0)" : "mnuSubMonteCarlo(1)");
        frmMonteCarlo* mc = Forms::loaded<frmMonteCarlo>();
        EXPECT_NE(mc, nullptr);
        mc->setRandomSource(std::make_unique<SeededRandom>(11));
        QApplication::processEvents();
        return *mc;
    }
    void stop(frmMonteCarlo& mc) {
        test::clickButton(mc.cmdStop);
        ASSERT_TRUE(warteBis([&] { return !mc.laeuft(); }));
    }
};

TEST_F(MonteCarloWindow, OpensInModeOneWithAFullBoardAndAnEmptyChart) {
    ASSERT_TRUE(Forms::loaded<frmKinModel>()->isVisible());
    frmMonteCarlo& mc = oeffne(1);
    EXPECT_FALSE(Forms::loaded<frmKinModel>()->frame()->isVisible());
    EXPECT_EQ(std::tuple(mc.caption(), mc.Label3->text()),
              std::tuple("Varnolt als Zufallsspiel (Monte-Carlo-Simulation)", "Simulation einer Varnolt 1. Ordnung"));
    EXPECT_TRUE(mc.PfeilHin->isVisible());
    EXPECT_FALSE(mc.PfeilRueck->isVisible() || mc.Frame2->isVisible() || mc.lblBildText->isVisible());
    EXPECT_TRUE(mc.optN0[2]->isChecked() && fett(mc.optN0[2]) && !fett(mc.optN0[0]));
    EXPECT_EQ(mc.Teilchenfeld->geometrie().FeldSeite, 32);
    pruefeBrett(mc);
    EXPECT_EQ(farbeVon(mc, 1024), QColor(255, 0, 0));
    pruefeZustand(mc, false, false);

    const ChartControl& c = *mc.Chart2D2;
    // No label on the empty chart.
    EXPECT_EQ(std::tuple(c.pointCount(1, 1), mc.Chart2D2->labelRect(1).isNull()), std::tuple(0, true));
    for (int s = 2; s <= 5; ++s) EXPECT_EQ(c.displayState(1, s), kSeriesHidden) << s;
    EXPECT_EQ(std::tuple(c.text(ChartTextBlock::Header), c.text(ChartTextBlock::Footer),
                         c.textColour(ChartTextBlock::Footer), c.axisTitle(ChartAxis::Y), c.axisShown(ChartAxis::Y2)),
              std::tuple("berechnet N(A) = N0 exp(-k t)", " o :   simuliert", app.Farbe1,
                         "Teilchenzahl  N(i) / N0 * 100%", false));
    for (ChartAxis a : {ChartAxis::X, ChartAxis::Y})
        EXPECT_TRUE(c.axisMin(a) == 0 && c.axisMax(a) == 100 && c.spacing(a, ChartSpacing::Grid) == 10);

    QApplication::clipboard()->clear();
    test::clickButton(mc.cmdClipboard);
    const QMimeData* m = QApplication::clipboard()->mimeData();
    ASSERT_NE(m, nullptr);
    EXPECT_TRUE(m->hasImage() && m->data("image/svg+xml").contains("<svg"));
}

TEST_F(MonteCarloWindow, OpensInModeTwoWithTheKFrameAndFollowsK) {
    frmMonteCarlo& mc = oeffne(2);
    EXPECT_TRUE(mc.PfeilRueck->isVisible() && mc.Frame2->isVisible());
    EXPECT_TRUE(mc.optGK[0]->isChecked() && fett(mc.optGK[0]));
    EXPECT_EQ(std::tuple(mc.Label3->text(), mc.optGK[0]->text(), mc.lblBildText->text()),
              std::tuple("Dynamisches Reaktionsgleichgewicht", "K = 0,5", "K = N(P) / N(A) = 0,5"));
    // The header names N(P),eq = K N0 / (K + 1), the quantity the curve uses.
    EXPECT_EQ(mc.Chart2D2->text(ChartTextBlock::Header), "berechnet N(A) = N0 - N(P),eq {1 - exp[-N0 t k1/N(P),eq]}");

    // Choosing K redraws the calculated curves: for K = 2 A tends to a third (the curves are checked in the core).
    test::clickButton(mc.optGK[2]);
    EXPECT_TRUE(fett(mc.optGK[2]) && !fett(mc.optGK[0]));
    EXPECT_EQ(mc.lblBildText->text(), QString("K = N(P) / N(A) = 2"));
    const ChartControl& c = *mc.Chart2D2;
    EXPECT_NEAR(c.y(1, 1, 101), 33.33, 0.05);
    EXPECT_EQ(std::tuple(c.labelText(2), c.labelPoint(1)), std::tuple("N(P) = N0 - N(A)", 3));
}

TEST_F(MonteCarloWindow, DecayOfOneHundredRunsToItsEnd) {
    frmMonteCarlo& mc = oeffne(1);
    test::clickButton(mc.optN0[0]);
    const ChartControl& c = *mc.Chart2D2;
    ASSERT_EQ(c.pointCount(1, 1), 101);  // the calculated curve, checked with the curves

    test::clickButton(mc.cmdStart);
    pruefeZustand(mc, true, false);
    ASSERT_TRUE(warteBis([&] { return !mc.laeuft(); }));
    pruefeZustand(mc, false, false);

    // Every point of the run is drawn (when the run ends is the core tests').
    const Long n = mc.lauf().iPunkt();
    ASSERT_EQ(c.pointCount(1, 3), n);
    ASSERT_EQ(c.pointCount(1, 4), n);
    EXPECT_TRUE(c.x(1, 3, 1) == 0 && c.y(1, 3, 1) == 100 && c.y(1, 4, 1) == 0);
    for (int i = 1; i <= n; ++i) EXPECT_NEAR(c.y(1, 3, i) + c.y(1, 4, i), 100, 1e-4);
    EXPECT_EQ(std::tuple(c.y(1, 3, n), c.style(1, 4).symbolColour), std::tuple(mc.lauf().nA(), app.Farbe2));
    pruefeBrett(mc);

    // Refresh: all A again, the simulated points hidden.
    test::clickButton(mc.cmdRefresh);
    EXPECT_EQ(std::tuple(c.displayState(1, 3), mc.lauf().nA()), std::tuple(kSeriesHidden, 100));
    pruefeBrett(mc);
}

TEST_F(MonteCarloWindow, StopThenGoContinuesPointsAndDraws) {
    frmMonteCarlo& mc = oeffne(2);
    test::clickButton(mc.optN0[0]);
    test::clickButton(mc.optGK[1]);
    test::clickButton(mc.chkFlashOn);
    EXPECT_FALSE(mc.bFlash);
    test::clickButton(mc.cmdStart);
    ASSERT_TRUE(warteBis([&] { return mc.lauf().iPunkt() >= 6; }));
    stop(mc);
    pruefeZustand(mc, false, true);
    EXPECT_FALSE(mc.Teilchenfeld->blitzAktiv());
    const Long n = mc.lauf().iPunkt();
    const ChartControl& c = *mc.Chart2D2;
    ASSERT_EQ(c.pointCount(1, 3), n);
    const double letzterY = c.y(1, 3, n);
    pruefeBrett(mc);

    test::clickButton(mc.cmdContinue);
    pruefeZustand(mc, true, false);
    ASSERT_TRUE(warteBis([&] { return mc.lauf().iPunkt() >= n + 3; }));
    stop(mc);
    ASSERT_EQ(c.pointCount(1, 3), mc.lauf().iPunkt());
    EXPECT_EQ(c.y(1, 3, n), letzterY);
    pruefeBrett(mc);

    test::clickButton(mc.cmdStart);  // Start begins anew from all A and point 1
    EXPECT_LE(mc.lauf().iPunkt(), 2);
    stop(mc);
}

// Closing the window, choosing the menu again or "Exit" during a run end
// the run; no draw runs on a window that is going.
TEST_F(MonteCarloWindow, ClosingChoosingTheMenuOrExitDuringARunEndIt) {
    auto warte = [](int ms) { warteBis([] { return false; }, ms); };
    frmMonteCarlo* mc = &oeffne(2);
    test::clickButton(mc->cmdStart);
    ASSERT_TRUE(warteBis([&] { return mc->Teilchenfeld->blitzAktiv() && mc->lauf().iPunkt() >= 2; }));
    mc->frame()->close();  // the close box
    EXPECT_FALSE(IsFormLoaded<frmMonteCarlo>());
    warte(100);
    EXPECT_TRUE(Forms::loaded<frmKinModel>()->frame()->isVisible());

    mc = &oeffne(2);
    test::clickButton(mc->cmdStart);
    ASSERT_TRUE(warteBis([&] { return mc->lauf().iPunkt() >= 2; }));
    frmMonteCarlo& neu = oeffne(1);
    ASSERT_NE(&neu, mc);
    EXPECT_EQ(neu.modus(), 1);
    warte(100);
    pruefeZustand(neu, false, false);
    EXPECT_EQ(neu.lauf().nZuege(), 0);

    int ends = 0;
    auto alt = MDIVRN::endProgram;
    MDIVRN::endProgram = [&] { ++ends; };
    test::clickButton(neu.cmdStart);
    main->clickMenu("mnuExit");
    MDIVRN::endProgram = alt;
    EXPECT_EQ(ends, 1);
    main.reset();  // what follows the end of the event loop
    test::processEvents();
    EXPECT_FALSE(IsFormLoaded<frmMonteCarlo>());
}

TEST_F(MonteCarloWindow, OptionsRefreshIsIgnoredWhileARunIsGoing) {
    frmMonteCarlo& mc = oeffne(2);
    test::clickButton(mc.optN0[0]);
    test::clickButton(mc.cmdStart);
    ASSERT_TRUE(warteBis([&] { return mc.lauf().iPunkt() >= 3; }));
    const QString farbeA = mc.lblA->styleSheet();
    auto alt = setColourChooser([](const QColor&) { return std::optional<QColor>(QColor(0, 128, 0)); });
    main->clickMenu("mnuOption");
    test::clickButton(Forms::loaded<frmOption>()->cmdAColor);
    test::clickButton(Forms::loaded<frmOption>()->chkSolidPoints);
    test::clickButton(Forms::loaded<frmOption>()->cmdOK);
    setColourChooser(alt);
    // The run goes on over its own board; its next point takes the new style.
    EXPECT_EQ(std::tuple(mc.laeuft(), mc.lblA->styleSheet(), mc.Chart2D2->displayState(1, 3)),
              std::tuple(true, farbeA, kSeriesShown));
    const Long n = mc.lauf().iPunkt();
    ASSERT_TRUE(warteBis([&] { return mc.lauf().iPunkt() > n; }));
    EXPECT_EQ(mc.Chart2D2->style(1, 3), (ChartSeriesStyle{1, RGB(0, 128, 0), 1, 2, RGB(0, 128, 0), 7}));
    stop(mc);

    // Idle, the options' Refresh takes effect: labels and board in the new colour.
    main->clickMenu("mnuOption");
    test::clickButton(Forms::loaded<frmOption>()->cmdOK);
    EXPECT_NE(mc.lblA->styleSheet(), farbeA);
    EXPECT_EQ(std::tuple(mc.Chart2D2->displayState(1, 3), mc.cmdContinue->isEnabled(), farbeVon(mc, 1)),
              std::tuple(kSeriesHidden, false, QColor(0, 128, 0)));
}

TEST_F(MonteCarloWindow, LargeModeDrawsCellsInOneFilledSquare) {
    frmMonteCarlo& mc = oeffne(2);
    test::clickButton(mc.optN0[5]);
    EXPECT_TRUE(mc.bGross);
    // No grey board and no circles: the whole square is the colour of A.
    const QImage& bild = mc.Teilchenfeld->bild();
    const int r = MCTeilchenfeld::kRand, seite = static_cast<int>(mc.Teilchenfeld->geometrie().Seite);
    int andere = 0;
    for (int y = r; y < r + seite; y += 3)
        for (int x = r; x < r + seite; x += 3) andere += bild.pixelColor(x, y) != QColor(255, 0, 0);
    EXPECT_EQ(andere, 0);

    test::clickButton(mc.optN0[4]);  // 9025 particles: cells of almost 4 pixels
    test::clickButton(mc.chkFlashOn);
    test::clickButton(mc.cmdStart);
    ASSERT_TRUE(warteBis([&] { return mc.lauf().iPunkt() >= 4; }));
    stop(mc);
    EXPECT_LT(mc.lauf().nA(), 9025);
    pruefeBrett(mc);
}
