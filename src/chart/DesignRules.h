// The rules behind the chart window's design panels, free of any window: the
// check of typed axis ranges, the reading of the spacing boxes, the option
// lists and the chart codes they stand for, the chart-area edge that stays
// fixed, the ranges of the panels' scroll bars and the line breaks of the
// text panel.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "base/Types.h"
#include "base/Zahlbereich.h"
#include "platform/ChartScale.h"

namespace vrn {

// ---- Coordinate panel ---------------------------------------------------------

enum class KoordFehler {
    Keiner,
    Reihenfolge,    // a lower bound not strictly below its upper bound
    Zahlenbereich,  // a bound the checked reading refuses (empty, no number, beyond single precision, too near 0)
    LogMinimum,     // a lower bound <= 0 on a logarithmic axis
};

struct KoordPruefung {
    KoordFehler fehler = KoordFehler::Keiner;
    Single xMin = 0, xMax = 0, yMin = 0, yMax = 0;  // the bounds read (valid only without a failure)
    std::string zeilen;  // Zahlenbereich: the line of each bound refused, joined by CR LF
};

// The bound i (1 x(min), 2 x(max), 3 y(min), 4 y(max)) of the coordinate
// panel as the checked reading (base/Zahlbereich.h) takes it: a Single, any
// number; an empty box is refused (an axis bound is never taken as 0).
Zahlfeld koordFeld(int i);

// Reads x(min), x(max), y(min), y(max) through the checked reading
// (koordFeld), rounded once to single precision, and checks them: every
// bound read first (the refused ones named in zeilen), then the order
// (strict), then a positive minimum on a logarithmic axis.
KoordPruefung pruefeKoordinaten(const std::array<std::string, 4>& texte, bool xLog, bool yLog);

// The message of a refusal (title kEingabeFehler); "" for Keiner. For
// Zahlenbereich the window shows the refusal's zeilen instead.
const char* koordMeldung(KoordFehler f);
// The message of a check: its lines for bounds it refused, else koordMeldung.
std::string koordMeldung(const KoordPruefung& p);
inline constexpr const char* kEingabeFehler = "EINGABE-FEHLER";

// Whether an axis whose shown bounds are lo..hi may become logarithmic.
bool logarithmischMoeglich(double lo, double hi);

// ---- Spacing boxes ------------------------------------------------------------

struct AbstandsEingabe {
    std::string text;             // the box text with every "," turned into "."
    std::optional<double> wert;   // the spacing, when the box takes it
    std::string zeile;            // else the line that says why, e.g. "- X-Achse außerhalb des
                                  // Bereichs: Gitter-Abstand muss größer Null sein"
};
// Reads a spacing box for an axis drawn over `range` (decades on a
// logarithmic axis) through the checked reading: a Single above 0 (thema the
// axis "X-Achse", symbol the row "Gitter-Abstand", "Tick-Abstand",
// "Ziffern-Abstand") that gives at most 1,000 steps ("- X-Achse außerhalb des
// Bereichs: Gitter-Abstand muss mindestens .01 sein" for 0..10).
AbstandsEingabe leseAbstand(std::string_view text, ChartRange range, bool logarithmic,
                            const std::string& achse = "X-Achse", const std::string& art = "Gitter-Abstand");

// A spacing box of an axis ("X-Achse", "Gitter-Abstand"): a Single above 0.
Zahlfeld abstandFeld(const std::string& achse, const std::string& art);

// The crossing value typed for "bei X =" / "bei Y =" (txtXOrigin, txtYOrigin):
// a Single, any number, empty refused; thema "Achsen-Ursprung", symbol "X" or "Y".
Zahlfeld ursprungFeld(bool x);

// ---- Option lists and their chart codes -----------------------------------------

// optXZiffern / optYZiffern 0..2: "im Minimum", "an Achse", "im Maximum".
inline constexpr std::array<int, 3> kZiffernCodes{2, 1, 3};
// optXOrigin / optYOrigin 0..3: minimum, at 0, maximum, at the typed value.
inline constexpr std::array<int, 4> kUrsprungCodes{2, 1, 3, 4};
// opt2Gitter 0..1: "punktiert", "volle Linie".
inline constexpr std::array<int, 2> kGitterStile{4, 2};
// optFrameType 0..3: "ohne", "3D", "normal", "Doppelleiste".
inline constexpr std::array<int, 4> kRahmenTypen{0, 1, 4, 9};
// optLegOrient 0..1: "horizontal", "vertikal".
inline constexpr std::array<int, 2> kLegendenOrientierung{2, 1};
// optOrientYAxText 0..1 "horiz. oben", "vertikal"; optOrientYAxZiff 0..1 "horizontal", "vertikal".
inline constexpr std::array<int, 2> kYTextOrientierung{1, 2};
// Border of a text block, the legend or the labels: unchecked 0, checked 4.
constexpr int rahmenCode(bool gerahmt) { return gerahmt ? 4 : 0; }
inline constexpr int kKeinGitter = 1;

// The code of option index i of a list; nullopt for an index outside it.
template <std::size_t N>
constexpr std::optional<int> codeFuer(const std::array<int, N>& liste, int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= N) return std::nullopt;
    return liste[static_cast<std::size_t>(i)];
}

