// Every chart the program opens, from every kind of window the user may be
// working in, at the main window's default size and on a 1366 x 768 screen:
// whole inside the main window's area, at least as large as the chart window
// opens (0.68 of the area's width in an evaluation, 0.72 else, 0.75 of its
// height), every menu title in the menu bar, the result in the status bar read
// whole and no two axis numbers touching. The pictures are kept for looking at.

#include <QImage>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolButton>

#include "chart/TextPanel.h"
#include "chart/frmGraph2D.h"
#include "data/frmCalcTangente.h"
#include "data/frmDatedit.h"
#include "data/frmFitting.h"
#include "engine/frmKinModel.h"
#include "engine/frmPrepareTimeDiagram.h"
#include "montecarlo/frmMonteCarlo.h"
#include "platform/ColourFont.h"
#include "platform/Paths.h"
#include "reactors/frmBatch.h"
#include "reactors/frmRKconti.h"
#include "reactors/frmRohrreaktor.h"
#include "shell/AppState.h"
#include "shell/DataPreparation.h"
#include "shell/StateOwner.h"
#include "shell/frmPhantom.h"
#include "shell/frmTip.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

namespace {

const QSize kGroessen[] = {QSize(1000, 720), QSize(1366, 768)};

QString marke(const QString& name, QSize size) {
    return QString("%1_%2x%3").arg(name).arg(size.width()).arg(size.height());
}

// The program as it starts: the main window shown at the size, then loaded
// (the model window open and active), the tip of the day closed.
std::unique_ptr<MDIVRN> programmStart(QSize size) {
    auto main = std::make_unique<MDIVRN>();
    MDIVRN::endProgram = [] {};
    main->resize(size);
    main->show();
    main->activateWindow();
    QApplication::setActiveWindow(main.get());
    main->MDIForm_Load();
    Forms::unload<frmTip>();
    test::processEvents();
    return main;
}

// "Daten / existierendes Projektfile laden" with a sample project.
void ladeBeispiel(MDIVRN& main, const QString& folder, const QString& name) {
    for (const char* ext : {".VRP", ".VRD"})
        QFile::copy(resourceFolder() + "/samples/" + name + ext, folder + "/" + name + ext);
    test::answerOpenDialog(toStd(name + ".VRP"), toStd(folder));
    QAction* laden = test::menuActionByPath(main.menuBar(), "&Daten::existierendes Projektfile laden");
    ASSERT_NE(laden, nullptr);
    laden->trigger();
    test::processEvents();
}

// Three isotherms of A => P (A = 1e10 1/s, EA = 60 kJ/mol) at 300, 310, 320 K, as typed into the data editor.
void dreiIsothermen() {
    test::setDataSet(27, [](Messpunkt& p, int i) {
        const int j = (i - 1) % 9;
        p.Temp = 300 + 10 * ((i - 1) / 9);
        p.t = 0.5 * j;
        p.c[1] = std::exp(-1e10 * std::exp(-60000 / (8.3145 * p.Temp)) * p.t);
    });
    Aenderung daten;
    PrepareExpDaten();
    app.c0Daten[1] = 1;
}

// The numbers of an axis: each inside the chart, and no two touching.
::testing::AssertionResult zahlenGetrennt(ChartControl& c, ChartAxis achse) {
    const std::vector<ChartNumberBox> zahlen = c.numberBoxes(achse);
    const char* name = achse == ChartAxis::X ? "x" : "y";
    if (zahlen.empty()) return ::testing::AssertionFailure() << "no " << name << " numbers";
    QStringList texte;
    for (const ChartNumberBox& z : zahlen) texte << z.text;
    for (std::size_t i = 0; i < zahlen.size(); ++i) {
        if (!QRectF(c.rect()).contains(zahlen[i].box))
            return ::testing::AssertionFailure() << name << " number " << zahlen[i].text.toStdString() << " lies outside the chart";
        for (std::size_t j = i + 1; j < zahlen.size(); ++j)
            if (zahlen[i].box.adjusted(-1, -1, 1, 1).intersects(zahlen[j].box))
                return ::testing::AssertionFailure() << name << " numbers touch: " << texte.join(" | ").toStdString();
    }
    return ::testing::AssertionSuccess();
}

// Whether the menu bar shows every title of the window whole, none behind the "»" button.
::testing::AssertionResult menueTitelSichtbar(QMenuBar* bar) {
    for (QAction* a : bar->actions()) {
        if (!a->isVisible() || a->isSeparator()) continue;
        const QRect g = bar->actionGeometry(a);
        if (g.isEmpty() || !bar->rect().contains(g))
            return ::testing::AssertionFailure() << '"' << a->text().toStdString() << "\" is not in the menu bar ("
                                                 << bar->width() << " px wide)";
    }
    for (QToolButton* b : bar->findChildren<QToolButton*>())
        if (b->isVisible()) return ::testing::AssertionFailure() << "the menu bar shows its overflow button";
    return ::testing::AssertionSuccess();
}

// The chart window whole and readable: inside the area, at least at its
// opening size, every menu title shown, the status line whole, the numbers apart.
::testing::AssertionResult ganzUndLesbar(MDIVRN& main, frmGraph2D* chart) {
    if (!chart || !chart->isVisible()) return ::testing::AssertionFailure() << "no chart window shown";
    const QRect area = main.mdiArea->viewport()->rect();
    const QRect g = chart->frame()->geometry();
    if (!area.contains(g))
        return ::testing::AssertionFailure() << "the chart at " << g.x() << "," << g.y() << " " << g.width() << "x"
                                             << g.height() << " leaves the area " << area.width() << "x" << area.height();
    const double anteil = app.bAuswertungsart != 0 ? 0.68 : 0.72;
    if (g.width() < std::lround(anteil * area.width()) || g.height() < std::lround(0.75 * area.height()))
        return ::testing::AssertionFailure() << "the chart is " << g.width() << "x" << g.height() << ", less than "
                                             << anteil << " x 0.75 of the area " << area.width() << "x" << area.height();
    if (auto r = menueTitelSichtbar(chart->menuBar); !r) return r;
    QLabel* zeile = chart->StatusBar2->findChild<QLabel*>("StatusBar2Text");
    if (zeile && !zeile->text().isEmpty())
        if (auto r = test::showsWhole(zeile); !r) return r;
    for (ChartAxis a : {ChartAxis::X, ChartAxis::Y})
        if (auto r = zahlenGetrennt(*chart->Chart2D1, a); !r) return r;
    return ::testing::AssertionSuccess();
}

}  // namespace

