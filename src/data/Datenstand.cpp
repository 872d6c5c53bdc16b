#include "data/Datenstand.h"

#include <algorithm>
#include <bit>

#include "shell/AppState.h"

namespace vrn {

Datenstand Datenstand::jetzt() {
    Datenstand d;
    d.einheit_ = app.sZeiteinheit;
    const int n = std::clamp<int>(app.nExpPunkte, 0, static_cast<int>(app.ExpDaten.size()) - 1);
    d.werte_.reserve(static_cast<std::size_t>(n) * 11 + 1);
    d.werte_.push_back(static_cast<std::uint64_t>(n));
    auto bits = [&d](double v) { d.werte_.push_back(std::bit_cast<std::uint64_t>(v)); };
    for (int i = 1; i <= n; ++i) {
        const Messpunkt& p = app.ExpDaten[static_cast<std::size_t>(i)];
        bits(p.t);
        for (int s = 1; s <= 5; ++s) bits(p.c[static_cast<std::size_t>(s)]);
        bits(p.Temp);
        bits(p.k);
        bits(p.lambda);
        bits(p.aus);
    }
    return d;
}

}  // namespace vrn
