#include "reactors/ReactorRules.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "base/TimeUnitTexts.h"
#include "reactors/ReactorModels.h"
#include "shell/AppState.h"

namespace vrn {

namespace {

// Field that fills each protocol column, per window; -1 none.
constexpr std::array<std::array<int, kProtSpaltenZahl>, 3> kSpaltenFelder = {{
    // stirred tank: t from Inp(16), V from Inp(14), V* from Inp(15)
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 16, -1, 14, 15, -1, -1},
    // batch
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, -1, -1, -1, -1, -1},
    // tube
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, -1, -1, -1, -1},
}};

int channel(double v) { return static_cast<int>(std::nearbyint(v * 255)); }

}  // namespace

namespace {
// Seconds in one time unit of the text (1 for a text that names none).
double sekundenJeEinheit(const std::string& zeiteinheit) {
    const int i = zeitEinheitIndex(zeiteinheit);
    return i < 0 ? 1.0 : app.Zeitfaktor[static_cast<std::size_t>(i)][0];
}
}  // namespace

double tubeLength(double t, double v, const std::string& zeiteinheit) {
    return t * sekundenJeEinheit(zeiteinheit) * v;
}

double tubeResidenceTime(double l, double v, const std::string& zeiteinheit) {
    return l / v / sekundenJeEinheit(zeiteinheit);
}

Colour conversionColour(double x) {
    if (!std::isfinite(x)) x = 0;
    x = std::clamp(x, 0.0, 1.0);
    return RGB(channel(1 - x), 255, channel(x));
}

ProtRow protocolRow(int window, Integer model, const FieldValues& fields, double ksi1, double ksi2) {
    ProtRow row{};
    if (window < 2 || window > 4) return row;
    const auto& felder = kSpaltenFelder[static_cast<std::size_t>(window - 2)];
    for (std::size_t col = 0; col < row.size(); ++col)
        if (felder[col] >= 0) row[col] = fields[static_cast<std::size_t>(felder[col])];
    const int species = modelSpecies(model);
    for (int s = 1; s <= 5; ++s) {
        if (species & (1 << s)) continue;
        row[static_cast<std::size_t>(s - 1)] = 0;
        row[static_cast<std::size_t>(s + 4)] = 0;
    }
    for (int j = modelConstantCount(model) + 1; j <= 3; ++j) row[static_cast<std::size_t>(9 + j)] = 0;
    row[18] = ksi1;
    row[19] = ksi2;
    return row;
}

bool showableAsSingle(double v) { return std::isfinite(v) && std::fabs(v) <= static_cast<double>(FLT_MAX); }

}  // namespace vrn
