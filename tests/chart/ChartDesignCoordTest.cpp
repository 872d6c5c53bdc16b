// The coordinate panel, logarithmic axes, number and origin placement, zoom
// and reset, and the spacing boxes of the chart window, driven as a user does.

#include <qcustomplot.h>

#include "ChartWindowSupport.h"
#include "chart/DesignAxisTabs.h"
#include "chart/DesignPanel.h"
#include "chart/Grafik.h"
#include "shell/Helpers.h"
#include "shell/Hooks.h"

using namespace vrn;

namespace {

constexpr const char* kReihenfolge = "Untere Grenze muss kleiner als obere Grenze sein";
constexpr const char* kLogMinimum = "Bei logarithmischer Achse muss die untere Grenze größer als 0 sein";

// Types the four bounds into the coordinate panel (opened from the menu) and presses "OK".
void koordinaten(frmGraph2D& w, const QString& x0, const QString& x1, const QString& y0, const QString& y1) {
    w.clickMenu("mnuCoord");
    const QString t[4] = {x0, x1, y0, y1};
    for (int i = 0; i < 4; ++i) vrn::test::typeInto(w.coord[static_cast<std::size_t>(i + 1)], t[i]);
    QTest::mouseClick(w.cmdCoord_OK, Qt::LeftButton);
}

// The x bounds, the y maximum and the y2 maximum shown.
std::tuple<double, double, double, double> bereich(const ChartControl& c) {
    return {c.axisMin(ChartAxis::X), c.axisMax(ChartAxis::X), c.axisMax(ChartAxis::Y), c.axisMax(ChartAxis::Y2)};
}

// A left drag on the chart between two points given in axis values.
void ziehe(ChartControl& c, double xa, double ya, double xb, double yb) {
    auto* plot = c.findChild<QCustomPlot*>();
    ASSERT_NE(plot, nullptr);
    const QPoint von = c.toPixel(xa, ya).toPoint(), bis = c.toPixel(xb, yb).toPoint();
    QTest::mousePress(plot, Qt::LeftButton, {}, von);
    QTest::mouseMove(plot, bis);
    QTest::mouseRelease(plot, Qt::LeftButton, {}, bis);
}

}  // namespace

TEST_F(ChartWindowTest, CoordinatesAreCheckedAppliedAndRememberedForTheKind) {
    auto [w, c] = diagramm(2, 0.1, 0, 0.15, 0, 20);
    const Diagramm alt = app.tDiagramm;
    const AchsenSpeicher altGespeichert = app.Achsenbereich;
    w.clickMenu("mnuCoord");
    EXPECT_TRUE(w.fraCoordInput->isVisible());
    EXPECT_EQ(std::tuple(w.coord[1]->text(), w.coord[2]->text(), w.coord[4]->text()), std::tuple(" 0", " 20", " .1"));

    // The rules themselves are checked with the design rules; x0, x1, y0, y1, message.
    const std::tuple<const char*, const char*, const char*, const char*, const char*> falsch[] = {
        {"0", "20", ".2", ".1", kReihenfolge},
        // a bound the box refuses is named with what it takes
        {"0", "1e400", "0", ".1", "- Achsenbereich zu groß: x(max) darf höchstens 3.4E+38 sein"},
        {"0", "20", "", ".1", "- Achsenbereich fehlt: y(min) muss eine Zahl sein"}};
    for (const auto& [x0, x1, y0, y1, meldung] : falsch) {
        SCOPED_TRACE(x0);
        vrn::test::MsgRecorder msgs;
        koordinaten(w, x0, x1, y0, y1);
        EXPECT_TRUE(vrn::test::isOnlyMessage(msgs, meldung, "EINGABE-FEHLER", MsgIcon::Critical));
        EXPECT_TRUE(w.fraCoordInput->isVisible());
        EXPECT_EQ(std::tuple(w.coord[2]->text(), w.coord[4]->text()), std::tuple(" 20", " .1"));
        EXPECT_EQ(std::tuple(app.tDiagramm.XMax, app.Achsenbereich.v, c.axisMax(ChartAxis::X)),
                  std::tuple(alt.XMax, altGespeichert.v, 20.0));
    }

    // "manuell" stays selected, yet after OK the spacing is automatic again.
    AxisTabs& a = *w.designPanel->achsen;
    a.optScaling[1]->click();
    EXPECT_TRUE(a.txtXGridValue->isEnabled());
    EXPECT_FALSE(c.spacingAutomatic(ChartAxis::X, ChartSpacing::Grid));
    vrn::test::MsgRecorder msgs;
    koordinaten(w, "2", "12", "0", "0,2");  // the typed comma becomes a point
    EXPECT_EQ(std::tuple(msgs.count(), w.fraCoordInput->isVisible()), std::tuple(0u, false));
    EXPECT_EQ(bereich(c), std::tuple(2, 12, 0.2f, 0.2f));
    EXPECT_EQ(app.tDiagramm.XMin, 2);
    for (ChartAxis ax : {ChartAxis::X, ChartAxis::Y})
        for (ChartSpacing k : {ChartSpacing::Grid, ChartSpacing::Tick, ChartSpacing::Number})
            EXPECT_TRUE(c.spacingAutomatic(ax, k));
    EXPECT_EQ(std::tuple(a.optScaling[1]->isChecked(), a.txtXGridValue->isEnabled()), std::tuple(true, false));
    EXPECT_EQ(a.txtXGridValue->text(), QString(" 2"));  // 2..12 in steps of 2

    // The same kind drawn again comes with the range.
    Forms::unload<frmGraph2D>();
    vrn::test::processEvents();
    zeigeDiagramm();
    vrn::test::processEvents();
    ASSERT_NE(fenster(), nullptr);
    frmGraph2D& v = *fenster();
    EXPECT_EQ(std::tuple(v.Chart2D1->axisMin(ChartAxis::X), v.Chart2D1->axisMax(ChartAxis::Y)), std::tuple(2, 0.2f));
    // Esc closes the panel without a change.
    v.clickMenu("mnuCoord");
    vrn::test::typeInto(v.coord[2], "99");
    QTest::keyClick(&v, Qt::Key_Escape);
    EXPECT_EQ(std::tuple(v.fraCoordInput->isVisible(), v.Chart2D1->axisMax(ChartAxis::X)), std::tuple(false, 12));
}

