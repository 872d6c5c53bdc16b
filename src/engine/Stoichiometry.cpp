#include "engine/Stoichiometry.h"

#include "shell/AppState.h"

namespace vrn {

void SetStoechiometrie(Single n) {
    auto& nu = app.nu;
    for (int i = 1; i <= 5; ++i)
        for (int r = 1; r <= 3; ++r) nu[static_cast<std::size_t>(i)][static_cast<std::size_t>(r)] = 0;
    for (const StoechEintrag& e : kStoechiometrie) {
        if (e.model != app.iModell) continue;
        Single v = static_cast<Single>(e.coefficient);
        if (e.model == 20 && e.species == A) v *= n;
        nu[static_cast<std::size_t>(e.species)][static_cast<std::size_t>(e.reaction)] = v;
    }
}

}  // namespace vrn
