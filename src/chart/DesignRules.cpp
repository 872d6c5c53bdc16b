#include "chart/DesignRules.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/NumberText.h"

namespace vrn {

Zahlfeld koordFeld(int i) {
    static const char* const namen[5] = {"", "x(min)", "x(max)", "y(min)", "y(max)"};
    Zahlfeld f;
    f.thema = "Achsenbereich";
    f.symbol = i >= 1 && i <= 4 ? namen[i] : "";
    f.breite = Breite::Single;
    return f;
}

KoordPruefung pruefeKoordinaten(const std::array<std::string, 4>& texte, bool xLog, bool yLog) {
    KoordPruefung r;
    std::array<Single, 4> v{};
    for (std::size_t i = 0; i < 4; ++i) {
        const Zahllesung l = liesZahl(texte[i], koordFeld(static_cast<int>(i) + 1));
        if (l.ok()) v[i] = l.single;
        else r.zeilen += (r.zeilen.empty() ? "" : "\r\n") + l.zeile;
    }
    if (!r.zeilen.empty()) {
        r.fehler = KoordFehler::Zahlenbereich;
        return r;
    }
    if (!(v[0] < v[1] && v[2] < v[3])) {
        r.fehler = KoordFehler::Reihenfolge;
        return r;
    }
    if ((xLog && !(v[0] > 0)) || (yLog && !(v[2] > 0))) {
        r.fehler = KoordFehler::LogMinimum;
        return r;
    }
    r.xMin = v[0];
    r.xMax = v[1];
    r.yMin = v[2];
    r.yMax = v[3];
    return r;
}

std::string koordMeldung(const KoordPruefung& p) {
    return p.fehler == KoordFehler::Zahlenbereich && !p.zeilen.empty() ? p.zeilen : koordMeldung(p.fehler);
}

const char* koordMeldung(KoordFehler f) {
    switch (f) {
        case KoordFehler::Reihenfolge: return "Untere Grenze muss kleiner als obere Grenze sein";
        case KoordFehler::Zahlenbereich: return "Die Grenzen müssen Zahlen zwischen -3.4E+38 und 3.4E+38 sein";
        case KoordFehler::LogMinimum: return "Bei logarithmischer Achse muss die untere Grenze größer als 0 sein";
        case KoordFehler::Keiner: break;
    }
    return "";
}

bool logarithmischMoeglich(double lo, double hi) { return validBound(lo, true) && validBound(hi, true); }

AbstandsEingabe leseAbstand(std::string_view text, ChartRange range, bool logarithmic, const std::string& achse,
                            const std::string& art) {
    AbstandsEingabe r;
    r.text.assign(text);
    std::replace(r.text.begin(), r.text.end(), ',', '.');
    const Zahllesung l = liesZahl(r.text, abstandFeld(achse, art));
    if (!l.ok()) {
        r.zeile = l.zeile;
    } else if (!chartSpacingAcceptable(range, logarithmic, l.wert)) {
        // More lines than a chart draws: the smallest spacing of 1,000 steps is named.
        const double spanne = logarithmic ? std::log10(range.hi) - std::log10(range.lo) : range.hi - range.lo;
        std::string min = Str(zuSingle(spanne / 1000));
        if (!min.empty() && min.front() == ' ') min.erase(0, 1);
        r.zeile = "- " + achse + " außerhalb des Bereichs: " + art + " muss mindestens " + min + " sein";
    } else {
        r.wert = l.wert;
    }
    return r;
}

Zahlfeld abstandFeld(const std::string& achse, const std::string& art) {
    return zahlfeld(achse, art, Breite::Single, Bereich::Positiv);
}

Zahlfeld ursprungFeld(bool x) {
    Zahlfeld f;
    f.thema = "Achsen-Ursprung";
    f.symbol = x ? "X" : "Y";
    f.breite = Breite::Single;
    return f;
}

std::optional<std::pair<int, int>> gitterMuster(int art, int stil) {
    switch (art) {
        case 0: return std::pair{kKeinGitter, kKeinGitter};
        case 1: return std::pair{kKeinGitter, stil};
        case 2: return std::pair{stil, kKeinGitter};
        case 3: return std::pair{stil, stil};
        default: return std::nullopt;
    }
}

int festeGegenkante(int altStart, int altAusdehnung, int neuStart) {
    return std::max(0, altAusdehnung + altStart - neuStart);
}

Balken legendeLinks(int flaecheBreite) { return {0, std::max(0, flaecheBreite + 100), 5}; }
Balken legendeOben(int flaecheHoehe, int legendenHoehe) { return {0, std::max(0, flaecheHoehe - legendenHoehe), 5}; }

const char* textPanelTitel(int ziel) {
    constexpr std::array<const char*, 5> kTitel{"", "Kopftext gestalten", "Zusatztext gestalten",
                                                "x-Achsenbeschriftung gestalten", "y-Achsenbeschriftung gestalten"};
    return ziel >= 1 && ziel <= 4 ? kTitel[static_cast<std::size_t>(ziel)] : "";
}

std::string zeilenFuerBox(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r') {
            r += '\n';
            if (i + 1 < s.size() && s[i + 1] == '\n') ++i;
        } else {
            r += s[i];
        }
    }
    return r;
}

std::string zeilenFuerChart(std::string_view s) {
    std::string r;
    r.reserve(s.size() + 8);
    for (char ch : s) {
        if (ch == '\n') r += "\r\n";
        else if (ch != '\r') r += ch;
    }
    return r;
}

std::string ohneEndBlanks(std::string_view s) {
    std::size_t n = s.size();
    while (n > 0 && s[n - 1] == ' ') --n;
    return std::string(s.substr(0, n));
}

int spinWert(std::string_view label) { return CInt(Val(label)); }

}  // namespace vrn
