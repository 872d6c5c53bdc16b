// Draws the chart labels: each shown label with a text is drawn beside its
// attached point (the given offset right of it and above it) while that point
// is shown, is no hole and lies in the plot area. An attached point index
// beyond the series' point count is taken as its last point.
#pragma once

#include "platform/ChartLayerable.h"

namespace vrn {

class ChartLabelLayer : public ChartLayerable {
public:
    ChartLabelLayer(QCustomPlot* plot, const ChartModel* model, QCPAxisRect* rect);

    // The box of label n (1-based) as drawn now; null when it is not drawn.
    static QRect labelBox(const ChartModel& model, int n, const QCPAxisRect* rect);

protected:
    void draw(QCPPainter* painter) override;

private:
    QCPAxisRect* rect_;
};

}  // namespace vrn
