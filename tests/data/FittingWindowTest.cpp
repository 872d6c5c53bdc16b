// The fitting window driven as a user would: opened from the main menu,
// typing, sliders, "fixiert", "Zeichne Kurve", "Auto-   Fitting", refusals,
// the limit warning, the results in the window and in the chart's footer.

#include <QGroupBox>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QRegularExpression>
#include <QSlider>

#include "base/NumberText.h"
#include "chart/frmGraph2D.h"
#include "data/frmArrheniusRechner.h"
#include "data/frmCalcTangente.h"
#include "data/frmDatedit.h"
#include "data/frmFitting.h"
#include "engine/ConcentrationAtTime.h"
#include "engine/InitialConcentrations.h"
#include "engine/ModelChoice.h"
#include "engine/ModelMasks.h"
#include "engine/Simulation.h"
#include "engine/frmKinModel.h"
#include "platform/ColourFont.h"
#include "platform/Paths.h"
#include "shell/DataPreparation.h"
#include "shell/frmTip.h"
#include "support/GuiTestSupport.h"
#include "ArrheniusData.h"

using namespace vrn;

namespace {

const std::string kZuWenig =
    "Die Zahl der Messpunkte muss größer als die Zahl der Parameter sein!\r\nErgänzen Sie die Daten im Dateneditor.";

class Fitting : public test::MainWindowTest {
protected:
    void SetUp() override { Forms::unload<frmTip>(); }

    // The sample project: A => P, k = 0.0215 1/min, 25 points of c(A) and c(P).
    frmFitting* openFirstOrder() {
        test::loadFirstOrderSample(*main, env.folder());
        main->clickMenu("mnuCtFitting");
        rec.clear();
        return Forms::loaded<frmFitting>();
    }

    // Isotherms at the temperatures, n + 1 points at t = 0, dt, ..., each c(A) = f(t, T), then the
    // points without temperature; opens the non-isothermal fit of the item.
    frmFitting* isotherms(std::initializer_list<double> temps, int n, double dt,
                          const std::function<double(double, double)>& f, std::initializer_list<double> ohneT,
                          int item) {
        app.ExpDaten.assign(1, Messpunkt{});
        for (double T : temps)
            for (int i = 0; i <= n; ++i) app.ExpDaten.push_back(Messpunkt{dt * i, {0, f(dt * i, T)}, T});
        for (double t : ohneT) app.ExpDaten.push_back(Messpunkt{t, {0, 0.3}});
        app.nExpPunkte = static_cast<Integer>(app.ExpDaten.size() - 1);
        PrepareExpDaten();
        getAnfangskonzAusDaten();
        main->clickMenu(QString("mnuNonIsothermFitting(%1)").arg(item));
        return Forms::loaded<frmFitting>();
    }
    // Three isotherms of A => P, k = 1e10 exp(-60000/(R T)) 1/s, and two points without temperature.
    frmFitting* openThreeIsotherms(int item) {
        return isotherms({300, 310, 320}, 8, 0.5, [item](double t, double T) {
            const double k = 1e10 * std::exp(-60000 / (8.3145 * T));
            return item == 1 ? std::exp(-k * t) : 1 / (1 / 0.5 + 2 * k * t);
        }, {1, 2}, item);
    }

    // The four isotherms of test::arrheniusIsotherms() in mode 6.
    frmFitting* openArrheniusIsotherms() {
        const auto pts = test::arrheniusIsotherms();
        std::size_t next = 0;
        return isotherms({300, 310, 320, 330}, 10, 100, [&pts, &next](double, double) { return pts[next++].c; }, {},
                         1);
    }

    // The sample project fitted for k1 and the reaction order, from k1 = 0.0215 and n = 1.5.
    frmFitting* fitOrder() {
        openFirstOrder();
        main->clickMenu("mnuROFitting");
        frmFitting* f = Forms::loaded<frmFitting>();
        if (!f) return nullptr;
        test::typeInto(f->Inp[10], "0.0215");
        test::typeInto(f->Inp[11], "1.5");
        QTest::mouseClick(f->cmdAutoFitting, Qt::LeftButton);
        return f;
    }

    // Three isotherms of A => P made with A = 1e6 1/s and EA = 30000 J/mol (1 % scatter),
    // t = 0..1 s; mode 6 with those constants typed in.
    frmFitting* fitNonIsothermal() {
        int i = 0;
        frmFitting* f = isotherms({290, 300, 310}, 10, 0.1, [&i](double t, double T) {
            return std::exp(-1e6 * std::exp(-30000 / (8.3145 * T)) * t) * (1 + 0.01 * std::sin(++i));
        }, {}, 1);
        if (!f) return nullptr;
        test::typeInto(f->Inp[10], "1000000");
        test::typeInto(f->Inp[11], "30000");
        QTest::mouseClick(f->cmdDrawNewCurve, Qt::LeftButton);
        return f;
    }

    // The user switches windows through the "Fenster" menu.
    void switchTo(const QString& caption) {
        main->clickMenu("mnuFenster");
        for (QAction* a : main->menu("mnuFenster")->actions())
            if (a->text().contains(caption)) a->trigger();
        test::processEvents();
    }
    void backToFitting() { switchTo("k-Fitting"); }

    static int curves() {
        int n = 0;
        for (Integer s : app.KurvenSlot) n += s == 0 ? 1 : 0;
        return n;
    }
    static QString footer() {
        frmGraph2D* g = Forms::loaded<frmGraph2D>();
        return g ? toQ(g->Chart2D1->text(ChartTextBlock::Footer)) : QString();
    }

