// Fixed lists of the chart window: the style lists of the curve and point-set
// panels with the chart's codes, the menu bar, the point-set names of the
// delete menu, and which diagram kinds offer the half-life marks.
#pragma once

#include <array>
#include <span>
#include <string>

#include "platform/MenuRows.h"

namespace vrn {

struct StilEintrag {
    const char* text;  // list item
    int code;          // line pattern code (curves) or symbol shape code (point sets)
};

// cmbKStil, in list order.
inline constexpr std::array<StilEintrag, 5> kKurvenStile{{
    {"nur Einzelpunkte", 1},
    {"Kurve normal", 2},
    {"Kurve punktiert", 4},
    {"Kurve gestrichelt", 3},
    {"Kurve strichpunkt.", 7},
}};

// cmbPunktStil, in list order.
inline constexpr std::array<StilEintrag, 11> kPunktStile{{
    {"Kreis voll", 2},
    {"Kreis", 10},
    {"Dreieck", 4},
    {"Quadrat", 11},
    {"Stern", 6},
    {"Kreuz", 9},
    {"Quadrat voll", 3},
    {"Rhombus", 5},
    {"Vert. Linie", 7},
    {"Horiz. Linie", 8},
    {"versteckt", 1},
}};

// The list index of cmbKStil for a line pattern code 1..7 ("nur Einzelpunkte"
// for 1, 5, 6 and any unknown code).
constexpr int kurvenStilIndex(int code) {
    constexpr int t[8] = {0, 0, 1, 3, 2, 0, 0, 4};
    return code >= 1 && code <= 7 ? t[code] : 0;
}

// The symbol shape that goes with a line pattern: filled circles for points only.
constexpr int symbolZumLinienstil(int linePattern) { return linePattern == 1 ? 2 : 1; }

// Captions of the point-set tabs 1..7 (tabPunkte) and of the delete items.
inline constexpr std::array<const char*, 8> kPunktSatzTabs{"", "c(A)", "c(B)", "c(C)", "c(P)", "c(Q)", "k-T", "man."};
inline constexpr std::array<const char*, 8> kPunktSatzLoeschen{
    "alle",           "Punktsatz c(A)", "Punktsatz c(B)",  "Punktsatz c(C)",
    "Punktsatz c(P)", "Punktsatz c(Q)", "Punktsatz k - T", "Punktsatz \"Einfügen manuell\""};

// Tabs of the design panel (tabDesign), in order.
inline constexpr std::array<const char*, 11> kDesignTabs{
    "Gitter",         "Rahmen",       "Flächenfarben", "Ränder",         "Legende",    "Zeichenfläche",
    "Skalierung",     "Achs.-Ursprung", "Achs.-Ziffern", "Kurven-Etikett", "log <=> lin"};

// The separator list cmbSep and the separator each item stands for.
struct TrennzeichenEintrag {
    const char* text;
    const char* zeichen;
};
inline constexpr std::array<TrennzeichenEintrag, 3> kTrennzeichen{{
    {"Trennzeichen Semikolon", ";"},
    {"Trennzeichen Komma", ","},
    {"Trennzeichen Tab", "\t"},
}};
// The item of a separator (";" 0, "," 1, Tab 2, anything else 0).
int trennzeichenIndex(const std::string& t);

// Models whose half-life is read off the simulated curve (the numerically
// integrated ones), for A and for B.
inline constexpr std::array<int, 8> kHalbwertszeitASimuliert{7, 9, 10, 13, 14, 15, 18, 20};
inline constexpr std::array<int, 5> kHalbwertszeitBSimuliert{7, 9, 10, 13, 18};

// "Halbwertszeit A" is offered for the kinds -8..-5, 1..20 and 51..70;
// "Halbwertszeit B" for -8, 4, 7, 9, 10, 12, 13, 17 and the rate kinds
// 54, 57, 59, 60, 62, 63, 67, 68.
bool halbwertszeitAAngeboten(int kind);
bool halbwertszeitBAngeboten(int kind);

// The menu bar of the chart window (names as the handlers know them).
std::span<const MenuRow> chartMenuRows();

}  // namespace vrn
