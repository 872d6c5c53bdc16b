#include "engine/RateLaws.h"

#include <cmath>

#include "shell/AppState.h"

namespace vrn {

bool calc_dcdt(Integer model, Konz& dcdt, const Konstanten& k, const Konz& c) {
    // Read first, so that the same array may be passed for c and dcdt.
    const double A = c[1], B = c[2], C = c[3], P = c[4];
    const double k1 = k[1], k2 = k[2], k3 = k[3];
    for (int i = 1; i <= 5; ++i) dcdt[static_cast<std::size_t>(i)] = 0;
    double& rA = dcdt[1];
    double& rB = dcdt[2];
    double& rC = dcdt[3];
    double& rP = dcdt[4];
    double& rQ = dcdt[5];

    switch (model) {
        case 1: rA = -k1; rP = -rA; break;
        case 2: rA = -k1 * A; rP = -rA; break;
        case 3: rA = -2 * k1 * A * A; rP = -0.5 * rA; break;
        case 4: rA = -k1 * A * B; rB = rA; rP = -rA; break;
        case 5: rA = -k1 * A * P; rP = -rA; break;
        case 6: rA = -k1 * A; rC = k1 * A - k2 * C; rP = k2 * C; break;
        case 7:
            rA = -k1 * A * B - k2 * A * C;
            rB = -k1 * A * B;
            rC = k1 * A * B - k2 * A * C;
            rP = k2 * A * C;
            break;
        case 8: rA = -k1 * A + k2 * P; rP = -rA; break;
        case 9: rA = -k1 * A * B; rB = rA; rC = k1 * A * B - k2 * C; rP = k2 * C; break;
        case 10:  // E, S, ES, P
            rA = -k1 * A * B + k2 * C + k3 * C;
            rB = -k1 * A * B + k2 * C;
            rC = k1 * A * B - k2 * C - k3 * C;
            rP = k3 * C;
            break;
        case 11: rA = -(k1 + k2) * A; rP = k1 * A; rQ = k2 * A; break;
        case 12: rA = -k1 * A * B + k2 * P * P; rB = rA; rP = 2 * k1 * A * B - 2 * k2 * P * P; break;
        case 13: rA = -k1 * A * B; rB = rA; rC = k1 * A * B - k2 * C + k3 * P; rP = k2 * C - k3 * P; break;
        case 14: rA = -k1 * A; rC = k1 * A - k2 * C + k3 * P; rP = k2 * C - k3 * P; break;
        case 15: rA = -k1 * A + k2 * C; rC = k1 * A - k2 * C - k3 * C; rP = k3 * C; break;
        case 16: rA = -k1 * A * P; rP = -rA; rQ = -rA; break;
        case 17: rA = -k1 * A * B + k2 * P; rB = rA; rP = k1 * A * B - k2 * P; break;
        case 18: rA = -k1 * A * B + k2 * C; rB = rA; rC = k1 * A * B - k2 * C - k3 * C; rP = k3 * C; break;
        case 20:
            if (A > 0) {
                rA = -k1 * std::pow(A, static_cast<double>(app.nOrdnung));
                rP = -rA;
            }
            break;
        default: break;  // 19 and out of range: all rates 0
    }
    for (int i = 1; i <= 5; ++i)
        if (!std::isfinite(dcdt[static_cast<std::size_t>(i)])) return false;
    return true;
}

bool isNumericalModel(Integer model) {
    switch (model) {
        case 7: case 9: case 10: case 13: case 14: case 15: case 18: case 20: return true;
        default: return false;
    }
}

}  // namespace vrn
