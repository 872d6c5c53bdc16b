// Input checks of the reactor windows: the check lists shown before anything
// is computed, and the equilibrium limit of a wanted conversion.
#pragma once

#include <array>
#include <string>

#include "base/Zahlbereich.h"
#include "engine/RateLaws.h"

namespace vrn {

// The three reactor windows, whose check lines differ.
enum class ReaktorFenster { Batch, Rohr, Kessel };

// The field Inp(index) of a reactor window for the model, as the checked
// reading (base/Zahlbereich.h) takes it, with the window's own line for a
// value outside its range: every field a Double; the feed c(A)(0) above 0
// (for 0 or empty "- noch keine Eingabe einer Anfangskonzentration c(A)(0)",
// the tank "- Eingangskonzentration für Stoff A angeben!"), c(B)(0) or
// c(S)(0) above 0 where the window checks it (fieldB: the batch and the tube
// when its field is shown; the tank for models 4, 7, 9, 10, 12, 13, 18), the
// catalyst c(P)(0) of models 5 and 16 above 0, every other feed at least 0
// (empty: 0); k1..k3 above 0; U(A) between 0 and 1; the given time, length,
// velocity, volume and flow above 0. Symbols as the window shows them
// ("c(S)(0)" for model 10).
Zahlfeld reaktorFeld(ReaktorFenster fenster, int index, Integer model, bool fieldB = true);

// What a reactor window read from its fields and which of its optional
// fields the model shows.
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
    // The line of the checked reading for a field Inp(i) it refused (its
    // value above is then not the text's); empty for a field it took. The
    // lists name it in place of the field's own check; only the fields a
    // list checks count.
    std::array<std::string, 17> gelesen{};
    // The model window's order n of model 20 as read (its line when
    // refused): named after the rate constants.
    std::string ordnung;
};

// Titles of the refusals.
inline constexpr const char* kBatchTitel = "keine Ausführung möglich";

// The check lists: every failed check as its line ("- ..." except the batch's
// threshold of B) followed by CR LF; empty when every check passes. A field
// the reading refused gets its line in place of its own; the others are
// checked in their range (reaktorFeld, pruefeBereich), so that 0 gets the
// window's own line and a negative number the line of the range.
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
