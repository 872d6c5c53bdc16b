// Draws the legend: one entry per series that is shown, holds points and has
// a legend text, group 1 first; each entry a sample of the series' line and
// symbol and its text; stacked (vertical) or side by side (horizontal).
#pragma once

#include "platform/ChartLayerable.h"

namespace vrn {

class ChartLegend : public ChartLayerable {
public:
    ChartLegend(QCustomPlot* plot, const ChartModel* model, const ChartLayout* layout);

    static std::vector<ChartLegendEntry> entries(const ChartModel& model);
    static QSize measure(const ChartModel& model, const std::vector<ChartLegendEntry>& entries);

protected:
    void draw(QCPPainter* painter) override;
};

}  // namespace vrn