// "Versuchsauswertung / Auswertung c-t-Daten / grafische Auswertung ... /
// ... für 1. Ordnung A => P" on the sample 1st_order.VRP, with the model
// window active, with the c-t function window open too, and with the tube
// reactor active; the Arrhenius and Eyring evaluations of kT_Arrhenius.VRP:
// the chart opens whole, at its size, with the result read whole.
TEST(ChartPlacement, EvaluationChartOpensWholeWhateverWindowIsActive) {
    test::LocaleGuard guard(QLocale(QLocale::German, QLocale::Germany));
    const QString grafisch = "Versuchsauswertung::Auswertung c-&t-Daten    (isotherm)::grafische Auswertung für "
                             "Konzentrations-Zeit-Daten per Geradengleichung::... für 1. Ordnung  A => P";
    const QString kT = "Versuchsauswertung::Auswertung &k-T-Daten::";
    struct Fall {
        const char* name;
        const char* beispiel;
        const char* vorher;  // a main menu item opened first, or none
        QString pfad;
        const char* ergebnis;
    };
    const Fall faelle[] = {
        {"model_window", "1st_order", nullptr, grafisch, "Berechnungsergebnis: k = 0,02147612   (R^2 = 0,99979)"},
        {"ct_window_open", "1st_order", "mnuctGraph", grafisch, "Berechnungsergebnis: k = 0,02147612   (R^2 = 0,99979)"},
        {"tube_reactor", "1st_order", "mnuRohrR", grafisch, "Berechnungsergebnis: k = 0,02147612   (R^2 = 0,99979)"},
        {"arrhenius", "kT_Arrhenius", nullptr, kT + "nach ARRHENIUS-Gleichung", "Berechnungsergebnis: EA/(kJ/mol) = "},
        {"eyring", "kT_Arrhenius", nullptr, kT + "nach EYRING-Gleichung", "Resultat: h#/(kJ/mol) = "},
    };
    for (const QSize size : kGroessen)
        for (const Fall& f : faelle) {
            SCOPED_TRACE(marke(f.name, size).toStdString());
            test::GuiTest env;
            std::unique_ptr<MDIVRN> main = programmStart(size);
            ladeBeispiel(*main, env.folder(), f.beispiel);
            if (f.vorher) main->clickMenu(f.vorher);
            test::processEvents();
            QAction* item = test::menuActionByPath(main->menuBar(), f.pfad);
            ASSERT_NE(item, nullptr) << f.pfad.toStdString();
            item->trigger();
            test::processEvents();
            frmGraph2D* chart = Forms::loaded<frmGraph2D>();
            EXPECT_TRUE(ganzUndLesbar(*main, chart));
            ASSERT_NE(chart, nullptr);
            EXPECT_TRUE(chart->statusText().startsWith(QString::fromUtf8(f.ergebnis))) << chart->statusText().toStdString();
            test::saveScreenshot(main.get(), marke("evaluation_" + QString(f.name), size));
        }
}