// The grid line patterns of "X" and "Y" for grid option art (0 "ohne Gitter",
// 1 "nur y-Gitter", 2 "nur x-Gitter", 3 "Gitter komplett") with line pattern
// stil; nullopt for another option.
std::optional<std::pair<int, int>> gitterMuster(int art, int stil);

// ---- Chart area and scroll bars ---------------------------------------------------

// The new extent that keeps the far edge of a span where it was when its near
// edge moves from altStart to neuStart (never below 0).
int festeGegenkante(int altStart, int altAusdehnung, int neuStart);

struct Balken {
    int min, max, schritt;
};
// Ranges of the panels' scroll bars (chart-component pixels).
inline constexpr Balken kTextLinks{0, 800, 3}, kTextOben{0, 800, 3};
inline constexpr Balken kFlaecheLinks{0, 200, 3}, kFlaecheOben{0, 200, 2};
inline constexpr Balken kFlaecheHoehe{300, 1000, 5}, kFlaecheBreite{500, 1200, 5};
inline constexpr Balken kRandLinks{0, 200, 3}, kRandRechts{0, 200, 3}, kRandOben{0, 100, 3}, kRandUnten{30, 120, 3};
// The legend bars depend on the chart area: left 0..width + 100, top 0..height - legend height (step 5).
Balken legendeLinks(int flaecheBreite);
Balken legendeOben(int flaecheHoehe, int legendenHoehe);

// ---- Text panel ------------------------------------------------------------------

// Captions of the text panel for the targets 1..4 ("" otherwise).
const char* textPanelTitel(int ziel);
// A chart text (lines by CR LF, CR or LF) as the lines of the edit box
// (joined by LF), and the box's lines as a chart text (joined by CR LF).
std::string zeilenFuerBox(std::string_view chartText);
std::string zeilenFuerChart(std::string_view boxText);
// The text without trailing blanks.
std::string ohneEndBlanks(std::string_view s);

// A spin control's number read from its label (leading-number reading,
// rounded half to even; a label without a number gives 0).
int spinWert(std::string_view label);

}  // namespace vrn

namespace vrn {

// ---- Colour presets ("Gesamtblatt schwarz", "Gesamtrand grau", "Gesamtblatt weiß") ----

inline constexpr Colour kBleibt = -2;  // this colour stays as it is
struct FarbVorgabe {
    Colour blatt;           // sheet background (and the buttons "Außenrand" and "Innenrand")
    Colour textFarbe;       // header and footer text
    Colour textGrund;       // header and footer background
    Colour flaeche;         // chart area background
    Colour flaechenText;    // chart area text
    Colour gitter;          // grid colour of "X" and "Y"
    Colour zeichenflaeche;  // plot area background
    Colour legendenText;    // legend text (the legend becomes transparent in every preset)
    bool gitterZeigen;      // both grids drawn in the window's grid line pattern
};
inline constexpr FarbVorgabe kGesamtblattSchwarz{RGB(0, 0, 0),       RGB(255, 255, 255), RGB(0, 0, 0),
                                                 RGB(0, 0, 0),       RGB(255, 255, 255), RGB(130, 130, 130),
                                                 RGB(0, 0, 0),       RGB(255, 255, 255), false};
inline constexpr FarbVorgabe kGesamtrandGrau{RGB(210, 210, 210), RGB(0, 0, 0), RGB(210, 210, 210),
                                             RGB(210, 210, 210), kBleibt,      kBleibt,
                                             kBleibt,            kBleibt,      false};
inline constexpr FarbVorgabe kGesamtblattWeiss{RGB(255, 255, 255), RGB(0, 0, 0),       RGB(255, 255, 255),
                                               RGB(255, 255, 255), RGB(0, 0, 0),       RGB(143, 143, 143),
                                               RGB(255, 255, 255), RGB(0, 0, 0),       true};

}  // namespace vrn
