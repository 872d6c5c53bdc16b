#include "reactors/frmBatch.h"
#include "reactors/frmRKconti.h"
#include "reactors/frmRohrreaktor.h"
#include "reactors/ReactorWindowSupport.h"

using namespace vrn;

class BatchWindow : public test::ReactorWindowTest {
protected:
    frmBatch& firstOrder() {
        frmBatch& b = open<frmBatch>("mnuBatchR", 2);
        typeInto(b.Inp[10], "0.15");
        return b;
    }
    QColor liquid(frmBatch& b) { return colourAt(b.picReaktor, kBatchBild, 1200, 3000); }
};

TEST_F(BatchWindow, ReactionTimeGivenAndConversionGiven) {
    frmBatch& b = firstOrder();
    EXPECT_EQ(std::tuple(b.caption(), b.Label7->text(), liquid(b), b.cmdProtocol->isEnabled()),
              std::tuple("Batch-Reaktor, isotherm", "kinet. Modell:  A => P   (n = 1)", QColor(255, 255, 0), false));
    clickButton(b.optInpSelect[0]);
    typeInto(b.Inp[14], "5");
    clickButton(b.cmdCalc);
    // U = 1 − exp(−0.75)
    EXPECT_EQ(std::tuple(b.Inp[13]->text(), liquid(b), b.cmdProtocol->isEnabled()),
              std::tuple(" .5276334", QColor(120, 255, 135), true));

    clickButton(b.optInpSelect[1]);
    EXPECT_EQ(std::tuple(b.Inp[13]->isReadOnly(), b.Inp[14]->isReadOnly(), b.optInpSelect[1]->font().bold()),
              std::tuple(false, true, true));
    typeInto(b.Inp[13], "0.5");
    clickButton(b.cmdCalc);
    // t = ln 2 / k1
    EXPECT_EQ(std::tuple(b.Inp[14]->text(), b.Inp[5]->text(), liquid(b)),
              std::tuple(" 4.620981", " .5", QColor(128, 255, 128)));
    clickButton(b.cmdShowKsi);
    EXPECT_EQ(std::tuple(b.lblTextKsi_1->text(), b.lblTextKsi_2->isVisibleTo(&b), rec.count()),
              std::tuple("ksi(1)/(kmol/m^3) = .5", false, 0u));

    // Activation draws the vessel anew at conversion 0; the results stay.
    Forms::get<frmKinModel>().SetFocus();
    b.SetFocus();
    test::processEvents();
    EXPECT_EQ(std::tuple(liquid(b), b.Inp[14]->text()), std::tuple(QColor(255, 255, 0), " 4.620981"));
}

