#include "engine/RateLaws.h"

#include <cmath>

#include "shell/AppState.h"

namespace vrn {

bool calc_dcdt(Integer model, Konz& dcdt, const Konstanten& k, const Konz& c) {
    // The rates are formed in locals and stored at the end, so that the same
    // array may be passed for c and dcdt; each model reads only its own slots.
    const double k1 = k[1], k2 = k[2], k3 = k[3];
    double rA = 0, rB = 0, rC = 0, rP = 0, rQ = 0;
    switch (model) {
        case 1:
            // Documented as −k1 whatever c(A); once A is used up the reaction
            // has stopped, so the rate is 0 there (as model 20 does it).
            if (c[1] > 0) {
                rA = -k1;
                rP = k1;
            }
            break;
        case 2: rA = -k1 * c[1]; rP = -rA; break;
        case 3: rA = -2 * k1 * c[1] * c[1]; rP = -0.5 * rA; break;
        case 4: rA = -k1 * c[1] * c[2]; rB = rA; rP = -rA; break;
        case 5: rA = -k1 * c[1] * c[4]; rP = -rA; break;
        case 6: {
            const double A = c[1], C = c[3];
            rA = -k1 * A;
            rC = k1 * A - k2 * C;
            rP = k2 * C;
            break;
        }
        case 7: {
            const double A = c[1], B = c[2], C = c[3];
            rA = -k1 * A * B - k2 * A * C;
            rB = -k1 * A * B;
            rC = k1 * A * B - k2 * A * C;
            rP = k2 * A * C;
            break;
        }
        case 8: rA = -k1 * c[1] + k2 * c[4]; rP = -rA; break;
        case 9: {
            const double A = c[1], B = c[2], C = c[3];
            rA = -k1 * A * B;
            rB = rA;
            rC = k1 * A * B - k2 * C;
            rP = k2 * C;
            break;
        }
        case 10: {  // E, S, ES, P
            const double E = c[1], S = c[2], ES = c[3];
            rA = -k1 * E * S + k2 * ES + k3 * ES;
            rB = -k1 * E * S + k2 * ES;
            rC = k1 * E * S - k2 * ES - k3 * ES;
            rP = k3 * ES;
            break;
        }
        case 11: {
            const double A = c[1];
            rA = -(k1 + k2) * A;
            rP = k1 * A;
            rQ = k2 * A;
            break;
        }
        case 12: {
            const double A = c[1], B = c[2], P = c[4];
            rA = -k1 * A * B + k2 * P * P;
            rB = rA;
            rP = 2 * k1 * A * B - 2 * k2 * P * P;
            break;
        }
        case 13: {
            const double A = c[1], B = c[2], C = c[3], P = c[4];
            rA = -k1 * A * B;
            rB = rA;
            rC = k1 * A * B - k2 * C + k3 * P;
            rP = k2 * C - k3 * P;
            break;
        }
        case 14: {
            const double A = c[1], C = c[3], P = c[4];
            rA = -k1 * A;
            rC = k1 * A - k2 * C + k3 * P;
            rP = k2 * C - k3 * P;
            break;
        }
        case 15: {
            const double A = c[1], C = c[3];
            rA = -k1 * A + k2 * C;
            rC = k1 * A - k2 * C - k3 * C;
            rP = k3 * C;
            break;
        }
        case 16: rA = -k1 * c[1] * c[4]; rP = -rA; rQ = -rA; break;
        case 17: {
            const double A = c[1], B = c[2], P = c[4];
            rA = -k1 * A * B + k2 * P;
            rB = rA;
            rP = k1 * A * B - k2 * P;
            break;
        }
        case 18: {
            const double A = c[1], B = c[2], C = c[3];
            rA = -k1 * A * B + k2 * C;
            rB = rA;
            rC = k1 * A * B - k2 * C - k3 * C;
            rP = k3 * C;
            break;
        }
        case 20:
            if (c[1] > 0) {
                rA = -k1 * std::pow(c[1], static_cast<double>(app.nOrdnung));
                rP = -rA;
            }
            break;
        default: break;  // 19 and out of range: all rates 0
    }
    dcdt[1] = rA;
    dcdt[2] = rB;
    dcdt[3] = rC;
    dcdt[4] = rP;
    dcdt[5] = rQ;
    return std::isfinite(rA) && std::isfinite(rB) && std::isfinite(rC) && std::isfinite(rP) && std::isfinite(rQ);
}

bool calc_jacobian(Integer model, Jacobi& J, const Konstanten& k, const Konz& c) {
    for (Konz& row : J) row.fill(0);
    const double k1 = k[1], k2 = k[2], k3 = k[3];
    const double A = c[1], B = c[2], C = c[3];
    // Rows of the species that react by k1·A·B (models 9, 13, 18: A and B alike).
    auto bimolecular = [&](double dC) {
        J[1][1] = J[2][1] = -k1 * B;
        J[1][2] = J[2][2] = -k1 * A;
        J[1][3] = J[2][3] = dC;
        J[3][1] = k1 * B;
        J[3][2] = k1 * A;
    };
    switch (model) {
        case 7:
            J[1][1] = -k1 * B - k2 * C; J[1][2] = -k1 * A; J[1][3] = -k2 * A;
            J[2][1] = -k1 * B;          J[2][2] = -k1 * A;
            J[3][1] = k1 * B - k2 * C;  J[3][2] = k1 * A;  J[3][3] = -k2 * A;
            J[4][1] = k2 * C;                              J[4][3] = k2 * A;
            break;
        case 9:
            bimolecular(0);
            J[3][3] = -k2;
            J[4][3] = k2;
            break;
        case 10:  // E, S, ES, P
            J[1][1] = -k1 * B; J[1][2] = -k1 * A; J[1][3] = k2 + k3;
            J[2][1] = -k1 * B; J[2][2] = -k1 * A; J[2][3] = k2;
            J[3][1] = k1 * B;  J[3][2] = k1 * A;  J[3][3] = -k2 - k3;
            J[4][3] = k3;
            break;
        case 13:
            bimolecular(0);
            J[3][3] = -k2; J[3][4] = k3;
            J[4][3] = k2;  J[4][4] = -k3;
            break;
        case 14:
            J[1][1] = -k1;
            J[3][1] = k1; J[3][3] = -k2; J[3][4] = k3;
            J[4][3] = k2; J[4][4] = -k3;
            break;
        case 15:
            J[1][1] = -k1; J[1][3] = k2;
            J[3][1] = k1;  J[3][3] = -k2 - k3;
            J[4][3] = k3;
            break;
        case 18:
            bimolecular(k2);
            J[3][3] = -k2 - k3;
            J[4][3] = k3;
            break;
        case 20:
            if (A > 0) {
                const double n = static_cast<double>(app.nOrdnung);
                J[1][1] = -k1 * n * std::pow(A, n - 1);
                J[4][1] = -J[1][1];
            }
            break;
        default: break;
    }
    for (const Konz& row : J)
        for (double v : row)
            if (!std::isfinite(v)) return false;
    return true;
}

bool isNumericalModel(Integer model) {
    switch (model) {
        case 7: case 9: case 10: case 13: case 14: case 15: case 18: case 20: return true;
        default: return false;
    }
}

}  // namespace vrn
