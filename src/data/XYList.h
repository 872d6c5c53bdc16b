// The x-y editor's point list: points 1..nXYPunkte of XYDaten (shared
// state; element 0 is not a point). XYDaten always has nXYPunkte + 1
// elements. Every procedure here keeps the list free of values that are not
// finite or lie beyond the range of a Single; none of them shows a message.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/Types.h"
#include "base/Zahlbereich.h"

namespace vrn {

// Empties the list (nXYPunkte := 0).
void xyListeLeeren();

// Replaces the list by pts (element 0 unused, points from 1; at most
// kMaxXYPunkte are taken). Element 0's x becomes the count.
void xyListeSetzen(const std::vector<XYPunkt>& pts);

// A value that the list can hold: one that rounds to a finite Single
// (3.4028235E+38 is held as the largest Single).
bool xyWertGueltig(double v);

// x (spalte 2, "x-Wert" x) or y (spalte 3, "y-Wert" y) as the checked
// reading (base/Zahlbereich.h) takes its text: a Single, any number; an
// empty text is refused, or 0 with leerIstNull (a pasted cell).
Zahlfeld xyFeld(int spalte, bool leerIstNull = false);

// The check line for a text of x (spalte 2) or y (spalte 3) that its column
// refuses (xyFeld), e.g. "- x-Wert zu groß: x darf höchstens 3.4E+38 sein";
// empty when it is taken and for another column.
std::string xyZeile(int spalte, std::string_view text, bool leerIstNull = false);

// The cells of text pasted as xyEinfuegen reads it that their column
// refuses, and which so keep their value: one line each, xyZeile followed by
// " (Zeile " point number ")" and CR LF.
std::string xyBlockZeilen(std::string_view text, int zeile0, int spalte0);

// Appends the active point (x, y). False, changing nothing, when the list is
// full or a value cannot be held.
bool xyPunktAnfuegen(double x, double y);

// Sets x (spalte 2) or y (spalte 3) of point i (1..nXYPunkte); its aus stays.
// False, changing nothing, for another point, column or value.
bool xyWertSetzen(int i, int spalte, double v);

// aus of point i := -1 (excluded) or 0 (active). False for another point.
bool xyAusSetzen(int i, bool aus);

// Removes points r1..r2 (in either order, cut to 1..nXYPunkte); the later
// points move up. Returns the number removed (0 when the range holds none).
int xyZeilenEntfernen(int r1, int r2);

// Sets to 0 the x (grid column 2) and y (column 3) of points r1..r2 that lie
// in the grid columns c1..c2 (each pair in either order). Returns whether a
// value was in the block.
bool xyZellenNullen(int r1, int c1, int r2, int c2);

// Pastes block text (platform/GridText.h: rows end at CR LF, CR or LF, a
// final line break adds no row; cells at Tab) with its first cell at grid row
// zeile0 (0-based, point zeile0 + 1) and grid column spalte0 (a column left
// of x counts as x). Cells beyond y are dropped. The list grows to at least
// zeile0 + rows points (new points are active, (0, 0)). Each pasted cell is
// read by the checked reading (xyFeld, a decimal comma counts as a point);
// an empty cell gives 0, a cell its column refuses (no number as a whole,
// beyond a Single, too near 0) leaves the value as it was.
// Returns the number of rows pasted; 0, changing nothing, for an empty text,
// when the list would grow beyond kMaxXYPunkte or the start is outside the grid.
int xyEinfuegen(std::string_view text, int zeile0, int spalte0);

// The active points (aus not -1) in list order, as handed to the chart:
// element 0's x = their count m, elements 1..m the points.
std::vector<XYPunkt> xyAktivePunkte();

// The chart request for the active points manu (element 0's x = count, at
// least 1 point): x and y from the smallest to the largest value widened at
// both ends by 5 % of the span; a span of 0 gives -1..1 for the value 0, else
// v - 5 % of |v| .. v + 5 % of |v|; the limits stay within a Single. Header
// "experimentelle Punkte y(T)", y title "y", x title "T / K". Other fields of
// d stay.
void xyDiagrammAnfordern(const std::vector<XYPunkt>& manu, Diagramm& d);

}  // namespace vrn
