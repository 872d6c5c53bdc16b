// Texts of the fitting window that depend on the evaluation mode: the
// captions per mode, the error-sum and standard-deviation formats and the
// result text for the chart's footer.
#pragma once

#include <string>

#include "base/Zahlbereich.h"
#include "data/Marquardt.h"

namespace vrn {

// Captions of one mode (and temperature function in modes 6 and 7). A null
// text leaves the control as the model window or the unit captions wrote it;
// "%u" in a unit text stands for the time unit.
struct FitBeschriftung {
    int modus;
    int kt;  // 0: any temperature function
    const char* label7;
    const char* frak1;
    const char* frak2;
    const char* bz5;
    const char* unit1;
    const char* bz6;
    const char* unit2;
    bool eyring;  // the entropy label is shown
};

// The row of a mode; modes without a row of their own (1) get the design captions.
const FitBeschriftung& fitBeschriftung(int modus, int kt);

// "/(1/" & unit & ")" style texts: replaces "%u" by the time unit.
std::string mitZeiteinheit(const char* muster, const std::string& einheit);

// The error sum as the window shows it: "0.0000" from the single-precision
// 0.1 up, below in "0.0000 E+##".
std::string fqsText(double fqs);

// A standard deviation: Format(|sd|, "0.0 E+##"), or "n. b." when it could
// not be computed (kKeineStdAbw or not finite).
std::string stdAbwText(double sd);

// Derives bytZeitEinheitIdx from the trimmed sZeiteinheit ("s", "min", "h",
// "d", "a" give 0..4; another text leaves it) and returns it.
int leiteZeitEinheitIdxAb();

// S# in J/(mol K) from the Eyring factor p1, expressed in the time unit of
// index einheit (0..4, Zeitfaktor); false (nothing written) when p1 <= 0 or
// the result is not finite.
bool eyringEntropie(double p1, int einheit, double& S);

// The number field of a parameter (a Single for the reaction order, else a
// Double, any number), named by the caption of its frame, whose last word is
// the parameter's symbol: "Geschwindigkeitskonstante k1" is the theme
// "Geschwindigkeitskonstante" and the symbol "k1" (base/Zahlbereich.h).
Zahlfeld fitParameterFeld(const std::string& rahmen, bool single);

// The note after a fit that converged to a point that may not be a minimum:
// why (for Grenze with the symbol of the parameter held, the last word of
// the caption `rahmen` of its frame), CR LF, and "Das Fitting ist
// möglicherweise nicht konvergiert; anderen Startwert versuchen."; empty for
// Keiner.
std::string zweifelText(MarquardtZweifel zweifel, const std::string& rahmen);

// The result text of the current parameters (CR LF between the lines), read
// from iModell, ModellName, bAuswertungsart, bytKTFunktion, sKonstMaske,
// k(1..3), nOrdnung, dblArrhA, dblArrhEA, dblEyrS, dblEyrH; every number in
// the locale's general form of its single-precision value.
std::string fitErgebnisText();

}  // namespace vrn
