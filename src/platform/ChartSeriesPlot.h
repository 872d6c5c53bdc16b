// One series of the chart drawn by a QCPCurve, which keeps the points in the
// order given (a QCPGraph would sort them by x). Holes, points that are not
// finite and, on a logarithmic axis, values <= 0 become gaps: neither the
// point nor a line to it is drawn. Large point sets draw their symbols from
// one image of the symbol, once per pixel, so that tens of thousands of
// points cost little more than the pixels they cover.
#pragma once

#include <qcustomplot.h>

#include "platform/ChartModel.h"

namespace vrn {

class ChartSeriesPlot {
public:
    ChartSeriesPlot(QCPAxis* x, QCPAxis* y, const QString& layer);
    ~ChartSeriesPlot();
    ChartSeriesPlot(const ChartSeriesPlot&) = delete;
    ChartSeriesPlot& operator=(const ChartSeriesPlot&) = delete;

    // The points changed; the next sync hands them to the curve again.
    void markData() { dataDirty_ = true; }
    // Brings the curve up to date with the series (points only when marked
    // or when an axis changed between linear and logarithmic).
    void sync(const ChartSeriesData& series, bool xLog, bool yLog);

private:
    QCPCurve* curve_;
    bool dataDirty_ = true;
    bool xLog_ = false;
    bool yLog_ = false;
};

}  // namespace vrn
