#include "platform/ChartLabelLayer.h"

#include <algorithm>
#include <cmath>

#include "platform/ChartStyle.h"
#include "platform/ChartTextBlockPainter.h"

namespace vrn {

namespace {
constexpr int kPadding = 2;
}

ChartLabelLayer::ChartLabelLayer(QCustomPlot* plot, const ChartModel* model, QCPAxisRect* rect)
    : ChartLayerable(plot, "legend", model, nullptr, true), rect_(rect) {}

QRect ChartLabelLayer::labelBox(const ChartModel& m, int n, const QCPAxisRect* rect) {
    if (n < 1 || n > kChartLabels || !rect) return QRect();
    const ChartLabelData& l = m.labels[static_cast<std::size_t>(n - 1)];
    if (!l.shown || l.text.empty() || l.group < 1 || l.group > kChartGroups) return QRect();
    const ChartGroupData& grp = m.groups[static_cast<std::size_t>(l.group - 1)];
    if (l.series < 1 || l.series > static_cast<int>(grp.series.size())) return QRect();
    const ChartSeriesData& s = grp.series[static_cast<std::size_t>(l.series - 1)];
    if (s.display != kSeriesShown || s.x.empty()) return QRect();
    const std::size_t i = static_cast<std::size_t>(std::clamp(l.point, 1, static_cast<int>(s.x.size())) - 1);
    const double x = s.x[i], y = s.y[i];
    if (chartIsHole(x, y)) return QRect();
    const QCPAxis* xa = rect->axis(QCPAxis::atBottom);
    const QCPAxis* ya = rect->axis(QCPAxis::atLeft);
    if ((xa->scaleType() == QCPAxis::stLogarithmic && x <= 0) || (ya->scaleType() == QCPAxis::stLogarithmic && y <= 0))
        return QRect();
    // Inside the axis ranges, judged by value: QCustomPlot maps the upper end
    // of a vertical axis one pixel above its rectangle (QRect::bottom() is
    // top + height - 1), so a pixel test hid the label of a point at the top
    // edge, such as c(P) of a first-order reaction near its end value.
    if (!xa->range().contains(x) || !ya->range().contains(y)) return QRect();
    const double px = xa->coordToPixel(x), py = ya->coordToPixel(y);
    if (!std::isfinite(px) || !std::isfinite(py)) return QRect();
    const QSize t = chartTextSize(chartTextLines(l.text), chartFont(l.font));
    const int pad = kPadding + chartBorderExtent(l.border, 1);
    const QSize size(t.width() + 2 * pad, t.height() + 2 * pad);
    const int ix = static_cast<int>(std::lround(px)), iy = static_cast<int>(std::lround(py));
    QRect box(QPoint(ix + l.offset, iy - l.offset - size.height() + 1), size);
    // The label stays inside the plot area, clear of its frame and of the
    // axis numbers beside it: at the top edge it goes below its point, at the
    // right edge to the left of it.
    const QRect plot = rect->rect().adjusted(2, 2, -2, -2);
    if (box.top() < plot.top()) box.moveTop(iy + l.offset);
    if (box.right() > plot.right()) box.moveRight(ix - l.offset);
    if (box.bottom() > plot.bottom()) box.moveBottom(plot.bottom());
    if (box.left() < plot.left()) box.moveLeft(plot.left());
    if (box.top() < plot.top()) box.moveTop(plot.top());
    return box;
}

void ChartLabelLayer::draw(QCPPainter* p) {
    for (int n = 1; n <= kChartLabels; ++n) {
        const QRect box = labelBox(*model_, n, rect_);
        if (box.isNull()) continue;
        const ChartLabelData& l = model_->labels[static_cast<std::size_t>(n - 1)];
        drawChartTextBox(p, box, l.text, l.font, l.textColour, l.backColour, l.border);
    }
}

}  // namespace vrn
