#include <gtest/gtest.h>

#include "reactors/Extents.h"
#include "ReactorTestSupport.h"

using namespace vrn;
using vrn::test::setReactor;

// Extents from hand-made feeds and outlets, model by model.
TEST(Extents, EveryModel) {
    // model, c0, c, ksi1, ksi2
    const std::tuple<Integer, std::array<double, 5>, std::array<double, 5>, double, double> cases[] = {
        {1, {1, 0, 0, 0.1, 0}, {0.6, 0, 0, 0.5, 0}, 0.4, 0},
        {2, {1, 0, 0, 0, 0}, {0.25, 0, 0, 0.75, 0}, 0.75, 0},
        {3, {1, 0, 0, 0, 0}, {0.4, 0, 0, 0.3, 0}, 0.3, 0},  // 2A => P: half the A used
        {4, {1, 2, 0, 0, 0}, {0.3, 1.3, 0, 0.7, 0}, 0.7, 0},
        {5, {1, 0, 0, 0.01, 0}, {0.2, 0, 0, 0.81, 0}, 0.8, 0},
        {6, {1, 0, 0.1, 0, 0}, {0.5, 0, 0.35, 0.25, 0}, 0.5, 0.25},
        // A + B => C; A + C => P: ksi(2) = the P made, also with C in the feed
        {7, {1, 1, 0.2, 0, 0}, {0.3, 0.5, 0.5, 0.2, 0}, 0.5, 0.2},
        {8, {1, 0, 0, 0.5, 0}, {0.6, 0, 0, 0.9, 0}, 0.4, 0},
        {9, {1, 1, 0, 0, 0}, {0.3, 0.3, 0.4, 0.3, 0}, 0.7, 0.3},
        {10, {1, 5, 0, 0, 0}, {0.7, 4.6, 0.3, 0.1, 0}, 0.3, 0.1},
        {11, {1, 0, 0, 0.1, 0.2}, {0.4, 0, 0, 0.55, 0.35}, 0.45, 0.15},
        {12, {1, 1, 0, 0, 0}, {0.6, 0.6, 0, 0.8, 0}, 0.4, 0},
        {13, {1, 1, 0, 0, 0}, {0.2, 0.2, 0.5, 0.3, 0}, 0.8, 0.3},
        {14, {1, 0, 0, 0, 0}, {0.2, 0, 0.5, 0.3, 0}, 0.8, 0.3},
        {15, {1, 0, 0, 0, 0}, {0.3, 0, 0.4, 0.3, 0}, 0.7, 0.3},
        {16, {1, 0, 0, 0.01, 0}, {0.5, 0, 0, 0.51, 0.5}, 0.5, 0},
        {17, {1, 0.5, 0, 0, 0}, {0.8, 0.3, 0, 0.2, 0}, 0.2, 0},
        {18, {1, 1, 0, 0, 0}, {0.3, 0.3, 0.2, 0.5, 0}, 0.7, 0.5},
        {20, {1, 0, 0, 0, 0}, {0.35, 0, 0, 0.65, 0}, 0.65, 0},  // order n: still the A used
    };
    for (const auto& [model, c0, c, ksi1, ksi2] : cases) {
        setReactor(model, {0.1, 0.1, 0.1}, c0, 2.5f);
        for (std::size_t i = 0; i < 5; ++i) app.cAkt[i + 1] = c[i];
        app.ksi = {0, 9, 9, 9};
        calcKsi();
        EXPECT_NEAR(app.ksi[1], ksi1, 1e-12) << "model " << model;
        EXPECT_NEAR(app.ksi[2], ksi2, 1e-12) << "model " << model;
    }
}
