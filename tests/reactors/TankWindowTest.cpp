#include <QTimer>

#include "reactors/frmProtokoll.h"
#include "reactors/frmRKconti.h"
#include "reactors/ReactorWindowSupport.h"
#include "ReactorTestSupport.h"

using namespace vrn;

class TankWindow : public test::ReactorWindowTest {
protected:
    // Model 2 with V and V* given.
    frmRKconti& firstOrder() {
        frmRKconti& r = open<frmRKconti>("mnuKontRK", 2);
        clickButton(r.optCalcConti[2]);
        tippe(r, {{14, "1"}, {15, "0.2"}});
        return r;
    }
    QColor liquid(frmRKconti& r) { return colourAt(r.picReaktor, kKesselBild, 400, 3100); }
};

TEST_F(TankWindow, SteadyStateOfTheFirstOrderExample) {
    test::LocaleGuard german(QLocale(QLocale::German, QLocale::Germany));  // fields keep the point
    frmRKconti& r = firstOrder();
    EXPECT_EQ(r.caption(), "Kontinuierlicher Rührreaktor, isotherm");
    EXPECT_FALSE(r.Timer1->isActive());
    clickButton(r.cmdCalc);
    // t, c(A) = 1 / (1 + k1·t), U, c(P)
    EXPECT_EQ(std::tuple(r.Inp[16]->text(), r.Inp[5]->text(), r.Inp[13]->text(), r.Inp[8]->text()),
              std::tuple(" 5", " .5714286", " .4285714", " .4285714"));
    EXPECT_EQ(std::tuple(liquid(r), r.Timer1->isActive(), r.Timer1->interval(), rec.count()),
              std::tuple(QColor(146, 255, 109), true, 80, 0u));
    clickButton(r.cmdShowKsi);
    EXPECT_EQ(r.lblTextKsi_1->text(), "ksi(1)/(kmol/m^3) = .4285714");
}

TEST_F(TankWindow, ChoosingTwoGivenQuantities) {
    frmRKconti& r = firstOrder();
    clickButton(r.cmdCalc);
    // Selection 4: V* and t given, U and V computed.
    clickButton(r.optCalcConti[4]);
    EXPECT_TRUE(r.optCalcConti[4]->font().bold());
    for (int i = 13; i <= 16; ++i) {
        const bool computed = i <= 14;
        EXPECT_EQ(r.Inp[static_cast<std::size_t>(i)]->text() == " 0", computed) << i;
        EXPECT_EQ(r.Inp[static_cast<std::size_t>(i)]->isReadOnly(), computed) << i;
        EXPECT_EQ(r.Inp[static_cast<std::size_t>(i)]->styleSheet().contains("#FFFFC0"), computed) << i;
    }
    typeInto(r.Inp[16], "5");
    clickButton(r.cmdCalc);
    EXPECT_EQ(std::tuple(r.Inp[14]->text(), r.Inp[13]->text()), std::tuple(" 1", " .4285714"));
}