TEST_F(ChartWindowTest, LogarithmicAxesToggleAndRefuseBoundsAtOrBelowZero) {
    auto [w, c] = diagramm(2, 0.1, 0, 0.15, 0, 20);
    AxisTabs& a = *w.designPanel->achsen;
    w.openDesignTab(10);
    vrn::test::MsgRecorder msgs;
    for (QPushButton* knopf : {a.cmdXLog, a.cmdYLog}) {  // both minima are 0
        knopf->click();
        ASSERT_EQ(msgs.count(), 1u);
        EXPECT_EQ(msgs.last().text, kLogMinimum);
        EXPECT_EQ(msgs.last().title, "EINGABE-FEHLER");
        msgs.clear();
    }
    EXPECT_FALSE(c.axisLogarithmic(ChartAxis::X));
    EXPECT_FALSE(c.axisLogarithmic(ChartAxis::Y));

    koordinaten(w, "1", "20", ".001", ".1");
    a.cmdYLog->click();
    EXPECT_TRUE(c.axisLogarithmic(ChartAxis::Y));
    EXPECT_TRUE(c.axisLogarithmic(ChartAxis::Y2));
    EXPECT_FALSE(c.axisLogarithmic(ChartAxis::X));
    EXPECT_TRUE(c.spacingAutomatic(ChartAxis::Y, ChartSpacing::Grid));
    // A spacing typed by hand goes back to automatic when "log X" is pressed.
    vrn::test::clickButton(a.optScaling[1]);
    vrn::test::typeInto(a.txtXGridValue, "5");
    ASSERT_FALSE(c.spacingAutomatic(ChartAxis::X, ChartSpacing::Grid));
    ASSERT_EQ(c.spacing(ChartAxis::X, ChartSpacing::Grid), 5);
    a.cmdXLog->click();
    EXPECT_TRUE(c.axisLogarithmic(ChartAxis::X));
    for (ChartSpacing k : {ChartSpacing::Grid, ChartSpacing::Tick, ChartSpacing::Number})
        EXPECT_TRUE(c.spacingAutomatic(ChartAxis::X, k));
    EXPECT_FALSE(a.txtXGridValue->isEnabled());

    // A minimum <= 0 is refused while the axis is logarithmic; the range stays.
    koordinaten(w, "1", "20", "0", ".1");
    ASSERT_EQ(msgs.count(), 1u);
    EXPECT_EQ(msgs.last().text, kLogMinimum);
    EXPECT_EQ(c.axisMin(ChartAxis::Y), 0.001f);
    EXPECT_EQ(app.tDiagramm.YMin, 0.001f);

    // Twice is linear again.
    a.cmdYLog->click();
    a.cmdXLog->click();
    EXPECT_FALSE(c.axisLogarithmic(ChartAxis::Y));
    EXPECT_FALSE(c.axisLogarithmic(ChartAxis::Y2));
    EXPECT_FALSE(c.axisLogarithmic(ChartAxis::X));
}

