// Ticker of a QCustomPlot axis that gives the numbers of a chart axis at its
// number spacing (automatic or given), written in the locale's number form.
// Tick marks and grid lines are drawn elsewhere with their own spacings.
#pragma once

#include <qcustomplot.h>

#include "platform/ChartModel.h"

namespace vrn {

class ChartTicker : public QCPAxisTicker {
public:
    explicit ChartTicker(const ChartAxisData* axis) : axis_(axis) {}

    void generate(const QCPRange& range, const QLocale& locale, QChar formatChar, int precision,
                  QVector<double>& ticks, QVector<double>* subTicks, QVector<QString>* tickLabels) override;

private:
    const ChartAxisData* axis_;
};

}  // namespace vrn
