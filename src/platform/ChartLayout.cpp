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

    // The header and footer whole inside the control: a position set by hand
    // is held inside it, and the footer stays clear of the header (below it,
    // else above it, where the control has room).
    const auto inside = [&L](QRect r) {
        r.moveLeft(std::clamp(r.left(), L.inner.left(), std::max(L.inner.left(), L.inner.right() + 1 - r.width())));
        r.moveTop(std::clamp(r.top(), L.inner.top(), std::max(L.inner.top(), L.inner.bottom() + 1 - r.height())));
        return r;
    };
    const auto fixedTop = [&](const ChartTextBlockData& b, QSize sz, int autoTop) {
        return b.autoTop ? autoTop : inside(QRect(QPoint(L.inner.left(), b.top), sz)).top();
    };
    const int headTop = hs.isEmpty() ? 0 : fixedTop(head, hs, L.inner.top() + kGap);
    int footTop = fs.isEmpty() ? 0 : fixedTop(foot, fs, L.inner.bottom() - kGap - fs.height() + 1);
    if (!hs.isEmpty() && !fs.isEmpty() && footTop < headTop + hs.height() + kGap && footTop + fs.height() + kGap > headTop) {
        const int below = headTop + hs.height() + kGap, above = headTop - kGap - fs.height();
        const bool downwards = footTop + fs.height() / 2 >= headTop + hs.height() / 2;
        if (downwards && below + fs.height() <= L.inner.bottom() + 1) footTop = below;
        else if (above >= L.inner.top()) footTop = above;
        else footTop = below;
    }

    if (m.area.automatic) {
        // The chart area fills the control and leaves room for the header and
        // the footer (at the edge their centre is nearer to, also where set
        // by hand) and for an automatically placed legend.
        QRect a = L.inner.adjusted(kGap, kGap, -kGap, -kGap);
        const auto leaveRoom = [&a](int top, int height) {
            if (top + height / 2 < a.center().y()) a.setTop(std::max(a.top(), top + height + kGap));
            else a.setBottom(std::min(a.bottom(), top - kGap - 1));
        };
        if (!hs.isEmpty()) leaveRoom(headTop, hs.height());
        if (!fs.isEmpty()) leaveRoom(footTop, fs.height());
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
        L.header = inside(QRect(QPoint(head.autoLeft ? centredLeft(hs.width()) : head.left, headTop), hs));
    if (!fs.isEmpty())
        L.footer = inside(QRect(QPoint(foot.autoLeft ? centredLeft(fs.width()) : foot.left, footTop), fs));
    if (!ls.isEmpty())
        L.legend = QRect(QPoint(m.legend.autoLeft ? L.chartArea.right() + kGap + 1 : m.legend.left,
                                m.legend.autoTop ? L.chartArea.center().y() - ls.height() / 2 : m.legend.top),
                         ls);
    return L;
}

}  // namespace vrn
