// Basic widths and the shared record types of the application state.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vrn {

using Integer = std::int16_t;  // signed 16-bit
using Long = std::int32_t;     // signed 32-bit
using Byte = std::uint8_t;     // unsigned 8-bit
using Single = float;
using Colour = std::int32_t;   // RGB value: red + 256 * green + 65536 * blue

constexpr Colour RGB(int r, int g, int b) {
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int redOf(Colour c) { return c & 0xFF; }
constexpr int greenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr int blueOf(Colour c) { return (c >> 16) & 0xFF; }

// Species slots 1..5; index 0 is not used.
enum Species : int { A = 1, B = 2, C = 3, P = 4, Q = 5 };

// One measured point of the data set.
struct Messpunkt {
    double t = 0;                     // time in the unit sZeiteinheit
    std::array<double, 6> c{};        // c(1..5) = A, B, C, P, Q in mol/l
    double Temp = 0;                  // K
    double k = 0;                     // rate constant
    Single lambda = 0;                // conductivity
    Single res3 = 0;                  // reserved, kept in data-set files
    Single res4 = 0;
    Integer aus = 0;                  // 0 active, -1 excluded
};

// One x-y point (editor list, chart curve buffer).
struct XYPunkt {
    Single x = 0;
    Single y = 0;
    Single aus = 0;                   // 0 active, -1 excluded
};

// The chart request.
struct Diagramm {
    Single XMin = 0;
    Single YMin = 0;
    Single XMax = 0;
    Single YMax = 0;
    std::string XTitel;
    std::string YTitel;
    std::string Kopftext;
    bool bManuPunkte = false;
};

// Axis limits remembered per diagram kind, 32 slots.
struct AchsenSpeicher {
    std::array<Single, 32> v{};
    Single& operator[](int i) { return v.at(static_cast<std::size_t>(i)); }
    Single operator[](int i) const { return v.at(static_cast<std::size_t>(i)); }
};

}  // namespace vrn
