// Number texts: the plain number form, Format with and without a pattern,
// and the leading-number reading. Every window and file goes through here.
//
// Plain form (Str): what program code writes into fields, labels and files.
//   A leading blank for a non-negative value, "-" for a negative one; "." as
//   the decimal separator whatever the locale; no zero before the point
//   (" .002", "-.5"); 7 significant digits for a Single, 15 for a Double,
//   trailing zeros dropped.
//   The exponent form is used when the decimal exponent e of the rounded value
//   is below -4 or at least the number of significant digits (7 or 15):
//   0.0001 -> " .0001", 0.00001 -> " 1E-05", 1234567 (Single) -> " 1234567",
//   12345678 (Single) -> " 1.234568E+07". The exponent has a sign and at least
//   two digits. A Double that 15 digits would round past the largest Double
//   (the four largest, from 1.7976931348623151E+308 on) keeps the digits
//   that read back as itself: " 1.7976931348623157E+308", never a text that
//   no reader takes.
//
// Exact form (StrExact): the plain form with the fewest digits that read back
//   as the same Double (at most 17) or the same Single (at most 9): 0.1 ->
//   " .1", 3.4028234663852886E+38 stays so, where 15 digits would round it
//   up; the Single 1.0000001E+28 stays so, where 7 digits would give
//   " 1E+28", which reads as the Single 9.999999E+27.
//
// General form (Format(x) without a pattern): like the plain form but with no
//   leading blank, a zero before the point and the locale's decimal separator
//   (0.75 -> "0.75" or "0,75"); the same exponent rule.
//
// Patterns (Format(x, pattern)): "0" a digit always written, "#" a digit
//   written only when significant, "." the decimal separator, "," between
//   integer digits the thousands separator, "E+"/"E-"/"e+"/"e-" followed by
//   "0"/"#" an exponent ("+" writes the sign always, "-" only when negative;
//   "0" digits are always written, "#" digits only when significant, but at
//   least one exponent digit is written). Any other character is written as
//   it stands; "\x" writes x. Up to three sections "positive;negative;zero".
//   Rounding is half away from zero on the value's 15-digit decimal form
//   (4.625 -> "4.63" with "0.00"); a value that rounds to zero is written
//   without a minus sign. Decimal and thousands separators are the locale's.
//
// Leading-number reading (Val): leading blanks and tabs are skipped, then an
//   optional sign, digits, one "." and digits, and an optional exponent
//   ("E"/"e"/"D"/"d", optional sign, digits) are read up to the first
//   character that cannot continue the number. "1,5" -> 1, "" -> 0,
//   " 12abc" -> 12, "-" -> 0. A number too large for a Double reads 0 and
//   counts as out of range; one too small for it reads 0 and counts as read,
//   whether written with an exponent ("1E-400") or without ("0.000...01");
//   the result is always finite. Val reads texts the program wrote itself;
//   a number a person typed or a file holds goes through the checked
//   reading (base/Zahlbereich.h, liesZahl), which refuses both.
//   Read into a Single (ValSingle), the number is rounded once, from its
//   text to the nearest Single: "3.4028235E+38", the shortest text of the
//   largest Single, reads as it; a number that would round past it
//   ("3.4028236E+38", "1E+39") is out of range.
//
// Integer rounding (CInt) is half to even: 2.5 -> 2, 3.5 -> 4.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/Types.h"

namespace vrn {

// The locale's separators used by Format. Set from the user's locale at
// start-up; tests set them directly.
struct NumberLocale {
    char decimal = '.';
    char group = ',';
};
void setNumberLocale(char decimal, char group);
NumberLocale numberLocale();

// Plain number form.
std::string Str(double x);
std::string Str(float x);
std::string Str(int x);
// Exact form.
std::string StrExact(double x);
std::string StrExact(float x);

// Locale's general number form.
std::string Format(double x);
std::string Format(float x);
std::string Format(int x);

// Pattern form (see above). A Single is first reduced to its 7 significant
// digits, so that Format(4.625f, "0.00") gives "4.63".
std::string Format(double x, std::string_view pattern);
std::string Format(float x, std::string_view pattern);
std::string Format(int x, std::string_view pattern);

// Leading-number reading; always finite.
double Val(std::string_view text);

// Like Val, but reports whether a number was read at all and whether it was
// in range: ok is false for a text with no leading number or out of range.
double Val(std::string_view text, bool& ok);

// Leading-number reading into a Single (see above): ok is false for a text
// with no leading number or one that rounds past the largest Single (then 0).
// A number too small for a Single reads as 0 with its sign and counts as read.
Single ValSingle(std::string_view text, bool& ok);

// Whether the leading number of text is too large in size to be held: for a
// Double ("1.8E+308", "-1e999"), or with single true for a Single
// ("3.5E+38"). False for a number in range, one too small ("1E-400") and a
// text with no leading number.
bool ValZuGross(std::string_view text, bool single = false);

// Values that round to a finite Single: below kSingleGrenze in size, half a
// step of the largest Single above it (from there on, and at it, the nearest
// Single is infinite).
inline constexpr double kSingleGrenze = 0x1.ffffffp+127;  // 3.4028235677973366E+38
bool passtInSingle(double x);
// x rounded to the nearest Single; one beyond the largest Single that still
// rounds to it gives the largest Single. For x that passes passtInSingle.
Single zuSingle(double x);

// For a decimal number text (optional sign, digits, ".", digits, optional
// "E"/"e" exponent) that std::from_chars finds out of range: whether it is
// too small rather than too large, i.e. whether its first significant digit
// stands behind the decimal point ("0.0001E-400", "0.<400 zeros>1", "1e-400").
bool decimalUnderflow(std::string_view number);


// Rounds half to even into the 16-bit range; values outside are clamped.
std::int16_t CInt(double x);

}  // namespace vrn
