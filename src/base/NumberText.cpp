#include "base/NumberText.h"

#include <algorithm>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

namespace vrn {

namespace {

NumberLocale gLocale;

// How many digits a number text keeps: sig rounded ones, or the fewest that
// read back as the same Double or the same Single.
enum class Kept { Rounded, ExactDouble, ExactSingle };

// Digits and exponent of a text of to_chars in scientific form.
void scientificParts(const char* text, std::string& digits, int& exp10) {
    digits.clear();
    const char* p = text;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') digits.push_back(*p);
    exp10 = (*p == 'e') ? std::atoi(p + 1) : 0;
}

// Decimal digits of |x| rounded to sig significant digits: x = 0.d1d2d3... * 10^(exp10 + 1),
// i.e. d1.d2d3... * 10^exp10. x must be finite and non-zero. A value that
// would round past the largest Double (for 15 digits the four largest, from
// 1.7976931348623151E+308 on) gets the fewest digits that read back as x
// itself (at most 17), as every value does unless kept is Rounded.
void decimalDigits(double x, int sig, std::string& digits, int& exp10, Kept kept = Kept::Rounded) {
    // to_chars is independent of the C locale, which the GUI sets from the environment.
    char buf[64];
    const double ax = std::fabs(x);
    auto res = kept == Kept::ExactSingle
                   ? std::to_chars(buf, buf + sizeof buf - 1, static_cast<float>(ax), std::chars_format::scientific)
               : kept == Kept::ExactDouble
                   ? std::to_chars(buf, buf + sizeof buf - 1, ax, std::chars_format::scientific)
                   : std::to_chars(buf, buf + sizeof buf - 1, ax, std::chars_format::scientific, sig - 1);
    if (kept == Kept::Rounded && ax > 1e308) {
        double back = 0;
        if (std::from_chars(buf, res.ptr, back).ec == std::errc::result_out_of_range || !std::isfinite(back))
            res = std::to_chars(buf, buf + sizeof buf - 1, ax, std::chars_format::scientific);
    }
    *res.ptr = '\0';
    scientificParts(buf, digits, exp10);
}

void stripTrailingZeros(std::string& digits) {
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
}

std::string exponentText(int e, int minDigits, bool alwaysSign) {
    std::string s;
    if (e < 0) s += '-';
    else if (alwaysSign) s += '+';
    std::string d = std::to_string(std::abs(e));
    while (static_cast<int>(d.size()) < minDigits) d.insert(d.begin(), '0');
    return s + d;
}

// Shared body of the plain and the general form; the exponent form is chosen
// as for sig digits whatever digits are kept.
std::string numberForm(double x, int sig, bool plain, char decimal, Kept kept = Kept::Rounded) {
    if (!std::isfinite(x)) return std::isnan(x) ? "NaN" : (x > 0 ? "Inf" : "-Inf");
    std::string sign = x < 0 ? "-" : (plain ? " " : "");
    if (x == 0) return plain ? " 0" : "0";
    std::string d;
    int e = 0;
    decimalDigits(x, sig, d, e, kept);
    stripTrailingZeros(d);
    std::string out = sign;
    if (e < -4 || e >= sig) {
        out += d.substr(0, 1);
        if (d.size() > 1) {
            out += decimal;
            out += d.substr(1);
        }
        out += 'E';
        out += exponentText(e, 2, true);
        return out;
    }
    if (e >= 0) {
        std::string intPart, frac;
        for (int i = 0; i <= e; ++i) intPart += (i < static_cast<int>(d.size())) ? d[i] : '0';
        if (static_cast<int>(d.size()) > e + 1) frac = d.substr(e + 1);
        out += intPart;
        if (!frac.empty()) {
            out += decimal;
            out += frac;
        }
        return out;
    }
    if (!plain) out += '0';
    out += decimal;
    out += std::string(static_cast<std::size_t>(-e - 1), '0');
    out += d;
    return out;
}

// ---- patterns ----

enum class Tok { Zero, Hash, Point, Comma, Exp, Literal };
struct Token {
    Tok kind;
    std::string text;      // literal text
    bool expAlwaysSign = false;
    char expChar = 'E';
};

std::vector<Token> tokenize(std::string_view pat) {
    std::vector<Token> toks;
    for (std::size_t i = 0; i < pat.size(); ++i) {
        char ch = pat[i];
        if (ch == '0') toks.push_back({Tok::Zero, {}});
        else if (ch == '#') toks.push_back({Tok::Hash, {}});
        else if (ch == '.') toks.push_back({Tok::Point, {}});
        else if (ch == ',') toks.push_back({Tok::Comma, {}});
        else if ((ch == 'E' || ch == 'e') && i + 1 < pat.size() && (pat[i + 1] == '+' || pat[i + 1] == '-')) {
            Token t{Tok::Exp, {}};
            t.expChar = ch;
            t.expAlwaysSign = pat[i + 1] == '+';
            toks.push_back(t);
            ++i;
        } else if (ch == '\\' && i + 1 < pat.size()) {
            toks.push_back({Tok::Literal, std::string(1, pat[i + 1])});
            ++i;
        } else if (ch == '"') {
            std::size_t j = pat.find('"', i + 1);
            if (j == std::string_view::npos) j = pat.size();
            toks.push_back({Tok::Literal, std::string(pat.substr(i + 1, j - i - 1))});
            i = j;
        } else {
            toks.push_back({Tok::Literal, std::string(1, ch)});
        }
    }
    return toks;
}

// Rounds the decimal digit string (value = 0.digits * 10^intLen) at position keep
// (number of digits kept), half away from zero. Returns the new digits and adjusts intLen.
void roundDigits(std::string& digits, int& intLen, int keep) {
    if (keep < 0) {
        digits = "0";
        intLen = 1;
        return;
    }
    if (keep >= static_cast<int>(digits.size())) return;
    bool up = digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0) {
            if (digits[static_cast<std::size_t>(i)] == '9') {
                digits[static_cast<std::size_t>(i)] = '0';
                --i;
            } else {
                ++digits[static_cast<std::size_t>(i)];
                break;
            }
        }
        if (i < 0) {
            digits.insert(digits.begin(), '1');
            ++intLen;
        }
    }
}

