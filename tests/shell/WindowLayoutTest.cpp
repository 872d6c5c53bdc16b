// Each window, opened from the main menu, at the main window's default size
// and on a 1366 x 768 screen: every control inside its window with its caption
// whole, and the window inside the main window's area. The pictures are kept
// for looking at.

#include <QFontMetrics>
#include <QImage>
#include <QMdiArea>
#include <QStatusBar>

#include "chart/ToolFrame.h"
#include "chart/frmGraph2D.h"
#include "chart/frmGraphCalc.h"
#include "data/frmCalcTangente.h"
#include "data/frmDatedit.h"
#include "data/frmFitting.h"
#include "engine/frmPrepareTimeDiagram.h"
#include "shell/DataPreparation.h"
#include "engine/frmKinModel.h"
#include "platform/ColourFont.h"
#include "platform/Paths.h"
#include "montecarlo/frmMonteCarlo.h"
#include "platform/DataGrid.h"
#include "reactors/frmBatch.h"
#include "reactors/frmProtokoll.h"
#include "reactors/frmRKconti.h"
#include "reactors/frmRohrreaktor.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

namespace {

// The window the menu item opened, after the optional preparation.
template <class W>
std::function<VrnForm*(MDIVRN&)> opens(const char* item, std::function<void(W&)> prepare = nullptr) {
    return [item, prepare](MDIVRN& main) -> VrnForm* {
        main.clickMenu(item);
        test::processEvents();
        W* w = Forms::loaded<W>();
        if (w && prepare) prepare(*w);
        test::processEvents();
        return w;
    };
}

// A first-order decay measured at 13 times, with c(P); analysed as after loading.
void messreihe() {
    test::setDataSet(13, [](Messpunkt& p, int i) {
        p.t = 5.0 * (i - 1);
        p.c[1] = 0.05 * std::exp(-0.02 * p.t);
        p.c[4] = 0.05 - p.c[1];
    });
    PrepareExpDaten();
}

const QSize kGroessen[] = {QSize(1000, 720), QSize(1366, 768), QSize(1600, 1000)};

QString marke(const char* name, QSize size) {
    return QString("%1_%2x%3").arg(name).arg(size.width()).arg(size.height());
}

}  // namespace

// The window a user works in and the window it acts on stand side by side,
// both whole inside the main window's area, at the default size, on a
// 1366 x 768 screen and in a large (maximised) main window.
TEST(WindowLayout, WorkingWindowsStandBesideTheWindowsTheyActOn) {
    for (const QSize size : kGroessen) {
        SCOPED_TRACE(marke("", size).toStdString());
        test::GuiTest env;
        std::unique_ptr<MDIVRN> main = test::startMainWindow(size);
        const QRect area = main->mdiArea->viewport()->rect();
        messreihe();

        // Fitting: the chart right of the fitting window, its footer below the plot.
        main->clickMenu("mnuCtFitting");
        test::processEvents();
        frmFitting* fit = Forms::loaded<frmFitting>();
        frmGraph2D* chart = Forms::loaded<frmGraph2D>();
        ASSERT_TRUE(fit && chart);
        fit->cmdAutoFitting->click();
        test::processEvents();
        for (VrnForm* f : std::initializer_list<VrnForm*>{fit, chart}) {
            EXPECT_TRUE(area.contains(f->frame()->geometry())) << f->objectName().toStdString();
            EXPECT_TRUE(test::fitsItsWindow(f)) << f->objectName().toStdString();
        }
        // The chart keeps its size and, where the area has room for both side
        // by side, covers none of the fitting window's controls.
        if (fit->frame()->width() + chart->frame()->width() <= area.width()) {
            for (const QRect& c : Forms::controlsInMdiArea(fit))
                EXPECT_FALSE(c.intersects(chart->frame()->geometry())) << c.x() << "," << c.y();
        }
        test::saveScreenshot(main.get(), marke("beside_fitting", size));
        main->clickMenu("mnuSubTangente(1)");
        test::processEvents();

        // Tangent: the small window floats at the left; the chart keeps clear of it.
        frmCalcTangente* tangente = Forms::loaded<frmCalcTangente>();
        chart = Forms::loaded<frmGraph2D>();
        ASSERT_TRUE(tangente && chart);
        EXPECT_TRUE(area.contains(chart->frame()->geometry()));
        const QRect klein(main->mdiArea->viewport()->mapFromGlobal(tangente->mapToGlobal(QPoint(0, 0))),
                          tangente->size());
        // Where the area has room for both side by side at the chart's size.
        if (klein.width() + chart->frame()->width() <= area.width()) {
            EXPECT_FALSE(klein.intersects(chart->frame()->geometry()))
                << klein.right() << " " << chart->frame()->geometry().left();
        }
        EXPECT_TRUE(test::fitsItsWindow(tangente));
        Forms::destroyAll();
        test::processEvents();

        // The stirred tank and its protocol: no field, label or button of the tank is covered.
        main->clickMenu("mnuKontRK");
        test::processEvents();
        frmRKconti* tank = Forms::loaded<frmRKconti>();
        ASSERT_NE(tank, nullptr);
        tank->optCalcConti[2]->click();
        test::typeInto(tank->Inp[14], "1");
        test::typeInto(tank->Inp[15], "0.2");
        tank->cmdCalc->click();
        tank->cmdProtocol->click();
        test::processEvents();
        frmProtokoll* prot = Forms::loaded<frmProtokoll>();
        ASSERT_NE(prot, nullptr);
        const QRect p = prot->frame()->geometry();
        EXPECT_TRUE(area.contains(p));
        for (QWidget* c : tank->findChildren<QWidget*>()) {
            if (!c->isVisibleTo(tank) || !c->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty()) continue;
            const QRect r(c->mapTo(main->mdiArea->viewport(), QPoint(0, 0)), c->size());
            EXPECT_FALSE(r.intersects(p)) << c->objectName().toStdString() << " " << c->metaObject()->className();
        }
        test::saveScreenshot(main.get(), marke("beside_tank", size));
        Forms::destroyAll();
        test::processEvents();
    }
}

