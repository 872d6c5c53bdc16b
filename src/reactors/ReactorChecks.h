// Input checks of the reactor windows: the check lists shown before anything
// is computed, and the equilibrium limit of a wanted conversion.
#pragma once

#include <array>
#include <string>

#include "base/Zahlbereich.h"
#include "engine/RateLaws.h"

namespace vrn {

// What a reactor window read from its fields (numbers as the leading-number
// reading gives them) and which of its optional fields the model shows.
struct ReactorInput {
    Integer model = 0;
    Integer selection = 0;     // the window's given-quantity index
    Konz c0{};                 // feed c(1..5)
    Konstanten k{};            // k(1..3)
    double U = 0;              // conversion of A
    double t = 0;              // reaction or mean residence time
    double l = 0, v = 0;       // tube length, flow velocity
    double V = 0, VPunkt = 0;  // tank volume, volume flow
    bool fieldB = false;       // Inp(1) shown
    bool fieldK2 = false;      // Inp(11) shown
    bool fieldK3 = false;      // Inp(12) shown
    // Inp(i) is shown and holds a number beyond the range of a Double
    // (1.8E+308, -1.8E+308): it reads as 0 above, and the lists name it as too
    // large or too small instead of checking it. Only the fields a list checks count.
    std::array<Ueberlauf, 17> zuGross{};
    // The model window's order n of model 20 beyond the range of a Single
    // (read as 0): named after the rate constants.
    Ueberlauf ordnung = Ueberlauf::Keiner;
};

// Titles of the refusals.
inline constexpr const char* kBatchTitel = "keine Ausführung möglich";

// The check lists: every failed check as its line ("- ..." except the batch's
// threshold of B) followed by CR LF; empty when every check passes. A field
// out of range gets the line of ueberlaufZeile (base/Zahlbereich.h) in
// place of its own.
// Batch (selection 0 t, 1 U): t > 0 or 0 < U < 1, for models 4, 9, 10, 13, 18
// with U given U·c0(A) < c0(B), then the feed and rate-constant lines.
std::string batchCheckList(const ReactorInput& in);
// Tube (selection 0 t, 1 l, 2 U): v > 0, then the given quantity, then the
// feed and rate-constant lines.
std::string tubeCheckList(const ReactorInput& in);
// Stirred tank (selection 0 U and V, 1 U and V*, 2 V and V*, 3 V and t,
// 4 V* and t): feeds, rate constants, then the given quantities.
std::string tankCheckList(const ReactorInput& in);

// True for the equilibrium models whose conversion has an upper limit (8, 12, 17).
bool hasEquilibriumLimit(Integer model);

// The largest conversion of A the equilibrium of model 8, 12 or 17 allows
// with the feed c0 and K = k1 / k2: for 12 and 17 the root of the
// equilibrium's quadratic that keeps every concentration at or above 0,
// computed without cancellation (model 12 with K near 4 included).
struct EquilibriumLimit {
    bool real = true;   // false: the equilibrium has no real solution (or K is unusable)
    double Umax = 1;
};
EquilibriumLimit equilibriumLimit(Integer model, const Konz& c0, const Konstanten& k);

// The refusal line of a wanted conversion above Umax (three lines, the last
// with Umax in the pattern "0.000#" of the locale; no line end after it).
std::string unreachableConversionText(double Umax);

// The refusal when the equilibrium has no real solution.
inline constexpr const char* kKeinGleichgewichtText =
    "Numerischer Fehler aufgetreten. Überprüfen Sie die Eingabewerte.";

}  // namespace vrn
