// A number typed into a field of a calculation window that the field cannot
// hold (beyond the largest Double, or the largest Single for t(max), S(0),max
// and the reaction order) is never read as 0 or as a prefix: every
// calculation window names such a field when asked to compute, in place of
// the check that would call it missing or not above 0 (below 0 with the
// field's own range), and computes nothing.

#include <QRadioButton>

#include "data/frmFitting.h"
#include "engine/frmKinModel.h"
#include "engine/frmPrepareTimeDiagram.h"
#include "reactors/frmBatch.h"
#include "reactors/frmRKconti.h"
#include "reactors/frmRohrreaktor.h"
#include "shell/frmTip.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

namespace {

// The windows and how a user makes them compute.
enum class Fenster { Zeitdiagramm, MichaelisMenten, Batch, Rohr, Kessel, Fitting, FittingOrdnung };

struct Row {
    Fenster fenster;
    int model;
    int option;  // the given quantities (reactors), -1 none
    std::vector<std::pair<std::size_t, const char*>> gueltig;  // typed first: inputs that pass
    std::size_t feld;                                            // then this field, 99: S(0),max, 98: the order n
    const char* text;                                            // typed as a user types
    std::string meldung;
    const char* titel;
};

const char* const kNicht = " Ausführung nicht möglich ";
const char* const kBatch = "keine Ausführung möglich";

}  // namespace

class TooLargeNumbers : public test::MainWindowTest {
protected:
    void SetUp() override {
        Forms::unload<frmTip>();
        MDIVRN::endProgram = [] {};
        hooks().chartWindow.showChartWindow = [this] {
            ++charts;
            return true;
        };
    }
    void TearDown() override { MDIVRN::endProgram = [] {}; }

    void chooseModel(int model) {
        Forms::get<frmKinModel>().optTyp_Click(model == 20 ? 0 : model);
        test::processEvents();
    }

    // Opens the window of the row with its model and given quantities; the
    // window and the button that computes.
    std::pair<CalcForm*, QAbstractButton*> open(const Row& r) {
        switch (r.fenster) {
            case Fenster::Zeitdiagramm:
            case Fenster::MichaelisMenten: {
                main->clickMenu("mnuctGraph");
                chooseModel(r.model);
                auto* t = Forms::loaded<frmPrepareTimeDiagram>();
                if (!t) return {};
                return {t, r.fenster == Fenster::Zeitdiagramm ? t->cmdDrawctDiagram : t->cmdMMdiagram};
            }
            case Fenster::Batch: {
                main->clickMenu("mnuBatchR");
                chooseModel(r.model);
                auto* b = Forms::loaded<frmBatch>();
                if (!b) return {};
                test::clickButton(b->optInpSelect[static_cast<std::size_t>(r.option)]);
                return {b, b->cmdCalc};
            }
            case Fenster::Rohr: {
                main->clickMenu("mnuRohrR");
                chooseModel(r.model);
                auto* t = Forms::loaded<frmRohrreaktor>();
                if (!t) return {};
                test::clickButton(t->optInpSelect[static_cast<std::size_t>(r.option)]);
                return {t, t->cmdCalc};
            }
            case Fenster::Kessel: {
                main->clickMenu("mnuKontRK");
                chooseModel(r.model);
                auto* k = Forms::loaded<frmRKconti>();
                if (!k) return {};
                test::clickButton(k->optCalcConti[static_cast<std::size_t>(r.option)]);
                return {k, k->cmdCalc};
            }
            case Fenster::Fitting:
            case Fenster::FittingOrdnung: {
                test::loadFirstOrderSample(*main, env.folder());
                main->clickMenu(r.fenster == Fenster::Fitting ? "mnuCtFitting" : "mnuROFitting");
                auto* f = Forms::loaded<frmFitting>();
                if (!f) return {};
                return {f, f->cmdDrawNewCurve};
            }
        }
        return {};
    }

    static void closeCalculationWindows() {
        Forms::unload<frmPrepareTimeDiagram>();
        Forms::unload<frmBatch>();
        Forms::unload<frmRohrreaktor>();
        Forms::unload<frmRKconti>();
        Forms::unload<frmFitting>();
        test::processEvents();
    }

    int charts = 0;
};

