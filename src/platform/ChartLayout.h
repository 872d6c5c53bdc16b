// Where the elements of a chart stand in the control (pixels): the control's
// inner area inside its border, the chart area, the header, the footer and
// the legend with its entries.
//
// Automatic positions: the header sits at the top, the footer at the bottom,
// both centred over the chart area; the legend stands right of the chart area,
// centred on it vertically; the automatic chart area fills the control and
// leaves room for the header and the footer (also where placed by hand: at
// the edge the block's middle is nearer to) and for an automatically placed
// legend; a legend placed by hand floats over the chart and takes no room.
// The header and the footer lie whole inside the control (a position set by
// hand is held inside it), and the footer keeps clear of the header.
//
// A header or footer wider than the room it has (the control's inner width,
// or from a position set by hand to the right edge) is broken into more
// lines at its blanks; a word that still does not fit draws the block in a
// smaller font. The block so stays inside the control.
#pragma once

#include <QFont>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

#include "platform/ChartModel.h"

namespace vrn {

struct ChartLegendEntry {
    int group = 1;
    int series = 1;
    QString text;
};

// A number of an axis and the box it is drawn in (pixels of the control).
struct ChartNumberBox {
    QString text;
    QRectF box;
};

// The lines of a text block as it is drawn, and their font.
struct ChartTextFit {
    QStringList lines;
    QFont font;
};

struct ChartLayout {
    QRect sheet;      // the whole control
    QRect inner;      // inside the control's border
    QRect chartArea;  // axes, numbers and titles; the plot area lies inside
    QRect header;     // null when the header is not drawn
    QRect footer;
    QRect legend;
    ChartTextFit headerText;  // the lines drawn in `header`
    ChartTextFit footerText;
    std::vector<ChartLegendEntry> legendEntries;
};

ChartLayout computeChartLayout(const ChartModel& model, QSize size);

}  // namespace vrn
