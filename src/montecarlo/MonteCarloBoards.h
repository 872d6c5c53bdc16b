// The six boards of the Monte Carlo game: particle number (a square), draws
// per plotted point, t(max) in draws and the pause after a draw. The option
// buttons name round numbers; the runs use the squares.
#pragma once

#include <array>

#include "base/Types.h"

namespace vrn {

struct MCBrett {
    const char* caption;   // caption of the option button
    Long N0;               // particles
    Integer FeldSeite;     // particles per row and column
    Long nZuegeProPunkt;   // draws per plotted point (N0 / d rounded)
    Long nMaxZuege;        // t(max) in draws: the 100 % mark of the time axis
    Single pause;          // seconds of pause after a draw
    bool bGross;           // drawn as cells in one filled square, not as circles
};

inline constexpr std::array<MCBrett, 6> kMCBretter{{
    {"100", 100, 10, 7, 550, 0.06f, false},
    {"500", 529, 23, 44, 2910, 0.00005f, false},
    {"1000", 1024, 32, 102, 5632, 0.00000001f, false},
    {"5000", 4900, 70, 490, 26950, 0.00000001f, false},
    {"10000", 9025, 95, 902, 49638, 0.0f, true},
    {"100000", 90000, 300, 9000, 495000, 0.0f, true},
}};

// A first-order run stops after the block that takes it beyond this many draws.
constexpr Long ersteOrdnungGrenze(const MCBrett& b) { return 10 * b.nMaxZuege; }

}  // namespace vrn
