#include "platform/ChartLegend.h"

#include <QFontMetrics>

#include <algorithm>

#include "platform/ChartStyle.h"

namespace vrn {

namespace {
constexpr int kPadding = 5;
constexpr int kSample = 28;      // width of the line sample
constexpr int kTextGap = 6;      // between sample and text
constexpr int kEntryGap = 14;    // between entries side by side
constexpr int kRowGap = 2;       // between stacked entries

const ChartSeriesData& seriesOf(const ChartModel& m, const ChartLegendEntry& e) {
    return m.groups[static_cast<std::size_t>(e.group - 1)].series[static_cast<std::size_t>(e.series - 1)];
}

int rowHeight(const ChartModel& m, const std::vector<ChartLegendEntry>& entries) {
    int h = QFontMetrics(chartFont(m.legend.font)).height();
    for (const ChartLegendEntry& e : entries) h = std::max(h, seriesOf(m, e).style.symbolSize + 2);
    return h;
}

int entryWidth(const QFontMetrics& fm, const ChartLegendEntry& e) {
    return kSample + kTextGap + fm.horizontalAdvance(e.text);
}

}  // namespace

ChartLegend::ChartLegend(QCustomPlot* plot, const ChartModel* model, const ChartLayout* layout)
    : ChartLayerable(plot, "legend", model, layout, true) {}

std::vector<ChartLegendEntry> ChartLegend::entries(const ChartModel& m) {
    std::vector<ChartLegendEntry> out;
    for (int g = 1; g <= kChartGroups; ++g) {
        const ChartGroupData& grp = m.groups[static_cast<std::size_t>(g - 1)];
        const std::size_t n = std::min(grp.series.size(), grp.seriesLabels.size());
        for (std::size_t s = 0; s < n; ++s) {
            const ChartSeriesData& d = grp.series[s];
            if (grp.seriesLabels[s].empty() || d.display != kSeriesShown || d.x.empty()) continue;
            QString text = chartTextLines(grp.seriesLabels[s]).join(' ');
            if (text.trimmed().isEmpty()) continue;
            out.push_back({g, static_cast<int>(s + 1), text});
        }
    }
    return out;
}

QSize ChartLegend::measure(const ChartModel& m, const std::vector<ChartLegendEntry>& entries) {
    if (entries.empty()) return QSize();
    const QFontMetrics fm(chartFont(m.legend.font));
    const int row = rowHeight(m, entries);
    int w = 0, h = 0;
    if (m.legend.orientation == kHorizontal) {
        for (const ChartLegendEntry& e : entries) w += entryWidth(fm, e);
        w += kEntryGap * static_cast<int>(entries.size() - 1);
        h = row;
    } else {
        for (const ChartLegendEntry& e : entries) w = std::max(w, entryWidth(fm, e));
        h = row * static_cast<int>(entries.size()) + kRowGap * static_cast<int>(entries.size() - 1);
    }
    const int pad = kPadding + chartBorderExtent(m.legend.border, 1);
    return QSize(w + 2 * pad, h + 2 * pad);
}

void ChartLegend::draw(QCPPainter* p) {
    const QRect box = layout_->legend;
    if (box.isNull() || layout_->legendEntries.empty()) return;
    const ChartLegendData& lg = model_->legend;
    if (lg.backColour >= 0) p->fillRect(box, toQColor(lg.backColour));
    drawChartBorder(p, box, lg.border, 1, toQColor(lg.textColour));
    const QFont font = chartFont(lg.font);
    const QFontMetrics fm(font);
    const int row = rowHeight(*model_, layout_->legendEntries);
    const int pad = kPadding + chartBorderExtent(lg.border, 1);
    int x = box.left() + pad, y = box.top() + pad;
    for (const ChartLegendEntry& e : layout_->legendEntries) {
        const ChartSeriesStyle& st = seriesOf(*model_, e).style;
        const double mid = y + row / 2.0;
        const QPen linePen = chartLinePen(st.linePattern, st.lineColour, st.lineWidth);
        if (linePen.style() != Qt::NoPen) {
            p->setPen(linePen);
            p->drawLine(QPointF(x, mid), QPointF(x + kSample, mid));
        }
        const QCPScatterStyle symbol = chartScatter(st);
        if (!symbol.isNone()) {
            symbol.applyTo(p, linePen);
            symbol.drawShape(p, x + kSample / 2.0, mid);
        }
        p->setFont(font);
        p->setPen(toQColor(lg.textColour));
        const int tw = fm.horizontalAdvance(e.text);
        p->drawText(QRect(x + kSample + kTextGap, y, tw + 2, row), Qt::AlignLeft | Qt::AlignVCenter, e.text);
        if (lg.orientation == kHorizontal) x += entryWidth(fm, e) + kEntryGap;
        else y += row + kRowGap;
    }
}

}  // namespace vrn