    test::MsgRecorder rec;
};

// The number after a text in the footer, read in the locale's format.
double numberAfter(const QString& text, const QString& marker) {
    const int at = text.indexOf(marker);
    if (at < 0) return std::nan("");
    static const QRegularExpression number("^-?[0-9]+([.,][0-9]+)?(E[+-][0-9]+)?");
    const QString s = number.match(text.mid(at + marker.size())).captured(0);
    return QString(s).replace(',', '.').toDouble();
}

bool matches(const QString& text, const QString& pattern) {
    return QRegularExpression(pattern).match(text).hasMatch();
}

// What the fitting window shows and computes with: the error sum (shown and
// exact), the parameter fields, the model line, the chart's title, the rows
// the constant mask enables and the temperature function.
struct Blick {
    double fqs = 0;
    QString fqsText, p1, p2, modell, titel;
    bool zeile2 = false, zeile3 = false, arrhenius = false, eyring = false;
    auto gezeigt() const { return std::tie(fqsText, p1, p2, modell, titel, zeile2, zeile3, arrhenius, eyring); }
};

Blick blick(frmFitting* f) {
    frmGraph2D* g = Forms::loaded<frmGraph2D>();
    return {CalcFQS_Messwerte(f->auswahl()), f->lblFQS->text(), f->Inp[10]->text(), f->Inp[11]->text(),
            f->Label7->text(), g ? toQ(g->Chart2D1->text(ChartTextBlock::Header)) : QString(), f->frak2->isEnabled(),
            f->frak3->isEnabled(), f->optkTFunktion[1]->isChecked(), f->optkTFunktion[2]->isChecked()};
}

void expectSame(const Blick& vorher, const Blick& nachher) {
    EXPECT_NEAR(nachher.fqs, vorher.fqs, 1e-12 * vorher.fqs);
    EXPECT_EQ(nachher.gezeigt(), vorher.gezeigt());
}

}  // namespace

// In the comma locale; the point locale is every other fitting test's.
TEST_F(Fitting, TypingSlidersFixedAndAutoFitInTheCommaLocale) {
    test::LocaleGuard guard(QLocale(QLocale::German, QLocale::Germany));
    frmFitting* f = openFirstOrder();
    ASSERT_NE(f, nullptr);
    frmGraph2D* chart = Forms::loaded<frmGraph2D>();
    ASSERT_NE(chart, nullptr);
    // c(A)(0) from the data set; the curves c(A) and c(P) over the measured points.
    EXPECT_EQ(std::tuple(f->Label7->text(), f->Inp[10]->text(), f->Inp[0]->text(), curves()),
              std::tuple("kinet. Modell:  A => P   (n = 1)", " .0215", " .05", 2));
    EXPECT_TRUE(f->chkConcFQS[1]->isChecked() && f->chkConcFQS[4]->isChecked());
    EXPECT_FALSE(f->chkConcFQS[2]->isVisibleTo(f) || f->frak2->isEnabled());

    // Typing: a comma becomes a point, letters and pasting are refused; 0 is kept as 1e-8.
    test::typeInto(f->Inp[10], "0,03x");
    EXPECT_EQ(std::tuple(f->Inp[10]->text(), app.k[1]), std::tuple("0.03", 0.03));
    QApplication::clipboard()->setText("777");
    QTest::keyClick(f->Inp[10], Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f->Inp[10]->text(), "0.03");
    test::typeInto(f->Inp[10], "0");
    EXPECT_EQ(std::tuple(app.k[1], app.RefWert[1]), std::tuple(1e-8, 1e-8));
    test::typeInto(f->Inp[10], "0.02");

    // Coarse slider to +900: k x 10, back to 0; to -90: k / 10; fine slider to +100: k x 1.1.
    // slider, key, k then
    const std::tuple<QSlider*, Qt::Key, double> moves[] = {{f->Sliderk1_grob, Qt::Key_End, 0.2},
                                                           {f->Sliderk1_grob, Qt::Key_Home, 0.02},
                                                           {f->Sliderk1_fein, Qt::Key_End, 0.022},
                                                           {f->Sliderk1_grob, Qt::Key_PageUp, 0.033}};
    for (const auto& [slider, key, k] : moves) {
        QTest::keyClick(slider, key);
        EXPECT_NEAR(app.k[1], k, 1e-15);
        EXPECT_EQ(std::tuple(slider->value(), f->Inp[10]->text(), curves()),
                  std::tuple(0, toQ(Str(static_cast<Single>(k))), 2))
            << "the curves are drawn anew, not added";
    }
    const std::string fqsAt033 = toStd(f->lblFQS->text());

    // Fixed: the auto-fit leaves k1 where it is.
    QTest::mouseClick(f->chkFixed[1], Qt::LeftButton);
    EXPECT_TRUE(f->bFixiert[1]);
    QTest::mouseClick(f->cmdAutoFitting, Qt::LeftButton);
    EXPECT_NEAR(app.k[1], 0.033, 1e-15);
    EXPECT_EQ(toStd(f->lblFQS->text()), fqsAt033);
    QTest::mouseClick(f->chkFixed[1], Qt::LeftButton);
    EXPECT_FALSE(f->bFixiert[1]);

    // The auto-fit finds the constant the data were made with (1.5 % scatter).
    QTest::mouseClick(f->cmdAutoFitting, Qt::LeftButton);
    EXPECT_NEAR(app.k[1], 0.0215, 0.0215 * 0.01);
    EXPECT_EQ(f->cmdAutoFitting->text(), "Auto-   Fitting");
    EXPECT_NEAR(Val(toStd(f->Inp[10]->text())), app.k[1], 5e-7 * app.k[1]);  // 7 digits
    EXPECT_TRUE(f->lblPlusMinus[1]->isVisible());
    EXPECT_TRUE(matches(f->lblStdDev[1]->text(), "^[1-9],[0-9] E-[0-9]+$"));
    EXPECT_TRUE(matches(f->lblFQS->text(), "^[1-9],[0-9]{4} E-[0-9]+$"));
    const QString foot = footer();
    EXPECT_TRUE(foot.startsWith("kinet. Modell: A => P   (n = 1)\r\nk1 =0,02")) << foot.toStdString();
    EXPECT_NEAR(numberAfter(foot, "k1 ="), app.k[1], 1e-8);
    EXPECT_EQ(chart->Chart2D1->textBackColour(ChartTextBlock::Footer), RGB(255, 255, 192));
    EXPECT_TRUE(rec.messages().empty());

    // A slider move hides the standard deviations again (all but the fine slider of k1).
    QTest::keyClick(f->Sliderk1_grob, Qt::Key_PageDown);
    EXPECT_FALSE(f->lblStdDev[1]->isVisible());
    QTest::mouseClick(f->cmdClose, Qt::LeftButton);
    test::processEvents();
    EXPECT_EQ(std::tuple(IsFormLoaded<frmFitting>(), IsFormLoaded<frmGraph2D>()), std::tuple(false, false));
}

