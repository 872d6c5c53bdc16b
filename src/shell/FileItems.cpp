#include "shell/FileItems.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "base/NumberText.h"

namespace vrn {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
constexpr long long kExponentCap = 1'000'000'000'000'000LL;

std::string withoutLeadingBlank(std::string s) {
    if (!s.empty() && s.front() == ' ') s.erase(0, 1);
    return s;
}
}  // namespace

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::size_t countItems(std::string_view line) {
    if (trimBlanks(line).empty()) return 0;
    return static_cast<std::size_t>(std::count(line.begin(), line.end(), ',')) + 1;
}

std::vector<std::string_view> splitItems(std::string_view line) {
    std::vector<std::string_view> items;
    if (trimBlanks(line).empty()) return items;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == ',') {
            items.push_back(trimBlanks(line.substr(start, i - start)));
            start = i + 1;
        }
    }
    return items;
}

namespace {

// A number item taken apart: its text for from_chars and the decimal exponent
// of its first significant digit, which tells overflow from underflow.
struct NumberItemParts {
    ItemError error = ItemError::None;
    bool negative = false;
    bool zero = false;            // no significant digit
    long long magnitude = 0;
    std::string text;
};

NumberItemParts numberItemParts(std::string_view item) {
    NumberItemParts parts;
    const std::string_view s = trimBlanks(item);
    std::size_t i = 0;
    std::string mantissa;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') mantissa += '-';
        ++i;
    }
    int intDigits = 0;        // significant digits before the point
    int leadingFracZeros = 0; // zeros right after the point while the integer part is zero
    bool anyDigit = false, nonZeroSeen = false;
    while (i < s.size() && isDigit(s[i])) {
        if (s[i] != '0') nonZeroSeen = true;
        if (nonZeroSeen) ++intDigits;
        mantissa += s[i++];
        anyDigit = true;
    }
    if (i < s.size() && s[i] == '.') {
        mantissa += s[i++];
        while (i < s.size() && isDigit(s[i])) {
            if (s[i] != '0') nonZeroSeen = true;
            else if (!nonZeroSeen) ++leadingFracZeros;
            mantissa += s[i++];
            anyDigit = true;
        }
    }
    parts.error = ItemError::NotANumber;
    if (!anyDigit) return parts;
    long long exponent = 0;
    std::string expText;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        ++i;
        bool negative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
        bool expDigit = false;
        while (i < s.size() && isDigit(s[i])) {
            // Counted on far beyond any digit count of an item, so that the
            // decimal magnitude below is exact for every item of a file.
            if (exponent < kExponentCap) exponent = exponent * 10 + (s[i] - '0');
            ++i;
            expDigit = true;
        }
        if (!expDigit) return parts;
        if (negative) exponent = -exponent;
        expText = "e" + std::to_string(exponent);
    }
    if (i != s.size()) return parts;
    parts.error = ItemError::None;
    parts.negative = !mantissa.empty() && mantissa.front() == '-';
    parts.zero = !nonZeroSeen;
    parts.magnitude = (intDigits > 0 ? intDigits - 1 : -(leadingFracZeros + 1)) + exponent;
    parts.text = mantissa + expText;
    return parts;
}

// The value of an item, rounded once from its text to the nearest T. A
// number other than 0 that T would hold as 0 is too near 0.
template <typename T>
ItemError readItem(std::string_view item, T& v) {
    const NumberItemParts parts = numberItemParts(item);
    if (parts.error != ItemError::None) return parts.error;
    if (parts.zero) {
        v = parts.negative ? -T(0) : T(0);
        return ItemError::None;
    }
    if (parts.magnitude < -400) return ItemError::TooNearZero;
    if (parts.magnitude > 400) return ItemError::OutOfRange;
    T value = 0;
    const std::string& text = parts.text;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    if (res.ec == std::errc::result_out_of_range) return parts.magnitude < 0 ? ItemError::TooNearZero : ItemError::OutOfRange;
    if (res.ec != std::errc() || res.ptr != text.data() + text.size()) return ItemError::NotANumber;
    if (!std::isfinite(value)) return ItemError::OutOfRange;
    if (value == 0) return ItemError::TooNearZero;
    v = value;
    return ItemError::None;
}

}  // namespace

