#include "platform/ChartTicker.h"

#include "platform/ChartScale.h"
#include "platform/Paths.h"
#include "base/NumberText.h"

namespace vrn {

void ChartTicker::generate(const QCPRange&, const QLocale&, QChar, int, QVector<double>& ticks,
                           QVector<double>* subTicks, QVector<QString>* tickLabels) {
    ticks.clear();
    if (subTicks) subTicks->clear();
    if (tickLabels) tickLabels->clear();
    for (double v : chartPositions(*axis_, ChartSpacing::Number)) {
        ticks.append(v);
        if (tickLabels) tickLabels->append(toQ(Format(v)));
    }
}

}  // namespace vrn
