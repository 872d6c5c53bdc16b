// Shared variables of the reactor windows and the reactor protocol.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/Types.h"

namespace vrn {

// One protocol row: 0-4 feed c(A..Q), 5-9 outlet c(A..Q), 10-12 k1..k3,
// 13 U(A), 14 t, 15 tube length l, 16 V, 17 V*, 18 ksi(1), 19 ksi(2).
inline constexpr int kProtSpaltenZahl = 20;
using ProtRow = std::array<double, kProtSpaltenZahl>;
using ProtTabRow = std::array<Single, kProtSpaltenZahl>;

struct ReactorState {
    double tauVerweil = 0;              // residence or reaction time
    double UmsatzSoll = 0;              // wanted conversion
    std::array<double, 4> ksi{};        // extents of reaction ksi(1..2); 0 and 3 carry no result

    // The given quantity of each reactor window, kept between its openings.
    Integer iInpSelBatch = 0;           // 0 t, 1 U(A)
    Integer iInpSelRohr = 0;            // 0 t, 1 l, 2 U(A)
    Integer iInpSelRKconti = 0;         // 0..4, which two of U(A), V, V*, t

    // The protocol: the row of the last calculation, the rows collected since
    // the last file was closed (ProtTabelle[0] is row 1), their count, whether
    // collected rows are not written yet, and the file name (a bare name
    // lies in the program folder).
    ProtRow ProtZeile{};
    // The calculation window (its type 2..4) whose valid result ProtZeile
    // holds; 0 while there is none (before the first result, and from the
    // start of every calculation until it succeeds).
    Integer iProtZeileQuelle = 0;
    std::vector<ProtTabRow> ProtTabelle;
    // The time unit each collected row was computed in (index as ProtTabelle).
    std::vector<std::string> ProtEinheiten;
    Integer nProtZeilen = 0;
    bool bProtOffen = false;
    std::string ProtDateiName;
};

}  // namespace vrn
