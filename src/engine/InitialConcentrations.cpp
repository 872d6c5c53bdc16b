#include "engine/InitialConcentrations.h"

#include "shell/AppState.h"
#include "base/NumberText.h"

namespace vrn {

void getAnfangskonzAusDaten() {
    for (int s = 1; s <= 5; ++s) app.c0Daten[static_cast<std::size_t>(s)] = 0;
    for (int i = 1; i <= app.nExpPunkte && i < static_cast<int>(app.ExpDaten.size()); ++i) {
        const Messpunkt& p = app.ExpDaten[static_cast<std::size_t>(i)];
        if (p.t < 1e-8) {
            for (int s = 1; s <= 5; ++s)
                app.c0Daten[static_cast<std::size_t>(s)] = zuSingle(p.c[static_cast<std::size_t>(s)]);
            return;
        }
    }
}

}  // namespace vrn