TEST_F(TankWindow, RefusalsAndFailures) {
    // A first calculation that fails (zero order with k1 tau = 5 > c0(A):
    // no steady state) still enables "Protokollieren".
    frmRKconti& r = open<frmRKconti>("mnuKontRK", 1);
    clickButton(r.optCalcConti[2]);
    tippe(r, {{10, "0.5"}, {14, "1"}, {15, "0.1"}});
    clickButton(r.cmdCalc);
    EXPECT_EQ(std::tuple(rec.last().text, r.cmdProtocol->isEnabled(), r.cmdShowKsi->isEnabled()),
              std::tuple("Berechnungsfehler aufgetreten.", true, false));
    // model, selection, typed fields, message
    const std::tuple<int, std::size_t, std::vector<std::pair<std::size_t, const char*>>, const char*> rows[] = {
        {2, 0, {{13, "1"}, {14, "1"}}, "- Der Umsatz muss (0 < U <= 1) sein.\r\n"},
        {2, 2, {{14, "1"}, {15, "0"}}, "- Der Volumenstrom muss größer Null sein.\r\n"},
        {2, 2, {{14, ""}, {15, "-1"}},
         "- Das Reaktionsvolumen muss größer Null sein.\r\n- Der Volumenstrom muss größer Null sein.\r\n"},
        {2, 3, {{14, "1"}, {16, "abc"}}, "- Die Zeitangabe muss größer Null sein.\r\n"},
        {16, 2, {{14, "1"}, {15, "1"}, {3, "0"}, {10, "0"}},
         "- für Autokatalyse muss ein (geringes) c(P)(0) gegeben sein, sonst springt die Reaktion nicht an\r\n"
         "- Geschwindigkeitskonstante k1 muss größer Null sein\r\n"},
        {10, 2, {{14, "1"}, {15, "1"}, {0, "0"}, {1, "0"}},
         "- Eingangskonzentration für Stoff A angeben!\r\n- Eingangskonzentration für Stoff S angeben!\r\n"},
        // B insufficient for the conversion (the engine's refusal).
        {4, 0, {{0, "1"}, {1, "0.5"}, {13, "0.5"}, {14, "1"}},
         "Die Anfangskonzentration von B ist für den gewünschten Umsatz nicht ausreichend.\r\n"
         "(Die Endkonzentration von B darf nicht bis auf Null absinken.)"},
        // Model 8 (k> = 0.5, k< = 0.1): at most U = 5/6.
        {8, 0, {{13, "0.9"}, {14, "1"}},
         "- der Vorgabe-Umsatz U(A) kann bei dieser Gleichgewichtsreaktion\r\n"
         "  mit den gegebenen Anfangskonzentrationen nicht erreicht werden.\r\n\r\n"
         "  (U(A)(max) = 0.8333)"},
    };
    for (const auto& [model, selection, fields, message] : rows) {
        SCOPED_TRACE(model);
        chooseModel(model);
        clickButton(r.optCalcConti[selection]);
        for (const auto& [field, text] : fields) typeInto(r.Inp[field], text);
        const QString outlet = r.Inp[5]->text();
        rec.clear();
        clickButton(r.cmdCalc);
        ASSERT_EQ(rec.count(), 1u);
        EXPECT_EQ(std::tuple(rec.last().text, rec.last().title, r.Inp[5]->text(), app.iProtZeileQuelle),
                  std::tuple(message, " Ausführung nicht möglich ", outlet, 0));
    }

    // Model 17 is not checked for c(B)(0): without B nothing reacts, and the
    // tank's steady state is its feed (U = 0).
    chooseModel(17);
    clickButton(r.optCalcConti[2]);
    tippe(r, {{1, "0"}, {14, "1"}, {15, "1"}});
    rec.clear();
    clickButton(r.cmdCalc);
    EXPECT_EQ(rec.count(), 0u);
    EXPECT_EQ(std::tuple(r.Inp[5]->text(), r.Inp[13]->text()), std::tuple(" 1", " 0"));
}

// Fields of an earlier model stay typed but hidden; the protocol takes only those of the model shown.
TEST_F(TankWindow, ProtocolTakesOnlyTheFieldsOfTheModelShown) {
    frmRKconti& r = open<frmRKconti>("mnuKontRK", 7);  // A + B => C; A + C => P: B and k2 shown
    tippe(r, {{1, "0.5"}, {11, "0.05"}});
    chooseModel(2);
    for (std::size_t verborgen : {1u, 11u}) {  // B and k2: hidden, not empty
        ASSERT_FALSE(r.Inp[verborgen]->isVisible());
        ASSERT_NE(Val(r.Inp[verborgen]->text().toStdString()), 0) << verborgen;
    }
    clickButton(r.optCalcConti[2]);
    tippe(r, {{0, "1"}, {10, "0.15"}, {14, "1"}, {15, "0.2"}});
    clickButton(r.cmdCalc);
    ASSERT_EQ(r.Inp[16]->text(), " 5");
    clickButton(r.cmdProtocol);
    frmProtokoll* p = Forms::loaded<frmProtokoll>();
    ASSERT_NE(p, nullptr);
    clickButton(p->cmdProtokoll);
    clickButton(p->cmdOpenNew);
    // The protocol in the clipboard, separators turned into Tabs: A, P and k1 of model 2 only.
    const QStringList lines = QApplication::clipboard()->text().split("\r\n");
    const int header = static_cast<int>(lines.indexOf(QString())) + 1;
    ASSERT_GT(header, 0);
    ASSERT_LT(header + 1, lines.size());
    EXPECT_EQ(lines[header], QString("c_A(A)\tc_E(A)\tc_E(P)\tk1\tU(A)\tt\t V\t V*\t ksi(1)\t"));
    EXPECT_EQ(lines[header + 1].split('\t').size(), 10);
}

