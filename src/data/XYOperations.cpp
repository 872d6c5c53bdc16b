#include "data/XYOperations.h"

#include <algorithm>
#include <cmath>

#include "base/NumberText.h"
#include "engine/Checked.h"
#include "shell/AppState.h"

namespace vrn {

namespace {

std::size_t u(int i) { return static_cast<std::size_t>(i); }

int anzahl() { return std::clamp<int>(app.nXYPunkte, 0, static_cast<int>(app.XYDaten.size()) - 1); }

// The new value of the operation for one point (x for "x = 1 - x", else y);
// throws RuntimeFault when it fails.
Single neuerWert(int art, double W, const XYPunkt& p) {
    const double y = p.y;
    switch (static_cast<XYRechenArt>(art)) {
        case XYRechenArt::Exp: return checked::single(checked::exp(y));
        case XYRechenArt::Ln: return checked::single(checked::log(y));
        case XYRechenArt::MalW: return checked::single(checked::finite(y * W));
        case XYRechenArt::PlusW: return checked::single(checked::finite(y + W));
        case XYRechenArt::Kehrwert: return checked::single(checked::div(1.0, y));
        case XYRechenArt::EinsMinusX: return checked::single(1.0 - static_cast<double>(p.x));
    }
    throw RuntimeFault{kUngueltigesArgument};
}

// A number of the printed list: the plain form, the locale's separator, a trailing blank.
std::string druckZahl(Single v) {
    std::string s = Str(v);
    std::replace(s.begin(), s.end(), '.', numberLocale().decimal);
    return s + " ";
}

// Writes text starting at column spalte (1-based) of the current line; a
// column already passed starts a new line.
void anSpalte(std::vector<std::string>& lines, int spalte, const std::string& text) {
    const std::size_t vor = u(spalte - 1);
    if (lines.back().size() > vor) lines.emplace_back();
    lines.back().resize(vor, ' ');
    lines.back() += text;
}

}  // namespace

void xySortieren(bool nachY) {
    auto first = app.XYDaten.begin() + 1;
    std::stable_sort(first, first + anzahl(),
                     [nachY](const XYPunkt& a, const XYPunkt& b) { return nachY ? a.y < b.y : a.x < b.x; });
}

void xyTauschen() {
    for (int i = 1; i <= anzahl(); ++i) std::swap(app.XYDaten[u(i)].x, app.XYDaten[u(i)].y);
}

bool xyRechnen(int art, double W, std::string& fehler) {
    if (art < 0 || art > 5) return false;
    const int n = anzahl();
    std::vector<Single> neu(u(n) + 1);
    try {
        for (int i = 1; i <= n; ++i) neu[u(i)] = neuerWert(art, W, app.XYDaten[u(i)]);
    } catch (const RuntimeFault& f) {
        fehler = f.text;
        return false;
    }
    for (int i = 1; i <= n; ++i)
        (art == static_cast<int>(XYRechenArt::EinsMinusX) ? app.XYDaten[u(i)].x : app.XYDaten[u(i)].y) = neu[u(i)];
    return true;
}

std::vector<std::string> xyDruckliste(const std::string& dateiKopf, bool mitDatei, const std::string& stempel) {
    const std::string einzug(12, ' ');
    std::vector<std::string> lines(3);
    if (!mitDatei) {
        lines.push_back(einzug + "Liste XY-Daten vom " + stempel);
        lines.emplace_back();
    } else {
        lines.push_back(einzug + "Liste von XY-Datenfile " + dateiKopf);
        lines.emplace_back();
        lines.push_back(einzug + stempel);
    }
    lines.emplace_back();
    const std::string linie = std::string(11, ' ') + std::string(35, '-');
    lines.push_back(linie);
    lines.emplace_back();
    anSpalte(lines, 21, "X");
    anSpalte(lines, 34, "Y");
    lines.push_back(linie);
    for (int i = 1; i <= anzahl(); ++i) {
        const XYPunkt& p = app.XYDaten[u(i)];
        lines.emplace_back();
        anSpalte(lines, 12, std::to_string(i));
        anSpalte(lines, 20, druckZahl(p.x));
        anSpalte(lines, 33, druckZahl(p.y));
    }
    lines.push_back(linie);
    return lines;
}

}  // namespace vrn