TEST_F(ChartWindowTest, NumberAndOriginPlacementReachTheAxesAndZoomPutsTheOriginsAtTheMinimum) {
    vrn::test::LocaleGuard de{QLocale(QLocale::German, QLocale::Germany)};
    auto [w, c] = diagramm(2, 0.1, 0, 0.15, 0, 20);
    AxisTabs& a = *w.designPanel->achsen;
    koordinaten(w, ".5", "20", "-.25", ".1");
    w.openDesignTab(8);
    using Fall = std::tuple<QRadioButton*, ChartAxis, int>;  // button, axis, code
    const Fall ziffern[] = {{a.optXZiffern[1], ChartAxis::X, 1}, {a.optXZiffern[2], ChartAxis::X, 3},
                            {a.optYZiffern[1], ChartAxis::Y, 1}, {a.optXZiffern[0], ChartAxis::X, 2}};
    for (const auto& [knopf, achse, code] : ziffern) {
        knopf->click();
        EXPECT_EQ(c.numberPlacement(achse), code) << knopf->text().toStdString();
    }

    w.openDesignTab(7);
    EXPECT_FALSE(a.fraOrigin->isVisible());
    a.optStandardOrigin[1]->click();
    EXPECT_EQ(std::tuple(a.fraOrigin->isVisible(), a.optXOrigin[0]->isChecked()), std::tuple(true, true));
    const Fall ursprung[] = {{a.optXOrigin[1], ChartAxis::X, 1}, {a.optYOrigin[2], ChartAxis::Y, 3},
                             {a.optYOrigin[1], ChartAxis::Y, 1}};
    for (const auto& [knopf, achse, code] : ursprung) {
        knopf->click();
        EXPECT_EQ(c.originPlacement(achse), code) << knopf->text().toStdString();
    }
    // "bei X =" crosses at the typed value; a text that is no number keeps it.
    a.optXOrigin[3]->click();
    vrn::test::typeInto(a.txtXOrigin, "5");
    EXPECT_EQ(std::tuple(c.originPlacement(ChartAxis::X), c.origin(ChartAxis::X)), std::tuple(4, 5));
    a.txtXOrigin->setText("1e999");
    EXPECT_EQ(c.origin(ChartAxis::X), 5);

    // Zoom: both axes cross at their minimum again.
    QTest::mouseClick(w.cmdZoom, Qt::LeftButton);
    EXPECT_EQ(std::tuple(c.originPlacement(ChartAxis::X), c.originPlacement(ChartAxis::Y), w.fraTabs->isVisible(),
                         c.zoomArmed()),
              std::tuple(2, 2, false, true));

    // "autom. in den Achsen-Minima" writes the minima with a point whatever the locale.
    w.openDesignTab(7);
    a.optStandardOrigin[0]->click();
    EXPECT_FALSE(a.fraOrigin->isVisible());
    EXPECT_EQ(std::tuple(a.txtXOrigin->text(), a.txtYOrigin->text()), std::tuple(" .5", "-.25"));
}

TEST_F(ChartWindowTest, ResetReturnsToTheCoordinateBoxesNotToTheFirstZoom) {
    auto [w, c] = diagramm(2, 0.1, 0, 0.15, 0, 20);
    QTest::mouseClick(w.cmdZoom, Qt::LeftButton);
    EXPECT_EQ(hooks().screen.getMousePointer(), kCrossPointer);
    ziehe(c, 5, 0.08, 10, 0.02);
    EXPECT_NEAR(c.axisMin(ChartAxis::X), 5, 0.2);
    EXPECT_NEAR(c.axisMax(ChartAxis::X), 10, 0.2);
    EXPECT_FALSE(c.zoomArmed());  // each zoom needs its own "Zoom"
    EXPECT_EQ(hooks().screen.getMousePointer(), 0);

    koordinaten(w, "1", "15", "0", ".09");
    QTest::mouseClick(w.cmdZoom, Qt::LeftButton);
    ziehe(c, 2, 0.06, 4, 0.03);
    EXPECT_NEAR(c.axisMax(ChartAxis::X), 4, 0.2);
    QTest::mouseClick(w.cmdZoomReset, Qt::LeftButton);
    EXPECT_EQ(bereich(c), std::tuple(1, 15, 0.09f, 0.09f));
    EXPECT_EQ(std::tuple(c.zoomArmed(), c.spacingAutomatic(ChartAxis::X, ChartSpacing::Grid)), std::tuple(false, true));
}

