#include "EngineTestSupport.h"

namespace vrn::test {

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

std::vector<double>& curve(int s) {
    switch (s) {
        case 1: return app.cSim_A;
        case 2: return app.cSim_B;
        case 3: return app.cSim_C;
        case 4: return app.cSim_P;
        default: return app.cSim_Q;
    }
}

std::vector<Single>& rateCurve(int s) {
    switch (s) {
        case 1: return app.rSim_A;
        case 2: return app.rSim_B;
        case 3: return app.rSim_C;
        case 4: return app.rSim_P;
        default: return app.rSim_Q;
    }
}

std::vector<Konz> referenceSolution(Integer model, int substeps) {
    const double h = static_cast<double>(app.tEnd) / 200 / substeps;
    Konz c = app.c0;
    std::vector<Konz> out{c};
    auto f = [&](const Konz& y) {
        Konz d{};
        calc_dcdt(model, d, app.k, y);
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
