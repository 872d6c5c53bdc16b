// The chart area's background (ChartAreaPainter, below everything) and the
// border of the whole control (ChartBorderPainter, above everything).
#pragma once

#include "platform/ChartLayerable.h"

namespace vrn {

class ChartAreaPainter : public ChartLayerable {
public:
    ChartAreaPainter(QCustomPlot* plot, const ChartModel* model, const ChartLayout* layout, const QString& layer)
        : ChartLayerable(plot, layer, model, layout, false) {}

protected:
    void draw(QCPPainter* painter) override;
};

class ChartBorderPainter : public ChartLayerable {
public:
    ChartBorderPainter(QCustomPlot* plot, const ChartModel* model, const ChartLayout* layout, const QString& layer)
        : ChartLayerable(plot, layer, model, layout, false) {}

protected:
    void draw(QCPPainter* painter) override;
};

}  // namespace vrn
