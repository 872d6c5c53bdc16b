// Where the grid lines, tick marks and numbers of an axis stand. Each of the
// three has its own spacing, either chosen from the range (automatic) or
// given; on a logarithmic axis spacings count decades (1 = every power of ten).
#pragma once

#include <vector>

#include "platform/ChartModel.h"

namespace vrn {

struct ChartRange {
    double lo = 0;
    double hi = 1;
};

// The range an axis is drawn with: its shown bounds in ascending order;
// equal bounds are widened (linear: by a tenth of the value or by 1 at 0;
// logarithmic: by a factor of 10 each way).
ChartRange chartDrawnRange(const ChartAxisData& axis);

// The automatic spacing for a range: numbers and grid at 1, 2 or 5 times a
// power of ten, giving 4 to 8 steps; ticks at a half (for 2) or a fifth
// (for 1 and 5) of that. Logarithmic: whole decades, ticks like numbers.
double chartAutoSpacing(ChartRange range, bool logarithmic, ChartSpacing kind);

// Number of steps a spacing gives over the range (values, or decades on a
// logarithmic axis); infinity for a spacing that is not finite or not > 0.
double chartSteps(ChartRange range, bool logarithmic, double spacing);

// A spacing is accepted when it is finite, > 0 and gives at most 1,000 steps.
bool chartSpacingAcceptable(ChartRange range, bool logarithmic, double spacing);

// The spacing an axis draws with: the automatic one while the flag is on;
// otherwise the given one, or the automatic one when the given one would now
// give more than 1,000 steps (the range grew after it was set).
double chartSpacingInUse(const ChartAxisData& axis, ChartSpacing kind);

// The positions: every multiple of the spacing inside the range, bounds
// included (linear k * spacing; logarithmic 10^(k * spacing)). Empty for a
// spacing that is not accepted.
std::vector<double> chartPositions(ChartRange range, bool logarithmic, double spacing);
std::vector<double> chartPositions(const ChartAxisData& axis, ChartSpacing kind);

// The value on the axis at which the other axis crosses it, by the origin
// placement code: 1 at 0 (the minimum on a logarithmic axis), 2 at the
// minimum, 3 at the maximum, 4 at the given origin value; always inside the
// drawn range.
double chartOriginValue(const ChartAxisData& axis);

}  // namespace vrn