TEST_F(Fitting, RefusalsAndBadInputChangeNothing) {
    frmFitting* f = openFirstOrder();
    ASSERT_NE(f, nullptr);
    auto autoFit = [f] { QTest::mouseClick(f->cmdAutoFitting, Qt::LeftButton); };

    // Only points that take part count: one active point is not more than one parameter.
    for (int i = 2; i <= app.nExpPunkte; ++i) app.ExpDaten[static_cast<std::size_t>(i)].aus = -1;
    autoFit();
    EXPECT_TRUE(vrn::test::isOnlyMessage(rec, kZuWenig, " Ausführung nicht möglich ", MsgIcon::Critical));
    EXPECT_EQ(std::tuple(app.k[1], f->cmdAutoFitting->text()), std::tuple(0.0215, "Auto-   Fitting"));
    for (int i = 2; i <= app.nExpPunkte; ++i) app.ExpDaten[static_cast<std::size_t>(i)].aus = 0;

    // No species chosen: no point takes part.
    QTest::mouseClick(f->chkConcFQS[1], Qt::LeftButton);
    QTest::mouseClick(f->chkConcFQS[4], Qt::LeftButton);
    rec.clear();
    autoFit();
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(std::tuple(rec.last().text, f->lblFQS->text()), std::tuple(kZuWenig, "0.0000 E+0"));
    QTest::mouseClick(f->chkConcFQS[1], Qt::LeftButton);

    // A negative constant is refused by the redraw, with the check's own line.
    const int before = curves();
    test::typeInto(f->Inp[10], "-1");
    rec.clear();
    QTest::mouseClick(f->cmdDrawNewCurve, Qt::LeftButton);
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(std::tuple(rec.last().text, curves()),
              std::tuple("- Geschwindigkeitskonstante k1 muss größer Null sein\r\n", before));

    // The n-th order model (chosen in the model window) on a chart whose time
    // axis ends at 0: the fit computes the model at the measured times and
    // needs no curve, so it ends with its result; only drawing the curve then
    // fails, with the simulation's own message.
    test::clickButton(Forms::loaded<frmKinModel>()->optTyp[0]);
    EXPECT_EQ(f->Label7->text(), "kinet. Modell:  A => P, n-ter Ordnung  (n = 1.50)");
    test::typeInto(f->Inp[10], "0.02");
    app.tDiagramm.XMax = 0;
    rec.clear();
    autoFit();
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(rec.last().title, "Meldung von calc_diagramfunctioncT");
    EXPECT_EQ(rec.last().text, "Die Endzeit muss eine Zahl größer als 0 sein.");
    EXPECT_NE(app.k[1], 0.02);
}

// Model 13 from k = 1, 1, 1 on noisy data needs more evaluations than allowed.
TEST_F(Fitting, EvaluationLimitIsReportedAndTheLastAcceptedValuesStay) {
    app.bAuswertungsart = 0;
    app.iModell = 13;
    SetSpeziesMaske(13);
    app.k = {0, 0.3, 0.2, 0.1};
    app.c0 = {0, 1, 1, 0, 0, 0};
    app.tEnd = 20;
    ASSERT_EQ([] { Integer e = 0; calc_diagramfunctioncT(13, e); return e; }(), 0);
    test::setDataSet(21, [](Messpunkt& m, int n) {
        const int i = n - 1;
        m.t = i;
        Konz c{};
        Integer e = 0;
        calc_functioncT_at_t(13, m.t, c, e);
        for (std::size_t j = 1; j <= 5; ++j) m.c[j] = c[j] * (1 + (i == 0 ? 0 : 0.02 * std::sin(3.0 * i + j)));
    });
    PrepareExpDaten();
    getAnfangskonzAusDaten();
    Forms::get<frmKinModel>().optTyp_Click(optionOfModel(13));
    main->clickMenu("mnuCtFitting");
    frmFitting* f = Forms::loaded<frmFitting>();
    ASSERT_NE(f, nullptr);
    for (int i = 10; i <= 12; ++i) test::typeInto(f->Inp[static_cast<std::size_t>(i)], "1");
    rec.clear();
    QTest::mouseClick(f->cmdAutoFitting, Qt::LeftButton);
    EXPECT_TRUE(
        test::isOnlyMessage(rec,
                            "Maximale Iterationszahl erreicht.\r\nWiederholen Sie das Fitting und/oder verbessern "
                            "Sie die\r\nStartwerte durch Annäherung der Kurve(n) an die Messwerte.",
                            "Parameter-Fitting", MsgIcon::Exclamation));
    for (int j = 1; j <= 3; ++j) {
        EXPECT_TRUE(std::isfinite(app.k[static_cast<std::size_t>(j)]));
        EXPECT_NE(app.k[static_cast<std::size_t>(j)], 1.0) << "the accepted steps are taken over";
        EXPECT_EQ(f->lblStdDev[static_cast<std::size_t>(j)]->text(), "n. b.");
    }
}

