#include "platform/ChartScale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vrn {

namespace {

// Span of the range in the units the spacing counts.
double spanOf(ChartRange r, bool logarithmic) {
    if (logarithmic) return std::log10(r.hi) - std::log10(r.lo);
    return r.hi - r.lo;
}

// 1, 2 or 5 times a power of ten, the smallest such value >= raw; the
// mantissa comes back in mantissa.
double niceStep(double raw, int& mantissa) {
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double r = raw / magnitude;
    if (r <= 1.0 + 1e-9) {
        mantissa = 1;
        return magnitude;
    }
    if (r <= 2.0 + 1e-9) {
        mantissa = 2;
        return 2 * magnitude;
    }
    if (r <= 5.0 + 1e-9) {
        mantissa = 5;
        return 5 * magnitude;
    }
    mantissa = 1;
    return 10 * magnitude;
}

}  // namespace

ChartRange chartDrawnRange(const ChartAxisData& axis) {
    ChartRange r{std::min(axis.min, axis.max), std::max(axis.min, axis.max)};
    if (axis.logarithmic) {
        if (!(r.lo > 0)) r.lo = r.hi > 0 ? r.hi / 10 : 1;  // the setters never let this happen
        if (!(r.hi > 0)) r.hi = 10;
        if (r.hi / r.lo < 1.000001) {
            r.lo /= 10;
            r.hi *= 10;
        }
        return r;
    }
    if (!(r.hi - r.lo > std::fabs(r.hi) * 1e-12) || r.hi == r.lo) {
        const double delta = r.lo == 0 ? 1.0 : std::fabs(r.lo) * 0.1;
        r.lo -= delta;
        r.hi += delta;
    }
    return r;
}

double chartAutoSpacing(ChartRange range, bool logarithmic, ChartSpacing kind) {
    const double span = spanOf(range, logarithmic);
    if (!(span > 0) || !std::isfinite(span)) return 1;
    int mantissa = 1;
    if (logarithmic) {
        const double raw = span / 8;
        return raw <= 1 ? 1.0 : std::ceil(niceStep(raw, mantissa));
    }
    const double step = niceStep(span / 8, mantissa);
    if (kind != ChartSpacing::Tick) return step;
    return step / (mantissa == 2 ? 2 : 5);
}

double chartSteps(ChartRange range, bool logarithmic, double spacing) {
    if (!std::isfinite(spacing) || !(spacing > 0)) return std::numeric_limits<double>::infinity();
    const double steps = spanOf(range, logarithmic) / spacing;
    return std::isfinite(steps) ? steps : std::numeric_limits<double>::infinity();
}

bool chartSpacingAcceptable(ChartRange range, bool logarithmic, double spacing) {
    return chartSteps(range, logarithmic, spacing) <= kChartMaxSteps;
}

double chartSpacingInUse(const ChartAxisData& axis, ChartSpacing kind) {
    const ChartRange r = chartDrawnRange(axis);
    const ChartSpacingData& s = axis.spacing[static_cast<std::size_t>(kind)];
    if (!s.automatic && chartSpacingAcceptable(r, axis.logarithmic, s.value)) return s.value;
    return chartAutoSpacing(r, axis.logarithmic, kind);
}

std::vector<double> chartPositions(ChartRange range, bool logarithmic, double spacing) {
    std::vector<double> out;
    if (!chartSpacingAcceptable(range, logarithmic, spacing)) return out;
    const double lo = logarithmic ? std::log10(range.lo) : range.lo;
    const double hi = logarithmic ? std::log10(range.hi) : range.hi;
    const double kFrom = std::ceil(lo / spacing - 1e-9);
    const double kTo = std::floor(hi / spacing + 1e-9);
    if (!std::isfinite(kFrom) || !std::isfinite(kTo) || kTo - kFrom > kChartMaxSteps + 1) return out;
    for (double k = kFrom; k <= kTo; k += 1) {
        const double v = k * spacing;
        out.push_back(logarithmic ? std::pow(10.0, v) : v);
    }
    return out;
}

std::vector<double> chartPositions(const ChartAxisData& axis, ChartSpacing kind) {
    return chartPositions(chartDrawnRange(axis), axis.logarithmic, chartSpacingInUse(axis, kind));
}

double chartOriginValue(const ChartAxisData& axis) {
    const ChartRange r = chartDrawnRange(axis);
    double v = r.lo;
    switch (axis.originPlacement) {
        case kOriginAtZero: v = axis.logarithmic ? r.lo : 0.0; break;
        case kOriginAtMaximum: v = r.hi; break;
        case kOriginAtValue: v = (axis.logarithmic && !(axis.origin > 0)) ? r.lo : axis.origin; break;
        default: break;
    }
    if (!std::isfinite(v)) v = r.lo;
    return std::clamp(v, r.lo, r.hi);
}

}  // namespace vrn