TEST_F(BatchWindow, CheckListsRefuseBadInput) {
    frmBatch& b = firstOrder();
    const std::string zeit = "- noch keine Eingabe der Reaktionszeit\r\n";
    const std::string umsatz = "- noch keine sinnvolle Eingabe des Umsatzes (0 < U < 1)\r\n";
    // option, field, typed text, message
    const std::tuple<std::size_t, std::size_t, const char*, std::string> rows[] = {
        {0, 14, "abc", zeit}, {0, 14, "", zeit},
        // a negative time is named with the range it lies outside of; "no input yet" is said of 0 and empty
        {0, 14, "-5", "- Reaktionszeit außerhalb des Bereichs: t muss größer Null sein\r\n"},
        {0, 0, "x", "- noch keine Eingabe einer Anfangskonzentration c(A)(0)\r\n"},
        {0, 10, "-0.15", "- Geschwindigkeitskonstante k1 muss größer Null sein\r\n"}, {1, 13, "0", umsatz},
        {1, 13, "1", umsatz}, {1, 13, "1.5", umsatz},
    };
    for (const auto& [option, field, text, message] : rows) {
        SCOPED_TRACE(text);
        clickButton(b.optInpSelect[option]);
        tippe(b, {{0, "1"}, {10, "0.15"}, {13, "0.5"}, {14, "5"}});
        typeInto(b.Inp[field], text);
        rec.clear();
        clickButton(b.cmdCalc);
        EXPECT_TRUE(vrn::test::isOnlyMessage(rec, message, "keine Ausführung möglich", MsgIcon::Critical));
        EXPECT_EQ(std::tuple(b.Inp[5]->text(), app.iProtZeileQuelle), std::tuple(" 0", 0));  // nothing computed
    }

    // A pasted decimal comma is the decimal point.
    clickButton(b.optInpSelect[1]);
    QApplication::clipboard()->setText("0,5");
    b.Inp[13]->selectAll();
    QTest::keyClick(b.Inp[13], Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(b.Inp[13]->text(), "0.5");

    // Every line of the enzyme model at once, each on its own line.
    chooseModel(10);
    clickButton(b.optInpSelect[0]);
    for (int i : {0, 1, 10, 11, 12, 14}) typeInto(b.Inp[static_cast<std::size_t>(i)], "0");
    clickButton(b.cmdCalc);
    EXPECT_EQ(rec.last().text,
              "- noch keine Eingabe der Reaktionszeit\r\n"
              "- noch keine Eingabe einer Anfangskonzentration c(A)(0)\r\n"
              "- noch keine Eingabe einer Anfangskonzentration c(S)(0)\r\n"
              "- Geschwindigkeitskonstante k1 muss größer Null sein\r\n"
              "- Geschwindigkeitskonstante k2 muss größer Null sein\r\n"
              "- Geschwindigkeitskonstante k3 muss größer Null sein\r\n");

    // Model 4 needs more B than the conversion consumes (U·c(A)(0) = c(B)(0) is refused).
    // (k1 typed anew: the refused 0 stays through the model choice, as typed text does.)
    chooseModel(4);
    clickButton(b.optInpSelect[1]);
    tippe(b, {{0, "1"}, {1, "0.5"}, {10, "0.15"}, {13, "0.5"}});
    clickButton(b.cmdCalc);
    EXPECT_EQ(rec.last().text, "Für den gewünschten Umsatz muss die Vorgabe-Konzentration von B >  .5 sein.\r\n");
    EXPECT_EQ(rec.last().title, "keine Ausführung möglich");
    typeInto(b.Inp[1], "0.6");
    rec.clear();
    clickButton(b.cmdCalc);
    EXPECT_EQ(std::tuple(rec.count(), b.Inp[6]->text()), std::tuple(0u, " .1"));
}

TEST_F(BatchWindow, HugeValuesAreComputedOrRefusedByTheEngine) {
    frmBatch& b = firstOrder();
    clickButton(b.optInpSelect[0]);
    typeInto(b.Inp[14], "1E30");
    clickButton(b.cmdCalc);
    EXPECT_EQ(std::tuple(b.Inp[13]->text(), rec.count()), std::tuple(" 1", 0u));
    // Beyond what a field can show, as a time or as a result: the engine
    // refuses it, and the input that made it is named.
    const std::pair<int, const char*> faelle[] = {
        {14, "- Reaktionszeit zu groß für die Rechnung: mit t = 1E+300 läuft die Rechnung über\r\n"},
        {0, "- Anfangskonzentration zu groß für die Rechnung: mit c(A)(0) = 1E+300 läuft die Rechnung über\r\n"}};
    for (const auto& [field, text] : faelle) {
        typeInto(b.Inp[14], "5");
        typeInto(b.Inp[static_cast<std::size_t>(field)], "1E300");
        rec.clear();
        clickButton(b.cmdCalc);
        ASSERT_EQ(rec.count(), 1u);
        EXPECT_EQ(std::tuple(rec.last().text, rec.last().title, b.Inp[13]->text(), app.iProtZeileQuelle),
                  std::tuple(text, " Ausführung nicht möglich ", " 1", 0));
    }
}

// In the comma locale; the point locale is every other reactor test's.
TEST_F(BatchWindow, EquilibriumLimitInTheCommaLocale) {
    test::LocaleGuard guard(QLocale(QLocale::German, QLocale::Germany));
    frmBatch& b = open<frmBatch>("mnuBatchR", 8);
    tippe(b, {{10, "0,5"}, {11, "0.5"}});
    EXPECT_EQ(b.Inp[10]->text(), "0.5");  // a typed comma becomes a point
    typeInto(b.Inp[3], "0");
    clickButton(b.optInpSelect[1]);
    typeInto(b.Inp[13], "0.5000001");
    rec.clear();
    clickButton(b.cmdCalc);
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(rec.last().title, "keine Ausführung möglich");
    const std::string end = "(U(A)(max) = 0,500)";
    EXPECT_EQ(rec.last().text.substr(rec.last().text.size() - end.size()), end);
    EXPECT_EQ(rec.last().text.rfind("- der Vorgabe-Umsatz U(A) kann bei dieser Gleichgewichtsreaktion\r\n", 0), 0u);

    // The limit itself passes the check; it is approached without end, so no time reaches it.
    typeInto(b.Inp[13], "0.5");
    clickButton(b.cmdCalc);
    EXPECT_EQ(std::tuple(rec.last().text, b.Inp[14]->text(), b.Inp[5]->text()),
              std::tuple("Für den Vorgabe-Umsatz U(A) wurde keine Reaktionszeit gefunden.", "", ""));
    typeInto(b.Inp[13], "0.4");
    clickButton(b.cmdCalc);
    EXPECT_EQ(b.Inp[14]->text().toStdString(), Str(static_cast<Single>(std::log(5.0))));  // (k1 + k2)·t = ln 5
}

// A time typed and not yet computed survives a click into the model window and
// a click back, in each reactor window; "Berechnen" then computes with it.
TEST_F(BatchWindow, ATypedTimeSurvivesASwitchToTheModelWindowAndBack) {
    struct Row {
        const char* name;
        std::function<ReactorForm&()> open;
        std::size_t field;
        const char* U;  // U(A) at t = 20 with k1 = 0.15
    };
    const Row rows[] = {
        {"batch", [this]() -> ReactorForm& { return firstOrder(); }, 14, " .950213"},
        {"tube", [this]() -> ReactorForm& { return open<frmRohrreaktor>("mnuRohrR", 2); }, 14, " .950213"},
        {"tank", [this]() -> ReactorForm& {
             frmRKconti& r = open<frmRKconti>("mnuKontRK", 2);
             clickButton(r.optCalcConti[3]);
             typeInto(r.Inp[14], "1");
             return r;
         }, 16, " .75"},
    };
    for (const Row& row : rows) {
        ReactorForm& r = row.open();
        typeInto(r.Inp[row.field], "20");
        QWidget* modell = Forms::get<frmKinModel>().frame();
        QTest::mouseClick(modell, Qt::LeftButton, {}, QPoint(modell->width() / 2, 4));
        EXPECT_NE(QApplication::focusWidget(), r.Inp[row.field]) << row.name;
        QTest::mouseClick(r.frame(), Qt::LeftButton, {}, QPoint(r.frame()->width() / 2, 4));
        clickButton(r.cmdCalc);
        EXPECT_EQ(r.Inp[row.field]->text(), "20") << row.name;
        EXPECT_EQ(r.Inp[13]->text(), row.U) << row.name;
    }
    EXPECT_EQ(rec.count(), 0u);
}

// The enzyme of model 10 is bound for a while and set free again: a
// conversion of E of 0.5 is never reached, and the search says so.
TEST_F(BatchWindow, UnreachableConversionSaysSo) {
    frmBatch& b = open<frmBatch>("mnuBatchR", 10);
    clickButton(b.optInpSelect[1]);
    tippe(b, {{0, "0.01"}, {1, "1"}, {10, "0.15"}, {11, "0.1"}, {12, "0.2"}, {13, "0.5"}});
    rec.clear();
    clickButton(b.cmdCalc);
    ASSERT_EQ(rec.count(), 1u);
    // One line with the times tried: from 5 s to far beyond every time
    // scale of the model (as far as the engine computes).
    const std::string anfang = "Für den Vorgabe-Umsatz U(A) wurde zwischen t = 5 und t = ";
    const std::string ende = " s keine Reaktionszeit gefunden.";
    const std::string& text = rec.last().text;
    ASSERT_TRUE(text.rfind(anfang, 0) == 0 && text.size() > anfang.size() + ende.size() &&
                text.compare(text.size() - ende.size(), ende.size(), ende) == 0)
        << text;
    EXPECT_GE(std::stod(text.substr(anfang.size())), 1e30) << text;
    EXPECT_EQ(std::tuple(rec.last().title, rec.last().icon), std::tuple("keine Ausführung möglich", MsgIcon::Critical));
    EXPECT_EQ(b.Inp[14]->text(), "");
    EXPECT_EQ(b.Inp[5]->text(), "");
}

// Autocatalysis from a seed of P 1e-11 times A: the conversion is exactly 0
// for the first doublings of the search, which once gave up there. By hand,
// E = (P0 + U·A0)/(P0·(1 − U)) and t = ln E/((A0 + P0)·k1) = 4.614756E+08 s.
TEST_F(BatchWindow, AutocatalysisFromATinySeedReachesItsConversion) {
    frmBatch& b = open<frmBatch>("mnuBatchR", 5);
    clickButton(b.optInpSelect[1]);
    tippe(b, {{0, "2.6516975008270146e-09"}, {3, "6.10644325555832e-20"}, {10, "19.363502575373357"},
              {13, "0.3101760550542468"}});
    rec.clear();
    clickButton(b.cmdCalc);
    EXPECT_EQ(rec.count(), 0u) << (rec.count() ? rec.last().text : "");
    const double A0 = 2.6516975008270146e-09, P0 = 6.10644325555832e-20, U = 0.3101760550542468;
    const double t = std::log((P0 + U * A0) / (P0 * (1 - U))) / ((A0 + P0) * 19.363502575373357);
    EXPECT_EQ(b.Inp[14]->text().toStdString(), Str(static_cast<Single>(t)));
    EXPECT_EQ(b.Inp[5]->text().toStdString(), Str(static_cast<Single>((1 - U) * A0)));
}

// A tightly binding enzyme (k1 = 1e9, K_M = 2e-9 mol/l) with E0 = 1e-5 and
// S0 = 1 after 1.5e5 s, half again the time its substrate lasts: computed
// without a message, the substrate used up and the enzyme free again.
TEST_F(BatchWindow, TightBindingEnzymeToExhaustion) {
    frmBatch& b = open<frmBatch>("mnuBatchR", 10);
    clickButton(b.optInpSelect[0]);
    tippe(b, {{0, "1e-5"}, {1, "1"}, {10, "1e9"}, {11, "1"}, {12, "1"}, {14, "1.5e5"}});
    clickButton(b.cmdCalc);
    EXPECT_EQ(rec.count(), 0u);
    EXPECT_NEAR(app.cAkt[1], 1e-5, 1e-14);
    EXPECT_NEAR(app.cAkt[4], 1, 1e-9);
    EXPECT_GE(app.cAkt[2], 0);
    // E, S, ES, P at the outlet
    EXPECT_EQ(std::tuple(b.Inp[5]->text(), b.Inp[6]->text(), b.Inp[7]->text(), b.Inp[8]->text()),
              std::tuple(" 1E-05", " 0", " 0", " 1"));
}

// What the batch and tubular windows show for closed forms at their limits:
// A + B => P with feeds one unit of the last digit apart (c(A) =
// 1/(1 + 0.75) after 5 s, as for equal feeds; it was 1.2 % off), A + B => P
// run to its end with A in excess (c(B) is 0, never a negative residue), and
// autocatalysis long after it has ended (c(A) = 0).
TEST_F(BatchWindow, ClosedFormsAtTheirLimits) {
    struct Row {
        const char* what;
        bool tube;
        int model;
        const char* A0;
        const char* B0;
        const char* P0;
        const char* k1;
        const char* t;
        std::array<const char*, 3> shown;  // c(A), c(B), c(P)
    };
    const Row rows[] = {
        {"5, (A0 + P0)·k1·t = 2.6E7", true, 5, "0.211", "0", "1E-6", "3.3E8", "0.376", {" 0", "", " .211001"}},
        {"16, (A0 + P0)·k1·t = 1002", false, 16, "1", "0", "0.002", "10", "100", {" 0", "", " 1.002"}},
        {"4, B0 = 1 + 2.2E-16", false, 4, "1", "1.0000000000000002", "0", "0.15", "5",
         {" .5714286", " .5714286", " .4285714"}},
        {"4, B0 = 1 + 2.2E-16", true, 4, "1", "1.0000000000000002", "0", "0.15", "5",
         {" .5714286", " .5714286", " .4285714"}},
        {"4, A in excess", false, 4, "0.2", "0.1", "0", "1", "1000", {" .1", " 0", " .1"}},
    };
    const auto given = [](auto& r) -> ReactorForm& {
        clickButton(r.optInpSelect[0]);  // the time given
        return r;
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.what << (row.tube ? ", tube" : ", batch"));
        ReactorForm& r = row.tube ? given(open<frmRohrreaktor>("mnuRohrR", row.model))
                                  : given(open<frmBatch>("mnuBatchR", row.model));
        tippe(r, {{0, row.A0}, {3, row.P0}, {10, row.k1}, {14, row.t}});
        if (row.model == 4) typeInto(r.Inp[1], row.B0);
        rec.clear();
        clickButton(r.cmdCalc);
        EXPECT_EQ(rec.count(), 0u) << (rec.count() ? rec.last().text : std::string());
        EXPECT_EQ(r.Inp[5]->text().toStdString(), row.shown[0]);
        if (row.model == 4) {
            EXPECT_EQ(r.Inp[6]->text().toStdString(), row.shown[1]);
        }
        EXPECT_EQ(r.Inp[8]->text().toStdString(), row.shown[2]);
        EXPECT_GE(app.cAkt[2], 0);
    }
}