TEST_F(Fitting, NonIsothermalArrheniusAndEyring) {
    test::LocaleGuard german(QLocale(QLocale::German, QLocale::Germany));
    frmFitting* f = openThreeIsotherms(1);
    ASSERT_NE(f, nullptr);
    // One curve per isotherm.
    EXPECT_EQ(std::tuple(f->Label7->text(), f->frak1->title(), f->unit1->text(), f->Inp[10]->text(), curves()),
              std::tuple(" kinet. Modell: A => P, 1. Ord.", "Arrhenius-Präexponentialfaktor A", "/(1/s)", " 100", 3));

    test::typeInto(f->Inp[10], "1");
    test::typeInto(f->Inp[11], "1");
    QTest::mouseClick(f->cmdAutoFitting, Qt::LeftButton);
    const QString foot = footer();
    EXPECT_TRUE(foot.startsWith("kinet. Modell: A => P   (n = 1)\r\nArrhenius-A = ")) << foot.toStdString();
    EXPECT_NEAR(numberAfter(foot, "Arrhenius-A = "), 1e10, 1e6);
    EXPECT_NEAR(numberAfter(foot, ", EA ="), 60000, 6);
    EXPECT_TRUE(f->lblStdDev[2]->isVisible());

    // An open calculator follows the switch to Eyring.
    frmArrheniusRechner& rechner = Forms::get<frmArrheniusRechner>();
    rechner.Show();
    EXPECT_EQ(rechner.lblFormel->text(), "berechnet k = A exp(-EA / (R T))");

    // Eyring: S# follows from the factor, R ln(factor h / kB), in J/(mol K).
    QTest::mouseClick(f->optkTFunktion[2], Qt::LeftButton);
    EXPECT_EQ(std::tuple(rechner.lblFormel->text(), f->frak1->title(), f->lblAktEntropie->isVisible()),
              std::tuple("berechnet k = kB/h T exp(-H#/(R T)) exp(S#/R)", "mol. Aktivierungs-Entropie s#", true));
    test::typeInto(f->Inp[10], "1");
    test::typeInto(f->Inp[11], "1");
    rec.clear();
    QTest::mouseClick(f->cmdAutoFitting, Qt::LeftButton);
    // From there every k(T) is so large that c(A) is 0 at every measured
    // time whatever the parameters: the fit does not move, and says so.
    EXPECT_TRUE(test::isOnlyMessage(rec,
                                    "Die FQS ändert sich hier mit keinem der Parameter.\r\nDas Fitting ist "
                                    "möglicherweise nicht konvergiert; anderen Startwert versuchen.",
                                    "Parameter-Fitting", MsgIcon::Exclamation));
    EXPECT_EQ(std::tuple(app.dblEyrPar1, app.dblEyrH), std::tuple(1.0, 1.0));
    const double S = 8.3145 * std::log(app.dblEyrPar1 * 6.62618e-34 / 1.38066e-23);
    EXPECT_NEAR(app.dblEyrS, S, 1e-9 * std::fabs(S));
    EXPECT_NEAR(numberAfter(f->lblAktEntropie->text(), " "), S, 0.051);
    EXPECT_NEAR(numberAfter(footer(), "Eyring: S# = "), S, 1e-4 * std::fabs(S));
    EXPECT_TRUE(test::unexpectedMessages().empty());

    // Without a temperature no point takes part.
    for (int i = 1; i <= app.nExpPunkte; ++i) app.ExpDaten[static_cast<std::size_t>(i)].Temp = 0;
    rec.clear();
    QTest::mouseClick(f->cmdAutoFitting, Qt::LeftButton);
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(rec.last().text, kZuWenig);
}

// The non-isothermal first-order fit from start values the tooltip advises
// and from the constants the data were made with: a run that stops where
// the error sum is not at its minimum (at its start, at a bound, beside the
// minimum) says so and why, every time it is pressed; one that reaches the
// minimum found without the minimiser says nothing.
TEST_F(Fitting, AFitThatStopsBesideTheMinimumSaysSo) {
    frmFitting* f = openArrheniusIsotherms();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Inp[10]->toolTip(), " nur niedrige Startwerte führen zum Erfolg (teste 0|1|10|100) ");
    const auto pts = test::arrheniusIsotherms();
    const double uWahr = std::log(1.094e12) - 83645.6 / (8.3145 * 315);
    const test::ArrheniusMinimum min = test::arrheniusMinimum(pts, 75000, 95000, uWahr - 3, uWahr + 3);
    const double minimum = min.S;
    ASSERT_NEAR(min.EA, 83515, 10);  // beside the constants by the scatter

    const std::string nicht = "\r\nDas Fitting ist möglicherweise nicht konvergiert; anderen Startwert versuchen.";
    struct Row {
        const char* A;
        const char* EA;
        std::string note;  // empty: the fit reached the minimum
    };
    const Row rows[] = {
        {"0", "0", ""},
        {"1", "1", "Die FQS wird in der Nähe dieser Parameter noch kleiner." + nicht},
        {"10", "10", "Die FQS ändert sich hier mit keinem der Parameter." + nicht},
        {"100", "0", "Die FQS ändert sich hier mit keinem der Parameter." + nicht},
        {"1E18", "200000", "Der Parameter A ist an der Grenze seines Bereichs stehen geblieben." + nicht},
        {"1.094E12", "83645.6", "Die FQS wird in der Nähe dieser Parameter noch kleiner." + nicht},
        {"0", "100", ""},
        // A stays at 1E-07 (k(T) about 4E-25): only A alone times 1E+22 comes near the data.
        {"0", "100000", "Die FQS wird in der Nähe dieser Parameter noch kleiner." + nicht},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "from " << r.A << ", " << r.EA);
        test::typeInto(f->Inp[10], r.A);
        test::typeInto(f->Inp[11], r.EA);
        for (int druck = 1; druck <= 2; ++druck) {
            rec.clear();
            QTest::mouseClick(f->cmdAutoFitting, Qt::LeftButton);
            const double fqs = CalcFQS_Messwerte(f->auswahl());
            EXPECT_NEAR(fqs, test::arrheniusSumme(pts, app.dblArrhA, app.dblArrhEA), 1e-12 * fqs);
            // The note comes last, after the redraw (a curve that stays at
            // c(A) = 1 lies outside the chart, which says so itself).
            int notes = 0;
            for (const MsgRequest& m : rec.messages()) notes += m.title == "Parameter-Fitting" ? 1 : 0;
            if (r.note.empty()) {
                EXPECT_EQ(rec.count(), 0u) << (rec.count() ? rec.last().text : std::string());
                EXPECT_NEAR(fqs, minimum, 1e-9 * minimum);
            } else {
                ASSERT_GE(rec.count(), 1u);
                EXPECT_EQ(notes, 1) << druck;
                EXPECT_TRUE(test::isMessage(rec.last(), r.note, "Parameter-Fitting", MsgIcon::Exclamation)) << druck;
                EXPECT_GT(fqs, 1.002 * minimum);
            }
            EXPECT_TRUE(f->lblStdDev[1]->isVisible());
        }
        // The minimum reached is the one found without the minimiser.
        if (r.note.empty()) {
            EXPECT_NEAR(app.dblArrhEA, min.EA, 1e-4 * min.EA);
            EXPECT_NEAR(app.dblArrhA, min.A, 1e-2 * min.A);
        }
    }
}

