#include <QTabWidget>

#include <qcustomplot.h>

#include "ChartWindowSupport.h"
#include "chart/CurvePanel.h"
#include "chart/PointPanel.h"

using namespace vrn;

namespace {

// A chart of model 2 (curves 1 and 2, c(A) with a legend entry) with a known
// curve 24 through (2.5, 0.09), (7.5, 0.08), (12.5, 0.02) and point set 3 at (15, 0.05).
class ChartMouseTest : public vrn::test::ChartWindowTest {
protected:
    frmGraph2D& chart() {
        frmGraph2D& w = simulationsDiagramm(2, 0.1, 0, 0.15, 0, 20);
        app.KurvenSlot[23] = 0;
        w.zeigeKurvenPunkte(24, {{3, 0, 0}, {2.5f, 0.09f, 0}, {7.5f, 0.08f, 0}, {12.5f, 0.02f, 0}});
        w.Chart2D1->setPoints(2, 3, {15}, {0.05});
        w.Chart2D1->setSeriesLabel(1, 1, "c(A)");
        w.Chart2D1->setLegendShown(true);
        w.Chart2D1->replotNow();
        return w;
    }
    QWidget* plot() { return fenster()->Chart2D1->findChild<QCustomPlot*>(); }
    QPoint at(double x, double y, QPoint off = {}) { return fenster()->Chart2D1->toPixel(x, y).toPoint() + off; }
};

}  // namespace

TEST_F(ChartMouseTest, HoverShowsTheNearPointInTheLocalesFormatWithItsPointer) {
    vrn::test::LocaleGuard g{QLocale(QLocale::German, QLocale::Germany)};
    frmGraph2D& w = chart();
    QTest::mouseMove(plot(), at(7.5, 0.08, {5, 0}));  // five pixels off is too far
    EXPECT_FALSE(w.lblMausPosNr->isVisible());
    EXPECT_EQ(w.lblMausPos->text(), QString(" Klick rechts: Gestaltung"));
    QTest::mouseMove(plot(), at(7.5, 0.08, {3, 0}));  // three pixels off still counts
    EXPECT_TRUE(w.lblMausPosNr->isVisible());
    EXPECT_EQ(w.lblMausPosNr->text(), QString(" #24"));
    EXPECT_EQ(w.lblMausPos->text(), QString("  X = 7,500;      Y = 0,08"));
    const QCursor kurve = w.Chart2D1->cursor();
    EXPECT_EQ(kurve.hotSpot(), QPoint(15, 15));
    // The point pointer carries a red square where the curve pointer has none.
    const QColor rot(0xB0, 0x10, 0x10);
    EXPECT_NE(kurve.pixmap().toImage().pixelColor(24, 24), rot);
    QTest::mouseMove(plot(), at(15, 0.05, {0, -2}));
    EXPECT_EQ(w.lblMausPosNr->text(), QString(" #3"));
    EXPECT_EQ(w.lblMausPos->text(), QString("  X = 15,000;      Y = 0,05"));
    EXPECT_EQ(w.Chart2D1->cursor().pixmap().toImage().pixelColor(24, 24), rot);
}

TEST_F(ChartMouseTest, HintsAndRightClicksFollowTheRegionUnderTheMouse) {
    frmGraph2D& w = chart();
    ChartControl& c = *w.Chart2D1;
    w.punktePanel->tabPunkte->setTabVisible(2, true);
    const QRect kopf = vrn::test::textRect(c, ChartTextBlock::Header);
    const QPoint legende = vrn::test::legendRect(c).center();
    const QColor grau(224, 224, 224), gruen(192, 255, 192);
    // position, hint (nullptr: none, coordinates or nothing), its colour, pointer, the panel a right click opens,
    // its tabs and the tab shown
    const std::tuple<QPoint, const char*, QColor, Qt::CursorShape, ToolFrame*, QTabWidget*, int> faelle[] = {
        {at(12.5, 0.02), nullptr, {}, Qt::BitmapCursor, w.fraKurven, w.kurvenPanel->tabKurven, 23},
        {at(15, 0.05), nullptr, {}, Qt::BitmapCursor, w.fraPunkte, w.punktePanel->tabPunkte, 2},
        {at(5, 0.005), " Klick rechts: Gestaltung", grau, Qt::ArrowCursor, w.fraTabs, nullptr, 0},
        {legende, " Klick rechts: Legende editieren, verschieben", gruen, Qt::SizeVerCursor, w.fraTabs, w.tabDesign, 4},
        {kopf.center(), " Klick rechts: Text editieren, verschieben", gruen, Qt::SizeVerCursor, nullptr, nullptr, 0},
        {QPoint(2, c.plotRect().center().y()), nullptr, {}, Qt::ArrowCursor, nullptr, nullptr, 0},
    };
    for (const auto& [pos, hinweis, farbe, zeiger, panel, tabs, tab] : faelle) {
        const std::string wo = hinweis ? hinweis : panel ? panel->objectName().toStdString() : "elsewhere";
        w.versteckeWerkzeugRahmen();  // no panel covers the chart
        QTest::mouseMove(plot(), pos);
        EXPECT_EQ(c.cursor().shape(), zeiger) << wo;
        EXPECT_EQ(w.lblMausPosNr->isVisible(), zeiger == Qt::BitmapCursor) << wo;
        if (hinweis) {
            EXPECT_EQ(w.lblMausPos->text(), QString::fromUtf8(hinweis));
            EXPECT_EQ(w.lblMausPos->palette().color(QPalette::Window), farbe) << wo;
        }
        EXPECT_EQ(w.lblMausPos->isVisible(), hinweis || zeiger == Qt::BitmapCursor) << wo;
        QTest::mouseClick(plot(), Qt::RightButton, {}, pos);
        for (ToolFrame* p : {w.fraKurven, w.fraPunkte, w.fraTabs}) EXPECT_EQ(p->isVisible(), p == panel) << wo;
        if (tabs) {
            EXPECT_EQ(tabs->currentIndex(), tab) << wo;
        }
    }
    // As it looks in a 1000 x 720 main window on a 1366 x 768 screen (beyond
    // the offscreen screen's edge no mouse event arrives: the handler is called).
    main->resize(1000, 720);
    w.frame()->resize(983, 576);
    vrn::test::processEvents();
    c.replotNow();
    w.Chart2D1_MouseMove(vrn::test::legendRect(c).center());
    vrn::test::processEvents();
    EXPECT_EQ(w.lblMausPos->width(), w.lblMausPos->sizeHint().width());  // the hint is not cut
    vrn::test::saveScreenshot(&w, "chart_hint_legend");
}