// Every command that opens a chart, from every kind of window the user may
// be working in, at both sizes: the chart whole and readable.
TEST(ChartPlacement, EveryChartOpensWholeFromEveryWindow) {
    test::LocaleGuard guard(QLocale(QLocale::German, QLocale::Germany));
    // The window the user works in when the command comes.
    const std::pair<const char*, std::function<void(MDIVRN&)>> fenster[] = {
        {"model", [](MDIVRN&) {}},
        {"time_diagram", [](MDIVRN& m) { m.clickMenu("mnuctGraph"); }},
        {"data_editor", [](MDIVRN& m) { m.clickMenu("mnuEdit"); }},
        {"fitting", [](MDIVRN& m) { m.clickMenu("mnuCtFitting"); }},
        {"batch", [](MDIVRN& m) { m.clickMenu("mnuBatchR"); }},
        {"tube", [](MDIVRN& m) { m.clickMenu("mnuRohrR"); }},
        {"tank", [](MDIVRN& m) { m.clickMenu("mnuKontRK"); }},
    };
    const auto zeichne = [](MDIVRN& m, const char* item) {
        m.clickMenu(item);
        test::processEvents();
        if (auto* t = Forms::loaded<frmPrepareTimeDiagram>()) QTest::mouseClick(t->cmdDrawctDiagram, Qt::LeftButton);
    };
    const auto editor = [](MDIVRN& m, bool kT) {
        m.clickMenu("mnuEdit");
        test::processEvents();
        if (auto* d = Forms::loaded<frmDatedit>()) QTest::mouseClick(kT ? d->cmdDraw_Tk : d->cmdDraw_ct, Qt::LeftButton);
    };
    struct Befehl {
        const char* name;
        const char* beispiel;  // the sample project loaded first; none: three isotherms typed in
        std::function<void(MDIVRN&)> schritte;
    };
    const Befehl befehle[] = {
        {"ct_simulation", "1st_order", [&](MDIVRN& m) { zeichne(m, "mnuctGraph"); }},
        {"vt_simulation", "1st_order", [&](MDIVRN& m) { zeichne(m, "mnuvtGraph"); }},
        {"first_order", "1st_order", [](MDIVRN& m) { m.clickMenu("mnuctAusw(1)"); }},
        {"second_order", "2nd_order", [](MDIVRN& m) { m.clickMenu("mnuctAusw(2)"); }},
        {"a_plus_b", "2nd_order", [](MDIVRN& m) { m.clickMenu("mnuctAusw(3)"); }},
        {"lambda_first", "2nd_order", [](MDIVRN& m) { m.clickMenu("mnuLambdaAusw(1)"); }},
        {"lambda_second", "2nd_order", [](MDIVRN& m) { m.clickMenu("mnuLambdaAusw(2)"); }},
        {"arrhenius", "kT_Arrhenius", [](MDIVRN& m) { m.clickMenu("mnukT(1)"); }},
        {"eyring", "kT_Arrhenius", [](MDIVRN& m) { m.clickMenu("mnukT(2)"); }},
        {"fitting", "1st_order", [](MDIVRN& m) { m.clickMenu("mnuCtFitting"); }},
        {"order_fitting", "1st_order", [](MDIVRN& m) { m.clickMenu("mnuROFitting"); }},
        {"non_isothermal", nullptr, [](MDIVRN& m) { m.clickMenu("mnuNonIsothermFitting(1)"); }},
        {"tangent", "1st_order", [](MDIVRN& m) { m.clickMenu("mnuSubTangente(1)"); }},
        {"editor_ct", "2nd_order", [&](MDIVRN& m) { editor(m, false); }},
        {"editor_kt", "kT_Arrhenius", [&](MDIVRN& m) { editor(m, true); }},
        {"monte_carlo", "1st_order", [](MDIVRN& m) { m.clickMenu("mnuSubMonteCarlo(0)"); }},
    };
    for (const QSize size : kGroessen) {
        test::GuiTest env;
        std::unique_ptr<MDIVRN> main = programmStart(size);
        for (const Befehl& b : befehle) {
            if (b.beispiel) ladeBeispiel(*main, env.folder(), b.beispiel);
            for (const auto& [wo, oeffnen] : fenster) {
                const QString tag = marke(QString("%1_from_%2").arg(b.name, wo), size);
                SCOPED_TRACE(tag.toStdString());
                if (!b.beispiel) dreiIsothermen();
                oeffnen(*main);
                test::processEvents();
                b.schritte(*main);
                test::processEvents();
                if (frmMonteCarlo* mc = Forms::loaded<frmMonteCarlo>()) {
                    QTest::mouseClick(mc->cmdRefresh, Qt::LeftButton);
                    test::processEvents();
                    EXPECT_TRUE(main->mdiArea->viewport()->rect().contains(mc->frame()->geometry()));
                    EXPECT_TRUE(test::fitsItsWindow(mc));
                    for (ChartAxis a : {ChartAxis::X, ChartAxis::Y}) EXPECT_TRUE(zahlenGetrennt(*mc->Chart2D2, a));
                } else {
                    EXPECT_TRUE(ganzUndLesbar(*main, Forms::loaded<frmGraph2D>()));
                }
                if (std::string(wo) == "model") test::saveScreenshot(main.get(), tag);
                // Every window but the model window closed again, as the user leaves them.
                for (VrnForm* f : Forms::all())
                    if (f != Forms::loaded<frmKinModel>() && !dynamic_cast<frmPhantom*>(f)) f->Unload();
                test::processEvents();
                test::clearUnexpectedMessages();
            }
        }
    }
}

