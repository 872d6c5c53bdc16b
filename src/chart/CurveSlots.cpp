#include "chart/CurveSlots.h"

#include <cmath>

#include "platform/MsgBox.h"
#include "shell/AppState.h"
#include "base/NumberText.h"

namespace vrn {

void NeueKurveNr(Integer& nr, Integer& err) {
    err = 0;
    if (app.gnKurven <= 0) {
        app.KurvenSlot.fill(-1);
        app.gnKurven = 0;
    }
    int frei = 0;
    for (int i = 1; i <= kMaxKurven && frei == 0; ++i)
        if (app.KurvenSlot[static_cast<std::size_t>(i - 1)] != 0) frei = i;
    if (app.gnKurven + 1 > kMaxKurven || frei == 0) {
        app.gnKurven = kMaxKurven;
        err = -1;
        MsgBox("Maximal " + Format(kMaxKurven) + " Kurven möglich" + "\r\n" + "Löschen Sie vorhandene Kurven",
               MsgButtons::OK, MsgIcon::Exclamation, "WARNUNG");
        return;
    }
    ++app.gnKurven;
    nr = static_cast<Integer>(frei);
    app.KurvenSlot[static_cast<std::size_t>(frei - 1)] = 0;
}

bool KurveFreigeben(Integer nr) {
    if (nr < 1 || nr > kMaxKurven) return false;
    Integer& platz = app.KurvenSlot[static_cast<std::size_t>(nr - 1)];
    if (platz != 0) return false;
    platz = -1;
    if (app.gnKurven > 0) --app.gnKurven;
    return true;
}

Long labelPunktIndex(const std::vector<XYPunkt>& pts, Single xMax, Integer nr, Long& m) {
    Long n = pts.empty() ? 0 : static_cast<Long>(std::lround(pts[0].x));
    if (n > static_cast<Long>(pts.size()) - 1) n = static_cast<Long>(pts.size()) - 1;
    if (n < 0) n = 0;
    for (Long i = n; i >= 1; --i)
        if (pts[static_cast<std::size_t>(i)].x < xMax) {
            m = i;
            break;
        }
    const int r = nr >= 1 ? (nr - 1) % 4 + 1 : 1;
    double idx = std::nearbyint(static_cast<double>(m) / 1.2 - 0.18 * static_cast<double>(m) * r);
    if (idx > n) idx = static_cast<double>(n);
    if (idx < 1) idx = n >= 1 ? 1 : 0;
    return static_cast<Long>(idx);
}

bool CalcRegressKurve(double a, double b, const Diagramm& d, std::vector<XYPunkt>& pts, bool& bAusserhalb) {
    const Single dx = (d.XMax - d.XMin) / 120.0f;
    if (!std::isfinite(dx) || !(dx > 0) || !std::isfinite(d.XMin)) return false;
    // The end is computed in single precision, the running x in double.
    const double ende = static_cast<double>(static_cast<Single>(d.XMax + dx));
    std::vector<XYPunkt> line;
    line.reserve(130);
    bool drin = false;
    double x = d.XMin;
    while (x <= ende && static_cast<int>(line.size()) < kMaxKurvenPunkte) {
        const double y = a + b * x;
        if (!passtInSingle(y)) return false;
        const Single ys = zuSingle(y);
        if (ys > d.YMin && ys < d.YMax) drin = true;
        line.push_back({zuSingle(x), ys, 0});
        x += dx;
    }
    if (pts.size() < static_cast<std::size_t>(kMaxKurvenPunkte + 1)) pts.resize(kMaxKurvenPunkte + 1);
    pts[0].x = static_cast<Single>(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) pts[i + 1] = line[i];
    if (drin) bAusserhalb = false;
    return true;
}

}  // namespace vrn
