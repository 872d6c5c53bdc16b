#include "data/XYFile.h"

#include <algorithm>
#include <charconv>
#include <cfloat>
#include <cmath>

#include "base/NumberText.h"
#include "base/Zahlbereich.h"
#include "data/XYList.h"
#include "platform/ChartModel.h"
#include "shell/FileItems.h"
#include "shell/TextFile.h"

namespace vrn {

namespace {

constexpr const char* kMuster = ".0000000E+00";

// The locale's decimal comma, if any, becomes a point.
std::string mitPunkt(std::string s) {
    std::replace(s.begin(), s.end(), ',', '.');
    return s;
}

// The value of one column text as the editor's column takes it (the
// checked reading of xyFeld: a decimal comma counts as a point, the whole
// text is the number, rounded once to the nearest Single); an empty text
// gives 0. A text that is no number as a whole, one that rounds past the
// largest Single and one other than 0 that a Single holds as 0 are refused.
ItemError spaltenWert(std::string_view text, int spalte, Single& v) {
    const Zahllesung l = liesZahl(text, xyFeld(spalte, true));
    switch (l.fehler) {
        case Zahlfehler::Keiner: v = l.single; return ItemError::None;
        case Zahlfehler::ZuGross:
        case Zahlfehler::ZuKlein:
        case Zahlfehler::Bereich: return ItemError::OutOfRange;
        case Zahlfehler::NaheNull: return ItemError::TooNearZero;
        case Zahlfehler::Leer:
        case Zahlfehler::KeineZahl: break;
    }
    return ItemError::NotANumber;
}

bool istLeer(std::string_view zeile) {
    return zeile.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

std::string xyZahlText(double v) {
    // Seven digits of a value between the largest Single and half a step
    // above it would round past it: it is written as the Single it rounds to.
    if (std::fabs(v) > static_cast<double>(FLT_MAX) && passtInSingle(v)) v = static_cast<double>(zuSingle(v));
    // So is a value whose seven digits a Single holds as 0 (a curve that
    // decays below 1E-45): its file holds Singles, and the reader refuses a
    // number other than 0 that reads as 0.
    const std::string text = mitPunkt(Format(v, kMuster));
    Single back = 0;
    const auto res = std::from_chars(text.data() + (text[0] == '-' ? 1 : 0), text.data() + text.size(), back);
    if (v != 0 && (res.ec == std::errc::result_out_of_range || (res.ec == std::errc() && back == 0)) &&
        std::fabs(v) < 1)
        return mitPunkt(Format(0.0, kMuster));
    return text;
}
std::string xyZahlText(float v) { return mitPunkt(Format(v, kMuster)); }

std::string ermittleTrennzeichen(std::string_view zeile) {
    std::string t;
    for (const char* c : {" ", ",", ";", "\t"})
        if (zeile.find(c) != std::string_view::npos) t = c;
    return t;
}

bool xyZeileLesen(std::string_view zeile, const std::string& trenn, int zeilenNr, XYPunkt& p, std::string& error) {
    if (trenn == " ") {
        const std::size_t a = zeile.find_first_not_of(' ');
        zeile = a == std::string_view::npos ? std::string_view() : zeile.substr(a, zeile.find_last_not_of(' ') - a + 1);
    }
    const std::size_t p1 = trenn.empty() ? std::string_view::npos : zeile.find(trenn);
    std::string_view xText, yText = zeile;
    if (p1 != std::string_view::npos) {
        xText = zeile.substr(0, p1);
        std::size_t rest = p1 + trenn.size();
        if (trenn == " ") rest = std::min(zeile.size(), zeile.find_first_not_of(' ', rest));
        yText = zeile.substr(rest);
        yText = yText.substr(0, yText.find(trenn));
    }
    XYPunkt q{0, 0, 0};
    ItemError e = spaltenWert(xText, 2, q.x);
    int wert = 1;
    if (e == ItemError::None) {
        e = spaltenWert(yText, 3, q.y);
        wert = 2;
    }
    if (e != ItemError::None) {
        error = itemErrorText(e, zeilenNr, wert, wert == 1 ? xText : yText, wert == 1 ? "x" : "y");
        return false;
    }
    p = q;
    return true;
}

bool leseXYDatei(TextLineReader& reader, XYDateiInhalt& out, std::string& error) {
    XYDateiInhalt c;
    std::string zeile;
    if (reader.next(zeile)) {
        c.kommentar = zeile;
        // Data lines are counted to the end even past the list's size, so
        // that the message names them all; the first refused value is kept
        // for the message until then.
        std::size_t daten = 0;
        std::string refused;
        while (reader.next(zeile)) {
            if (istLeer(zeile)) continue;
            if (daten++ == 0) c.trennzeichen = ermittleTrennzeichen(zeile);
            if (daten > static_cast<std::size_t>(kMaxXYPunkte) || !refused.empty()) continue;
            XYPunkt p;
            if (xyZeileLesen(zeile, c.trennzeichen, static_cast<int>(reader.lineNumber()), p, refused))
                c.punkte.push_back(p);
        }
        if (daten == 0) c.trennzeichen = ermittleTrennzeichen(c.kommentar);
        if (reader.error().empty() && daten > static_cast<std::size_t>(kMaxXYPunkte)) {
            error = "Die Datei enthält " + std::to_string(daten) + " Punkte; die Liste fasst höchstens " +
                    std::to_string(kMaxXYPunkte) + ".";
            return false;
        }
        if (reader.error().empty() && !refused.empty()) {
            error = refused;
            return false;
        }
    }
    if (!reader.error().empty()) {
        error = reader.error();
        return false;
    }
    out = std::move(c);
    return true;
}

bool parseXYDatei(std::string_view bytes, XYDateiInhalt& out, std::string& error) {
    TextLineReader reader;
    return reader.openBytes(bytes, error) && leseXYDatei(reader, out, error);
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

bool formatKurveXY(const std::vector<double>& x, const std::vector<double>& y, const std::string& trenn,
                   std::vector<std::string>& lines, std::string& error) {
    std::vector<std::string> out{kKurvenKommentar};
    const std::size_t n = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (!std::isfinite(x[i]) || !std::isfinite(y[i]) || y[i] >= kChartHole) continue;
        out.push_back(xyZahlText(x[i]) + trenn + xyZahlText(y[i]));
        // The line as the reader will see it: what it refuses is not written.
        XYPunkt p;
        if (!xyZeileLesen(out.back(), trenn, static_cast<int>(out.size()), p, error)) return false;
    }
    lines = std::move(out);
    return true;
}

}  // namespace vrn