TEST_F(TankWindow, StirrerRunsUntilTheUserChangesSomething) {
    frmRKconti& r = firstOrder();
    clickButton(r.cmdCalc);
    ASSERT_TRUE(r.Timer1->isActive());
    const QImage wide = r.picReaktor->shown();
    r.Timer1->stop();
    r.RuehrerFaktor = 0.6f;
    r.Timer1_Timer();
    const QImage narrow = r.picReaktor->shown();
    EXPECT_NE(narrow, wide);
    r.Timer1_Timer();
    EXPECT_EQ(r.picReaktor->shown(), wide);  // two steps bring the picture back

    // A digit typed stops it with the blades left as they are.
    clickButton(r.cmdCalc);
    r.Timer1_Timer();
    QTest::keyClick(r.Inp[14], Qt::Key_5);
    EXPECT_EQ(std::tuple(r.Timer1->isActive(), r.picReaktor->shown()), std::tuple(false, narrow));
    // Enter, or a key the filter refuses, does not.
    typeInto(r.Inp[14], "1");
    clickButton(r.cmdCalc);
    QTest::keyClick(r.Inp[14], Qt::Key_Return);
    QTest::keyClick(r.Inp[14], Qt::Key_X);
    EXPECT_TRUE(r.Timer1->isActive());

    // A change of selection stops it and shows the tank at conversion 0.
    clickButton(r.optCalcConti[2]);
    EXPECT_EQ(std::tuple(r.Timer1->isActive(), liquid(r)), std::tuple(false, QColor(255, 255, 0)));
    // So does activation, and a refused calculation.
    tippe(r, {{14, "1"}, {15, "0.2"}});
    clickButton(r.cmdCalc);
    Forms::get<frmKinModel>().SetFocus();
    r.SetFocus();
    test::processEvents();
    EXPECT_EQ(std::tuple(r.Timer1->isActive(), liquid(r)), std::tuple(false, QColor(255, 255, 0)));
    clickButton(r.cmdCalc);
    typeInto(r.Inp[15], "0");
    clickButton(r.cmdCalc);
    EXPECT_FALSE(r.Timer1->isActive());
    clickButton(r.cmdEsc);
    test::processEvents();
    EXPECT_FALSE(IsFormLoaded<frmRKconti>());
}

TEST_F(TankWindow, EnterWrapsFromTheLastFieldToTheFirstShown) {
    frmRKconti& r = open<frmRKconti>("mnuKontRK", 4);
    QApplication::setActiveWindow(main.get());
    r.Inp[16]->setFocus();
    QTest::keyClick(r.Inp[16], Qt::Key_Return);
    EXPECT_TRUE(r.Inp[1]->hasFocus());
    chooseModel(2);
    r.Inp[16]->setFocus();
    QTest::keyClick(r.Inp[16], Qt::Key_Return);  // B is not shown
    EXPECT_TRUE(r.Inp[16]->hasFocus());
}

