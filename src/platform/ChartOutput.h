// Pictures and printouts of a chart. The chart is drawn by a renderer that
// paints it at a given size in pixels; every function returns success.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

class QCPPainter;
class QPrinter;

namespace vrn {

enum class ChartPicture;

using ChartRenderer = std::function<void(QCPPainter*, QSize)>;

// The chart as an opaque bitmap of the given size; null on failure.
QImage renderChartImage(const ChartRenderer& render, QSize size);
// The chart as SVG (view box = size in pixels); empty on failure.
QByteArray renderChartSvg(const ChartRenderer& render, QSize size);
// BMP and PNG bitmaps, SVG, and PDF with one page of the chart's size. The
// picture is made whole in memory and saved by saveFileSafely (base/SafeSave.h),
// so that an existing file is replaced only by a complete one; on failure
// *error (when given) says why and the file on disk is as it was.
bool saveChartPicture(const ChartRenderer& render, QSize size, const QString& path, ChartPicture format,
                      QString* error = nullptr);
// Prints one page with the chart in the box (printer pixels) by the scaling
// code: 2 the box's width counts, 3 its height, 5 the whole printable page;
// the other side follows the chart's proportions. False for another code or
// a box without size.
bool printChart(const ChartRenderer& render, QSize size, QPrinter& printer, int scaling, const QRect& box);

}  // namespace vrn
