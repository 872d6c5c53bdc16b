#include "platform/ChartLayout.h"

#include <algorithm>

#include "platform/ChartLegend.h"
#include "platform/ChartStyle.h"
#include "platform/ChartTextBlockPainter.h"

namespace vrn {

namespace {
constexpr int kGap = 6;
}

ChartLayout computeChartLayout(const ChartModel& m, QSize size) {
    ChartLayout L;
    L.sheet = QRect(QPoint(0, 0), size);
    const int b = chartBorderExtent(m.sheet.border, m.sheet.borderWidth);
    L.inner = L.sheet.adjusted(b, b, -b, -b);

    const ChartTextBlockData& head = m.text(ChartTextBlock::Header);
    const ChartTextBlockData& foot = m.text(ChartTextBlock::Footer);
    // The room of a block: the inner width less a gap at each side when it is
    // centred, else from its left edge to the inner right edge less a gap.
    const auto room = [&L](const ChartTextBlockData& b) {
        return b.autoLeft ? L.inner.width() - 2 * kGap : L.inner.right() + 1 - kGap - b.left;
    };
    const QSize hs = ChartTextBlockPainter::measure(head, room(head), L.headerText);
    const QSize fs = ChartTextBlockPainter::measure(foot, room(foot), L.footerText);
    if (m.legend.shown) L.legendEntries = ChartLegend::entries(m);
    const QSize ls = L.legendEntries.empty() ? QSize() : ChartLegend::measure(m, L.legendEntries);

    if (m.area.automatic) {
        QRect a = L.inner.adjusted(kGap, kGap, -kGap, -kGap);
        if (!hs.isEmpty() && head.autoTop) a.setTop(L.inner.top() + 2 * kGap + hs.height());
        if (!fs.isEmpty() && foot.autoTop) a.setBottom(L.inner.bottom() - 2 * kGap - fs.height());
        if (!ls.isEmpty() && m.legend.autoLeft) a.setRight(L.inner.right() - 2 * kGap - ls.width());
        if (a.width() < 0) a.setWidth(0);
        if (a.height() < 0) a.setHeight(0);
        L.chartArea = a;
    } else {
        L.chartArea = QRect(m.area.left, m.area.top, m.area.width, m.area.height);
    }

    auto centredLeft = [&](int width) {
        return std::clamp(L.chartArea.center().x() - width / 2, L.inner.left(),
                          std::max(L.inner.left(), L.inner.right() + 1 - kGap - width));
    };
    if (!hs.isEmpty())
        L.header = QRect(QPoint(head.autoLeft ? centredLeft(hs.width()) : head.left,
                                head.autoTop ? L.inner.top() + kGap : head.top),
                         hs);
    if (!fs.isEmpty())
        L.footer = QRect(QPoint(foot.autoLeft ? centredLeft(fs.width()) : foot.left,
                                foot.autoTop ? L.inner.bottom() - kGap - fs.height() + 1 : foot.top),
                         fs);
    if (!ls.isEmpty())
        L.legend = QRect(QPoint(m.legend.autoLeft ? L.chartArea.right() + kGap + 1 : m.legend.left,
                                m.legend.autoTop ? L.chartArea.center().y() - ls.height() / 2 : m.legend.top),
                         ls);
    return L;
}

}  // namespace vrn
