#include "EngineTestSupport.h"

#include <algorithm>
#include <cmath>

#include "engine/Simulation.h"

namespace vrn::test {

namespace {

template <typename T>
bool allFinite(const std::vector<T>& v) {
    return std::all_of(v.begin(), v.end(), [](T x) { return std::isfinite(x); });
}

}  // namespace

bool simulationResultsFinite() {
    for (const auto* v : {&app.tSim, &app.cSim_A, &app.cSim_B, &app.cSim_C, &app.cSim_P, &app.cSim_Q, &app.SplX})
        if (!allFinite(*v)) return false;
    for (const auto* v : {&app.rSim_A, &app.rSim_B, &app.rSim_C, &app.rSim_P, &app.rSim_Q})
        if (!allFinite(*v)) return false;
    for (const auto* t : {&app.SplY, &app.SplKoeffA, &app.SplKoeffB, &app.SplKoeffC, &app.SplKoeffD})
        for (const auto& row : *t)
            if (!allFinite(row)) return false;
    for (double c : app.cAkt)
        if (!std::isfinite(c)) return false;
    for (Single a : app.Achsenbereich.v)
        if (!std::isfinite(a)) return false;
    return std::isfinite(app.dtSim);
}

void setUpModel(Integer model, std::array<double, 3> k, std::array<double, 5> c0, Single tEnd,
                const std::string& mask) {
    resetAppState("/prog");
    app.iModell = model;
    for (std::size_t i = 0; i < 3; ++i) app.k[i + 1] = k[i];
    for (std::size_t i = 0; i < 5; ++i) app.c0[i + 1] = c0[i];
    app.tEnd = tEnd;
    app.sSpeziesMaske = mask;
    app.bAuswertungsart = 0;
    app.sngGlaettung = 0;
}

void setUpModel(const ModelCase& mc) { setUpModel(mc.model, mc.k, mc.c0, mc.tEnd, mc.mask); }

bool modelHas(Integer model, int s) {
    int bits = 0b10010;  // A, P
    switch (model) {
        case 4: case 12: case 17: bits = 0b10110; break;
        case 5: case 11: case 16: bits = 0b110010; break;
        case 6: case 14: case 15: bits = 0b11010; break;
        case 7: case 9: case 10: case 13: case 18: bits = 0b11110; break;
        default: break;
    }
    return (bits >> s) & 1;
}

Integer simulate(Integer model) {
    Integer err = 99;
    calc_diagramfunctioncT(model, err);
    return err;
}

std::vector<Konz> referenceSolution(Integer model, int substeps) {
    const double h = static_cast<double>(app.tEnd) / 200 / substeps;
    Konz c = app.c0;
    std::vector<Konz> out{c};
    auto f = [&](const Konz& y) {
        Konz d{};
        calc_dcdt(model, d, app.k, y, static_cast<double>(app.nOrdnung));
        return d;
    };
    auto axpy = [](const Konz& y, double a, const Konz& d) {
        Konz r = y;
        for (std::size_t i = 1; i <= 5; ++i) r[i] += a * d[i];
        return r;
    };
    for (int j = 1; j <= 200; ++j) {
        for (int s = 0; s < substeps; ++s) {
            const Konz k1 = f(c), k2 = f(axpy(c, h / 2, k1)), k3 = f(axpy(c, h / 2, k2)), k4 = f(axpy(c, h, k3));
            for (std::size_t i = 1; i <= 5; ++i) c[i] += h * (k1[i] + 2 * k2[i] + 2 * k3[i] + k4[i]) / 6;
        }
        out.push_back(c);
    }
    return out;
}

}  // namespace vrn::test
