#include "reactors/ConversionSearch.h"

#include <cmath>

#include "reactors/BatchReactor.h"
#include "reactors/ReactorRules.h"
#include "reactors/RootSearch.h"
#include "shell/AppState.h"

namespace vrn {

namespace {

constexpr double kStartZeit = 5.0;
constexpr int kMaxKlammerSchritte = 200;
constexpr int kMaxVerengung = 200;
constexpr double kRelBreite = 1e-12;
constexpr int kHalbierungJeder = 3;
// The conversion has reached its final value when three doublings in a row
// change it by no more than this share.
constexpr int kFlacheSchritte = 3;
constexpr double kFlach = 1e-9;

struct EngineFailure {
    ReactorStatus status;
};

}  // namespace

ConversionSearchResult searchConversionTime(double c0A, double U, const ReactorAtTime& reactor) {
    ConversionSearchResult r;
    // The conversion minus the wanted one at t.
    auto g = [&](double t) {
        Konz c{};
        const ReactorStatus s = reactor(t, c);
        if (!s.ok) throw EngineFailure{s};
        return (c0A - c[A]) / c0A - U;
    };
    try {
        double lo = kStartZeit, hi = kStartZeit;
        double glo = g(lo), ghi = glo;
        bool bracketed = false;
        int flat = 0;  // doublings in a row that left the conversion as it was
        for (int i = 0; i < kMaxKlammerSchritte && !bracketed && flat < kFlacheSchritte; ++i) {
            if (ghi < 0) {
                lo = hi;
                glo = ghi;
                hi = 2 * hi;
                try {
                    ghi = g(hi);
                } catch (const EngineFailure&) {
                    // Every time the engine could compute stays below the
                    // conversion: it is not reached (for example the enzyme
                    // of model 10, which is set free again in the end).
                    return r;
                }
                bracketed = ghi >= 0;
                const double before = glo + U;
                flat = std::fabs(ghi - glo) <= kFlach * std::fabs(before) ? flat + 1 : 0;
            } else {
                hi = lo;
                ghi = glo;
                lo = lo / 2;
                glo = g(lo);
                bracketed = glo < 0;
            }
        }
        if (!bracketed || !std::isfinite(glo) || !std::isfinite(ghi)) return r;

        // g(lo) < 0 <= g(hi): regula falsi, every third step a bisection.
        RootBracket b{lo, hi, glo, ghi};
        narrowRoot([&](double t, double& gt) { gt = g(t); return true; }, b,
                   RootRule{kMaxVerengung, kRelBreite, kHalbierungJeder});
        lo = b.lo, hi = b.hi, glo = b.flo, ghi = b.fhi;
        r.t = std::fabs(glo) < std::fabs(ghi) ? lo : hi;
        const ReactorStatus s = reactor(r.t, r.c);
        if (!s.ok) throw EngineFailure{s};
        r.outcome = ConversionSearchResult::Found;
    } catch (const EngineFailure& f) {
        r = ConversionSearchResult{};
        r.outcome = ConversionSearchResult::EngineFailed;
        r.status = f.status;
    }
    return r;
}

CalcOutcome batchResult(bool conversionGiven, double& t, double U, ReactorStatus& failure) {
    return batchResult(currentModelInputs(), conversionGiven, t, U, app.cAkt, app.dtSim, failure);
}

CalcOutcome batchResult(const ModelInputs& in, bool conversionGiven, double& t, double U, Konz& out, double& lastStep,
                        ReactorStatus& failure) {
    out = Konz{};
    Konz c{};
    double time = t;
    if (conversionGiven) {
        const ConversionSearchResult r = searchConversionTime(
            in.c0[A], U, [&](double tt, Konz& cc) { return CalcBatchKessel(in, tt, cc, lastStep); });
        if (r.outcome == ConversionSearchResult::NotReached) return CalcOutcome::NotReached;
        failure = r.status;
        if (r.outcome == ConversionSearchResult::EngineFailed) return CalcOutcome::EngineFailed;
        c = r.c;
        time = r.t;
    } else {
        failure = CalcBatchKessel(in, time, c, lastStep);
        if (!failure.ok) return CalcOutcome::EngineFailed;
    }
    bool showable = showableAsSingle(time);
    for (int i = 1; i <= 5; ++i) showable = showable && showableAsSingle(c[static_cast<std::size_t>(i)]);
    if (!showable) {
        failure = ReactorStatus::failure(kBatchFehlerText, kBatchFehlerTitel);
        return CalcOutcome::EngineFailed;
    }
    out = c;
    t = time;
    return CalcOutcome::Done;
}

}  // namespace vrn