TEST_F(Fitting, SecondOrderNeedsItsStartConcentration) {
    frmFitting* f = openThreeIsotherms(2);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->unit1->text(), "/(1/(s mol/l))");
    app.c0Daten[1] = 0;
    rec.clear();
    QTest::mouseClick(f->cmdAutoFitting, Qt::LeftButton);
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(std::tuple(rec.last().text, rec.last().title),
              std::tuple("Für diesen Fall muss die Anfangskonzentration c(A)(0) gegeben sein.",
                         " Ausführung nicht möglich "));

    // Another task closes the window.
    main->clickMenu("mnuctGraph");
    test::processEvents();
    EXPECT_FALSE(IsFormLoaded<frmFitting>());
}

// The order of first-order data comes out as 1 (within the scatter of the sample).
TEST_F(Fitting, ReactionOrderOfTheFirstOrderSample) {
    openFirstOrder();
    main->clickMenu("mnuROFitting");
    frmFitting* f = Forms::loaded<frmFitting>();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(std::tuple(app.iModell, f->Label7->text(), f->frak2->title()),
              std::tuple(20, "kin. Modell: A => P, Fitting der Rkt.-ordnung", "Reaktionsordnung n"));
    QTest::mouseClick(f->chkConcFQS[4], Qt::LeftButton);  // c(A) alone
    QTest::mouseClick(f->cmdAutoFitting, Qt::LeftButton);
    EXPECT_NEAR(app.nOrdnung, 1.0, 0.05);
    EXPECT_EQ(app.nOrdnung, static_cast<Single>(app.RefWert[2]));
    EXPECT_NEAR(numberAfter(footer(), ", n ="), app.nOrdnung, 1e-6);
    EXPECT_NEAR(numberAfter(footer(), "k1 ="), app.k[1], 1e-6 * app.k[1]);
}

// "Zeichne Kurve" redraws the chart once, with the points and the new curve.
TEST_F(Fitting, DrawingTheCurveRedrawsTheChartOnce) {
    frmFitting* f = openFirstOrder();
    ASSERT_NE(f, nullptr);
    test::processEvents();
    frmGraph2D* g = Forms::loaded<frmGraph2D>();
    ASSERT_NE(g, nullptr);
    const int vorher = g->Chart2D1->replotCount();
    QTest::mouseClick(f->cmdDrawNewCurve, Qt::LeftButton);
    test::processEvents();
    EXPECT_EQ(g->Chart2D1->replotCount(), vorher + 1);
    EXPECT_EQ(g->Chart2D1->pointCount(2, 1), 25);
    EXPECT_GT(g->Chart2D1->pointCount(1, 1), 0);
}

// ---- other windows beside the fitting window ----------------------------------------

// The tangent method on c(A) and its "Schließen", then "Zeichne Kurve": the fit
// of the order (mode 2) and the non-isothermal fit (mode 6) draw as before.
TEST_F(Fitting, TangentWindowBesideChangesNothingInTheFit) {
    for (int modus : {2, 6}) {
        SCOPED_TRACE(modus);
        frmFitting* f = modus == 2 ? fitOrder() : fitNonIsothermal();
        ASSERT_NE(f, nullptr);
        const Blick vorher = blick(f);
        EXPECT_EQ(vorher.titel, modus == 2 ? "Messpunkte Konzentration vs. Zeit, Reaktionsordnung-Fitting"
                                           : "Messpunkte Konzentration vs. Zeit, 1. Ordng, nicht-isotherm");
        EXPECT_EQ(vorher.zeile2, true);
        main->clickMenu("mnuSubTangente(1)");
        frmCalcTangente* t = Forms::loaded<frmCalcTangente>();
        ASSERT_NE(t, nullptr);
        QTest::mouseClick(t->cmdClose, Qt::LeftButton);
        test::processEvents();
        backToFitting();
        rec.clear();  // the spline through three isotherms was refused
        QTest::mouseClick(f->cmdDrawNewCurve, Qt::LeftButton);
        expectSame(vorher, blick(f));
        for (const auto& m : rec.messages()) ADD_FAILURE() << m.text;
    }
}

// "... für 1. Ordnung  A => P" leaves the fitting window open; its next
// "Zeichne Kurve" draws the fit of the order again, not the linear plot.
TEST_F(Fitting, LinearEvaluationBesideChangesNothingInTheFit) {
    frmFitting* f = fitOrder();
    ASSERT_NE(f, nullptr);
    const Blick vorher = blick(f);
    const Single n = app.nOrdnung;
    EXPECT_NEAR(n, 1.01, 0.01);
    main->clickMenu("mnuctAusw(1)");
    ASSERT_EQ(toQ(Forms::loaded<frmGraph2D>()->Chart2D1->text(ChartTextBlock::Header)),
              "Versuchsdaten-Auswertung nach 1. Ordnung: A => P");
    backToFitting();
    QTest::mouseClick(f->cmdDrawNewCurve, Qt::LeftButton);
    expectSame(vorher, blick(f));
    EXPECT_EQ(app.nOrdnung, n);
    EXPECT_EQ(app.iModell, 20);
}

