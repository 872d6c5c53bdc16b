// Numbers typed beyond the range of their field, and the check line that
// names them. Every window that reads a typed number goes through here, so
// that such a number is never used as 0 without a word.
//
// The line, without its line end:
//   too large: "- " thema " zu groß: " symbol " darf höchstens " limit " sein"
//   too small: "- " thema " zu klein: " symbol " muss mindestens -" limit " sein"
// with the limit 1.7E+308 for a Double and 3.4E+38 for a Single, e.g.
// "- Geschwindigkeitskonstante zu groß: k1 darf höchstens 1.7E+308 sein".
#pragma once

#include <string>
#include <string_view>

namespace vrn {

// Where the leading number of a text lies against the range of its field.
enum class Ueberlauf { Keiner, ZuGross, ZuKlein };

// For the leading number of text (as Val reads it): ZuGross beyond the
// largest Double (or, with single true, one that rounds past the largest
// Single), ZuKlein the same below the most negative one; Keiner for a number
// in range, one too near 0 ("1E-400", read as 0) and a text with no number.
Ueberlauf ValUeberlauf(std::string_view text, bool single = false);

// Ueberlauf of a value already read: beyond the largest Single (or Double)
// in size, or not finite; Keiner for NaN.
Ueberlauf WertUeberlauf(double x, bool single);

// The check line for a number out of range (see above); empty for Keiner.
std::string ueberlaufZeile(std::string_view thema, std::string_view symbol, Ueberlauf u, bool single = false);

// The line for a number too large: ueberlaufZeile(.., Ueberlauf::ZuGross, ..).
std::string zuGrossZeile(std::string_view thema, std::string_view symbol, bool single = false);

// The line for a number inside the range of its field but outside the range
// the action allows, without its line end: "- " thema " außerhalb des
// Bereichs: " symbol " muss zwischen " von " und " bis " liegen", e.g.
// "- Zeit-Vorgabe außerhalb des Bereichs: t muss zwischen 0 und 42 s liegen".
std::string ausserhalbZeile(std::string_view thema, std::string_view symbol, std::string_view von,
                            std::string_view bis);

// The plain form (Str) of a Double shown in a field as a Single: rounded to
// a Single when it fits one; a value beyond the range of a Single keeps its
// Double's form (1E39 stays " 1E+39", never "Inf"), so that the field shows
// the number the program holds and reads it back as that.
std::string StrAlsSingle(double x);
// The same for the locale's general form (Format) and a pattern form.
std::string FormatAlsSingle(double x);
std::string FormatAlsSingle(double x, std::string_view pattern);

}  // namespace vrn
