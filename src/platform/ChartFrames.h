// The chart area's background (ChartAreaPainter, below everything) and the
// border of the whole control (ChartBorderPainter, above everything).
#pragma once

#include <qcustomplot.h>

#include "platform/ChartLayout.h"

namespace vrn {

class ChartAreaPainter : public QCPLayerable {
public:
    ChartAreaPainter(QCustomPlot* plot, const ChartModel* model, const ChartLayout* layout, const QString& layer);

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    void draw(QCPPainter* painter) override;

private:
    const ChartModel* model_;
    const ChartLayout* layout_;
};

class ChartBorderPainter : public QCPLayerable {
public:
    ChartBorderPainter(QCustomPlot* plot, const ChartModel* model, const ChartLayout* layout, const QString& layer);

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    void draw(QCPPainter* painter) override;

private:
    const ChartModel* model_;
    const ChartLayout* layout_;
};

}  // namespace vrn
