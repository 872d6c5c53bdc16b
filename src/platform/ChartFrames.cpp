#include "platform/ChartFrames.h"

#include "platform/ChartStyle.h"

namespace vrn {

void ChartAreaPainter::draw(QCPPainter* p) {
    if (layout_->chartArea.width() > 0 && layout_->chartArea.height() > 0)
        p->fillRect(layout_->chartArea, toQColor(model_->area.backColour));
}

void ChartBorderPainter::draw(QCPPainter* p) {
    drawChartBorder(p, layout_->sheet, model_->sheet.border, model_->sheet.borderWidth, QColor(0, 0, 0));
}

}  // namespace vrn
