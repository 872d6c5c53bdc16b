// Helpers of the engine tests: a clean model set-up and an independent
// reference solution of the rate equations.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/RateLaws.h"
#include "shell/AppState.h"

namespace vrn::test {

// One set of model inputs for table-driven tests.
struct ModelCase {
    Integer model;
    std::array<double, 3> k;
    std::array<double, 5> c0;
    Single tEnd;
    const char* mask = "11111";
    double tol = 2e-6;  // tolerance relative to the largest start concentration
};

// Fresh application state with model `model`, k(1..3), c0(1..5), tEnd and the
// species mask; simulation mode (bAuswertungsart = 0), no smoothing.
void setUpModel(Integer model, std::array<double, 3> k, std::array<double, 5> c0, Single tEnd,
                const std::string& mask = "11111");
void setUpModel(const ModelCase& mc);

// True when species slot s (1..5) belongs to model `model` (model 10: E, S,
// ES, P; the closed forms of models 5 and 16 also write Q).
bool modelHas(Integer model, int s);

// True when every number the simulation leaves in the shared state is finite:
// tSim, cSim_*, rSim_*, cAkt, dtSim, the spline store and Achsenbereich.
bool simulationResultsFinite();

// calc_diagramfunctioncT(model) with a fresh flag; returns the flag.
Integer simulate(Integer model);

// Reference solution of the full rate equations (calc_dcdt) by fixed-step
// classical Runge-Kutta with `substeps` steps per output interval tEnd/200:
// element j holds c(1..5) at t = j·tEnd/200.
std::vector<Konz> referenceSolution(Integer model, int substeps = 400);

}  // namespace vrn::test