// On a desktop whose font is larger than the test platform's (12 points),
// the simulation chart at 0.72 and an evaluation chart at 0.68 of the
// default main window's width: every menu title of the chart window is in
// its menu bar, none behind the overflow button.
TEST(ChartPlacement, MenuTitlesFitTheChartAsItOpens) {
    const QFont alt = QApplication::font();
    QApplication::setFont(QFont("DejaVu Sans", 12));
    const std::pair<const char*, std::function<void(MDIVRN&)>> charts[] = {
        {"simulation",
         [](MDIVRN& m) {
             m.clickMenu("mnuctGraph");
             test::processEvents();
             QTest::mouseClick(Forms::loaded<frmPrepareTimeDiagram>()->cmdDrawctDiagram, Qt::LeftButton);
         }},
        {"evaluation", [](MDIVRN& m) { m.clickMenu("mnuCtFitting"); }},
    };
    for (const auto& [name, oeffnen] : charts) {
        SCOPED_TRACE(name);
        test::GuiTest env;
        std::unique_ptr<MDIVRN> main = programmStart(QSize(1000, 720));
        ladeBeispiel(*main, env.folder(), "1st_order");
        oeffnen(*main);
        test::processEvents();
        frmGraph2D* chart = Forms::loaded<frmGraph2D>();
        ASSERT_NE(chart, nullptr);
        EXPECT_TRUE(menueTitelSichtbar(chart->menuBar));
        EXPECT_TRUE(ganzUndLesbar(*main, chart));
        test::saveScreenshot(chart->frame(), QString("menu_titles_desktop_font_%1").arg(name));
    }
    QApplication::setFont(alt);
}