std::string formatSection(double x, const std::vector<Token>& toks, bool writeMinus) {
    const NumberLocale loc = gLocale;
    // Split the tokens into prefix literals, integer part, fraction part, exponent, suffix.
    int firstNum = -1, pointPos = -1, expPos = -1;
    for (int i = 0; i < static_cast<int>(toks.size()); ++i) {
        Tok k = toks[static_cast<std::size_t>(i)].kind;
        if (k == Tok::Zero || k == Tok::Hash || k == Tok::Point) {
            if (firstNum < 0) firstNum = i;
        }
        if (k == Tok::Point && pointPos < 0 && expPos < 0) pointPos = i;
        if (k == Tok::Exp && expPos < 0) expPos = i;
    }
    if (firstNum < 0) {
        // No placeholders: the pattern is a literal.
        std::string s;
        for (const auto& t : toks) s += t.kind == Tok::Literal ? t.text : std::string();
        return s;
    }
    int intEnd = pointPos >= 0 ? pointPos : (expPos >= 0 ? expPos : static_cast<int>(toks.size()));
    int fracEnd = expPos >= 0 ? expPos : static_cast<int>(toks.size());

    std::string prefix, middle, suffix;
    int intPlaces = 0, intMin = 0;
    bool grouping = false;
    bool seenZero = false;
    for (int i = 0; i < intEnd; ++i) {
        const Token& t = toks[static_cast<std::size_t>(i)];
        if (t.kind == Tok::Zero) { ++intPlaces; seenZero = true; ++intMin; }
        else if (t.kind == Tok::Hash) { ++intPlaces; if (seenZero) ++intMin; }
        else if (t.kind == Tok::Comma) { if (intPlaces > 0) grouping = true; }
        else if (t.kind == Tok::Literal) prefix += t.text;
    }
    std::vector<Tok> fracPlaces;
    if (pointPos >= 0) {
        for (int i = pointPos + 1; i < fracEnd; ++i) {
            const Token& t = toks[static_cast<std::size_t>(i)];
            if (t.kind == Tok::Zero || t.kind == Tok::Hash) fracPlaces.push_back(t.kind);
            else if (t.kind == Tok::Literal) middle += t.text;
        }
    }
    int expMin = 0;
    const Token* expTok = expPos >= 0 ? &toks[static_cast<std::size_t>(expPos)] : nullptr;
    if (expTok) {
        for (int i = expPos + 1; i < static_cast<int>(toks.size()); ++i) {
            const Token& t = toks[static_cast<std::size_t>(i)];
            if (t.kind == Tok::Zero) ++expMin;
            else if (t.kind == Tok::Literal || t.kind == Tok::Comma || t.kind == Tok::Point)
                suffix += t.kind == Tok::Literal ? t.text : std::string();
        }
        if (expMin < 1) expMin = 1;
    } else {
        for (int i = fracEnd; i < static_cast<int>(toks.size()); ++i)
            if (toks[static_cast<std::size_t>(i)].kind == Tok::Literal) suffix += toks[static_cast<std::size_t>(i)].text;
    }
    // A literal that stands after the last placeholder and before the exponent belongs to the middle,
    // one that stands after the last placeholder without an exponent to the suffix.
    if (!expTok && pointPos < 0) {
        // Literals after the integer placeholders were collected as prefix; move trailing ones.
        prefix.clear();
        bool afterDigits = false;
        for (int i = 0; i < intEnd; ++i) {
            const Token& t = toks[static_cast<std::size_t>(i)];
            if (t.kind == Tok::Zero || t.kind == Tok::Hash) afterDigits = true;
            else if (t.kind == Tok::Literal) (afterDigits ? suffix : prefix) += t.text;
        }
    }

    const int F = static_cast<int>(fracPlaces.size());
    std::string intDigits, fracDigits, expText;
    bool isZero = true;
    const double ax = std::fabs(x);

    if (expTok) {
        // Mantissa with one integer digit, or none when the pattern has no integer placeholder.
        int sig = (intPlaces > 0 ? 1 : 0) + F;
        if (sig < 1) sig = 1;
        int e = 0;
        std::string d;
        if (ax == 0) {
            d = std::string(static_cast<std::size_t>(sig), '0');
        } else {
            decimalDigits(ax, 15, d, e);
            int intLen = 1;
            roundDigits(d, intLen, sig);
            if (intLen > 1) {  // carried into a new digit
                ++e;
                d.resize(static_cast<std::size_t>(sig));
            }
            if (intPlaces == 0) ++e;  // 0.d1d2... * 10^(e+1)
        }
        for (char ch : d) if (ch != '0') isZero = false;
        if (intPlaces > 0) {
            intDigits = d.substr(0, 1);
            fracDigits = d.substr(1);
        } else {
            fracDigits = d;
        }
        expText = std::string(1, expTok->expChar) + exponentText(e, expMin, expTok->expAlwaysSign);
    } else {
        std::string d;
        int intLen = 0;  // value = 0.d * 10^intLen
        if (ax != 0) {
            int e = 0;
            decimalDigits(ax, 15, d, e);
            intLen = e + 1;
            roundDigits(d, intLen, intLen + F);
        } else {
            d = "0";
            intLen = 1;
        }
        // Integer and fraction digits from d.
        for (int i = 0; i < intLen; ++i) intDigits += (i < static_cast<int>(d.size())) ? d[static_cast<std::size_t>(i)] : '0';
        for (int i = 0; i < F; ++i) {
            int pos = intLen + i;
            fracDigits += (pos >= 0 && pos < static_cast<int>(d.size())) ? d[static_cast<std::size_t>(pos)] : '0';
        }
        std::size_t nz = intDigits.find_first_not_of('0');
        intDigits = nz == std::string::npos ? std::string() : intDigits.substr(nz);
        for (char ch : intDigits) if (ch != '0') isZero = false;
        for (char ch : fracDigits) if (ch != '0') isZero = false;
    }

    // Integer part: at least intMin digits (zero-filled), grouping when asked.
    if (static_cast<int>(intDigits.size()) < intMin)
        intDigits.insert(intDigits.begin(), static_cast<std::size_t>(intMin - static_cast<int>(intDigits.size())), '0');
    if (intPlaces == 0 && !expTok) {
        // No integer placeholder: the integer part is still written when it is not zero.
    }
    if (grouping && intDigits.size() > 3) {
        std::string g;
        int n = static_cast<int>(intDigits.size());
        for (int i = 0; i < n; ++i) {
            g += intDigits[static_cast<std::size_t>(i)];
            int rest = n - 1 - i;
            if (rest > 0 && rest % 3 == 0) g += loc.group;
        }
        intDigits = g;
    }
    // Fraction: drop trailing zeros standing on "#".
    while (!fracDigits.empty() && static_cast<int>(fracDigits.size()) <= F &&
           fracPlaces[fracDigits.size() - 1] == Tok::Hash && fracDigits.back() == '0')
        fracDigits.pop_back();

    std::string out;
    if (writeMinus && x < 0 && !isZero) out += '-';
    out += prefix;
    out += intDigits;
    if (pointPos >= 0) out += loc.decimal;
    out += fracDigits;
    out += middle;
    out += expText;
    out += suffix;
    return out;
}

