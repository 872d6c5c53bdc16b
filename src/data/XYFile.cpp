#include "data/XYFile.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "base/NumberText.h"
#include "platform/ChartModel.h"
#include "shell/TextFile.h"

namespace vrn {

namespace {

constexpr const char* kMuster = ".0000000E+00";

// The locale's decimal comma, if any, becomes a point.
std::string mitPunkt(std::string s) {
    std::replace(s.begin(), s.end(), ',', '.');
    return s;
}

// The value of one column text: a decimal comma counts as a point; no
// leading number, or a number beyond a Single, gives 0.
Single spaltenWert(std::string_view text) {
    const double v = Val(mitPunkt(std::string(text)));
    if (!(std::fabs(v) <= static_cast<double>(FLT_MAX))) return 0;
    return static_cast<Single>(v);
}

bool istLeer(std::string_view zeile) {
    return zeile.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

std::string xyZahlText(double v) { return mitPunkt(Format(v, kMuster)); }
std::string xyZahlText(float v) { return mitPunkt(Format(v, kMuster)); }

std::string ermittleTrennzeichen(std::string_view zeile) {
    std::string t;
    for (const char* c : {" ", ",", ";", "\t"})
        if (zeile.find(c) != std::string_view::npos) t = c;
    return t;
}

XYPunkt xyZeileLesen(std::string_view zeile, const std::string& trenn) {
    if (trenn == " ") {
        const std::size_t a = zeile.find_first_not_of(' ');
        if (a == std::string_view::npos) return {};
        zeile = zeile.substr(a, zeile.find_last_not_of(' ') - a + 1);
    }
    const std::size_t p1 = trenn.empty() ? std::string_view::npos : zeile.find(trenn);
    if (p1 == std::string_view::npos) return XYPunkt{0, spaltenWert(zeile), 0};
    std::size_t rest = p1 + trenn.size();
    if (trenn == " ") rest = std::min(zeile.size(), zeile.find_first_not_of(' ', rest));
    const std::string_view y = zeile.substr(rest);
    return XYPunkt{spaltenWert(zeile.substr(0, p1)), spaltenWert(y.substr(0, y.find(trenn))), 0};
}

bool parseXYDatei(std::string_view bytes, XYDateiInhalt& out, std::string& error) {
    return parseXYZeilen(splitLines(decodeText(bytes)), out, error);
}

bool parseXYZeilen(const std::vector<std::string>& lines, XYDateiInhalt& out, std::string& error) {
    for (const std::string& l : lines)
        if (l.find('\0') != std::string::npos) {
            error = "Die Datei ist keine Textdatei (sie enthält Null-Bytes).";
            return false;
        }
    out = XYDateiInhalt{};
    if (lines.empty()) return true;
    out.kommentar = lines[0];
    std::size_t daten = 0;
    for (std::size_t i = 1; i < lines.size(); ++i)
        if (!istLeer(lines[i])) {
            if (daten == 0) out.trennzeichen = ermittleTrennzeichen(lines[i]);
            ++daten;
        }
    if (daten == 0) out.trennzeichen = ermittleTrennzeichen(lines[0]);
    if (daten > static_cast<std::size_t>(kMaxXYPunkte)) {
        error = "Die Datei enthält " + std::to_string(daten) + " Punkte; die Liste fasst höchstens " +
                std::to_string(kMaxXYPunkte) + ".";
        return false;
    }
    out.punkte.reserve(daten);
    for (std::size_t i = 1; i < lines.size(); ++i)
        if (!istLeer(lines[i])) out.punkte.push_back(xyZeileLesen(lines[i], out.trennzeichen));
    return true;
}

std::vector<std::string> formatXYDatei(const std::string& kommentar, const std::vector<XYPunkt>& punkte, int n,
                                       const std::string& trenn) {
    std::vector<std::string> lines{kommentar};
    const int bis = std::min(n, static_cast<int>(punkte.size()) - 1);
    for (int i = 1; i <= bis; ++i) {
        const XYPunkt& p = punkte[static_cast<std::size_t>(i)];
        if (p.aus == -1) continue;
        lines.push_back(xyZahlText(p.x) + trenn + xyZahlText(p.y));
    }
    return lines;
}

std::vector<std::string> formatKurveXY(const std::vector<double>& x, const std::vector<double>& y,
                                       const std::string& trenn) {
    std::vector<std::string> lines{kKurvenKommentar};
    const std::size_t n = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (!std::isfinite(x[i]) || !std::isfinite(y[i]) || y[i] >= kChartHole) continue;
        lines.push_back(xyZahlText(x[i]) + trenn + xyZahlText(y[i]));
    }
    return lines;
}

}  // namespace vrn
