#include "platform/ChartTemplate.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <system_error>
#include <vector>

#include "base/NumberText.h"
#include "base/PlainFile.h"
#include "base/SafeSave.h"

namespace vrn {

namespace {

constexpr std::size_t kMaxFileBytes = 256u * 1024u * 1024u;

// ---------------------------------------------------------------- encoding

// Decodes one UTF-8 sequence at s[i]; false when it is not well formed.
bool decodeUtf8(std::string_view s, std::size_t& i, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int len = 0;
    if (b0 < 0x80) {
        cp = b0;
        len = 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        cp = b0 & 0x1F;
        len = 2;
    } else if ((b0 & 0xF0) == 0xE0) {
        cp = b0 & 0x0F;
        len = 3;
    } else if ((b0 & 0xF8) == 0xF0) {
        cp = b0 & 0x07;
        len = 4;
    } else {
        return false;
    }
    if (i + static_cast<std::size_t>(len) > s.size()) return false;
    for (int k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((b & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += static_cast<std::size_t>(len);
    return true;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool isValidUtf8(std::string_view s) {
    std::size_t i = 0;
    char32_t cp = 0;
    while (i < s.size())
        if (!decodeUtf8(s, i, cp)) return false;
    return true;
}

std::string latin1ToUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char ch : s) appendUtf8(out, static_cast<unsigned char>(ch));
    return out;
}

// ---------------------------------------------------------------- writing

std::string intText(long long v) {
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

// Shortest text that reads back to the same double.
std::string doubleText(double v) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

// A text in quotes: Latin-1 characters as they are, the rest escaped. Bytes
// that are not UTF-8 are taken as Latin-1 characters.
std::string quotedText(std::string_view s) {
    std::string out = "\"";
    std::size_t i = 0;
    while (i < s.size()) {
        char32_t cp = 0;
        if (!decodeUtf8(s, i, cp)) cp = static_cast<unsigned char>(s[i++]);
        switch (cp) {
            case U'\\': out += "\\\\"; break;
            case U'"': out += "\\\""; break;
            case U'\r': out += "\\r"; break;
            case U'\n': out += "\\n"; break;
            case U'\t': out += "\\t"; break;
            default:
                if (cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp < 0xA0) || cp > 0xFF) {
                    std::ostringstream hex;
                    hex << std::hex << std::uppercase << static_cast<unsigned long>(cp);
                    out += "\\u{" + hex.str() + "}";
                } else {
                    out += static_cast<char>(cp);
                }
        }
    }
    out += '"';
    return out;
}

std::string flag(bool b) { return b ? "1" : "0"; }

std::string fontText(const ChartFont& f) {
    return quotedText(f.name) + " " + doubleText(f.size) + " " + flag(f.bold) + " " + flag(f.italic) + " " +
           flag(f.underline) + " " + flag(f.strikeout);
}

std::string spacingText(const ChartSpacingData& s) { return flag(s.automatic) + " " + doubleText(s.value); }

class Writer {
public:
    void line(const std::string& s) {
        out_ += s;
        out_ += "\r\n";
    }
    void section(const std::string& name) { line("[" + name + "]"); }
    void key(const char* k, const std::string& value) { line(std::string(k) + "=" + value); }
    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

void writeTextBlock(Writer& w, const char* name, const ChartTextBlockData& t) {
    w.section(name);
    w.key("text", quotedText(t.text));
    w.key("shown", flag(t.shown));
    w.key("autoPosition", flag(t.autoLeft) + " " + flag(t.autoTop));
    w.key("position", intText(t.left) + " " + intText(t.top));
    w.key("border", intText(t.border));
    w.key("textColour", intText(t.textColour));
    w.key("background", intText(t.backColour));
    w.key("font", fontText(t.font));
}

void writeAxis(Writer& w, ChartAxis id, const ChartAxisData& a) {
    w.section(std::string("axis ") + chartAxisName(id));
    w.key("shown", flag(a.shown));
    w.key("bounds", doubleText(a.min) + " " + doubleText(a.max));
    w.key("dataBounds", doubleText(a.dataMin) + " " + doubleText(a.dataMax));
    w.key("logarithmic", flag(a.logarithmic));
    w.key("title", quotedText(a.title));
    w.key("titleOrientation", intText(a.titleOrientation));
    w.key("numberOrientation", intText(a.numberOrientation));
    w.key("titleFont", fontText(a.titleFont));
    w.key("numberFont", fontText(a.numberFont));
    w.key("titleColour", intText(a.titleColour));
    w.key("grid", intText(a.gridPattern) + " " + intText(a.gridColour));
    w.key("gridSpacing", spacingText(a.spacing[0]));
    w.key("tickSpacing", spacingText(a.spacing[1]));
    w.key("numberSpacing", spacingText(a.spacing[2]));
    w.key("numberPlacement", intText(a.numberPlacement));
    w.key("origin", intText(a.originPlacement) + " " + doubleText(a.origin));
}

// ---------------------------------------------------------------- reading

struct Fault {
    int line;
    std::string text;
};

[[noreturn]] void fail(int line, const std::string& text) { throw Fault{line, text}; }

struct Token {
    bool quoted = false;
    std::string text;
};

// Splits a value into tokens; texts in quotes are unescaped into UTF-8.
std::vector<Token> tokenize(std::string_view v, int line) {
    std::vector<Token> out;
    std::size_t i = 0;
    while (i < v.size()) {
        if (v[i] == ' ' || v[i] == '\t') {
            ++i;
            continue;
        }
        Token t;
        if (v[i] == '"') {
            t.quoted = true;
            ++i;
            bool closed = false;
            while (i < v.size()) {
                char32_t cp = 0;
                if (!decodeUtf8(v, i, cp)) fail(line, "Ungültiges Zeichen im Text.");
                if (cp == U'"') {
                    closed = true;
                    break;
                }
                if (cp != U'\\') {
                    if (cp < 0x20) fail(line, "Ungültiges Zeichen im Text.");
                    appendUtf8(t.text, cp);
                    continue;
                }
                if (i >= v.size()) break;
                const char e = v[i++];
                if (e == '\\') t.text += '\\';
                else if (e == '"') t.text += '"';
                else if (e == 'r') t.text += '\r';
                else if (e == 'n') t.text += '\n';
                else if (e == 't') t.text += '\t';
                else if (e == 'u' && i < v.size() && v[i] == '{') {
                    const std::size_t close = v.find('}', i);
                    if (close == std::string_view::npos || close == i + 1 || close - i > 7)
                        fail(line, "Ungültige Schreibweise im Text.");
                    unsigned long cp2 = 0;
                    auto r = std::from_chars(v.data() + i + 1, v.data() + close, cp2, 16);
                    if (r.ec != std::errc() || r.ptr != v.data() + close || cp2 > 0x10FFFF ||
                        (cp2 >= 0xD800 && cp2 <= 0xDFFF))
                        fail(line, "Ungültige Schreibweise im Text.");
                    appendUtf8(t.text, static_cast<char32_t>(cp2));
                    i = close + 1;
                } else {
                    fail(line, "Ungültige Schreibweise im Text.");
                }
            }
            if (!closed) fail(line, "Text ohne schließendes Anführungszeichen.");
            if (i < v.size() && v[i] != ' ' && v[i] != '\t') fail(line, "Ungültiger Wert.");
        } else {
            const std::size_t start = i;
            while (i < v.size() && v[i] != ' ' && v[i] != '\t') ++i;
            t.text = std::string(v.substr(start, i - start));
        }
        out.push_back(std::move(t));
    }
    return out;
}

// The tokens of one value, taken one after the other.
class Fields {
public:
    Fields(std::vector<Token> tokens, int line) : tokens_(std::move(tokens)), line_(line) {}
    int line() const { return line_; }

    long long integer(long long lo, long long hi) {
        const Token& t = next(false);
        long long v = 0;
        auto r = std::from_chars(t.text.data(), t.text.data() + t.text.size(), v);
        if (r.ec == std::errc::result_out_of_range) fail(line_, "Wert außerhalb des zulässigen Bereichs.");
        if (r.ec != std::errc() || r.ptr != t.text.data() + t.text.size()) fail(line_, "Ungültiger Wert.");
        if (v < lo || v > hi) fail(line_, "Wert außerhalb des zulässigen Bereichs.");
        return v;
    }
    // A whole number that the model's check accepts.
    int checked(bool (*valid)(int)) {
        const auto v = integer(-1000000, 1000000);
        if (!valid(static_cast<int>(v))) fail(line_, "Wert außerhalb des zulässigen Bereichs.");
        return static_cast<int>(v);
    }
    Colour colour(bool allowMinusOne) {
        const auto v = integer(-1, 0xFFFFFF);
        if (!validColour(static_cast<Colour>(v), allowMinusOne)) fail(line_, "Wert außerhalb des zulässigen Bereichs.");
        return static_cast<Colour>(v);
    }
    bool boolean() { return integer(0, 1) == 1; }
    double number() {
        const Token& t = next(false);
        double v = 0;
        auto r = std::from_chars(t.text.data(), t.text.data() + t.text.size(), v);
        const bool whole = r.ptr == t.text.data() + t.text.size();
        // A number other than 0 too near 0 for a Double is refused, never read as 0.
        if (r.ec == std::errc::result_out_of_range && whole && decimalUnderflow(t.text)) {
            bool ziffer = false;
            for (char ch : t.text.substr(0, t.text.find_first_of("eE")))
                ziffer = ziffer || (ch >= '1' && ch <= '9');
            if (!ziffer) return !t.text.empty() && t.text[0] == '-' ? -0.0 : 0.0;
            fail(line_, "Wert zu nahe an Null.");
        }
        if (r.ec == std::errc::result_out_of_range) fail(line_, "Wert außerhalb des zulässigen Bereichs.");
        if (r.ec != std::errc() || !whole) fail(line_, "Ungültiger Wert.");
        if (!std::isfinite(v)) fail(line_, "Wert außerhalb des zulässigen Bereichs.");
        return v;
    }
    std::string text() { return next(true).text; }
    ChartFont font() {
        ChartFont f;
        f.name = text();
        f.size = number();
        f.bold = boolean();
        f.italic = boolean();
        f.underline = boolean();
        f.strikeout = boolean();
        if (!validFont(f)) fail(line_, "Wert außerhalb des zulässigen Bereichs.");
        return f;
    }
    ChartSpacingData spacing() {
        ChartSpacingData s;
        s.automatic = boolean();
        s.value = number();
        // As the spacing boxes take it: above 0, within the range of a Single.
        if (!(s.value > 0) || !passtInSingle(s.value)) fail(line_, "Wert außerhalb des zulässigen Bereichs.");
        return s;
    }
    void end() {
        if (pos_ != tokens_.size()) fail(line_, "Zu viele Werte.");
    }

private:
    const Token& next(bool wantQuoted) {
        if (pos_ >= tokens_.size()) fail(line_, "Zu wenige Werte.");
        const Token& t = tokens_[pos_++];
        if (t.quoted != wantQuoted) fail(line_, wantQuoted ? "Text in Anführungszeichen erwartet." : "Ungültiger Wert.");
        return t;
    }

    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
    int line_;
};

// The lines of a template, read a piece at a time: only the line at hand is
// kept, however large the file. Latin-1 is decided once for the whole text
// (a UTF-8 byte-order mark at its start says UTF-8 instead); every line comes
// out in UTF-8 without its line end (CR LF or LF). A line with a NUL byte, a
// line longer than kMaxLineBytes and a failed read are faults.
class LineSource {
public:
    explicit LineSource(std::string_view bytes) : memory_(bytes) {}
    LineSource(std::FILE* file, std::string path) : file_(file), path_(std::move(path)) {}

    // The next line; false at the end of the text (no empty line follows the last line end).
    bool next(std::string& line) {
        line.clear();
        bool any = false;
        for (;;) {
            if (pos_ == buf_.size() && !fill()) break;
            const std::size_t nl = buf_.find('\n', pos_);
            const std::size_t end = nl == std::string::npos ? buf_.size() : nl;
            line.append(buf_, pos_, end - pos_);
            any = true;
            if (count_ == 0 && line.size() > kMaxFirstLineBytes)
                fail(1, "Die Datei ist keine VARNOLT-Diagrammvorlage.");  // no need to read on
            if (line.size() > kMaxLineBytes) fail(count_ + 1, "Die Zeile ist zu lang.");
            pos_ = nl == std::string::npos ? end : nl + 1;
            if (nl != std::string::npos) break;
        }
        if (!any) return false;
        ++count_;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find('\0') != std::string::npos)
            fail(count_, "Die Zeile enthält ein NUL-Zeichen; die Datei ist keine Diagrammvorlage.");
        if (count_ == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) {
            utf8_ = true;
            while (line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
        }
        if (!utf8_) line = latin1ToUtf8(line);
        else if (!isValidUtf8(line)) fail(count_, "Ungültiges Zeichen (die Datei ist als UTF-8 gekennzeichnet).");
        return true;
    }
    // Lines read so far.
    int count() const { return count_; }

private:
    static constexpr std::size_t kMaxLineBytes = 4u * 1024u * 1024u;
    static constexpr std::size_t kMaxFirstLineBytes = 4096;  // the format's name and version
    static constexpr std::size_t kChunk = 65536;

    bool fill() {
        buf_.clear();
        pos_ = 0;
        if (file_) {
            buf_.resize(kChunk);
            const std::size_t got = std::fread(buf_.data(), 1, kChunk, file_);
            buf_.resize(got);
            if (got < kChunk && std::ferror(file_)) fail(0, fileErrorText(EIO, path_));
        } else {
            buf_.assign(memory_.substr(0, kChunk));
            memory_.remove_prefix(buf_.size());
        }
        return !buf_.empty();
    }

    std::string_view memory_;
    std::FILE* file_ = nullptr;
    std::string path_;
    std::string buf_;
    std::size_t pos_ = 0;
    int count_ = 0;
    bool utf8_ = false;
};

class Reader {
public:
    explicit Reader(LineSource& source) : src_(source) {}

    ChartModel read();

private:
    using Handler = std::function<void(Fields&)>;
    struct Key {
        const char* name;
        Handler handler;
    };

    // The line after the one taken last, or nullptr at the end of the file.
    const std::string* peek() {
        if (!haveAhead_ && !ended_) {
            haveAhead_ = src_.next(ahead_);
            ended_ = !haveAhead_;
        }
        return haveAhead_ ? &ahead_ : nullptr;
    }
    bool atEnd() { return peek() == nullptr; }
    // The next line and its number; the file ending here is a fault. The
    // text stays valid until the next line is taken.
    const std::string& take(int& number) {
        if (atEnd()) fail(src_.count(), "Die Datei endet vorzeitig.");
        cur_.swap(ahead_);
        haveAhead_ = false;
        number = src_.count();
        return cur_;
    }

    void header();
    void section(const std::string& name, int line);
    void runKeys(int sectionLine, const std::vector<Key>& keys);
    std::vector<std::string> textList(Fields& f);
    // The points of a series; a group that keeps no points (storeData=0) has none.
    void pointList(Fields& f, ChartSeriesData& s, bool stored);

    LineSource& src_;
    std::string cur_, ahead_;
    bool haveAhead_ = false, ended_ = false;
    ChartModel m_ = defaultChartModel();
    std::set<std::string> done_;
    std::array<bool, kChartGroups> groupRead_{};
    std::array<int, 3> boundsLine_{};
};

// A name from the file as a message shows it: at most 40 characters, control
// characters as "?".
std::string shownName(std::string_view name) {
    std::string out;
    std::size_t i = 0, chars = 0;
    while (i < name.size() && chars < 40) {
        const std::size_t at = i;
        char32_t cp = 0;
        if (!decodeUtf8(name, i, cp)) {
            ++i;
            cp = U'?';
        }
        if (cp < 0x20 || (cp >= 0x7F && cp < 0xA0)) out += '?';
        else out.append(name.substr(at, i - at));
        ++chars;
    }
    if (i < name.size()) out += "...";
    return out;
}

void Reader::header() {
    if (atEnd()) fail(1, "Die Datei ist keine VARNOLT-Diagrammvorlage.");
    int n = 0;
    const std::string_view first = take(n);
    const std::string prefix = std::string(kChartTemplateFormat) + " ";
    if (first.substr(0, prefix.size()) != prefix) fail(n, "Die Datei ist keine VARNOLT-Diagrammvorlage.");
    const std::string_view version = first.substr(prefix.size());
    if (version != std::to_string(kChartTemplateVersion))
        fail(n, "Diese Version der Diagrammvorlage wird nicht unterstützt.");
}

std::vector<std::string> Reader::textList(Fields& f) {
    const auto count = f.integer(0, kChartMaxSeriesLabels);
    f.end();
    std::vector<std::string> out;
    for (long long k = 0; k < count; ++k) {
        int n = 0;
        const std::string_view l = take(n);
        Fields item(tokenize(l, n), n);
        out.push_back(item.text());
        item.end();
    }
    return out;
}

void Reader::pointList(Fields& f, ChartSeriesData& s, bool stored) {
    const auto count = f.integer(0, kChartMaxPoints);
    f.end();
    if (count > 0 && !stored) fail(f.line(), "Punkte in einer Gruppe, die keine Punkte speichert (storeData=0).");
    s.x.assign(static_cast<std::size_t>(count), 0.0);
    s.y.assign(static_cast<std::size_t>(count), kChartHole);
    for (long long k = 0; k < count; ++k) {
        int n = 0;
        const std::string_view l = take(n);
        Fields p(tokenize(l, n), n);
        s.x[static_cast<std::size_t>(k)] = p.number();
        s.y[static_cast<std::size_t>(k)] = p.number();
        p.end();
    }
}

void Reader::runKeys(int sectionLine, const std::vector<Key>& keys) {
    std::set<std::string> seen;
    while (!atEnd() && !(!peek()->empty() && peek()->front() == '[')) {
        int n = 0;
        const std::string_view l = take(n);
        if (l.empty()) continue;
        const std::size_t eq = l.find('=');
        if (eq == std::string_view::npos) fail(n, "Ungültige Zeile.");
        const std::string name(l.substr(0, eq));
        const Key* key = nullptr;
        for (const Key& k : keys)
            if (name == k.name) key = &k;
        if (!key) fail(n, "Unbekannter Eintrag \"" + shownName(name) + "\".");
        if (!seen.insert(name).second) fail(n, "Eintrag \"" + name + "\" doppelt.");
        // A fault in the values names the entry they belong to.
        try {
            Fields f(tokenize(l.substr(eq + 1), n), n);
            key->handler(f);
            f.end();
        } catch (Fault& fault) {
            fault.text = "Eintrag \"" + name + "\": " + fault.text;
            throw;
        }
    }
    for (const Key& k : keys)
        if (!seen.count(k.name)) fail(sectionLine, "Eintrag \"" + std::string(k.name) + "\" fehlt.");
}

void Reader::section(const std::string& name, int line) {
    std::istringstream words(name);
    std::string kind;
    words >> kind;
    std::vector<long long> numbers;
    std::string rest;
    while (words >> rest) {
        long long v = 0;
        auto r = std::from_chars(rest.data(), rest.data() + rest.size(), v);
        if (r.ec != std::errc() || r.ptr != rest.data() + rest.size()) {
            numbers.push_back(-1);
            continue;
        }
        numbers.push_back(v);
    }

    auto textBlock = [&](ChartTextBlockData& t) {
        runKeys(line, {
            {"text", [&](Fields& f) { t.text = f.text(); }},
            {"shown", [&](Fields& f) { t.shown = f.boolean(); }},
            {"autoPosition", [&](Fields& f) { t.autoLeft = f.boolean(); t.autoTop = f.boolean(); }},
            {"position", [&](Fields& f) { t.left = f.checked(validCoordinate); t.top = f.checked(validCoordinate); }},
            {"border", [&](Fields& f) { t.border = f.checked(validBorder); }},
            {"textColour", [&](Fields& f) { t.textColour = f.colour(false); }},
            {"background", [&](Fields& f) { t.backColour = f.colour(true); }},
            {"font", [&](Fields& f) { t.font = f.font(); }},
        });
    };

    if (name == "sheet") {
        ChartSheetData& s = m_.sheet;
        runKeys(line, {
            {"background", [&](Fields& f) { s.backColour = f.colour(false); }},
            {"border", [&](Fields& f) { s.border = f.checked(validBorder); }},
            {"borderWidth", [&](Fields& f) { s.borderWidth = f.checked(validBorderWidth); }},
        });
    } else if (name == "chartarea") {
        ChartAreaData& a = m_.area;
        runKeys(line, {
            {"automatic", [&](Fields& f) { a.automatic = f.boolean(); }},
            {"location", [&](Fields& f) {
                 a.left = f.checked(validCoordinate);
                 a.top = f.checked(validCoordinate);
                 a.width = f.checked(validExtent);
                 a.height = f.checked(validExtent);
             }},
            {"background", [&](Fields& f) { a.backColour = f.colour(false); }},
            {"textColour", [&](Fields& f) { a.textColour = f.colour(false); }},
        });
    } else if (name == "plotarea") {
        ChartPlotAreaData& p = m_.plot;
        runKeys(line, {
            {"background", [&](Fields& f) { p.backColour = f.colour(false); }},
            {"frame", [&](Fields& f) { p.frame = f.boolean(); }},
            {"margins", [&](Fields& f) { for (int& v : p.margins) v = f.checked(validExtent); }},
            {"autoMargins", [&](Fields& f) { for (auto&& v : p.autoMargins) v = f.boolean(); }},
        });
    } else if (name == "header") {
        textBlock(m_.text(ChartTextBlock::Header));
    } else if (name == "footer") {
        textBlock(m_.text(ChartTextBlock::Footer));
    } else if (name == "legend") {
        ChartLegendData& g = m_.legend;
        runKeys(line, {
            {"shown", [&](Fields& f) { g.shown = f.boolean(); }},
            {"autoPosition", [&](Fields& f) { g.autoLeft = f.boolean(); g.autoTop = f.boolean(); }},
            {"position", [&](Fields& f) { g.left = f.checked(validCoordinate); g.top = f.checked(validCoordinate); }},
            {"orientation", [&](Fields& f) { g.orientation = f.checked(validOrientation); }},
            {"border", [&](Fields& f) { g.border = f.checked(validBorder); }},
            {"background", [&](Fields& f) { g.backColour = f.colour(true); }},
            {"textColour", [&](Fields& f) { g.textColour = f.colour(false); }},
            {"font", [&](Fields& f) { g.font = f.font(); }},
        });
    } else if (kind == "axis" && numbers.size() == 1) {
        ChartAxis id{};
        if (!chartAxisByName(name.substr(5), id)) fail(line, "Unbekannter Abschnitt.");
        ChartAxisData& a = m_.axis(id);
        int& boundsLine = boundsLine_[static_cast<std::size_t>(id)];
        runKeys(line, {
            {"shown", [&](Fields& f) { a.shown = f.boolean(); }},
            {"bounds", [&](Fields& f) {
                 a.min = f.number();
                 a.max = f.number();
                 boundsLine = f.line();
                 if (!validBound(a.min, false) || !validBound(a.max, false))
                     fail(f.line(), "Wert außerhalb des zulässigen Bereichs.");
             }},
            {"dataBounds", [&](Fields& f) { a.dataMin = f.number(); a.dataMax = f.number(); }},
            {"logarithmic", [&](Fields& f) { a.logarithmic = f.boolean(); }},
            {"title", [&](Fields& f) { a.title = f.text(); }},
            {"titleOrientation", [&](Fields& f) { a.titleOrientation = f.checked(validTextOrientation); }},
            {"numberOrientation", [&](Fields& f) { a.numberOrientation = f.checked(validTextOrientation); }},
            {"titleFont", [&](Fields& f) { a.titleFont = f.font(); }},
            {"numberFont", [&](Fields& f) { a.numberFont = f.font(); }},
            {"titleColour", [&](Fields& f) { a.titleColour = f.colour(true); }},
            {"grid", [&](Fields& f) { a.gridPattern = f.checked(validLinePattern); a.gridColour = f.colour(false); }},
            {"gridSpacing", [&](Fields& f) { a.spacing[0] = f.spacing(); }},
            {"tickSpacing", [&](Fields& f) { a.spacing[1] = f.spacing(); }},
            {"numberSpacing", [&](Fields& f) { a.spacing[2] = f.spacing(); }},
            {"numberPlacement", [&](Fields& f) { a.numberPlacement = f.checked(validNumberPlacement); }},
            {"origin", [&](Fields& f) { a.originPlacement = f.checked(validOriginPlacement); a.origin = f.number(); }},
        });
        if (a.logarithmic && (!validBound(a.min, true) || !validBound(a.max, true)))
            fail(boundsLine, "Eine logarithmische Achse braucht einen positiven Bereich.");
        if (!(a.min < a.max)) fail(boundsLine, "Untere Grenze muss kleiner als obere Grenze sein.");
    } else if (kind == "group" && numbers.size() == 1 && numbers[0] >= 1 && numbers[0] <= kChartGroups) {
        const auto g = static_cast<std::size_t>(numbers[0] - 1);
        ChartGroupData& grp = m_.groups[g];
        runKeys(line, {
            {"series", [&](Fields& f) {
                 grp.series.assign(static_cast<std::size_t>(f.integer(0, kChartMaxSeries)), ChartSeriesData{});
             }},
            {"storeData", [&](Fields& f) { grp.storeData = f.boolean(); }},
            {"seriesLabels", [&](Fields& f) { grp.seriesLabels = textList(f); }},
        });
        groupRead_[g] = true;
    } else if (kind == "series" && numbers.size() == 2 && numbers[0] >= 1 && numbers[0] <= kChartGroups) {
        const auto g = static_cast<std::size_t>(numbers[0] - 1);
        if (!groupRead_[g]) fail(line, "Abschnitt [series] vor seiner Gruppe.");
        ChartGroupData& grp = m_.groups[g];
        if (numbers[1] < 1 || numbers[1] > static_cast<long long>(grp.series.size()))
            fail(line, "Anzahl außerhalb des zulässigen Bereichs.");
        ChartSeriesData& s = grp.series[static_cast<std::size_t>(numbers[1] - 1)];
        runKeys(line, {
            {"display", [&](Fields& f) { s.display = f.checked(validDisplay); }},
            {"line", [&](Fields& f) {
                 s.style.linePattern = f.checked(validLinePattern);
                 s.style.lineColour = f.colour(false);
                 s.style.lineWidth = f.checked(validLineWidth);
             }},
            {"symbol", [&](Fields& f) {
                 s.style.symbolShape = f.checked(validSymbolShape);
                 s.style.symbolColour = f.colour(false);
                 s.style.symbolSize = f.checked(validSymbolSize);
             }},
            {"points", [&](Fields& f) { pointList(f, s, grp.storeData); }},
        });
    } else if (kind == "label" && numbers.size() == 1 && numbers[0] >= 1 && numbers[0] <= kChartLabels) {
        ChartLabelData& l = m_.labels[static_cast<std::size_t>(numbers[0] - 1)];
        runKeys(line, {
            {"text", [&](Fields& f) { l.text = f.text(); }},
            {"shown", [&](Fields& f) { l.shown = f.boolean(); }},
            {"attach", [&](Fields& f) {
                 l.group = static_cast<int>(f.integer(1, kChartGroups));
                 l.series = static_cast<int>(f.integer(1, kChartMaxSeries));
                 l.point = static_cast<int>(f.integer(1, kChartMaxPoints));
             }},
            {"border", [&](Fields& f) { l.border = f.checked(validBorder); }},
            {"colours", [&](Fields& f) { l.textColour = f.colour(false); l.backColour = f.colour(true); }},
            {"font", [&](Fields& f) { l.font = f.font(); }},
            {"offset", [&](Fields& f) { l.offset = f.checked(validLabelOffset); }},
        });
    } else {
        fail(line, "Unbekannter Abschnitt.");
    }
}

ChartModel Reader::read() {
    header();
    for (;;) {
        int n = 0;
        const std::string_view l = take(n);
        if (l.empty()) continue;
        if (l.front() != '[' || l.back() != ']') fail(n, "Abschnitt erwartet.");
        const std::string name(l.substr(1, l.size() - 2));
        if (name == "end") break;
        if (!done_.insert(name).second) fail(n, "Abschnitt doppelt.");
        section(name, n);
    }
    while (!atEnd()) {
        int n = 0;
        if (!take(n).empty()) fail(n, "Text nach dem Ende der Vorlage.");
    }
    std::vector<std::string> required = {"sheet", "chartarea", "plotarea", "header", "footer", "legend",
                                         "axis X", "axis Y", "axis Y2", "group 1", "group 2"};
    for (int g = 1; g <= kChartGroups; ++g)
        for (std::size_t s = 1; s <= m_.groups[static_cast<std::size_t>(g - 1)].series.size(); ++s)
            required.push_back("series " + std::to_string(g) + " " + std::to_string(s));
    for (int k = 1; k <= kChartLabels; ++k) required.push_back("label " + std::to_string(k));
    const int last = src_.count();
    for (const std::string& r : required)
        if (!done_.count(r)) fail(last, "Abschnitt [" + r + "] fehlt.");
    return std::move(m_);
}

std::string faultMessage(int line, const std::string& text) {
    std::string msg = "Die Diagrammvorlage kann nicht geladen werden.\r\n";
    if (line > 0) msg += "Zeile" + Str(line) + ": ";
    return msg + text;
}

}  // namespace

std::string writeChartTemplate(const ChartModel& m) {
    Writer w;
    w.line(std::string(kChartTemplateFormat) + " " + intText(kChartTemplateVersion));
    w.section("sheet");
    w.key("background", intText(m.sheet.backColour));
    w.key("border", intText(m.sheet.border));
    w.key("borderWidth", intText(m.sheet.borderWidth));
    w.section("chartarea");
    w.key("automatic", flag(m.area.automatic));
    w.key("location", intText(m.area.left) + " " + intText(m.area.top) + " " + intText(m.area.width) + " " +
                          intText(m.area.height));
    w.key("background", intText(m.area.backColour));
    w.key("textColour", intText(m.area.textColour));
    w.section("plotarea");
    w.key("background", intText(m.plot.backColour));
    w.key("frame", flag(m.plot.frame));
    std::string margins, autos;
    for (std::size_t k = 0; k < 4; ++k) {
        margins += (k ? " " : "") + intText(m.plot.margins[k]);
        autos += (k ? " " : "") + flag(m.plot.autoMargins[k]);
    }
    w.key("margins", margins);
    w.key("autoMargins", autos);
    writeTextBlock(w, "header", m.text(ChartTextBlock::Header));
    writeTextBlock(w, "footer", m.text(ChartTextBlock::Footer));
    w.section("legend");
    w.key("shown", flag(m.legend.shown));
    w.key("autoPosition", flag(m.legend.autoLeft) + " " + flag(m.legend.autoTop));
    w.key("position", intText(m.legend.left) + " " + intText(m.legend.top));
    w.key("orientation", intText(m.legend.orientation));
    w.key("border", intText(m.legend.border));
    w.key("background", intText(m.legend.backColour));
    w.key("textColour", intText(m.legend.textColour));
    w.key("font", fontText(m.legend.font));
    for (ChartAxis a : {ChartAxis::X, ChartAxis::Y, ChartAxis::Y2}) writeAxis(w, a, m.axis(a));
    for (std::size_t g = 0; g < m.groups.size(); ++g) {
        const ChartGroupData& grp = m.groups[g];
        w.section("group " + intText(static_cast<long long>(g + 1)));
        w.key("series", intText(static_cast<long long>(grp.series.size())));
        w.key("storeData", flag(grp.storeData));
        w.key("seriesLabels", intText(static_cast<long long>(grp.seriesLabels.size())));
        for (const std::string& t : grp.seriesLabels) w.line(quotedText(t));
    }
    for (std::size_t g = 0; g < m.groups.size(); ++g) {
        const ChartGroupData& grp = m.groups[g];
        for (std::size_t s = 0; s < grp.series.size(); ++s) {
            const ChartSeriesData& d = grp.series[s];
            w.section("series " + intText(static_cast<long long>(g + 1)) + " " + intText(static_cast<long long>(s + 1)));
            w.key("display", intText(d.display));
            w.key("line", intText(d.style.linePattern) + " " + intText(d.style.lineColour) + " " +
                              intText(d.style.lineWidth));
            w.key("symbol", intText(d.style.symbolShape) + " " + intText(d.style.symbolColour) + " " +
                                intText(d.style.symbolSize));
            const std::size_t n = grp.storeData ? std::min(d.x.size(), d.y.size()) : 0;
            w.key("points", intText(static_cast<long long>(n)));
            for (std::size_t i = 0; i < n; ++i) w.line(doubleText(d.x[i]) + " " + doubleText(d.y[i]));
        }
    }
    for (std::size_t k = 0; k < m.labels.size(); ++k) {
        const ChartLabelData& l = m.labels[k];
        w.section("label " + intText(static_cast<long long>(k + 1)));
        w.key("text", quotedText(l.text));
        w.key("shown", flag(l.shown));
        w.key("attach", intText(l.group) + " " + intText(l.series) + " " + intText(l.point));
        w.key("border", intText(l.border));
        w.key("colours", intText(l.textColour) + " " + intText(l.backColour));
        w.key("font", fontText(l.font));
        w.key("offset", intText(l.offset));
    }
    w.section("end");
    return w.take();
}

namespace {

ChartTemplateResult readTemplate(LineSource& source, ChartModel& model) {
    ChartTemplateResult result;
    try {
        Reader reader(source);
        model = reader.read();
        result.ok = true;
    } catch (const Fault& f) {
        result.line = f.line;
        result.message = faultMessage(f.line, f.text);
    } catch (const std::bad_alloc&) {
        result.message = faultMessage(0, "Zu wenig Speicher.");
    }
    return result;
}

}  // namespace

ChartTemplateResult readChartTemplate(std::string_view bytes, ChartModel& model) {
    LineSource source(bytes);
    return readTemplate(source, model);
}

ChartTemplateResult saveChartTemplate(const std::string& path, const ChartModel& model) {
    ChartTemplateResult result;
    std::string error;
    try {
        result.ok = saveFileSafely(path, writeChartTemplate(model), error);
    } catch (const std::exception& e) {
        error = e.what();
    }
    if (!result.ok) result.message = "Die Diagrammvorlage kann nicht gespeichert werden.\r\n" + error;
    return result;
}

ChartTemplateResult loadChartTemplate(const std::string& path, ChartModel& model) {
    ChartTemplateResult r;
    // Only a plain file is opened (a folder or a pipe would not end or not read).
    std::string error;
    std::uintmax_t size = 0;
    std::FILE* f = path.empty() ? nullptr : openPlainFile(path, error, &size);
    if (!f) {
        r.message = faultMessage(0, path.empty() ? fileErrorText(ENOENT, path) : error);
        return r;
    }
    if (size > kMaxFileBytes) {
        std::fclose(f);
        r.message = faultMessage(0, "Die Datei ist zu groß: " + path);
        return r;
    }
    LineSource source(f, path);
    r = readTemplate(source, model);
    std::fclose(f);
    return r;
}

}  // namespace vrn
