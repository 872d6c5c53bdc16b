#include "chart/ChartOutputRules.h"

#include <cmath>
#include <optional>

#include "base/NumberText.h"

namespace vrn {

namespace {

constexpr double kTwipsProCm = 567;

// (cm - abzug) * 567 / twips per pixel, reduced to single precision and
// rounded half to even; nothing beyond 2^30 pixels.
std::optional<long> pixel(std::string_view cm, double abzug, double twipsProPixel) {
    constexpr float kGrenze = 1073741824.0f;
    const double qd = (Val(cm) - abzug) * kTwipsProCm / twipsProPixel;
    if (!(std::fabs(qd) < 2.0 * kGrenze)) return std::nullopt;  // far beyond: no conversion to a Single
    const float q = static_cast<float>(qd);
    if (!std::isfinite(q) || std::fabs(q) > kGrenze) return std::nullopt;
    return static_cast<long>(std::nearbyint(q));
}

}  // namespace

const FormatEintrag* bildDateiFormat(int code) {
    for (const FormatEintrag& e : kBildDateiFormate)
        if (e.code == code) return &e;
    return nullptr;
}

std::string druckRahmen(std::string_view leftCm, std::string_view topCm, std::string_view widthCm,
                        std::string_view heightCm, int scaling, double twipsProPixelX, double twipsProPixelY,
                        DruckRahmen& box) {
    if (!(twipsProPixelX > 0) || !(twipsProPixelY > 0) || !std::isfinite(twipsProPixelX) ||
        !std::isfinite(twipsProPixelY))
        return "Die Auflösung des Druckers ist unbekannt.";
    const auto top = pixel(topCm, 0.5, twipsProPixelY);
    const auto left = pixel(leftCm, 0.5, twipsProPixelX);
    const auto width = pixel(widthCm, 0, twipsProPixelX);
    const auto height = pixel(heightCm, 0, twipsProPixelY);
    if (!top || !left || !width || !height) return "Position und Größe sind zu groß für den Drucker.";
    if (scaling == kVorgabeBreite && *width < 1) return "Die Breite muss größer als 0 cm sein.";
    if (scaling == kVorgabeHoehe && *height < 1) return "Die Höhe muss größer als 0 cm sein.";
    box = DruckRahmen{*left, *top, *width, *height};
    return {};
}

std::string schwarzesBlattFrage() {
    return "Sie haben ein schwarzes Zeichenblatt gewählt.\n\r\n\rWollen Sie das wirklich so drucken?";
}

}  // namespace vrn
