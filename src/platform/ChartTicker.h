// Ticker of a QCustomPlot axis that gives the numbers of a chart axis at its
// number spacing (automatic or given), written in the locale's number form.
// Tick marks and grid lines are drawn elsewhere with their own spacings.
//
// The numbers never touch one another: where neighbours would, on the axis's
// length in pixels, they are written in the exponent form ("2E+06") when that
// is shorter; where they still would, only every 2nd, 5th, 10th, 20th, ...
// multiple of the spacing carries its number (the fewest left out that keeps
// them apart), so that the numbers shown stand at a round spacing too.
#pragma once

#include <QStringList>

#include <qcustomplot.h>

#include <vector>

#include "platform/ChartModel.h"

namespace vrn {

// The numbers of an axis as they are drawn on `length` pixels (all of them,
// in the general form, while the length is not known yet: 0).
struct ChartNumbers {
    std::vector<double> values;
    QStringList texts;
};
ChartNumbers chartNumbers(const ChartAxisData& axis, bool horizontalAxis, double length);

// The exponent form of a number: the mantissa in the general form, "E",
// the exponent with its sign and two digits at least ("2E+06", "1,5E-05");
// "0" for 0.
QString chartExponentForm(double v);

class ChartTicker : public QCPAxisTicker {
public:
    ChartTicker(const ChartAxisData* axis, bool horizontalAxis) : axis_(axis), horizontal_(horizontalAxis) {}

    // The axis's length in pixels, as last laid out.
    double length() const { return length_; }
    void setLength(double pixels) { length_ = pixels; }

    void generate(const QCPRange& range, const QLocale& locale, QChar formatChar, int precision,
                  QVector<double>& ticks, QVector<double>* subTicks, QVector<QString>* tickLabels) override;

private:
    const ChartAxisData* axis_;
    bool horizontal_;
    double length_ = 0;
};

}  // namespace vrn