TEST_F(ChartWindowTest, SpacingBoxesSetTheSpacingAndIgnoreUnusableValues) {
    auto [w, c] = diagramm(2, 0.1, 0, 0.15, 0, 20);
    AxisTabs& a = *w.designPanel->achsen;
    w.openDesignTab(6);
    a.optScaling[1]->click();
    a.txtXGridValue->setText("2,5");  // a pasted comma
    EXPECT_EQ(a.txtXGridValue->text(), QString("2.5"));
    EXPECT_EQ(c.spacing(ChartAxis::X, ChartSpacing::Grid), 2.5);
    EXPECT_EQ(c.spacingPositions(ChartAxis::X, ChartSpacing::Grid).size(), 9u);  // 0, 2.5, ..., 20
    for (const char* t : {"0", "-2", "abc", "", "0.0001", "1e400", "1E39", "-1E39"}) {
        a.txtXGridValue->setText(t);
        EXPECT_EQ(c.spacing(ChartAxis::X, ChartSpacing::Grid), 2.5) << t;
    }
    // Left with Enter, a spacing the box refuses is named, and the box shows the spacing drawn with.
    w.activateWindow();
    QApplication::setActiveWindow(w.frame());
    const std::pair<const char*, const char*> verlassen[] = {
        {"1E39", "- X-Achse zu groß: Gitter-Abstand darf höchstens 3.4E+38 sein"},
        {"0", "- X-Achse außerhalb des Bereichs: Gitter-Abstand muss größer Null sein"},
        {"", "- X-Achse fehlt: Gitter-Abstand muss größer Null sein"},
    };
    for (const auto& [t, zeile] : verlassen) {
        vrn::test::MsgRecorder msgs;
        vrn::test::typeInto(a.txtXGridValue, t);
        QTest::keyClick(a.txtXGridValue, Qt::Key_Return);
        EXPECT_TRUE(vrn::test::isOnlyMessage(msgs, zeile, "EINGABE-FEHLER", MsgIcon::Critical)) << t;
        EXPECT_EQ(a.txtXGridValue->text(), QString(" 2.5")) << t;
        EXPECT_EQ(c.spacing(ChartAxis::X, ChartSpacing::Grid), 2.5) << t;
    }
    // A tick change sends the number spacing again.
    vrn::test::typeInto(a.txtYZiffValue, ".05");
    vrn::test::typeInto(a.txtYTickValue, ".01");
    EXPECT_EQ(std::tuple(c.spacing(ChartAxis::Y, ChartSpacing::Tick), c.spacing(ChartAxis::Y, ChartSpacing::Number),
                         c.spacingAutomatic(ChartAxis::Y, ChartSpacing::Number)), std::tuple(0.01, 0.05, false));

    a.optScaling[0]->click();
    EXPECT_TRUE(c.spacingAutomatic(ChartAxis::X, ChartSpacing::Grid));
    // The x grid box shows 0..20 in steps of 5.
    EXPECT_EQ(std::tuple(a.txtYTickValue->isEnabled(), a.txtXGridValue->text()), std::tuple(false, QString(" 5")));
}

TEST_F(ChartWindowTest, CoordinateFieldsShowPlainNumbersAndEnterGoesRound) {
    frmGraph2D& w = simulationsDiagramm(2, 0.1, 0, 0.15, 0, 20);
    koordinaten(w, "-2", "0,5", "-1E-7", "12345678");
    w.clickMenu("mnuCoord");
    const char* erwartet[5] = {"", "-2", " .5", "-1E-07", " 1.234568E+07"};
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(w.coord[static_cast<std::size_t>(i)]->text(), QString(erwartet[i]));
    w.activateWindow();
    QApplication::setActiveWindow(w.frame());
    w.coord[4]->setFocus();
    QTest::keyClick(w.coord[4], Qt::Key_Return);
    // Enter moves on, it does not confirm.
    EXPECT_EQ(std::tuple(w.coord[1]->hasFocus(), w.fraCoordInput->isVisible()), std::tuple(true, true));
    QTest::keyClick(w.coord[1], Qt::Key_Return);
    EXPECT_TRUE(w.coord[2]->hasFocus());
    // A pasted comma is the decimal point: 1,5 reads 1.5, never its prefix 1.
    w.coord[2]->setText("1,5");
    w.coord[1]->setText("-3");
    QTest::mouseClick(w.cmdCoord_OK, Qt::LeftButton);
    EXPECT_EQ(std::tuple(w.Chart2D1->axisMax(ChartAxis::X), w.Chart2D1->axisMin(ChartAxis::X)), std::tuple(1.5, -3));
}
