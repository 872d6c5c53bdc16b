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
    // Size of the block with its text fitted into `maxWidth` pixels (the
    // block's whole width, border and padding included; no limit when < 1);
    // the lines and font it is drawn with go to `fit`.
    static QSize measure(const ChartTextBlockData& block, int maxWidth, ChartTextFit& fit);

protected:
    void draw(QCPPainter* painter) override;

private:
    ChartTextBlock which_;
};

// Draws a box of text (text blocks and labels): background unless
// transparent (-1), border in the text colour, lines centred.
void drawChartTextBox(QPainter* painter, const QRect& box, const std::string& text, const ChartFont& font,
                      Colour textColour, Colour backColour, int border);
// Draws lines of text in a font centred in a box, as drawChartTextBox does.
void drawChartTextLines(QPainter* painter, const QRect& box, const QStringList& lines, const QFont& font,
                        Colour textColour, Colour backColour, int border);
// Size of lines of text in a font, without padding.
QSize chartTextSize(const QStringList& lines, const QFont& font);
// The lines of a text fitted into a width (pixels, text only): each line
// wider than it is broken at its blanks; when a word alone is still wider,
// the font is made a pixel smaller at a time (down to 6 pixels) and the text
// broken anew. No limit when the width is < 1.
ChartTextFit fitChartText(const std::string& text, const QFont& font, int width);

}  // namespace vrn
