#include "base/Zahlbereich.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "base/NumberText.h"

namespace vrn {

namespace {

// The number of a whole text taken apart: the text for from_chars ("-" or
// nothing, the digits with ".", "e" and the exponent) and whether a digit
// other than 0 stands in it.
struct Zahltext {
    bool gelesen = false;
    bool negativ = false;
    bool nichtNull = false;
    std::string text;
};

bool ziffer(char c) { return c >= '0' && c <= '9'; }

Zahltext zerlege(std::string_view s) {
    Zahltext z;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        z.negativ = s[i] == '-';
        if (z.negativ) z.text += '-';
        ++i;
    }
    bool ziffern = false;
    while (i < s.size() && ziffer(s[i])) {
        z.nichtNull = z.nichtNull || s[i] != '0';
        z.text += s[i++];
        ziffern = true;
    }
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
        z.text += '.';
        ++i;
        while (i < s.size() && ziffer(s[i])) {
            z.nichtNull = z.nichtNull || s[i] != '0';
            z.text += s[i++];
            ziffern = true;
        }
    }
    if (!ziffern) return z;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        ++i;
        z.text += 'e';
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            if (s[i] == '-') z.text += '-';
            ++i;
        }
        bool expZiffern = false;
        while (i < s.size() && ziffer(s[i])) {
            z.text += s[i++];
            expZiffern = true;
        }
        if (!expZiffern) return z;
    }
    z.gelesen = i == s.size();
    return z;
}

// How the text of a number reads into T: the value, or beyond the range, or
// so near 0 that it reads as 0.
template <typename T>
Zahlfehler leseIn(const Zahltext& z, T& v) {
    T r = 0;
    const auto res = std::from_chars(z.text.data(), z.text.data() + z.text.size(), r);
    if (res.ec == std::errc::result_out_of_range) {
        if (decimalUnderflow(z.text)) return Zahlfehler::NaheNull;
        return z.negativ ? Zahlfehler::ZuKlein : Zahlfehler::ZuGross;
    }
    if (res.ec != std::errc() || res.ptr != z.text.data() + z.text.size()) return Zahlfehler::KeineZahl;
    if (!std::isfinite(r)) return z.negativ ? Zahlfehler::ZuKlein : Zahlfehler::ZuGross;
    if (r == 0 && z.nichtNull) return Zahlfehler::NaheNull;
    v = r;
    return Zahlfehler::Keiner;
}

const char* anforderung(Bereich b) {
    switch (b) {
        case Bereich::NichtNegativ: return "muss mindestens 0 sein";
        case Bereich::Positiv: return "muss größer Null sein";
        case Bereich::NullBisEins: return "muss größer als 0 und kleiner als 1 sein";
        case Bereich::Beliebig: break;
    }
    return "muss eine Zahl sein";
}

bool imBereich(double x, Bereich b) {
    switch (b) {
        case Bereich::NichtNegativ: return x >= 0;
        case Bereich::Positiv: return x > 0;
        case Bereich::NullBisEins: return x > 0 && x < 1;
        case Bereich::Beliebig: break;
    }
    return true;
}

// The text as the line shows it: at most 40 characters, never cut inside a
// UTF-8 sequence.
std::string gezeigt(std::string_view t) {
    if (t.size() <= 40) return std::string(t);
    std::size_t cut = 40;
    while (cut > 0 && (static_cast<unsigned char>(t[cut]) & 0xC0u) == 0x80u) --cut;
    return std::string(t.substr(0, cut)) + "...";
}

// The line of a value outside the range: the field's own, where it speaks of that value.
std::string ausserhalb(const Zahlfeld& f, bool null) {
    if (!f.eigeneZeile.empty() && (null || !f.eigeneZeileNurFuerNull)) return f.eigeneZeile;
    return bereichsZeile(f);
}

}  // namespace

Zahlfeld zahlfeld(std::string thema, std::string symbol, Breite breite, Bereich bereich, Leer leer,
                  std::string eigeneZeile, bool eigeneZeileNurFuerNull) {
    Zahlfeld f;
    f.thema = std::move(thema);
    f.symbol = std::move(symbol);
    f.breite = breite;
    f.bereich = bereich;
    f.leer = leer;
    f.eigeneZeile = std::move(eigeneZeile);
    f.eigeneZeileNurFuerNull = eigeneZeileNurFuerNull;
    return f;
}

Zahlfeld mitFehltZeile(Zahlfeld f, const char* fehlt) {
    if (!fehlt) return f;
    f.bereich = Bereich::Positiv;
    f.eigeneZeile = fehlt;
    f.eigeneZeileNurFuerNull = true;
    return f;
}

std::string bereichsZeile(const Zahlfeld& f) {
    return "- " + f.thema + " außerhalb des Bereichs: " + f.symbol + " " + anforderung(f.bereich);
}

std::string rechenUeberlaufZeile(const Zahlfeld& f, double wert) {
    std::string text = Str(wert);
    if (!text.empty() && text.front() == ' ') text.erase(0, 1);
    return "- " + f.thema + (wert > 1 ? " zu groß" : " zu klein") + " für die Rechnung: mit " + f.symbol + " = " +
           text + " läuft die Rechnung über";
}

