// Operations of the x-y editor on its whole list (points 1..nXYPunkte of
// XYDaten): sorting, swapping the columns, column arithmetic and the lines
// of the printed list. They show no message; the window does.
#pragma once

#include <string>
#include <vector>

namespace vrn {

// Sorts the points by x (nachY false) or by y, moving whole records (x, y,
// aus); equal keys keep their order.
void xySortieren(bool nachY);

// Exchanges x and y of every point, excluded ones too.
void xyTauschen();

// Column operations, by the index of their option button.
enum class XYRechenArt { Exp = 0, Ln = 1, MalW = 2, PlusW = 3, Kehrwert = 4, EinsMinusX = 5 };
inline constexpr const char* kXYRechenArten[6] = {"y = exp(y)", "y = ln(y)", "y = y * W",
                                                   "y = y + W",  "y = 1 / y", "x = 1 - x"};
// The text of a refused column operation, after the failure's own text.
inline constexpr const char* kXYNichtAusfuehrbar = "Mit den vorliegenden Daten ist diese Aktion nicht ausführbar.";

// Applies operation art with operand W to every point (excluded ones too).
// A trial pass first computes every new value; when one fails (logarithm of
// a value <= 0, division by 0, a result that is not finite or beyond a
// Single) nothing is changed, fehler := the failure's text ("Ungültiger
// Prozeduraufruf oder ungültiges Argument", "Division durch Null",
// "Überlauf") and the result is false.
bool xyRechnen(int art, double W, std::string& fehler);

// The printed list: lines 1-3 empty; without a file name line 4 is 12 blanks,
// "Liste XY-Daten vom " and the stamp; with one, 12 blanks, "Liste von
// XY-Datenfile " and dateiKopf (the path as it is to be printed), then an
// empty line and the stamp after 12 blanks. Then an empty line, a rule of 35
// "-" from column 12, "X" at column 21 and "Y" at column 34, the rule, one
// line per point (number at column 12, x at column 20, y at column 33) and
// the rule. Numbers are the plain form of a Single with the locale's decimal
// separator and a trailing blank; a column already passed moves to the next
// line.
std::vector<std::string> xyDruckliste(const std::string& dateiKopf, bool mitDatei, const std::string& stempel);

}  // namespace vrn
