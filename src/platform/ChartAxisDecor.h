// The parts of the axes that QCustomPlot cannot give with three independent
// spacings: grid lines (ChartGridLayer, behind the curves) and the axis
// lines with their tick marks, the numbers placed "at the axis", a y title
// written horizontally above its axis and the frame of the plot area
// (ChartAxisPainter, above the curves). QCustomPlot's own axes only carry the
// numbers at the minimum or maximum edge and the titles.
#pragma once

#include <vector>

#include "platform/ChartLayerable.h"
#include "platform/ChartLayout.h"

namespace vrn {

// The QCustomPlot axes that map the chart's axes "X", "Y", "Y2".
struct ChartAxes {
    QCPAxisRect* rect = nullptr;
    QCPAxis* x = nullptr;
    QCPAxis* y = nullptr;
    QCPAxis* y2 = nullptr;
    QCPAxis* of(ChartAxis a) const { return a == ChartAxis::X ? x : a == ChartAxis::Y ? y : y2; }
};

// Where the numbers of an axis are drawn now: at the pixels of the axis's
// ticks, with the texts its ticker gave, in the number font (empty while the
// axis or its numbers are not shown).
std::vector<ChartNumberBox> chartNumberBoxes(const ChartModel& model, const ChartAxes& axes, ChartAxis id);

class ChartGridLayer : public ChartLayerable {
public:
    ChartGridLayer(QCustomPlot* plot, const ChartModel* model, ChartAxes axes);

protected:
    QRect clipRect() const override;
    void draw(QCPPainter* painter) override;

private:
    ChartAxes axes_;
};

class ChartAxisPainter : public ChartLayerable {
public:
    ChartAxisPainter(QCustomPlot* plot, const ChartModel* model, ChartAxes axes);

    // Least margins around the plot area so that the outermost numbers and a
    // horizontal title of "Y" stay inside the chart area.
    static QMargins minimumMargins(const ChartModel& model);

protected:
    void draw(QCPPainter* painter) override;

private:
    // The axis line at a pixel across the plot area, tick marks pointing to
    // the side given (+1 down or right, -1 up or left).
    void drawLineAndTicks(QCPPainter* p, const QRect& r, ChartAxis id, double at, int side);
    // Numbers of "X" under its line, of "Y" left of it.
    void drawNumbersAtAxis(QCPPainter* p, ChartAxis id, double at);
    void drawHorizontalYTitle(QCPPainter* p, const QRect& r, double x);

    ChartAxes axes_;
};

}  // namespace vrn
