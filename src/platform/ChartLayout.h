// Where the elements of a chart stand in the control (pixels): the control's
// inner area inside its border, the chart area, the header, the footer and
// the legend with its entries.
//
// Automatic positions: the header sits at the top, the footer at the bottom,
// both centred over the chart area; the legend stands right of the chart area,
// centred on it vertically; the automatic chart area fills the control and
// leaves room for an automatically placed header, footer and legend. Blocks
// placed by hand float over the chart and take no room.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

#include "platform/ChartModel.h"

namespace vrn {

struct ChartLegendEntry {
    int group = 1;
    int series = 1;
    QString text;
};

struct ChartLayout {
    QRect sheet;      // the whole control
    QRect inner;      // inside the control's border
    QRect chartArea;  // axes, numbers and titles; the plot area lies inside
    QRect header;     // null when the header is not drawn
    QRect footer;
    QRect legend;
    std::vector<ChartLegendEntry> legendEntries;
};

ChartLayout computeChartLayout(const ChartModel& model, QSize size);

}  // namespace vrn
