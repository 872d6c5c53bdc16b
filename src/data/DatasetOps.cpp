#include "data/DatasetOps.h"

#include <algorithm>
#include <cmath>

#include "base/NumberText.h"
#include "base/Zahlbereich.h"

namespace vrn {

namespace {

std::size_t u(int i) { return static_cast<std::size_t>(i); }

// Left-aligned in a field of w characters: blank-padded, cut to w.
std::string feld(std::string s, std::size_t w) {
    s.resize(w, ' ');
    return s;
}

int letzterPunkt(const std::vector<Messpunkt>& d, int n) {
    return std::max(0, std::min(n, static_cast<int>(d.size()) - 1));
}

}  // namespace

double feldWert(const Messpunkt& p, int col) {
    if (col == kSpalteT) return p.t;
    if (col >= 3 && col <= 7) return p.c[u(col - 2)];
    if (col == kSpalteLambda) return p.lambda;
    if (col == kSpalteTemp) return p.Temp;
    if (col == kSpalteK) return p.k;
    return 0;
}

bool setzeFeld(Messpunkt& p, int col, double v) {
    if (col < kSpalteT || col > kSpalteK || !passtInSingle(v)) return false;
    if (col == kSpalteT) p.t = v;
    else if (col <= 7) p.c[u(col - 2)] = v;
    else if (col == kSpalteLambda) p.lambda = zuSingle(v);
    else if (col == kSpalteTemp) p.Temp = v;
    else p.k = v;
    return true;
}

Zahlfeld spaltenFeld(int col, bool leerIstNull) {
    struct Name {
        const char* thema;
        const char* symbol;
    };
    static constexpr Name namen[] = {{"Zeit", "t"},          {"Konzentration", "c(A)"}, {"Konzentration", "c(B)"},
                                     {"Konzentration", "c(C)"}, {"Konzentration", "c(P)"}, {"Konzentration", "c(Q)"},
                                     {"Leitfähigkeit", "lambda"}, {"Temperatur", "T"},
                                     {"Geschwindigkeitskonstante", "k"}};
    Zahlfeld f;
    if (col < kSpalteT || col > kSpalteK) return f;
    const Name& n = namen[u(col - kSpalteT)];
    f.thema = n.thema;
    f.symbol = n.symbol;
    f.breite = Breite::Single;
    f.leer = leerIstNull || col != kSpalteT ? Leer::IstNull : Leer::Fehlt;
    return f;
}

Zahlfeld lambdaInfFeld() {
    Zahlfeld f;
    f.thema = "Leitfähigkeit";
    f.symbol = "lambda (t = ∞)";
    f.breite = Breite::Single;
    return f;
}

std::string spaltenZeile(int col, std::string_view text, bool leerIstNull) {
    if (col < kSpalteT || col > kSpalteK) return {};
    return liesZahl(text, spaltenFeld(col, leerIstNull)).zeile;
}

std::string blockZeilen(int R, int C, const BlockText& block) {
    std::string zeilen;
    for (std::size_t i = 0; i < block.size(); ++i)
        for (std::size_t j = 0; j < block[i].size(); ++j) {
            const std::string z = spaltenZeile(C + static_cast<int>(j), block[i][j], true);
            if (!z.empty()) zeilen += z + " (Zeile " + std::to_string(R + static_cast<int>(i) + 1) + ")\r\n";
        }
    return zeilen;
}

std::string Zeilentext(int i, const Messpunkt& p) {
    std::string nr = std::to_string(i);
    std::string s = feld(nr, std::max<std::size_t>(3, nr.size())) + "\t\t" + feld(FormatAlsSingle(p.t), 14);
    for (int j = 1; j <= 5; ++j) {
        const double v = p.c[u(j)];
        s += '\t' + feld(v > 0 && v < 1e-5 ? Format(v, "0.000000E+00") : Format(v), 14);
    }
    s += '\t' + feld(Format(p.lambda), 14);
    s += '\t' + feld(Format(p.Temp), 14);
    s += '\t' + feld(Format(p.k), 14);
    return s;
}

std::string refillZeilentext(int i, const Messpunkt& p) {
    auto e = [](double v) { return feld(Format(v, "0.000000E+00"), 14); };
    std::string s = feld(Format(i), 4) + "\t\t" + e(passtInSingle(p.t) ? zuSingle(p.t) : p.t);
    for (int j = 1; j <= 5; ++j) s += '\t' + e(p.c[u(j)]);
    s += '\t' + e(p.lambda);
    s += '\t' + feld(Format(p.Temp), 14);
    s += '\t' + e(p.k);
    return s;
}

std::optional<double> zellenWert(int col, std::string_view text) {
    const Zahllesung l = liesZahl(text, spaltenFeld(col, true));
    if (!l.ok()) return std::nullopt;
    return l.wert;
}

bool eingabeAnnehmbar(const Eingabezeile& v) {
    Single sum = 0;
    Messpunkt probe;
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (!setzeFeld(probe, static_cast<int>(i) + kSpalteT, v[i])) return false;
        sum += static_cast<Single>(v[i]);
    }
    return sum > 0;
}

