#include "engine/RateLaws.h"

#include <cmath>

#include "engine/Dual.h"
#include "engine/RateLawOf.h"

namespace vrn {

bool calc_dcdt(Integer model, Konz& dcdt, const Konstanten& k, const Konz& c, double ordnung) {
    if (!withModel(model, [&]<int M>() { rateLawOf<M>(c, dcdt, k, ordnung); }))
        for (int s = 1; s <= 5; ++s) dcdt[static_cast<std::size_t>(s)] = 0;
    for (int s = 1; s <= 5; ++s)
        if (!std::isfinite(dcdt[static_cast<std::size_t>(s)])) return false;
    return true;
}

bool calc_jacobian(Integer model, Jacobi& J, const Konstanten& k, const Konz& c, double ordnung) {
    for (Konz& row : J) row.fill(0);
    // Derivative j - 1 of each number is the one by c(j).
    std::array<Dual<5>, 6> x, r;
    for (std::size_t j = 1; j <= 5; ++j) {
        x[j] = Dual<5>(c[j]);
        x[j].d[j - 1] = 1;
    }
    if (!withModel(model, [&]<int M>() { rateLawOf<M>(x, r, k, ordnung); })) return true;
    bool finite = true;
    for (std::size_t i = 1; i <= 5; ++i)
        for (std::size_t j = 1; j <= 5; ++j) {
            J[i][j] = r[i].d[j - 1];
            finite = finite && std::isfinite(J[i][j]);
        }
    return finite;
}

double exhaustionTime(double a, double k1, double ordnung) {
    if (!(a > 0)) return 0;
    if (!(k1 > 0) || !(ordnung < 1)) return HUGE_VAL;
    return std::pow(a, 1 - ordnung) / ((1 - ordnung) * k1);
}

}  // namespace vrn