// The single-point calculator and the tangent window stand beside their
// chart, covering none of it (its menus, title buttons, axes and numbers),
// both inside the main window's area, the chart at least at its opening width.
TEST(WindowLayout, ToolWindowsOfTheChartStandBesideIt) {
    for (const QSize size : {QSize(1000, 720), QSize(1366, 768)}) {
        for (const char* werkzeug : {"single_calc", "tangent"}) {
            const QString tag = marke(werkzeug, size);
            SCOPED_TRACE(tag.toStdString());
            test::GuiTest env;
            std::unique_ptr<MDIVRN> main = test::startMainWindow(size);
            const QRect area = main->mdiArea->viewport()->rect();
            VrnForm* tool = nullptr;
            if (std::string(werkzeug) == "tangent") {
                messreihe();
                main->clickMenu("mnuSubTangente(1)");
                test::processEvents();
                tool = Forms::loaded<frmCalcTangente>();
            } else {
                main->clickMenu("mnuctGraph");
                test::processEvents();
                auto* t = Forms::loaded<frmPrepareTimeDiagram>();
                ASSERT_NE(t, nullptr);
                QTest::mouseClick(t->cmdDrawctDiagram, Qt::LeftButton);
                test::processEvents();
                frmGraph2D* g = Forms::loaded<frmGraph2D>();
                ASSERT_NE(g, nullptr);
                QTest::mouseClick(g->cmdSingleCalc, Qt::LeftButton);
                test::processEvents();
                tool = Forms::loaded<frmGraphCalc>();
            }
            frmGraph2D* chart = Forms::loaded<frmGraph2D>();
            ASSERT_TRUE(tool && chart);
            const QRect c = chart->frame()->geometry();
            const QRect t = Forms::frameInMdiArea(tool);
            EXPECT_FALSE(t.intersects(c)) << t.x() << "," << t.y() << " " << t.width() << " / " << c.x() << " "
                                          << c.width();
            EXPECT_TRUE(area.contains(t)) << t.x() << "," << t.y() << " " << t.width() << "x" << t.height();
            EXPECT_TRUE(area.contains(c));
            EXPECT_GE(c.width(), std::lround(0.72 * area.width()));
            EXPECT_TRUE(test::fitsItsWindow(tool));
            test::saveScreenshot(main.get(), marke((std::string("beside_chart_") + werkzeug).c_str(), size));
            Forms::destroyAll();
            test::processEvents();
        }
    }
}

