// Checked arithmetic of the kinetics engine. C++ does not trap overflow,
// division by zero or a square root of a negative number; these helpers do,
// by throwing RuntimeFault with the run-time error text the user is shown.
// Every procedure of the engine that can fail catches RuntimeFault at its
// boundary, shows the text in its own failure message and reports failure
// through its error flag; nothing non-finite is ever stored.
#pragma once

#include <cfloat>
#include <cmath>

#include "base/Types.h"

namespace vrn {

// Run-time error texts.
inline constexpr const char* kDivisionDurchNull = "Division durch Null";
inline constexpr const char* kUeberlauf = "Überlauf";
inline constexpr const char* kUngueltigesArgument = "Ungültiger Prozeduraufruf oder ungültiges Argument";
inline constexpr const char* kIndexBereich = "Index außerhalb des gültigen Bereichs";

// A trapped run-time failure; text is what the failure message shows.
struct RuntimeFault {
    const char* text;
};

namespace checked {

// v itself, or "Überlauf" when it is not finite.
inline double finite(double v) {
    if (!std::isfinite(v)) throw RuntimeFault{kUeberlauf};
    return v;
}

// a / b; "Division durch Null" for b = 0 (a != 0), "Überlauf" for 0 / 0 or
// a quotient beyond the range of a Double.
inline double div(double a, double b) {
    if (b == 0) throw RuntimeFault{a == 0 ? kUeberlauf : kDivisionDurchNull};
    return finite(a / b);
}

// e^x; "Überlauf" when it exceeds the range of a Double (underflow gives 0).
inline double exp(double x) { return finite(std::exp(x)); }

// Square root; "Ungültiger ..." for a negative argument.
inline double sqrt(double x) {
    if (!(x >= 0)) throw RuntimeFault{std::isnan(x) ? kUeberlauf : kUngueltigesArgument};
    return std::sqrt(x);
}

// Natural logarithm; "Ungültiger ..." for an argument <= 0.
inline double log(double x) {
    if (!(x > 0)) throw RuntimeFault{std::isnan(x) ? kUeberlauf : kUngueltigesArgument};
    return finite(std::log(x));
}

// Narrowing to Single; "Überlauf" beyond the range of a Single.
inline Single single(double x) {
    if (!(std::fabs(x) <= static_cast<double>(FLT_MAX))) throw RuntimeFault{kUeberlauf};
    return static_cast<Single>(x);
}

}  // namespace checked
}  // namespace vrn
