#include "chart/CurveCopy.h"

#include <cmath>

#include "chart/CurveSlots.h"
#include "base/NumberText.h"

namespace vrn {

std::string kurveAlsText(const std::vector<double>& x, const std::vector<double>& y) {
    std::string text;
    const std::size_t n = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < n; ++i) {
        const Single xs = static_cast<Single>(x[i]);
        const Single ys = static_cast<Single>(y[i]);
        if (!std::isfinite(xs) || !std::isfinite(ys)) continue;
        text += Format(xs);
        text += '\t';
        text += Format(ys);
        text += "\r\n";
    }
    return text;
}

Integer kurvenNummerAusTitel(const std::string& caption) {
    const auto first = caption.find_first_not_of(" \t");
    if (first == std::string::npos) return 0;
    const auto last = caption.find_last_not_of(" \t");
    const std::string c = caption.substr(first, last - first + 1);
    const auto punkt = c.find('.');
    bool ok = false;
    const double v = Val(punkt == std::string::npos ? c : c.substr(punkt + 1), ok);
    if (!ok) return 0;
    const Integer k = CInt(v);
    return (k >= 1 && k <= kMaxKurven) ? k : 0;
}

}  // namespace vrn