TEST_F(TooLargeNumbers, EveryCalculationWindowNamesTheFieldAsTooLarge) {
    const std::string k1 = "- Geschwindigkeitskonstante zu groß: k1 darf höchstens 1.7E+308 sein\r\n";
    const Row rows[] = {
        // "Konzentrations-Zeit-Funktionen": c0 and k are Doubles, t(max) a Single
        {Fenster::Zeitdiagramm, 2, -1, {{0, "1"}, {14, "20"}}, 10, "1,8E+308", k1, kNicht},
        // a negative number beyond the range lies below 0, where k1 must be above: the window's own line
        {Fenster::Zeitdiagramm, 2, -1, {{0, "1"}, {14, "20"}}, 10, "-1,8E+308",
         "- Geschwindigkeitskonstante k1 muss größer Null sein\r\n", kNicht},
        {Fenster::Zeitdiagramm, 2, -1, {{10, "0,15"}, {14, "20"}}, 0, "2e308",
         "- Anfangskonzentration zu groß: c(A)(0) darf höchstens 1.7E+308 sein\r\n", kNicht},
        {Fenster::Zeitdiagramm, 6, -1, {{0, "1"}, {10, "0,15"}, {11, "0,1"}, {14, "20"}}, 2, "1E999",
         "- Anfangskonzentration zu groß: c(C)(0) darf höchstens 1.7E+308 sein\r\n", kNicht},
        {Fenster::Zeitdiagramm, 10, -1, {{0, "1"}, {1, "1"}, {10, "1"}, {11, "1"}, {12, "1"}, {14, "20"}}, 1, "1E+400",
         "- Anfangskonzentration zu groß: c(S)(0) darf höchstens 1.7E+308 sein\r\n", kNicht},
        {Fenster::Zeitdiagramm, 8, -1, {{0, "1"}, {10, "0,15"}, {14, "20"}}, 11, "9E+999",
         "- Geschwindigkeitskonstante zu groß: k2 darf höchstens 1.7E+308 sein\r\n", kNicht},
        {Fenster::Zeitdiagramm, 2, -1, {{0, "1"}, {10, "0,15"}}, 14, "1E+400",
         "- Zeit-Vorgabe zu groß: t(max) darf höchstens 3.4E+38 sein\r\n", kNicht},
        // the largest Single: its 201 curve times would pass it
        {Fenster::Zeitdiagramm, 2, -1, {{0, "1"}, {10, "0,15"}}, 14, "3.4028235E38",
         "- Zeit-Vorgabe zu groß: t(max) darf höchstens 3.4E+38 sein\r\n", kNicht},
        // the model window's order n of model 20 (98), a Single
        {Fenster::Zeitdiagramm, 20, -1, {{0, "1"}, {10, "0,15"}, {14, "20"}}, 98, "1E39",
         "- Reaktionsordnung zu groß: n darf höchstens 3.4E+38 sein\r\n", kNicht},
        // the order field says ( n >= 0 ): below it however far, the window's own line
        {Fenster::Zeitdiagramm, 20, -1, {{0, "1"}, {10, "0,15"}, {14, "20"}}, 98, "-1E400",
         "- nur n > 0 erlaubt\r\n", kNicht},
        {Fenster::MichaelisMenten, 10, -1, {{0, "1"}, {1, "1"}, {10, "1"}, {11, "1"}, {12, "1"}, {14, "20"}}, 99,
         "3,5E+38", "- Substratkonzentration zu groß: S(0),max darf höchstens 3.4E+38 sein\r\n", kNicht},
        // the batch reactor: reaction time given (0) or conversion given (1)
        {Fenster::Batch, 2, 0, {{0, "1"}, {14, "5"}}, 10, "1,8E+308", k1, kBatch},
        {Fenster::Batch, 2, 0, {{0, "1"}, {10, "0,15"}}, 14, "1E309",
         "- Reaktionszeit zu groß: t darf höchstens 1.7E+308 sein\r\n", kBatch},
        {Fenster::Batch, 2, 0, {{0, "1"}, {10, "0,15"}}, 14, "-1E309",
         "- Reaktionszeit außerhalb des Bereichs: t muss größer Null sein\r\n", kBatch},
        {Fenster::Batch, 4, 1, {{0, "1"}, {10, "0,15"}, {13, "0,5"}}, 1, "1E309",
         "- Anfangskonzentration zu groß: c(B)(0) darf höchstens 1.7E+308 sein\r\n", kBatch},
        // beside "(0 < U(A) < 1)" a conversion beyond a Double is named with that range
        {Fenster::Batch, 2, 1, {{0, "1"}, {10, "0,15"}}, 13, "1E309",
         "- noch keine sinnvolle Eingabe des Umsatzes (0 < U < 1)\r\n", kBatch},
        // the tubular reactor: time (0), length (1) or conversion (2) given
        {Fenster::Rohr, 2, 1, {{0, "1"}, {10, "0,15"}, {15, "2"}}, 16, "1E309",
         "- Fließgeschwindigkeit zu groß: v darf höchstens 1.7E+308 sein\r\n", kNicht},
        {Fenster::Rohr, 2, 1, {{0, "1"}, {10, "0,15"}, {16, "0,5"}}, 15, "1E309",
         "- Rohrlänge zu groß: l darf höchstens 1.7E+308 sein\r\n", kNicht},
        {Fenster::Rohr, 2, 0, {{0, "1"}, {16, "0,5"}, {14, "5"}}, 10, "1,8E+308", k1, kNicht},
        // the stirred tank: V and V* given (2), V* and t given (4)
        {Fenster::Kessel, 2, 2, {{0, "1"}, {10, "0,15"}, {15, "0,2"}}, 14, "1E309",
         "- Reaktionsvolumen zu groß: V darf höchstens 1.7E+308 sein\r\n", kNicht},
        {Fenster::Kessel, 2, 4, {{0, "1"}, {10, "0,15"}, {16, "5"}}, 15, "1E309",
         "- Volumenstrom zu groß: V* darf höchstens 1.7E+308 sein\r\n", kNicht},
        {Fenster::Kessel, 2, 4, {{0, "1"}, {10, "0,15"}, {15, "0,2"}}, 16, "1E309",
         "- mittlere Verweilzeit zu groß: t darf höchstens 1.7E+308 sein\r\n", kNicht},
        {Fenster::Kessel, 2, 2, {{10, "0,15"}, {14, "1"}, {15, "0,2"}}, 0, "1E309",
         "- Eingangskonzentration zu groß: c(A)(0) darf höchstens 1.7E+308 sein\r\n", kNicht},
        // the fitting window: k1 a Double, the reaction order a Single
        {Fenster::Fitting, 2, -1, {}, 10, "1,8E+308", k1, kNicht},
        {Fenster::FittingOrdnung, 20, -1, {{10, "0,0215"}}, 11, "1E39",
         "- Reaktionsordnung zu groß: n darf höchstens 3.4E+38 sein\r\n", kNicht},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.text) + " in field " + std::to_string(r.feld) + ", model " +
                     std::to_string(r.model) + ", window " + std::to_string(static_cast<int>(r.fenster)));
        closeCalculationWindows();
        const auto [w, rechne] = open(r);
        ASSERT_TRUE(w && rechne);
        for (auto [feld, text] : r.gueltig) test::typeInto(w->Inp[feld], text);
        if (r.feld == 98) {
            test::typeInto(Forms::get<frmKinModel>().txtOrdnung, r.text);
            test::processEvents();
        } else if (r.feld == 99) {
            auto* t = static_cast<frmPrepareTimeDiagram*>(w);
            if (t->chkNormiert->isChecked()) test::clickButton(t->chkNormiert);
            test::typeInto(t->txtS0max, r.text);
        } else {
            test::typeInto(w->Inp[r.feld], r.text);
        }
        test::MsgRecorder rec;
        charts = 0;
        test::clickButton(rechne);
        EXPECT_TRUE(test::isOnlyMessage(rec, r.meldung, r.titel, MsgIcon::Critical))
            << (rec.count() ? rec.last().title + ": " + rec.last().text : std::string("no message"));
        EXPECT_EQ(charts, 0) << "a chart was asked for";
    }
}

