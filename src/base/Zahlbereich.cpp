#include "base/Zahlbereich.h"

#include <cmath>
#include <limits>

#include "base/NumberText.h"

namespace vrn {

Ueberlauf ValUeberlauf(std::string_view text, bool single) {
    if (!ValZuGross(text, single)) return Ueberlauf::Keiner;
    // The sign is the first character after the leading blanks and tabs.
    const std::size_t i = text.find_first_not_of(" \t");
    return i != std::string_view::npos && text[i] == '-' ? Ueberlauf::ZuKlein : Ueberlauf::ZuGross;
}

Ueberlauf WertUeberlauf(double x, bool single) {
    if (std::isnan(x)) return Ueberlauf::Keiner;
    const bool drin = single ? passtInSingle(x) : std::isfinite(x);
    if (drin) return Ueberlauf::Keiner;
    return x < 0 ? Ueberlauf::ZuKlein : Ueberlauf::ZuGross;
}

std::string ueberlaufZeile(std::string_view thema, std::string_view symbol, Ueberlauf u, bool single) {
    const std::string grenze = single ? "3.4E+38" : "1.7E+308";
    switch (u) {
        case Ueberlauf::ZuGross:
            return "- " + std::string(thema) + " zu groß: " + std::string(symbol) + " darf höchstens " + grenze + " sein";
        case Ueberlauf::ZuKlein:
            return "- " + std::string(thema) + " zu klein: " + std::string(symbol) + " muss mindestens -" + grenze +
                   " sein";
        case Ueberlauf::Keiner: break;
    }
    return {};
}

std::string ausserhalbZeile(std::string_view thema, std::string_view symbol, std::string_view von,
                            std::string_view bis) {
    return "- " + std::string(thema) + " außerhalb des Bereichs: " + std::string(symbol) + " muss zwischen " +
           std::string(von) + " und " + std::string(bis) + " liegen";
}

std::string StrAlsSingle(double x) { return passtInSingle(x) ? Str(zuSingle(x)) : Str(x); }
std::string FormatAlsSingle(double x) { return passtInSingle(x) ? Format(zuSingle(x)) : Format(x); }
std::string FormatAlsSingle(double x, std::string_view pattern) {
    return passtInSingle(x) ? Format(zuSingle(x), pattern) : Format(x, pattern);
}

std::string zuGrossZeile(std::string_view thema, std::string_view symbol, bool single) {
    return ueberlaufZeile(thema, symbol, Ueberlauf::ZuGross, single);
}

}  // namespace vrn
