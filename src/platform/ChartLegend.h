// Draws the legend: one entry per series that is shown, holds points and has
// a legend text, group 1 first; each entry a sample of the series' line and
// symbol and its text; stacked (vertical) or side by side (horizontal).
#pragma once

#include <qcustomplot.h>

#include "platform/ChartLayout.h"

namespace vrn {

class ChartLegend : public QCPLayerable {
public:
    ChartLegend(QCustomPlot* plot, const ChartModel* model, const ChartLayout* layout);

    static std::vector<ChartLegendEntry> entries(const ChartModel& model);
    static QSize measure(const ChartModel& model, const std::vector<ChartLegendEntry>& entries);

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    void draw(QCPPainter* painter) override;

private:
    const ChartModel* model_;
    const ChartLayout* layout_;
};

}  // namespace vrn
