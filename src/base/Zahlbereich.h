// The one way in for a number a person typed (a field, a grid cell) or a
// file holds: liesZahl takes the whole text or refuses it with a line that
// names the field as the window shows it and what the field takes. Nothing
// reads such a text with the leading-number reading (Val), which gives 0 or
// a prefix for what it cannot read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/Types.h"

namespace vrn {

// ---- The checked reading ------------------------------------------------------

// The width a field holds its number in: a Single (single precision) or a Double.
enum class Breite : std::uint8_t { Double, Single };

// What a field takes besides a number of its width.
enum class Bereich : std::uint8_t {
    Beliebig,      // any number
    NichtNegativ,  // x >= 0
    Positiv,       // x > 0
    NullBisEins,   // 0 < x < 1
};

// What an empty field means.
enum class Leer : std::uint8_t {
    Fehlt,    // a refusal: the field needs a number
    IstNull,  // 0, where 0 is a common input (the start concentration of a product)
};

// A number field as the window shows it.
struct Zahlfeld {
    std::string thema;   // what the field holds, "Geschwindigkeitskonstante"
    std::string symbol;  // its name beside the field, "k1"
    Breite breite = Breite::Double;
    Bereich bereich = Bereich::Beliebig;
    Leer leer = Leer::Fehlt;
    // The window's own check line for a value outside the range (with its
    // "- ", without a line end), e.g. "- nur n > 0 erlaubt"; empty: the
    // general line below.
    std::string eigeneZeile;
    // The own line speaks of a missing input ("- noch keine Eingabe ..."): it
    // stands for an empty field and for 0 only; another value outside the
    // range gets the general line that names the range.
    bool eigeneZeileNurFuerNull = false;
};

// A field description in one call, its members in their order.
Zahlfeld zahlfeld(std::string thema, std::string symbol, Breite breite, Bereich bereich, Leer leer = Leer::Fehlt,
                  std::string eigeneZeile = {}, bool eigeneZeileNurFuerNull = false);
// A start concentration the model needs: above 0, with the check line
// `fehlt` ("- noch keine Eingabe ...") for an empty field or 0; f unchanged
// when fehlt is null.
Zahlfeld mitFehltZeile(Zahlfeld f, const char* fehlt);

enum class Zahlfehler : std::uint8_t {
    Keiner,
    Leer,       // nothing typed where the field needs a number
    KeineZahl,  // not a number as a whole ("1.2.3", "-", "1E", "12abc")
    ZuGross,    // a positive number beyond the width
    ZuKlein,    // a negative number beyond the width
    NaheNull,   // a number so near 0 that the width holds it as 0 ("1E-400")
    Bereich,    // a number of the width outside the field's range
};

// The outcome of liesZahl.
struct Zahllesung {
    double wert = 0;     // the number as a Double (0 for an empty field that means 0)
    Single single = 0;   // the same text rounded once to the nearest Single (Single fields)
    Zahlfehler fehler = Zahlfehler::Keiner;
    std::string zeile;   // the check line, without its line end; empty when taken
    bool ok() const { return fehler == Zahlfehler::Keiner; }
};

// Reads the whole text of a field: blanks, tabs and line ends around it are
// skipped; an optional sign, digits with at most one decimal separator ("."
// or ",", the decimal comma of a typed or pasted number) and an optional
// exponent ("E", "e", "D" or "d", optional sign, digits); nothing else. A
// Single field rounds the text once to the nearest Single. The number must
// be finite in the field's width, not so small in size that the width holds
// it as 0, and inside the field's range. On a refusal wert and single are 0
// and zeile says, in one German line, which field cannot take what and why:
//   empty      "- " thema " fehlt: " symbol " " Anforderung
//   no number  "- " thema ": \"" text "\" ist keine Zahl, " symbol " " Anforderung
//   too large  "- " thema " zu groß: " symbol " darf höchstens 1.7E+308 sein" (3.4E+38 for a Single)
//   too small  "- " thema " zu klein: " symbol " muss mindestens -1.7E+308 sein"
//   near 0     "- " thema " zu nahe an Null: " symbol " muss mindestens 4.9E-324 sein"
//              (1.4E-45 for a Single; "0 oder mindestens" where 0 is taken,
//              "0 oder im Betrag mindestens" for any number)
//   range      "- " thema " außerhalb des Bereichs: " symbol " " Anforderung
// where Anforderung is "muss eine Zahl sein", "muss mindestens 0 sein",
// "muss größer Null sein" or "muss größer als 0 und kleiner als 1 sein".
// A number beyond the width on a side the range excludes (-1E400 for a
// positive field) counts as outside the range. The field's own line takes
// the place of the range and empty lines (see Zahlfeld).
Zahllesung liesZahl(std::string_view text, const Zahlfeld& feld);

// The line of a computation whose result runs beyond what it can hold
// because of one input it took (an overflow inside, 1E39 times the rates):
//   "- " thema " zu groß für die Rechnung: mit " symbol " = " wert " läuft die Rechnung über"
// ("zu klein" for an input at most 1: a negative one, or one near 0 that a
// computation divides by), the value in its plain form without the blank.
std::string rechenUeberlaufZeile(const Zahlfeld& feld, double wert);

// Of the inputs a computation took (0 for an input not taken), the one whose
// size lies farthest from 1 (|log10 |x||), when it lies at least 1E30 away
// (beyond 1E30 in size, or below 1E-30): the input that makes a computation
// that fails inside fail, to be named with rechenUeberlaufZeile; -1 when
// every input lies nearer to 1 (the computation's own failure is shown then).
int ueberlaufUrsache(const std::vector<double>& eingaben);

// The general range line of a field for a value outside its range (see liesZahl).
std::string bereichsZeile(const Zahlfeld& feld);

// The line liesZahl gives for a value already read (a value of the state
// that a window checks before it computes): empty when x lies in the
// field's range, else the field's own line (for 0, or for every value when
// it is not a "no input yet" line) or the range line. A NaN is outside.
std::string pruefeBereich(double x, const Zahlfeld& feld);

// The line for a number inside the range of its field but outside the range
// the action allows, without its line end: "- " thema " außerhalb des
// Bereichs: " symbol " muss zwischen " von " und " bis " liegen", e.g.
// "- Zeit-Vorgabe außerhalb des Bereichs: t muss zwischen 0 und 42 s liegen".
std::string ausserhalbZeile(std::string_view thema, std::string_view symbol, std::string_view von,
                            std::string_view bis);

// The plain form (Str) of a Double shown in a field as a Single: rounded to
// a Single when it fits one; a value beyond the range of a Single keeps its
// Double's form (1E39 stays " 1E+39", never "Inf"), and so does one below the
// normal range of a Single (1E-300 stays " 1E-300", never " 0"), so that the
// field shows the number the program holds and reads it back as that.
std::string StrAlsSingle(double x);
// The same for the locale's general form (Format) and a pattern form.
std::string FormatAlsSingle(double x);
std::string FormatAlsSingle(double x, std::string_view pattern);

}  // namespace vrn