// The chart's tool frames and design tabs: every control inside its frame
// with its caption and its combo entries whole, every frame inside the chart
// window below its menu bar and buttons; header, additional text and legend
// take their room from the plot and cover none of its frame, titles or numbers.
TEST(WindowLayout, ChartPanelsAndTextsFitTheChartWindow) {
    for (const QSize size : {QSize(1000, 720), QSize(1366, 768)}) {
        SCOPED_TRACE(marke("", size).toStdString());
        test::GuiTest env;
        std::unique_ptr<MDIVRN> main = test::startMainWindow(size);
        messreihe();
        main->clickMenu("mnuctGraph");
        test::processEvents();
        frmPrepareTimeDiagram* zeit = Forms::loaded<frmPrepareTimeDiagram>();
        ASSERT_NE(zeit, nullptr);
        zeit->cmdDrawctDiagram->click();
        test::processEvents();
        frmGraph2D* w = Forms::loaded<frmGraph2D>();
        ASSERT_NE(w, nullptr);
        w->clickMenu("mnuAddPunkte");
        test::processEvents();
        EXPECT_TRUE(test::fitsItsWindow(w));
        const int oben = w->Chart2D1->mapTo(w, QPoint(0, 0)).y();

        const std::pair<const char*, std::function<void()>> panels[] = {
            {"design", [w] { w->openDesignTab(0); }},        {"design_legend", [w] { w->openDesignTab(4); }},
            {"design_margins", [w] { w->openDesignTab(5); }}, {"design_axes", [w] { w->openDesignTab(10); }},
            {"curves", [w] { w->mnuKurvenDesign_Click(); }}, {"points", [w] { w->openPointPanelAt(1); }},
            {"text", [w] { w->mnuTextDesign_Click(1); }},    {"y_title", [w] { w->mnuTextDesign_Click(4); }},
            {"coordinates", [w] { w->mnuCoord_Click(); }},   {"clipboard", [w] { w->mnuBild_Click(1); }},
            {"picture_file", [w] { w->mnuBild_Click(2); }},  {"printer", [w] { w->mnuBild_Click(3); }},
            {"resolution", [w] { w->mnuResolution_Click(); }},
        };
        for (const auto& [name, open] : panels) {
            SCOPED_TRACE(name);
            w->versteckeWerkzeugRahmen();
            open();
            test::processEvents();
            std::vector<ToolFrame*> offen;
            for (ToolFrame* f : w->findChildren<ToolFrame*>())
                if (f->isVisible()) offen.push_back(f);
            ASSERT_EQ(offen.size(), 1u);
            ToolFrame* f = offen[0];
            EXPECT_TRUE(test::fitsItsWindow(f));
            EXPECT_TRUE(w->rect().contains(f->geometry())) << f->objectName().toStdString();
            EXPECT_GE(f->y(), oben) << f->objectName().toStdString();
            for (int t = 0; f == w->fraTabs && t < w->tabDesign->count(); ++t) {
                w->tabDesign->setCurrentIndex(t);
                EXPECT_TRUE(test::fitsItsWindow(f)) << t;
            }
            test::saveScreenshot(w, marke(name, size));
        }
        w->versteckeWerkzeugRahmen();

        // A two-line header, an additional text with a double frame and a legend.
        ChartControl& c = *w->Chart2D1;
        c.setText(ChartTextBlock::Header, "Konzentrations-Zeit-Diagramm\r\nzweite Zeile");
        c.setText(ChartTextBlock::Footer, "Zusatztext\r\nin zwei Zeilen");
        c.setTextBorder(ChartTextBlock::Footer, 9);
        c.setSeriesLabel(1, 1, "c(A)");
        w->legendeSchalten(true);
        c.replotNow();
        const QRect flaeche(c.chartAreaLeft(), c.chartAreaTop(), c.chartAreaWidth(), c.chartAreaHeight());
        const QRect kopf = test::textRect(c, ChartTextBlock::Header);
        const QRect fuss = test::textRect(c, ChartTextBlock::Footer), legende = test::legendRect(c);
        for (const QRect& r : {kopf, fuss, legende}) {
            EXPECT_FALSE(r.isEmpty());
            EXPECT_TRUE(c.rect().contains(r));
            EXPECT_FALSE(r.intersects(flaeche)) << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
        }
        EXPECT_TRUE(flaeche.contains(c.plotRect()));
        test::saveScreenshot(w, marke("chart_texts", size));
        Forms::destroyAll();
        test::processEvents();
    }
}

