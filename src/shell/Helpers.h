// Small shared procedures of the application shell that need no window:
// emptying the data set, the busy cursor, unit texts,
// path shortening and the file test.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/NumKeyFilter.h"
#include "base/Types.h"
#include "shell/Hooks.h"

namespace vrn {

// The mouse pointers of the screen hooks (shell/Hooks.h).
constexpr int kHourglass = 11;
constexpr int kCrossPointer = 2;  // the chart's zoom mode

// Empties the measured data set: zeroes aus, t, c(1), c(2), k and Temp of
// points 1..nExpPunkte, then nExpPunkte := 0, ExpDateiName := empty,
// bDatenGeaendert := false. The array keeps its size.
void ClearExpDaten();

// Busy cursor, nesting: the first level saves the screen's pointer, every
// level sets the hourglass unless it is set already, the pointer comes back
// when the count falls below 1. Without the screen hooks the pointer is kept
// in a plain variable.
void SanduhrEin();
void SanduhrAus();

// The rate-constant unit texts for model iModell with time unit u
// (trailing blanks removed): unit1, unit2, unit3 as the windows show them.
std::array<std::string, 3> rateConstantUnits(int iModell, std::string u);

// Shortens a path for display to at most about maxLen characters:
// the first 3 characters, "...", and the tail from a separator on.
// Accepts "\" and "/" as separators.
std::string ShortenPath(const std::string& path, int maxLen);

// True when an ordinary file (no directory, no hidden file) of that name
// exists; a bare name is looked for in the program folder; wildcards "*" and
// "?" count as existing when any ordinary file matches. Any failure gives false.
bool FileExists(const std::string& path);

// Wildcard match of a file name, "*" and "?", case-insensitive.
bool wildcardMatch(std::string_view pattern, std::string_view name);

// Strips trailing blanks.
std::string rtrim(std::string s);

}  // namespace vrn
