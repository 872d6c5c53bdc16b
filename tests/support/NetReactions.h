// The rate laws of every model written out for the tests, sharing nothing
// with the program: the net reactions (rate, its gradient by c(1..5), its
// stoichiometric column) as the table of rate laws gives them, in the
// number type of the reference that uses them. The species rates are their
// sums, so that a balance the program keeps exactly (A + C + P in model 15,
// say) is kept to rounding here too.
#pragma once

#include <array>
#include <cmath>
#include <vector>

namespace vrn::test {

template <class T>
struct NetReaction {
    T rate = 0;
    std::array<T, 6> grad{};  // slots 1..5: A, B, C, P, Q (model 10: E, S, ES, P)
    std::array<int, 6> nu{};
};

// The net reactions of model `model` at x, with k1..k3 and the order n of model 20.
template <class T>
std::vector<NetReaction<T>> netReactions(int model, const std::array<double, 3>& k, const std::array<T, 6>& x, T n) {
    const T k1 = k[0], k2 = k[1], k3 = k[2];
    const T A = x[1], B = x[2], C = x[3], P = x[4];
    std::vector<NetReaction<T>> out;
    const auto add = [&](T rate, std::array<T, 6> grad, std::array<int, 6> nu) { out.push_back({rate, grad, nu}); };
    switch (model) {
        case 1:
            if (A > 0) add(k1, {}, {0, -1, 0, 0, 1, 0});
            break;
        case 2: add(k1 * A, {0, k1, 0, 0, 0, 0}, {0, -1, 0, 0, 1, 0}); break;
        case 3: add(k1 * A * A, {0, 2 * k1 * A, 0, 0, 0, 0}, {0, -2, 0, 0, 1, 0}); break;
        case 4: add(k1 * A * B, {0, k1 * B, k1 * A, 0, 0, 0}, {0, -1, -1, 0, 1, 0}); break;
        case 5: add(k1 * A * P, {0, k1 * P, 0, 0, k1 * A, 0}, {0, -1, 0, 0, 1, 0}); break;
        case 6:
            add(k1 * A, {0, k1, 0, 0, 0, 0}, {0, -1, 0, 1, 0, 0});
            add(k2 * C, {0, 0, 0, k2, 0, 0}, {0, 0, 0, -1, 1, 0});
            break;
        case 7:
            add(k1 * A * B, {0, k1 * B, k1 * A, 0, 0, 0}, {0, -1, -1, 1, 0, 0});
            add(k2 * A * C, {0, k2 * C, 0, k2 * A, 0, 0}, {0, -1, 0, -1, 1, 0});
            break;
        case 8: add(k1 * A - k2 * P, {0, k1, 0, 0, -k2, 0}, {0, -1, 0, 0, 1, 0}); break;
        case 9:
            add(k1 * A * B, {0, k1 * B, k1 * A, 0, 0, 0}, {0, -1, -1, 1, 0, 0});
            add(k2 * C, {0, 0, 0, k2, 0, 0}, {0, 0, 0, -1, 1, 0});
            break;
        case 10:  // E + S <=> ES => P + E
            add(k1 * A * B - k2 * C, {0, k1 * B, k1 * A, -k2, 0, 0}, {0, -1, -1, 1, 0, 0});
            add(k3 * C, {0, 0, 0, k3, 0, 0}, {0, 1, 0, -1, 1, 0});
            break;
        case 11:
            add(k1 * A, {0, k1, 0, 0, 0, 0}, {0, -1, 0, 0, 1, 0});
            add(k2 * A, {0, k2, 0, 0, 0, 0}, {0, -1, 0, 0, 0, 1});
            break;
        case 12: add(k1 * A * B - k2 * P * P, {0, k1 * B, k1 * A, 0, -2 * k2 * P, 0}, {0, -1, -1, 0, 2, 0}); break;
        case 13:
            add(k1 * A * B, {0, k1 * B, k1 * A, 0, 0, 0}, {0, -1, -1, 1, 0, 0});
            add(k2 * C - k3 * P, {0, 0, 0, k2, -k3, 0}, {0, 0, 0, -1, 1, 0});
            break;
        case 14:
            add(k1 * A, {0, k1, 0, 0, 0, 0}, {0, -1, 0, 1, 0, 0});
            add(k2 * C - k3 * P, {0, 0, 0, k2, -k3, 0}, {0, 0, 0, -1, 1, 0});
            break;
        case 15:
            add(k1 * A - k2 * C, {0, k1, 0, -k2, 0, 0}, {0, -1, 0, 1, 0, 0});
            add(k3 * C, {0, 0, 0, k3, 0, 0}, {0, 0, 0, -1, 1, 0});
            break;
        case 16: add(k1 * A * P, {0, k1 * P, 0, 0, k1 * A, 0}, {0, -1, 0, 0, 1, 1}); break;
        case 17: add(k1 * A * B - k2 * P, {0, k1 * B, k1 * A, 0, -k2, 0}, {0, -1, -1, 0, 1, 0}); break;
        case 18:
            add(k1 * A * B - k2 * C, {0, k1 * B, k1 * A, -k2, 0, 0}, {0, -1, -1, 1, 0, 0});
            add(k3 * C, {0, 0, 0, k3, 0, 0}, {0, 0, 0, -1, 1, 0});
            break;
        case 20:
            if (A > 0) add(k1 * std::pow(A, n), {0, k1 * n * std::pow(A, n - 1), 0, 0, 0, 0}, {0, -1, 0, 0, 1, 0});
            break;
        default: break;
    }
    return out;
}

// The species slots model `model` uses (bits 1..5).
inline int referenceSpecies(int model) {
    switch (model) {
        case 1: case 2: case 3: case 5: case 8: case 20: return 1 << 1 | 1 << 4;
        case 4: case 12: case 17: return 1 << 1 | 1 << 2 | 1 << 4;
        case 6: case 14: case 15: return 1 << 1 | 1 << 3 | 1 << 4;
        case 11: case 16: return 1 << 1 | 1 << 4 | 1 << 5;
        default: return 1 << 1 | 1 << 2 | 1 << 3 | 1 << 4;
    }
}

}  // namespace vrn::test
