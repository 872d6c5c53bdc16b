#include "platform/ChartAxisDecor.h"

#include <QFontMetrics>

#include <cmath>

#include "platform/ChartScale.h"
#include "platform/ChartStyle.h"
#include "platform/Paths.h"
#include "shell/NumberText.h"

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

}  // namespace

ChartGridLayer::ChartGridLayer(QCustomPlot* plot, const ChartModel* model, ChartAxes axes)
    : QCPLayerable(plot, "grid"), model_(model), axes_(axes) {}

QRect ChartGridLayer::clipRect() const { return axes_.rect->rect(); }

void ChartGridLayer::applyDefaultAntialiasingHint(QCPPainter* painter) const { painter->setAntialiasing(false); }

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
    : QCPLayerable(plot, "axes"), model_(model), axes_(axes) {}

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

void ChartAxisPainter::applyDefaultAntialiasingHint(QCPPainter* painter) const { painter->setAntialiasing(false); }

void ChartAxisPainter::draw(QCPPainter* p) {
    const QRect r = axes_.rect->rect();
    if (r.width() < 1 || r.height() < 1) return;
    if (model_->plot.frame) {
        p->setPen(QPen(chartColour(model_->area.textColour), 1));
        p->setBrush(Qt::NoBrush);
        p->drawRect(r.adjusted(0, 0, -1, -1));
    }
    if (model_->axis(ChartAxis::X).shown) drawXAxis(p, r);
    if (model_->axis(ChartAxis::Y).shown) drawYAxis(p, r);
    if (model_->axis(ChartAxis::Y2).shown) drawY2Axis(p, r);
}

void ChartAxisPainter::drawXAxis(QCPPainter* p, const QRect& r) {
    const ChartAxisData& a = model_->axis(ChartAxis::X);
    double y = 0;
    if (!pixelOf(axes_.y, chartOriginValue(model_->axis(ChartAxis::Y)), y)) return;
    const QColor fore = chartColour(model_->area.textColour);
    p->setPen(QPen(fore, 1));
    p->drawLine(QLineF(r.left(), y, r.right(), y));
    for (double v : chartPositions(a, ChartSpacing::Tick)) {
        double x = 0;
        if (pixelOf(axes_.x, v, x)) p->drawLine(QLineF(x, y, x, y + kTickLength));
    }
    if (a.numberPlacement != kNumbersAtAxis) return;
    const QFont font = chartFont(a.numberFont);
    const QFontMetrics fm(font);
    p->setFont(font);
    for (double v : chartPositions(a, ChartSpacing::Number)) {
        double x = 0;
        if (!pixelOf(axes_.x, v, x)) continue;
        const QString t = toQ(Format(v));
        const int w = fm.horizontalAdvance(t);
        p->drawText(QRectF(x - w / 2.0 - 1, y + kTickLength + kNumberGap, w + 2, fm.height()), Qt::AlignCenter, t);
    }
}

void ChartAxisPainter::drawYAxis(QCPPainter* p, const QRect& r) {
    const ChartAxisData& a = model_->axis(ChartAxis::Y);
    double x = 0;
    if (!pixelOf(axes_.x, chartOriginValue(model_->axis(ChartAxis::X)), x)) return;
    const QColor fore = chartColour(model_->area.textColour);
    p->setPen(QPen(fore, 1));
    p->drawLine(QLineF(x, r.top(), x, r.bottom()));
    for (double v : chartPositions(a, ChartSpacing::Tick)) {
        double y = 0;
        if (pixelOf(axes_.y, v, y)) p->drawLine(QLineF(x - kTickLength, y, x, y));
    }
    if (!a.title.empty() && a.titleOrientation == kTextHorizontal) {
        const QFont tf = chartFont(a.titleFont);
        const QFontMetrics fm(tf);
        const QString t = toQ(a.title);
        p->setFont(tf);
        p->setPen(chartColour(a.titleColour >= 0 ? a.titleColour : model_->area.textColour));
        const int w = fm.horizontalAdvance(t);
        const double left = std::max(0.0, x - w / 2.0);
        const double bottom = r.top() - kNumberGap - topNumbersHeight(*model_);
        p->drawText(QRectF(left, bottom - fm.height(), w + 2, fm.height()), Qt::AlignLeft, t);
        p->setPen(QPen(fore, 1));
    }
    if (a.numberPlacement != kNumbersAtAxis) return;
    const QFont font = chartFont(a.numberFont);
    const QFontMetrics fm(font);
    p->setFont(font);
    for (double v : chartPositions(a, ChartSpacing::Number)) {
        double y = 0;
        if (!pixelOf(axes_.y, v, y)) continue;
        const QString t = toQ(Format(v));
        const int w = fm.horizontalAdvance(t);
        const double right = x - kTickLength - kNumberGap;
        if (a.numberOrientation == kTextVertical) {
            p->save();
            p->translate(right - fm.height() / 2.0, y);
            p->rotate(-90);
            p->drawText(QRectF(-w / 2.0 - 1, -fm.height() / 2.0, w + 2, fm.height()), Qt::AlignCenter, t);
            p->restore();
        } else {
            p->drawText(QRectF(right - w - 2, y - fm.height() / 2.0, w + 2, fm.height()),
                        Qt::AlignRight | Qt::AlignVCenter, t);
        }
    }
}

void ChartAxisPainter::drawY2Axis(QCPPainter* p, const QRect& r) {
    const ChartAxisData& a = model_->axis(ChartAxis::Y2);
    const double x = r.right();
    p->setPen(QPen(chartColour(model_->area.textColour), 1));
    p->drawLine(QLineF(x, r.top(), x, r.bottom()));
    for (double v : chartPositions(a, ChartSpacing::Tick)) {
        double y = 0;
        if (pixelOf(axes_.y2, v, y)) p->drawLine(QLineF(x, y, x + kTickLength, y));
    }
}

}  // namespace vrn