std::vector<std::string_view> sections(std::string_view pat) {
    std::vector<std::string_view> s;
    std::size_t start = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < pat.size(); ++i) {
        if (pat[i] == '"') quoted = !quoted;
        else if (pat[i] == '\\') ++i;
        else if (pat[i] == ';' && !quoted) {
            s.push_back(pat.substr(start, i - start));
            start = i + 1;
        }
    }
    s.push_back(pat.substr(start));
    return s;
}

double sevenDigits(float x) {
    if (!std::isfinite(x) || x == 0) return x;
    char buf[48];
    auto res = std::to_chars(buf, buf + sizeof buf, static_cast<double>(x), std::chars_format::scientific, 6);
    double v = x;
    std::from_chars(buf, res.ptr, v);
    return v;
}

}  // namespace

void setNumberLocale(char decimal, char group) {
    gLocale.decimal = decimal;
    gLocale.group = group;
}

NumberLocale numberLocale() { return gLocale; }

std::string Str(double x) { return numberForm(x, 15, true, '.'); }
std::string Str(float x) { return numberForm(static_cast<double>(x), 7, true, '.'); }
std::string Str(int x) { return x < 0 ? std::to_string(x) : " " + std::to_string(x); }
std::string StrExact(double x) { return numberForm(x, 15, true, '.', Kept::ExactDouble); }
std::string StrExact(float x) { return numberForm(static_cast<double>(x), 7, true, '.', Kept::ExactSingle); }

