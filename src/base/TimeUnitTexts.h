// The texts of the five time units in their shared order (index = iZeitEinheit).
#pragma once

#include <array>
#include <string_view>

namespace vrn {

// 0 "s", 1 "min", 2 "h", 3 "d", 4 "a" (a year of 365 days).
inline constexpr std::array<const char*, 5> kZeiteinheitText{"s", "min", "h", "d", "a"};

// Index 0..4 of a unit text, trailing blanks ignored (case matters);
// -1 for any other text.
inline int zeitEinheitIndex(std::string_view unit) {
    while (!unit.empty() && unit.back() == ' ') unit.remove_suffix(1);
    for (int i = 0; i < 5; ++i)
        if (unit == kZeiteinheitText[static_cast<std::size_t>(i)]) return i;
    return -1;
}

}  // namespace vrn
