// The one bracketed root search of the reactor computations: regula falsi
// with the Illinois rule, for the batch and tubular conversion search and
// the stirred tank's steady states.
#pragma once

#include <functional>

namespace vrn {

// A bracket of a root of f: f(lo) and f(hi) of opposite signs or one of
// them 0, lo < hi. After the search it holds the narrowed bracket with the
// values of f at its ends.
struct RootBracket {
    double lo = 0, hi = 0;
    double flo = 0, fhi = 0;
};

// How far to narrow: at most maxSteps evaluations of f; done when
// hi − lo <= relWidth·max(|lo|, |hi|) or f is exactly 0 at a trial point.
// With bisectEvery = n > 0, every n-th step (the n-th, 2n-th, ...) halves
// the bracket instead of interpolating.
struct RootRule {
    int maxSteps = 400;
    double relWidth = 4e-16;
    int bisectEvery = 0;
};

enum class RootOutcome {
    Narrowed,   // the bracket is as narrow as the rule asks
    Exact,      // f is 0 at lo = hi
    StepsUsed,  // maxSteps evaluations did not narrow it that far
    Failed      // f could not be evaluated (it returned false); the bracket holds the last good ends
};

// Narrows `b` by regula falsi: the trial point interpolates the values of
// the two ends, where the value of an end that the last two steps both kept
// counts half (Illinois); a trial point that does not fall strictly inside
// the bracket is its midpoint. f(x, fx) gives fx = f(x) and returns false
// when it cannot. When f(b.lo) and f(b.hi) have the same sign (neither 0)
// nothing is evaluated and the outcome is Failed. A value of exactly 0 at a
// trial point ends the search with lo = hi at that point.
RootOutcome narrowRoot(const std::function<bool(double x, double& fx)>& f, RootBracket& b, const RootRule& rule);

}  // namespace vrn
