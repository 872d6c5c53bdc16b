#include "chart/CurveCopy.h"

#include <cmath>

#include "chart/CurveSlots.h"
#include "base/NumberText.h"
#include "platform/ChartModel.h"

namespace vrn {

std::string kurveAlsText(const std::vector<double>& x, const std::vector<double>& y, std::string* error) {
    std::string text;
    const std::size_t n = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (!std::isfinite(x[i]) || !std::isfinite(y[i]) || y[i] >= kChartHole) continue;
        for (int w = 0; w < 2; ++w) {
            const double v = w == 0 ? x[i] : y[i];
            if (passtInSingle(v)) continue;
            if (error)
                *error = "Punkt " + std::to_string(i + 1) + ", Wert " + std::to_string(w + 1) + ": \"" + Format(v) +
                         "\" liegt außerhalb des zulässigen Bereichs.";
            return std::string();
        }
        const Single xs = zuSingle(x[i]);
        const Single ys = zuSingle(y[i]);
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
