#include "platform/ChartFrames.h"

#include "platform/ChartStyle.h"

namespace vrn {

ChartAreaPainter::ChartAreaPainter(QCustomPlot* plot, const ChartModel* model, const ChartLayout* layout,
                                   const QString& layer)
    : QCPLayerable(plot, layer), model_(model), layout_(layout) {}

void ChartAreaPainter::applyDefaultAntialiasingHint(QCPPainter* painter) const { painter->setAntialiasing(false); }

void ChartAreaPainter::draw(QCPPainter* p) {
    if (layout_->chartArea.width() > 0 && layout_->chartArea.height() > 0)
        p->fillRect(layout_->chartArea, chartColour(model_->area.backColour));
}

ChartBorderPainter::ChartBorderPainter(QCustomPlot* plot, const ChartModel* model, const ChartLayout* layout,
                                       const QString& layer)
    : QCPLayerable(plot, layer), model_(model), layout_(layout) {}

void ChartBorderPainter::applyDefaultAntialiasingHint(QCPPainter* painter) const { painter->setAntialiasing(false); }

void ChartBorderPainter::draw(QCPPainter* p) {
    drawChartBorder(p, layout_->sheet, model_->sheet.border, model_->sheet.borderWidth, QColor(0, 0, 0));
}

}  // namespace vrn
