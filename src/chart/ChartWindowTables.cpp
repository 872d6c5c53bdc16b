#include "chart/ChartWindowTables.h"

#include <algorithm>

namespace vrn {

namespace {

constexpr std::array<int, 16> kHalbwertszeitBArten{-8, 4, 7, 9, 10, 12, 13, 17, 54, 57, 59, 60, 62, 63, 67, 68};

constexpr MenuRow kChartMenu[] = {
    {0, "  &Bild ...", "mnuBildsenden", 0, kMenu},
    {1, "... zur Zwischenablage", "mnuBild(1)", 0, 0},
    {1, "... als Bildfile speichern (.BMP, .PNG, .SVG, .PDF)", "mnuBild(2)", 0, 0},
    {1, "... zum Drucker", "mnuBild(3)", 0, 0},
    {1, "... als *.OC2-File speichern", "mnuSaveOC2", 0, 0},
    {1, nullptr, "", 0, 0},
    {1, "... importieren (*.OC2)", "mnuLoadOC2", 0, 0},
    {0, "&Koordinaten", "mnuCoord", 0, 0},
    {0, "&Einfügen...", "mnuMark", 0, kMenu},
    {1, "Halbwertszeit A", "mnuHalbA", 0, kDisabled},
    {1, "Halbwertszeit B", "mnuHalbB", 0, kDisabled},
    {1, "Legende", "mnuAddLegend", 0, 0},
    {1, "alle Kurvenetiketts", "mnuAddLabels", 0, 0},
    {1, "Zusatztext", "mnuAddText", 0, kDisabled},
    {1, nullptr, "", 0, 0},
    {1, "Messpunkte", "mnuAddPunkte", 0, 0},
    {1, nullptr, "", 0, 0},
    {1, "manuelle Kurve / Punkte (XY-Editor)", "mnuManuXY", 0, kDisabled},
    {0, "&Löschen...", "mnuDelete", 0, kMenu},
    {1, "Alles", "mnuDelTotal", 0, 0},
    {1, "Kurven", "mnuDelKurv", 0, kMenu | kDisabled},
    {2, "alle", "mnuSubDelKurv(0)", 0, kDisabled},
    {2, "Kurve 1", "mnuSubDelKurv(1)", 0, kDisabled},
    {2, "Kurve 2", "mnuSubDelKurv(2)", 0, kDisabled},
    {2, "Kurve 3", "mnuSubDelKurv(3)", 0, kDisabled},
    {2, "Kurve 4", "mnuSubDelKurv(4)", 0, kDisabled},
    {2, "Kurve 5", "mnuSubDelKurv(5)", 0, kDisabled},
    {2, "Kurve 6", "mnuSubDelKurv(6)", 0, kDisabled},
    {2, "Kurve 7", "mnuSubDelKurv(7)", 0, kDisabled},
    {2, "Kurve 8", "mnuSubDelKurv(8)", 0, kDisabled},
    {2, "Kurve 9", "mnuSubDelKurv(9)", 0, kDisabled},
    {2, "Kurve 10", "mnuSubDelKurv(10)", 0, kDisabled},
    {2, "Kurve 11", "mnuSubDelKurv(11)", 0, kDisabled},
    {2, "Kurve 12", "mnuSubDelKurv(12)", 0, kDisabled},
    {2, "Kurve 13", "mnuSubDelKurv(13)", 0, kDisabled},
    {2, "Kurve 14", "mnuSubDelKurv(14)", 0, kDisabled},
    {2, "Kurve 15", "mnuSubDelKurv(15)", 0, kDisabled},
    {2, "Kurve 16", "mnuSubDelKurv(16)", 0, kDisabled},
    {2, "Kurve 17", "mnuSubDelKurv(17)", 0, kDisabled},
    {2, "Kurve 18", "mnuSubDelKurv(18)", 0, kDisabled},
    {2, "Kurve 19", "mnuSubDelKurv(19)", 0, kDisabled},
    {2, "Kurve 20", "mnuSubDelKurv(20)", 0, kDisabled},
    {2, "Kurve 21", "mnuSubDelKurv(21)", 0, kDisabled},
    {2, "Kurve 22", "mnuSubDelKurv(22)", 0, kDisabled},
    {2, "Kurve 23", "mnuSubDelKurv(23)", 0, kDisabled},
    {2, "Kurve 24", "mnuSubDelKurv(24)", 0, kDisabled},
    {1, "Mark. Halbwertszeiten", "mnuDelHalbAB", 0, kDisabled},
    {1, "Markierungstexte", "mnuDelMarkLabels", 0, 0},
    {1, "einzelne Legendenzeilen", "mnuDelLegendZeile", 0, kDisabled},
    {1, "gesamte Legende", "mnuDelLegend", 0, kDisabled},
    {1, "alle Kurvenetiketts", "mnuDelLabels", 0, kDisabled},
    {1, nullptr, "", 0, 0},
    {1, "Messpunkte", "mnuDelPoints", 0, kMenu | kDisabled},
    {2, "alle", "mnuSubDelPoints(0)", 0, kDisabled},
    {2, "Punktsatz c(A)", "mnuSubDelPoints(1)", 0, kDisabled},
    {2, "Punktsatz c(B)", "mnuSubDelPoints(2)", 0, kDisabled},
    {2, "Punktsatz c(C)", "mnuSubDelPoints(3)", 0, kDisabled},
    {2, "Punktsatz c(P)", "mnuSubDelPoints(4)", 0, kDisabled},
    {2, "Punktsatz c(Q)", "mnuSubDelPoints(5)", 0, kDisabled},
    {2, "Punktsatz k - T", "mnuSubDelPoints(6)", 0, kDisabled},
    {2, "Punktsatz \"Einfügen manuell\"", "mnuSubDelPoints(7)", 0, kDisabled},
    {0, "&Gestalten...", "mnuDesign", 0, kMenu},
    {1, "Kurven", "mnuKurvenDesign", 0, kDisabled},
    {1, "Messpunkte", "mnuPunktDesign", 0, kDisabled},
    {1, "Diagramm", "mnuDesignMore", 0, 0},
    {1, "Beschriftungen", "mnuBeschriftungen", 0, kMenu},
    {2, "Kopftext", "mnuTextDesign(1)", 0, 0},
    {2, "Zusatz-Text", "mnuTextDesign(2)", 0, 0},
    {2, "x-Achsenbeschriftung", "mnuTextDesign(3)", 0, 0},
    {2, "y-Achsenbeschriftung", "mnuTextDesign(4)", 0, 0},
    {2, "Kurvenetikett/Legende", "mnuTextDesign(5)", 0, 0},
    {0, "&Kurven-Auflösung", "mnuResolution", 0, 0},
    {0, "&Hauptmenü", "mnuHaupt", 0, 0},
};

}  // namespace

int trennzeichenIndex(const std::string& t) {
    for (std::size_t i = 0; i < kTrennzeichen.size(); ++i)
        if (t == kTrennzeichen[i].zeichen) return static_cast<int>(i);
    return 0;
}

bool halbwertszeitAAngeboten(int kind) {
    return (kind >= -8 && kind <= -5) || (kind >= 1 && kind <= 20) || (kind >= 51 && kind <= 70);
}

bool halbwertszeitBAngeboten(int kind) {
    return std::find(kHalbwertszeitBArten.begin(), kHalbwertszeitBArten.end(), kind) != kHalbwertszeitBArten.end();
}

std::span<const MenuRow> chartMenuRows() { return kChartMenu; }

}  // namespace vrn
