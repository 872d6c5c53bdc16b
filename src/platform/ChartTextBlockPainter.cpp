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

namespace {

// The line broken at blanks into pieces no wider than `width` where the words
// allow it. A piece ends after a word with a comma or semicolon when that
// leaves it at least half the width, so that a formula stays on one line.
QStringList breakLine(const QString& line, const QFontMetrics& fm, int width) {
    if (fm.horizontalAdvance(line) <= width) return {line};
    QStringList out;
    QStringList current;
    int satzende = -1;  // words of `current` up to the last one ending a clause
    for (const QString& word : line.split(' ', Qt::SkipEmptyParts)) {
        while (!current.isEmpty() && fm.horizontalAdvance((QStringList(current) << word).join(' ')) > width) {
            const QString bisSatzende = current.mid(0, satzende).join(' ');
            if (satzende > 0 && fm.horizontalAdvance(bisSatzende) * 2 >= width) {
                out << bisSatzende;
                current = current.mid(satzende);
            } else {
                out << current.join(' ');
                current.clear();
            }
            satzende = -1;
        }
        current << word;
        if (word.endsWith(',') || word.endsWith(';')) satzende = static_cast<int>(current.size());
    }
    out << current.join(' ');
    return out;
}

}  // namespace

ChartTextFit fitChartText(const std::string& text, const QFont& font, int width) {
    ChartTextFit fit{chartTextLines(text), font};
    if (width < 1) return fit;
    const QStringList given = fit.lines;
    for (;;) {
        const QFontMetrics fm(fit.font);
        fit.lines.clear();
        bool fits = true;
        for (const QString& line : given) {
            const QStringList pieces = breakLine(line, fm, width);
            for (const QString& piece : pieces) fits = fits && fm.horizontalAdvance(piece) <= width;
            fit.lines << pieces;
        }
        const int size = fit.font.pixelSize();
        if (fits || size <= 6) return fit;
        fit.font.setPixelSize(size - 1);
    }
}

void drawChartTextBox(QPainter* p, const QRect& outer, const std::string& text, const ChartFont& textFont,
                      Colour textColour, Colour backColour, int border) {
    drawChartTextLines(p, outer, chartTextLines(text), chartFont(textFont), textColour, backColour, border);
}

void drawChartTextLines(QPainter* p, const QRect& outer, const QStringList& lines, const QFont& font,
                        Colour textColour, Colour backColour, int border) {
    if (backColour >= 0) p->fillRect(outer, toQColor(backColour));
    drawChartBorder(p, outer, border, 1, toQColor(textColour));
    const int pad = chartBorderExtent(border, 1);
    const QRect box = outer.adjusted(pad, pad, -pad, -pad);
    const QFontMetrics fm(font);
    const int total = static_cast<int>(lines.size()) * fm.lineSpacing();
    int y = box.top() + (box.height() - total) / 2;
    p->setFont(font);
    p->setPen(toQColor(textColour));
    for (const QString& l : lines) {
        p->drawText(QRect(box.left(), y, box.width(), fm.lineSpacing()), Qt::AlignHCenter | Qt::AlignVCenter, l);
        y += fm.lineSpacing();
    }
}

QSize ChartTextBlockPainter::measure(const ChartTextBlockData& b) {
    ChartTextFit fit;
    return measure(b, 0, fit);
}

QSize ChartTextBlockPainter::measure(const ChartTextBlockData& b, int maxWidth, ChartTextFit& fit) {
    fit = ChartTextFit{};
    if (!b.shown || b.text.empty()) return QSize();
    const int pad = kPadding + chartBorderExtent(b.border, 1);
    fit = fitChartText(b.text, chartFont(b.font), maxWidth < 1 ? 0 : std::max(1, maxWidth - 2 * pad));
    const QSize t = chartTextSize(fit.lines, fit.font);
    return QSize(t.width() + 2 * pad, t.height() + 2 * pad);
}

void ChartTextBlockPainter::draw(QCPPainter* p) {
    const bool header = which_ == ChartTextBlock::Header;
    const QRect box = header ? layout_->header : layout_->footer;
    if (box.isNull()) return;
    const ChartTextBlockData& b = model_->text(which_);
    const ChartTextFit& fit = header ? layout_->headerText : layout_->footerText;
    drawChartTextLines(p, box, fit.lines, fit.font, b.textColour, b.backColour, b.border);
}

}  // namespace vrn
