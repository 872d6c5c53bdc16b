// An independent solution of the enzyme mechanism E + S <=> ES => P + E,
// written here from its rate law for checking stiff runs: implicit Euler
// (stable however fast the binding is) on the two free unknowns S and ES,
// with E = E0 + ES0 - ES and P from the balance of S; the first output
// interval on a geometrically graded grid that resolves the binding; three
// step widths extrapolated to third order (Richardson).
#pragma once

#include <array>
#include <cmath>
#include <vector>

namespace vrn::test {

struct EnzymeCase {
    double E0, S0, k1, k2, k3;
};

// E, S, ES, P (slots 1..4 of Konz order, element 0 unused) at t = j·tEnd/200, j = 0..200.
inline std::vector<std::array<double, 5>> enzymeReference(const EnzymeCase& c, double tEnd) {
    const double Et = c.E0;  // ES0 = 0, P0 = 0
    auto run = [&](int sub) {
        std::vector<std::array<double, 2>> out{{c.S0, 0}};
        double S = c.S0, z = 0;
        const double D = tEnd / 200;
        const double g = std::pow(1e8, 1.0 / (sub - 1));  // last step 1e8 times the first
        const double first = D * (g - 1) / (std::pow(g, sub) - 1);
        for (int j = 0; j < 200; ++j) {
            for (int i = 0; i < sub; ++i) {
                const double h = j == 0 ? first * std::pow(g, i) : D / sub;
                double Sn = S, zn = z;
                for (int it = 0; it < 50; ++it) {  // Newton on Y - Y(old) - h f(Y) = 0
                    const double E = Et - zn;
                    const double fS = -c.k1 * E * Sn + c.k2 * zn, fz = c.k1 * E * Sn - (c.k2 + c.k3) * zn;
                    const double F1 = Sn - S - h * fS, F2 = zn - z - h * fz;
                    const double a11 = 1 + h * c.k1 * E, a12 = -h * (c.k1 * Sn + c.k2);
                    const double a21 = -h * c.k1 * E, a22 = 1 + h * (c.k1 * Sn + c.k2 + c.k3);
                    const double det = a11 * a22 - a12 * a21;
                    const double dS = (F1 * a22 - F2 * a12) / det, dz = (a11 * F2 - a21 * F1) / det;
                    Sn -= dS;
                    zn -= dz;
                    if (std::fabs(dS) + std::fabs(dz) < 1e-15 * (1 + std::fabs(Sn) + std::fabs(zn))) break;
                }
                S = Sn;
                z = zn;
            }
            out.push_back({S, z});
        }
        return out;
    };
    const auto a = run(200), b = run(400), d = run(800);
    std::vector<std::array<double, 5>> ref;
    for (std::size_t j = 0; j <= 200; ++j) {
        std::array<double, 2> x{};
        for (std::size_t q = 0; q < 2; ++q) x[q] = (4 * (2 * d[j][q] - b[j][q]) - (2 * b[j][q] - a[j][q])) / 3;
        ref.push_back({0, Et - x[1], x[0], x[1], c.S0 - x[0] - x[1]});
    }
    return ref;
}

}  // namespace vrn::test