void eingabeInPunkt(const Eingabezeile& v, Messpunkt& p) {
    for (std::size_t i = 0; i < v.size(); ++i) setzeFeld(p, static_cast<int>(i) + kSpalteT, v[i]);
}

Eingabezeile punktAlsEingabe(const Messpunkt& p) {
    Eingabezeile v{};
    for (std::size_t i = 0; i < v.size(); ++i) v[i] = feldWert(p, static_cast<int>(i) + kSpalteT);
    return v;
}

bool sortiereMesspunkte(std::vector<Messpunkt>& d, int n, bool byTemp) {
    auto key = [byTemp](const Messpunkt& p) { return byTemp ? p.Temp : p.t; };
    int ende = letzterPunkt(d, n) - 1;
    bool getauscht = true, irgendwann = false;
    while (getauscht && ende >= 1) {
        getauscht = false;
        for (int j = 1; j <= ende; ++j) {
            if (key(d[u(j)]) > key(d[u(j + 1)])) {
                std::swap(d[u(j)], d[u(j + 1)]);
                getauscht = irgendwann = true;
            }
        }
        --ende;
    }
    return irgendwann;
}

int nulleZellen(std::vector<Messpunkt>& d, int n, int row1, int col1, int row2, int col2) {
    if (row1 > row2) std::swap(row1, row2);
    if (col1 > col2) std::swap(col1, col2);
    const int last = letzterPunkt(d, n);
    int count = 0;
    for (int r = std::max(row1, 0); r <= row2 && r + 1 <= last; ++r)
        for (int c = std::max(col1, kSpalteT); c <= std::min(col2, kSpalteK); ++c)
            if (setzeFeld(d[u(r + 1)], c, 0)) ++count;
    return count;
}

bool entfernePunkte(std::vector<Messpunkt>& d, Integer& n, int first, int last) {
    const int count = letzterPunkt(d, n);
    if (first < 1 || last < first || last > count) return false;
    d.erase(d.begin() + first, d.begin() + last + 1);
    n = static_cast<Integer>(count - (last - first + 1));
    d.resize(u(n) + 1);
    return true;
}

bool fuegeBlockEin(std::vector<Messpunkt>& d, Integer& n, int R, int C, const BlockText& block) {
    if (R < 0 || C < 0) return false;
    const long rows = static_cast<long>(block.size());
    const long neu = std::max<long>(n, R + rows);
    if (neu > 32767) return false;
    if (neu > n) {
        d.resize(u(static_cast<int>(neu)) + 1);
        for (long i = n + 1; i <= neu; ++i) d[static_cast<std::size_t>(i)] = Messpunkt{};
        n = static_cast<Integer>(neu);
    }
    for (std::size_t i = 0; i < block.size(); ++i) {
        Messpunkt& p = d[u(R) + i + 1];
        for (std::size_t j = 0; j < block[i].size(); ++j) {
            const long col = C + static_cast<long>(j);
            if (col < kSpalteT) continue;
            if (col > kSpalteK) break;
            if (const std::optional<double> v = zellenWert(static_cast<int>(col), block[i][j]))
                setzeFeld(p, static_cast<int>(col), *v);
        }
    }
    return true;
}

int zaehleCTPunkte(const std::vector<Messpunkt>& d, int n) {
    int count = 0;
    for (int i = 1; i <= letzterPunkt(d, n); ++i)
        if (zuSingle(d[u(i)].c[1]) > 0 && zuSingle(d[u(i)].t) >= 0) ++count;
    return count;
}

int zaehleKTPunkte(const std::vector<Messpunkt>& d, int n) {
    int count = 0;
    for (int i = 1; i <= letzterPunkt(d, n); ++i)
        if (d[u(i)].Temp > 0 && d[u(i)].k > 0) ++count;
    return count;
}

bool alleInaktiv(const std::vector<Messpunkt>& d, int n) {
    const int last = letzterPunkt(d, n);
    for (int i = 1; i <= last; ++i)
        if (d[u(i)].aus != -1) return false;
    return last > 0;
}

bool nichtIsothermWarnung(int nKurvenTemp, bool hatCTT, double tMax) {
    return nKurvenTemp > 1 && hatCTT && (tMax < 0.2 || tMax > 1);
}

}  // namespace vrn