TEST(WindowLayout, EveryWindowFitsAtBothSizes) {
    const std::pair<const char*, std::function<VrnForm*(MDIVRN&)>> windows[] = {
        {"datedit_empty", opens<frmDatedit>("mnuNeudat")},
        {"datedit_edit_mode", opens<frmDatedit>("mnuNeudat",
                                                [](frmDatedit& d) {
                                                    test::setDataSet(20, [](Messpunkt& p, int i) {
                                                        p.t = i;
                                                        p.c[1] = 1.0 / i;
                                                    });
                                                    d.zeigeDatenImGrid();
                                                    d.Grid->setCurrentCell(3, 4);
                                                    d.waehlePunktZumEditieren();
                                                })},
        {"batch_window", opens<frmBatch>("mnuBatchR")},
        {"batch_window_enzyme", opens<frmBatch>("mnuBatchR", [](frmBatch&) { Forms::get<frmKinModel>().optTyp_Click(10); })},
        {"tube_window", opens<frmRohrreaktor>("mnuRohrR")},
        {"tank_window", opens<frmRKconti>("mnuKontRK")},
        {"protocol_window", opens<frmRKconti>("mnuKontRK", [](frmRKconti&) { Forms::get<frmProtokoll>().Show(); })},
        {"montecarlo_mode1", opens<frmMonteCarlo>("mnuSubMonteCarlo(0)")},
        {"montecarlo_mode2", opens<frmMonteCarlo>("mnuSubMonteCarlo(1)")},
        {"montecarlo_large", opens<frmMonteCarlo>("mnuSubMonteCarlo(1)", [](frmMonteCarlo& mc) { mc.optN0[5]->click(); })},
    };
    for (const QSize size : {QSize(1000, 720), QSize(1366, 768)}) {
        for (const auto& [name, open] : windows) {
            const QString tag = QString("%1_%2x%3").arg(name).arg(size.width()).arg(size.height());
            SCOPED_TRACE(tag.toStdString());
            test::GuiTest env;
            MDIVRN main;
            MDIVRN::endProgram = [] {};
            main.MDIForm_Load();
            main.resize(size);
            main.show();
            test::processEvents();
            VrnForm* w = open(main);
            ASSERT_NE(w, nullptr);
            std::vector<VrnForm*> shown{w};
            if (frmProtokoll* p = Forms::loaded<frmProtokoll>()) shown = {p};
            for (VrnForm* f : shown) {
                EXPECT_TRUE(test::fitsItsWindow(f));
                EXPECT_TRUE(main.mdiArea->rect().contains(f->frame()->geometry()));
            }
            test::saveScreenshot(&main, tag);
            Forms::destroyAll();
            test::processEvents();
        }
    }
}

