#include "engine/ClosedForms.h"

#include <algorithm>
#include <cmath>

#include "engine/Checked.h"

namespace vrn {

namespace {

using namespace checked;

// 1 − e^(−x), exactly also for small x.
double oneMinusExpNeg(double x) { return finite(-std::expm1(-x)); }

// (1 − e^(−s·t)) / s, which tends to t as s goes to 0: exact for every s ≥ 0
// (also s = 0), where the plain quotient loses every digit as s·t gets small.
double growth(double s, double t) {
    const double z = s * t;
    if (z == 0) return t;
    if (std::fabs(z) < 1e-3 || !std::isfinite(z)) return finite(t * (-std::expm1(-z) / z));
    return div(-std::expm1(-z), s);
}

// Extent of A + B => P, x = A0·B0·(e^z − 1)/(A0·e^z − B0) with z = d·k1·t and
// d = A0 − B0, written as x = B0·u/(1 + u), u = A0·g, g = expm1(z)/d: g
// tends to k1·t as d goes to 0 and keeps every digit on the way (the plain
// form cancels in both E − 1 and A0·E − B0 for nearly equal feeds), and
// d = 0 is the equal-feed curve x = A0²·k1·t/(1 + A0·k1·t) itself. For z > 0
// both sides are divided by e^z, so that nothing overflows before the curve
// ends at x = B0; the other way it ends at x = A0.
double extentAPlusB(double A0, double B0, double k1, double t) {
    const double d = A0 - B0;
    const double z = d == 0 ? 0 : d * k1 * t;
    if (std::isnan(z)) throw RuntimeFault{kUeberlauf};
    double e = 1, u;
    if (z > 0) {
        e = std::exp(-z);
        u = A0 * (-std::expm1(-z) / d);
    } else {
        u = A0 * (z == 0 ? k1 * t : std::expm1(z) / d);
    }
    if (std::isinf(u)) return B0;
    return div(B0 * u, e + u);
}

}  // namespace

// The extent solves the Riccati equation dx/dt = a·x² + b·x + c, x(0) = 0,
// in the form x = 2·c·g / (1 + E − b·g) with s = √(b² − 4·a·c), E = e^(−s·t)
// and g = (1 − E)/s. Unlike the form with the two roots of the quadratic it
// holds a too: at a = k1 − 4·k2 = 0 (or within rounding of it) it is the
// solution of the linear equation, so the model needs no stand-in value for
// a there, and it never forms an exponential that grows with t.
ReversibleExtent ReversibleExtent::riccati(double a, double b, double c) {
    ReversibleExtent e;
    e.b = b;
    e.c = c;
    e.s = sqrt(finite(b * b - 4 * a * c));
    return e;
}

ReversibleExtent ReversibleExtent::riccati(double a, double b, double c, double expanded) {
    const double plain = finite(b * b - 4 * a * c);
    if (plain >= b * b / 2) return riccati(a, b, c);
    ReversibleExtent e;
    e.b = b;
    e.c = c;
    e.s = sqrt(finite(expanded));
    return e;
}

ReversibleExtent ReversibleExtent::model12(double A0, double B0, double P0, double k1, double k2) {
    // The program documents a := 1e-8 where k1 = 4·k2 exactly, which misses
    // the curve by percents when the constants themselves are that small; the
    // form above is exact at any a, so none is put in.
    // With nearly equal feeds and a fast forward step b² and 4·a·c agree in
    // almost all their digits; written out, their difference is
    // k1²·(A0 − B0)² + 4·k1·k2·(2·P0·(A0 + B0) + P0² + 4·A0·B0), a sum of
    // terms of one sign.
    const double d = A0 - B0;
    const double expanded = k1 * k1 * d * d + 4 * k1 * k2 * (2 * P0 * (A0 + B0) + P0 * P0 + 4 * A0 * B0);
    return riccati(k1 - 4 * k2, -k1 * A0 - k1 * B0 - 4 * k2 * P0, k1 * A0 * B0 - k2 * P0 * P0, expanded);
}

ReversibleExtent ReversibleExtent::model17(double A0, double B0, double P0, double k1, double k2) {
    // Roots of x² + p·x + q with p and q divided by k1: k1 = 0 stays a failure.
    if (k1 == 0) throw RuntimeFault{kDivisionDurchNull};
    // b² − 4·a·c written out as for model 12:
    // k1²·(A0 − B0)² + 2·k1·k2·(A0 + B0) + k2² + 4·k1·k2·P0.
    const double d = A0 - B0;
    const double expanded = k1 * k1 * d * d + 2 * k1 * k2 * (A0 + B0) + k2 * k2 + 4 * k1 * k2 * P0;
    return riccati(k1, -k1 * A0 - k1 * B0 - k2, k1 * A0 * B0 - k2 * P0, expanded);
}

OrderNCurve orderNAt(double A0, double k1, double n, double t) {
    for (double v : {A0, k1, n, t}) finite(v);
    OrderNCurve r;
    r.A = A0;
    const double kt = k1 * t;
    if (!(A0 > 0) || kt == 0) return r;
    finite(kt);
    // L = ln(A(t)/A0).
    double L;
    if (n == 1) {
        L = -kt;
    } else if (n > 1) {
        // y = (n − 1)·k1·t·A0^(n−1) >= 0; ln(1 + y) in logarithms where y
        // itself leaves the range of a Double.
        const double m = n - 1;
        const double y = m * kt * std::pow(A0, m);
        double lnOnePlusY;
        if (std::isfinite(y) && y > 0 && y < 1e300) {
            lnOnePlusY = std::log1p(y);
        } else {
            const double ly = std::log(m) + std::log(std::fabs(kt)) + m * std::log(A0);
            if (std::isnan(ly)) throw RuntimeFault{kUeberlauf};
            lnOnePlusY = ly > 0 ? ly + std::log1p(std::exp(-ly)) : std::log1p(std::exp(ly));
            if (kt < 0) throw RuntimeFault{kUngueltigesArgument};
        }
        L = -lnOnePlusY / m;
    } else {
        // A^(1−n) falls linearly and reaches 0 at z = 1: A has run out.
        const double m = 1 - n;
        const double z = m * kt * std::pow(A0, -m);
        if (std::isnan(z)) throw RuntimeFault{kUeberlauf};
        if (z >= 1) {
            r.A = 0;
            r.x = A0;
            return r;
        }
        L = std::log1p(-z) / m;
    }
    finite(L);
    r.A = A0 * std::exp(L);
    r.x = -A0 * std::expm1(L);
    return r;
}

double ReversibleExtent::at(double t) const {
    const double g = growth(s, t);
    const double E = std::exp(-s * t);
    return div(finite(2 * c * g), finite(1 + E - b * g));
}

bool ClosedForm::covers(Integer model) {
    switch (model) {
        case 1: case 2: case 3: case 4: case 5: case 6: case 8: case 11: case 12: case 16: case 17: return true;
        default: return false;
    }
}

namespace {

// Species slots of each closed form as bits 1..5 = A, B, C, P, Q: those of
// the model, and model 5 (the autocatalysis of model 16 without its Q) writes
// Q as model 16 does.
int speciesBits(Integer model) {
    if (!ClosedForm::coversAtOneTime(model)) return 0;
    return modelSpecies(model) | (model == 5 ? 1 << Q : 0);
}

}  // namespace

bool ClosedForm::writes(Integer model, int s) {
    return s >= 1 && s <= 5 && (speciesBits(model) & (1 << s)) != 0;
}

ClosedForm::ClosedForm(Integer model, const Konz& c0, const Konstanten& k, double ordnung)
    : model_(model), mask_(speciesBits(model)), A0_(c0[1]), B0_(c0[2]), C0_(c0[3]), P0_(c0[4]), Q0_(c0[5]), k1_(k[1]), k2_(k[2]),
      n_(ordnung) {
    double scale = 0;
    for (int s = 1; s <= 5; ++s)
        if (modelSpecies(model) & (1 << s)) scale = std::max(scale, std::fabs(c0[static_cast<std::size_t>(s)]));
    residue_ = kRundungsRest * scale;
    if (model == 12) ext_ = ReversibleExtent::model12(A0_, B0_, P0_, k1_, k2_);
    if (model == 17) ext_ = ReversibleExtent::model17(A0_, B0_, P0_, k1_, k2_);
}

void ClosedForm::at(double t, Konz& c) const {
    const double A0 = A0_, B0 = B0_, C0 = C0_, P0 = P0_, Q0 = Q0_, k1 = k1_, k2 = k2_;
    double a = c[1], b = c[2], cc = c[3], p = c[4], q = c[5];
    switch (model_) {
        case 1: {
            const double x = k1 * t;
            a = A0 - x;
            p = P0 + x;
            if (a < 0) {
                a = 0;
                p = A0 + P0;
            }
            break;
        }
        case 2: {
            const double x = oneMinusExpNeg(k1 * t) * A0;
            a = A0 - x;
            p = P0 + x;
            break;
        }
        case 3: {
            const double x = (A0 / 2) * (1 - div(1, 2 * k1 * A0 * t + 1));
            a = A0 - 2 * x;
            p = P0 + x;
            break;
        }
        case 4: {
            // Documented in two forms, x = (1 − 1/(k1·A0·t + 1))·A0 for A0 = B0
            // and x = A0·B0·(1 − E)/(B0 − E·A0), E = e^(t·k1·(A0 − B0)),
            // otherwise; the second loses the curve as the feeds come close
            // and overflows for A0 > B0 long before the curve ends. One form
            // holds both (extentAPlusB).
            const double x = extentAPlusB(A0, B0, k1, t);
            a = A0 - x;
            b = B0 - x;
            p = P0 + x;
            break;
        }
        case 5:
        case 16: {
            // Documented as x = A0·P0·(E − 1)/(E·P0 + A0), E = e^(t·k1·(A0 + P0)),
            // which overflows although x tends to A0; divided by E it needs
            // only e^(−y) for y ≥ 0, and y beyond the range of a Double is
            // the end of the curve (e^(−y) = 0, x = A0). Without product
            // there is no catalyst: nothing reacts, at any time (the form
            // would divide 0 by 0 once e^(−y) underflows).
            double x = 0;
            if (P0 != 0) {
                const double y = t * k1 * (A0 + P0);
                if (std::isnan(y)) throw RuntimeFault{kUeberlauf};
                x = y >= 0 ? div(A0 * P0 * oneMinusExpNeg(y), P0 + A0 * std::exp(-y))
                           : div(A0 * P0 * std::expm1(y), std::exp(y) * P0 + A0);
            }
            a = A0 - x;
            p = P0 + x;
            q = Q0 + x;
            break;
        }
        case 6: {
            // Documented with k2 + 1e-12 in place of k2, so that k1 = k2 does not
            // divide by zero; that shift is no small change for constants near
            // 1e-12. Here (e1 − e2)/(k2 − k1) = e1·(1 − e^(−(k2 − k1)·t))/(k2 − k1)
            // is taken in a form that tends to e1·t as the constants meet, so
            // equal constants give the exact limit k1·A0·t·e^(−k1·t).
            const double d = k2 - k1;
            const double e1 = exp(-k1 * t);
            const double e2 = exp(-k2 * t);
            const double quot = std::fabs(d * t) < 1 ? e1 * growth(d, t) : div(e1 - e2, d);
            a = A0 * e1;
            cc = finite(k1 * A0 * quot) + C0 * e2;
            p = A0 - a - cc + C0 + P0;
            break;
        }
        case 8: {
            const double s = k1 + k2;
            const double x = div((k1 * A0 - k2 * P0) * oneMinusExpNeg(s * t), s);
            a = A0 - x;
            p = P0 + x;
            break;
        }
        case 11: {
            const double s = k1 + k2;
            const double f = oneMinusExpNeg(s * t);
            a = A0 * exp(-s * t);
            p = P0 + div(k1 * A0, s) * f;
            q = Q0 + div(k2 * A0, s) * f;
            break;
        }
        case 12: {
            const double x = ext_.at(t);
            a = A0 - x;
            b = B0 - x;
            p = P0 + 2 * x;
            break;
        }
        case 17: {
            const double x = ext_.at(t);
            a = A0 - x;
            b = B0 - x;
            p = P0 + x;
            break;
        }
        case 20: {
            const OrderNCurve o = orderNAt(A0, k1, n_, t);
            a = o.A;
            p = P0 + o.x;
            break;
        }
        default: return;
    }
    std::array<double, 6> v{0, a, b, cc, p, q};
    for (int s = 1; s <= 5; ++s) {
        if (!(mask_ & (1 << s))) continue;
        double& x = v[static_cast<std::size_t>(s)];
        finite(x);
        // Below 0 by rounding only (a difference such as A0 − x where x
        // rounded above A0) is 0, as the integrated curves write it.
        if (x <= 0 && x >= -residue_) x = 0;
    }
    for (int s = 1; s <= 5; ++s)
        if (mask_ & (1 << s)) c[static_cast<std::size_t>(s)] = v[static_cast<std::size_t>(s)];
}

}  // namespace vrn
