// A number that carries its derivatives by N unknowns (forward-mode
// differentiation), so that the Jacobian of the rate laws follows from the
// laws themselves (RateLawOf.h) by the rules of differentiation.
#pragma once

#include <array>
#include <cmath>

namespace vrn {

template <int N>
struct Dual {
    double v = 0;
    std::array<double, N> d{};

    Dual() = default;
    explicit Dual(double x) : v(x) {}
};

template <int N>
double valueOf(const Dual<N>& x) {
    return x.v;
}

template <int N>
Dual<N> operator-(Dual<N> a) {
    a.v = -a.v;
    for (double& x : a.d) x = -x;
    return a;
}
template <int N>
Dual<N> operator+(Dual<N> a, const Dual<N>& b) {
    a.v += b.v;
    for (int i = 0; i < N; ++i) a.d[i] += b.d[i];
    return a;
}
template <int N>
Dual<N> operator-(Dual<N> a, const Dual<N>& b) {
    a.v -= b.v;
    for (int i = 0; i < N; ++i) a.d[i] -= b.d[i];
    return a;
}
template <int N>
Dual<N> operator*(double s, Dual<N> a) {
    a.v *= s;
    for (double& x : a.d) x *= s;
    return a;
}
template <int N>
Dual<N> operator*(const Dual<N>& a, const Dual<N>& b) {
    Dual<N> r(a.v * b.v);
    for (int i = 0; i < N; ++i) r.d[i] = a.d[i] * b.v + a.v * b.d[i];
    return r;
}
template <int N>
Dual<N> pow(const Dual<N>& a, double n) {
    Dual<N> r(std::pow(a.v, n));
    const double slope = n * std::pow(a.v, n - 1);
    for (int i = 0; i < N; ++i) r.d[i] = slope * a.d[i];
    return r;
}

}  // namespace vrn
