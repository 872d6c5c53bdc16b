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

struct TimeDiagramVisibility {
    bool fieldB = false;   // Inp(1) shown
    bool fieldK2 = false;  // Inp(11) shown
    bool fieldK3 = false;  // Inp(12) shown
};

// What the checked reading (base/Zahlbereich.h) said of the window's fields:
// the line of a field it refused, in place of the field's checks below;
// empty for a field it took (or did not read).
struct TimeDiagramLesungen {
    std::array<std::string, 15> inp{};  // Inp(i), i = 0..4, 10..12, 14
    std::string s0max;                  // txtS0max
    std::string ordnung;                // the model window's order n (model 20)
};

// The symbol of initial concentration i (1..5) in the check lines: "c(A)(0)",
// for model 10 "c(E)(0)", "c(S)(0)", "c(ES)(0)", "c(P)(0)", "c(Q)(0)".
std::string anfangsSymbol(int model, int i);

// The field of the time-diagram window Inp(index) (0..4 c0, 10..12 k, 14
// t(max)) for the model in force (iModell), as the checked reading takes it:
// c0 Doubles, c(A)(0) (and c(B)(0) or c(S)(0), c(P)(0) of an autocatalysis)
// above 0 with the window's "noch keine Eingabe ..." or autocatalysis line
// for 0, the other c0 at least 0 (empty: 0); k Doubles above 0 with
// "- Geschwindigkeitskonstante kj muss größer Null sein"; t(max) a Single
// above 0 with "- Zeit-Vorgabe nicht in Ordnung". forList: the value
// table's wording of the autocatalysis line.
Zahlfeld timeDiagramFeld(int index, bool forList);
// S(0),max, a Single above 0.
Zahlfeld s0maxFeld();
// The order n of model 20, a Single; bereich: what the computing window
// allows (the concentration diagram n >= 0, named "- nur n > 0 erlaubt").
Zahlfeld ordnungsFeld(Bereich bereich = Bereich::NichtNegativ);

// Checks c0, k, tEnd and nOrdnung of the application state for the draw
// button (forList false) or the value-table button (forList true). Returns
// the failing lines, each "- ..." followed by CR LF; empty when all pass.
// A field the reading refused gets its line in place of its own checks;
// the others are checked as timeDiagramFeld says (pruefeBereich). The order
// n counts for the concentration diagram of model 20 (kind 20) only, as
// "- nur n > 0 erlaubt" below 0; S(0),max only for the Michaelis-Menten
// diagram over c(S) (bMMdiagramm set, bMMnormiert clear), last. A t(max)
// above kTEndGrenze is named as too large.
std::string checkTimeDiagramInputs(bool forList, const TimeDiagramVisibility& shown,
                                   const TimeDiagramLesungen& lesungen = {});

}  // namespace vrn
