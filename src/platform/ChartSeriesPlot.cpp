#include "platform/ChartSeriesPlot.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include <QPaintEngine>
#include <QPainterPath>
#include <QPainterPathStroker>

#include "platform/ChartStyle.h"

namespace vrn {

namespace {

// The part of the segment from a to b that lies in the rectangle (its edges
// included), as the parameters t0 <= t1 of a + t (b - a) (Liang-Barsky);
// false when no part of it does.
bool partInside(const QPointF& a, const QPointF& b, const QRectF& r, double& t0, double& t1) {
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    t0 = 0;
    t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    return true;
}

// A stretch of a polyline: its points, how far along the polyline it begins
// (from the polyline's start, or from its last point that is not finite,
// where a line's dashes begin anew), and whether it lies in the rectangle the
// polyline was split at.
struct Stretch {
    QPolygonF points;
    double along = 0;
    bool inside = false;
};

// The polyline split where it crosses the rectangle's edges: the stretches
// in and outside it, in order. A point that is not finite (a hole of the
// curve) ends a stretch and is in none.
std::vector<Stretch> splitAt(const QPolygonF& line, const QRectF& r) {
    std::vector<Stretch> stretches;
    const auto finite = [](const QPointF& p) { return std::isfinite(p.x()) && std::isfinite(p.y()); };
    const auto length = [](const QPointF& a, const QPointF& b) { return std::hypot(b.x() - a.x(), b.y() - a.y()); };
    bool open = false;  // the last stretch goes on at the last point taken
    double along = 0;   // of line[i - 1]
    // The part of the segment from `from` to `to`, which lies `at` along the line.
    const auto take = [&](const QPointF& from, const QPointF& to, double at, bool inside) {
        if (from == to) return;
        if (!open || stretches.back().inside != inside || stretches.back().points.back() != from)
            stretches.push_back(Stretch{QPolygonF{from}, at, inside});
        stretches.back().points.append(to);
        open = true;
    };
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QPointF a = line[i - 1], b = line[i];
        if (!finite(a) || !finite(b)) {
            open = false;
            along = 0;
            continue;
        }
        const double l = length(a, b);
        double t0 = 0, t1 = 0;
        if (!partInside(a, b, r, t0, t1)) {
            take(a, b, along, false);
        } else {
            const QPointF in = a + (b - a) * t0, out = a + (b - a) * t1;
            take(a, in, along, false);
            take(in, out, along + l * t0, true);
            take(out, b, along + l * t1, false);
        }
        along += l;
    }
    return stretches;
}

// A curve whose symbols are drawn whole at the plot frame: a point on the
// frame (a measured point at t = 0 in the corner of the plot, say) shows its
// full symbol, while the lines stay clipped to the plot area.
//
// Up to kEinzelnBis symbols are drawn one by one as the style says (smooth
// edges); a larger set is stamped from one image of the symbol drawn without
// antialiasing, once per pixel that a symbol lands on.
constexpr int kEinzelnBis = 3000;

// Points per run of a line whose stroke is cut as a shape.
constexpr qsizetype kLauf = 64;

class ScatterCurve : public QCPCurve {
public:
    using QCPCurve::QCPCurve;

protected:
    // The line is cut at the plot area by the painter's clip region. An SVG
    // painter keeps no clip region (QSvgGenerator ignores it), so there the
    // line is cut at that region itself: the parts of the curve beyond the
    // axis range, which QCPCurve leads along just outside the area (a pen
    // width beyond the range, so that its stroke does not show), are not
    // drawn, and the picture shows what the screen shows.
    //
    // The region is the one the screen clips to, taken from the painter in
    // the coordinates the line is drawn in: it is the plot area moved up by
    // one pixel, and the half-pixel shift of smooth drawing applies too. (Cut
    // at the plot area as laid out instead, a thin curve that runs on below
    // the x axis keeps a stroke along the axis: QCPCurve leads it one pixel
    // below the range, which is the area's lower edge.)
    //
    // Where the line runs within a pen width of the region's edge, its
    // stroke is cut at the edge as the screen cuts it: that part is drawn as
    // the shape of its stroke within the region. The rest stays a line. The
    // dashes of a dashed line stay where the screen has them: each part
    // begins its pattern where the whole line is at that point.
    void drawCurveLine(QCPPainter* painter, const QVector<QPointF>& lines) const override {
        if (!painter->paintEngine() || painter->paintEngine()->type() != QPaintEngine::SVG)
            return QCPCurve::drawCurveLine(painter, lines);
        if (painter->pen().style() == Qt::NoPen || painter->pen().color().alpha() == 0) return;
        applyDefaultAntialiasingHint(painter);
        const QRectF area = painter->hasClipping() ? painter->clipBoundingRect() : QRectF(clipRect());
        const QPen pen = painter->pen();
        const double unit = pen.widthF() > 0 ? pen.widthF() : 1.0;  // dashes are counted in pen widths
        // Within a pen width of its line lies all of the stroke (half a width
        // beside it, square caps, bevelled corners); mitred corners may reach
        // up to half the miter limit in widths.
        const double reach =
            unit * (pen.joinStyle() == Qt::MiterJoin ? std::max(1.0, pen.miterLimit() / 2) : 1.0);
        QPainterPath region;
        region.addRect(area);
        for (const Stretch& near : splitAt(lines, area.adjusted(-reach, -reach, reach, reach))) {
            if (!near.inside) continue;
            for (const Stretch& part : splitAt(near.points, area.adjusted(reach, reach, -reach, -reach))) {
                const double dashOffset = pen.dashOffset() + (near.along + part.along) / unit;
                if (part.inside) {
                    QPen p = pen;
                    if (pen.style() != Qt::SolidLine) p.setDashOffset(dashOffset);
                    painter->setPen(p);
                    painter->drawPolyline(part.points);
                    continue;
                }
                // The shape of the stroke is cut in runs of a few points (the cost
                // of cutting a shape grows much faster than its points); each run
                // begins with the last segment of the one before, so that no
                // corner between them goes missing.
                double runAlong = dashOffset * unit;
                for (qsizetype start = 0;; start += kLauf - 2) {
                    const QPolygonF run = part.points.mid(start, kLauf);
                    QPainterPathStroker stroker(pen);
                    if (pen.style() != Qt::SolidLine) stroker.setDashOffset(runAlong / unit);
                    QPainterPath line;
                    line.addPolygon(run);
                    const QPainterPath shown = stroker.createStroke(line).intersected(region).simplified();
                    const QRectF box = shown.boundingRect();
                    if (box.width() > 1e-6 && box.height() > 1e-6) painter->fillPath(shown, pen.brush());
                    if (start + kLauf >= part.points.size()) break;
                    // The next run begins at the last segment of this one.
                    for (qsizetype i = 1; i + 1 < run.size(); ++i) runAlong += QLineF(run[i - 1], run[i]).length();
                }
            }
        }
        painter->setPen(pen);
    }

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