// The order n typed as 1E400 (or a text on its way there, 1E4) is never in
// force: the order stays, the model line keeps it, the field keeps the text,
// and the c-t window names it when it would draw with it. Left with a text
// it takes, the order is in force.
TEST_F(TooLargeNumbers, ARefusedOrderLeavesTheOrderInForce) {
    main->clickMenu("mnuctGraph");
    chooseModel(20);
    auto* t = Forms::loaded<frmPrepareTimeDiagram>();
    ASSERT_TRUE(t);
    frmKinModel& m = Forms::get<frmKinModel>();
    const Single n = app.nOrdnung;
    ASSERT_EQ(n, 1.5f);
    for (const char* text : {"1E400", "-1E400", "1E39", "1E-400", ""}) {
        SCOPED_TRACE(text);
        // Key by key, with the events of each key handled before the next, as
        // a user types: no number on the way ("1E4") is taken.
        QTest::mouseClick(m.txtOrdnung, Qt::LeftButton);
        QTest::keyClick(m.txtOrdnung, Qt::Key_Backspace);
        test::processEvents();
        for (const QChar c : QString(text)) {
            QTest::keyClicks(m.txtOrdnung, QString(c));
            test::processEvents();
            EXPECT_EQ(app.nOrdnung, n) << "while typing";
        }
        EXPECT_EQ(app.nOrdnung, n);
        EXPECT_TRUE(t->Label7->text().endsWith("(n = 1.50)")) << t->Label7->text().toStdString();
        QTest::keyClick(m.txtOrdnung, Qt::Key_Return);
        test::processEvents();
        EXPECT_EQ(std::tuple(app.nOrdnung, m.txtOrdnung->text()), std::tuple(n, QString(text)));
        test::MsgRecorder rec;
        charts = 0;
        test::clickButton(t->cmdDrawctDiagram);
        ASSERT_EQ(rec.count(), 1u);
        EXPECT_NE(rec.last().text.find(" n "), std::string::npos) << rec.last().text;
        EXPECT_EQ(std::tuple(charts, app.nOrdnung), std::tuple(0, n));
    }
    // A text the field takes is in force when the field is left (here by
    // Tab after a click into it), as typed.
    QTest::mouseClick(m.txtOrdnung, Qt::LeftButton);
    test::processEvents();
    for (const QChar c : QString("2,5")) {
        QTest::keyClicks(m.txtOrdnung, QString(c));
        test::processEvents();
    }
    QTest::keyClick(m.txtOrdnung, Qt::Key_Tab);
    test::processEvents();
    EXPECT_EQ(std::tuple(app.nOrdnung, m.txtOrdnung->text()), std::tuple(2.5f, QString("2.5")));
    EXPECT_TRUE(t->Label7->text().endsWith("(n = 2.50)")) << t->Label7->text().toStdString();
}

