#include "engine/ClosedForms.h"

#include <cmath>

#include "engine/Checked.h"

namespace vrn {

namespace {

using namespace checked;

// Roots r1 >= r2 of x² − 2·mid·x + prod = 0 given mid and the half distance
// w >= 0; the root away from zero is formed directly and the other from the
// product of the roots, so that neither loses digits by cancellation.
void stableRoots(double mid, double w, double prod, double& r1, double& r2) {
    if (mid > 0) {
        r1 = finite(mid + w);
        r2 = r1 != 0 ? div(prod, r1) : finite(mid - w);
    } else if (mid < 0) {
        r2 = finite(mid - w);
        r1 = r2 != 0 ? div(prod, r2) : finite(mid + w);
    } else {
        r1 = w;
        r2 = -w;
    }
}

// 1 − e^(−x), exactly also for small x.
double oneMinusExpNeg(double x) { return finite(-std::expm1(-x)); }

}  // namespace

ReversibleExtent ReversibleExtent::model12(double A0, double B0, double P0, double k1, double k2) {
    double a = k1 - 4 * k2;
    if (a == 0) a = 1e-8;
    const double b = -k1 * A0 - k1 * B0 - 4 * k2 * P0;
    const double c = k1 * A0 * B0 - k2 * P0 * P0;
    const double mid = div(-b, 2 * a);
    const double w = sqrt(finite(div(b * b, 4 * a * a) - div(c, a)));
    ReversibleExtent e;
    stableRoots(mid, w, div(c, a), e.r1, e.r2);
    e.lambda = finite(a * (e.r1 - e.r2));
    return e;
}

ReversibleExtent ReversibleExtent::model17(double A0, double B0, double P0, double k1, double k2) {
    const double p = div(-k1 * A0 - k1 * B0 - k2, k1);
    const double q = div(k1 * A0 * B0 - k2 * P0, k1);
    const double w = sqrt(finite(p * p / 4 - q));
    ReversibleExtent e;
    stableRoots(-p / 2, w, q, e.r1, e.r2);
    e.lambda = finite(k1 * (e.r1 - e.r2));
    return e;
}

double ReversibleExtent::at(double t) const {
    const double x = finite(lambda * t);
    if (x >= 0) {
        const double e = std::exp(-x);
        return div(r1 * r2 * oneMinusExpNeg(x), r1 - r2 * e);
    }
    // The same curve written with e^(lambda·t) < 1, so that no exponential
    // overflows when the curve approaches its limit from the other side.
    const double E = std::exp(x);
    return div(r1 * r2 * std::expm1(x), r1 * E - r2);
}

bool ClosedForm::covers(Integer model) {
    switch (model) {
        case 1: case 2: case 3: case 4: case 5: case 6: case 8: case 11: case 12: case 16: case 17: return true;
        default: return false;
    }
}

namespace {

// Species slots of each closed form as bits 1..5 = A, B, C, P, Q.
int speciesBits(Integer model) {
    constexpr int AP = (1 << A) | (1 << P);
    switch (model) {
        case 1: case 2: case 3: case 8: return AP;
        case 4: case 12: case 17: return AP | (1 << B);
        case 5: case 11: case 16: return AP | (1 << Q);
        case 6: return AP | (1 << C);
        default: return 0;
    }
}

}  // namespace

bool ClosedForm::writes(Integer model, int s) {
    return s >= 1 && s <= 5 && (speciesBits(model) & (1 << s)) != 0;
}

ClosedForm::ClosedForm(Integer model, const Konz& c0, const Konstanten& k)
    : model_(model), mask_(speciesBits(model)), A0_(c0[1]), B0_(c0[2]), C0_(c0[3]), P0_(c0[4]), Q0_(c0[5]), k1_(k[1]), k2_(k[2]) {
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
            double x;
            if (A0 == B0) {
                x = (1 - div(1, k1 * A0 * t + 1)) * A0;
            } else {
                const double E = exp(t * k1 * (A0 - B0));
                x = div(A0 * B0 * (1 - E), B0 - E * A0);
            }
            a = A0 - x;
            b = B0 - x;
            p = P0 + x;
            break;
        }
        case 5:
        case 16: {
            const double E = exp(t * k1 * (A0 + P0));
            const double x = div(A0 * P0 * (E - 1), E * P0 + A0);
            a = A0 - x;
            p = P0 + x;
            q = Q0 + x;
            break;
        }
        case 6: {
            const double k2s = k2 + 1e-12;
            const double d = k2s - k1;
            const double e1 = exp(-k1 * t);
            const double e2 = exp(-k2s * t);
            // e1 − e2 without cancellation when the two constants are close.
            const double diff = std::fabs(d * t) < 1 ? e1 * oneMinusExpNeg(d * t) : e1 - e2;
            a = A0 * e1;
            cc = finite(div(k1 * A0, d) * diff) + C0 * e2;
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
        default: return;
    }
    const std::array<double, 6> v{0, a, b, cc, p, q};
    for (int s = 1; s <= 5; ++s)
        if (mask_ & (1 << s)) finite(v[static_cast<std::size_t>(s)]);
    for (int s = 1; s <= 5; ++s)
        if (mask_ & (1 << s)) c[static_cast<std::size_t>(s)] = v[static_cast<std::size_t>(s)];
}

}  // namespace vrn
