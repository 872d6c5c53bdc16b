// The sample projects and data sets that ship with the program, computed from
// kinetic laws with a fixed-seed measurement scatter, so that they are the same
// on every machine.
//
//   1st_order  A => P, first order, k = 0.0215 1/min, c(A)(0) = 0.05 mol/l,
//              25 points 0..120 min, c(A) and c(P) with 1.5 % scatter, 25 °C.
//   2nd_order  A + B => P (saponification of ethyl acetate), k = 0.11 l/(mol s),
//              c(A)(0) = c(B)(0) = 0.02 mol/l, 16 points 0..1800 s, 1 % scatter,
//              conductivity from 4.96 to 1.82 mS/cm with 0.3 % scatter.
//   kT_Arrhenius  rate constants of a first-order decay at 15..65 °C,
//              A = 4.94E13 1/s, EA = 103 kJ/mol, 3 % scatter.
#pragma once

#include <string>
#include <vector>

namespace vrn::samples {

struct SampleFile {
    std::string name;
    std::vector<std::string> lines;  // UTF-8; written as a program text file
};

std::vector<SampleFile> makeSamples();

// The true parameters, for the tests.
inline constexpr double kFirstOrderK = 0.0215;     // 1/min
inline constexpr double kSecondOrderK = 0.11;      // l/(mol s)
inline constexpr double kArrheniusA = 4.94e13;     // 1/s
inline constexpr double kArrheniusEA = 103000.0;   // J/mol
inline constexpr double kGasConstant = 8.314462618;

}  // namespace vrn::samples