// The data-set editor's "OK" and the Arrhenius calculator set the evaluation
// mode to 0; the next auto-fit still fits the order, with the same result as
// the same fit without them.
TEST_F(Fitting, EditorOrCalculatorBesideTheOrderFitChangeNothing) {
    for (const char* umweg : {"mnuEdit", "mnuToolArrhenius"}) {
        SCOPED_TRACE(umweg);
        frmFitting* f = fitOrder();
        ASSERT_NE(f, nullptr);
        const Blick vorher = blick(f);
        const Single n = app.nOrdnung;
        test::typeInto(f->Inp[10], "0.0215");
        test::typeInto(f->Inp[11], "1.5");
        main->clickMenu(umweg);
        if (frmDatedit* d = Forms::loaded<frmDatedit>()) QTest::mouseClick(d->OK, Qt::LeftButton);
        if (frmArrheniusRechner* r = Forms::loaded<frmArrheniusRechner>()) QTest::mouseClick(r->cmdClose, Qt::LeftButton);
        test::processEvents();
        backToFitting();
        QTest::mouseClick(f->cmdAutoFitting, Qt::LeftButton);
        expectSame(vorher, blick(f));
        EXPECT_EQ(app.nOrdnung, n);
        EXPECT_NE(f->Inp[11]->text(), " 1.5");
        EXPECT_TRUE(f->lblStdDev[2]->isVisible());
    }
}

// Opening and closing the Arrhenius or the Eyring calculator beside the
// non-isothermal fit: "Zeichne Kurve" draws with the shown A and EA by
// Arrhenius, as before.
TEST_F(Fitting, CalculatorBesideTheNonIsothermalFitChangesNothing) {
    for (const char* rechner : {"mnuToolArrhenius", "mnuToolEyring"}) {
        SCOPED_TRACE(rechner);
        frmFitting* f = fitNonIsothermal();
        ASSERT_NE(f, nullptr);
        const Blick vorher = blick(f);
        EXPECT_TRUE(vorher.arrhenius);
        rec.clear();
        main->clickMenu(rechner);
        frmArrheniusRechner* r = Forms::loaded<frmArrheniusRechner>();
        ASSERT_NE(r, nullptr);
        QTest::mouseClick(r->cmdClose, Qt::LeftButton);
        test::processEvents();
        backToFitting();
        QTest::mouseClick(f->cmdDrawNewCurve, Qt::LeftButton);
        expectSame(vorher, blick(f));
        EXPECT_TRUE(rec.messages().empty());
    }

    // An Eyring calculator left open beside the Arrhenius fit computes by
    // Eyring, as it shows, after the fit took its Arrhenius back.
    main->clickMenu("mnuToolEyring");
    frmArrheniusRechner* r = Forms::loaded<frmArrheniusRechner>();
    ASSERT_NE(r, nullptr);
    switchTo("2D-Diagramm");
    backToFitting();
    EXPECT_EQ(app.bytKTFunktion, 1);
    for (auto [box, text] : {std::pair{r->txtInpArrh[0], "0"}, {r->txtInpArrh[1], "0"}, {r->txtInpArrh[2], "298.15"}})
        test::typeInto(box, text);
    QTest::mouseClick(r->cmdCalc, Qt::LeftButton);
    EXPECT_EQ(r->caption(), "Eyring-Rechner");
    EXPECT_EQ(r->txtksecResult->text(), " 6.212384E+12");
}

// The data-set editor's "OK" on the unchanged three-isotherm set: A and EA
// stay as the fields show them, and so does the drawing.
TEST_F(Fitting, EditorBesideTheNonIsothermalFitChangesNothing) {
    frmFitting* f = fitNonIsothermal();
    ASSERT_NE(f, nullptr);
    const Blick vorher = blick(f);
    EXPECT_EQ(vorher.p1, "1000000");
    rec.clear();
    main->clickMenu("mnuEdit");
    frmDatedit* d = Forms::loaded<frmDatedit>();
    ASSERT_NE(d, nullptr);
    QTest::mouseClick(d->OK, Qt::LeftButton);
    test::processEvents();
    backToFitting();
    QTest::mouseClick(f->cmdDrawNewCurve, Qt::LeftButton);
    expectSame(vorher, blick(f));
    EXPECT_TRUE(rec.messages().empty());
}

// What another window changes in what the window fits, it follows visibly:
// a point changed in the data-set editor (c0 field, measured points, error
// sum), the time unit chosen in the model window (k1 converted, the same fit
// in other numbers), another model chosen there (the fit of the order becomes
// the fit of the rate constant of A => P).
TEST_F(Fitting, FollowsTheDataSetTheTimeUnitAndTheModelChoice) {
    frmFitting* f = fitOrder();
    ASSERT_NE(f, nullptr);
    auto hoechsterPunkt = [] {
        const ChartControl& c = *Forms::loaded<frmGraph2D>()->Chart2D1;
        double m = 0;
        for (int i = 0; i <= c.pointCount(2, 1); ++i)
            if (c.y(2, 1, i) < 1e300) m = std::max(m, c.y(2, 1, i));
        return m;
    };
    EXPECT_NEAR(hoechsterPunkt(), 0.05, 1e-7);
    const QString fqs = f->lblFQS->text();

    // Point 1 (t = 0) gets c(A) = 0.06 in the editor.
    main->clickMenu("mnuEdit");
    frmDatedit* d = Forms::loaded<frmDatedit>();
    ASSERT_NE(d, nullptr);
    test::typeInto(d->y[1], "0.06");
    QTest::mouseClick(d->OKinput, Qt::LeftButton);
    QTest::mouseClick(d->OK, Qt::LeftButton);
    test::processEvents();
    rec.clear();  // the editor's note on temperatures
    backToFitting();
    EXPECT_EQ(f->Inp[0]->text(), " .06");
    EXPECT_NEAR(hoechsterPunkt(), 0.06, 1e-7);
    EXPECT_NE(f->lblFQS->text(), fqs);
    const double k = Val(toStd(f->Inp[10]->text()));
    const double fqsNeu = CalcFQS_Messwerte(f->auswahl());

    // Seconds instead of minutes: k1 per second, the same fit.
    test::clickButton(Forms::loaded<frmKinModel>()->optZeit[0]);
    EXPECT_NEAR(Val(toStd(f->Inp[10]->text())), k / 60, 1e-6 * k / 60);
    backToFitting();
    EXPECT_NEAR(CalcFQS_Messwerte(f->auswahl()), fqsNeu, 1e-4 * fqsNeu);

    // Model 2 in the model window.
    test::clickButton(Forms::loaded<frmKinModel>()->optTyp[2]);
    EXPECT_EQ(f->modus(), 1);
    EXPECT_EQ(f->Label7->text(), "kinet. Modell:  A => P   (n = 1)");
    EXPECT_FALSE(f->frak2->isEnabled());
    EXPECT_EQ(f->frak2->title(), "Geschwindigkeitskonstante k2");
    EXPECT_EQ(toQ(Forms::loaded<frmGraph2D>()->Chart2D1->text(ChartTextBlock::Header)),
              "Messpunkte Konzentration vs. Zeit, k-Fitting");
    EXPECT_EQ(app.iModell, 2);
    for (const auto& m : rec.messages()) ADD_FAILURE() << m.title << ": " << m.text;
}

