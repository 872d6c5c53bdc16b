#include "reactors/RootSearch.h"

#include <algorithm>
#include <cmath>

namespace vrn {

RootOutcome narrowRoot(const std::function<bool(double x, double& fx)>& f, RootBracket& b, const RootRule& rule) {
    if (b.flo == 0 || b.fhi == 0) {
        // A root at an end: the bracket shrinks to it.
        if (b.flo == 0) b.hi = b.lo, b.fhi = 0;
        else b.lo = b.hi, b.flo = 0;
        return RootOutcome::Exact;
    }
    if ((b.flo < 0) == (b.fhi < 0)) return RootOutcome::Failed;
    // Work on sign·f, negative at lo and positive at hi.
    const double sign = b.flo < 0 ? 1 : -1;
    double wlo = sign * b.flo, whi = sign * b.fhi;  // the weighted values
    int side = 0;                                   // the end the last step replaced: -1 lo, 1 hi
    const auto wide = [&] { return b.hi - b.lo > rule.relWidth * std::max(std::fabs(b.lo), std::fabs(b.hi)); };
    for (int i = 0; i < rule.maxSteps && wide(); ++i) {
        double x = b.hi - whi * (b.hi - b.lo) / (whi - wlo);
        const bool bisect = rule.bisectEvery > 0 && i % rule.bisectEvery == rule.bisectEvery - 1;
        if (bisect || !(x > b.lo && x < b.hi)) x = b.lo + (b.hi - b.lo) / 2;
        double fx;
        if (!f(x, fx)) return RootOutcome::Failed;
        const double v = sign * fx;
        if (v == 0) {
            b.lo = b.hi = x;
            b.flo = b.fhi = 0;
            return RootOutcome::Exact;
        }
        if (v > 0) {
            b.hi = x;
            b.fhi = fx;
            whi = v;
            if (side == 1) wlo /= 2;
            side = 1;
        } else {
            b.lo = x;
            b.flo = fx;
            wlo = v;
            if (side == -1) whi /= 2;
            side = -1;
        }
    }
    return wide() ? RootOutcome::StepsUsed : RootOutcome::Narrowed;
}

}  // namespace vrn
