#include "engine/RateLaws.h"

#include <cmath>

#include "engine/RateLawOf.h"

namespace vrn {

namespace {

// A number with its derivatives by the concentrations c(1..5), so that the
// Jacobian follows from the rate laws by the rules of differentiation.
struct Dual {
    double v = 0;
    Konz d{};

    Dual() = default;
    explicit Dual(double x) : v(x) {}
};

Dual operator-(Dual a) {
    a.v = -a.v;
    for (double& x : a.d) x = -x;
    return a;
}
Dual operator+(Dual a, const Dual& b) {
    a.v += b.v;
    for (std::size_t i = 0; i < a.d.size(); ++i) a.d[i] += b.d[i];
    return a;
}
Dual operator-(const Dual& a, const Dual& b) { return a + -b; }
Dual operator*(double s, Dual a) {
    a.v *= s;
    for (double& x : a.d) x *= s;
    return a;
}
Dual operator*(const Dual& a, const Dual& b) {
    Dual r(a.v * b.v);
    for (std::size_t i = 0; i < r.d.size(); ++i) r.d[i] = a.d[i] * b.v + a.v * b.d[i];
    return r;
}
Dual pow(const Dual& a, double n) {
    Dual r(std::pow(a.v, n));
    const double slope = n * std::pow(a.v, n - 1);
    for (std::size_t i = 0; i < r.d.size(); ++i) r.d[i] = slope * a.d[i];
    return r;
}

double valueOf(const Dual& x) { return x.v; }

}  // namespace

bool calc_dcdt(Integer model, Konz& dcdt, const Konstanten& k, const Konz& c, double ordnung) {
    if (!withModel(model, [&]<int M>() { rateLawOf<M>(c, dcdt, k, ordnung); }))
        for (int s = 1; s <= 5; ++s) dcdt[static_cast<std::size_t>(s)] = 0;
    for (int s = 1; s <= 5; ++s)
        if (!std::isfinite(dcdt[static_cast<std::size_t>(s)])) return false;
    return true;
}

bool calc_jacobian(Integer model, Jacobi& J, const Konstanten& k, const Konz& c, double ordnung) {
    for (Konz& row : J) row.fill(0);
    if (!isNumericalModel(model)) return true;
    std::array<Dual, 6> x, r;
    for (std::size_t j = 1; j <= 5; ++j) {
        x[j] = Dual(c[j]);
        x[j].d[j] = 1;
    }
    withModel(model, [&]<int M>() { rateLawOf<M>(x, r, k, ordnung); });
    bool finite = true;
    for (std::size_t i = 1; i <= 5; ++i)
        for (std::size_t j = 1; j <= 5; ++j) {
            J[i][j] = r[i].d[j];
            finite = finite && std::isfinite(J[i][j]);
        }
    return finite;
}

}  // namespace vrn
