// Fuzzes the x-y file reader and the editor's paste. For every input: the
// reader either refuses it with a failure text, or gives a bounded list of
// finite points; written with each separator and read again, the file gives
// the same comment, the same number of points and values equal to seven
// digits; the chart range of the points is finite and not empty; the column
// operations leave only finite values; and the same bytes pasted as block
// text into the list leave it bounded and finite.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "data/XYFile.h"
#include "data/XYList.h"
#include "data/XYOperations.h"
#include "shell/AppState.h"

using namespace vrn;
using vrn::fuzz::check;
using vrn::fuzz::fileBytes;

namespace {

bool gueltig(Single v) { return std::isfinite(v) && std::fabs(v) <= FLT_MAX; }

bool nahe(Single a, Single b) {
    return std::fabs(static_cast<double>(a) - b) <= 1e-6 * std::fmax(std::fabs(static_cast<double>(a)), 1e-37);
}

void listeGueltig() {
    check(app.nXYPunkte >= 0 && app.nXYPunkte <= kMaxXYPunkte);
    check(app.XYDaten.size() == static_cast<std::size_t>(app.nXYPunkte) + 1);
    for (std::size_t i = 1; i < app.XYDaten.size(); ++i)
        check(gueltig(app.XYDaten[i].x) && gueltig(app.XYDaten[i].y));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool initialised = (resetAppState(""), true);
    (void)initialised;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    XYDateiInhalt c;
    std::string error;
    if (!parseXYDatei(bytes, c, error)) {
        check(!error.empty());
    } else {
        check(c.punkte.size() <= static_cast<std::size_t>(kMaxXYPunkte));
        std::vector<XYPunkt> liste(1);
        for (const XYPunkt& p : c.punkte) {
            check(gueltig(p.x) && gueltig(p.y) && p.aus == 0);
            liste.push_back(p);
        }
        const int n = static_cast<int>(c.punkte.size());
        for (const char* trenn : {";", ",", "\t"}) {
            const std::vector<std::string> lines = formatXYDatei(c.kommentar, liste, n, trenn);
            XYDateiInhalt again;
            check(parseXYDatei(fileBytes(lines), again, error));
            check(again.punkte.size() == c.punkte.size());
            check(again.kommentar == std::string(lines[0]));
            if (n > 0) check(again.trennzeichen == trenn);
            for (std::size_t i = 0; i < c.punkte.size(); ++i)
                check(nahe(again.punkte[i].x, c.punkte[i].x) && nahe(again.punkte[i].y, c.punkte[i].y));
        }

        xyListeSetzen(liste);
        listeGueltig();
        const std::vector<XYPunkt> manu = xyAktivePunkte();
        if (manu.size() >= 2) {
            Diagramm d;
            xyDiagrammAnfordern(manu, d);
            check(std::isfinite(d.XMin) && std::isfinite(d.XMax) && d.XMin < d.XMax);
            check(std::isfinite(d.YMin) && std::isfinite(d.YMax) && d.YMin < d.YMax);
        }
        for (int art = 0; art <= 5; ++art) {
            std::string fehler;
            const std::vector<XYPunkt> vorher = app.XYDaten;
            if (!xyRechnen(art, 3.5, fehler)) {
                check(!fehler.empty());
                for (std::size_t i = 0; i < vorher.size(); ++i)
                    check(vorher[i].x == app.XYDaten[i].x && vorher[i].y == app.XYDaten[i].y);
            }
            listeGueltig();
        }
        xySortieren(true);
        for (int i = 2; i <= app.nXYPunkte; ++i) check(app.XYDaten[i - 1].y <= app.XYDaten[i].y);
    }

    // The same bytes as pasted block text, at the start and after the list.
    xyListeLeeren();
    xyEinfuegen(bytes, 0, 2);
    listeGueltig();
    xyEinfuegen(bytes, app.nXYPunkte, 3);
    listeGueltig();
    return 0;
}
