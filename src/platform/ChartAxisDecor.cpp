#include "platform/ChartAxisDecor.h"

#include <QFontMetrics>

#include <cmath>

#include "platform/ChartScale.h"
#include "platform/ChartStyle.h"
#include "platform/Paths.h"
#include "base/NumberText.h"

namespace vrn {

namespace {

constexpr int kTickLength = 5;
constexpr int kNumberGap = 3;

// Height the x numbers take above the plot area when they stand at its top.
int topNumbersHeight(const ChartModel& m) {
    const ChartAxisData& x = m.axis(ChartAxis::X);
    if (!x.shown || x.numberPlacement != kNumbersAtMaximum) return 0;
    return QFontMetrics(chartFont(x.numberFont)).height() + 8;
}

// Pixel of a value on an axis; false when it cannot be drawn.
bool pixelOf(const QCPAxis* axis, double v, double& px) {
    px = axis->coordToPixel(v);
    return std::isfinite(px);
}

// The numbers of "X" under its line at pixel `at`, of "Y" left of it: the
// ticks and texts that the axis's ticker gave.
std::vector<ChartNumberBox> numbersAtAxis(const ChartModel& m, const QCPAxis* axis, ChartAxis id, double at) {
    std::vector<ChartNumberBox> out;
    const ChartAxisData& a = m.axis(id);
    const QFontMetrics fm(chartFont(a.numberFont));
    const double h = fm.height();
    const QVector<double> ticks = axis->tickVector();
    const QVector<QString> texts = axis->tickVectorLabels();
    for (qsizetype i = 0; i < ticks.size() && i < texts.size(); ++i) {
        double px = 0;
        if (!pixelOf(axis, ticks[i], px)) continue;
        const double w = fm.horizontalAdvance(texts[i]) + 2;
        QRectF box;
        if (id == ChartAxis::X) box = QRectF(px - w / 2, at + kTickLength + kNumberGap, w, h);
        else if (a.numberOrientation == kTextVertical) box = QRectF(at - kTickLength - kNumberGap - h, px - w / 2, h, w);
        else box = QRectF(at - kTickLength - kNumberGap - w, px - h / 2, w, h);
        out.push_back({texts[i], box});
    }
    return out;
}

}  // namespace

std::vector<ChartNumberBox> chartNumberBoxes(const ChartModel& m, const ChartAxes& axes, ChartAxis id) {
    const ChartAxisData& a = m.axis(id);
    if (!a.shown || id == ChartAxis::Y2) return {};
    const QRect r = axes.rect->rect();
    double at = 0;
    if (a.numberPlacement == kNumbersAtAxis) {
        const ChartAxis other = id == ChartAxis::X ? ChartAxis::Y : ChartAxis::X;
        if (!pixelOf(axes.of(other), chartOriginValue(m.axis(other)), at)) return {};
        return numbersAtAxis(m, axes.of(id), id, at);
    }
    // Numbers at an edge of the plot area: QCustomPlot draws them beside it,
    // the turned ones of "Y" reading upwards.
    const bool atMax = a.numberPlacement == kNumbersAtMaximum;
    const QCPAxis* axis =
        atMax ? axes.rect->axis(id == ChartAxis::X ? QCPAxis::atTop : QCPAxis::atRight, 0) : axes.of(id);
    if (!axis) return {};
    const int distance = axis->tickLabelPadding() + axis->offset();
    std::vector<ChartNumberBox> out = numbersAtAxis(m, axis, id, 0);
    for (ChartNumberBox& n : out) {
        QRectF& b = n.box;
        if (id == ChartAxis::X) {
            b.moveTop(atMax ? r.top() - distance - b.height() : r.bottom() + 1 + distance);
        } else {
            b.moveRight(atMax ? r.right() + 1 + distance + b.width() : r.left() - distance);
        }
    }
    return out;
}

ChartGridLayer::ChartGridLayer(QCustomPlot* plot, const ChartModel* model, ChartAxes axes)
    : ChartLayerable(plot, "grid", model, nullptr, false), axes_(axes) {}

QRect ChartGridLayer::clipRect() const { return axes_.rect->rect(); }

void ChartGridLayer::draw(QCPPainter* p) {
    const QRect r = axes_.rect->rect();
    if (r.width() < 1 || r.height() < 1) return;
    for (ChartAxis id : {ChartAxis::X, ChartAxis::Y, ChartAxis::Y2}) {
        const ChartAxisData& a = model_->axis(id);
        if (a.gridPattern == 1) continue;
        p->setPen(chartLinePen(a.gridPattern, a.gridColour, 1));
        for (double v : chartPositions(a, ChartSpacing::Grid)) {
            double px = 0;
            if (!pixelOf(axes_.of(id), v, px)) continue;
            if (id == ChartAxis::X) p->drawLine(QLineF(px, r.top(), px, r.bottom()));
            else p->drawLine(QLineF(r.left(), px, r.right(), px));
        }
    }
}

ChartAxisPainter::ChartAxisPainter(QCustomPlot* plot, const ChartModel* model, ChartAxes axes)
    : ChartLayerable(plot, "axes", model, nullptr, false), axes_(axes) {}

QMargins ChartAxisPainter::minimumMargins(const ChartModel& m) {
    QMargins mg;
    const ChartAxisData& x = m.axis(ChartAxis::X);
    if (x.shown) {
        const std::vector<double> n = chartPositions(x, ChartSpacing::Number);
        const QFontMetrics fm(chartFont(x.numberFont));
        if (!n.empty()) {
            mg.setLeft(fm.horizontalAdvance(toQ(Format(n.front()))) / 2 + 2);
            mg.setRight(fm.horizontalAdvance(toQ(Format(n.back()))) / 2 + 2);
        }
    }
    for (ChartAxis id : {ChartAxis::Y, ChartAxis::Y2}) {
        const ChartAxisData& y = m.axis(id);
        if (!y.shown) continue;
        const int half = QFontMetrics(chartFont(y.numberFont)).height() / 2 + 2;
        mg.setTop(std::max(mg.top(), half));
        mg.setBottom(std::max(mg.bottom(), half));
    }
    const ChartAxisData& y = m.axis(ChartAxis::Y);
    if (y.shown && !y.title.empty() && y.titleOrientation == kTextHorizontal)
        mg.setTop(std::max(mg.top(),
                           QFontMetrics(chartFont(y.titleFont)).height() + 2 * kNumberGap + topNumbersHeight(m)));
    return mg;
}

void ChartAxisPainter::draw(QCPPainter* p) {
    const QRect r = axes_.rect->rect();
    if (r.width() < 1 || r.height() < 1) return;
    if (model_->plot.frame) {
        p->setPen(QPen(toQColor(model_->area.textColour), 1));
        p->setBrush(Qt::NoBrush);
        p->drawRect(r.adjusted(0, 0, -1, -1));
    }
    double at = 0;
    // The x axis stands where "Y" has its origin, the y axis where "X" has it.
    if (model_->axis(ChartAxis::X).shown && pixelOf(axes_.y, chartOriginValue(model_->axis(ChartAxis::Y)), at)) {
        drawLineAndTicks(p, r, ChartAxis::X, at, +1);
        drawNumbersAtAxis(p, ChartAxis::X, at);
    }
    if (model_->axis(ChartAxis::Y).shown && pixelOf(axes_.x, chartOriginValue(model_->axis(ChartAxis::X)), at)) {
        drawLineAndTicks(p, r, ChartAxis::Y, at, -1);
        drawNumbersAtAxis(p, ChartAxis::Y, at);
        drawHorizontalYTitle(p, r, at);
    }
    if (model_->axis(ChartAxis::Y2).shown) drawLineAndTicks(p, r, ChartAxis::Y2, r.right(), +1);
}

void ChartAxisPainter::drawLineAndTicks(QCPPainter* p, const QRect& r, ChartAxis id, double at, int side) {
    const bool horizontal = id == ChartAxis::X;
    p->setPen(QPen(toQColor(model_->area.textColour), 1));
    p->drawLine(horizontal ? QLineF(r.left(), at, r.right(), at) : QLineF(at, r.top(), at, r.bottom()));
    const double end = at + side * kTickLength;
    for (double v : chartPositions(model_->axis(id), ChartSpacing::Tick)) {
        double px = 0;
        if (pixelOf(axes_.of(id), v, px)) p->drawLine(horizontal ? QLineF(px, at, px, end) : QLineF(at, px, end, px));
    }
}

void ChartAxisPainter::drawNumbersAtAxis(QCPPainter* p, ChartAxis id, double at) {
    const ChartAxisData& a = model_->axis(id);
    if (a.numberPlacement != kNumbersAtAxis) return;
    p->setFont(chartFont(a.numberFont));
    p->setPen(toQColor(model_->area.textColour));
    for (const ChartNumberBox& n : numbersAtAxis(*model_, axes_.of(id), id, at)) {
        if (id == ChartAxis::Y && a.numberOrientation == kTextVertical) {
            p->save();
            p->translate(n.box.center());
            p->rotate(-90);
            p->drawText(QRectF(-n.box.height() / 2, -n.box.width() / 2, n.box.height(), n.box.width()), Qt::AlignCenter,
                        n.text);
            p->restore();
        } else {
            p->drawText(n.box, id == ChartAxis::X ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter, n.text);
        }
    }
}

void ChartAxisPainter::drawHorizontalYTitle(QCPPainter* p, const QRect& r, double x) {
    const ChartAxisData& a = model_->axis(ChartAxis::Y);
    if (a.title.empty() || a.titleOrientation != kTextHorizontal) return;
    const QFont font = chartFont(a.titleFont);
    const QFontMetrics fm(font);
    const QString t = toQ(a.title);
    p->setFont(font);
    p->setPen(toQColor(a.titleColour >= 0 ? a.titleColour : model_->area.textColour));
    const int w = fm.horizontalAdvance(t);
    const double bottom = r.top() - kNumberGap - topNumbersHeight(*model_);
    p->drawText(QRectF(std::max(0.0, x - w / 2.0), bottom - fm.height(), w + 2, fm.height()), Qt::AlignLeft, t);
}

}  // namespace vrn
