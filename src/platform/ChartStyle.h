// How the chart's codes and values look on screen: colours (blue in the
// high byte), fonts, line patterns, symbol shapes and border types.
#pragma once

#include <QColor>
#include <QFont>
#include <QPen>
#include <QRect>
#include <QStringList>

#include <qcustomplot.h>

#include "platform/ChartModel.h"

class QPainter;

namespace vrn {

// Colour (red + 256 * green + 65536 * blue) to QColor; -1 gives transparent.
QColor chartColour(Colour c);
// QColor to Colour; a fully transparent colour gives -1.
Colour chartColourOf(const QColor& c);

QFont chartFont(const ChartFont& f);
ChartFont chartFontOf(const QFont& f);

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
