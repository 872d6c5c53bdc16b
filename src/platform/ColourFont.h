// The program's colours and fonts on Qt: a Colour (red + 256 * green +
// 65536 * blue, -1 for transparent) and a ChartFont record as QColor and QFont.
// Qt only; the plot library stays with the chart component (ChartStyle.h).
#pragma once

#include <QColor>
#include <QFont>

#include "base/Types.h"
#include "platform/ChartModel.h"

namespace vrn {

// Colour to QColor; a negative colour (transparent) gives Qt::transparent.
QColor toQColor(Colour c);
// QColor to Colour; a fully transparent colour gives -1.
Colour fromQColor(const QColor& c);

// A font record to QFont, sized in pixels of the screen so that a text keeps
// its size relative to the chart on every paint device (printer, PDF, SVG).
QFont chartFont(const ChartFont& f);
// QFont to a font record (points from the point or the pixel size).
ChartFont chartFontOf(const QFont& f);

}  // namespace vrn
