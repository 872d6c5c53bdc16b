// The fitting window driven as a user would: opened from the main menu,
// typing, sliders, "fixiert", "Zeichne Kurve", "Auto-   Fitting", refusals,
// the limit warning, the results in the window and in the chart's footer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCursor>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>

#include <cmath>

#include "base/NumberText.h"
#include "chart/ChartHooks.h"
#include "chart/Grafik.h"
#include "chart/frmGraph2D.h"
#include "data/frmArrheniusRechner.h"
#include "data/frmFitting.h"
#include "engine/ConcentrationAtTime.h"
#include "engine/InitialConcentrations.h"
#include "engine/ModelChoice.h"
#include "engine/Simulation.h"
#include "engine/frmKinModel.h"
#include "platform/ChartControl.h"
#include "platform/Forms.h"
#include "platform/NumberField.h"
#include "platform/Paths.h"
#include "shell/AppState.h"
#include "shell/DataPreparation.h"
#include "shell/FileDialogs.h"
#include "app/MDIVRN.h"
#include "shell/frmTip.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

namespace {

const std::string kZuWenig =
    "Die Zahl der Messpunkte muss größer als die Zahl der Parameter sein!\r\nErgänzen Sie die Daten im Dateneditor.";

class Fitting : public ::testing::Test {
protected:
    void SetUp() override {
        w = std::make_unique<MDIVRN>();
        w->resize(1000, 720);
        w->show();
        w->MDIForm_Load();
        Forms::unload<frmTip>();
        for (const char* f : {"1st_order.VRP", "1st_order.VRD"})
            QFile::copy(resourceFolder() + "/samples/" + f, env.folder() + "/" + f);
    }
    void TearDown() override { fileDialogHooks().openDialog = nullptr; }

    // The sample project: A => P, k = 0.0215 1/min, 25 points of c(A) and c(P).
    frmFitting* openFirstOrder() {
        fileDialogHooks().openDialog = [this](OpenDialogRequest& r) {
            r.fileName = "1st_order.VRP";
            r.directory = env.folderStd();
            return true;
        };
        rec.answer(MsgAnswer::OK);
        w->clickMenu("mnuLoadProject");
        w->clickMenu("mnuCtFitting");
        rec.clear();
        return Forms::loaded<frmFitting>();
    }

    // Three isotherms of A => P, k = 1e10 exp(-60000/(R T)) 1/s, and two points without temperature.
    frmFitting* openThreeIsotherms(int item) {
        app.ExpDaten.assign(1, Messpunkt{});
        for (double T : {300.0, 310.0, 320.0})
            for (int i = 0; i <= 8; ++i) {
                Messpunkt m;
                m.t = 0.5 * i;
                m.Temp = T;
                const double k = 1e10 * std::exp(-60000 / (8.3145 * T));
                m.c[1] = item == 1 ? std::exp(-k * m.t) : 1 / (1 / 0.5 + 2 * k * m.t);
                app.ExpDaten.push_back(m);
            }
        for (double t : {1.0, 2.0}) app.ExpDaten.push_back(Messpunkt{t, {0, 0.3}});
        app.nExpPunkte = static_cast<Integer>(app.ExpDaten.size() - 1);
        PrepareExpDaten();
        getAnfangskonzAusDaten();
        w->clickMenu(QString("mnuNonIsothermFitting(%1)").arg(item));
        return Forms::loaded<frmFitting>();
    }

    static int curves() {
        int n = 0;
        for (Integer s : app.KurvenSlot) n += s == 0 ? 1 : 0;
        return n;
    }
    static QString footer() {
        frmGraph2D* g = Forms::loaded<frmGraph2D>();
        return g ? toQ(g->Chart2D1->text(ChartTextBlock::Footer)) : QString();
    }