ItemError readDoubleItem(std::string_view item, double& v) { return readItem(item, v); }

// A Single is read from the text itself: through a Double first, a text just
// below half a step above the largest Single could round up to the half step
// and from there to infinity.
ItemError readSingleItem(std::string_view item, Single& v) { return readItem(item, v); }

ItemError readDoubleItemSingleRange(std::string_view item, double& v) {
    double d = 0;
    Single f = 0;
    if (const ItemError e = readItem(item, d); e != ItemError::None) return e;
    // The Single is rounded from the text itself, as the editor's fields read it.
    if (const ItemError e = readItem(item, f); e != ItemError::None) return e;
    v = d;
    return ItemError::None;
}

ItemError readIntegerItem(std::string_view item, long lo, long hi, long& v) {
    double d = 0;
    const ItemError e = readDoubleItem(item, d);
    if (e != ItemError::None) return e;
    if (d != std::floor(d)) return ItemError::NotANumber;
    if (d < static_cast<double>(lo) || d > static_cast<double>(hi)) return ItemError::OutOfRange;
    v = static_cast<long>(d);
    return ItemError::None;
}

std::string readTextItem(std::string_view line) {
    // A byte-order mark (U+FEFF, a blank of no width) goes with the blanks, so
    // that an item never starts with one: written as a file's first line it
    // would be taken for the mark of the file and dropped.
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    std::string_view item = trimBlanks(line.substr(0, line.find(',')));
    for (std::size_t before = 0; before != item.size();) {
        before = item.size();
        if (item.substr(0, 3) == bom) item.remove_prefix(3);
        if (item.size() >= 3 && item.substr(item.size() - 3) == bom) item.remove_suffix(3);
        item = trimBlanks(item);
    }
    return std::string(item);
}

std::string numberItem(double x) { return withoutLeadingBlank(Str(x)); }
std::string numberItem(Single x) {
    // Seven digits that would read back as another Single with other seven
    // digits (1E+28, 1E-38) give way to the digits that read back as x.
    std::string item = withoutLeadingBlank(Str(x));
    Single back = 0;
    if (readSingleItem(item, back) == ItemError::None && withoutLeadingBlank(Str(back)) != item)
        item = withoutLeadingBlank(StrExact(x));
    return item;
}
std::string numberItem(int x) { return withoutLeadingBlank(Str(x)); }

std::string numberItemSingleRange(double x) {
    std::string item = numberItem(x);
    Single back = 0;
    if (passtInSingle(x) && readSingleItem(item, back) != ItemError::None) item = withoutLeadingBlank(StrExact(x));
    return item;
}

std::string itemErrorText(ItemError e, int line, int itemNo, std::string_view item, std::string_view name) {
    std::string where = "Zeile " + std::to_string(line);
    if (itemNo > 0) where += ", Wert " + std::to_string(itemNo);
    if (!name.empty()) where += " (" + std::string(name) + ")";
    std::string_view shown = trimBlanks(item);
    if (shown.size() > 40) {
        std::size_t cut = 40;  // never in the middle of a UTF-8 sequence
        while (cut > 0 && (static_cast<unsigned char>(shown[cut]) & 0xC0u) == 0x80u) --cut;
        shown = shown.substr(0, cut);
    }
    switch (e) {
        case ItemError::OutOfRange:
            return where + ": \"" + std::string(shown) + "\" liegt außerhalb des zulässigen Bereichs.";
        case ItemError::TooNearZero:
            return where + ": \"" + std::string(shown) + "\" liegt zu nahe an Null.";
        case ItemError::NotANumber:
        case ItemError::None: break;
    }
    return where + ": \"" + std::string(shown) + "\" ist keine gültige Zahl.";
}

}  // namespace vrn
