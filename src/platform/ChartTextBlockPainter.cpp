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
    : ChartLayerable(plot, "legend", model, layout, true), which_(which) {}

QSize chartTextSize(const QStringList& lines, const QFont& font) {
    const QFontMetrics fm(font);
    int w = 0;
    for (const QString& l : lines) w = std::max(w, fm.horizontalAdvance(l));
    return QSize(w, static_cast<int>(lines.size()) * fm.lineSpacing());
}

void drawChartTextBox(QPainter* p, const QRect& outer, const std::string& text, const ChartFont& textFont,
                      Colour textColour, Colour backColour, int border) {
    if (backColour >= 0) p->fillRect(outer, chartColour(backColour));
    drawChartBorder(p, outer, border, 1, chartColour(textColour));
    const int pad = chartBorderExtent(border, 1);
    const QRect box = outer.adjusted(pad, pad, -pad, -pad);
    const QStringList lines = chartTextLines(text);
    const QFont font = chartFont(textFont);
    const QFontMetrics fm(font);
    const int total = static_cast<int>(lines.size()) * fm.lineSpacing();
    int y = box.top() + (box.height() - total) / 2;
    p->setFont(font);
    p->setPen(chartColour(textColour));
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

void ChartTextBlockPainter::draw(QCPPainter* p) {
    const QRect box = which_ == ChartTextBlock::Header ? layout_->header : layout_->footer;
    if (box.isNull()) return;
    const ChartTextBlockData& b = model_->text(which_);
    drawChartTextBox(p, box, b.text, b.font, b.textColour, b.backColour, b.border);
}

}  // namespace vrn