std::string Format(double x) { return numberForm(x, 15, false, gLocale.decimal); }
std::string Format(float x) { return numberForm(static_cast<double>(x), 7, false, gLocale.decimal); }
std::string Format(int x) { return std::to_string(x); }

std::string Format(double x, std::string_view pattern) {
    if (!std::isfinite(x)) return Format(x);
    if (pattern.empty()) return Format(x);
    auto secs = sections(pattern);
    if (x < 0 && secs.size() >= 2 && !secs[1].empty()) return formatSection(-x, tokenize(secs[1]), false);
    if (x == 0 && secs.size() >= 3 && !secs[2].empty()) return formatSection(x, tokenize(secs[2]), false);
    return formatSection(x, tokenize(secs[0]), true);
}

std::string Format(float x, std::string_view pattern) { return Format(sevenDigits(x), pattern); }
std::string Format(int x, std::string_view pattern) { return Format(static_cast<double>(x), pattern); }

namespace {

// The leading number of a text as from_chars reads it (no "+"; the exponent
// letter "e"), or the empty text when the text begins with no number.
std::string leadingNumber(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::string num;
    if (i < n && text[i] == '-') num += '-';
    if (i < n && (text[i] == '-' || text[i] == '+')) ++i;
    bool digits = false;
    while (i < n && text[i] >= '0' && text[i] <= '9') { num += text[i++]; digits = true; }
    if (i < n && text[i] == '.') {
        num += text[i++];
        while (i < n && text[i] >= '0' && text[i] <= '9') { num += text[i++]; digits = true; }
    }
    if (!digits) return {};
    if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        std::string ex = "e";
        if (j < n && (text[j] == '-' || text[j] == '+')) ex += text[j++];
        bool expDigits = false;
        while (j < n && text[j] >= '0' && text[j] <= '9') { ex += text[j++]; expDigits = true; }
        if (expDigits) num += ex;
    }
    return num;
}