// Every calculation window that shows model 20 shows the order in force in
// its model line once the user leaves the order field, and keeps it through
// an order the field refuses; typed key by key as a user does.
TEST_F(TooLargeNumbers, EveryCalculationWindowShowsTheOrderInForce) {
    const std::pair<const char*, std::function<CalcForm*()>> fenster[] = {
        {"mnuctGraph", [] { return static_cast<CalcForm*>(Forms::loaded<frmPrepareTimeDiagram>()); }},
        {"mnuBatchR", [] { return static_cast<CalcForm*>(Forms::loaded<frmBatch>()); }},
        {"mnuRohrR", [] { return static_cast<CalcForm*>(Forms::loaded<frmRohrreaktor>()); }},
        {"mnuKontRK", [] { return static_cast<CalcForm*>(Forms::loaded<frmRKconti>()); }},
    };
    auto tippe = [](QLineEdit* f, const QString& text) {
        QTest::mouseClick(f, Qt::LeftButton);
        QTest::keyClick(f, Qt::Key_Backspace);
        test::processEvents();
        for (const QChar c : text) {
            QTest::keyClicks(f, QString(c));
            test::processEvents();
        }
        QTest::keyClick(f, Qt::Key_Tab);
        test::processEvents();
    };
    for (const auto& [menu, geladen] : fenster) {
        SCOPED_TRACE(menu);
        main->clickMenu(menu);
        chooseModel(20);
        CalcForm* w = geladen();
        ASSERT_TRUE(w);
        frmKinModel& m = Forms::get<frmKinModel>();
        tippe(m.txtOrdnung, "2,5");
        EXPECT_EQ(app.nOrdnung, 2.5f);
        EXPECT_TRUE(w->Label7->text().endsWith("(n = 2.50)")) << w->Label7->text().toStdString();
        tippe(m.txtOrdnung, "1E400");
        EXPECT_EQ(app.nOrdnung, 2.5f);
        EXPECT_TRUE(w->Label7->text().endsWith("(n = 2.50)")) << w->Label7->text().toStdString();
        tippe(m.txtOrdnung, "1.5");
        EXPECT_TRUE(w->Label7->text().endsWith("(n = 1.50)")) << w->Label7->text().toStdString();
    }
}
