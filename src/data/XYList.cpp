#include "data/XYList.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <string>

#include "base/NumberText.h"
#include "base/Zahlbereich.h"
#include "data/XYFile.h"
#include "platform/GridText.h"
#include "shell/AppState.h"

namespace vrn {

namespace {

std::size_t u(int i) { return static_cast<std::size_t>(i); }

int anzahl() { return std::clamp<int>(app.nXYPunkte, 0, static_cast<int>(app.XYDaten.size()) - 1); }

void setzeAnzahl(int n) {
    app.XYDaten.resize(u(n) + 1);
    app.nXYPunkte = static_cast<Integer>(n);
}

// The limits of one axis for the values lo..hi (5 % of the span added).
void achse(double lo, double hi, Single& min, Single& max) {
    double a = 0, b = 0;
    if (hi > lo) {
        const double rand = 0.05 * (hi - lo);
        a = lo - rand;
        b = hi + rand;
    } else if (lo == 0) {
        a = -1;
        b = 1;
    } else {
        a = lo - 0.05 * std::fabs(lo);
        b = lo + 0.05 * std::fabs(lo);
    }
    const double grenze = static_cast<double>(FLT_MAX);
    min = static_cast<Single>(std::clamp(a, -grenze, grenze));
    max = static_cast<Single>(std::clamp(b, -grenze, grenze));
    // Near the smallest Singles 5 % may vanish: the axis still gets a width.
    if (!(min < max)) {
        min = std::nextafter(min, -FLT_MAX);
        max = std::nextafter(max, FLT_MAX);
    }
}

}  // namespace

void xyListeLeeren() { setzeAnzahl(0); }

void xyListeSetzen(const std::vector<XYPunkt>& pts) {
    const int n = std::min<int>(static_cast<int>(pts.size()) - 1, kMaxXYPunkte);
    if (n < 1) return xyListeLeeren();
    app.XYDaten.assign(pts.begin(), pts.begin() + n + 1);
    app.XYDaten[0] = XYPunkt{static_cast<Single>(n), 0, 0};
    app.nXYPunkte = static_cast<Integer>(n);
}

bool xyWertGueltig(double v) { return passtInSingle(v); }

Zahlfeld xyFeld(int spalte, bool leerIstNull) {
    Zahlfeld f;
    f.thema = spalte == 2 ? "x-Wert" : "y-Wert";
    f.symbol = spalte == 2 ? "x" : "y";
    f.breite = Breite::Single;
    f.leer = leerIstNull ? Leer::IstNull : Leer::Fehlt;
    return f;
}

std::string xyZeile(int spalte, std::string_view text, bool leerIstNull) {
    if (spalte != 2 && spalte != 3) return {};
    return liesZahl(text, xyFeld(spalte, leerIstNull)).zeile;
}

std::string xyBlockZeilen(std::string_view text, int zeile0, int spalte0) {
    const BlockText rows = splitBlockText(text);
    const int ersteSpalte = std::max(spalte0, 2);
    std::string zeilen;
    for (std::size_t j = 0; j < rows.size(); ++j)
        for (std::size_t k = 0; k < rows[j].size() && ersteSpalte + static_cast<int>(k) <= 3; ++k) {
            const std::string z = xyZeile(ersteSpalte + static_cast<int>(k), rows[j][k], true);
            if (!z.empty()) zeilen += z + " (Zeile " + std::to_string(zeile0 + static_cast<int>(j) + 1) + ")\r\n";
        }
    return zeilen;
}

bool xyPunktAnfuegen(double x, double y) {
    const int n = anzahl();
    if (n >= kMaxXYPunkte || !xyWertGueltig(x) || !xyWertGueltig(y)) return false;
    setzeAnzahl(n + 1);
    app.XYDaten[u(n + 1)] = XYPunkt{zuSingle(x), zuSingle(y), 0};
    return true;
}

bool xyWertSetzen(int i, int spalte, double v) {
    if (i < 1 || i > anzahl() || (spalte != 2 && spalte != 3) || !xyWertGueltig(v)) return false;
    (spalte == 2 ? app.XYDaten[u(i)].x : app.XYDaten[u(i)].y) = zuSingle(v);
    return true;
}

bool xyAusSetzen(int i, bool aus) {
    if (i < 1 || i > anzahl()) return false;
    app.XYDaten[u(i)].aus = aus ? -1.0f : 0.0f;
    return true;
}

int xyZeilenEntfernen(int r1, int r2) {
    const int n = anzahl();
    if (r1 > r2) std::swap(r1, r2);
    r1 = std::max(r1, 1);
    r2 = std::min(r2, n);
    if (r1 > r2) return 0;
    app.XYDaten.erase(app.XYDaten.begin() + r1, app.XYDaten.begin() + r2 + 1);
    setzeAnzahl(n - (r2 - r1 + 1));
    return r2 - r1 + 1;
}

bool xyZellenNullen(int r1, int c1, int r2, int c2) {
    if (r1 > r2) std::swap(r1, r2);
    if (c1 > c2) std::swap(c1, c2);
    bool getroffen = false;
    for (int i = std::max(r1, 1); i <= std::min(r2, anzahl()); ++i)
        for (int c = std::max(c1, 2); c <= std::min(c2, 3); ++c) getroffen = xyWertSetzen(i, c, 0) || getroffen;
    return getroffen;
}

int xyEinfuegen(std::string_view text, int zeile0, int spalte0) {
    const BlockText rows = splitBlockText(text);
    const int nRows = static_cast<int>(rows.size());
    if (nRows == 0 || zeile0 < 0 || zeile0 > anzahl() || zeile0 + nRows > kMaxXYPunkte) return 0;
    if (zeile0 + nRows > anzahl()) setzeAnzahl(zeile0 + nRows);
    const int ersteSpalte = std::max(spalte0, 2);
    for (int j = 0; j < nRows; ++j) {
        const auto& cells = rows[u(j)];
        for (std::size_t k = 0; k < cells.size() && ersteSpalte + static_cast<int>(k) <= 3; ++k) {
            // Rounded once, from the text to the Single the list holds.
            const int spalte = ersteSpalte + static_cast<int>(k);
            const Zahllesung l = liesZahl(cells[k], xyFeld(spalte, true));
            if (l.ok()) xyWertSetzen(zeile0 + j + 1, spalte, l.single);
        }
    }
    return nRows;
}

std::vector<XYPunkt> xyAktivePunkte() {
    std::vector<XYPunkt> manu(1);
    for (int i = 1; i <= anzahl(); ++i) {
        const XYPunkt& p = app.XYDaten[u(i)];
        if (p.aus != -1) manu.push_back(XYPunkt{p.x, p.y, 0});
    }
    manu[0].x = static_cast<Single>(manu.size() - 1);
    return manu;
}

void xyDiagrammAnfordern(const std::vector<XYPunkt>& manu, Diagramm& d) {
    if (manu.size() < 2 || !(manu[0].x >= 1)) return;
    const std::size_t m = std::min(manu.size() - 1, static_cast<std::size_t>(manu[0].x));
    double x0 = manu[1].x, x1 = x0, y0 = manu[1].y, y1 = y0;
    for (std::size_t i = 2; i <= m; ++i) {
        x0 = std::min<double>(x0, manu[i].x);
        x1 = std::max<double>(x1, manu[i].x);
        y0 = std::min<double>(y0, manu[i].y);
        y1 = std::max<double>(y1, manu[i].y);
    }
    achse(x0, x1, d.XMin, d.XMax);
    achse(y0, y1, d.YMin, d.YMax);
    d.Kopftext = "experimentelle Punkte y(T)";
    d.YTitel = "y";
    d.XTitel = "T / K";
}

}  // namespace vrn
