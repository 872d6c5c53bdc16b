#include "chart/DesignRules.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/NumberText.h"

namespace vrn {

namespace {

// Whether the text starts (after blanks and a sign) with something the
// leading-number reading takes as a number.
bool hatFuehrendeZahl(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
    if (i < s.size() && s[i] == '.') ++i;
    return i < s.size() && s[i] >= '0' && s[i] <= '9';
}

// One bound: the leading number rounded to Single; nullopt for a number
// beyond the range of a Double or of a Single.
std::optional<Single> leseGrenze(const std::string& text) {
    bool ok = false;
    const double v = Val(text, ok);
    if (!ok) {
        if (hatFuehrendeZahl(text)) return std::nullopt;  // a number too large to read
        return 0.0f;                                       // no number: reads 0
    }
    if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<Single>::max()) return std::nullopt;
    return static_cast<Single>(v);
}

}  // namespace

KoordPruefung pruefeKoordinaten(const std::array<std::string, 4>& texte, bool xLog, bool yLog) {
    KoordPruefung r;
    std::array<Single, 4> v{};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::optional<Single> g = leseGrenze(texte[i]);
        if (!g) {
            r.fehler = KoordFehler::Zahlenbereich;
            return r;
        }
        v[i] = *g;
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

AbstandsEingabe leseAbstand(std::string_view text, ChartRange range, bool logarithmic) {
    AbstandsEingabe r;
    r.text.assign(text);
    std::replace(r.text.begin(), r.text.end(), ',', '.');
    bool ok = false;
    const double v = Val(r.text, ok);
    if (ok && chartSpacingAcceptable(range, logarithmic, v)) r.wert = v;
    return r;
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
