// The parts of the axes that QCustomPlot cannot give with three independent
// spacings: grid lines (ChartGridLayer, behind the curves) and the axis
// lines with their tick marks, the numbers placed "at the axis", a y title
// written horizontally above its axis and the frame of the plot area
// (ChartAxisPainter, above the curves). QCustomPlot's own axes only carry the
// numbers at the minimum or maximum edge and the titles.
#pragma once

#include <qcustomplot.h>

#include "platform/ChartModel.h"

namespace vrn {

// The QCustomPlot axes that map the chart's axes "X", "Y", "Y2".
struct ChartAxes {
    QCPAxisRect* rect = nullptr;
    QCPAxis* x = nullptr;
    QCPAxis* y = nullptr;
    QCPAxis* y2 = nullptr;
    QCPAxis* of(ChartAxis a) const { return a == ChartAxis::X ? x : a == ChartAxis::Y ? y : y2; }
};

class ChartGridLayer : public QCPLayerable {
public:
    ChartGridLayer(QCustomPlot* plot, const ChartModel* model, ChartAxes axes);

protected:
    QRect clipRect() const override;
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    void draw(QCPPainter* painter) override;

private:
    const ChartModel* model_;
    ChartAxes axes_;
};

class ChartAxisPainter : public QCPLayerable {
public:
    ChartAxisPainter(QCustomPlot* plot, const ChartModel* model, ChartAxes axes);

    // Least margins around the plot area so that the outermost numbers and a
    // horizontal title of "Y" stay inside the chart area.
    static QMargins minimumMargins(const ChartModel& model);

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    void draw(QCPPainter* painter) override;

private:
    void drawXAxis(QCPPainter* p, const QRect& r);
    void drawYAxis(QCPPainter* p, const QRect& r);
    void drawY2Axis(QCPPainter* p, const QRect& r);

    const ChartModel* model_;
    ChartAxes axes_;
};

}  // namespace vrn
