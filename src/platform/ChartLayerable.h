// Base of the chart's own drawn elements: a QCustomPlot layerable on a given
// layer that reads the chart's model and layout (both owned by the control).
#pragma once

#include <qcustomplot.h>

#include "platform/ChartLayout.h"

namespace vrn {

class ChartLayerable : public QCPLayerable {
protected:
    ChartLayerable(QCustomPlot* plot, const QString& layer, const ChartModel* model, const ChartLayout* layout,
                   bool antialiased)
        : QCPLayerable(plot, layer), model_(model), layout_(layout), antialiased_(antialiased) {}

    void applyDefaultAntialiasingHint(QCPPainter* painter) const override { painter->setAntialiasing(antialiased_); }

    const ChartModel* model_;
    const ChartLayout* layout_;  // null for elements that do not need it

private:
    bool antialiased_;
};

}  // namespace vrn
