// The rules of the data-set editor that need no window: the text of a grid
// row, the fields behind the grid columns, taking an input row, sorting,
// the exclusion mark, zeroing cells, removing rows, pasting a block and the
// counts that decide whether the points can be drawn.
//
// The data set is ExpDaten with points 1..n (element 0 unused). Grid row
// r - 1 shows point r; grid columns: 0 number, 1 exclusion check box,
// 2 t, 3..7 c(1)..c(5), 8 lambda, 9 Temp, 10 k.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Types.h"
#include "base/Zahlbereich.h"
#include "platform/GridText.h"

namespace vrn {

inline constexpr int kSpalteT = 2;
inline constexpr int kSpalteLambda = 8;
inline constexpr int kSpalteTemp = 9;
inline constexpr int kSpalteK = 10;
inline constexpr int kSpaltenDatedit = 11;

// The value of the field behind grid column 2..10 (0 for any other column).
double feldWert(const Messpunkt& p, int col);

// Sets the field behind grid column 2..10 to v (lambda in single precision).
// False, and the point unchanged, for another column or a value its field
// cannot hold: not finite, or beyond what rounds to a finite Single (every
// field is shown in single precision or stored in it; 3.4028235E+38 is held).
bool setzeFeld(Messpunkt& p, int col, double v);

// The field behind grid column 2..10 as the checked reading (base/Zahlbereich.h)
// takes its text: every column a Single (shown or stored as one), any
// number, named as the editor names it ("Zeit" t, "Konzentration" c(A) ..
// c(Q), "Leitfähigkeit" lambda, "Temperatur" T, "Geschwindigkeitskonstante"
// k). An empty text is 0, except for a typed t (leerIstNull false), which is
// refused: a time is never taken as 0 without a word.
Zahlfeld spaltenFeld(int col, bool leerIstNull = false);

// The box "lambda (t = ∞)": a Double its file reads as a Single, any number;
// empty is refused (0 is typed as 0).
Zahlfeld lambdaInfFeld();

// The check line of the text of grid column 2..10 (an input box or a cell;
// decimal point or comma) that the column refuses (spaltenFeld), e.g. "- Zeit
// zu groß: t darf höchstens 3.4E+38 sein"; empty when the column takes it
// and for another column.
std::string spaltenZeile(int col, std::string_view text, bool leerIstNull = false);

// The cells of a block pasted with its first cell at grid row R, column C
// (as fuegeBlockEin reads them) that their column refuses, and which so keep
// their value: one line each, spaltenZeile followed by " (Zeile " point
// number ")" and CR LF; empty when every cell is taken. An empty cell is 0.
std::string blockZeilen(int R, int C, const BlockText& block);
// The first line of the note that names them after a paste.
inline constexpr const char* kNichtUebernommen = "Nicht übernommen, diese Felder behalten ihren Wert:";

// The text of grid row i - 1 for point i: 11 cells joined by Tab: the number
// left-aligned in 3 characters (never cut); an empty cell; t rounded to single precision
// in the general number form; c(1)..c(5), a value 0 < v < 1e-5 as
// "0.000000E+00", any other in the general form; lambda, Temp, k in the
// general form. Cells from t on are left-aligned in 14 characters (cut to 14).
std::string Zeilentext(int i, const Messpunkt& p);

// The row text the model window writes after a change of the time unit: the
// number left-aligned in 4 characters, an empty cell, then t (single),
// c(1)..c(5), lambda and k as "0.000000E+00" and Temp in the general form,
// each left-aligned in 14 characters.
std::string refillZeilentext(int i, const Messpunkt& p);

// The number of a pasted cell of grid column col as its column takes it
// (spaltenFeld; an empty cell is 0; blanks, tabs and line ends around it and
// a decimal comma are read); nullopt for a text the column refuses.
std::optional<double> zellenWert(int col, std::string_view text);

// An input row: t, c(1)..c(5), lambda, Temp, k as typed in the nine boxes.
using Eingabezeile = std::array<double, 9>;

// True when the row may be taken: the sum of the nine values, in single
// precision, is greater than 0, and every value fits its field (setzeFeld).
bool eingabeAnnehmbar(const Eingabezeile& v);

// Writes an accepted row into the point (aus is left as it is).
void eingabeInPunkt(const Eingabezeile& v, Messpunkt& p);

// The nine fields of a point in the order of the input boxes.
Eingabezeile punktAlsEingabe(const Messpunkt& p);

// Sorts points 1..n by t (byTemp false) or by Temp with the bubble sort of
// the editor: neighbours are swapped whole (exclusion mark included) only
// when the first key is strictly greater, so equal keys keep their order.
// Returns whether any points were swapped.
bool sortiereMesspunkte(std::vector<Messpunkt>& d, int n, bool byTemp);

// Zeroes the fields of grid columns col1..col2 (only 2..10 count) of grid rows
// row1..row2 (points row + 1, only 1..n). Returns the number of fields zeroed.
int nulleZellen(std::vector<Messpunkt>& d, int n, int row1, int col1, int row2, int col2);

// Removes points first..last (1-based, within 1..n): the later points move up,
// n and the array shrink. False, nothing changed, for a range outside 1..n.
bool entfernePunkte(std::vector<Messpunkt>& d, Integer& n, int first, int last);

// Pastes a block with its top-left cell at grid row R, column C. Only the
// cells the block covers are read (zellenWert) into their fields; columns
// 0 and 1 and cells beyond column 10 are ignored, and so is a text its
// column refuses (the field keeps its value; blockZeilen names it). When R + rows > n the data set grows to R + rows points (new
// points zero and active). False, nothing changed, when the data set would
// exceed 32767 points or R, C are negative.
bool fuegeBlockEin(std::vector<Messpunkt>& d, Integer& n, int R, int C, const BlockText& block);

// Points with c(A) > 0 and t >= 0, compared in single precision (exclusion ignored).
int zaehleCTPunkte(const std::vector<Messpunkt>& d, int n);
// Points with Temp > 0 and k > 0 (exclusion ignored).
int zaehleKTPunkte(const std::vector<Messpunkt>& d, int n);
// True when points 1..n exist and every one is excluded.
bool alleInaktiv(const std::vector<Messpunkt>& d, int n);

// The warning of OK for non-isothermal fitting: more than one isotherm, usable
// c-t-T data and a largest time outside 0.2..1 (both ends allowed).
bool nichtIsothermWarnung(int nKurvenTemp, bool hatCTT, double tMax);

}  // namespace vrn
