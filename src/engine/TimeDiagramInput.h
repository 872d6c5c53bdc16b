// Checks of the time-diagram inputs: every failing line at once.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/Zahlbereich.h"

namespace vrn {

// The line for a t(max) too large: beyond 3.4E+38, so that the 201 times of
// the curve, as Singles, reach it without passing the largest Single.
inline constexpr const char* kZeitZuGross = "- Zeit-Vorgabe zu groß: t(max) darf höchstens 3.4E+38 sein";
inline constexpr float kTEndGrenze = 3.4E+38f;

// A typed number beyond the range of its field gets the line of
// ueberlaufZeile (base/Zahlbereich.h) in every calculation window, instead of
// its other checks on the field: the number read from it is 0, which they
// would report as missing or not above 0.

struct TimeDiagramVisibility {
    bool fieldB = false;   // Inp(1) shown
    bool fieldK2 = false;  // Inp(11) shown
    bool fieldK3 = false;  // Inp(12) shown
};

// The fields that hold a number beyond their range (NumberField::ueberlauf).
struct TimeDiagramTooLarge {
    std::array<Ueberlauf, 15> inp{};       // Inp(i) is shown and out of range (Inp(14), t(max), a Single; the others Doubles)
    Ueberlauf s0max = Ueberlauf::Keiner;   // txtS0max, a Single
    Ueberlauf ordnung = Ueberlauf::Keiner; // the model window's order n, a Single (checked for model 20)
};

// The symbol of initial concentration i (1..5) in the check lines: "c(A)(0)",
// for model 10 "c(E)(0)", "c(S)(0)", "c(ES)(0)", "c(P)(0)", "c(Q)(0)".
std::string anfangsSymbol(int model, int i);

// Checks c0, k, tEnd and nOrdnung of the application state for the draw
// button (forList false) or the value-table button (forList true). Returns
// the failing lines, each "- ..." followed by CR LF; empty when all pass.
// A field named in zuGross gets its ueberlaufZeile in place of its own checks;
// S(0),max only for the Michaelis-Menten diagram over c(S) (bMMdiagramm set,
// bMMnormiert clear), last. A t(max) above kTEndGrenze is named as too large.
std::string checkTimeDiagramInputs(bool forList, const TimeDiagramVisibility& shown,
                                   const TimeDiagramTooLarge& zuGross = {});

}  // namespace vrn