// A redraw simulates and draws under the hourglass; the pointer comes back after it.
TEST_F(Fitting, RedrawWorksUnderTheHourglass) {
    frmFitting* f = openFirstOrder();
    ASSERT_NE(f, nullptr);
    const bool wartet =
        test::chartShownUnderTheHourglass([f] { QTest::mouseClick(f->cmdDrawNewCurve, Qt::LeftButton); });
    EXPECT_TRUE(wartet);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// ---- what the user sees: the corner point, the ± after a unit change ------------------------

namespace {

// N2O5 decomposing at 45 °C: t/s and c(A)/(mol/l). The first point is the
// largest and the earliest, so the data range puts it on the plot's top-left
// corner: y(max) = 2.33 exactly (no margin) and x(min) = 0.
void n2o5() {
    const double t[] = {0, 184, 319, 526, 867, 1198, 1877, 2315, 3144};
    const double c[] = {2.33, 2.08, 1.91, 1.67, 1.36, 1.11, 0.72, 0.55, 0.34};
    test::setDataSet(9, [&](Messpunkt& p, int i) {
        p.t = t[i - 1];
        p.c[1] = c[i - 1];
    });
    PrepareExpDaten();
    getAnfangskonzAusDaten();
}

// Pixels of the point set's symbol colour in a square of side 2 r + 1 around
// the point (x, y) of the rendered chart.
int symbolPixels(frmGraph2D* g, double x, double y, int r = 3) {
    ChartControl& c = *g->Chart2D1;
    c.replotNow();
    const QImage img = c.grab().toImage();
    const QColor farbe = toQColor(c.style(2, 1).symbolColour);
    const QPoint p = c.toPixel(x, y).toPoint();
    int n = 0;
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx) {
            const QPoint q = p + QPoint(dx, dy);
            if (img.rect().contains(q) && img.pixelColor(q) == farbe) ++n;
        }
    return n;
}

}  // namespace

// The first point of the decay lies on the corner of the plot: its symbol is
// painted as fully as that of a point inside, also after the auto-fit.
TEST_F(Fitting, PointOnTheTopLeftCornerIsDrawn) {
    n2o5();
    main->clickMenu("mnuCtFitting");
    frmFitting* f = Forms::loaded<frmFitting>();
    frmGraph2D* g = Forms::loaded<frmGraph2D>();
    ASSERT_TRUE(f && g);
    EXPECT_EQ(std::tuple(g->Chart2D1->axisMax(ChartAxis::Y), g->Chart2D1->axisMin(ChartAxis::X)),
              std::tuple(static_cast<double>(2.33f), 0.0));
    const int innen = symbolPixels(g, 184, 2.08);
    EXPECT_GT(innen, 10);
    // Of the corner symbol a quarter lies inside the plot; the rest on and beyond its frame.
    EXPECT_GE(symbolPixels(g, 0, 2.33), innen / 2) << "no symbol on the corner";
    test::typeInto(f->Inp[10], "0.001");
    QTest::mouseClick(f->cmdAutoFitting, Qt::LeftButton);
    EXPECT_NEAR(app.k[1], 6.220292e-4, 1e-9);
    EXPECT_GE(symbolPixels(g, 0, 2.33), innen / 2) << "no symbol on the corner after the fit";
}

// After the auto-fit in seconds the user chooses "min" in the model window:
// k1 and its ± are shown per minute, both 60 times the values per second.
TEST_F(Fitting, StandardDeviationFollowsTheTimeUnit) {
    test::LocaleGuard guard(QLocale(QLocale::German, QLocale::Germany));
    n2o5();
    main->clickMenu("mnuCtFitting");
    frmFitting* f = Forms::loaded<frmFitting>();
    ASSERT_NE(f, nullptr);
    test::typeInto(f->Inp[10], "0.001");
    QTest::mouseClick(f->cmdAutoFitting, Qt::LeftButton);
    EXPECT_EQ(std::tuple(f->Inp[10]->text(), f->lblStdDev[1]->isVisible(), f->lblStdDev[1]->text()),
              std::tuple(" .0006220292", true, "1,9 E-6"));
    test::clickButton(Forms::loaded<frmKinModel>()->optZeit[1]);
    EXPECT_EQ(app.sZeiteinheit, "min");
    EXPECT_EQ(f->Inp[10]->text(), " .03732176");
    EXPECT_TRUE(f->lblStdDev[1]->isVisible());
    EXPECT_EQ(f->lblStdDev[1]->text(), "1,1 E-4") << "the ± of the seconds beside k1 per minute";
    // Back in the fitting window the curve is drawn anew for the converted times: a ± still shown is per minute.
    backToFitting();
    EXPECT_EQ(f->Inp[10]->text(), " .03732176");
    EXPECT_TRUE(!f->lblStdDev[1]->isVisible() || f->lblStdDev[1]->text() == "1,1 E-4");
}

// ---- windows opened beside the fitting window --------------------------------------------

