// Closed-form solutions of the first-order schemes that the program
// integrates numerically, written here from their rate laws to check it.
#pragma once

#include <array>
#include <cmath>

namespace vrn::test {

// c(A), c(C), c(P) at time t.
using ACP = std::array<double, 3>;

// A -> C <=> P (k1; k2 forward, k3 back): A = A0 e^(-k1 t); with the total
// T = A0 + C0 + P0, C' = (k1 - k3) A - (k2 + k3) C + k3 T.
inline ACP consecutiveWithEquilibrium(double t, double A0, double C0, double P0, double k1, double k2, double k3) {
    const double T = A0 + C0 + P0, s = k2 + k3;
    const double alpha = (k1 - k3) * A0 / (s - k1), cInf = k3 * T / s;
    const double A = A0 * std::exp(-k1 * t);
    const double C = cInf + alpha * std::exp(-k1 * t) + (C0 - cInf - alpha) * std::exp(-s * t);
    return {A, C, T - A - C};
}

// A <=> C -> P (k1 forward, k2 back, k3 on to P): A and C are sums of
// e^(l1 t) and e^(l2 t), l1,2 the roots of l^2 + (k1 + k2 + k3) l + k1 k3.
inline ACP preEquilibrium(double t, double A0, double C0, double P0, double k1, double k2, double k3) {
    const double b = k1 + k2 + k3, w = std::sqrt(b * b - 4 * k1 * k3);
    const double l1 = (-b + w) / 2, l2 = (-b - w) / 2;
    auto comb = [&](double y0, double dy0) {
        const double a1 = (dy0 - l2 * y0) / (l1 - l2);
        return a1 * std::exp(l1 * t) + (y0 - a1) * std::exp(l2 * t);
    };
    const double A = comb(A0, -k1 * A0 + k2 * C0), C = comb(C0, k1 * A0 - (k2 + k3) * C0);
    return {A, C, A0 + C0 + P0 - A - C};
}

}  // namespace vrn::test