// What from_chars makes of a leading number: in range, too small (read as 0)
// or too large.
enum class Reading { None, Read, TooSmall, TooLarge };

// from_chars reads "." whatever the C locale says, and rounds once.
template <typename T>
Reading readNumber(const std::string& num, T& v) {
    if (num.empty()) return Reading::None;
    T r = 0;
    const auto res = std::from_chars(num.data(), num.data() + num.size(), r);
    if (res.ec == std::errc::result_out_of_range) return decimalUnderflow(num) ? Reading::TooSmall : Reading::TooLarge;
    if (res.ec != std::errc() || !std::isfinite(r)) return Reading::None;
    v = r;
    return Reading::Read;
}

}  // namespace

double Val(std::string_view text, bool& ok) {
    const std::string num = leadingNumber(text);
    double v = 0;
    const Reading r = readNumber(num, v);
    // Underflow reads as 0; overflow is not a number.
    ok = r == Reading::Read || r == Reading::TooSmall;
    return r == Reading::Read ? v : 0;
}

Single ValSingle(std::string_view text, bool& ok) {
    const std::string num = leadingNumber(text);
    Single v = 0;
    const Reading r = readNumber(num, v);
    ok = r == Reading::Read || r == Reading::TooSmall;
    if (r == Reading::TooSmall) return num.front() == '-' ? -0.0f : 0.0f;
    return r == Reading::Read ? v : 0;
}

bool ValZuGross(std::string_view text, bool single) {
    const std::string num = leadingNumber(text);
    double d = 0;
    Single f = 0;
    return (single ? readNumber(num, f) : readNumber(num, d)) == Reading::TooLarge;
}

bool passtInSingle(double x) { return std::fabs(x) < kSingleGrenze; }

Single zuSingle(double x) {
    constexpr Single largest = std::numeric_limits<Single>::max();
    if (std::fabs(x) > static_cast<double>(largest)) return x > 0 ? largest : -largest;
    return static_cast<Single>(x);
}

bool decimalUnderflow(std::string_view s) {
    const auto digit = [&](std::size_t i) { return i < s.size() && s[i] >= '0' && s[i] <= '9'; };
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    // Decimal exponent of the first significant digit, from the digits ...
    long long intDigits = 0, leadingZeros = 0;
    bool significant = false;
    for (; digit(i); ++i) {
        significant = significant || s[i] != '0';
        if (significant) ++intDigits;
    }
    if (i < s.size() && s[i] == '.')
        for (++i; digit(i); ++i) {
            if (s[i] != '0') significant = true;
            else if (!significant) ++leadingZeros;
        }
    if (!significant) return true;  // zero is never too large
    // ... and the exponent, counted on far beyond any length of a text.
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        const bool negative = i < s.size() && s[i] == '-';
        if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
        for (; digit(i); ++i)
            if (exponent < 1'000'000'000'000'000LL) exponent = exponent * 10 + (s[i] - '0');
        if (negative) exponent = -exponent;
    }
    return (intDigits > 0 ? intDigits - 1 : -(leadingZeros + 1)) + exponent < 0;
}

double Val(std::string_view text) {
    bool ok = false;
    return Val(text, ok);
}

std::int16_t CInt(double x) {
    if (std::isnan(x)) return 0;
    double r = std::nearbyint(x);  // default rounding mode: half to even
    if (r > 32767) return 32767;
    if (r < -32768) return -32768;
    return static_cast<std::int16_t>(r);
}

}  // namespace vrn
