// The stirred tank over seeded random tanks of every model and every
// selection of given quantities (or only those with the conversion given),
// refusals included: the time of each calculation is taken on its own (the
// shortest of the iterations), and the slowest one is reported (its time in
// the counter slowest_ms, the tank in the label).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "reactors/StirredTank.h"
#include "shell/AppState.h"

namespace {

using namespace vrn;

std::uint64_t splitmix(std::uint64_t& s) {
    std::uint64_t z = (s += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
double uniform(std::uint64_t& s) { return static_cast<double>(splitmix(s) >> 11) * 0x1.0p-53; }
double logUniform(std::uint64_t& s, double lo, double hi) { return lo * std::pow(hi / lo, uniform(s)); }

struct Tank {
    Integer model = 0;
    Integer selection = 0;
    std::array<double, 3> k{};
    std::array<double, 5> c0{};
    Single n = 1;
    double U = 0, V = 0, VPunkt = 0, tau = 0;
};

// Rate constants 1e-3..1e9, feeds of A and B 1e-8..10 (the others 0 or in
// the same range), order 0.3..2.5 for model 20; a residence time from 1e-3
// to 1e8 times the slowest time scale, a conversion 0.01..0.99 or within
// 1e-9..1e-2 of 0 or of 1.
Tank randomTank(Integer model, Integer selection, std::uint64_t& seed) {
    Tank t;
    t.model = model;
    t.selection = selection;
    for (double& k : t.k) k = logUniform(seed, 1e-3, 1e9);
    for (std::size_t i = 0; i < 5; ++i)
        t.c0[i] = (i < 2 || uniform(seed) < 0.4) ? logUniform(seed, 1e-8, 10) : 0;
    t.n = static_cast<Single>(0.3 + 2.2 * uniform(seed));
    double S = 0, slowest = 0;
    for (double c : t.c0) S = std::max(S, c);
    for (double k : t.k) slowest = std::max(slowest, 1 / (k * std::max(1.0, S)));
    const double tau = slowest * logUniform(seed, 1e-3, 1e8);
    const double r = uniform(seed);
    t.U = r < 0.6 ? 0.01 + 0.98 * uniform(seed)
                  : (r < 0.8 ? logUniform(seed, 1e-9, 1e-2) : 1 - logUniform(seed, 1e-9, 1e-2));
    switch (selection) {
        case 0: t.V = 1; break;
        case 1: t.VPunkt = 1; break;
        case 2: t.V = 1, t.VPunkt = 1 / tau; break;
        case 3: t.V = 1, t.tau = tau; break;
        default: t.VPunkt = 1, t.tau = tau; break;
    }
    return t;
}

std::string describe(const Tank& t) {
    char text[400];
    std::snprintf(text, sizeof text,
                  "model %d, selection %d, k = %.6g / %.6g / %.6g, c0 = %.6g %.6g %.6g %.6g %.6g, n = %.3g, "
                  "U = %.9g, V = %.6g, V* = %.6g, tau = %.6g",
                  t.model, t.selection, t.k[0], t.k[1], t.k[2], t.c0[0], t.c0[1], t.c0[2], t.c0[3], t.c0[4],
                  static_cast<double>(t.n), t.U, t.V, t.VPunkt, t.tau);
    return text;
}

// perModelAndSelection tanks of every model for each selection, or (only
// conversionGiven) for selections 0 and 1.
std::vector<Tank> tanks(int perModelAndSelection, bool conversionGiven) {
    std::vector<Tank> out;
    for (Integer model = 1; model <= 20; ++model) {
        if (model == 19) continue;
        for (Integer selection = 0; selection <= (conversionGiven ? 1 : 4); ++selection) {
            std::uint64_t seed = 46000 + 10 * static_cast<std::uint64_t>(model) + static_cast<std::uint64_t>(selection);
            for (int i = 0; i < perModelAndSelection; ++i) out.push_back(randomTank(model, selection, seed));
        }
    }
    return out;
}

void BM_StirredTank_RandomTanks_Slowest(benchmark::State& state) {
    const std::vector<Tank> all = tanks(static_cast<int>(state.range(0)), state.range(1) != 0);
    // Each tank's time is its shortest over the iterations, so that a
    // pause of the machine is not taken for a slow calculation.
    std::vector<double> took(all.size(), HUGE_VAL);
    std::size_t refused = 0;
    for (auto _ : state) {
        refused = 0;
        for (std::size_t i = 0; i < all.size(); ++i) {
            const Tank& t = all[i];
            resetAppState("/tmp");
            app.iModell = t.model;
            app.nOrdnung = t.n;
            for (std::size_t j = 0; j < 3; ++j) app.k[j + 1] = t.k[j];
            for (std::size_t j = 0; j < 5; ++j) app.c0[j + 1] = t.c0[j];
            double U = t.U, V = t.V, VPunkt = t.VPunkt, tau = t.tau;
            Konz c{};
            const auto start = std::chrono::steady_clock::now();
            const RKcontiStatus s = CalcRKconti(t.model, t.selection, U, V, VPunkt, tau, c);
            const double d = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            benchmark::DoNotOptimize(c.data());
            if (!s.ok) ++refused;
            took[i] = std::min(took[i], d);
        }
    }
    const std::size_t slowestAt = static_cast<std::size_t>(std::max_element(took.begin(), took.end()) - took.begin());
    double total = 0;
    for (double d : took) total += d;
    state.counters["tanks"] = static_cast<double>(all.size());
    state.counters["refused"] = static_cast<double>(refused);
    state.counters["mean_us"] = 1e6 * total / static_cast<double>(all.size());
    state.counters["slowest_ms"] = 1e3 * took[slowestAt];
    state.SetLabel("slowest: " + describe(all[slowestAt]));
}
// Arguments: tanks per model and selection; 1 for the conversion given only.
BENCHMARK(BM_StirredTank_RandomTanks_Slowest)
    ->Args({200, 0})
    ->Args({1000, 1})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