namespace {

// The windows above `unten` (MDI children later in the stacking order, every
// tool window) whose frame covers a part of the widget, by caption.
QStringList verdecken(VrnForm* unten, QWidget* w) {
    QMdiArea* area = Forms::mdiArea();
    const QRect r(w->mapTo(area->viewport(), QPoint(0, 0)), w->size());
    const QList<QMdiSubWindow*> stapel = area->subWindowList(QMdiArea::StackingOrder);
    const qsizetype ab = stapel.indexOf(qobject_cast<QMdiSubWindow*>(unten->frame()));
    QStringList oben;
    for (VrnForm* f : Forms::all()) {
        if (f == unten || !f->frame()->isVisible()) continue;
        auto* sub = qobject_cast<QMdiSubWindow*>(f->frame());
        if (sub && stapel.indexOf(sub) < ab) continue;
        if (Forms::frameInMdiArea(f).intersects(r)) oben << f->caption();
    }
    return oben;
}

}  // namespace

// The tangent window and its chart, then the linear evaluation's chart,
// opened while the fitting window stays open, with the default main window
// centred on a 1366 x 768 screen and with a main window of 1366 x 768: each
// chart keeps its size inside the area, and where the area has room for it
// beside the fitting window's buttons (in the larger main window) none covers
// "Auto-   Fitting" or "Schließen <Esc>".
TEST_F(Fitting, WindowsOpenedBesideKeepTheFittingButtonsFree) {
    for (const auto& [size, knoepfeFrei] : {std::pair{QSize(1000, 720), false}, {QSize(1366, 768), true}}) {
        SCOPED_TRACE(size.width());
        Forms::destroyAll();
        test::processEvents();
        main->resize(size);
        main->move((1366 - size.width()) / 2, (768 - size.height()) / 2);
        test::processEvents();
        frmFitting* f = openFirstOrder();
        ASSERT_NE(f, nullptr);
        QTest::mouseClick(f->cmdAutoFitting, Qt::LeftButton);
        test::processEvents();
        const std::pair<const char*, std::function<void()>> schritte[] = {
            {"mnuSubTangente(1)", [] {}},
            {"mnuctAusw(1)",
             [] {
                 if (frmCalcTangente* t = Forms::loaded<frmCalcTangente>()) QTest::mouseClick(t->cmdClose, Qt::LeftButton);
                 test::processEvents();
             }},
        };
        for (const auto& [item, vorher] : schritte) {
            SCOPED_TRACE(item);
            vorher();
            main->clickMenu(item);
            test::processEvents();
            frmGraph2D* chart = Forms::loaded<frmGraph2D>();
            ASSERT_TRUE(chart);
            EXPECT_TRUE(Forms::loaded<frmFitting>()->isVisible());
            const QRect area = main->mdiArea->viewport()->rect(), g = chart->frame()->geometry();
            EXPECT_TRUE(area.contains(g));
            EXPECT_GE(g.width(), std::lround((app.bAuswertungsart != 0 ? 0.68 : 0.72) * area.width()));
            EXPECT_GE(g.height(), std::lround(0.75 * area.height()));
            if (knoepfeFrei) {
                for (QWidget* knopf : {static_cast<QWidget*>(f->cmdAutoFitting), static_cast<QWidget*>(f->cmdClose)})
                    EXPECT_EQ(verdecken(f, knopf), QStringList()) << static_cast<QPushButton*>(knopf)->text().toStdString();
            }
            test::saveScreenshot(main.get(), QString("beside_fitting_%1_%2").arg(QString(item).remove('(').remove(')')).arg(size.width()));
        }
    }
}

// The fitting window and its chart stand side by side in the main window as
// it opens (1000 x 720, also on a 1366 x 768 screen) and in a larger one,
// for every fitting item and models of two to four species: neither covers
// the other, and every control of the fitting window is whole.
TEST_F(Fitting, StandsBesideItsChartWithEveryControlWhole) {
    const struct {
        const char* name;
        std::function<frmFitting*()> oeffne;
    } faelle[] = {
        {"k, A => P", [this] { return openFirstOrder(); }},
        {"k, A + B => C => P",
         [this] {
             frmFitting* f = openFirstOrder();
             test::clickButton(Forms::get<frmKinModel>().optTyp[9]);
             return f;
         }},
        {"k, Enzym",
         [this] {
             frmFitting* f = openFirstOrder();
             test::clickButton(Forms::get<frmKinModel>().optTyp[10]);
             return f;
         }},
        {"k, A + B <=> 2P",
         [this] {
             frmFitting* f = openFirstOrder();
             test::clickButton(Forms::get<frmKinModel>().optTyp[12]);
             return f;
         }},
        {"Ordnung", [this] { return fitOrder(); }},
        {"Arrhenius", [this] { return openThreeIsotherms(1); }},
        {"Eyring 2A => P",
         [this] {
             frmFitting* f = openThreeIsotherms(2);
             if (f) test::clickButton(f->optkTFunktion[2]);
             return f;
         }},
    };
    for (const QSize size : {QSize(1000, 720), QSize(1366, 768)}) {
        for (const auto& fall : faelle) {
            SCOPED_TRACE(std::to_string(size.width()) + " " + fall.name);
            Forms::destroyAll();
            test::processEvents();
            main->resize(size);
            main->move((1366 - size.width()) / 2, (768 - size.height()) / 2);
            test::processEvents();
            frmFitting* f = fall.oeffne();
            ASSERT_NE(f, nullptr);
            f->SetFocus();
            QTest::mouseClick(f->cmdDrawNewCurve, Qt::LeftButton);
            test::processEvents();
            frmGraph2D* chart = Forms::loaded<frmGraph2D>();
            ASSERT_NE(chart, nullptr);
            const QRect fit = Forms::frameInMdiArea(f), g = Forms::frameInMdiArea(chart);
            EXPECT_FALSE(fit.intersects(g)) << fit.right() << " " << g.left();
            EXPECT_TRUE(main->mdiArea->viewport()->rect().contains(g));
            EXPECT_TRUE(test::fitsItsWindow(f));
            for (QWidget* knopf : {static_cast<QWidget*>(f->cmdDrawNewCurve), static_cast<QWidget*>(f->cmdAutoFitting),
                                   static_cast<QWidget*>(f->cmdHelp), static_cast<QWidget*>(f->cmdClose)})
                EXPECT_EQ(verdecken(f, knopf), QStringList()) << static_cast<QPushButton*>(knopf)->text().toStdString();
        }
    }
}