namespace {

// Whether, in the picture of the chart, a column free of ink stands between
// each two neighbouring x numbers, within the rows the numbers are drawn in.
::testing::AssertionResult zahlenImBildGetrennt(const QImage& bild, const std::vector<ChartNumberBox>& zahlen) {
    for (std::size_t i = 0; i + 1 < zahlen.size(); ++i) {
        const QRectF& a = zahlen[i].box;
        const QRectF& b = zahlen[i + 1].box;
        bool frei = false;
        for (int x = static_cast<int>(a.center().x()); x < static_cast<int>(b.center().x()) && !frei; ++x) {
            frei = true;
            for (int y = static_cast<int>(a.top()); y <= static_cast<int>(a.bottom()) && frei; ++y)
                if (bild.rect().contains(x, y) && bild.pixelColor(x, y).lightness() < 160) frei = false;
        }
        if (!frei)
            return ::testing::AssertionFailure() << '"' << zahlen[i].text.toStdString() << "\" and \""
                                                 << zahlen[i + 1].text.toStdString() << "\" run together";
    }
    return ::testing::AssertionSuccess();
}

}  // namespace

// The enzyme model with t(max) = 1.5E+07 s drawn from the c-t function
// window: the x numbers stand apart on screen, when the user makes the chart
// narrower, and in the saved pictures (PNG and the texts of the SVG).
TEST(ChartPlacement, AxisNumbersOfLargeValuesStayApart) {
    test::LocaleGuard guard(QLocale(QLocale::German, QLocale::Germany));
    for (const QSize size : kGroessen) {
        SCOPED_TRACE(marke("", size).toStdString());
        test::GuiTest env;
        std::unique_ptr<MDIVRN> main = programmStart(size);
        main->clickMenu("mnuctGraph");
        test::processEvents();
        test::clickButton(Forms::loaded<frmKinModel>()->optTyp[10]);
        frmPrepareTimeDiagram* zeit = Forms::loaded<frmPrepareTimeDiagram>();
        ASSERT_NE(zeit, nullptr);
        test::typeInto(zeit->Inp[14], "15000000");
        QTest::mouseClick(zeit->cmdDrawctDiagram, Qt::LeftButton);
        test::processEvents();
        frmGraph2D* chart = Forms::loaded<frmGraph2D>();
        ASSERT_NE(chart, nullptr);
        ChartControl& c = *chart->Chart2D1;
        ASSERT_GE(c.axisMax(ChartAxis::X), 1.5e7);
        for (int breite : {0, 560, 420, 300}) {
            SCOPED_TRACE(breite);
            if (breite) chart->frame()->resize(breite, chart->frame()->height());
            test::processEvents();
            c.replotNow();
            EXPECT_TRUE(zahlenGetrennt(c, ChartAxis::X));
            const std::vector<ChartNumberBox> zahlen = c.numberBoxes(ChartAxis::X);
            ASSERT_GE(zahlen.size(), 2u);
            EXPECT_TRUE(zahlenImBildGetrennt(c.grab().toImage(), zahlen));
            const QString png = env.folder() + "/bild.png", svg = env.folder() + "/bild.svg";
            ASSERT_TRUE(c.savePicture(png, ChartPicture::Png));
            EXPECT_TRUE(zahlenImBildGetrennt(QImage(png), zahlen));
            ASSERT_TRUE(c.savePicture(svg, ChartPicture::Svg));
            const QByteArray text = test::readBytes(svg);
            for (const ChartNumberBox& z : zahlen) EXPECT_TRUE(text.contains(">" + z.text.toUtf8() + "<")) << z.text.toStdString();
            EXPECT_FALSE(text.contains(">2000000<") && text.contains(">1000000<"));
        }
        test::saveScreenshot(chart->frame(), marke("large_x_numbers", size));
    }
}

namespace {

// The slider and the track of a scroll bar, as its style draws them.
std::pair<QRect, QRect> schieberUndSpur(QScrollBar* bar) {
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.subControls = QStyle::SC_All;
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    opt.upsideDown = bar->invertedAppearance();
    QStyle* s = bar->style();
    return {s->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, bar),
            s->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarGroove, bar)};
}

