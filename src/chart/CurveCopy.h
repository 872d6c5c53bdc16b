// The text of a curve for other programs ("Kurve in Clipboard") and the
// curve number named by a tab caption of the curve panel ("K. 12").
#pragma once

#include <string>
#include <vector>

#include "base/Types.h"

namespace vrn {

// One line per point: x, Tab, y, CR LF; each value rounded to Single and
// written in the locale's general number form (a decimal comma on a German
// system). No header, no count; an empty curve gives an empty text. x and y
// are taken pairwise up to the shorter of the two; a point whose x or y is
// not finite or whose y is the chart's hole (1E+308) is left out.
// A value beyond the range of a Single cannot be written so: the text is
// then empty and error (when given) names the first such value ("Punkt 3,
// Wert 2: \"1E+300\" liegt außerhalb des zulässigen Bereichs.").
std::string kurveAlsText(const std::vector<double>& x, const std::vector<double>& y, std::string* error = nullptr);
inline constexpr const char* kKurveNichtKopiert = "Die Kurve wurde nicht in die Zwischenablage kopiert.";

// The curve number in a tab caption: the caption trimmed, then the
// leading-number reading of the part after its first "." (of the whole
// caption when it has no "."), rounded half to even. "K. 12" gives 12.
// Returns 0 when the caption names no curve 1..24.
Integer kurvenNummerAusTitel(const std::string& caption);

}  // namespace vrn
