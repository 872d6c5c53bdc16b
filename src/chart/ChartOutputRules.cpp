#include "chart/ChartOutputRules.h"

#include <cmath>
#include <optional>

#include "base/NumberText.h"
#include "base/Zahlbereich.h"

namespace vrn {

namespace {

constexpr double kTwipsProCm = 567;
constexpr const char* kBreiteNull = "Die Breite muss größer als 0 cm sein.";
constexpr const char* kHoeheNull = "Die Höhe muss größer als 0 cm sein.";

// (cm - abzug) * 567 / twips per pixel, reduced to single precision and
// rounded half to even; nothing beyond 2^30 pixels.
std::optional<long> pixel(double cm, double abzug, double twipsProPixel) {
    constexpr float kGrenze = 1073741824.0f;
    const double qd = (cm - abzug) * kTwipsProCm / twipsProPixel;
    if (!(std::fabs(qd) < 2.0 * kGrenze)) return std::nullopt;  // far beyond: no conversion to a Single
    const float q = static_cast<float>(qd);
    if (!std::isfinite(q) || std::fabs(q) > kGrenze) return std::nullopt;
    return static_cast<long>(std::nearbyint(q));
}

}  // namespace

Zahlfeld druckFeld(DruckFeld feld) {
    Zahlfeld f;
    const bool rand = feld == DruckFeld::Links || feld == DruckFeld::Oben;
    f.thema = rand ? "Druckposition" : "Druckgröße";
    f.symbol = feld == DruckFeld::Links ? "Rand links" : feld == DruckFeld::Oben ? "Rand oben"
               : feld == DruckFeld::Breite                                        ? "Breite"
                                                                                  : "Höhe";
    f.bereich = rand ? Bereich::NichtNegativ : Bereich::Positiv;
    if (!rand) f.eigeneZeile = feld == DruckFeld::Breite ? kBreiteNull : kHoeheNull;
    return f;
}

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
    // The boxes the scaling uses through the checked reading; a box it does not use counts 0.
    std::string fehler;
    auto lies = [&fehler](std::string_view text, DruckFeld feld, bool gebraucht) {
        const Zahllesung l = liesZahl(text, druckFeld(feld));
        if (!l.ok() && gebraucht) fehler += (fehler.empty() ? "" : "\r\n") + l.zeile;
        return l.wert;
    };
    const double l = lies(leftCm, DruckFeld::Links, true);
    const double t = lies(topCm, DruckFeld::Oben, true);
    const double w = lies(widthCm, DruckFeld::Breite, scaling == kVorgabeBreite);
    const double h = lies(heightCm, DruckFeld::Hoehe, scaling == kVorgabeHoehe);
    if (!fehler.empty()) return fehler;
    const auto top = pixel(t, 0.5, twipsProPixelY);
    const auto left = pixel(l, 0.5, twipsProPixelX);
    const auto width = pixel(w, 0, twipsProPixelX);
    const auto height = pixel(h, 0, twipsProPixelY);
    // A box beyond 2^30 pixels is named with the largest number of cm it takes.
    auto zuGross = [](DruckFeld feld, double abzug, double twipsProPixel) {
        const Zahlfeld f = druckFeld(feld);
        const double grenze = std::floor(1073741824.0 * twipsProPixel / kTwipsProCm + abzug);
        return "- " + f.thema + " zu groß für den Drucker: " + f.symbol + " darf höchstens " + Format(grenze, "0") +
               " cm sein";
    };
    if (!left) return zuGross(DruckFeld::Links, 0.5, twipsProPixelX);
    if (!top) return zuGross(DruckFeld::Oben, 0.5, twipsProPixelY);
    if (!width) return zuGross(DruckFeld::Breite, 0, twipsProPixelX);
    if (!height) return zuGross(DruckFeld::Hoehe, 0, twipsProPixelY);
    if (scaling == kVorgabeBreite && *width < 1) return kBreiteNull;
    if (scaling == kVorgabeHoehe && *height < 1) return kHoeheNull;
    box = DruckRahmen{*left, *top, *width, *height};
    return {};
}

std::string schwarzesBlattFrage() {
    return "Sie haben ein schwarzes Zeichenblatt gewählt.\n\r\n\rWollen Sie das wirklich so drucken?";
}

}  // namespace vrn
