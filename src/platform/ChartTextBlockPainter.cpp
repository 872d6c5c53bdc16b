#include "platform/ChartTextBlockPainter.h"

#include <QFontMetrics>

#include <algorithm>

#include "platform/ChartStyle.h"

namespace vrn {

namespace {
constexpr int kPadding = 4;
}

ChartTextBlockPainter::ChartTextBlockPainter(QCustomPlot* plot, const ChartModel* model,
                                             const ChartLayout* layout, ChartTextBlock which)
    : QCPLayerable(plot, "legend"), model_(model), layout_(layout), which_(which) {}

QSize chartTextSize(const QStringList& lines, const QFont& font) {
    const QFontMetrics fm(font);
    int w = 0;
    for (const QString& l : lines) w = std::max(w, fm.horizontalAdvance(l));
    return QSize(w, static_cast<int>(lines.size()) * fm.lineSpacing());
}

void drawChartTextLines(QPainter* p, const QRect& box, const QStringList& lines, const QFont& font,
                        const QColor& colour) {
    const QFontMetrics fm(font);
    const int total = static_cast<int>(lines.size()) * fm.lineSpacing();
    int y = box.top() + (box.height() - total) / 2;
    p->setFont(font);
    p->setPen(colour);
    for (const QString& l : lines) {
        p->drawText(QRect(box.left(), y, box.width(), fm.lineSpacing()), Qt::AlignHCenter | Qt::AlignVCenter, l);
        y += fm.lineSpacing();
    }
}

QSize ChartTextBlockPainter::measure(const ChartTextBlockData& b) {
    if (!b.shown || b.text.empty()) return QSize();
    const QSize t = chartTextSize(chartTextLines(b.text), chartFont(b.font));
    const int pad = kPadding + chartBorderExtent(b.border, 1);
    return QSize(t.width() + 2 * pad, t.height() + 2 * pad);
}

void ChartTextBlockPainter::applyDefaultAntialiasingHint(QCPPainter* painter) const {
    painter->setAntialiasing(true);
}

void ChartTextBlockPainter::draw(QCPPainter* p) {
    const QRect box = which_ == ChartTextBlock::Header ? layout_->header : layout_->footer;
    if (box.isNull()) return;
    const ChartTextBlockData& b = model_->text(which_);
    if (b.backColour >= 0) p->fillRect(box, chartColour(b.backColour));
    drawChartBorder(p, box, b.border, 1, chartColour(b.textColour));
    const int pad = chartBorderExtent(b.border, 1);
    drawChartTextLines(p, box.adjusted(pad, pad, -pad, -pad), chartTextLines(b.text), chartFont(b.font),
                       chartColour(b.textColour));
}

}  // namespace vrn
