#include "platform/ChartTicker.h"

#include <QFontMetricsF>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/NumberText.h"
#include "platform/ChartScale.h"
#include "platform/ColourFont.h"
#include "platform/Paths.h"

namespace vrn {

namespace {

// Steps between the multiples that carry a number: 1, 2, 5, 10, 20, 50, ...
int nextStep(int n) {
    const int first = n;
    while (n % 10 == 0) n /= 10;
    return n == 2 ? first / 2 * 5 : first * 2;
}

}  // namespace

QString chartExponentForm(double v) {
    if (v == 0 || !std::isfinite(v)) return toQ(Format(v));
    // Rounded to the 15 digits of the general form: d.dddddddddddddde+xx
    // (to_chars, unlike printf, does not follow the C locale).
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf - 1, v, std::chars_format::scientific, 14);
    *res.ptr = '\0';
    const char* e = std::strchr(buf, 'e');
    if (!e) return toQ(Format(v));
    const double mantissa = Val(std::string_view(buf, static_cast<std::size_t>(e - buf)));
    const int exponent = std::atoi(e + 1);
    std::string digits = std::to_string(std::abs(exponent));
    if (digits.size() < 2) digits.insert(digits.begin(), '0');
    return toQ(Format(mantissa) + "E" + (exponent < 0 ? "-" : "+") + digits);
}

ChartNumbers chartNumbers(const ChartAxisData& axis, bool horizontalAxis, double length) {
    const ChartRange range = chartDrawnRange(axis);
    const double spacing = chartSpacingInUse(axis, ChartSpacing::Number);
    const std::vector<double> all = chartPositions(range, axis.logarithmic, spacing);
    ChartNumbers out;
    const auto general = [](const std::vector<double>& v) {
        QStringList t;
        for (double x : v) t << toQ(Format(x));
        return t;
    };
    if (!(length > 0) || all.size() < 2) {
        out.values = all;
        out.texts = general(all);
        return out;
    }
    const QFontMetricsF fm(chartFont(axis.numberFont));
    // Along a horizontal axis a horizontal number takes its width, along a
    // vertical one its height; turned numbers the other way round.
    const bool alongWidth = horizontalAxis != (axis.numberOrientation == kTextVertical);
    const double gap = fm.horizontalAdvance(' ');
    const auto extent = [&](const QString& t) { return alongWidth ? fm.horizontalAdvance(t) : fm.height(); };
    const auto scaled = [&axis](double v) { return axis.logarithmic ? std::log10(v) : v; };
    const double lo = scaled(range.lo), span = scaled(range.hi) - lo;
    const auto pixel = [&](double v) { return (scaled(v) - lo) / span * length; };
    const auto apart = [&](const std::vector<double>& v, const QStringList& t) {
        for (std::size_t i = 0; i + 1 < v.size(); ++i)
            if (std::fabs(pixel(v[i + 1]) - pixel(v[i])) < (extent(t[i]) + extent(t[static_cast<qsizetype>(i + 1)])) / 2 + gap)
                return false;
        return true;
    };
    const auto widest = [&](const QStringList& t) {
        double w = 0;
        for (const QString& s : t) w = std::max(w, fm.horizontalAdvance(s));
        return w;
    };
    for (int n = 1;; n = nextStep(n)) {
        std::vector<double> v;
        for (double x : all)
            if (std::llround(scaled(x) / spacing) % n == 0) v.push_back(x);
        if (v.empty()) v.push_back(all.front());
        const QStringList plain = general(v);
        QStringList exponent;
        for (double x : v) exponent << chartExponentForm(x);
        const bool shorter = widest(exponent) < widest(plain);
        out.values = v;
        if (apart(v, plain)) {
            out.texts = plain;
            return out;
        }
        if (shorter && apart(v, exponent)) {
            out.texts = exponent;
            return out;
        }
        if (v.size() <= 1) {
            out.texts = shorter ? exponent : plain;
            return out;
        }
    }
}

void ChartTicker::generate(const QCPRange&, const QLocale&, QChar, int, QVector<double>& ticks,
                           QVector<double>* subTicks, QVector<QString>* tickLabels) {
    ticks.clear();
    if (subTicks) subTicks->clear();
    if (tickLabels) tickLabels->clear();
    const ChartNumbers n = chartNumbers(*axis_, horizontal_, length_);
    for (std::size_t i = 0; i < n.values.size(); ++i) {
        ticks.append(n.values[i]);
        if (tickLabels) tickLabels->append(n.texts[static_cast<qsizetype>(i)]);
    }
}

}  // namespace vrn
