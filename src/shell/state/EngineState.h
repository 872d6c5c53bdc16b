// Shared variables of the kinetics engine and the model windows.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/Types.h"

namespace vrn {

struct EngineState {
    Integer iModell = 0;                 // 1..18, 20
    Single nOrdnung = 0;                 // reaction order of model 20
    std::array<double, 4> k{};           // k(1..3)
    std::array<double, 6> c0{};          // c0(1..5)
    std::array<double, 6> cAkt{};        // current / outlet concentrations
    std::array<Single, 6> c0Daten{};     // start concentrations of the data set
    std::array<std::array<Single, 4>, 6> nu{};  // stoichiometric matrix, species by reaction
    Single tEnd = 0;
    Integer nSimPunkte = 200;
    double dtSim = 0;
    std::string sZeiteinheit;
    bool bEinfacheReaktion = false;
    bool bNumerisch = false;

    // Simulation result, elements 0..nSimPunkte.
    std::vector<double> tSim, cSim_A, cSim_B, cSim_C, cSim_P, cSim_Q;
    std::vector<Single> rSim_A, rSim_B, rSim_C, rSim_P, rSim_Q;

    // Akima spline store: SplX(0) holds the point count n, points from 1.
    std::vector<double> SplX;
    std::vector<std::vector<double>> SplY;  // curve 0..5 by point
    std::vector<std::vector<double>> SplKoeffA, SplKoeffB, SplKoeffC, SplKoeffD;

    // Time-diagram options.
    bool gMitMesspunkten = false;
    bool bDelDiagram = false;
    bool bMMdiagramm = false;
    bool bMMnormiert = false;
    Single S0max = 0;
    Single KMichaelis = 0;
    std::string TabDateiPfad;
};

}  // namespace vrn