// Drags the slider of a vertical bar with the mouse to the track's end (down) or start.
void zieheSchieber(QScrollBar* bar, bool nachUnten) {
    const auto [schieber, spur] = schieberUndSpur(bar);
    const QPoint von = schieber.center();
    const QPoint bis(von.x(), nachUnten ? spur.bottom() + 20 : spur.top() - 20);
    QTest::mousePress(bar, Qt::LeftButton, {}, von);
    for (int i = 1; i <= 8; ++i) QTest::mouseMove(bar, von + (bis - von) * i / 8);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, bis);
    test::processEvents();
}

}  // namespace

// "Gestalten... / Beschriftungen / Zusatz-Text" with a text of three lines,
// moved down and up with the position bar: the text is shown whole, clear of
// the header and of the axes with their numbers and titles (the chart area),
// also in the saved picture; the bar's slider moves in its track and its
// label follows the text.
TEST(ChartPlacement, AdditionalTextOfThreeLinesStaysWholeAndClear) {
    test::LocaleGuard guard(QLocale(QLocale::German, QLocale::Germany));
    for (const QSize size : kGroessen) {
        SCOPED_TRACE(marke("", size).toStdString());
        test::GuiTest env;
        std::unique_ptr<MDIVRN> main = programmStart(size);
        ladeBeispiel(*main, env.folder(), "1st_order");
        main->clickMenu("mnuctAusw(1)");
        test::processEvents();
        frmGraph2D* chart = Forms::loaded<frmGraph2D>();
        ASSERT_NE(chart, nullptr);
        QAction* item = test::menuActionByPath(chart->menuBar, "&Gestalten...::Beschriftungen::Zusatz-Text");
        ASSERT_NE(item, nullptr);
        item->trigger();
        test::processEvents();
        TextPanel* panel = chart->textPanel;
        ASSERT_TRUE(panel->isVisible());
        panel->schrift->setFocus();
        QTest::keyClicks(panel->schrift, "Messreihe 1");
        QTest::keyClick(panel->schrift, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClicks(panel->schrift, "bei 25 Grad");
        QTest::keyClick(panel->schrift, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClicks(panel->schrift, "dritte Zeile");
        test::processEvents();
        ChartControl& c = *chart->Chart2D1;
        const int zeile = QFontMetrics(chartFont(c.textFont(ChartTextBlock::Footer))).lineSpacing();

        const auto [schieber, spur] = schieberUndSpur(panel->VScroll1);
        EXPECT_LT(schieber.height() * 2, spur.height()) << "the slider fills its track";
        const QString vorher = panel->lblOben->text();
        for (bool nachUnten : {true, false}) {
            SCOPED_TRACE(nachUnten ? "moved down" : "moved up");
            const int wert = panel->VScroll1->value();
            zieheSchieber(panel->VScroll1, nachUnten);
            EXPECT_TRUE(nachUnten ? panel->VScroll1->value() > wert : panel->VScroll1->value() < wert);
            c.replotNow();
            const QRect fuss = test::textRect(c, ChartTextBlock::Footer), kopf = test::textRect(c, ChartTextBlock::Header);
            const QRect flaeche(c.chartAreaLeft(), c.chartAreaTop(), c.chartAreaWidth(), c.chartAreaHeight());
            EXPECT_TRUE(c.rect().contains(fuss)) << fuss.y() << "+" << fuss.height() << " in " << c.height();
            EXPECT_GE(fuss.height(), 3 * zeile);
            EXPECT_FALSE(fuss.intersects(kopf));
            EXPECT_FALSE(fuss.intersects(flaeche));
            for (const ChartNumberBox& z : c.numberBoxes(ChartAxis::X)) EXPECT_FALSE(fuss.intersects(z.box.toRect()));
            EXPECT_TRUE(flaeche.contains(c.plotRect()));
            EXPECT_EQ(panel->lblOben->text(), QString("oben: %1").arg(fuss.top()));
            if (nachUnten) {
                EXPECT_NE(panel->lblOben->text(), vorher);
            }
            const QString svg = env.folder() + "/bild.svg";
            ASSERT_TRUE(c.savePicture(svg, ChartPicture::Svg));
            const QByteArray text = test::readBytes(svg);
            for (const char* z : {">Messreihe 1<", ">bei 25 Grad<", ">dritte Zeile<"}) EXPECT_TRUE(text.contains(z)) << z;
            test::saveScreenshot(chart->frame(), marke(nachUnten ? "footer_down" : "footer_up", size));
        }
    }
}
