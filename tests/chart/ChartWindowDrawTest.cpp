#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <cmath>

#include "ChartWindowSupport.h"
#include "chart/CurveSlots.h"
#include "platform/ChartControl.h"
#include "platform/Paths.h"
#include "shell/AppState.h"
#include "shell/NumberText.h"
#include "support/TestSupport.h"

using namespace vrn;
using vrn::test::ChartWindowTest;

namespace {

// The points of curve s of chart group 1 equal the simulated arrays (as singles).
void kurveGleichSimulation(const ChartControl& c, int serie, const std::vector<double>& t,
                           const std::vector<double>& y) {
    const ChartSeriesData& s = c.model().groups[0].series[static_cast<std::size_t>(serie - 1)];
    ASSERT_EQ(s.x.size(), 201u);
    for (std::size_t i = 0; i <= 200; ++i) {
        EXPECT_EQ(s.x[i], static_cast<double>(static_cast<Single>(t[i]))) << "point " << i;
        EXPECT_EQ(s.y[i], static_cast<double>(static_cast<Single>(y[i]))) << "point " << i;
    }
}

}  // namespace

TEST_F(ChartWindowTest, ModelFourDrawsThreeLabelledCurvesEqualToTheSimulation) {
    frmGraph2D& w = simulationsDiagramm(4, 0.1, 0.15, 0.5, 0, 30);
    const ChartControl& c = *w.Chart2D1;
    EXPECT_EQ(app.gnKurven, 3);
    EXPECT_EQ(app.gnKurvenOffen, 0);
    kurveGleichSimulation(c, 1, app.tSim, app.cSim_A);
    kurveGleichSimulation(c, 2, app.tSim, app.cSim_B);
    kurveGleichSimulation(c, 3, app.tSim, app.cSim_P);
    const char* namen[3] = {"c(A) ", "c(B) ", "c(P) "};
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(c.labelText(i), namen[i - 1]);
        EXPECT_TRUE(c.labelShown(i));
        EXPECT_EQ(c.seriesLabel(1, i), namen[i - 1]);
        EXPECT_EQ(c.displayState(1, i), 1);
        EXPECT_EQ(c.style(1, i).lineColour, RGB(0, 0, 255));
        EXPECT_EQ(w.txtLegendCurves[static_cast<std::size_t>(i)]->text().toStdString(), namen[i - 1]);
    }
    EXPECT_EQ(c.pointCount(1, 4), 0);
    EXPECT_EQ(c.text(ChartTextBlock::Header), "Konzentrationsverlauf für die Reaktion 2. Ordnung A + B => P");
    EXPECT_EQ(c.axisTitle(ChartAxis::X), "t/ s");
    EXPECT_TRUE(vrn::test::unexpectedMessages().empty());
}

TEST_F(ChartWindowTest, ScreenshotShowsTheCurvesInTheirColour) {
    frmGraph2D& w = simulationsDiagramm(4, 0.1, 0.15, 0.5, 0, 30);
    vrn::test::processEvents();
    const QString path = vrn::test::saveScreenshot(&w, "chart_window_model4");
    const QImage img(path);
    ASSERT_FALSE(img.isNull());
    const QImage chart = w.Chart2D1->grab().toImage();
    int blau = 0;
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x) {
            const QColor p = chart.pixelColor(x, y);
            if (p.blue() > 200 && p.red() < 80 && p.green() < 80) ++blau;
        }
    EXPECT_GT(blau, 300);
}
