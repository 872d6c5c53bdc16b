// How the chart's codes and values look on screen: line patterns, symbol
// shapes and border types (colours and fonts: platform/ColourFont.h).
#pragma once

#include <QColor>
#include <QPen>
#include <QRect>
#include <QStringList>

#include <qcustomplot.h>

#include "platform/ChartModel.h"
#include "platform/ColourFont.h"

class QPainter;

namespace vrn {

// The pen of a line pattern code; Qt::NoPen for code 1 (and unknown codes).
QPen chartLinePen(int pattern, Colour colour, int width);
// The symbol of a series style (shape code, colour, size).
QCPScatterStyle chartScatter(const ChartSeriesStyle& style);

// Pixels a border takes on each side of its box.
int chartBorderExtent(int type, int width);
// Draws a border of the given type inside the box.
void drawChartBorder(QPainter* p, const QRect& box, int type, int width, const QColor& colour);

// The lines of a text: CR LF, CR and LF all end a line.
QStringList chartTextLines(const std::string& text);

}  // namespace vrn
