// The rate laws of the kinetic models, written once, as a template over the
// model (so that an integrator can be compiled for one model) and over the
// number type (double for the rates; a number that carries its derivatives
// for the Jacobian). calc_dcdt and calc_jacobian (RateLaws.h) are the
// run-time entries.
#pragma once

#include <array>
#include <cmath>

#include "engine/RateLaws.h"

namespace vrn {

inline double valueOf(double x) { return x; }

// The rates r(1..5) of model M at the concentrations c(1..5) with the rate
// constants k(1..3) and the reaction order n of model 20. Slots the model
// does not use get 0; model 19 and numbers outside 1..20 have no rates. The
// rates are formed in locals and stored at the end, so c and r may be the
// same array. Zero order and order n have no rate where c(A) <= 0: the
// reaction has stopped there (and no power of a non-positive number is formed).
template <int M, class T>
inline void rateLawOf(const std::array<T, 6>& c, std::array<T, 6>& r, const Konstanten& k, double n) {
    const double k1 = k[1], k2 = k[2], k3 = k[3];
    T rA{}, rB{}, rC{}, rP{}, rQ{};
    if constexpr (M == 1) {
        if (valueOf(c[1]) > 0) {
            rA = T(-k1);
            rP = T(k1);
        }
    } else if constexpr (M == 2) {
        rA = -k1 * c[1];
        rP = -rA;
    } else if constexpr (M == 3) {
        rA = -2 * k1 * c[1] * c[1];
        rP = -0.5 * rA;
    } else if constexpr (M == 4) {
        rA = -k1 * c[1] * c[2];
        rB = rA;
        rP = -rA;
    } else if constexpr (M == 5) {
        rA = -k1 * c[1] * c[4];
        rP = -rA;
    } else if constexpr (M == 6) {
        rA = -k1 * c[1];
        rC = k1 * c[1] - k2 * c[3];
        rP = k2 * c[3];
    } else if constexpr (M == 7) {
        const T &A = c[1], &B = c[2], &C = c[3];
        rA = -k1 * A * B - k2 * A * C;
        rB = -k1 * A * B;
        rC = k1 * A * B - k2 * A * C;
        rP = k2 * A * C;
    } else if constexpr (M == 8) {
        rA = -k1 * c[1] + k2 * c[4];
        rP = -rA;
    } else if constexpr (M == 9) {
        const T &A = c[1], &B = c[2], &C = c[3];
        rA = -k1 * A * B;
        rB = rA;
        rC = k1 * A * B - k2 * C;
        rP = k2 * C;
    } else if constexpr (M == 10) {  // E, S, ES, P
        const T &E = c[1], &S = c[2], &ES = c[3];
        rA = -k1 * E * S + k2 * ES + k3 * ES;
        rB = -k1 * E * S + k2 * ES;
        rC = k1 * E * S - k2 * ES - k3 * ES;
        rP = k3 * ES;
    } else if constexpr (M == 11) {
        rA = -(k1 + k2) * c[1];
        rP = k1 * c[1];
        rQ = k2 * c[1];
    } else if constexpr (M == 12) {
        const T &A = c[1], &B = c[2], &P = c[4];
        rA = -k1 * A * B + k2 * P * P;
        rB = rA;
        rP = 2 * k1 * A * B - 2 * k2 * P * P;
    } else if constexpr (M == 13) {
        const T &A = c[1], &B = c[2], &C = c[3], &P = c[4];
        rA = -k1 * A * B;
        rB = rA;
        rC = k1 * A * B - k2 * C + k3 * P;
        rP = k2 * C - k3 * P;
    } else if constexpr (M == 14) {
        const T &A = c[1], &C = c[3], &P = c[4];
        rA = -k1 * A;
        rC = k1 * A - k2 * C + k3 * P;
        rP = k2 * C - k3 * P;
    } else if constexpr (M == 15) {
        const T &A = c[1], &C = c[3];
        rA = -k1 * A + k2 * C;
        rC = k1 * A - k2 * C - k3 * C;
        rP = k3 * C;
    } else if constexpr (M == 16) {
        rA = -k1 * c[1] * c[4];
        rP = -rA;
        rQ = -rA;
    } else if constexpr (M == 17) {
        const T &A = c[1], &B = c[2], &P = c[4];
        rA = -k1 * A * B + k2 * P;
        rB = rA;
        rP = k1 * A * B - k2 * P;
    } else if constexpr (M == 18) {
        const T &A = c[1], &B = c[2], &C = c[3];
        rA = -k1 * A * B + k2 * C;
        rB = rA;
        rC = k1 * A * B - k2 * C - k3 * C;
        rP = k3 * C;
    } else if constexpr (M == 20) {
        if (valueOf(c[1]) > 0) {
            using std::pow;
            rA = -k1 * pow(c[1], n);
            rP = -rA;
        }
    }
    r[1] = rA;
    r[2] = rB;
    r[3] = rC;
    r[4] = rP;
    r[5] = rQ;
}

// Calls f.template operator()<M>() for the model number `model` (1..18, 20);
// returns false for any other number.
template <class F>
inline bool withModel(int model, F&& f) {
    switch (model) {
        case 1: f.template operator()<1>(); return true;
        case 2: f.template operator()<2>(); return true;
        case 3: f.template operator()<3>(); return true;
        case 4: f.template operator()<4>(); return true;
        case 5: f.template operator()<5>(); return true;
        case 6: f.template operator()<6>(); return true;
        case 7: f.template operator()<7>(); return true;
        case 8: f.template operator()<8>(); return true;
        case 9: f.template operator()<9>(); return true;
        case 10: f.template operator()<10>(); return true;
        case 11: f.template operator()<11>(); return true;
        case 12: f.template operator()<12>(); return true;
        case 13: f.template operator()<13>(); return true;
        case 14: f.template operator()<14>(); return true;
        case 15: f.template operator()<15>(); return true;
        case 16: f.template operator()<16>(); return true;
        case 17: f.template operator()<17>(); return true;
        case 18: f.template operator()<18>(); return true;
        case 20: f.template operator()<20>(); return true;
        default: return false;
    }
}

}  // namespace vrn
