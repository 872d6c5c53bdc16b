#include "reactors/ConversionSearch.h"

#include <algorithm>
#include <cmath>

#include "base/NumberText.h"
#include "reactors/BatchReactor.h"
#include "reactors/ReactorTexts.h"
#include "reactors/ReactorRules.h"
#include "reactors/RootSearch.h"
#include "shell/AppState.h"
#include "shell/Helpers.h"

namespace vrn {

namespace {

constexpr double kStartZeit = 5.0;
constexpr int kMaxKlammerSchritte = 200;
constexpr int kMaxVerengung = 200;
constexpr double kRelBreite = 1e-12;
constexpr int kHalbierungJeder = 3;
// The conversion has stopped changing when three doublings in a row
// change it by no more than this share.
constexpr int kFlacheSchritte = 3;
constexpr double kFlach = 1e-9;
// Beyond the doublings: the longest time a field shows (the largest
// Single), the first factor of the longer steps over a conversion that has
// stopped changing (squared after every step), the smallest factor a step
// over times the engine cannot compute shrinks to, and the calls allowed.
constexpr double kLaengsteZeit = 3.4028234663852886e38;
constexpr double kWeiterFaktor = 16;
constexpr double kKleinsterFaktor = 1.001;
constexpr int kMaxWeitere = 200;
// Times within a crossing the engine cannot compute that are stepped around.
constexpr int kMaxAusweichen = 10;

struct EngineFailure {
    ReactorStatus status;
};

}  // namespace

ConversionSearchResult searchConversionTime(double c0A, double U, const ReactorAtTime& reactor) {
    ConversionSearchResult r;
    bool versucht = false;  // some time was computed
    // The conversion minus the wanted one at t; the times computed widen the span tried.
    auto g = [&](double t) {
        Konz c{};
        const ReactorStatus s = reactor(t, c);
        if (!s.ok) throw EngineFailure{s};
        r.tVon = versucht ? std::min(r.tVon, t) : t;
        r.tBis = versucht ? std::max(r.tBis, t) : t;
        versucht = true;
        return (c0A - c[A]) / c0A - U;
    };
    auto nichtErreicht = [&r] {
        r.outcome = ConversionSearchResult::NotReached;
        return r;
    };
    ReactorStatus letzterFehler;
    auto berechnet = [&](double t, double& gt) {
        try {
            gt = g(t);
            return true;
        } catch (const EngineFailure& f) {
            letzterFehler = f.status;
            return false;
        }
    };
    // A time within (a, b) that the engine computes: the middle (of the
    // logarithms, when `logarithmisch`), else a quarter or an eighth from
    // either end; false when it computes none of them.
    auto innen = [&](double a, double b, bool logarithmisch, double& t, double& gt) {
        for (double anteil : {0.5, 0.25, 0.75, 0.125, 0.875}) {
            t = logarithmisch ? a * std::pow(b / a, anteil) : a + anteil * (b - a);
            if (t > a && t < b && berechnet(t, gt)) return true;
        }
        return false;
    };
    try {
        double lo = kStartZeit, hi = kStartZeit;
        double glo = g(lo), ghi = glo;
        bool bracketed = false, aufwaerts = false, motorFehler = false;
        int flat = 0;  // doublings in a row that left the conversion as it was
        for (int i = 0; i < kMaxKlammerSchritte && !bracketed && flat < kFlacheSchritte; ++i) {
            if (ghi < 0) {
                aufwaerts = true;
                lo = hi;
                glo = ghi;
                if (2 * hi > kLaengsteZeit) break;
                hi = 2 * hi;
                try {
                    ghi = g(hi);
                } catch (const EngineFailure&) {
                    motorFehler = true;
                    break;
                }
                bracketed = ghi >= 0;
                const double before = glo + U;
                flat = std::fabs(ghi - glo) <= kFlach * std::fabs(before) ? flat + 1 : 0;
            } else {
                aufwaerts = false;
                hi = lo;
                ghi = glo;
                lo = lo / 2;
                glo = g(lo);
                bracketed = glo < 0;
            }
        }
        if (!bracketed && !aufwaerts) return nichtErreicht();
        if (!bracketed) {
            // Every time so far stays below the conversion. Onwards from the
            // last of them: in steps that grow while the conversion does not
            // change (it may not have started yet: a tiny seed of an
            // autocatalysis, a high order), and that shrink, and no longer
            // grow, while the engine cannot compute the time reached (it may
            // fail at some times and not at others). Up to the longest time
            // a field shows.
            if (!motorFehler) lo = hi, glo = ghi;
            double faktor = motorFehler ? std::sqrt(2.0) : kWeiterFaktor;
            bool wachsen = !motorFehler;
            for (int i = 0; i < kMaxWeitere && !bracketed; ++i) {
                if (lo >= kLaengsteZeit) return nichtErreicht();
                const double t = std::min(lo * faktor, kLaengsteZeit);
                double gt = 0;
                try {
                    gt = g(t);
                } catch (const EngineFailure&) {
                    faktor = std::sqrt(faktor);
                    wachsen = false;
                    if (faktor < kKleinsterFaktor) return nichtErreicht();
                    continue;
                }
                if (!std::isfinite(gt)) return nichtErreicht();
                if (gt >= 0) {
                    hi = t, ghi = gt;
                    bracketed = true;
                } else {
                    const bool flach = std::fabs(gt - glo) <= kFlach * std::fabs(glo + U);
                    lo = t, glo = gt;
                    if (wachsen) faktor = flach ? std::min(faktor * faktor, 1e300) : 2.0;
                    wachsen = wachsen && flach;
                }
            }
            if (!bracketed) return nichtErreicht();
            // A bracket wider than a doubling is halved in the logarithm of
            // the time first.
            while (hi > 2 * lo) {
                double mid = 0, gm = 0;
                if (!innen(lo, hi, true, mid, gm)) throw EngineFailure{letzterFehler};
                if (gm >= 0) hi = mid, ghi = gm;
                else lo = mid, glo = gm;
            }
        }
        if (!std::isfinite(glo) || !std::isfinite(ghi)) return nichtErreicht();

        // g(lo) < 0 <= g(hi): regula falsi, every third step a bisection. A
        // time within the bracket that the engine cannot compute is stepped
        // around: another time within it narrows the bracket, and the
        // narrowing goes on from there.
        RootBracket b{lo, hi, glo, ghi};
        for (int ausweichen = 0;; ++ausweichen) {
            const RootOutcome o = narrowRoot(berechnet, b, RootRule{kMaxVerengung, kRelBreite, kHalbierungJeder});
            if (o != RootOutcome::Failed) break;
            double t = 0, gt = 0;
            if (ausweichen >= kMaxAusweichen || !innen(b.lo, b.hi, false, t, gt)) throw EngineFailure{letzterFehler};
            if (gt < 0) b.lo = t, b.flo = gt;
            else b.hi = t, b.fhi = gt;
        }
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
                        ReactorStatus& failure, ZeitSpanne* versucht) {
    out = Konz{};
    Konz c{};
    double time = t;
    if (conversionGiven) {
        const ConversionSearchResult r = searchConversionTime(
            in.c0[A], U, [&](double tt, Konz& cc) { return CalcBatchKessel(in, tt, cc, lastStep); });
        if (r.outcome == ConversionSearchResult::NotReached) {
            if (versucht) *versucht = ZeitSpanne{r.tVon, r.tBis};
            return CalcOutcome::NotReached;
        }
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

std::string zeitNichtGefundenText(const ZeitSpanne& versucht, const std::string& einheit) {
    if (versucht.von == 0 && versucht.bis == 0) return kZeitNichtGefunden;
    auto zahl = [](double x) {
        const std::string s = Str(static_cast<Single>(x));
        return s.substr(s.find_first_not_of(' '));
    };
    const std::string e = rtrim(einheit);
    return "Für den Vorgabe-Umsatz U(A) wurde zwischen t = " + zahl(versucht.von) + " und t = " + zahl(versucht.bis) +
           (e.empty() ? "" : " " + e) + " keine Reaktionszeit gefunden.";
}

}  // namespace vrn
