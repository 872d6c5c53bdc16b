#include "platform/ChartSeriesPlot.h"

#include <cmath>
#include <limits>

#include "platform/ChartStyle.h"

namespace vrn {

namespace {

// A curve whose symbols are drawn whole at the plot frame: a point on the
// frame (a measured point at t = 0 in the corner of the plot, say) shows its
// full symbol, while the lines stay clipped to the plot area.
class FrameCurve : public QCPCurve {
public:
    FrameCurve(QCPAxis* x, QCPAxis* y) : QCPCurve(x, y) {}

protected:
    void drawScatterPlot(QCPPainter* painter, const QVector<QPointF>& points,
                         const QCPScatterStyle& style) const override {
        // Only points inside the plot area (its frame included) have a symbol.
        const QRectF inside = QRectF(clipRect()).adjusted(-1, -1, 1, 1);
        QVector<QPointF> shown;
        shown.reserve(points.size());
        for (const QPointF& p : points)
            if (inside.contains(p)) shown.append(p);
        const int reach = static_cast<int>(std::ceil(style.size() / 2.0 + style.pen().widthF())) + 1;
        painter->save();
        painter->setClipRect(clipRect().adjusted(-reach, -reach - 1, reach, reach - 1));
        QCPCurve::drawScatterPlot(painter, shown, style);
        painter->restore();
    }
};

}  // namespace

ChartSeriesPlot::ChartSeriesPlot(QCPAxis* x, QCPAxis* y, const QString& layer) : curve_(new FrameCurve(x, y)) {
    curve_->setLayer(layer);
    curve_->setScatterSkip(0);
}

ChartSeriesPlot::~ChartSeriesPlot() {
    if (QCustomPlot* plot = curve_->parentPlot()) plot->removePlottable(curve_);
}

void ChartSeriesPlot::sync(const ChartSeriesData& s, bool xLog, bool yLog) {
    curve_->setVisible(s.display == kSeriesShown);
    const QPen pen = chartLinePen(s.style.linePattern, s.style.lineColour, s.style.lineWidth);
    curve_->setPen(pen);
    curve_->setLineStyle(pen.style() == Qt::NoPen ? QCPCurve::lsNone : QCPCurve::lsLine);
    curve_->setScatterStyle(chartScatter(s.style));
    if (!dataDirty_ && xLog == xLog_ && yLog == yLog_) return;
    const double gap = std::numeric_limits<double>::quiet_NaN();
    QVector<QCPCurveData> data;
    const std::size_t n = std::min(s.x.size(), s.y.size());
    data.reserve(static_cast<int>(n));
    for (std::size_t i = 0; i < n; ++i) {
        double x = s.x[i], y = s.y[i];
        if (chartIsHole(x, y) || (xLog && x <= 0) || (yLog && y <= 0)) y = gap;
        if (!std::isfinite(x)) x = gap;
        data.append(QCPCurveData(static_cast<double>(i), x, y));
    }
    curve_->data()->set(data, true);
    dataDirty_ = false;
    xLog_ = xLog;
    yLog_ = yLog;
}

}  // namespace vrn
