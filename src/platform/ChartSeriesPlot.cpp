#include "platform/ChartSeriesPlot.h"

#include <cmath>
#include <limits>
#include <vector>

#include "platform/ChartStyle.h"

namespace vrn {

namespace {

// A curve whose symbols are drawn whole at the plot frame: a point on the
// frame (a measured point at t = 0 in the corner of the plot, say) shows its
// full symbol, while the lines stay clipped to the plot area.
//
// Up to kEinzelnBis symbols are drawn one by one as the style says (smooth
// edges); a larger set is stamped from one image of the symbol drawn without
// antialiasing, once per pixel that a symbol lands on.
constexpr int kEinzelnBis = 3000;

class ScatterCurve : public QCPCurve {
public:
    using QCPCurve::QCPCurve;

protected:
    void drawScatterPlot(QCPPainter* painter, const QVector<QPointF>& points,
                         const QCPScatterStyle& style) const override {
        // Only points inside the plot area (its frame included) have a symbol.
        // The axes put their minimum on the left and bottom pixel of the plot
        // area but their maximum one pixel beyond it (x: right + 1, y: top - 1),
        // so the range spans left..right + 1 and top - 1..bottom. Half a pixel
        // more on each side keeps a point on a limit whose value lies a hair
        // beyond it (a measured 2.33 against an axis maximum of 2.33 held in
        // single precision) on the frame, where it belongs.
        const QRect area = clipRect();
        const QRectF inside(QPointF(area.left() - 0.5, area.top() - 1.5), QPointF(area.right() + 1.5, area.bottom() + 0.5));
        QVector<QPointF> shown;
        shown.reserve(points.size());
        for (const QPointF& p : points)
            if (inside.contains(p)) shown.append(p);
        const double penWidth = std::max(1.0, style.isPenDefined() ? style.pen().widthF() : pen().widthF());
        const int reach = static_cast<int>(std::ceil(style.size() / 2.0 + penWidth)) + 1;
        painter->save();
        painter->setClipRect(clipRect().adjusted(-reach, -reach - 1, reach, reach - 1));
        // Vector output (PDF, SVG, printer) keeps every symbol as a shape.
        if (shown.size() <= kEinzelnBis || painter->modes().testFlag(QCPPainter::pmVectorized) || style.isNone())
            QCPCurve::drawScatterPlot(painter, shown, style);
        else
            stampSymbols(painter, shown, style, reach);
        painter->restore();
    }

private:
    void stampSymbols(QCPPainter* painter, const QVector<QPointF>& points, const QCPScatterStyle& style,
                      int half) const {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap stamp(QSize(2 * half + 1, 2 * half + 1) * ratio);
        stamp.setDevicePixelRatio(ratio);
        stamp.fill(Qt::transparent);
        {
            QCPPainter p(&stamp);
            p.setAntialiasing(false);
            style.applyTo(&p, pen());
            style.drawShape(&p, half, half);
        }
        // One stamp per pixel: later points on a pixel already stamped add nothing.
        QRectF box;
        for (const QPointF& pt : points) box |= QRectF(pt, QSizeF(1, 1));
        const int x0 = static_cast<int>(std::floor(box.left())), y0 = static_cast<int>(std::floor(box.top()));
        const int w = static_cast<int>(std::ceil(box.width())) + 1, h = static_cast<int>(std::ceil(box.height())) + 1;
        std::vector<bool> belegt(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
        for (const QPointF& pt : points) {
            const int px = static_cast<int>(std::lround(pt.x())), py = static_cast<int>(std::lround(pt.y()));
            if (px < x0 || py < y0 || px - x0 >= w || py - y0 >= h) continue;
            const std::size_t at = static_cast<std::size_t>(py - y0) * static_cast<std::size_t>(w) +
                                   static_cast<std::size_t>(px - x0);
            if (belegt[at]) continue;
            belegt[at] = true;
            painter->drawPixmap(px - half, py - half, stamp);
        }
    }
};

}  // namespace

ChartSeriesPlot::ChartSeriesPlot(QCPAxis* x, QCPAxis* y, const QString& layer) : curve_(new ScatterCurve(x, y)) {
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