    test::GuiTest env;
    std::unique_ptr<MDIVRN> w;
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

}  // namespace

// In the comma locale; the point locale is every other fitting test's.
TEST_F(Fitting, TypingSlidersFixedAndAutoFitInTheCommaLocale) {
    test::LocaleGuard guard(QLocale(QLocale::German, QLocale::Germany));
    frmFitting* f = openFirstOrder();
    ASSERT_NE(f, nullptr);
    frmGraph2D* chart = Forms::loaded<frmGraph2D>();
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(f->Label7->text(), "kinet. Modell:  A => P   (n = 1)");
    EXPECT_EQ(f->Inp[10]->text(), " .0215");
    EXPECT_EQ(f->Inp[0]->text(), " .05");  // c(A)(0) from the data set
    EXPECT_TRUE(f->chkConcFQS[1]->isChecked() && f->chkConcFQS[4]->isChecked());
    EXPECT_FALSE(f->chkConcFQS[2]->isVisibleTo(f));
    EXPECT_FALSE(f->frak2->isEnabled());
    EXPECT_EQ(curves(), 2);  // c(A) and c(P) over the measured points

    // Typing: a comma becomes a point, letters and pasting are refused; 0 is kept as 1e-8.
    test::typeInto(f->Inp[10], "0,03x");
    EXPECT_EQ(f->Inp[10]->text(), "0.03");
    EXPECT_EQ(app.k[1], 0.03);
    QApplication::clipboard()->setText("777");
    QTest::keyClick(f->Inp[10], Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f->Inp[10]->text(), "0.03");
    test::typeInto(f->Inp[10], "0");
    EXPECT_EQ(app.k[1], 1e-8);
    EXPECT_EQ(app.RefWert[1], 1e-8);
    test::typeInto(f->Inp[10], "0.02");

    // Coarse slider to +900: k x 10, back to 0; to -90: k / 10; fine slider to +100: k x 1.1.
    struct Move {
        QSlider* slider;
        Qt::Key key;
        double k;
    };
    const Move moves[] = {{f->Sliderk1_grob, Qt::Key_End, 0.2}, {f->Sliderk1_grob, Qt::Key_Home, 0.02},
                          {f->Sliderk1_fein, Qt::Key_End, 0.022}, {f->Sliderk1_grob, Qt::Key_PageUp, 0.033}};
    for (const Move& m : moves) {
        QTest::keyClick(m.slider, m.key);
        EXPECT_NEAR(app.k[1], m.k, 1e-15);
        EXPECT_EQ(m.slider->value(), 0);
        EXPECT_EQ(f->Inp[10]->text(), toQ(Str(static_cast<Single>(m.k))));
        EXPECT_EQ(curves(), 2) << "the curves are drawn anew, not added";
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
    EXPECT_FALSE(IsFormLoaded<frmFitting>());
    EXPECT_FALSE(IsFormLoaded<frmGraph2D>());
}

TEST_F(Fitting, RefusalsAndBadInputChangeNothing) {
    frmFitting* f = openFirstOrder();
    ASSERT_NE(f, nullptr);
    auto autoFit = [f] { QTest::mouseClick(f->cmdAutoFitting, Qt::LeftButton); };

    // Only points that take part count: one active point is not more than one parameter.
    for (int i = 2; i <= app.nExpPunkte; ++i) app.ExpDaten[static_cast<std::size_t>(i)].aus = -1;
    autoFit();
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_TRUE(vrn::test::isMessage(rec.last(), kZuWenig, " Ausführung nicht möglich ", MsgIcon::Critical));
    EXPECT_EQ(app.k[1], 0.0215);
    EXPECT_EQ(f->cmdAutoFitting->text(), "Auto-   Fitting");
    for (int i = 2; i <= app.nExpPunkte; ++i) app.ExpDaten[static_cast<std::size_t>(i)].aus = 0;

    // No species chosen: no point takes part.
    QTest::mouseClick(f->chkConcFQS[1], Qt::LeftButton);
    QTest::mouseClick(f->chkConcFQS[4], Qt::LeftButton);
    rec.clear();
    autoFit();
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(rec.last().text, kZuWenig);
    EXPECT_EQ(f->lblFQS->text(), "0.0000 E+0");
    QTest::mouseClick(f->chkConcFQS[1], Qt::LeftButton);

    // A negative constant is refused by the redraw, with the check's own line.
    const int before = curves();
    test::typeInto(f->Inp[10], "-1");
    rec.clear();
    QTest::mouseClick(f->cmdDrawNewCurve, Qt::LeftButton);
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(rec.last().text, "- Geschwindigkeitskonstante k1 muss größer Null sein\r\n");
    EXPECT_EQ(curves(), before);

    // An end time of 0 makes every simulation of a fit fail; one message, the constant stays.
    test::typeInto(f->Inp[10], "0.02");
    app.iModell = 20;  // integrated numerically
    app.nOrdnung = 1;
    app.tEnd = 0;
    rec.clear();
    autoFit();
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(rec.last().title, "Parameter-Fitting");
    EXPECT_EQ(rec.last().text, "Das Fitting ist mit diesen Startwerten nicht möglich:\r\n"
                               "Die Endzeit muss eine Zahl größer als 0 sein.\r\n"
                               "Verbessern Sie die Startwerte durch Annäherung der Kurve(n) an die Messwerte.");
    EXPECT_EQ(app.k[1], 0.02);
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
    app.ExpDaten.assign(1, Messpunkt{});
    for (int i = 0; i <= 20; ++i) {
        Messpunkt m;
        m.t = i;
        Konz c{};
        Integer e = 0;
        calc_functioncT_at_t(13, m.t, c, e);
        for (std::size_t j = 1; j <= 5; ++j) m.c[j] = c[j] * (1 + (i == 0 ? 0 : 0.02 * std::sin(3.0 * i + j)));
        app.ExpDaten.push_back(m);
    }
    app.nExpPunkte = 21;
    PrepareExpDaten();
    getAnfangskonzAusDaten();
    Forms::get<frmKinModel>().optTyp_Click(optionOfModel(13));
    w->clickMenu("mnuCtFitting");
    frmFitting* f = Forms::loaded<frmFitting>();
    ASSERT_NE(f, nullptr);
    for (int i = 10; i <= 12; ++i) test::typeInto(f->Inp[static_cast<std::size_t>(i)], "1");
    rec.clear();
    QTest::mouseClick(f->cmdAutoFitting, Qt::LeftButton);
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_TRUE(test::isMessage(rec.last(),
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
    EXPECT_EQ(f->Label7->text(), " kinet. Modell: A => P, 1. Ord.");
    EXPECT_EQ(f->frak1->title(), "Arrhenius-Präexponentialfaktor A");
    EXPECT_EQ(f->unit1->text(), "/(1/s)");
    EXPECT_EQ(f->Inp[10]->text(), " 100");
    EXPECT_EQ(curves(), 3);  // one curve per isotherm

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
    EXPECT_EQ(rechner.lblFormel->text(), "berechnet k = kB/h T exp(-H#/(R T)) exp(S#/R)");
    EXPECT_EQ(f->frak1->title(), "mol. Aktivierungs-Entropie s#");
    EXPECT_TRUE(f->lblAktEntropie->isVisible());
    test::typeInto(f->Inp[10], "1");
    test::typeInto(f->Inp[11], "1");
    QTest::mouseClick(f->cmdAutoFitting, Qt::LeftButton);
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

TEST_F(Fitting, SecondOrderNeedsItsStartConcentration) {
    frmFitting* f = openThreeIsotherms(2);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->unit1->text(), "/(1/(s mol/l))");
    app.c0Daten[1] = 0;
    rec.clear();
    QTest::mouseClick(f->cmdAutoFitting, Qt::LeftButton);
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(rec.last().text, "Für diesen Fall muss die Anfangskonzentration c(A)(0) gegeben sein.");
    EXPECT_EQ(rec.last().title, " Ausführung nicht möglich ");

    // Another task closes the window.
    w->clickMenu("mnuctGraph");
    test::processEvents();
    EXPECT_FALSE(IsFormLoaded<frmFitting>());
}

// The order of first-order data comes out as 1 (within the scatter of the sample).
TEST_F(Fitting, ReactionOrderOfTheFirstOrderSample) {
    openFirstOrder();
    w->clickMenu("mnuROFitting");
    frmFitting* f = Forms::loaded<frmFitting>();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(app.iModell, 20);
    EXPECT_EQ(f->Label7->text(), "kin. Modell: A => P, Fitting der Rkt.-ordnung");
    EXPECT_EQ(f->frak2->title(), "Reaktionsordnung n");
    QTest::mouseClick(f->chkConcFQS[4], Qt::LeftButton);  // c(A) alone
    QTest::mouseClick(f->cmdAutoFitting, Qt::LeftButton);
    EXPECT_NEAR(app.nOrdnung, 1.0, 0.05);
    EXPECT_EQ(app.nOrdnung, static_cast<Single>(app.RefWert[2]));
    EXPECT_NEAR(numberAfter(footer(), ", n ="), app.nOrdnung, 1e-6);
    EXPECT_NEAR(numberAfter(footer(), "k1 ="), app.k[1], 1e-6 * app.k[1]);
}

// A redraw simulates and draws under the hourglass; the pointer comes back after it.
TEST_F(Fitting, RedrawWorksUnderTheHourglass) {
    frmFitting* f = openFirstOrder();
    ASSERT_NE(f, nullptr);
    bool wartet = false;
    const auto zeige = chartHooks().zeigeDiagrammFenster;
    chartHooks().zeigeDiagrammFenster = [&wartet, zeige] {
        const QCursor* c = QGuiApplication::overrideCursor();
        wartet = c && c->shape() == Qt::WaitCursor;
        return zeige();
    };
    QTest::mouseClick(f->cmdDrawNewCurve, Qt::LeftButton);
    chartHooks().zeigeDiagrammFenster = zeige;
    EXPECT_TRUE(wartet);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