TEST_F(ChartMouseTest, LeftClickAsksAndDeletesExactlyThatPoint) {
    frmGraph2D& w = chart();
    ChartControl& c = *w.Chart2D1;
    vrn::test::MsgRecorder msgs;
    msgs.answer(MsgAnswer::No);
    QTest::mouseClick(plot(), Qt::LeftButton, {}, at(7.5, 0.08, {0, 5}));  // too far: nothing asked
    EXPECT_EQ(msgs.count(), 0u);
    QTest::mouseClick(plot(), Qt::LeftButton, {}, at(7.5, 0.08, {0, 2}));
    ASSERT_EQ(msgs.count(), 1u);
    EXPECT_EQ(msgs.last().title, "Löschen eines Kurvenpunktes");
    EXPECT_EQ(msgs.last().buttons, MsgButtons::YesNo);
    EXPECT_EQ(msgs.last().text,
              "(Hinweis: Rechts-Klick auf eine Kurve\r\nöffnet Kurven-Bearbeitungsfenster)\r\n\r\n\r\n"
              "Punkt x = 7.5,  y = .08\r\nwirklich löschen?\r\n\r\n");
    EXPECT_EQ(c.pointCount(1, 24), 3);

    app.gFarbVorwahl = RGB(0, 128, 0);
    msgs.answer(MsgAnswer::Yes);
    QTest::mouseClick(plot(), Qt::LeftButton, {}, at(7.5, 0.08));
    ASSERT_EQ(c.pointCount(1, 24), 2);
    EXPECT_EQ(QPointF(c.x(1, 24, 1), c.y(1, 24, 1)), QPointF(2.5, 0.09f));
    EXPECT_EQ(QPointF(c.x(1, 24, 2), c.y(1, 24, 2)), QPointF(12.5, 0.02f));
    EXPECT_EQ(c.style(1, 24).lineColour, RGB(0, 128, 0));

    // The middle point of a half-life mark goes; the mark keeps its ends and stays drawn.
    w.mnuHalbA_Click();
    const double tau = c.x(1, 26, 2);
    msgs.answer(MsgAnswer::Yes);
    QTest::mouseClick(plot(), Qt::LeftButton, {}, at(tau, 0));
    ASSERT_EQ(c.pointCount(1, 26), 2);
    EXPECT_EQ(QPointF(c.y(1, 26, 1), c.y(1, 26, 2)), QPointF(-1e300, 1e300));

    msgs.clear();
    QTest::mouseClick(plot(), Qt::LeftButton, {}, at(5, 0.005));  // far from every point: no question
    QTest::mouseClick(w.cmdMsgDelPoint, Qt::LeftButton);
    ASSERT_EQ(msgs.count(), 1u);
    EXPECT_EQ(msgs.last().title, "So wird ein einzelner Kurvenpunkt gelöscht");
    EXPECT_EQ(msgs.last().text,
              "1) Schalten Sie den Kurvenstil der betreffenden Kurve\r\n    von \"Kurve normal\" auf \"nur "
              "Einzelpunkte\" um.\r\n\r\n2) Klicken Sie dann mit der LINKEN Maustaste\r\n    auf den zu löschenden "
              "Kurvenpunkt.");
}

TEST_F(ChartMouseTest, ZoomedRangesGoIntoTheChartRequestAndEndTheZoom) {
    chart();
    ChartControl& c = *fenster()->Chart2D1;
    c.setZoomArmed(true);
    const QPoint von = at(5, 0.1), bis = at(15, 0.01);
    vrn::test::MsgRecorder msgs;
    QTest::mousePress(plot(), Qt::LeftButton, {}, von);
    QTest::mouseMove(plot(), bis);
    QTest::mouseRelease(plot(), Qt::LeftButton, {}, bis);
    EXPECT_EQ(std::tuple(msgs.count(), c.zoomArmed()), std::tuple(0u, false));  // a zoom deletes nothing
    const Diagramm& d = app.tDiagramm;
    EXPECT_NEAR(d.XMin, 5, 0.1);
    EXPECT_NEAR(d.XMax, 15, 0.1);
    EXPECT_NEAR(d.YMin, 0.01, 0.001);
    EXPECT_NEAR(d.YMax, 0.1, 0.001);
    EXPECT_EQ(d.XMin, static_cast<Single>(c.axisMin(ChartAxis::X)));
    // The zoom has ended: the next left click near a curve point asks.
    QTest::mouseClick(plot(), Qt::LeftButton, {}, at(7.5, 0.08));
    EXPECT_EQ(msgs.count(), 1u);
}