// Nothing shown belongs to an older result: the open extent panel follows each
// new result, and a loaded project clears the computed fields and the liquid.
TEST_F(TankWindow, NothingShownBelongsToAnOlderResult) {
    frmRKconti& r = open<frmRKconti>("mnuKontRK", 2);
    clickButton(r.optCalcConti[3]);
    tippe(r, {{14, "1"}, {16, "5"}});
    clickButton(r.cmdCalc);
    clickButton(r.cmdShowKsi);
    EXPECT_EQ(r.lblTextKsi_1->text(), "ksi(1)/(kmol/m^3) = .4285714");
    typeInto(r.Inp[16], "20");
    clickButton(r.cmdCalc);
    EXPECT_EQ(r.Inp[13]->text(), " .75");
    EXPECT_EQ(r.lblTextKsi_1->text(), "ksi(1)/(kmol/m^3) = .75");

    test::loadFirstOrderSample(*main, env.folder());
    test::processEvents();
    ASSERT_EQ(Forms::loaded<frmRKconti>(), &r);
    EXPECT_EQ(r.Inp[10]->text(), " .0215") << "the project's k1";
    EXPECT_EQ(r.Inp[13]->text(), " 0");
    EXPECT_EQ(r.Inp[15]->text(), " 0");
    EXPECT_EQ(r.Inp[5]->text(), " 0");
    EXPECT_FALSE(r.fraKsi->isVisible());
    EXPECT_FALSE(r.Timer1->isActive());
    EXPECT_EQ(liquid(r), QColor(255, 255, 0));
}

// Steady states the tank refused or showed absurdly, as a user enters them
// (V = 1 and t given): each shown, with its hand-solved outlet and no message.
TEST_F(TankWindow, ReportedSteadyStatesAreShown) {
    frmRKconti& r = open<frmRKconti>("mnuKontRK", 17);
    struct Row {
        int model;
        std::vector<std::pair<std::size_t, const char*>> fields;  // feeds 0..4, k 10..12, t 16
        std::size_t slot;                                          // an outlet field 5..9
        double want;
    };
    // Model 17 at its defaults, t = 100: 15 x^2 - 24.5 x + 7.5 = 0 for the
    // extent, c(A) = 1 - x. Model 14 (linear): C = t k1 A (1 + k3 t) /
    // ((1 + k2 t)(1 + k3 t) - k2 k3 t^2) with A = A0 / (1 + k1 t).
    const double x17 = (24.5 - std::sqrt(24.5 * 24.5 - 4 * 15 * 7.5)) / 30;
    const double k1 = 0.008511, k2 = 0.03861, k3 = 0.1627, t = 135.7, a14 = 5.44e-6 / (1 + k1 * t);
    const double c14 = t * k1 * a14 * (1 + k3 * t) / ((1 + k2 * t) * (1 + k3 * t) - k2 * k3 * t * t);
    const Row rows[] = {
        {17, {{0, "1"}, {1, "0.5"}, {10, "0.15"}, {11, "0.01"}, {16, "100"}}, 5, 1 - x17},
        {14, {{0, "5.44e-6"}, {10, "0.008511"}, {11, "0.03861"}, {12, "0.1627"}, {16, "135.7"}}, 7, c14},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.model);
        chooseModel(row.model);
        clickButton(r.optCalcConti[3]);
        typeInto(r.Inp[14], "1");
        for (const auto& [field, text] : row.fields) typeInto(r.Inp[field], text);
        rec.clear();
        clickButton(r.cmdCalc);
        EXPECT_EQ(rec.count(), 0u);
        EXPECT_NEAR(r.Inp[row.slot]->text().trimmed().toDouble(), row.want, 1e-6 * std::fabs(row.want));
        for (std::size_t s = 5; s <= 9; ++s) EXPECT_FALSE(r.Inp[s]->text().trimmed().startsWith('-')) << s;
    }
}

