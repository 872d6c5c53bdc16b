// The x-y file ("XY-Textformat", *.XY; *.LRG files are read the same way).
//
//   line 1   a comment: the editor's comment box unchanged, or the chart's
//            "Kurvenpunkte" in double quotes
//   then     one line per point: x-text, separator, y-text
//
// Numbers are written as ".0000000E+00" (no digit before the point, seven
// after it, "E", the exponent's sign and at least two digits) with a decimal
// point whatever the locale. The separator is the one held in Trennzeichen
// when the file is written (";", "," or Tab); the reader finds it again from
// the first data line. Text follows shell/TextFile.h (CR LF, Latin-1).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/Types.h"

namespace vrn {

class TextLineReader;

// The list holds at most this many points (nXYPunkte is 16-bit).
inline constexpr int kMaxXYPunkte = 32767;
// Largest x-y file the reader takes.
inline constexpr std::size_t kMaxXYDateiBytes = 8u * 1024u * 1024u;
// The chart's comment line, quotes included.
inline constexpr const char* kKurvenKommentar = "\"Kurvenpunkte\"";

// The number text of a file: 1.5 -> ".1500000E+01", -0.00123 ->
// "-.1230000E-02", 0 -> ".0000000E+00". A Single is first rounded to its
// seven significant digits. A Double above the largest Single that still
// rounds to it (3.4028235E+38) is written as the largest Single,
// ".3402823E+39", where seven digits of its own would read as no Single; one
// so near 0 that its Single is 0 is written as 0.
std::string xyZahlText(double v);
std::string xyZahlText(float v);

// The separator of a line: blank, ",", ";" and Tab are looked for in this
// order and the last one found wins (Tab before ";" before "," before blank);
// the empty text when the line holds none of them.
std::string ermittleTrennzeichen(std::string_view zeile);

// A point line split at the separator: x is the text before its first
// occurrence, y the text up to the second one (a third column is dropped).
// Each text is read as the editor's column takes it typed (the checked
// reading, data/XYList.h xyFeld): a decimal comma counts as a point, the
// whole text is the number, an empty text gives 0. A blank separator also
// takes runs of blanks and blanks at both ends as one. A line without the
// separator gives x = 0 and its own value as y. Each number is rounded once,
// from its text to the nearest Single ("3.4028235E+38" reads as the largest
// Single). A text that is no number as a whole ("nan", "12abc"), one that
// rounds past the largest Single ("3.4028236E+38", "1e999") or one other
// than 0 that a Single holds as 0 ("1E-46") is refused: false, p unchanged,
// and error names line zeilenNr, the value (1 x, 2 y), its field and its text.
bool xyZeileLesen(std::string_view zeile, const std::string& trenn, int zeilenNr, XYPunkt& p, std::string& error);

// A file as read, not yet taken into the list.
struct XYDateiInhalt {
    std::string kommentar;        // line 1 as it stands
    std::string trennzeichen;     // as found on the first data line
    std::vector<XYPunkt> punkte;  // in file order, all active
};

// Reads an x-y file line by line from an opened reader, keeping only the
// points: memory grows with the points, never with the lines (a file of
// line ends costs nothing). Blank lines are skipped; the separator is taken
// from the first data line (from line 1 when there is none). An empty file
// gives an empty list. False with a German failure text for a text the
// reader refuses (a NUL byte, a line too long), more than kMaxXYPunkte points
// or a value that xyZeileLesen refuses; out is then left as it was.
bool leseXYDatei(TextLineReader& reader, XYDateiInhalt& out, std::string& error);
// The same for the bytes of a file.
bool parseXYDatei(std::string_view bytes, XYDateiInhalt& out, std::string& error);

// The lines of an editor's file: the comment, then points 1..n of punkte
// (element 0 unused) that are not excluded, in list order.
std::vector<std::string> formatXYDatei(const std::string& kommentar, const std::vector<XYPunkt>& punkte, int n,
                                       const std::string& trenn);

// The lines of a chart curve: kKurvenKommentar, then x(i), y(i) pairwise up
// to the shorter list; a point whose x or y is not finite or is the chart's
// hole (1E+308) is left out. A value beyond the range of a Single (1E+300;
// see passtInSingle) would make the file unreadable: false, lines unchanged,
// and error is the reason the reader would give for that line ("Zeile 3,
// Wert 2: \".1000000E+301\" liegt außerhalb des zulässigen Bereichs.").
bool formatKurveXY(const std::vector<double>& x, const std::vector<double>& y, const std::string& trenn,
                   std::vector<std::string>& lines, std::string& error);

}  // namespace vrn