// The results of the Arrhenius and the Eyring evaluation in the chart's
// status bar, read whole at the chart's opening size, with the main window at
// its default size and maximised on a 1366 x 768 screen.
TEST(WindowLayout, EvaluationResultsAreReadWholeInTheStatusBar) {
    test::LocaleGuard guard(QLocale(QLocale::German, QLocale::Germany));
    for (const QSize size : {QSize(1000, 720), QSize(1366, 740)}) {
        SCOPED_TRACE(marke("", size).toStdString());
        test::GuiTest env;
        std::unique_ptr<MDIVRN> main = test::startMainWindow(size);
        // k = A exp(-EA / (R T)) with A = 3.816322E+13 1/s and EA = 102.90 kJ/mol at 298 .. 338 K.
        test::setDataSet(5, [](Messpunkt& p, int i) {
            p.Temp = 288 + 10 * i;
            p.k = 3.816322e13 * std::exp(-102900 / (8.3145 * p.Temp));
        });
        PrepareExpDaten();
        // menu item, the result's beginning, its end
        const std::tuple<const char*, const char*, const char*> faelle[] = {
            {"mnukT(1)", "Berechnungsergebnis: EA/(kJ/mol) = 102,90;  A = 3,8163", "E+13   (R^2 = 1,00000)"},
            {"mnukT(2)", "Resultat: h#/(kJ/mol) = 100,", ", Achtung: s# ist nur korrekt, wenn für k gilt [t] = s   (R^2 = "},
        };
        for (const auto& [item, anfang, ende] : faelle) {
            SCOPED_TRACE(item);
            main->clickMenu(item);
            test::processEvents();
            frmGraph2D* chart = Forms::loaded<frmGraph2D>();
            ASSERT_NE(chart, nullptr);
            EXPECT_TRUE(main->mdiArea->viewport()->rect().contains(chart->frame()->geometry()));
            QLabel* zeile = chart->StatusBar2->findChild<QLabel*>("StatusBar2Text");
            ASSERT_NE(zeile, nullptr);
            const QString text = zeile->text();
            EXPECT_TRUE(text.startsWith(QString::fromUtf8(anfang))) << text.toStdString();
            EXPECT_TRUE(text.contains(QString::fromUtf8(ende))) << text.toStdString();
            EXPECT_TRUE(test::showsWhole(zeile));
            test::saveScreenshot(main.get(), marke(std::string(item) == "mnukT(1)" ? "arrhenius" : "eyring", size));
        }
    }
}

// The enzyme model's c-t chart as it opens over the time-diagram window:
// its long header stands inside the chart (in the default main window, with
// the chart made narrower, broken onto a second line), and no letter of it
// touches the chart's left or right edge.
TEST(WindowLayout, LongHeaderStaysInsideTheChart) {
    for (const auto& [size, umbrochen] : {std::pair{QSize(1000, 720), true}, {QSize(1366, 740), false}}) {
        SCOPED_TRACE(marke("", size).toStdString());
        test::GuiTest env;
        std::unique_ptr<MDIVRN> main = test::startMainWindow(size);
        main->clickMenu("mnuctGraph");
        test::processEvents();
        test::clickButton(Forms::loaded<frmKinModel>()->optTyp[10]);
        frmPrepareTimeDiagram* zeit = Forms::loaded<frmPrepareTimeDiagram>();
        ASSERT_NE(zeit, nullptr);
        QTest::mouseClick(zeit->cmdDrawctDiagram, Qt::LeftButton);
        test::processEvents();
        frmGraph2D* w = Forms::loaded<frmGraph2D>();
        ASSERT_NE(w, nullptr);
        // In the default main window the user makes the chart narrower.
        if (umbrochen) w->frame()->resize(520, w->frame()->height());
        test::processEvents();
        ChartControl& c = *w->Chart2D1;
        const QString kopf = toQ(c.text(ChartTextBlock::Header));
        ASSERT_TRUE(kopf.startsWith("Enzymreaktion n. Michaelis-Menten E + S <=> ES => P + E,  KM = (k< + k3) / k>"));
        const QFont schrift = chartFont(c.textFont(ChartTextBlock::Header));
        if (umbrochen) {
            ASSERT_GT(QFontMetrics(schrift).horizontalAdvance(kopf), c.width()) << "longer than the chart is wide";
        }

        c.replotNow();
        const QRect r = test::textRect(c, ChartTextBlock::Header);
        EXPECT_TRUE(c.rect().contains(r)) << r.x() << " " << r.width() << " in " << c.width();
        EXPECT_EQ(r.height() >= 2 * QFontMetrics(schrift).lineSpacing(), umbrochen) << r.height();
        // The picture: letters of the header (dark pixels in its rows) keep off the chart's edges.
        const QImage bild = c.grab().toImage();
        int links = bild.width(), rechts = -1;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                if (bild.pixelColor(x, y).lightness() < 128) {
                    links = std::min(links, x);
                    rechts = std::max(rechts, x);
                }
        EXPECT_GE(links, 3);
        EXPECT_LE(rechts, bild.width() - 4) << "the header runs out of the chart";
        test::saveScreenshot(main.get(), marke("enzyme_chart", size));
    }
}
