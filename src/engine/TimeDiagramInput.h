// Checks of the time-diagram inputs: every failing line at once.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vrn {

// The line for a t(max) too large to be stored.
inline constexpr const char* kZeitZuGross = "- Zeit-Vorgabe zu groß: t(max) darf höchstens 3.4E+38 sein";

// The check line of a typed number too large for its field, without its line
// end: "- " thema " zu groß: " symbol " darf höchstens " limit " sein", the
// limit 1.7E+308 for a Double or 3.4E+38 for a Single, e.g.
// "- Geschwindigkeitskonstante zu groß: k1 darf höchstens 1.7E+308 sein".
// Every calculation window names such a field so, instead of its other checks
// on the field: the number read from it is 0, which they would report as
// missing or not above 0.
std::string zuGrossZeile(std::string_view thema, std::string_view symbol, bool single = false);

struct TimeDiagramVisibility {
    bool fieldB = false;   // Inp(1) shown
    bool fieldK2 = false;  // Inp(11) shown
    bool fieldK3 = false;  // Inp(12) shown
};

// The fields that hold a number too large for them (NumberField::isTooLarge).
struct TimeDiagramTooLarge {
    std::array<bool, 15> inp{};  // Inp(i) is shown and too large (Inp(14), t(max), a Single; the others Doubles)
    bool s0max = false;          // txtS0max, a Single
};

// The symbol of initial concentration i (1..5) in the check lines: "c(A)(0)",
// for model 10 "c(E)(0)", "c(S)(0)", "c(ES)(0)", "c(P)(0)", "c(Q)(0)".
std::string anfangsSymbol(int model, int i);

// Checks c0, k, tEnd and nOrdnung of the application state for the draw
// button (forList false) or the value-table button (forList true). Returns
// the failing lines, each "- ..." followed by CR LF; empty when all pass.
// A field named in zuGross gets its zuGrossZeile in place of its own checks;
// S(0),max only for the Michaelis-Menten diagram over c(S) (bMMdiagramm set,
// bMMnormiert clear), last.
std::string checkTimeDiagramInputs(bool forList, const TimeDiagramVisibility& shown,
                                   const TimeDiagramTooLarge& zuGross = {});

}  // namespace vrn
