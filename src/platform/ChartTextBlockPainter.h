// Draws the header or the footer text block: background, border and the
// lines of text centred in the block.
#pragma once

#include <qcustomplot.h>

#include "platform/ChartLayout.h"

namespace vrn {

class ChartTextBlockPainter : public QCPLayerable {
public:
    ChartTextBlockPainter(QCustomPlot* plot, const ChartModel* model, const ChartLayout* layout,
                          ChartTextBlock which);

    // Size of the block; empty when it is not drawn (hidden or no text).
    static QSize measure(const ChartTextBlockData& block);

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    void draw(QCPPainter* painter) override;

private:
    const ChartModel* model_;
    const ChartLayout* layout_;
    ChartTextBlock which_;
};

// Draws lines of text centred in a box (shared by text blocks and labels).
void drawChartTextLines(QPainter* painter, const QRect& box, const QStringList& lines, const QFont& font,
                        const QColor& colour);
// Size of lines of text in a font, without padding.
QSize chartTextSize(const QStringList& lines, const QFont& font);

}  // namespace vrn
