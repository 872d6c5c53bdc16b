// Draws the header or the footer text block: background, border and the
// lines of text centred in the block.
#pragma once

#include "platform/ChartLayerable.h"

namespace vrn {

class ChartTextBlockPainter : public ChartLayerable {
public:
    ChartTextBlockPainter(QCustomPlot* plot, const ChartModel* model, const ChartLayout* layout,
                          ChartTextBlock which);

    // Size of the block; empty when it is not drawn (hidden or no text).
    static QSize measure(const ChartTextBlockData& block);

protected:
    void draw(QCPPainter* painter) override;

private:
    ChartTextBlock which_;
};

// Draws a box of text (text blocks and labels): background unless
// transparent (-1), border in the text colour, lines centred.
void drawChartTextBox(QPainter* painter, const QRect& box, const std::string& text, const ChartFont& font,
                      Colour textColour, Colour backColour, int border);
// Size of lines of text in a font, without padding.
QSize chartTextSize(const QStringList& lines, const QFont& font);

}  // namespace vrn