// The conversion given (U and V = 1), model 7 typed as a user does: the
// residence time shown is the one of the outlet shown, c(A) = (1 − U)·c0(A).
// The first tank's residence time is X / (c(A)·k1·c(B)) with X = c0(A) − c(A)
// (C stays near 2E-12); the second one's is its steady state's.
TEST_F(TankWindow, ConversionGivenShowsTheResidenceTimeOfItsOutlet) {
    frmRKconti& r = open<frmRKconti>("mnuKontRK", 7);
    struct Row {
        std::vector<std::pair<std::size_t, const char*>> fields;  // feeds 0..4, k 10..11, U 13
        const char* tau;                                          // Inp(16)
        const char* vPunkt;                                       // Inp(15)
        const char* cA;                                           // Inp(5)
    };
    const Row rows[] = {
        // Once shown as 2E-07 and 4999999.
        {{{0, "1E-05"}, {1, "10"}, {3, "0"}, {10, "0.15"}, {11, "0.05"}, {13, "2E-07"}},
         " 1.333334E-07", " 7499998", " 9.999998E-06"},
        // Once refused ("Berechnungsfehler aufgetreten.": tau 1.64E+154).
        {{{0, "1E-10"}, {1, "0.05"}, {3, "50"}, {10, "140"}, {11, "1E9"}, {13, "0.99999999"}},
         " 1.408995E+07", " 7.09726E-08", " 1E-18"},
    };
    for (const Row& row : rows) {
        clickButton(r.optCalcConti[0]);
        typeInto(r.Inp[14], "1");
        for (const auto& [field, text] : row.fields) typeInto(r.Inp[field], text);
        rec.clear();
        clickButton(r.cmdCalc);
        EXPECT_EQ(rec.count(), 0u) << (rec.count() ? rec.last().text : "");
        EXPECT_EQ(std::tuple(r.Inp[16]->text(), r.Inp[15]->text(), r.Inp[5]->text()),
                  std::tuple(row.tau, row.vPunkt, row.cA));
    }
}

// A + B <=> 2P with K = k1/k2 = 3.9999960 and a trace of A in much B: the
// limit is U(A)(max) = 0.999999333 (once -1500001000092.7178, which refused
// every conversion). Conversions below it are computed, each outlet in
// steady state; one above it is refused with the limit.
TEST_F(TankWindow, ConversionsBelowTheEquilibriumOfANearlyBalancedReactionAreReached) {
    frmRKconti& r = open<frmRKconti>("mnuKontRK", 12);
    clickButton(r.optCalcConti[0]);
    tippe(r, {{0, "1E-6"}, {1, "1.5"}, {3, "0"}, {10, "0.4"}, {11, "0.1000001"}, {14, "1"}});
    for (const char* U : {"0.5", "0.9", "0.999999"}) {
        SCOPED_TRACE(U);
        typeInto(r.Inp[13], U);
        rec.clear();
        clickButton(r.cmdCalc);
        EXPECT_EQ(rec.count(), 0u) << (rec.count() ? rec.last().text : "");
        const double u = std::stod(U);
        EXPECT_NEAR(app.cAkt[1], (1 - u) * 1e-6, 1e-12 * 1e-6);
        EXPECT_NEAR(app.cAkt[4], 2 * u * 1e-6, 1e-12 * 1e-6);
        EXPECT_LE(test::worstBalance(12, app.cAkt, app.tauVerweil), 1e-15 * 1.5);  // rounding of the largest feed
    }
    // By hand for U = 0.5: tau = 0.5E-6 / (0.4·0.5E-6·1.4999995 − 0.1000001·(1E-6)²).
    typeInto(r.Inp[13], "0.5");
    clickButton(r.cmdCalc);
    EXPECT_NEAR(app.tauVerweil, 0.5e-6 / (0.4 * 0.5e-6 * 1.4999995 - 0.1000001e-12), 1e-12);
    typeInto(r.Inp[13], "0.9999994");
    rec.clear();
    clickButton(r.cmdCalc);
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(std::tuple(rec.last().text, rec.last().title),
              std::tuple("- der Vorgabe-Umsatz U(A) kann bei dieser Gleichgewichtsreaktion\r\n"
                         "  mit den gegebenen Anfangskonzentrationen nicht erreicht werden.\r\n\r\n"
                         "  (U(A)(max) = 1.000)",
                         " Ausführung nicht möglich "));
}
