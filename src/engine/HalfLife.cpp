#include "engine/HalfLife.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

#include "engine/Checked.h"
#include "engine/ClosedForms.h"
#include "engine/Simulation.h"
#include "engine/TimeStopIntegrator.h"
#include "platform/MsgBox.h"
#include "shell/AppState.h"

namespace vrn {

namespace {

using namespace checked;

constexpr double kLn2 = std::numbers::ln2;
constexpr const char* kKeineKonvergenz = "Die Halbwertszeit konnte nicht bestimmt werden (keine Konvergenz).";

// Which reactant and which equilibrium.
enum class Stoff { A, B };

// The equilibrium is not where half the start value is reached; the message
// has been shown.
struct NichtErreichbar {};

// Constants of the Newton iteration on the extent curve.
struct NewtonKonstanten {
    Single t0;
    double h;
    int limit;
};

// Root of alpha·x² + beta·x + gamma = 0 that keeps every concentration >= 0
// (A0 − x, B0 − x, P0 + nuP·x); nullopt when none does. Throws for a negative
// discriminant.
std::optional<double> physicalRoot(double alpha, double beta, double gamma, double A0, double B0, double P0,
                                   double nuP) {
    double roots[2];
    int count = 0;
    if (alpha == 0) {
        roots[count++] = div(-gamma, beta);
    } else {
        const double w = sqrt(finite(beta * beta - 4 * alpha * gamma));
        // Stable pair: the root away from zero directly, the other by the product.
        const double q = -0.5 * (beta + (beta >= 0 ? w : -w));
        if (q != 0) {
            roots[count++] = div(q, alpha);
            roots[count++] = div(gamma, q);
        } else {
            roots[count++] = 0;
        }
    }
    const double tol = 1e-12 * std::max({1.0, std::fabs(A0), std::fabs(B0), std::fabs(P0)});
    for (int i = 0; i < count; ++i) {
        const double x = roots[i];
        if (A0 - x >= -tol && B0 - x >= -tol && P0 + nuP * x >= -tol) return x;
    }
    return std::nullopt;
}

void zeigeNichtErreichbar(const char* text) {
    MsgBox(text, MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
    throw NichtErreichbar{};
}

// The bracket [lo, hi] (ext(lo) < target <= ext(hi)) halved to its last
// bits; the time in double at which the extent reaches target.
double halve(const ReversibleExtent& ext, double target, double lo, double hi) {
    for (int i = 0; i < 2200; ++i) {
        const double mid = lo + (hi - lo) / 2;
        if (!(mid > lo && mid < hi)) break;
        (ext.at(mid) < target ? lo : hi) = mid;
    }
    if (!(hi > 0)) throw RuntimeFault{kKeineKonvergenz};
    return hi;
}

// The time at which the extent, rising from 0 towards its equilibrium
// beyond target, reaches target: the upper end doubled from 1e-300 until it
// passes, then the bracket halved to its last bits (the time in double).
Single byHalving(const ReversibleExtent& ext, double target) {
    double lo = 0, hi = 1e-300;
    for (int i = 0; ext.at(hi) < target; ++i) {
        if (i > 2100) throw RuntimeFault{kKeineKonvergenz};
        lo = hi;
        hi *= 2;
    }
    return single(halve(ext, target, lo, hi));
}

// The time t that Newton's iteration found to within 1e-6 of itself, to
// the last bit: a bracket of 1e-5 of t around it (widened tenfold while it
// does not hold the half value, within what the iteration has seen), then
// halved; by doubling from 1e-300 where none holds it.
Single polish(const ReversibleExtent& ext, double target, double t, double seenLo, double seenHi) {
    for (double w = 1e-5; w < 0.5; w *= 10) {
        const double lo = std::max(seenLo, t * (1 - w)), hi = std::min(seenHi, t * (1 + w));
        if (lo < hi && ext.at(lo) < target && !(ext.at(hi) < target)) return single(halve(ext, target, lo, hi));
    }
    return byHalving(ext, target);
}

// Half-life of A or B of the reversible models 12 and 17: equilibrium check,
// then the Newton iteration on the extent curve x(t) = c0/2.
Single reversible(const HalbwertszeitLage& lage, int model, Stoff stoff, double cA0, double cB0, double cP0, double k1,
                  double k2) {
    const double K = div(k1, k2);
    std::optional<double> xe;
    if (model == 12) {
        const double A0 = lage.c0[1], B0 = lage.c0[2], P0 = lage.c0[4];
        xe = physicalRoot(K - 4, -(K * A0 + K * B0 + 4 * P0), K * A0 * B0 - P0 * P0, A0, B0, P0, 2);
    } else {
        const double p = -cA0 - cB0 - div(1, K);
        const double q = cA0 * cB0 - div(cP0, K);
        xe = physicalRoot(1, p, q, cA0, cB0, cP0, 1);
    }
    const double c0 = stoff == Stoff::A ? cA0 : cB0;
    if (!xe || c0 / 2 <= c0 - *xe)
        zeigeNichtErreichbar(stoff == Stoff::A
                                 ? "c(A) = c(A)(0)/2 kann bei dieser Gleichgewichtslage nicht erreicht werden"
                                 : "c(B) = c(B)(0)/2 kann bei dieser Gleichgewichtslage nicht erreicht werden");

    const ReversibleExtent ext = model == 12 ? ReversibleExtent::model12(cA0, cB0, cP0, k1, k2)
                                             : ReversibleExtent::model17(cA0, cB0, cP0, k1, k2);
    NewtonKonstanten nk{};
    if (model == 12) nk = stoff == Stoff::A ? NewtonKonstanten{0.5f, 1e-7, 100} : NewtonKonstanten{0.5f, 1e-8, 200};
    else nk = NewtonKonstanten{0.1f, 1e-6, 100};

    // Newton iteration with its constants, safeguarded: the extent rises
    // monotonously from 0 towards the equilibrium, so every evaluation narrows
    // a bracket [lo, hi] around the half-life; a Newton step that fails or
    // leaves the bracket (a fast reaction seen from far to the right) is
    // replaced by halving the bracket, or by doubling t while no upper bound
    // is known. Where plain Newton converges from below, the steps are the same.
    const double target = c0 / 2;
    Single t = nk.t0;
    double delta = 0;
    double lo = 0, hi = std::numeric_limits<double>::infinity();
    for (int counter = 1;; ++counter) {
        t = single(t + delta);
        const double x = ext.at(t);
        if (x < target) lo = std::max(lo, static_cast<double>(t));
        else hi = std::min(hi, static_cast<double>(t));
        const double xh = ext.at(t + nk.h);
        delta = x != xh ? (x - target) * nk.h / (x - xh) : std::numeric_limits<double>::quiet_NaN();
        const double next = t + delta;
        if (!(next > lo && next < hi)) delta = (std::isfinite(hi) ? (lo + hi) / 2 : 2 * std::max<double>(t, lo)) - t;
        if (std::fabs(div(delta, t)) < 1e-6) break;
        // A time in single precision cannot come closer than its own
        // rounding, and steps of nk.h cannot see a curve that rises within
        // less than nk.h: the reachable half value is then found by halving.
        if (counter > nk.limit) return byHalving(ext, target);
    }
    if (!(t > 0)) return byHalving(ext, target);
    // The iteration stops at 1e-6 of the time; the half-life is given to
    // the last bit of a Single.
    return polish(ext, target, t + delta, lo, hi);
}

// Half-life in A + B => P of the reactant that starts at `mine` beside the
// other one at `other` (mine != other, 2·other − mine > 0):
// ln(other/(2·other − mine)) / (k1·(mine − other)), written as
// ln(1 + u)/u / (k1·other) with u = (other − mine)/other. The documented
// form takes the logarithm of a quotient near 1 and divides by the
// difference of the feeds, and loses every digit as they come close; this
// one tends to 1/(k1·other) there. "Ungültiger ..." where the logarithm's
// argument is not positive, as for the documented form.
double halfLifeAB(double mine, double other, double k1) {
    if (other == 0) throw RuntimeFault{kUngueltigesArgument};
    const double u = (other - mine) / other;
    if (!(u > -1)) throw RuntimeFault{std::isnan(u) ? kUeberlauf : kUngueltigesArgument};
    const double ratio = u == 0 ? 1 : finite(std::log1p(u) / u);
    return div(ratio, k1 * other);
}

// A negative time is no half-life.
Single result(double t) {
    const Single v = single(t);
    return v < 0 ? 0.0f : v;
}

Single halbwertszeitA(const HalbwertszeitLage& lage, double cA0, double cB0, double cP0, double k1, double k2) {
    switch (lage.iDiagrammTyp) {
        case 1: case 51: return result(div(cA0 / 2, k1));
        case 2: case 52: case -5: return result(div(kLn2, k1));
        case 3: case 53: case -6: return result(div(1, 2 * k1 * cA0));
        case 4: case 9: case 54: case 59: case -8:
            if (cA0 == cB0) return result(div(div(1, k1), cA0));
            if (2 * cB0 - cA0 <= 0) {
                Beep();
                return 0;
            }
            return result(halfLifeAB(cA0, cB0, k1));
        case 5: case 16: case 55: case 66:
            return result(div(log(div(2 * cP0 + cA0, cP0)), k1 * (cA0 + cP0)));
        case 6: case 56: return result(div(kLn2, lage.k[1]));
        case 8: case 58: {
            const double K = div(k1, k2);
            const double xe = div(K * cA0 - cP0, K + 1);
            if (cA0 / 2 <= cA0 - xe) zeigeNichtErreichbar("c(A)(0)/2 kann bei dieser Gleichgewichtslage nicht erreicht werden");
            return result(div(log(div(k2 * cP0 - k1 * cA0, k2 * cP0 + (k2 - k1) * cA0 / 2)), k1 + k2));
        }
        case 11: case 61: return result(div(kLn2, k1 + k2));
        case 12: case 62: return reversible(lage, 12, Stoff::A, cA0, cB0, cP0, k1, k2);
        case 17: case 67: return reversible(lage, 17, Stoff::A, cA0, cB0, cP0, k1, k2);
        default: return 0;
    }
}

Single halbwertszeitB(const HalbwertszeitLage& lage, double cA0, double cB0, double cP0, double k1, double k2) {
    switch (lage.iDiagrammTyp) {
        case 4: case 9: case 54: case 59: case -8:
            if (cA0 == cB0) return result(div(div(1, k1), cA0));
            if (2 * cA0 - cB0 <= 0) {
                Beep();
                return 0;
            }
            return result(halfLifeAB(cB0, cA0, k1));
        case 12: case 62: return reversible(lage, 12, Stoff::B, cA0, cB0, cP0, k1, k2);
        case 17: case 67: return reversible(lage, 17, Stoff::B, cA0, cB0, cP0, k1, k2);
        default: Beep(); return 0;
    }
}

template <class F>
Single trapped(const char* procedure, F&& f) {
    try {
        return f();
    } catch (const NichtErreichbar&) {
        return -1;
    } catch (const RuntimeFault& fault) {
        showFailure(procedure, fault.text);
        return -1;
    }
}

}  // namespace

double halbwertszeitOrdnungN(double A0, double k1, double n) {
    if (!(A0 > 0 && k1 > 0 && std::isfinite(A0) && std::isfinite(k1) && std::isfinite(n)))
        return std::numeric_limits<double>::infinity();
    const double m = n - 1;
    if (m == 0) return kLn2 / k1;
    // ln of (2^m − 1)/m, which is positive for every m != 0.
    const double x = m * kLn2;
    const double lnQuotient = x > 700 ? x + std::log1p(-std::exp(-x)) - std::log(m) : std::log(std::expm1(x) / m);
    const double L = lnQuotient - std::log(k1) - m * std::log(A0);
    return L > 709 ? std::numeric_limits<double>::infinity() : std::exp(L);
}

Single FuHalbwertszeitSim(const ModelInputs& in, Single tEnd, int stoff) {
    const int s = stoff == 2 ? 2 : 1;
    const IntegratedSlots slots = integratedSlots(in.model);
    // B only where the second integrated slot holds it (S of the enzyme model).
    if (slots.n == 0 || (s == 2 && !(slots.n > 1 && slots.slot[1] == B))) return 0;
    const double c0 = in.c0[static_cast<std::size_t>(s)];
    const double tMax = kurvenEndzeit(tEnd);
    if (!(c0 > 0) || !(tMax > 0)) return 0;
    if (in.model == 20) {
        const double t = halbwertszeitOrdnungN(c0, in.k[1], in.ordnung);
        return t <= tMax ? static_cast<Single>(t) : 0.0f;
    }
    TimeStopIntegrator run(in);
    run.tightenFor(s);
    bool found = false;
    double t = 0;
    if (!run.firstBelow(s, c0 / 2, tMax, found, t)) {
        showFailure(stoff == 2 ? "FuHalbwertszeitB" : "FuHalbwertszeitA", run.failureText());
        return -1;
    }
    return found ? static_cast<Single>(t) : 0.0f;
}

HalbwertszeitLage currentHalbwertszeitLage() { return {app.iDiagrammTyp, app.c0, app.k}; }

Single FuHalbwertszeitA(const HalbwertszeitLage& lage, double cA0, double cB0, double cP0, double k1, double k2) {
    return trapped("FuHalbwertszeitA", [&] { return halbwertszeitA(lage, cA0, cB0, cP0, k1, k2); });
}

Single FuHalbwertszeitB(const HalbwertszeitLage& lage, double cA0, double cB0, double cP0, double k1, double k2) {
    return trapped("FuHalbwertszeitB", [&] { return halbwertszeitB(lage, cA0, cB0, cP0, k1, k2); });
}

Single FuHalbwertszeitA(double cA0, double cB0, double cP0, double k1, double k2) {
    return FuHalbwertszeitA(currentHalbwertszeitLage(), cA0, cB0, cP0, k1, k2);
}

Single FuHalbwertszeitB(double cA0, double cB0, double cP0, double k1, double k2) {
    return FuHalbwertszeitB(currentHalbwertszeitLage(), cA0, cB0, cP0, k1, k2);
}

}  // namespace vrn