int ueberlaufUrsache(const std::vector<double>& eingaben) {
    int beste = -1;
    double weit = 30;
    for (std::size_t i = 0; i < eingaben.size(); ++i) {
        const double x = std::fabs(eingaben[i]);
        if (!(x > 0) || !std::isfinite(x)) continue;
        const double d = std::fabs(std::log10(x));
        if (beste < 0 ? d >= weit : d > weit) {
            weit = d;
            beste = static_cast<int>(i);
        }
    }
    return beste;
}

std::string pruefeBereich(double x, const Zahlfeld& f) {
    if (imBereich(x, f.bereich) && !std::isnan(x)) return {};
    return ausserhalb(f, x == 0);
}

Zahllesung liesZahl(std::string_view text, const Zahlfeld& f) {
    Zahllesung r;
    auto refuse = [&r](Zahlfehler e, std::string zeile) {
        r.fehler = e;
        r.zeile = std::move(zeile);
        r.wert = 0;
        r.single = 0;
        return r;
    };
    const std::size_t a = text.find_first_not_of(" \t\r\n");
    const std::string_view t = a == std::string_view::npos ? std::string_view()
                                                           : text.substr(a, text.find_last_not_of(" \t\r\n") - a + 1);
    const bool single = f.breite == Breite::Single;
    if (t.empty()) {
        if (f.leer == Leer::IstNull) {
            if (imBereich(0, f.bereich)) return r;
            return refuse(Zahlfehler::Bereich, ausserhalb(f, true));
        }
        if (!f.eigeneZeile.empty()) return refuse(Zahlfehler::Leer, f.eigeneZeile);
        return refuse(Zahlfehler::Leer, "- " + f.thema + " fehlt: " + f.symbol + " " + anforderung(f.bereich));
    }
    const Zahltext z = zerlege(t);
    if (!z.gelesen)
        return refuse(Zahlfehler::KeineZahl, "- " + f.thema + ": \"" + gezeigt(t) + "\" ist keine Zahl, " + f.symbol +
                                                 " " + anforderung(f.bereich));
    double d = 0;
    Single s = 0;
    Zahlfehler e = leseIn(z, d);
    if (e == Zahlfehler::Keiner && single) e = leseIn(z, s);
    const std::string grenze = single ? "3.4E+38" : "1.7E+308";
    switch (e) {
        case Zahlfehler::ZuGross:
            if (f.bereich == Bereich::NullBisEins) return refuse(Zahlfehler::Bereich, ausserhalb(f, false));
            return refuse(e, "- " + f.thema + " zu groß: " + f.symbol + " darf höchstens " + grenze + " sein");
        case Zahlfehler::ZuKlein:
            if (f.bereich != Bereich::Beliebig) return refuse(Zahlfehler::Bereich, ausserhalb(f, false));
            return refuse(e, "- " + f.thema + " zu klein: " + f.symbol + " muss mindestens -" + grenze + " sein");
        case Zahlfehler::NaheNull: {
            if (z.negativ && (f.bereich != Bereich::Beliebig)) return refuse(Zahlfehler::Bereich, ausserhalb(f, false));
            const std::string kleinste = single ? "1.4E-45" : "4.9E-324";
            const char* wie = f.bereich == Bereich::Beliebig       ? "0 oder im Betrag mindestens "
                              : f.bereich == Bereich::NichtNegativ ? "0 oder mindestens "
                                                                   : "mindestens ";
            return refuse(e, "- " + f.thema + " zu nahe an Null: " + f.symbol + " muss " + wie + kleinste + " sein");
        }
        case Zahlfehler::KeineZahl:
            return refuse(e, "- " + f.thema + ": \"" + gezeigt(t) + "\" ist keine Zahl, " + f.symbol + " " +
                                 anforderung(f.bereich));
        case Zahlfehler::Keiner:
        case Zahlfehler::Leer:
        case Zahlfehler::Bereich: break;
    }
    const double x = single ? static_cast<double>(s) : d;
    if (!imBereich(x, f.bereich)) return refuse(Zahlfehler::Bereich, ausserhalb(f, x == 0));
    r.wert = d;
    r.single = single ? s : static_cast<Single>(0);
    if (!single) r.single = passtInSingle(d) ? zuSingle(d) : 0;
    return r;
}

std::string ausserhalbZeile(std::string_view thema, std::string_view symbol, std::string_view von,
                            std::string_view bis) {
    return "- " + std::string(thema) + " außerhalb des Bereichs: " + std::string(symbol) + " muss zwischen " +
           std::string(von) + " und " + std::string(bis) + " liegen";
}

namespace {
// Whether a Single shows x: x fits one and does not shrink to 0 or below the
// Single's normal range, where it would keep fewer digits than it shows.
bool alsSingleGezeigt(double x) {
    return passtInSingle(x) && (x == 0 || std::fabs(x) >= static_cast<double>(std::numeric_limits<Single>::min()));
}
}  // namespace

std::string StrAlsSingle(double x) { return alsSingleGezeigt(x) ? Str(zuSingle(x)) : Str(x); }
std::string FormatAlsSingle(double x) { return alsSingleGezeigt(x) ? Format(zuSingle(x)) : Format(x); }
std::string FormatAlsSingle(double x, std::string_view pattern) {
    return alsSingleGezeigt(x) ? Format(zuSingle(x), pattern) : Format(x, pattern);
}

}  // namespace vrn
