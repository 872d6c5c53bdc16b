// Items of the program's data files (data sets, projects). A line holds items
// separated by commas; blanks and tabs around an item are ignored.
//
// Number items, read: an optional sign, digits with at most one decimal point
// (the zero before the point may be missing: ".5"), an optional exponent
// "E", "e", "D" or "d" with an optional sign and digits. Nothing else may stand
// in the item, and the value must be finite; a number other than 0 so small
// that its width would hold it as 0 ("1E-400") is refused as too near 0, never
// read as 0. The reading is the same whatever the locale. A Single item is
// rounded once, from its text to the nearest Single: it takes every value
// that rounds to a finite Single ("3.4028235E+38", the largest Single's
// shortest text, among them) and refuses those that round past it.
// Number items, written: the plain number form without its leading blank
// (".15", "-2.5", "1E-05", "3"), 7 significant digits for a Single and 15 for
// a Double. A value that these digits would round past the largest value its
// reader takes, or a Single whose seven digits would read back as a Single
// with other seven digits, is written with the fewest digits that read back
// as itself (the exact form of base/NumberText.h), so that every value a
// reader took is written so that it reads back, and written again the same.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/Types.h"

namespace vrn {

std::string_view trimBlanks(std::string_view s);

// The number of items of a line (commas + 1; 0 for a blank line), without
// splitting it.
std::size_t countItems(std::string_view line);

// The items of a line, each without the blanks around it. An empty line has
// no items; "a,,b" has three, the middle one empty.
std::vector<std::string_view> splitItems(std::string_view line);

enum class ItemError { None, NotANumber, OutOfRange, TooNearZero };

// Each leaves v unchanged unless it returns ItemError::None.
ItemError readDoubleItem(std::string_view item, double& v);
ItemError readSingleItem(std::string_view item, Single& v);
// An integer item: a number item whose value is a whole number in lo..hi.
ItemError readIntegerItem(std::string_view item, long lo, long hi, long& v);

// A text item: the line up to the first comma, without the blanks (and
// byte-order marks) around it.
std::string readTextItem(std::string_view line);

std::string numberItem(double x);
std::string numberItem(Single x);
std::string numberItem(int x);
// A Double that its reader reads as a Single (lambda(inf)): where 15 digits
// would round past what rounds to the largest Single, the exact form. A value
// beyond the range of a Single (passtInSingle) is written as it is; its
// reader refuses it.
std::string numberItemSingleRange(double x);

// A Double item that its field holds within the range of a Single (the
// columns of a data set, which its editor shows and takes as Singles): a
// value beyond the range of a Single is OutOfRange, one other than 0 that a
// Single would hold as 0 TooNearZero.
ItemError readDoubleItemSingleRange(std::string_view item, double& v);

// The user's text for an item that could not be read, e.g.
// "Zeile 7, Wert 3: \"abc\" ist keine gültige Zahl."; with the name of the
// field it belongs to "Zeile 7, Wert 3 (c(B)): ...". Too near 0: "... liegt
// zu nahe an Null."
std::string itemErrorText(ItemError e, int line, int itemNo, std::string_view item, std::string_view name = {});

}  // namespace vrn
